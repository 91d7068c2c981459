// Resident memory of the real main window, built as the program builds it, idle and with notebooks
// open: prints VmRSS and VmHWM (KiB) after each step. Run by bench/memory.
//   pricotta_memory [--detail FOLDER] PROGRAM_FOLDER NOTEBOOK_10K NOTEBOOK_100K
// With --detail it also copies /proc/self/smaps to FOLDER/STEP.smaps and the allocator's figures
// (mallinfo2) to FOLDER/STEP.malloc after each step, for bench/memory-detail.
#include "app/mainform.h"
#include "core/memoryrelease.h"
#include "core/programinfo.h"
#include "ui/desktop.h"
#include "ui/mainwindow.h"
#include "ui/qtuiservices.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <QThread>

#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

using namespace Qt::StringLiterals;

namespace {

long statusKib(const QByteArray& field) {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').front().toLong();
    }
    return -1;
}

// Lets the window handle what is pending, as it would before the user does the next thing.
void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
}

QString detailFolder;

void writeDetail(const QString& step) {
    if (detailFolder.isEmpty())
        return;
    QFile smaps(u"/proc/self/smaps"_s);
    QFile copy(QDir(detailFolder).filePath(step + u".smaps"_s));
    if (smaps.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly))
        copy.write(smaps.readAll());
#if defined(__GLIBC__)
    const struct mallinfo2 m = mallinfo2();
    QFile figures(QDir(detailFolder).filePath(step + u".malloc"_s));
    if (figures.open(QIODevice::WriteOnly)) {
        QTextStream(&figures) << "arena " << m.arena << "\nmmapped " << m.hblkhd << "\nin_use " << m.uordblks
                              << "\nfree " << m.fordblks << "\ntop_free " << m.keepcost << '\n';
    }
#endif
}

void print(const QString& step) {
    settle();
    QTextStream(stdout) << step << ' ' << statusKib("VmRSS") << ' ' << statusKib("VmHWM") << Qt::endl;
    writeDetail(step);
}

} // namespace

int main(int argc, char** argv) {
    keepLargeBlocksApart();
    QApplication app(argc, argv);
    // As the program starts (src/main.cpp): its icon and Qt's own texts count as well.
    QApplication::setApplicationName(u"Pricotta"_s);
    QGuiApplication::setDesktopFileName(desktopFileName());
    keepQtSettingsOutOfUserFolders();
    QStringList args = QCoreApplication::arguments();
    if (args.size() > 2 && args[1] == u"--detail"_s) {
        detailFolder = args[2];
        args.remove(1, 2);
    }
    if (args.size() != 4) {
        QTextStream(stderr)
            << "usage: pricotta_memory [--detail FOLDER] PROGRAM_FOLDER NOTEBOOK_10K NOTEBOOK_100K\n";
        return 2;
    }
    MainWindow window(args[1]);
    window.show();
    QApplication::setWindowIcon(programIcon());
    loadQtTextsInJapanese();
    print(u"idle"_s);
    MainForm& form = window.form();
    if (!form.LoadPriceBook(args[2]))
        return 1;
    print(u"10k"_s);
    for (int i = 1; i <= 10; ++i) {
        form.LoadPriceBook(args[2]);
        print(u"10k-reload-%1"_s.arg(i));
    }
    if (!form.LoadPriceBook(args[3]))
        return 1;
    print(u"100k"_s);
    return 0;
}
