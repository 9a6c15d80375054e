#pragma once

// The host's transport as the plug-in reads it.

#include "aaxsdk/AAX_ACF.h"

class AAX_ITransport
{
public:
    virtual ~AAX_ITransport() = default;

    // Audio or main thread, like every operation here.
    virtual AAX_Result GetCurrentTempo(double* beatsPerMinute) const = 0;
    virtual AAX_Result IsTransportPlaying(bool* playing) const = 0;
    // The host's own operations, in their places among the others (see HostOperation in
    // AAX_ACF.h); the arguments are the host's.
    virtual AAX_Result HostOperation3(void* arguments) = 0;
    virtual AAX_Result HostOperation4(void* arguments) = 0;
    virtual AAX_Result HostOperation5(void* arguments) = 0;
    virtual AAX_Result HostOperation6(void* arguments) = 0;
    virtual AAX_Result HostOperation7(void* arguments) = 0;
    virtual AAX_Result HostOperation8(void* arguments) = 0;
    virtual AAX_Result HostOperation9(void* arguments) = 0;
    virtual AAX_Result HostOperation10(void* arguments) = 0;
    virtual AAX_Result GetTimeSignature(int32_t* numerator, int32_t* denominator) const = 0;
    virtual AAX_Result HostOperation12(void* arguments) = 0;
    virtual AAX_Result HostOperation13(void* arguments) = 0;
    virtual AAX_Result HostOperation14(void* arguments) = 0;
    virtual AAX_Result GetSampleClock(int64_t* sample) const = 0;
};
