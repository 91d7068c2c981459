// The text reader: any bytes decode, and the lines they give come back unchanged through every
// encoding a writer may choose. Code page 932 text survives its own encoder byte for byte.
#include "core/textfile.h"
#include "fuzzsupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;
using fuzz::check;
using fuzz::describe;

namespace {

const TextEncoding AllEncodings[] = {TextEncoding::Cp932, TextEncoding::Utf8Bom, TextEncoding::Utf16LeBom,
                                     TextEncoding::Utf16BeBom};

// The bytes as a file, for the reader that takes a file a piece at a time.
QString asFile(QByteArrayView bytes) {
    static const QTemporaryDir dir;
    static const QString path = dir.filePath(u"book.txt"_s);
    static const QByteArray native = QFile::encodeName(path);
    FILE* file = std::fopen(native.constData(), "wb");
    check(file != nullptr, "the scratch file cannot be written");
    check(std::fwrite(bytes.data(), 1, size_t(bytes.size()), file) == size_t(bytes.size()) && std::fclose(file) == 0,
          "the scratch file cannot be written");
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(data, qsizetype(size));
    const DecodedText decoded = textfile::decode(bytes);
    for (const QString& line : decoded.lines)
        check(!textfile::hasLineBreakOrNul(line), "a decoded line holds a line break or NUL");
    // The lines kept in one string, as a notebook keeps them, are the same lines.
    const DecodedLines joined = textfile::decodeLines(bytes);
    check(joined.lines.toList() == decoded.lines && joined.encoding == decoded.encoding,
          "the lines in one string differ from the list", describe(joined.lines.toList()));

    // Read from a file in pieces of 1 to 8 bytes, the lines and the encoding are the same.
    const DecodedLines pieces =
        textfile::readLinesInPieces(asFile(bytes), textfile::DefaultMaxBytes, 1 + qsizetype(size % 8));
    check(pieces.lines.toList() == decoded.lines && pieces.encoding == decoded.encoding,
          "the lines read in pieces differ", describe(pieces.lines.toList()));

    for (const TextEncoding preferred : AllEncodings) {
        TextEncoding used = preferred;
        const QByteArray written = textfile::encode(decoded.lines, preferred, &used);
        TextEncoding usedJoined = preferred;
        check(textfile::encode(joined.lines, preferred, &usedJoined) == written && usedJoined == used,
              "the lines in one string write other bytes");
        check(preferred == TextEncoding::Cp932 || used == preferred, "a marked encoding was not kept");
        const DecodedText again = textfile::decode(written);
        check(again.encoding == used, "the written bytes read as another encoding");
        check(again.lines == decoded.lines, "lines changed through a write and a read",
              describe(decoded.lines) + u"---\n"_s + describe(again.lines));
    }

    // Code page 932 on its own: whatever the bytes decode to encodes, and encodes to bytes that
    // decode to the same text.
    const QString text = textfile::decodeCp932(bytes);
    bool ok = false;
    const QByteArray encoded = textfile::encodeCp932(text, &ok);
    check(ok, "decoded code page 932 text does not encode", describe({text}));
    check(textfile::decodeCp932(encoded) == text, "code page 932 text changed through its encoder");
    return 0;
}
