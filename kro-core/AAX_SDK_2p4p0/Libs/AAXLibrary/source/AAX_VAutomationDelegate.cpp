#include "AAX_VAutomationDelegate.h"

#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_Results.h"

AAX_VAutomationDelegate::AAX_VAutomationDelegate(IACFUnknown* host)
    : v1(AAX_QueryHost<AAX_IACFAutomationDelegate>(host, IID_AAX_IACFAutomationDelegate))
{}

AAX_Result AAX_VAutomationDelegate::RegisterParameter(AAX_CParamID id)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFAutomationDelegate::RegisterParameter, id);
}

AAX_Result AAX_VAutomationDelegate::UnregisterParameter(AAX_CParamID id)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFAutomationDelegate::UnregisterParameter, id);
}

AAX_Result AAX_VAutomationDelegate::PostSetValueRequest(AAX_CParamID id, double normalizedValue) const
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFAutomationDelegate::PostSetValueRequest, id,
                       normalizedValue);
}

AAX_Result AAX_VAutomationDelegate::PostCurrentValue(AAX_CParamID id, double normalizedValue) const
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFAutomationDelegate::PostCurrentValue, id, normalizedValue);
}

AAX_Result AAX_VAutomationDelegate::PostTouchRequest(AAX_CParamID id)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFAutomationDelegate::PostTouchRequest, id);
}

AAX_Result AAX_VAutomationDelegate::PostReleaseRequest(AAX_CParamID id)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFAutomationDelegate::PostReleaseRequest, id);
}

AAX_Result AAX_VAutomationDelegate::GetTouchState(AAX_CParamID id, bool* touched)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFAutomationDelegate::GetTouchState, id, touched);
}
