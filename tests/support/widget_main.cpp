// Test entry for the widgets: an offscreen application and a pinned locale.
#include "ui/desktop.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QApplication app(argc, argv);
    // Qt's file dialogs write no history into the home folder of whoever runs the tests.
    keepQtSettingsOutOfUserFolders();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
