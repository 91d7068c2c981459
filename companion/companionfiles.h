// What the companion window keeps on disk: Qt's own settings (the file dialogs' state) in the
// program's settings folder instead of ~/.config/QtProject.conf, and its temporary pages, removed
// once the browser had time to read them or at the next start.
#pragma once

#include <QString>

namespace companionfiles {

// Makes every QSettings of the user scope (Qt's file dialogs write one) live in `folder`.
void keepQtSettingsIn(const QString& folder);

// A new temporary page holding `bytes`, named so that removeLeftPages finds it; empty on failure
// with `error` set.
QString writeTemporaryPage(const QByteArray& bytes, QString* error);

// Removes the pages writeTemporaryPage left in `folder` (the temporary folder): regular files of
// this user only, never a link.
void removeLeftPages(const QString& folder);

} // namespace companionfiles
