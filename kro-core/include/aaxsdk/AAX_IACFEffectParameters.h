#pragma once

// The plug-in's parameter-and-state object as the host drives it, in four versions. The plug-in
// implements these; the host calls them on its main and automation threads, and
// GenerateCoefficients in its coefficient pass.

#include "aaxsdk/AAX_ACF.h"
#include "aaxsdk/AAX_IACFAutomationDelegate.h"
#include "aaxsdk/AAX_IString.h"
#include "aaxsdk/AAX_ParameterTypes.h"
#include "aaxsdk/AAX_PlugInChunk.h"

class AAX_IACFEffectParameters : public IACFUnknown
{
public:
    virtual AAX_Result Initialize(IACFUnknown* controller) = 0;
    virtual AAX_Result Uninitialize() = 0;
    virtual AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) = 0;

    virtual AAX_Result GetNumberOfParameters(int32_t* count) const = 0;
    virtual AAX_Result GetMasterBypassParameter(AAX_IString* identifier) const = 0;
    virtual AAX_Result GetParameterIsAutomatable(AAX_CParamID id, bool* automatable) const = 0;
    virtual AAX_Result GetParameterNumberOfSteps(AAX_CParamID id, int32_t* steps) const = 0;
    virtual AAX_Result GetParameterName(AAX_CParamID id, AAX_IString* name) const = 0;
    virtual AAX_Result GetParameterNameOfLength(AAX_CParamID id, AAX_IString* name, int32_t length) const = 0;
    virtual AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID id, double* value) const = 0;
    virtual AAX_Result SetParameterDefaultNormalizedValue(AAX_CParamID id, double value) = 0;
    virtual AAX_Result GetParameterType(AAX_CParamID id, AAX_EParameterType* type) const = 0;
    virtual AAX_Result GetParameterOrientation(AAX_CParamID id, AAX_EParameterOrientation* orientation) const = 0;
    virtual AAX_Result GetParameterIndex(AAX_CParamID id, int32_t* index) const = 0;
    virtual AAX_Result GetParameterIDFromIndex(int32_t index, AAX_IString* id) const = 0;
    virtual AAX_Result GetParameterValueInfo(AAX_CParamID id, int32_t selector, int32_t* value) const = 0;
    virtual AAX_Result GetParameterValueFromString(AAX_CParamID id, double* value, const AAX_IString& text) const = 0;
    virtual AAX_Result GetParameterStringFromValue(AAX_CParamID id, double value, AAX_IString* text,
                                                   int32_t maxLength) const = 0;
    virtual AAX_Result GetParameterValueString(AAX_CParamID id, AAX_IString* text, int32_t maxLength) const = 0;
    virtual AAX_Result GetParameterNormalizedValue(AAX_CParamID id, double* value) const = 0;
    virtual AAX_Result SetParameterNormalizedValue(AAX_CParamID id, double value) = 0;
    virtual AAX_Result SetParameterNormalizedRelative(AAX_CParamID id, double delta) = 0;
    virtual AAX_Result TouchParameter(AAX_CParamID id) = 0;
    virtual AAX_Result ReleaseParameter(AAX_CParamID id) = 0;
    virtual AAX_Result UpdateParameterTouch(AAX_CParamID id, bool touched) = 0;
    virtual AAX_Result UpdateParameterNormalizedValue(AAX_CParamID id, double value, AAX_EUpdateSource source) = 0;
    virtual AAX_Result UpdateParameterNormalizedRelative(AAX_CParamID id, double delta) = 0;

    virtual AAX_Result GenerateCoefficients() = 0;
    virtual AAX_Result ResetFieldData(uint32_t fieldIndex, void* data, uint32_t size) const = 0;

    virtual AAX_Result GetNumberOfChunks(int32_t* count) const = 0;
    virtual AAX_Result GetChunkIDFromIndex(int32_t index, AAX_CTypeID* chunkId) const = 0;
    virtual AAX_Result GetChunkSize(AAX_CTypeID chunkId, uint32_t* size) = 0;
    virtual AAX_Result GetChunk(AAX_CTypeID chunkId, AAX_SPlugInChunk* chunk) = 0;
    virtual AAX_Result SetChunk(AAX_CTypeID chunkId, const AAX_SPlugInChunk* chunk) = 0;
    virtual AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, bool* isEqual) = 0;
    virtual AAX_Result GetNumberOfChanges(int32_t* changes) const = 0;

    virtual AAX_Result TimerWakeup() = 0;
    virtual AAX_Result GetCurveData(AAX_CTypeID curveType, const float* values, uint32_t count,
                                    float* outValues) const = 0;
    virtual AAX_Result GetCustomData(AAX_CTypeID blockId, uint32_t size, void* data, uint32_t* written) const = 0;
    virtual AAX_Result SetCustomData(AAX_CTypeID blockId, uint32_t size, const void* data) = 0;
    virtual AAX_Result DoMIDITransfers() = 0;

protected:
    ~AAX_IACFEffectParameters() = default;
};

class AAX_IACFEffectParameters_V2 : public AAX_IACFEffectParameters
{
public:
    virtual AAX_Result RenderAudio_Hybrid(void* hybridInfo) = 0;
    virtual AAX_Result UpdateMIDINodes(uint32_t fieldIndex, void* packet) = 0;
    virtual AAX_Result UpdateControlMIDINodes(AAX_CTypeID nodeId, void* packet) = 0;

protected:
    ~AAX_IACFEffectParameters_V2() = default;
};

class AAX_IACFEffectParameters_V3 : public AAX_IACFEffectParameters_V2
{
public:
    virtual AAX_Result GetCurveDataMeterIds(AAX_CTypeID curveType, uint32_t* xMeterId, uint32_t* yMeterId) const = 0;
    virtual AAX_Result GetCurveDataDisplayRange(AAX_CTypeID curveType, float* xMin, float* xMax, float* yMin,
                                                float* yMax) const = 0;

protected:
    ~AAX_IACFEffectParameters_V3() = default;
};

class AAX_IACFEffectParameters_V4 : public AAX_IACFEffectParameters_V3
{
public:
    // The host hands a page table to fill for the given table type.
    virtual AAX_Result UpdatePageTable(uint32_t tableType, int32_t pageSize, IACFUnknown* host,
                                       IACFUnknown* pageTable) const = 0;

protected:
    ~AAX_IACFEffectParameters_V4() = default;
};

constexpr acfUID IID_AAX_IACFEffectParameters = {
    0x964E333D, 0x334C, 0x533F, {0xC2, 0xC7, 0x38, 0x34, 0xC3, 0xC2, 0x3E, 0x3E}};
constexpr acfUID IID_AAX_IACFEffectParameters_V2 = {
    0xF1F47D06, 0x308F, 0x4CC5, {0x9C, 0x7C, 0x50, 0xA8, 0x3F, 0x8A, 0xB8, 0x13}};
constexpr acfUID IID_AAX_IACFEffectParameters_V3 = {
    0xD2540E9D, 0x9163, 0x42BB, {0xA6, 0xFD, 0x81, 0xE1, 0x0E, 0xA3, 0x24, 0x98}};
constexpr acfUID IID_AAX_IACFEffectParameters_V4 = {
    0x2E485536, 0x31A3, 0x4697, {0x9C, 0x16, 0xE5, 0x9B, 0xF6, 0xB2, 0x8A, 0x41}};
