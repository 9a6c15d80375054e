#pragma once

#include "aaxsdk/AAX_IACFEffectParameters.h"

class AAX_IPageTable;
class AAX_IParameter;

// The library's effect-parameters interface: the host's newest version and what the library's own
// code asks of an effect besides.
class AAX_IEffectParameters : public AAX_IACFEffectParameters_V4
{
public:
    // Any host thread. The parameter object, or AAX_ERROR_INVALID_PARAMETER_ID and null.
    virtual AAX_Result GetParameter(AAX_CParamID id, AAX_IParameter** parameter) = 0;
    // Host's main thread. Fills a page table the host handed over through its wrapper.
    virtual AAX_Result UpdatePageTable(uint32_t tableType, int32_t pageSize, AAX_IPageTable& pageTable) const = 0;
    using AAX_IACFEffectParameters_V4::UpdatePageTable;

protected:
    ~AAX_IEffectParameters() = default;
};
