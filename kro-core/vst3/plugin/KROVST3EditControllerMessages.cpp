// CKROVST3EditController: the messages with the processor. Requests go out with a direct call of
// the processor's notify, which replies from inside its handler, so a reply has arrived (or never
// will) when the send returns.

#include "KROVST3EditController.h"

#include "IKROAttachedEditor.h"
#include "kro-core/plugin/KRODisplayDataBuffer.h"
#include "KROVST3EntryGuard.h"
#include "KROVST3HostText.h"
#include "kro-core/plugin/KroEditorMessages.h"
#include "kro-core/plugin/PtreeXmlFile.h"
#include "kro-core/plugin/TrackInfoRecord.h"

#include "pluginterfaces/vst/ivstmessage.h"

#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include <cmath>
#include <cstring>

namespace Steinberg {
namespace Vst {

namespace msg = KroEditorMessages;

// The processor's answers, and what the effect tells its editors.
const KROVST3MessageRoute<CKROVST3EditController> CKROVST3EditController::kMessageRoutes[] = {
    {kMsgBinary, &CKROVST3EditController::HandleValueReply},              // the answer to a value request
    {kMsgSetParameter, &CKROVST3EditController::HandleParameterValue},    // one value the effect changed
    {kMsgSyncParameters, &CKROVST3EditController::HandleParameterValues}, // consecutive values
    {kMsgPresetCommand, &CKROVST3EditController::HandlePresetAnswer},     // preset lists and number
    {kMsgEffectAnswer, &CKROVST3EditController::HandleEffectAnswer},      // the answer to an editor text
    {kMsgDisplayData, &CKROVST3EditController::HandleDisplayDataReply},   // only while a request waits
    {kMsgEditorString, &CKROVST3EditController::HandleEditorString},      // a text for the editors
    {kMsgEditorBinary, &CKROVST3EditController::HandleEditorBinary},      // floats for the editors
    {kMsgEditorTree, &CKROVST3EditController::HandleEditorTree},          // a state tree for the editors
};

bool CKROVST3EditController::HandlesMessage(const char* id)
{
    return HasRoute(kMessageRoutes, id);
}

tresult PLUGIN_API CKROVST3EditController::notify(IMessage* message)
{
    return DispatchMessage(*this, message, kMessageRoutes, &CKROVST3EditController::RefuseMessage);
}

tresult CKROVST3EditController::RefuseMessage(IMessage&)
{
    return kResultFalse;
}

tresult CKROVST3EditController::HandleEffectAnswer(IMessage& message)
{
    return HandleEditorText(message, kMsgEffectAnswer);
}

tresult CKROVST3EditController::HandleEditorString(IMessage& message)
{
    return HandleEditorText(message, kMsgEditorString);
}

bool CKROVST3EditController::RequestProcessorValue(ParamID tag, float& value)
{
    // A reply that came outside a request must not pass for this one's.
    valueReply.arrived = false;
    const int32_t index = static_cast<int32_t>(tag);
    SendData(*this, kMsgBinary, kAttrGetValue, &index, sizeof index);
    if (!valueReply.arrived)
        return false;
    valueReply.arrived = false;
    value = valueReply.count > 0 ? valueReply.words[0] : 0.0f;
    return true;
}

tresult CKROVST3EditController::HandleValueReply(IMessage& message)
{
    const void* data = nullptr;
    uint32_t size = 0;
    if (!GetData(message, kAttrValueReply, data, size))
        return kResultFalse;
    valueReply.count = static_cast<int32>(std::min<size_t>(size / sizeof(float), ValueReply::kMaxWords));
    if (valueReply.count > 0)
        std::memcpy(valueReply.words.data(), data, static_cast<size_t>(valueReply.count) * sizeof(float));
    valueReply.arrived = true;
    return kResultOk;
}

tresult CKROVST3EditController::HandleParameterValue(IMessage& message)
{
    int32_t index = 0;
    double value = 0.0;
    if (!GetInt32(message, kAttrParameterIndex, index) ||
        message.getAttributes()->getFloat(kAttrParameterValue, value) != kResultOk || index < 0)
        return kResultFalse;
    setParamNormalized(static_cast<ParamID>(index), value);
    return kResultOk;
}

tresult CKROVST3EditController::HandleParameterValues(IMessage& message)
{
    int32_t first = 0;
    std::vector<float> values;
    if (!GetInt32(message, kAttrFirstIndex, first) || !GetFloats(message, kAttrValues, values) || first < 0)
        return kResultFalse;
    for (size_t k = 0; k < values.size(); ++k)
        setParamNormalized(static_cast<ParamID>(first) + static_cast<ParamID>(k), values[k]);
    return kResultOk;
}

tresult CKROVST3EditController::HandleEditorText(IMessage& message, const char* attribute)
{
    std::string text;
    if (!GetText(message, attribute, text))
        return kResultFalse;
    RelayText(text);
    return kResultOk;
}

void CKROVST3EditController::RelayText(const std::string& text)
{
    for (const AttachedEditor& attached : attachedEditors)
        attached.editor->ReceiveDSPMessage(text);
}

tresult CKROVST3EditController::HandlePresetAnswer(IMessage& message)
{
    for (const char* answer : {msg::kSetFactoryPresets, msg::kSetUserPresets, msg::kSetSelectedPresetNumber})
    {
        std::string text;
        if (GetText(message, answer, text))
        {
            RelayText(text);
            return kResultOk;
        }
    }
    return kResultFalse;
}

tresult CKROVST3EditController::HandleEditorBinary(IMessage& message)
{
    std::vector<float> values;
    if (!GetFloats(message, kMsgEditorBinary, values))
        return kResultFalse;
    // The editor reads a count of floats, not of bytes.
    for (const AttachedEditor& attached : attachedEditors)
        attached.editor->ReceiveDSPBinary(values.data(), static_cast<int32_t>(values.size()));
    return kResultOk;
}

tresult CKROVST3EditController::HandleEditorTree(IMessage& message)
{
    std::string text;
    if (!GetText(message, kMsgEditorTree, text))
        return kResultFalse;
    boost::property_tree::ptree tree;
    if (!ParseXmlText(text, tree, boost::property_tree::xml_parser::trim_whitespace))
        return kResultFalse;
    for (const AttachedEditor& attached : attachedEditors)
        attached.editor->ReceiveStateTree(tree);
    return kResultOk;
}

int32 PLUGIN_API CKROVST3EditController::GetCustomData(int32 channel, float** buffer, int32* capacity, int32 count)
{
    if (buffer == nullptr || capacity == nullptr)
        return 0;
    displayRequest = DisplayDataRequest{};
    displayRequest.pending = true;
    displayRequest.buffer = buffer;
    displayRequest.capacityHandedBack = *capacity;
    // Without a message, a processor or its answer nothing arrives, and the caller keeps its buffer.
    const int32_t request[2] = {channel, count};
    GuardEntry(false, [&] {
        SendData(*this, kMsgDisplayData, request, sizeof request);
        return true;
    });

    // The slot forgets the caller's buffer: a later reply has nowhere to write.
    const DisplayDataRequest answered = displayRequest;
    displayRequest = DisplayDataRequest{};
    if (!answered.arrived)
        return 0;
    *capacity = answered.capacityHandedBack;
    return answered.resultCount;
}

tresult CKROVST3EditController::HandleDisplayDataReply(IMessage& message)
{
    if (!displayRequest.pending)
        return kResultFalse; // nobody asked
    std::vector<float> values;
    if (GetFloats(message, kMsgDisplayData, values))
    {
        // A reply longer than the caller's buffer grows it through the buffer's one allocator.
        const int32 n = static_cast<int32>(values.size());
        int32_t handedBack = displayRequest.capacityHandedBack;
        displayRequest.resultCount = n > 0 ? CopyDisplayData(values.data(), n, displayRequest.buffer, &handedBack) : 0;
        displayRequest.capacityHandedBack = handedBack;
        displayRequest.arrived = true;
    }
    else if (!displayRequest.arrived)
    {
        displayRequest.resultCount = 0;
        displayRequest.arrived = true;
    }
    return kResultFalse;
}

int32 PLUGIN_API CKROVST3EditController::SetCustomData(int32 tag, float* data, int32 count)
{
    return GuardEntry(1, [&] { return data != nullptr && SendCustomData(*this, tag, data, count) ? 0 : 1; });
}

tresult PLUGIN_API CKROVST3EditController::setChannelContextInfos(IAttributeList* list)
{
    if (list == nullptr)
        return kResultOk;
    return GuardEntry(kResultFalse, [&]() -> tresult { return SendChannelContext(*list); });
}

tresult CKROVST3EditController::SendChannelContext(IAttributeList& info)
{
    TrackInfoRecord record;
    InitTrackInfoRecord(record);
    std::string text;
    if (GetHostString(info, ChannelContext::kChannelNameKey, text))
        SetTrackName(record, text);
    int64 number = 0;
    if (info.getInt(ChannelContext::kChannelIndexKey, number) == kResultOk)
        SetTrackIndex(record, static_cast<int32_t>(number));
    if (info.getInt(ChannelContext::kChannelColorKey, number) == kResultOk)
        SetTrackColour(record, static_cast<uint32_t>(number));
    if (GetHostString(info, ChannelContext::kChannelIndexNamespaceKey, text))
        SetTrackIndexNamespace(record, text);
    if (info.getInt(ChannelContext::kChannelPluginLocationKey, number) == kResultOk)
        SetTrackPlugInLocation(record, number >= 0 && number <= 2 ? static_cast<int32_t>(number) : -1);
    SendData(*this, kMsgTrackInfo, &record, sizeof record);
    return kResultOk;
}

} // namespace Vst
} // namespace Steinberg
