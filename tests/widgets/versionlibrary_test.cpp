// The Qt side of the version command: the library is loaded from the program's folder, its
// FormView shows the texts in a modal window, and the library is unloaded again in every case.
#include "ui/qtuiservices.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const QString LibraryFile = u"libverinf14.so"_s;
// Tells a child run of this program which answer the version command must give.
constexpr char ExpectedResultVariable[] = "PRICOTTA_TEST_VERSION_RESULT";

VersionInfo programInfo() {
    return {573765, u"製品名\u3000Pricotta"_s, u"２．２"_s, u"価格メモ帳"_s, u"2014-2026"_s};
}

// Whether a library of this file name is mapped into this process.
bool mapped(const QString& fileName) {
    QFile maps(u"/proc/self/maps"_s);
    if (!maps.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read /proc/self/maps");
    return maps.readAll().contains(QByteArray("/") + fileName.toUtf8());
}

// Runs `act` on the modal window once it is up.
void whenShown(const std::function<void(QWidget&)>& act) {
    QTimer::singleShot(0, [act] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        act(*QApplication::activeModalWidget());
    });
}

struct SeenWindow {
    QString title;
    QWidget* owner = nullptr;
    QStringList lines; // product, version, label, years, code
};

// Shows the version window through the services, reads it and closes it with OK.
SeenWindow showAndClose(QtUiServices& ui, const VersionInfo& info, VersionWindowResult& result) {
    SeenWindow seen;
    whenShown([&seen](QWidget& window) {
        seen.title = window.windowTitle();
        seen.owner = window.parentWidget();
        for (const QString& name :
             {u"LBL_PRODUCT"_s, u"LBL_VERSION"_s, u"LBL_LABEL"_s, u"LBL_YEARS"_s, u"LBL_CODE"_s}) {
            const auto* line = window.findChild<QLabel*>(name);
            seen.lines << (line ? line->text() : u"(no "_s + name + u')');
        }
        auto* ok = window.findChild<QPushButton*>(u"BTN_OK"_s);
        ASSERT_NE(ok, nullptr);
        ok->click();
    });
    result = ui.showVersionWindow(info);
    return seen;
}

TEST(VersionLibrary, ShowsTheTextsUntilClosedAndIsUnloadedAfterEachCall) {
    QWidget owner;
    QtUiServices ui(owner);
    ASSERT_TRUE(QFile::exists(QCoreApplication::applicationDirPath() + u'/' + LibraryFile));

    VersionWindowResult result{};
    // What was seen is read while the window is up, so FormView has not returned before closing.
    const SeenWindow first = showAndClose(ui, programInfo(), result);
    EXPECT_EQ(result, VersionWindowResult::Shown);
    EXPECT_EQ(first.title, u"バージョン情報"_s);
    EXPECT_EQ(first.owner, &owner);
    EXPECT_EQ(first.lines,
              (QStringList{u"製品名\u3000Pricotta"_s, u"バージョン\u3000２．２"_s, u"価格メモ帳"_s,
                           u"Copyright © 2014-2026"_s, u"製品番号\u3000573765"_s}));
    EXPECT_FALSE(mapped(LibraryFile));

    // Texts longer than a buffer arrive cut to 255 units, never splitting a surrogate pair.
    VersionInfo longTexts = programInfo();
    longTexts.product = QString(300, u'製');
    longTexts.label = QString(254, u'x') + u"😀tail"_s;
    const SeenWindow second = showAndClose(ui, longTexts, result);
    EXPECT_EQ(result, VersionWindowResult::Shown);
    EXPECT_EQ(second.lines.value(0), QString(255, u'製'));
    EXPECT_EQ(second.lines.value(2), QString(254, u'x'));
    EXPECT_FALSE(mapped(LibraryFile));
}

// Only run as the child of the test below, in a copy of this program in a folder of its own.
TEST(VersionLibraryChild, DISABLED_ReportsWhatItFoundAndKeepsNothingLoaded) {
    const QByteArray expected = qgetenv(ExpectedResultVariable);
    ASSERT_FALSE(expected.isEmpty());
    QWidget owner;
    QtUiServices ui(owner);
    EXPECT_EQ(int(ui.showVersionWindow(programInfo())), expected.toInt());
    EXPECT_FALSE(mapped(LibraryFile));
}

TEST(VersionLibrary, MissingLibraryOrFunctionIsReportedAndNothingStaysLoaded) {
    const QString buildDir = QCoreApplication::applicationDirPath();
    QFile noFormView(buildDir + u"/libnoformview.so"_s);
    ASSERT_TRUE(noFormView.open(QIODevice::ReadOnly));
    const struct {
        const char* what;
        QByteArray library; // placed as the version library; empty: none
        VersionWindowResult expected;
    } cases[] = {
        {"no library", {}, VersionWindowResult::LibraryMissing},
        {"a file that is no library", "not a library", VersionWindowResult::LibraryMissing},
        {"a library without FormView", noFormView.readAll(), VersionWindowResult::FunctionMissing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // Inside the build folder, so the copy may run wherever the build itself may.
        QTemporaryDir folder(buildDir + u"/versiontest-XXXXXX"_s);
        ASSERT_TRUE(folder.isValid());
        const QString program = folder.filePath(u"widget_tests"_s);
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), program));
        if (!c.library.isEmpty()) {
            QFile library(folder.filePath(LibraryFile));
            ASSERT_TRUE(library.open(QIODevice::WriteOnly));
            ASSERT_EQ(library.write(c.library), c.library.size());
        }

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(ExpectedResultVariable), QString::number(int(c.expected)));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(
            program,
            {u"--gtest_also_run_disabled_tests"_s,
             u"--gtest_filter=VersionLibraryChild.DISABLED_ReportsWhatItFoundAndKeepsNothingLoaded"_s});
        ASSERT_TRUE(child.waitForFinished(120'000));
        const QString output = QString::fromUtf8(child.readAll());
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains(u"[  PASSED  ] 1 test."_s)) << output.toStdString();
    }
}

} // namespace
