// The amount grammar: any text is refused or gives an amount; the storage form a price field is
// rewritten to is itself an amount that rewrites to itself, and its display form (what the panel
// shows) is read back to the same storage form. Eight bytes of input are also read as an amount,
// whose exact decimal text must parse back to it.
#include "core/amount.h"
#include "fuzzsupport.h"

#include <cstring>
#include <limits>

using namespace Qt::StringLiterals;
using fuzz::check;

namespace {

// The exact decimal text of an amount: whole part, ".", four digits.
QString exactText(Amount value) {
    const bool negative = value < 0;
    // The magnitude of the most negative amount does not fit a qint64.
    const quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    QString fraction = QString::number(magnitude % 10000).rightJustified(4, u'0');
    return (negative ? u"-"_s : QString()) + QString::number(magnitude / 10000) + u'.' + fraction;
}

void checkText(const QString& text) {
    const std::optional<QString> stored = checkAmountText(text);
    if (!stored)
        return;
    if (stored->isEmpty()) {
        check(text.isEmpty(), "a non-empty field was rewritten to nothing", text);
        return;
    }
    check(checkAmountText(*stored) == stored, "the storage form does not rewrite to itself",
          text + u" -> "_s + *stored);
    const QString shown = FormatPriceText(*stored);
    check(!shown.isEmpty(), "a stored amount has no display form", *stored);
    check(checkAmountText(shown) == stored, "the display form reads back to another amount",
          text + u" -> "_s + *stored + u" -> "_s + shown);

    // The storage form is the amount rounded to a whole number.
    const std::optional<Amount> exact = ParseAmount(QString(text).remove(u','));
    const std::optional<Amount> whole = ParseAmount(*stored);
    check(exact && whole && *whole % 10000 == 0, "the storage form is not a whole amount", text);
    const __int128 distance = __int128(*whole) - __int128(*exact);
    check(distance <= 5000 && distance >= -5000, "the storage form is not the nearest whole number", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkText(fuzz::utf8(data, size));
    checkText(QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size)));

    if (size >= sizeof(Amount)) {
        Amount value = 0;
        std::memcpy(&value, data, sizeof value);
        const QString text = exactText(value);
        check(ParseAmount(text) == value, "an amount's exact text parses to another amount", text);
        check(ParseAmount(u"  "_s + text + u"e0 "_s) == value, "spaces or a zero exponent change an amount",
              text);
        if (value != std::numeric_limits<Amount>::min()) {
            check(ParseAmount(exactText(-value)) == -value, "a negated amount parses to another amount",
                  text);
        }
        // Shifted by the exponent, the same digits denote the same amount.
        const QString shifted = QString(text).remove(u'.') + u"e-4"_s;
        check(ParseAmount(shifted) == value, "an exponent moves the amount elsewhere", shifted);
    }
    return 0;
}
