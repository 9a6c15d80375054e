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
    std::vector<float> values;  // clamped to 0 ... 1
    bool bypass = false;
    std::string chunk;
};

// False, and state untouched, unless bytes hold all N values, the bypass byte and chunkSize
// chunk bytes, and every value is a number. A state never half applies from a truncated stream.
// Bytes past the layout are ignored.
bool ParseLegacyState(const std::string& bytes, int32_t parameterCount, int32_t chunkSize, KROVST3LegacyState& state);

} // namespace Vst
} // namespace Steinberg
