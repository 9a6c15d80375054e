#pragma once

#include <cstdint>

// The single-instance rule. The kernel keeps its state for the whole process, so only one tuner
// effect may drive it: the one created while no other effect was alive. Each effect holds one
// claim for its whole life; the claim is taken before the effect builds its tuner algorithm, so
// that an effect that will not analyse never initialises the kernel another one is using.
//
// Effects may be created and destroyed on more than one thread, so the count is atomic.
class TunerInstanceClaim
{
public:
    TunerInstanceClaim();
    ~TunerInstanceClaim();
    TunerInstanceClaim(const TunerInstanceClaim&) = delete;
    TunerInstanceClaim& operator=(const TunerInstanceClaim&) = delete;

    // Decided once: true when no other claim was held at creation. A surviving effect stays
    // inactive when the active one goes away.
    bool IsActive() const { return active; }

    // Claims held in the process now.
    static int32_t LiveCount();

private:
    const bool active;
};
