#pragma once

// The host's description services, asked for on the collection's host object.

#include "AAX_HostPtr.h"
#include "AAX_IDescriptionHost.h"
#include "aaxsdk/AAX_IACFDescription.h"

class AAX_VDescriptionHost : public AAX_IDescriptionHost
{
public:
    // Main thread. Asks the host object for its description services and its definition.
    explicit AAX_VDescriptionHost(IACFUnknown* host);

    std::unique_ptr<AAX_IFeatureInfo> AcquireFeatureProperties(const acfUID& feature) const override;

    bool Supported() const { return static_cast<bool>(descriptionHost); }
    IACFUnknown* HostDefinition() const { return hostDefinition.Get(); }

private:
    AAX_HostPtr<AAX_IACFDescriptionHost> descriptionHost;
    AAX_HostPtr<AAX_IACFHostDefinition> hostDefinition;
};
