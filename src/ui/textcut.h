// Cutting a text the user enters to a length.
#pragma once

#include <QString>

#include <algorithm>

// Cuts `text` to at most `length` code units without leaving half a surrogate pair.
inline QString leftWhole(const QString& text, qsizetype length) {
    if (length >= text.size())
        return text;
    if (length > 0 && text[length - 1].isHighSurrogate())
        --length;
    return text.left(std::max<qsizetype>(length, 0));
}
