// Vireno's editor as the host's view: created by the controller, attached with a host's plug frame
// and run loop, ticking, zoomed by the host's content scale, removed; offscreen in process, and in
// a real X11 window when there is a server.

#include "VirenoTestHost.h"

#include "testhosts/vst3/EditorPlugFrame.h"
#include "testhosts/vst3/HostRunLoop.h"
#include "tuner/vst3/KROVirenoEditController.h"
#include "tuner/vst3/KROVirenoGUIEditorVST3.h"
#include "VirenoOffscreenEditor.h"
#include "testhosts/x11/X11TopWindow.h"

#include "toolkit/CFrame.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

class VirenoEditorView : public VirenoTest
{
protected:
    void SetUp() override
    {
        instance = CreateVireno();
        ASSERT_NE(instance, nullptr);
        controller = static_cast<CKROVirenoEditController*>(instance->controller());
    }
    void TearDown() override
    {
        if (view)
            view->release();
    }

    OffscreenVirenoEditor& OffscreenView()
    {
        view = new OffscreenVirenoEditor(controller);
        view->setFrame(&plugFrame);
        return static_cast<OffscreenVirenoEditor&>(*view);
    }
    ViewRect Size()
    {
        ViewRect size;
        view->getSize(&size);
        return size;
    }

    std::unique_ptr<Vst3PluginInstance> instance;
    CKROVirenoEditController* controller = nullptr;
    HostRunLoop hostLoop;
    EditorPlugFrame plugFrame{&hostLoop};
    IPlugView* view = nullptr;
};

TEST_F(VirenoEditorView, TheControllerCreatesTheEditorWithContentScalingForTheNameEditorOnly)
{
    EXPECT_EQ(controller->createView("other"), nullptr);
    EXPECT_EQ(controller->createView(nullptr), nullptr);
    view = controller->createView(ViewType::kEditor);
    ASSERT_NE(view, nullptr);
    FUnknownPtr<IPlugViewContentScaleSupport> scaling(view);
    EXPECT_TRUE(scaling);
    FUnknownPtr<IPlugView> plugView(view);
    EXPECT_EQ(plugView.getInterface(), view);
    // The view has the face's size before it is attached.
    EXPECT_GT(Size().getWidth(), 0);
    EXPECT_GT(Size().getHeight(), 0);
    EXPECT_EQ(view->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID), kResultTrue);
}

TEST_F(VirenoEditorView, AttachedItTicksEvery20MsAndReceivesThePresetsItAsksFor)
{
    OffscreenVirenoEditor& editor = OffscreenView();
    ASSERT_EQ(view->attached(reinterpret_cast<void*>(uintptr_t{1}), kPlatformTypeX11EmbedWindowID), kResultOk);
    ASSERT_EQ(hostLoop.Timers().size(), 1u);
    EXPECT_EQ(hostLoop.Timers().begin()->second, 20u);
    // The request goes out once the editor is registered, so the effect's answer reaches it.
    EXPECT_EQ(editor.FactoryPresetNames(), (std::vector<std::string>{"Default"}));
    for (int tick = 0; tick < 5; ++tick)
        hostLoop.FireTimers();
    EXPECT_EQ(view->removed(), kResultOk);
    EXPECT_TRUE(hostLoop.Timers().empty());
}

TEST_F(VirenoEditorView, AContentScaleFactorZoomsTheEditorAndAsksTheHostForTheScaledSize)
{
    OffscreenVirenoEditor& editor = OffscreenView();
    const ViewRect face = Size();
    // Hosts may scale before they attach: the factor applies once the editor is open.
    FUnknownPtr<IPlugViewContentScaleSupport> scaling(view);
    EXPECT_EQ(scaling->setContentScaleFactor(1.5f), kResultOk);
    ASSERT_EQ(view->attached(reinterpret_cast<void*>(uintptr_t{1}), kPlatformTypeX11EmbedWindowID), kResultOk);
    EXPECT_EQ(editor.GetZoomFactor(), 1.5f);
    ASSERT_FALSE(plugFrame.Resizes().empty());
    EXPECT_EQ(plugFrame.Resizes().back().getWidth(), face.getWidth() * 3 / 2);
    EXPECT_EQ(plugFrame.Resizes().back().getHeight(), face.getHeight() * 3 / 2);
    EXPECT_EQ(Size().getWidth(), face.getWidth() * 3 / 2);

    const size_t resizes = plugFrame.Resizes().size();
    EXPECT_EQ(scaling->setContentScaleFactor(1.5f), kResultOk);
    EXPECT_EQ(plugFrame.Resizes().size(), resizes);

    // Above the maximum zoom: kept, but nothing changes on screen.
    EXPECT_EQ(scaling->setContentScaleFactor(2.5f), kResultOk);
    EXPECT_EQ(editor.GetContentScaleFactor(), 2.5f);
    EXPECT_EQ(editor.GetZoomFactor(), 1.5f);
    EXPECT_EQ(plugFrame.Resizes().size(), resizes);

    for (float refused : {kNaN, 0.f, -1.f, std::numeric_limits<float>::infinity()})
    {
        EXPECT_EQ(scaling->setContentScaleFactor(refused), kResultOk);
        EXPECT_EQ(editor.GetContentScaleFactor(), 2.5f) << refused;
    }
    EXPECT_EQ(editor.GetZoomFactor(), 1.5f);

    EXPECT_EQ(scaling->setContentScaleFactor(1.f), kResultOk);
    EXPECT_EQ(editor.GetZoomFactor(), 1.f);
    EXPECT_EQ(plugFrame.Resizes().back().getWidth(), face.getWidth());
}

TEST_F(VirenoEditorView, AttachedToAnX11WindowItEmbedsTicksAndLeavesWhenRemoved)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    std::string error;
    const auto window = X11TopWindow::Open("VST3 host", 400, 300, error);
    ASSERT_NE(window, nullptr) << error;
    view = controller->createView(ViewType::kEditor);
    ASSERT_NE(view, nullptr);
    view->setFrame(&plugFrame);
    // A window the server does not know opens nothing and leaves nothing behind.
    void* noSuchWindow = reinterpret_cast<void*>(uintptr_t{0x7ffffff});
    EXPECT_EQ(view->attached(noSuchWindow, kPlatformTypeX11EmbedWindowID), kResultFalse);
    EXPECT_TRUE(hostLoop.Timers().empty());
    EXPECT_TRUE(hostLoop.Events().empty());

    ASSERT_EQ(view->attached(window->NativeWindow(), kPlatformTypeX11EmbedWindowID), kResultOk);
    EXPECT_EQ(window->ChildCount(), 1);
    EXPECT_FALSE(hostLoop.Events().empty());
    hostLoop.ServeEvents(100);
    hostLoop.FireTimers();
    hostLoop.ServeEvents(20);
    EXPECT_EQ(view->removed(), kResultOk);
    EXPECT_EQ(window->ChildCount(), 0);
    EXPECT_TRUE(hostLoop.Timers().empty());
    EXPECT_TRUE(hostLoop.Events().empty());
}

} // namespace
