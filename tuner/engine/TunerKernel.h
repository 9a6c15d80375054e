#pragma once

// The tuner kernel's operations. All of them work on the process-wide kernel-state record.

#include <cstdint>

#include "TunerAnalyser.h"
#include "TunerKernelState.h"
#include "TunerLevelFollower.h"
#include "TunerResultBlock.h"

// Frame driver: analyses frame0 (1024 Q24 samples at 24 kHz), clears frame0 and frame1,
// publishes into the analyser's result and raises its new-result flag.
void TunerAnalyseFrame(TunerAnalyser& analyser, int32_t* frame0, int32_t* frame1);

// Single-note stage on the newest frame of the ring (modified in place).
void TunerProcessFrame(int32_t* frame);

// Six-string stage on the newest frame, then the display values.
void TunerDetect();

// Level gate on the newest frame after pre-emphasis, from its level follower at the end of each
// quarter; returns the largest filtered level.
float TunerLevelDb(const int64_t (&followerAtQuarterEnds)[kTunerLevelQuarters]);

// Median of value and the two previous ones; the history becomes (value, previous newest).
float TunerMedian3(float value, float history[2]);

// Settings.
void TunerSetBass(bool bass);
void TunerSetStream(bool stream);
void TunerSetDropTuning(int dropIndex);
void TunerSetReferenceHz(int hz);
void TunerSetReferenceOffset(int offsetHz);
void TunerSelectTables();
void TunerSetInstrumentMode(int instrument);
void TunerInit();

// Derives the single-note detector's windows and normalisers from a lag table (kTunerCandidateLags,
// or a candidate table under design).
void TunerConfigureSingleNoteDetector(TunerSingleNoteConfig& config, const int16_t* lags);
