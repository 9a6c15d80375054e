#include "KROVST3StateReader.h"

#include "kro-core/plugin/KRONumberText.h"
#include "KROVST3LegacyState.h"
#include "KROVST3StateXml.h"

#include <algorithm>

namespace Steinberg {
namespace Vst {

namespace pt = boost::property_tree;

namespace {

constexpr const char* kParametersPath = "PluginState.Parameters";
constexpr const char* kPresetNamePath = "PluginState.PluginInfo.CurrentPreset";
constexpr const char* kPresetModifiedPath = "PluginState.PluginInfo.PresetModified";

// A key that is present must hold a boolean.
bool AbsentOrBoolean(const pt::ptree& tree, const char* path)
{
    return !tree.get_child_optional(path) || tree.get_optional<bool>(path);
}

bool ReadLegacy(const std::string& bytes, const KROVST3StateShape& shape, KROVST3State& state)
{
    KROVST3LegacyState legacy;
    if (!ParseLegacyState(bytes, shape.parameterCount, shape.chunkSize, legacy))
        return false;
    KROVST3State read;
    for (size_t i = 0; i < legacy.values.size(); ++i)
        read.values.emplace_back(static_cast<int32_t>(i), legacy.values[i]);
    read.bypass = legacy.bypass;
    read.chunk = std::move(legacy.chunk);
    state = std::move(read);
    return true;
}

} // namespace

bool CheckStateTree(pt::ptree tree, const KROVST3StateShape& shape, KROVST3State& state)
{
    const auto parameters = tree.get_child_optional(kParametersPath);
    if (!parameters || (!shape.effectName.empty() && !IsStateOf(tree, shape.effectName)))
        return false;
    const auto presetName = tree.get_optional<std::string>(kPresetNamePath);
    if ((presetName && presetName->size() > kMaxStatePresetNameBytes) || !AbsentOrBoolean(tree, kPresetModifiedPath))
        return false;
    const std::optional<bool> bypass = GetMasterBypass(tree);
    if (!bypass && tree.get_child_optional(KROVST3BypassPath()))
        return false;

    // Read as the effect reads them; an index without a host parameter is left out, not applied.
    KROVST3State read;
    pt::ptree applied;
    for (const auto& child : *parameters)
    {
        const auto valueText = child.second.get_optional<std::string>("Value");
        const auto index = child.second.get_optional<int32_t>("Index");
        float value = 0.0f;
        if (!valueText || !ReadFloatText(*valueText, value) || !index)
            return false;
        if (*index < shape.firstIndex || *index - shape.firstIndex >= shape.parameterCount)
            continue;
        read.values.emplace_back(*index, std::clamp(value, 0.0f, 1.0f));
        applied.push_back(child);
    }
    tree.put_child(kParametersPath, applied);
    read.fromXml = true;
    read.bypass = bypass;
    read.tree = std::move(tree);
    state = std::move(read);
    return true;
}

bool ReadVST3State(IBStream& stream, const KROVST3StateShape& shape, const KROVST3TreeHook& convert,
                   KROVST3State& state)
{
    std::string bytes;
    pt::ptree tree;
    switch (ReadComponentState(stream, bytes, tree))
    {
    case KROVST3StateText::kXml:
        if (convert)
            convert(tree);
        return CheckStateTree(std::move(tree), shape, state);
    case KROVST3StateText::kLegacy:
        return ReadLegacy(bytes, shape, state);
    default:
        return false;
    }
}

} // namespace Vst
} // namespace Steinberg
