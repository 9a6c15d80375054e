#include "platform/IPlatform.h"
#include "TestViews.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using TestViews::ManualClock;

namespace {

class Counter : public CBaseObject
{
public:
    CMessageResult notify(CBaseObject*, IdStringPtr message) override
    {
        if (std::string(message) != CVSTGUITimer::kMsgTimer)
            return kMessageUnknown;
        ++ticks;
        return kMessageNotified;
    }
    int ticks = 0;
};

// A standalone loop on a hand-moved clock, made current for the test.
class Timers : public ::testing::Test
{
protected:
    Timers() : loop(clock) { RunLoop::setCurrent(&loop); }
    ~Timers() override { RunLoop::setCurrent(nullptr); }

    void advance(uint32_t ms)
    {
        clock.now += ms;
        loop.runOnce(0);
    }

    ManualClock clock;
    StandaloneRunLoop loop;
    Counter counter;
};

TEST_F(Timers, ARunningTimerSendsTimerFiredAtItsInterval)
{
    CVSTGUITimer timer(&counter, 20);
    EXPECT_FALSE(timer.isRunning());
    ASSERT_TRUE(timer.start());
    advance(19);
    EXPECT_EQ(counter.ticks, 0);
    advance(1);
    EXPECT_EQ(counter.ticks, 1);
    advance(20);
    EXPECT_EQ(counter.ticks, 2);

    EXPECT_TRUE(timer.stop());
    EXPECT_FALSE(timer.stop());
    advance(100);
    EXPECT_EQ(counter.ticks, 2);
}

TEST_F(Timers, StartingARunningTimerRegistersNoSecondTimer)
{
    CVSTGUITimer timer(&counter, 10, true);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_TRUE(timer.start());
    advance(10);
    EXPECT_EQ(counter.ticks, 1);
}

TEST_F(Timers, ANewIntervalRestartsOnlyARunningTimer)
{
    CVSTGUITimer timer(&counter, 100);
    timer.setFireTime(20);
    EXPECT_FALSE(timer.isRunning());
    timer.start();
    timer.setFireTime(50);
    EXPECT_TRUE(timer.isRunning());
    advance(20);
    EXPECT_EQ(counter.ticks, 0);
    advance(30);
    EXPECT_EQ(counter.ticks, 1);
}

TEST_F(Timers, AListenerMayStopTheTimerFromItsTick)
{
    class StopOnTick : public CBaseObject
    {
    public:
        CMessageResult notify(CBaseObject* sender, IdStringPtr) override
        {
            static_cast<CVSTGUITimer*>(sender)->stop();
            ++ticks;
            return kMessageNotified;
        }
        int ticks = 0;
    } listener;
    CVSTGUITimer timer(&listener, 10, true);
    advance(10);
    advance(10);
    EXPECT_EQ(listener.ticks, 1);
    EXPECT_FALSE(timer.isRunning());
}

TEST(TimerWithoutLoop, DoesNotStart)
{
    Counter counter;
    CVSTGUITimer timer(&counter, 10);
    EXPECT_FALSE(timer.start());
    EXPECT_FALSE(timer.isRunning());
}

TEST(FrameTicks, ComeFromTheFramesClockOnceOpen)
{
    ManualClock clock;
    auto* frame = new CFrame(CRect(0, 0, 10, 10), nullptr);
    frame->setClock(clock);
    EXPECT_EQ(frame->getTicks(), 0xFFFFFFFFu);
    ASSERT_TRUE(frame->open(nullptr, PlatformType::kOffscreen));
    EXPECT_EQ(frame->getTicks(), 1000u);
    clock.now += 40;
    EXPECT_EQ(frame->getTicks(), 1040u);
    frame->forget();
}

TEST(FrameZoom, ScalesTheFramesPixelSize)
{
    auto* frame = new CFrame(CRect(0, 0, 452, 266), nullptr);
    ASSERT_TRUE(frame->open(nullptr, PlatformType::kOffscreen));
    EXPECT_TRUE(frame->setZoom(1.5));
    EXPECT_EQ(frame->getViewSize(), CRect(0, 0, 678, 399));
    EXPECT_EQ(frame->getPlatformFrame()->getBackBuffer()->getWidth(), 678);
    EXPECT_FALSE(frame->setZoom(0));
    EXPECT_TRUE(frame->setZoom(1.0));
    EXPECT_EQ(frame->getViewSize(), CRect(0, 0, 452, 266));
    frame->forget();
}

} // namespace

namespace {

int windowTimerCalls = 0;
platform::TimerId lastWindowTimer = 0;
void countWindowTimer(platform::TimerId timer)
{
    ++windowTimerCalls;
    lastWindowTimer = timer;
}

void killItself(platform::TimerId timer)
{
    ++windowTimerCalls;
    platform::SystemPlatform().KillTimer(timer);
}

} // namespace

TEST_F(Timers, WindowTimersOfThePlatformTickOnTheCurrentRunLoopUntilKilled)
{
    windowTimerCalls = 0;
    platform::IPlatform& system = platform::SystemPlatform();
    platform::TimerId timer = system.SetTimer(20, countWindowTimer);
    ASSERT_NE(timer, 0u);
    advance(20);
    advance(20);
    EXPECT_EQ(windowTimerCalls, 2);
    EXPECT_EQ(lastWindowTimer, timer);

    EXPECT_TRUE(system.KillTimer(timer));
    EXPECT_FALSE(system.KillTimer(timer));
    advance(40);
    EXPECT_EQ(windowTimerCalls, 2);

    platform::TimerId selfKilling = system.SetTimer(10, killItself);
    advance(10);
    advance(10);
    EXPECT_EQ(windowTimerCalls, 3);
    EXPECT_FALSE(system.KillTimer(selfKilling));
}

TEST(WindowTimers, CannotBeMadeWithoutARunLoopOrInterval)
{
    RunLoop::setCurrent(nullptr);
    EXPECT_EQ(platform::SystemPlatform().SetTimer(20, countWindowTimer), 0u);
    ManualClock clock;
    StandaloneRunLoop loop(clock);
    RunLoop::setCurrent(&loop);
    EXPECT_EQ(platform::SystemPlatform().SetTimer(0, countWindowTimer), 0u);
    EXPECT_EQ(platform::SystemPlatform().SetTimer(20, nullptr), 0u);
    RunLoop::setCurrent(nullptr);
}
