#pragma once

// The host's transport over whichever versions it offers: a missing first version gives
// AAX_ERROR_NULL_OBJECT, a later one AAX_ERROR_UNIMPLEMENTED.

#include "AAX_HostPtr.h"
#include "AAX_ITransport.h"
#include "aaxsdk/AAX_IACFTransport.h"

class AAX_VTransport : public AAX_ITransport
{
public:
    // Main thread. Asks the host object for each version.
    explicit AAX_VTransport(IACFUnknown* host);

    AAX_Result GetCurrentTempo(double* beatsPerMinute) const override;
    AAX_Result IsTransportPlaying(bool* playing) const override;
    AAX_Result HostOperation3(void* arguments) override;
    AAX_Result HostOperation4(void* arguments) override;
    AAX_Result HostOperation5(void* arguments) override;
    AAX_Result HostOperation6(void* arguments) override;
    AAX_Result HostOperation7(void* arguments) override;
    AAX_Result HostOperation8(void* arguments) override;
    AAX_Result HostOperation9(void* arguments) override;
    AAX_Result HostOperation10(void* arguments) override;
    AAX_Result GetTimeSignature(int32_t* numerator, int32_t* denominator) const override;
    AAX_Result HostOperation12(void* arguments) override;
    AAX_Result HostOperation13(void* arguments) override;
    AAX_Result HostOperation14(void* arguments) override;
    AAX_Result GetSampleClock(int64_t* sample) const override;

private:
    AAX_HostPtr<AAX_IACFTransport_V1> v1;
    AAX_HostPtr<AAX_IACFTransport_V2> v2;
    AAX_HostPtr<AAX_IACFTransport_V3> v3;
};
