#include "EditorTestSupport.h"

#include "tuner/gui/CKROVirenoDisplay.h"
#include "kro-core/plugin/testing/DirectController.h"
#include "kro-core/plugin/IKROSDKController.h"
#include "kro-core/plugin/KRODisplayDataBuffer.h"
#include "kro-core/plugin/KROStateTreeXml.h"
#include "tuner/plugin/KROVirenoPlugInDSP.h"
#include "tuner/plugin/TunerNormalizedIndex.h"

#include <boost/property_tree/ptree.hpp>

#include <cmath>
#include <filesystem>

using namespace VSTGUI;

namespace {

class EditorOnTheEffect : public OpenEditorTest
{
protected:
    // Two blocks of a sine at 48 kHz, enough for the tuner to publish a reading.
    void PlayTone(CKROVirenoPlugInDSP& effect, double frequency)
    {
        std::vector<float> in(4096), out(4096);
        for (size_t i = 0; i < in.size(); ++i)
            in[i] = static_cast<float>(0.5 * std::sin(2.0 * M_PI * frequency * static_cast<double>(phase++) / 48000.0));
        const float* input = in.data();
        float* output = out.data();
        int32_t changed[CKROVirenoPlugInDSP::kMaxParameterChanges] = {};
        int32_t count = 0;
        for (size_t start = 0; start < in.size(); start += 512)
        {
            const float* blockIn = input + start;
            float* blockOut = output + start;
            effect.Process(&blockIn, &blockOut, 512, changed, count);
        }
    }

    std::filesystem::path defaultPreset() const { return folder.Path() / "Halvard Sonics" / "Vireno" / "Default.xml"; }

    size_t phase = 0;
};

CKROVirenoPlugInDSP* prepared(CKROVirenoPlugInDSP* effect)
{
    effect->SetSampleRate(48000.0);
    effect->SetBlockSize(512);
    effect->SetChannelCounts(1, 1);
    return effect;
}

TEST_F(EditorOnTheEffect, TheActiveEffectsReadingReachesTheDisplay)
{
    std::unique_ptr<CKROVirenoPlugInDSP> effect(prepared(new CKROVirenoPlugInDSP(P)));
    Open(std::make_unique<DirectController<CKROVirenoPlugInDSP>>(*effect));
    Tick(40); // the skipped first refresh
    // Two seconds of the tone: long enough for the note to settle.
    for (int i = 0; i < 24; ++i)
    {
        PlayTone(*effect, 440.0);
        Tick(40);
    }
    EXPECT_GT(controls().GetDisplay()->getReading().notePresentArc, 0.f);
    EXPECT_EQ(controls().GetDisplay()->getReading().note, 9) << "A";
    EXPECT_FALSE(controls().IsOverlayShowing());
}

TEST_F(EditorOnTheEffect, AnInactiveEffectShowsTheSingleInstanceOverlay)
{
    CKROVirenoPlugInDSP first(P);
    std::unique_ptr<CKROVirenoPlugInDSP> second(prepared(new CKROVirenoPlugInDSP(P)));
    ASSERT_FALSE(second->IsInstanceActive());
    Open(std::make_unique<DirectController<CKROVirenoPlugInDSP>>(*second));
    Tick();
    EXPECT_TRUE(controls().IsOverlayShowing());
}

TEST_F(EditorOnTheEffect, ClosingTheSettingsPageStoresTheChosenSettingsAsTheDefaultPreset)
{
    std::unique_ptr<CKROVirenoPlugInDSP> effect(prepared(new CKROVirenoPlugInDSP(P)));
    Open(std::make_unique<DirectController<CKROVirenoPlugInDSP>>(*effect));
    Tick();
    Click(CKROVirenoCtrlSet::kSettingsButtonTag);
    Click(16); // "Bass"
    Click(22); // "Db"
    EXPECT_EQ(effect->GetParameterNormalized(P + 0), 1.f);
    Click(CKROVirenoCtrlSet::kSettingsCloseTag);

    // A new instance starts on what was stored.
    effect.reset();
    CKROVirenoPlugInDSP next(P);
    EXPECT_EQ(next.GetParameterNormalized(P + 0), 1.f);
    EXPECT_EQ(NormalizedToDropTuningIndex(next.GetParameterNormalized(P + 2)), 3);
    EXPECT_TRUE(std::filesystem::exists(defaultPreset()));
}

TEST_F(EditorOnTheEffect, AStateOnTheClipboardIsPastedIntoTheEffect)
{
    std::unique_ptr<CKROVirenoPlugInDSP> effect(prepared(new CKROVirenoPlugInDSP(P)));
    int32_t changed[CKROVirenoPlugInDSP::kMaxParameterChanges] = {};
    int32_t count = 0;
    effect->SetParameterNormalized(P + 1, 1.f, changed, count); // "Stream"
    boost::property_tree::ptree state;
    effect->GetStateTree(state);
    std::string text;
    ASSERT_TRUE(WriteStateTreeXml(state, KROStateTreeLayout::kIndented, text));
    effect->SetParameterNormalized(P + 1, 0.f, changed, count);

    Open(std::make_unique<DirectController<CKROVirenoPlugInDSP>>(*effect));
    services.SetClipboard(text);
    CKickButton paste(CRect(0, 0, 10, 10), editor.get(), CKROGuiEditor::kPasteStateTag);
    paste.setValue(1.f);
    paste.valueChanged();
    EXPECT_EQ(effect->GetParameterNormalized(P + 1), 1.f);

    services.SetClipboard(std::nullopt);
    state.put("PluginState.PluginInfo.Action", "Clipboard");
    editor->ReceiveStateTree(state);
    EXPECT_FALSE(services.Clipboard()) << "the tuner's editor copies nothing";
}

} // namespace
