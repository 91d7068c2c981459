// The companion's commands: arguments in, exit status, standard output and standard error out.
// The program's main passes the real date, streams and browser; tests pass their own.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

struct CliEnvironment {
    QDate today;
    QByteArray out; // what goes to standard output
    QByteArray err; // standard error, UTF-8
    // Opens a file in the desktop's browser; an empty text, or why it failed.
    std::function<QString(const QString& path)> openInBrowser;
    // Where `report --open` without -o puts the page.
    QString temporaryFolder;
    // Standard input, read whole (a shopping list given as "-").
    std::function<QByteArray()> readInput;
    // The user's shop list (zorvan_店.txt), whose order breaks ties between plans; empty for none.
    QString shopListFile;
};

// Runs one command (the arguments after the program's name) and returns the exit status.
int runCli(const QStringList& arguments, CliEnvironment& env);
