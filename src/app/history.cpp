// The recent-file history: the File menu's entries, reopening one, and the dialog F_RIREKI that
// deletes entries. The history lives only in the settings file, read afresh by every operation; a
// file that cannot be read ends the operation with the error shown, before anything is written.
#include "app/history.h"

#include "app/appsettings.h"
#include "core/apperror.h"
#include "core/controls.h"
#include "core/controltable.h"
#include "core/dispatch.h"
#include "core/handlertable.h"
#include "core/pathshorten.h"
#include "core/settingsfile.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "pricebook/documentcommands.h"

#include <QFileInfo>

#include <climits>

using namespace Qt::StringLiterals;

namespace {

// The history's section of the settings file: keys 0 (the newest) to 9, each a full path.
const QString HistorySection = u"F_RIREKI"_s;
constexpr int HistorySize = 10;
// The File menu shows each path shortened to this many characters.
constexpr int ShownLength = 40;
const QString List = frireki::CK_LBOX;

// The longest path the system allows, in bytes; a path of more UTF-16 units has more bytes still.
constexpr qsizetype LongestPath = PATH_MAX;

// An entry longer than any path names no file: it counts as missing, so a damaged settings file
// cannot make the File menu slow.
QString entry(const SettingsFile& settings, int key) {
    QString path = settings.value(HistorySection, QString::number(key));
    return path.size() > LongestPath ? QString() : path;
}

// The entries from key 0 up to the first missing or empty one.
QStringList historyEntries(const SettingsFile& settings) {
    QStringList entries;
    for (int k = 0; k < HistorySize; ++k) {
        const QString path = entry(settings, k);
        if (path.isEmpty())
            break;
        entries << path;
    }
    return entries;
}

QStringList shownEntries(const QStringList& entries) {
    QStringList shown;
    for (const QString& path : entries)
        shown << ShortenPathToLength(path, ShownLength);
    return shown;
}

// The later entries move up one key and key 9 becomes empty.
void removeEntry(SettingsFile& settings, int key) {
    for (int k = key; k < HistorySize - 1; ++k)
        settings.setValue(HistorySection, QString::number(k), entry(settings, k + 1));
    settings.setValue(HistorySection, QString::number(HistorySize - 1), QString());
}

// The key of a history item's name ("RIREKI_OPN3" gives 3), or -1.
int itemKey(const QString& itemName) {
    const QStringView prefix(fmain::RIREKI_OPN_prefix);
    if (!itemName.startsWith(prefix))
        return -1;
    bool ok = false;
    const int key = itemName.mid(prefix.size()).toInt(&ok);
    return ok && key >= 0 && key < HistorySize ? key : -1;
}

// The logic of the dialog F_RIREKI. Position i of its list is key i of the history.
class RirekiForm {
  public:
    using Close = std::function<void(bool ok)>;

    RirekiForm(UiServices& ui, QString settingsPath) : ui_(ui), path_(std::move(settingsPath)) {}

    void FormCreate(Controls& c, const QStringList& entries) { c.setItems(List, shownEntries(entries)); }

    // Runs the handler of the clicked control through the dispatcher; other names do nothing.
    void click(Controls& c, const QString& control, const Close& close) {
        static const HandlerTable<RirekiForm&, Controls&, const Close&> handlers{
            {frireki::OKBtn, &RirekiForm::OKBtnClick},
            {frireki::BTN_ALL, &RirekiForm::BTN_ALLClick},
        };
        handlers.run(ui_, control, *this, c, close);
    }

    void OKBtnClick(Controls& c, const Close& close) {
        QList<int> checked;
        for (int i = c.itemCount(List) - 1; i >= 0; --i) {
            if (c.itemChecked(List, i))
                checked << i;
        }
        // Nothing to delete leaves the file as it is.
        if (checked.isEmpty()) {
            ui_.warn(u"削除する履歴にチェック(レ点)を入れて下さい"_s);
            return;
        }
        SettingsFile settings = SettingsFile::load(path_);
        // From the last position up, so the positions still to visit keep matching their keys.
        for (const int i : checked)
            removeEntry(settings, i);
        settings.save(path_);
        close(true);
    }

    void BTN_ALLClick(Controls&, const Close& close) {
        if (ui_.messageBox(MsgKind::Confirmation,
                           u"最近開いたファイルの履歴を すべて 消去してもよろしいですか？"_s, Yes | No,
                           No) != Yes)
            return;
        SettingsFile settings = SettingsFile::load(path_);
        for (int k = HistorySize - 1; k >= 0; --k)
            settings.setValue(HistorySection, QString::number(k), QString());
        settings.save(path_);
        close(true);
    }

  private:
    UiServices& ui_;
    QString path_;
};

} // namespace

History::History(Controls& controls, UiServices& ui, QString settingsFile, DocumentCommands& document)
    : c_(controls), ui_(ui), settingsFile_(std::move(settingsFile)), document_(document) {}

void History::RecordRecentFile(const QString& file) {
    dispatch(ui_, [&] {
        std::optional<SettingsFile> settings = loadSettingsShowingError(ui_, settingsFile_);
        if (!settings)
            return;
        QStringList keys;
        for (int k = 0; k < HistorySize; ++k)
            keys << entry(*settings, k);
        int p = int(keys.indexOf(file));
        if (p < 0)
            p = HistorySize - 1;
        for (int k = p - 1; k >= 0; --k)
            settings->setValue(HistorySection, QString::number(k + 1), keys[k]);
        settings->setValue(HistorySection, u"0"_s, file);
        settings->save(settingsFile_);
    });
}

QString History::newestFile() const {
    try {
        return entry(SettingsFile::load(settingsFile_), 0);
    } catch (const AppError&) {
        return {};
    }
}

void History::MN_FILEClick() {
    // The entries of the last opening go first, so a file that cannot be read now leaves none.
    c_.setItems(fmain::MN_FILE, {});
    c_.setItems(fmain::MN_FILE, shownEntries(historyEntries(SettingsFile::load(settingsFile_))));
}

void History::OpenRecentFile(const QString& sender) {
    const int key = itemKey(sender);
    if (key < 0)
        return;
    // The path is taken before the save-changes question: saving under a new name puts that name
    // on top and moves every entry down one key.
    const QString path = entry(SettingsFile::load(settingsFile_), key);
    if (path.isEmpty())
        return;
    if (!document_.AskSaveChanges())
        return;
    if (QFileInfo(path).isFile()) {
        document_.LoadPriceBook(path);
        return;
    }
    ui_.warn(path + u" が見つかりません"_s);
    SettingsFile settings = SettingsFile::load(settingsFile_);
    for (int k = 0; k < HistorySize; ++k) {
        if (entry(settings, k) == path) {
            removeEntry(settings, k);
            settings.save(settingsFile_);
            return;
        }
    }
}

void History::MN_FRIREKI_DELClick() {
    const QStringList entries = historyEntries(SettingsFile::load(settingsFile_));
    if (entries.isEmpty()) {
        ui_.messageBox(MsgKind::Information, u"ファイルの履歴が０件です"_s, Ok, Ok);
        return;
    }
    RirekiForm form(ui_, settingsFile_);
    DialogRun run;
    run.window = &rirekiWindowSpec();
    run.onStart = [&](Controls& c) { form.FormCreate(c, entries); };
    run.onEvent = [&](Controls& c, const QString& control, const RirekiForm::Close& close) {
        form.click(c, control, close);
    };
    ui_.runDialog(run);
}
