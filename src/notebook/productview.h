// One product of a notebook as values, for readers that show or compare products (a report, the
// command-line companion): the stored texts next to what they mean as amounts and dates.
#pragma once

#include "core/amount.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class PriceBook;

// One price slot that holds a shop or a price.
struct Observation {
    int slot = 0; // 1 to 5
    QString shop;
    QString priceText;           // as stored
    std::optional<Amount> price; // nothing when the text is empty or no amount
    QString dateText;            // as stored
    std::optional<QDate> date;   // nothing when the text does not read as a date
};

struct ProductView {
    QString name;
    QString standardPriceText;           // as stored
    std::optional<Amount> standardPrice; // nothing when the text is empty or no amount
    QList<Observation> observations;     // up to five, in slot order; empty slots are left out
    QString memo;
};

// The product whose name is at `nameLine`. Dates read as the window reads them, two-digit years
// relative to `today`. Raises the list error when the notebook does not hold the record whole.
ProductView viewProduct(const PriceBook& book, qsizetype nameLine, const QDate& today);

// Every whole record in notebook order.
QList<ProductView> viewProducts(const PriceBook& book, const QDate& today);
