#include "TunerSixString.h"

#include <cstring>

#include "TunerKernel.h"

void TunerSixStringStage(const int32_t*)
{
}

void TunerSixStringDisplay()
{
}

void TunerClearStringFilters()
{
    for (TunerStringState& string : TunerKernel().sixString.strings) {
        std::memset(string.firstPass, 0, sizeof string.firstPass);
        std::memset(string.secondPass, 0, sizeof string.secondPass);
    }
}

void TunerResetStringStates()
{
    for (TunerStringState& string : TunerKernel().sixString.strings) {
        string.state = 0;
        string.presence = 0.0f;
    }
}
