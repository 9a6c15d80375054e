#pragma once

#include "toolkit/CFrame.h"
#include "toolkit/VstKeyCode.h"

#include <cstdint>

class AAX_IEffectParameters;

// The frame of an AAX editor. A key the editor does not use goes back to the host's window as the
// key-down message a host window receives, with the key's Windows virtual-key code.
class VSTGUI_ContentView : public VSTGUI::CFrame
{
public:
    VSTGUI_ContentView(const VSTGUI::CRect& size, VSTGUI::VSTGUIEditorInterface* editor,
                       AAX_IEffectParameters* effectParameters);

    // UI thread. 1 when the frame used the key or the host's window was sent it, else 0.
    int32_t onKeyDown(VSTGUI::VstKeyCode& key) override;

    AAX_IEffectParameters* GetEffectParameters() const { return effectParameters; }

    // The Windows virtual-key code of a frame virtual key; 0 for none.
    static uint32_t WindowsVirtualKey(unsigned char virtualKey);

protected:
    // The platform's posting of a key-down message to the host window. On X11 it is a client
    // message to that window: WM_KEYDOWN (0x0100), the virtual key and 0.
    virtual bool PostKeyDownToHost(void* hostWindow, uint32_t virtualKey);

private:
    AAX_IEffectParameters* effectParameters; // not owned
};
