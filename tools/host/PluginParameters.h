#pragma once

#include <string>
#include <vector>

#include "pluginterfaces/vst/ivsteditcontroller.h"

// The plug-in's parameters as a user names them: by title and value text, without regard to case.
// User-interface thread only.

struct ParameterSetting
{
    Steinberg::Vst::ParamID id;
    Steinberg::Vst::ParamValue value;
};

// The setting for a parameter's title and value text; false with a one-line message that lists
// the valid titles or values when either is unknown.
bool FindParameterSetting(Steinberg::Vst::IEditController* controller, const std::string& title,
                          const std::string& valueText, ParameterSetting& setting, std::string& error);

// The value texts of a list parameter, first to last; empty for a continuous one.
std::vector<std::string> ParameterValueTexts(Steinberg::Vst::IEditController* controller,
                                             const Steinberg::Vst::ParameterInfo& info);

// The position of the parameter's current value in its list; -1 when it has none.
int ParameterListIndex(Steinberg::Vst::IEditController* controller, Steinberg::Vst::ParamID id);

// The text of the parameter's current value.
std::string ParameterValueText(Steinberg::Vst::IEditController* controller, Steinberg::Vst::ParamID id);
