#include "EditorWindow.h"

#include <cstdlib>
#include <cstring>
#include <functional>

#include "EditorPlugFrame.h"
#include "HostRunLoop.h"
#include "testhosts/x11/X11TopWindow.h"

using namespace Steinberg;

// The host window's own events: a close request from the window manager ends the session.
class EditorWindow::WindowEvents final : public VSTGUI::IRunLoop::IEventHandler
{
public:
    explicit WindowEvents(X11TopWindow& window) : window(window) {}
    void onEvent() override { window.DrainEvents(); }

private:
    X11TopWindow& window;
};

std::unique_ptr<EditorWindow> EditorWindow::Open(Vst::IEditController* controller, const std::string& title,
                                                 std::string& error)
{
    std::unique_ptr<EditorWindow> editor(new EditorWindow);
    editor->view = owned(controller->createView(Vst::ViewType::kEditor));
    if (!editor->view || editor->view->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID) != kResultTrue)
    {
        error = "the plug-in offers no editor for an X11 window";
        return nullptr;
    }
    ViewRect size(0, 0, 400, 300);
    editor->view->getSize(&size);
    editor->window = X11TopWindow::Open(title, size.getWidth(), size.getHeight(), error);
    if (!editor->window)
    {
        error = "--editor " + error;
        return nullptr;
    }

    editor->runLoop = owned(new HostRunLoop);
    X11TopWindow* window = editor->window.get();
    editor->plugFrame = owned(new EditorPlugFrame(editor->runLoop, [window](int w, int h) { window->Resize(w, h); }));
    editor->windowEvents = std::make_unique<WindowEvents>(*window);
    editor->runLoop->Loop().registerEventHandler(editor->windowEvents.get(), window->FileDescriptor());
    editor->view->setFrame(editor->plugFrame);
    if (editor->view->attached(window->NativeWindow(), kPlatformTypeX11EmbedWindowID) != kResultOk)
    {
        error = "the plug-in's editor did not open in the window";
        return nullptr;
    }
    editor->attached = true;
    return editor;
}

EditorWindow::~EditorWindow()
{
    if (view)
    {
        if (attached)
            view->removed();
        view->setFrame(nullptr);
        view = nullptr;
    }
    if (runLoop && windowEvents)
        runLoop->Loop().unregisterEventHandler(windowEvents.get());
    plugFrame = nullptr;
    runLoop = nullptr;
}

void EditorWindow::RunFor(uint32_t durationMs)
{
    runLoop->RunFor(durationMs);
}

bool EditorWindow::Closed() const
{
    return window && window->Closed();
}
