#include "AAX_CEffectGUI_VST.h"

#include "toolkit/CFrame.h"
#include "aaxsdk/AAX_Results.h"

AAX_CEffectGUI_VST::~AAX_CEffectGUI_VST()
{
    ReleaseFrame();
}

AAX_Result AAX_CEffectGUI_VST::GetViewSize(AAX_Point* size) const
{
    if (frame && size)
    {
        size->horz = static_cast<float>(frame->getWidth());
        size->vert = static_cast<float>(frame->getHeight());
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI_VST::Draw(AAX_Rect* area)
{
    if (frame && area)
    {
        frame->invalidRect(VSTGUI::CRect(area->left, area->top, area->left + area->width, area->top + area->height));
        frame->paintInvalid();
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI_VST::CreateViewContainer()
{
    const int32_t type = GetViewContainerType();
    if (type == AAX_eViewContainer_Type_NativeWindow)
        return CreateEffectView(GetViewContainerPtr());
    return type;
}

AAX_Result AAX_CEffectGUI_VST::DeleteViewContainer()
{
    ReleaseFrame();
    return AAX_SUCCESS;
}

bool AAX_CEffectGUI_VST::OpenFrame(VSTGUI::CFrame& frame, void* nativeWindow)
{
    return nativeWindow && frame.open(nativeWindow, VSTGUI::PlatformType::kX11EmbedWindowID);
}

void AAX_CEffectGUI_VST::ReleaseFrame()
{
    if (!frame)
        return;
    VSTGUI::CFrame* closing = frame;
    frame = nullptr;
    closing->close();
}
