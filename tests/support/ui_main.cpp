#include <QApplication>

#include <gtest/gtest.h>

// Window and page tests need a QApplication. Test discovery runs the binary
// at build time without a display, so the offscreen platform is the default.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
