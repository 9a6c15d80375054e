#pragma once

#include "AAX_CEffectGUI.h"

namespace VSTGUI {
class CFrame;
}

// The GUI base with a toolkit frame: the frame's size for the host, drawing, and a view in the
// host's native window (an X11 window id on Linux), where the frame opens as a child window.
class AAX_CEffectGUI_VST : public AAX_CEffectGUI
{
public:
    // Releases a frame that is still open.
    ~AAX_CEffectGUI_VST() override;

    // UI thread. The frame's width and height; the point stays as it was without a frame.
    AAX_Result GetViewSize(AAX_Point* size) const override;
    // UI thread. The frame redraws the area.
    AAX_Result Draw(AAX_Rect* area) override;

protected:
    // A native window opens the view through CreateEffectView; any other container type opens
    // nothing and is returned as the result.
    AAX_Result CreateViewContainer() override;
    // Releases the frame.
    AAX_Result DeleteViewContainer() override;
    // The product creates its frame, remembers it with SetFrame and opens it with OpenFrame.
    virtual AAX_Result CreateEffectView(void* nativeWindow) = 0;

    VSTGUI::CFrame* GetFrame() const { return frame; }
    void SetFrame(VSTGUI::CFrame* newFrame) { frame = newFrame; }
    // Opens the frame as a child of the native window, on the toolkit's current run loop.
    static bool OpenFrame(VSTGUI::CFrame& frame, void* nativeWindow);

private:
    void ReleaseFrame();

    VSTGUI::CFrame* frame = nullptr; // one reference while a view exists
};
