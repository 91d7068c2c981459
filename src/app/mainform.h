// The main window's logic: program state and every handler of F_MAIN, working on the window's
// controls by name (Controls) and on the platform through UiServices.
#pragma once

#include "notebook/notebookfile.h"
#include "notebook/pricebook.h"

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

inline constexpr char16_t UntitledName[] = u"無題";
inline constexpr char16_t SettingsFileName[] = u"zorvan.ini";
inline constexpr char16_t ShopListFileName[] = u"zorvan_店.txt";
// The refusal of a price field that holds no amount.
inline constexpr char16_t AmountWarning[] = u"金額を入力して下さい。なお\\は不要です";

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

    // File commands.
    void MN_NEWClick(bool fromMenu);
    void MN_OPENClick();
    bool LoadPriceBook(const QString& path);
    void MN_SAVEClick();
    void SPD_SAVEClick() { MN_SAVEClick(); }
    void MN_BETU_SAVEClick();
    bool AskSaveChanges();
    void RecordRecentFile();

    // Product list and entry panel.
    void RebuildProductList();
    void CBO_SYOMEIClick();
    void ClearEntryPanel();
    void BTN_CLRClick();

    // Input rules of the entry panel. The key handlers return true when they consumed the key.
    bool EDT_SYOMEIKeyPress(const QString& sender, QChar key);
    bool EDT_1KeyPress(const QString& sender, QChar key);
    bool CheckAmountText(const QString& edit);
    bool CheckPriceFields();
    void BTN_1_TODAYClick(const QString& sender);
    void BTN_DELClick(int row);
    void SPD_MEMO_DELClick();
    void POP_COPYClick();
    void MN_ADD_OPTIONClick();

    // Adding, updating and deleting products; price differences; renaming.
    void BTN_ADDClick();
    void BTN_KOUSINClick();
    void SPD_SAKUJYOClick();
    void SPD_SAGAKUClick();
    void MN_SYOMEI_SYUClick();

    // Shop selectors, the shop-name management dialog, backup and import of the shop list.
    void RefillShopSelectors(const QString& path);
    void MN_TENMEIClick();
    void MN_TEN_BACKClick();
    void MN_TEN_IMClick();

    // Recent-file history: the File menu's entries and their deletion dialog.
    void MN_FILEClick();
    void OpenRecentFile(const QString& sender);
    void MN_FRIREKI_DELClick();

    // Queries: products not updated for a year, products by shop.
    void SPD_1OLDClick();
    void SPD_MISE_SIBOClick();

    // Help, read-me and version information.
    void OpenProgramFile(const QString& name);
    void MN_HELPClick();
    void MN_READMEClick();
    void MN_VERClick();

    // State.
    const PriceBook& book() const { return book_; }
    PriceBook& book() { return book_; }
    bool dirty() const;
    void setDirty(bool on);
    bool untitled() const { return untitled_; }
    const QString& currentFileName() const { return currentFileName_; }
    const QString& appDir() const { return appDir_; }
    const QString& iniFile() const { return iniFile_; }
    QString shopListFile() const { return appDir_ + QString::fromUtf16(ShopListFileName); }
    int lastShopIndex = 0;

    // Set by the window: closes it, which runs FormCloseQuery (the 終了 command).
    std::function<void()> requestClose;

    Controls& controls() { return c_; }
    UiServices& ui() { return ui_; }

  private:
    void setCaptionPath(const QString& path);
    void writeBookTo(const QString& path);
    void showProductCount();

    Controls& c_;
    UiServices& ui_;
    PriceBook book_;
    QString programDir_;
    QString appDir_;
    QString iniFile_;
    QString currentFileName_ = QString::fromUtf16(UntitledName);
    QString saveDialogFolder_;
    bool untitled_ = true;
};
