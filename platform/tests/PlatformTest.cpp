#include "platform/testing/FakePlatform.h"
#include "platform/IPlatform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

struct TickCase
{
    uint32_t earlier;
    uint32_t later;
    int32_t difference;
};

TEST(TickDifference, IsTheSignedDistanceAlsoAcrossTheWrap)
{
    const TickCase cases[] = {
        {0, 500, 500},
        {0, 501, 501},
        {1000, 1500, 500},
        {0xFFFFFF00u, 0x000000F4u, 500}, // 256 ms before the wrap, 244 after
        {0xFFFFFF00u, 0x000000F5u, 501},
        {0xFFFFFFFFu, 0, 1},
        {501, 0, -501}, // a stamp from the future
        {0x000000F5u, 0xFFFFFF00u, -501},
        {0, 0x7FFFFFFFu, std::numeric_limits<int32_t>::max()},
        {0, 0x80000000u, std::numeric_limits<int32_t>::min()},
    };
    for (const TickCase& c : cases)
        EXPECT_EQ(platform::TickDifference(c.later, c.earlier), c.difference) << c.earlier << " -> " << c.later;
}

TEST(CurrentPlatform, IsTheSystemUnlessATestInstalledOther)
{
    EXPECT_EQ(&platform::CurrentPlatform(), &platform::SystemPlatform());
    platform::FakePlatform fake;
    fake.SetTickCount(0xFFFFFFFFu);
    fake.SetAppDataFolder("/tmp/somewhere");
    {
        const platform::ScopedPlatform scope(fake);
        EXPECT_EQ(platform::CurrentPlatform().GetTickCount(), 0xFFFFFFFFu);
        fake.AdvanceTickCount(501);
        EXPECT_EQ(platform::CurrentPlatform().GetTickCount(), 500u); // wrapped
        EXPECT_EQ(platform::CurrentPlatform().GetAppDataFolder(), "/tmp/somewhere");

        platform::FakePlatform inner;
        {
            const platform::ScopedPlatform nested(inner);
            EXPECT_EQ(&platform::CurrentPlatform(), &inner);
        }
        EXPECT_EQ(&platform::CurrentPlatform(), &fake);
    }
    EXPECT_EQ(&platform::CurrentPlatform(), &platform::SystemPlatform());
}

} // namespace
