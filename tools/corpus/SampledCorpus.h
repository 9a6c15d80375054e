#pragma once

// Sampled instruments for the accuracy corpus: notes and strums played from a General MIDI
// soundfont by the fluidsynth program, at 24 kHz with reverb and chorus off. Truth is the note and
// pitch bend each tone was played at.

#include <string>
#include <vector>

#include "AccuracyCorpus.h"

namespace corpus {

// Renders the sampled cases with the soundfont at `soundfontPath`, working in `workDirectory`.
// Empty, with a message in error, when the soundfont or fluidsynth is missing or the render fails.
std::vector<Case> SampledCorpus(const std::string& soundfontPath, const std::string& workDirectory, std::string& error);

} // namespace corpus
