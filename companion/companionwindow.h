// The companion window "Pricotta 買い物プラン": a notebook's products to tick with a quantity, the
// shops to go to, and the plan at once (pricotta-cli plan's own planner), with its list to print or
// open in the browser, and the price report. It links the notebook layer and the companion's
// library, never the main window's code.
#pragma once

#include "cli/notebookinput.h"
#include "cli/shoppingplan.h"

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QPushButton;
class QSortFilterProxyModel;
class QSpinBox;
class QStandardItemModel;
class QTableView;
class QTreeWidget;

// What the window asks of the desktop; tests put their own in.
struct CompanionDesktop {
    // A file to open or to save to (empty: cancelled).
    std::function<QString(QWidget* parent, const QString& title, bool save)> askFile;
    std::function<void(QWidget* parent, const QString& text)> tell;
    // Hands a page to the browser: an empty text, or why it failed.
    std::function<QString(const QString& path)> openInBrowser;
    static CompanionDesktop real();
};

class CompanionWindow : public QWidget {
  public:
    // `filesFolder`: where zorvan.ini (the recent-file history) and zorvan_店.txt lie.
    CompanionWindow(QString filesFolder, CompanionDesktop desktop, QWidget* parent = nullptr);

    // Opens the notebook; false (after telling the user) when it cannot be read.
    bool openNotebook(const QString& path);
    // The newest notebook of the main program's recent-file history, if there is one.
    void openNewestNotebook();
    bool loadList(const QString& path);
    bool saveList(const QString& path);
    const ShoppingPlan& plan() const { return plan_; }
    QList<ListEntry> ticked() const;
    // The list as printed: one A4 page for a list of 40 items.
    void printList(QPrinter& printer) const;

  private:
    void build();
    void fillProducts();
    void fillShops();
    void replan();
    void showPlan();
    void openBrowser();
    void print();
    void report();
    QString notebookName() const;

    QString filesFolder_;
    CompanionDesktop desktop_;
    QString notebookPath_;
    LoadedNotebook notebook_;
    ShoppingPlan plan_;
    QStringList shopList_;
    bool filling_ = false;

    QLabel* notebookLabel_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QStandardItemModel* products_ = nullptr;
    QSortFilterProxyModel* shown_ = nullptr;
    QTableView* productView_ = nullptr;
    QSpinBox* shopCount_ = nullptr;
    QListWidget* shops_ = nullptr;
    QTreeWidget* planView_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* browserButton_ = nullptr;
    QPushButton* reportButton_ = nullptr;
};
