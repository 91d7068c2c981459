#include "core/appfiles.h"

#include "buildinfo.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace appfiles {

namespace {

QString withOneTrailingSlash(QString dir) {
    while (dir.endsWith(u'/'))
        dir.chop(1);
    return dir + u'/';
}

QString besideProgram(const QString& programDir, const char* relative) {
    return QDir::cleanPath(programDir + u'/' + QString::fromUtf8(relative));
}

} // namespace

QString userFolder(const QString& xdgConfigHome, const QString& home) {
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base directory rules say.
    const QString base = QDir::isAbsolutePath(xdgConfigHome) ? xdgConfigHome : home + u"/.config"_s;
    return QDir::cleanPath(base + u"/pricotta"_s);
}

QString userFolder() {
    return userFolder(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath());
}

bool isInstalled(const QString& programDir) {
    return QFileInfo(besideProgram(programDir, PRICOTTA_DATA_FROM_BIN)).isDir();
}

QString filesFolder(const QString& programDir, const QString& userFolder) {
    // An installed program keeps out of its bin folder even where it could write there (root, or
    // a prefix in the user's home): the package manager owns that folder.
    const QFileInfo program(programDir);
    if (program.isDir() && program.isWritable() && !isInstalled(programDir))
        return withOneTrailingSlash(programDir);
    // Only its owner may look in, as the base directory rules ask of a folder they create.
    if (!QFileInfo::exists(userFolder)) {
        QDir().mkpath(QFileInfo(userFolder).absolutePath());
        QDir().mkdir(userFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return withOneTrailingSlash(userFolder);
}

QString filesFolder(const QString& programDir) {
    return filesFolder(programDir, userFolder());
}

QStringList dataFolders(const QString& programDir) {
    return {QDir::cleanPath(programDir), besideProgram(programDir, PRICOTTA_DATA_FROM_BIN)};
}

QStringList libraryFolders(const QString& programDir) {
    return {QDir::cleanPath(programDir), besideProgram(programDir, PRICOTTA_LIBRARY_FROM_BIN)};
}

QString findFile(const QStringList& folders, const QString& name) {
    for (const QString& folder : folders) {
        const QString path = withOneTrailingSlash(folder) + name;
        // A folder of that name is no file.
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace appfiles
