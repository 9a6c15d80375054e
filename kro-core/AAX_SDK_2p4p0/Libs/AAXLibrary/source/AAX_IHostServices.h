#pragma once

// The host's diagnostic services as the library calls them.

#include "aaxsdk/AAX_ACF.h"

class AAX_IHostServices
{
public:
    virtual ~AAX_IHostServices() = default;

    // Any thread, like every operation here.
    virtual AAX_Result HandleAssertFailure(const char* file, int32_t line, const char* note, int32_t flags) const = 0;
    virtual AAX_Result Trace(int32_t priority, const char* message) const = 0;
    virtual AAX_Result FlushTrace() const = 0;
};
