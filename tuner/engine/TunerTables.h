#pragma once

// Constant tables of the kernel: string targets, filter-row map, detector configurations and the
// lag table of the single-note detector.

#include <cstdint>

constexpr int kTunerStringCount = 6;
constexpr int kTunerDropTuningCount = 6;
constexpr int kTunerFrameLength = 1024;
constexpr int kTunerSampleRate = 24000;

// Pitch values are octaves above C0 = 16.351597 Hz.
constexpr float kTunerLog2C0 = 4.0313597f;

// Single-note difference function.
constexpr int kTunerCandidateCount = 142;
constexpr int kTunerMinimumWindow = 120;
constexpr int kTunerMaximumWindow = 900;

// Six-string stage.
constexpr int kTunerMaxStringCandidates = 15;
constexpr int kTunerStringFrameLength = 128;
constexpr int kTunerStringSampleRate = 6000;
constexpr int kTunerFilterRowCount = 42;
constexpr int kTunerFilterCoefficientCount = 12;
constexpr int kTunerReferenceClassCount = 3;

enum TunerInstrument
{
    kTunerGuitar = 0,
    kTunerBass = 1
};

// Target of each string (its open string's second harmonic) in semitones above C0,
// [instrument][drop index][string], lowest string first.
extern const int8_t kTunerStringTargetSemitones[2][kTunerDropTuningCount][kTunerStringCount];

// Filter row of a string for the instrument and drop index (-1: the bass's separate low row).
constexpr int kTunerSeparateBassRow = -1;
int TunerFilterRow(TunerInstrument instrument, int string, int dropIndex);

// String s (0-based) uses filter table A for strings 1 and 2, table B for the others.
constexpr bool TunerStringUsesTableA(int string)
{
    return string < 2;
}

// Reference class of the filter tables: 0 below -1 Hz, 1 within +-1 Hz, 2 above +1 Hz.
constexpr int TunerReferenceClass(int referenceOffsetHz)
{
    return referenceOffsetHz < -1 ? 0 : (referenceOffsetHz > 1 ? 2 : 1);
}

// Per-string detector: consecutive lags at 6000 Hz and the search range [first, last).
struct TunerStringDetectorRecord
{
    uint8_t firstLag;
    uint8_t lastLag;
    uint8_t searchFirst;
    uint8_t searchLast;
};
extern const TunerStringDetectorRecord kTunerStringDetectors[2][kTunerDropTuningCount][kTunerStringCount];
extern const float kTunerStringDepthThreshold[2][kTunerStringCount];
extern const float kTunerStringPowerFactor[2][kTunerStringCount];
constexpr bool TunerStringRefines(TunerInstrument instrument, int string)
{
    return instrument == kTunerGuitar && string >= 3;
}

// Lags of the single-note detector in samples at 24 kHz, shortest first.
extern const int16_t kTunerCandidateLags[kTunerCandidateCount];
