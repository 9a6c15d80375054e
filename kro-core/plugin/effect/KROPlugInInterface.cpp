#include "KROPlugInInterface.h"

#include <utility>

void CKROPlugInInterface::SaveUserPreset(const std::string& name, bool overwrite)
{
    if (currentAlgorithm == nullptr || !HasPresetFileSink())
        return;
    CKRODSPAlgInterface& algorithm = *currentAlgorithm;
    std::vector<float> values = CurrentPresetValues(algorithm);

    if (!overwrite)
    {
        auto preset = std::make_shared<CKROAudioPreset>(name, std::move(values), CKROAudioPreset::kUserFlag);
        algorithm.AddPreset(preset);
        presetFileSink->SavePresetFile(preset.get(), &algorithm, false);
        return;
    }

    // Overwriting means the preset the user is on, whatever name the caller passes.
    const CKROAudioPreset* current = algorithm.GetCurrentPreset();
    CKROAudioPreset* target = algorithm.FindPresetByName(current != nullptr ? current->GetName() : std::string());
    if (target == nullptr)
    {
        algorithm.AddPreset(std::make_shared<CKROAudioPreset>(name, values, CKROAudioPreset::kUserFlag));
        target = algorithm.GetPresets().rbegin()->second.get();
    }
    *target = CKROAudioPreset(target->GetName(), std::move(values), target->GetFactoryFlag());
    presetFileSink->SavePresetFile(target, &algorithm, true);
}

void CKROPlugInInterface::DeleteUserPreset(const std::string& name)
{
    if (currentAlgorithm == nullptr || !HasPresetFileSink())
        return;
    currentAlgorithm->DeletePreset(name);
    presetFileSink->DeletePresetFile(name, currentAlgorithm);
}

void CKROPlugInInterface::SetParameterNormalized(int32_t, float, int32_t* changedIndices, int32_t& changedCount)
{
    if (changedIndices != nullptr)
        changedCount = 0;
}

std::vector<float> CKROPlugInInterface::CurrentPresetValues(CKRODSPAlgInterface& algorithm)
{
    std::vector<float> values;
    values.reserve(algorithm.GetParameters().size());
    for (const auto& entry : algorithm.GetParameters())
        values.push_back(static_cast<float>(entry.second.GetPresetValue()));
    return values;
}

void CKROPlugInInterface::InstallPresetFileSink(PresetFileSink* sink, bool enabled)
{
    presetFileSink = sink;
    sinkEnabled = enabled;
}
