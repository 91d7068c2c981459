// The command line: --version and --help answer and end, anything else is refused with exit 2,
// and no argument opens the window; the read-me and the manual name the same version.
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
        bool toStandardError;
        QString start; // how the text begins
    } cases[] = {
        {{u"--version"_s}, false, 0, false, u"Pricotta "_s + programVersion() + u'\n'},
        {{u"--version"_s}, true, 0, false, u"Pricotta 価格メモ帳 バージョン "_s + programVersion() + u'\n'},
        {{u"--help"_s}, false, 0, false, u"Usage: pricotta [--help | --version]\n"_s},
        {{u"--help"_s}, true, 0, false, u"使い方: pricotta [--help | --version]\n"_s},
        {{u"-v"_s}, false, 2, true, u"pricotta: unknown argument: -v\nUsage: pricotta"_s},
        {{u"notebook.txt"_s}, true, 2, true, u"pricotta: 使えない引数です: notebook.txt\n使い方: pricotta"_s},
        {{u"--help"_s, u"-x"_s}, false, 2, true, u"pricotta: unknown argument: -x\n"_s},
        {{u"--version"_s, u"--help"_s}, false, 2, true, u"pricotta: too many arguments\n"_s},
        {{u""_s}, false, 2, true, u"pricotta: unknown argument: \n"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString() + (c.japanese ? " (ja)" : ""));
        const CommandLineAnswer answer = answerCommandLine(c.arguments, c.japanese);
        EXPECT_FALSE(answer.openWindow);
        EXPECT_EQ(answer.exitCode, c.exitCode);
        EXPECT_EQ(answer.toStandardError, c.toStandardError);
        EXPECT_TRUE(answer.text.startsWith(c.start)) << answer.text.toStdString();
        EXPECT_TRUE(answer.text.endsWith(u'\n'));
    }
    EXPECT_TRUE(answerCommandLine({}, true).openWindow);
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
