#include "KROAudioPreset.h"

#include <utility>

CKROAudioPreset::CKROAudioPreset(std::string name_, std::vector<float> values_, int32_t factoryFlag_)
    : name(std::move(name_)), values(std::move(values_)), factoryFlag(factoryFlag_)
{}

int32_t NextPresetNumber(const KROPresetMap& presets)
{
    return presets.empty() ? 0 : presets.rbegin()->first + 1;
}
