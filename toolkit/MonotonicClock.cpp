#include "IClock.h"

#include "platform/IPlatform.h"

namespace VSTGUI {

namespace {

// The plug-in's tick counter: the platform layer's, so a test that installs a fake platform
// steps the editor's time with everything else's.
class PlatformClock : public IClock
{
public:
    uint32_t getTicks() const override { return platform::CurrentPlatform().GetTickCount(); }
};

} // namespace

IClock& monotonicClock()
{
    static PlatformClock clock;
    return clock;
}

} // namespace VSTGUI
