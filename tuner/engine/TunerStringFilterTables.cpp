#include "TunerStringFilterTables.h"

#include "TunerTables.h"

namespace {
int16_t gRows[2][kTunerReferenceClassCount][kTunerFilterRowCount + 1][kTunerFilterCoefficientCount];
} // namespace

void TunerInitStringFilterTables()
{
}

const int16_t* TunerStringFilterRow(bool tableA, int referenceClass, int row)
{
    const int index = row == kTunerSeparateBassRow ? kTunerFilterRowCount : row;
    return gRows[tableA ? 0 : 1][referenceClass][index];
}
