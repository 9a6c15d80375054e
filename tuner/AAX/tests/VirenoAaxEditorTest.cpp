// Vireno's AAX editor side in process, on the simulated host: the GUI object, its controller
// bridge onto the effect, and the editor in an X11 window of the host's, ticking on the toolkit's
// run loop.

#include "tuner/gui/CKROVirenoCtrlSet.h"
#include "tuner/gui/CKROVirenoDisplay.h"
#include "kro-core/aax/editor/KROAAXController.h"
#include "kro-core/aax/KROAAXParamsIDsConverter.h"
#include "kro-core/plugin/KRODisplayDataBuffer.h"
#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "tuner/AAX/Source/KROVirenoEditorAAX.h"
#include "tuner/AAX/Source/KROVirenoPlugInAAX.h"
#include "kro-core/aax/editor/KRO_AAX_Control.h"
#include "kro-core/plugin/KroEditorMessages.h"
#include "testhosts/aax/SimEditor.h"
#include "testhosts/aax/SimHost.h"
#include "platform/testing/TemporaryFolder.h"
#include "tuner/plugin/TunerParameterIndex.h"
#include "aaxsdk/AAX_Results.h"

#include "toolkit/CFrame.h"
#include "toolkit/CViewContainer.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;
namespace msg = KroEditorMessages;
constexpr int32_t F = TunerParameterIndex::kFirstIndexAAX;

// One insert: its host, its effect and, once made, its GUI.
struct Insert
{
    SimHost host;
    AAX_IACFEffectParameters* parameters = nullptr;
    CKROVirenoPlugInAAX* adapter = nullptr;
    AAX_IACFEffectGUI* gui = nullptr;

    CKROVirenoEditorAAX& GUIObject() { return *dynamic_cast<CKROVirenoEditorAAX*>(gui); }
    CKROVirenoEditorAAX::Editor& Editor() { return GUIObject().GetEditor(); }
    CKROVirenoCtrlSet& Controls() { return *Editor().GetControlSet(); }

    void MakeEffect()
    {
        void* out = nullptr;
        ASSERT_EQ(CreateVirenoEffectParameters()->QueryInterface(IID_AAX_IACFEffectParameters, &out), ACF_OK);
        parameters = static_cast<AAX_IACFEffectParameters*>(out);
        adapter = dynamic_cast<CKROVirenoPlugInAAX*>(parameters);
        host.effectLink.SetEffect(parameters);
        ASSERT_EQ(parameters->Initialize(host.Unknown()), AAX_SUCCESS);
    }
    // As the host makes it: through the factory, initialised with the instance's host.
    void MakeGUI()
    {
        void* out = nullptr;
        ASSERT_EQ(CreateVirenoEffectGUI()->QueryInterface(IID_AAX_IACFEffectGUI, &out), ACF_OK);
        gui = static_cast<AAX_IACFEffectGUI*>(out);
        ASSERT_EQ(gui->Initialize(host.Unknown()), AAX_SUCCESS);
        host.effectLink.SetGUI(gui);
    }
    AAX_Result Show(void* window)
    {
        host.values.viewContainerType = AAX_eViewContainer_Type_NativeWindow;
        host.values.viewContainerWindow = window;
        return gui->SetViewContainer(host.ViewContainer());
    }
    void ReleaseGUI()
    {
        if (!gui)
            return;
        host.effectLink.SetGUI(nullptr);
        gui->Release();
        gui = nullptr;
    }
    void ReleaseEffect()
    {
        if (!parameters)
            return;
        parameters->Uninitialize();
        host.effectLink.SetEffect(nullptr);
        parameters->Release();
        parameters = nullptr;
        adapter = nullptr;
    }
    // Every host object back at its count, but the view container, which the host keeps.
    Strings Unbalanced() const
    {
        Strings unbalanced;
        for (const std::string& object : host.UnbalancedObjects())
            if (object.rfind("ViewContainer:", 0) != 0)
                unbalanced.push_back(object);
        return unbalanced;
    }
    // A tone through the effect as the host's render procedure hands it over.
    void Play(double hz, double seconds)
    {
        constexpr int32_t kBlock = 512;
        std::vector<float> in(kBlock), out(kBlock);
        const float* inputs[] = {in.data()};
        float* outputs[] = {out.data()};
        const int blocks = static_cast<int>(seconds * 48000.0 / kBlock);
        for (int b = 0; b < blocks; ++b)
        {
            for (int32_t i = 0; i < kBlock; ++i)
                in[size_t(i)] = float(0.5 * std::sin(2.0 * M_PI * hz * double(b * kBlock + i) / 48000.0));
            adapter->RenderAudio(inputs, outputs, kBlock, 1);
        }
    }
};

class VirenoAaxEditor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(setenv("XDG_CONFIG_HOME", settings.Path().c_str(), 1), 0);
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "no X server (DISPLAY is unset)";
        std::string error;
        window = SimEditorWindow::Open("Vireno AAX editor test", 480, 280, error);
        ASSERT_NE(window, nullptr) << error;
        first.MakeEffect();
    }
    void TearDown() override
    {
        for (Insert* insert : {&first, &second})
        {
            insert->ReleaseGUI();
            insert->ReleaseEffect();
            EXPECT_EQ(insert->Unbalanced(), Strings{});
        }
        window.reset();
        unsetenv("XDG_CONFIG_HOME");
    }
    void Tick(uint32_t ms = 100) { window->RunFor(ms); }
    void Press(Insert& insert, int32_t tag, float value = 1.0f)
    {
        VSTGUI::CControl* control = insert.Controls().FindControl(tag);
        ASSERT_NE(control, nullptr) << tag;
        control->setValue(value);
        control->valueChanged();
    }
    float ControlValue(Insert& insert, int32_t tag)
    {
        VSTGUI::CControl* control = insert.Controls().FindControl(tag);
        return control ? control->getValueNormalized() : -1.0f;
    }
    // Where the effect keeps Default.xml; empty while there is none.
    std::string DefaultFile() const
    {
        namespace fs = boost::filesystem;
        for (fs::recursive_directory_iterator it(settings.Path().string()), end; it != end; ++it)
            if (it->path().filename() == "Default.xml")
                return it->path().string();
        return "";
    }

    platform::testing::TemporaryFolder settings;
    std::unique_ptr<SimEditorWindow> window;
    Insert first;
    Insert second;
};

TEST_F(VirenoAaxEditor, OpensAndClosesTwiceOnOneInstanceAndStaysLinkedToTheEffect)
{
    first.MakeGUI();
    for (int round = 1; round <= 2; ++round)
    {
        SCOPED_TRACE(round);
        ASSERT_EQ(first.Show(window->NativeWindow()), AAX_SUCCESS);
        EXPECT_TRUE(first.Editor().IsOpen());
        EXPECT_TRUE(first.Editor().Timer().IsRunning());
        AAX_Point size{0.0f, 0.0f};
        first.gui->GetViewSize(&size);
        EXPECT_GT(size.horz, 100.0f);
        EXPECT_GT(size.vert, 100.0f);
        // The effect's link reaches the reopened editor: the mute set on the effect shows.
        const float mute = round == 1 ? 1.0f : 0.0f;
        EXPECT_EQ(first.parameters->SetParameterNormalizedValue("par7", mute), AAX_SUCCESS);
        Tick();
        EXPECT_EQ(ControlValue(first, F + TunerParameterIndex::kOutputMute), mute);

        ASSERT_EQ(first.gui->SetViewContainer(nullptr), AAX_SUCCESS);
        EXPECT_FALSE(first.Editor().IsOpen());
        EXPECT_FALSE(first.Editor().Timer().IsRunning());
        EXPECT_EQ(first.Editor().getFrame(), nullptr);
    }
}

TEST_F(VirenoAaxEditor, ASecondInstanceShowsTheSingleInstanceOverlay)
{
    second.MakeEffect();
    for (Insert* insert : {&first, &second})
    {
        insert->MakeGUI();
        ASSERT_EQ(insert->Show(window->NativeWindow()), AAX_SUCCESS);
    }
    Tick();
    EXPECT_FALSE(first.Controls().IsOverlayShowing());
    EXPECT_TRUE(second.Controls().IsOverlayShowing());
}

TEST_F(VirenoAaxEditor, AToneReachesTheDisplayAsItsNoteThroughTheBridge)
{
    first.MakeGUI();
    ASSERT_EQ(first.Show(window->NativeWindow()), AAX_SUCCESS);
    Tick();
    first.Play(110.0, 0.6); // the open A string
    Tick();
    const TunerResultBlock& reading = first.Controls().GetDisplay()->getReading();
    EXPECT_EQ(reading.note, 9);
    EXPECT_GT(reading.notePresentName, 0.0f);
    EXPECT_LT(std::fabs(reading.needleDeviation), 0.2f);
}

TEST_F(VirenoAaxEditor, ASettingsClickReachesTheEffectThroughTheHostAndComesBack)
{
    first.host.effectLink.answer = SimEffectLink::Answer::Queued;
    first.MakeGUI();
    ASSERT_EQ(first.Show(window->NativeWindow()), AAX_SUCCESS);
    Tick();
    const int32_t index = F + TunerParameterIndex::kDisplayMode;
    const std::string id = "par" + std::to_string(index);
    constexpr int32_t kSecondModeTag = 18; // the display mode's second button
    ASSERT_EQ(ControlValue(first, kSecondModeTag), 0.0f);
    first.host.ClearCalls();

    Press(first, kSecondModeTag);
    EXPECT_EQ(first.host.CallsOf("Automation."),
              (Strings{"Automation.PostTouchRequest(" + id + ")", "Automation.PostSetValueRequest(" + id + ", 1)",
                       "Automation.PostReleaseRequest(" + id + ")"}));
    EXPECT_EQ(first.host.effectLink.QueuedAnswers(), 1u);
    EXPECT_EQ(first.adapter->Effect()->GetParameterNormalized(index), 0.0f) << "nothing before the host answers";

    EXPECT_EQ(first.host.effectLink.DeliverQueued(), 1u);
    EXPECT_EQ(first.adapter->Effect()->GetParameterNormalized(index), 1.0f);
    Press(first, kSecondModeTag, 0.0f); // what the toolkit may show meanwhile; the effect decides
    Tick();
    EXPECT_EQ(ControlValue(first, kSecondModeTag), 1.0f);
}

TEST_F(VirenoAaxEditor, ClosingTheSettingsPageWritesDefaultXml)
{
    first.MakeGUI();
    ASSERT_EQ(first.Show(window->NativeWindow()), AAX_SUCCESS);
    // The effect wrote one when it started; it goes, and only the closing page writes it again.
    const std::string file = DefaultFile();
    ASSERT_NE(file, "");
    boost::filesystem::remove(file);
    Press(first, CKROVirenoCtrlSet::kSettingsButtonTag);
    EXPECT_EQ(DefaultFile(), "");
    Press(first, CKROVirenoCtrlSet::kSettingsCloseTag);
    EXPECT_EQ(DefaultFile(), file);
}

TEST_F(VirenoAaxEditor, TheViewContainerDecidesANewSize)
{
    first.MakeGUI();
    ASSERT_EQ(first.Show(window->NativeWindow()), AAX_SUCCESS);
    VSTGUI::CFrame* frame = first.Editor().getFrame();
    ASSERT_NE(frame, nullptr);
    const VSTGUI::CCoord width = frame->getWidth();
    const VSTGUI::CCoord height = frame->getHeight();

    first.host.ClearCalls();
    EXPECT_TRUE(first.Editor().ResizeEditor(VSTGUI::CRect(0, 0, width + 10, height + 20)));
    EXPECT_EQ(first.host.CallsOf("ViewContainer.SetViewSize"),
              Strings{"ViewContainer.SetViewSize(" + std::to_string(int(height + 20)) + ", " +
                      std::to_string(int(width + 10)) + ")"});
    EXPECT_EQ(frame->getWidth(), width + 10);

    first.host.SetResult("ViewContainer.SetViewSize", AAX_ERROR_NULL_OBJECT);
    EXPECT_FALSE(first.Editor().ResizeEditor(VSTGUI::CRect(0, 0, 50, 50)));
    EXPECT_EQ(frame->getWidth(), width + 10) << "a refused size is taken back";
    EXPECT_EQ(frame->getHeight(), height + 20);
}

// The controller bridge's answers, as the editor receives them.
class RecordingEditor final : public CKROGuiEditor
{
public:
    RecordingEditor() : CKROGuiEditor(nullptr) {}
    void ReceiveDSPMessage(const std::string& text) override { received.push_back(text); }
    void UpdateSizeFromBackground() override {}
    Strings received;
};

TEST_F(VirenoAaxEditor, TheBridgeAnswersTheEditorsTextsItselfAndPassesTheRestToTheEffect)
{
    CKROAAXParamsIDsConverter identifiers(10);
    RecordingEditor editor;
    Mevarik::CKROAAXController bridge(first.adapter, &editor, identifiers);
    CKROPlugInDSP& effect = *first.adapter->Effect();
    const std::string modeText = [&] {
        std::string text;
        effect.GetParameterText(text, F + TunerParameterIndex::kDisplayMode, true, true);
        return text;
    }();
    ASSERT_FALSE(modeText.empty());
    ASSERT_FALSE(effect.GetFactoryPresetNames().empty());
    const std::string firstFactoryEntry = std::string("<CKROPRESET><CKROPRESETINFO>") +
                                          effect.GetFactoryPresetAlgorithmNames().front() + "</CKROPRESETINFO>" +
                                          effect.GetFactoryPresetNames().front();

    struct Case
    {
        std::string text;
        std::string replyStart; // the reply the editor gets starts with this
        bool exact;
    };
    const Case cases[] = {
        {"CKROGetUserPresetsMessage", "CKROSetUserPresetsMessage", true}, // no user preset yet
        {"CKROGetFactoryPresetsMessage", "CKROSetFactoryPresetsMessage" + firstFactoryEntry, false},
        // A list request is a whole text; with more it is the effect's.
        {"CKROGetFactoryPresetsMessage ", "", true},
        {"CKROGetSelectedPresetNumber", "CKROSetSelectedPresetNumber0", true},
        {"CKROGetParameterTextMessage2", "CKROSetParameterTextMessage" + modeText, true},
        // The index follows the name wherever the name stands.
        {"x CKROGetParameterTextMessage2", "CKROSetParameterTextMessage" + modeText, true},
        {"anything else", "", true},
    };
    for (const Case& c : cases)
    {
        editor.received.clear();
        bridge.SendMessage(c.text);
        ASSERT_EQ(editor.received.size(), 1u) << c.text;
        if (c.exact)
            EXPECT_EQ(editor.received[0], c.replyStart) << c.text;
        else
            EXPECT_EQ(editor.received[0].rfind(c.replyStart, 0), 0u) << c.text << " -> " << editor.received[0];
    }

    // A selection goes through the adapter, which pushes every parameter to the host, and then to
    // the effect, whose reply reaches the editor. Vireno keeps no user presets: saving and deleting
    // change no list.
    first.host.ClearCalls();
    editor.received.clear();
    bridge.SendMessage("CKROSetSelectedPresetNumber0");
    EXPECT_EQ(effect.GetCurrentPresetNumber(), 0);
    EXPECT_EQ(first.host.CallsOf("Automation.PostSetValueRequest").size(), 5u);
    EXPECT_EQ(editor.received, Strings{""});
    for (const char* command : {"CKROSetPresetAsSaveAsMine", "CKROSetPresetSaveMine", "CKROSetPresetDeleteMine"})
        bridge.SendMessage(command);
    editor.received.clear();
    bridge.SendMessage(msg::kGetUserPresets);
    EXPECT_EQ(editor.received, Strings{"CKROSetUserPresetsMessage"});
}

TEST_F(VirenoAaxEditor, TheBridgeGrowsTheEditorsBufferForANewReading)
{
    CKROAAXParamsIDsConverter identifiers(10);
    Mevarik::CKROAAXController bridge(first.adapter, nullptr, identifiers);
    first.Play(110.0, 0.2);
    float* buffer = AllocateDisplayBuffer(1);
    int32_t capacity = 1;
    EXPECT_EQ(bridge.GetDisplayData(0, &buffer, &capacity, 19), 19);
    EXPECT_EQ(capacity, 19);
    FreeDisplayBuffer(buffer);
    EXPECT_EQ(bridge.GetDisplayData(0, nullptr, nullptr, 19), 0);
    EXPECT_EQ(bridge.GetFirstParameterIndex(), 1);
    EXPECT_TRUE(bridge.IsConnected());
}

TEST_F(VirenoAaxEditor, DestructionInEitherOrderLeavesNothingBehind)
{
    for (bool guiFirst : {true, false})
    {
        SCOPED_TRACE(guiFirst ? "GUI first" : "effect first");
        second.MakeEffect();
        second.MakeGUI();
        ASSERT_EQ(second.Show(window->NativeWindow()), AAX_SUCCESS);
        Tick(40);
        if (guiFirst)
        {
            second.ReleaseGUI();
            // What the effect tells its editor now finds none.
            second.adapter->HandleEffectMessage(msg::kUpdateParameterValues);
            second.ReleaseEffect();
        }
        else
        {
            second.ReleaseEffect(); // the GUI still holds the effect
            Tick(40);
            second.ReleaseGUI();
        }
        EXPECT_EQ(second.Unbalanced(), Strings{});
    }
}

TEST_F(VirenoAaxEditor, AViewReopenedAfterUninitializeReachesNoFreedEffect)
{
    second.MakeEffect();
    second.MakeGUI();
    ASSERT_EQ(second.Show(window->NativeWindow()), AAX_SUCCESS);
    Tick(40);
    ASSERT_EQ(second.gui->Uninitialize(), AAX_SUCCESS);
    second.ReleaseEffect(); // the GUI held the last other reference: the effect is gone

    // The host opens the view again without Initialize; the editor and its controller work on
    // and every call fails cleanly.
    ASSERT_EQ(second.Show(window->NativeWindow()), AAX_SUCCESS);
    EXPECT_TRUE(second.Editor().IsOpen());
    Tick(40);
    Press(second, 18); // the display mode's second button
    Mevarik::IKROSDKController& controller = *second.Editor().GetController();
    EXPECT_EQ(controller.GetParameterNormalized(2), 0.0);
    EXPECT_EQ(controller.SetParameterNormalized(2, 1.0), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(controller.GetParameterCount(), 0);
    EXPECT_EQ(controller.GetFirstParameterIndex(), 0);
    controller.BeginEdit(2);
    controller.EndEdit(2);
    controller.SendMessage(msg::kGetFactoryPresets);
    float* buffer = nullptr;
    int32_t capacity = 0;
    EXPECT_EQ(controller.GetDisplayData(0, &buffer, &capacity, 19), 0);
    EXPECT_EQ(second.GUIObject().ParameterUpdated("par2"), AAX_SUCCESS);
    Tick(40);
    ASSERT_EQ(second.gui->SetViewContainer(nullptr), AAX_SUCCESS);

    // Initialized again, on a new effect, the editor reaches that one.
    second.MakeEffect();
    ASSERT_EQ(second.gui->Initialize(second.host.Unknown()), AAX_SUCCESS);
    EXPECT_EQ(second.Editor().GetController()->GetParameterCount(), TunerParameterIndex::kProductParameterCount);
    second.ReleaseGUI();
    second.ReleaseEffect();
}

TEST_F(VirenoAaxEditor, ASecondInitializeOnAnotherEffectLeavesTheFirstWithoutTheEditor)
{
    second.MakeEffect();
    first.MakeGUI();
    // The host gives the GUI another instance's effect; the first effect must not keep the editor.
    ASSERT_EQ(first.gui->Initialize(second.host.Unknown()), AAX_SUCCESS);
    first.ReleaseGUI();
    EXPECT_EQ(first.parameters->SetParameterNormalizedValue("par7", 1.0), AAX_SUCCESS);
    first.adapter->HandleEffectMessage(msg::kUpdateParameterValues);
    EXPECT_EQ(second.parameters->SetParameterNormalizedValue("par7", 1.0), AAX_SUCCESS);
}

TEST_F(VirenoAaxEditor, AGUIWithoutEffectOrViewLeavesNothingBehind)
{
    // The host answers the GUI's question for the effect with nothing.
    second.MakeGUI();
    ASSERT_EQ(second.Show(window->NativeWindow()), AAX_SUCCESS);
    Tick(40);
    EXPECT_EQ(second.GUIObject().ParameterUpdated("par2"), AAX_SUCCESS);
    EXPECT_EQ(second.Editor().GetController()->GetParameterNormalized(2), 0.0);
    second.ReleaseGUI();

    // Released without a view ever opening: the effect's link is empty again.
    first.MakeGUI();
    first.ReleaseGUI();
    first.adapter->HandleEffectMessage(msg::kUpdateParameterValues);
    EXPECT_EQ(first.parameters->SetParameterNormalizedValue("par7", 1.0), AAX_SUCCESS);
}

// A control that carries an AAX parameter and records the host's highlights.
class HighlightedControl final : public VSTGUI::CControl, public CKRO_AAX_Control
{
public:
    explicit HighlightedControl(int32_t tag) : CControl(VSTGUI::CRect(0, 0, 10, 10), nullptr, tag) {}
    void SetHighlight(bool highlighted, int32_t colour) override
    {
        highlights.push_back(std::to_string(highlighted) + " " + std::to_string(colour));
    }
    Strings highlights;
};

TEST_F(VirenoAaxEditor, AAXControlsGetTheirIdentifierAndContainerAndTheHostsHighlights)
{
    first.MakeGUI();
    // Tag 5 is the colour set's index; tag 100 has no AAX parameter.
    auto* withParameter = new HighlightedControl(F + TunerParameterIndex::kColorSet);
    auto* without = new HighlightedControl(100);
    for (HighlightedControl* control : {withParameter, without})
    {
        first.Controls().AddControl(control->getTag(), control);
        control->forget(); // the control set's reference keeps it
    }
    ASSERT_EQ(first.Show(window->NativeWindow()), AAX_SUCCESS);
    EXPECT_EQ(withParameter->GetAAXParameterID(), "par5");
    EXPECT_NE(withParameter->GetViewContainer(), nullptr);
    EXPECT_EQ(without->GetAAXParameterID(), "");

    for (const char* id : {"par5", "par100", "MasterBypassID", "par1"})
        EXPECT_EQ(first.gui->SetControlHighlightInfo(id, true, 3), AAX_SUCCESS) << id;
    EXPECT_EQ(first.gui->SetControlHighlightInfo("par5", false, 0), AAX_SUCCESS);
    EXPECT_EQ(withParameter->highlights, (Strings{"1 3", "0 0"}));
    EXPECT_EQ(without->highlights, Strings{});
}

TEST_F(VirenoAaxEditor, TheHostsParameterReportsMarkOnlyTheEffectsParameters)
{
    first.MakeGUI();
    ASSERT_EQ(first.Show(window->NativeWindow()), AAX_SUCCESS);
    Tick();
    // The mute changes in the effect behind the editor's back: only a report of its own
    // identifier makes the editor read it again.
    const int32_t mute = F + TunerParameterIndex::kOutputMute;
    first.adapter->SetEditor(nullptr);
    ASSERT_EQ(first.parameters->SetParameterNormalizedValue("par7", 1.0), AAX_SUCCESS);
    for (const char* id : {"MasterBypassID", "par99", "", static_cast<const char*>(nullptr)})
        EXPECT_EQ(first.gui->ParameterUpdated(id), AAX_SUCCESS);
    Tick();
    EXPECT_EQ(ControlValue(first, mute), 0.0f);
    EXPECT_EQ(first.gui->ParameterUpdated("par7"), AAX_SUCCESS);
    Tick();
    EXPECT_EQ(ControlValue(first, mute), 1.0f);
}

} // namespace
