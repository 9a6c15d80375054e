#include "kro-core/vst3/editor/KROGuiEditorVST3.h"

#include "platform/testing/FakePlatform.h"
#include "testhosts/vst3/EditorPlugFrame.h"
#include "testhosts/vst3/HostRunLoop.h"
#include "testhosts/vst3/RecordingComponentHandler.h"
#include "kro-core/vst3/plugin/KROVST3EditController.h"

#include "toolkit/CBitmap.h"
#include "toolkit/CFrame.h"
#include "toolkit/CKickButton.h"
#include "toolkit/CVSTGUITimer.h"
#include "toolkit/PlatformBitmap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

void* const kParentWindow = reinterpret_cast<void*>(uintptr_t{0x1234});

// The framework editor with a 100 x 50 face, recording what reaches it.
class TestEditor : public CKROGuiEditor
{
public:
    explicit TestEditor(void* effect)
        : CKROGuiEditor(effect), face(new VSTGUI::CBitmap(VSTGUI::PlatformBitmap::create(100, 50)))
    {
        UpdateSizeFromBackground();
    }
    ~TestEditor() override { face->forget(); }

    void UpdateSizeFromBackground() override
    {
        backgroundBitmap = face;
        SetEditorRect(face->getWidth(), face->getHeight());
    }
    bool open(void* openFrame) override
    {
        ++opens;
        frame = static_cast<VSTGUI::CFrame*>(openFrame);
        return CKROGuiEditor::open(openFrame);
    }
    void close() override
    {
        if (frame)
            frame->close();
        frame = nullptr;
        CKROGuiEditor::close();
    }
    void setParameter(int32_t index, float value) override { shown.emplace_back(index, value); }
    void OnControllerConnected() override { ++connections; }
    bool OpenHelp() override { return true; }

    int opens = 0;
    int connections = 0;
    std::vector<std::pair<int32_t, float>> shown;

private:
    VSTGUI::CBitmap* face;
};

// The view with its frame offscreen, in place of the host's X11 window.
class OffscreenEditorView final : public CKROGuiEditorVST3<TestEditor>
{
public:
    static constexpr int32 kFlagCount = 9;
    explicit OffscreenEditorView(CKROVST3EditController* controller) : CKROGuiEditorVST3(controller, kFlagCount) {}

protected:
    bool OpenFrame(VSTGUI::CFrame& frame, void*, VSTGUI::IRunLoop&) override
    {
        return frame.open(nullptr, VSTGUI::PlatformType::kOffscreen);
    }
};

// The framework controller with one host parameter, 2, for the edits of a control tagged 2.
class OneParameterController final : public CKROVST3EditController
{
public:
    static constexpr ParamID kParameter = 2;
    OneParameterController()
    {
        parameters.addParameter(STR16("Two"), nullptr, 0, 0, ParameterInfo::kCanAutomate, kParameter);
    }
};

class EditorViewVST3 : public ::testing::Test
{
protected:
    EditorViewVST3()
    {
        view = new OffscreenEditorView(controller);
        view->setFrame(&plugFrame);
    }
    ~EditorViewVST3() override
    {
        if (view)
            view->release();
        controller->release();
    }

    tresult attach() { return view->attached(kParentWindow, kPlatformTypeX11EmbedWindowID); }
    bool registeredWithController() { return controller->openHelp(false) == kResultOk; }

    platform::FakePlatform services;
    platform::ScopedPlatform installed{services};
    CKROVST3EditController* controller = new OneParameterController;
    HostRunLoop hostLoop;
    EditorPlugFrame plugFrame{&hostLoop};
    OffscreenEditorView* view = nullptr;
};

TEST_F(EditorViewVST3, AttachOpensTheEditorFitsTheHostStartsTheTimerAndThenRegisters)
{
    ViewRect size;
    ASSERT_EQ(view->getSize(&size), kResultTrue);
    EXPECT_EQ(size.getWidth(), 100);
    EXPECT_EQ(size.getHeight(), 50);

    ASSERT_EQ(attach(), kResultOk);
    EXPECT_EQ(view->opens, 1);
    ASSERT_NE(view->getFrame(), nullptr);
    ASSERT_EQ(plugFrame.Resizes().size(), 1u);
    EXPECT_EQ(plugFrame.Resizes()[0].getWidth(), 100);
    EXPECT_EQ(plugFrame.Resizes()[0].getHeight(), 50);
    ASSERT_EQ(hostLoop.Timers().size(), 1u);
    EXPECT_EQ(hostLoop.Timers().begin()->second, CKROVST3EditorView::kDefaultIdleRateMs);
    // Once, from the controller's registration, not again from the editor's own opening.
    EXPECT_EQ(view->connections, 1);
    EXPECT_TRUE(registeredWithController());
    // The editor's window timer stays off: the host's timer alone drives the tick.
    EXPECT_FALSE(view->Timer().IsRunning());
}

TEST_F(EditorViewVST3, TimerTicksReachTheEditorOnlyWhileAttached)
{
    ASSERT_EQ(attach(), kResultOk);
    view->MarkParameterChanged(3, 0.0);
    hostLoop.FireTimers();
    ASSERT_EQ(view->shown.size(), 1u);
    EXPECT_EQ(view->shown[0].first, 3);

    ASSERT_EQ(view->removed(), kResultOk);
    EXPECT_TRUE(hostLoop.Timers().empty());
    EXPECT_TRUE(hostLoop.Events().empty());
    EXPECT_EQ(view->getFrame(), nullptr);
    EXPECT_FALSE(registeredWithController());
    view->MarkParameterChanged(4, 0.0);
    hostLoop.FireTimers();
    EXPECT_EQ(view->shown.size(), 1u);

    // Attached again, it runs as before.
    ASSERT_EQ(attach(), kResultOk);
    hostLoop.FireTimers();
    EXPECT_EQ(view->shown.size(), 2u);
    EXPECT_EQ(view->opens, 2);
}

TEST_F(EditorViewVST3, TheIdleRateIsSettableAndARunningTimerFollowsIt)
{
    ASSERT_EQ(attach(), kResultOk);
    EXPECT_TRUE(view->SetIdleRate(20));
    EXPECT_FALSE(view->SetIdleRate(0));
    EXPECT_EQ(view->GetIdleRate(), 20u);
    ASSERT_EQ(hostLoop.Timers().size(), 1u);
    EXPECT_EQ(hostLoop.Timers().begin()->second, 20u);
}

TEST_F(EditorViewVST3, AttachIsRefusedForMissingOrForeignWindowsAndWithoutTheHostsRunLoop)
{
    EXPECT_EQ(view->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID), kResultTrue);
    EXPECT_EQ(view->isPlatformTypeSupported(kPlatformTypeHWND), kResultFalse);
    EXPECT_EQ(view->isPlatformTypeSupported(nullptr), kResultFalse);
    EXPECT_EQ(view->attached(nullptr, kPlatformTypeX11EmbedWindowID), kInvalidArgument);
    EXPECT_EQ(view->attached(kParentWindow, nullptr), kInvalidArgument);
    EXPECT_EQ(view->attached(kParentWindow, kPlatformTypeNSView), kInvalidArgument);

    EditorPlugFrame frameWithoutLoop(nullptr);
    view->setFrame(&frameWithoutLoop);
    EXPECT_EQ(attach(), kResultFalse);
    view->setFrame(nullptr);
    EXPECT_EQ(attach(), kResultFalse);

    EXPECT_EQ(view->opens, 0);
    EXPECT_FALSE(view->isAttached());
    EXPECT_FALSE(registeredWithController());
    EXPECT_EQ(VSTGUI::RunLoop::current(), nullptr);
}

TEST_F(EditorViewVST3, ASecondAttachAndARemovalWithoutAttachAreRefused)
{
    EXPECT_EQ(view->removed(), kResultFalse);
    ASSERT_EQ(attach(), kResultOk);
    EXPECT_EQ(attach(), kResultFalse);
    EXPECT_EQ(view->opens, 1);
    EXPECT_EQ(hostLoop.Timers().size(), 1u);
    EXPECT_EQ(view->removed(), kResultOk);
    EXPECT_EQ(view->removed(), kResultFalse);
}

TEST_F(EditorViewVST3, AViewReleasedWhileAttachedLeavesNothingOnTheHostsLoopOrTheController)
{
    ASSERT_EQ(attach(), kResultOk);
    view->release();
    view = nullptr;
    EXPECT_TRUE(hostLoop.Timers().empty());
    EXPECT_FALSE(registeredWithController());
    EXPECT_EQ(VSTGUI::RunLoop::current(), nullptr);
}

TEST_F(EditorViewVST3, TheHostMaySizeTheViewUpTo50PixelsLargerThanTheEditorNeverSmaller)
{
    const struct
    {
        ViewRect wanted;
        ViewRect allowed;
    } cases[] = {
        {ViewRect(0, 0, 90, 40), ViewRect(0, 0, 100, 50)},
        {ViewRect(10, 20, 190, 150), ViewRect(10, 20, 160, 120)},
        {ViewRect(0, 0, 120, 70), ViewRect(0, 0, 120, 70)},
        {ViewRect(5, 5, 0, 0), ViewRect(5, 5, 105, 55)},
    };
    for (const auto& c : cases)
    {
        ViewRect rect = c.wanted;
        EXPECT_EQ(view->checkSizeConstraint(&rect), kResultTrue);
        EXPECT_EQ(rect.left, c.allowed.left);
        EXPECT_EQ(rect.top, c.allowed.top);
        EXPECT_EQ(rect.right, c.allowed.right) << c.wanted.right;
        EXPECT_EQ(rect.bottom, c.allowed.bottom) << c.wanted.bottom;
    }
    EXPECT_EQ(view->checkSizeConstraint(nullptr), kInvalidArgument);
    EXPECT_EQ(view->onSize(nullptr), kInvalidArgument);
    EXPECT_EQ(view->canResize(), kResultFalse);
    EXPECT_EQ(view->onWheel(1.f), kResultFalse);
    EXPECT_EQ(view->onFocus(true), kResultFalse);
}

TEST_F(EditorViewVST3, TheFrameTakesTheSizeTheHostGivesWithinTheLimits)
{
    ASSERT_EQ(attach(), kResultOk);
    ViewRect larger(0, 0, 130, 60);
    EXPECT_EQ(view->onSize(&larger), kResultTrue);
    EXPECT_EQ(view->getFrame()->getWidth(), 130);
    EXPECT_EQ(view->getFrame()->getHeight(), 60);
    ViewRect kept;
    view->getSize(&kept);
    EXPECT_EQ(kept.right, 130);

    ViewRect huge(0, 0, 100000, 100000);
    EXPECT_EQ(view->onSize(&huge), kResultTrue);
    EXPECT_EQ(view->getFrame()->getWidth(), 150);
    EXPECT_EQ(view->getFrame()->getHeight(), 100);
}

TEST_F(EditorViewVST3, ZoomResizesFrameEditorAndHostWithinTheMaximum)
{
    ASSERT_EQ(attach(), kResultOk);
    view->SetZoomFactor(1.5f);
    EXPECT_EQ(view->GetZoomFactor(), 1.5f);
    ASSERT_EQ(plugFrame.Resizes().size(), 2u);
    EXPECT_EQ(plugFrame.Resizes()[1].getWidth(), 150);
    EXPECT_EQ(plugFrame.Resizes()[1].getHeight(), 75);
    ViewRect size;
    view->getSize(&size);
    EXPECT_EQ(size.getWidth(), 150);

    for (float refused :
         {2.5f, 0.f, -1.f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()})
    {
        view->SetZoomFactor(refused);
        EXPECT_EQ(view->GetZoomFactor(), 1.5f) << refused;
    }
    EXPECT_EQ(plugFrame.Resizes().size(), 2u);

    view->SetMaximumZoomFactor(1.25f);
    EXPECT_EQ(view->GetZoomFactor(), 1.25f);
    EXPECT_EQ(plugFrame.Resizes().back().getWidth(), 125);

    // Attached again, the new frame has the zoom the editor was closed with.
    ASSERT_EQ(view->removed(), kResultOk);
    ASSERT_EQ(attach(), kResultOk);
    EXPECT_EQ(view->GetZoomFactor(), 1.25f);
    EXPECT_EQ(view->getFrame()->getWidth(), 125);
    EXPECT_EQ(plugFrame.Resizes().back().getWidth(), 125);
    EXPECT_EQ(plugFrame.Resizes().back().getHeight(), 62);
}

TEST_F(EditorViewVST3, OnlyIndicesBelowTheFlagCountAreMarked)
{
    ASSERT_EQ(attach(), kResultOk);
    for (int32 index : {-1, 9, 8, 0})
        view->MarkParameterChanged(index, 0.5);
    hostLoop.FireTimers();
    std::vector<std::pair<int32_t, float>> expected = {{0, 0.f}, {8, 0.f}};
    EXPECT_EQ(view->shown, expected);
}

TEST_F(EditorViewVST3, OnlyTheIdleTimersMessageRunsTheTick)
{
    ASSERT_EQ(attach(), kResultOk);
    view->MarkParameterChanged(2, 0.0);
    EXPECT_EQ(view->notify(view, "something else"), VSTGUI::kMessageUnknown);
    EXPECT_EQ(view->notify(nullptr, VSTGUI::CVSTGUITimer::kMsgTimer), VSTGUI::kMessageUnknown);
    EXPECT_TRUE(view->shown.empty());
}

TEST_F(EditorViewVST3, ControlsEditThroughTheControllerBridge)
{
    RecordingComponentHandler handler;
    ASSERT_EQ(controller->setComponentHandler(&handler), kResultOk);
    auto* control = new VSTGUI::CKickButton(VSTGUI::CRect(0, 0, 10, 10), view, OneParameterController::kParameter);
    control->setValueNormalized(1.f);
    view->controlBeginEdit(control);
    view->valueChanged(control);
    view->controlEndEdit(control);
    control->forget();
    EXPECT_EQ(handler.calls, (std::vector<std::string>{"begin 2", "perform 2", "end 2"}));
    ASSERT_EQ(handler.values.size(), 1u);
    EXPECT_EQ(handler.values[0], 1.0);
    controller->setComponentHandler(nullptr);
}

} // namespace
