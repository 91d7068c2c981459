// Pricotta: a notebook of shopping prices.
#include "app/commandline.h"
#include "core/memoryrelease.h"
#include "core/programinfo.h"
#include "ui/desktop.h"
#include "ui/mainwindow.h"
#include "ui/qtuiservices.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    // --version and --help answer before anything needs a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLineAnswer answer = answerCommandLine(arguments, prefersJapanese(QLocale::system()));
    if (!answer.openWindow) {
        const QByteArray text = answer.text.toLocal8Bit();
        std::fputs(text.constData(), answer.toStandardError ? stderr : stdout);
        return answer.exitCode;
    }

    keepLargeBlocksApart();
    QApplication app(argc, argv);
    // The application title; the display name stays unset, as Qt would append it to every caption.
    QApplication::setApplicationName(u"Pricotta"_s);
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(desktopFileName());
    keepQtSettingsOutOfUserFolders();

    MainWindow window;
    showWithApplicationIcon(window);
    // Qt's own texts in Japanese once the window is up, before the user can reach any of them.
    QTimer::singleShot(0, &loadQtTextsInJapanese);
    return app.exec();
}
