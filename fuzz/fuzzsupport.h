// What the fuzz targets share: a core application with a pinned locale, a scratch folder (in
// memory where the machine has one), raw file access and a loud stop when a check fails.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// The full path of a file in the scratch folder, made on first use and removed at exit.
QString scratchFile(const QString& name);

// Writes and reads bytes as they are, without any of the program's own file code.
void writeRaw(const QString& path, QByteArrayView bytes);
QByteArray readRaw(const QString& path);

// The fuzzer's bytes as text, read as UTF-8 (invalid sequences become U+FFFD).
QString utf8(const uint8_t* data, size_t size);

// Prints what went wrong and aborts, so that libFuzzer keeps the input.
[[noreturn]] void fail(const char* what, const QString& detail = {});
inline void check(bool ok, const char* what, const QString& detail = {}) {
    if (!ok)
        fail(what, detail);
}

// Lines shown one per line with their lengths, for a failure's detail.
QString describe(const QStringList& lines);

} // namespace fuzz
