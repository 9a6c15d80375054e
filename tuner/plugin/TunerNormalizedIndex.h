#pragma once

#include "TunerParameterDescription.h"

// List positions of the tuner parameters from their normalised values.

// The two-valued ones ("Guitar"/"Bass", "Needle"/"Stream", the colour sets): 1 from 0.5 on.
int NormalizedToSwitchIndex(float value);

// The two many-valued ones, on the same single-precision thresholds the editor uses.

// "E", "Eb", "D", "Db", "C", "B": thresholds k/6.
int NormalizedToDropTuningIndex(float value);

// "435" ... "445": the first k with value < (k+1)/11, else 10.
int NormalizedToReferenceIndex(float value);

// The position a parameter of the description takes for a normalised value.
int NormalizedToPosition(TunerParameterDescription::Mapping mapping, float value);
