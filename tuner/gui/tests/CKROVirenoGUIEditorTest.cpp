#include "EditorTestSupport.h"

#include "tuner/gui/CAboutView.h"
#include "tuner/gui/CKROVirenoGUIContainer.h"

using namespace VSTGUI;

namespace {

class TunerEditor : public OpenEditorTest
{};

TEST_F(TunerEditor, OpensAtTheFacesSizeTicksEvery20MsAndAsksForTheFactoryPresets)
{
    OpenWithRecorder();
    EXPECT_EQ(frame->getViewSize(), CRect(0, 0, 452, 266));
    EXPECT_TRUE(frame->isChild(controls().GetMainView()));
    EXPECT_TRUE(editor->IsOpen());
    ASSERT_EQ(services.RunningTimerCount(), 1u);
    EXPECT_EQ(services.TimerInterval(editor->Timer().TimerId()), 20u);
    EXPECT_EQ(recorder->messages, (std::vector<std::string>{"CKROGetFactoryPresetsMessage"}));
    for (uint32_t index = 0; index < 10; ++index)
        EXPECT_EQ(recorder->reads[index], 1) << index;
}

TEST_F(TunerEditor, TheFirstTickShowsTheControllersValuesOnButtonsAndIndicators)
{
    auto owned = std::make_unique<RecordingController>();
    owned->values = {{0, 1.0}, {2, 7.0 / 12}, {3, 1.0}, {6, 1.0}, {8, 1.0}};
    recorder = owned.get();
    Open(std::move(owned));
    EXPECT_EQ(control(16).getValue(), 0.f) << "nothing is shown before the tick";

    Tick();
    EXPECT_EQ(control(15).getValue(), 0.f);
    EXPECT_TRUE(control(15).getMouseEnabled());
    EXPECT_EQ(control(16).getValue(), 1.f);
    EXPECT_FALSE(control(16).getMouseEnabled()) << "the selected button cannot be switched off";
    EXPECT_EQ(dynamic_cast<CMovieBitmap&>(control(38)).getCurrentImage(), 1);
    EXPECT_EQ(control(22).getValue(), 1.f);
    EXPECT_EQ(dynamic_cast<CMovieBitmap&>(control(39)).getCurrentImage(), 3);
    EXPECT_EQ(control(35).getValue(), 1.f);
    EXPECT_EQ(dynamic_cast<CMovieBitmap&>(control(40)).getCurrentImage(), 10);
    EXPECT_EQ(control(17).getValue(), 1.f) << "display mode 0: needle";
    EXPECT_EQ(control(6).getValue(), 1.f) << "the mute switch follows its parameter";
    EXPECT_FALSE(controls().IsOverlayShowing());
}

TEST_F(TunerEditor, ClosingClosesTheFrameAndStopsTheTimerAndTheEditorOpensAgain)
{
    OpenWithRecorder();
    CViewContainer* mainView = controls().GetMainView();
    editor->close();
    EXPECT_FALSE(editor->IsOpen());
    EXPECT_EQ(editor->getFrame(), nullptr);
    EXPECT_EQ(services.RunningTimerCount(), 0u);
    EXPECT_FALSE(mainView->isAttached());
    EXPECT_NE(controls().FindControl(14), nullptr) << "the control set keeps its controls";

    frame = new CFrame(CRect(0, 0, 452, 266), editor.get());
    frame->open(nullptr, PlatformType::kOffscreen);
    ASSERT_TRUE(editor->open(frame));
    EXPECT_TRUE(frame->isChild(mainView));
    EXPECT_FALSE(editor->open(nullptr));
}

TEST_F(TunerEditor, AFrameStillHeldElsewhereIsOnlyLetGo)
{
    OpenWithRecorder();
    frame->remember();
    editor->close();
    EXPECT_EQ(frame->getNbReference(), 1);
    EXPECT_NE(frame->getPlatformFrame(), nullptr);
    frame->close();
}

TEST_F(TunerEditor, DestroyingTheControlSetsBeforeTheFrameLeavesTheViewsToTheFrame)
{
    OpenWithRecorder();
    editor->DestroyControlSets();
    EXPECT_EQ(editor->GetControlSet(), nullptr);
    Tick();
    EXPECT_TRUE(frame->getNbViews() > 0);
    frame->paintInvalid();
    editor->close();
}

TEST_F(TunerEditor, MakingTheControlSetsAgainReplacesThem)
{
    OpenWithRecorder();
    editor->close();
    editor->CreateControlSets(0);
    ASSERT_NE(editor->GetControlSet(), nullptr);
    Click(15);
    EXPECT_EQ(recorder->sets.back().index, 0u);
}

TEST(TunerEditors, ShareOneBitmapContainerThatTheLastOneDeletes)
{
    platform::FakePlatform services;
    platform::ScopedPlatform installed{services};
    auto first = std::make_unique<CKROVirenoGUIEditor>(nullptr, 0);
    CKROVirenoGUIContainer* shared = CKROVirenoGUIEditor::SharedContainer();
    ASSERT_NE(shared, nullptr);
    EXPECT_TRUE(shared->AllLoaded());
    auto second = std::make_unique<CKROVirenoGUIEditor>(nullptr, 0);
    EXPECT_EQ(CKROVirenoGUIEditor::SharedContainer(), shared);
    EXPECT_EQ(CKROVirenoGUIEditor::EditorCount(), 2);
    first.reset();
    EXPECT_EQ(CKROVirenoGUIEditor::SharedContainer(), shared);
    second.reset();
    EXPECT_EQ(CKROVirenoGUIEditor::SharedContainer(), nullptr);
    EXPECT_EQ(CKROVirenoGUIEditor::EditorCount(), 0);
}

TEST_F(TunerEditor, ReadsThePresetListsAndTheSelectedNumberAndIgnoresOtherTexts)
{
    OpenWithRecorder();
    editor->ReceiveDSPMessage("CKROSetFactoryPresetsMessage<CKROPRESET><CKROPRESETINFO>Vireno</CKROPRESETINFO>Default"
                              "<CKROPRESET>Drop D");
    editor->ReceiveDSPMessage("CKROSetUserPresetsMessage<CKROPRESET>Mine<CKROPRESET>Gig<CKROPRESET>Mine");
    EXPECT_EQ(editor->FactoryPresetNames(), (std::vector<std::string>{"Default", "Drop D"}));
    EXPECT_EQ(editor->UserPresets(), (std::map<std::string, int32_t>{{"Gig", 3}, {"Mine", 2}}));

    const struct
    {
        const char* text;
        int32_t number;
    } cases[] = {{"CKROSetSelectedPresetNumber12", 12}, {"CKROSetSelectedPresetNumber", 0},
                 {"CKROSetSelectedPresetNumber7", 7},   {"DSP2GUIString CKROSetSelectedPresetNumber3", 7},
                 {"something else entirely", 7},        {"CKROSetSelectedPresetNumberzz", 0}};
    for (const auto& c : cases)
    {
        editor->ReceiveDSPMessage(c.text);
        EXPECT_EQ(editor->SelectedPresetNumber(), c.number) << c.text;
    }
}

// The tuner's face has no preset menu; a layout that adds one gets the lists and the choice.
TEST_F(TunerEditor, APresetMenuListsThePresetsAndSendsTheChosenNumber)
{
    OpenWithRecorder();
    auto* menu = new COptionMenu(CRect(0, 0, 100, 20), editor.get(), CKROVirenoGUIEditor::kPresetMenuTag);
    controls().AddControl(CKROVirenoGUIEditor::kPresetMenuTag, menu);
    controls().GetMainView()->addView(menu);
    editor->ReceiveDSPMessage("CKROSetFactoryPresetsMessage<CKROPRESET>Default<CKROPRESET>Drop D");
    editor->ReceiveDSPMessage("CKROSetUserPresetsMessage<CKROPRESET>Mine<CKROPRESET>Gig");
    editor->ReceiveDSPMessage("CKROSetSelectedPresetNumber3");
    recorder->messages.clear();

    editor->FillPresetMenu();
    EXPECT_EQ(recorder->messages,
              (std::vector<std::string>{"CKROGetUserPresetsMessage", "CKROGetSelectedPresetNumber"}));
    ASSERT_EQ(menu->getNbEntries(), 5);
    EXPECT_TRUE(menu->getEntry(2)->isSeparator());
    // User presets are numbered in list order (Mine 2, Gig 3) and listed by name.
    EXPECT_EQ(menu->getCurrentEntry()->getTitle(), "Gig");

    const struct
    {
        int32_t entry;
        const char* sent;
    } cases[] = {
        {1, "CKROSetSelectedPresetNumber1"}, {3, "CKROSetSelectedPresetNumber3"}, {4, "CKROSetSelectedPresetNumber2"}};
    for (const auto& c : cases)
    {
        menu->setCurrent(c.entry);
        menu->valueChanged();
        EXPECT_EQ(recorder->messages.back(), c.sent) << c.entry;
    }
    EXPECT_EQ(editor->SelectedPresetNumber(), 2);
    EXPECT_TRUE(recorder->sets.empty()) << "the menu is no parameter";
}

TEST_F(TunerEditor, TheAboutAreaOpensTheAboutBoxThatAPlainLeftClickCloses)
{
    OpenWithRecorder();
    Click(CKROVirenoCtrlSet::kAboutAreaTag);
    ASSERT_TRUE(editor->IsAboutBoxShown());
    auto* about = dynamic_cast<CAboutView*>(frame->getModalView());
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->getText(), "Version 1.1.0");

    frame->platformOnMouseDown(CPoint(100, 100), CButtonState(kRButton));
    frame->platformOnMouseDown(CPoint(100, 100), CButtonState(kLButton | kShift));
    EXPECT_TRUE(editor->IsAboutBoxShown());
    frame->platformOnMouseDown(CPoint(100, 100), CButtonState(kLButton));
    EXPECT_FALSE(editor->IsAboutBoxShown());
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_TRUE(recorder->sets.empty()) << "the about area and box are no parameters";

    Click(CKROVirenoCtrlSet::kAboutAreaTag);
    EXPECT_TRUE(editor->IsAboutBoxShown()) << "it opens again";
}

TEST_F(TunerEditor, ClosingWithTheAboutBoxShownEndsIt)
{
    OpenWithRecorder();
    Click(CKROVirenoCtrlSet::kAboutAreaTag);
    editor->close();
    EXPECT_FALSE(editor->IsAboutBoxShown());
}

} // namespace

namespace {

class HandMovedClock : public IClock
{
public:
    uint32_t getTicks() const override { return now; }
    uint32_t now = 0;
};

// The whole chain a host runs: the system's window timers on the toolkit's run loop tick the
// editor, which shows what its controller reports.
TEST(TunerEditorOnARunLoop, TicksOnTheSystemsWindowTimers)
{
    HandMovedClock clock;
    StandaloneRunLoop loop(clock);
    RunLoop::setCurrent(&loop);
    {
        CKROVirenoGUIEditor editor(nullptr, 0);
        auto controller = std::make_unique<RecordingController>();
        controller->values = {{0, 1.0}, {8, 1.0}};
        editor.SetController(std::move(controller));
        editor.CreateControlSets(0);
        auto* frame = new CFrame(CRect(0, 0, 452, 266), &editor);
        frame->open(nullptr, PlatformType::kOffscreen);
        ASSERT_TRUE(editor.open(frame));
        CControl* bass = editor.GetControlSet()->FindControl(16);
        EXPECT_EQ(bass->getValue(), 0.f);
        clock.now += CKROVirenoGUIEditor::kTimerIntervalMs;
        loop.runOnce(0);
        EXPECT_EQ(bass->getValue(), 1.f);
        editor.close();
    }
    RunLoop::setCurrent(nullptr);
}

} // namespace
