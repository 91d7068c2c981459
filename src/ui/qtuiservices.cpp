#include "ui/qtuiservices.h"

#include "core/appfiles.h"
#include "core/dispatch.h"
#include "ui/centredmessagebox.h"
#include "ui/desktop.h"
#include "ui/dialogwindow.h"
#include "ui/folderpicker.h"
#include "ui/inputbox.h"
#include "ui/listbox.h"
#include "ui/qtcontrols.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLibrary>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QStandardPaths>
#include <QTranslator>
#include <QUrl>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

std::pair<QMessageBox::Icon, QString> boxLook(MsgKind kind) {
    switch (kind) {
    case MsgKind::Warning:
        return {QMessageBox::Warning, u"警告"_s};
    case MsgKind::Error:
        return {QMessageBox::Critical, u"エラー"_s};
    case MsgKind::Information:
        return {QMessageBox::Information, u"情報"_s};
    case MsgKind::Confirmation:
        return {QMessageBox::Question, u"確認"_s};
    case MsgKind::Stop:
        break;
    }
    return {QMessageBox::Critical, QString::fromUtf16(ApplicationTitle)};
}

std::optional<QString> runFileDialog(QWidget& owner, const FileDialogRequest& request, bool save) {
    loadQtTextsInJapanese();
    QFileDialog dialog(&owner, save ? u"名前を付けて保存"_s : u"開く"_s);
    dialog.setNameFilter(u"テキストファイル (*.txt)"_s);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Opening accepts the name of a file that does not exist; loading then reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (save)
        dialog.setDefaultSuffix(u"txt"_s);
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

} // namespace

void loadQtTextsInJapanese() {
    static bool tried = false;
    if (tried)
        return;
    tried = true;
    // Owned by the application, which outlives every window that shows the texts.
    auto* texts = new QTranslator(QCoreApplication::instance());
    if (texts->load(QLocale(QLocale::Japanese, QLocale::Japan), u"qtbase"_s, u"_"_s,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(texts);
    else
        delete texts;
}

QtUiServices::QtUiServices(QWidget& mainWindow) : window_(mainWindow) {}

Button QtUiServices::messageBox(MsgKind kind, const QString& text, Buttons buttons, Button defaultButton) {
    loadQtTextsInJapanese();
    const auto [icon, title] = boxLook(kind);
    CentredMessageBox box(icon, title, text, QMessageBox::NoButton, &window_);
    box.setTextFormat(Qt::PlainText);

    struct Choice {
        Button button;
        QString text;
        QMessageBox::ButtonRole role;
    };
    const Choice choices[] = {
        {Ok, u"OK"_s, QMessageBox::AcceptRole},
        {Yes, u"はい(&Y)"_s, QMessageBox::YesRole},
        {No, u"いいえ(&N)"_s, QMessageBox::NoRole},
        {Cancel, u"キャンセル"_s, QMessageBox::RejectRole},
    };
    std::vector<std::pair<QAbstractButton*, Button>> shown;
    for (const Choice& choice : choices) {
        if (!(buttons & choice.button))
            continue;
        QPushButton* push = box.addButton(choice.text, choice.role);
        shown.emplace_back(push, choice.button);
        if (choice.button == defaultButton)
            box.setDefaultButton(push);
        if (choice.button == Cancel)
            box.setEscapeButton(push);
    }
    // Closing counts as Cancel where Cancel is offered and as the only button of a one-button box;
    // a Yes/No question must be answered.
    box.setClosable((buttons & Cancel) || shown.size() == 1);
    box.exec();

    for (const auto& [push, button] : shown) {
        if (box.clickedButton() == push)
            return button;
    }
    return (buttons & Cancel) ? Cancel : defaultButton;
}

std::optional<QString> QtUiServices::inputBox(const QString& caption, const QString& prompt,
                                              const QString& initial) {
    loadQtTextsInJapanese();
    InputBox box(caption, prompt, initial, &window_);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.text();
}

std::optional<QString> QtUiServices::openFileDialog(const FileDialogRequest& request) {
    return runFileDialog(window_, request, false);
}

std::optional<QString> QtUiServices::saveFileDialog(const FileDialogRequest& request) {
    return runFileDialog(window_, request, true);
}

std::optional<QString> QtUiServices::pickFolder(const QString& title) {
    loadQtTextsInJapanese();
    FolderPicker picker(title, &window_);
    if (picker.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFileInfo folder(picker.folder());
    if (picker.folder().isEmpty() || !folder.isDir())
        return std::nullopt;
    QString path = folder.absoluteFilePath();
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

bool QtUiServices::runDialog(const DialogRun& run) {
    loadQtTextsInJapanese();
    DialogWindow dialog(*run.window, &window_);
    QtControls controls(dialog, *run.window);
    std::optional<bool> result;
    const std::function<void(bool)> close = [&](bool ok) {
        if (result)
            return;
        result = ok;
        dialog.done(ok ? QDialog::Accepted : QDialog::Rejected);
    };
    const auto event = [&](const QString& name) {
        if (run.onEvent && !result)
            dispatch(*this, [&] { run.onEvent(controls, name, close); });
    };

    for (const ControlSpec& c : run.window->controls) {
        const QString name = QString::fromUtf16(c.name);
        switch (c.kind) {
        case ControlKind::Button:
        case ControlKind::ImageButton:
            // A closing button closes after its handler, unless the handler closed the window already.
            QObject::connect(dialog.findChild<QAbstractButton*>(name), &QAbstractButton::clicked, &dialog,
                             [&, name, closes = c.closes] {
                                 event(name);
                                 if (closes != CloseRole::None)
                                     close(closes == CloseRole::Ok);
                             });
            break;
        case ControlKind::ListBox:
        case ControlKind::MultiListBox:
        case ControlKind::CheckListBox:
            QObject::connect(dialog.findChild<ListBox*>(name), &ListBox::userPicked, &dialog,
                             [&, name] { event(name); });
            break;
        case ControlKind::DropList:
            // `activated` comes with every choice of the user (mouse, arrow keys, wheel, typed
            // letters), never with a choice made from code.
            QObject::connect(dialog.findChild<QComboBox*>(name), &QComboBox::activated, &dialog,
                             [&, name] { event(name); });
            break;
        default:
            break;
        }
    }
    QObject::connect(&dialog, &DialogWindow::listDoubleClicked, &dialog, [&](const QString& name) {
        if (run.onDoubleClick && !result)
            dispatch(*this, [&] { run.onDoubleClick(controls, name, close); });
    });

    // The window opens with the focus on its first tab stop, unless its start moves it elsewhere.
    controls.focusNext(QString());
    if (run.onStart)
        dispatch(*this, [&] { run.onStart(controls); });
    if (!result)
        dialog.exec();
    return result.value_or(false);
}

void QtUiServices::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

bool QtUiServices::openWithProgram(const QString& path) {
    // xdg-open tells by its exit status whether a program took the file; QDesktopServices only
    // whether it could start xdg-open, so it serves only where there is no xdg-open to run.
    constexpr int OpenerWaitMs = 3000;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const OpenerResult result = runOpener(u"xdg-open"_s, path, OpenerWaitMs);
    QApplication::restoreOverrideCursor();
    if (result != OpenerResult::NotStarted)
        return result == OpenerResult::Opened;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QDate QtUiServices::today() {
    return QDate::currentDate();
}

QString QtUiServices::documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::currentPath();
}

int QtUiServices::textWidth(const QString& text) {
    return QFontMetrics(window_.font()).horizontalAdvance(text);
}

void QtUiServices::setBusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUiServices::restoreCursor() {
    QApplication::restoreOverrideCursor();
}

namespace {

// The version library's one export: the owner window, the product number and four texts, each
// zero-terminated in a buffer of VersionTextCapacity UTF-16 units that stays ours.
using FormViewFunction = void (*)(QWidget* owner, std::int32_t code, const char16_t* product,
                                  const char16_t* version, const char16_t* label, const char16_t* years);
constexpr qsizetype VersionTextCapacity = 256;
using VersionText = std::array<char16_t, VersionTextCapacity>;

// A text cut to fit its buffer with the terminating zero, never between the halves of a pair.
VersionText versionText(const QString& text) {
    VersionText buffer{};
    qsizetype length = std::min(text.size(), VersionTextCapacity - 1);
    if (length < text.size() && length > 0 && text.at(length - 1).isHighSurrogate())
        --length;
    for (qsizetype i = 0; i < length; ++i)
        buffer[i] = text.at(i).unicode();
    return buffer;
}

} // namespace

VersionWindowResult QtUiServices::showVersionWindow(const VersionInfo& info) {
    loadQtTextsInJapanese();
#ifdef Q_OS_WIN
    const QString fileName = u"verinf14.dll"_s;
#else
    const QString fileName = QString::fromUtf16(VersionLibraryFile);
#endif
    // The program's own folder first, then where it was installed, then the system's library search.
    const QString installed =
        appfiles::findFile(appfiles::libraryFolders(QCoreApplication::applicationDirPath()), fileName);
    QLibrary library(installed.isEmpty() ? fileName : installed);
    if (!library.load()) {
        library.setFileName(fileName);
        if (installed.isEmpty() || !library.load())
            return VersionWindowResult::LibraryMissing;
    }
    struct UnloadOnExit {
        QLibrary& library;
        ~UnloadOnExit() { library.unload(); }
    } unloadOnExit{library};

    const auto formView = reinterpret_cast<FormViewFunction>(library.resolve("FormView"));
    if (formView == nullptr)
        return VersionWindowResult::FunctionMissing;
    const VersionText product = versionText(info.product);
    const VersionText version = versionText(info.version);
    const VersionText label = versionText(info.label);
    const VersionText years = versionText(info.years);
    // Returns once the user has closed the window, so unloading afterwards is safe.
    formView(&window_, std::int32_t(info.code), product.data(), version.data(), label.data(), years.data());
    return VersionWindowResult::Shown;
}
