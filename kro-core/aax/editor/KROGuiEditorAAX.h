#pragma once

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_IViewContainer.h"
#include "kro-core/gui/CKROCtrlSetInterface.h"
#include "kro-core/aax/IKROAAXLinkedEditor.h"
#include "KROMainAAXView.h"

#include "toolkit/CFrame.h"

#include <utility>

// An editor of the framework (CKROGuiEditor or a product editor derived from it) in the AAX build:
// the effect's link reaches it directly, and a new size it takes is asked of the host's view
// container first. It ticks on its own window timer. User-interface thread.
template <class Editor>
class CKROGuiEditorAAX final : public Editor, public IKROAAXLinkedEditor
{
public:
    template <class... EditorArguments>
    explicit CKROGuiEditorAAX(EditorArguments&&... editorArguments)
        : Editor(std::forward<EditorArguments>(editorArguments)...)
    {}

    // IKROAAXLinkedEditor, which shares these with the editor.
    void ReceiveDSPMessage(const std::string& text) override { Editor::ReceiveDSPMessage(text); }
    void ReceiveDSPBinary(const float* data, int32_t count) override { Editor::ReceiveDSPBinary(data, count); }
    void ReceiveStateTree(const boost::property_tree::ptree& tree) override { Editor::ReceiveStateTree(tree); }
    void MarkParameterChanged(int32_t index, float value) override { Editor::MarkParameterChanged(index, value); }

    // The controls of the current control set by tag; null without one.
    const CKROCtrlSetInterface::ControlMap* CurrentControls() const
    {
        return this->currentControlSet ? &this->currentControlSet->Controls() : nullptr;
    }

protected:
    // A frame without a container (or not an AAX frame) has no one to ask.
    bool HostAcceptsSize(VSTGUI::CCoord width, VSTGUI::CCoord height) override
    {
        auto* view = dynamic_cast<CKROMainAAXView*>(this->getFrame());
        AAX_IViewContainer* container = view ? view->GetViewContainer() : nullptr;
        if (!container)
            return true;
        AAX_Point size{static_cast<float>(height), static_cast<float>(width)};
        return container->SetViewSize(size) == AAX_SUCCESS;
    }
};
