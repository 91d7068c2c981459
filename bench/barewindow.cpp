// What start-up is measured against: a bare Qt 6 window of the main window's size with the same
// menu bar and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char16_t* caption : {u"ファイル(&F)", u"編集(&E)", u"設定", u"ヘルプ(&H)"})
        window.menuBar()->addMenu(QString::fromUtf16(caption));
    window.resize(660, 450);
    window.show();
    return app.exec();
}
