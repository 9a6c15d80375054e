#include "AAX_VEffectDescriptor.h"

#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_Results.h"

AAX_VEffectDescriptor::AAX_VEffectDescriptor(IACFUnknown* hostUnknown) : host(AAX_KeepReference(hostUnknown))
{
    const AAX_HostPtr<IACFComponentFactory> factory = AAX_QueryComponentFactory(hostUnknown);
    v1 = AAX_CreateHostObject<AAX_IACFEffectDescriptor_V1>(factory.Get(), CLSID_AAX_EffectDescriptor,
                                                           IID_AAX_IACFEffectDescriptor_V1);
    v2 = AAX_QueryHost<AAX_IACFEffectDescriptor_V2>(v1.Get(), IID_AAX_IACFEffectDescriptor_V2);
}

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor()
{
    return componentDescriptors.Add(host.Get());
}

AAX_Result AAX_VEffectDescriptor::AddComponent(AAX_IComponentDescriptor* component)
{
    if (component == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor_V1::AddComponent, component->GetIUnknown());
}

AAX_Result AAX_VEffectDescriptor::AddName(const char* name)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor_V1::AddName, name);
}

AAX_Result AAX_VEffectDescriptor::AddCategory(uint32_t category)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor_V1::AddCategory, category);
}

AAX_Result AAX_VEffectDescriptor::AddProcPtr(void* procedure, uint32_t procedureId)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor_V1::AddProcPtr, procedure, procedureId);
}

AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap()
{
    return propertyMaps.Add(host.Get());
}

AAX_Result AAX_VEffectDescriptor::SetProperties(AAX_IPropertyMap* properties)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor_V1::SetProperties,
                       AAX_HostInterfaceOf(properties));
}

AAX_Result AAX_VEffectDescriptor::AddMeterDescription(AAX_CTypeID meterId, const char* name,
                                                      AAX_IPropertyMap* properties)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor_V1::AddMeterDescription, meterId, name,
                       AAX_HostInterfaceOf(properties));
}

AAX_Result AAX_VEffectDescriptor::HostOperation5(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor_V1::HostOperation, 5, arguments);
}

AAX_Result AAX_VEffectDescriptor::HostOperation9(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor_V1::HostOperation, 9, arguments);
}

AAX_Result AAX_VEffectDescriptor::AddHelpText(const char* text)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFEffectDescriptor_V2::AddHelpText, text);
}

IACFUnknown* AAX_VEffectDescriptor::GetIUnknown() const
{
    return v1.Get();
}
