#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "HSVirenoDSP.h"
#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "KROPresetStore.h"
#include "KROVirenoParamInfo.h"
#include "TunerInstanceClaim.h"
#include "tuner/engine/TunerResultBlock.h"

// The tuner effect that both plug-in formats create: one HSVirenoDSP under key 0, the product's
// parameters numbered from the build's first index F (1 AAX, 0 VST3), the stored default preset
// as the parameters' defaults and starting values, three hidden parameters (F+6 output mute,
// F+7 input channel count, F+8 instance active), the tuner reading as display data, and the
// editor's "SaveVRDefPreset".
//
// Only the effect created while no other one is alive analyses (see TunerInstanceClaim); any
// other passes its audio through unchanged, muted or not, and never touches the kernel.
//
// Construction reads and may write "Default.xml" in the user's application-data folder.
class CKROVirenoPlugInDSP : public CKROPlugInDSP
{
public:
    static constexpr double kInitialSampleRate = 48000.0;
    static constexpr int32_t kMaxParameterChanges = 10;
    // Display data: the whole reading when a new one is there, else only its first value.
    static constexpr int32_t kReadingValueCount = kTunerResultValueCount;
    static constexpr int32_t kNoReadingValueCount = 1;

    explicit CKROVirenoPlugInDSP(int32_t firstParameterIndex);
    ~CKROVirenoPlugInDSP() override;

    float GetParameterNormalized(int32_t index) override;
    void SetParameterNormalized(int32_t index, float value, int32_t* changedIndices, int32_t& changedCount) override;
    // The host's arrays go to the tuner as they are; the base's scratch copy is not used.
    void Process(const float* const* inputs, float* const* outputs, int32_t frames, int32_t* changedIndices,
                 int32_t& changedCount) override;
    // Channel 0 with a new reading: 19 values, and the reading counts as taken. Otherwise 1.
    const float* GetDisplayData(int32_t channel, int32_t& count) override;
    int32_t GetMaxLinkedParameterChanges() const override { return kMaxParameterChanges; }
    int32_t GetMaxProcessParameterChanges() const override { return kMaxParameterChanges; }
    // Nothing ever needs refreshing: an empty list and mode 0.
    std::vector<int32_t> GetParametersToRefresh(int32_t& mode) override;
    // Answers exactly "SaveVRDefPreset" and nothing else; the reply is always empty.
    std::string HandleGuiMessage(const std::string& text) override;
    // Stores the state and always reports a change.
    bool SetTransportPlaying(bool playing) override;
    bool IsTransportPlaying() const override;

    bool IsInstanceActive() const { return instanceClaim.IsActive(); }
    const HSVirenoDSP& Tuner() const { return *tuner; }

private:
    // The five label numbers the current normalised values stand for, in index order.
    std::vector<float> CurrentLabelNumbers();
    void ApplyStoredDefaultPreset();
    void PassThrough(const float* const* inputs, float* const* outputs, int32_t frames);

    const int32_t firstIndex;
    // Taken first: it decides whether the tuner below may use the kernel. Members go in reverse
    // order, so the parameter info and the store go before the claim is given back.
    TunerInstanceClaim instanceClaim;
    std::unique_ptr<CKROPresetStore> presetStore;
    std::unique_ptr<CKROVirenoParamInfo> parameterInfo;
    HSVirenoDSP* tuner = nullptr; // owned by the algorithm map
    std::atomic<int32_t> transportState{0};
    // The reading handed to the editor; the note travels as its 32-bit pattern.
    float displayValues[kReadingValueCount] = {};
};
