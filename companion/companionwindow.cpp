#include "companionwindow.h"

#include "cli/browser.h"
#include "cli/clierror.h"
#include "cli/planformats.h"
#include "cli/report.h"
#include "cli/stale.h"
#include "companionfiles.h"
#include "core/apperror.h"
#include "core/appfiles.h"
#include "core/dates.h"
#include "core/names.h"
#include "core/settingsfile.h"
#include "core/textfile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTableView>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString Title = u"Pricotta 買い物プラン"_s;
// The main program's recent-file history: section and newest key of its settings file.
const QString HistorySection = u"F_RIREKI"_s;
// A page handed to the browser is removed after this long (or at the next start).
constexpr int PageLifeMs = 120000;

enum ProductColumn { NameColumn, QuantityColumn };
constexpr int ProductRole = Qt::UserRole + 1;

// "絞り込み(&F)" read by a screen reader as "絞り込み".
QString withoutKey(const QString& text) {
    const qsizetype key = text.indexOf(u"(&"_s);
    return key < 0 ? QString(text).remove(u'&') : text.left(key);
}

QLabel* labelFor(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    buddy->setAccessibleName(withoutKey(text));
    return label;
}

QPushButton* button(const QString& text, const QString& description) {
    auto* b = new QPushButton(text);
    b->setAccessibleName(withoutKey(text));
    b->setAccessibleDescription(description);
    return b;
}

} // namespace

CompanionDesktop CompanionDesktop::real() {
    CompanionDesktop d;
    d.askFile = [](QWidget* parent, const QString& title, bool save) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString filter = u"テキストファイル (*.txt)"_s;
        return save ? QFileDialog::getSaveFileName(parent, title, folder, filter)
                    : QFileDialog::getOpenFileName(parent, title, folder, filter);
    };
    d.tell = [](QWidget* parent, const QString& text) { QMessageBox::warning(parent, Title, text); };
    d.openInBrowser = openWithDesktopBrowser;
    return d;
}

CompanionWindow::CompanionWindow(QString filesFolder, CompanionDesktop desktop, QWidget* parent)
    : QWidget(parent), filesFolder_(std::move(filesFolder)), desktop_(std::move(desktop)) {
    setWindowTitle(Title);
    build();
    replan();
}

void CompanionWindow::build() {
    auto* open = button(u"ノートを開く(&O)..."_s, u"商品と価格を読むノートを選びます"_s);
    notebookLabel_ = new QLabel(u"ノートが開かれていません"_s);
    notebookLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* top = new QHBoxLayout;
    top->addWidget(open);
    top->addWidget(notebookLabel_, 1);

    filter_ = new QLineEdit;
    filter_->setClearButtonEnabled(true);
    products_ = new QStandardItemModel(0, 2, this);
    products_->setHorizontalHeaderLabels({u"商品名"_s, u"数量"_s});
    shown_ = new QSortFilterProxyModel(this);
    shown_->setSourceModel(products_);
    shown_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    shown_->setFilterKeyColumn(NameColumn);
    productView_ = new QTableView;
    productView_->setModel(shown_);
    productView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    productView_->setSelectionMode(QAbstractItemView::SingleSelection);
    productView_->verticalHeader()->hide();
    productView_->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    productView_->setTabKeyNavigation(false);
    productView_->setAccessibleName(u"買う品（スペースでチェック、数量は F2 で変更）"_s);
    auto* load = button(u"一覧を読み込む(&L)..."_s, u"保存した買い物リストのチェックと数量を読み込みます"_s);
    auto* save = button(u"一覧を保存(&S)..."_s, u"チェックした品と数量を買い物リストのファイルに書きます"_s);
    auto* left = new QVBoxLayout;
    left->addWidget(labelFor(u"絞り込み(&F)"_s, filter_));
    left->addWidget(filter_);
    left->addWidget(new QLabel(u"買う品にチェック（数量はダブルクリックか F2）"_s));
    left->addWidget(productView_, 1);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(load);
    listButtons->addWidget(save);
    left->addLayout(listButtons);

    shopCount_ = new QSpinBox;
    shopCount_->setRange(0, 99);
    shopCount_->setSpecialValueText(u"制限なし"_s);
    shops_ = new QListWidget;
    planView_ = new QTreeWidget;
    planView_->setHeaderLabels({u"店名・商品名"_s, u"単価"_s, u"数量"_s, u"金額"_s, u"記録日"_s});
    planView_->setRootIsDecorated(true);
    planView_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    shops_->setMaximumWidth(200);
    summary_ = new QLabel;
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summary_->setFocusPolicy(Qt::StrongFocus);
    summary_->setAccessibleName(u"合計"_s);
    printButton_ = button(u"印刷(&P)..."_s, u"店ごとの買い物リストを印刷します"_s);
    browserButton_ = button(u"ブラウザーで開く(&B)"_s, u"買い物リストをブラウザーで開きます"_s);
    reportButton_ = button(u"底値レポート(&R)"_s, u"ノートの底値レポートをブラウザーで開きます"_s);
    auto* right = new QGridLayout;
    right->addWidget(labelFor(u"回る店の数(&N)"_s, shopCount_), 0, 0);
    right->addWidget(shopCount_, 0, 1);
    right->addWidget(labelFor(u"行ける店(&A)"_s, shops_), 1, 0, 1, 2);
    right->addWidget(shops_, 2, 0, 1, 2);
    auto* planLabel = labelFor(u"買い物プラン(&K)"_s, planView_);
    right->addWidget(planLabel, 0, 2);
    right->addWidget(planView_, 1, 2, 2, 1);
    right->addWidget(summary_, 3, 0, 1, 3);
    auto* actions = new QHBoxLayout;
    actions->addWidget(printButton_);
    actions->addWidget(browserButton_);
    actions->addStretch(1);
    actions->addWidget(reportButton_);
    right->addLayout(actions, 4, 0, 1, 3);
    right->setColumnStretch(2, 1);
    right->setRowStretch(2, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 2);
    body->addLayout(right, 3);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(body, 1);
    resize(1000, 640);

    setTabOrder(open, filter_);
    setTabOrder(filter_, productView_);
    setTabOrder(productView_, load);
    setTabOrder(load, save);
    setTabOrder(save, shopCount_);
    setTabOrder(shopCount_, shops_);
    setTabOrder(shops_, planView_);
    setTabOrder(planView_, summary_);
    setTabOrder(summary_, printButton_);
    setTabOrder(printButton_, browserButton_);
    setTabOrder(browserButton_, reportButton_);

    connect(open, &QPushButton::clicked, this, [this] {
        const QString path = desktop_.askFile(this, u"ノートを開く"_s, false);
        if (!path.isEmpty())
            openNotebook(path);
    });
    connect(load, &QPushButton::clicked, this, [this] {
        const QString path = desktop_.askFile(this, u"買い物リストを読み込む"_s, false);
        if (!path.isEmpty())
            loadList(path);
    });
    connect(save, &QPushButton::clicked, this, [this] {
        const QString path = desktop_.askFile(this, u"買い物リストを保存"_s, true);
        if (!path.isEmpty())
            saveList(path);
    });
    connect(filter_, &QLineEdit::textChanged, shown_, &QSortFilterProxyModel::setFilterFixedString);
    connect(products_, &QStandardItemModel::itemChanged, this, [this] {
        if (!filling_)
            replan();
    });
    connect(shopCount_, &QSpinBox::valueChanged, this, [this] { replan(); });
    connect(shops_, &QListWidget::itemChanged, this, [this] {
        if (!filling_)
            replan();
    });
    connect(printButton_, &QPushButton::clicked, this, [this] { print(); });
    connect(browserButton_, &QPushButton::clicked, this, [this] { openBrowser(); });
    connect(reportButton_, &QPushButton::clicked, this, [this] { report(); });
}

void CompanionWindow::openNewestNotebook() {
    QString newest;
    try {
        newest = SettingsFile::load(filesFolder_ + u"zorvan.ini"_s).value(HistorySection, u"0"_s);
    } catch (const AppError&) {
        return; // no history to follow: the user opens one
    }
    if (!newest.isEmpty() && QFileInfo(newest).isFile())
        openNotebook(newest);
}

bool CompanionWindow::openNotebook(const QString& path) {
    try {
        notebook_ = loadNotebook(path, QDate::currentDate(), NotebookUse::Read);
    } catch (const CliFailure& failure) {
        desktop_.tell(this, failure.message());
        return false;
    } catch (const AppError& error) {
        desktop_.tell(this, error.message());
        return false;
    }
    notebookPath_ = path;
    notebookLabel_->setText(QFileInfo(path).fileName());
    notebookLabel_->setToolTip(path);
    fillProducts();
    fillShops();
    replan();
    return true;
}

void CompanionWindow::fillProducts() {
    filling_ = true;
    products_->removeRows(0, products_->rowCount());
    QStringList names;
    for (const NotebookProduct& p : notebook_.products)
        names << p.view.name;
    for (const qsizetype i : productNameOrder(names)) {
        auto* name = new QStandardItem(notebook_.products[i].view.name);
        name->setCheckable(true);
        name->setEditable(false);
        name->setData(i, ProductRole);
        auto* quantity = new QStandardItem;
        quantity->setData(1, Qt::EditRole);
        products_->appendRow({name, quantity});
    }
    filling_ = false;
}

void CompanionWindow::fillShops() {
    filling_ = true;
    QStringList shopList;
    const QString shopFile = filesFolder_ + QString::fromUtf16(ShopListFileName);
    if (QFileInfo(shopFile).isFile()) {
        try {
            shopList = textfile::readFile(shopFile, MaxShopListBytes).lines;
        } catch (const AppError&) {
            // Without the list the shops follow the notebook's order.
        }
    }
    shops_->clear();
    for (const QString& shop : orderedShops(notebook_.products, shopList)) {
        auto* item = new QListWidgetItem(shop, shops_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    shopList_ = shopList;
    filling_ = false;
}

QList<ListEntry> CompanionWindow::ticked() const {
    QList<ListEntry> entries;
    for (int row = 0; row < products_->rowCount(); ++row) {
        const QStandardItem* name = products_->item(row, NameColumn);
        if (name->checkState() == Qt::Checked)
            entries.append({name->data(ProductRole).value<qsizetype>(),
                            std::clamp(products_->item(row, QuantityColumn)->data(Qt::EditRole).toInt(), 1,
                                       MaxListQuantity)});
    }
    return entries;
}

void CompanionWindow::replan() {
    ShoppingList list;
    list.entries = ticked();
    PlanOptions options;
    options.oldCutOff = oldPriceCutOff(QDate::currentDate(), DefaultStaleMonths);
    options.shopList = shopList_;
    if (shopCount_->value() > 0)
        options.maxShops = shopCount_->value();
    QStringList allowed;
    bool all = true;
    for (int i = 0; i < shops_->count(); ++i) {
        if (shops_->item(i)->checkState() == Qt::Checked)
            allowed << shops_->item(i)->text();
        else
            all = false;
    }
    if (!all)
        options.onlyShops = allowed;
    plan_ = makePlan(notebook_.products, list, options);
    showPlan();
}

void CompanionWindow::showPlan() {
    planView_->clear();
    for (const PlanStop& stop : plan_.stops) {
        auto* shop =
            new QTreeWidgetItem(planView_, {stop.shop, QString(), QString(), totalText(stop.subtotal)});
        for (const PlannedItem& item : stop.items) {
            const QString date = item.price.date ? formatStoredDate(*item.price.date) : item.price.dateText;
            new QTreeWidgetItem(shop,
                                {item.name, formatDisplay(item.price.price), QString::number(item.quantity),
                                 totalText(item.cost), item.price.old ? date + u" ※古い価格"_s : date});
        }
        shop->setExpanded(true);
    }
    for (int c = 1; c < planView_->columnCount(); ++c)
        planView_->headerItem()->setTextAlignment(c, Qt::AlignRight);

    QStringList lines;
    lines << u"合計 %1 円（%2 店、%3 品）"_s.arg(totalText(plan_.total))
                 .arg(plan_.stops.size())
                 .arg(plan_.itemCount());
    AmountDifference saving = 0;
    bool anyStandard = false;
    for (const PlanStop& stop : plan_.stops) {
        for (const PlannedItem& item : stop.items) {
            if (item.standardPrice) {
                saving += AmountDifference(*item.standardPrice) * item.quantity - item.cost;
                anyStandard = true;
            }
        }
    }
    if (anyStandard)
        lines << u"標準価格より %1 円お得"_s.arg(totalText(saving));
    if (plan_.singleShop) {
        QString single =
            u"1 店なら %1 で %2 円"_s.arg(plan_.singleShop->shop, totalText(plan_.singleShop->total));
        if (!plan_.singleShop->missing.isEmpty())
            single += u"（ない品: %1）"_s.arg(plan_.singleShop->missing.join(u'、'));
        lines << single;
    }
    if (!plan_.unpriced.isEmpty())
        lines << u"価格の分からない品: "_s + plan_.unpriced.join(u'、');
    if (plan_.anyOld())
        lines << u"※ 古い価格: %1 以前の記録で、ほかに新しい価格がありません"_s.arg(
            formatStoredDate(plan_.oldCutOff));
    summary_->setText(lines.join(u'\n'));
    const bool any = plan_.itemCount() > 0 || !plan_.unpriced.isEmpty();
    printButton_->setEnabled(any);
    browserButton_->setEnabled(any);
    reportButton_->setEnabled(!notebookPath_.isEmpty());
}

bool CompanionWindow::loadList(const QString& path) {
    QStringList lines;
    try {
        lines = textfile::decode(textfile::readBytes(path)).lines;
    } catch (const AppError& error) {
        desktop_.tell(this, error.message());
        return false;
    }
    const ShoppingList list = readShoppingList(lines, notebook_.products);
    filling_ = true;
    for (int row = 0; row < products_->rowCount(); ++row) {
        QStandardItem* name = products_->item(row, NameColumn);
        const qsizetype product = name->data(ProductRole).value<qsizetype>();
        const auto it = std::find_if(list.entries.cbegin(), list.entries.cend(),
                                     [&](const ListEntry& e) { return e.product == product; });
        name->setCheckState(it == list.entries.cend() ? Qt::Unchecked : Qt::Checked);
        products_->item(row, QuantityColumn)
            ->setData(it == list.entries.cend() ? 1 : it->quantity, Qt::EditRole);
    }
    filling_ = false;
    replan();
    if (!list.unknown.isEmpty()) {
        QStringList message{u"ノートにない品がありました:"_s};
        for (const UnknownLine& u : list.unknown)
            message << (u.closest.isEmpty() ? u"%1行目「%2」"_s.arg(u.line).arg(u.text)
                                            : u"%1行目「%2」 もしかして: %3"_s.arg(u.line).arg(
                                                  u.text, u.closest.join(u'、')));
        desktop_.tell(this, message.join(u'\n'));
    }
    return true;
}

bool CompanionWindow::saveList(const QString& path) {
    try {
        textfile::writeFile(path, shoppingListLines(ticked(), notebook_.products));
    } catch (const AppError& error) {
        desktop_.tell(this, error.message());
        return false;
    }
    return true;
}

QString CompanionWindow::notebookName() const {
    return QFileInfo(notebookPath_).fileName();
}

void CompanionWindow::printList(QPrinter& printer) const {
    QTextDocument document;
    document.setHtml(QString::fromUtf8(planHtml(plan_, notebookName(), CheckBoxes::Squares)));
    document.print(&printer);
}

void CompanionWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printList(printer);
}

// Writes a temporary page and hands it to the browser; the page goes once the browser had time.
static void openPage(QWidget* window, const CompanionDesktop& desktop, const QByteArray& html) {
    QString error;
    const QString page = companionfiles::writeTemporaryPage(html, &error);
    if (page.isEmpty()) {
        desktop.tell(window, u"一時ファイルを書けません（%1）"_s.arg(error));
        return;
    }
    const QString failure = desktop.openInBrowser(page);
    if (!failure.isEmpty()) {
        QFile::remove(page);
        desktop.tell(window, u"ブラウザーで開けませんでした: %1"_s.arg(failure));
        return;
    }
    QTimer::singleShot(PageLifeMs, window, [page] { QFile::remove(page); });
}

void CompanionWindow::openBrowser() {
    openPage(this, desktop_, planHtml(plan_, notebookName()));
}

void CompanionWindow::report() {
    openPage(this, desktop_, reportHtml(notebook_, notebookName(), QDate::currentDate()));
}
