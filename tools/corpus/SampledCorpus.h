#pragma once

// Sampled instruments for the accuracy corpus, played from a General MIDI soundfont by the
// fluidsynth program at 24 kHz with reverb and chorus off: every guitar and bass voice (programs
// 24-39) plays every note from its lowest open string to its highest string's 12th fret, each
// detuned by -20, -12, -6, 0, +6, +12 and +20 cents; the steel and clean electric guitars and the
// finger and picked basses also strum in every tuning. Truth is the note and pitch bend each tone
// was played at.

#include <string>
#include <vector>

#include "AccuracyCorpus.h"

namespace corpus {

// Renders the sampled cases with the soundfont at `soundfontPath`, working in `workDirectory`.
// Empty, with a message in error, when the soundfont or fluidsynth is missing or the render fails.
std::vector<Case> SampledCorpus(const std::string& soundfontPath, const std::string& workDirectory, std::string& error);

// The same cases without their signals (no render), in the same order.
std::vector<Case> SampledCases();

} // namespace corpus
