#include "TunerKernelState.h"

namespace {
// Lives as long as the library; zero until TunerInit fills it.
TunerKernelState gKernelState;
} // namespace

TunerKernelState& TunerKernel()
{
    return gKernelState;
}
