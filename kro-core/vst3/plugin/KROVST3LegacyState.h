#pragma once

// The older binary layout of the component state, still read and never written:
//   N float32 little-endian normalised values for parameter indices 0 ... N-1,
//   one master-bypass byte (0 off, anything else on),
//   the effect's binary chunk of the size the effect declares (none for most effects).

#include <cstdint>
#include <string>
#include <vector>

namespace Steinberg {
namespace Vst {

struct KROVST3LegacyState
{
    std::vector<float> values; // each within 0 ... 1
    bool bypass = false;
    std::string chunk;
};

// False, and state untouched, unless bytes hold exactly the N values, the bypass byte and chunkSize
// chunk bytes, and every value is a number within 0 ... 1. The layout has no mark of its own: its
// exact size and its values' range are all that tell it from other bytes.
bool ParseLegacyState(const std::string& bytes, int32_t parameterCount, int32_t chunkSize, KROVST3LegacyState& state);

} // namespace Vst
} // namespace Steinberg
