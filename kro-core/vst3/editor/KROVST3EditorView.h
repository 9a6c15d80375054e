#pragma once

#include "kro-core/vst3/plugin/IKROAttachedEditor.h"
#include "KROVST3RunLoop.h"

#include "toolkit/CBaseObject.h"
#include "toolkit/CRect.h"
#include "toolkit/ERect.h"

#include "public.sdk/source/vst/vsteditcontroller.h"

#include <cstdint>
#include <memory>

namespace VSTGUI {
class CFrame;
class CVSTGUITimer;
class VSTGUIEditorInterface;
} // namespace VSTGUI

namespace Steinberg {
namespace Vst {

class CKROVST3EditController;

// The host-facing half of an editor in the VST3 build: the plug-in view the host attaches to its
// window. On attach it opens a toolkit frame as a child of the host's X11 window on the host's run
// loop, hands the frame to the editor, fits the host's frame to the editor, starts the idle timer
// and only then joins the controller's relay (which asks the editor to request its data). The
// editor half is reached through the hooks below; CKROGuiEditorVST3 joins the two. Every host call
// runs on the host's user-interface thread and catches whatever its body throws; an attach that
// runs out of memory closes what it opened and leaves the view detached.
class CKROVST3EditorView : public EditorView, public IKROAttachedEditor, public VSTGUI::CBaseObject
{
public:
    static constexpr uint32_t kDefaultIdleRateMs = 100;
    // A host may size the view up to this much wider and higher than the editor, never smaller.
    static constexpr int32 kMaximumExtraSize = 50;

    // flagCount: parameter indices 0 ... flagCount - 1 can be marked as changed.
    CKROVST3EditorView(CKROVST3EditController* controller, int32 flagCount);
    ~CKROVST3EditorView() override;
    CKROVST3EditorView(const CKROVST3EditorView&) = delete;
    CKROVST3EditorView& operator=(const CKROVST3EditorView&) = delete;

    // IPlugView
    tresult PLUGIN_API isPlatformTypeSupported(FIDString type) SMTG_OVERRIDE;
    tresult PLUGIN_API attached(void* parent, FIDString type) SMTG_OVERRIDE;
    tresult PLUGIN_API removed() SMTG_OVERRIDE;
    tresult PLUGIN_API onSize(ViewRect* newSize) SMTG_OVERRIDE;
    tresult PLUGIN_API checkSizeConstraint(ViewRect* rect) SMTG_OVERRIDE;

    // The idle timer's tick runs the editor's idle.
    VSTGUI::CMessageResult notify(VSTGUI::CBaseObject* sender, VSTGUI::IdStringPtr message) override;

    // A running timer goes on at the new rate; 0 is refused.
    bool SetIdleRate(uint32_t milliseconds);
    uint32_t GetIdleRate() const;

protected:
    // The editor half. OpenEditor gets an open frame made for the editor and takes it over when it
    // answers true; CloseEditor closes it again.
    virtual VSTGUI::VSTGUIEditorInterface& FrameEditor() = 0;
    virtual bool OpenEditor(VSTGUI::CFrame& frame) = 0;
    virtual void CloseEditor() = 0;
    virtual void IdleEditor() = 0;
    virtual VSTGUI::ERect EditorRect() = 0;
    virtual VSTGUI::CFrame* EditorFrame() = 0;
    // After the editor opened, before the host's frame is fitted to it.
    virtual void EditorOpened() {}
    // Puts the frame in the host's window; tests stand in for the window here.
    virtual bool OpenFrame(VSTGUI::CFrame& frame, void* parent, VSTGUI::IRunLoop& runLoop);

    // The view's rectangle becomes (0, 0) to the size, and the host is asked to take it.
    void RequestHostSize(VSTGUI::CCoord width, VSTGUI::CCoord height);
    // Detaches like removed(); the editor half calls it while it still exists.
    void DetachBeforeDestruction();

    const int32 flagCount;

private:
    // How far an attach came, so that a failure can undo exactly that.
    struct AttachStage
    {
        VSTGUI::CFrame* frame = nullptr;
        bool frameOpen = false;
        bool editorOpen = false;
    };
    tresult Attach(void* parent, FIDString type, AttachStage& stage);
    void UndoAttach(const AttachStage& stage);
    void StopAndCloseEditor();
    void ReleaseRunLoop();

    VSTGUI::CVSTGUITimer* idleTimer;          // one reference held
    std::unique_ptr<CKROVST3RunLoop> runLoop; // while attached
};

// The view rectangle from an editor rectangle.
ViewRect ToViewRect(const VSTGUI::ERect& rect);

} // namespace Vst
} // namespace Steinberg
