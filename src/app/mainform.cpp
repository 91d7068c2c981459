#include "app/mainform.h"

#include "app/appsettings.h"
#include "core/appfiles.h"
#include "core/controls.h"
#include "core/handlertable.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "notebook/pricebook.h"
#include "pricebook/dirtyflag.h"

using namespace Qt::StringLiterals;

MainForm::MainForm(Controls& controls, UiServices& ui, const QString& executableDir)
    : c_(controls), ui_(ui), programDir_(executableDir), appDir_(appfiles::filesFolder(executableDir)),
      iniFile_(appDir_ + QString::fromUtf16(SettingsFileName)), panel_(c_, ui_, doc_.book),
      editor_(c_, ui_, doc_.book, panel_),
      document_(
          c_, ui_, doc_, panel_, [this](const QString& path) { history_.RecordRecentFile(path); },
          [this] { return history_.newestFile(); }),
      history_(c_, ui_, iniFile_, document_), shops_(c_, ui_, appDir_),
      queries_(c_, ui_, doc_.book, lastShopIndex, [this](const QString& name) { panel_.showProduct(name); }),
      help_(ui_, programDir_) {
    doc_.book.reset();
}

bool MainForm::dirty() const {
    return isDirty(c_);
}

void MainForm::setDirty(bool on) {
    ::setDirty(c_, on);
}

void MainForm::click(const QString& controlName) {
    using namespace fmain;
    static const HandlerTable<MainForm&, const QString&> handlers = [] {
        HandlerTable<MainForm&, const QString&> h{
            {MN_NEW, [](MainForm& f, const QString&) { f.MN_NEWClick(true); }},
            {MN_OPEN, [](MainForm& f, const QString&) { f.MN_OPENClick(); }},
            {MN_SAVE, [](MainForm& f, const QString&) { f.MN_SAVEClick(); }},
            {SPD_SAVE, [](MainForm& f, const QString&) { f.SPD_SAVEClick(); }},
            {MN_BETU_SAVE, [](MainForm& f, const QString&) { f.MN_BETU_SAVEClick(); }},
            {MN_EXIT,
             [](MainForm& f, const QString&) {
                 if (f.requestClose)
                     f.requestClose();
             }},
            {CBO_SYOMEI, [](MainForm& f, const QString&) { f.CBO_SYOMEIClick(); }},
            {BTN_CLR, [](MainForm& f, const QString&) { f.BTN_CLRClick(); }},
            {SPD_MEMO_DEL, [](MainForm& f, const QString&) { f.SPD_MEMO_DELClick(); }},
            {POP_COPY, [](MainForm& f, const QString&) { f.POP_COPYClick(); }},
            {MN_ADD_OPTION, [](MainForm& f, const QString&) { f.MN_ADD_OPTIONClick(); }},
            {BTN_ADD, [](MainForm& f, const QString&) { f.BTN_ADDClick(); }},
            {BTN_KOUSIN, [](MainForm& f, const QString&) { f.BTN_KOUSINClick(); }},
            {SPD_SAKUJYO, [](MainForm& f, const QString&) { f.SPD_SAKUJYOClick(); }},
            {SPD_SAGAKU, [](MainForm& f, const QString&) { f.SPD_SAGAKUClick(); }},
            {MN_SYOMEI_SYU, [](MainForm& f, const QString&) { f.MN_SYOMEI_SYUClick(); }},
            {MN_TENMEI, [](MainForm& f, const QString&) { f.MN_TENMEIClick(); }},
            {MN_TEN_BACK, [](MainForm& f, const QString&) { f.MN_TEN_BACKClick(); }},
            {MN_TEN_IM, [](MainForm& f, const QString&) { f.MN_TEN_IMClick(); }},
            {MN_FILE, [](MainForm& f, const QString&) { f.MN_FILEClick(); }},
            {MN_FRIREKI_DEL, [](MainForm& f, const QString&) { f.MN_FRIREKI_DELClick(); }},
            {SPD_1OLD, [](MainForm& f, const QString&) { f.SPD_1OLDClick(); }},
            {SPD_MISE_SIBO, [](MainForm& f, const QString&) { f.SPD_MISE_SIBOClick(); }},
            {MN_HELP, [](MainForm& f, const QString&) { f.MN_HELPClick(); }},
            {MN_README, [](MainForm& f, const QString&) { f.MN_READMEClick(); }},
            {MN_VER, [](MainForm& f, const QString&) { f.MN_VERClick(); }},
        };
        for (int row = 1; row <= PriceSlots; ++row) {
            h.add(BTN_n_TODAY(row), [](MainForm& f, const QString& sender) { f.BTN_1_TODAYClick(sender); });
            h.add(BTN_DEL(row), [row](MainForm& f, const QString&) { f.BTN_DELClick(row); });
        }
        for (int key = 0; key < 10; ++key)
            h.add(RIREKI_OPN(key), [](MainForm& f, const QString& sender) { f.OpenRecentFile(sender); });
        return h;
    }();
    handlers.run(ui_, controlName, *this, controlName);
}

MainForm::KeyHandler MainForm::keyHandlerOf(const QString& controlName) {
    if (controlName == fmain::EDT_SYOMEI || controlName == fmain::EDT_TEIKA)
        return KeyHandler::ProductName;
    for (int row = 1; row <= PriceSlots; ++row) {
        if (controlName == fmain::EDT_(row) || controlName == fmain::DTP_(row) ||
            controlName == fmain::CBO_MISE(row))
            return KeyHandler::Observation;
    }
    return KeyHandler::None;
}

bool MainForm::keyPress(const QString& controlName, QChar key) {
    const KeyHandler handler = keyHandlerOf(controlName);
    bool consumed = false;
    if (handler != KeyHandler::None) {
        dispatch(ui_, [&] {
            consumed = handler == KeyHandler::ProductName ? EDT_SYOMEIKeyPress(controlName, key)
                                                          : EDT_1KeyPress(controlName, key);
        });
    }
    return consumed;
}
