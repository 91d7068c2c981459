#include "companionfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString PagePrefix = u"pricotta-companion-"_s;

} // namespace

namespace companionfiles {

void keepQtSettingsIn(const QString& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

QString writeTemporaryPage(const QByteArray& bytes, QString* error) {
    QTemporaryFile file(QDir(QDir::tempPath()).filePath(PagePrefix + u"XXXXXX.html"_s));
    file.setAutoRemove(false);
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()) {
        *error = file.errorString();
        file.remove();
        return {};
    }
    return file.fileName();
}

void removeLeftPages(const QString& folder) {
    const QFileInfoList pages =
        QDir(folder).entryInfoList({PagePrefix + u"*.html"_s}, QDir::Files | QDir::System | QDir::Hidden);
    for (const QFileInfo& page : pages) {
        if (!page.isSymLink() && page.isFile() && page.ownerId() == ::getuid())
            QFile::remove(page.filePath());
    }
}

} // namespace companionfiles
