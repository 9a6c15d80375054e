#pragma once

// The simulated host's description objects: the collection (which is also the plug-in's
// definition and offers the host's description services), effect and component descriptors,
// property maps that keep what is added to them, and feature records.

#include "SimObject.h"
#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_IACFDescription.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// A property map's 32-bit properties in the order they were added (a property added again keeps
// its first place and takes the new value).
using SimProperties = std::vector<std::pair<uint32_t, int32_t>>;

// An algorithm component as the host copied it when the effect added it.
struct SimComponentRecord
{
    std::vector<std::string> fields;    // in declaration order, as "AudioIn 2", "DataInPort 0 4 1"
    std::vector<AAX_CTypeID> meters;    // the meter ids of the meters field
    AAX_CProcessProc process = nullptr; // the native process procedure
    SimProperties processProperties;    // the procedure's property map
    int32_t Property(uint32_t number, int32_t fallback = -1) const;
};

struct SimMeterRecord
{
    AAX_CTypeID id;
    std::string name;
    SimProperties properties;
};

// Everything the effect descriptor received, in order.
struct SimEffectRecord
{
    std::string name;
    std::vector<uint32_t> categories;
    std::vector<SimComponentRecord> components;
    std::map<uint32_t, void*> procedures; // by process-pointer id
    SimProperties properties;
    std::vector<SimMeterRecord> meters;
};

// The plug-in's registration: its effects by identifier and what the collection was told.
struct SimRegistrationRecord
{
    std::vector<std::pair<std::string, SimEffectRecord>> effects;
    std::string manufacturerName;
    std::vector<std::string> packageNames;
    uint32_t packageVersion = 0;
};

SIM_INTERFACE_ID(AAX_IACFCollection, IID_AAX_IACFCollection)
SIM_INTERFACE_ID(IACFPluginDefinition, IID_IACFPluginDefinition)
SIM_INTERFACE_ID(AAX_IACFDescriptionHost, IID_AAX_IACFDescriptionHost)
SIM_INTERFACE_ID(AAX_IACFHostDefinition, IID_AAX_IACFHostDefinition)
SIM_INTERFACE_ID(AAX_IACFFeatureInfo, IID_AAX_IACFFeatureInfo)
SIM_INTERFACE_ID(AAX_IACFEffectDescriptor_V1, IID_AAX_IACFEffectDescriptor_V1)
SIM_INTERFACE_ID(AAX_IACFEffectDescriptor_V2, IID_AAX_IACFEffectDescriptor_V2)
SIM_INTERFACE_ID(AAX_IACFComponentDescriptor_V1, IID_AAX_IACFComponentDescriptor_V1)
SIM_INTERFACE_ID(AAX_IACFComponentDescriptor_V2, IID_AAX_IACFComponentDescriptor_V2)
SIM_INTERFACE_ID(AAX_IACFComponentDescriptor_V3, IID_AAX_IACFComponentDescriptor_V3)
SIM_INTERFACE_ID(AAX_IACFPropertyMap_V1, IID_AAX_IACFPropertyMap_V1)
SIM_INTERFACE_ID(AAX_IACFPropertyMap_V2, IID_AAX_IACFPropertyMap_V2)
SIM_INTERFACE_ID(AAX_IACFPropertyMap_V3, IID_AAX_IACFPropertyMap_V3)

// The 32-bit properties of a map the host received, as "11=1298232939, 60=1"; "" for none.
std::string SimDescribePropertyMap(IACFUnknown* map);
// The same map's properties in the order they were added; empty for none.
SimProperties SimPropertiesOf(IACFUnknown* map);

class SimCollection final
    : public SimComObject<AAX_IACFCollection, IACFPluginDefinition, AAX_IACFDescriptionHost, AAX_IACFHostDefinition>
{
public:
    explicit SimCollection(SimHost& host) : SimComObject(host, "Collection") {}

    AAX_Result AddEffect(const char* effectId, IACFUnknown* effectDescriptor) override;
    AAX_Result SetManufacturerName(const char* name) override;
    AAX_Result AddPackageName(const char* name) override;
    AAX_Result SetPackageVersion(uint32_t version) override;
    AAX_Result SetProperties(IACFUnknown* propertyMap) override;
    AAX_Result AcquireFeatureProperties(const acfUID& feature, IACFUnknown** featureInfo) override;

    const SimRegistrationRecord& Kept() const { return record; }

private:
    SimRegistrationRecord record;
};

class SimFeatureInfo final : public SimComObject<AAX_IACFFeatureInfo>
{
public:
    explicit SimFeatureInfo(SimHost& host) : SimComObject(host, "FeatureInfo") {}

    AAX_Result SupportLevel(int32_t* level) override;
    // A new map holding the feature's support level as property 10.
    AAX_Result AcquireProperties(IACFUnknown** propertyMap) override;
};

class SimEffectDescriptor final : public SimComObject<AAX_IACFEffectDescriptor_V1, AAX_IACFEffectDescriptor_V2>
{
public:
    explicit SimEffectDescriptor(SimHost& host) : SimComObject(host, "EffectDescriptor") {}

    AAX_Result AddComponent(IACFUnknown* componentDescriptor) override;
    AAX_Result AddName(const char* name) override;
    AAX_Result AddCategory(uint32_t category) override;
    AAX_Result AddProcPtr(void* procedure, uint32_t procedureId) override;
    AAX_Result SetProperties(IACFUnknown* propertyMap) override;
    AAX_Result AddMeterDescription(AAX_CTypeID meterId, const char* name, IACFUnknown* propertyMap) override;
    AAX_Result AddHelpText(const char* text) override;
    // Logged with the wrapper's slot.
    AAX_Result HostOperation(int32_t slot, void*) override { return Record("HostOperation", SimArguments(slot)); }

    const SimEffectRecord& Kept() const { return record; }

private:
    SimEffectRecord record;
};

class SimComponentDescriptor final : public SimComObject<AAX_IACFComponentDescriptor_V1, AAX_IACFComponentDescriptor_V2,
                                                         AAX_IACFComponentDescriptor_V3>
{
public:
    explicit SimComponentDescriptor(SimHost& host) : SimComObject(host, "ComponentDescriptor") {}

    AAX_Result Clear() override;
    AAX_Result AddAudioIn(uint32_t fieldIndex) override;
    AAX_Result AddAudioOut(uint32_t fieldIndex) override;
    AAX_Result AddAudioBufferLength(uint32_t fieldIndex) override;
    AAX_Result AddDataInPort(uint32_t fieldIndex, uint32_t packetSize, int32_t portType) override;
    AAX_Result AddMeters(uint32_t fieldIndex, const AAX_CTypeID* meterIds, uint32_t count) override;
    AAX_Result AddProcessProc_Native(AAX_CProcessProc process, IACFUnknown* propertyMap,
                                     AAX_CInstanceInitProc instanceInit, AAX_CBackgroundProc background,
                                     AAX_CTypeID* procedureId) override;
    AAX_Result AddProcessProc_TI(const char* dllFileName, const char* processProc, IACFUnknown* propertyMap,
                                 const char* instanceInitProc, const char* backgroundProc,
                                 AAX_CTypeID* procedureId) override;
    AAX_Result AddPrivateData(uint32_t fieldIndex, uint32_t size) override;
    AAX_Result AddProcessProcs(IACFUnknown* propertyMap, AAX_CTypeID* procedureIds, int32_t capacity) override;
    // Logged with the wrapper's slot.
    AAX_Result HostOperation(int32_t slot, void*) override { return Record("HostOperation", SimArguments(slot)); }

    const SimComponentRecord& Kept() const { return record; }

private:
    AAX_CTypeID nextProcedureId = 1;
    SimComponentRecord record;
};

class SimPropertyMap final : public SimComObject<AAX_IACFPropertyMap_V1, AAX_IACFPropertyMap_V2, AAX_IACFPropertyMap_V3,
                                                 AAX_IACFDescriptionHost>
{
public:
    explicit SimPropertyMap(SimHost& host) : SimComObject(host, "PropertyMap") {}

    bool GetProperty(uint32_t number, int32_t* value) override;
    AAX_Result AddProperty(uint32_t number, int32_t value) override;
    AAX_Result RemoveProperty(uint32_t number) override;
    AAX_Result AddPropertyList(uint32_t number, const int32_t* values, uint32_t count) override;
    bool GetPropertyList(uint32_t number, int32_t* values, uint32_t* count) override;
    bool GetPointerProperty(uint32_t number, const void** pointer) override;
    AAX_Result AddPointerProperty(uint32_t number, const void* pointer) override;
    AAX_Result AcquireFeatureProperties(const acfUID& feature, IACFUnknown** featureInfo) override;

    const SimProperties& InOrder() const { return ordered; }

private:
    std::map<uint32_t, int32_t> values;
    SimProperties ordered;
    std::map<uint32_t, const void*> pointers;
};
