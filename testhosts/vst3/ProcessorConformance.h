#pragma once

// What every processor of ours must do with the processing set-ups and blocks a host hands it,
// as one table of cases and one loop that both processors' tests run.

#include "Vst3ProcessBlock.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <vector>

namespace ProcessorConformance {

using namespace Steinberg;
using namespace Steinberg::Vst;

constexpr int32 kMaxBlock = 512;
// What an output sample holds until the processor writes it.
constexpr float kSentinel = 12345.0f;

// Noise on the inputs of the first channels, the sentinel in every output sample.
inline void Fill(Vst3ProcessBlock& block, int32 channels, int32 samples, unsigned seed)
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

// Whether each channel's output is its input, bit for bit.
inline bool Passed(Vst3ProcessBlock& block, int32 channels, int32 samples)
{
    for (int32 c = 0; c < channels; ++c)
        if (std::memcmp(block.output(c), block.input(c), sizeof(float) * static_cast<size_t>(samples)) != 0)
            return false;
    return true;
}

struct SetupCase
{
    ProcessSetup setup;
    tresult expected;
};

// Taken set-ups first, the last of them the one still in force while the refused ones follow.
inline std::vector<SetupCase> SetupCases()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    return {
        {{kRealtime, kSample32, 512, 44100.0}, kResultOk},  {{kOffline, kSample32, 1, 192000.0}, kResultOk},
        {{kRealtime, kSample32, 256, 44100.0}, kResultOk},  {{kRealtime, kSample64, 512, 96000.0}, kResultFalse},
        {{kRealtime, kSample32, 512, nan}, kResultFalse},   {{kRealtime, kSample32, 512, inf}, kResultFalse},
        {{kRealtime, kSample32, 512, 0.0}, kResultFalse},   {{kRealtime, kSample32, 512, -48000.0}, kResultFalse},
        {{kRealtime, kSample32, 0, 96000.0}, kResultFalse}, {{kRealtime, kSample32, -5, 96000.0}, kResultFalse},
    };
}

// Single precision only; every set-up of the table answered as it says. After each refusal,
// keptSetup is called with the set-up last taken, to check that nothing of the refused one was
// applied.
inline void ExpectSetups(IAudioProcessor& processor, const std::function<void(const ProcessSetup&)>& keptSetup)
{
    EXPECT_EQ(processor.canProcessSampleSize(kSample32), kResultTrue);
    EXPECT_EQ(processor.canProcessSampleSize(kSample64), kResultFalse);
    ProcessSetup taken{};
    for (const SetupCase& c : SetupCases())
    {
        ProcessSetup setup = c.setup;
        EXPECT_EQ(processor.setupProcessing(setup), c.expected)
            << setup.symbolicSampleSize << " " << setup.maxSamplesPerBlock << " " << setup.sampleRate;
        if (c.expected == kResultOk)
            taken = c.setup;
        else
            keptSetup(taken);
    }
}

// A started processor refuses a block in double precision.
inline void ExpectDoubleBlockRefused(IAudioProcessor& processor)
{
    Vst3ProcessBlock block(2, kMaxBlock);
    ProcessData& data = block.prepare(64);
    data.symbolicSampleSize = kSample64;
    EXPECT_EQ(processor.process(data), kResultFalse);
}

// In mono and in stereo, started by start and stopped by stop: blocks of every size pass bit for
// bit with nothing written past the block, and so does a block processed in place.
inline void ExpectBitExactBlocks(IAudioProcessor& processor, const std::function<void(int32)>& start,
                                 const std::function<void()>& stop)
{
    for (int32 channels : {1, 2})
    {
        SCOPED_TRACE(channels);
        start(channels);
        Vst3ProcessBlock block(channels, kMaxBlock);
        for (int32 samples : {1, 2, 77, 511, kMaxBlock, 3})
        {
            SCOPED_TRACE(samples);
            Fill(block, channels, samples, static_cast<unsigned>(samples));
            ASSERT_EQ(processor.process(block.prepare(samples)), kResultOk);
            EXPECT_TRUE(Passed(block, channels, samples));
            for (int32 c = 0; c < channels && samples < kMaxBlock; ++c)
                EXPECT_EQ(block.output(c)[samples], kSentinel) << "wrote past the block";
        }
        // In place, as many hosts process.
        Fill(block, channels, 100, 9);
        const std::vector<float> original(block.input(0), block.input(0) + 100);
        ProcessData& data = block.prepare(100);
        data.outputs[0].channelBuffers32 = data.inputs[0].channelBuffers32;
        ASSERT_EQ(processor.process(data), kResultOk);
        EXPECT_EQ(std::memcmp(block.input(0), original.data(), sizeof(float) * 100), 0);
        stop();
    }
}

} // namespace ProcessorConformance
