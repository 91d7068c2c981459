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

namespace {

int print(const CommandLineAnswer& answer) {
    const QByteArray text = answer.text.toLocal8Bit();
    std::fputs(text.constData(), answer.toStandardError ? stderr : stdout);
    return answer.exitCode;
}

} // namespace

int main(int argc, char** argv) {
    const bool japanese = prefersJapanese(QLocale::system());
    // --version, --help and a wrong command line answer before anything needs a display; an
    // option the program does not know may be one of Qt's, which only the application takes.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLineAnswer first = answerCommandLine(arguments, japanese);
    if (!first.openWindow && !first.unknownOption)
        return print(first);

    keepLargeBlocksApart();
    QApplication app(argc, argv);
    const CommandLineAnswer answer = answerCommandLine(QCoreApplication::arguments().mid(1), japanese);
    if (!answer.openWindow)
        return print(answer);
    // The application title; the display name stays unset, as Qt would append it to every caption.
    QApplication::setApplicationName(u"Pricotta"_s);
    QGuiApplication::setDesktopFileName(desktopFileName());
    keepQtSettingsOutOfUserFolders();

    MainWindow window;
    window.show();
    // The icon's pictures are read once the window is up; every window gets it from the
    // application. Qt's own texts in Japanese then too, before the user can reach any of them.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(programIcon()); });
    QTimer::singleShot(0, &loadQtTextsInJapanese);
    // A notebook named on the command line opens in the shown window, as Open would open it.
    if (!answer.fileToOpen.isEmpty())
        QTimer::singleShot(0, &window, [&] { window.openNamedFile(answer.fileToOpen); });
    return app.exec();
}
