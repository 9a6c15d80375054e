#include "SimEditor.h"

#include "IRunLoop.h"
#include "aaxsdk/AAX_Results.h"

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

SimEditor::SimEditor(const SimEffectRecord& effect, SimHost& host) : host(host)
{
    const auto factory = effect.procedures.find(AAX_eProcPtrID_Create_EffectGUI);
    if (factory == effect.procedures.end() || factory->second == nullptr)
    {
        error = "the effect has no GUI factory";
        return;
    }
    IACFUnknown* created = reinterpret_cast<AAX_CCreateObjectProc>(factory->second)();
    void* out = nullptr;
    if (!created || created->QueryInterface(IID_AAX_IACFEffectGUI, &out) != ACF_OK || !out)
    {
        error = "the GUI factory makes no GUI";
        return;
    }
    gui = static_cast<AAX_IACFEffectGUI*>(out);
    const AAX_Result initialized = gui->Initialize(host.Unknown());
    if (initialized != AAX_SUCCESS)
        error = "the GUI does not initialise: " + std::to_string(initialized);
    host.effectLink.SetGUI(gui);
}

SimEditor::~SimEditor()
{
    Destroy();
}

void SimEditor::Destroy()
{
    if (!gui)
        return;
    host.effectLink.SetGUI(nullptr);
    gui->SetViewContainer(nullptr);
    gui->Uninitialize();
    gui->Release();
    gui = nullptr;
}

AAX_Result SimEditor::Show(void* nativeWindow)
{
    if (!nativeWindow)
        return gui->SetViewContainer(nullptr);
    host.values.viewContainerType = AAX_eViewContainer_Type_NativeWindow;
    host.values.viewContainerWindow = nativeWindow;
    return gui->SetViewContainer(host.ViewContainer());
}

void SimEditor::Serve(SimEditorWindow& window, uint32_t durationMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(durationMs);
    do
    {
        window.RunFor(kWakeupMs);
        if (gui)
            gui->TimerWakeup();
    } while (std::chrono::steady_clock::now() < end);
}

AAX_Point SimEditor::ViewSize()
{
    AAX_Point size{0.0f, 0.0f};
    gui->GetViewSize(&size);
    return size;
}

// The window's own events: a close request from the window manager ends the session.
class SimEditorWindow::WindowEvents final : public VSTGUI::IRunLoop::IEventHandler
{
public:
    explicit WindowEvents(SimEditorWindow& window) : window(window) {}
    void onEvent() override { window.DrainEvents(); }

private:
    SimEditorWindow& window;
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

std::unique_ptr<SimEditorWindow> SimEditorWindow::Open(const std::string& title, int width, int height,
                                                       std::string& error)
{
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
    {
        error = "no X display: DISPLAY is not set";
        return nullptr;
    }
    std::unique_ptr<SimEditorWindow> opened(new SimEditorWindow);
    opened->connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(opened->connection))
    {
        xcb_disconnect(opened->connection);
        opened->connection = nullptr;
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
    // Ask the window manager for a close message instead of a lost connection.
    opened->deleteAtom = Atom(connection, "WM_DELETE_WINDOW");
    const xcb_atom_t protocols = Atom(connection, "WM_PROTOCOLS");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, opened->window, protocols, XCB_ATOM_ATOM, 32, 1,
                        &opened->deleteAtom);
    xcb_map_window(connection, opened->window);
    xcb_flush(connection);
    opened->windowEvents = std::make_unique<WindowEvents>(*opened);
    opened->loop.registerEventHandler(opened->windowEvents.get(), xcb_get_file_descriptor(connection));
    VSTGUI::RunLoop::setCurrent(&opened->loop);
    return opened;
}

SimEditorWindow::~SimEditorWindow()
{
    VSTGUI::RunLoop::setCurrent(nullptr);
    if (windowEvents)
        loop.unregisterEventHandler(windowEvents.get());
    if (connection)
    {
        if (window)
            xcb_destroy_window(connection, window);
        xcb_disconnect(connection);
    }
}

void* SimEditorWindow::NativeWindow() const
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(window));
}

void SimEditorWindow::Resize(int width, int height)
{
    const uint32_t values[] = {static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
    xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values);
    xcb_flush(connection);
}

void SimEditorWindow::RunFor(uint32_t durationMs)
{
    loop.runFor(durationMs);
}

void SimEditorWindow::DrainEvents()
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
