#include "NoteNames.h"

namespace {

constexpr int kPitchClasses = 12;
const char* const kSharpNames[kPitchClasses] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
const char* const kFlatNames[kPitchClasses] = {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};

} // namespace

const char* SharpNoteName(int pitchClass)
{
    return pitchClass >= 0 && pitchClass < kPitchClasses ? kSharpNames[pitchClass] : "?";
}

const char* FlatNoteName(int pitchClass)
{
    return pitchClass >= 0 && pitchClass < kPitchClasses ? kFlatNames[pitchClass] : "?";
}

std::vector<std::string> StringNames(TunerInstrument instrument, int dropIndex)
{
    std::vector<std::string> names;
    if (dropIndex < 0 || dropIndex >= kTunerDropTuningCount)
        return names;
    // A target is the open string's second harmonic; its pitch class is the string's name.
    for (int8_t target : kTunerStringTargetSemitones[instrument][dropIndex])
        names.push_back(FlatNoteName(target % kPitchClasses));
    return names;
}
