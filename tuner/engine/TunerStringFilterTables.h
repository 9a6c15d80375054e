#pragma once

#include <cstdint>

// Band-pass coefficient rows of the string filter banks: tables A and B, three reference classes,
// 42 rows of 12 Q15 coefficients (three sections of b0, b2, a1, a2, always with b2 = -b0), and the
// bass's separate row.
void TunerInitStringFilterTables();
const int16_t* TunerStringFilterRow(bool tableA, int referenceClass, int row);
