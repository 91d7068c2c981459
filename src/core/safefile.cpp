#include "core/safefile.h"

#include "core/apperror.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The user's text for a failed file operation: errno where the call left one, else Qt's text.
FailureReason failureReason(const QIODevice& device, const QString& path, int savedErrno) {
    if (savedErrno != 0)
        return errors::systemReason(savedErrno);
    if (QFileInfo(path).isDir())
        return errors::systemReason(EISDIR);
    return errors::sameReason(device.errorString());
}

struct FdCloser {
    int fd;
    ~FdCloser() {
        if (fd >= 0)
            ::close(fd);
    }
};

FailureReason notRegularFile() {
    return {u"通常のファイルではありません。"_s, u"not a regular file"_s};
}

FailureReason tooLarge(qint64 maxBytes) {
    const qint64 megabytes = maxBytes / (1024 * 1024);
    return {u"ファイルが大きすぎます（%1MBまで）。"_s.arg(megabytes),
            u"the file is too large (%1 MB at most)"_s.arg(megabytes)};
}

FailureReason folderRefuses(const QString& folder) {
    return {
        u"フォルダー \"%1\" に新しいファイルを作れないため保存できません。元のファイルはそのままです。"_s.arg(
            folder),
        u"the folder %1 does not allow a new file, so nothing was saved; the file is as it was"_s.arg(
            folder)};
}

struct TemporaryFile {
    int fd = -1;
    int error = 0;
    QByteArray name;
};

// A new file with a short random name in `folder` (short, so that it fits wherever the target's
// own name fits), made with the default permissions.
TemporaryFile createTemporaryFile(const QString& folder) {
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    TemporaryFile temp;
    const QByteArray prefix = QFile::encodeName(folder) + "/.prc";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = prefix;
        for (int i = 0; i < 8; ++i)
            name += Letters[QRandomGenerator::global()->bounded(int(sizeof(Letters) - 1))];
        name += ".tmp";
        temp.fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (temp.fd >= 0) {
            temp.name = name;
            return temp;
        }
        temp.error = errno;
        if (temp.error != EEXIST && temp.error != EINTR)
            break;
    }
    return temp;
}

// A save killed between creating its temporary file and the rename leaves that file behind.
// Every completed save removes such leftovers in its folder, once they are so old that no save can
// still be writing them; only regular files named exactly as createTemporaryFile names them.
constexpr qint64 StaleTemporarySeconds = 30 * 60;

void removeStaleTemporaryFiles(const QString& folder) {
    // The folder is read with the system's calls and each name checked by hand: no pattern
    // matching is loaded for it, and only our own leftovers are looked at more closely.
    const QByteArray native = QFile::encodeName(folder);
    DIR* const dir = ::opendir(native.constData());
    if (dir == nullptr)
        return;
    const time_t written = ::time(nullptr) - StaleTemporarySeconds;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        const bool ours = name.size() == 16 && name.starts_with(".prc") && name.ends_with(".tmp") &&
                          std::all_of(name.begin() + 4, name.begin() + 12, [](char c) {
                              return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
                          });
        if (!ours)
            continue;
        const QByteArray path = native + '/' + QByteArray(name.data(), qsizetype(name.size()));
        struct stat info {};
        if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_mtime < written)
            ::unlink(path.constData());
    }
    ::closedir(dir);
}

// Makes a rename durable; a folder that cannot be opened or synced changes nothing of the result.
void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Opens a regular file for reading and gives its size; throws errors::fileOpen as readBytes says.
int openForReading(const QString& path, qint64 maxBytes, qint64& size) {
    const QByteArray native = QFile::encodeName(path);
    // Non-blocking, so that a FIFO cannot hang the program before it is refused below.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw errors::fileOpen(path, errors::systemReason(errno));
    FdCloser closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        throw errors::fileOpen(path, errors::systemReason(errno));
    if (S_ISDIR(info.st_mode))
        throw errors::fileOpen(path, errors::systemReason(EISDIR));
    if (!S_ISREG(info.st_mode))
        throw errors::fileOpen(path, notRegularFile());
    if (info.st_size > maxBytes)
        throw errors::fileOpen(path, tooLarge(maxBytes));
    size = info.st_size;
    closer.fd = -1;
    return fd;
}

// Reads `size` bytes into `into`, fewer only where the file ends.
qsizetype readUpTo(int fd, const QString& path, char* into, qsizetype size) {
    qsizetype filled = 0;
    while (filled < size) {
        const ssize_t n = ::read(fd, into + filled, size_t(size - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw errors::fileOpen(path, errors::systemReason(errno));
        if (n == 0)
            break;
        filled += n;
    }
    return filled;
}

// Reads the rest of the file into `bytes` after its first `filled` bytes, to the end of the file.
// A file that grows while it is read is read up to the limit and one byte more, then refused.
void readRest(int fd, const QString& path, qint64 maxBytes, QByteArray& bytes, qsizetype filled) {
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() > maxBytes)
                throw errors::fileOpen(path, tooLarge(maxBytes));
            bytes.resize(qMin<qint64>(maxBytes + 1, qMax<qint64>(4096, bytes.size() * 2)));
        }
        const qsizetype n = readUpTo(fd, path, bytes.data() + filled, bytes.size() - filled);
        filled += n;
        if (filled < bytes.size())
            break;
    }
    if (filled > maxBytes)
        throw errors::fileOpen(path, tooLarge(maxBytes));
    bytes.truncate(filled);
}

// Replaces the file whole with the bytes, the way writeBytes says.
FileStamp replaceFile(const QString& path, QByteArrayView bytes) {
    // A link is written through: the file it points to is replaced, the link stays.
    const QFileInfo link(path);
    const QString target = link.isSymLink() ? link.symLinkTarget() : path;
    const QByteArray native = QFile::encodeName(target);

    struct stat old {};
    const bool exists = ::stat(native.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        throw errors::fileCreate(path, errors::systemReason(EISDIR));
    if (exists && !S_ISREG(old.st_mode))
        throw errors::fileCreate(path, notRegularFile());
    // A rename ignores the target's own permissions: a file its user may not write is refused as
    // writing it in place would be, before anything is written.
    if (exists && ::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0)
        throw errors::fileCreate(path, errors::systemReason(errno));

    // The new text goes to a temporary file beside the target and replaces it only once every
    // byte is written and on the disk: a full disk, a fault or a kill leaves the old file whole.
    const QString folder = QFileInfo(target).path();
    TemporaryFile temp = createTemporaryFile(folder);
    if (temp.fd < 0) {
        const int error = temp.error;
        if ((error == EACCES || error == EPERM) && exists)
            throw errors::fileCreate(path, folderRefuses(folder));
        throw errors::fileCreate(path, errors::systemReason(error));
    }
    const auto fail = [&](int error) {
        if (temp.fd >= 0)
            ::close(temp.fd);
        temp.fd = -1;
        ::unlink(temp.name.constData());
        throw errors::fileCreate(path, errors::systemReason(error));
    };

    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(temp.fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(n < 0 ? errno : ENOSPC);
        data += n;
        left -= n;
    }
    if (exists) {
        // The replacement keeps the old file's permissions (and its owner, where allowed).
        if (::fchmod(temp.fd, old.st_mode & 07777) != 0)
            fail(errno);
        [[maybe_unused]] const int ignored = ::fchown(temp.fd, old.st_uid, old.st_gid);
    }
    if (::fsync(temp.fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        fail(errno);
    const int fd = temp.fd;
    temp.fd = -1;
    if (::close(fd) != 0)
        fail(errno);
    if (::rename(temp.name.constData(), native.constData()) != 0)
        fail(errno);
    syncFolder(folder);
    removeStaleTemporaryFiles(folder);
    return FileStamp::of(target, bytes);
}

} // namespace

namespace textfile {

QByteArray readBytes(const QString& path, qint64 maxBytes) {
    qint64 size = 0;
    const FdCloser closer{openForReading(path, maxBytes, size)};
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    readRest(closer.fd, path, maxBytes, bytes, 0);
    return bytes;
}

FileStamp writeBytes(const QString& path, const QByteArray& bytes) {
    return replaceFile(path, bytes);
}

void writeTo(QIODevice& device, const QString& path, const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const qint64 n = device.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            throw errors::fileCreate(path, failureReason(device, path, errno));
        written += n;
    }
}

} // namespace textfile
