// How a file without a byte-order mark is read: as UTF-8 when its bytes are valid UTF-8 holding a
// sequence of three or more bytes, as code page 932 otherwise.
#pragma once

#include <QByteArrayView>

namespace textfile {

// Whether the bytes up to the first NUL are such UTF-8.
bool isUtf8Text(QByteArrayView bytes);

} // namespace textfile
