// What a file held when the program last read or wrote it, so that a save can tell whether
// another program, or another copy of this one, has changed the file since.
#pragma once

#include <QByteArrayView>
#include <QString>

struct FileStamp {
    qint64 size = -1;    // -1: no file read or written yet
    qint64 modified = 0; // nanoseconds since the epoch
    size_t hash = 0;     // of the bytes: a check against change, not against tampering

    // The file as it is now on the disk, holding `bytes`.
    static FileStamp of(const QString& path, QByteArrayView bytes);

    // Whether the file now holds bytes other than the stamp's. A missing file holds nothing to
    // lose; a file that cannot be read again counts as changed. Size and time alone decide when
    // they agree, so a save of an unchanged file reads nothing.
    bool changedOn(const QString& path) const;
};
