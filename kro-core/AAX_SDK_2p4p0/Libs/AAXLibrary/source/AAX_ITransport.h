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
    virtual AAX_Result GetTimeSignature(int32_t* numerator, int32_t* denominator) const = 0;
    virtual AAX_Result GetSampleClock(int64_t* sample) const = 0;
};
