#pragma once

#include "TunerSingleNoteState.h"

// A small two-layer network that tells one string from several sounding at once, from the depths
// of the two deepest minima and the ratio of their frequencies. Updates the retained hidden values
// and the probability; keeps the previous ones when a new value is not finite.
void TunerClassify(const TunerCandidateFeatures& features, float hidden[5], float& probability);
