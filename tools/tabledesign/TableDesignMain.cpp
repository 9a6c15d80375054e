// Chooses the kernel's single-note lags and string filter shapes against the accuracy corpus, and
// prints the search and held-out figures of every candidate and of the choice.
//   vireno-table-design [--soundfont FILE.sf2] [--lags | --filters]
// The lags: two geometric runs that meet where the detector's window stops growing (150 samples),
// consecutive samples below the first up to the reference A's period, every other sample among the
// shortest; the search picks where that sparse run ends and how the count is shared between the
// geometric runs. The filters: per table, the bandwidth share and the
// stagger of the three sections, one table at a time over a grid.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "AccuracyScorer.h"
#include "LagDesign.h"
#include "SampledCorpus.h"
#include "TunerKernel.h"
#include "TunerStringFilterTables.h"

namespace {

using corpus::Case;
using corpus::CaseKind;

constexpr int kWindowStopsGrowing = 150;  // 6 lags a window up to the 900-sample cap
// Every sample up to the period of the reference A at 440 Hz (54.5 samples), which must read exactly:
// with fewer, it falls where rounding leaves two samples between candidates.
constexpr int kReferencePeriod = 54;

struct Evaluation {
    corpus::Figures search, heldOut;
};

enum class Kinds { All, Strums };

// Scores the cases (all, or the strums alone) with a patch; both parts.
Evaluation Evaluate(const std::vector<Case>& cases, Kinds kinds, const corpus::TablePatch& patch,
                    std::vector<double>* strumScore = nullptr)
{
    corpus::Scorer scorer;
    for (const Case& c : cases)
        if (kinds == Kinds::All || c.kind == CaseKind::Strum) scorer.Add(c, corpus::Measure(c, c.render(), patch));
    if (strumScore) *strumScore = {scorer.StrumScore(false), scorer.StrumScore(true)};
    return {scorer.FiguresOf(false), scorer.FiguresOf(true)};
}

// The lag search keeps the candidates that are no worse than the first table on the search part
// in the steady error (median, 95th percentile and the worst pure tone), the octave and
// subharmonic frames, the slowest change and the slowest polyphonic reading of a strum, and within
// 1% of the notes in the two counts of notes (right at onset, with an octave or subharmonic),
// which swing by a few notes between tables that differ only far from them; of those it takes
// the one with the smallest median error of single notes.
bool NoWorse(const corpus::Figures& f, const corpus::Figures& today)
{
    const int slack = today.notes / 100;
    return f.notesRightAtOnset + slack >= today.notesRightAtOnset && f.harmonicCases <= today.harmonicCases + slack &&
           f.harmonicFrames <= today.harmonicFrames && f.slowestChange >= 0 && f.slowestChange <= today.slowestChange &&
           f.noteMedian <= today.noteMedian && f.noteP95 <= today.noteP95 && f.sineWorst <= today.sineWorst &&
           f.slowestPolyphonic >= 0 && f.slowestPolyphonic <= today.slowestPolyphonic;
}

void PrintLagFigures(const char* label, const Evaluation& e)
{
    for (const corpus::Figures* f : {&e.search, &e.heldOut})
        std::printf("  %-26s %-8s onset %3d/%-3d oct/sub %2d/%-3d change %2d poly %2d median %.3f p95 %.3f sine %.3f\n",
                    label, f == &e.search ? "search" : "held-out", f->notesRightAtOnset, f->notes, f->harmonicCases,
                    f->harmonicFrames, f->slowestChange, f->slowestPolyphonic, f->noteMedian, f->noteP95, f->sineWorst);
}

std::vector<int16_t> ChooseLags(const std::vector<Case>& cases)
{
    std::printf("Single-note lags: every other sample to E, consecutive to L, then S geometric steps to %d, the rest "
                "to 900\n", kWindowStopsGrowing);
    auto patchFor = [](const std::vector<int16_t>& lags) -> corpus::TablePatch {
        return [lags] { TunerConfigureSingleNoteDetector(TunerKernel().singleNoteConfig, lags.data()); };
    };
    // The first table: every sample to 54, 40 steps to 150, 53 to 900.
    std::vector<int16_t> best = tabledesign::TwoRunLags(kTunerCandidateCount, 6, 900, kReferencePeriod,
                                                        kWindowStopsGrowing, 40);
    const Evaluation today = Evaluate(cases, Kinds::All, patchFor(best));
    PrintLagFigures("the first table", today);
    corpus::Figures bestFigures = today.search;
    for (int everyOtherTo : {0, 12, 16}) {
        for (int consecutiveTo : {kReferencePeriod}) {
            for (int stepsBelow : {38, 40, 42, 44}) {
                const std::vector<int16_t> lags = tabledesign::TwoRunLags(
                    kTunerCandidateCount, 6, 900, consecutiveTo, kWindowStopsGrowing, stepsBelow, everyOtherTo);
                const Evaluation e = Evaluate(cases, Kinds::All, patchFor(lags));
                char label[64];
                std::snprintf(label, sizeof label, "E %d, L %d, S %d%s", everyOtherTo, consecutiveTo, stepsBelow,
                              NoWorse(e.search, today.search) ? " (ok)" : "");
                PrintLagFigures(label, e);
                if (NoWorse(e.search, today.search) && e.search.noteMedian < bestFigures.noteMedian) {
                    bestFigures = e.search;
                    best = lags;
                }
            }
        }
    }
    const auto from100 = std::lower_bound(best.begin(), best.end(), 100);
    std::printf("Chosen lags (largest step from 100 samples %.2f%%):",
                100.0 * tabledesign::LargestStep(std::vector<int16_t>(from100, best.end())));
    for (size_t i = 0; i < best.size(); ++i) std::printf("%s%d,", i % 20 == 0 ? "\n    " : " ", best[i]);
    std::printf("\n");
    std::fflush(stdout);
    return best;
}

// Rows designed for a case's instrument and tuning at the 440 Hz reference, put in place of the
// selected ones.
struct FilterPatch {
    TunerStringFilterShape shapes[3];  // table A, table B, the bass's separate low row
    int16_t rows[kTunerStringCount][kTunerFilterCoefficientCount];

    void Apply()
    {
        auto& settings = TunerKernel().settings;
        for (int s = 0; s < kTunerStringCount; ++s) {
            const int row = settings.filterRows[s];
            const TunerStringFilterShape& shape =
                row == kTunerSeparateBassRow ? shapes[2] : shapes[TunerStringUsesTableA(s) ? 0 : 1];
            TunerDesignStringFilterRow(TunerStringFilterCentreHz(TunerReferenceClass(0), row), shape, rows[s]);
            settings.stringFilters[s] = rows[s];
        }
    }
};

// What the filter search minimises on the search part: the worst instrument and tuning's 95th
// percentile and median of |string error| in harmonic strums, and a tenth of the mean over all
// instruments and tunings (StrumScore), which breaks ties among shapes that leave the worst ones
// where they are.
double FilterCost(const corpus::Figures& f, double meanScore)
{
    return f.strumP95Worst + f.strumMedianWorst + 0.1 * meanScore;
}

void ChooseFilters(const std::vector<Case>& cases, TunerStringFilterShape (&shapes)[3])
{
    static FilterPatch patch;
    auto evaluate = [&](const char* label) {
        for (int t = 0; t < 3; ++t) patch.shapes[t] = shapes[t];
        std::vector<double> mean;
        const Evaluation e = Evaluate(cases, Kinds::Strums, [] { patch.Apply(); }, &mean);
        for (int part = 0; part < 2; ++part) {
            const corpus::Figures& f = part == 0 ? e.search : e.heldOut;
            std::printf("  %-36s %-8s worst median %.3f worst p95 %6.3f mean %.3f cost %.3f\n", label,
                        part == 0 ? "search" : "held-out", f.strumMedianWorst, f.strumP95Worst, mean[part],
                        FilterCost(f, mean[part]));
        }
        std::fflush(stdout);
        return FilterCost(e.search, mean[0]);
    };
    std::printf("\nString filters, per table: bandwidth share and stagger; |string error| in strums, cents\n");
    double best = evaluate("the first design's shapes");
    const char* names[3] = {"A", "B", "low B"};
    for (int round = 0; round < 2; ++round) {
        for (int t : {2, 0, 1}) {
            for (double share : {0.03, 0.05, 0.07, 0.09}) {
                for (double stagger : {0.0, 0.5, 1.0}) {
                    const TunerStringFilterShape kept = shapes[t];
                    shapes[t] = {share, stagger};
                    char label[64];
                    std::snprintf(label, sizeof label, "table %s share %.2f stagger %.1f", names[t], share, stagger);
                    const double cost = evaluate(label);
                    if (cost < best - 1e-9) best = cost;
                    else shapes[t] = kept;
                }
            }
        }
    }
    for (int t = 0; t < 3; ++t)
        std::printf("Chosen table %s: share %.2f, stagger %.1f\n", names[t], shapes[t].share, shapes[t].stagger);
}

} // namespace

int main(int argc, char** argv)
{
    std::string soundfont;
    bool lags = true, filters = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--soundfont") == 0 && i + 1 < argc) {
            soundfont = argv[++i];
        } else if (std::strcmp(argv[i], "--lags") == 0) {
            filters = false;
        } else if (std::strcmp(argv[i], "--filters") == 0) {
            lags = false;
        } else {
            std::fprintf(stderr, "usage: %s [--soundfont FILE.sf2] [--lags | --filters]\n", argv[0]);
            return 2;
        }
    }
    std::vector<Case> cases = corpus::ModelledCorpus();
    if (!soundfont.empty()) {
        char work[] = "/tmp/vireno-design-XXXXXX";
        if (!mkdtemp(work)) return 1;
        std::string error;
        std::vector<Case> sampled = corpus::SampledCorpus(soundfont, work, error);
        std::system((std::string("rm -rf '") + work + "'").c_str());
        if (sampled.empty()) {
            std::fprintf(stderr, "sampled corpus: %s\n", error.c_str());
            return 1;
        }
        for (Case& c : sampled) cases.push_back(std::move(c));
    }
    if (lags) ChooseLags(cases);
    TunerStringFilterShape shapes[3] = {{0.07, 0.0}, {0.05, 0.0}, {0.03, 0.0}};  // the first design's
    if (filters) ChooseFilters(cases, shapes);
    return 0;
}
