#include "TunerNormalizedIndex.h"

namespace {

const float kDropTuningThresholds[] = {0.16666667f, 0.33333334f, 0.5f, 0.6666667f, 0.8333334f};
const float kReferenceThresholds[] = {0.09090909f, 0.18181819f, 0.27272728f, 0.36363637f, 0.45454547f,
                                      0.54545456f, 0.6363636f,  0.72727275f, 0.8181819f,  0.90909094f};

using TunerParameterDescription::CountOf;
using TunerParameterDescription::Of;
static_assert(CountOf(kDropTuningThresholds) + 1 == Of(TunerParameterIndex::kDropTuning).count,
              "one threshold between each two drop tunings");
static_assert(CountOf(kReferenceThresholds) + 1 == Of(TunerParameterIndex::kReferenceFrequency).count,
              "one threshold between each two reference frequencies");

template <int Count>
int FirstBelow(float value, const float (&thresholds)[Count])
{
    for (int k = 0; k < Count; ++k)
        if (value < thresholds[k])
            return k;
    return Count; // the last position, NaN included
}

} // namespace

int NormalizedToSwitchIndex(float value)
{
    return value >= 0.5f ? 1 : 0; // NaN gives the first position
}

int NormalizedToDropTuningIndex(float value)
{
    return FirstBelow(value, kDropTuningThresholds);
}

int NormalizedToReferenceIndex(float value)
{
    return FirstBelow(value, kReferenceThresholds);
}

int NormalizedToPosition(TunerParameterDescription::Mapping mapping, float value)
{
    switch (mapping)
    {
    case TunerParameterDescription::Mapping::kDropTuning:
        return NormalizedToDropTuningIndex(value);
    case TunerParameterDescription::Mapping::kReferenceFrequency:
        return NormalizedToReferenceIndex(value);
    case TunerParameterDescription::Mapping::kSwitch:
        break;
    }
    return NormalizedToSwitchIndex(value);
}
