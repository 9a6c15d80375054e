#pragma once

#include <cstdint>

namespace VSTGUI {

// Millisecond tick source of frames and the standalone run loop. Injectable so that tests can step
// time; the monotonic default serves everything else. (A platform-layer clock can stand behind it.)
class IClock
{
public:
    virtual ~IClock() = default;
    // Milliseconds since an arbitrary start; wraps like a 32-bit tick count.
    virtual uint32_t getTicks() const = 0;
};

// The process's monotonic clock.
IClock& monotonicClock();

} // namespace VSTGUI
