#include "KROAAXPlugEditorMessage.h"

#include "IKROAAXLinkedEditor.h"
#include "KROAudioPlugInAAX.h"

namespace {

constexpr const char* kEditorTextTag = "DSP2GUIString";

} // namespace

void CKROAAXPlugEditorMessage::SendString(std::string text)
{
    if (text.find(kEditorTextTag) == std::string::npos)
        plugIn.HandleEffectMessage(text);
    else if (editor)
        editor->ReceiveDSPMessage(text);
}

void CKROAAXPlugEditorMessage::SendParameterChange(uint32_t index, float value)
{
    if (editor)
        editor->MarkParameterChanged(static_cast<int32_t>(index), value);
}

void CKROAAXPlugEditorMessage::SendBinary(const float* data, int32_t count)
{
    if (editor)
        editor->ReceiveDSPBinary(data, count);
}

void CKROAAXPlugEditorMessage::SendStateTree(const boost::property_tree::ptree& tree, bool toPlugIn)
{
    if (toPlugIn)
        plugIn.ReceiveStateTree(tree);
    else if (editor)
        editor->ReceiveStateTree(tree);
}
