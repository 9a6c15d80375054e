#include "SimDescription.h"

#include "SimHost.h"

#include <sstream>

namespace {

// A feature record for every feature the host is asked about.
AAX_Result AcquireFeature(SimHost& host, IACFUnknown** featureInfo)
{
    if (featureInfo == nullptr)
        return ACF_E_NOINTERFACE;
    void* out = nullptr;
    const ACFRESULT result = host.Make<SimFeatureInfo>().QueryInterface(IID_IACFUnknown, &out);
    *featureInfo = static_cast<IACFUnknown*>(out);
    return result;
}

template <class Interface, class SimClass>
SimClass* SimObjectOf(IACFUnknown* unknown, const acfUID& iid)
{
    void* out = nullptr;
    if (unknown == nullptr || unknown->QueryInterface(iid, &out) != ACF_OK || out == nullptr)
        return nullptr;
    auto* found = static_cast<Interface*>(out);
    SimClass* object = dynamic_cast<SimClass*>(found);
    found->Release();
    return object;
}

} // namespace

int32_t SimComponentRecord::Property(uint32_t number, int32_t fallback) const
{
    for (const auto& [key, value] : processProperties)
        if (key == number)
            return value;
    return fallback;
}

SimProperties SimPropertiesOf(IACFUnknown* map)
{
    const SimPropertyMap* properties =
        SimObjectOf<AAX_IACFPropertyMap_V1, SimPropertyMap>(map, IID_AAX_IACFPropertyMap_V1);
    return properties != nullptr ? properties->InOrder() : SimProperties();
}

std::string SimDescribePropertyMap(IACFUnknown* map)
{
    void* out = nullptr;
    if (map == nullptr || map->QueryInterface(IID_AAX_IACFPropertyMap_V1, &out) != ACF_OK || out == nullptr)
        return std::string();
    auto* properties = static_cast<AAX_IACFPropertyMap_V1*>(out);
    std::ostringstream text;
    const char* separator = "";
    for (uint32_t number = AAX_eProperty_MinProp; number <= AAX_eProperty_MaxProp; ++number)
    {
        int32_t value = 0;
        if (properties->GetProperty(number, &value))
        {
            text << separator << number << "=" << value;
            separator = ", ";
        }
    }
    properties->Release();
    return text.str();
}

AAX_Result SimCollection::AddEffect(const char* effectId, IACFUnknown* effectDescriptor)
{
    // The host copies the effect as it stands now.
    if (const SimEffectDescriptor* effect = SimObjectOf<AAX_IACFEffectDescriptor_V1, SimEffectDescriptor>(
            effectDescriptor, IID_AAX_IACFEffectDescriptor_V1))
        record.effects.emplace_back(effectId != nullptr ? effectId : "", effect->Kept());
    return Record("AddEffect", SimArguments(effectId, effectDescriptor != nullptr ? "descriptor" : "none"));
}

AAX_Result SimCollection::SetManufacturerName(const char* name)
{
    record.manufacturerName = name != nullptr ? name : "";
    return Record("SetManufacturerName", SimArguments(name));
}

AAX_Result SimCollection::AddPackageName(const char* name)
{
    record.packageNames.emplace_back(name != nullptr ? name : "");
    return Record("AddPackageName", SimArguments(name));
}

AAX_Result SimCollection::SetPackageVersion(uint32_t version)
{
    record.packageVersion = version;
    return Record("SetPackageVersion", SimArguments(version));
}

AAX_Result SimCollection::SetProperties(IACFUnknown* propertyMap)
{
    return Record("SetProperties", SimDescribePropertyMap(propertyMap));
}

AAX_Result SimCollection::AcquireFeatureProperties(const acfUID&, IACFUnknown** featureInfo)
{
    Record("AcquireFeatureProperties");
    return AcquireFeature(host, featureInfo);
}

AAX_Result SimFeatureInfo::SupportLevel(int32_t* level)
{
    if (level != nullptr)
        *level = 1;
    return Record("SupportLevel");
}

AAX_Result SimFeatureInfo::AcquireProperties(IACFUnknown** propertyMap)
{
    const AAX_Result result = Record("AcquireProperties");
    if (propertyMap == nullptr)
        return result;
    SimPropertyMap& map = host.Make<SimPropertyMap>();
    map.AddProperty(AAX_eProperty_MinProp, 1);
    void* out = nullptr;
    map.QueryInterface(IID_IACFUnknown, &out);
    *propertyMap = static_cast<IACFUnknown*>(out);
    return result;
}

AAX_Result SimEffectDescriptor::AddComponent(IACFUnknown* componentDescriptor)
{
    // Copied now: the plug-in clears and reuses the descriptor for its next component.
    if (const SimComponentDescriptor* component = SimObjectOf<AAX_IACFComponentDescriptor_V1, SimComponentDescriptor>(
            componentDescriptor, IID_AAX_IACFComponentDescriptor_V1))
        record.components.push_back(component->Kept());
    return Record("AddComponent", componentDescriptor != nullptr ? "component" : "none");
}

AAX_Result SimEffectDescriptor::AddName(const char* name)
{
    record.name = name != nullptr ? name : "";
    return Record("AddName", SimArguments(name));
}

AAX_Result SimEffectDescriptor::AddCategory(uint32_t category)
{
    record.categories.push_back(category);
    return Record("AddCategory", SimArguments(category));
}

AAX_Result SimEffectDescriptor::AddProcPtr(void* procedure, uint32_t procedureId)
{
    record.procedures[procedureId] = procedure;
    return Record("AddProcPtr", SimArguments(procedure != nullptr ? "procedure" : "none", procedureId));
}

AAX_Result SimEffectDescriptor::SetProperties(IACFUnknown* propertyMap)
{
    record.properties = SimPropertiesOf(propertyMap);
    return Record("SetProperties", SimDescribePropertyMap(propertyMap));
}

AAX_Result SimEffectDescriptor::AddMeterDescription(AAX_CTypeID meterId, const char* name, IACFUnknown* propertyMap)
{
    record.meters.push_back({meterId, name != nullptr ? name : "", SimPropertiesOf(propertyMap)});
    return Record("AddMeterDescription", SimArguments(meterId, name, SimDescribePropertyMap(propertyMap)));
}

AAX_Result SimEffectDescriptor::AddHelpText(const char* text)
{
    return Record("AddHelpText", SimArguments(text));
}

AAX_Result SimComponentDescriptor::Clear()
{
    record = SimComponentRecord();
    return Record("Clear");
}

AAX_Result SimComponentDescriptor::AddAudioIn(uint32_t fieldIndex)
{
    record.fields.push_back("AudioIn " + std::to_string(fieldIndex));
    return Record("AddAudioIn", SimArguments(fieldIndex));
}

AAX_Result SimComponentDescriptor::AddAudioOut(uint32_t fieldIndex)
{
    record.fields.push_back("AudioOut " + std::to_string(fieldIndex));
    return Record("AddAudioOut", SimArguments(fieldIndex));
}

AAX_Result SimComponentDescriptor::AddAudioBufferLength(uint32_t fieldIndex)
{
    record.fields.push_back("AudioBufferLength " + std::to_string(fieldIndex));
    return Record("AddAudioBufferLength", SimArguments(fieldIndex));
}

AAX_Result SimComponentDescriptor::AddDataInPort(uint32_t fieldIndex, uint32_t packetSize, int32_t portType)
{
    record.fields.push_back("DataInPort " + std::to_string(fieldIndex) + " " + std::to_string(packetSize) + " " +
                            std::to_string(portType));
    return Record("AddDataInPort", SimArguments(fieldIndex, packetSize, portType));
}

AAX_Result SimComponentDescriptor::AddMeters(uint32_t fieldIndex, const AAX_CTypeID* meterIds, uint32_t count)
{
    record.fields.push_back("Meters " + std::to_string(fieldIndex));
    if (meterIds != nullptr)
        record.meters.assign(meterIds, meterIds + count);
    return Record("AddMeters", SimArguments(fieldIndex, count));
}

AAX_Result SimComponentDescriptor::AddProcessProc_Native(AAX_CProcessProc process, IACFUnknown* propertyMap,
                                                         AAX_CInstanceInitProc instanceInit,
                                                         AAX_CBackgroundProc background, AAX_CTypeID* procedureId)
{
    record.process = process;
    record.processProperties = SimPropertiesOf(propertyMap);
    const AAX_Result result =
        Record("AddProcessProc_Native",
               SimArguments(process != nullptr ? "process" : "none", instanceInit != nullptr ? "init" : "none",
                            background != nullptr ? "background" : "none", SimDescribePropertyMap(propertyMap)));
    if (procedureId != nullptr)
        *procedureId = nextProcedureId++;
    return result;
}

AAX_Result SimComponentDescriptor::AddProcessProc_TI(const char* dllFileName, const char* processProc, IACFUnknown*,
                                                     const char*, const char*, AAX_CTypeID* procedureId)
{
    const AAX_Result result = Record("AddProcessProc_TI", SimArguments(dllFileName, processProc));
    if (procedureId != nullptr)
        *procedureId = nextProcedureId++;
    return result;
}

AAX_Result SimComponentDescriptor::AddPrivateData(uint32_t fieldIndex, uint32_t size)
{
    return Record("AddPrivateData", SimArguments(fieldIndex, size));
}

AAX_Result SimComponentDescriptor::AddProcessProcs(IACFUnknown* propertyMap, AAX_CTypeID* procedureIds,
                                                   int32_t capacity)
{
    const AAX_Result result = Record("AddProcessProcs", SimDescribePropertyMap(propertyMap));
    if (procedureIds != nullptr && capacity >= 2)
    {
        procedureIds[0] = nextProcedureId++;
        procedureIds[1] = 0;
    }
    return result;
}

bool SimPropertyMap::GetProperty(uint32_t number, int32_t* value)
{
    const auto found = values.find(number);
    if (found == values.end())
        return false;
    if (value != nullptr)
        *value = found->second;
    return true;
}

AAX_Result SimPropertyMap::AddProperty(uint32_t number, int32_t value)
{
    if (values.count(number) == 0)
        ordered.emplace_back(number, value);
    else
        for (auto& entry : ordered)
            if (entry.first == number)
                entry.second = value;
    values[number] = value;
    return Record("AddProperty", SimArguments(number, value));
}

AAX_Result SimPropertyMap::RemoveProperty(uint32_t number)
{
    values.erase(number);
    for (auto entry = ordered.begin(); entry != ordered.end(); ++entry)
        if (entry->first == number)
        {
            ordered.erase(entry);
            break;
        }
    return Record("RemoveProperty", SimArguments(number));
}

AAX_Result SimPropertyMap::AddPropertyList(uint32_t number, const int32_t*, uint32_t count)
{
    return Record("AddPropertyList", SimArguments(number, count));
}

bool SimPropertyMap::GetPropertyList(uint32_t, int32_t*, uint32_t* count)
{
    if (count != nullptr)
        *count = 0;
    return false;
}

bool SimPropertyMap::GetPointerProperty(uint32_t number, const void** pointer)
{
    const auto found = pointers.find(number);
    if (found == pointers.end())
        return false;
    if (pointer != nullptr)
        *pointer = found->second;
    return true;
}

AAX_Result SimPropertyMap::AddPointerProperty(uint32_t number, const void* pointer)
{
    pointers[number] = pointer;
    return Record("AddPointerProperty", SimArguments(number));
}

AAX_Result SimPropertyMap::AcquireFeatureProperties(const acfUID&, IACFUnknown** featureInfo)
{
    Record("AcquireFeatureProperties");
    return AcquireFeature(host, featureInfo);
}
