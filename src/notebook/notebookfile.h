// Reading and writing notebook files. Reading turns bytes into a PriceBook or a refusal with the
// text the window shows; writing turns a PriceBook into the file's bytes and replaces the file whole.
#pragma once

#include "core/filestamp.h"
#include "notebook/pricebook.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Notebooks larger than this are refused before reading.
inline constexpr qint64 MaxNotebookBytes = 64 * 1024 * 1024;

// Why the bytes are not a notebook.
enum class RefusalKind {
    Empty,      // no line at all
    WrongMagic, // the first line is not "zorvandata"
    TooLarge,   // more than MaxNotebookBytes
};

struct NotebookRefusal {
    RefusalKind kind;
    QString text; // what the window shows in its warning and a command-line program prints
};

// The refusal of that kind, with its text.
NotebookRefusal refusal(RefusalKind kind);

// What reading gives: exactly one of a notebook and a refusal.
struct NotebookRead {
    std::optional<PriceBook> book;
    std::optional<NotebookRefusal> refusal;
    // The byte of the file where a NUL ended the text, or -1: what follows it was not read, and
    // a save would drop it.
    qint64 nulOffset = -1;
    FileStamp stamp; // what the file held, when read from a file
};

// Reads the bytes of a notebook file (any encoding the text files allow).
NotebookRead readNotebook(QByteArrayView bytes);
// Reads a notebook file; a file above MaxNotebookBytes is refused before it is read. Throws
// errors::fileOpen when the file cannot be opened or read.
NotebookRead readNotebookFile(const QString& path);

// The bytes of the file: code page 932 with CR LF, or UTF-8 with a mark when a character has no
// code in code page 932.
QByteArray notebookBytes(const PriceBook& book);
// Replaces the file whole, or leaves it as it was and throws errors::fileCreate; gives the stamp
// of what the file now holds.
FileStamp writeNotebookFile(const QString& path, const PriceBook& book);
