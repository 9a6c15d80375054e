#include "X11TopWindow.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

std::unique_ptr<X11TopWindow> X11TopWindow::Open(const std::string& title, int width, int height, std::string& error)
{
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
    {
        error = "needs an X display, and DISPLAY is not set";
        return nullptr;
    }
    std::unique_ptr<X11TopWindow> opened(new X11TopWindow);
    opened->connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(opened->connection))
    {
        error = std::string("cannot open the X display \"") + display + "\"";
        return nullptr;
    }
    xcb_connection_t* connection = opened->connection;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    opened->window = xcb_generate_id(connection);
    const uint32_t eventMask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, opened->window, screen->root, 0, 0,
                      static_cast<uint16_t>(width), static_cast<uint16_t>(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen->root_visual, XCB_CW_EVENT_MASK, &eventMask);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, opened->window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        static_cast<uint32_t>(title.size()), title.c_str());
    opened->deleteAtom = Atom(connection, "WM_DELETE_WINDOW");
    const xcb_atom_t protocols = Atom(connection, "WM_PROTOCOLS");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, opened->window, protocols, XCB_ATOM_ATOM, 32, 1,
                        &opened->deleteAtom);
    xcb_map_window(connection, opened->window);
    xcb_flush(connection);
    return opened;
}

X11TopWindow::~X11TopWindow()
{
    if (!connection)
        return;
    if (window)
        xcb_destroy_window(connection, window);
    xcb_disconnect(connection);
}

int X11TopWindow::FileDescriptor() const
{
    return xcb_get_file_descriptor(connection);
}

void X11TopWindow::Resize(int width, int height)
{
    const uint32_t values[] = {static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
    xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values);
    xcb_flush(connection);
}

int X11TopWindow::ChildCount() const
{
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
    if (!tree)
        return -1;
    const int count = xcb_query_tree_children_length(tree);
    std::free(tree);
    return count;
}

void X11TopWindow::DrainEvents()
{
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection))
    {
        if ((event->response_type & ~0x80) == XCB_CLIENT_MESSAGE &&
            reinterpret_cast<xcb_client_message_event_t*>(event)->data.data32[0] == deleteAtom)
            closed = true;
        std::free(event);
    }
    if (xcb_connection_has_error(connection))
        closed = true;
}
