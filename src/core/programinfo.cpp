#include "core/programinfo.h"

#include "buildinfo.h"

QString programVersion() {
    return QString::fromUtf8(PRICOTTA_VERSION);
}

QString programVersionFullWidth() {
    QString text = programVersion();
    for (QChar& c : text) {
        // The ASCII range '!' to '~' has full-width forms at U+FF01 to U+FF5E.
        if (c.unicode() > u' ' && c.unicode() <= u'~')
            c = QChar(char16_t(c.unicode() - u'!' + 0xFF01));
    }
    return text;
}

QString desktopFileName() {
    return QString::fromUtf8(PRICOTTA_DESKTOP_ID);
}
