#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "pluginterfaces/vst/ivsteditcontroller.h"

class HostRunLoop;
class EditorPlugFrame;
class X11TopWindow;

// The plug-in's own editor in a top-level X11 window of the host's, as a Linux host shows it:
// the view from the controller's createView, embedded with "X11EmbedWindowID", the host's run
// loop offered through the plug frame. Main thread only.
class EditorWindow
{
public:
    // Null with a one-line message when there is no display or the plug-in offers no X11 editor.
    static std::unique_ptr<EditorWindow> Open(Steinberg::Vst::IEditController* controller, const std::string& title,
                                              std::string& error);
    // Removes the editor and closes the window.
    ~EditorWindow();
    EditorWindow(const EditorWindow&) = delete;
    EditorWindow& operator=(const EditorWindow&) = delete;

    // Serves the window and the editor for durationMs (at least once).
    void RunFor(uint32_t durationMs);
    // Whether the user closed the window.
    bool Closed() const;

private:
    class WindowEvents;

    EditorWindow() = default;

    std::unique_ptr<X11TopWindow> window;
    Steinberg::IPtr<HostRunLoop> runLoop;
    Steinberg::IPtr<EditorPlugFrame> plugFrame;
    Steinberg::IPtr<Steinberg::IPlugView> view;
    std::unique_ptr<WindowEvents> windowEvents;
    bool attached = false;
};
