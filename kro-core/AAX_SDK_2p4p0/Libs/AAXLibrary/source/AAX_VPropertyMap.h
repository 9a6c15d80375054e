#pragma once

// A host property map, created through the host's factory. Without the host's third version,
// pointer properties of the process procedures are kept here, so that a component can still
// register them one by one.

#include "AAX_HostPtr.h"
#include "AAX_IPropertyMap.h"

#include <map>
#include <memory>

class AAX_VPropertyMap : public AAX_IPropertyMap
{
public:
    // Main thread. Throws AAX::Exception::ResultError when the host hands out a null factory or map.
    explicit AAX_VPropertyMap(IACFUnknown* host);
    // Main thread. A map over a host map that already exists; the caller keeps its own reference.
    static std::unique_ptr<AAX_VPropertyMap> Around(IACFUnknown* hostMap);

    // False without version 1.
    bool GetProperty(uint32_t number, int32_t* value) const override;
    // From version 3, else from the local table.
    bool GetPointerProperty(uint32_t number, const void** pointer) const override;
    // A stem-format value no host can know without description services is refused with
    // AAX_ERROR_PROPERTY_UNDEFINED; AAX_ERROR_NULL_OBJECT without version 1.
    AAX_Result AddProperty(uint32_t number, int32_t value) override;
    AAX_Result AddPointerProperty(uint32_t number, const char* text) override;
    // To version 3, else the process-procedure properties into the local table; others AAX_ERROR_UNIMPLEMENTED.
    AAX_Result AddPointerProperty(uint32_t number, const void* pointer) override;
    AAX_Result RemoveProperty(uint32_t number) override;
    AAX_Result AddPropertyList(uint32_t number, const int32_t* values, uint32_t count) override;
    bool GetPropertyList(uint32_t number, int32_t* values, uint32_t* count) const override;
    IACFUnknown* GetIUnknown() const override;

private:
    AAX_VPropertyMap() = default;
    // The later versions and the description services, asked for on the first version.
    void QueryLaterVersions();

    AAX_HostPtr<AAX_IACFPropertyMap_V1> v1;
    AAX_HostPtr<AAX_IACFPropertyMap_V2> v2;
    AAX_HostPtr<AAX_IACFPropertyMap_V3> v3;
    AAX_HostPtr<IACFUnknown> descriptionHost;
    std::map<uint32_t, const void*> localPointers;
};
