// The processor's component state mirrored into the controller's parameters: the same XML and
// older binary layouts the processor reads.

#include "KROVST3EditController.h"

#include "KROVST3LegacyState.h"
#include "KROVST3ParamIds.h"
#include "KROVST3StateXml.h"

#include <boost/property_tree/ptree.hpp>

#include <algorithm>
#include <cmath>

namespace Steinberg {
namespace Vst {

tresult PLUGIN_API CKROVST3EditController::setComponentState(IBStream* state)
{
    if (state == nullptr)
        return kResultOk;
    try
    {
        std::string bytes;
        boost::property_tree::ptree tree;
        const KROVST3StateText kind = ReadComponentState(*state, bytes, tree);
        if (kind == KROVST3StateText::kLegacy)
            return MirrorLegacyState(bytes);
        if (kind != KROVST3StateText::kXml)
            return kResultFalse;
        ConvertComponentState(tree);
        return MirrorStateTree(tree);
    }
    catch (...)
    {
        return kResultFalse;
    }
}

tresult CKROVST3EditController::MirrorStateTree(const boost::property_tree::ptree& tree)
{
    // Another product's state would show values the processor refused.
    if (!effectName.empty() && !IsStateOf(tree, effectName))
        return kResultFalse;
    if (const auto parameterNodes = tree.get_child_optional("PluginState.Parameters"))
    {
        for (const auto& child : *parameterNodes)
        {
            const boost::optional<uint32> index = child.second.get_optional<uint32>("Index");
            const boost::optional<float> value = child.second.get_optional<float>("Value");
            // The first unreadable entry ends the list; what was set stays set.
            if (!index || !value || std::isnan(*value))
                break;
            setParamNormalized(*index, std::clamp(*value, 0.0f, 1.0f));
        }
    }
    if (const std::optional<bool> bypass = GetMasterBypass(tree))
        setParamNormalized(VST3MasterBypassParamID, *bypass ? 1.0 : 0.0);
    return kResultOk;
}

tresult CKROVST3EditController::MirrorLegacyState(const std::string& bytes)
{
    KROVST3LegacyState legacy;
    if (!ParseLegacyState(bytes, parameterMapSize, 0, legacy))
        return kResultFalse;
    for (size_t i = 0; i < legacy.values.size(); ++i)
        setParamNormalized(static_cast<ParamID>(i), legacy.values[i]);
    if (masterBypassEnabled)
        setParamNormalized(VST3MasterBypassParamID, legacy.bypass ? 1.0 : 0.0);
    return kResultOk;
}

} // namespace Vst
} // namespace Steinberg
