// The platform services of the seam made with Qt: message and input boxes, file and folder dialogs,
// clipboard, opening files, today's date, text widths and the busy cursor.
#pragma once

#include "core/uiservices.h"

class QWidget;

// Qt's own texts (standard buttons, file dialogs, the edit fields' context menus) in Japanese.
// Loaded on first need, not at start: before Qt's first dialog, or once the main window is up.
void loadQtTextsInJapanese();

class QtUiServices final : public UiServices {
  public:
    // Dialogs are owned by `mainWindow`; text widths are measured with its font.
    explicit QtUiServices(QWidget& mainWindow);

    Button messageBox(MsgKind kind, const QString& text, Buttons buttons, Button defaultButton) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& initial) override;
    std::optional<QString> openFileDialog(const FileDialogRequest& request) override;
    std::optional<QString> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<QString> pickFolder(const QString& title) override;
    bool runDialog(const DialogRun& dialog) override;

    VersionWindowResult showVersionWindow(const VersionInfo& info) override;
    void setClipboardText(const QString& text) override;
    bool openWithProgram(const QString& path) override;

    QDate today() override;
    QString documentsFolder() override;
    int textWidth(const QString& text) override;

    void setBusyCursor() override;
    void restoreCursor() override;

  private:
    QWidget& window_;
};
