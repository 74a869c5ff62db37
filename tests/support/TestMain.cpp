// Entry of every test program. Tests that touch the registry work under a
// key of their own (see TestSettings.h), never under the program's real key.
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
