// pricotta-companion: the window of the desktop entry "Pricotta 買い物プラン". It opens the notebook
// given as its argument, else the newest of the main program's recent-file history.
#include "companionfiles.h"
#include "companionwindow.h"
#include "core/appfiles.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = appfiles::filesFolder(QCoreApplication::applicationDirPath());
    companionfiles::keepQtSettingsIn(folder);
    companionfiles::removeLeftPages(QDir::tempPath());
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), u"qtbase"_s, u"_"_s,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);

    CompanionWindow window(folder, CompanionDesktop::real());
    window.show();
    const QStringList arguments = app.arguments();
    if (arguments.size() > 2) {
        fprintf(stderr, "pricotta-companion: ノートは一つだけ指定します\n");
        return 2;
    }
    if (arguments.size() == 2)
        window.openNotebook(arguments[1]);
    else
        window.openNewestNotebook();
    return app.exec();
}
