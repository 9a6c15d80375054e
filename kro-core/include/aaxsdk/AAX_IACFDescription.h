#pragma once

// The host's description objects, filled by the plug-in while it registers: the collection of
// effects, each effect's descriptor, the algorithm components, property maps, and the host's
// description services (feature support).

#include "aaxsdk/AAX_ACF.h"

// Four-character codes, stored as the big-endian value of their characters.
using AAX_CTypeID = uint32_t;

// The native process procedure: a batch of algorithm contexts, from the first pointer to one past the last.
using AAX_CProcessProc = void (*)(void* const instancesBegin[], const void* instancesEnd);
using AAX_CInstanceInitProc = int32_t (*)(const void* instance, int32_t action);
using AAX_CBackgroundProc = int32_t (*)();
// A factory an effect registers with AddProcPtr: a new object with no reference yet, whose base
// interface the host asks for its first; null when it cannot be made.
using AAX_CCreateObjectProc = IACFUnknown* (*)();

// The process-pointer identifiers of the two factories.
enum AAX_EProcPtrID : uint32_t
{
    AAX_eProcPtrID_Create_EffectParameters = 0,
    AAX_eProcPtrID_Create_EffectGUI = 1,
};

// Property numbers the plug-in and the library use.
enum AAX_EProperty : uint32_t
{
    AAX_eProperty_MinProp = 10,
    AAX_eProperty_ManufacturerID = 11,
    AAX_eProperty_ProductID = 12,
    AAX_eProperty_PlugInID_Native = 13,
    AAX_eProperty_PlugInID_AudioSuite = 14,
    AAX_eProperty_PlugInID_TI = 15,
    // Pointer properties of the process procedures.
    AAX_eProperty_NativeProcessProc = 36,
    AAX_eProperty_NativeInstanceInitProc = 37,
    AAX_eProperty_NativeBackgroundProc = 38,
    AAX_eProperty_TIDLLFileName = 39,
    AAX_eProperty_TIProcessProc = 40,
    AAX_eProperty_TIInstanceInitProc = 41,
    AAX_eProperty_TIBackgroundProc = 42,
    AAX_eProperty_InputStemFormat = 51,
    AAX_eProperty_OutputStemFormat = 52,
    AAX_eProperty_AudioBufferLength = 54,
    AAX_eProperty_CanBypass = 60,
    AAX_eProperty_Meter_Type = 200,
    AAX_eProperty_Meter_Orientation = 201,
    AAX_eProperty_MaxProp = 401,
};

// Stem formats: the channel count in the low 16 bits.
enum AAX_EStemFormat : uint32_t
{
    AAX_eStemFormat_Mono = 0x00000001,
    AAX_eStemFormat_Stereo = 0x00010002,
    AAX_eStemFormat_None = 0xFFFF0000,
    AAX_eStemFormat_Any = 0xFF9C0000,
};

// Main thread, like every operation of the description objects.
class AAX_IACFCollection : public IACFUnknown
{
public:
    virtual AAX_Result AddEffect(const char* effectId, IACFUnknown* effectDescriptor) = 0;
    virtual AAX_Result SetManufacturerName(const char* name) = 0;
    virtual AAX_Result AddPackageName(const char* name) = 0;
    virtual AAX_Result SetPackageVersion(uint32_t version) = 0;
    virtual AAX_Result SetProperties(IACFUnknown* propertyMap) = 0;

protected:
    ~AAX_IACFCollection() = default;
};

class AAX_IACFEffectDescriptor_V1 : public IACFUnknown
{
public:
    virtual AAX_Result AddComponent(IACFUnknown* componentDescriptor) = 0;
    virtual AAX_Result AddName(const char* name) = 0;
    virtual AAX_Result AddCategory(uint32_t category) = 0;
    virtual AAX_Result AddProcPtr(void* procedure, uint32_t procedureId) = 0;
    virtual AAX_Result SetProperties(IACFUnknown* propertyMap) = 0;
    virtual AAX_Result AddMeterDescription(AAX_CTypeID meterId, const char* name, IACFUnknown* propertyMap) = 0;
    // The host's own operations, which nothing of the plug-in calls (see HostOperation in AAX_ACF.h).
    virtual AAX_Result HostOperation(int32_t slot, void* arguments) = 0;

protected:
    ~AAX_IACFEffectDescriptor_V1() = default;
};

class AAX_IACFEffectDescriptor_V2 : public IACFUnknown
{
public:
    virtual AAX_Result AddHelpText(const char* text) = 0;

protected:
    ~AAX_IACFEffectDescriptor_V2() = default;
};

class AAX_IACFComponentDescriptor_V1 : public IACFUnknown
{
public:
    virtual AAX_Result Clear() = 0;
    virtual AAX_Result AddAudioIn(uint32_t fieldIndex) = 0;
    virtual AAX_Result AddAudioOut(uint32_t fieldIndex) = 0;
    virtual AAX_Result AddAudioBufferLength(uint32_t fieldIndex) = 0;
    virtual AAX_Result AddDataInPort(uint32_t fieldIndex, uint32_t packetSize, int32_t portType) = 0;
    virtual AAX_Result AddMeters(uint32_t fieldIndex, const AAX_CTypeID* meterIds, uint32_t count) = 0;
    virtual AAX_Result AddProcessProc_Native(AAX_CProcessProc process, IACFUnknown* propertyMap,
                                             AAX_CInstanceInitProc instanceInit, AAX_CBackgroundProc background,
                                             AAX_CTypeID* procedureId) = 0;
    virtual AAX_Result AddProcessProc_TI(const char* dllFileName, const char* processProc, IACFUnknown* propertyMap,
                                         const char* instanceInitProc, const char* backgroundProc,
                                         AAX_CTypeID* procedureId) = 0;
    // The host's own operations, which nothing of the plug-in calls (see HostOperation in AAX_ACF.h).
    virtual AAX_Result HostOperation(int32_t slot, void* arguments) = 0;

protected:
    ~AAX_IACFComponentDescriptor_V1() = default;
};

class AAX_IACFComponentDescriptor_V2 : public IACFUnknown
{
public:
    virtual AAX_Result AddPrivateData(uint32_t fieldIndex, uint32_t size) = 0;

protected:
    ~AAX_IACFComponentDescriptor_V2() = default;
};

class AAX_IACFComponentDescriptor_V3 : public IACFUnknown
{
public:
    // Registers every procedure the map describes; the identifiers end with a 0 inside the capacity.
    virtual AAX_Result AddProcessProcs(IACFUnknown* propertyMap, AAX_CTypeID* procedureIds, int32_t capacity) = 0;

protected:
    ~AAX_IACFComponentDescriptor_V3() = default;
};

class AAX_IACFPropertyMap_V1 : public IACFUnknown
{
public:
    virtual bool GetProperty(uint32_t number, int32_t* value) = 0;
    virtual AAX_Result AddProperty(uint32_t number, int32_t value) = 0;
    virtual AAX_Result RemoveProperty(uint32_t number) = 0;

protected:
    ~AAX_IACFPropertyMap_V1() = default;
};

class AAX_IACFPropertyMap_V2 : public IACFUnknown
{
public:
    virtual AAX_Result AddPropertyList(uint32_t number, const int32_t* values, uint32_t count) = 0;
    // count holds the capacity on the way in and the number written on the way out.
    virtual bool GetPropertyList(uint32_t number, int32_t* values, uint32_t* count) = 0;

protected:
    ~AAX_IACFPropertyMap_V2() = default;
};

class AAX_IACFPropertyMap_V3 : public IACFUnknown
{
public:
    virtual bool GetPointerProperty(uint32_t number, const void** pointer) = 0;
    virtual AAX_Result AddPointerProperty(uint32_t number, const void* pointer) = 0;

protected:
    ~AAX_IACFPropertyMap_V3() = default;
};

// The host's description services, offered on the collection's host object.
class AAX_IACFDescriptionHost : public IACFUnknown
{
public:
    // The host's record of one feature, or ACF_E_NOINTERFACE when the host does not know it.
    virtual AAX_Result AcquireFeatureProperties(const acfUID& feature, IACFUnknown** featureInfo) = 0;

protected:
    ~AAX_IACFDescriptionHost() = default;
};

// The host's own definition: which host the plug-in is being described to.
class AAX_IACFHostDefinition : public IACFUnknown
{
protected:
    ~AAX_IACFHostDefinition() = default;
};

class AAX_IACFFeatureInfo : public IACFUnknown
{
public:
    virtual AAX_Result SupportLevel(int32_t* level) = 0;
    // The feature's properties, as a property map of the host's.
    virtual AAX_Result AcquireProperties(IACFUnknown** propertyMap) = 0;

protected:
    ~AAX_IACFFeatureInfo() = default;
};
