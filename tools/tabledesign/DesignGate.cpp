#include "DesignGate.h"

namespace tabledesign {

GateVerdict Gate(const PartScore& candidate, const PartScore& kernel)
{
    return {corpus::WorseRows(candidate.figures, kernel.figures),
            corpus::LostCases(candidate.readings, kernel.readings)};
}

} // namespace tabledesign
