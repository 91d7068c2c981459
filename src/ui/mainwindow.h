// The main window F_MAIN: its widgets, menus and wiring. Every event goes to the window's logic
// (MainForm); the window itself decides nothing.
#pragma once

#include "app/mainform.h"

#include <QCoreApplication>
#include <QMainWindow>

#include <memory>

class QMenu;
class QtControls;
class QtUiServices;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the window, runs the logic's start-up with `programDir` as the program folder and
    // places the window where the start-up says.
    explicit MainWindow(const QString& programDir = QCoreApplication::applicationDirPath());
    ~MainWindow() override;

    MainForm& form() { return *form_; }
    QtControls& controls() { return *controls_; }
    // Places the window by its outer edges, frame included; the client area is what remains. Bounds
    // that no window can have, or that leave the title bar off every screen, are fitted first.
    void applyBounds(const WindowBounds& bounds);
    // Opens a notebook named on the command line (relative to the current folder) as Open opens
    // the file its dialog gives: refusals as Open gives them, the history recorded.
    void openNamedFile(const QString& path);

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    void decorate();
    void wire();
    void addShortcuts();
    void menuItemChosen(QAction* action);
    // Keeps the outer size when the window manager's frame becomes known.
    void fitFrame();

    std::unique_ptr<QtControls> controls_;
    std::unique_ptr<QtUiServices> ui_;
    std::unique_ptr<MainForm> form_;
    QMenu* popupMenu_ = nullptr;
    WindowBounds bounds_;
    QSize frameMargins_{-1, -1};
};
