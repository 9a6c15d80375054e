// The built bundle as a Linux host meets it: only the three entry points are visible, and the
// factory it hands out creates a working plug-in.

#include "testhosts/vst3/Vst3HostChecks.h"

#include <gtest/gtest.h>

#include <string>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

TEST(Vst3Bundle, ExportsTheEntryPointsLoadsAndRunsThroughItsFactory)
{
    ExpectBundleLoadsAndPassesAudio(PASSTHROUGH_BUNDLE);
}

TEST(Vst3Bundle, ReportsAFolderThatHoldsNoModule)
{
    std::string error;
    EXPECT_EQ(Vst3Module::load(std::string(PASSTHROUGH_BUNDLE) + "-missing.vst3", error), nullptr);
    EXPECT_FALSE(error.empty());
}

} // namespace
