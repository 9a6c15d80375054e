#pragma once

#include "toolkit/IRunLoop.h"

#include "pluginterfaces/gui/iplugview.h"

#include <memory>
#include <vector>

namespace Steinberg {
namespace Vst {

// The toolkit's run loop over the host's: an open editor's window events and its timers are
// served by the loop the host's plug frame hands out. The host keeps a reference on each handler
// it was given, so a handler lives until both sides have let go of it. User-interface thread only.
class CKROVST3RunLoop final : public VSTGUI::IRunLoop
{
public:
    // The loop of the plug frame; null when there is no frame or it offers none.
    static std::unique_ptr<CKROVST3RunLoop> FromPlugFrame(IPlugFrame* plugFrame);

    // hostLoop is not null.
    explicit CKROVST3RunLoop(Linux::IRunLoop* hostLoop);
    // Takes off the host's loop whatever is still registered there.
    ~CKROVST3RunLoop() override;
    CKROVST3RunLoop(const CKROVST3RunLoop&) = delete;
    CKROVST3RunLoop& operator=(const CKROVST3RunLoop&) = delete;

    bool registerEventHandler(IEventHandler* handler, int fileDescriptor) override;
    bool unregisterEventHandler(IEventHandler* handler) override;
    bool registerTimer(ITimerHandler* handler, uint64_t intervalMs) override;
    bool unregisterTimer(ITimerHandler* handler) override;

private:
    class HostEventHandler;
    class HostTimerHandler;

    Linux::IRunLoop* hostLoop;                    // one reference held
    std::vector<HostEventHandler*> eventHandlers; // one reference each
    std::vector<HostTimerHandler*> timerHandlers; // one reference each
};

} // namespace Vst
} // namespace Steinberg
