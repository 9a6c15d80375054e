#pragma once

#include <cstdint>

// Six-string stage: decimation to 6 kHz, per-string band-pass filters and period estimates.
void TunerSixStringStage(const int32_t* frame);

// Per-string presence and deviation, in polyphonic analysis.
void TunerSixStringDisplay();

// Clears the filter states of the six string filter banks.
void TunerClearStringFilters();

// Clears the per-string states and presence envelopes, on entering or leaving polyphonic analysis.
void TunerResetStringStates();
