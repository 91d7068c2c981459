// The command line: --version and --help answer and end, one file name opens that notebook, no
// argument opens the window alone, anything else is refused with exit 2; the read-me and the manual
// name the same version.
#include "app/commandline.h"
#include "core/programinfo.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(CommandLine, AnswersVersionAndHelpAndRefusesTheRest) {
    const struct {
        QStringList arguments;
        bool japanese;
        int exitCode;
        bool unknownOption; // Qt may know it: judged again once Qt has taken its own
        QString start;      // how the text begins
    } cases[] = {
        {{u"--version"_s}, false, 0, false, u"Pricotta "_s + programVersion() + u'\n'},
        {{u"--version"_s}, true, 0, false, u"Pricotta 価格メモ帳 バージョン "_s + programVersion() + u'\n'},
        {{u"--help"_s}, false, 0, false, u"Usage: pricotta [FILE]\n       pricotta --help | --version\n"_s},
        {{u"--help"_s}, true, 0, false, u"使い方: pricotta [ファイル]\n"_s},
        {{u"-v"_s}, false, 2, true, u"pricotta: unknown argument: -v\nUsage: pricotta"_s},
        {{u"a.txt"_s, u"-style"_s, u"fusion"_s}, false, 2, true, u"pricotta: unknown argument: -style\n"_s},
        {{u"--help"_s, u"-x"_s}, false, 2, true, u"pricotta: unknown argument: -x\n"_s},
        {{u"--version"_s, u"--help"_s}, false, 2, false, u"pricotta: too many arguments\n"_s},
        {{u"--help"_s, u"book.txt"_s}, false, 2, false, u"pricotta: too many arguments\n"_s},
        {{u"a.txt"_s, u"b.txt"_s}, false, 2, false, u"pricotta: only one file can be opened\n"_s},
        {{u"a.txt"_s, u"--"_s, u"-b.txt"_s},
         true,
         2,
         false,
         u"pricotta: 開けるファイルは一つだけです\n使い方"_s},
        {{u""_s}, false, 2, false, u"pricotta: unknown argument: \n"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString() + (c.japanese ? " (ja)" : ""));
        const CommandLineAnswer answer = answerCommandLine(c.arguments, c.japanese);
        EXPECT_FALSE(answer.openWindow);
        EXPECT_EQ(answer.exitCode, c.exitCode);
        EXPECT_EQ(answer.toStandardError, c.exitCode != 0);
        EXPECT_EQ(answer.unknownOption, c.unknownOption);
        EXPECT_TRUE(answer.text.startsWith(c.start)) << answer.text.toStdString();
        EXPECT_TRUE(answer.text.endsWith(u'\n'));
    }
}

TEST(CommandLine, OneFileNameOpensThatNotebookInTheWindow) {
    const struct {
        QStringList arguments;
        QString file;
    } cases[] = {
        {{}, QString()},
        {{u"家計.txt"_s}, u"家計.txt"_s},
        {{u"/home/u/メモ帳 2024.txt"_s}, u"/home/u/メモ帳 2024.txt"_s},
        {{u"--"_s, u"-家計.txt"_s}, u"-家計.txt"_s},
        {{u"--"_s, u"--help"_s}, u"--help"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CommandLineAnswer answer = answerCommandLine(c.arguments, true);
        EXPECT_TRUE(answer.openWindow);
        EXPECT_EQ(answer.fileToOpen, c.file);
        EXPECT_TRUE(answer.text.isEmpty());
    }
}

TEST(CommandLine, JapaneseWhenTheUserInterfaceLanguageIsJapanese) {
    EXPECT_TRUE(prefersJapanese(QLocale(QLocale::Japanese, QLocale::Japan)));
    EXPECT_FALSE(prefersJapanese(QLocale(QLocale::English, QLocale::UnitedStates)));
    EXPECT_FALSE(prefersJapanese(QLocale::c()));
}

TEST(ProgramVersion, TheReadMeAndTheManualNameTheBuildsVersion) {
    for (const QString& name : {u"お読み下さい.txt"_s, u"zorvan_00.html"_s}) {
        SCOPED_TRACE(name.toStdString());
        QFile file(QStringLiteral(PRICOTTA_SOURCE_DIR) + u"/resources/"_s + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(text.contains(programVersionFullWidth()));
        EXPECT_TRUE(text.contains(u"pricotta_"_s + programVersion() + u"_amd64.deb"_s));
    }
}

} // namespace
