// CKROPlugInDSP: reading and setting parameter values, preset selection, default values and
// the modified-state rule.
#include "KROPlugInDSP.h"

#include "platform/IPlatform.h"
#include "kro-core/plugin/KroEditorMessages.h"

float CKROPlugInDSP::GetParameterNormalized(int32_t index)
{
    const CKROParameter* parameter = currentAlgorithm != nullptr ? currentAlgorithm->GetParameter(index) : nullptr;
    return parameter != nullptr ? static_cast<float>(parameter->GetNormalized()) : 0.0f;
}

// May run on the audio thread (host automation): the modified mark is set here, and the tree it
// owes the editor is built and sent later on the user-interface thread.
void CKROPlugInDSP::SetParameterNormalized(int32_t index, float value, int32_t* changedIndices, int32_t& changedCount)
{
    if (stateApplied.load(std::memory_order_acquire) && editorLink != nullptr &&
        !applyingLoadedValues.load(std::memory_order_acquire))
    {
        const uint32_t now = platform::CurrentPlatform().GetTickCount();
        const uint32_t stamp = stateTimeStamp.load(std::memory_order_acquire);
        if (platform::TickDifference(now, stamp) > kModifiedWindowMilliseconds &&
            !presetModified.exchange(true, std::memory_order_acq_rel))
            stateUpdatePending.store(true, std::memory_order_release);
    }

    if (changedIndices != nullptr)
        changedCount = 0;

    CKROParameter* parameter = currentAlgorithm != nullptr ? currentAlgorithm->GetParameter(index) : nullptr;
    if (parameter != nullptr)
        parameter->SetNormalized(value);
}

void CKROPlugInDSP::ApplyParameterValue(int32_t index, float value)
{
    int32_t changedCount = 0;
    SetParameterNormalized(index, value, nullptr, changedCount);
}

void CKROPlugInDSP::DeliverPendingStateUpdate()
{
    if (editorLink == nullptr || !stateUpdatePending.exchange(false, std::memory_order_acq_rel))
        return;
    // A tree of its own: the effect's tree may be the host's state being applied.
    boost::property_tree::ptree tree;
    WriteStateTree(tree);
    SendStateTreeToEditor(tree, KroEditorMessages::kActionGuiWantsUpdate);
}

void CKROPlugInDSP::SendStateTreeToEditor(boost::property_tree::ptree& tree, const char* action)
{
    tree.put("PluginState.PluginInfo.Action", action);
    editorLink->SendStateTree(tree, false);
}

void CKROPlugInDSP::RestartModifiedWindow()
{
    stateTimeStamp.store(platform::CurrentPlatform().GetTickCount(), std::memory_order_release);
    stateApplied.store(true, std::memory_order_release);
}

void CKROPlugInDSP::ApplyAlgorithmValues(CKRODSPAlgInterface& algorithm)
{
    applyingLoadedValues.store(true, std::memory_order_release);
    const int32_t first = GetFirstParameterIndex();
    const int32_t count = static_cast<int32_t>(algorithm.GetParameters().size());
    for (int32_t index = first; index < first + count; ++index)
    {
        const CKROParameter* parameter = algorithm.GetParameter(index);
        ApplyParameterValue(index, parameter != nullptr ? static_cast<float>(parameter->GetNormalized()) : 0.0f);
    }
    applyingLoadedValues.store(false, std::memory_order_release);
}

void CKROPlugInDSP::SelectPreset(int32_t number)
{
    DeliverPendingStateUpdate();
    int32_t localNumber = 0;
    CKRODSPAlgInterface* algorithm = FindAlgorithmForPreset(number, localNumber);
    const CKROAudioPreset* preset = algorithm != nullptr ? algorithm->GetPreset(localNumber) : nullptr;
    if (preset == nullptr)
        return;

    algorithm->SelectPreset(localNumber);
    ApplyAlgorithmValues(*algorithm);
    presetModified.store(false, std::memory_order_release);
    currentPresetName = preset->GetName();
    RestartModifiedWindow();
    if (editorLink != nullptr)
    {
        BuildStateTree();
        SendStateTreeToEditor(stateTree, KroEditorMessages::kActionGuiWantsUpdate);
    }
}

void CKROPlugInDSP::GetParameterText(std::string& text, int32_t index, bool withName, bool withUnit)
{
    DeliverPendingStateUpdate();
    int32_t localIndex = 0;
    CKRODSPAlgInterface* algorithm = FindAlgorithmForParameter(index, localIndex);
    const CKROParameter* parameter = algorithm != nullptr ? algorithm->GetParameter(localIndex) : nullptr;
    // -1 stands for the record's current value.
    text = parameter != nullptr ? parameter->GetDisplayText(withName, withUnit, -1.0) : std::string();
}

std::vector<int32_t> CKROPlugInDSP::GetParametersToRefresh(int32_t&)
{
    return {};
}

void CKROPlugInDSP::GetDefaultParameterValues(std::map<int32_t, float>& values, int32_t factoryPresetNumber)
{
    const int32_t first = GetFirstParameterIndex();
    if (!defaultsCaptured)
    {
        for (auto& entry : algorithms)
            entry.second->SelectPreset(0);
        for (int32_t index = first; index < first + GetParameterCount(); ++index)
            defaultValues.emplace(index, GetParameterNormalized(index));
        defaultsCaptured = true;
    }
    values = defaultValues;

    int32_t localNumber = 0;
    CKRODSPAlgInterface* algorithm = FindAlgorithmForFactoryPreset(factoryPresetNumber, localNumber);
    if (algorithm == nullptr)
        return;
    algorithm->SelectPreset(localNumber);
    const int32_t offset = GetAlgorithmParameterOffset(algorithm);
    const int32_t count = static_cast<int32_t>(algorithm->GetParameters().size());
    for (int32_t index = first; index < first + count; ++index)
    {
        const CKROParameter* parameter = algorithm->GetParameter(index);
        const auto found = values.find(offset + index);
        if (parameter != nullptr && found != values.end())
            found->second = static_cast<float>(parameter->GetNormalized());
    }
}

void CKROPlugInDSP::SetParameterValues(const std::map<int32_t, float>& values)
{
    if (static_cast<int32_t>(values.size()) != GetParameterCount())
        return;
    for (const auto& entry : values)
        ApplyParameterValue(entry.first, entry.second);
}
