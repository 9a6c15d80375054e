#pragma once

// The host's automation of the plug-in's parameters. Value changes go to the host as requests;
// the host answers through the plug-in's own update operation.

#include "aaxsdk/AAX_ACF.h"

using AAX_CParamID = const char*;

class AAX_IACFAutomationDelegate : public IACFUnknown
{
public:
    // Main thread, like every operation here.
    virtual AAX_Result RegisterParameter(AAX_CParamID id) = 0;
    virtual AAX_Result UnregisterParameter(AAX_CParamID id) = 0;
    virtual AAX_Result PostSetValueRequest(AAX_CParamID id, double normalizedValue) = 0;
    virtual AAX_Result PostCurrentValue(AAX_CParamID id, double normalizedValue) = 0;
    virtual AAX_Result PostTouchRequest(AAX_CParamID id) = 0;
    virtual AAX_Result PostReleaseRequest(AAX_CParamID id) = 0;
    virtual AAX_Result GetTouchState(AAX_CParamID id, bool* touched) = 0;

protected:
    ~AAX_IACFAutomationDelegate() = default;
};
