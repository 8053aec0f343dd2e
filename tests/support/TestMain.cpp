#include "framework/qt/FrontSwitchNotifier.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>

// One Qt application for the whole test program, on the offscreen platform unless one is chosen.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests, as ctest does to find them, runs none: Qt is not started for it.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    // The test program's loop delivers front switches, as the program's own does after RuntimeInit.
    fw::qt::driveFrontSwitches();
    return RUN_ALL_TESTS();
}
