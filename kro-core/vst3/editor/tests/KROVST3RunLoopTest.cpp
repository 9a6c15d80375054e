#include "kro-core/vst3/editor/KROVST3RunLoop.h"

#include "testhosts/vst3/EditorPlugFrame.h"
#include "testhosts/vst3/HostRunLoop.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

struct CountingHandlers final : VSTGUI::IRunLoop::ITimerHandler, VSTGUI::IRunLoop::IEventHandler
{
    void onTimer() override { ++timers; }
    void onEvent() override { ++events; }
    int timers = 0;
    int events = 0;
};

TEST(VST3RunLoop, TimersAndEventsReachTheToolkitHandlerUntilUnregistered)
{
    HostRunLoop host;
    CountingHandlers handlers;
    CKROVST3RunLoop loop(&host);
    ASSERT_TRUE(loop.registerTimer(&handlers, 20));
    EXPECT_FALSE(loop.registerTimer(nullptr, 20));
    EXPECT_FALSE(loop.registerTimer(&handlers, 0));
    ASSERT_TRUE(loop.registerEventHandler(&handlers, 7));
    ASSERT_EQ(host.Timers().size(), 1u);
    EXPECT_EQ(host.Timers().begin()->second, 20u);
    EXPECT_EQ(host.Events().begin()->second, 7);

    host.FireTimers();
    host.Events().begin()->first->onFDIsSet(7);
    EXPECT_EQ(handlers.timers, 1);
    EXPECT_EQ(handlers.events, 1);

    // A host that still holds a wrapper after the unregistration reaches nobody through it.
    Linux::ITimerHandler* heldTimer = host.Timers().begin()->first;
    heldTimer->addRef();
    ASSERT_TRUE(loop.unregisterTimer(&handlers));
    EXPECT_FALSE(loop.unregisterTimer(&handlers));
    EXPECT_TRUE(host.Timers().empty());
    heldTimer->onTimer();
    heldTimer->release();
    EXPECT_EQ(handlers.timers, 1);
}

TEST(VST3RunLoop, ALoopGoneTakesItsHandlersOffTheHost)
{
    HostRunLoop host;
    CountingHandlers handlers;
    {
        CKROVST3RunLoop loop(&host);
        loop.registerTimer(&handlers, 20);
        loop.registerEventHandler(&handlers, 3);
    }
    EXPECT_TRUE(host.Timers().empty());
    EXPECT_TRUE(host.Events().empty());
}

TEST(VST3RunLoop, OnlyAPlugFrameWithALoopGivesOne)
{
    HostRunLoop host;
    EditorPlugFrame withLoop(&host);
    EditorPlugFrame withoutLoop(nullptr);
    EXPECT_NE(CKROVST3RunLoop::FromPlugFrame(&withLoop), nullptr);
    EXPECT_EQ(CKROVST3RunLoop::FromPlugFrame(&withoutLoop), nullptr);
    EXPECT_EQ(CKROVST3RunLoop::FromPlugFrame(nullptr), nullptr);
}

} // namespace
