// Running the companion's commands inside the tests, on notebooks written to a scratch folder.
#pragma once

#include "cli/command.h"
#include "support/testfiles.h"

#include <QDate>
#include <QStringList>

// The day every test runs on, so dates and the stale cut-off never depend on the machine.
inline const QDate TestToday(2016, 6, 1);

struct CliRun {
    int status = -1;
    QByteArray out;
    QString err;
    QStringList opened; // files handed to the browser
};

// Runs one command with TestToday; the browser opens nothing and answers `browserFailure`.
CliRun runCommand(const QStringList& arguments, const QString& browserFailure = QString());

// The 18 lines of a product: standard price, up to five observations as {shop, price, date}, memo.
struct Seen {
    QString shop;
    QString price;
    QString date;
};
QStringList record(const QString& name, const QString& standardPrice, const QList<Seen>& seen,
                   const QString& memo = QString(),
                   const QString& emptySlotDate = QStringLiteral("2016/06/01"));
