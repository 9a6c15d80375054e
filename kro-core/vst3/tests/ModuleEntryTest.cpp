// The module entry points count nested entry/exit pairs, as hosts that share a module do.

#include "ModuleEntry.h"

#include <gtest/gtest.h>

namespace {

TEST(ModuleEntry, KeepsTheFirstHandleUntilTheLastExit)
{
    int library = 0;
    int other = 0;
    ASSERT_TRUE(ModuleEntry(&library));
    ASSERT_TRUE(ModuleEntry(&other));
    EXPECT_EQ(moduleHandle, &library);
    ASSERT_TRUE(ModuleExit());
    EXPECT_EQ(moduleHandle, &library);
    ASSERT_TRUE(ModuleExit());
    EXPECT_EQ(moduleHandle, nullptr);
    EXPECT_FALSE(ModuleExit()) << "an exit without its entry";
    ASSERT_TRUE(ModuleEntry(&other));
    EXPECT_EQ(moduleHandle, &other);
    EXPECT_TRUE(ModuleExit());
}

} // namespace
