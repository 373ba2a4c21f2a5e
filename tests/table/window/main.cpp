#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window tests hear nothing: with no sound server every knock is a beep and ends at
    // once, whatever the desktop they run on. The knock itself has tests of its own.
    qputenv("PULSE_SERVER", "unix:/nonexistent");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Galbirola"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
