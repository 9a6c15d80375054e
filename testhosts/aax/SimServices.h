#pragma once

// The simulated host's per-instance and diagnostic services. Each logs every call with its
// arguments and answers from the host's values.

#include "SimObject.h"
#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_IACFAutomationDelegate.h"
#include "aaxsdk/AAX_IACFController.h"
#include "aaxsdk/AAX_IACFHostServices.h"
#include "aaxsdk/AAX_IACFPageTable.h"
#include "aaxsdk/AAX_IACFTransport.h"
#include "aaxsdk/AAX_IACFViewContainer.h"

SIM_INTERFACE_ID(IACFComponentFactory, IID_IACFComponentFactory)
SIM_INTERFACE_ID(AAX_IACFHostServices_V1, IID_AAX_IACFHostServices_V1)
SIM_INTERFACE_ID(AAX_IACFHostServices_V2, IID_AAX_IACFHostServices_V2)
SIM_INTERFACE_ID(AAX_IACFHostServices_V3, IID_AAX_IACFHostServices_V3)
SIM_INTERFACE_ID(AAX_IACFController_V1, IID_AAX_IACFController_V1)
SIM_INTERFACE_ID(AAX_IACFController_V2, IID_AAX_IACFController_V2)
SIM_INTERFACE_ID(AAX_IACFController_V3, IID_AAX_IACFController_V3)
SIM_INTERFACE_ID(AAX_IACFPageTableSource_V1, IID_AAX_IACFPageTableSource_V1)
SIM_INTERFACE_ID(AAX_IACFPageTableSource_V2, IID_AAX_IACFPageTableSource_V2)
SIM_INTERFACE_ID(AAX_IACFAutomationDelegate, IID_AAX_IACFAutomationDelegate)
SIM_INTERFACE_ID(AAX_IACFTransport_V1, IID_AAX_IACFTransport_V1)
SIM_INTERFACE_ID(AAX_IACFTransport_V2, IID_AAX_IACFTransport_V2)
SIM_INTERFACE_ID(AAX_IACFTransport_V3, IID_AAX_IACFTransport_V3)
SIM_INTERFACE_ID(AAX_IACFPageTable_V1, IID_AAX_IACFPageTable_V1)
SIM_INTERFACE_ID(AAX_IACFPageTable_V2, IID_AAX_IACFPageTable_V2)
SIM_INTERFACE_ID(AAX_IACFViewContainer_V1, IID_AAX_IACFViewContainer_V1)
SIM_INTERFACE_ID(AAX_IACFViewContainer_V2, IID_AAX_IACFViewContainer_V2)

// Creates the objects the plug-in asks for, following the host's class switches.
class SimComponentFactory final : public SimComObject<IACFComponentFactory>
{
public:
    explicit SimComponentFactory(SimHost& host) : SimComObject(host, "Factory") {}

    ACFRESULT CreateInstance(const acfUID& classId, IACFUnknown* outer, const acfUID& iid, void** out) override;
};

class SimHostServices final
    : public SimComObject<AAX_IACFHostServices_V1, AAX_IACFHostServices_V2, AAX_IACFHostServices_V3>
{
public:
    explicit SimHostServices(SimHost& host) : SimComObject(host, "HostServices") {}

    AAX_Result Trace(int32_t priority, const char* message) override;
    AAX_Result FlushTrace() override;
    AAX_Result HandleAssertFailure(const char* file, int32_t line, const char* note, int32_t flags) override;
};

class SimController final : public SimComObject<AAX_IACFController_V1, AAX_IACFController_V2, AAX_IACFController_V3,
                                                AAX_IACFPageTableSource_V1, AAX_IACFPageTableSource_V2>
{
public:
    explicit SimController(SimHost& host) : SimComObject(host, "Controller") {}

    AAX_Result GetSampleRate(float* rate) override;
    AAX_Result GetInputStemFormat(int32_t* format) override;
    AAX_Result PostPacket(uint32_t fieldIndex, const void* payload, uint32_t size) override;
    AAX_Result PostNotification(uint32_t type, int32_t target, const void* data, uint32_t size) override;
    AAX_Result GetHostObject(const acfUID& iid, IACFUnknown** object) override;
    AAX_Result GetMaxBlockSize(int32_t* frames) override;
    AAX_Result CopyPageTable(uint32_t tableType, int32_t pageSize, IACFUnknown* table) override;
    AAX_Result CopyPageTableOfLayout(const char* layout, uint32_t tableType, int32_t pageSize,
                                     IACFUnknown* table) override;
    // Logged with the wrapper's slot.
    AAX_Result HostOperation(int32_t slot, void*) override { return Record("HostOperation", SimArguments(slot)); }
    // Fills nothing, as CopyPageTable.
    AAX_Result CopyHostPageTable(int32_t slot, void*, IACFUnknown*) override
    {
        return Record("CopyHostPageTable", SimArguments(slot));
    }
};

class SimAutomationDelegate final : public SimComObject<AAX_IACFAutomationDelegate>
{
public:
    explicit SimAutomationDelegate(SimHost& host) : SimComObject(host, "Automation") {}

    AAX_Result RegisterParameter(AAX_CParamID id) override;
    AAX_Result UnregisterParameter(AAX_CParamID id) override;
    AAX_Result PostSetValueRequest(AAX_CParamID id, double normalizedValue) override;
    AAX_Result PostCurrentValue(AAX_CParamID id, double normalizedValue) override;
    AAX_Result PostTouchRequest(AAX_CParamID id) override;
    AAX_Result PostReleaseRequest(AAX_CParamID id) override;
    AAX_Result GetTouchState(AAX_CParamID id, bool* touched) override;
};

class SimTransport final : public SimComObject<AAX_IACFTransport_V1, AAX_IACFTransport_V2, AAX_IACFTransport_V3>
{
public:
    explicit SimTransport(SimHost& host) : SimComObject(host, "Transport") {}

    AAX_Result GetCurrentTempo(double* beatsPerMinute) override;
    AAX_Result IsTransportPlaying(bool* playing) override;
    AAX_Result GetTimeSignature(int32_t* numerator, int32_t* denominator) override;
    AAX_Result GetSampleClock(int64_t* sample) override;
    // Logged with the wrapper's slot.
    AAX_Result HostOperation(int32_t slot, void*) override { return Record("HostOperation", SimArguments(slot)); }
};

class SimPageTable final : public SimComObject<AAX_IACFPageTable_V1, AAX_IACFPageTable_V2>
{
public:
    explicit SimPageTable(SimHost& host) : SimComObject(host, "PageTable") {}

    AAX_Result GetPageCount(int32_t* pages) override;
    AAX_Result ClearPage(int32_t page) override;
    // Logged with the wrapper's slot.
    AAX_Result HostOperation(int32_t slot, void*) override { return Record("HostOperation", SimArguments(slot)); }
};

class SimViewContainer final : public SimComObject<AAX_IACFViewContainer_V1, AAX_IACFViewContainer_V2>
{
public:
    explicit SimViewContainer(SimHost& host) : SimComObject(host, "ViewContainer") {}

    int32_t GetType() override;
    void* GetPtr() override;
    AAX_Result GetModifiers(uint32_t* modifiers) override;
    AAX_Result SetViewSize(AAX_Point& size) override;
    AAX_Result SetKeyFocus(bool wanted) override;
    // Logged with the wrapper's slot.
    AAX_Result HostOperation(int32_t slot, void*) override { return Record("HostOperation", SimArguments(slot)); }
};
