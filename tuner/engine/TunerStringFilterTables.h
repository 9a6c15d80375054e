#pragma once

#include <cstdint>

// Band-pass coefficient rows of the string filter banks: tables A and B, three reference classes,
// 42 rows of 12 Q15 coefficients (three sections of b0, b2, a1, a2, always with b2 = -b0), and the
// bass's separate row.
void TunerInitStringFilterTables();
const int16_t* TunerStringFilterRow(bool tableA, int referenceClass, int row);

// The shape of a row: three second-order band-pass sections, the middle one at the row's centre
// with a bandwidth of `share` of the centre frequency; the outer two moved apart by `stagger`
// (0: all three at the centre; 1: a maximally flat, Butterworth, pass band of `share`) with their
// bandwidths halved at 1; unity gain at the centre.
struct TunerStringFilterShape
{
    double share;
    double stagger;
};

// The shapes the tables are designed with: table A, table B, the bass's separate row.
extern const TunerStringFilterShape kTunerStringFilterShapes[3];

// Centre of a row for a reference class, Hz (the separate bass row shares row 0's centre).
double TunerStringFilterCentreHz(int referenceClass, int row);

// Designs one row for the 6000 Hz string rate into row[12].
void TunerDesignStringFilterRow(double centreHz, const TunerStringFilterShape& shape, int16_t* row);
