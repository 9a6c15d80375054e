#pragma once

#include "kro-core/plugin/IKROPlugEditorMessage.h"

class CKROAudioPlugInAAX;
class IKROAAXLinkedEditor;

// The effect's link to the editor in the AAX build: direct calls in the same process. Texts for
// the plug-in itself go to the adapter; everything meant for the editor is dropped while none is
// attached. User-interface thread.
class CKROAAXPlugEditorMessage final : public IKROPlugEditorMessage
{
public:
    CKROAAXPlugEditorMessage(IKROAAXLinkedEditor* editor, CKROAudioPlugInAAX& plugIn) : editor(editor), plugIn(plugIn)
    {}

    void SendString(std::string text) override;
    void SendParameterChange(uint32_t index, float value) override;
    void SendBinary(const float* data, int32_t count) override;
    void SendStateTree(const boost::property_tree::ptree& tree, bool toPlugIn) override;

    // Null detaches the editor.
    void SetEditor(IKROAAXLinkedEditor* attached) { editor = attached; }
    IKROAAXLinkedEditor* Editor() const { return editor; }

private:
    IKROAAXLinkedEditor* editor;
    CKROAudioPlugInAAX& plugIn;
};
