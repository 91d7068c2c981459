// The notebook's file commands: New, Open, Save, Save As, loading a file and the save-changes
// question. Every successful load and save is recorded in the recent-file history through the
// callback the owner passes in.
#pragma once

#include <QString>
#include <functional>

class Controls;
class EntryPanel;
class UiServices;
struct Document;

class DocumentCommands {
  public:
    using RecordRecentFile = std::function<void(const QString& path)>;
    // The full path of the newest recent file, or empty.
    using NewestRecentFile = std::function<QString()>;

    DocumentCommands(Controls& controls, UiServices& ui, Document& document, EntryPanel& panel,
                     RecordRecentFile recordRecentFile, NewestRecentFile newestRecentFile);

    // True when the user's answer lets the command go on (changes saved or dropped).
    bool AskSaveChanges();
    void MN_NEWClick(bool fromMenu);
    void MN_OPENClick();
    // Opens a file the user named, as Open does once its dialog has given the name: a missing file
    // is reported, anything else goes to LoadPriceBook. Asks nothing about unsaved changes.
    void OpenChosenFile(const QString& path);
    // Loads a notebook file; false when it was refused (the warning has been shown).
    bool LoadPriceBook(const QString& path);
    void MN_SAVEClick();
    void MN_BETU_SAVEClick();

  private:
    void setCaptionPath(const QString& path);

    Controls& c_;
    UiServices& ui_;
    Document& doc_;
    EntryPanel& panel_;
    RecordRecentFile recordRecentFile_;
    NewestRecentFile newestRecentFile_;
    // Where Save As opens for an untitled notebook: the documents folder when it was started.
    QString saveDialogFolder_;
};
