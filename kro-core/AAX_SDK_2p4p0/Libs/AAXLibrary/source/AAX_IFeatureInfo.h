#pragma once

// The host's record of one feature it may support.

#include "AAX_IPropertyMap.h"

#include <memory>

class AAX_IFeatureInfo
{
public:
    virtual ~AAX_IFeatureInfo() = default;

    // Main thread, like every operation here.
    virtual AAX_Result SupportLevel(int32_t* level) const = 0;
    // Owned by the caller; null when the host has none to give.
    virtual std::unique_ptr<AAX_IPropertyMap> AcquireProperties() const = 0;
    virtual const acfUID& ID() const = 0;
};
