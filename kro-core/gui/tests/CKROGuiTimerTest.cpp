#include "kro-core/gui/CKROGuiEditor.h"

#include "platform/testing/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

class CountingEditor : public CKROGuiEditor
{
public:
    CountingEditor() : CKROGuiEditor(nullptr) {}
    void UpdateSizeFromBackground() override {}
    void idle() override { ++ticks; }
    int ticks = 0;
};

class GuiTimer : public ::testing::Test
{
protected:
    platform::FakePlatform services;
    platform::ScopedPlatform installed{services};
    CountingEditor first;
    CountingEditor second;
};

TEST_F(GuiTimer, EachRunningTimerIdlesItsOwnEditorAndAStartedOneIsNotStartedTwice)
{
    CKROGuiTimer a(first, 20);
    CKROGuiTimer b(second, 20);
    EXPECT_TRUE(a.Start());
    EXPECT_TRUE(a.Start());
    EXPECT_TRUE(b.Start());
    EXPECT_EQ(services.RunningTimerCount(), 2u);
    EXPECT_EQ(KroGuiTimerList().size(), 2u);

    services.FireTimers();
    EXPECT_EQ(first.ticks, 1);
    EXPECT_EQ(second.ticks, 1);

    EXPECT_TRUE(a.Stop());
    EXPECT_FALSE(a.Stop());
    services.FireTimers();
    EXPECT_EQ(first.ticks, 1);
    EXPECT_EQ(second.ticks, 2);
    KroGuiTimerProc(12345);
    EXPECT_EQ(second.ticks, 2);
}

TEST_F(GuiTimer, ANewIntervalRestartsOnlyARunningTimer)
{
    CKROGuiTimer timer(first, 100);
    timer.SetInterval(20);
    EXPECT_FALSE(timer.IsRunning());
    ASSERT_TRUE(timer.Start());
    timer.SetInterval(40);
    ASSERT_TRUE(timer.IsRunning());
    EXPECT_EQ(services.TimerInterval(timer.TimerId()), 40u);
    EXPECT_EQ(services.RunningTimerCount(), 1u);
}

TEST_F(GuiTimer, ARefusedWindowTimerLeavesTheTimerStopped)
{
    services.RefuseTimers(true);
    CKROGuiTimer timer(first, 20);
    EXPECT_FALSE(timer.Start());
    EXPECT_FALSE(timer.IsRunning());
    EXPECT_TRUE(KroGuiTimerList().empty());
}

TEST_F(GuiTimer, DestroyingARunningTimerKillsIt)
{
    {
        CKROGuiTimer timer(first, 20);
        timer.Start();
    }
    EXPECT_EQ(services.RunningTimerCount(), 0u);
    EXPECT_TRUE(KroGuiTimerList().empty());
}

} // namespace
