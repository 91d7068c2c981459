#include "core/textfile.h"

#include "core/apperror.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <string_view>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t MiddleDot = u'・'; // what Windows gives for bytes it cannot convert

constexpr QByteArrayView Utf8Mark("\xEF\xBB\xBF");
constexpr QByteArrayView Utf16LeMark("\xFF\xFE");
constexpr QByteArrayView Utf16BeMark("\xFE\xFF");

constexpr bool isLeadByte(uchar b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

constexpr bool isTrailByte(uchar b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

#include "core/cp932data.inc"

// The character of a lead and a trail byte, read from the static table above; 0 where the pair
// has no character.
char16_t cp932Pair(uchar lead, uchar trail) {
    if (trail < 0x40 || trail > 0xFC)
        return 0;
    // The rows are the lead bytes 0x81 to 0x9F, then 0xE0 to 0xFC.
    const int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
    return Cp932Pairs[row * Cp932Trails + trail - 0x40];
}

// Encoding, by character: one byte, or lead << 8 | trail; 0 for none. Made from the static data
// at the first encoding (a few tens of microseconds), as the exact inverse of decoding, so that
// whatever encodes decodes back unchanged; a program that only reads never makes it.
const std::vector<quint16>& cp932Codes() {
    static const std::vector<quint16> codes = [] {
        std::vector<quint16> t(0x10000, 0);
        for (int b = 1; b < 0x100; ++b) {
            if (!isLeadByte(uchar(b)) && Cp932Single[b] != 0)
                t[Cp932Single[b]] = quint16(b);
        }
        for (int code = 0x8100; code < 0x10000; ++code) {
            if (!isLeadByte(uchar(code >> 8)))
                continue;
            const char16_t c = cp932Pair(uchar(code >> 8), uchar(code & 0xFF));
            if (c != 0 && t[c] == 0)
                t[c] = quint16(code);
        }
        for (const auto& [character, code] : Cp932Preferred)
            t[character] = code;
        return t;
    }();
    return codes;
}

QString decodeUnicode(QStringDecoder::Encoding encoding, QByteArrayView bytes) {
    // The mark is already cut off: a second one is text. A truncated last character shows as U+FFFD.
    QStringDecoder decoder(encoding,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    // A damaged UTF-16 file can hold half of a surrogate pair, which no encoding can write back:
    // it shows, and is saved, as U+FFFD.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

// What the bytes up to the first NUL are as UTF-8, from the plainest to none. Pairs of half-width
// katakana in code page 932 (ﾐｿ, ﾅｽ) are valid two-byte UTF-8, but every Japanese character of
// UTF-8 takes three bytes: only a text with such a sequence cannot be code page 932 Japanese.
// The order matters: a text is of the highest kind of its parts.
enum class Utf8Kind {
    Ascii,    // no byte beyond ASCII
    TwoBytes, // valid UTF-8 whose sequences are all of two bytes
    Utf8,     // valid UTF-8 with a sequence of three or four bytes
    Other,
};

Utf8Kind classifyUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();
    Utf8Kind kind = Utf8Kind::Ascii;
    for (qsizetype i = 0; i < size;) {
        const uchar b = p[i];
        if (b == 0)
            break;
        if (b < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        uchar low = 0x80;  // the allowed range of the second byte, against overlong forms,
        uchar high = 0xBF; // surrogates and code points beyond U+10FFFF
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            low = b == 0xE0 ? 0xA0 : 0x80;
            high = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            low = b == 0xF0 ? 0x90 : 0x80;
            high = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return Utf8Kind::Other;
        }
        if (size - i < length || p[i + 1] < low || p[i + 1] > high)
            return Utf8Kind::Other;
        for (int k = 2; k < length; ++k) {
            if (p[i + k] < 0x80 || p[i + k] > 0xBF)
                return Utf8Kind::Other;
        }
        i += length;
        kind = std::max(kind, length == 2 ? Utf8Kind::TwoBytes : Utf8Kind::Utf8);
    }
    return kind;
}

bool isUtf8Text(QByteArrayView bytes) {
    return classifyUtf8(bytes) == Utf8Kind::Utf8;
}

bool startsWithMark(QByteArrayView bytes) {
    return bytes.startsWith(Utf16LeMark) || bytes.startsWith(Utf16BeMark) || bytes.startsWith(Utf8Mark);
}

QByteArray encodeUnicode(QStringEncoder::Encoding encoding, QByteArrayView mark, const QString& text) {
    QStringEncoder encoder(encoding);
    return mark.toByteArray() + QByteArray(encoder.encode(text));
}

QStringList splitLines(QStringView text) {
    const char16_t* const begin = text.utf16();
    const char16_t* const end = begin + text.size();
    // Counted first, so that the list is made once at its size instead of growing and moving.
    qsizetype breaks = 0;
    for (const char16_t* p = begin; p != end; ++p) {
        if (*p == u'\n' || (*p == u'\r' && (p + 1 == end || p[1] != u'\n')))
            ++breaks;
    }
    QStringList lines;
    lines.reserve(breaks + 1);
    const char16_t* start = begin;
    for (const char16_t* p = begin; p != end; ++p) {
        if (*p != u'\r' && *p != u'\n')
            continue;
        lines.emplace_back(reinterpret_cast<const QChar*>(start), p - start);
        if (*p == u'\r' && p + 1 != end && p[1] == u'\n')
            ++p;
        start = p + 1;
    }
    if (start != end)
        lines.emplace_back(reinterpret_cast<const QChar*>(start), end - start);
    return lines;
}

// The user's text for a failed file operation: errno where the call left one, else Qt's text.
QString failureText(const QIODevice& device, const QString& path, int savedErrno) {
    if (savedErrno != 0)
        return errors::systemText(savedErrno);
    if (QFileInfo(path).isDir())
        return errors::systemText(EISDIR);
    return device.errorString();
}

struct FdCloser {
    int fd;
    ~FdCloser() {
        if (fd >= 0)
            ::close(fd);
    }
};

QString notRegularFileText() {
    return u"通常のファイルではありません。"_s;
}

QString tooLargeText(qint64 maxBytes) {
    return u"ファイルが大きすぎます（%1MBまで）。"_s.arg(maxBytes / (1024 * 1024));
}

QString folderRefusesText(const QString& folder) {
    return u"フォルダー \"%1\" に新しいファイルを作れないため保存できません。元のファイルはそのままです。"_s
        .arg(folder);
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

} // namespace

namespace textfile {

QString decodeCp932(QByteArrayView bytes) {
    const auto* src = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();
    QString text(size, Qt::Uninitialized);
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    char16_t* dst = begin;
    for (qsizetype i = 0; i < size;) {
        const uchar b = src[i];
        if (!isLeadByte(b)) {
            *dst++ = Cp932Single[b];
            ++i;
        } else if (i + 1 == size || src[i + 1] < 0x20) {
            // A control byte after a lead byte stays itself, so a broken pair cannot swallow a
            // line break or the NUL that ends the text.
            *dst++ = MiddleDot;
            ++i;
        } else {
            const char16_t c = cp932Pair(b, src[i + 1]);
            *dst++ = c != 0 ? c : MiddleDot;
            i += 2;
        }
    }
    text.truncate(dst - begin);
    return text;
}

namespace {

// Writes the code page 932 bytes of `text` at `dst` (room for two bytes a character) and moves it
// on; false when a character has no code.
bool encodeCp932Into(QStringView text, char*& dst) {
    const quint16* const codes = cp932Codes().data();
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        const quint16 code = codes[c];
        if (code == 0 && c != 0)
            return false;
        if (code > 0xFF)
            *dst++ = char(code >> 8);
        *dst++ = char(code & 0xFF);
    }
    return true;
}

} // namespace

QByteArray encodeCp932(QStringView text, bool* ok) {
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char* dst = bytes.data();
    if (!encodeCp932Into(text, dst)) {
        if (ok)
            *ok = false;
        return {};
    }
    bytes.truncate(dst - bytes.data());
    if (ok)
        *ok = true;
    return bytes;
}

namespace {

// Where in the bytes the NUL that ends the text lies, or -1: a zero code unit in UTF-16, a zero
// byte otherwise (no trail byte of code page 932 is zero).
qint64 nulOffset(QByteArrayView bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf16LeBom || encoding == TextEncoding::Utf16BeBom) {
        for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
            if (bytes[i] == 0 && bytes[i + 1] == 0)
                return i;
        }
        return -1;
    }
    return bytes.indexOf('\0');
}

// The whole text of the bytes, up to a NUL, line breaks included.
QString decodeWhole(QByteArrayView bytes, TextEncoding& encoding, qint64& nul) {
    QString text;
    if (bytes.startsWith(Utf16LeMark)) {
        encoding = TextEncoding::Utf16LeBom;
        text = decodeUnicode(QStringDecoder::Utf16LE, bytes.sliced(Utf16LeMark.size()));
    } else if (bytes.startsWith(Utf16BeMark)) {
        encoding = TextEncoding::Utf16BeBom;
        text = decodeUnicode(QStringDecoder::Utf16BE, bytes.sliced(Utf16BeMark.size()));
    } else if (bytes.startsWith(Utf8Mark)) {
        encoding = TextEncoding::Utf8Bom;
        text = decodeUnicode(QStringDecoder::Utf8, bytes.sliced(Utf8Mark.size()));
    } else if (isUtf8Text(bytes)) {
        // Written without a mark by another program; saved again by the rule for unmarked files.
        encoding = TextEncoding::Cp932;
        text = decodeUnicode(QStringDecoder::Utf8, bytes);
    } else {
        encoding = TextEncoding::Cp932;
        text = decodeCp932(bytes);
    }
    nul = -1;
    if (const qsizetype at = text.indexOf(QChar(0)); at >= 0) {
        text.truncate(at);
        nul = nulOffset(bytes, encoding);
    }
    return text;
}

} // namespace

DecodedText decode(QByteArrayView bytes) {
    DecodedText result;
    result.lines = splitLines(decodeWhole(bytes, result.encoding, result.nulOffset));
    return result;
}

DecodedLines decodeLines(QByteArrayView bytes) {
    DecodedLines result;
    result.lines = TextLines::fromText(decodeWhole(bytes, result.encoding, result.nulOffset));
    return result;
}

namespace {

// Code page 932 bytes that begin like a byte-order mark, or that are valid UTF-8 with a sequence
// of three bytes (a rare run of half-width katakana and kanji is), would be read back as another
// encoding.
bool looksLikeAnotherEncoding(const QByteArray& bytes) {
    return startsWithMark(bytes) || isUtf8Text(bytes);
}

// The lines in code page 932, each with CR LF; false when a character has no code or when the
// bytes as a whole would be read back as another encoding.
bool encodeCp932Lines(const TextLines& lines, QByteArray& bytes) {
    bytes.resize(2 * (lines.textSize() + lines.count()));
    char* dst = bytes.data();
    for (qsizetype i = 0; i < lines.count(); ++i) {
        if (!encodeCp932Into(lines.line(i), dst))
            return false;
        *dst++ = '\r';
        *dst++ = '\n';
    }
    bytes.truncate(dst - bytes.constData());
    return !looksLikeAnotherEncoding(bytes);
}

QByteArray encodeText(const QString& text, TextEncoding preferred, TextEncoding* used) {
    TextEncoding encoding = preferred;
    QByteArray bytes;
    switch (preferred) {
    case TextEncoding::Cp932: {
        bool ok = false;
        bytes = encodeCp932(text, &ok);
        if (ok && !looksLikeAnotherEncoding(bytes))
            break;
        // Nothing typed may turn into a substitute character: UTF-8 holds every character.
        encoding = TextEncoding::Utf8Bom;
        bytes = encodeUnicode(QStringEncoder::Utf8, Utf8Mark, text);
        break;
    }
    case TextEncoding::Utf8Bom:
        bytes = encodeUnicode(QStringEncoder::Utf8, Utf8Mark, text);
        break;
    case TextEncoding::Utf16LeBom:
        bytes = encodeUnicode(QStringEncoder::Utf16LE, Utf16LeMark, text);
        break;
    case TextEncoding::Utf16BeBom:
        bytes = encodeUnicode(QStringEncoder::Utf16BE, Utf16BeMark, text);
        break;
    }
    if (used)
        *used = encoding;
    return bytes;
}

} // namespace

QByteArray encode(const QStringList& lines, TextEncoding preferred, TextEncoding* used) {
    qsizetype length = 0;
    for (const QString& line : lines)
        length += line.size() + 2;
    QString text;
    text.reserve(length);
    for (const QString& line : lines) {
        text += line;
        text += u"\r\n";
    }
    return encodeText(text, preferred, used);
}

QByteArray encode(const TextLines& lines, TextEncoding preferred, TextEncoding* used) {
    if (preferred == TextEncoding::Cp932) {
        // Straight from the lines into the bytes, without the whole text again in between.
        QByteArray bytes;
        if (encodeCp932Lines(lines, bytes)) {
            if (used)
                *used = TextEncoding::Cp932;
            return bytes;
        }
        // Otherwise the whole text takes the way below, which falls back to UTF-8.
    }
    QString text;
    text.reserve(lines.textSize() + 2 * lines.count());
    for (qsizetype i = 0; i < lines.count(); ++i) {
        text += lines.line(i);
        text += u"\r\n";
    }
    return encodeText(text, preferred, used);
}

bool hasLineBreakOrNul(QStringView line) {
    for (const QChar c : line) {
        if (c == u'\r' || c == u'\n' || c.unicode() == 0)
            return true;
    }
    return false;
}

QString lineBreakRefusalText() {
    return u"改行を含む行は書き込めません"_s;
}

namespace {

// Opens a regular file for reading and gives its size; throws errors::fileOpen as readBytes says.
int openForReading(const QString& path, qint64 maxBytes, qint64& size) {
    const QByteArray native = QFile::encodeName(path);
    // Non-blocking, so that a FIFO cannot hang the program before it is refused below.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw errors::fileOpen(path, errors::systemText(errno));
    FdCloser closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        throw errors::fileOpen(path, errors::systemText(errno));
    if (S_ISDIR(info.st_mode))
        throw errors::fileOpen(path, errors::systemText(EISDIR));
    if (!S_ISREG(info.st_mode))
        throw errors::fileOpen(path, notRegularFileText());
    if (info.st_size > maxBytes)
        throw errors::fileOpen(path, tooLargeText(maxBytes));
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
            throw errors::fileOpen(path, errors::systemText(errno));
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
                throw errors::fileOpen(path, tooLargeText(maxBytes));
            bytes.resize(qMin<qint64>(maxBytes + 1, qMax<qint64>(4096, bytes.size() * 2)));
        }
        const qsizetype n = readUpTo(fd, path, bytes.data() + filled, bytes.size() - filled);
        filled += n;
        if (filled < bytes.size())
            break;
    }
    if (filled > maxBytes)
        throw errors::fileOpen(path, tooLargeText(maxBytes));
    bytes.truncate(filled);
}

} // namespace

QByteArray readBytes(const QString& path, qint64 maxBytes) {
    qint64 size = 0;
    const FdCloser closer{openForReading(path, maxBytes, size)};
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    readRest(closer.fd, path, maxBytes, bytes, 0);
    return bytes;
}

DecodedText readFile(const QString& path, qint64 maxBytes) {
    return decode(readBytes(path, maxBytes));
}

DecodedLines readLines(const QString& path, qint64 maxBytes) {
    return decodeLines(readBytes(path, maxBytes));
}

void writeTo(QIODevice& device, const QString& path, const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const qint64 n = device.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            throw errors::fileCreate(path, failureText(device, path, errno));
        written += n;
    }
}

} // namespace textfile

namespace {

// Replaces the file whole with the bytes, the way writeBytes says.
FileStamp replaceFile(const QString& path, QByteArrayView bytes) {
    // A link is written through: the file it points to is replaced, the link stays.
    const QFileInfo link(path);
    const QString target = link.isSymLink() ? link.symLinkTarget() : path;
    const QByteArray native = QFile::encodeName(target);

    struct stat old {};
    const bool exists = ::stat(native.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        throw errors::fileCreate(path, errors::systemText(EISDIR));
    if (exists && !S_ISREG(old.st_mode))
        throw errors::fileCreate(path, notRegularFileText());
    // A rename ignores the target's own permissions: a file its user may not write is refused as
    // writing it in place would be, before anything is written.
    if (exists && ::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0)
        throw errors::fileCreate(path, errors::systemText(errno));

    // The new text goes to a temporary file beside the target and replaces it only once every
    // byte is written and on the disk: a full disk, a fault or a kill leaves the old file whole.
    const QString folder = QFileInfo(target).path();
    TemporaryFile temp = createTemporaryFile(folder);
    if (temp.fd < 0) {
        const int error = temp.error;
        if ((error == EACCES || error == EPERM) && exists)
            throw errors::fileCreate(path, folderRefusesText(folder));
        throw errors::fileCreate(path, errors::systemText(error));
    }
    const auto fail = [&](int error) {
        if (temp.fd >= 0)
            ::close(temp.fd);
        temp.fd = -1;
        ::unlink(temp.name.constData());
        throw errors::fileCreate(path, errors::systemText(error));
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

FileStamp writeBytes(const QString& path, const QByteArray& bytes) {
    return replaceFile(path, bytes);
}

FileStamp writeFile(const QString& path, const QStringList& lines, TextEncoding preferred) {
    for (const QString& line : lines) {
        if (hasLineBreakOrNul(line))
            throw errors::fileCreate(path, lineBreakRefusalText());
    }
    return replaceFile(path, encode(lines, preferred));
}

FileStamp writeFile(const QString& path, const TextLines& lines, TextEncoding preferred) {
    // The breaks between the lines are not kept, so any break or NUL in the text lies in a line.
    bool breakOrNul = false;
    lines.forEachPiece([&](QStringView piece) { breakOrNul = breakOrNul || hasLineBreakOrNul(piece); });
    if (breakOrNul)
        throw errors::fileCreate(path, lineBreakRefusalText());
    return replaceFile(path, encode(lines, preferred));
}

} // namespace textfile

LineBounds LineBounds::packed(qsizetype reserved) {
    LineBounds b;
    b.packed_ = true;
    b.wide_ = {};
    b.groups_.reserve((reserved >> GroupShift) + 1);
    b.offsets_.reserve(reserved);
    b.groups_.append(0);
    b.offsets_.append(0);
    return b;
}

void LineBounds::append(quint32 bound) {
    if (packed_) {
        const qsizetype i = offsets_.size();
        if ((i >> GroupShift) == groups_.size())
            groups_.append(bound);
        if (bound - groups_.last() <= 0xFFFF) {
            offsets_.append(quint16(bound - groups_.last()));
            return;
        }
        wide(); // a group too long for 16 bits
    }
    wide_.append(bound);
}

QList<quint32>& LineBounds::wide() {
    if (packed_) {
        QList<quint32> bounds;
        bounds.reserve(offsets_.size());
        for (qsizetype i = 0; i < offsets_.size(); ++i)
            bounds.append((*this)[i]);
        wide_ = std::move(bounds);
        groups_ = {};
        offsets_ = {};
        packed_ = false;
    }
    return wide_;
}

TextLines TextLines::fromList(const QStringList& lines, qsizetype chunkLines) {
    TextLines result(chunkLines);
    result.splice(0, 0, lines);
    return result;
}

TextLines TextLines::fromText(QString text) {
    TextLines result;
    Chunk chunk;
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    const char16_t* const end = begin + text.size();
    qsizetype breaks = 0;
    for (const char16_t* p = begin; p != end; ++p) {
        if (*p == u'\n' || (*p == u'\r' && (p + 1 == end || p[1] != u'\n')))
            ++breaks;
    }
    chunk.bounds = LineBounds::packed(breaks + 2);
    // Each character moves down over the line breaks before it; a break ends a line.
    char16_t* kept = begin;
    for (const char16_t* p = begin; p != end; ++p) {
        if (*p != u'\r' && *p != u'\n') {
            *kept++ = *p;
            continue;
        }
        chunk.bounds.append(quint32(kept - begin));
        if (*p == u'\r' && p + 1 != end && p[1] == u'\n')
            ++p;
    }
    // Text after the last break is a line of its own.
    if (quint32(kept - begin) != chunk.bounds.last())
        chunk.bounds.append(quint32(kept - begin));
    text.truncate(kept - begin);
    text.squeeze();
    chunk.text = std::move(text);
    // One chunk until the first change cuts it.
    if (chunk.count() > 0) {
        result.count_ = chunk.count();
        result.chunks_.push_back(std::move(chunk));
    }
    return result;
}

QStringList TextLines::toList() const {
    QStringList lines;
    lines.reserve(count());
    for (const Chunk& c : chunks_) {
        for (qsizetype i = 0; i < c.count(); ++i)
            lines.append(QStringView(c.text).sliced(c.bounds[i], c.bounds[i + 1] - c.bounds[i]).toString());
    }
    return lines;
}

QString TextLines::joined() const {
    QString text;
    text.reserve(textSize());
    for (const Chunk& c : chunks_)
        text += c.text;
    return text;
}

qsizetype TextLines::textSize() const {
    qsizetype size = 0;
    for (const Chunk& c : chunks_)
        size += c.text.size();
    return size;
}

size_t TextLines::chunkIndexOf(qsizetype index) const {
    Q_ASSERT(index >= 0 && index < count_);
    const size_t h = hint_;
    if (h < chunks_.size() && chunks_[h].holds(index))
        return h;
    if (h + 1 < chunks_.size() && chunks_[h + 1].holds(index))
        return h + 1;
    // The last chunk that begins at or before the line.
    const auto it = std::upper_bound(chunks_.begin(), chunks_.end(), index,
                                     [](qsizetype i, const Chunk& c) { return i < c.first; });
    return size_t(it - chunks_.begin()) - 1;
}

void TextLines::renumber(size_t from) {
    qsizetype first = from == 0 ? 0 : chunks_[from - 1].first + chunks_[from - 1].count();
    for (size_t k = from; k < chunks_.size(); ++k) {
        chunks_[k].first = first;
        first += chunks_[k].count();
    }
}

void TextLines::eraseChunk(size_t c) {
    chunks_.erase(chunks_.begin() + qsizetype(c));
    renumber(c);
}

void TextLines::splitChunk(size_t c) {
    const Chunk whole = std::move(chunks_[c]);
    std::vector<Chunk> pieces;
    for (qsizetype start = 0; start < whole.count(); start += chunkLines_) {
        const qsizetype n = qMin(chunkLines_, whole.count() - start);
        const quint32 from = whole.bounds[start];
        Chunk piece;
        piece.text = QStringView(whole.text).sliced(from, whole.bounds[start + n] - from).toString();
        piece.bounds = LineBounds::packed(n + 1);
        for (qsizetype i = 1; i <= n; ++i)
            piece.bounds.append(whole.bounds[start + i] - from);
        pieces.push_back(std::move(piece));
    }
    chunks_.erase(chunks_.begin() + qsizetype(c));
    chunks_.insert(chunks_.begin() + qsizetype(c), std::make_move_iterator(pieces.begin()),
                   std::make_move_iterator(pieces.end()));
    renumber(c);
}

void TextLines::splice(qsizetype first, qsizetype removed, const QStringList& added) {
    Q_ASSERT(first >= 0 && removed >= 0 && first + removed <= count());
    if (removed == 0 && added.isEmpty())
        return;
    if (chunks_.empty()) {
        chunks_.emplace_back();
        hint_ = 0;
    }
    size_t c = first < count_ ? chunkIndexOf(first) : chunks_.size() - 1;
    if (chunks_[c].count() > 2 * chunkLines_) {
        // A chunk as read from a file, or grown by edits: cut into chunks first.
        splitChunk(c);
        c = first < count_ ? chunkIndexOf(first) : chunks_.size() - 1;
    }
    Chunk& chunk = chunks_[c];
    if (first + removed <= chunk.first + chunk.count()) {
        spliceChunk(chunk, first - chunk.first, removed, added);
        count_ += added.size() - removed;
        if (chunk.count() == 0)
            eraseChunk(c);
        else if (chunk.count() > 2 * chunkLines_)
            splitChunk(c);
        else
            renumber(c + 1);
        return;
    }
    // Across chunks: the lines go chunk by chunk from the last, then the new ones come in.
    for (qsizetype end = first + removed; end > first;) {
        const size_t k = chunkIndexOf(end - 1);
        Chunk& x = chunks_[k];
        const qsizetype from = qMax(first, x.first);
        spliceChunk(x, from - x.first, end - from, {});
        if (x.count() == 0)
            chunks_.erase(chunks_.begin() + qsizetype(k));
        end = from;
    }
    count_ -= removed;
    renumber(0);
    hint_ = 0;
    splice(first, 0, added);
}

void TextLines::spliceChunk(Chunk& c, qsizetype first, qsizetype removed, const QStringList& added) {
    // In place: the text and the bounds after the change move once, and nothing new is allocated
    // unless the text grows beyond its room.
    QList<quint32>& bounds_ = c.bounds.wide();
    auto& text_ = c.text;
    const qsizetype from = bounds_[first];
    const qsizetype to = bounds_[first + removed];
    QString addedText;
    if (added.size() == 1) {
        addedText = added.front();
    } else {
        qsizetype length = 0;
        for (const QString& line : added)
            length += line.size();
        addedText.reserve(length);
        for (const QString& line : added)
            addedText += line;
    }
    text_.replace(from, to - from, addedText);

    // The bounds after the change move by the change in lines and shift by the change in text, in
    // one pass over them.
    const quint32 shift = quint32(addedText.size() - (to - from));
    const qsizetype oldBounds = bounds_.size();
    const qsizetype moved = added.size() - removed;
    const qsizetype tailBegin = first + 1 + removed;
    const qsizetype tailCount = oldBounds - tailBegin;
    if (moved > 0) {
        bounds_.resize(oldBounds + moved);
        quint32* const b = bounds_.data();
        for (qsizetype i = tailCount - 1; i >= 0; --i)
            b[tailBegin + moved + i] = b[tailBegin + i] + shift;
    } else if (moved < 0 || shift != 0) {
        quint32* const b = bounds_.data();
        for (qsizetype i = 0; i < tailCount; ++i)
            b[tailBegin + moved + i] = b[tailBegin + i] + shift;
        if (moved < 0)
            bounds_.resize(oldBounds + moved);
    }
    quint32 bound = quint32(from);
    for (qsizetype k = 0; k < added.size(); ++k) {
        bound += quint32(added[k].size());
        bounds_[first + 1 + k] = bound;
    }
    Q_ASSERT(bounds_.size() == oldBounds - removed + added.size());
    Q_UNUSED(oldBounds);
}
