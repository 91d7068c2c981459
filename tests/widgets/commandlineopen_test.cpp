// A notebook named on the command line opens in the window as 開く opens the file its dialog
// gives: loaded, in the caption and at the top of the history, or refused with 開く's message.
#include "notebook/pricebook.h"
#include "support/qtprinters.h"
#include "support/testfiles.h"
#include "ui/mainwindow.h"
#include "ui/qtcontrols.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStringDecoder>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(CommandLineOpen, OpensTheNamedNotebookAsOpenDoes) {
    TestDir dir;
    QStringList lines{u"zorvandata"_s, u"牛乳"_s, u"198"_s};
    for (int slot = 1; slot <= PriceSlots; ++slot)
        lines << QString() << QString() << u"2024/05/01"_s;
    lines << QString();
    const QString book = dir.write(u"家計.txt"_s, cp932Lines(lines));
    MainWindow window(dir.path());

    // Named relative to the current folder, recorded by its full path.
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    window.openNamedFile(u"家計.txt"_s);
    QDir::setCurrent(before);
    EXPECT_EQ(window.form().currentFileName(), book);
    EXPECT_EQ(window.windowTitle(), u"Pricotta - "_s + book);
    EXPECT_EQ(window.controls().text(u"LBL_KEN"_s), u"1件"_s);
    QFile settings(dir.file(u"zorvan.ini"_s));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    QStringDecoder cp932("Shift_JIS");
    EXPECT_TRUE(QString(cp932(settings.readAll())).contains(u"0="_s + book)) << "the history holds it";

    // Refusals are 開く's, and the open notebook stays.
    const struct {
        QString file;
        QString told;
    } refused[] = {
        {dir.file(u"ない.txt"_s), dir.file(u"ない.txt"_s) + u" が見つかりません"_s},
        {dir.write(u"other.txt"_s, QByteArray("not a notebook\r\n")), QString()},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.file.toStdString());
        QString told;
        QTimer::singleShot(0, [&told] {
            ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            told = box->text();
            box->accept();
        });
        window.openNamedFile(r.file);
        EXPECT_FALSE(told.isEmpty());
        if (!r.told.isEmpty()) {
            EXPECT_EQ(told, r.told);
        }
        EXPECT_EQ(window.form().currentFileName(), book);
    }
}

} // namespace
