#include "AAX_VFeatureInfo.h"

#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_Results.h"

AAX_VFeatureInfo::AAX_VFeatureInfo(IACFUnknown* record, const acfUID& feature)
    : info(AAX_QueryHost<AAX_IACFFeatureInfo>(record, IID_AAX_IACFFeatureInfo)), feature(feature)
{
}

AAX_Result AAX_VFeatureInfo::SupportLevel(int32_t* level) const
{
    return AAX_Forward(info, AAX_ERROR_NULL_OBJECT, &AAX_IACFFeatureInfo::SupportLevel, level);
}
