// Start-up, closing and the recent-file history in the settings file.
#include "app/mainform.h"

#include "core/apperror.h"
#include "core/controls.h"
#include "core/dispatch.h"
#include "core/settingsfile.h"
#include "core/uiservices.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString FormSection = u"Form"_s;
const QString AddOptionSection = u"ADD_OPT"_s;
const QString HistorySection = u"F_RIREKI"_s;
constexpr int HistorySize = 10;

// The settings file, or nothing when it exists but cannot be read (the error has been shown).
std::optional<SettingsFile> loadSettings(UiServices& ui, const QString& path) {
    try {
        return SettingsFile::load(path);
    } catch (const AppError& e) {
        showError(ui, e.message());
        return std::nullopt;
    }
}

} // namespace

WindowBounds MainForm::FormCreate() {
    WindowBounds bounds;
    // A settings file that cannot be read: defaults, after the error is shown.
    const SettingsFile settings = loadSettings(ui_, iniFile_).value_or(SettingsFile());
    bounds.width = settings.readInt(FormSection, u"WIDTH"_s, 660);
    bounds.height = settings.readInt(FormSection, u"HEIGHT"_s, 450);
    bounds.top = settings.readInt(FormSection, u"TOP"_s, 24);
    bounds.left = settings.readInt(FormSection, u"LEFT"_s, 24);
    c_.setChecked(u"MN_ADD_OPTION"_s, settings.readFlag(AddOptionSection, u"0"_s, true));
    lastShopIndex = 0;
    c_.setText(u"LBL_KEN"_s, QString());
    dispatch(ui_, [this] { RefillShopSelectors(shopListFile()); });
    book_.reset();
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
    // The position and the add option are written on every close attempt. A settings file that
    // cannot be read or written is reported, and the close still follows the user's answer.
    dispatch(ui_, [&] {
        std::optional<SettingsFile> settings = loadSettings(ui_, iniFile_);
        if (!settings)
            return;
        settings->setValue(FormSection, u"LEFT"_s, QString::number(left));
        settings->setValue(FormSection, u"TOP"_s, QString::number(top));
        settings->writeFlag(AddOptionSection, u"0"_s, c_.checked(u"MN_ADD_OPTION"_s));
        settings->save(iniFile_);
    });
    return allow;
}

void MainForm::RecordRecentFile() {
    // Never throws: the command that recorded the file has done its work already.
    dispatch(ui_, [this] {
        std::optional<SettingsFile> settings = loadSettings(ui_, iniFile_);
        if (!settings)
            return;
        const QString& file = currentFileName_;
        QStringList keys;
        for (int k = 0; k < HistorySize; ++k)
            keys << settings->value(HistorySection, QString::number(k));
        int p = int(keys.indexOf(file));
        if (p < 0)
            p = HistorySize - 1;
        for (int k = p - 1; k >= 0; --k)
            settings->setValue(HistorySection, QString::number(k + 1), keys[k]);
        settings->setValue(HistorySection, u"0"_s, file);
        settings->save(iniFile_);
    });
}
