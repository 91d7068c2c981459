// The companion window offscreen: ticking products plans at once, the shops limit and the allowed
// shops, the list saved and loaded as `plan` reads it, the newest notebook of the history, the
// pages handed to the browser, the printed list on one A4 page, every control named and reachable,
// and nothing written outside the program's settings folder.
#include "companionfiles.h"
#include "companionwindow.h"
#include "support/notebooklines.h"
#include "support/testfiles.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString daysAgo(int days) {
    return QDate::currentDate().addDays(-days).toString(u"yyyy/MM/dd"_s);
}

// 卵 is cheapest at B店, 牛乳 at A店; B店 has both.
QList<QStringList> products() {
    QList<QStringList> list;
    QStringList egg = productLines(u"卵"_s, u"250"_s, u"A店"_s, u"230"_s, daysAgo(3));
    egg[RecordOffset::shop(2)] = u"B店"_s;
    egg[RecordOffset::price(2)] = u"198"_s;
    egg[RecordOffset::date(2)] = daysAgo(2);
    QStringList milk = productLines(u"牛乳 1L"_s, u"220"_s, u"A店"_s, u"178"_s, daysAgo(5));
    milk[RecordOffset::shop(2)] = u"B店"_s;
    milk[RecordOffset::price(2)] = u"200"_s;
    milk[RecordOffset::date(2)] = daysAgo(5);
    list << egg << milk << productLines(u"お米"_s, u"4000"_s);
    return list;
}

struct Desktop {
    QStringList answers; // files the dialogs give, in turn
    QStringList told;
    QStringList opened;
    CompanionDesktop make() {
        CompanionDesktop d;
        d.askFile = [this](QWidget*, const QString&, bool) {
            return answers.isEmpty() ? QString() : answers.takeFirst();
        };
        d.tell = [this](QWidget*, const QString& text) { told << text; };
        d.openInBrowser = [this](const QString& path) {
            opened << path;
            return QString();
        };
        return d;
    }
};

struct Fixture {
    TestDir dir;
    Desktop desktop;
    QString notebook = dir.write(u"家計.txt"_s, cp932Lines(::notebook(products())));
    CompanionWindow window{dir.path() + u'/', desktop.make()};

    template <class T> T* find(const QString& accessibleName) const {
        for (T* w : window.findChildren<T*>()) {
            if (w->accessibleName() == accessibleName)
                return w;
        }
        ADD_FAILURE() << "no control named " << accessibleName.toStdString();
        return nullptr;
    }
    QStandardItemModel* model() const {
        auto* view = find<QTableView>(u"買う品（スペースでチェック、数量は F2 で変更）"_s);
        return qobject_cast<QStandardItemModel*>(
            qobject_cast<QAbstractProxyModel*>(view->model())->sourceModel());
    }
    // Ticks the product as a user does: the row selected in the list, then Space.
    void tick(const QString& name, int quantity = 1) {
        auto* view = find<QTableView>(u"買う品（スペースでチェック、数量は F2 で変更）"_s);
        const QModelIndexList rows =
            view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        ASSERT_EQ(rows.size(), 1) << name.toStdString();
        view->setCurrentIndex(rows.first());
        QTest::keyClick(view, Qt::Key_Space);
        view->model()->setData(rows.first().siblingAtColumn(1), quantity, Qt::EditRole);
    }
    QStringList planRows() const {
        QStringList rows;
        auto* tree = find<QTreeWidget>(u"買い物プラン"_s);
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* shop = tree->topLevelItem(i);
            rows << shop->text(0) + u' ' + shop->text(3);
            for (int j = 0; j < shop->childCount(); ++j)
                rows << u"  "_s + shop->child(j)->text(0) + u" ×"_s + shop->child(j)->text(2) + u' ' +
                            shop->child(j)->text(3);
        }
        return rows;
    }
};

} // namespace

TEST(CompanionWindow, TickingPlansAtOnceAndTheLimitsChangeThePlan) {
    Fixture f;
    ASSERT_TRUE(f.window.openNotebook(f.notebook));
    f.tick(u"卵"_s, 2);
    f.tick(u"牛乳 1L"_s);
    f.tick(u"お米"_s);
    EXPECT_EQ(f.planRows(),
              (QStringList{u"A店 178"_s, u"  牛乳 1L ×1 178"_s, u"B店 396"_s, u"  卵 ×2 396"_s}));
    const QString summary = f.find<QLabel>(u"合計"_s)->text();
    EXPECT_TRUE(summary.contains(u"合計 574 円（2 店、2 品）"_s)) << summary.toStdString();
    // 卵 2 × (250 − 198) + 220 − 178
    EXPECT_TRUE(summary.contains(u"標準価格より 146 円お得"_s)) << summary.toStdString();
    EXPECT_TRUE(summary.contains(u"価格の分からない品: お米"_s));

    f.find<QSpinBox>(u"回る店の数"_s)->setValue(1);
    EXPECT_EQ(f.planRows(), (QStringList{u"B店 596"_s, u"  牛乳 1L ×1 200"_s, u"  卵 ×2 396"_s}));
    f.find<QSpinBox>(u"回る店の数"_s)->setValue(0);
    auto* shops = f.find<QListWidget>(u"行ける店"_s);
    ASSERT_EQ(shops->count(), 2);
    shops->item(1)->setCheckState(Qt::Unchecked); // no B店
    EXPECT_EQ(f.planRows(), (QStringList{u"A店 638"_s, u"  牛乳 1L ×1 178"_s, u"  卵 ×2 460"_s}));
}

TEST(CompanionWindow, SavesTheListAsPlanReadsItAndLoadsItBack) {
    Fixture f;
    ASSERT_TRUE(f.window.openNotebook(f.notebook));
    f.tick(u"卵"_s, 3);
    f.tick(u"牛乳 1L"_s);
    const QString list = f.dir.file(u"買い物.txt"_s);
    f.desktop.answers << list;
    QTest::mouseClick(f.find<QPushButton>(u"一覧を保存"_s), Qt::LeftButton);
    EXPECT_EQ(f.dir.read(u"買い物.txt"_s), cp932Lines({u"牛乳 1L"_s, u"卵 ×3"_s}));

    // The same list given to pricotta-cli plans the same total.
    QProcess cli;
    cli.start(QStringLiteral(PRICOTTA_CLI_PROGRAM), {u"plan"_s, f.notebook, list, u"--format"_s, u"json"_s});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_TRUE(cli.readAllStandardOutput().contains("\"total\": 772,"));

    Fixture other;
    ASSERT_TRUE(other.window.openNotebook(other.notebook));
    other.tick(u"お米"_s);
    other.desktop.answers << list;
    QTest::mouseClick(other.find<QPushButton>(u"一覧を読み込む"_s), Qt::LeftButton);
    EXPECT_EQ(other.planRows(),
              (QStringList{u"A店 178"_s, u"  牛乳 1L ×1 178"_s, u"B店 594"_s, u"  卵 ×3 594"_s}));
    EXPECT_EQ(other.window.ticked().size(), 2); // お米 is no longer ticked
    EXPECT_TRUE(other.desktop.told.isEmpty()) << other.desktop.told.join(u'\n').toStdString();
}

TEST(CompanionWindow, TheFilterNarrowsTheProducts) {
    Fixture f;
    ASSERT_TRUE(f.window.openNotebook(f.notebook));
    f.find<QLineEdit>(u"絞り込み"_s)->insert(u"牛乳 "_s);
    QTest::keyClicks(f.find<QLineEdit>(u"絞り込み"_s), u"1l"_s);
    EXPECT_EQ(f.find<QTableView>(u"買う品（スペースでチェック、数量は F2 で変更）"_s)->model()->rowCount(),
              1);
}

TEST(CompanionWindow, OpensTheNewestNotebookOfTheHistoryAndRefusesWhatIsNoNotebook) {
    Fixture f;
    f.dir.write(u"zorvan.ini"_s, cp932Lines({u"[F_RIREKI]"_s, u"0="_s + f.notebook}));
    f.window.openNewestNotebook();
    EXPECT_EQ(f.model()->rowCount(), 3);
    const QString foreign = f.dir.write(u"other.txt"_s, cp932Lines({u"A店"_s}));
    EXPECT_FALSE(f.window.openNotebook(foreign));
    ASSERT_EQ(f.desktop.told.size(), 1);
    EXPECT_TRUE(f.desktop.told.first().contains(u"当ソフトで作成されたデータではありません"_s));
}

TEST(CompanionWindow, HandsTheListAndTheReportToTheBrowserAndRemovesLeftPages) {
    Fixture f;
    ASSERT_TRUE(f.window.openNotebook(f.notebook));
    f.tick(u"卵"_s);
    QTest::mouseClick(f.find<QPushButton>(u"ブラウザーで開く"_s), Qt::LeftButton);
    QTest::mouseClick(f.find<QPushButton>(u"底値レポート"_s), Qt::LeftButton);
    ASSERT_EQ(f.desktop.opened.size(), 2);
    QFile list(f.desktop.opened[0]);
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readAll().contains("<input type=\"checkbox\">"));
    QFile report(f.desktop.opened[1]);
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_TRUE(report.readAll().contains("底値レポート"));

    // At the next start the pages go; another program's file of a like name stays.
    const QString foreign = QDir::temp().filePath(u"pricotta-report-keep.html"_s);
    QFile(foreign).open(QIODevice::WriteOnly);
    companionfiles::removeLeftPages(QDir::tempPath());
    EXPECT_FALSE(QFile::exists(f.desktop.opened[0]));
    EXPECT_FALSE(QFile::exists(f.desktop.opened[1]));
    EXPECT_TRUE(QFile::exists(foreign));
    QFile::remove(foreign);
}

TEST(CompanionWindow, PrintsAListOfFortyItemsOnOneA4Page) {
    TestDir dir;
    QList<QStringList> many;
    for (int i = 0; i < 40; ++i)
        many << productLines(u"商品 %1 のやや長い名前"_s.arg(i), u"300"_s, u"店%1"_s.arg(i % 4), u"198"_s,
                             daysAgo(i));
    const QString nb = dir.write(u"nb.txt"_s, cp932Lines(notebook(many)));
    Desktop desktop;
    CompanionWindow window(dir.path() + u'/', desktop.make());
    ASSERT_TRUE(window.openNotebook(nb));
    const QString list = dir.write(u"list.txt"_s, [&] {
        QStringList lines;
        for (int i = 0; i < 40; ++i)
            lines << u"商品 %1 のやや長い名前"_s.arg(i);
        return cp932Lines(lines);
    }());
    ASSERT_TRUE(window.loadList(list));
    ASSERT_EQ(window.plan().itemCount(), 40);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(dir.file(u"list.pdf"_s));
    window.printList(printer);
    const QByteArray pdf = dir.read(u"list.pdf"_s);
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1)
        << pdf.left(4000).toStdString();
}

TEST(CompanionWindow, EveryControlIsNamedAndReachableByTab) {
    Fixture f;
    f.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
    QSet<QWidget*> reached;
    QWidget* start = f.window.nextInFocusChain();
    QWidget* w = start;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            reached.insert(w);
        w = w->nextInFocusChain();
    } while (w != start);
    for (QWidget* control : f.window.findChildren<QWidget*>()) {
        const bool interactive =
            qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
            qobject_cast<QAbstractSpinBox*>(control) || qobject_cast<QAbstractItemView*>(control);
        // The parts Qt builds inside a control (a spin box's editor, a view's header) are not its own.
        if (!interactive || control->parentWidget() != &f.window || control->focusProxy())
            continue;
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
        EXPECT_TRUE(reached.contains(control)) << control->accessibleName().toStdString();
    }
}

TEST(CompanionWindow, QtsFileDialogWritesItsStateInTheSettingsFolderOnly) {
    TestDir settings;
    companionfiles::keepQtSettingsIn(settings.path());
    CompanionDesktop desktop = CompanionDesktop::real();
    TestDir dir;
    CompanionWindow window(dir.path() + u'/', desktop);
    window.show();
    // The real dialog opens; it is closed as the user would close it.
    QTimer::singleShot(200, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QFileDialog*>(w))
                dialog->reject();
        }
    });
    QTest::mouseClick(window.findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(settings.path() + u"/QtProject.conf"_s));
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    EXPECT_FALSE(QFile::exists(config + u"/QtProject.conf"_s));
    EXPECT_TRUE(QDir(config).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty())
        << QDir(config)
               .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
               .join(u' ')
               .toStdString();
}
