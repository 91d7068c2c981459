// Reading and replacing whole files safely: only regular files up to a size limit are read, and a
// file is replaced through a synced temporary file renamed over it, so that it is either the old
// file or the new one, never part of either.
#pragma once

#include "core/filestamp.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace textfile {

// The largest file any reader takes unless it sets its own limit.
inline constexpr qint64 DefaultMaxBytes = 64 * 1024 * 1024;

// Reads the raw bytes of a whole file. Throws errors::fileOpen when it cannot be opened or read, is
// not a regular file (a folder, a FIFO, a device) or holds more than `maxBytes` bytes.
QByteArray readBytes(const QString& path, qint64 maxBytes = DefaultMaxBytes);

// Replaces the file whole: the bytes go to a temporary file in the same folder, which is synced and
// then renamed over the target. Throws errors::fileCreate and leaves the old file as it was on any
// failure (a full disk, a file-size limit, a folder that refuses new files, a target that is not a
// regular file). A symbolic link is written through.
// A temporary file that a killed save left in the folder is removed by a later save there once
// it is half an hour old.
// A target its user may not write is refused before anything is written. Gives the stamp of what
// the file now holds.
FileStamp writeBytes(const QString& path, const QByteArray& bytes);

// The writing step on an open device, for tests with a failing device. Throws errors::fileCreate
// naming `path`.
void writeTo(QIODevice& device, const QString& path, const QByteArray& bytes);

} // namespace textfile
