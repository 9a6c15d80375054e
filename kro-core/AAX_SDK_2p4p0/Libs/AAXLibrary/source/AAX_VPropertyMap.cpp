#include "AAX_VPropertyMap.h"

#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_Results.h"

namespace {

bool IsStemFormatProperty(uint32_t number)
{
    return number == AAX_eProperty_InputStemFormat || number == AAX_eProperty_OutputStemFormat;
}

// Stem formats a host knows without asking its description services.
bool IsWellKnownStemFormat(int32_t value)
{
    const uint32_t format = static_cast<uint32_t>(value);
    return (format >> 16) <= 12 || format == AAX_eStemFormat_None || format == AAX_eStemFormat_Any;
}

bool IsProcessProcedureProperty(uint32_t number)
{
    return number >= AAX_eProperty_NativeProcessProc && number <= AAX_eProperty_TIBackgroundProc;
}

} // namespace

AAX_VPropertyMap::AAX_VPropertyMap(IACFUnknown* host)
{
    const AAX_HostPtr<IACFComponentFactory> factory = AAX_QueryComponentFactory(host);
    v1 = AAX_CreateHostObject<AAX_IACFPropertyMap_V1>(factory.Get(), CLSID_AAX_PropertyMap, IID_AAX_IACFPropertyMap_V1);
    QueryLaterVersions();
}

std::unique_ptr<AAX_VPropertyMap> AAX_VPropertyMap::Around(IACFUnknown* hostMap)
{
    std::unique_ptr<AAX_VPropertyMap> map(new AAX_VPropertyMap());
    map->v1 = AAX_QueryHost<AAX_IACFPropertyMap_V1>(hostMap, IID_AAX_IACFPropertyMap_V1);
    map->QueryLaterVersions();
    return map;
}

void AAX_VPropertyMap::QueryLaterVersions()
{
    v2 = AAX_QueryHost<AAX_IACFPropertyMap_V2>(v1.Get(), IID_AAX_IACFPropertyMap_V2);
    v3 = AAX_QueryHost<AAX_IACFPropertyMap_V3>(v1.Get(), IID_AAX_IACFPropertyMap_V3);
    descriptionHost = AAX_QueryHost<IACFUnknown>(v1.Get(), IID_AAX_IACFDescriptionHost);
}

bool AAX_VPropertyMap::GetProperty(uint32_t number, int32_t* value) const
{
    return v1 && v1->GetProperty(number, value);
}

bool AAX_VPropertyMap::GetPointerProperty(uint32_t number, const void** pointer) const
{
    if (v3)
        return v3->GetPointerProperty(number, pointer);
    const auto found = localPointers.find(number);
    if (found == localPointers.end())
        return false;
    if (pointer != nullptr)
        *pointer = found->second;
    return true;
}

AAX_Result AAX_VPropertyMap::AddProperty(uint32_t number, int32_t value)
{
    if (IsStemFormatProperty(number) && !descriptionHost && !IsWellKnownStemFormat(value))
        return AAX_ERROR_PROPERTY_UNDEFINED;
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFPropertyMap_V1::AddProperty, number, value);
}

AAX_Result AAX_VPropertyMap::AddPointerProperty(uint32_t number, const char* text)
{
    return AddPointerProperty(number, static_cast<const void*>(text));
}

AAX_Result AAX_VPropertyMap::AddPointerProperty(uint32_t number, const void* pointer)
{
    if (v3)
        return v3->AddPointerProperty(number, pointer);
    if (!IsProcessProcedureProperty(number))
        return AAX_ERROR_UNIMPLEMENTED;
    localPointers[number] = pointer;
    return AAX_SUCCESS;
}

AAX_Result AAX_VPropertyMap::RemoveProperty(uint32_t number)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFPropertyMap_V1::RemoveProperty, number);
}

AAX_Result AAX_VPropertyMap::AddPropertyList(uint32_t number, const int32_t* values, uint32_t count)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPropertyMap_V2::AddPropertyList, number, values, count);
}

bool AAX_VPropertyMap::GetPropertyList(uint32_t number, int32_t* values, uint32_t* count) const
{
    return v2 && v2->GetPropertyList(number, values, count);
}

IACFUnknown* AAX_VPropertyMap::GetIUnknown() const
{
    if (v3)
        return v3.Get();
    if (v2)
        return v2.Get();
    return v1.Get();
}
