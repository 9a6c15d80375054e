#include "KRODSPAlgInterface.h"

#include <utility>

CKRODSPAlgInterface::CKRODSPAlgInterface(double sampleRate_) : sampleRate(sampleRate_) {}

// The maps own their records and free them with the object.
CKRODSPAlgInterface::~CKRODSPAlgInterface() = default;

void CKRODSPAlgInterface::SelectPresetByName(const std::string& presetName)
{
    for (const auto& entry : presets)
    {
        if (entry.second->GetName() == presetName)
        {
            SelectPreset(entry.first);
            return;
        }
    }
}

void CKRODSPAlgInterface::SelectPreset(int32_t number)
{
    CKROAudioPreset* preset = GetPreset(number);
    if (preset == nullptr)
        return;
    // A preset of another parameter layout would shift every value onto the wrong parameter.
    const std::vector<float> values = preset->GetValues();
    if (values.size() != parameters.size())
        return;
    size_t k = 0;
    for (auto& entry : parameters)
    {
        CKROParameter& parameter = entry.second;
        const double v = values[k++];
        const double clamped = v > parameter.GetMaximum() ? parameter.GetMaximum()
                                                          : (v < parameter.GetMinimum() ? parameter.GetMinimum() : v);
        parameter.SetPlainValue(clamped);
    }
    currentPreset = preset;
}

CKROAudioPreset* CKRODSPAlgInterface::GetPreset(int32_t number)
{
    const auto found = presets.find(number);
    return found == presets.end() ? nullptr : found->second.get();
}

CKROAudioPreset* CKRODSPAlgInterface::FindPresetByName(const std::string& presetName)
{
    for (const auto& entry : presets)
        if (entry.second->GetName() == presetName)
            return entry.second.get();
    return nullptr;
}

void CKRODSPAlgInterface::DeletePreset(const std::string& presetName)
{
    const std::string currentName = currentPreset != nullptr ? currentPreset->GetName() : std::string();
    for (auto it = presets.begin(); it != presets.end(); ++it)
    {
        if (it->second->GetName() == presetName)
        {
            if (it->second.get() == currentPreset)
                currentPreset = nullptr;
            presets.erase(it);
            break;
        }
    }

    KROPresetMap renumbered;
    int32_t number = 0;
    for (auto& entry : presets)
        renumbered.emplace(number++, std::move(entry.second));
    presets = std::move(renumbered);

    if (presetName == currentName)
        currentPreset = GetPreset(0);
}

int32_t CKRODSPAlgInterface::GetFactoryPresetCount() const
{
    int32_t count = 0;
    for (const auto& entry : presets)
        if (entry.second->GetFactoryFlag() != 0)
            ++count;
    return count;
}

void CKRODSPAlgInterface::SetParameterNormalized(int32_t index, double value)
{
    if (CKROParameter* parameter = GetParameter(index))
        parameter->SetNormalized(value);
    MarkParametersDirty();
}

int32_t CKRODSPAlgInterface::SetChannelCounts(int32_t inputs, int32_t outputs)
{
    inputChannelCount = inputs;
    outputChannelCount = outputs;
    return 0;
}

int32_t CKRODSPAlgInterface::GetOutputChannelCount() const
{
    return outputChannelCount;
}

void CKRODSPAlgInterface::Process(const float* const* inputs, float* const* outputs, float* inputPeaks,
                                  float* outputPeaks, int32_t frames)
{
    ProcessHook(inputs, outputs, inputPeaks, outputPeaks, frames);
}

void CKRODSPAlgInterface::SetSampleRate(double sampleRate_)
{
    sampleRate.store(sampleRate_, std::memory_order_release);
    rateOrSizeDirty.store(true, std::memory_order_release);
}

void CKRODSPAlgInterface::SetBlockSize(int32_t blockSize_)
{
    blockSize.store(blockSize_, std::memory_order_release);
    rateOrSizeDirty.store(true, std::memory_order_release);
}

void CKRODSPAlgInterface::SetBypass(bool bypass_)
{
    bypass.store(bypass_, std::memory_order_release);
}

void CKRODSPAlgInterface::SetTempo(double tempo_)
{
    tempo.store(tempo_, std::memory_order_release);
}

void CKRODSPAlgInterface::SetStoredValue(double value)
{
    storedValue = value;
}

double CKRODSPAlgInterface::GetStoredValue() const
{
    return storedValue;
}

void CKRODSPAlgInterface::AddPreset(std::shared_ptr<CKROAudioPreset> preset)
{
    presets.emplace(NextPresetNumber(presets), std::move(preset));
}

void CKRODSPAlgInterface::MarkParametersDirty()
{
    parametersDirty.store(true, std::memory_order_release);
}

CKROParameter* CKRODSPAlgInterface::GetParameter(int32_t index)
{
    const auto found = parameters.find(index);
    return found == parameters.end() ? nullptr : &found->second;
}

void CKRODSPAlgInterface::SetNames(std::string name_, std::string kind_)
{
    name = std::move(name_);
    kind = std::move(kind_);
}

void CKRODSPAlgInterface::RememberPeaks(const float* inputPeaks, const float* outputPeaks)
{
    lastInputPeaks = inputPeaks;
    lastOutputPeaks = outputPeaks;
}
