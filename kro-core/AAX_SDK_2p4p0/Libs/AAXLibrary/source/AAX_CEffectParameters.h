#pragma once

#include "AAX_CChunkDataParser.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_IEffectParameters.h"
#include "CACFUnknown.h"
#include "ParameterRegistry.h"

#include <cstdint>
#include <set>
#include <string>

class AAX_VAutomationDelegate;
class AAX_VController;
class AAX_VTransport;

// The base of an effect's parameter-and-state object: every operation of the host's interface with
// a working default, built on the parameter registry, the packet dispatcher, the chunk parser (for
// the library's controls chunk 'elck') and the set of identifiers that chunk leaves out. Between
// Initialize and Uninitialize it owns wrappers of the host's controller, automation and transport.
// The host calls it on its main and automation threads; the base takes no lock of its own.
class AAX_CEffectParameters : public AAX_IEffectParameters, public CACFUnknown
{
public:
    // The library's controls chunk: every parameter's value but the filtered ones.
    static constexpr AAX_CTypeID kControlsChunkID = 0x656C636B; // 'elck'
    static constexpr const char* kControlsChunkName = "Complete Controls State";

    AAX_CEffectParameters();
    ~AAX_CEffectParameters() override;

    ACFRESULT QueryInterface(const acfUID& iid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;
    ACFRESULT QueryOwnInterface(const acfUID& iid, void** out) override;

    AAX_Result Initialize(IACFUnknown* controller) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) override;

    AAX_Result GetNumberOfParameters(int32_t* count) const override;
    AAX_Result GetMasterBypassParameter(AAX_IString* identifier) const override;
    AAX_Result GetParameterIsAutomatable(AAX_CParamID id, bool* automatable) const override;
    AAX_Result GetParameterNumberOfSteps(AAX_CParamID id, int32_t* steps) const override;
    AAX_Result GetParameterName(AAX_CParamID id, AAX_IString* name) const override;
    AAX_Result GetParameterNameOfLength(AAX_CParamID id, AAX_IString* name, int32_t length) const override;
    AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID id, double* value) const override;
    AAX_Result SetParameterDefaultNormalizedValue(AAX_CParamID id, double value) override;
    AAX_Result GetParameterType(AAX_CParamID id, AAX_EParameterType* type) const override;
    AAX_Result GetParameterOrientation(AAX_CParamID id, AAX_EParameterOrientation* orientation) const override;
    AAX_Result GetParameter(AAX_CParamID id, AAX_IParameter** parameter) override;
    AAX_Result GetParameterIndex(AAX_CParamID id, int32_t* index) const override;
    AAX_Result GetParameterIDFromIndex(int32_t index, AAX_IString* id) const override;
    AAX_Result GetParameterValueInfo(AAX_CParamID id, int32_t selector, int32_t* value) const override;
    AAX_Result GetParameterValueFromString(AAX_CParamID id, double* value, const AAX_IString& text) const override;
    AAX_Result GetParameterStringFromValue(AAX_CParamID id, double value, AAX_IString* text,
                                           int32_t maxLength) const override;
    AAX_Result GetParameterValueString(AAX_CParamID id, AAX_IString* text, int32_t maxLength) const override;
    AAX_Result GetParameterNormalizedValue(AAX_CParamID id, double* value) const override;
    AAX_Result SetParameterNormalizedValue(AAX_CParamID id, double value) override;
    AAX_Result SetParameterNormalizedRelative(AAX_CParamID id, double delta) override;
    AAX_Result TouchParameter(AAX_CParamID id) override;
    AAX_Result ReleaseParameter(AAX_CParamID id) override;
    AAX_Result UpdateParameterTouch(AAX_CParamID id, bool touched) override;
    AAX_Result UpdateParameterNormalizedValue(AAX_CParamID id, double value, AAX_EUpdateSource source) override;
    AAX_Result UpdateParameterNormalizedRelative(AAX_CParamID id, double delta) override;

    AAX_Result GenerateCoefficients() override;
    AAX_Result ResetFieldData(uint32_t fieldIndex, void* data, uint32_t size) const override;

    // The controls chunk 'elck', in AAX_CEffectParametersChunks.cpp.
    AAX_Result GetNumberOfChunks(int32_t* count) const override;
    AAX_Result GetChunkIDFromIndex(int32_t index, AAX_CTypeID* chunkId) const override;
    AAX_Result GetChunkSize(AAX_CTypeID chunkId, uint32_t* size) override;
    AAX_Result GetChunk(AAX_CTypeID chunkId, AAX_SPlugInChunk* chunk) override;
    AAX_Result SetChunk(AAX_CTypeID chunkId, const AAX_SPlugInChunk* chunk) override;
    AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, bool* isEqual) override;
    AAX_Result GetNumberOfChanges(int32_t* changes) const override;

    AAX_Result TimerWakeup() override;
    AAX_Result GetCurveData(AAX_CTypeID curveType, const float* values, uint32_t count,
                            float* outValues) const override;
    AAX_Result GetCustomData(AAX_CTypeID blockId, uint32_t size, void* data, uint32_t* written) const override;
    AAX_Result SetCustomData(AAX_CTypeID blockId, uint32_t size, const void* data) override;
    AAX_Result DoMIDITransfers() override;
    AAX_Result RenderAudio_Hybrid(void* hybridInfo) override;
    AAX_Result UpdateMIDINodes(uint32_t fieldIndex, void* packet) override;
    AAX_Result UpdateControlMIDINodes(AAX_CTypeID nodeId, void* packet) override;
    AAX_Result GetCurveDataMeterIds(AAX_CTypeID curveType, uint32_t* xMeterId, uint32_t* yMeterId) const override;
    AAX_Result GetCurveDataDisplayRange(AAX_CTypeID curveType, float* xMin, float* xMax, float* yMin,
                                        float* yMax) const override;
    AAX_Result UpdatePageTable(uint32_t tableType, int32_t pageSize, IACFUnknown* host,
                               IACFUnknown* pageTable) const override;
    AAX_Result UpdatePageTable(uint32_t tableType, int32_t pageSize, AAX_IPageTable& pageTable) const override;

    // The change count after one more change: past the largest count it starts again at 0, so a
    // host still sees a count that differs and the count never overflows.
    static int32_t NextChangeCount(int32_t count);

    // Null outside Initialize ... Uninitialize.
    AAX_VController* Controller() const { return controller; }
    AAX_VTransport* Transport() const { return transport; }

protected:
    // Called by Initialize once the wrappers exist: the effect adds its parameters and registers
    // their packets here. A failure ends Initialize with that result.
    virtual AAX_Result EffectInit();

    ParameterRegistry parameterRegistry;
    AAX_CPacketDispatcher packetDispatcher;

private:
    AAX_IParameter* Lookup(AAX_CParamID id) const;
    bool IsFiltered(const char* identifier) const;
    void FillControlsChunk();
    // Calls visit(parameter, its value) for every parameter the controls chunk holds, in registry
    // order, until visit returns false. reportMissing: a position without a parameter is asserted.
    template <typename Visit>
    void ForEachControl(bool reportMissing, Visit visit);
    // Parameters and wrappers go; the dispatcher forgets the controller.
    void ReleaseHostObjects();

    int32_t changeCounter = 0;
    int32_t lastChunkSize = 0;
    AAX_CChunkDataParser chunkParser;
    std::set<std::string> filteredIdentifiers;
    AAX_VController* controller = nullptr;                 // owned
    AAX_VTransport* transport = nullptr;                   // owned
    AAX_VAutomationDelegate* automationDelegate = nullptr; // owned
};
