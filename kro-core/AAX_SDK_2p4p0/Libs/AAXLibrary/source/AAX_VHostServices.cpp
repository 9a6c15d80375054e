#include "AAX_VHostServices.h"

#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_Results.h"

AAX_VHostServices::AAX_VHostServices(IACFUnknown* host)
{
    const AAX_HostPtr<IACFComponentFactory> factory = AAX_QueryComponentFactory(host);
    v1 = AAX_CreateHostObject<AAX_IACFHostServices_V1>(factory.Get(), CLSID_AAX_HostServices,
                                                       IID_AAX_IACFHostServices_V1);
    v2 = AAX_CreateHostObject<AAX_IACFHostServices_V2>(factory.Get(), CLSID_AAX_HostServices,
                                                       IID_AAX_IACFHostServices_V2);
    v3 = AAX_CreateHostObject<AAX_IACFHostServices_V3>(factory.Get(), CLSID_AAX_HostServices,
                                                       IID_AAX_IACFHostServices_V3);
}

AAX_Result AAX_VHostServices::HandleAssertFailure(const char* file, int32_t line, const char* note, int32_t flags) const
{
    return AAX_Forward(v3, AAX_ERROR_NULL_OBJECT, &AAX_IACFHostServices_V3::HandleAssertFailure, file, line, note,
                       flags);
}

AAX_Result AAX_VHostServices::Trace(int32_t priority, const char* message) const
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFHostServices_V1::Trace, priority, message);
}

AAX_Result AAX_VHostServices::FlushTrace() const
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFHostServices_V2::FlushTrace);
}
