#include "KROStateTreeCheck.h"

#include "KRONumberText.h"

#include <algorithm>

namespace pt = boost::property_tree;

namespace {

constexpr const char* kPluginInfoPath = "PluginState.PluginInfo";
constexpr const char* kNamePath = "PluginState.PluginInfo.Name";
constexpr const char* kParametersPath = "PluginState.Parameters";
constexpr const char* kPresetNamePath = "PluginState.PluginInfo.CurrentPreset";
constexpr const char* kPresetModifiedPath = "PluginState.PluginInfo.PresetModified";

// A key that is present must hold a boolean.
bool AbsentOrBoolean(const pt::ptree& tree, const char* path)
{
    return !tree.get_child_optional(path) || tree.get_optional<bool>(path);
}

bool ReadStateParameter(const pt::ptree& entry, int32_t& index, float& value)
{
    const auto valueText = entry.get_optional<std::string>("Value");
    const auto readIndex = entry.get_optional<int32_t>("Index");
    float readValue = 0.0f;
    if (!valueText || !ReadFloatText(*valueText, readValue) || !readIndex)
        return false;
    index = *readIndex;
    value = std::clamp(readValue, 0.0f, 1.0f);
    return true;
}

// Whether the index is one of the shape's parameters; compared without arithmetic on the index,
// which may be any 32-bit value.
bool IsParameterOf(const KROStateTreeShape& shape, int32_t index)
{
    return index >= shape.firstIndex && static_cast<int64_t>(index) - shape.firstIndex < shape.parameterCount;
}

} // namespace

bool IsStateOf(const pt::ptree& tree, const std::string& effectName)
{
    if (!tree.get_child_optional(kPluginInfoPath))
        return true;
    const boost::optional<std::string> name = tree.get_optional<std::string>(kNamePath);
    return name && *name == effectName;
}

bool ReadStateParameters(const pt::ptree& parameters, KROStateValues& values)
{
    KROStateValues read;
    for (const auto& child : parameters)
    {
        int32_t index = 0;
        float value = 0.0f;
        if (!ReadStateParameter(child.second, index, value))
            return false;
        read.emplace_back(index, value);
    }
    values = std::move(read);
    return true;
}

bool CheckPluginStateTree(pt::ptree tree, const KROStateTreeShape& shape, KROCheckedStateTree& checked)
{
    const auto parameters = tree.get_child_optional(kParametersPath);
    if (!parameters || (!shape.effectName.empty() && !IsStateOf(tree, shape.effectName)))
        return false;
    const auto presetName = tree.get_optional<std::string>(kPresetNamePath);
    if ((presetName && presetName->size() > kMaxStatePresetNameBytes) || !AbsentOrBoolean(tree, kPresetModifiedPath))
        return false;

    // Read as the effect reads them; an index without a parameter is left out, not applied.
    KROCheckedStateTree read;
    pt::ptree applied;
    for (const auto& child : *parameters)
    {
        int32_t index = 0;
        float value = 0.0f;
        if (!ReadStateParameter(child.second, index, value))
            return false;
        if (!IsParameterOf(shape, index))
            continue;
        read.values.emplace_back(index, value);
        applied.push_back(child);
    }
    tree.put_child(kParametersPath, applied);
    read.tree = std::move(tree);
    checked = std::move(read);
    return true;
}
