// The recent-file history: recording a file at its top, the File menu's entries, reopening one,
// and the dialog F_RIREKI that deletes entries. The history lives only in the settings file, read
// afresh by every operation.
#pragma once

#include <QString>

class Controls;
class DocumentCommands;
class UiServices;

class History {
  public:
    History(Controls& controls, UiServices& ui, QString settingsFile, DocumentCommands& document);

    // Puts the file at the top of the ten entries. Never throws: the command that recorded the
    // file has done its work already; a settings file that cannot be read or written is reported.
    void RecordRecentFile(const QString& file);
    // The full path of the newest entry, or empty (also when the settings file cannot be read).
    QString newestFile() const;
    // The File menu opens: its entries are read from the settings file.
    void MN_FILEClick();
    // A history entry of the File menu, by its name (RIREKI_OPN0 to RIREKI_OPN9).
    void OpenRecentFile(const QString& sender);
    void MN_FRIREKI_DELClick();

  private:
    Controls& c_;
    UiServices& ui_;
    QString settingsFile_;
    DocumentCommands& document_;
};
