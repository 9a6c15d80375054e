#pragma once

#include <string>
#include <vector>

class SimInstance;

// Vireno's host parameters as a user names them, by the name the plug-in gives and the value text
// of the product's parameter table (the plug-in shows its values as plain numbers). Main thread.

struct AaxParameterSetting
{
    std::string id; // "par%d"
    double value;   // normalised
};

// The setting for a parameter's name and value text; false with a one-line message that lists the
// valid names or values when either is unknown.
bool FindAaxParameterSetting(SimInstance& instance, const std::string& name, const std::string& valueText,
                             AaxParameterSetting& setting, std::string& error);

// The value text of the product parameter at the offset (see TunerParameterIndex), and the position
// of its value among the labels; -1 when it has none.
std::string AaxParameterValueText(SimInstance& instance, int offset);
int AaxParameterListIndex(SimInstance& instance, int offset);
