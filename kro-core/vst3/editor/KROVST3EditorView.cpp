#include "KROVST3EditorView.h"

#include "kro-core/vst3/plugin/KROVST3EditController.h"
#include "kro-core/vst3/plugin/KROVST3EntryGuard.h"

#include "toolkit/CFrame.h"
#include "toolkit/CVSTGUITimer.h"

#include <cstring>

namespace Steinberg {
namespace Vst {

namespace {

// Brings one extent into [minimum, minimum + extra], moving only the far edge.
void clampExtent(int32& nearEdge, int32& farEdge, int32 minimum)
{
    const int64 extent = static_cast<int64>(farEdge) - nearEdge;
    if (extent < minimum)
        farEdge = nearEdge + minimum;
    else if (extent > minimum + CKROVST3EditorView::kMaximumExtraSize)
        farEdge = nearEdge + minimum + CKROVST3EditorView::kMaximumExtraSize;
}

} // namespace

ViewRect ToViewRect(const VSTGUI::ERect& rect)
{
    return ViewRect(rect.left, rect.top, rect.right, rect.bottom);
}

CKROVST3EditorView::CKROVST3EditorView(CKROVST3EditController* controller, int32 flagCount)
    : EditorView(controller), flagCount(flagCount), idleTimer(new VSTGUI::CVSTGUITimer(this, kDefaultIdleRateMs))
{}

CKROVST3EditorView::~CKROVST3EditorView()
{
    idleTimer->stop();
    idleTimer->forget();
}

tresult PLUGIN_API CKROVST3EditorView::isPlatformTypeSupported(FIDString type)
{
    return type && std::strcmp(type, kPlatformTypeX11EmbedWindowID) == 0 ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API CKROVST3EditorView::attached(void* parent, FIDString type)
{
    if (!parent || isPlatformTypeSupported(type) != kResultTrue)
        return kInvalidArgument;
    // A second attach without a removal in between would open a second frame over the first.
    if (isAttached())
        return kResultFalse;
    AttachStage stage{};
    try
    {
        return Attach(parent, type, stage);
    }
    catch (...)
    {
        // Memory ran out on the way: what was opened is closed again and the view stays detached.
        GuardEntry(false, [&] {
            UndoAttach(stage);
            return true;
        });
        return kOutOfMemory;
    }
}

tresult CKROVST3EditorView::Attach(void* parent, FIDString type, AttachStage& stage)
{
    // The frame's events and the timers need the host's loop; without one the editor cannot run.
    runLoop = CKROVST3RunLoop::FromPlugFrame(plugFrame);
    if (!runLoop)
        return kResultFalse;
    // Timers and windows made from now on find the host's loop.
    VSTGUI::RunLoop::setCurrent(runLoop.get());

    const VSTGUI::ERect size = EditorRect();
    stage.frame =
        new VSTGUI::CFrame(VSTGUI::CRect(0, 0, size.right - size.left, size.bottom - size.top), &FrameEditor());
    if (!OpenFrame(*stage.frame, parent, *runLoop))
    {
        UndoAttach(stage);
        return kResultFalse;
    }
    stage.frameOpen = true;
    if (!OpenEditor(*stage.frame))
    {
        UndoAttach(stage);
        return kResultFalse;
    }
    stage.editorOpen = true;
    EditorOpened();
    const VSTGUI::ERect opened = EditorRect();
    RequestHostSize(opened.right - opened.left, opened.bottom - opened.top);
    idleTimer->start();
    // Joins the controller's relay last: the controller then asks the editor for its data, and
    // the answers find it registered.
    return EditorView::attached(parent, type);
}

void CKROVST3EditorView::UndoAttach(const AttachStage& stage)
{
    if (stage.editorOpen)
    {
        StopAndCloseEditor();
        // Out of the controller's relay too, should it have joined.
        EditorView::removed();
        return;
    }
    // An editor that took the frame before it failed closes it itself and lets go of it.
    if (stage.frameOpen && EditorFrame() == stage.frame)
        CloseEditor();
    else if (stage.frameOpen)
        stage.frame->close();
    else if (stage.frame != nullptr)
        stage.frame->forget();
    ReleaseRunLoop();
}

tresult PLUGIN_API CKROVST3EditorView::removed()
{
    if (!isAttached())
        return kResultFalse;
    return GuardEntry(kResultFalse, [&]() -> tresult {
        StopAndCloseEditor();
        return EditorView::removed();
    });
}

void CKROVST3EditorView::DetachBeforeDestruction()
{
    if (isAttached())
        removed();
}

void CKROVST3EditorView::StopAndCloseEditor()
{
    idleTimer->stop();
    CloseEditor();
    ReleaseRunLoop();
}

void CKROVST3EditorView::ReleaseRunLoop()
{
    // Another open view may have made its own loop the current one since.
    if (VSTGUI::RunLoop::current() == runLoop.get())
        VSTGUI::RunLoop::setCurrent(nullptr);
    runLoop.reset();
}

tresult PLUGIN_API CKROVST3EditorView::onSize(ViewRect* newSize)
{
    if (!newSize)
        return kInvalidArgument;
    // A host that ignores the size limits must not make the frame allocate a buffer of any size it
    // likes: the frame takes the nearest size the limits allow.
    ViewRect frameSize = *newSize;
    checkSizeConstraint(&frameSize);
    return GuardEntry(kResultFalse, [&]() -> tresult {
        if (VSTGUI::CFrame* frame = EditorFrame())
            frame->setSize(frameSize.getWidth(), frameSize.getHeight());
        rect = *newSize;
        return kResultTrue;
    });
}

tresult PLUGIN_API CKROVST3EditorView::checkSizeConstraint(ViewRect* wanted)
{
    if (!wanted)
        return kInvalidArgument;
    return GuardEntry(kResultFalse, [&]() -> tresult {
        const VSTGUI::ERect editor = EditorRect();
        clampExtent(wanted->left, wanted->right, editor.right);
        clampExtent(wanted->top, wanted->bottom, editor.bottom);
        return kResultTrue;
    });
}

VSTGUI::CMessageResult CKROVST3EditorView::notify(VSTGUI::CBaseObject* sender, VSTGUI::IdStringPtr message)
{
    if (sender != idleTimer || !message || std::strcmp(message, VSTGUI::CVSTGUITimer::kMsgTimer) != 0)
        return VSTGUI::kMessageUnknown;
    IdleEditor();
    return VSTGUI::kMessageNotified;
}

bool CKROVST3EditorView::SetIdleRate(uint32_t milliseconds)
{
    return idleTimer->setFireTime(milliseconds);
}

uint32_t CKROVST3EditorView::GetIdleRate() const
{
    return idleTimer->getFireTime();
}

bool CKROVST3EditorView::OpenFrame(VSTGUI::CFrame& frame, void* parent, VSTGUI::IRunLoop& loop)
{
    return frame.open(parent, VSTGUI::PlatformType::kX11EmbedWindowID, &loop);
}

void CKROVST3EditorView::RequestHostSize(VSTGUI::CCoord width, VSTGUI::CCoord height)
{
    rect = ViewRect(0, 0, static_cast<int32>(width), static_cast<int32>(height));
    // The host answers with onSize, or not at all; either way the editor keeps its new size.
    ViewRect wanted = rect;
    if (plugFrame)
        plugFrame->resizeView(this, &wanted);
}

} // namespace Vst
} // namespace Steinberg
