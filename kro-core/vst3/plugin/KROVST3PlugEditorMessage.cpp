#include "KROVST3PlugEditorMessage.h"

#include "KROAudioPlugInVST3.h"
#include "kro-core/plugin/KROStateTreeXml.h"
#include "KROVST3PeerMessages.h"

namespace Steinberg {
namespace Vst {

void CKROVST3PlugEditorMessage::SendString(std::string text)
{
    if (text.find(kMsgEditorString) != std::string::npos)
        SendData(processor, kMsgEditorString, text.data(), static_cast<uint32_t>(text.size()));
    else
        processor.HandleEffectMessage(text);
}

void CKROVST3PlugEditorMessage::SendParameterChange(uint32_t index, float value)
{
    SendParameterValue(processor, static_cast<int32_t>(index), value);
}

void CKROVST3PlugEditorMessage::SendBinary(const float* data, int32_t count)
{
    if (data != nullptr && count > 0)
        SendData(processor, kMsgEditorBinary, data, static_cast<uint32_t>(count) * sizeof(float));
}

void CKROVST3PlugEditorMessage::SendStateTree(const boost::property_tree::ptree& tree, bool toPlugIn)
{
    if (toPlugIn)
    {
        processor.ReceiveStateTree(tree);
        return;
    }
    std::string text;
    if (WriteStateTreeXml(tree, KROStateTreeLayout::kIndented, text))
        SendData(processor, kMsgEditorTree, text.data(), static_cast<uint32_t>(text.size()));
}

} // namespace Vst
} // namespace Steinberg
