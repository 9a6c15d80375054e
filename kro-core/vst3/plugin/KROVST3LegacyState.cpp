#include "KROVST3LegacyState.h"

#include <cstring>

namespace Steinberg {
namespace Vst {

namespace {

float LittleEndianFloat(const char* bytes)
{
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | static_cast<uint8_t>(bytes[i]);
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

} // namespace

bool ParseLegacyState(const std::string& bytes, int32_t parameterCount, int32_t chunkSize, KROVST3LegacyState& state)
{
    if (parameterCount < 0 || chunkSize < 0)
        return false;
    const size_t valueBytes = static_cast<size_t>(parameterCount) * 4;
    // Exactly the layout: random bytes of a length that happens to be long enough are no state.
    if (bytes.size() != valueBytes + 1 + static_cast<size_t>(chunkSize))
        return false;

    KROVST3LegacyState parsed;
    for (int32_t i = 0; i < parameterCount; ++i)
    {
        const float value = LittleEndianFloat(bytes.data() + 4 * i);
        if (!(value >= 0.0f && value <= 1.0f))
            return false;
        parsed.values.push_back(value);
    }
    parsed.bypass = bytes[valueBytes] != 0;
    parsed.chunk = bytes.substr(valueBytes + 1, static_cast<size_t>(chunkSize));
    state = std::move(parsed);
    return true;
}

} // namespace Vst
} // namespace Steinberg
