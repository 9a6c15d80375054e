#pragma once

#include "tuner/gui/CKROVirenoCtrlSet.h"
#include "tuner/gui/CKROVirenoGUIEditor.h"
#include "platform/testing/FakePlatform.h"
#include "kro-core/gui/testing/RecordingController.h"
#include "platform/testing/TemporaryFolder.h"
#include "tuner/plugin/TunerParameterIndex.h"
#include "toolkit/vstgui.h"

#include <gtest/gtest.h>

#include <memory>

// A tuner editor opened in an offscreen frame on fake platform services (the clock, the window
// timers, the clipboard and an application-data folder of the test's own), as a format adapter
// opens it: controller first, then the control set, then the frame.
class OpenEditorTest : public ::testing::Test
{
protected:
    explicit OpenEditorTest(int32_t firstIndex = 0) : P(firstIndex)
    {
        services.SetAppDataFolder(folder.Path().string());
        services.SetTickCount(1000);
    }
    ~OpenEditorTest() override { editor.reset(); }

    void Open(std::unique_ptr<Mevarik::IKROSDKController> controller)
    {
        editor = std::make_unique<CKROVirenoGUIEditor>(nullptr, P);
        editor->SetController(std::move(controller));
        editor->CreateControlSets(0);
        VSTGUI::ERect* rect = nullptr;
        editor->getRect(&rect);
        frame = new VSTGUI::CFrame(VSTGUI::CRect(0, 0, rect->right, rect->bottom), editor.get());
        frame->open(nullptr, VSTGUI::PlatformType::kOffscreen);
        ASSERT_TRUE(editor->open(frame));
    }
    // The recorder answers as an active effect, whose editor shows no overlay.
    void OpenWithRecorder()
    {
        auto owned = std::make_unique<RecordingController>();
        owned->values[static_cast<uint32_t>(P + TunerParameterIndex::kInstanceActive)] = 1.0;
        recorder = owned.get();
        Open(std::move(owned));
    }

    // One tick of the editor's 20 ms window timer.
    void Tick(uint32_t ms = 20)
    {
        services.AdvanceTickCount(ms);
        services.FireTimers();
    }

    CKROVirenoCtrlSet& controls() { return *editor->GetControlSet(); }
    VSTGUI::CControl& control(int32_t tag)
    {
        VSTGUI::CControl* found = controls().FindControl(tag);
        EXPECT_NE(found, nullptr) << tag;
        return *found;
    }
    // What a click on a control reports: a switch flips and reports, a push button reports the
    // press and the release.
    void Click(int32_t tag)
    {
        VSTGUI::CControl& c = control(tag);
        if (dynamic_cast<VSTGUI::CKickButton*>(&c))
        {
            c.setValue(1.f);
            c.valueChanged();
            c.setValue(0.f);
            c.valueChanged();
            return;
        }
        c.setValue(c.getValue() == 1.f ? 0.f : 1.f);
        c.valueChanged();
    }

    const int32_t P;
    platform::testing::TemporaryFolder folder;
    platform::FakePlatform services;
    platform::ScopedPlatform installed{services};
    std::unique_ptr<CKROVirenoGUIEditor> editor;
    VSTGUI::CFrame* frame = nullptr;         // the editor's
    RecordingController* recorder = nullptr; // the editor's
};
