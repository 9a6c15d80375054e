// CKROAudioPlugInVST3: the controller's messages. They arrive on the host's user-interface thread
// while process may run on the audio thread, and reach the effect as its user-interface calls do.

#include "KROAudioPlugInVST3.h"

#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "kro-core/plugin/KRONumberText.h"
#include "kro-core/plugin/KROStateTreeXml.h"
#include "KROVST3HostText.h"
#include "kro-core/plugin/KroEditorMessages.h"
#include "kro-core/plugin/KroPresetList.h"
#include "kro-core/plugin/TrackInfoRecord.h"

#include "pluginterfaces/vst/ivstmessage.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace Steinberg {
namespace Vst {

namespace msg = KroEditorMessages;

namespace {

// The decimal number behind a preset command: 0 when the value holds no digits, refused (false)
// when the digits do not fit 32 bits, which would otherwise read as preset 0.
bool ReadPresetNumber(const std::string& value, int32_t& number)
{
    number = 0;
    size_t start = value.find_first_not_of(" \t\n\v\f\r");
    if (start != std::string::npos && (value[start] == '+' || value[start] == '-'))
        ++start;
    const bool hasDigits = start < value.size() && std::isdigit(static_cast<unsigned char>(value[start])) != 0;
    return !hasDigits || ReadIntegerText(value, number);
}

} // namespace

// What the controller asks of the effect, and what it hands on from the editor.
const KROVST3MessageRoute<CKROAudioPlugInVST3> CKROAudioPlugInVST3::kMessageRoutes[] = {
    {kMsgBinary, &CKROAudioPlugInVST3::HandleValueRequest},            // a value it has no record of
    {kMsgSetParameter, &CKROAudioPlugInVST3::HandleParameterValue},    // one value from the editor
    {kMsgPresetValues, &CKROAudioPlugInVST3::HandlePresetValues},      // the values of one preset
    {kMsgPresetCommand, &CKROAudioPlugInVST3::HandlePresetCommand},    // lists, save, delete, select
    {kMsgDisplayData, &CKROAudioPlugInVST3::HandleDisplayDataRequest}, // answered before the send returns
    {kMsgSetCustomData, &CKROAudioPlugInVST3::HandleCustomData},       // values under a tag
    {kMsgEditorText, &CKROAudioPlugInVST3::HandleEditorText},          // the editor's text protocol
    {kMsgEditorTreeToEffect, &CKROAudioPlugInVST3::HandleEditorTree},  // a pasted state tree
    {kMsgTrackInfo, &CKROAudioPlugInVST3::HandleTrackInfo},            // the host's channel context
};

bool CKROAudioPlugInVST3::HandlesMessage(const char* id)
{
    return HasRoute(kMessageRoutes, id);
}

tresult PLUGIN_API CKROAudioPlugInVST3::notify(IMessage* message)
{
    return DispatchMessage(*this, message, kMessageRoutes, &CKROAudioPlugInVST3::NotifyUnhandled, [this] {
        // A user-interface call: what a host's automation left owed to the editor goes out first.
        if (effect != nullptr)
            effect->DeliverPendingStateUpdate();
    });
}

tresult CKROAudioPlugInVST3::NotifyUnhandled(IMessage& message)
{
    // The SDK's own handler copies a long text into a short buffer without its end: ours reads a
    // bounded text, and a text message without attributes is refused.
    IAttributeList* attributes = message.getAttributes();
    std::string text;
    if (!IsMessage(message, kMsgText) || attributes == nullptr || !GetHostString(*attributes, kAttrText, text))
        return kResultFalse;
    return receiveText(text.c_str());
}

tresult CKROAudioPlugInVST3::HandleValueRequest(IMessage& message)
{
    const void* data = nullptr;
    uint32_t size = 0;
    if (!GetData(message, kAttrGetValue, data, size))
        return NotifyUnhandled(message);
    if (size == sizeof(int32_t) && effect != nullptr)
    {
        int32_t index = 0;
        std::memcpy(&index, data, sizeof index);
        const float value = effect->GetParameterNormalized(index);
        SendData(*this, kMsgBinary, kAttrValueReply, &value, sizeof value);
    }
    return kResultOk;
}

tresult CKROAudioPlugInVST3::HandleParameterValue(IMessage& message)
{
    int32_t index = 0;
    double value = 0.0;
    IAttributeList* attributes = message.getAttributes();
    if (GetInt32(message, kAttrParameterIndex, index) &&
        attributes->getFloat(kAttrParameterValue, value) == kResultOk && std::isfinite(value))
        SetParameterFromController(index, static_cast<float>(value));
    return NotifyUnhandled(message);
}

tresult CKROAudioPlugInVST3::HandlePresetValues(IMessage& message)
{
    std::vector<float> values;
    if (effect == nullptr || !GetFloats(message, kMsgPresetValues, values))
        return kResultOk;
    // The values of one preset: the hidden indices after the parameters are not the editor's.
    const int32_t first = effect->GetFirstParameterIndex();
    const int32_t count = std::min<int32_t>(static_cast<int32_t>(values.size()), effect->GetParameterCount());
    for (int32_t k = 0; k < count; ++k)
        if (std::isfinite(values[static_cast<size_t>(k)]))
            SetParameterFromController(first + k, values[static_cast<size_t>(k)]);
    return kResultOk;
}

tresult CKROAudioPlugInVST3::HandlePresetCommand(IMessage& message)
{
    // The first command present wins, in this order.
    static const char* const kCommands[] = {
        msg::kGetFactoryPresets, msg::kGetUserPresets,          msg::kSetPresetAsSaveAs,       msg::kSetPresetSave,
        msg::kSetPresetDelete,   msg::kSetSelectedPresetNumber, msg::kGetSelectedPresetNumber,
    };
    const char* command = nullptr;
    std::string text;
    for (const char* candidate : kCommands)
        if (GetText(message, candidate, text))
        {
            command = candidate;
            break;
        }
    if (command == nullptr)
        return NotifyUnhandled(message);
    if (effect == nullptr)
        return kResultOk;

    if (command == msg::kGetFactoryPresets)
    {
        SendPresetList(msg::kSetFactoryPresets, effect->GetFactoryPresetNames(),
                       effect->GetFactoryPresetAlgorithmNames());
        return kResultOk;
    }
    if (command == msg::kGetUserPresets)
    {
        SendPresetList(msg::kSetUserPresets, effect->GetUserPresetNames(), effect->GetUserPresetAlgorithmNames());
        return kResultOk;
    }
    if (command == msg::kGetSelectedPresetNumber)
    {
        const std::string answer = msg::kSetSelectedPresetNumber + std::to_string(effect->GetCurrentPresetNumber());
        SendText(*this, kMsgPresetCommand, msg::kSetSelectedPresetNumber, answer);
        return kResultOk;
    }

    // The name or number follows the command's name wherever the editor's text has it; a text
    // without the name is no command.
    std::string value;
    if (!msg::FindMessageValue(text, command, value))
        return kResultFalse;
    // A preset name longer than a state may carry would become the current preset's name, and the
    // state written next would be refused on loading.
    if (value.size() > kMaxStatePresetNameBytes)
        return kResultFalse;
    if (command == msg::kSetPresetAsSaveAs)
    {
        effect->SaveUserPreset(value, false);
        int32_t localIndex = 0;
        if (CKRODSPAlgInterface* algorithm =
                effect->FindAlgorithmForParameter(effect->GetFirstParameterIndex(), localIndex))
            algorithm->SelectPresetByName(value);
        effect->RebuildPresetLists();
    }
    else if (command == msg::kSetPresetSave)
    {
        effect->SaveUserPreset(value, true);
        effect->RebuildPresetLists();
    }
    else if (command == msg::kSetPresetDelete)
    {
        effect->DeleteUserPreset(value);
        effect->RebuildPresetLists();
    }
    else
    {
        int32_t number = 0;
        int32_t localNumber = 0;
        if (!ReadPresetNumber(value, number))
            return kResultFalse;
        // Only a number that names a preset is selected; SelectPreset would tell the controller
        // the unchanged values as if it had been.
        CKRODSPAlgInterface* algorithm = effect->FindAlgorithmForPreset(number, localNumber);
        if (algorithm == nullptr || algorithm->GetPreset(localNumber) == nullptr)
            return kResultFalse;
        SelectPreset(number);
    }
    RunTextStep(text);
    return kResultOk;
}

void CKROAudioPlugInVST3::SendPresetList(const char* answerName, const std::vector<std::string>& names,
                                         const std::vector<std::string>& infos)
{
    SendText(*this, kMsgPresetCommand, answerName, KroPresetList::BuildPresetListMessage(answerName, names, infos));
}

tresult CKROAudioPlugInVST3::HandleDisplayDataRequest(IMessage& message)
{
    const void* data = nullptr;
    uint32_t size = 0;
    if (!GetData(message, kMsgDisplayData, data, size) || size != 2 * sizeof(int32_t))
        return kResultFalse;
    int32_t request[2] = {0, 0};
    std::memcpy(request, data, sizeof request);
    int32_t count = request[1];
    const float* values = effect != nullptr ? effect->GetDisplayData(request[0], count) : nullptr;
    if (values != nullptr && count > 0)
        SendData(*this, kMsgDisplayData, values, static_cast<uint32_t>(count) * sizeof(float));
    else
        SendEmpty(*this, kMsgDisplayData);
    return kResultOk;
}

tresult CKROAudioPlugInVST3::HandleCustomData(IMessage& message)
{
    int32_t tag = 0;
    std::vector<float> values;
    if (effect != nullptr && GetInt32(message, kAttrCustomTag, tag) && GetFloats(message, kMsgSetCustomData, values))
        effect->SetDisplayData(tag, values.data(), static_cast<int32_t>(values.size()));
    return kResultOk;
}

tresult CKROAudioPlugInVST3::HandleEditorText(IMessage& message)
{
    std::string text;
    if (effect != nullptr && GetText(message, kMsgEditorText, text))
        RunTextStep(text);
    return kResultOk;
}

tresult CKROAudioPlugInVST3::HandleEditorTree(IMessage& message)
{
    std::string text;
    if (effect == nullptr || !GetText(message, kMsgEditorTreeToEffect, text))
        return kResultOk;
    boost::property_tree::ptree tree;
    if (!ReadStateTreeXml(text, tree))
        return kResultFalse;
    // A pasted tree that the effect would apply is checked as a state is, whichever effect wrote
    // it: an unreadable entry or a preset name no state may carry refuses it whole.
    if (tree.get_child_optional("PluginState.Parameters"))
    {
        KROVST3StateShape anyEffect = StateShape();
        anyEffect.effectName.clear();
        KROVST3State checked;
        if (!CheckStateTree(tree, anyEffect, checked))
            return kResultFalse;
        tree = std::move(checked.tree);
    }
    const boost::property_tree::ptree answer = effect->SetStateTreeFromEditor(tree);
    std::string answerText;
    if (!answer.empty() && WriteStateTreeXml(answer, KROStateTreeLayout::kIndented, answerText))
        SendText(*this, kMsgEditorTree, kMsgEditorTree, answerText);
    return kResultOk;
}

tresult CKROAudioPlugInVST3::HandleTrackInfo(IMessage& message)
{
    const void* data = nullptr;
    uint32_t size = 0;
    if (effect != nullptr && GetData(message, kMsgTrackInfo, data, size) && size == sizeof(TrackInfoRecord))
    {
        TrackInfoRecord record;
        std::memcpy(&record, data, sizeof record);
        // The texts are the host's: each ends within its field whatever the bytes said.
        record.name[TrackInfoRecord::kTextSize - 1] = 0;
        record.indexNamespace[TrackInfoRecord::kTextSize - 1] = 0;
        record.plugInLocation[TrackInfoRecord::kTextSize - 1] = 0;
        effect->SetTrackInfo(record);
    }
    return kResultOk;
}

void CKROAudioPlugInVST3::RunTextStep(const std::string& text)
{
    const std::string answer = effect->HandleGuiMessage(text);
    RefreshHostParameters();
    if (!answer.empty())
        SendText(*this, kMsgEffectAnswer, kMsgEffectAnswer, answer);
}

} // namespace Vst
} // namespace Steinberg
