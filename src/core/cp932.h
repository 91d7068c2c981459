// Code page 932 as Windows converts it: every single byte and every valid pair survives a round
// trip; an invalid or unassigned pair and a lone last lead byte become "・".
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace textfile {

QString decodeCp932(QByteArrayView bytes);
// The bytes, or an empty optional-like result: ok is false when a character has no code.
QByteArray encodeCp932(QStringView text, bool* ok);
// Writes the bytes of `text` at `dst` (room for two bytes a character) and moves it on; false
// when a character has no code.
bool encodeCp932Into(QStringView text, char*& dst);

} // namespace textfile
