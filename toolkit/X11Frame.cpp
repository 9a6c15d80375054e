#include "X11Frame.h"

#include "CFrame.h"

#include <cairo-xcb.h>
#include <cairo.h>
#include <cstdlib>
#include <xcb/xcb.h>

namespace VSTGUI {

namespace {

// How often the frame serves events that xcb read off the socket while doing something else.
constexpr uint64_t kEventTickMs = 20;

xcb_visualtype_t* findVisual(xcb_connection_t* connection, xcb_visualid_t id)
{
    for (auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection)); screens.rem; xcb_screen_next(&screens))
        for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem; xcb_depth_next(&depths))
            for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem; xcb_visualtype_next(&visuals))
                if (visuals.data->visual_id == id)
                    return visuals.data;
    return nullptr;
}

CButtonState buttonsFrom(uint16_t state, uint8_t pressedButton)
{
    int32_t buttons = 0;
    if (pressedButton == 1 || (state & XCB_BUTTON_MASK_1))
        buttons |= kLButton;
    if (pressedButton == 2 || (state & XCB_BUTTON_MASK_2))
        buttons |= kMButton;
    if (pressedButton == 3 || (state & XCB_BUTTON_MASK_3))
        buttons |= kRButton;
    if (state & XCB_MOD_MASK_SHIFT)
        buttons |= kShift;
    if (state & XCB_MOD_MASK_CONTROL)
        buttons |= kControl;
    if (state & XCB_MOD_MASK_1)
        buttons |= kAlt;
    return buttons;
}

} // namespace

std::unique_ptr<X11Frame> X11Frame::create(CFrame& frame, uint32_t parentWindow, int width, int height,
                                           IRunLoop* runLoop)
{
    if (!runLoop || parentWindow == 0)
        return nullptr;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
    {
        xcb_disconnect(connection);
        return nullptr;
    }
    std::unique_ptr<X11Frame> platform(new X11Frame(frame, connection, parentWindow, width, height));
    if (!platform->openWindow(runLoop))
        return nullptr;
    return platform;
}

X11Frame::X11Frame(CFrame& frame, xcb_connection_t* connection, uint32_t parent, int width, int height)
    : PlatformFrame(frame, width, height), connection(connection), parent(parent)
{}

bool X11Frame::openWindow(IRunLoop* loop)
{
    xcb_generic_error_t* error = nullptr;
    free(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, parent), &error));
    if (error)
    {
        free(error);
        return false;
    }
    int width = getBackBuffer()->getWidth();
    int height = getBackBuffer()->getHeight();
    window = xcb_generate_id(connection);
    uint32_t eventMask = XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_BUTTON_PRESS |
                         XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_BUTTON_MOTION;
    // Key events are left unselected: they travel on to the host's window.
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, parent, 0, 0, static_cast<uint16_t>(width),
                      static_cast<uint16_t>(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT,
                      XCB_CW_EVENT_MASK, &eventMask);
    auto* attributes =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr);
    xcb_visualtype_t* visual = attributes ? findVisual(connection, attributes->visual) : nullptr;
    free(attributes);
    if (!visual)
        return false;
    surface = cairo_xcb_surface_create(connection, window, visual, width, height);
    if (!loop->registerEventHandler(this, xcb_get_file_descriptor(connection)))
        return false;
    runLoop = loop;
    timerRegistered = loop->registerTimer(this, kEventTickMs);
    if (!timerRegistered)
        return false;
    xcb_map_window(connection, window);
    flush();
    return true;
}

X11Frame::~X11Frame()
{
    *alive = false;
    if (timerRegistered)
        runLoop->unregisterTimer(this);
    if (runLoop)
        runLoop->unregisterEventHandler(this);
    if (surface)
    {
        // cairo keeps per-connection state; it must let go of it before the connection closes, or
        // a later connection at the same address inherits it.
        cairo_device_t* device = cairo_device_reference(cairo_surface_get_device(surface));
        cairo_surface_destroy(surface);
        cairo_device_finish(device);
        cairo_device_destroy(device);
    }
    for (xcb_generic_event_t* event : taken)
        free(event);
    if (window)
    {
        // Wait until the server has destroyed the window: the host, on a connection of its own,
        // may look at or reuse its parent as soon as the editor is removed.
        xcb_destroy_window(connection, window);
        free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
    xcb_flush(connection);
    xcb_disconnect(connection);
}

void* X11Frame::getParentWindow() const
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(parent));
}

bool X11Frame::setSize(int width, int height)
{
    if (!PlatformFrame::setSize(width, height))
        return false;
    uint32_t values[] = {static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
    xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values);
    cairo_xcb_surface_set_size(surface, width, height);
    flush();
    return true;
}

void X11Frame::onInvalidated()
{
    if (servingEvents || !exposed)
        return; // painted at the end of the events being served, or at the first Expose
    xcb_expose_event_t expose{};
    expose.response_type = XCB_EXPOSE;
    expose.window = window;
    xcb_send_event(connection, false, window, XCB_EVENT_MASK_EXPOSURE, reinterpret_cast<const char*>(&expose));
    flush();
}

void X11Frame::present(const std::vector<CRect>& areas)
{
    cairo_t* cr = cairo_create(surface);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, getBackBuffer()->getSurface(), 0, 0);
    for (const CRect& area : areas)
        cairo_rectangle(cr, area.left, area.top, area.getWidth(), area.getHeight());
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    // One round trip: when the paint returns the server has drawn it, so another client (a host
    // taking a snapshot) never reads the window half-updated.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    takeQueuedEvents();
}

void X11Frame::flush()
{
    xcb_flush(connection);
    takeQueuedEvents();
}

void X11Frame::takeQueuedEvents()
{
    while (xcb_generic_event_t* event = xcb_poll_for_queued_event(connection))
        taken.push_back(event);
}

xcb_generic_event_t* X11Frame::nextEvent()
{
    if (taken.empty())
        return xcb_poll_for_event(connection);
    xcb_generic_event_t* event = taken.front();
    taken.pop_front();
    return event;
}

void X11Frame::onEvent()
{
    std::shared_ptr<bool> stillAlive = alive;
    servingEvents = true;
    while (xcb_generic_event_t* event = nextEvent())
    {
        handle(event);
        free(event);
        if (!*stillAlive)
            return;
    }
    servingEvents = false;
    if (exposed && hasInvalidArea())
        paintInvalid();
}

void X11Frame::handle(const xcb_generic_event_t* event)
{
    switch (event->response_type & 0x7f)
    {
    case XCB_EXPOSE:
    {
        auto* expose = reinterpret_cast<const xcb_expose_event_t*>(event);
        // Our own announcements of invalidated areas are sent events; the server's are not.
        if (!(event->response_type & 0x80))
            exposed = true;
        invalidRect(CRect(expose->x, expose->y, expose->x + expose->width, expose->y + expose->height));
        break;
    }
    case XCB_BUTTON_PRESS:
    {
        auto* press = reinterpret_cast<const xcb_button_press_event_t*>(event);
        if (press->detail >= 1 && press->detail <= 3) // 4 and up are wheel steps
            frame.platformOnMouseDown(CPoint(press->event_x, press->event_y), buttonsFrom(press->state, press->detail));
        break;
    }
    case XCB_BUTTON_RELEASE:
    {
        auto* release = reinterpret_cast<const xcb_button_release_event_t*>(event);
        if (release->detail >= 1 && release->detail <= 3)
            frame.platformOnMouseUp(CPoint(release->event_x, release->event_y),
                                    buttonsFrom(release->state, release->detail));
        break;
    }
    case XCB_MOTION_NOTIFY:
    {
        auto* motion = reinterpret_cast<const xcb_motion_notify_event_t*>(event);
        frame.platformOnMouseMoved(CPoint(motion->event_x, motion->event_y), buttonsFrom(motion->state, 0));
        break;
    }
    case XCB_UNMAP_NOTIFY:
        // Off screen until the server exposes it again.
        exposed = false;
        break;
    default:
        break;
    }
}

} // namespace VSTGUI
