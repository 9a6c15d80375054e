#pragma once

// The host's description services: what the host supports.

#include "AAX_IFeatureInfo.h"

#include <memory>

class AAX_IDescriptionHost
{
public:
    virtual ~AAX_IDescriptionHost() = default;

    // Main thread. The host's record of a feature, owned by the caller; null when the host has none.
    virtual std::unique_ptr<AAX_IFeatureInfo> AcquireFeatureProperties(const acfUID& feature) const = 0;
};
