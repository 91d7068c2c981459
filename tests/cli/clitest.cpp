#include "clitest.h"

#include "support/notebooklines.h"

#include <QDir>

CliRun runCommand(const QStringList& arguments, const QString& browserFailure) {
    CliRun run;
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

QStringList record(const QString& name, const QString& standardPrice, const QList<Seen>& seen,
                   const QString& memo, const QString& emptySlotDate) {
    QStringList lines{name, standardPrice};
    for (int j = 0; j < 5; ++j) {
        if (j < seen.size())
            lines << seen[j].shop << seen[j].price << seen[j].date;
        else
            lines << QString() << QString() << emptySlotDate;
    }
    lines << memo;
    return lines;
}
