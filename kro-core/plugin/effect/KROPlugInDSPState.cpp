// CKROPlugInDSP: the PluginState tree, written from the effect and applied to it.
#include "KROPlugInDSP.h"

#include <cstring>

#include "kro-core/plugin/Base64.h"
#include "kro-core/plugin/KroEditorMessages.h"

namespace pt = boost::property_tree;

namespace {

constexpr char kPluginInfoPath[] = "PluginState.PluginInfo";
constexpr char kParametersPath[] = "PluginState.Parameters";
constexpr char kChunkPath[] = "PluginState.DSPChunk";
constexpr char kStateAction[] = "PluginState";

} // namespace

void CKROPlugInDSP::BuildStateTree()
{
    WriteStateTree(stateTree);
}

void CKROPlugInDSP::WriteStateTree(pt::ptree& tree)
{
    tree.clear();

    pt::ptree info;
    info.put("Version", version);
    info.put("Name", GetName(false));
    info.put("Zoom", zoom);
    info.put("Action", kStateAction);
    info.put("CurrentPreset", currentPresetName);
    info.put("PresetModified", IsPresetModified());
    tree.put_child(kPluginInfoPath, info);

    pt::ptree parameters;
    const int32_t first = GetFirstParameterIndex();
    const int32_t size = parameterInfo != nullptr ? parameterInfo->GetParameterMapSize() : 0;
    for (int32_t index = first; index < first + size; ++index)
    {
        const CKROParameter* record = parameterInfo->GetParameter(index);
        if (record == nullptr)
            continue;
        pt::ptree parameter;
        parameter.put("Name", record->GetName());
        parameter.put("Value", GetParameterNormalized(index));
        parameter.put("Index", static_cast<uint32_t>(index));
        // Added, not put: the key is one name, and "." never occurs in it.
        parameters.add_child("Par" + std::to_string(index), parameter);
    }

    pt::ptree chunk;
    int32_t chunkSize = 0;
    const uint8_t* chunkData = GetBinaryChunk(chunkSize);
    if (chunkData != nullptr && chunkSize > 0)
        chunk.put("Data", Base64Encode(chunkData, static_cast<size_t>(chunkSize)));

    tree.put_child(kParametersPath, parameters);
    tree.put_child(kChunkPath, chunk);
}

// The parameter entries are read whole first: one that cannot be read refuses the tree, so that no
// value of it applies without the others. After that each step ends at its first missing or
// unreadable value; the next step still runs.
void CKROPlugInDSP::ApplyStateTree()
{
    const auto parameters = stateTree.get_child_optional(kParametersPath);
    KROStateValues values;
    if (parameters && !ReadStateParameters(*parameters, values))
        return;
    ApplyStateBinaryChunk();
    ApplyStatePreset();
    ApplyStateZoom();
    if (parameters)
        ApplyStateParameters(values);
    if (editorLink != nullptr)
        SendStateTreeToEditor(stateTree, KroEditorMessages::kActionGuiWantsUpdate);
    RestartModifiedWindow();
}

void CKROPlugInDSP::ApplyStateBinaryChunk()
{
    const auto text = stateTree.get_optional<std::string>(std::string(kChunkPath) + ".Data");
    if (!text)
        return;
    const std::string bytes = Base64Decode(*text);
    int32_t size = 0;
    uint8_t* buffer = GetBinaryChunk(size);
    if (buffer == nullptr || size < 0 || bytes.size() != static_cast<size_t>(size))
        return;
    std::memcpy(buffer, bytes.data(), bytes.size());
    SetBinaryChunk(buffer, size);
}

void CKROPlugInDSP::ApplyStatePreset()
{
    const auto presetName = stateTree.get_optional<std::string>(std::string(kPluginInfoPath) + ".CurrentPreset");
    if (!presetName)
        return;
    currentPresetName = *presetName;
    const auto modified = stateTree.get_optional<bool>(std::string(kPluginInfoPath) + ".PresetModified");
    if (modified)
        presetModified.store(*modified, std::memory_order_release);
}

void CKROPlugInDSP::ApplyStateZoom()
{
    const auto value = stateTree.get_optional<float>(std::string(kPluginInfoPath) + ".Zoom");
    if (value && IsZoomInRange(*value))
        zoom = *value;
}

void CKROPlugInDSP::ApplyStateParameters(const KROStateValues& values)
{
    // The tree's own values, and the host's echo of them while the adapter pushes them on: none
    // of them marks the state modified.
    applyingLoadedValues.store(true, std::memory_order_release);
    for (const auto& [index, value] : values)
    {
        ApplyParameterValue(index, value);
        if (editorLink != nullptr)
            editorLink->SendParameterChange(static_cast<uint32_t>(index), value);
    }
    if (editorLink != nullptr)
        editorLink->SendString(KroEditorMessages::kUpdateParameterValues);
    applyingLoadedValues.store(false, std::memory_order_release);
}

void CKROPlugInDSP::SetStateTree(const pt::ptree& tree)
{
    DeliverPendingStateUpdate();
    if (!IsStateOf(tree, GetName(false)))
        return;
    stateTree = tree;
    ApplyStateTree();
}

pt::ptree CKROPlugInDSP::SetStateTreeFromEditor(const pt::ptree& tree)
{
    DeliverPendingStateUpdate();
    // A pasted tree is checked as a host's state is, whichever effect wrote it: refused whole, or
    // applied without the entries for indices that are no parameters (the hidden ones).
    KROCheckedStateTree checked;
    if (tree.get_child_optional(kParametersPath) &&
        CheckPluginStateTree(tree, {std::string(), GetFirstParameterIndex(), GetParameterCount()}, checked))
    {
        stateTree = std::move(checked.tree);
        ApplyStateTree();
    }
    return pt::ptree();
}

void CKROPlugInDSP::GetStateTree(pt::ptree& tree)
{
    DeliverPendingStateUpdate();
    BuildStateTree();
    tree = stateTree;
}

bool CKROPlugInDSP::ConvertStateTree(pt::ptree&, bool)
{
    return false;
}
