// Running the companion's commands inside the tests, on notebooks written to a scratch folder.
#pragma once

#include "cli/command.h"
#include "support/testfiles.h"

#include <QDate>
#include <QProcessEnvironment>
#include <QStringList>

// The day every test runs on, so dates and the stale cut-off never depend on the machine.
inline const QDate TestToday(2016, 6, 1);

struct CliRun {
    int status = -1;
    QByteArray out;
    QString err;
    QStringList opened; // files handed to the browser
};

// Runs one command with TestToday and Japanese messages; the browser opens nothing and answers
// `browserFailure`.
CliRun runCommand(const QStringList& arguments, const QString& browserFailure = QString());

// The environment the program runs in as a process: the test's own, with the locale variables
// (LC_ALL, LC_MESSAGES, LANG, LANGUAGE) replaced by `locale`, e.g. {"LANG=ja_JP.UTF-8"}; an empty
// list sets none. The tests themselves run with LC_ALL=C.UTF-8 and CI machines may set anything,
// so a test that checks a message says which language it expects.
QProcessEnvironment programEnvironment(const QStringList& locale);
inline const QStringList JapaneseLocale{QStringLiteral("LANG=ja_JP.UTF-8")};

struct ProgramRun {
    int status = -1; // -1 when it did not end by itself within the wait
    QString out;
    QString err;
};

// Runs pricotta-cli as a process with `input` on its standard input (and standard output into
// `outputFile` when given), in `locale`.
ProgramRun runProgram(const QStringList& arguments, const QString& outputFile = QString(),
                      const QByteArray& input = QByteArray(), int waitSeconds = 60,
                      const QStringList& locale = JapaneseLocale);

// The 18 lines of a product: standard price, up to five observations as {shop, price, date}, memo.
struct Seen {
    QString shop;
    QString price;
    QString date;
};
QStringList record(const QString& name, const QString& standardPrice, const QList<Seen>& seen,
                   const QString& memo = QString(),
                   const QString& emptySlotDate = QStringLiteral("2016/06/01"));
