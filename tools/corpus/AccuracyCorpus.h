#pragma once

// The accuracy corpus: pure tones on every semitone from B0 to E6; single notes on every string
// and fret up to the 12th, note changes up and down by 1 to 7 semitones (replucked and legato) and
// six-string strums in every tuning, as modelled plucked strings with and without stiffness, and
// optionally as sampled instruments. A third of the corpus is held out of any table search; each
// case says which part it is in.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace corpus {

constexpr double kCorpusRate = 24000.0;

enum class CaseKind
{
    Note,
    Change,
    Strum
};

struct Case
{
    std::string name;
    std::string group; // what the scorer's rows are grouped by: instrument and tone model
    CaseKind kind = CaseKind::Note;
    bool bass = false; // the tuner's instrument setting
    int dropIndex = 0; // the tuner's tuning setting
    bool heldOut = false;
    bool sampled = false;   // played from a soundfont rather than modelled
    bool stretched = false; // partials above their harmonic places (a stiff string)
    int string = 0;         // notes: 0-based string, lowest first (-1: a pure tone)
    // Notes and changes: the note the tone (after the change) was made at, in semitones above C0
    // and cents off it, and where its first four partials sit over their number, in cents above
    // the fundamental (all 0 for a harmonic tone).
    int note = 0;
    double cents = 0.0;
    double partialCents[4] = {};
    int interval = 0; // changes: semitones from the first note
    bool legato = false;
    // Strums: each string's fundamental in cents off its target note, and its second partial's.
    double stringCents[6] = {};
    double secondPartialCents[6] = {};
    bool sharedBand[6] = {};     // strums: the string's band also holds another string's partial (SharesBand)
    std::size_t eventSample = 0; // the onset, or the change
    std::function<std::vector<float>()> render; // the signal at kCorpusRate
};

// The modelled cases, in a fixed order.
std::vector<Case> ModelledCorpus();

// Open strings in semitones above C0, lowest first.
const int* OpenStrings(bool bass);

// A string in a drop tuning, in semitones above C0: lowered by the drop index, but for the bass's
// low B, which stays.
int TunedString(bool bass, int dropIndex, int string);

// Whether, in a tuning, the fundamental or the second partial of another string lies within half
// a semitone of a string's second partial, which its filter band is centred on: the band then holds
// two strong partials that no filter can part (the bass's low B with the fourth string an octave up
// in drop tuning 3, or with the second string on the same note in drop tuning 5), and the string's
// error in a strum shows how the two were detuned rather than how the tables read it. Weaker
// partials in a band (the low B's third in the third string's band in drop tuning 3) leave the
// readings within a cent, so they do not count.
bool SharesBand(bool bass, int dropIndex, int string);

// Whether a case belongs to the held-out part: a fixed third of every family, chosen by name.
bool HeldOutByName(const std::string& name);

} // namespace corpus
