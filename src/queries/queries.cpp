#include "queries/queries.h"

Queries::Queries(Controls& controls, UiServices& ui, const PriceBook& book, int& lastShopIndex,
                 ShowProduct showProduct)
    : c_(controls), ui_(ui), book_(book), lastShopIndex_(lastShopIndex),
      showProduct_(std::move(showProduct)) {}
