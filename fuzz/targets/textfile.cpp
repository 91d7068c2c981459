// The text reader: any bytes decode, and the lines they give come back unchanged through every
// encoding a writer may choose. Code page 932 text survives its own encoder byte for byte.
#include "core/textfile.h"
#include "fuzzsupport.h"

using namespace Qt::StringLiterals;
using fuzz::check;
using fuzz::describe;

namespace {

const TextEncoding AllEncodings[] = {TextEncoding::Cp932, TextEncoding::Utf8Bom, TextEncoding::Utf16LeBom,
                                     TextEncoding::Utf16BeBom};

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

    // A NUL that ended the text is found where it lies in the bytes, and only then.
    check(joined.nulOffset == decoded.nulOffset, "the lines in one string name another NUL");
    if (decoded.nulOffset >= 0)
        check(bytes.at(decoded.nulOffset) == 0, "the NUL named is not a zero byte");
    else
        check(!bytes.contains('\0') || decoded.encoding == TextEncoding::Utf16LeBom ||
                  decoded.encoding == TextEncoding::Utf16BeBom,
              "a zero byte did not end the text");

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
