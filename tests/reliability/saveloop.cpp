// The child of the sudden-death test: the main window's logic opens FOLDER/book.txt, then saves
// the lines of FOLDER/next.txt and of the book in turn, for ever, through the Save command. It
// prints "saving" once the first save is done; the test then kills it at a random moment.
//   pricotta_saveloop FOLDER
#include "app/mainform.h"
#include "core/controltable.h"
#include "support/plaincontrols.h"
#include "core/textfile.h"
#include "support/fakeui.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pricotta_saveloop FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.filePath(u"prog"_s));

    PlainControls controls(mainWindowSpec());
    FakeUi ui;
    MainForm form(controls, ui, folder.filePath(u"prog"_s));
    form.FormCreate();
    ui.fileAnswers.enqueue(folder.filePath(u"book.txt"_s));
    form.click(u"MN_OPEN"_s);
    const QStringList versions[] = {textfile::readFile(folder.filePath(u"next.txt"_s)).lines,
                                    form.book().lines()};

    for (long round = 0;; ++round) {
        form.book().assign(versions[round % 2]);
        form.setDirty(true);
        form.click(u"SPD_SAVE"_s);
        if (!ui.messages.isEmpty() || form.dirty()) {
            std::fprintf(stderr, "%s\n", ui.messageTexts().join(u'\n').toLocal8Bit().constData());
            return 1;
        }
        if (round == 0) {
            std::printf("saving\n");
            std::fflush(stdout);
        }
    }
}
