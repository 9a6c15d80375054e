// Vireno.aaxplugin as an AAX host meets it, loaded with dlopen from the build tree and run by the
// simulated host: what it exports and describes, how it renders, bypasses and meters, how its
// parameters travel both ways, the single-instance rule, its state chunks, and unloading.

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CChunkDataParser.h"
#include "testhosts/bundles/BundleFiles.h"
#include "tuner/engine/testing/DemoSignal.h"
#include "VirenoAaxTestHost.h"
#include "kro-core/plugin/KROFourCharCode.h"
#include "aaxsdk/AAX_EntryPoints.h"
#include "aaxsdk/AAX_Results.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

namespace {

using Strings = std::vector<std::string>;

// A test signal: a sine of the frequency, the same on every channel but scaled per channel.
std::vector<std::vector<float>> Tone(size_t channels, size_t frames, double frequency = 110.0)
{
    std::vector<std::vector<float>> signal(channels, std::vector<float>(frames));
    for (size_t c = 0; c < channels; ++c)
        for (size_t i = 0; i < frames; ++i)
            signal[c][i] =
                static_cast<float>((0.5 - 0.2 * double(c)) * std::sin(2.0 * M_PI * frequency * double(i) / 48000.0));
    return signal;
}

float PeakOf(const std::vector<float>& samples, size_t frames)
{
    float peak = 0.0f;
    for (size_t i = 0; i < frames; ++i)
        peak = std::max(peak, std::fabs(samples[i]));
    return peak;
}

TEST(VirenoAaxBundle, ExportsExactlyTheSevenEntryPoints)
{
    const std::set<std::string> expected(std::begin(kACFEntryPointNames), std::end(kACFEntryPointNames));
    EXPECT_EQ(ExportedSymbols(AaxModule::LibraryPath(VIRENO_AAX_BUNDLE)), expected);
}

TEST_F(VirenoAaxTest, DescribesOneEffectWithAMonoAndAStereoComponent)
{
    const SimRegistrationRecord& registration = plugIn->Registration();
    EXPECT_EQ(registration.manufacturerName, "Halvard Sonics");
    EXPECT_EQ(registration.packageNames, Strings{"Vireno"});
    EXPECT_EQ(registration.packageVersion, 6u);
    ASSERT_EQ(registration.effects.size(), 1u);
    EXPECT_EQ(registration.effects[0].first, "com.halvardsonics.aax.Vireno");

    const SimEffectRecord& effect = registration.effects[0].second;
    EXPECT_EQ(effect.name, "Vireno");
    EXPECT_EQ(effect.categories, std::vector<uint32_t>{0});
    EXPECT_EQ(effect.properties, (SimProperties{{304, 0}}));
    ASSERT_EQ(effect.procedures.size(), 2u);
    EXPECT_NE(effect.procedures.at(0), nullptr);
    EXPECT_NE(effect.procedures.at(1), nullptr);

    struct ComponentCase
    {
        int32_t stem;
        std::vector<AAX_CTypeID> meters;
        AAX_CTypeID native, audioSuite;
    };
    const ComponentCase components[] = {
        {0x00000001,
         {KROFourCharCode("Min "), KROFourCharCode("Mo  ")},
         KROFourCharCode("NAMO"),
         KROFourCharCode("ASMO")},
        {0x00010002,
         {KROFourCharCode("MinL"), KROFourCharCode("MinR"), KROFourCharCode("MoL "), KROFourCharCode("MoR ")},
         KROFourCharCode("NAST"),
         KROFourCharCode("ASST")},
    };
    ASSERT_EQ(effect.components.size(), 2u);
    for (size_t i = 0; i < 2; ++i)
    {
        SCOPED_TRACE(i);
        const SimComponentRecord& component = effect.components[i];
        // Copied when added, so the second component's description did not change the first.
        EXPECT_EQ(component.fields, (Strings{"AudioIn 2", "AudioOut 3", "AudioBufferLength 4", "Meters 5",
                                             "DataInPort 0 4 1", "DataInPort 1 8 1"}));
        EXPECT_EQ(component.meters, components[i].meters);
        EXPECT_NE(component.process, nullptr);
        EXPECT_EQ(component.processProperties, (SimProperties{{11, int32_t(KROFourCharCode("Mvrk"))},
                                                              {12, int32_t(KROFourCharCode("HSVR"))},
                                                              {60, 1},
                                                              {51, components[i].stem},
                                                              {52, components[i].stem},
                                                              {13, int32_t(components[i].native)},
                                                              {14, int32_t(components[i].audioSuite)}}));
    }
    EXPECT_NE(effect.components[0].process, effect.components[1].process);

    const std::pair<const char*, const char*> meters[] = {{"Min ", "Input"},       {"MinL", "Left Input"},
                                                          {"MinR", "Right Input"}, {"Mo  ", "Output"},
                                                          {"MoL ", "Left Output"}, {"MoR ", "Right Output"}};
    ASSERT_EQ(effect.meters.size(), 6u);
    for (size_t i = 0; i < 6; ++i)
    {
        char id[5] = {};
        std::memcpy(id, meters[i].first, 4);
        EXPECT_EQ(effect.meters[i].id, KROFourCharCode(id)) << i;
        EXPECT_EQ(effect.meters[i].name, meters[i].second);
        EXPECT_EQ(effect.meters[i].properties, (SimProperties{{200, i < 3 ? 0 : 1}, {201, 0}}));
    }
    // Nothing was asserted to the host on the way.
    EXPECT_EQ(plugIn->Host().CallsOf("HostServices.HandleAssertFailure"), Strings{});
}

TEST_F(VirenoAaxTest, NamesItsHostParameters)
{
    SimInstance& instance = Open(kMonoComponent);
    int32_t count = 0;
    instance.Parameters().GetNumberOfParameters(&count);
    Strings ids, names;
    for (int32_t i = 0; i < count; ++i)
    {
        AAX_CString id, name;
        instance.Parameters().GetParameterIDFromIndex(i, &id);
        instance.Parameters().GetParameterName(id.Get(), &name);
        ids.emplace_back(id.Get());
        names.emplace_back(name.Get());
    }
    EXPECT_EQ(ids, (Strings{"MasterBypassID", "par1", "par2", "par3", "par4", "par5"}));
    EXPECT_EQ(names, (Strings{"Master Bypass", "Select Instrument", "Display Mode", "Drop Tuning",
                              "Reference Frequency", "Color Set"}));
    AAX_CString bypass;
    instance.Parameters().GetMasterBypassParameter(&bypass);
    EXPECT_STREQ(bypass.Get(), "MasterBypassID");
}

TEST_F(VirenoAaxTest, RendersAudioThroughBitExactOrMuted)
{
    for (const size_t component : {kMonoComponent, kStereoComponent})
        for (const bool muted : {false, true})
        {
            SCOPED_TRACE(testing::Message() << "component " << component << (muted ? " muted" : ""));
            SimInstance& instance = Open(component);
            instance.GenerateCoefficients();
            // The mute is a hidden effect parameter: no host parameter, set through the fallback path.
            EXPECT_EQ(instance.Parameters().SetParameterNormalizedValue("par7", muted ? 1.0 : 0.0), 0);
            EXPECT_EQ(instance.Value("par7"), muted ? 1.0 : 0.0);
            const auto input = Tone(size_t(instance.Channels()), 4800);
            const auto output = RenderSignal(instance, input, 480);
            for (size_t c = 0; c < input.size(); ++c)
                EXPECT_EQ(output[c], muted ? std::vector<float>(input[c].size(), 0.0f) : input[c]) << c;
            const int32_t channels = instance.Channels();
            for (int32_t c = 0; c < channels; ++c)
            {
                EXPECT_EQ(instance.Meters()[size_t(c)], PeakOf(input[size_t(c)], 4800));
                EXPECT_EQ(instance.Meters()[size_t(channels + c)], muted ? 0.0f : PeakOf(input[size_t(c)], 4800));
            }
            instances.clear();
        }
}

TEST_F(VirenoAaxTest, BypassCopiesInputToOutputMetersAndKeepsTheTunerDeaf)
{
    for (const size_t component : {kMonoComponent, kStereoComponent})
        for (const int32_t frames : {0, 1, 2, 3, 5, 512})
        {
            SCOPED_TRACE(testing::Message() << "component " << component << ", " << frames << " frames");
            SimInstance& instance = Open(component);
            instance.GenerateCoefficients();
            ASSERT_EQ(instance.Parameters().UpdateParameterNormalizedValue("MasterBypassID", 1.0,
                                                                           AAX_eUpdateSource_Unspecified),
                      0);
            instance.GenerateCoefficients();
            std::vector<std::vector<float>> input = Tone(size_t(instance.Channels()), size_t(std::max(frames, 1)));
            // A negative sample raises a tap by its magnitude.
            input[0][0] = -0.9f;
            std::vector<std::vector<float>> output(input.size(), std::vector<float>(input[0].size(), 7.0f));
            const int32_t channels = instance.Channels();
            std::vector<const float*> in;
            std::vector<float*> out;
            for (int32_t c = 0; c < channels; ++c)
            {
                in.push_back(input[size_t(c)].data());
                out.push_back(output[size_t(c)].data());
            }
            // A tap the block cannot raise keeps its value; the output taps follow the input taps.
            instance.SetMeter(0, 0.3f);
            instance.Render(in.data(), out.data(), frames);
            for (int32_t c = 0; c < channels; ++c)
            {
                const float peak = std::max(c == 0 ? 0.3f : 0.0f, PeakOf(input[size_t(c)], size_t(frames)));
                EXPECT_EQ(instance.Meters()[size_t(c)], peak) << c;
                EXPECT_EQ(instance.Meters()[size_t(channels + c)], peak) << c;
                for (int32_t i = 0; i < frames; ++i)
                    EXPECT_EQ(output[size_t(c)][size_t(i)], input[size_t(c)][size_t(i)]);
                if (frames == 0)
                {
                    EXPECT_EQ(output[size_t(c)][0], 7.0f) << "nothing copied";
                }
            }
            instances.clear();
        }

    // A second of a tone under bypass gives the tuner nothing to read; without bypass it reads.
    SimInstance& instance = Open(kMonoComponent);
    instance.GenerateCoefficients();
    instance.Parameters().UpdateParameterNormalizedValue("MasterBypassID", 1.0, AAX_eUpdateSource_Unspecified);
    instance.GenerateCoefficients();
    std::vector<float> values;
    RenderSignal(instance, Tone(1, 48000), 512);
    EXPECT_EQ(instance.ReadDisplayData(values), 1);
    instance.Parameters().UpdateParameterNormalizedValue("MasterBypassID", 0.0, AAX_eUpdateSource_Unspecified);
    instance.GenerateCoefficients();
    RenderSignal(instance, Tone(1, 48000), 512);
    EXPECT_EQ(instance.ReadDisplayData(values), 19);
}

TEST_F(VirenoAaxTest, BeforeTheFirstCoefficientPassAudioPassesThrough)
{
    for (const size_t component : {kMonoComponent, kStereoComponent})
    {
        SimInstance& instance = Open(component);
        instance.Parameters().SetParameterNormalizedValue("par7", 1.0); // muted, but not yet rendering
        const auto input = Tone(size_t(instance.Channels()), 1000);
        EXPECT_EQ(RenderSignal(instance, input, 250), input) << component;
        EXPECT_EQ(instance.Meters()[0], PeakOf(input[0], 1000));
    }
}

TEST_F(VirenoAaxTest, AutomationTravelsBothWays)
{
    SimInstance& instance = Open(kMonoComponent);
    SimHost& host = HostOf(0);
    instance.GenerateCoefficients();

    // The host's automation reaches the effect.
    EXPECT_EQ(instance.Parameters().UpdateParameterNormalizedValue("par2", 1.0, AAX_eUpdateSource_Unspecified), 0);
    EXPECT_EQ(instance.Value("par2"), 1.0);
    EXPECT_EQ(StateValue(instance, 2), 1.0);

    // The plug-in's own change asks the host, and waits for its answer.
    host.effectLink.answer = SimEffectLink::Answer::Queued;
    host.ClearCalls();
    EXPECT_EQ(instance.Parameters().SetParameterNormalizedValue("par1", 1.0), 0);
    EXPECT_EQ(host.CallsOf("Automation.Post"),
              (Strings{"Automation.PostTouchRequest(par1)", "Automation.PostSetValueRequest(par1, 1)",
                       "Automation.PostReleaseRequest(par1)"}));
    EXPECT_EQ(instance.Value("par1"), 0.0);
    EXPECT_EQ(StateValue(instance, 1), 0.0);
    EXPECT_EQ(host.effectLink.DeliverQueued(), 1u);
    EXPECT_EQ(instance.Value("par1"), 1.0);
    EXPECT_EQ(StateValue(instance, 1), 1.0);

    // The changed parameter's packet goes out at the next coefficient pass; the bypass's does not.
    host.ClearCalls();
    instance.GenerateCoefficients();
    EXPECT_EQ(host.CallsOf("Controller.PostPacket"), Strings{"Controller.PostPacket(1, 8)"});
}

TEST_F(VirenoAaxTest, OnlyTheFirstOfTwoInstancesAnalyses)
{
    SimInstance& first = Open(kMonoComponent);
    SimInstance& second = Open(kMonoComponent);
    // Instance active is a hidden, read-only effect parameter read through the fallback path.
    EXPECT_EQ(first.Value("par9"), 1.0);
    EXPECT_EQ(second.Value("par9"), 0.0);
    first.GenerateCoefficients();
    second.GenerateCoefficients();
    const auto tone = Tone(1, 48000);
    RenderSignal(first, tone, 512);
    EXPECT_EQ(RenderSignal(second, tone, 512), tone);
    std::vector<float> values;
    EXPECT_EQ(first.ReadDisplayData(values), 19);
    EXPECT_EQ(second.ReadDisplayData(values), 1);
}

TEST_F(VirenoAaxTest, RefusedRateAndStemFormatLeaveTheEffectAt48kHzOnItsComponentsChannels)
{
    for (const size_t component : {kMonoComponent, kStereoComponent})
    {
        SCOPED_TRACE(component);
        SimInstance& instance = Open(component, [](SimHost& host) {
            host.values.sampleRate = 44100.0f;
            host.SetResult("Controller.GetSampleRate", AAX_ERROR_UNIMPLEMENTED);
            host.SetResult("Controller.GetInputStemFormat", AAX_ERROR_UNIMPLEMENTED);
        });
        instance.GenerateCoefficients();
        // The default signal at 48 kHz: its low E reads 7 cents flat only when the effect runs at 48 kHz.
        const std::vector<float> demo = signals::DemoSignal(48000.0);
        std::vector<std::vector<float>> input(size_t(instance.Channels()),
                                              std::vector<float>(demo.begin(), demo.begin() + 48000 * 2));
        EXPECT_EQ(RenderSignal(instance, input, 512), input);
        std::vector<float> values;
        ASSERT_EQ(instance.ReadDisplayData(values), 19);
        int32_t note = 0;
        std::memcpy(&note, &values[6], sizeof note);
        EXPECT_EQ(note, 4) << "E";
        instances.clear();
    }
}

TEST_F(VirenoAaxTest, TheStateChunkRoundTripsAndComparesWithinItsTolerance)
{
    SimInstance& instance = Open(kStereoComponent);
    instance.Parameters().UpdateParameterNormalizedValue("par3", 0.4, AAX_eUpdateSource_Unspecified);
    uint32_t size = 0;
    ASSERT_EQ(instance.Parameters().GetChunkSize(kStateChunk, &size), 0);
    AAX_Result result = -1;
    const std::vector<uint8_t> saved = instance.SaveChunk(kStateChunk, result);
    ASSERT_EQ(result, 0);
    ASSERT_EQ(saved.size(), kAAXChunkHeaderSize + size);
    const auto* header = reinterpret_cast<const AAX_SPlugInChunk*>(saved.data());
    EXPECT_EQ(uint32_t(header->size), size);
    EXPECT_STREQ(reinterpret_cast<const char*>(header->name), "KRO State Chunk");
    const std::string text(saved.begin() + kAAXChunkHeaderSize, saved.end());
    EXPECT_EQ(text.rfind("<?xml", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 3), "   ");

    bool equal = false;
    EXPECT_EQ(instance.Parameters().CompareActiveChunk(header, &equal), 0);
    EXPECT_TRUE(equal);
    const std::pair<double, bool> changes[] = {{1e-5, true}, {1e-4, false}, {0.4, false}};
    for (const auto& [delta, stillEqual] : changes)
    {
        instance.Parameters().UpdateParameterNormalizedValue("par3", 0.4 + delta, AAX_eUpdateSource_Unspecified);
        EXPECT_EQ(instance.Parameters().CompareActiveChunk(header, &equal), 0);
        EXPECT_EQ(equal, stillEqual) << delta;
    }
    EXPECT_EQ(instance.LoadChunk(kStateChunk, saved), 0);
    EXPECT_NEAR(StateValue(instance, 3), 0.4, 1e-6);
    EXPECT_EQ(instance.Parameters().CompareActiveChunk(header, &equal), 0);
    EXPECT_TRUE(equal);
}

TEST_F(VirenoAaxTest, BadStateChunksChangeNothing)
{
    SimInstance& instance = Open(kMonoComponent);
    AAX_Result result = -1;
    instance.Parameters().UpdateParameterNormalizedValue("par5", 1.0, AAX_eUpdateSource_Unspecified);
    const std::vector<uint8_t> saved = instance.SaveChunk(kStateChunk, result);
    const std::string text(saved.begin() + kAAXChunkHeaderSize, saved.end());
    instance.Parameters().UpdateParameterNormalizedValue("par5", 0.0, AAX_eUpdateSource_Unspecified);
    std::string foreign = text;
    foreign.replace(foreign.find("<Name>Vireno</Name>"), 19, "<Name>Other</Name>");

    struct BadChunk
    {
        const char* what;
        std::vector<uint8_t> chunk;
        AAX_CTypeID id;
        AAX_Result result;
        bool applied;
    };
    std::vector<uint8_t> negative = SimInstance::MakeChunk(kStateChunk, "KRO State Chunk", text);
    reinterpret_cast<AAX_SPlugInChunk*>(negative.data())->size = -5;
    std::vector<uint8_t> absurd = SimInstance::MakeChunk(kStateChunk, "KRO State Chunk", text);
    reinterpret_cast<AAX_SPlugInChunk*>(absurd.data())->size = 0x7FFFFFF0;
    const BadChunk cases[] = {
        {"truncated", SimInstance::MakeChunk(kStateChunk, "KRO State Chunk", text.substr(0, text.size() / 2)),
         kStateChunk, AAX_ERROR_MALFORMED_CHUNK, false},
        {"wrong id", SimInstance::MakeChunk(KROFourCharCode("abcd"), "KRO State Chunk", text), KROFourCharCode("abcd"),
         AAX_ERROR_INVALID_CHUNK_ID, false},
        {"negative size", negative, kStateChunk, AAX_ERROR_INCORRECT_CHUNK_SIZE, false},
        {"absurd size", absurd, kStateChunk, AAX_ERROR_INCORRECT_CHUNK_SIZE, false},
        {"foreign Name", SimInstance::MakeChunk(kStateChunk, "KRO State Chunk", foreign), kStateChunk,
         AAX_ERROR_MALFORMED_CHUNK, false},
        {"empty", SimInstance::MakeChunk(kStateChunk, "KRO State Chunk", ""), kStateChunk, AAX_ERROR_MALFORMED_CHUNK,
         false},
        // The identifier decides, not the name a host kept with it.
        {"wrong name", SimInstance::MakeChunk(kStateChunk, "Other Chunk", text), kStateChunk, AAX_SUCCESS, true},
    };
    for (const BadChunk& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(instance.LoadChunk(c.id, c.chunk), c.result);
        EXPECT_EQ(StateValue(instance, 5), c.applied ? 1.0 : 0.0);
        bool equal = true;
        const AAX_Result compared =
            instance.Parameters().CompareActiveChunk(reinterpret_cast<const AAX_SPlugInChunk*>(c.chunk.data()), &equal);
        EXPECT_EQ(compared, AAX_SUCCESS);
        if (c.result == AAX_ERROR_INCORRECT_CHUNK_SIZE)
        {
            EXPECT_TRUE(equal) << "a size that cannot be read counts as equal";
        }
        instance.Parameters().UpdateParameterNormalizedValue("par5", 0.0, AAX_eUpdateSource_Unspecified);
    }
    EXPECT_EQ(instance.Parameters().SetChunk(kStateChunk, nullptr), AAX_ERROR_NULL_ARGUMENT);
    bool equal = true;
    EXPECT_EQ(instance.Parameters().CompareActiveChunk(nullptr, &equal), AAX_ERROR_NULL_ARGUMENT);
}

TEST_F(VirenoAaxTest, LoadsBinaryAndControlsChunks)
{
    SimInstance& instance = Open(kMonoComponent);
    // The product has no binary chunk: accepted, and nothing changes.
    EXPECT_EQ(instance.LoadChunk(kBinaryChunk, SimInstance::MakeChunk(kBinaryChunk, "", "\x01\x02\x03\x04")), 0);
    EXPECT_EQ(StateValue(instance, 1), 0.0);

    // The library's controls chunk sets the host parameters it names, and through them the effect.
    AAX_CChunkDataParser parser;
    parser.AddDouble("par1", 1.0);
    parser.AddDouble("par4", 0.7);
    std::vector<uint8_t> controls(kAAXChunkHeaderSize + size_t(parser.GetChunkDataSize()), 0);
    auto* header = reinterpret_cast<AAX_SPlugInChunk*>(controls.data());
    header->chunkId = kControlsChunk;
    ASSERT_EQ(parser.GetChunkData(header), 0);
    EXPECT_EQ(instance.LoadChunk(kControlsChunk, controls), 0);
    EXPECT_EQ(instance.Value("par1"), 1.0);
    EXPECT_EQ(StateValue(instance, 1), 1.0);
    EXPECT_NEAR(StateValue(instance, 4), 0.7, 1e-6);
}

TEST_F(VirenoAaxTest, MayUnloadOnceEveryObjectIsReleased)
{
    SimHost& host = plugIn->Host();
    {
        SimInstance& instance = Open(kStereoComponent);
        instance.GenerateCoefficients();
        RenderSignal(instance, Tone(2, 2048), 512);
        EXPECT_GT(plugIn->Module().canUnloadNow(host.Unknown()), 0);
    }
    instances.clear();
    EXPECT_EQ(plugIn->Module().canUnloadNow(host.Unknown()), 0);
    for (const auto& instanceHost : hosts)
        EXPECT_EQ(instanceHost->UnbalancedObjects(), Strings{});
}

} // namespace
