// The main window's logic: the program state and every handler of F_MAIN under the name the window
// gives it. MainForm is the wiring: each handler is one call into the feature that owns it
// (pricebook/, shops/, queries/, the history and help of app/).
#pragma once

#include "app/help.h"
#include "app/history.h"
#include "app/instanceslot.h"
#include "app/settingsreports.h"
#include "notebook/notebookfile.h"
#include "notebook/pricebook.h"
#include "pricebook/document.h"
#include "pricebook/documentcommands.h"
#include "pricebook/entrypanel.h"
#include "pricebook/pricefields.h"
#include "pricebook/producteditor.h"
#include "queries/queries.h"
#include "shops/shopnames.h"

#include <QString>
#include <QStringList>
#include <functional>

class Controls;
class UiServices;

struct WindowBounds {
    int left = 24;
    int top = 24;
    int width = 660; // outer size, frame included
    int height = 450;
};

class MainForm {
  public:
    // `executableDir` is the program's folder; the settings and the shop list go where
    // appfiles::filesFolder says (AppDir).
    MainForm(Controls& controls, UiServices& ui, const QString& executableDir);

    // Start-up: settings, shop list, untitled notebook. Returns where the window goes.
    WindowBounds FormCreate();
    // A request to close the window at the given position; true allows it.
    bool FormCloseQuery(int left, int top);

    // Runs the handler of a control's click through the dispatcher; for CBO_SYOMEI, a pick by the
    // user. Unknown names do nothing.
    void click(const QString& controlName);
    // A character typed into a control, for the controls with a key handler; true when the
    // handler consumed it (the control must not see it).
    bool keyPress(const QString& controlName, QChar key);
    // Which key handler a control's key presses go to.
    enum class KeyHandler { None, ProductName, Observation };
    static KeyHandler keyHandlerOf(const QString& controlName);

    // File commands (pricebook/documentcommands).
    void MN_NEWClick(bool fromMenu) { document_.MN_NEWClick(fromMenu); }
    void MN_OPENClick() { document_.MN_OPENClick(); }
    // A notebook named on the command line: opened as Open opens the file its dialog gives.
    void OpenChosenFile(const QString& path) { document_.OpenChosenFile(path); }
    bool LoadPriceBook(const QString& path) { return document_.LoadPriceBook(path); }
    void MN_SAVEClick() { document_.MN_SAVEClick(); }
    void SPD_SAVEClick() { document_.MN_SAVEClick(); }
    void MN_BETU_SAVEClick() { document_.MN_BETU_SAVEClick(); }
    bool AskSaveChanges() { return document_.AskSaveChanges(); }
    void RecordRecentFile() { history_.RecordRecentFile(doc_.fileName); }

    // Product list and entry panel (pricebook/entrypanel).
    void RebuildProductList() { panel_.RebuildProductList(); }
    void CBO_SYOMEIClick() { panel_.CBO_SYOMEIClick(); }
    void ClearEntryPanel() { panel_.ClearEntryPanel(); }
    void BTN_CLRClick() { panel_.BTN_CLRClick(); }

    // Input rules of the entry panel. The key handlers return true when they consumed the key.
    bool EDT_SYOMEIKeyPress(const QString& sender, QChar key) {
        return panel_.EDT_SYOMEIKeyPress(sender, key);
    }
    bool EDT_1KeyPress(const QString& sender, QChar key) { return panel_.EDT_1KeyPress(sender, key); }
    bool CheckAmountText(const QString& edit) { return panel_.CheckAmountText(edit); }
    bool CheckPriceFields() { return panel_.CheckPriceFields(); }
    void BTN_1_TODAYClick(const QString& sender) { panel_.BTN_1_TODAYClick(sender); }
    void BTN_DELClick(int row) { panel_.BTN_DELClick(row); }
    void SPD_MEMO_DELClick() { panel_.SPD_MEMO_DELClick(); }
    void POP_COPYClick() { panel_.POP_COPYClick(); }
    void MN_ADD_OPTIONClick() { panel_.MN_ADD_OPTIONClick(); }
    void SPD_SAGAKUClick() { panel_.SPD_SAGAKUClick(); }

    // Adding, updating, deleting and renaming products (pricebook/producteditor).
    void BTN_ADDClick() { editor_.BTN_ADDClick(); }
    void BTN_KOUSINClick() { editor_.BTN_KOUSINClick(); }
    void SPD_SAKUJYOClick() { editor_.SPD_SAKUJYOClick(); }
    void MN_SYOMEI_SYUClick() { editor_.MN_SYOMEI_SYUClick(); }

    // Shop selectors, the shop-name management dialog, backup and import (shops/shopnames).
    void RefillShopSelectors(const QString& path) { shops_.RefillShopSelectors(path); }
    void MN_TENMEIClick() { shops_.MN_TENMEIClick(); }
    void MN_TEN_BACKClick() { shops_.MN_TEN_BACKClick(); }
    void MN_TEN_IMClick() { shops_.MN_TEN_IMClick(); }

    // Recent-file history: the File menu's entries and their deletion dialog (app/history).
    void MN_FILEClick() { history_.MN_FILEClick(); }
    void OpenRecentFile(const QString& sender) { history_.OpenRecentFile(sender); }
    void MN_FRIREKI_DELClick() { history_.MN_FRIREKI_DELClick(); }

    // Queries: products not updated for a year, products by shop (queries/queries).
    void SPD_1OLDClick() { queries_.SPD_1OLDClick(); }
    void SPD_MISE_SIBOClick() { queries_.SPD_MISE_SIBOClick(); }

    // Help, read-me and version information (app/help).
    void OpenProgramFile(const QString& name) { help_.OpenProgramFile(name); }
    void MN_HELPClick() { help_.MN_HELPClick(); }
    void MN_READMEClick() { help_.MN_READMEClick(); }
    void MN_VERClick() { help_.MN_VERClick(); }

    // State.
    const PriceBook& book() const { return doc_.book; }
    PriceBook& book() { return doc_.book; }
    bool dirty() const;
    void setDirty(bool on);
    bool untitled() const { return doc_.untitled; }
    const QString& currentFileName() const { return doc_.fileName; }
    const QString& appDir() const { return appDir_; }
    const QString& iniFile() const { return iniFile_; }
    QString shopListFile() const { return shops_.shopListFile(); }
    // The shop the by-shop query opened on last in this run (LastShopIndex).
    int lastShopIndex = 0;

    // Set by the window: closes it, which runs FormCloseQuery (the 終了 command).
    std::function<void()> requestClose;

    Controls& controls() { return c_; }
    UiServices& ui() { return ui_; }

  private:
    Controls& c_;
    UiServices& ui_;
    QString programDir_;
    QString appDir_;
    QString iniFile_;
    // Failures of the settings file already told at start-up or an earlier close attempt.
    SettingsReports settingsReports_;
    Document doc_;
    InstanceSlot instance_;

    // The features, each on the window's controls, the platform and the state it needs.
    EntryPanel panel_;
    ProductEditor editor_;
    DocumentCommands document_;
    History history_;
    ShopNames shops_;
    Queries queries_;
    Help help_;
};
