#pragma once

#include <string>
#include <vector>

#include "tuner/plugin/TunerParameterDescription.h"

class AAX_IACFEffectParameters;

// Vireno's parameters as vireno-aax-host learns them, as an AAX host does: what the effect
// publishes through its effect-parameters interface (how many, their identifiers, names and
// values), but the master bypass, which is the host's own switch. The plug-in shows its values as
// plain numbers ("0.00" ... "1.00"), so the words a user names a value by are the product's, from
// its parameter description, found by the name the parameter is published under; a parameter the
// description does not name is not offered. Main thread.

struct AaxParameterSetting
{
    std::string id; // as published
    double value;   // normalised
};

class AaxParameterList
{
public:
    // Reads the list from an initialised effect.
    explicit AaxParameterList(AAX_IACFEffectParameters& parameters);

    // The setting for a parameter's name and value text, in any case; false with a one-line
    // message that lists the valid names or values when either is unknown.
    bool FindSetting(const std::string& name, const std::string& valueText, AaxParameterSetting& setting,
                     std::string& error) const;

    // The position of the current value among the words of the product parameter at the offset
    // (see TunerParameterIndex), and that word; -1 and empty when the plug-in publishes none.
    int ListIndex(int offset) const;
    std::string ValueText(int offset) const;

private:
    struct Published
    {
        std::string id;
        std::string name;
        const TunerParameterDescription::Parameter* description;
    };

    const Published* AtOffset(int offset) const;

    AAX_IACFEffectParameters& parameters;
    std::vector<Published> published;
};
