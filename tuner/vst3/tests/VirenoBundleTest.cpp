// The built Vireno.vst3 as a Linux host meets it: only the three entry points are visible, the
// factory it hands out creates a processor that passes audio and a controller, and the controller's
// editor opens in the host's window.

#include "testhosts/vst3/EditorPlugFrame.h"
#include "testhosts/vst3/HostRunLoop.h"
#include "platform/testing/TemporaryFolder.h"
#include "testhosts/vst3/Vst3HostChecks.h"
#include "testhosts/x11/X11TopWindow.h"

#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"

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

TEST(VirenoBundle, TheControllersEditorOpensInAnX11WindowTicksAndIsRemoved)
{
    using namespace Steinberg;
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    platform::testing::TemporaryFolder folder;
    ASSERT_EQ(setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1), 0);
    std::string error;
    const auto window = X11TopWindow::Open("VST3 host", 400, 300, error);
    ASSERT_NE(window, nullptr) << error;
    auto module = Vst3Module::load(VIRENO_BUNDLE, error);
    ASSERT_NE(module, nullptr) << error;
    auto instance = Vst3PluginInstance::createAudioEffect(module->factory(), error);
    ASSERT_NE(instance, nullptr) << error;

    HostRunLoop hostLoop;
    EditorPlugFrame plugFrame(&hostLoop);
    IPlugView* view = instance->controller()->createView(Vst::ViewType::kEditor);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(FUnknownPtr<IPlugViewContentScaleSupport>(view));
    view->setFrame(&plugFrame);
    EXPECT_EQ(view->attached(window->NativeWindow(), kPlatformTypeX11EmbedWindowID), kResultOk);
    EXPECT_EQ(window->ChildCount(), 1);
    // The editor's idle and the window's own event tick, both every 20 ms.
    ASSERT_EQ(hostLoop.Timers().size(), 2u);
    for (const auto& timer : hostLoop.Timers())
        EXPECT_EQ(timer.second, 20u);
    hostLoop.ServeEvents(100);
    hostLoop.FireTimers();
    EXPECT_EQ(view->removed(), kResultOk);
    EXPECT_EQ(window->ChildCount(), 0);
    EXPECT_TRUE(hostLoop.Timers().empty());
    EXPECT_TRUE(hostLoop.Events().empty());
    view->release();
    instance.reset();
    unsetenv("XDG_CONFIG_HOME");
}

} // namespace
