#include "cli/htmltext.h"

void appendEscaped(QString& html, QStringView text) {
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            html += u"&amp;";
            break;
        case u'<':
            html += u"&lt;";
            break;
        case u'>':
            html += u"&gt;";
            break;
        case u'"':
            html += u"&quot;";
            break;
        case u'\'':
            html += u"&#39;";
            break;
        default:
            if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F))
                html += QChar(QChar::ReplacementCharacter);
            else
                html += c;
        }
    }
}
