// Vireno's processor driven by the in-process host: bus arrangements, processing set-up,
// bit-exact pass-through, the odd calls real hosts make, silence flags, the host's bypass and
// the parameter changes it reports back.

#include "testhosts/vst3/ProcessorConformance.h"
#include "VirenoTestHost.h"

#include "kro-core/vst3/plugin/KROVST3ParamIds.h"
#include "kro-core/vst3/plugin/KROVST3PlugEditorMessage.h"

#include "pluginterfaces/vst/ivstprocesscontext.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

using ProcessorConformance::Fill;
using ProcessorConformance::kMaxBlock;
using ProcessorConformance::kSentinel;
using ProcessorConformance::Passed;

void Start(IAudioProcessor& processor, IComponent& component, int32 channels)
{
    SpeakerArrangement arrangement = channels == 1 ? SpeakerArr::kMono : SpeakerArr::kStereo;
    ASSERT_EQ(processor.setBusArrangements(&arrangement, 1, &arrangement, 1), kResultOk);
    ProcessSetup setup{kRealtime, kSample32, kMaxBlock, 48000.0};
    ASSERT_EQ(processor.setupProcessing(setup), kResultOk);
    ASSERT_EQ(component.setActive(true), kResultOk);
}

class VirenoProcess : public VirenoTest
{
protected:
    void SetUp() override
    {
        instance = CreateVireno();
        ASSERT_NE(instance, nullptr);
        processor = instance->processor();
        effect = Processor(*instance).GetEffect();
        ASSERT_NE(effect, nullptr);
    }

    void TearDown() override
    {
        if (instance)
            instance->component()->setActive(false);
    }

    std::unique_ptr<Vst3PluginInstance> instance;
    IAudioProcessor* processor = nullptr;
    CKROPlugInDSP* effect = nullptr;
};

TEST_F(VirenoProcess, OffersMonoAndStereoAndFallsBackToStereo)
{
    struct Case
    {
        SpeakerArrangement in;
        SpeakerArrangement out;
        tresult expected;
        const char16_t* inputName; // the buses afterwards
        int32 channels;
    };
    const Case cases[] = {
        {SpeakerArr::kMono, SpeakerArr::kMono, kResultOk, u"Mono In", 1},
        {SpeakerArr::kMono, SpeakerArr::kMono, kResultOk, u"Mono In", 1},
        {SpeakerArr::kStereo, SpeakerArr::kStereo, kResultOk, u"Stereo In", 2},
        {SpeakerArr::kMono, SpeakerArr::kMono, kResultOk, u"Mono In", 1},
        // Refused from mono: the buses go back to stereo.
        {SpeakerArr::kMono, SpeakerArr::kStereo, kResultFalse, u"Stereo In", 2},
        {SpeakerArr::kStereo, SpeakerArr::kMono, kResultFalse, u"Stereo In", 2},
        {SpeakerArr::k51, SpeakerArr::k51, kResultFalse, u"Stereo In", 2},
        {SpeakerArr::kEmpty, SpeakerArr::kEmpty, kResultFalse, u"Stereo In", 2},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.in << " -> " << c.out);
        SpeakerArrangement in = c.in;
        SpeakerArrangement out = c.out;
        ASSERT_EQ(processor->setBusArrangements(&in, 1, &out, 1), c.expected);
        BusInfo info;
        ASSERT_EQ(instance->component()->getBusInfo(kAudio, kInput, 0, info), kResultTrue);
        EXPECT_EQ(std::u16string(info.name), c.inputName);
        EXPECT_EQ(info.channelCount, c.channels);
        ASSERT_EQ(instance->component()->getBusInfo(kAudio, kOutput, 0, info), kResultTrue);
        EXPECT_EQ(info.channelCount, c.channels);
        EXPECT_EQ(effect->GetInputChannelCount(), c.channels);
        EXPECT_EQ(effect->GetOutputChannelCount(), c.channels);
    }
    SpeakerArrangement two[] = {SpeakerArr::kStereo, SpeakerArr::kStereo};
    EXPECT_EQ(processor->setBusArrangements(two, 2, two, 2), kResultFalse);
    EXPECT_EQ(processor->setBusArrangements(nullptr, 1, nullptr, 1), kResultFalse);
    EXPECT_EQ(instance->component()->getBusCount(kAudio, kInput), 1);
    EXPECT_EQ(instance->component()->getBusCount(kEvent, kInput), 0);
}

TEST_F(VirenoProcess, RefusesDoublePrecisionAndImpossibleSetupsBeforeApplyingAnything)
{
    ProcessorConformance::ExpectSetups(*processor, [this](const ProcessSetup& kept) {
        EXPECT_EQ(Algorithm(*effect).GetSampleRate(), kept.sampleRate);
    });
    EXPECT_EQ(processor->getLatencySamples(), 0u);
    EXPECT_EQ(processor->getTailSamples(), 0u);

    Start(*processor, *instance->component(), 2);
    ProcessorConformance::ExpectDoubleBlockRefused(*processor);
}

TEST_F(VirenoProcess, PassesEveryBlockSizeBitExactly)
{
    ProcessorConformance::ExpectBitExactBlocks(
        *processor, [this](int32 channels) { Start(*processor, *instance->component(), channels); },
        [this] { instance->component()->setActive(false); });
}

// Hosts flush parameters with calls that carry no audio; each must still deliver the changes,
// return success and touch no buffer.
TEST_F(VirenoProcess, ReadsTheParametersOfCallsWithoutAudio)
{
    Start(*processor, *instance->component(), 2);
    Vst3ProcessBlock block(2, kMaxBlock);
    double value = 1.0;
    for (const auto& call : Vst3ProcessBlock::callsWithoutAudio())
    {
        SCOPED_TRACE(call.what);
        Fill(block, 2, 64, 3);
        block.inputChanges().clearQueue();
        QueueChange(block, VST3MasterBypassParamID, value);
        QueueChange(block, 0, value);
        ProcessData& data = block.prepare(64);
        call.change(data);
        ASSERT_EQ(processor->process(data), kResultOk);
        EXPECT_EQ(Processor(*instance).IsMasterBypassed(), value > 0.5);
        EXPECT_EQ(effect->GetParameterNormalized(0), static_cast<float>(value));
        EXPECT_EQ(block.output(0)[0], kSentinel);
        EXPECT_EQ(block.outputChanges().getParameterCount(), 0);
        value = 1.0 - value;
    }
}

TEST_F(VirenoProcess, TakesTheLastPointOfEachQueueAndSkipsQueuesWithoutPoints)
{
    Start(*processor, *instance->component(), 2);
    Vst3ProcessBlock block(2, kMaxBlock);
    int32 index = 0;
    IParamValueQueue* queue = block.inputChanges().addParameterData(3, index);
    queue->addPoint(0, 0.2, index);
    queue->addPoint(40, 0.7, index);
    block.inputChanges().addParameterData(1, index); // no points
    QueueChange(block, 2, 1.5);                      // held to the range
    QueueChange(block, 4, std::numeric_limits<double>::quiet_NaN());
    const float before = effect->GetParameterNormalized(1);
    const float colourBefore = effect->GetParameterNormalized(4);
    ASSERT_EQ(processor->process(block.prepare(64)), kResultOk);
    EXPECT_FLOAT_EQ(effect->GetParameterNormalized(3), 0.7f);
    EXPECT_EQ(effect->GetParameterNormalized(1), before);
    EXPECT_EQ(effect->GetParameterNormalized(2), 1.0f);
    EXPECT_EQ(effect->GetParameterNormalized(4), colourBefore) << "a value that is no number changes nothing";
}

TEST_F(VirenoProcess, ASilentBlockNeedsEveryChannelFlagged)
{
    Start(*processor, *instance->component(), 2);
    Vst3ProcessBlock block(2, kMaxBlock);

    Fill(block, 2, 64, 4);
    ProcessData& partly = block.prepare(64);
    partly.inputs[0].silenceFlags = 0x1;
    partly.outputs[0].silenceFlags = 0x3;
    ASSERT_EQ(processor->process(partly), kResultOk);
    EXPECT_TRUE(Passed(block, 2, 64)) << "one quiet channel of two is no silent block";
    EXPECT_EQ(partly.outputs[0].silenceFlags, 0u);

    Fill(block, 2, 64, 5);
    ProcessData& silent = block.prepare(64);
    silent.inputs[0].silenceFlags = 0x3;
    ASSERT_EQ(processor->process(silent), kResultOk);
    EXPECT_EQ(silent.outputs[0].silenceFlags, 0x3u);
    for (int32 c = 0; c < 2; ++c)
    {
        EXPECT_TRUE(std::all_of(block.output(c), block.output(c) + 64, [](float s) { return s == 0.0f; }));
        EXPECT_EQ(block.output(c)[64], kSentinel);
    }

    // In place, the host's buffers are left as they are.
    Fill(block, 2, 64, 6);
    const float first = block.input(1)[0];
    ProcessData& inPlace = block.prepare(64);
    inPlace.outputs[0].channelBuffers32 = inPlace.inputs[0].channelBuffers32;
    inPlace.inputs[0].silenceFlags = 0x3;
    ASSERT_EQ(processor->process(inPlace), kResultOk);
    EXPECT_EQ(block.input(1)[0], first);
}

TEST_F(VirenoProcess, ToleratesNullChannelsAndBlocksWithFewerChannelsThanTheBuses)
{
    Start(*processor, *instance->component(), 2);
    Vst3ProcessBlock block(2, kMaxBlock);
    Fill(block, 2, 32, 5);
    ProcessData& data = block.prepare(32);
    float* inputs[] = {block.input(0), nullptr};
    float* outputs[] = {block.output(0), nullptr};
    data.inputs[0].channelBuffers32 = inputs;
    data.outputs[0].channelBuffers32 = outputs;
    ASSERT_EQ(processor->process(data), kResultOk);
    EXPECT_TRUE(Passed(block, 1, 32));

    // A host that never set the buses to mono hands a stereo processor one channel.
    Fill(block, 2, 32, 6);
    ProcessData& mono = block.prepare(32);
    mono.inputs[0].numChannels = mono.outputs[0].numChannels = 1;
    ASSERT_EQ(processor->process(mono), kResultOk);
    EXPECT_TRUE(Passed(block, 1, 32));
    EXPECT_EQ(block.output(1)[0], kSentinel);
    EXPECT_EQ(effect->GetInputChannelCount(), 2) << "the buses decide the effect's channels";
}

// Blocks of a 440 Hz tone until the tuner has had two of its frames; each passes unchanged.
void PlayTone(IAudioProcessor& processor, Vst3ProcessBlock& block, int32 channels)
{
    int64 sample = 0;
    for (int32 n = 0; n < 10; ++n)
    {
        for (int32 c = 0; c < channels; ++c)
            for (int32 i = 0; i < kMaxBlock; ++i)
                block.input(c)[i] =
                    0.5f * std::sin(2.0f * 3.14159265f * 440.0f * static_cast<float>(sample + i) / 48000.0f);
        sample += kMaxBlock;
        ASSERT_EQ(processor.process(block.prepare(kMaxBlock)), kResultOk);
        ASSERT_TRUE(Passed(block, channels, kMaxBlock)) << "block " << n;
        block.inputChanges().clearQueue();
    }
}

int32 DisplayCount(CKROPlugInDSP& effect)
{
    int32_t count = 0;
    effect.GetDisplayData(0, count);
    return count;
}

TEST_F(VirenoProcess, TheTunerAnalysesWhileTheHostBypasses)
{
    Start(*processor, *instance->component(), 2);
    EXPECT_EQ(effect->GetParameterNormalized(8), 1.0f) << "the first instance analyses";
    Vst3ProcessBlock block(2, kMaxBlock);
    QueueChange(block, VST3MasterBypassParamID, 1.0);
    PlayTone(*processor, block, 2);
    EXPECT_TRUE(Processor(*instance).IsMasterBypassed());
    EXPECT_EQ(DisplayCount(*effect), 19) << "a new reading while bypassed";
    EXPECT_EQ(DisplayCount(*effect), 1);
    EXPECT_NE(SavedState(*instance->component()).find("<VST3MasterBypass>true</VST3MasterBypass>"), std::string::npos);
}

TEST_F(VirenoProcess, MutesThroughTheHiddenParameter)
{
    Start(*processor, *instance->component(), 1);
    Vst3ProcessBlock block(1, kMaxBlock);
    Processor(*instance).SetParameterFromController(6, 1.0f);
    Fill(block, 1, 200, 2);
    ASSERT_EQ(processor->process(block.prepare(200)), kResultOk);
    EXPECT_TRUE(std::all_of(block.output(0), block.output(0) + 200, [](float s) { return s == 0.0f; }));
    Processor(*instance).SetParameterFromController(6, 0.0f);
    Fill(block, 1, 200, 3);
    ASSERT_EQ(processor->process(block.prepare(200)), kResultOk);
    EXPECT_TRUE(Passed(block, 1, 200));
}

TEST_F(VirenoProcess, ASecondInstancePassesAudioWithoutAnalysing)
{
    auto second = CreateVireno();
    ASSERT_NE(second, nullptr);
    CKROPlugInDSP& secondEffect = *Processor(*second).GetEffect();
    EXPECT_EQ(secondEffect.GetParameterNormalized(8), 0.0f);
    Start(*second->processor(), *second->component(), 1);
    Vst3ProcessBlock block(1, kMaxBlock);
    PlayTone(*second->processor(), block, 1);
    EXPECT_EQ(DisplayCount(secondEffect), 1);
    second->component()->setActive(false);
}

TEST_F(VirenoProcess, FollowsTheTransportOnlyWhenTheContextSaysSomething)
{
    Start(*processor, *instance->component(), 2);
    EXPECT_TRUE(effect->IsTransportPlaying()) << "active means playing until the host says otherwise";
    Vst3ProcessBlock block(2, kMaxBlock);
    struct Case
    {
        uint32 state;
        bool playing;
    };
    const Case cases[] = {
        {ProcessContext::kCycleActive | ProcessContext::kTempoValid, false},
        {0, false},
        {ProcessContext::kRecording, true},
        {0, true},
        {ProcessContext::kPlaying | ProcessContext::kTempoValid, true},
    };
    for (const Case& c : cases)
    {
        ProcessContext context{};
        context.state = c.state;
        context.tempo = 90.0;
        ProcessData& data = block.prepare(64);
        data.processContext = &context;
        ASSERT_EQ(processor->process(data), kResultOk);
        EXPECT_EQ(effect->IsTransportPlaying(), c.playing) << c.state;
    }
    EXPECT_EQ(Algorithm(*effect).GetTempo(), 90.0);
    instance->component()->setActive(false);
    EXPECT_FALSE(effect->IsTransportPlaying());
}

// On the stand-in effect, which shows what reached it and reports the changes it is told to.
class VirenoProcessStandIn : public VirenoTest
{
protected:
    void SetUp() override { Start(*bare.processor, *bare.processor, 2); }
    void TearDown() override { bare.processor->setActive(false); }

    StandInProcessor bare;
};

TEST_F(VirenoProcessStandIn, KeepsTheEffectRunningWhileTheHostBypasses)
{
    Vst3ProcessBlock block(2, kMaxBlock);
    QueueChange(block, VST3MasterBypassParamID, 0.9);
    Fill(block, 2, 256, 1);
    ASSERT_EQ(bare.processor->process(block.prepare(256)), kResultOk);
    EXPECT_TRUE(bare.processor->IsMasterBypassed());
    EXPECT_TRUE(Passed(block, 2, 256));
    EXPECT_EQ(bare.effect->Algorithm().blocks, 1) << "the tuner goes on analysing";
    EXPECT_NE(SavedState(*bare.processor).find("<VST3MasterBypass>true</VST3MasterBypass>"), std::string::npos);

    block.inputChanges().clearQueue();
    QueueChange(block, VST3MasterBypassParamID, 0.5);
    ASSERT_EQ(bare.processor->process(block.prepare(256)), kResultOk);
    EXPECT_FALSE(bare.processor->IsMasterBypassed()) << "on only above one half";
    EXPECT_EQ(bare.effect->Algorithm().blocks, 2);
}

TEST_F(VirenoProcessStandIn, SilenceSkipsTheEffectButNotItsSettings)
{
    Vst3ProcessBlock block(2, kMaxBlock);
    QueueChange(block, 2, 0.6);
    ProcessData& data = block.prepare(128);
    data.inputs[0].silenceFlags = 0x3;
    const int32_t updates = bare.effect->Algorithm().parameterUpdates;
    ASSERT_EQ(bare.processor->process(data), kResultOk);
    EXPECT_EQ(bare.effect->Algorithm().blocks, 0);
    EXPECT_EQ(bare.effect->Algorithm().parameterUpdates, updates + 1);
    EXPECT_FALSE(bare.effect->Algorithm().AreParametersDirty());
}

TEST_F(VirenoProcessStandIn, ReportsChangedParametersAndRetriesWhatTheHostHadNoRoomFor)
{
    Vst3ProcessBlock block(2, kMaxBlock);
    QueueChange(block, 3, 0.3);
    ASSERT_EQ(bare.processor->process(block.prepare(64)), kResultOk);
    block.inputChanges().clearQueue();

    // 6 and 8 are hidden indices: never host parameters.
    bare.effect->reportNext = {1, 6, 3, 8, 4};
    block.outputChanges().setCapacity(1);
    ASSERT_EQ(bare.processor->process(block.prepare(64)), kResultOk);
    ASSERT_EQ(block.outputChanges().getParameterCount(), 1);
    IParamValueQueue* queue = block.outputChanges().getParameterData(0);
    EXPECT_EQ(queue->getParameterId(), 1u);
    int32 offset = -1;
    ParamValue value = -1.0;
    ASSERT_EQ(queue->getPoint(0, offset, value), kResultOk);
    EXPECT_EQ(offset, 0);
    EXPECT_EQ(value, bare.effect->GetParameterNormalized(1));

    block.outputChanges().setCapacity(8);
    ASSERT_EQ(bare.processor->process(block.prepare(64)), kResultOk);
    std::vector<ParamID> reported;
    for (int32 i = 0; i < block.outputChanges().getParameterCount(); ++i)
        reported.push_back(block.outputChanges().getParameterData(i)->getParameterId());
    EXPECT_EQ(reported, (std::vector<ParamID>{3, 4}));
    ASSERT_EQ(block.outputChanges().getParameterData(0)->getPoint(0, offset, value), kResultOk);
    EXPECT_FLOAT_EQ(static_cast<float>(value), 0.3f);
}

// The framework's own processor, which products without Vireno's needs use: it copies its input
// while the host bypasses and then leaves the effect alone.
class FrameworkProcessor : public CKROAudioPlugInVST3
{
public:
    FrameworkProcessor() : effect(std::make_unique<vireno_test::VirenoTestEffect>())
    {
        AttachEffect(effect.get(), new CKROVST3PlugEditorMessage(*this));
    }
    ~FrameworkProcessor() override { effect.reset(); }

    void BeforeProcess(ProcessData&) override { ++beforeProcessCalls; }

    std::unique_ptr<vireno_test::VirenoTestEffect> effect;
    int beforeProcessCalls = 0;
};

TEST_F(VirenoTest, TheFrameworkProcessorCopiesWhileBypassedWithoutRunningTheEffect)
{
    HostApplication host;
    IPtr<FrameworkProcessor> framework = owned(new FrameworkProcessor);
    ASSERT_EQ(framework->initialize(&host), kResultOk);
    Start(*framework, *framework, 2);
    Vst3ProcessBlock block(2, kMaxBlock);
    Fill(block, 2, 100, 8);
    ASSERT_EQ(framework->process(block.prepare(100)), kResultOk);
    EXPECT_EQ(framework->effect->Algorithm().blocks, 1);
    EXPECT_EQ(framework->beforeProcessCalls, 1);

    QueueChange(block, VST3MasterBypassParamID, 1.0);
    Fill(block, 2, 100, 9);
    ASSERT_EQ(framework->process(block.prepare(100)), kResultOk);
    EXPECT_TRUE(Passed(block, 2, 100));
    EXPECT_EQ(framework->effect->Algorithm().blocks, 1);
    EXPECT_EQ(framework->beforeProcessCalls, 1);
    framework->setActive(false);
    framework->terminate();
}

} // namespace
