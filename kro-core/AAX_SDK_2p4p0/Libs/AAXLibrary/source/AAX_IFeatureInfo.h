#pragma once

// The host's record of one feature it may support.

#include "aaxsdk/AAX_ACF.h"

class AAX_IFeatureInfo
{
public:
    virtual ~AAX_IFeatureInfo() = default;

    // Main thread, like every operation here.
    virtual AAX_Result SupportLevel(int32_t* level) const = 0;
    virtual const acfUID& ID() const = 0;
};
