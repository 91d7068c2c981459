// The open notebook: an ordered list of text lines, line 0 the magic "zorvandata", then 18 lines per
// product. Every access checks its index and raises the list error outside the list.
#pragma once

#include <QString>
#include <QStringList>

inline constexpr char16_t MagicLine[] = u"zorvandata";
inline constexpr int RecordLines = 18;

class PriceBook {
  public:
    qsizetype count() const { return lines_.size(); }
    const QStringList& lines() const { return lines_; }

    const QString& line(qsizetype index) const;
    void setLine(qsizetype index, const QString& text);
    void insertLine(qsizetype index, const QString& text);
    void removeLine(qsizetype index);

    void assign(QStringList lines) { lines_ = std::move(lines); }
    void reset() { lines_ = QStringList{QString::fromUtf16(MagicLine)}; }

    // The index of the first name line (1, 19, 37, ...) equal to `name` ignoring case, or -1.
    qsizetype FindProduct(const QString& name) const;
    // The names of the selector: name lines up to the first empty one.
    QStringList productNames() const;

  private:
    void check(qsizetype index, qsizetype limit) const;
    QStringList lines_;
};
