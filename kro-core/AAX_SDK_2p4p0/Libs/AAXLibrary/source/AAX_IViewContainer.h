#pragma once

// The host's container of the editor view, as the GUI base calls it.

#include "aaxsdk/AAX_IACFViewContainer.h"

class AAX_IViewContainer
{
public:
    virtual ~AAX_IViewContainer() = default;

    // UI thread, like every operation here.
    virtual int32_t GetType() = 0;
    virtual void* GetPtr() = 0;
    virtual AAX_Result GetModifiers(uint32_t* modifiers) = 0;
    virtual AAX_Result SetViewSize(AAX_Point& size) = 0;
    // The host's own operations, in their places among the others (see HostOperation in
    // AAX_ACF.h); the arguments are the host's.
    virtual AAX_Result HostOperation5(void* arguments) = 0;
    virtual AAX_Result HostOperation6(void* arguments) = 0;
    virtual AAX_Result HostOperation7(void* arguments) = 0;
    virtual AAX_Result SetKeyFocus(bool wanted) = 0;
    virtual AAX_Result HostOperation9(void* arguments) = 0;
    virtual AAX_Result HostOperation10(void* arguments) = 0;
};
