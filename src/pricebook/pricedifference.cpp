// Each observation's difference to the standard price, with the cheapest in red and the dearest in lime.
#include "app/mainform.h"

#include "core/amount.h"
#include "core/controls.h"
#include "core/uiservices.h"

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Two amounts apart span up to twice the amount's range, which only a wider integer holds exactly.
using Difference = __int128;

constexpr int Rows = 5;
constexpr unsigned UnitsPerWhole = 10000;

// The amount in a price field, commas dropped as the amount check does; the field is rewritten in
// display form. Shows the amount warning and takes the focus when the text is not an amount.
std::optional<Amount> readPriceField(Controls& c, UiServices& ui, const QString& edit) {
    QString text = c.text(edit);
    text.remove(u',');
    const std::optional<Amount> value = ParseAmount(text);
    if (!value) {
        ui.warn(QString::fromUtf16(AmountWarning));
        c.setFocus(edit);
        return std::nullopt;
    }
    c.setText(edit, formatDisplay(*value));
    return value;
}

// The display form "#,##0" of a difference in ten-thousandths, rounded half to even.
QString formatDifference(Difference value) {
    using Magnitude = unsigned __int128;
    const bool negative = value < 0;
    const Magnitude magnitude = negative ? Magnitude(-value) : Magnitude(value);
    Magnitude whole = magnitude / UnitsPerWhole;
    const Magnitude rest = magnitude % UnitsPerWhole;
    if (rest > UnitsPerWhole / 2 || (rest == UnitsPerWhole / 2 && whole % 2 != 0))
        ++whole;

    QString digits;
    do {
        digits.prepend(QChar(u'0' + int(whole % 10)));
        whole /= 10;
    } while (whole != 0);

    return groupThousands(digits, negative && digits != u"0"_s);
}

} // namespace

void MainForm::SPD_SAGAKUClick() {
    Amount standard = 0;
    if (!c_.text(u"EDT_TEIKA"_s).isEmpty()) {
        const std::optional<Amount> value = readPriceField(c_, ui_, u"EDT_TEIKA"_s);
        if (!value)
            return;
        standard = *value;
    }

    std::optional<Difference> differences[Rows];
    for (int row = 1; row <= Rows; ++row) {
        const QString edit = numbered(u"EDT_", row);
        const QString label = numbered(u"LBL_SA_", row);
        if (c_.text(edit).isEmpty()) {
            c_.setText(label, u"*"_s);
            continue;
        }
        const std::optional<Amount> price = readPriceField(c_, ui_, edit);
        if (!price)
            return;
        const Difference difference = Difference(standard) - *price;
        c_.setText(label, formatDifference(difference));
        differences[row - 1] = difference;
    }

    std::optional<Difference> largest;
    std::optional<Difference> smallest;
    for (const std::optional<Difference>& d : differences) {
        if (!d)
            continue;
        largest = largest ? std::max(*largest, *d) : *d;
        smallest = smallest ? std::min(*smallest, *d) : *d;
    }
    if (!largest)
        return; // no price: the labels keep their colours

    // Lime is tested second, so a row that is both the largest and the smallest ends lime.
    for (int row = 1; row <= Rows; ++row) {
        const std::optional<Difference>& d = differences[row - 1];
        Rgb color = colors::Black;
        if (d && *d == *largest)
            color = colors::Red;
        if (d && *d == *smallest)
            color = colors::Lime;
        c_.setFontColor(numbered(u"LBL_SA_", row), color);
    }
}
