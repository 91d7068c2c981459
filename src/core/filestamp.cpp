#include "core/filestamp.h"

#include "core/apperror.h"
#include "core/safefile.h"

#include <QFile>
#include <QHash>

#include <sys/stat.h>

namespace {

bool statFile(const QString& path, qint64& size, qint64& modified) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    size = info.st_size;
    modified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return true;
}

size_t hashOf(QByteArrayView bytes) {
    return qHash(bytes, size_t(0));
}

} // namespace

FileStamp FileStamp::of(const QString& path, QByteArrayView bytes) {
    FileStamp stamp;
    qint64 size = 0;
    if (!statFile(path, size, stamp.modified))
        stamp.modified = 0;
    stamp.size = bytes.size();
    stamp.hash = hashOf(bytes);
    return stamp;
}

bool FileStamp::changedOn(const QString& path) const {
    if (size < 0)
        return false;
    qint64 nowSize = 0;
    qint64 nowModified = 0;
    if (!statFile(path, nowSize, nowModified))
        return false;
    if (nowSize != size)
        return true;
    if (nowModified == modified)
        return false;
    try {
        return hashOf(textfile::readBytes(path, size)) != hash;
    } catch (const AppError&) {
        return true;
    }
}
