#pragma once

// An effect's GUI as an AAX host drives it: made through the effect's GUI factory, initialised
// with the instance's host (which answers its question for the effect), shown in a native window
// through a view container of type 3 and told of every parameter update the host delivers. And a
// top-level X11 window of the host's to show it in, with the toolkit's run loop serving the
// editor's window and timers while the window lives. User-interface thread only.

#include "SimDescription.h"
#include "SimHost.h"
#include "aaxsdk/AAX_IACFEffectGUI.h"

#include "toolkit/StandaloneRunLoop.h"
#include "testhosts/x11/X11TopWindow.h"

#include <cstdint>
#include <memory>
#include <string>

class SimEditorWindow;

class SimEditor
{
public:
    // Error() says what failed.
    SimEditor(const SimEffectRecord& effect, SimHost& host);
    // Closes the view, uninitialises and releases the GUI, unless Destroy did already.
    ~SimEditor();

    SimEditor(const SimEditor&) = delete;
    SimEditor& operator=(const SimEditor&) = delete;

    bool IsOpen() const { return gui != nullptr; }
    const std::string& Error() const { return error; }
    AAX_IACFEffectGUI& GUI() { return *gui; }

    // Opens the view in the X11 window (a native-window container); null closes it.
    AAX_Result Show(void* nativeWindow);
    // Serves the window for durationMs, waking the GUI's timer every kWakeupMs as a host does.
    void Serve(SimEditorWindow& window, uint32_t durationMs);
    static constexpr uint32_t kWakeupMs = 5;
    // The view's size as the GUI reports it.
    AAX_Point ViewSize();
    // What a host does when the insert goes: view closed, GUI uninitialised and released.
    void Destroy();

private:
    SimHost& host;
    AAX_IACFEffectGUI* gui = nullptr;
    std::string error;
};

// A host's top-level window for an editor, with the toolkit's run loop current while it lives.
class SimEditorWindow
{
public:
    // Null with a one-line message when there is no X server.
    static std::unique_ptr<SimEditorWindow> Open(const std::string& title, int width, int height, std::string& error);
    ~SimEditorWindow();

    SimEditorWindow(const SimEditorWindow&) = delete;
    SimEditorWindow& operator=(const SimEditorWindow&) = delete;

    X11TopWindow& Window() { return *window; }
    void* NativeWindow() const { return window->NativeWindow(); }
    // Serves the window and what runs on the loop for durationMs (at least once).
    void RunFor(uint32_t durationMs);
    // Whether the user closed the window.
    bool Closed() const { return window->Closed(); }

private:
    class WindowEvents;

    SimEditorWindow() = default;

    std::unique_ptr<X11TopWindow> window;
    VSTGUI::StandaloneRunLoop loop;
    std::unique_ptr<WindowEvents> windowEvents;
};
