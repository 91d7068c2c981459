#include "app/mainform.h"

#include "core/appfiles.h"
#include "core/controls.h"
#include "core/dispatch.h"
#include "core/pathshorten.h"
#include "core/uiservices.h"

#include <QHash>

using namespace Qt::StringLiterals;

MainForm::MainForm(Controls& controls, UiServices& ui, const QString& executableDir)
    : c_(controls), ui_(ui), programDir_(executableDir), appDir_(appfiles::filesFolder(executableDir)),
      iniFile_(appDir_ + QString::fromUtf16(SettingsFileName)) {
    book_.reset();
}

bool MainForm::dirty() const {
    return c_.enabled(u"LBL_KOUSIN"_s);
}

void MainForm::setDirty(bool on) {
    c_.setEnabled(u"LBL_KOUSIN"_s, on);
    c_.setEnabled(u"SPD_SAVE"_s, on);
}

void MainForm::setCaptionPath(const QString& path) {
    const QString shown =
        ShortenPathToWidth(path, 350, [this](const QString& text) { return ui_.textWidth(text); });
    c_.setText(u"F_MAIN"_s, QString::fromUtf16(ApplicationTitle) + u" - "_s + shown);
}

void MainForm::showProductCount() {
    c_.setText(u"LBL_KEN"_s, QString::number(c_.items(u"CBO_SYOMEI"_s).size()) + u"件"_s);
}

void MainForm::click(const QString& controlName) {
    using Handler = void (*)(MainForm&, const QString& sender);
    static const QHash<QString, Handler> handlers = [] {
        QHash<QString, Handler> h{
            {u"MN_NEW"_s, [](MainForm& f, const QString&) { f.MN_NEWClick(true); }},
            {u"MN_OPEN"_s, [](MainForm& f, const QString&) { f.MN_OPENClick(); }},
            {u"MN_SAVE"_s, [](MainForm& f, const QString&) { f.MN_SAVEClick(); }},
            {u"SPD_SAVE"_s, [](MainForm& f, const QString&) { f.SPD_SAVEClick(); }},
            {u"MN_BETU_SAVE"_s, [](MainForm& f, const QString&) { f.MN_BETU_SAVEClick(); }},
            {u"MN_EXIT"_s,
             [](MainForm& f, const QString&) {
                 if (f.requestClose)
                     f.requestClose();
             }},
            {u"CBO_SYOMEI"_s, [](MainForm& f, const QString&) { f.CBO_SYOMEIClick(); }},
            {u"BTN_CLR"_s, [](MainForm& f, const QString&) { f.BTN_CLRClick(); }},
            {u"SPD_MEMO_DEL"_s, [](MainForm& f, const QString&) { f.SPD_MEMO_DELClick(); }},
            {u"POP_COPY"_s, [](MainForm& f, const QString&) { f.POP_COPYClick(); }},
            {u"MN_ADD_OPTION"_s, [](MainForm& f, const QString&) { f.MN_ADD_OPTIONClick(); }},
            {u"BTN_ADD"_s, [](MainForm& f, const QString&) { f.BTN_ADDClick(); }},
            {u"BTN_KOUSIN"_s, [](MainForm& f, const QString&) { f.BTN_KOUSINClick(); }},
            {u"SPD_SAKUJYO"_s, [](MainForm& f, const QString&) { f.SPD_SAKUJYOClick(); }},
            {u"SPD_SAGAKU"_s, [](MainForm& f, const QString&) { f.SPD_SAGAKUClick(); }},
            {u"MN_SYOMEI_SYU"_s, [](MainForm& f, const QString&) { f.MN_SYOMEI_SYUClick(); }},
            {u"MN_TENMEI"_s, [](MainForm& f, const QString&) { f.MN_TENMEIClick(); }},
            {u"MN_TEN_BACK"_s, [](MainForm& f, const QString&) { f.MN_TEN_BACKClick(); }},
            {u"MN_TEN_IM"_s, [](MainForm& f, const QString&) { f.MN_TEN_IMClick(); }},
            {u"MN_FILE"_s, [](MainForm& f, const QString&) { f.MN_FILEClick(); }},
            {u"MN_FRIREKI_DEL"_s, [](MainForm& f, const QString&) { f.MN_FRIREKI_DELClick(); }},
            {u"SPD_1OLD"_s, [](MainForm& f, const QString&) { f.SPD_1OLDClick(); }},
            {u"SPD_MISE_SIBO"_s, [](MainForm& f, const QString&) { f.SPD_MISE_SIBOClick(); }},
            {u"MN_HELP"_s, [](MainForm& f, const QString&) { f.MN_HELPClick(); }},
            {u"MN_README"_s, [](MainForm& f, const QString&) { f.MN_READMEClick(); }},
            {u"MN_VER"_s, [](MainForm& f, const QString&) { f.MN_VERClick(); }},
        };
        for (int j = 1; j <= 5; ++j) {
            h.insert(u"BTN_%1_TODAY"_s.arg(j),
                     [](MainForm& f, const QString& sender) { f.BTN_1_TODAYClick(sender); });
            h.insert(numbered(u"BTN_DEL", j),
                     [](MainForm& f, const QString& sender) { f.BTN_DELClick(sender.right(1).toInt()); });
        }
        for (int k = 0; k < 10; ++k)
            h.insert(numbered(u"RIREKI_OPN", k),
                     [](MainForm& f, const QString& sender) { f.OpenRecentFile(sender); });
        return h;
    }();
    const auto it = handlers.find(controlName);
    if (it == handlers.end())
        return;
    const Handler handler = *it;
    dispatch(ui_, [&] { handler(*this, controlName); });
}

MainForm::KeyHandler MainForm::keyHandlerOf(const QString& controlName) {
    if (controlName == u"EDT_SYOMEI" || controlName == u"EDT_TEIKA")
        return KeyHandler::ProductName;
    for (const QString& prefix : {u"EDT_"_s, u"DTP_"_s, u"CBO_MISE"_s}) {
        if (controlName.size() == prefix.size() + 1 && controlName.startsWith(prefix) &&
            controlName.back() >= u'1' && controlName.back() <= u'5')
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
