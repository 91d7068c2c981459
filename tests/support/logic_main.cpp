// Test entry for the logic: a core application and a pinned locale, so no test depends on the machine.
#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
