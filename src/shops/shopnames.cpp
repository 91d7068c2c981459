// The shop names of the main window: the five shop selectors filled from the shop-list file, the
// management dialog opened on the list, and copying the list to a folder or replacing it by another
// file.
#include "shops/shopnames.h"

#include "core/apperror.h"
#include "core/controls.h"
#include "core/controltable.h"
#include "core/textfile.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "notebook/pricebook.h"
#include "shops/shoplist.h"
#include "shops/tenmeiform.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

using namespace Qt::StringLiterals;

ShopNames::ShopNames(Controls& controls, UiServices& ui, QString programDir)
    : c_(controls), ui_(ui), programDir_(std::move(programDir)) {}

QString ShopNames::shopListFile() const {
    return programDir_ + QString::fromUtf16(ShopListFileName);
}

void ShopNames::RefillShopSelectors(const QString& path) {
    // The program's own list may not exist yet: that is an empty list until the user saves one.
    const bool ownMissing = path == shopListFile() && !QFileInfo::exists(path);
    const QStringList names = ownMissing ? QStringList() : LoadShopList(path);
    for (int j = 1; j <= PriceSlots; ++j) {
        const QString name = fmain::CBO_MISE(j);
        const QString shown = c_.text(name);
        c_.setItems(name, names);
        c_.setText(name, shown);
    }
}

void ShopNames::MN_TENMEIClick() {
    if (refuseLongShopList(c_.items(fmain::CBO_MISE(1)), ui_))
        return;
    const QString path = shopListFile();
    // Before the first save there is no file: a first-time user starts with an empty list.
    const QStringList names = QFileInfo::exists(path) ? LoadShopList(path) : QStringList();

    TenmeiForm form(ui_, path);
    DialogRun run;
    run.window = &tenmeiWindowSpec();
    run.onStart = [&](Controls& c) { form.FormCreate(c, names); };
    run.onEvent = [&](Controls& c, const QString& control, const std::function<void(bool)>&) {
        form.click(c, control);
    };
    // However the dialog closes, the selectors show what the file holds now.
    ui_.runDialog(run);
    RefillShopSelectors(path);
}

namespace {

// A folder's path with links, "." and ".." resolved, so two spellings of one folder compare equal.
QString canonicalFolder(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(path).absolutePath()) : canonical;
}

bool sameFolder(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    return canonicalFolder(a).compare(canonicalFolder(b), cs) == 0;
}

} // namespace

void ShopNames::MN_TEN_BACKClick() {
    const Button answer =
        ui_.messageBox(MsgKind::Confirmation,
                       u"登録した店名を指定されたフォルダにバックアップします。\r\n\r\n"
                       u"ファイル名は　zorvan_店.txt　です。\r\n\r\n"
                       u"なお、バックアップ先のフォルダは次の画面で指定して下さい。\r\n\r\n続行しますか？"_s,
                       Ok | Cancel, Ok);
    if (answer != Ok)
        return;
    const std::optional<QString> folder = ui_.pickFolder(u"バックアップ先のフォルダを選択して下さい。"_s);
    if (!folder)
        return;
    if (sameFolder(*folder, programDir_)) {
        ui_.warn(u"バックアップ\"先\"は、当ソフトとは\r\n\r\n別のフォルダ　を選択して下さい！"_s);
        return;
    }
    BusyCursor busy(ui_);
    // Read whole, then replace the copy whole: a failing disk leaves no half-written backup.
    const QByteArray bytes = textfile::readBytes(shopListFile());
    textfile::writeBytes(*folder + QString::fromUtf16(ShopListFileName), bytes);
    ui_.messageBox(MsgKind::Information, u"指定されたフォルダにバックアップされました"_s, Ok, Ok);
}

void ShopNames::MN_TEN_IMClick() {
    const Button answer = ui_.messageBox(
        MsgKind::Confirmation,
        u"店名の取り込みを実行しますか？\r\n\r\nファイル名　zorvan_店.txt　を指定して下さい\r\n\r\n"
        u"実行すると今の店名に上書きされ元には戻せません\r\n\r\n\r\n"
        u"※間違って違うファイルを取り込んだ場合は再度、別のファイルを取り込むか、"
        u"[店名管理]で再登録して下さい\r\n\r\n"
        u"※旧バージョンでのファイル名は　zorvantm.txt　です"_s,
        Yes | No, No);
    if (answer != Yes)
        return;
    const std::optional<QString> chosen = ui_.openFileDialog(FileDialogRequest{});
    if (!chosen)
        return;
    if (!QFileInfo(*chosen).fileName().startsWith(u"zorvan"_s, Qt::CaseSensitive)) {
        ui_.messageBox(MsgKind::Information, u"店名のファイルではありません"_s, Ok, Ok);
        return;
    }
    // Only the program's own list counts as empty when missing; a chosen file has to be there.
    if (!QFileInfo::exists(*chosen))
        throw errors::fileOpen(*chosen, errors::systemReason(ENOENT));
    RefillShopSelectors(*chosen);
    SaveShopList(shopListFile(), c_.items(fmain::CBO_MISE(1)));
    ui_.messageBox(MsgKind::Information, u"店名を取り込みました"_s, Ok, Ok);
}
