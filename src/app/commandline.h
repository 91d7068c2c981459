// The program's command line, once Qt has taken its own options (-style, -platform, …): --version
// and --help answer with one short text and end the program, one file name opens that notebook
// in the window, no argument opens the window alone, and anything else is refused with the usage.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

struct CommandLineAnswer {
    bool openWindow = true;
    int exitCode = 0;
    QString text; // printed instead of opening the window, ending in a line break
    bool toStandardError = false;
    // The refusal names an option that is not the program's own; Qt may still know it.
    bool unknownOption = false;
    QString fileToOpen; // the notebook to open, as named; empty for none
};

// `arguments` without the program's name; `japanese` picks the language of the texts. After "--"
// every argument is a file name, also one that begins with "-".
CommandLineAnswer answerCommandLine(const QStringList& arguments, bool japanese);

// Whether the user reads Japanese: the first language the locale's user interface asks for.
bool prefersJapanese(const QLocale& locale);
