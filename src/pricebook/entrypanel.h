// The product selector CBO_SYOMEI and the entry panel of the main window: listing the products,
// showing one, clearing the panel, the input rules of its fields and the price differences.
#pragma once

#include <QChar>
#include <QString>

class Controls;
class PriceBook;
class UiServices;

class EntryPanel {
  public:
    EntryPanel(Controls& controls, UiServices& ui, const PriceBook& book);

    // The selector and the panel.
    void RebuildProductList();
    void CBO_SYOMEIClick();
    void ClearEntryPanel();
    void BTN_CLRClick();
    // LBL_KEN: the number of products the selector lists.
    void showProductCount();
    // Selects the product in CBO_SYOMEI (by its own search, which ignores case) and fills the panel
    // from it, as if the user had picked it. A name the selector does not list, such as one after a
    // record without a name, leaves the window as it was.
    void showProduct(const QString& name);

    // The input rules. The key handlers return true when they consumed the key.
    bool EDT_SYOMEIKeyPress(const QString& sender, QChar key);
    bool EDT_1KeyPress(const QString& sender, QChar key);
    bool CheckAmountText(const QString& edit);
    bool CheckPriceFields();
    void BTN_1_TODAYClick(const QString& sender);
    void BTN_DELClick(int row);
    void SPD_MEMO_DELClick();
    void POP_COPYClick();
    void MN_ADD_OPTIONClick();

    // Each price's difference to the standard price.
    void SPD_SAGAKUClick();

  private:
    Controls& c_;
    UiServices& ui_;
    const PriceBook& book_;
};
