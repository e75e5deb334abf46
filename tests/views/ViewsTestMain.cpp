#include <QApplication>
#include <gtest/gtest.h>

// The view tests need a widget application. Without a platform named in QT_QPA_PLATFORM they
// run offscreen, so listing the tests works on a machine without a display too.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
