#include "TunerDisplayStage.h"
#include "TunerKernel.h"
#include "TunerSixString.h"

void TunerDetect()
{
    TunerKernelState& k = TunerKernel();
    TunerSixStringStage(k.frames[k.ringIndex]);
    if (k.analysisMode == kTunerPolyphonic)
        TunerSixStringDisplay();
    else
        TunerDisplaySingleNote();
}
