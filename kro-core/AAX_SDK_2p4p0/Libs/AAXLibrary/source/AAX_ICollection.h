#pragma once

// The plug-in's collection of effects, filled by its description while the host registers it.

#include "AAX_IDescriptionHost.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IPropertyMap.h"

class AAX_ICollection
{
public:
    virtual ~AAX_ICollection() = default;

    // Main thread, like every operation here. Descriptors and maps are owned by the collection.
    virtual AAX_IEffectDescriptor* NewDescriptor() = 0;
    virtual AAX_Result AddEffect(const char* effectId, AAX_IEffectDescriptor* descriptor) = 0;
    virtual AAX_Result SetManufacturerName(const char* name) = 0;
    virtual AAX_Result AddPackageName(const char* name) = 0;
    virtual AAX_Result SetPackageVersion(uint32_t version) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties(AAX_IPropertyMap* properties) = 0;
    virtual const AAX_IDescriptionHost* DescriptionHost() const = 0;
    virtual AAX_IDescriptionHost* DescriptionHost() = 0;
    // The host's object behind the collection: the host asks it for the plug-in's definition.
    virtual IACFUnknown* GetIUnknown() const = 0;
};
