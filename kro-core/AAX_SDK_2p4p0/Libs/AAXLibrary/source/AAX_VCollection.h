#pragma once

// The host's collection, created through the host's factory. It owns every descriptor and map it
// hands out until it is deleted, so a description that fails half-way leaks nothing. Every host
// operation gives AAX_ERROR_NULL_OBJECT when the host has no collection.

#include "AAX_HostPtr.h"
#include "AAX_ICollection.h"
#include "AAX_OwnedChildren.h"
#include "AAX_VDescriptionHost.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VPropertyMap.h"

class AAX_VCollection : public AAX_ICollection
{
public:
    // Main thread. Keeps a reference on the host object; throws AAX::Exception::ResultError when the
    // host hands out a null factory or collection.
    explicit AAX_VCollection(IACFUnknown* host);

    AAX_IEffectDescriptor* NewDescriptor() override;
    // AAX_ERROR_NULL_OBJECT for an absent descriptor as well.
    AAX_Result AddEffect(const char* effectId, AAX_IEffectDescriptor* descriptor) override;
    AAX_Result SetManufacturerName(const char* name) override;
    AAX_Result AddPackageName(const char* name) override;
    AAX_Result SetPackageVersion(uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties(AAX_IPropertyMap* properties) override;
    const AAX_IDescriptionHost* DescriptionHost() const override;
    AAX_IDescriptionHost* DescriptionHost() override;
    IACFUnknown* GetIUnknown() const override;

private:
    AAX_HostPtr<IACFUnknown> host;
    AAX_HostPtr<AAX_IACFCollection> v1;
    AAX_VDescriptionHost descriptionHost;
    AAX_OwnedChildren<AAX_VEffectDescriptor> effectDescriptors;
    AAX_OwnedChildren<AAX_VPropertyMap> propertyMaps;
};
