// pricotta-report-dialog: the program of the desktop entry "Pricotta 底値レポート". It asks for a
// notebook with a file dialog (or takes one as its argument), has pricotta-cli write the report and
// open it in the browser, and shows what went wrong in a message box.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

const QString Title = u"Pricotta 底値レポート"_s;

// pricotta-cli beside this program (the build folder, or where both are installed), else on PATH.
QString cliProgram() {
    const QString beside = QCoreApplication::applicationDirPath() + u"/pricotta-cli"_s;
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QStandardPaths::findExecutable(u"pricotta-cli"_s);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), u"qtbase"_s, u"_"_s,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);

    QString notebook = app.arguments().value(1);
    if (notebook.isEmpty()) {
        notebook =
            QFileDialog::getOpenFileName(nullptr, u"底値レポートを作るノートを選んで下さい"_s,
                                         QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                         u"テキストファイル (*.txt)"_s);
        if (notebook.isEmpty())
            return 0;
    }

    const QString program = cliProgram();
    if (program.isEmpty()) {
        QMessageBox::warning(nullptr, Title, u"pricotta-cli が見つかりません。"_s);
        return 1;
    }
    QProcess cli;
    cli.start(program, {u"report"_s, notebook, u"--open"_s});
    cli.closeWriteChannel();
    // The report of a large notebook takes a while; waiting has no end of its own.
    if (!cli.waitForFinished(-1) || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0) {
        QString message = QString::fromUtf8(cli.readAllStandardError()).trimmed();
        if (message.startsWith(u"pricotta-cli: "_s))
            message = message.mid(14);
        if (message.isEmpty())
            message = u"レポートを作れませんでした（%1）"_s.arg(cli.errorString());
        QMessageBox::warning(nullptr, Title, message);
        return 1;
    }
    return 0;
}
