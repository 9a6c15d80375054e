#pragma once

#include <cstdint>

namespace VSTGUI {

// Millisecond tick source of frames and the standalone run loop. Injectable so that tests can step
// time; the default is the platform layer's tick counter.
class IClock
{
public:
    virtual ~IClock() = default;
    // Milliseconds since an arbitrary start; wraps like a 32-bit tick count.
    virtual uint32_t getTicks() const = 0;
};

// The platform layer's tick counter (monotonic, wrapping at 32 bits).
IClock& monotonicClock();

} // namespace VSTGUI
