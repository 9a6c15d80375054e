// The built Vireno.vst3 as a Linux host meets it: only the three entry points are visible, and
// the factory it hands out creates a processor that passes audio and a controller.

#include "TemporaryFolder.h"
#include "Vst3HostChecks.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(VirenoBundle, ExportsTheEntryPointsLoadsFromTheBuildTreeAndPassesAudio)
{
    // The module has its own copy of the platform layer: its Default.xml goes where the
    // environment says, here a folder of the test's.
    platform::testing::TemporaryFolder folder;
    ASSERT_EQ(setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1), 0);
    ExpectBundleLoadsAndPassesAudio(VIRENO_BUNDLE);
    unsetenv("XDG_CONFIG_HOME");
}

} // namespace
