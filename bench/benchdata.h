// Realistic data for the measurements: notebooks of Japanese products with shops, prices, dates and
// memos (about 194 bytes a product in code page 932 with CR LF), a shop list and a settings file
// with a full history. The same seed always gives the same data.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

namespace benchdata {

// The day the dates are spread back from; the benchmarks' today.
inline QDate today() {
    return {2026, 12, 10};
}

// `count` distinct shop names ("ライフ 中野店", ...), in the order a user would keep them.
QStringList shopNames(int count = 500);

// The lines of a notebook of `products` products with distinct names: the magic line, then 18
// lines a product.
QStringList notebookLines(int products);

// The notebook's file: code page 932, CR LF.
QByteArray notebookBytes(int products);

// Writes a program folder's data files into `folder`: the shop list of 500 shops and a settings
// file with the window's place and a history of ten notebooks, the first being `newest`.
void writeProgramFiles(const QString& folder, const QString& newest);

// Writes `bytes` to `path`; throws std::runtime_error when it cannot.
void writeBytes(const QString& path, const QByteArray& bytes);

} // namespace benchdata
