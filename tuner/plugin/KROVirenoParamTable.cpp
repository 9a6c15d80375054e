#include "KROVirenoParamTable.h"

#include <memory>
#include <string>
#include <vector>

#include "TunerParameterDescription.h"

namespace {

constexpr double kListStep = 1.0;

} // namespace

CKROVirenoParamTable::CKROVirenoParamTable(int32_t firstParameterIndex, int32_t leaveEmpty)
{
    if (leaveEmpty != 0)
        return;

    std::vector<float> defaults;
    for (const TunerParameterDescription::Parameter& row : TunerParameterDescription::kParameters)
    {
        const std::vector<std::string> labels(row.labels, row.labels + row.count);
        const double maximum = static_cast<double>(row.count - 1);
        defaults.push_back(static_cast<float>(row.defaultPosition));
        parameters.emplace(firstParameterIndex + row.offset,
                           CKROParameter(nullptr, row.name, labels, 0.0, maximum, kListStep,
                                         static_cast<double>(row.defaultPosition), kTaperList, 0, 0, 1));
    }
    presets[kDefaultPresetNumber] =
        std::make_shared<CKROAudioPreset>("Default", std::move(defaults), CKROAudioPreset::kFactoryFlag);
}
