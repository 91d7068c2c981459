// A control's name as the window tables and the logic both spell it. A constant of this type is a
// `const char16_t*` where a table needs one and a QString (sharing the literal, no copy) where the
// Controls interface takes one.
#pragma once

#include <QString>
#include <QStringView>
#include <cstddef>

class ControlName {
  public:
    template <std::size_t N>
    consteval ControlName(const char16_t (&text)[N]) : text_(text), size_(qsizetype(N) - 1) {}

    constexpr operator const char16_t*() const { return text_; }
    operator QString() const { return QString::fromRawData(reinterpret_cast<const QChar*>(text_), size_); }
    constexpr QStringView view() const { return QStringView(text_, size_); }

    friend constexpr bool operator==(ControlName a, ControlName b) {
        if (a.size_ != b.size_)
            return false;
        for (qsizetype i = 0; i < a.size_; ++i) {
            if (a.text_[i] != b.text_[i])
                return false;
        }
        return true;
    }
    friend bool operator==(const QString& a, ControlName b) { return QStringView(a) == b.view(); }
    friend bool operator==(QStringView a, ControlName b) { return a == b.view(); }

  private:
    const char16_t* text_;
    qsizetype size_;
};
