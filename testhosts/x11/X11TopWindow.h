#pragma once

#include <cstdint>
#include <memory>
#include <string>

struct xcb_connection_t;

// A host's top-level X11 window for a plug-in's editor, on a connection of its own: mapped at
// once, titled, and asking the window manager for a close message instead of a lost connection.
// Main thread only.
class X11TopWindow
{
public:
    // Null with a one-line message ("needs an X display, ..." or "cannot open the X display ...")
    // when there is no X server.
    static std::unique_ptr<X11TopWindow> Open(const std::string& title, int width, int height, std::string& error);
    ~X11TopWindow();
    X11TopWindow(const X11TopWindow&) = delete;
    X11TopWindow& operator=(const X11TopWindow&) = delete;

    xcb_connection_t* Connection() const { return connection; }
    uint32_t Id() const { return window; }
    // The window as a host hands it to a plug-in.
    void* NativeWindow() const { return reinterpret_cast<void*>(static_cast<uintptr_t>(window)); }
    // The connection's descriptor, to watch for DrainEvents.
    int FileDescriptor() const;
    void Resize(int width, int height);
    // The windows embedded in this one, as the X server holds them now; -1 when it does not answer.
    int ChildCount() const;
    // Reads the window's pending events; a close message or a lost connection closes it.
    void DrainEvents();
    bool Closed() const { return closed; }

private:
    X11TopWindow() = default;

    xcb_connection_t* connection = nullptr;
    uint32_t window = 0;
    uint32_t deleteAtom = 0;
    bool closed = false;
};
