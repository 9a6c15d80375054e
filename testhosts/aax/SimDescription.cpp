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

} // namespace

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
    return Record("AddEffect", SimArguments(effectId, effectDescriptor != nullptr ? "descriptor" : "none"));
}

AAX_Result SimCollection::SetManufacturerName(const char* name)
{
    return Record("SetManufacturerName", SimArguments(name));
}

AAX_Result SimCollection::AddPackageName(const char* name)
{
    return Record("AddPackageName", SimArguments(name));
}

AAX_Result SimCollection::SetPackageVersion(uint32_t version)
{
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
    return Record("AddComponent", componentDescriptor != nullptr ? "component" : "none");
}

AAX_Result SimEffectDescriptor::AddName(const char* name)
{
    return Record("AddName", SimArguments(name));
}

AAX_Result SimEffectDescriptor::AddCategory(uint32_t category)
{
    return Record("AddCategory", SimArguments(category));
}

AAX_Result SimEffectDescriptor::AddProcPtr(void* procedure, uint32_t procedureId)
{
    return Record("AddProcPtr", SimArguments(procedure != nullptr ? "procedure" : "none", procedureId));
}

AAX_Result SimEffectDescriptor::SetProperties(IACFUnknown* propertyMap)
{
    return Record("SetProperties", SimDescribePropertyMap(propertyMap));
}

AAX_Result SimEffectDescriptor::AddMeterDescription(AAX_CTypeID meterId, const char* name, IACFUnknown* propertyMap)
{
    return Record("AddMeterDescription", SimArguments(meterId, name, SimDescribePropertyMap(propertyMap)));
}

AAX_Result SimEffectDescriptor::AddHelpText(const char* text)
{
    return Record("AddHelpText", SimArguments(text));
}

AAX_Result SimComponentDescriptor::Clear()
{
    return Record("Clear");
}

AAX_Result SimComponentDescriptor::AddAudioIn(uint32_t fieldIndex)
{
    return Record("AddAudioIn", SimArguments(fieldIndex));
}

AAX_Result SimComponentDescriptor::AddAudioOut(uint32_t fieldIndex)
{
    return Record("AddAudioOut", SimArguments(fieldIndex));
}

AAX_Result SimComponentDescriptor::AddAudioBufferLength(uint32_t fieldIndex)
{
    return Record("AddAudioBufferLength", SimArguments(fieldIndex));
}

AAX_Result SimComponentDescriptor::AddDataInPort(uint32_t fieldIndex, uint32_t packetSize, int32_t portType)
{
    return Record("AddDataInPort", SimArguments(fieldIndex, packetSize, portType));
}

AAX_Result SimComponentDescriptor::AddMeters(uint32_t fieldIndex, const AAX_CTypeID*, uint32_t count)
{
    return Record("AddMeters", SimArguments(fieldIndex, count));
}

AAX_Result SimComponentDescriptor::AddProcessProc_Native(AAX_CProcessProc process, IACFUnknown* propertyMap,
                                                         AAX_CInstanceInitProc instanceInit,
                                                         AAX_CBackgroundProc background, AAX_CTypeID* procedureId)
{
    const AAX_Result result =
        Record("AddProcessProc_Native",
               SimArguments(process != nullptr ? "process" : "none", instanceInit != nullptr ? "init" : "none",
                            background != nullptr ? "background" : "none", SimDescribePropertyMap(propertyMap)));
    if (procedureId != nullptr)
        *procedureId = nextProcedureId++;
    return result;
}

AAX_Result SimComponentDescriptor::AddProcessProc_TI(const char* dllFileName, const char* processProc,
                                                     IACFUnknown*, const char*, const char*,
                                                     AAX_CTypeID* procedureId)
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
    values[number] = value;
    return Record("AddProperty", SimArguments(number, value));
}

AAX_Result SimPropertyMap::RemoveProperty(uint32_t number)
{
    values.erase(number);
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
