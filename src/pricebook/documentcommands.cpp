// The notebook's file commands: New, Open, Save, Save As and the save-changes question.
#include "pricebook/documentcommands.h"

#include "core/controls.h"
#include "core/dispatch.h"
#include "core/memoryrelease.h"
#include "core/pathshorten.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "notebook/notebookfile.h"
#include "pricebook/dirtyflag.h"
#include "pricebook/document.h"
#include "pricebook/entrypanel.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

DocumentCommands::DocumentCommands(Controls& controls, UiServices& ui, Document& document, EntryPanel& panel,
                                   RecordRecentFile recordRecentFile, NewestRecentFile newestRecentFile)
    : c_(controls), ui_(ui), doc_(document), panel_(panel), recordRecentFile_(std::move(recordRecentFile)),
      newestRecentFile_(std::move(newestRecentFile)) {}

void DocumentCommands::setCaptionPath(const QString& path) {
    const QString shown =
        ShortenPathToWidth(path, 350, [this](const QString& text) { return ui_.textWidth(text); });
    c_.setText(fmain::F_MAIN, QString::fromUtf16(ApplicationTitle) + u" - "_s + shown);
}

bool DocumentCommands::AskSaveChanges() {
    if (!isDirty(c_))
        return true;
    const Button answer = ui_.messageBox(MsgKind::Information, doc_.fileName + u" の変更を保存しますか？"_s,
                                         Yes | No | Cancel, Yes);
    if (answer == Yes) {
        MN_SAVEClick();
        return !isDirty(c_);
    }
    return answer == No;
}

void DocumentCommands::MN_NEWClick(bool fromMenu) {
    if (!AskSaveChanges())
        return;
    doc_.fileName = QString::fromUtf16(UntitledName);
    saveDialogFolder_ = ui_.documentsFolder();
    panel_.ClearEntryPanel();
    c_.setItems(fmain::CBO_SYOMEI, {});
    doc_.book.reset();
    doc_.stamp = {};
    doc_.lock.release();
    c_.setText(fmain::F_MAIN,
               QString::fromUtf16(ApplicationTitle) + u" - "_s + QString::fromUtf16(UntitledName));
    doc_.untitled = true;
    setDirty(c_, false);
    if (fromMenu)
        c_.setFocus(fmain::EDT_SYOMEI);
    c_.setText(fmain::LBL_KEN, QString());
}

void DocumentCommands::MN_OPENClick() {
    if (!AskSaveChanges())
        return;
    FileDialogRequest request;
    // The newest history entry's folder is the start: its full path, not the File menu's caption,
    // which is shortened ("/.../x/a.txt") and names no folder.
    const QString newest = newestRecentFile_ ? newestRecentFile_() : QString();
    if (!newest.isEmpty()) {
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

bool DocumentCommands::LoadPriceBook(const QString& path) {
    NotebookRead read = readNotebookFile(path);
    if (read.refusal) {
        ui_.warn(read.refusal->text);
        return false;
    }
    doc_.book = std::move(*read.book);
    read.book.reset();
    doc_.fileName = path;
    doc_.stamp = read.stamp;
    const bool heldElsewhere = !doc_.lock.take(path);
    panel_.ClearEntryPanel();
    panel_.RebuildProductList();
    // The old notebook's lines and names are free now, scattered among the new ones: hand the
    // free pages back, so that opening notebooks again and again does not grow the program.
    releaseFreeMemory();
    doc_.untitled = false;
    setDirty(c_, false);
    setCaptionPath(path);
    c_.setFocus(fmain::CBO_SYOMEI);
    panel_.showProductCount();
    if (read.nulOffset >= 0) {
        ui_.warn(
            u"ファイル \""_s + path + u"\" は "_s + QString::number(read.nulOffset + 1) +
            u" バイト目に NUL 文字があるため、それより後を読み込んでいません。上書き保存すると、その部分は失われます。"_s);
    }
    if (heldElsewhere)
        ui_.warn(path + u" は、ほかの Pricotta でも開かれています。"_s);
    // Recorded last: a settings file that cannot be written must not leave the load half done.
    recordRecentFile_(path);
    return true;
}

void DocumentCommands::MN_SAVEClick() {
    if (doc_.untitled) {
        MN_BETU_SAVEClick();
        return;
    }
    // Another program, or another copy of this one, may have written the file since: saving over
    // it would drop that change without a word.
    if (doc_.stamp.changedOn(doc_.fileName)) {
        const Button answer = ui_.messageBox(
            MsgKind::Warning,
            doc_.fileName + u" は、読み込んだ後にほかのプログラムで変更されています。上書きしますか？\r\n"
                            u"はい: 上書き保存　いいえ: 別名で保存　キャンセル: 保存しない"_s,
            Yes | No | Cancel, Cancel);
        if (answer == No)
            MN_BETU_SAVEClick();
        if (answer != Yes)
            return;
    }
    doc_.stamp = writeNotebookFile(doc_.fileName, doc_.book);
    setDirty(c_, false);
    recordRecentFile_(doc_.fileName);
}

void DocumentCommands::MN_BETU_SAVEClick() {
    FileDialogRequest request;
    request.fileName = doc_.fileName;
    if (doc_.untitled)
        request.folder = saveDialogFolder_;
    const std::optional<QString> path = ui_.saveFileDialog(request);
    if (!path)
        return;
    // The chosen name becomes the current one only once the file is written, so a failed write
    // leaves the caption, the next Save and the history with the file that is really open.
    doc_.stamp = writeNotebookFile(*path, doc_.book);
    doc_.fileName = *path;
    doc_.lock.take(*path);
    setCaptionPath(*path);
    doc_.untitled = false;
    setDirty(c_, false);
    recordRecentFile_(doc_.fileName);
}
