#include "WindowSet.h"

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    // Widget tests need no display, also when CTest lists them right after the build.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    kvr::KvrApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
