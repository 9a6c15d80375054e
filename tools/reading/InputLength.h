#pragma once

#include <string>

// Whether a sound is long enough to give the readings asked for. Each reading is one analysis
// frame (1024 samples at 24 kHz, 42.7 ms); a line is printed every `every` frames.
enum class InputLengthCheck
{
    kEnough,
    kTooShort,
    kEveryTooLarge
};

// The number of whole analysis frames in frames samples at rate Hz.
long AnalysisFrames(long frames, double rate);

// kEnough, or why not with a one-line message naming the sound by name.
InputLengthCheck CheckInputLength(const std::string& name, long frames, double rate, int every, std::string& error);
