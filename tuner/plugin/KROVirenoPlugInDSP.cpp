#include "KROVirenoPlugInDSP.h"

#include <cstring>

#include "kro-core/plugin/KroEditorMessages.h"
#include "KROVirenoParamTable.h"
#include "TunerNormalizedIndex.h"
#include "TunerParameterIndex.h"

namespace {

constexpr int32_t kTunerKey = 0;
constexpr int32_t kRefreshNothing = 0;

} // namespace

CKROVirenoPlugInDSP::CKROVirenoPlugInDSP(int32_t firstParameterIndex) : firstIndex(firstParameterIndex)
{
    SetName("Vireno");

    currentAlgorithmKey = kTunerKey;
    auto created = std::make_unique<HSVirenoDSP>(kInitialSampleRate, firstIndex, instanceClaim.IsActive());
    tuner = created.get();
    algorithms.emplace(kTunerKey, std::move(created));
    currentAlgorithm = tuner;

    parameterInfo = std::make_unique<CKROVirenoParamInfo>(std::make_unique<CKROVirenoParamTable>(firstIndex));
    SetParameterInfo(parameterInfo.get());

    presetStore = std::make_unique<CKROPresetStore>();
    ApplyStoredDefaultPreset();
    // Selects preset 0, the stored default preset where there is one, on the tuner.
    BuildParameterTables();
}

// The parameter info and the store go with their members, then the claim (see the header), and
// the base deletes the tuner last.
CKROVirenoPlugInDSP::~CKROVirenoPlugInDSP() = default;

void CKROVirenoPlugInDSP::ApplyStoredDefaultPreset()
{
    const KROStoredPresetMap& stored = presetStore->GetPresets();
    const auto found = stored.find(CKROVirenoParamTable::kDefaultPresetNumber);
    if (found == stored.end())
        return;
    tuner->InstallPreset(&found->second);
    const std::vector<float> values = found->second.GetValues();
    for (size_t k = 0; k < values.size(); ++k)
        if (CKROParameter* record = parameterInfo->GetParameter(firstIndex + static_cast<int32_t>(k)))
            record->SetDefaultPlainValue(values[k]);
}

float CKROVirenoPlugInDSP::GetParameterNormalized(int32_t index)
{
    // Any 32-bit index may come in (a host's state, a hostile host): one outside the product's
    // numbering is refused before it is subtracted from, which could overflow.
    if (index < firstIndex || index > firstIndex + TunerParameterIndex::kInstanceActive)
        return 0.0f;
    const int32_t offset = index - firstIndex;
    if (offset >= TunerParameterIndex::kSelectInstrument && offset <= TunerParameterIndex::kColorSet)
        return CKROPlugInDSP::GetParameterNormalized(index);
    switch (offset)
    {
    case TunerParameterIndex::kOutputMute:
        return tuner->IsMuted() ? 1.0f : 0.0f;
    case TunerParameterIndex::kInputChannelCount:
        return static_cast<float>(GetInputChannelCount());
    case TunerParameterIndex::kInstanceActive:
        return IsInstanceActive() ? 1.0f : 0.0f;
    default:
        return 0.0f;
    }
}

void CKROVirenoPlugInDSP::SetParameterNormalized(int32_t index, float value, int32_t* changedIndices,
                                                 int32_t& changedCount)
{
    CKROPlugInDSP::SetParameterNormalized(index, value, changedIndices, changedCount);
    if (index == firstIndex + TunerParameterIndex::kOutputMute)
        tuner->SetMute(value >= 0.5f);
}

// Audio thread: no allocation. The peak arrays belong to the channel counts set up beforehand.
void CKROVirenoPlugInDSP::Process(const float* const* inputs, float* const* outputs, int32_t frames, int32_t*,
                                  int32_t& changedCount)
{
    if (inputs == nullptr || outputs == nullptr || frames < 0)
        return;
    if (!IsInstanceActive())
    {
        PassThrough(inputs, outputs, frames);
        return;
    }
    changedCount = 0;
    tuner->Process(inputs, outputs, InputPeaks(), OutputPeaks(), frames);
}

// Output channels without an input channel of their own are silent rather than left holding
// whatever the host's buffer held.
void CKROVirenoPlugInDSP::PassThrough(const float* const* inputs, float* const* outputs, int32_t frames)
{
    const size_t bytes = static_cast<size_t>(frames) * sizeof(float);
    for (int32_t c = 0; c < GetOutputChannelCount(); ++c)
    {
        if (outputs[c] == nullptr)
            continue;
        const float* input = c < GetInputChannelCount() ? inputs[c] : nullptr;
        if (input == nullptr)
            std::memset(outputs[c], 0, bytes);
        else if (input != outputs[c])
            std::memmove(outputs[c], input, bytes);
    }
}

const float* CKROVirenoPlugInDSP::GetDisplayData(int32_t channel, int32_t& count)
{
    DeliverPendingStateUpdate();
    TunerResultBlock reading;
    if (channel == 0 && tuner->TakeNewResult(reading))
        count = kReadingValueCount;
    else
    {
        reading = tuner->GetResult();
        count = kNoReadingValueCount;
    }
    std::memcpy(displayValues, &reading, sizeof displayValues);
    return displayValues;
}

std::vector<int32_t> CKROVirenoPlugInDSP::GetParametersToRefresh(int32_t& mode)
{
    mode = kRefreshNothing;
    return {};
}

std::vector<float> CKROVirenoPlugInDSP::CurrentLabelNumbers()
{
    const auto normalized = [this](int32_t offset) { return GetParameterNormalized(firstIndex + offset); };
    return {
        static_cast<float>(NormalizedToSwitchIndex(normalized(TunerParameterIndex::kSelectInstrument))),
        static_cast<float>(NormalizedToSwitchIndex(normalized(TunerParameterIndex::kDisplayMode))),
        static_cast<float>(NormalizedToDropTuningIndex(normalized(TunerParameterIndex::kDropTuning))),
        static_cast<float>(NormalizedToReferenceIndex(normalized(TunerParameterIndex::kReferenceFrequency))),
        static_cast<float>(NormalizedToSwitchIndex(normalized(TunerParameterIndex::kColorSet))),
    };
}

// The framework's other messages (state requests, zoom, preset names) mean nothing to the tuner.
std::string CKROVirenoPlugInDSP::HandleGuiMessage(const std::string& text)
{
    DeliverPendingStateUpdate();
    if (text == KroEditorMessages::kSaveDefaultPreset && presetStore != nullptr)
        presetStore->WriteDefaultPreset(CurrentLabelNumbers());
    return std::string();
}

bool CKROVirenoPlugInDSP::SetTransportPlaying(bool playing)
{
    transportState.store(playing ? 1 : 0, std::memory_order_release);
    return true;
}

bool CKROVirenoPlugInDSP::IsTransportPlaying() const
{
    return transportState.load(std::memory_order_acquire) != 0;
}
