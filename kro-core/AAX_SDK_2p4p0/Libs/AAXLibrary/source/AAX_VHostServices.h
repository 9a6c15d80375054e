#pragma once

// The host's diagnostic services over whichever versions the host offers.

#include "AAX_HostPtr.h"
#include "AAX_IHostServices.h"
#include "aaxsdk/AAX_IACFHostServices.h"

class AAX_VHostServices : public AAX_IHostServices
{
public:
    // Main thread. Creates each version through the host's factory; a version the host lacks stays absent.
    explicit AAX_VHostServices(IACFUnknown* host);

    // Without version 3: AAX_ERROR_NULL_OBJECT.
    AAX_Result HandleAssertFailure(const char* file, int32_t line, const char* note, int32_t flags) const override;
    // Without version 1: AAX_ERROR_NULL_OBJECT.
    AAX_Result Trace(int32_t priority, const char* message) const override;
    // Without version 2: AAX_ERROR_UNIMPLEMENTED.
    AAX_Result FlushTrace() const override;

private:
    AAX_HostPtr<AAX_IACFHostServices_V1> v1;
    AAX_HostPtr<AAX_IACFHostServices_V2> v2;
    AAX_HostPtr<AAX_IACFHostServices_V3> v3;
};
