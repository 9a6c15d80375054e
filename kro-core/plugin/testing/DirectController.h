#pragma once

#include "kro-core/plugin/IKROSDKController.h"
#include "kro-core/plugin/KRODisplayDataBuffer.h"

#include <boost/property_tree/ptree.hpp>

#include <memory>
#include <string>

// The shortest bridge from an editor to an effect, as both formats' controllers are in substance:
// direct calls, values normalised, display data copied through the buffer's one allocator. The
// effect is anything with the effect base's operations of these names; it must outlive the
// controller.
template <typename Effect>
class DirectController : public Mevarik::IKROSDKController
{
public:
    explicit DirectController(Effect& effect_) : effect(effect_) {}

    double GetParameterNormalized(uint32_t index) override
    {
        return effect.GetParameterNormalized(static_cast<int32_t>(index));
    }
    int32_t SetParameterNormalized(uint32_t index, double value) override
    {
        int32_t changed[Effect::kMaxParameterChanges] = {};
        int32_t count = 0;
        effect.SetParameterNormalized(static_cast<int32_t>(index), static_cast<float>(value), changed, count);
        return 0;
    }
    int32_t GetParameterCount() override { return effect.GetParameterCount(); }
    int32_t GetFirstParameterIndex() override { return effect.GetFirstParameterIndex(); }
    bool IsConnected() override { return true; }
    void ReleaseLink(std::shared_ptr<void>) override {}
    void Idle() override {}
    void SendMessage(const std::string& message) override { effect.HandleGuiMessage(message); }
    void SendStateTree(const boost::property_tree::ptree& tree) override { effect.SetStateTreeFromEditor(tree); }
    int32_t GetDisplayData(int32_t channel, float** buffer, int32_t* capacity, int32_t countHint) override
    {
        int32_t count = countHint;
        const float* data = effect.GetDisplayData(channel, count);
        return CopyDisplayData(data, count, buffer, capacity);
    }
    int32_t SetDisplayData(int32_t, float*, int32_t) override { return 0; }
    void BeginEdit(uint32_t) override {}
    void EndEdit(uint32_t) override {}

private:
    Effect& effect;
};
