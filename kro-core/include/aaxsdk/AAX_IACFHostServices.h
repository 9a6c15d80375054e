#pragma once

// The host's diagnostic services, one interface per version: trace output, flushing it, and the
// assertion report.

#include "aaxsdk/AAX_ACF.h"

class AAX_IACFHostServices_V1 : public IACFUnknown
{
public:
    // Any thread. One line of trace output at the given priority.
    virtual AAX_Result Trace(int32_t priority, const char* message) = 0;

protected:
    ~AAX_IACFHostServices_V1() = default;
};

class AAX_IACFHostServices_V2 : public IACFUnknown
{
public:
    // Any thread. Writes out what the trace output holds.
    virtual AAX_Result FlushTrace() = 0;

protected:
    ~AAX_IACFHostServices_V2() = default;
};

class AAX_IACFHostServices_V3 : public IACFUnknown
{
public:
    // Any thread. A failed assertion of the plug-in; the plug-in carries on after it.
    virtual AAX_Result HandleAssertFailure(const char* file, int32_t line, const char* note, int32_t flags) = 0;

protected:
    ~AAX_IACFHostServices_V3() = default;
};
