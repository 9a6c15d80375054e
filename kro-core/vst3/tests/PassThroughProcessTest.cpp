// The fixture's processor driven by the in-process host: bus arrangements, processing set-up,
// bit-exact pass-through, and the odd calls real hosts make.

#include "PassThroughTestInstance.h"
#include "testhosts/vst3/ProcessorConformance.h"
#include "testhosts/vst3/Vst3ProcessBlock.h"

#include "public.sdk/source/common/memorystream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

using ProcessorConformance::kMaxBlock;
using ProcessorConformance::kSentinel;

class PassThroughProcess : public testing::Test
{
protected:
    void SetUp() override
    {
        instance = createPassThrough();
        ASSERT_NE(instance, nullptr);
        processor = instance->processor();
    }

    void TearDown() override
    {
        if (active)
        {
            processor->setProcessing(false);
            instance->component()->setActive(false);
        }
    }

    void start(int32 channels)
    {
        SpeakerArrangement arrangement = channels == 1 ? SpeakerArr::kMono : SpeakerArr::kStereo;
        ASSERT_EQ(processor->setBusArrangements(&arrangement, 1, &arrangement, 1), kResultTrue);
        ProcessSetup setup{kRealtime, kSample32, kMaxBlock, 48000.0};
        ASSERT_EQ(processor->setupProcessing(setup), kResultOk);
        ASSERT_EQ(instance->component()->setActive(true), kResultOk);
        ASSERT_EQ(processor->setProcessing(true), kResultOk);
        active = true;
    }

    bool savedBypass()
    {
        MemoryStream stream;
        EXPECT_EQ(instance->component()->getState(&stream), kResultOk);
        EXPECT_EQ(stream.getSize(), 1);
        return stream.getSize() == 1 && stream.getData()[0] != 0;
    }

    static void queueBypass(Vst3ProcessBlock& block, ParamValue value)
    {
        int32 index = 0;
        block.inputChanges().clearQueue();
        block.inputChanges().addParameterData(PassThrough::kBypassId, index)->addPoint(0, value, index);
    }

    static void fill(Vst3ProcessBlock& block, int32 channels, int32 samples, unsigned seed)
    {
        ProcessorConformance::Fill(block, channels, samples, seed);
    }

    std::unique_ptr<Vst3PluginInstance> instance;
    IAudioProcessor* processor = nullptr;
    bool active = false;
};

TEST_F(PassThroughProcess, AcceptsMonoAndStereoOnly)
{
    struct Case
    {
        SpeakerArrangement in;
        SpeakerArrangement out;
        tresult expected;
        const char16_t* inputName;
    };
    const Case cases[] = {
        {SpeakerArr::kMono, SpeakerArr::kMono, kResultTrue, u"Mono In"},
        {SpeakerArr::kStereo, SpeakerArr::kStereo, kResultTrue, u"Stereo In"},
        {SpeakerArr::kMono, SpeakerArr::kStereo, kResultFalse, nullptr},
        {SpeakerArr::kStereo, SpeakerArr::kMono, kResultFalse, nullptr},
        {SpeakerArr::k51, SpeakerArr::k51, kResultFalse, nullptr},
        {SpeakerArr::kEmpty, SpeakerArr::kEmpty, kResultFalse, nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.in << " -> " << c.out);
        SpeakerArrangement in = c.in;
        SpeakerArrangement out = c.out;
        ASSERT_EQ(processor->setBusArrangements(&in, 1, &out, 1), c.expected);
        if (c.inputName == nullptr)
            continue;
        SpeakerArrangement current = 0;
        ASSERT_EQ(processor->getBusArrangement(kInput, 0, current), kResultTrue);
        EXPECT_EQ(current, c.in);
        BusInfo info;
        ASSERT_EQ(instance->component()->getBusInfo(kAudio, kInput, 0, info), kResultTrue);
        EXPECT_EQ(info.channelCount, SpeakerArr::getChannelCount(c.in));
        EXPECT_EQ(std::u16string(info.name), c.inputName);
    }
    SpeakerArrangement two[] = {SpeakerArr::kStereo, SpeakerArr::kStereo};
    EXPECT_EQ(processor->setBusArrangements(two, 2, two, 1), kResultFalse);
    EXPECT_EQ(processor->setBusArrangements(nullptr, 1, nullptr, 1), kResultFalse);
}

TEST_F(PassThroughProcess, RefusesDoublePrecisionAndImpossibleSetups)
{
    ProcessorConformance::ExpectSetups(*processor, [](const ProcessSetup&) {});
    start(2);
    ProcessorConformance::ExpectDoubleBlockRefused(*processor);
}

TEST_F(PassThroughProcess, PassesEveryBlockSizeBitExactly)
{
    ProcessorConformance::ExpectBitExactBlocks(
        *processor, [this](int32 channels) { start(channels); },
        [this] {
            processor->setProcessing(false);
            instance->component()->setActive(false);
            active = false;
        });
}

TEST_F(PassThroughProcess, ProcessesInPlaceAndCopiesTheSilenceFlags)
{
    start(2);
    Vst3ProcessBlock block(2, kMaxBlock);
    fill(block, 2, 100, 7);
    const std::vector<float> original(block.input(1), block.input(1) + 100);
    ProcessData& data = block.prepare(100);
    data.outputs[0].channelBuffers32 = data.inputs[0].channelBuffers32;
    data.inputs[0].silenceFlags = 0x3;
    ASSERT_EQ(processor->process(data), kResultOk);
    EXPECT_EQ(std::memcmp(block.input(1), original.data(), sizeof(float) * 100), 0);
    EXPECT_EQ(data.outputs[0].silenceFlags, 0x3u);
}

// Hosts flush parameters with calls that carry no audio; each must still deliver the changes,
// return success and touch no buffer.
TEST_F(PassThroughProcess, ReadsTheParametersOfCallsWithoutAudio)
{
    start(2);
    Vst3ProcessBlock block(2, kMaxBlock);
    ParamValue bypass = 1.0;
    for (const auto& call : Vst3ProcessBlock::callsWithoutAudio())
    {
        SCOPED_TRACE(call.what);
        fill(block, 2, 64, 3);
        queueBypass(block, bypass);
        ProcessData& data = block.prepare(64);
        call.change(data);
        ASSERT_EQ(processor->process(data), kResultOk);
        EXPECT_EQ(savedBypass(), bypass > 0.5);
        EXPECT_EQ(block.output(0)[0], kSentinel);
        bypass = 1.0 - bypass;
    }
}

TEST_F(PassThroughProcess, SkipsNullChannelsOfAnInactiveBus)
{
    start(2);
    Vst3ProcessBlock block(2, kMaxBlock);
    fill(block, 2, 32, 5);
    ProcessData& data = block.prepare(32);
    float* inputs[] = {block.input(0), nullptr};
    float* outputs[] = {nullptr, block.output(1)};
    data.inputs[0].channelBuffers32 = inputs;
    data.outputs[0].channelBuffers32 = outputs;
    ASSERT_EQ(processor->process(data), kResultOk);
    EXPECT_EQ(block.output(0)[0], kSentinel);
    EXPECT_EQ(block.output(1)[0], kSentinel);
}

TEST_F(PassThroughProcess, KeepsPassingAudioWhileBypassed)
{
    start(1);
    Vst3ProcessBlock block(1, kMaxBlock);
    fill(block, 1, 77, 11);
    queueBypass(block, 1.0);
    ASSERT_EQ(processor->process(block.prepare(77)), kResultOk);
    EXPECT_TRUE(savedBypass());
    EXPECT_EQ(std::memcmp(block.output(0), block.input(0), sizeof(float) * 77), 0);
}

} // namespace
