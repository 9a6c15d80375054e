#include "AaxParameters.h"

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CString.h"
#include "kro-core/plugin/KROParameter.h"
#include "tuner/plugin/KROVirenoParamTable.h"
#include "testhosts/aax/SimPlugIn.h"
#include "tools/cli/TextMatch.h"
#include "tuner/plugin/TunerParameterIndex.h"

#include <cmath>
#include <cstdio>

namespace {

// The value labels of the product parameter behind a host identifier; empty for none.
std::vector<std::string> LabelsOf(const std::string& id)
{
    static const CKROVirenoParamTable table(TunerParameterIndex::kFirstIndexAAX);
    int index = -1;
    if (std::sscanf(id.c_str(), "par%d", &index) != 1)
        return {};
    const auto found = table.GetParameterMap().find(index);
    return found != table.GetParameterMap().end() ? found->second.GetValueLabels() : std::vector<std::string>();
}

std::string IdOf(int offset)
{
    return "par" + std::to_string(TunerParameterIndex::kFirstIndexAAX + offset);
}

// The label a normalised value stands for: label k of n is k / (n - 1).
int LabelIndex(double normalized, size_t labels)
{
    if (labels < 2 || !(normalized >= 0.0))
        return 0;
    const long step = std::lround(normalized * static_cast<double>(labels - 1));
    return static_cast<int>(std::min<long>(step, static_cast<long>(labels - 1)));
}

} // namespace

bool FindAaxParameterSetting(SimInstance& instance, const std::string& name, const std::string& valueText,
                             AaxParameterSetting& setting, std::string& error)
{
    int32_t count = 0;
    instance.Parameters().GetNumberOfParameters(&count);
    std::vector<std::string> ids, names;
    for (int32_t i = 0; i < count; ++i)
    {
        AAX_CString id, title;
        if (instance.Parameters().GetParameterIDFromIndex(i, &id) != 0)
            continue;
        // The host's bypass is the host's own switch, not a setting of the plug-in.
        if (LabelsOf(id.Get()).empty())
            continue;
        instance.Parameters().GetParameterName(id.Get(), &title);
        ids.emplace_back(id.Get());
        names.emplace_back(title.Get());
    }
    const int found = FindIgnoringCase(names, name);
    if (found < 0)
    {
        error = "--param: the plug-in has no parameter \"" + name + "\" (allowed: " + JoinChoices(names) + ")";
        return false;
    }
    const std::vector<std::string> labels = LabelsOf(ids[static_cast<size_t>(found)]);
    const int label = FindIgnoringCase(labels, valueText);
    if (label < 0)
    {
        error = "--param: \"" + valueText + "\" is no value of \"" + names[static_cast<size_t>(found)] +
                "\" (allowed: " + JoinChoices(labels) + ")";
        return false;
    }
    setting = {ids[static_cast<size_t>(found)],
               labels.size() > 1 ? static_cast<double>(label) / static_cast<double>(labels.size() - 1) : 0.0};
    return true;
}

int AaxParameterListIndex(SimInstance& instance, int offset)
{
    const std::string id = IdOf(offset);
    const std::vector<std::string> labels = LabelsOf(id);
    if (labels.empty())
        return -1;
    return LabelIndex(instance.Value(id.c_str()), labels.size());
}

std::string AaxParameterValueText(SimInstance& instance, int offset)
{
    const std::vector<std::string> labels = LabelsOf(IdOf(offset));
    const int index = AaxParameterListIndex(instance, offset);
    return index >= 0 ? labels[static_cast<size_t>(index)] : std::string();
}
