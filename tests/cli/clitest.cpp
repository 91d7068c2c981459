#include "clitest.h"

#include "cli/language.h"
#include "notebook/pricebook.h"
#include "support/notebooklines.h"

#include <QDir>
#include <QProcess>

using namespace Qt::StringLiterals;

CliRun runCommand(const QStringList& arguments, const QString& browserFailure) {
    CliRun run;
    setMessageLanguage(Language::Japanese);
    CliEnvironment env;
    env.today = TestToday;
    env.temporaryFolder = QDir::tempPath();
    env.openInBrowser = [&](const QString& path) {
        run.opened << path;
        return browserFailure;
    };
    run.status = runCli(arguments, env);
    run.out = env.out;
    run.err = QString::fromUtf8(env.err);
    return run;
}

QProcessEnvironment programEnvironment(const QStringList& locale) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& variable : {u"LC_ALL"_s, u"LC_MESSAGES"_s, u"LANG"_s, u"LANGUAGE"_s})
        environment.remove(variable);
    for (const QString& setting : locale)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    return environment;
}

ProgramRun runProgram(const QStringList& arguments, const QString& outputFile, const QByteArray& input,
                      int waitSeconds, const QStringList& locale) {
    QProcess p;
    p.setProcessEnvironment(programEnvironment(locale));
    if (!outputFile.isEmpty())
        p.setStandardOutputFile(outputFile);
    p.start(QStringLiteral(PRICOTTA_CLI_PROGRAM), arguments);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(waitSeconds * 1000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QStringList record(const QString& name, const QString& standardPrice, const QList<Seen>& seen,
                   const QString& memo, const QString& emptySlotDate) {
    QStringList lines{name, standardPrice};
    for (int j = 0; j < PriceSlots; ++j) {
        if (j < seen.size())
            lines << seen[j].shop << seen[j].price << seen[j].date;
        else
            lines << QString() << QString() << emptySlotDate;
    }
    lines << memo;
    return lines;
}
