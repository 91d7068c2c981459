// Reading and writing every text file of the program: notebooks, the shop list, the settings file.
// Reading honours a UTF-8 or UTF-16 byte-order mark, reads an unmarked file as unmarkedtext.h says;
// lines split at CR LF, CR or LF; a NUL ends the text. Writing puts CR LF after every line, in code
// page 932 when every character encodes (and the bytes cannot be mistaken for a mark or for UTF-8)
// and in UTF-8 with a mark otherwise, and replaces the file whole as safefile.h says.
#pragma once

#include "core/apperror.h"
#include "core/cp932.h"
#include "core/filestamp.h"
#include "core/safefile.h"
#include "core/textlines.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class TextEncoding {
    Cp932, // no byte-order mark
    Utf8Bom,
    Utf16LeBom,
    Utf16BeBom,
};

struct DecodedText {
    QStringList lines;
    TextEncoding encoding = TextEncoding::Cp932; // what the bytes were read as
    qint64 nulOffset = -1;                       // the byte of the file where a NUL ended the text, or -1
};

struct DecodedLines {
    TextLines lines;
    TextEncoding encoding = TextEncoding::Cp932;
    qint64 nulOffset = -1; // as in DecodedText
};

namespace textfile {

DecodedText decode(QByteArrayView bytes);
// The same lines kept in one string.
DecodedLines decodeLines(QByteArrayView bytes);

// The bytes of a file holding the lines. `preferred` is Cp932 for a file without a mark (falling
// back to Utf8Bom when a character does not encode) or the marked encoding to keep.
QByteArray encode(const QStringList& lines, TextEncoding preferred, TextEncoding* used = nullptr);
QByteArray encode(const TextLines& lines, TextEncoding preferred, TextEncoding* used = nullptr);

// A line holding CR, LF or NUL would split into several when read again; writers refuse it.
bool hasLineBreakOrNul(QStringView line);
// The reason of the refusal: "改行を含む行は書き込めません".
FailureReason lineBreakRefusal();

// Reads a whole file, with the refusals of readBytes.
DecodedText readFile(const QString& path, qint64 maxBytes = DefaultMaxBytes);
DecodedLines readLines(const QString& path, qint64 maxBytes = DefaultMaxBytes);

// Replaces the file whole as writeBytes does; a line holding a line break or NUL is refused the
// same way, before anything is written.
FileStamp writeFile(const QString& path, const QStringList& lines,
                    TextEncoding preferred = TextEncoding::Cp932);
FileStamp writeFile(const QString& path, const TextLines& lines,
                    TextEncoding preferred = TextEncoding::Cp932);

} // namespace textfile
