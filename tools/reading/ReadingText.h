#pragma once

#include <functional>
#include <string>

#include "tuner/engine/TunerDisplayScale.h"
#include "tuner/engine/TunerResultBlock.h"
#include "tuner/engine/TunerTables.h"

// What a reading is read against: the instrument and drop tuning that name the strings, and the
// display mode whose value carries the single note's deviation.
struct ReadingSetup
{
    TunerInstrument instrument = kTunerGuitar;
    int dropIndex = 0;
    bool stream = false;
    std::string description; // the settings in the user's words, for the header
};

// The set-up as a plug-in reports it, asked per product parameter (its offset from the first
// index): the position in its value list (-1 when unknown) and its value text.
ReadingSetup ReadingSetupOfParameters(const std::function<int(int offset)>& listIndex,
                                      const std::function<std::string(int offset)>& valueText);

// Readings as a musician reads them: the note and its cents in words, or the six strings by name
// while a strum reads polyphonic, and nothing while nothing sounds.
class ReadingText
{
public:
    explicit ReadingText(ReadingSetup setup);

    // The line above the readings: the columns and what they are read against.
    std::string Header() const;
    // One reading; no line break.
    std::string Line(double seconds, const TunerResultBlock& reading) const;

private:
    ReadingSetup setup;
};

// Today's machine-readable columns: time, note name, cents, needle or strobe value, note presence,
// polyphonic flag and, while polyphonic, each string's cents/presence.
std::string RawReadingLine(double seconds, const TunerResultBlock& reading, bool stream);

// The display values (19, as the plug-in hands them out) as the kernel's result block.
TunerResultBlock ResultBlockFromValues(const float* values);

// The single note's deviation in cents, recovered from the shaped needle (or strobe) value.
double NoteCents(const TunerResultBlock& reading, bool stream);
