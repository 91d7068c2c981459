#include "core/textlines.h"

TextLines TextLines::fromList(const QStringList& lines) {
    TextLines result;
    result.splice(0, 0, lines);
    return result;
}

TextLines TextLines::fromText(QString text) {
    TextLines result;
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    const char16_t* const end = begin + text.size();
    // Counted first, so that the bounds are made once at their size instead of growing and moving.
    qsizetype breaks = 0;
    for (const char16_t* p = begin; p != end; ++p) {
        if (*p == u'\n' || (*p == u'\r' && (p + 1 == end || p[1] != u'\n')))
            ++breaks;
    }
    result.bounds_.reserve(breaks + 2);
    // Each character moves down over the line breaks before it; a break ends a line.
    char16_t* kept = begin;
    for (const char16_t* p = begin; p != end; ++p) {
        if (*p != u'\r' && *p != u'\n') {
            *kept++ = *p;
            continue;
        }
        result.bounds_.append(quint32(kept - begin));
        if (*p == u'\r' && p + 1 != end && p[1] == u'\n')
            ++p;
    }
    // Text after the last break is a line of its own.
    if (quint32(kept - begin) != result.bounds_.last())
        result.bounds_.append(quint32(kept - begin));
    text.truncate(kept - begin);
    text.squeeze();
    result.text_ = std::move(text);
    return result;
}

QStringList TextLines::toList() const {
    QStringList lines;
    lines.reserve(count());
    for (qsizetype i = 0; i < count(); ++i)
        lines.append(line(i).toString());
    return lines;
}

void TextLines::splice(qsizetype first, qsizetype removed, const QStringList& added) {
    Q_ASSERT(first >= 0 && removed >= 0 && first + removed <= count());
    const quint32 from = bounds_[first];
    const quint32 to = bounds_[first + removed];
    qsizetype length = 0;
    for (const QString& line : added)
        length += line.size();
    QString addedText;
    addedText.reserve(length);
    for (const QString& line : added)
        addedText += line;
    text_.replace(from, to - from, addedText);

    // The ends of the removed lines make way for the ends of the added ones; the bounds after
    // them move by the change in text.
    if (added.size() > removed)
        bounds_.insert(first + 1, added.size() - removed, 0);
    else if (added.size() < removed)
        bounds_.remove(first + 1, removed - added.size());
    quint32* const b = bounds_.data();
    quint32 bound = from;
    for (qsizetype k = 0; k < added.size(); ++k) {
        bound += quint32(added[k].size());
        b[first + 1 + k] = bound;
    }
    const quint32 shift = quint32(length) - (to - from);
    if (shift != 0) {
        for (qsizetype i = first + 1 + added.size(); i < bounds_.size(); ++i)
            b[i] += shift;
    }
}
