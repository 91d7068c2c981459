#include "ui/mainwindow.h"

#include "core/controltable.h"
#include "core/dispatch.h"
#include "core/windownames.h"
#include "ui/controlbuilder.h"
#include "ui/qtcontrols.h"
#include "ui/qtuiservices.h"
#include "ui/textcolor.h"
#include "ui/windowplacement.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>

#include <algorithm>
#include <stdexcept>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString PopupMenuName = fmain::PopupMenu1;

} // namespace

MainWindow::MainWindow(const QString& programDir) {
    // The images live in a static library: this keeps the linker from dropping them.
    Q_INIT_RESOURCE(resources);
    const WindowSpec& desc = mainWindowSpec();
    // Fixed border with the system menu and minimise only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(programFont(desc.fontPx));
    // The menu stays inside the window, where the layout leaves room for it.
    menuBar()->setNativeMenuBar(false);

    auto* surface = new QWidget(this);
    surface->setObjectName(u"F_MAIN_client"_s);
    setCentralWidget(surface);
    buildControls(*surface, desc);
    buildMenus();
    decorate();

    controls_ = std::make_unique<QtControls>(*this, desc);
    ui_ = std::make_unique<QtUiServices>(*this);
    form_ = std::make_unique<MainForm>(*controls_, *ui_, programDir);
    form_->requestClose = [this] { close(); };
    wire();
    addShortcuts();

    WindowBounds bounds;
    dispatch(*ui_, [&] { bounds = form_->FormCreate(); });
    applyBounds(bounds);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    QHash<QString, QMenu*> menus;
    const QFont menuFont = programFont(mainWindowSpec().fontPx);
    for (const ControlSpec& c : mainWindowSpec().controls) {
        if (c.kind != ControlKind::MenuItem)
            continue;
        const QString name = QString::fromUtf16(c.name);
        const QString caption = QString::fromUtf16(c.text);
        const QString parent = QString::fromUtf16(c.parent);
        if (parent.isEmpty()) {
            QMenu* menu = name == PopupMenuName ? new QMenu(this) : menuBar()->addMenu(caption);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            menu->setFont(menuFont);
            menus.insert(name, menu);
            continue;
        }
        QMenu* menu = menus.value(parent);
        if (!menu)
            throw std::logic_error("menu item before its menu: " + name.toStdString());
        QAction* action = caption == u"-" ? menu->addSeparator() : menu->addAction(caption);
        action->setObjectName(name);
    }
    popupMenu_ = menus.value(PopupMenuName);

    auto* addOption = findChild<QAction*>(fmain::MN_ADD_OPTION);
    addOption->setCheckable(true);
    addOption->setChecked(true);
}

void MainWindow::decorate() {
    // The hint line is lighter than the rest, in a grey that still reads.
    setTextColor(*findChild<QLabel*>(fmain::Label9), colors::Silver, QPalette::Window);
}

void MainWindow::wire() {
    for (const ControlSpec& c : mainWindowSpec().controls) {
        const QString name = QString::fromUtf16(c.name);
        if (c.kind == ControlKind::Button || c.kind == ControlKind::ImageButton) {
            connect(findChild<QAbstractButton*>(name), &QAbstractButton::clicked, this,
                    [this, name] { form_->click(name); });
        }
        const bool turnsWithWheel = c.kind == ControlKind::DropList || c.kind == ControlKind::EditCombo ||
                                    c.kind == ControlKind::DatePicker;
        if (MainForm::keyHandlerOf(name) != MainForm::KeyHandler::None || turnsWithWheel)
            findChild<QWidget*>(name)->installEventFilter(this);
    }

    for (QMenu* menu : findChildren<QMenu*>())
        connect(menu, &QMenu::triggered, this, &MainWindow::menuItemChosen);
    // Opening the File menu rebuilds its history entries.
    connect(findChild<QMenu*>(fmain::MN_FILE), &QMenu::aboutToShow, this,
            [this] { form_->click(fmain::MN_FILE); });

    auto* products = findChild<QComboBox*>(fmain::CBO_SYOMEI);
    // `activated` comes only from the user's pick, never from the program's own changes.
    connect(products, &QComboBox::activated, this, [this] { form_->click(fmain::CBO_SYOMEI); });
    products->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(products, &QWidget::customContextMenuRequested, this,
            [this, products](const QPoint& at) { popupMenu_->popup(products->mapToGlobal(at)); });
}

void MainWindow::addShortcuts() {
    addControlKeys(*this, mainWindowSpec());
    // The save button runs the menu's save: it shows the menu item's key.
    showKeyInToolTip(*findChild<QWidget*>(fmain::SPD_SAVE), findChild<QAction*>(fmain::MN_SAVE)->shortcut());
    // コピー copies the product picked in the list: its key works in the list alone, where the edits'
    // own Ctrl+C cannot be meant, and the pop-up menu shows it.
    auto* copy = findChild<QAction*>(fmain::POP_COPY);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    findChild<QComboBox*>(fmain::CBO_SYOMEI)->addAction(copy);
}

void MainWindow::openNamedFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    dispatch(*ui_, [&] { form_->OpenChosenFile(absolute); });
}

void MainWindow::menuItemChosen(QAction* action) {
    // The handler of a check-mark item sets the mark itself; undo Qt's own toggle first.
    if (action->isCheckable())
        action->setChecked(!action->isChecked());
    if (!action->objectName().isEmpty())
        form_->click(action->objectName());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The wheel turns a list or a date only in the control that has the focus: passing over the
    // product list must not swap the product in the entry panel.
    if (event->type() == QEvent::Wheel)
        return !static_cast<QWidget*>(watched)->hasFocus();
    const QString name = watched->objectName();
    if (event->type() != QEvent::KeyPress || MainForm::keyHandlerOf(name) == MainForm::KeyHandler::None)
        return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    QChar typed;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        typed = QChar(13);
    else if (!key->text().isEmpty())
        typed = key->text().front();
    else
        return false;

    return form_->keyPress(name, typed);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool allow = false;
    dispatch(*ui_, [&] { allow = form_->FormCloseQuery(frameGeometry().x(), frameGeometry().y()); });
    if (allow)
        event->accept();
    else
        event->ignore();
}

void MainWindow::applyBounds(const WindowBounds& bounds) {
    QList<QRect> screens;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        screens << primary->geometry();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            screens << screen->geometry();
    }
    bounds_ = placeWindow(bounds, screens);
    frameMargins_ = QSize(-1, -1);
    move(bounds_.left, bounds_.top);
    fitFrame();
}

void MainWindow::fitFrame() {
    const QSize margins = frameGeometry().size() - geometry().size();
    if (margins == frameMargins_)
        return;
    frameMargins_ = margins;
    // However small the saved size, the window keeps a client area to show.
    setFixedSize(std::max(1, bounds_.width - margins.width()),
                 std::max(1, bounds_.height - margins.height()));
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A new palette (another theme, light or dark): the coloured texts get shades that read on it,
    // once every control has taken the new palette.
    if (event->type() == QEvent::PaletteChange)
        QMetaObject::invokeMethod(
            this, [this] { repaintTextColors(*this); }, Qt::QueuedConnection);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    fitFrame();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    fitFrame();
}
