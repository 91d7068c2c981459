// Start-up and closing: the window's position and the add option in the settings file.
#include "app/mainform.h"

#include "app/appsettings.h"
#include "app/settingsreports.h"
#include "core/apperror.h"
#include "core/controls.h"
#include "core/dispatch.h"
#include "core/settingsfile.h"
#include "core/uiservices.h"
#include "core/windownames.h"

#include <QFileInfo>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString FormSection = u"Form"_s;
const QString AddOptionSection = u"ADD_OPT"_s;
constexpr int CopyOffset = 32; // pixels down and right, for each copy already running

} // namespace

WindowBounds MainForm::FormCreate() {
    WindowBounds bounds;
    // A settings file that cannot be read: defaults, after the error is shown.
    const SettingsFile settings =
        loadSettingsShowingError(ui_, iniFile_, &settingsReports_).value_or(SettingsFile());
    bounds.width = settings.readInt(FormSection, u"WIDTH"_s, 660);
    bounds.height = settings.readInt(FormSection, u"HEIGHT"_s, 450);
    bounds.top = settings.readInt(FormSection, u"TOP"_s, 24);
    bounds.left = settings.readInt(FormSection, u"LEFT"_s, 24);
    // With another copy already running, this one opens a step down and right of it.
    const int copy = instance_.take(QFileInfo(iniFile_).path());
    bounds.top += copy * CopyOffset;
    bounds.left += copy * CopyOffset;
    c_.setChecked(fmain::MN_ADD_OPTION, settings.readFlag(AddOptionSection, u"0"_s, true));
    lastShopIndex = 0;
    c_.setText(fmain::LBL_KEN, QString());
    dispatch(ui_, [this] { RefillShopSelectors(shopListFile()); });
    doc_.book.reset();
    dispatch(ui_, [this] { MN_NEWClick(false); });
    return bounds;
}

bool MainForm::FormCloseQuery(int left, int top) {
    bool allow = true;
    try {
        allow = AskSaveChanges();
    } catch (const AppError& e) {
        // The save the user asked for failed: the window stays open and the settings stay as they are.
        showError(ui_, e.message());
        return false;
    }
    // The position and the add option are written on every close attempt. The notebook is saved or
    // dropped by now: a settings file that cannot be read or written is reported (once a run, however
    // often the user comes back to close) and the close still follows the user's answer.
    dispatch(ui_, [&] {
        std::optional<SettingsFile> settings = loadSettingsShowingError(ui_, iniFile_, &settingsReports_);
        if (!settings)
            return;
        settings->setValue(FormSection, u"LEFT"_s, QString::number(left));
        settings->setValue(FormSection, u"TOP"_s, QString::number(top));
        settings->writeFlag(AddOptionSection, u"0"_s, c_.checked(fmain::MN_ADD_OPTION));
        try {
            settings->save(iniFile_);
        } catch (const AppError& e) {
            settingsReports_.show(ui_, e.message());
        }
    });
    return allow;
}
