#include "KROVST3EditController.h"

#include "IKROAttachedEditor.h"
#include "kro-core/plugin/IKROParamInfoInterface.h"
#include "kro-core/plugin/KROTaperType.h"
#include "KROVST3EntryGuard.h"
#include "KROVST3HostText.h"
#include "KROVST3ParamIds.h"

#include "pluginterfaces/base/ibstream.h"

#include <algorithm>
#include <cmath>

namespace Steinberg {
namespace Vst {

namespace {

// Parameter texts are 8-bit; each byte becomes one UTF-16 unit, as many as a String128 holds.
void CopyTitle(const std::string& text, String128 target)
{
    size_t i = 0;
    for (; i < text.size() && i < 127; ++i)
        target[i] = static_cast<TChar>(static_cast<unsigned char>(text[i]));
    target[i] = 0;
}

// Whole steps of a range parameter when there are few enough to show as steps.
int32 RangeStepCount(const CKROParameter& record)
{
    if (record.GetStep() == 0.0)
        return 0;
    const double steps =
        std::floor((std::fabs(record.GetMaximum()) + std::fabs(record.GetMinimum())) / record.GetStep());
    return steps >= 0.0 && steps <= 20.0 ? static_cast<int32>(steps) : 0;
}

constexpr int16 kPrecision = 4;

} // namespace

CKROVST3EditController::CKROVST3EditController()
{
    // Our editors' knobs follow the mouse along a line.
    hostKnobMode = kLinearMode;
}

tresult PLUGIN_API CKROVST3EditController::initialize(FUnknown* context)
{
    const tresult result =
        GuardEntry(kResultFalse, [&]() -> tresult { return EditControllerEx1::initialize(context); });
    if (result != kResultOk)
        return result;
    const tresult created = GuardEntry(kOutOfMemory, [&]() -> tresult {
        if (OnInitialize() != 0)
            return kResultFalse;
        CreateParameters();
        return kResultOk;
    });
    // A failed initialize leaves nothing behind, so the host may try again.
    if (created != kResultOk)
        terminate();
    return created;
}

void CKROVST3EditController::CreateParameters()
{
    if (parameterInfo == nullptr)
        return;
    parameterMapSize = parameterInfo->GetParameterMapSize();
    for (int32 i = 0; i < parameterMapSize; ++i)
    {
        const CKROParameter* record = parameterInfo->GetParameter(i);
        ParameterInfo info{};
        info.id = static_cast<ParamID>(i);
        info.unitId = kRootUnitId;
        if (record == nullptr)
        {
            // A gap in the table: a read-only placeholder, so the host's ids stay the table's.
            info.stepCount = 1;
            info.flags = ParameterInfo::kIsReadOnly;
            auto* placeholder = new Parameter(info);
            placeholder->setPrecision(kPrecision);
            parameters.addParameter(placeholder);
            continue;
        }
        CopyTitle(record->GetName(), info.title);
        CopyTitle(record->GetName(), info.shortTitle);
        info.defaultNormalizedValue = record->GetDefaultNormalized();
        info.flags = record->GetReadOnlyFlag() != 0 ? ParameterInfo::kIsReadOnly : ParameterInfo::kCanAutomate;
        if (IsBypassParameter(i))
            info.flags |= ParameterInfo::kIsBypass;
        Parameter* parameter = nullptr;
        if (record->GetTaperType() == kTaperList)
        {
            info.flags |= ParameterInfo::kIsList;
            info.stepCount = -1;
            auto* list = new StringListParameter(info);
            for (const std::string& label : record->GetValueLabels())
            {
                String128 text;
                CopyTitle(label, text);
                list->appendString(text);
            }
            parameter = list;
        }
        else
        {
            const std::vector<std::string>& labels = record->GetValueLabels();
            CopyTitle(labels.empty() ? std::string() : labels.front(), info.units);
            info.stepCount = RangeStepCount(*record);
            parameter = new RangeParameter(info, record->GetMinimum(), record->GetMaximum());
        }
        parameter->setPrecision(kPrecision);
        parameter->setNormalized(info.defaultNormalizedValue);
        parameters.addParameter(parameter);
    }
    if (masterBypassEnabled)
        parameters.addParameter(STR16("VST3 Master Bypass"), nullptr, 1, 0.0,
                                ParameterInfo::kCanAutomate | ParameterInfo::kIsBypass, VST3MasterBypassParamID,
                                kRootUnitId, STR16("M Bypass"));
}

tresult PLUGIN_API CKROVST3EditController::terminate()
{
    return GuardEntry(kResultFalse, [&]() -> tresult {
        attachedEditors.clear();
        parameters.removeAll();
        parameterMapSize = 0;
        return EditControllerEx1::terminate();
    });
}

tresult PLUGIN_API CKROVST3EditController::getParameterInfo(int32 paramIndex, ParameterInfo& info)
{
    // The SDK's container looks the index up with a checked access that throws.
    if (paramIndex < 0 || paramIndex >= getParameterCount())
        return kInvalidArgument;
    return GuardEntry(kResultFalse, [&]() -> tresult { return EditControllerEx1::getParameterInfo(paramIndex, info); });
}

tresult PLUGIN_API CKROVST3EditController::getUnitInfo(int32 unitIndex, UnitInfo& info)
{
    if (unitIndex < 0 || unitIndex >= getUnitCount())
        return kInvalidArgument;
    return GuardEntry(kResultFalse, [&]() -> tresult { return EditControllerEx1::getUnitInfo(unitIndex, info); });
}

bool CKROVST3EditController::HasProgram(ProgramListID listId, int32 programIndex) const
{
    const ProgramList* list = getProgramList(listId);
    return list != nullptr && programIndex >= 0 && programIndex < list->getCount();
}

// The SDK indexes its program lists' names, attributes and pitch names unchecked.
tresult PLUGIN_API CKROVST3EditController::getProgramName(ProgramListID listId, int32 programIndex, String128 name)
{
    if (name == nullptr || !HasProgram(listId, programIndex))
        return kInvalidArgument;
    return GuardEntry(kResultFalse,
                      [&]() -> tresult { return EditControllerEx1::getProgramName(listId, programIndex, name); });
}

tresult PLUGIN_API CKROVST3EditController::getProgramInfo(ProgramListID listId, int32 programIndex, CString attributeId,
                                                          String128 attributeValue)
{
    if (attributeId == nullptr || attributeValue == nullptr || !HasProgram(listId, programIndex))
        return kInvalidArgument;
    return GuardEntry(kResultFalse, [&]() -> tresult {
        return EditControllerEx1::getProgramInfo(listId, programIndex, attributeId, attributeValue);
    });
}

tresult PLUGIN_API CKROVST3EditController::hasProgramPitchNames(ProgramListID listId, int32 programIndex)
{
    if (!HasProgram(listId, programIndex))
        return kInvalidArgument;
    return GuardEntry(kResultFalse,
                      [&]() -> tresult { return EditControllerEx1::hasProgramPitchNames(listId, programIndex); });
}

tresult PLUGIN_API CKROVST3EditController::getProgramPitchName(ProgramListID listId, int32 programIndex,
                                                               int16 midiPitch, String128 name)
{
    if (name == nullptr || !HasProgram(listId, programIndex))
        return kInvalidArgument;
    return GuardEntry(kResultFalse, [&]() -> tresult {
        return EditControllerEx1::getProgramPitchName(listId, programIndex, midiPitch, name);
    });
}

ParamValue PLUGIN_API CKROVST3EditController::getParamNormalized(ParamID tag)
{
    return GuardEntry(0.0, [&]() -> ParamValue {
        if (tag == VST3MasterBypassParamID && masterBypassEnabled)
            return EditControllerEx1::getParamNormalized(tag);
        if (parameterInfo != nullptr)
            if (const CKROParameter* record = parameterInfo->GetParameter(static_cast<int32>(tag)))
                return record->GetNormalized();
        float value = 0.0f;
        if (RequestProcessorValue(tag, value))
            return value;
        return EditControllerEx1::getParamNormalized(tag);
    });
}

tresult PLUGIN_API CKROVST3EditController::setParamNormalized(ParamID tag, ParamValue value)
{
    // Only values inside 0 ... 1 are stored, as the processor does; what is no number changes nothing.
    if (!std::isfinite(value))
        return kInvalidArgument;
    const ParamValue clamped = std::clamp(value, 0.0, 1.0);
    return GuardEntry(kResultFalse, [&]() -> tresult {
        // The host's bypass is the host's: the editors show nothing of it.
        if (tag == VST3MasterBypassParamID && masterBypassEnabled)
            return EditControllerEx1::setParamNormalized(tag, clamped);
        if (parameterInfo != nullptr)
            if (CKROParameter* record = parameterInfo->GetParameter(static_cast<int32>(tag)))
                record->SetNormalized(clamped);
        const tresult result = EditControllerEx1::setParamNormalized(tag, clamped);
        for (const AttachedEditor& attached : attachedEditors)
            attached.editor->MarkParameterChanged(static_cast<int32_t>(tag), clamped);
        return result;
    });
}

tresult PLUGIN_API CKROVST3EditController::getParamStringByValue(ParamID tag, ParamValue valueNormalized,
                                                                 String128 string)
{
    // The SDK's list parameter indexes its texts with a checked lookup, which throws past the end.
    const ParamValue value = std::isnan(valueNormalized) ? 0.0 : std::clamp(valueNormalized, 0.0, 1.0);
    try
    {
        if (parameterInfo == nullptr || !parameterInfo->HasCustomText(static_cast<int32>(tag)))
            return EditControllerEx1::getParamStringByValue(tag, value, string);
        CopyTitle(parameterInfo->GetCustomText(static_cast<int32>(tag), static_cast<float>(value)), string);
        return kResultOk;
    }
    catch (...)
    {
        string[0] = 0;
        return kResultFalse;
    }
}

tresult PLUGIN_API CKROVST3EditController::getParamValueByString(ParamID tag, TChar* string,
                                                                 ParamValue& valueNormalized)
{
    if (string == nullptr)
        return kResultFalse;
    try
    {
        if (parameterInfo == nullptr || !parameterInfo->HasCustomText(static_cast<int32>(tag)))
            return EditControllerEx1::getParamValueByString(tag, string, valueNormalized);
        float value = 0.0f;
        if (!parameterInfo->ParseCustomText(static_cast<int32>(tag), HostTextToUtf8(string), value))
            return kResultFalse;
        valueNormalized = value;
        return kResultOk;
    }
    catch (...)
    {
        return kResultFalse;
    }
}

void CKROVST3EditController::editorAttached(EditorView* view)
{
    if (auto* editor = dynamic_cast<IKROAttachedEditor*>(view))
    {
        attachedEditors.push_back({view, editor});
        editor->OnControllerConnected();
    }
}

void CKROVST3EditController::editorRemoved(EditorView* view)
{
    const auto found = std::find_if(attachedEditors.begin(), attachedEditors.end(),
                                    [view](const AttachedEditor& attached) { return attached.view == view; });
    if (found != attachedEditors.end())
        attachedEditors.erase(found);
}

// A view destroyed while still attached must not stay in the relay.
void CKROVST3EditController::editorDestroyed(EditorView* view)
{
    editorRemoved(view);
}

tresult PLUGIN_API CKROVST3EditController::openHelp(TBool onlyCheck)
{
    return GuardEntry(kResultFalse, [&]() -> tresult {
        return !attachedEditors.empty() && attachedEditors.front().editor->OpenHelp(onlyCheck != 0) ? kResultOk
                                                                                                    : kResultFalse;
    });
}

tresult PLUGIN_API CKROVST3EditController::openAboutBox(TBool onlyCheck)
{
    return GuardEntry(kResultFalse, [&]() -> tresult {
        return !attachedEditors.empty() && attachedEditors.front().editor->OpenAboutBox(onlyCheck != 0) ? kResultOk
                                                                                                        : kResultFalse;
    });
}

tresult PLUGIN_API CKROVST3EditController::setState(IBStream* state)
{
    if (state == nullptr)
        return kResultFalse;
    int8 ignored = 0;
    return GuardEntry(kResultFalse, [&]() -> tresult { return state->read(&ignored, 1, nullptr); });
}

tresult PLUGIN_API CKROVST3EditController::getState(IBStream* state)
{
    if (state == nullptr)
        return kResultFalse;
    int8 zero = 0;
    int32 written = 0;
    return GuardEntry(kResultFalse, [&]() -> tresult {
        return state->write(&zero, 1, &written) == kResultOk && written == 1 ? kResultOk : kResultFalse;
    });
}

} // namespace Vst
} // namespace Steinberg
