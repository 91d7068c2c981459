// The program's command line: --version and --help answer with one short text and end the
// program, anything else is refused with the usage, and no argument at all opens the window.
// Decided before any window or display is needed.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

struct CommandLineAnswer {
    bool openWindow = true;
    int exitCode = 0;
    QString text; // printed instead of opening the window, ending in a line break
    bool toStandardError = false;
};

// `arguments` without the program's name; `japanese` picks the language of the texts.
CommandLineAnswer answerCommandLine(const QStringList& arguments, bool japanese);

// Whether the user reads Japanese: the first language the locale's user interface asks for.
bool prefersJapanese(const QLocale& locale);
