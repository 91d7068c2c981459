// Building large UTF-8 outputs (the report, exports) without a text per value: markup is copied
// as bytes, texts are encoded as they are appended, numbers and dates are written digit by digit.
// The bytes grow in a std::string: its appends are inline, where each QByteArray append is a call
// to insert(), which costs more than the few bytes most appends carry.
#pragma once

#include "core/amount.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <string>

class Utf8Buffer {
  public:
    void reserve(qsizetype bytes) { bytes_.reserve(size_t(bytes)); }
    qsizetype size() const { return qsizetype(bytes_.size()); }
    // The bytes so far; the buffer is left empty.
    QByteArray take();

    // Bytes as they are: ASCII markup, or UTF-8 literals of this source.
    template <size_t N> Utf8Buffer& operator<<(const char (&literal)[N]) {
        bytes_.append(literal, N - 1);
        return *this;
    }
    Utf8Buffer& raw(const char* text) {
        bytes_.append(text);
        return *this;
    }
    Utf8Buffer& operator<<(char c) {
        bytes_.push_back(c);
        return *this;
    }
    Utf8Buffer& operator<<(QStringView text); // encoded; a lone surrogate becomes U+FFFD
    Utf8Buffer& operator<<(const QString& text) { return *this << QStringView(text); }

    // The five characters special in HTML as references, control characters as U+FFFD.
    Utf8Buffer& escaped(QStringView text);
    // A JSON string in quotes: quote, backslash and control characters escaped, and U+2028/U+2029.
    Utf8Buffer& jsonString(QStringView text);
    Utf8Buffer& number(qint64 value);
    // Whole-number forms of an amount: "0" (1980) and "#,##0" (1,980), a half to the even neighbour.
    Utf8Buffer& storageAmount(Amount value);
    Utf8Buffer& displayAmount(Amount value);
    // yyyy/MM/dd, or yyyy-MM-dd with '-'.
    Utf8Buffer& date(const QDate& date, char separator = '/');

  private:
    void appendCodePoint(char32_t c);
    std::string bytes_;
};
