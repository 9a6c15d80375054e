#include "PluginParameters.h"

#include "tools/cli/TextMatch.h"

#include "base/source/fstring.h"
#include "pluginterfaces/base/ustring.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

std::string ToUtf8(const String128 text)
{
    String converted(text);
    converted.toMultiByte(kCP_Utf8);
    return converted.text8();
}

std::vector<ParameterInfo> AllParameters(IEditController* controller)
{
    std::vector<ParameterInfo> infos;
    for (int32 i = 0; i < controller->getParameterCount(); ++i)
    {
        ParameterInfo info{};
        if (controller->getParameterInfo(i, info) == kResultOk)
            infos.push_back(info);
    }
    return infos;
}

bool FindInfo(IEditController* controller, ParamID id, ParameterInfo& found)
{
    for (const ParameterInfo& info : AllParameters(controller))
        if (info.id == id)
        {
            found = info;
            return true;
        }
    return false;
}

std::string TextOf(IEditController* controller, ParamID id, ParamValue value)
{
    String128 text{};
    if (controller->getParamStringByValue(id, value, text) != kResultOk)
        return {};
    return ToUtf8(text);
}

} // namespace

std::vector<std::string> ParameterValueTexts(IEditController* controller, const ParameterInfo& info)
{
    std::vector<std::string> texts;
    for (int32 step = 0; step <= info.stepCount && info.stepCount > 0; ++step)
        texts.push_back(TextOf(controller, info.id, static_cast<ParamValue>(step) / info.stepCount));
    return texts;
}

std::string ParameterValueText(IEditController* controller, ParamID id)
{
    return TextOf(controller, id, controller->getParamNormalized(id));
}

int ParameterListIndex(IEditController* controller, ParamID id)
{
    ParameterInfo info{};
    if (!FindInfo(controller, id, info))
        return -1;
    return FindIgnoringCase(ParameterValueTexts(controller, info), ParameterValueText(controller, id));
}

bool FindParameterSetting(IEditController* controller, const std::string& title, const std::string& valueText,
                          ParameterSetting& setting, std::string& error)
{
    const std::vector<ParameterInfo> infos = AllParameters(controller);
    std::vector<std::string> titles;
    for (const ParameterInfo& info : infos)
        titles.push_back(ToUtf8(info.title));
    const int found = FindIgnoringCase(titles, title);
    if (found < 0)
    {
        error = "--param: the plug-in has no parameter \"" + title + "\" (allowed: " + JoinChoices(titles) + ")";
        return false;
    }
    const ParameterInfo& info = infos[static_cast<size_t>(found)];
    const std::vector<std::string> texts = ParameterValueTexts(controller, info);
    if (!texts.empty())
    {
        const int step = FindIgnoringCase(texts, valueText);
        if (step < 0)
        {
            error = "--param: \"" + valueText + "\" is no value of \"" + titles[static_cast<size_t>(found)] +
                    "\" (allowed: " + JoinChoices(texts) + ")";
            return false;
        }
        setting = {info.id, static_cast<ParamValue>(step) / info.stepCount};
        return true;
    }
    // A continuous parameter reads its own texts.
    String128 wide{};
    UString(wide, 128).fromAscii(valueText.c_str());
    ParamValue value = 0.0;
    if (controller->getParamValueByString(info.id, wide, value) != kResultOk)
    {
        error = "--param: \"" + valueText + "\" is no value of \"" + titles[static_cast<size_t>(found)] +
                "\" (allowed: a value the plug-in reads)";
        return false;
    }
    setting = {info.id, value};
    return true;
}
