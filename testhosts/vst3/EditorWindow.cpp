#include "EditorWindow.h"

#include <cstdlib>
#include <cstring>
#include <functional>

#include "HostRunLoop.h"
#include "testhosts/x11/X11TopWindow.h"

using namespace Steinberg;

// The host's frame around the view: it offers the run loop and follows the view's size requests.
class EditorPlugFrame final : public FObject, public IPlugFrame
{
public:
    EditorPlugFrame(HostRunLoop* loop, std::function<void(int, int)> resizeWindow)
        : loop(loop), resizeWindow(std::move(resizeWindow))
    {}

    tresult PLUGIN_API resizeView(IPlugView* view, ViewRect* newSize) SMTG_OVERRIDE
    {
        if (!view || !newSize)
            return kInvalidArgument;
        resizeWindow(newSize->getWidth(), newSize->getHeight());
        return view->onSize(newSize);
    }

    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) SMTG_OVERRIDE
    {
        if (FUnknownPrivate::iidEqual(iid, Linux::IRunLoop::iid))
        {
            loop->addRef();
            *obj = static_cast<Linux::IRunLoop*>(loop);
            return kResultOk;
        }
        QUERY_INTERFACE(iid, obj, IPlugFrame::iid, IPlugFrame)
        return FObject::queryInterface(iid, obj);
    }
    REFCOUNT_METHODS(FObject)

private:
    HostRunLoop* loop; // owned by the window
    std::function<void(int, int)> resizeWindow;
};

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
