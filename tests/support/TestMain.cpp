#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>

// One Qt application for the whole test program, on the offscreen platform unless one is chosen.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
