#include "AAX_VCollection.h"

#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_Results.h"

namespace {

AAX_HostPtr<AAX_IACFCollection> CreateCollection(IACFUnknown* host)
{
    const AAX_HostPtr<IACFComponentFactory> factory = AAX_QueryComponentFactory(host);
    return AAX_CreateHostObject<AAX_IACFCollection>(factory.Get(), CLSID_AAX_Collection, IID_AAX_IACFCollection);
}

} // namespace

AAX_VCollection::AAX_VCollection(IACFUnknown* hostUnknown)
    : host(AAX_KeepReference(hostUnknown)), v1(CreateCollection(hostUnknown)), descriptionHost(v1.Get())
{}

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor()
{
    return effectDescriptors.Add(host.Get());
}

AAX_Result AAX_VCollection::AddEffect(const char* effectId, AAX_IEffectDescriptor* descriptor)
{
    if (descriptor == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFCollection::AddEffect, effectId, descriptor->GetIUnknown());
}

AAX_Result AAX_VCollection::SetManufacturerName(const char* name)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFCollection::SetManufacturerName, name);
}

AAX_Result AAX_VCollection::AddPackageName(const char* name)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFCollection::AddPackageName, name);
}

AAX_Result AAX_VCollection::SetPackageVersion(uint32_t version)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFCollection::SetPackageVersion, version);
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap()
{
    return propertyMaps.Add(host.Get());
}

AAX_Result AAX_VCollection::SetProperties(AAX_IPropertyMap* properties)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFCollection::SetProperties, AAX_HostInterfaceOf(properties));
}

const AAX_IDescriptionHost* AAX_VCollection::DescriptionHost() const
{
    return descriptionHost.Supported() ? &descriptionHost : nullptr;
}

AAX_IDescriptionHost* AAX_VCollection::DescriptionHost()
{
    return descriptionHost.Supported() ? &descriptionHost : nullptr;
}

IACFUnknown* AAX_VCollection::GetIUnknown() const
{
    return v1.Get();
}
