#pragma once

// The tuner effect as a host drives it, for the effect's tests: each test gets a fresh
// application-data folder (the effect reads and writes "Default.xml" there when it is created),
// and a driver that runs a signal through an effect block by block, collecting its readings.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/testing/FakePlatform.h"
#include "tuner/plugin/KROVirenoPlugInDSP.h"
#include "platform/testing/TemporaryFolder.h"

namespace effecttest {

constexpr int32_t kBlockFrames = 512;

using Reading = std::array<float, CKROVirenoPlugInDSP::kReadingValueCount>;

class VirenoEffectTest : public ::testing::Test
{
protected:
    VirenoEffectTest() { fake.SetAppDataFolder(appData.string()); }

    platform::testing::TemporaryFolder temporary;
    const std::filesystem::path appData = temporary.Path() / "config";
    const std::filesystem::path presetFile = appData / "Halvard Sonics" / "Vireno" / "Default.xml";
    platform::FakePlatform fake;
    platform::ScopedPlatform scope{fake};
};

// Audio of one or more channels and what the effect made of it.
struct HostRun
{
    std::vector<std::vector<float>> in, out;
    std::vector<Reading> readings; // every 19-value answer of the display data, in order
};

// Processes blocks [firstBlock, endBlock) of run.in (all of it by default) as separate input and
// output buffers, asking for the display data after each block as the editor would.
inline void Drive(CKROVirenoPlugInDSP& effect, HostRun& run, size_t firstBlock = 0, size_t endBlock = SIZE_MAX)
{
    const size_t length = run.in.front().size();
    if (run.out.size() != run.in.size())
        run.out.assign(run.in.size(), std::vector<float>(length, 7.0f));
    std::vector<const float*> inputs(run.in.size());
    std::vector<float*> outputs(run.out.size());
    for (size_t start = firstBlock * kBlockFrames; start < length && start < endBlock * kBlockFrames;
         start += kBlockFrames)
    {
        const int32_t frames = static_cast<int32_t>(std::min<size_t>(kBlockFrames, length - start));
        for (size_t c = 0; c < inputs.size(); ++c)
        {
            inputs[c] = run.in[c].data() + start;
            outputs[c] = run.out[c].data() + start;
        }
        int32_t changed[CKROVirenoPlugInDSP::kMaxParameterChanges] = {};
        int32_t changedCount = -1;
        effect.Process(inputs.data(), outputs.data(), frames, changed, changedCount);
        int32_t count = 0;
        const float* values = effect.GetDisplayData(0, count);
        if (count == CKROVirenoPlugInDSP::kReadingValueCount)
        {
            Reading reading;
            std::memcpy(reading.data(), values, sizeof reading);
            run.readings.push_back(reading);
        }
    }
}

inline void SetUpForHost(CKROVirenoPlugInDSP& effect, int32_t channels, double rate = 48000.0)
{
    effect.SetSampleRate(rate);
    effect.SetBlockSize(kBlockFrames);
    effect.SetChannelCounts(channels, channels);
}

} // namespace effecttest
