#include "IClock.h"

#include <chrono>

namespace VSTGUI {

namespace {

class MonotonicClock : public IClock
{
public:
    uint32_t getTicks() const override
    {
        auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }
};

} // namespace

IClock& monotonicClock()
{
    static MonotonicClock clock;
    return clock;
}

} // namespace VSTGUI
