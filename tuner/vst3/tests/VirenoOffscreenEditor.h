#pragma once

// Vireno's editor with its frame offscreen, in place of the host's window.

#include "tuner/vst3/KROVirenoGUIEditorVST3.h"

#include "toolkit/CFrame.h"

class OffscreenVirenoEditor final : public Steinberg::Vst::CKROVirenoGUIEditorVST3
{
public:
    using CKROVirenoGUIEditorVST3::CKROVirenoGUIEditorVST3;

protected:
    bool OpenFrame(VSTGUI::CFrame& frame, void*, VSTGUI::IRunLoop&) override
    {
        return frame.open(nullptr, VSTGUI::PlatformType::kOffscreen);
    }
};
