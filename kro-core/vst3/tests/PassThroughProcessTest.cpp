// The fixture's processor driven by the in-process host: bus arrangements, processing set-up,
// bit-exact pass-through, and the odd calls real hosts make.

#include "PassThroughTestInstance.h"
#include "Vst3ProcessBlock.h"

#include "public.sdk/source/common/memorystream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <random>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

constexpr int32 kMaxBlock = 512;
constexpr float kSentinel = 12345.0f;

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
        std::mt19937 random(seed);
        std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
        for (int32 c = 0; c < channels; ++c)
        {
            for (int32 i = 0; i < samples; ++i)
                block.input(c)[i] = noise(random);
            std::fill(block.output(c), block.output(c) + kMaxBlock, kSentinel);
        }
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
    EXPECT_EQ(processor->canProcessSampleSize(kSample32), kResultTrue);
    EXPECT_EQ(processor->canProcessSampleSize(kSample64), kResultFalse);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case
    {
        ProcessSetup setup;
        tresult expected;
    };
    const Case cases[] = {
        {{kRealtime, kSample32, 512, 44100.0}, kResultOk},
        {{kOffline, kSample32, 1, 192000.0}, kResultOk},
        {{kRealtime, kSample64, 512, 44100.0}, kResultFalse},
        {{kRealtime, kSample32, 512, nan}, kResultFalse},
        {{kRealtime, kSample32, 512, inf}, kResultFalse},
        {{kRealtime, kSample32, 512, 0.0}, kResultFalse},
        {{kRealtime, kSample32, 512, -48000.0}, kResultFalse},
        {{kRealtime, kSample32, 0, 48000.0}, kResultFalse},
    };
    for (const Case& c : cases)
    {
        ProcessSetup setup = c.setup;
        EXPECT_EQ(processor->setupProcessing(setup), c.expected)
            << setup.symbolicSampleSize << " " << setup.maxSamplesPerBlock << " " << setup.sampleRate;
    }

    start(2);
    Vst3ProcessBlock block(2, kMaxBlock);
    ProcessData& data = block.prepare(64);
    data.symbolicSampleSize = kSample64;
    EXPECT_EQ(processor->process(data), kResultFalse);
}

TEST_F(PassThroughProcess, PassesEveryBlockSizeBitExactly)
{
    for (int32 channels : {1, 2})
    {
        SCOPED_TRACE(channels);
        start(channels);
        Vst3ProcessBlock block(channels, kMaxBlock);
        for (int32 samples : {1, 2, 77, 511, kMaxBlock})
        {
            fill(block, channels, samples, static_cast<unsigned>(samples));
            ProcessData& data = block.prepare(samples);
            ASSERT_EQ(processor->process(data), kResultOk);
            for (int32 c = 0; c < channels; ++c)
            {
                EXPECT_EQ(std::memcmp(block.output(c), block.input(c), sizeof(float) * static_cast<size_t>(samples)), 0);
                if (samples < kMaxBlock)
                {
                    EXPECT_EQ(block.output(c)[samples], kSentinel) << "wrote past the block";
                }
            }
        }
        processor->setProcessing(false);
        instance->component()->setActive(false);
        active = false;
    }
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
