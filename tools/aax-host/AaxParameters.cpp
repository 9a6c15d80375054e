#include "AaxParameters.h"

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CString.h"
#include "tools/cli/TextMatch.h"
#include "aaxsdk/AAX_IACFEffectParameters.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const TunerParameterDescription::Parameter* DescriptionNamed(const std::string& name)
{
    for (const TunerParameterDescription::Parameter& parameter : TunerParameterDescription::kParameters)
        if (name == parameter.name)
            return &parameter;
    return nullptr;
}

std::vector<std::string> WordsOf(const TunerParameterDescription::Parameter& description)
{
    return std::vector<std::string>(description.labels, description.labels + description.count);
}

// The word a normalised value stands for: word k of n is k / (n - 1).
int WordIndex(double normalized, size_t words)
{
    if (words < 2 || !(normalized >= 0.0))
        return 0;
    const long step = std::lround(normalized * static_cast<double>(words - 1));
    return static_cast<int>(std::min<long>(step, static_cast<long>(words - 1)));
}

} // namespace

AaxParameterList::AaxParameterList(AAX_IACFEffectParameters& effect) : parameters(effect)
{
    AAX_CString bypass;
    parameters.GetMasterBypassParameter(&bypass);
    int32_t count = 0;
    parameters.GetNumberOfParameters(&count);
    for (int32_t i = 0; i < count; ++i)
    {
        AAX_CString id, name;
        if (parameters.GetParameterIDFromIndex(i, &id) != 0 || id == bypass)
            continue;
        parameters.GetParameterName(id.Get(), &name);
        if (const TunerParameterDescription::Parameter* description = DescriptionNamed(name.Get()))
            published.push_back({id.Get(), name.Get(), description});
    }
}

bool AaxParameterList::FindSetting(const std::string& name, const std::string& valueText, AaxParameterSetting& setting,
                                   std::string& error) const
{
    std::vector<std::string> names;
    for (const Published& parameter : published)
        names.push_back(parameter.name);
    const int found = FindIgnoringCase(names, name);
    if (found < 0)
    {
        error = "--param: the plug-in has no parameter \"" + name + "\" (allowed: " + JoinChoices(names) + ")";
        return false;
    }
    const Published& parameter = published[static_cast<size_t>(found)];
    const std::vector<std::string> words = WordsOf(*parameter.description);
    const int word = FindIgnoringCase(words, valueText);
    if (word < 0)
    {
        error = "--param: \"" + valueText + "\" is no value of \"" + parameter.name +
                "\" (allowed: " + JoinChoices(words) + ")";
        return false;
    }
    setting = {parameter.id,
               words.size() > 1 ? static_cast<double>(word) / static_cast<double>(words.size() - 1) : 0.0};
    return true;
}

const AaxParameterList::Published* AaxParameterList::AtOffset(int offset) const
{
    for (const Published& parameter : published)
        if (parameter.description->offset == offset)
            return &parameter;
    return nullptr;
}

int AaxParameterList::ListIndex(int offset) const
{
    const Published* parameter = AtOffset(offset);
    if (!parameter)
        return -1;
    double value = 0.0;
    if (parameters.GetParameterNormalizedValue(parameter->id.c_str(), &value) != 0)
        value = std::numeric_limits<double>::quiet_NaN();
    return WordIndex(value, static_cast<size_t>(parameter->description->count));
}

std::string AaxParameterList::ValueText(int offset) const
{
    const int index = ListIndex(offset);
    return index >= 0 ? WordsOf(*AtOffset(offset)->description)[static_cast<size_t>(index)] : std::string();
}
