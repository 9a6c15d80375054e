#pragma once

// The plug-in's user interface as the host drives it, on the host's user-interface thread.

#include "aaxsdk/AAX_ACF.h"
#include "aaxsdk/AAX_IACFAutomationDelegate.h"
#include "aaxsdk/AAX_IACFDescription.h"
#include "aaxsdk/AAX_IACFViewContainer.h"
#include "aaxsdk/AAX_IString.h"

// An area of the view, in view coordinates.
struct AAX_Rect
{
    float top;
    float left;
    float width;
    float height;
};

class AAX_IACFEffectGUI : public IACFUnknown
{
public:
    virtual AAX_Result Initialize(IACFUnknown* controller) = 0;
    virtual AAX_Result Uninitialize() = 0;
    virtual AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) = 0;
    // A container opens the view in it; null closes the view.
    virtual AAX_Result SetViewContainer(IACFUnknown* viewContainer) = 0;
    virtual AAX_Result GetViewSize(AAX_Point* size) const = 0;
    virtual AAX_Result Draw(AAX_Rect* area) = 0;
    virtual AAX_Result TimerWakeup() = 0;
    virtual AAX_Result ParameterUpdated(AAX_CParamID id) = 0;
    virtual AAX_Result GetCustomLabel(AAX_CTypeID selector, AAX_IString* label) const = 0;
    virtual AAX_Result SetControlHighlightInfo(AAX_CParamID id, bool highlighted, int32_t colour) = 0;

protected:
    ~AAX_IACFEffectGUI() = default;
};

constexpr acfUID IID_AAX_IACFEffectGUI = {0x964E323D, 0x424C, 0x5E1A, {0x22, 0x27, 0x28, 0x24, 0x23, 0x22, 0x2E, 0x1E}};
