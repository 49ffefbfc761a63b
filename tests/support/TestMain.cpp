// The main of every test program.
#include "TestDefaults.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setSafeTestDefaults();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
