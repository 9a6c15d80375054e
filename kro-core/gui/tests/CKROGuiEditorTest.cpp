#include "kro-core/gui/CKROGuiEditor.h"

#include "platform/testing/FakePlatform.h"
#include "kro-core/gui/testing/RecordingController.h"
#include "toolkit/vstgui.h"

#include <boost/property_tree/ptree.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

using namespace VSTGUI;

namespace {

// The framework editor with a 100 x 50 background of its own, recording what it shows.
class TestEditor : public CKROGuiEditor
{
public:
    TestEditor() : CKROGuiEditor(nullptr), background(new CBitmap(PlatformBitmap::create(100, 50)))
    {
        UpdateSizeFromBackground();
    }
    ~TestEditor() override
    {
        if (frame)
            frame->close();
        background->forget();
    }

    void UpdateSizeFromBackground() override
    {
        backgroundBitmap = background;
        SetEditorRect(background->getWidth(), background->getHeight());
    }
    void setParameter(int32_t index, float value) override { shown.emplace_back(index, value); }

    void OpenOffscreenFrame()
    {
        frame = new CFrame(CRect(0, 0, 100, 50), this);
        frame->open(nullptr, PlatformType::kOffscreen);
    }
    bool HostAcceptsSize(CCoord width, CCoord) override { return width <= hostWidthLimit; }

    std::vector<std::pair<int32_t, float>> shown;
    CCoord hostWidthLimit = 10000;

private:
    CBitmap* background;
};

class EditorFramework : public ::testing::Test
{
protected:
    EditorFramework()
    {
        auto owned = std::make_unique<RecordingController>();
        controller = owned.get();
        editor.SetController(std::move(owned));
    }

    ERect rect()
    {
        ERect* out = nullptr;
        editor.getRect(&out);
        return *out;
    }

    platform::FakePlatform services;
    platform::ScopedPlatform installed{services};
    TestEditor editor;
    RecordingController* controller;
};

TEST_F(EditorFramework, TheTickShowsTheControllersLatestValueOfEachMarkedIndexOnce)
{
    controller->values = {{3, 0.25}, {9, 0.75}};
    editor.MarkParameterChanged(-1, 0.f);
    editor.MarkParameterChanged(10, 0.f);
    editor.MarkParameterChanged(3, 0.9f);
    editor.MarkParameterChanged(3, 0.1f);
    editor.MarkParameterChanged(9, 0.f);
    editor.idle();
    std::vector<std::pair<int32_t, float>> expected = {{3, 0.25f}, {9, 0.75f}};
    EXPECT_EQ(editor.shown, expected);
    EXPECT_EQ(controller->reads.size(), 2u);

    editor.idle();
    EXPECT_EQ(editor.shown.size(), 2u);
}

TEST_F(EditorFramework, ValuesOutside0To1FromTheControllerAreBroughtIntoRange)
{
    const struct
    {
        double answered;
        float shown;
    } cases[] = {{1.7, 1.f}, {-0.2, 0.f}, {std::numeric_limits<double>::quiet_NaN(), 0.f}, {0.5, 0.5f}};
    for (const auto& c : cases)
    {
        editor.shown.clear();
        controller->values[4] = c.answered;
        editor.MarkParameterChanged(4, 0.f);
        editor.idle();
        ASSERT_EQ(editor.shown.size(), 1u);
        EXPECT_EQ(editor.shown[0].second, c.shown) << c.answered;
    }
}

TEST_F(EditorFramework, WithoutAControllerTheTickDoesNothing)
{
    editor.SetController(nullptr);
    editor.MarkParameterChanged(2, 0.f);
    editor.idle();
    EXPECT_TRUE(editor.shown.empty());
}

TEST_F(EditorFramework, OpeningStartsTheTimerThatIdlesTheEditorAndClosingStopsIt)
{
    EXPECT_TRUE(editor.open(nullptr));
    EXPECT_TRUE(editor.IsOpen());
    ASSERT_EQ(services.RunningTimerCount(), 1u);
    EXPECT_EQ(services.TimerInterval(editor.Timer().TimerId()), 100u);

    controller->values[1] = 1.0;
    editor.MarkParameterChanged(1, 0.f);
    services.FireTimers();
    ASSERT_EQ(editor.shown.size(), 1u);

    editor.close();
    EXPECT_FALSE(editor.IsOpen());
    EXPECT_EQ(services.RunningTimerCount(), 0u);
    EXPECT_TRUE(KroGuiTimerList().empty());
}

TEST_F(EditorFramework, ControlsSetTheirParameterAndReportTheirEditGestures)
{
    CControl control(CRect(0, 0, 10, 10), &editor, 4);
    control.setValue(0.5f);
    control.beginEdit();
    control.valueChanged();
    control.endEdit();
    std::vector<RecordingController::ParameterSet> expected = {{4, 0.5}};
    EXPECT_EQ(controller->sets, expected);
    EXPECT_EQ(controller->edits, (std::vector<std::string>{"begin 4", "end 4"}));
}

boost::property_tree::ptree stateTree(const std::string& action)
{
    boost::property_tree::ptree tree;
    tree.put("PluginState.PluginInfo.Name", "Vireno");
    tree.put("PluginState.PluginInfo.Action", action);
    tree.put("PluginState.Parameters.Parameter.Value", "0.5");
    return tree;
}

TEST_F(EditorFramework, TheCopyButtonAsksTheEffectForItsStateAndOnlyAClipboardTreeIsCopied)
{
    CControl copy(CRect(0, 0, 10, 10), &editor, CKROGuiEditor::kCopyStateTag);
    copy.valueChanged();
    EXPECT_EQ(controller->messages, (std::vector<std::string>{"GtPlginState2GUIClipboard"}));
    EXPECT_TRUE(controller->sets.empty());

    editor.ReceiveStateTree(stateTree("GUIWantsUpdate"));
    boost::property_tree::ptree noInfo;
    noInfo.put("PluginState.Parameters", "");
    editor.ReceiveStateTree(noInfo);
    EXPECT_FALSE(services.Clipboard());

    editor.ReceiveStateTree(stateTree("Clipboard"));
    ASSERT_TRUE(services.Clipboard());
    EXPECT_NE(services.Clipboard()->find("\n  <PluginInfo>"), std::string::npos) << *services.Clipboard();
}

TEST_F(EditorFramework, APasteSendsTheClipboardsTreeBackAndNothingForBrokenOrMissingText)
{
    editor.ReceiveStateTree(stateTree("Clipboard"));
    CControl paste(CRect(0, 0, 10, 10), &editor, CKROGuiEditor::kPasteStateTag);
    paste.valueChanged();
    ASSERT_EQ(controller->trees.size(), 1u);
    EXPECT_EQ(controller->trees[0].get<std::string>("PluginState.PluginInfo.Action"), "Clipboard");
    EXPECT_EQ(controller->trees[0].get<std::string>("PluginState.Parameters.Parameter.Value"), "0.5");

    services.SetClipboard(std::string("<PluginState><unclosed>"));
    paste.valueChanged();
    services.SetClipboard(std::nullopt);
    paste.valueChanged();
    services.SetClipboard(std::string("<Other>text</Other>"));
    services.LockClipboard(true);
    paste.valueChanged();
    EXPECT_EQ(controller->trees.size(), 1u);

    services.LockClipboard(false);
    paste.valueChanged();
    EXPECT_EQ(controller->trees.size(), 2u) << "a tree that is not a state still goes to the effect";
    EXPECT_EQ(controller->sets.size(), 5u) << "the paste button's value goes out as a parameter";
}

TEST_F(EditorFramework, ZoomResizesFrameAndRectangleWithinTheMaximumAndTheHostsConsent)
{
    editor.SetZoomFactor(1.5f);
    EXPECT_EQ(editor.GetZoomFactor(), 0.f) << "no frame, no zoom";

    editor.OpenOffscreenFrame();
    editor.SetZoomFactor(1.5f);
    EXPECT_FLOAT_EQ(editor.GetZoomFactor(), 1.5f);
    EXPECT_EQ(rect().right, 150);
    EXPECT_EQ(rect().bottom, 75);

    editor.SetZoomFactor(2.5f);
    editor.SetZoomFactor(std::nanf(""));
    EXPECT_FLOAT_EQ(editor.GetZoomFactor(), 1.5f);

    editor.SetMaximumZoomFactor(1.2f);
    EXPECT_FLOAT_EQ(editor.GetZoomFactor(), 1.2f);
    EXPECT_EQ(rect().right, 120);

    editor.hostWidthLimit = 111;
    editor.SetZoomFactor(1.1f);
    editor.SetZoomFactor(1.15f);
    EXPECT_FLOAT_EQ(editor.GetZoomFactor(), 1.1f);
    EXPECT_EQ(rect().right, 110);
    EXPECT_NEAR(editor.getFrame()->getViewSize().getWidth(), 110, 1e-3);
}

TEST_F(EditorFramework, WithoutParameterInfoValuesConvertUnchanged)
{
    EXPECT_EQ(editor.NormalizedToPlain(2, 0.25), 0.25);
    EXPECT_EQ(editor.PlainToNormalized(2, 3.0), 3.0);
}

} // namespace
