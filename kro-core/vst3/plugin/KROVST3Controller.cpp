#include "KROVST3Controller.h"

#include "kro-core/plugin/KROStateTreeXml.h"
#include "KROVST3EditController.h"
#include "KROVST3PeerMessages.h"
#include "kro-core/plugin/KroEditorMessages.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Mevarik {

using namespace Steinberg;
using namespace Steinberg::Vst;
namespace msg = KroEditorMessages;

namespace {

// The texts the processor handles as preset commands, in the order they are tested. Save-as comes
// before save: the two share their first 13 characters and a save-as must never go out as a save.
constexpr const char* kContainedCommands[] = {
    msg::kSetPresetAsSaveAs,       msg::kSetPresetSave,           msg::kSetPresetDelete,
    msg::kSetSelectedPresetNumber, msg::kGetSelectedPresetNumber,
};

// The attribute a text travels under in "PrsHnd"; null for a text that is no preset command.
const char* PresetCommandOf(const std::string& text)
{
    for (const char* command : kContainedCommands)
        if (msg::ContainsMessage(text, command))
            return command;
    return nullptr;
}

} // namespace

CKROVST3Controller::CKROVST3Controller(CKROVST3EditController* controller) : controller(controller) {}

double CKROVST3Controller::GetParameterNormalized(uint32_t index)
{
    return controller != nullptr ? controller->getParamNormalized(index) : 0.0;
}

int32_t CKROVST3Controller::SetParameterNormalized(uint32_t index, double value)
{
    if (controller == nullptr)
        return kNotInitialized;
    // The messages carry the index as an int32 and the processor takes any value it is given.
    if (std::isnan(value) || index > static_cast<uint32_t>(std::numeric_limits<int32_t>::max()))
        return kInvalidArgument;
    value = std::clamp(value, 0.0, 1.0);
    SendParameterValue(*controller, static_cast<int32_t>(index), static_cast<float>(value));
    const tresult stored = controller->setParamNormalized(index, value);
    // A hidden parameter (the output mute) has no host parameter: the processor has it, the host
    // is not told of an ID it never saw.
    if (!IsHostParameter(index))
        return stored;
    return controller->performEdit(index, value);
}

int32_t CKROVST3Controller::GetParameterCount()
{
    return controller != nullptr ? controller->getParameterCount() : 0;
}

int32_t CKROVST3Controller::GetFirstParameterIndex()
{
    return 0;
}

bool CKROVST3Controller::IsConnected()
{
    return controller != nullptr && controller->getPeer() != nullptr;
}

void CKROVST3Controller::ReleaseLink(std::shared_ptr<void> /*link*/)
{
    // The reference goes when the argument does.
}

void CKROVST3Controller::Idle() {}

void CKROVST3Controller::SendMessage(const std::string& message)
{
    // An empty text says nothing to the effect (and an empty data attribute is one that some
    // hosts' message classes never free).
    if (controller == nullptr || message.empty())
        return;
    // The two list requests are whole texts; anything appended makes them no request.
    if (message == msg::kGetFactoryPresets || message == msg::kGetUserPresets)
    {
        const char one = 1;
        SendData(*controller, kMsgPresetCommand, message.c_str(), &one, sizeof one);
        return;
    }
    if (const char* command = PresetCommandOf(message))
        SendText(*controller, kMsgPresetCommand, command, message);
    else
        SendText(*controller, kMsgEditorText, kMsgEditorText, message);
}

void CKROVST3Controller::SendStateTree(const boost::property_tree::ptree& tree)
{
    if (controller == nullptr)
        return;
    // The paste has no way to hear of a failure; a tree that cannot be written is not sent.
    std::string text;
    if (WriteStateTreeXml(tree, KROStateTreeLayout::kIndented, text))
        SendText(*controller, kMsgEditorTreeToEffect, kMsgEditorTreeToEffect, text);
}

int32_t CKROVST3Controller::GetDisplayData(int32_t channel, float** buffer, int32_t* capacity, int32_t countHint)
{
    return controller != nullptr ? controller->GetCustomData(channel, buffer, capacity, countHint) : 0;
}

int32_t CKROVST3Controller::SetDisplayData(int32_t channel, float* data, int32_t count)
{
    // The controller counts a message made as sent, with or without a processor to take it.
    if (!IsConnected() || data == nullptr || count < 1)
        return 1;
    return controller->SetCustomData(channel, data, count) == 0 ? 0 : 1;
}

void CKROVST3Controller::BeginEdit(uint32_t index)
{
    if (IsHostParameter(index))
        controller->beginEdit(index);
}

void CKROVST3Controller::EndEdit(uint32_t index)
{
    if (IsHostParameter(index))
        controller->endEdit(index);
}

bool CKROVST3Controller::IsHostParameter(uint32_t index) const
{
    return controller != nullptr && controller->getParameterObject(index) != nullptr;
}

} // namespace Mevarik
