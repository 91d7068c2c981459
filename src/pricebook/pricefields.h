// The price fields of the entry panel: the standard price EDT_TEIKA and the five prices EDT_1 to
// EDT_5, and reading an amount from one of them.
#pragma once

#include "core/amount.h"

#include <QString>
#include <QStringList>
#include <optional>

class Controls;
class UiServices;

// The refusal of a price field that holds no amount.
inline constexpr char16_t AmountWarning[] = u"金額を入力して下さい。なお\\は不要です";

// EDT_TEIKA, then EDT_1 to EDT_5.
const QStringList& priceFields();

// The amount in a price field (readAmountText). When the text is refused, the amount warning is
// shown, the field takes the focus and the result is empty.
std::optional<Amount> readPriceField(Controls& c, UiServices& ui, const QString& field);
