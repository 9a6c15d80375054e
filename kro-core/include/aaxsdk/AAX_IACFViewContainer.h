#pragma once

// The host's container for the plug-in's editor view.

#include "aaxsdk/AAX_ACF.h"

// A view size or position: vertical first.
struct AAX_Point
{
    float vert;
    float horz;
};

enum AAX_EViewContainer_Type : int32_t
{
    AAX_eViewContainer_Type_NULL = 0,
    // GetPtr is a native window the view opens in (an X11 window id on Linux).
    AAX_eViewContainer_Type_NativeWindow = 3,
};

class AAX_IACFViewContainer_V1 : public IACFUnknown
{
public:
    // UI thread, like every operation here.
    virtual int32_t GetType() = 0;
    virtual void* GetPtr() = 0;
    virtual AAX_Result GetModifiers(uint32_t* modifiers) = 0;
    virtual AAX_Result SetViewSize(AAX_Point& size) = 0;
    // The host's own operations, which nothing of the plug-in calls (see HostOperation in AAX_ACF.h).
    virtual AAX_Result HostOperation(int32_t slot, void* arguments) = 0;

protected:
    ~AAX_IACFViewContainer_V1() = default;
};

class AAX_IACFViewContainer_V2 : public IACFUnknown
{
public:
    virtual AAX_Result SetKeyFocus(bool wanted) = 0;
    // The host's own operations, which nothing of the plug-in calls (see HostOperation in AAX_ACF.h).
    virtual AAX_Result HostOperation(int32_t slot, void* arguments) = 0;

protected:
    ~AAX_IACFViewContainer_V2() = default;
};
