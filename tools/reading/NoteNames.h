#pragma once

#include <string>
#include <vector>

#include "tuner/engine/TunerTables.h"

// Note names for readings. A single note is spelled with sharps, as the editor draws it; the
// strings of a lowered tuning with flats, as the drop tunings themselves are named ("Eb", "Db").

// "C" .. "B" for 0..11; "?" outside.
const char* SharpNoteName(int pitchClass);
const char* FlatNoteName(int pitchClass);

// The open strings the kernel tunes for the instrument and drop index, lowest first.
std::vector<std::string> StringNames(TunerInstrument instrument, int dropIndex);
