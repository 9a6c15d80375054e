#pragma once

// One effect of the plug-in: its components, names, factories, properties and meters.

#include "AAX_IComponentDescriptor.h"
#include "AAX_IPropertyMap.h"

class AAX_IEffectDescriptor
{
public:
    virtual ~AAX_IEffectDescriptor() = default;

    // Main thread, like every operation here. Components and maps are owned by this descriptor.
    virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;
    virtual AAX_Result AddComponent(AAX_IComponentDescriptor* component) = 0;
    virtual AAX_Result AddName(const char* name) = 0;
    virtual AAX_Result AddCategory(uint32_t category) = 0;
    // The host's own operations, in their places among the others (see HostOperation in
    // AAX_ACF.h); the arguments are the host's.
    virtual AAX_Result HostOperation5(void* arguments) = 0;
    virtual AAX_Result AddProcPtr(void* procedure, uint32_t procedureId) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties(AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result HostOperation9(void* arguments) = 0;
    virtual AAX_Result AddMeterDescription(AAX_CTypeID meterId, const char* name, AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result AddHelpText(const char* text) = 0;

    // The host interface handed to the host when the effect is added to the collection.
    virtual IACFUnknown* GetIUnknown() const = 0;
};
