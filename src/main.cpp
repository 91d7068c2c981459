// Pricotta: a notebook of shopping prices.
#include "ui/mainwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The application title; the display name stays unset, as Qt would append it to every caption.
    QApplication::setApplicationName(u"Pricotta"_s);

    // Qt's own dialogs (file dialogs, standard buttons) in Japanese.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), u"qtbase"_s, u"_"_s,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    MainWindow window;
    window.show();
    return app.exec();
}
