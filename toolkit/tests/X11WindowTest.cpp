#include "TestViews.h"
#include "toolkit/X11Frame.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>
#include <xcb/xcb.h>

using namespace VSTGUI;
using TestViews::ProbeView;

namespace {

// A host loop whose watch on the window's descriptor never fires: only the timers run.
class TimersOnlyLoop : public IRunLoop
{
public:
    explicit TimersOnlyLoop(IRunLoop& timers) : timers(timers) {}
    bool registerEventHandler(IEventHandler*, int) override { return true; }
    bool unregisterEventHandler(IEventHandler*) override { return true; }
    bool registerTimer(ITimerHandler* handler, uint64_t intervalMs) override
    {
        return timers.registerTimer(handler, intervalMs);
    }
    bool unregisterTimer(ITimerHandler* handler) override { return timers.unregisterTimer(handler); }

private:
    IRunLoop& timers;
};

// A host's side of the test: its own connection and top-level window for the editor to embed in.
class X11Window : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "no X server (DISPLAY is unset)";
        host = connect();
        ASSERT_NE(host, nullptr) << "cannot reach the X server";
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(host)).data;
        hostWindow = xcb_generate_id(host);
        xcb_create_window(host, XCB_COPY_FROM_PARENT, hostWindow, screen->root, 0, 0, 300, 200, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_map_window(host, hostWindow);
        xcb_flush(host);

        frame = new CFrame(CRect(0, 0, 100, 80), nullptr);
        probe = new ProbeView(CRect(0, 0, 100, 80));
        frame->addView(probe);
        ASSERT_TRUE(frame->open(reinterpret_cast<void*>(static_cast<uintptr_t>(hostWindow)),
                                PlatformType::kX11EmbedWindowID,
                                descriptorWatched ? static_cast<IRunLoop*>(&loop) : &timersOnly));
        window = static_cast<X11Frame*>(frame->getPlatformFrame())->getWindow();
    }
    void TearDown() override
    {
        if (frame)
            frame->forget();
        if (host)
        {
            xcb_destroy_window(host, hostWindow);
            xcb_disconnect(host);
        }
    }

    // A server started without -noreset restarts when its last client leaves, and refuses
    // connections meanwhile: try again a few times.
    static xcb_connection_t* connect()
    {
        for (int attempt = 0; attempt < 50; ++attempt)
        {
            xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
            if (!xcb_connection_has_error(connection))
                return connection;
            xcb_disconnect(connection);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return nullptr;
    }

    // Serves the editor's connection until the probe has drawn more than `draws` times.
    bool serveUntilDrawn(int draws)
    {
        for (int i = 0; i < 250 && probe->draws <= draws; ++i)
            loop.runOnce(20);
        return probe->draws > draws;
    }

    void expectDrawnAndRedrawnOnExpose()
    {
        ASSERT_TRUE(serveUntilDrawn(0));
        EXPECT_EQ(pixelOnceDrawn(50, 40, CColor(255, 0, 0)), CColor(255, 0, 0));

        // The host uncovers the window: the server's Expose makes the frame draw again.
        int draws = probe->draws;
        probe->colour = CColor(0, 0, 255);
        xcb_clear_area(host, 1, window, 0, 0, 0, 0);
        xcb_flush(host);
        ASSERT_TRUE(serveUntilDrawn(draws));
        EXPECT_EQ(pixelOnceDrawn(50, 40, CColor(0, 0, 255)), CColor(0, 0, 255));
    }

    // The frame draws on a connection of its own, which the server may serve after the host's
    // read: wait up to a second for the expected colour, serving the frame meanwhile.
    CColor pixelOnceDrawn(int x, int y, CColor expected)
    {
        CColor seen = pixel(x, y);
        for (int i = 0; i < 50 && seen != expected; ++i)
        {
            loop.runOnce(20);
            seen = pixel(x, y);
        }
        return seen;
    }

    // The window's pixel as the X server holds it.
    CColor pixel(int x, int y)
    {
        auto* image =
            xcb_get_image_reply(host, xcb_get_image(host, XCB_IMAGE_FORMAT_Z_PIXMAP, window, x, y, 1, 1, ~0u), nullptr);
        if (!image)
            return kTransparentCColor;
        uint32_t value = 0;
        std::memcpy(&value, xcb_get_image_data(image), sizeof value);
        free(image);
        return CColor((value >> 16) & 0xff, (value >> 8) & 0xff, value & 0xff);
    }

    xcb_connection_t* host = nullptr;
    xcb_window_t hostWindow = 0;
    xcb_window_t window = 0;
    StandaloneRunLoop loop;
    TimersOnlyLoop timersOnly{loop};
    bool descriptorWatched = true;
    CFrame* frame = nullptr;
    ProbeView* probe = nullptr;
};

TEST_F(X11Window, TheEmbeddedWindowIsDrawnAndRedrawnOnExpose)
{
    expectDrawnAndRedrawnOnExpose();
}

TEST_F(X11Window, AnInvalidatedAreaAloneIsRedrawn)
{
    ASSERT_TRUE(serveUntilDrawn(0));
    int draws = probe->draws;
    probe->colour = CColor(0, 255, 0);
    probe->invalidRect(CRect(10, 10, 30, 20));
    ASSERT_TRUE(serveUntilDrawn(draws));
    EXPECT_EQ(probe->lastClip, CRect(10, 10, 30, 20));
    EXPECT_EQ(pixelOnceDrawn(15, 15, CColor(0, 255, 0)), CColor(0, 255, 0));
    EXPECT_EQ(pixel(50, 40), CColor(255, 0, 0));
}

TEST_F(X11Window, APressInTheWindowReachesTheViewUnderIt)
{
    ASSERT_TRUE(serveUntilDrawn(0));
    xcb_button_press_event_t press{};
    press.response_type = XCB_BUTTON_PRESS;
    press.detail = 1;
    press.event = window;
    press.event_x = 25;
    press.event_y = 30;
    xcb_send_event(host, false, window, XCB_EVENT_MASK_BUTTON_PRESS, reinterpret_cast<const char*>(&press));
    xcb_flush(host);
    for (int i = 0; i < 250 && probe->events.empty(); ++i)
        loop.runOnce(20);
    ASSERT_EQ(probe->events, std::vector<std::string>{"down"});
    EXPECT_EQ(probe->lastWhere, CPoint(25, 30));
}

class X11WindowUnwatched : public X11Window
{
protected:
    X11WindowUnwatched() { descriptorWatched = false; }
};

// Events xcb has already read off the socket never wake its descriptor: the frame's ticks serve
// them, so the window is drawn and redrawn without the descriptor ever firing.
TEST_F(X11WindowUnwatched, TicksAloneDrawTheWindowAndRedrawItOnExpose)
{
    expectDrawnAndRedrawnOnExpose();
}

TEST(X11Open, FailsWithoutARunLoopOrParent)
{
    auto* frame = new CFrame(CRect(0, 0, 10, 10), nullptr);
    RunLoop::setCurrent(nullptr);
    EXPECT_FALSE(frame->open(reinterpret_cast<void*>(uintptr_t{1}), PlatformType::kX11EmbedWindowID));
    StandaloneRunLoop loop;
    EXPECT_FALSE(frame->open(nullptr, PlatformType::kX11EmbedWindowID, &loop));
    EXPECT_EQ(frame->getPlatformFrame(), nullptr);
    frame->forget();
}

} // namespace
