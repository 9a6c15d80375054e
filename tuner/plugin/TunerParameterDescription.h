#pragma once

#include <cstdint>

#include "TunerParameterIndex.h"

// What the product knows of its five parameters, in index order: the name, the value texts (each
// text's position is its plain value), the default position and how the kernel takes the value.
// The parameter table, the normalised-position mapping, the tuner algorithm, the editor and the
// tools all read it from here.
namespace TunerParameterDescription {

// How a normalised value becomes a list position.
enum class Mapping : int32_t
{
    kSwitch,             // two values: 1 from 0.5 on
    kDropTuning,         // six values on thresholds k/6
    kReferenceFrequency, // eleven values on thresholds (k+1)/11
};

struct Parameter
{
    TunerParameterIndex::Offset offset;
    const char* name;
    const char* const* labels;
    int32_t count;
    int32_t defaultPosition;
    Mapping mapping;
};

inline constexpr const char* kInstrumentLabels[] = {"Guitar", "Bass"};
inline constexpr const char* kDisplayModeLabels[] = {"Needle", "Stream"};
inline constexpr const char* kDropTuningLabels[] = {"E", "Eb", "D", "Db", "C", "B"};
inline constexpr const char* kReferenceLabels[] = {"435", "436", "437", "438", "439", "440",
                                                   "441", "442", "443", "444", "445"};
inline constexpr const char* kColorSetLabels[] = {"Red & Green", "Yellow & Blue"};

// The reference frequency of position 0; position k is this plus k hertz.
inline constexpr int32_t kLowestReferenceHz = 435;

template <typename T, int32_t Count>
constexpr int32_t CountOf(const T (&)[Count])
{
    return Count;
}

// 440 Hz (position 5) for the reference; the first text for everything else.
inline constexpr Parameter kParameters[] = {
    {TunerParameterIndex::kSelectInstrument, "Select Instrument", kInstrumentLabels, CountOf(kInstrumentLabels), 0,
     Mapping::kSwitch},
    {TunerParameterIndex::kDisplayMode, "Display Mode", kDisplayModeLabels, CountOf(kDisplayModeLabels), 0,
     Mapping::kSwitch},
    {TunerParameterIndex::kDropTuning, "Drop Tuning", kDropTuningLabels, CountOf(kDropTuningLabels), 0,
     Mapping::kDropTuning},
    {TunerParameterIndex::kReferenceFrequency, "Reference Frequency", kReferenceLabels, CountOf(kReferenceLabels), 5,
     Mapping::kReferenceFrequency},
    {TunerParameterIndex::kColorSet, "Color Set", kColorSetLabels, CountOf(kColorSetLabels), 0, Mapping::kSwitch},
};

// The description of the parameter at an offset from the first index; null for a hidden one.
constexpr const Parameter* Find(int32_t offset)
{
    for (const Parameter& parameter : kParameters)
        if (parameter.offset == offset)
            return &parameter;
    return nullptr;
}

constexpr const Parameter& Of(TunerParameterIndex::Offset offset)
{
    return *Find(offset);
}

namespace Checks {
constexpr bool InIndexOrder()
{
    for (int32_t k = 0; k < TunerParameterIndex::kProductParameterCount; ++k)
        if (kParameters[k].offset != k || kParameters[k].defaultPosition < 0 ||
            kParameters[k].defaultPosition >= kParameters[k].count ||
            (kParameters[k].mapping == Mapping::kSwitch) != (kParameters[k].count == 2))
            return false;
    return true;
}
} // namespace Checks

static_assert(CountOf(kParameters) == TunerParameterIndex::kProductParameterCount,
              "one description for each product parameter");
static_assert(Checks::InIndexOrder(), "descriptions in index order, defaults in range, switches two-valued");

} // namespace TunerParameterDescription
