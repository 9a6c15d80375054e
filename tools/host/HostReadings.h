#pragma once

#include <chrono>
#include <cstdint>

#include "HostOptions.h"
#include "tools/reading/ReadingText.h"

// The readings a command-line host prints while it plays: the header, then a line every `--every`
// analysis frames of the sound, as a musician reads it or as raw columns.
class HostReadings
{
public:
    HostReadings(const HostOptions& options, ReadingSetup setup, int sampleRate);

    // Prints the header (none for raw columns) and flushes it.
    void PrintHeader() const;
    // True when a reading falls due once `played` frames have played; the next one is then counted
    // from here, whether or not the plug-in answers.
    bool TakeDue(long played);
    // Prints the reading of the plug-in's 19 display values at `played` frames; flushed while
    // playing in real time, so a person sees it as it comes.
    void Print(long played, const float* values);
    long Count() const { return count; }

private:
    ReadingSetup setup;
    ReadingText text;
    bool raw;
    bool live;
    int sampleRate;
    long step;
    long next;
    long count = 0;
};

// Milliseconds until the last of `played` frames would be heard, had playing begun at `started`.
uint32_t MillisecondsUntilHeard(std::chrono::steady_clock::time_point started, long played, int sampleRate);
