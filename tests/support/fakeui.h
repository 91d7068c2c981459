// A scripted UiServices for tests: records every call and answers from queues.
// An unanswered message box returns its default button; an unanswered dialog is cancelled.
#pragma once

#include "core/uiservices.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <optional>

struct MessageCall {
    MsgKind kind;
    QString text;
    Buttons buttons;
    Button defaultButton;
};

struct FileDialogCall {
    bool save;
    FileDialogRequest request;
};

class FakeUi : public UiServices {
  public:
    Button messageBox(MsgKind kind, const QString& text, Buttons buttons, Button defaultButton) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& initial) override;
    std::optional<QString> openFileDialog(const FileDialogRequest& request) override;
    std::optional<QString> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<QString> pickFolder(const QString& title) override;
    bool runDialog(const DialogRun& dialog) override;
    VersionWindowResult showVersionWindow(const VersionInfo& info) override;
    void setClipboardText(const QString& text) override { clipboard = text; }
    bool openWithProgram(const QString& path) override;
    QDate today() override { return todayDate; }
    QString documentsFolder() override { return documents; }
    int textWidth(const QString& text) override { return int(text.size()) * 7; }
    void setBusyCursor() override {
        ++busyDepth;
        ++busyCount;
    }
    void restoreCursor() override { --busyDepth; }

    // Answers, consumed in order.
    QQueue<Button> buttons;
    QQueue<std::optional<QString>> fileAnswers; // open and save dialogs
    QQueue<std::optional<QString>> inputAnswers;
    QQueue<std::optional<QString>> folderAnswers;
    // Runs a dialog in place of the user: gets the dialog and returns its result.
    std::function<bool(const DialogRun&)> dialogScript;

    // What happened.
    QList<MessageCall> messages;
    QList<FileDialogCall> fileDialogs;
    QStringList inputCaptions;
    QStringList opened;
    QList<VersionInfo> versionCalls;
    VersionWindowResult versionAnswer = VersionWindowResult::Shown;
    QString clipboard;
    int busyDepth = 0;
    int busyCount = 0;

    QDate todayDate{2026, 12, 10};
    QString documents = QStringLiteral("/home/user/Documents");

    // The texts of the messages shown, in order.
    QStringList messageTexts() const;
};
