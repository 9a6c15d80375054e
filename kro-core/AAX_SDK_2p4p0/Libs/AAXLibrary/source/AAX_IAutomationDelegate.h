#pragma once

// The host's parameter automation as parameters call it.

#include "aaxsdk/AAX_IACFAutomationDelegate.h"

class AAX_IAutomationDelegate
{
public:
    virtual ~AAX_IAutomationDelegate() = default;

    // Main thread, like every operation here.
    virtual AAX_Result RegisterParameter(AAX_CParamID id) = 0;
    virtual AAX_Result UnregisterParameter(AAX_CParamID id) = 0;
    virtual AAX_Result PostSetValueRequest(AAX_CParamID id, double normalizedValue) const = 0;
    virtual AAX_Result PostCurrentValue(AAX_CParamID id, double normalizedValue) const = 0;
    virtual AAX_Result PostTouchRequest(AAX_CParamID id) = 0;
    virtual AAX_Result PostReleaseRequest(AAX_CParamID id) = 0;
    virtual AAX_Result GetTouchState(AAX_CParamID id, bool* touched) = 0;
};
