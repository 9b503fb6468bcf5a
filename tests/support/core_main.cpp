#include <QCoreApplication>

#include <gtest/gtest.h>

// Core tests need an application object only for the program's folder and
// for text codecs; they never show anything.
int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
