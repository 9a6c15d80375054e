#pragma once

#include "KROVST3EditorView.h"

#include "kro-core/gui/CKROGuiEditor.h"
#include "kro-core/vst3/plugin/KROVST3Controller.h"

#include "toolkit/CFrame.h"

#include <memory>
#include <string>
#include <utility>

namespace Steinberg {
namespace Vst {

// An editor of the framework (CKROGuiEditor or a product editor derived from it) as a VST3 plug-in
// view. The editor talks to the effect through a controller bridge it owns; its idle tick comes
// from the view's timer while the view is attached, not from the editor's own window timer; the
// host's requests for help, the about box and the controller's relays reach the editor directly.
template <class Editor>
class CKROGuiEditorVST3 : public CKROVST3EditorView, public Editor
{
public:
    // editorArguments follow the effect handle of the editor's constructor.
    template <class... EditorArguments>
    CKROGuiEditorVST3(CKROVST3EditController* editController, int32 flagCount, EditorArguments&&... editorArguments)
        : CKROVST3EditorView(editController, flagCount),
          Editor(editController, std::forward<EditorArguments>(editorArguments)...)
    {
        this->SetController(std::make_unique<Mevarik::CKROVST3Controller>(editController));
        this->setRect(ToViewRect(EditorRect()));
    }
    ~CKROGuiEditorVST3() override { DetachBeforeDestruction(); }

    // IKROAttachedEditor, which shares these with the editor.
    void ReceiveDSPMessage(const std::string& text) override { Editor::ReceiveDSPMessage(text); }
    void ReceiveDSPBinary(const float* data, int32 count) override { Editor::ReceiveDSPBinary(data, count); }
    void ReceiveStateTree(const boost::property_tree::ptree& tree) override { Editor::ReceiveStateTree(tree); }
    void MarkParameterChanged(int32 index, double value) override
    {
        MarkParameterChanged(index, static_cast<float>(value));
    }
    // Only the view's flag count of indices is kept.
    void MarkParameterChanged(int32 index, float value) override
    {
        if (index >= 0 && index < flagCount)
            Editor::MarkParameterChanged(index, value);
    }
    // The controller calls this once the view is registered; the editor's own call while it opens
    // would come before that, and the answers would find no editor to reach.
    void OnControllerConnected() override
    {
        if (!opening)
            Editor::OnControllerConnected();
    }
    bool OpenHelp(bool /*onlyCheck*/) override { return Editor::OpenHelp(); }
    bool OpenAboutBox(bool /*onlyCheck*/) override { return Editor::OpenAboutBox(); }

    OBJ_METHODS(CKROGuiEditorVST3, CKROVST3EditorView)

protected:
    VSTGUI::VSTGUIEditorInterface& FrameEditor() override { return *this; }
    bool OpenEditor(VSTGUI::CFrame& frame) override
    {
        opening = true;
        const bool opened = this->open(&frame);
        opening = false;
        // The view's timer drives the tick in this build.
        this->timer->Stop();
        // A new frame starts unzoomed; the editor's size still has the zoom it was closed with.
        if (opened && zoomWhenClosed > 0.f)
            this->SetZoomFactor(zoomWhenClosed);
        return opened;
    }
    void CloseEditor() override
    {
        zoomWhenClosed = this->GetZoomFactor();
        this->close();
    }
    void IdleEditor() override { this->idle(); }
    VSTGUI::ERect EditorRect() override
    {
        VSTGUI::ERect* editorRect = nullptr;
        return Editor::getRect(&editorRect) && editorRect ? *editorRect : VSTGUI::ERect{};
    }
    VSTGUI::CFrame* EditorFrame() override { return this->getFrame(); }

    // A zoom's new size goes to the host; what it answers is not examined.
    bool HostAcceptsSize(VSTGUI::CCoord width, VSTGUI::CCoord height) override
    {
        RequestHostSize(width, height);
        return true;
    }

private:
    bool opening = false;
    float zoomWhenClosed = 0.f;
};

} // namespace Vst
} // namespace Steinberg
