#include "WindowSet.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    kvr::KvrApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
