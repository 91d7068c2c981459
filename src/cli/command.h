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
    QByteArray out; // what goes to standard output, when writeOut is not set
    // Writes to standard output as the output is made (a pipe reader sees the first lines at once);
    // an empty text, or why it failed.
    std::function<QString(QByteArrayView bytes)> writeOut;
    // Reads standard input whole, at most `maxBytes` + 1 bytes (so that more is seen); unset: empty.
    std::function<QByteArray(qint64 maxBytes)> readIn;
    QByteArray err; // standard error, UTF-8
    // Opens a file in the desktop's browser; an empty text, or why it failed.
    std::function<QString(const QString& path)> openInBrowser;
    // The width of the terminal standard output is; 0 when it is no terminal (tables are then
    // written whole).
    int terminalColumns = 0;
    // Where `report --open` without -o puts the page.
    QString temporaryFolder;
    // The user's shop list (zorvan_店.txt), whose order breaks ties between plans; empty for none.
    QString shopListFile;
};

// Runs one command (the arguments after the program's name) and returns the exit status.
int runCli(const QStringList& arguments, CliEnvironment& env);
