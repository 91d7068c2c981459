// The notebook's file commands: New, Open, Save, Save As and the save-changes question.
#include "app/mainform.h"

#include "core/controls.h"
#include "core/dispatch.h"
#include "core/uiservices.h"
#include "notebook/notebookfile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

bool MainForm::AskSaveChanges() {
    if (!dirty())
        return true;
    const Button answer = ui_.messageBox(
        MsgKind::Information, currentFileName_ + u" の変更を保存しますか？"_s, Yes | No | Cancel, Yes);
    if (answer == Yes) {
        MN_SAVEClick();
        return !dirty();
    }
    return answer == No;
}

void MainForm::MN_NEWClick(bool fromMenu) {
    if (!AskSaveChanges())
        return;
    currentFileName_ = QString::fromUtf16(UntitledName);
    saveDialogFolder_ = ui_.documentsFolder();
    ClearEntryPanel();
    c_.setItems(u"CBO_SYOMEI"_s, {});
    book_.reset();
    c_.setText(u"F_MAIN"_s,
               QString::fromUtf16(ApplicationTitle) + u" - "_s + QString::fromUtf16(UntitledName));
    untitled_ = true;
    setDirty(false);
    if (fromMenu)
        c_.setFocus(u"EDT_SYOMEI"_s);
    c_.setText(u"LBL_KEN"_s, QString());
}

void MainForm::MN_OPENClick() {
    if (!AskSaveChanges())
        return;
    FileDialogRequest request;
    // The File menu lists the history after its fixed items; the newest entry's folder is the start.
    const QStringList history = c_.items(u"MN_FILE"_s);
    if (!history.isEmpty()) {
        const QString& newest = history.first();
        request.folder = newest.left(qMax(qsizetype(0), newest.lastIndexOf(u'/'))) + u'/';
    } else {
        request.folder = ui_.documentsFolder();
    }
    const std::optional<QString> path = ui_.openFileDialog(request);
    if (!path)
        return;
    if (!QFileInfo::exists(*path)) {
        ui_.warn(*path + u" が見つかりません"_s);
        return;
    }
    LoadPriceBook(*path);
}

bool MainForm::LoadPriceBook(const QString& path) {
    NotebookRead read = readNotebookFile(path);
    if (read.refusal) {
        ui_.warn(read.refusal->text);
        return false;
    }
    book_ = std::move(*read.book);
    currentFileName_ = path;
    ClearEntryPanel();
    RebuildProductList();
    untitled_ = false;
    setDirty(false);
    setCaptionPath(path);
    c_.setFocus(u"CBO_SYOMEI"_s);
    showProductCount();
    // Recorded last: a settings file that cannot be written must not leave the load half done.
    RecordRecentFile();
    return true;
}

void MainForm::writeBookTo(const QString& path) {
    writeNotebookFile(path, book_);
}

void MainForm::MN_SAVEClick() {
    if (untitled_) {
        MN_BETU_SAVEClick();
        return;
    }
    writeBookTo(currentFileName_);
    setDirty(false);
    RecordRecentFile();
}

void MainForm::MN_BETU_SAVEClick() {
    FileDialogRequest request;
    request.fileName = currentFileName_;
    if (untitled_)
        request.folder = saveDialogFolder_;
    const std::optional<QString> path = ui_.saveFileDialog(request);
    if (!path)
        return;
    // The chosen name becomes the current one only once the file is written, so a failed write
    // leaves the caption, the next Save and the history with the file that is really open.
    writeBookTo(*path);
    currentFileName_ = *path;
    setCaptionPath(*path);
    untitled_ = false;
    setDirty(false);
    RecordRecentFile();
}
