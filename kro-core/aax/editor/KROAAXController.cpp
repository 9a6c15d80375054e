#include "KROAAXController.h"

#include "kro-core/gui/CKROGuiEditor.h"
#include "kro-core/aax/IKRO_AAXParamsIDsConverter.h"
#include "kro-core/plugin/KRODisplayDataBuffer.h"
#include "kro-core/aax/KROAudioPlugInAAX.h"
#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "kro-core/plugin/KroEditorMessages.h"
#include "kro-core/plugin/KroPresetList.h"

#include <boost/property_tree/ptree.hpp>

#include <limits>

namespace Mevarik {

namespace msg = KroEditorMessages;

CKROAAXController::CKROAAXController(CKROAudioPlugInAAX* adapter, CKROGuiEditor* editor,
                                     IKRO_AAXParamsIDsConverter& identifiers)
    : adapter(adapter), editor(editor), identifiers(identifiers)
{}

CKROPlugInDSP* CKROAAXController::Effect() const
{
    return adapter ? adapter->Effect() : nullptr;
}

const char* CKROAAXController::IdentifierOf(uint32_t index) const
{
    if (index > static_cast<uint32_t>(std::numeric_limits<int32_t>::max()))
        return nullptr;
    const char* id = identifiers.GetIDFromIndex(static_cast<int32_t>(index));
    return id && *id ? id : nullptr;
}

double CKROAAXController::GetParameterNormalized(uint32_t index)
{
    double value = 0.0;
    const char* id = IdentifierOf(index);
    if (adapter && id)
        adapter->GetParameterNormalizedValue(id, &value);
    return value;
}

int32_t CKROAAXController::SetParameterNormalized(uint32_t index, double value)
{
    const char* id = IdentifierOf(index);
    if (!adapter || !id)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    return adapter->SetParameterNormalizedValue(id, value);
}

int32_t CKROAAXController::GetParameterCount()
{
    CKROPlugInDSP* effect = Effect();
    return effect ? effect->GetParameterCount() : 0;
}

int32_t CKROAAXController::GetFirstParameterIndex()
{
    CKROPlugInDSP* effect = Effect();
    return effect ? effect->GetFirstParameterIndex() : 0;
}

bool CKROAAXController::IsConnected()
{
    return true;
}

void CKROAAXController::ReleaseLink(std::shared_ptr<void> /*link*/)
{
    // The reference goes when the argument does.
}

void CKROAAXController::Idle() {}

void CKROAAXController::Reply(const std::string& text)
{
    if (editor)
        editor->ReceiveDSPMessage(text);
}

void CKROAAXController::SendMessage(const std::string& message)
{
    CKROPlugInDSP* effect = Effect();
    if (!effect)
        return;
    if (message == msg::kGetFactoryPresets)
    {
        Reply(KroPresetList::BuildPresetListMessage(msg::kSetFactoryPresets, effect->GetFactoryPresetNames(),
                                                    effect->GetFactoryPresetAlgorithmNames()));
        return;
    }
    if (message == msg::kGetUserPresets)
    {
        Reply(KroPresetList::BuildPresetListMessage(msg::kSetUserPresets, effect->GetUserPresetNames(),
                                                    effect->GetUserPresetAlgorithmNames()));
        return;
    }
    RunPresetCommands(message);

    std::string value;
    if (msg::ContainsMessage(message, msg::kGetSelectedPresetNumber))
        Reply(msg::kSetSelectedPresetNumber + std::to_string(effect->GetCurrentPresetNumber()));
    else if (msg::FindMessageValue(message, msg::kGetParameterText, value))
    {
        // The index follows the name wherever the text has it, as every receiver reads a value.
        std::string text;
        effect->GetParameterText(text, msg::ReadMessageInteger(value), true, true);
        Reply(msg::kSetParameterText + text);
    }
    else
    {
        const std::string reply = effect->HandleGuiMessage(message);
        adapter->RefreshHostParameters();
        Reply(reply);
    }
}

void CKROAAXController::RunPresetCommands(const std::string& text)
{
    CKROPlugInDSP* effect = Effect();
    std::string name;
    if (msg::FindMessageValue(text, msg::kSetPresetAsSaveAs, name))
    {
        effect->SaveUserPreset(name, false);
        int32_t localIndex = 0;
        if (CKRODSPAlgInterface* algorithm =
                effect->FindAlgorithmForParameter(effect->GetFirstParameterIndex(), localIndex))
            algorithm->SelectPresetByName(name);
        effect->RebuildPresetLists();
    }
    if (msg::FindMessageValue(text, msg::kSetPresetSave, name))
    {
        effect->SaveUserPreset(name, true);
        effect->RebuildPresetLists();
    }
    if (msg::FindMessageValue(text, msg::kSetPresetDelete, name))
    {
        effect->DeleteUserPreset(name);
        effect->RebuildPresetLists();
    }
    std::string number;
    if (msg::FindMessageValue(text, msg::kSetSelectedPresetNumber, number))
        adapter->SelectPreset(msg::ReadMessageInteger(number));
}

void CKROAAXController::SendStateTree(const boost::property_tree::ptree& tree)
{
    CKROPlugInDSP* effect = Effect();
    if (!effect)
        return;
    const boost::property_tree::ptree answer = effect->SetStateTreeFromEditor(tree);
    if (!answer.empty() && editor)
        editor->ReceiveStateTree(answer);
}

int32_t CKROAAXController::GetDisplayData(int32_t channel, float** buffer, int32_t* capacity, int32_t countHint)
{
    CKROPlugInDSP* effect = Effect();
    if (!effect)
        return 0;
    int32_t count = countHint;
    const float* data = effect->GetDisplayData(channel, count);
    return CopyDisplayData(data, count, buffer, capacity);
}

int32_t CKROAAXController::SetDisplayData(int32_t channel, float* data, int32_t count)
{
    CKROPlugInDSP* effect = Effect();
    return effect ? effect->SetDisplayData(channel, data, count) : 1;
}

void CKROAAXController::BeginEdit(uint32_t index)
{
    if (const char* id = IdentifierOf(index); adapter && id)
        adapter->TouchParameter(id);
}

void CKROAAXController::EndEdit(uint32_t index)
{
    if (const char* id = IdentifierOf(index); adapter && id)
        adapter->ReleaseParameter(id);
}

} // namespace Mevarik
