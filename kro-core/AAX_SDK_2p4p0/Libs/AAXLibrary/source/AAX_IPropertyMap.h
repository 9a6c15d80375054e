#pragma once

// A host property map as the plug-in's description fills it.

#include "aaxsdk/AAX_IACFDescription.h"

class AAX_IPropertyMap
{
public:
    virtual ~AAX_IPropertyMap() = default;

    // Main thread, like every operation here.
    virtual bool GetProperty(uint32_t number, int32_t* value) const = 0;
    virtual bool GetPointerProperty(uint32_t number, const void** pointer) const = 0;
    virtual AAX_Result AddProperty(uint32_t number, int32_t value) = 0;
    virtual AAX_Result AddPointerProperty(uint32_t number, const char* text) = 0;
    virtual AAX_Result AddPointerProperty(uint32_t number, const void* pointer) = 0;
    virtual AAX_Result RemoveProperty(uint32_t number) = 0;
    virtual AAX_Result AddPropertyList(uint32_t number, const int32_t* values, uint32_t count) = 0;
    virtual bool GetPropertyList(uint32_t number, int32_t* values, uint32_t* count) const = 0;
    // The newest host interface of the map, handed to the host wherever the map is passed on; null without one.
    virtual IACFUnknown* GetIUnknown() const = 0;
};

// What the host receives for a map: its newest interface, or null for no map.
inline IACFUnknown* AAX_HostInterfaceOf(const AAX_IPropertyMap* map)
{
    return map != nullptr ? map->GetIUnknown() : nullptr;
}
