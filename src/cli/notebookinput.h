// A notebook read for the companion: the window's reader, its refusals turned into exit status 1
// with the file and the line, and the products as values.
#pragma once

#include "core/filestamp.h"
#include "notebook/pricebook.h"
#include "notebook/productview.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

struct NotebookProduct {
    qsizetype nameLine = 0; // index of the record's name line in the notebook
    ProductView view;
};

struct LoadedNotebook {
    QString path;
    PriceBook book;
    QList<NotebookProduct> products; // whole records with a name, in notebook order
    QStringList warnings;            // records left out, for standard error
    FileStamp stamp;                 // what the file held, when read from a file
};

enum class NotebookUse {
    Read,  // records that are not whole or have no name are left out with a warning
    Write, // such records refuse the notebook: it is to be written again, and nothing may be lost
};

// Throws CliFailure (exit status 1) when the window would refuse the file or it cannot be read,
// and when a NUL byte ends its text early (naming the byte).
LoadedNotebook loadNotebook(const QString& path, const QDate& today, NotebookUse use);
// The same for bytes already read; `path` names them in messages.
LoadedNotebook loadNotebookBytes(const QString& path, QByteArrayView bytes, const QDate& today,
                                 NotebookUse use);

// Line numbers in messages count from 1, notebook line indexes from 0.
inline qsizetype lineNumber(qsizetype lineIndex) {
    return lineIndex + 1;
}
