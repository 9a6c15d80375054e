#pragma once

#include <cstdint>

#include "kro-core/plugin/KROAudioPreset.h"
#include "kro-core/plugin/KROParameter.h"

// The product's five list parameters under F ... F+4 and the factory preset "Default" that
// their defaults come from. F is 1 in the AAX build and 0 in the VST3 build.
class CKROVirenoParamTable
{
public:
    // The number of "Default", the one preset of the table and the one the stored default preset
    // stands in for.
    static constexpr int32_t kDefaultPresetNumber = 0;

    // A non-zero leaveEmpty builds a table with no parameters and no presets.
    explicit CKROVirenoParamTable(int32_t firstParameterIndex, int32_t leaveEmpty = 0);

    KROParameterMap& GetParameterMap() { return parameters; }
    const KROParameterMap& GetParameterMap() const { return parameters; }
    const KROPresetMap& GetPresetMap() const { return presets; }

private:
    KROParameterMap parameters;
    KROPresetMap presets;
};
