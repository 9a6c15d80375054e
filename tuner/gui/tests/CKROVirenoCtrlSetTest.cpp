#include "EditorTestSupport.h"

#include "tuner/gui/CKROVirenoDisplay.h"

#include <cstring>
#include <limits>

using namespace VSTGUI;

namespace {

std::vector<float> readingValues(float deviation, int32_t note)
{
    std::vector<float> values(kTunerResultValueCount, 0.f);
    values[0] = deviation;
    values[3] = 0.8f;
    std::memcpy(&values[6], &note, sizeof note);
    return values;
}

class TunerControls : public OpenEditorTest
{
protected:
    explicit TunerControls(int32_t firstIndex = 0) : OpenEditorTest(firstIndex) { OpenWithRecorder(); }

    const TunerResultBlock& shownReading() { return controls().GetDisplay()->getReading(); }
};

TEST_F(TunerControls, TheDisplayAsksAtMostEvery40MsSkipsTheFirstRefreshAndDrawsOnlyWholeReadings)
{
    recorder->displayReplies = {readingValues(0.3f, 7), {0.5f}, {}, readingValues(-0.2f, 2)};
    Tick(); // 1020: the first refresh, skipped though a reading is ready
    EXPECT_TRUE(recorder->displayRequests.empty());
    Tick(); // 1040: 20 ms after the skipped one
    EXPECT_TRUE(recorder->displayRequests.empty());
    Tick(); // 1060
    ASSERT_EQ(recorder->displayRequests.size(), 1u);
    EXPECT_EQ(recorder->displayRequests[0].channel, 0);
    EXPECT_EQ(recorder->displayRequests[0].countHint, 19);
    EXPECT_FLOAT_EQ(shownReading().needleDeviation, -0.3f) << "drawn the other way round";
    EXPECT_EQ(shownReading().note, 7);
    EXPECT_FLOAT_EQ(shownReading().notePresentArc, 0.8f);

    Tick();
    EXPECT_EQ(recorder->displayRequests.size(), 1u) << "every second 20 ms tick at best";
    Tick();   // a reply of one value: no new reading
    Tick(40); // no block at all
    EXPECT_EQ(recorder->displayRequests.size(), 3u);
    EXPECT_EQ(shownReading().note, 7);
    Tick(40);
    EXPECT_FLOAT_EQ(shownReading().needleDeviation, 0.2f);
    EXPECT_EQ(shownReading().note, 2);
}

TEST_F(TunerControls, ALongerReplyGrowsTheBufferButIsNotDrawn)
{
    std::vector<float> longer = readingValues(0.4f, 5);
    longer.resize(25, 1.f);
    recorder->displayReplies = {{}, longer, readingValues(0.1f, 3)};
    for (int i = 0; i < 3; ++i)
        Tick(40);
    EXPECT_EQ(shownReading().note, 0);
    Tick(40);
    ASSERT_EQ(recorder->displayRequests.size(), 3u);
    EXPECT_EQ(recorder->displayRequests.back().countHint, 25) << "the grown capacity is the next hint";
    EXPECT_EQ(shownReading().note, 3);
}

TEST_F(TunerControls, TheOverlayOfAnInactiveEffectSaysSoAndStopsTheRefreshUntilItIsActive)
{
    recorder->replyEveryTime = true;
    recorder->displayReplies = {readingValues(0.f, 1)};
    const struct
    {
        double instanceActive;
        bool overlay;
    } cases[] = {{0.0, true}, {0.99, true}, {1.0, false}, {1.7, false}, {0.0, true}};
    for (const auto& c : cases)
    {
        recorder->values[8] = c.instanceActive;
        editor->MarkParameterChanged(8, 0.f);
        const size_t before = recorder->displayRequests.size();
        Tick(40);
        Tick(40);
        EXPECT_EQ(controls().IsOverlayShowing(), c.overlay) << c.instanceActive;
        EXPECT_EQ(recorder->displayRequests.size() > before, !c.overlay) << c.instanceActive;
        CViewContainer* overlay = controls().GetOverlay();
        ASSERT_EQ(overlay != nullptr, c.overlay);
        if (!overlay)
            continue;
        EXPECT_TRUE(controls().GetMainView()->isChild(overlay));
        auto* label = dynamic_cast<CTextLabel*>(overlay->getView(0));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->getText(), "You can run only one instance of Vireno");
        EXPECT_EQ(label->getViewSize(), CRect(10, 125, 442, 141));
        EXPECT_EQ(overlay->getNbViews(), 1u);
    }
    EXPECT_EQ(controls().GetMainView()->getNbViews(), 9u) << "one overlay at a time";
}

TEST_F(TunerControls, TheSettingsButtonOpensThePageAndClosingItStoresTheDefaultPresetOnce)
{
    CViewContainer* page = controls().GetSettingsPage();
    EXPECT_FALSE(page->isVisible());
    Click(CKROVirenoCtrlSet::kSettingsButtonTag);
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(recorder->messages.size(), 1u);

    // A real press and release on the close button at (420, 237).
    frame->platformOnMouseDown(CPoint(425, 240), CButtonState(kLButton));
    frame->platformOnMouseUp(CPoint(425, 240), CButtonState(kLButton));
    EXPECT_FALSE(page->isVisible());
    EXPECT_EQ(recorder->messages, (std::vector<std::string>{"CKROGetFactoryPresetsMessage", "SaveVRDefPreset"}));
    EXPECT_TRUE(recorder->sets.empty()) << "page buttons are no parameters";
}

struct RadioCase
{
    int32_t tag;
    int32_t parameterOffset;
    double sent;
};

class RadioRows : public TunerControls, public ::testing::WithParamInterface<int32_t>
{
protected:
    RadioRows() : TunerControls(GetParam()) {}
};

TEST_P(RadioRows, EachButtonSendsTheMiddleOfItsStepAndTheReturningValueSelectsIt)
{
    const RadioCase cases[] = {{15, 0, 0.0},       {16, 0, 1.0},       {17, 1, 0.0},       {18, 1, 1.0},
                               {19, 2, 1.0 / 12},  {22, 2, 7.0 / 12},  {24, 2, 11.0 / 12}, {25, 3, 1.0 / 22},
                               {30, 3, 11.0 / 22}, {35, 3, 21.0 / 22}, {36, 4, 0.0},       {37, 4, 1.0}};
    for (const RadioCase& c : cases)
    {
        recorder->sets.clear();
        Click(c.tag);
        ASSERT_EQ(recorder->sets.size(), 1u) << c.tag;
        EXPECT_EQ(recorder->sets[0].index, static_cast<uint32_t>(P + c.parameterOffset)) << c.tag;
        EXPECT_NEAR(recorder->sets[0].value, c.sent, 1e-6) << c.tag;

        recorder->values[static_cast<uint32_t>(P + c.parameterOffset)] = recorder->sets[0].value;
        editor->MarkParameterChanged(P + c.parameterOffset, 0.f);
        Tick();
        EXPECT_EQ(control(c.tag).getValue(), 1.f) << c.tag;
        EXPECT_FALSE(control(c.tag).getMouseEnabled()) << c.tag;
    }
    EXPECT_EQ(dynamic_cast<CMovieBitmap&>(control(39)).getCurrentImage(), 5);
    EXPECT_EQ(dynamic_cast<CMovieBitmap&>(control(40)).getCurrentImage(), 10);
}

TEST_P(RadioRows, TheMuteSwitchIsItsParameterWithEditGestures)
{
    CControl& mute = control(P + 6);
    mute.beginEdit();
    Click(P + 6);
    mute.endEdit();
    EXPECT_EQ(recorder->sets, (std::vector<RecordingController::ParameterSet>{{static_cast<uint32_t>(P + 6), 1.0}}));
    const std::string index = std::to_string(P + 6);
    EXPECT_EQ(recorder->edits, (std::vector<std::string>{"begin " + index, "end " + index}));
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, RadioRows, ::testing::Values(0, 1));

TEST_F(TunerControls, ValuesOutsideTheRangeSelectTheFirstOrLastButton)
{
    const struct
    {
        double value;
        int32_t selectedDrop;
        int32_t selectedReference;
    } cases[] = {{-0.5, 19, 25}, {1.5, 24, 35}, {std::numeric_limits<double>::quiet_NaN(), 19, 25}};
    for (const auto& c : cases)
    {
        recorder->values[2] = c.value;
        recorder->values[3] = c.value;
        editor->MarkParameterChanged(2, 0.f);
        editor->MarkParameterChanged(3, 0.f);
        Tick();
        EXPECT_EQ(control(c.selectedDrop).getValue(), 1.f) << c.value;
        EXPECT_EQ(control(c.selectedReference).getValue(), 1.f) << c.value;
    }
}

} // namespace
