#pragma once

// List positions of the two many-valued tuner parameters from their normalised values, on the
// same single-precision thresholds the editor uses.

// "E", "Eb", "D", "Db", "C", "B": thresholds k/6.
int NormalizedToDropTuningIndex(float value);

// "435" ... "445": the first k with value < (k+1)/11, else 10.
int NormalizedToReferenceIndex(float value);
