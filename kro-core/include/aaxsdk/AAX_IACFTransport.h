#pragma once

// The host's transport: tempo, play state and position.

#include "aaxsdk/AAX_ACF.h"

class AAX_IACFTransport_V1 : public IACFUnknown
{
public:
    // Audio or main thread, like every operation here.
    virtual AAX_Result GetCurrentTempo(double* beatsPerMinute) = 0;
    virtual AAX_Result IsTransportPlaying(bool* playing) = 0;
    // The host's own operations, which nothing of the plug-in calls (see HostOperation in AAX_ACF.h).
    virtual AAX_Result HostOperation(int32_t slot, void* arguments) = 0;

protected:
    ~AAX_IACFTransport_V1() = default;
};

class AAX_IACFTransport_V2 : public IACFUnknown
{
public:
    virtual AAX_Result GetTimeSignature(int32_t* numerator, int32_t* denominator) = 0;
    // The host's own operations, which nothing of the plug-in calls (see HostOperation in AAX_ACF.h).
    virtual AAX_Result HostOperation(int32_t slot, void* arguments) = 0;

protected:
    ~AAX_IACFTransport_V2() = default;
};

class AAX_IACFTransport_V3 : public IACFUnknown
{
public:
    virtual AAX_Result GetSampleClock(int64_t* sample) = 0;

protected:
    ~AAX_IACFTransport_V3() = default;
};
