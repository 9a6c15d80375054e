#pragma once

#include "kro-core/plugin/IKROPlugEditorMessage.h"

namespace Steinberg {
namespace Vst {

class CKROAudioPlugInVST3;

// The effect's link to the editor in the VST3 build: what the effect sends becomes a message
// from the processor to its controller, which hands it to the open editors. Texts and trees for
// the plug-in itself go to the processor.
class CKROVST3PlugEditorMessage final : public IKROPlugEditorMessage
{
public:
    explicit CKROVST3PlugEditorMessage(CKROAudioPlugInVST3& processor) : processor(processor) {}

    void SendString(std::string text) override;
    void SendParameterChange(uint32_t index, float value) override;
    void SendBinary(const float* data, int32_t count) override;
    void SendStateTree(const boost::property_tree::ptree& tree, bool toPlugIn) override;

private:
    CKROAudioPlugInVST3& processor;
};

} // namespace Vst
} // namespace Steinberg
