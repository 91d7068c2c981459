// The shop-list file: one shop name per line, in the user's order.
#pragma once

#include <QString>
#include <QStringList>

// Reads a shop-list file. Throws errors::fileOpen when it cannot be opened.
QStringList LoadShopList(const QString& path);
// Replaces the file with the names. Throws errors::fileCreate.
void SaveShopList(const QString& path, const QStringList& names);
