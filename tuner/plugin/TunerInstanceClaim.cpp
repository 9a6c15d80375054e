#include "TunerInstanceClaim.h"

#include <atomic>

namespace {

std::atomic<int32_t> liveClaims{0};

} // namespace

TunerInstanceClaim::TunerInstanceClaim() : active(liveClaims.fetch_add(1, std::memory_order_acq_rel) == 0) {}

TunerInstanceClaim::~TunerInstanceClaim()
{
    liveClaims.fetch_sub(1, std::memory_order_acq_rel);
}

int32_t TunerInstanceClaim::LiveCount()
{
    return liveClaims.load(std::memory_order_acquire);
}
