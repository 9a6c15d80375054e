#pragma once

// Single-note display values: note state, envelopes, note number, deviation, needle and strobe.
void TunerDisplaySingleNote();
