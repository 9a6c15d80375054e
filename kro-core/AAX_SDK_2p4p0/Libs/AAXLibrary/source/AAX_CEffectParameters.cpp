#include "AAX_CEffectParameters.h"

#include "AAX_CString.h"
#include "AAX_Guarded.h"
#include "AAX_IParameter.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VPageTable.h"
#include "AAX_VTransport.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// The host's notification that it previews a setting: a 32-bit flag for the "PreviewID" parameter.
constexpr AAX_CTypeID kPreviewNotification = 0x41535076; // 'ASPv'
constexpr const char* kPreviewParameterID = "PreviewID";
constexpr const char* kMasterBypassID = "MasterBypassID";

// Names are searched in at most this many characters.
constexpr uint32_t kLongestNameSearched = 255;

// What read gives of the parameter, written to out; an absent parameter is an unknown identifier.
template <typename T, typename Read>
AAX_Result ReadParameter(const AAX_IParameter* parameter, T* out, Read read)
{
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (!out)
        return AAX_ERROR_NULL_ARGUMENT;
    *out = read(*parameter);
    return AAX_SUCCESS;
}

template <typename Act>
AAX_Result ActOnParameter(AAX_IParameter* parameter, Act act)
{
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    act(*parameter);
    return AAX_SUCCESS;
}

} // namespace

AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters()
{
    // A host that never called Uninitialize leaves nothing behind either.
    ReleaseHostObjects();
}

ACFRESULT AAX_CEffectParameters::QueryInterface(const acfUID& iid, void** out)
{
    return GetControllingUnknown()->QueryInterface(iid, out);
}

uint32_t AAX_CEffectParameters::AddRef()
{
    return GetControllingUnknown()->AddRef();
}

uint32_t AAX_CEffectParameters::Release()
{
    return GetControllingUnknown()->Release();
}

ACFRESULT AAX_CEffectParameters::QueryOwnInterface(const acfUID& iid, void** out)
{
    if (iid == IID_AAX_IACFEffectParameters || iid == IID_AAX_IACFEffectParameters_V2 ||
        iid == IID_AAX_IACFEffectParameters_V3 || iid == IID_AAX_IACFEffectParameters_V4)
    {
        if (!out)
            return ACF_E_UNEXPECTED;
        AAX_IEffectParameters* self = this;
        *out = self;
        self->AddRef();
        return ACF_OK;
    }
    return CACFUnknown::QueryOwnInterface(iid, out);
}

AAX_Result AAX_CEffectParameters::Initialize(IACFUnknown* hostController)
{
    return AAX_Guarded([&]() -> AAX_Result {
        // A second Initialize starts over instead of leaking the first one's wrappers.
        ReleaseHostObjects();
        controller = new AAX_VController(hostController);
        automationDelegate = new AAX_VAutomationDelegate(hostController);
        transport = new AAX_VTransport(hostController);
        parameterRegistry.SetAutomationDelegate(automationDelegate);
        packetDispatcher.Initialize(controller, this);
        const AAX_Result initResult = EffectInit();
        if (initResult != AAX_SUCCESS)
            return initResult;
        AAX_CString bypassID;
        GetMasterBypassParameter(&bypassID);
        filteredIdentifiers.insert(bypassID.Get());
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::Uninitialize()
{
    ReleaseHostObjects();
    return AAX_SUCCESS;
}

void AAX_CEffectParameters::ReleaseHostObjects()
{
    // Parameters unregister from the automation wrapper, so they go before it.
    parameterRegistry.RemoveAllParameters();
    parameterRegistry.SetAutomationDelegate(nullptr);
    packetDispatcher.Initialize(nullptr, nullptr);
    delete controller;
    controller = nullptr;
    delete automationDelegate;
    automationDelegate = nullptr;
    delete transport;
    transport = nullptr;
}

AAX_Result AAX_CEffectParameters::EffectInit()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size)
{
    if (type == kPreviewNotification && data && size >= sizeof(int32_t))
        if (AAX_IParameter* preview = parameterRegistry.GetParameterByID(kPreviewParameterID))
        {
            int32_t previewing = 0;
            std::memcpy(&previewing, data, sizeof(previewing));
            preview->SetValueWithBool(previewing != 0);
        }
    return AAX_SUCCESS;
}

AAX_IParameter* AAX_CEffectParameters::Lookup(AAX_CParamID id) const
{
    return parameterRegistry.GetParameterByID(id);
}

AAX_Result AAX_CEffectParameters::GetNumberOfParameters(int32_t* count) const
{
    if (!count)
        return AAX_ERROR_NULL_ARGUMENT;
    *count = parameterRegistry.NumParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetMasterBypassParameter(AAX_IString* identifier) const
{
    if (!identifier)
        return AAX_ERROR_NULL_ARGUMENT;
    identifier->Set(Lookup(kMasterBypassID) ? kMasterBypassID : "");
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIsAutomatable(AAX_CParamID id, bool* automatable) const
{
    if (!automatable)
        return AAX_ERROR_NULL_ARGUMENT;
    *automatable = false;
    const AAX_IParameter* parameter = Lookup(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    *automatable = parameter->Automatable();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterNumberOfSteps(AAX_CParamID id, int32_t* steps) const
{
    const AAX_IParameter* parameter = Lookup(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    const uint32_t count = parameter->GetNumberOfSteps();
    if (count > static_cast<uint32_t>(std::numeric_limits<int32_t>::max()))
        return AAX_ERROR_SIGNED_INT_OVERFLOW;
    if (!steps)
        return AAX_ERROR_NULL_ARGUMENT;
    *steps = static_cast<int32_t>(count);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterName(AAX_CParamID id, AAX_IString* name) const
{
    if (!name)
        return AAX_ERROR_NULL_ARGUMENT;
    return AAX_Guarded([&]() -> AAX_Result {
        const AAX_IParameter* parameter = Lookup(id);
        name->Set(parameter ? parameter->Name().Get() : "");
        return AAX_SUCCESS;
    });
}

// The longest line of the shortened name that fits the length; else the name cut to the length.
AAX_Result AAX_CEffectParameters::GetParameterNameOfLength(AAX_CParamID id, AAX_IString* name, int32_t length) const
{
    if (!name)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    return AAX_Guarded([&]() -> AAX_Result {
        const AAX_IParameter* parameter = Lookup(id);
        if (!parameter)
        {
            name->Set("");
            return AAX_SUCCESS;
        }
        const AAX_CString& shortened = parameter->ShortenedName(length);
        if (shortened.Length() == 0)
            return AAX_SUCCESS;
        const std::string searched(shortened.Get(), std::min(shortened.Length(), kLongestNameSearched));
        std::string best;
        size_t start = 0;
        while (start <= searched.size())
        {
            size_t end = searched.find('\n', start);
            if (end == std::string::npos)
                end = searched.size();
            const size_t lineLength = end - start;
            if (lineLength > 0 && static_cast<int64_t>(lineLength) <= length && lineLength > best.size())
                best = searched.substr(start, lineLength);
            start = end + 1;
        }
        if (!best.empty())
            name->Set(best.c_str());
        else if (length > 0)
            shortened.SubString(0, static_cast<uint32_t>(length), name);
        else
            name->Set("");
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterDefaultNormalizedValue(AAX_CParamID id, double* value) const
{
    return ReadParameter(Lookup(id), value,
                         [](const AAX_IParameter& parameter) { return parameter.GetNormalizedDefaultValue(); });
}

AAX_Result AAX_CEffectParameters::SetParameterDefaultNormalizedValue(AAX_CParamID id, double value)
{
    return ActOnParameter(Lookup(id), [&](AAX_IParameter& parameter) { parameter.SetNormalizedDefaultValue(value); });
}

AAX_Result AAX_CEffectParameters::GetParameterType(AAX_CParamID id, AAX_EParameterType* type) const
{
    return ReadParameter(Lookup(id), type, [](const AAX_IParameter& parameter) { return parameter.GetType(); });
}

AAX_Result AAX_CEffectParameters::GetParameterOrientation(AAX_CParamID id, AAX_EParameterOrientation* orientation) const
{
    return ReadParameter(Lookup(id), orientation,
                         [](const AAX_IParameter& parameter) { return parameter.GetOrientation(); });
}

AAX_Result AAX_CEffectParameters::GetParameter(AAX_CParamID id, AAX_IParameter** parameter)
{
    if (!parameter)
        return AAX_ERROR_NULL_ARGUMENT;
    *parameter = Lookup(id);
    return *parameter ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIndex(AAX_CParamID id, int32_t* index) const
{
    if (!index)
        return AAX_ERROR_NULL_ARGUMENT;
    *index = parameterRegistry.GetParameterIndex(id);
    return *index < 0 ? AAX_ERROR_INVALID_PARAMETER_ID : AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIDFromIndex(int32_t index, AAX_IString* id) const
{
    if (!id)
        return AAX_ERROR_NULL_ARGUMENT;
    const AAX_IParameter* parameter = parameterRegistry.GetParameter(index);
    id->Set(parameter ? parameter->Identifier() : "");
    return parameter ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterValueInfo(AAX_CParamID, int32_t, int32_t* value) const
{
    if (value)
        *value = 0;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetParameterValueFromString(AAX_CParamID id, double* value,
                                                              const AAX_IString& text) const
{
    return AAX_Guarded([&]() -> AAX_Result {
        const AAX_IParameter* parameter = Lookup(id);
        if (!parameter)
            return AAX_ERROR_INVALID_PARAMETER_ID;
        return parameter->GetNormalizedValueFromString(AAX_CString(text), value) ? AAX_SUCCESS
                                                                                 : AAX_ERROR_INVALID_STRING_CONVERSION;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterStringFromValue(AAX_CParamID id, double value, AAX_IString* text,
                                                              int32_t maxLength) const
{
    return AAX_Guarded([&]() -> AAX_Result {
        const AAX_IParameter* parameter = Lookup(id);
        if (!parameter)
            return AAX_ERROR_INVALID_PARAMETER_ID;
        AAX_CString converted;
        if (!text || !parameter->GetStringFromNormalizedValue(value, maxLength, converted))
            return AAX_ERROR_INVALID_STRING_CONVERSION;
        text->Set(converted.Get());
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterValueString(AAX_CParamID id, AAX_IString* text, int32_t maxLength) const
{
    return AAX_Guarded([&]() -> AAX_Result {
        const AAX_IParameter* parameter = Lookup(id);
        if (!parameter)
            return AAX_ERROR_INVALID_PARAMETER_ID;
        AAX_CString valueText;
        if (text && parameter->GetValueString(maxLength, &valueText))
            text->Set(valueText.Get());
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterNormalizedValue(AAX_CParamID id, double* value) const
{
    return ReadParameter(Lookup(id), value,
                         [](const AAX_IParameter& parameter) { return parameter.GetNormalizedValue(); });
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedValue(AAX_CParamID id, double value)
{
    return ActOnParameter(Lookup(id), [&](AAX_IParameter& parameter) { parameter.SetNormalizedValue(value); });
}

namespace {

double LimitedToUnit(double value)
{
    if (value > 1.0)
        value = 1.0;
    if (value < 0.0)
        value = 0.0;
    return value;
}

} // namespace

AAX_Result AAX_CEffectParameters::SetParameterNormalizedRelative(AAX_CParamID id, double delta)
{
    double current = 0.0;
    const AAX_Result result = GetParameterNormalizedValue(id, &current);
    if (result != AAX_SUCCESS)
        return result;
    return SetParameterNormalizedValue(id, LimitedToUnit(current + delta));
}

AAX_Result AAX_CEffectParameters::TouchParameter(AAX_CParamID id)
{
    return ActOnParameter(Lookup(id), [&](AAX_IParameter& parameter) { parameter.Touch(); });
}

AAX_Result AAX_CEffectParameters::ReleaseParameter(AAX_CParamID id)
{
    return ActOnParameter(Lookup(id), [&](AAX_IParameter& parameter) { parameter.Release(); });
}

AAX_Result AAX_CEffectParameters::UpdateParameterTouch(AAX_CParamID, bool)
{
    return AAX_SUCCESS;
}

// The host's confirmed value: stored, its packets marked for the next coefficient pass, and counted
// as a change when the stored normalised value moved.
AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedValue(AAX_CParamID id, double value, AAX_EUpdateSource)
{
    AAX_IParameter* parameter = Lookup(id);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    const double before = parameter->GetNormalizedValue();
    parameter->UpdateNormalizedValue(value);
    const AAX_Result result = packetDispatcher.SetDirty(id, true);
    const double after = parameter->GetNormalizedValue();
    // A NaN on either side counts as a change.
    if (!(after == before))
        changeCounter = NextChangeCount(changeCounter);
    return result;
}

int32_t AAX_CEffectParameters::NextChangeCount(int32_t count)
{
    return count >= std::numeric_limits<int32_t>::max() || count < 0 ? 0 : count + 1;
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedRelative(AAX_CParamID id, double delta)
{
    double current = 0.0;
    const AAX_Result result = GetParameterNormalizedValue(id, &current);
    if (result != AAX_SUCCESS)
        return result;
    return UpdateParameterNormalizedValue(id, LimitedToUnit(current + delta), AAX_eUpdateSource_Unspecified);
}

AAX_Result AAX_CEffectParameters::GenerateCoefficients()
{
    return AAX_Guarded([&]() -> AAX_Result { return packetDispatcher.Dispatch(); });
}

AAX_Result AAX_CEffectParameters::ResetFieldData(uint32_t, void* data, uint32_t size) const
{
    if (data)
        std::memset(data, 0, size);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfChanges(int32_t* changes) const
{
    if (changes && changeCounter >= 0)
        *changes = changeCounter;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::TimerWakeup()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetCurveData(AAX_CTypeID, const float*, uint32_t, float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetCustomData(AAX_CTypeID, uint32_t, void*, uint32_t* written) const
{
    if (written)
        *written = 0;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::SetCustomData(AAX_CTypeID, uint32_t, const void*)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::DoMIDITransfers()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::RenderAudio_Hybrid(void*)
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::UpdateMIDINodes(uint32_t, void*)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateControlMIDINodes(AAX_CTypeID, void*)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetCurveDataMeterIds(AAX_CTypeID, uint32_t*, uint32_t*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetCurveDataDisplayRange(AAX_CTypeID, float*, float*, float*, float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::UpdatePageTable(uint32_t tableType, int32_t pageSize, IACFUnknown*,
                                                  IACFUnknown* pageTable) const
{
    return AAX_Guarded([&]() -> AAX_Result {
        AAX_VPageTable wrapper(pageTable);
        if (!wrapper.IsSupported())
            return AAX_SUCCESS;
        return UpdatePageTable(tableType, pageSize, wrapper);
    });
}

AAX_Result AAX_CEffectParameters::UpdatePageTable(uint32_t, int32_t, AAX_IPageTable&) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}
