#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <thread>

// A host's top-level X11 window for editors to embed in, on a connection of its own. Tests check
// IsOpen and skip without an X server (DISPLAY unset).
class X11HostWindow
{
public:
    static bool HaveDisplay() { return std::getenv("DISPLAY") != nullptr; }

    X11HostWindow()
    {
        connection = Connect();
        if (!connection)
            return;
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        window = xcb_generate_id(connection);
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 400, 300, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_map_window(connection, window);
        xcb_flush(connection);
    }
    ~X11HostWindow()
    {
        if (!connection)
            return;
        xcb_destroy_window(connection, window);
        xcb_disconnect(connection);
    }
    X11HostWindow(const X11HostWindow&) = delete;
    X11HostWindow& operator=(const X11HostWindow&) = delete;

    bool IsOpen() const { return connection != nullptr; }
    // The window as a VST3 host passes it to a view's attached.
    void* Parent() const { return reinterpret_cast<void*>(static_cast<uintptr_t>(window)); }

    // The windows embedded in this one, as the X server holds them now.
    int ChildCount() const
    {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
        if (!tree)
            return -1;
        const int count = xcb_query_tree_children_length(tree);
        std::free(tree);
        return count;
    }

private:
    // A server started without -noreset restarts when its last client leaves and refuses
    // connections meanwhile: try again a few times.
    static xcb_connection_t* Connect()
    {
        for (int attempt = 0; attempt < 50; ++attempt)
        {
            xcb_connection_t* attempted = xcb_connect(nullptr, nullptr);
            if (!xcb_connection_has_error(attempted))
                return attempted;
            xcb_disconnect(attempted);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return nullptr;
    }

    xcb_connection_t* connection = nullptr;
    uint32_t window = 0;
};
