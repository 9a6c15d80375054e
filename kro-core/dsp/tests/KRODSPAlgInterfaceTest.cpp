#include <gtest/gtest.h>

#include <memory>

#include "kro-core/dsp/KRODSPAlgInterface.h"

namespace {

// The smallest algorithm: a list parameter, a linear one with "-Inf" at its minimum, and a
// record of what the base forwards.
class TestAlgorithm : public CKRODSPAlgInterface
{
public:
    TestAlgorithm() : CKRODSPAlgInterface(44100.0)
    {
        Parameters().emplace(0, CKROParameter(this, "List", {"a", "b", "c"}, 0, 2, 1, 0, kTaperList, 0, 0, 1));
        Parameters().emplace(1, CKROParameter(this, "Gain", {"dB"}, -60, 0, 0, 0, kTaperLinearMinusInf, 0, 0, 0));
    }
    int32_t UpdateParameters(bool) override { return TakeParametersDirty() ? 1 : 0; }
    void Reset() override {}
    std::string GetInfoText() const override { return {}; }
    void ProcessHook(const float* const*, float* const*, float*, float*, int32_t frames) override
    {
        hookFrames = frames;
    }
    using CKRODSPAlgInterface::TakeRateOrSizeDirty;

    int32_t hookFrames = -1;
};

std::shared_ptr<CKROAudioPreset> Preset(const char* name, std::vector<float> values, int32_t factory = 0)
{
    return std::make_shared<CKROAudioPreset>(name, std::move(values), factory);
}

} // namespace

TEST(KRODSPAlgInterface, StartsWithTheFrameworkDefaults)
{
    TestAlgorithm a;
    EXPECT_EQ(a.GetCode(), KROFourCharCode("kro1"));
    EXPECT_EQ(a.GetBlockSize(), 256);
    EXPECT_EQ(a.GetSampleRate(), 44100.0);
    EXPECT_FALSE(a.IsBypassed());
    EXPECT_EQ(a.GetTempo(), 120.0);
    EXPECT_EQ(a.GetName(), "Mevarik Audio Plug-In");
    EXPECT_EQ(a.GetKind(), "DSP");
    EXPECT_EQ(a.GetStoredValue(), 0.0);
    EXPECT_EQ(a.GetInputChannelCount(), 2);
    EXPECT_EQ(a.GetOutputChannelCount(), 2);
    EXPECT_EQ(a.GetLastInputPeaks(), nullptr);
    EXPECT_EQ(a.GetCurrentPreset(), nullptr);
    EXPECT_FALSE(a.AreParametersDirty());
    EXPECT_FALSE(a.IsRateOrSizeDirty());
}

TEST(KRODSPAlgInterface, SelectingAPresetClampsItsValuesAndNeedsTheRightCount)
{
    TestAlgorithm a;
    a.AddPreset(Preset("short", {1}));
    a.AddPreset(Preset("wide", {7, -100}));
    a.AddPreset(Preset("fits", {1, -30}));

    a.SelectPreset(0);
    EXPECT_EQ(a.GetCurrentPreset(), nullptr);
    EXPECT_EQ(a.GetParameter(0)->GetPlainValue(), 0.0);
    EXPECT_FALSE(a.AreParametersDirty());

    a.SelectPreset(1);
    EXPECT_EQ(a.GetCurrentPreset(), a.GetPreset(1));
    EXPECT_EQ(a.GetParameter(0)->GetPlainValue(), 2.0);
    EXPECT_EQ(a.GetParameter(1)->GetPlainValue(), -60.0);
    EXPECT_TRUE(a.AreParametersDirty());

    a.SelectPresetByName("fits");
    EXPECT_EQ(a.GetCurrentPreset(), a.GetPreset(2));
    EXPECT_DOUBLE_EQ(a.GetParameter(0)->GetNormalized(), 0.5);
    EXPECT_DOUBLE_EQ(a.GetParameter(1)->GetNormalized(), 0.5);

    a.SelectPreset(9); // no such preset
    EXPECT_EQ(a.GetCurrentPreset(), a.GetPreset(2));
}

TEST(KRODSPAlgInterface, FindsPresetsByTheWholeName)
{
    TestAlgorithm a;
    a.AddPreset(Preset("Clean", {0, 0}, 1));
    a.AddPreset(Preset("Clean Lead", {1, 0}));
    a.AddPreset(Preset("Clean", {2, 0}));
    EXPECT_EQ(a.FindPresetByName("Clean"), a.GetPreset(0));
    EXPECT_EQ(a.FindPresetByName("Clean Lead"), a.GetPreset(1));
    EXPECT_EQ(a.FindPresetByName("Clea"), nullptr);
    EXPECT_EQ(a.FindPresetByName("Clean "), nullptr);
    EXPECT_EQ(a.GetFactoryPresetCount(), 1);
}

TEST(KRODSPAlgInterface, DeletingRenumbersAndMovesTheCurrentPreset)
{
    struct Case
    {
        const char* current;
        const char* deleted;
        const char* currentAfter;
    } cases[] = {{"two", "two", "one"}, {"three", "two", "three"}, {"one", "one", "two"}, {"one", "none", "one"}};
    for (const Case& c : cases)
    {
        TestAlgorithm a;
        for (const char* name : {"one", "two", "three"})
            a.AddPreset(Preset(name, {0, 0}));
        a.SelectPresetByName(c.current);
        a.DeletePreset(c.deleted);
        const KROPresetMap& presets = a.GetPresets();
        int32_t expectedNumber = 0;
        for (const auto& entry : presets)
            EXPECT_EQ(entry.first, expectedNumber++) << c.deleted;
        ASSERT_NE(a.GetCurrentPreset(), nullptr) << c.deleted;
        EXPECT_EQ(a.GetCurrentPreset()->GetName(), c.currentAfter) << c.deleted;
    }

    TestAlgorithm last;
    last.AddPreset(Preset("only", {0, 0}));
    last.SelectPreset(0);
    last.DeletePreset("only");
    EXPECT_EQ(last.GetCurrentPreset(), nullptr);
    EXPECT_TRUE(last.GetPresets().empty());
}

TEST(KRODSPAlgInterface, ParameterChangesMarkTheParametersDirty)
{
    TestAlgorithm a;
    a.SetParameterNormalized(42, 0.3); // no record: still marked
    EXPECT_EQ(a.UpdateParameters(false), 1);
    EXPECT_FALSE(a.AreParametersDirty());

    a.SetParameterNormalized(0, 1.0);
    EXPECT_EQ(a.GetParameter(0)->GetPlainValue(), 2.0);
    EXPECT_EQ(a.UpdateParameters(false), 1);

    // A record changed directly tells its owner too.
    a.GetParameter(1)->SetNormalized(0.25);
    EXPECT_TRUE(a.AreParametersDirty());
    a.SetParameterNormalized(1, 0.0);
    EXPECT_EQ(a.GetParameter(1)->GetPlainValue(), -60.0);
    EXPECT_EQ(a.GetParameter(1)->GetNormalized(), 0.0);
}

TEST(KRODSPAlgInterface, RateAndSizeChangesMarkTheirOwnFlag)
{
    TestAlgorithm a;
    a.SetSampleRate(96000.0);
    EXPECT_EQ(a.GetSampleRate(), 96000.0);
    EXPECT_TRUE(a.TakeRateOrSizeDirty());
    EXPECT_FALSE(a.TakeRateOrSizeDirty());
    a.SetBlockSize(1024);
    EXPECT_EQ(a.GetBlockSize(), 1024);
    EXPECT_TRUE(a.IsRateOrSizeDirty());
    EXPECT_FALSE(a.AreParametersDirty());

    a.SetBypass(true);
    a.SetTempo(90.0);
    a.SetStoredValue(3.5);
    EXPECT_EQ(a.SetChannelCounts(1, 2), 0);
    EXPECT_TRUE(a.IsBypassed());
    EXPECT_EQ(a.GetTempo(), 90.0);
    EXPECT_EQ(a.GetStoredValue(), 3.5);
    EXPECT_EQ(a.GetInputChannelCount(), 1);
    EXPECT_EQ(a.GetOutputChannelCount(), 2);
}

TEST(KRODSPAlgInterface, ProcessOfTheBaseGoesToItsHook)
{
    TestAlgorithm a;
    float in[4] = {}, out[4] = {}, peaks[2] = {};
    const float* inputs[] = {in};
    float* outputs[] = {out};
    a.Process(inputs, outputs, peaks, peaks, 4);
    EXPECT_EQ(a.hookFrames, 4);
}
