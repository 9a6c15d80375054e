#include "AAX_VTransport.h"

#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_Results.h"

AAX_VTransport::AAX_VTransport(IACFUnknown* host)
    : v1(AAX_QueryHost<AAX_IACFTransport_V1>(host, IID_AAX_IACFTransport_V1)),
      v2(AAX_QueryHost<AAX_IACFTransport_V2>(host, IID_AAX_IACFTransport_V2)),
      v3(AAX_QueryHost<AAX_IACFTransport_V3>(host, IID_AAX_IACFTransport_V3))
{}

AAX_Result AAX_VTransport::GetCurrentTempo(double* beatsPerMinute) const
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport_V1::GetCurrentTempo, beatsPerMinute);
}

AAX_Result AAX_VTransport::IsTransportPlaying(bool* playing) const
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport_V1::IsTransportPlaying, playing);
}

AAX_Result AAX_VTransport::GetTimeSignature(int32_t* numerator, int32_t* denominator) const
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFTransport_V2::GetTimeSignature, numerator, denominator);
}

AAX_Result AAX_VTransport::GetSampleClock(int64_t* sample) const
{
    return AAX_Forward(v3, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFTransport_V3::GetSampleClock, sample);
}

AAX_Result AAX_VTransport::HostOperation3(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport_V1::HostOperation, 3, arguments);
}

AAX_Result AAX_VTransport::HostOperation4(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport_V1::HostOperation, 4, arguments);
}

AAX_Result AAX_VTransport::HostOperation5(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport_V1::HostOperation, 5, arguments);
}

AAX_Result AAX_VTransport::HostOperation6(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport_V1::HostOperation, 6, arguments);
}

AAX_Result AAX_VTransport::HostOperation7(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport_V1::HostOperation, 7, arguments);
}

AAX_Result AAX_VTransport::HostOperation8(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport_V1::HostOperation, 8, arguments);
}

AAX_Result AAX_VTransport::HostOperation9(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport_V1::HostOperation, 9, arguments);
}

AAX_Result AAX_VTransport::HostOperation10(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport_V1::HostOperation, 10, arguments);
}

AAX_Result AAX_VTransport::HostOperation12(void* arguments)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFTransport_V2::HostOperation, 12, arguments);
}

AAX_Result AAX_VTransport::HostOperation13(void* arguments)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFTransport_V2::HostOperation, 13, arguments);
}

AAX_Result AAX_VTransport::HostOperation14(void* arguments)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFTransport_V2::HostOperation, 14, arguments);
}
