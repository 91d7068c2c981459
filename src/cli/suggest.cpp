#include "cli/suggest.h"

#include <QList>
#include <algorithm>

namespace {

// Longer texts are not compared: a long argument is no mistyped name, and the distance takes time
// with the product of the lengths.
constexpr qsizetype MaxCompared = 200;

qsizetype editDistance(const QString& a, const QString& b) {
    QList<qsizetype> previous(b.size() + 1);
    QList<qsizetype> current(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

} // namespace

QStringList closestNames(const QString& wanted, const QStringList& candidates, qsizetype count) {
    const QString key = wanted.toCaseFolded();
    if (key.isEmpty() || key.size() > MaxCompared)
        return {};
    struct Near {
        qsizetype distance;
        qsizetype index;
    };
    QList<Near> near;
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        const QString candidate = candidates[i].toCaseFolded();
        if (candidate.size() > MaxCompared)
            continue;
        const qsizetype distance = editDistance(key, candidate);
        const bool contains = candidate.contains(key) || key.contains(candidate);
        if (distance <= std::max<qsizetype>(1, candidate.size() / 2) || (contains && !candidate.isEmpty()))
            near.append({distance, i});
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const Near& a, const Near& b) { return a.distance < b.distance; });
    QStringList names;
    for (qsizetype i = 0; i < near.size() && names.size() < count; ++i) {
        if (!names.contains(candidates[near[i].index]))
            names << candidates[near[i].index];
    }
    return names;
}
