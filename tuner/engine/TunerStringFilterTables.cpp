#include "TunerStringFilterTables.h"

#include <cmath>
#include <complex>

#include "TunerTables.h"

namespace {

// Row k peaks at the note k + 23 semitones above C0 (B1, 61.7 Hz .. E5, 659.3 Hz): the second
// harmonic of an open string. Each reference class is tuned to the middle of its range
// (436.5, 440 and 443.5 Hz).
constexpr int kFirstRowSemitones = 23;
constexpr double kC0 = 16.351597831287414;
constexpr double kClassReferenceHz[kTunerReferenceClassCount] = {436.5, 440.0, 443.5};

constexpr int kRowsWithSeparate = kTunerFilterRowCount + 1;
int16_t gRows[2][kTunerReferenceClassCount][kRowsWithSeparate][kTunerFilterCoefficientCount];
bool gDesigned = false;

int16_t ToQ15(double value)
{
    const double scaled = std::round(value * 32768.0);
    return static_cast<int16_t>(scaled > 32767.0 ? 32767.0 : (scaled < -32768.0 ? -32768.0 : scaled));
}

// One section (1 - z^-2) b0 / (1 + 2 a1 z^-1 + a2 z^-2) peaking at frequency with unity gain, its
// bandwidth a share of that frequency.
struct Section
{
    double b0, a1, a2;
};

Section DesignSection(double frequency, double bandwidthShare)
{
    const double w0 = 2.0 * M_PI * frequency / kTunerStringSampleRate;
    const double alpha = std::sin(w0) * bandwidthShare / 2.0; // sin(w0) / (2 Q), Q = 1 / share
    const double norm = 1.0 + alpha;
    return {alpha / norm, -std::cos(w0) / norm, (1.0 - alpha) / norm};
}

double GainAt(const Section& s, double frequency)
{
    const std::complex<double> z1 = std::polar(1.0, -2.0 * M_PI * frequency / kTunerStringSampleRate);
    return std::abs(s.b0 * (1.0 - z1 * z1) / (1.0 + 2.0 * s.a1 * z1 + s.a2 * z1 * z1));
}

void Store(const Section& s, double gain, int16_t* c)
{
    c[0] = ToQ15(s.b0 * gain);
    c[1] = static_cast<int16_t>(-c[0]);
    c[2] = ToQ15(s.a1); // the section doubles it
    c[3] = ToQ15(s.a2);
}

} // namespace

// The three sections of a row are staggered towards a maximally flat pass band (stagger 1 is
// flat, 0 puts all three at the centre), so a detuned string keeps its level and the skirts fall
// steeply. The bandwidths are shares of the centre frequency, as wide as the neighbouring strings'
// partials allow, since a narrower band rings longer at its own centre and pulls a detuned string's
// reading towards its target while it rings:
//  table A (strings 1 and 2, filtered twice, six sections in all): 7%, flat; a partial two
//    semitones away, the nearest a neighbour's strong partial comes, is 62 dB down;
//  table B (strings 3-6, filtered once): 6%, half staggered; 38 dB down two semitones away;
//  the bass's low B row for drop tunings, where the second or fourth string puts a partial a
//    semitone away: 4%, flat, 55 dB down there.
// vireno-table-design (tools/tabledesign) chose these on the strums of the accuracy corpus's search
// part, one table at a time over shares of 3% to 12% and three staggers: against the unstaggered
// 7%, 5% and 3% the rows had before, the worst tuning's 95th percentile of harmonic string errors
// falls from 3.2 to 0.4 cents on the search part and from 5.3 to 1.4 cents on the held-out part.
const TunerStringFilterShape kTunerStringFilterShapes[3] = {{0.07, 1.0}, {0.06, 0.5}, {0.04, 1.0}};

void TunerInitStringFilterTables()
{
    if (gDesigned)
        return;
    for (int table = 0; table < 2; ++table)
    {
        const TunerStringFilterShape& shape = kTunerStringFilterShapes[table];
        for (int cls = 0; cls < kTunerReferenceClassCount; ++cls)
        {
            for (int row = 0; row < kTunerFilterRowCount; ++row)
                TunerDesignStringFilterRow(TunerStringFilterCentreHz(cls, row), shape, gRows[table][cls][row]);
            TunerDesignStringFilterRow(TunerStringFilterCentreHz(cls, kTunerSeparateBassRow),
                                       kTunerStringFilterShapes[2], gRows[table][cls][kTunerFilterRowCount]);
        }
    }
    gDesigned = true;
}

double TunerStringFilterCentreHz(int referenceClass, int row)
{
    const int semitones = (row == kTunerSeparateBassRow ? 0 : row) + kFirstRowSemitones;
    return kC0 * kClassReferenceHz[referenceClass] / 440.0 * std::exp2(semitones / 12.0);
}

void TunerDesignStringFilterRow(double centreHz, const TunerStringFilterShape& shape, int16_t* row)
{
    // A third-order Butterworth low-pass has its poles at -1 and -1/2 +- j sqrt(3)/2; moved to a
    // narrow band they become a resonator at the centre with the full bandwidth and two at
    // centre (1 -+ sqrt(3)/4 share) with half of it.
    const double offset = shape.stagger * std::sqrt(3.0) / 4.0 * shape.share;
    const double outerShare = shape.share * (1.0 - shape.stagger / 2.0);
    const Section sections[3] = {DesignSection(centreHz * (1.0 - offset), outerShare / (1.0 - offset)),
                                 DesignSection(centreHz, shape.share),
                                 DesignSection(centreHz * (1.0 + offset), outerShare / (1.0 + offset))};
    // The outer sections share the gain that brings the row to unity at its centre.
    const double outerGain = 1.0 / std::sqrt(GainAt(sections[0], centreHz) * GainAt(sections[2], centreHz));
    Store(sections[0], outerGain, row);
    Store(sections[1], 1.0, row + 4);
    Store(sections[2], outerGain, row + 8);
}

const int16_t* TunerStringFilterRow(bool tableA, int referenceClass, int row)
{
    const int index = row == kTunerSeparateBassRow ? kTunerFilterRowCount : row;
    return gRows[tableA ? 0 : 1][referenceClass][index];
}
