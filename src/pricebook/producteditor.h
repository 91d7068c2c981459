// Adding, updating, deleting and renaming products: the entry panel and the input box written into
// the notebook's records, with the product selector kept in step.
#pragma once

class Controls;
class EntryPanel;
class PriceBook;
class UiServices;

class ProductEditor {
  public:
    ProductEditor(Controls& controls, UiServices& ui, PriceBook& book, EntryPanel& panel);

    void BTN_ADDClick();
    void BTN_KOUSINClick();
    void SPD_SAKUJYOClick();
    void MN_SYOMEI_SYUClick();

  private:
    // The checks that update, delete and rename begin with: there are products and one of them is
    // selected. Refuses with a warning otherwise.
    bool checkProductSelected();

    Controls& c_;
    UiServices& ui_;
    PriceBook& book_;
    EntryPanel& panel_;
};
