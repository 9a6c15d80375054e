#pragma once

#include "kro-core/plugin/IKROSDKController.h"

namespace Steinberg {
namespace Vst {
class CKROVST3EditController;
} // namespace Vst
} // namespace Steinberg

namespace Mevarik {

// The editor's handle on the effect in the VST3 build. The editor lives beside the edit controller
// and the effect in the processor, so every call becomes a call on the edit controller or a
// message to the processor through the controller's connection. Runs on the user-interface
// thread only. The controller is not owned: the editor holds a reference on it for its whole
// life. Without a controller every call does nothing and reports failure.
class CKROVST3Controller : public IKROSDKController
{
public:
    explicit CKROVST3Controller(Steinberg::Vst::CKROVST3EditController* controller);

    double GetParameterNormalized(uint32_t index) override;
    // Tells the processor, updates the controller's parameter and reports the edit to the host.
    // Returns the host's answer, or the controller's for a parameter the host does not know.
    // Values outside 0 ... 1 are held at the nearest end; NaN, or an index the messages cannot
    // carry, changes nothing and gives kInvalidArgument.
    int32_t SetParameterNormalized(uint32_t index, double value) override;
    int32_t GetParameterCount() override;
    int32_t GetFirstParameterIndex() override;
    // True while there is a controller with a processor connected to it.
    bool IsConnected() override;
    void ReleaseLink(std::shared_ptr<void> link) override;
    void Idle() override;
    // Preset commands go out as "PrsHnd", every other text as "GUI2DSPString"; an empty text not at all.
    void SendMessage(const std::string& message) override;
    // As indented XML in "GUI2DSPPTree"; a tree that cannot be written is dropped.
    void SendStateTree(const boost::property_tree::ptree& tree) override;
    int32_t GetDisplayData(int32_t channel, float** buffer, int32_t* capacity, int32_t countHint) override;
    // 0 when the data went to a processor, 1 when nothing was sent (no processor, no data, or a
    // count below 1).
    int32_t SetDisplayData(int32_t channel, float* data, int32_t count) override;
    // Edit gestures reach the host only for the parameters the host knows.
    void BeginEdit(uint32_t index) override;
    void EndEdit(uint32_t index) override;

private:
    bool IsHostParameter(uint32_t index) const;

    Steinberg::Vst::CKROVST3EditController* controller;
};

} // namespace Mevarik
