#include "VSTGUI_ContentView.h"

#include "toolkit/PlatformFrame.h"

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>

namespace {

constexpr uint32_t kKeyDownMessage = 0x0100; // WM_KEYDOWN

// Windows virtual-key codes by frame virtual key (VKEY_BACK = 1 ... VKEY_EQUALS = 57).
constexpr std::array<uint8_t, 58> kWindowsKeys = {
    0,                                                          // none
    8,   9,   12,  13,  19,  27,  32,                           // back, tab, clear, return, pause, escape, space
    0,                                                          // next: no counterpart
    35,  36,  37,  38,  39,  40,  33,  34,                      // end, home, left, up, right, down, page up, page down
    41,  42,                                                    // select, print
    0,                                                          // enter: no counterpart
    44,  45,  46,  47,                                          // snapshot, insert, delete, help
    96,  97,  98,  99,  100, 101, 102, 103, 104, 105,           // numeric keypad 0 ... 9
    106, 107, 108, 109, 110, 111,                               // multiply, add, separator, subtract, decimal, divide
    112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, // F1 ... F12
    144, 145,                                                   // num lock, scroll lock
    16,  17,  18,                                               // shift, control, alt
    57,                                                         // equals
};

} // namespace

VSTGUI_ContentView::VSTGUI_ContentView(const VSTGUI::CRect& size, VSTGUI::VSTGUIEditorInterface* editor,
                                       AAX_IEffectParameters* effectParameters)
    : CFrame(size, editor), effectParameters(effectParameters)
{}

uint32_t VSTGUI_ContentView::WindowsVirtualKey(unsigned char virtualKey)
{
    return virtualKey < kWindowsKeys.size() ? kWindowsKeys[virtualKey] : 0;
}

int32_t VSTGUI_ContentView::onKeyDown(VSTGUI::VstKeyCode& key)
{
    if (CFrame::onKeyDown(key) == 1)
        return 1;
    VSTGUI::PlatformFrame* platform = getPlatformFrame();
    void* hostWindow = platform ? platform->getParentWindow() : nullptr;
    if (!hostWindow)
        return 0;
    // Only the virtual key travels; the character does not.
    return PostKeyDownToHost(hostWindow, WindowsVirtualKey(key.virt)) ? 1 : 0;
}

bool VSTGUI_ContentView::PostKeyDownToHost(void* hostWindow, uint32_t virtualKey)
{
    if (!std::getenv("DISPLAY"))
        return false;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
    {
        xcb_disconnect(connection);
        return false;
    }
    static constexpr char kAtomName[] = "WM_KEYDOWN";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(kAtomName), kAtomName), nullptr);
    bool posted = false;
    if (atom)
    {
        xcb_client_message_event_t message = {};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = static_cast<xcb_window_t>(reinterpret_cast<uintptr_t>(hostWindow));
        message.type = atom->atom;
        message.data.data32[0] = kKeyDownMessage;
        message.data.data32[1] = virtualKey;
        message.data.data32[2] = 0;
        xcb_generic_error_t* error =
            xcb_request_check(connection, xcb_send_event_checked(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                                                                 reinterpret_cast<const char*>(&message)));
        posted = error == nullptr;
        std::free(error);
        std::free(atom);
    }
    xcb_disconnect(connection);
    return posted;
}
