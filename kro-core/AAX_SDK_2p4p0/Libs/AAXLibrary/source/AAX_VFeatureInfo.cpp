#include "AAX_VFeatureInfo.h"

#include "AAX_VPropertyMap.h"
#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_Results.h"

AAX_VFeatureInfo::AAX_VFeatureInfo(IACFUnknown* record, const acfUID& feature)
    : info(AAX_QueryHost<AAX_IACFFeatureInfo>(record, IID_AAX_IACFFeatureInfo)), feature(feature)
{}

AAX_Result AAX_VFeatureInfo::SupportLevel(int32_t* level) const
{
    return AAX_Forward(info, AAX_ERROR_NULL_OBJECT, &AAX_IACFFeatureInfo::SupportLevel, level);
}

std::unique_ptr<AAX_IPropertyMap> AAX_VFeatureInfo::AcquireProperties() const
{
    if (!info)
        return nullptr;
    IACFUnknown* map = nullptr;
    const AAX_Result result = info->AcquireProperties(&map);
    // A map handed out with an error is still the host's reference to give back.
    const AAX_HostPtr<IACFUnknown> owned(map);
    if (result != ACF_OK || map == nullptr)
        return nullptr;
    return AAX_VPropertyMap::Around(map);
}
