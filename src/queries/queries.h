// The two queries of the main window, each in a modal dialog: products not updated for a year
// and products by shop. They read the notebook and never
// change it; the product the user confirms is shown through the callback the owner passes in.
#pragma once

#include <QString>
#include <functional>

class Controls;
class PriceBook;
class UiServices;

class Queries {
  public:
    using ShowProduct = std::function<void(const QString& name)>;

    // `lastShopIndex` is the shop the by-shop query opened on last in this run (LastShopIndex).
    Queries(Controls& controls, UiServices& ui, const PriceBook& book, int& lastShopIndex,
            ShowProduct showProduct);

    void SPD_1OLDClick();
    void SPD_MISE_SIBOClick();

  private:
    Controls& c_;
    UiServices& ui_;
    const PriceBook& book_;
    int& lastShopIndex_;
    ShowProduct showProduct_;
};
