#pragma once

// A host effect descriptor, created through the host's factory. A missing first version gives
// AAX_ERROR_NULL_OBJECT, the second AAX_ERROR_UNIMPLEMENTED.

#include "AAX_HostPtr.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_OwnedChildren.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VPropertyMap.h"

class AAX_VEffectDescriptor : public AAX_IEffectDescriptor
{
public:
    // Main thread. Throws AAX::Exception::ResultError when the host hands out a null factory or descriptor.
    explicit AAX_VEffectDescriptor(IACFUnknown* host);

    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    // AAX_ERROR_NULL_OBJECT for an absent component as well.
    AAX_Result AddComponent(AAX_IComponentDescriptor* component) override;
    AAX_Result AddName(const char* name) override;
    AAX_Result AddCategory(uint32_t category) override;
    AAX_Result HostOperation5(void* arguments) override;
    AAX_Result AddProcPtr(void* procedure, uint32_t procedureId) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties(AAX_IPropertyMap* properties) override;
    AAX_Result HostOperation9(void* arguments) override;
    AAX_Result AddMeterDescription(AAX_CTypeID meterId, const char* name, AAX_IPropertyMap* properties) override;
    AAX_Result AddHelpText(const char* text) override;
    IACFUnknown* GetIUnknown() const override;

private:
    AAX_HostPtr<IACFUnknown> host;
    AAX_HostPtr<AAX_IACFEffectDescriptor_V1> v1;
    AAX_HostPtr<AAX_IACFEffectDescriptor_V2> v2;
    AAX_OwnedChildren<AAX_VComponentDescriptor> componentDescriptors;
    AAX_OwnedChildren<AAX_VPropertyMap> propertyMaps;
};
