#include "SimEditor.h"

#include "toolkit/IRunLoop.h"
#include "aaxsdk/AAX_Results.h"

#include <algorithm>
#include <chrono>

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
    for (;;)
    {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        window.RunFor(static_cast<uint32_t>(std::clamp<int64_t>(left.count(), 0, kWakeupMs)));
        if (gui)
            gui->TimerWakeup();
        if (left.count() <= 0)
            return;
    }
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
    explicit WindowEvents(X11TopWindow& window) : window(window) {}
    void onEvent() override { window.DrainEvents(); }

private:
    X11TopWindow& window;
};

std::unique_ptr<SimEditorWindow> SimEditorWindow::Open(const std::string& title, int width, int height,
                                                       std::string& error)
{
    std::unique_ptr<SimEditorWindow> opened(new SimEditorWindow);
    opened->window = X11TopWindow::Open(title, width, height, error);
    if (!opened->window)
        return nullptr;
    opened->windowEvents = std::make_unique<WindowEvents>(*opened->window);
    opened->loop.registerEventHandler(opened->windowEvents.get(), opened->window->FileDescriptor());
    VSTGUI::RunLoop::setCurrent(&opened->loop);
    return opened;
}

SimEditorWindow::~SimEditorWindow()
{
    VSTGUI::RunLoop::setCurrent(nullptr);
    if (windowEvents)
        loop.unregisterEventHandler(windowEvents.get());
}

void SimEditorWindow::RunFor(uint32_t durationMs)
{
    loop.runOnce(0);
    loop.runFor(durationMs);
}
