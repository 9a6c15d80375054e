#pragma once

#include "IRunLoop.h"
#include "PlatformFrame.h"

#include <cstdint>
#include <deque>
#include <memory>

#include <xcb/xcb.h>

typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI {

// A child window in a host's X11 window. It keeps a connection of its own, whose descriptor the run
// loop watches; an invalidated area is announced to the window itself as an Expose event, so every
// redraw happens while events are served and covers only what was invalidated or exposed.
// xcb reads events off the socket whenever it talks to the server (a flush, a reply), after which
// the socket stays quiet while they wait in xcb's own queue. The frame takes them out of that queue
// after each flush and round trip, and a tick of its own timer serves them with whatever else has
// arrived, so no event waits for the descriptor to wake. User-interface thread only.
class X11Frame : public PlatformFrame, private IRunLoop::IEventHandler, private IRunLoop::ITimerHandler
{
public:
    // Null when there is no run loop, no X server, or no such parent window.
    static std::unique_ptr<X11Frame> create(CFrame& frame, uint32_t parentWindow, int width, int height,
                                            IRunLoop* runLoop);
    ~X11Frame() override;

    PlatformType getType() const override { return PlatformType::kX11EmbedWindowID; }
    void* getParentWindow() const override;
    bool setSize(int width, int height) override;

    uint32_t getWindow() const { return window; }

private:
    X11Frame(CFrame& frame, xcb_connection_t* connection, uint32_t parent, int width, int height);
    bool openWindow(IRunLoop* runLoop);

    void onInvalidated() override;
    void present(const std::vector<CRect>& areas) override;
    void onEvent() override;
    void onTimer() override { onEvent(); }
    // xcb_flush, then the events it read are taken over.
    void flush();
    void takeQueuedEvents();
    // The next event: those taken over first, then what the server has sent.
    xcb_generic_event_t* nextEvent();
    void handle(const xcb_generic_event_t* event);

    xcb_connection_t* connection;
    uint32_t parent;
    uint32_t window = 0;
    cairo_surface_t* surface = nullptr;
    IRunLoop* runLoop = nullptr;
    bool timerRegistered = false;
    bool servingEvents = false;
    // Events taken out of xcb's queue, served first; owned (freed with free).
    std::deque<xcb_generic_event_t*> taken;
    // Cleared by the destructor: a view may close the frame while one of its events is served.
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
    // Nothing drawn before the first Expose would stay: the window is not on screen yet. Cleared
    // again while the window is unmapped.
    bool exposed = false;
};

} // namespace VSTGUI
