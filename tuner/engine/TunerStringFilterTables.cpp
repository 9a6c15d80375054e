#include "TunerStringFilterTables.h"

#include <cmath>

#include "TunerTables.h"

namespace {

// Row k peaks at the note k + 23 semitones above C0 (B1, 61.7 Hz .. E5, 659.3 Hz): the second
// harmonic of an open string. Each reference class is tuned to the middle of its range
// (436.5, 440 and 443.5 Hz).
constexpr int kFirstRowSemitones = 23;
constexpr double kC0 = 16.351597831287414;
constexpr double kClassReferenceHz[kTunerReferenceClassCount] = {436.5, 440.0, 443.5};

// Every section of a row is the same second-order band-pass with unity gain at its peak. The
// bandwidths are shares of the centre frequency. The nearest foreign partial a string filter must
// reject is the lower neighbour's third harmonic, two semitones (12%) above the target:
//  table B (strings 3-6, three sections): 5% a section, about 41 dB down there after one pass and
//    82 dB after the two that string 3 takes;
//  table A (strings 1 and 2, passed twice, six sections in all): 7% a section, about 65 dB down there;
//  the bass's low B row for drop tunings, where string 2 may sit a semitone above: 3%.
constexpr double kBandwidthA = 0.07;
constexpr double kBandwidthB = 0.05;
constexpr double kBandwidthLowB = 0.03;

constexpr int kRowsWithSeparate = kTunerFilterRowCount + 1;
int16_t gRows[2][kTunerReferenceClassCount][kRowsWithSeparate][kTunerFilterCoefficientCount];
bool gDesigned = false;

int16_t ToQ15(double value)
{
    const double scaled = std::round(value * 32768.0);
    return static_cast<int16_t>(scaled > 32767.0 ? 32767.0 : (scaled < -32768.0 ? -32768.0 : scaled));
}

// A band-pass (1 - z^-2) b0 / (1 + 2 a1 z^-1 + a2 z^-2) peaking at frequency with unity gain.
void DesignRow(double frequency, double bandwidthShare, int16_t* row)
{
    const double w0 = 2.0 * M_PI * frequency / kTunerStringSampleRate;
    const double alpha = std::sin(w0) * bandwidthShare / 2.0;  // sin(w0) / (2 Q), Q = 1 / share
    const double norm = 1.0 + alpha;
    const int16_t b0 = ToQ15(alpha / norm);
    const int16_t a1 = ToQ15(-std::cos(w0) / norm);  // the section doubles it
    const int16_t a2 = ToQ15((1.0 - alpha) / norm);
    for (int section = 0; section < 3; ++section) {
        int16_t* c = row + 4 * section;
        c[0] = b0;
        c[1] = static_cast<int16_t>(-b0);
        c[2] = a1;
        c[3] = a2;
    }
}

} // namespace

void TunerInitStringFilterTables()
{
    if (gDesigned) return;
    for (int table = 0; table < 2; ++table) {
        const double share = table == 0 ? kBandwidthA : kBandwidthB;
        for (int cls = 0; cls < kTunerReferenceClassCount; ++cls) {
            const double c0 = kC0 * kClassReferenceHz[cls] / 440.0;
            for (int row = 0; row < kTunerFilterRowCount; ++row)
                DesignRow(c0 * std::exp2((row + kFirstRowSemitones) / 12.0), share, gRows[table][cls][row]);
            DesignRow(c0 * std::exp2(kFirstRowSemitones / 12.0), kBandwidthLowB, gRows[table][cls][kTunerFilterRowCount]);
        }
    }
    gDesigned = true;
}

const int16_t* TunerStringFilterRow(bool tableA, int referenceClass, int row)
{
    const int index = row == kTunerSeparateBassRow ? kTunerFilterRowCount : row;
    return gRows[tableA ? 0 : 1][referenceClass][index];
}
