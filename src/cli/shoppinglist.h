// A shopping list: a text file with one product a line and an optional quantity after the name
// ("牛乳 1L ×2", "牛乳 1L x2"); blank lines and lines starting with '#' are skipped. Names match the
// notebook's products as the window matches them (letter case ignored); a line that names no product
// is kept with the closest names of the notebook.
#pragma once

#include "cli/notebookinput.h"

#include <QList>
#include <QString>
#include <QStringList>

inline constexpr int MaxListQuantity = 999;

struct ListEntry {
    qsizetype product = -1; // index into the notebook's products
    int quantity = 1;
};

struct UnknownLine {
    qsizetype line = 0; // counted from 1
    QString text;       // the line as written, without the spaces around it
    QStringList closest;
};

struct ShoppingList {
    QList<ListEntry> entries; // in list order; a product named twice is one entry, quantities added
    QList<UnknownLine> unknown;
};

// The lines of the list (decoded text) matched against the products.
ShoppingList readShoppingList(const QStringList& lines, const QList<NotebookProduct>& products);

// Up to `count` product names nearest to `text`: names holding it or held by it first, then by
// edit distance ignoring letter case; none further off than half the longer text.
QStringList closestNames(const QString& text, const QList<NotebookProduct>& products, int count = 3);

// The lines of a list as the window saves it: the name, then " ×N" when more than one.
QStringList shoppingListLines(const QList<ListEntry>& entries, const QList<NotebookProduct>& products);
