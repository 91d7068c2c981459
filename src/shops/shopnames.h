// The shop names of the main window: the five shop selectors filled from the shop-list file, the
// shop-name management dialog, and backup and import of the shop list.
#pragma once

#include <QString>

class Controls;
class UiServices;

class ShopNames {
  public:
    // `programDir` is the program's folder with its trailing "/", where the shop list lies.
    ShopNames(Controls& controls, UiServices& ui, QString programDir);

    // The program's own shop-list file.
    QString shopListFile() const;

    // Fills CBO_MISE1 to CBO_MISE5 from a shop-list file, keeping what each shows.
    void RefillShopSelectors(const QString& path);
    // The management dialog.
    void MN_TENMEIClick();
    // Backup and import.
    void MN_TEN_BACKClick();
    void MN_TEN_IMClick();

  private:
    Controls& c_;
    UiServices& ui_;
    QString programDir_;
};
