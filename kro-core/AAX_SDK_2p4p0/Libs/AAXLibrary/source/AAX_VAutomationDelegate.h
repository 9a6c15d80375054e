#pragma once

// The host's automation; every operation gives AAX_ERROR_NULL_OBJECT when the host offers none.

#include "AAX_HostPtr.h"
#include "AAX_IAutomationDelegate.h"

class AAX_VAutomationDelegate : public AAX_IAutomationDelegate
{
public:
    // Main thread. Asks the host object for its automation.
    explicit AAX_VAutomationDelegate(IACFUnknown* host);

    AAX_Result RegisterParameter(AAX_CParamID id) override;
    AAX_Result UnregisterParameter(AAX_CParamID id) override;
    AAX_Result PostSetValueRequest(AAX_CParamID id, double normalizedValue) const override;
    AAX_Result PostCurrentValue(AAX_CParamID id, double normalizedValue) const override;
    AAX_Result PostTouchRequest(AAX_CParamID id) override;
    AAX_Result PostReleaseRequest(AAX_CParamID id) override;
    AAX_Result GetTouchState(AAX_CParamID id, bool* touched) override;

private:
    AAX_HostPtr<AAX_IACFAutomationDelegate> v1;
};
