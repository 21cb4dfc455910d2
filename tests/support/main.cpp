#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// Every test binary runs on Qt's offscreen platform with a fixed locale.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
