// The shop-list file: one shop name per line, in the user's order.
#pragma once

#include "core/appfiles.h"

#include <QString>
#include <QStringList>

class UiServices;

// The most shops the management dialog builds; a longer list (from an import or a hand-edited
// file) keeps it and the by-shop query from opening.
inline constexpr int MaxShops = 500;

// Reads a shop-list file. Throws errors::fileOpen when it cannot be opened.
QStringList LoadShopList(const QString& path);
// Replaces the file with the names. Throws errors::fileCreate.
void SaveShopList(const QString& path, const QStringList& names);

// For a list longer than MaxShops, tells the user how to shorten it and returns true.
bool refuseLongShopList(const QStringList& shops, UiServices& ui);
