// Pricotta: a notebook of shopping prices.
#include "app/commandline.h"
#include "core/programinfo.h"
#include "ui/desktop.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

    QApplication app(argc, argv);
    // The application title; the display name stays unset, as Qt would append it to every caption.
    QApplication::setApplicationName(u"Pricotta"_s);
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(desktopFileName());
    keepQtSettingsOutOfUserFolders();

    // Qt's own dialogs (file dialogs, standard buttons) in Japanese.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), u"qtbase"_s, u"_"_s,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    MainWindow window;
    window.show();
    return app.exec();
}
