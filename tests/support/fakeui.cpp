#include "support/fakeui.h"

Button FakeUi::messageBox(MsgKind kind, const QString& text, Buttons buttonSet, Button defaultButton) {
    messages.append({kind, text, buttonSet, defaultButton});
    return buttons.isEmpty() ? defaultButton : buttons.dequeue();
}

std::optional<QString> FakeUi::inputBox(const QString& caption, const QString&, const QString&) {
    inputCaptions << caption;
    return inputAnswers.isEmpty() ? std::nullopt : inputAnswers.dequeue();
}

std::optional<QString> FakeUi::openFileDialog(const FileDialogRequest& request) {
    fileDialogs.append({false, request});
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
}

std::optional<QString> FakeUi::saveFileDialog(const FileDialogRequest& request) {
    fileDialogs.append({true, request});
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
}

std::optional<QString> FakeUi::pickFolder(const QString&) {
    return folderAnswers.isEmpty() ? std::nullopt : folderAnswers.dequeue();
}

bool FakeUi::runDialog(const DialogRun& dialog) {
    return dialogScript ? dialogScript(dialog) : false;
}

bool FakeUi::openWithProgram(const QString& path) {
    opened << path;
    return true;
}

QStringList FakeUi::messageTexts() const {
    QStringList out;
    for (const MessageCall& m : messages)
        out << m.text;
    return out;
}

VersionWindowResult FakeUi::showVersionWindow(const VersionInfo& info) {
    versionCalls.append(info);
    return versionAnswer;
}
