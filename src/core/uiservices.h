// The platform services the logic asks for: message and input boxes, file and folder dialogs,
// dialog windows, clipboard, today's date, text width and the busy cursor.
// ui/QtUiServices implements them with Qt; tests use a recording, scripted fake.
#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

class Controls;
struct WindowSpec;

enum class MsgKind {
    Warning,      // title "警告"
    Error,        // title "エラー"
    Information,  // title "情報"
    Confirmation, // title "確認"
    Stop,         // the default error box: stop icon, the application title
};

enum Button : unsigned {
    NoButton = 0,
    Ok = 1,
    Cancel = 2,
    Yes = 4,
    No = 8,
};
using Buttons = unsigned;

struct FileDialogRequest {
    QString folder;   // the folder it opens in; empty lets the dialog choose
    QString fileName; // the proposed name, a bare name or a full path
};

// A modal dialog window run by UiServices::runDialog: its controls are built from the window's
// table, `onStart` runs before it is shown (its FormCreate), `wire` connects its handlers.
struct DialogRun {
    const WindowSpec* window = nullptr;
    std::function<void(Controls&)> onStart;
    // Called when a control named `control` is clicked (or double-clicked / changed for lists);
    // returns true when the dialog closes with OK.
    std::function<void(Controls&, const QString& control, const std::function<void(bool ok)>& close)> onEvent;
    // Called when the user double-clicks an item of a list box named `control`.
    std::function<void(Controls&, const QString& control, const std::function<void(bool ok)>& close)>
        onDoubleClick;
};

// The library that shows the version window, looked for in the program's folder first.
#ifdef Q_OS_WIN
inline constexpr char16_t VersionLibraryFile[] = u"verinf14.dll";
#else
inline constexpr char16_t VersionLibraryFile[] = u"libverinf14.so";
#endif

// What the version window's library was handed: the texts it shows.
struct VersionInfo {
    int code = 0;
    QString product;
    QString version;
    QString label;
    QString years;
};

enum class VersionWindowResult {
    Shown,           // the library was loaded, its FormView called and the library unloaded
    LibraryMissing,  // the library could not be loaded
    FunctionMissing, // the library has no FormView (it was unloaded again)
};

class UiServices {
  public:
    virtual ~UiServices() = default;

    virtual Button messageBox(MsgKind kind, const QString& text, Buttons buttons, Button defaultButton) = 0;
    // The usual refusal: a warning with the single button OK.
    void warn(const QString& text) { messageBox(MsgKind::Warning, text, Ok, Ok); }
    // Returns the text when OK was pressed.
    virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                            const QString& initial) = 0;
    // The chosen path, or nothing when cancelled.
    virtual std::optional<QString> openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFileDialog(const FileDialogRequest& request) = 0;
    // An existing folder's absolute path with one trailing "/", or nothing.
    virtual std::optional<QString> pickFolder(const QString& title) = 0;
    // Runs a dialog window modally; true when it closed with OK.
    virtual bool runDialog(const DialogRun& dialog) = 0;

    // Loads the version window's library, calls its FormView once and unloads it.
    virtual VersionWindowResult showVersionWindow(const VersionInfo& info) = 0;

    virtual void setClipboardText(const QString& text) = 0;
    // Opens a file with the desktop's program for it; false when none took it or it failed.
    virtual bool openWithProgram(const QString& path) = 0;

    virtual QDate today() = 0;
    virtual QString documentsFolder() = 0;
    // Width in pixels of a text drawn with the main window's font.
    virtual int textWidth(const QString& text) = 0;

    virtual void setBusyCursor() = 0;
    virtual void restoreCursor() = 0;
};

// Shows the busy cursor for the life of the object.
class BusyCursor {
  public:
    explicit BusyCursor(UiServices& ui) : ui_(ui) { ui_.setBusyCursor(); }
    ~BusyCursor() { ui_.restoreCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    UiServices& ui_;
};
