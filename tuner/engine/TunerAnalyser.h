#pragma once

#include "TunerHumFilter.h"
#include "TunerResultBlock.h"

// The per-instance part of the kernel: hum-filter state and the published result.
struct TunerAnalyser
{
    TunerHumFilter hum;
    bool newResult = false;
    TunerResultBlock result;
};
