#pragma once

// Drives an HSVirenoDSP the way a host does: channel buffers in blocks, peaks per channel.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "tuner/plugin/HSVirenoDSP.h"
#include "tuner/engine/TunerKernel.h"
#include "tuner/plugin/TunerParameterIndex.h"

namespace dsptest {

constexpr int32_t kFirstIndex = TunerParameterIndex::kFirstIndexVST3;

struct Host
{
    std::vector<std::vector<float>> in, out; // one signal per channel
    std::vector<float> inPeaks, outPeaks;
};

// Feeds `in` through the algorithm in blocks of the given sizes (repeated), writing `out`; the
// peaks are those of the last block. Output channels start filled with a marker to show which
// ones were written.
inline void Feed(HSVirenoDSP& dsp, Host& host, const std::vector<int>& blockSizes, size_t outputChannels = 0)
{
    const size_t length = host.in.front().size();
    host.out.assign(outputChannels ? outputChannels : host.in.size(), std::vector<float>(length, 7.0f));
    host.inPeaks.assign(8, -1.0f);
    host.outPeaks.assign(8, -1.0f);
    std::vector<const float*> inputs(host.in.size());
    std::vector<float*> outputs(host.out.size());
    size_t position = 0;
    for (size_t b = 0; position < length || b == 0; ++b)
    {
        const size_t n = std::min(static_cast<size_t>(blockSizes[b % blockSizes.size()]), length - position);
        for (size_t c = 0; c < inputs.size(); ++c)
            inputs[c] = host.in[c].data() + position;
        for (size_t c = 0; c < outputs.size(); ++c)
            outputs[c] = host.out[c].data() + position;
        dsp.Process(inputs.data(), outputs.data(), host.inPeaks.data(), host.outPeaks.data(), static_cast<int32_t>(n));
        position += n;
    }
}

inline float Peak(const std::vector<float>& signal)
{
    float peak = 0.0f;
    for (float s : signal)
        peak = std::max(peak, std::fabs(s));
    return peak;
}

} // namespace dsptest
