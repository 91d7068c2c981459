// The names closest to a mistyped one, for "もしかして" in messages: an unknown command, option or
// shop.
#pragma once

#include <QString>
#include <QStringList>

// Up to `count` candidates nearest to `wanted` by edit distance, ignoring case, nearest first (ties
// in the candidates' order). A candidate is near when it differs in at most half its length, or
// when one of the two contains the other.
QStringList closestNames(const QString& wanted, const QStringList& candidates, qsizetype count = 3);
