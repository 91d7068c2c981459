// Reading and writing every text file of the program: notebooks, the shop list, the settings file.
// Reading honours a UTF-8 or UTF-16 byte-order mark, reads unmarked valid UTF-8 holding a sequence
// of three or more bytes as UTF-8 and otherwise decodes code page 932; lines split
// at CR LF, CR or LF; a NUL ends the text. Writing puts CR LF after every line, in code page 932
// when every character encodes (and the bytes cannot be mistaken for a mark or for UTF-8) and in
// UTF-8 with a mark otherwise, and replaces the file whole.
#pragma once

#include "core/filestamp.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;

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

// Where the lines of a chunk begin and end: bound i is where line i begins and line i - 1 ends.
// As read, a 32-bit bound for every 16 bounds and a 16-bit distance from it for each (2.25 bytes
// a line instead of 4); a group of 16 lines longer than 64 Ki characters keeps 32 bits for every
// bound. A chunk that changes is given 32-bit bounds, which move in place as lines come and go.
class LineBounds {
  public:
    // Packed bounds, starting with a bound 0, with room for `reserved`.
    static LineBounds packed(qsizetype reserved);

    qsizetype size() const { return packed_ ? offsets_.size() : wide_.size(); }
    quint32 operator[](qsizetype i) const {
        return packed_ ? groups_[i >> GroupShift] + offsets_[i] : wide_[i];
    }
    quint32 last() const { return (*this)[size() - 1]; }
    const void* address(qsizetype i) const {
        return packed_ ? static_cast<const void*>(offsets_.constData() + i) : wide_.constData() + i;
    }
    // Adds a bound, never less than the last one.
    void append(quint32 bound);
    // The bounds as 32-bit values to change in place; packed bounds are unpacked first.
    QList<quint32>& wide();

  private:
    static constexpr int GroupShift = 4;
    bool packed_ = false;
    QList<quint32> wide_{0};
    QList<quint32> groups_;  // bound 16 g, for every group g
    QList<quint16> offsets_; // bound i less the first bound of its group
};

// Lines kept in a few strings one after another, without their line breaks, with where each
// begins: a large file in a few blocks of memory instead of a block for every line. The lines are
// cut into chunks of about `chunkLines` when they are first changed, so that an edit moves the
// text of one chunk, not of the whole file.
class TextLines {
  public:
    static constexpr qsizetype DefaultChunkLines = 4096;

    explicit TextLines(qsizetype chunkLines = DefaultChunkLines) : chunkLines_(chunkLines) {}
    static TextLines fromList(const QStringList& lines, qsizetype chunkLines = DefaultChunkLines);
    // Takes the text of a file and cuts it into lines at CR LF, CR and LF, in place.
    static TextLines fromText(QString text);

    qsizetype count() const { return count_; }
    // Line `index` (0 <= index < count()); valid until the lines change.
    QStringView line(qsizetype index) const {
        hint_ = chunkIndexOf(index);
        const Chunk& c = chunks_[hint_];
        const qsizetype i = index - c.first;
        const quint32 from = c.bounds[i];
        return QStringView(c.text).sliced(from, c.bounds[i + 1] - from);
    }
    // Asks the processor to start loading where line `index` is kept, or the line itself (which
    // reads where it is kept): a loop over scattered lines asks some lines ahead, so that the
    // loads overlap instead of waiting one after the other.
    void prefetchBounds(qsizetype index) const {
        const Chunk& c = chunks_[chunkIndexOf(index)];
        __builtin_prefetch(c.bounds.address(index - c.first));
    }
    void prefetchLine(qsizetype index) const {
        const Chunk& c = chunks_[chunkIndexOf(index)];
        __builtin_prefetch(c.text.constData() + c.bounds[index - c.first]);
    }
    QStringList toList() const;
    // Every line one after another, without line breaks, in one new string.
    QString joined() const;
    // The same text in the pieces it is kept in, in order.
    template <class F> void forEachPiece(F f) const {
        for (const Chunk& c : chunks_)
            f(QStringView(c.text));
    }
    qsizetype textSize() const;

    // Replaces `removed` lines from `first` on with `added`; first + removed <= count().
    void splice(qsizetype first, qsizetype removed, const QStringList& added);

  private:
    struct Chunk {
        qsizetype first = 0; // the index of its first line
        QString text;
        // Line first + i is text[bounds[i], bounds[i + 1]): one bound more than there are lines.
        // A file larger than 4 GiB is never read, so 32 bits hold every bound.
        LineBounds bounds;
        qsizetype count() const { return bounds.size() - 1; }
        bool holds(qsizetype index) const { return index >= first && index < first + count(); }
    };
    size_t chunkIndexOf(qsizetype index) const;
    static void spliceChunk(Chunk& c, qsizetype first, qsizetype removed, const QStringList& added);
    void splitChunk(size_t c);
    void eraseChunk(size_t c);
    void renumber(size_t from);

    std::vector<Chunk> chunks_; // never an empty one
    qsizetype count_ = 0;
    qsizetype chunkLines_ = DefaultChunkLines;
    // The chunk read last: lines are mostly read in order, so the next is there or in the next one.
    mutable size_t hint_ = 0;
};

struct DecodedLines {
    TextLines lines;
    TextEncoding encoding = TextEncoding::Cp932;
    qint64 nulOffset = -1; // as in DecodedText
};

namespace textfile {

// Code page 932 as Windows converts it: every single byte and every valid pair survives a round
// trip; an invalid or unassigned pair and a lone last lead byte become "・".
QString decodeCp932(QByteArrayView bytes);
// The bytes, or an empty optional-like result: ok is false when a character has no code.
QByteArray encodeCp932(QStringView text, bool* ok);

DecodedText decode(QByteArrayView bytes);
// The same lines kept in one string.
DecodedLines decodeLines(QByteArrayView bytes);

// The bytes of a file holding the lines. `preferred` is Cp932 for a file without a mark (falling
// back to Utf8Bom when a character does not encode) or the marked encoding to keep.
QByteArray encode(const QStringList& lines, TextEncoding preferred, TextEncoding* used = nullptr);
QByteArray encode(const TextLines& lines, TextEncoding preferred, TextEncoding* used = nullptr);

// A line holding CR, LF or NUL would split into several when read again; writers refuse it.
bool hasLineBreakOrNul(QStringView line);
// The system text of the refusal: "改行を含む行は書き込めません".
QString lineBreakRefusalText();

// The largest file any reader takes unless it sets its own limit.
inline constexpr qint64 DefaultMaxBytes = 64 * 1024 * 1024;

// Reads a whole file. Throws errors::fileOpen when it cannot be opened or read, is not a regular
// file (a folder, a FIFO, a device) or holds more than `maxBytes` bytes.
DecodedText readFile(const QString& path, qint64 maxBytes = DefaultMaxBytes);
DecodedLines readLines(const QString& path, qint64 maxBytes = DefaultMaxBytes);
// Reads the raw bytes of a file, with the same refusals.
QByteArray readBytes(const QString& path, qint64 maxBytes = DefaultMaxBytes);

// Replaces the file whole: the bytes go to a temporary file in the same folder, which is synced and
// then renamed over the target. Throws errors::fileCreate and leaves the old file as it was on any
// failure (a full disk, a file-size limit, a folder that refuses new files, a target that is not a
// regular file), also when a line holds a line break or NUL. A symbolic link is written through.
// A temporary file that a killed save left in the folder is removed by a later save there once
// it is half an hour old.
// A target its user may not write is refused before anything is written. Gives the stamp of what
// the file now holds.
FileStamp writeFile(const QString& path, const QStringList& lines,
                    TextEncoding preferred = TextEncoding::Cp932);
FileStamp writeFile(const QString& path, const TextLines& lines,
                    TextEncoding preferred = TextEncoding::Cp932);
// Writes bytes the same way.
FileStamp writeBytes(const QString& path, const QByteArray& bytes);
// The writing step on an open device, for tests with a failing device. Throws errors::fileCreate
// naming `path`.
void writeTo(QIODevice& device, const QString& path, const QByteArray& bytes);

} // namespace textfile
