#pragma once

// A feature record the host handed out, for the feature it was asked about.

#include "AAX_HostPtr.h"
#include "AAX_IFeatureInfo.h"
#include "aaxsdk/AAX_IACFDescription.h"

class AAX_VFeatureInfo : public AAX_IFeatureInfo
{
public:
    // Main thread. Asks the host record for its interface; the record's own reference stays the caller's.
    AAX_VFeatureInfo(IACFUnknown* record, const acfUID& feature);

    // AAX_ERROR_NULL_OBJECT without the host's record.
    AAX_Result SupportLevel(int32_t* level) const override;
    std::unique_ptr<AAX_IPropertyMap> AcquireProperties() const override;
    const acfUID& ID() const override { return feature; }

private:
    AAX_HostPtr<AAX_IACFFeatureInfo> info;
    acfUID feature;
};
