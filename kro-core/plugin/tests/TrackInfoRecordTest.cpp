#include "kro-core/plugin/TrackInfoRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

TEST(TrackInfoRecord, HoldsWhatEachHostReports)
{
    TrackInfoRecord aax;
    std::memset(&aax, 0xAB, sizeof aax);
    InitTrackInfoRecord(aax);
    const TrackInfoRecord zero{};
    EXPECT_EQ(std::memcmp(&aax, &zero, sizeof aax), 0);
    SetTrackName(aax, "Bass DI");
    EXPECT_STREQ(aax.name, "Bass DI");
    EXPECT_EQ(aax.validFlags, 1u);

    TrackInfoRecord vst3{};
    SetTrackName(vst3, std::string(200, 'x'));
    SetTrackIndex(vst3, -3);
    SetTrackColour(vst3, 0x80112233u);
    EXPECT_EQ(vst3.validFlags, 7u);
    EXPECT_EQ(std::strlen(vst3.name), 127u);
    EXPECT_EQ(vst3.index, -3);
    EXPECT_EQ(vst3.colour[0], 0x11); // red
    EXPECT_EQ(vst3.colour[1], 0x22);
    EXPECT_EQ(vst3.colour[2], 0x33);
    EXPECT_EQ(vst3.colour[3], 0x80); // alpha

    SetTrackIndexNamespace(vst3, "Mixer");
    EXPECT_STREQ(vst3.indexNamespace, "Mixer");
    for (const auto& [code, text] : std::vector<std::pair<int32_t, const char*>>{
             {0, "PreVolFader"}, {1, "PostVolFader"}, {2, "UsedAsPanner"}, {3, "unknown!"}, {-1, "unknown!"}})
    {
        SetTrackPlugInLocation(vst3, code);
        EXPECT_STREQ(vst3.plugInLocation, text) << code;
    }
    EXPECT_EQ(vst3.validFlags, 31u);
    // A shorter text leaves no tail of the longer one before it.
    SetTrackPlugInLocation(vst3, 0);
    SetTrackPlugInLocation(vst3, 9);
    EXPECT_EQ(vst3.plugInLocation[sizeof "unknown!"], '\0');
}
