#include "AAX_VDescriptionHost.h"

#include "AAX_VFeatureInfo.h"
#include "aaxsdk/AAX_HostIDs.h"

AAX_VDescriptionHost::AAX_VDescriptionHost(IACFUnknown* host)
    : descriptionHost(AAX_QueryHost<AAX_IACFDescriptionHost>(host, IID_AAX_IACFDescriptionHost)),
      hostDefinition(AAX_QueryHost<AAX_IACFHostDefinition>(host, IID_AAX_IACFHostDefinition))
{}

std::unique_ptr<AAX_IFeatureInfo> AAX_VDescriptionHost::AcquireFeatureProperties(const acfUID& feature) const
{
    if (!descriptionHost)
        return nullptr;
    IACFUnknown* record = nullptr;
    const AAX_Result result = descriptionHost->AcquireFeatureProperties(feature, &record);
    // A record handed out with an error is still the host's reference to give back.
    const AAX_HostPtr<IACFUnknown> owned(record);
    if (result != ACF_OK || record == nullptr)
        return nullptr;
    return std::unique_ptr<AAX_IFeatureInfo>(new AAX_VFeatureInfo(record, feature));
}
