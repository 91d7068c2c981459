// Lines kept in one string one after another, without their line breaks, with where each begins:
// a large file in two blocks of memory instead of a block for every line.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class TextLines {
  public:
    static TextLines fromList(const QStringList& lines);
    // Takes the text of a file and cuts it into lines at CR LF, CR and LF, in place.
    static TextLines fromText(QString text);

    qsizetype count() const { return bounds_.size() - 1; }
    // Line `index` (0 <= index < count()); valid until the lines change.
    QStringView line(qsizetype index) const {
        Q_ASSERT(index >= 0 && index < count());
        const quint32 from = bounds_[index];
        return QStringView(text_).sliced(from, bounds_[index + 1] - from);
    }
    QStringList toList() const;
    // Every line one after another, without line breaks.
    const QString& joined() const { return text_; }
    qsizetype textSize() const { return text_.size(); }

    // Replaces `removed` lines from `first` on with `added`; first + removed <= count().
    void splice(qsizetype first, qsizetype removed, const QStringList& added);

  private:
    QString text_;
    // Line i is text_[bounds_[i], bounds_[i + 1]): one bound more than there are lines. A file
    // larger than 64 MB is never read, so 32 bits hold every bound.
    QList<quint32> bounds_{0};
};
