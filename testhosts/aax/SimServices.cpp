#include "SimServices.h"

#include "SimDescription.h"
#include "SimHost.h"

ACFRESULT SimComponentFactory::CreateInstance(const acfUID& classId, IACFUnknown*, const acfUID& iid, void** out)
{
    if (out == nullptr)
        return ACF_E_NOINTERFACE;
    *out = nullptr;
    SimObject* created = nullptr;
    if (classId == CLSID_AAX_HostServices)
        created = &host.Make<SimHostServices>();
    else if (classId == CLSID_AAX_Collection)
        created = &host.Make<SimCollection>();
    else if (classId == CLSID_AAX_EffectDescriptor)
        created = &host.Make<SimEffectDescriptor>();
    else if (classId == CLSID_AAX_ComponentDescriptor)
        created = &host.Make<SimComponentDescriptor>();
    else if (classId == CLSID_AAX_PropertyMap)
        created = &host.Make<SimPropertyMap>();
    else if (classId == CLSID_AAX_PageTable)
        created = &host.Make<SimPageTable>();
    Record("CreateInstance", created != nullptr ? created->Name() : std::string("unknown class"));
    if (created == nullptr)
        return ACF_E_NOINTERFACE;
    const SimOffer offer = host.ClassOfferOf(classId);
    ACFRESULT withheld = ACF_OK;
    if (!SimWithheld(offer, &withheld))
        return created->QueryInterface(iid, out);
    if (SimHandsOutAnyway(offer))
        created->QueryInterface(iid, out);
    return withheld;
}

AAX_Result SimHostServices::Trace(int32_t priority, const char* message)
{
    return Record("Trace", SimArguments(priority, message));
}

AAX_Result SimHostServices::FlushTrace()
{
    return Record("FlushTrace");
}

AAX_Result SimHostServices::HandleAssertFailure(const char* file, int32_t line, const char* note, int32_t flags)
{
    return Record("HandleAssertFailure", SimArguments(file, line, note, flags));
}

AAX_Result SimController::GetSampleRate(float* rate)
{
    if (rate != nullptr)
        *rate = host.values.sampleRate;
    return Record("GetSampleRate");
}

AAX_Result SimController::GetInputStemFormat(int32_t* format)
{
    if (format != nullptr)
        *format = host.values.inputStemFormat;
    return Record("GetInputStemFormat");
}

AAX_Result SimController::PostPacket(uint32_t fieldIndex, const void* payload, uint32_t size)
{
    const AAX_Result result = Record("PostPacket", SimArguments(fieldIndex, size));
    host.effectLink.PacketPosted(fieldIndex, payload, size);
    return result;
}

AAX_Result SimController::PostNotification(uint32_t type, int32_t target, const void*, uint32_t size)
{
    return Record("PostNotification", SimArguments(type, target, size));
}

AAX_Result SimController::GetHostObject(const acfUID& iid, IACFUnknown** object)
{
    const AAX_Result result = Record("GetHostObject");
    if (object == nullptr)
        return result;
    *object = nullptr;
    void* out = nullptr;
    if (host.Unknown()->QueryInterface(iid, &out) == ACF_OK)
        *object = static_cast<IACFUnknown*>(out);
    return result;
}

AAX_Result SimController::GetMaxBlockSize(int32_t* frames)
{
    if (frames != nullptr)
        *frames = 1024;
    return Record("GetMaxBlockSize");
}

AAX_Result SimController::CopyPageTable(uint32_t tableType, int32_t pageSize, IACFUnknown*)
{
    return Record("CopyPageTable", SimArguments(tableType, pageSize));
}

AAX_Result SimController::CopyPageTableOfLayout(const char* layout, uint32_t tableType, int32_t pageSize, IACFUnknown*)
{
    return Record("CopyPageTableOfLayout", SimArguments(layout, tableType, pageSize));
}

AAX_Result SimAutomationDelegate::RegisterParameter(AAX_CParamID id)
{
    return Record("RegisterParameter", SimArguments(id));
}

AAX_Result SimAutomationDelegate::UnregisterParameter(AAX_CParamID id)
{
    return Record("UnregisterParameter", SimArguments(id));
}

AAX_Result SimAutomationDelegate::PostSetValueRequest(AAX_CParamID id, double normalizedValue)
{
    const AAX_Result result = Record("PostSetValueRequest", SimArguments(id, normalizedValue));
    host.effectLink.SetValueRequested(id, normalizedValue);
    return result;
}

AAX_Result SimAutomationDelegate::PostCurrentValue(AAX_CParamID id, double normalizedValue)
{
    return Record("PostCurrentValue", SimArguments(id, normalizedValue));
}

AAX_Result SimAutomationDelegate::PostTouchRequest(AAX_CParamID id)
{
    return Record("PostTouchRequest", SimArguments(id));
}

AAX_Result SimAutomationDelegate::PostReleaseRequest(AAX_CParamID id)
{
    return Record("PostReleaseRequest", SimArguments(id));
}

AAX_Result SimAutomationDelegate::GetTouchState(AAX_CParamID id, bool* touched)
{
    if (touched != nullptr)
        *touched = false;
    return Record("GetTouchState", SimArguments(id));
}

AAX_Result SimTransport::GetCurrentTempo(double* beatsPerMinute)
{
    if (beatsPerMinute != nullptr)
        *beatsPerMinute = host.values.tempo;
    return Record("GetCurrentTempo");
}

AAX_Result SimTransport::IsTransportPlaying(bool* playing)
{
    if (playing != nullptr)
        *playing = host.values.playing;
    return Record("IsTransportPlaying");
}

AAX_Result SimTransport::GetTimeSignature(int32_t* numerator, int32_t* denominator)
{
    if (numerator != nullptr && denominator != nullptr)
    {
        *numerator = 4;
        *denominator = 4;
    }
    return Record("GetTimeSignature");
}

AAX_Result SimTransport::GetSampleClock(int64_t* sample)
{
    if (sample != nullptr)
        *sample = 0;
    return Record("GetSampleClock");
}

AAX_Result SimPageTable::GetPageCount(int32_t* pages)
{
    if (pages != nullptr)
        *pages = 1;
    return Record("GetPageCount");
}

AAX_Result SimPageTable::ClearPage(int32_t page)
{
    return Record("ClearPage", SimArguments(page));
}

int32_t SimViewContainer::GetType()
{
    Record("GetType");
    return host.values.viewContainerType;
}

void* SimViewContainer::GetPtr()
{
    Record("GetPtr");
    return host.values.viewContainerWindow;
}

AAX_Result SimViewContainer::GetModifiers(uint32_t* modifiers)
{
    if (modifiers != nullptr)
        *modifiers = 0;
    return Record("GetModifiers");
}

AAX_Result SimViewContainer::SetViewSize(AAX_Point& size)
{
    return Record("SetViewSize", SimArguments(size.vert, size.horz));
}

AAX_Result SimViewContainer::SetKeyFocus(bool wanted)
{
    return Record("SetKeyFocus", SimArguments(wanted));
}
