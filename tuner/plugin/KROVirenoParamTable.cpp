#include "KROVirenoParamTable.h"

#include <memory>
#include <string>
#include <vector>

#include "TunerParameterIndex.h"

namespace
{

struct ProductParameter
{
    const char* name;
    std::vector<std::string> labels;
};

// In index order; each label's position is its plain value.
std::vector<ProductParameter> ProductParameters()
{
    return {
        {"Select Instrument", {"Guitar", "Bass"}},
        {"Display Mode", {"Needle", "Stream"}},
        {"Drop Tuning", {"E", "Eb", "D", "Db", "C", "B"}},
        {"Reference Frequency", {"435", "436", "437", "438", "439", "440", "441", "442", "443", "444", "445"}},
        {"Color Set", {"Red & Green", "Yellow & Blue"}},
    };
}

constexpr double kListStep = 1.0;

}  // namespace

CKROVirenoParamTable::CKROVirenoParamTable(int32_t firstParameterIndex, int32_t leaveEmpty)
{
    if (leaveEmpty != 0)
        return;

    // 440 Hz (label 5) for the reference; the first label for everything else.
    presets[kDefaultPresetNumber] =
        std::make_shared<CKROAudioPreset>("Default", std::vector<float>{0, 0, 0, 5, 0}, CKROAudioPreset::kFactoryFlag);

    const std::vector<float> defaults = presets[kDefaultPresetNumber]->GetValues();
    const std::vector<ProductParameter> rows = ProductParameters();
    for (int32_t k = 0; k < TunerParameterIndex::kProductParameterCount; ++k)
    {
        const ProductParameter& row = rows[static_cast<size_t>(k)];
        const double maximum = static_cast<double>(row.labels.size() - 1);
        parameters.emplace(firstParameterIndex + k,
                           CKROParameter(nullptr, row.name, row.labels, 0.0, maximum, kListStep,
                                         defaults[static_cast<size_t>(k)], kTaperList, 0, 0, 1));
    }
}
