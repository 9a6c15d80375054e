#include "EditorWindow.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <functional>

#include "HostRunLoop.h"

using namespace Steinberg;

// The host's frame around the view: it offers the run loop and follows the view's size requests.
class EditorPlugFrame final : public FObject, public IPlugFrame {
public:
    EditorPlugFrame(HostRunLoop* loop, std::function<void(int, int)> resizeWindow)
        : loop(loop), resizeWindow(std::move(resizeWindow))
    {
    }

    tresult PLUGIN_API resizeView(IPlugView* view, ViewRect* newSize) SMTG_OVERRIDE
    {
        if (!view || !newSize) return kInvalidArgument;
        resizeWindow(newSize->getWidth(), newSize->getHeight());
        return view->onSize(newSize);
    }

    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) SMTG_OVERRIDE
    {
        if (FUnknownPrivate::iidEqual(iid, Linux::IRunLoop::iid)) {
            loop->addRef();
            *obj = static_cast<Linux::IRunLoop*>(loop);
            return kResultOk;
        }
        QUERY_INTERFACE(iid, obj, IPlugFrame::iid, IPlugFrame)
        return FObject::queryInterface(iid, obj);
    }
    REFCOUNT_METHODS(FObject)

private:
    HostRunLoop* loop;  // owned by the window
    std::function<void(int, int)> resizeWindow;
};

// The host window's own events: a close request from the window manager ends the session.
class EditorWindow::WindowEvents final : public VSTGUI::IRunLoop::IEventHandler {
public:
    explicit WindowEvents(EditorWindow& window) : window(window) {}
    void onEvent() override { window.DrainEvents(); }

private:
    EditorWindow& window;
};

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

std::unique_ptr<EditorWindow> EditorWindow::Open(Vst::IEditController* controller, const std::string& title,
                                                 std::string& error)
{
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        error = "--editor needs an X display, and DISPLAY is not set";
        return nullptr;
    }
    std::unique_ptr<EditorWindow> editor(new EditorWindow);
    editor->connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(editor->connection)) {
        xcb_disconnect(editor->connection);
        editor->connection = nullptr;
        error = std::string("--editor cannot open the X display \"") + display + "\"";
        return nullptr;
    }
    editor->view = owned(controller->createView(Vst::ViewType::kEditor));
    if (!editor->view || editor->view->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID) != kResultTrue) {
        error = "the plug-in offers no editor for an X11 window";
        return nullptr;
    }
    ViewRect size(0, 0, 400, 300);
    editor->view->getSize(&size);

    xcb_connection_t* connection = editor->connection;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    editor->window = xcb_generate_id(connection);
    const uint32_t eventMask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, editor->window, screen->root, 0, 0,
                      static_cast<uint16_t>(size.getWidth()), static_cast<uint16_t>(size.getHeight()), 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_EVENT_MASK, &eventMask);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, editor->window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        static_cast<uint32_t>(title.size()), title.c_str());
    // Ask the window manager for a close message instead of a lost connection.
    editor->deleteAtom = Atom(connection, "WM_DELETE_WINDOW");
    const xcb_atom_t protocols = Atom(connection, "WM_PROTOCOLS");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, editor->window, protocols, XCB_ATOM_ATOM, 32, 1,
                        &editor->deleteAtom);
    xcb_map_window(connection, editor->window);
    xcb_flush(connection);

    editor->runLoop = owned(new HostRunLoop);
    EditorWindow* raw = editor.get();
    editor->plugFrame = owned(new EditorPlugFrame(editor->runLoop, [raw](int w, int h) { raw->Resize(w, h); }));
    editor->windowEvents = std::make_unique<WindowEvents>(*editor);
    editor->runLoop->Loop().registerEventHandler(editor->windowEvents.get(), xcb_get_file_descriptor(connection));
    editor->view->setFrame(editor->plugFrame);
    if (editor->view->attached(reinterpret_cast<void*>(static_cast<uintptr_t>(editor->window)),
                               kPlatformTypeX11EmbedWindowID) != kResultOk) {
        error = "the plug-in's editor did not open in the window";
        return nullptr;
    }
    editor->attached = true;
    return editor;
}

EditorWindow::~EditorWindow()
{
    if (view) {
        if (attached) view->removed();
        view->setFrame(nullptr);
        view = nullptr;
    }
    if (runLoop && windowEvents) runLoop->Loop().unregisterEventHandler(windowEvents.get());
    plugFrame = nullptr;
    runLoop = nullptr;
    if (connection) {
        if (window) xcb_destroy_window(connection, window);
        xcb_disconnect(connection);
    }
}

void EditorWindow::RunFor(uint32_t durationMs)
{
    runLoop->RunFor(durationMs);
}

void EditorWindow::Resize(int width, int height)
{
    const uint32_t values[] = {static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
    xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values);
    xcb_flush(connection);
}

void EditorWindow::DrainEvents()
{
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
        if ((event->response_type & ~0x80) == XCB_CLIENT_MESSAGE &&
            reinterpret_cast<xcb_client_message_event_t*>(event)->data.data32[0] == deleteAtom)
            closed = true;
        std::free(event);
    }
    if (xcb_connection_has_error(connection)) closed = true;
}
