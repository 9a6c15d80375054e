// Chooses the kernel's single-note lags and string filter shapes against the accuracy corpus, and
// prints the search and held-out figures of every candidate and of the choice.
//   vireno-table-design [--soundfont FILE.sf2] [--lags | --filters]
// The lags: two geometric runs that meet where the detector's window stops growing (150 samples),
// consecutive samples below the first up to the reference A's period, every other sample among the
// shortest; the search picks where that sparse run ends and how the count is shared between the
// geometric runs. The filters: per table, the bandwidth share and the stagger of the three
// sections, one table at a time over a grid.
// A candidate is admissible only if no figure and no group's row of the scorer on the search part
// is worse than with the kernel's own table beyond the scorer's noise margin (corpus::WorseRows):
// a table that helps one instrument at another's cost is not chosen. When no candidate is
// admissible and better, the kernel's table stays, and the program says which rows kept it.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tools/corpus/AccuracyScorer.h"
#include "LagDesign.h"
#include "tools/corpus/SampledCorpus.h"
#include "tuner/engine/TunerKernel.h"
#include "tuner/engine/TunerStringFilterTables.h"

namespace {

using corpus::Case;
using corpus::CaseKind;

constexpr int kWindowStopsGrowing = 150; // 6 lags a window up to the 900-sample cap
// Every sample up to the period of the reference A at 440 Hz (54.5 samples), which must read exactly:
// with fewer, it falls where rounding leaves two samples between candidates.
constexpr int kReferencePeriod = 54;

struct Evaluation
{
    corpus::Figures search, heldOut;
    std::vector<corpus::Row> searchRows, heldOutRows;
    double strumScore[2] = {}; // search, held-out
};

enum class Kinds
{
    All,
    Strums
};

// Scores the cases (all, or the strums alone) with a patch; both parts.
Evaluation Evaluate(const std::vector<Case>& cases, Kinds kinds, const corpus::TablePatch& patch)
{
    corpus::Scorer scorer;
    for (const Case& c : cases)
        if (kinds == Kinds::All || c.kind == CaseKind::Strum)
            scorer.Add(c, corpus::Measure(c, c.render(), patch));
    return {scorer.FiguresOf(false),
            scorer.FiguresOf(true),
            scorer.Rows(false),
            scorer.Rows(true),
            {scorer.StrumScore(false), scorer.StrumScore(true)}};
}

// Prints how many rows of a part are worse than the kernel's table's, and the first few.
void PrintWorse(const char* part, const std::vector<std::string>& worse)
{
    std::printf("    %s: %zu rows worse than the kernel's table", part, worse.size());
    for (size_t i = 0; i < worse.size() && i < 4; ++i)
        std::printf("%s %s", i == 0 ? ":" : ";", worse[i].c_str());
    std::printf("%s\n", worse.size() > 4 ? "; ..." : "");
}

void PrintWorse(const Evaluation& e, const Evaluation& kernel)
{
    PrintWorse("search", corpus::WorseRows(e.searchRows, kernel.searchRows));
    PrintWorse("held-out", corpus::WorseRows(e.heldOutRows, kernel.heldOutRows));
}

bool Admissible(const Evaluation& e, const Evaluation& kernel)
{
    return corpus::WorseRows(e.searchRows, kernel.searchRows).empty();
}

void PrintLagFigures(const char* label, const Evaluation& e)
{
    for (const corpus::Figures* f : {&e.search, &e.heldOut})
        std::printf("  %-26s %-8s onset %3d/%-3d oct/sub %2d/%-3d change %2d poly %2d median %.3f p95 %.3f sine %.3f\n",
                    label, f == &e.search ? "search" : "held-out", f->notesRightAtOnset, f->notes, f->harmonicCases,
                    f->harmonicFrames, f->slowestChange, f->slowestPolyphonic, f->noteMedian, f->noteP95, f->sineWorst);
}

void PrintLags(const char* label, const std::vector<int16_t>& lags)
{
    const auto from100 = std::lower_bound(lags.begin(), lags.end(), 100);
    std::printf("%s (largest step from 100 samples %.2f%%):", label,
                100.0 * tabledesign::LargestStep(std::vector<int16_t>(from100, lags.end())));
    for (size_t i = 0; i < lags.size(); ++i)
        std::printf("%s%d,", i % 20 == 0 ? "\n    " : " ", lags[i]);
    std::printf("\n");
}

// Of the admissible candidates, the one with the smallest median error of harmonic single notes,
// if it is smaller than the kernel's.
std::vector<int16_t> ChooseLags(const std::vector<Case>& cases)
{
    std::printf("Single-note lags: every other sample to E, consecutive to L, then S geometric steps to %d, the rest "
                "to 900\n",
                kWindowStopsGrowing);
    auto patchFor = [](const std::vector<int16_t>& lags) -> corpus::TablePatch {
        return [lags] { TunerConfigureSingleNoteDetector(TunerKernel().singleNoteConfig, lags.data()); };
    };
    const std::vector<int16_t> kernelLags(kTunerCandidateLags, kTunerCandidateLags + kTunerCandidateCount);
    const Evaluation kernel = Evaluate(cases, Kinds::All, patchFor(kernelLags));
    PrintLagFigures("the kernel's table", kernel);
    std::vector<int16_t> best = kernelLags;
    double bestMedian = kernel.search.noteMedian;
    for (int everyOtherTo : {0, 12, 16})
    {
        for (int stepsBelow : {38, 40, 42, 44})
        {
            const std::vector<int16_t> lags = tabledesign::TwoRunLags(kTunerCandidateCount, 6, 900, kReferencePeriod,
                                                                      kWindowStopsGrowing, stepsBelow, everyOtherTo);
            const Evaluation e = Evaluate(cases, Kinds::All, patchFor(lags));
            const bool admissible = Admissible(e, kernel);
            char label[64];
            std::snprintf(label, sizeof label, "E %d, L %d, S %d%s", everyOtherTo, kReferencePeriod, stepsBelow,
                          admissible ? " (ok)" : "");
            PrintLagFigures(label, e);
            PrintWorse(e, kernel);
            std::fflush(stdout);
            if (admissible && e.search.noteMedian < bestMedian)
            {
                bestMedian = e.search.noteMedian;
                best = lags;
            }
        }
    }
    if (best == kernelLags)
        std::printf("No candidate is admissible and better: the kernel's lags stay.\n");
    PrintLags("Chosen lags", best);
    std::fflush(stdout);
    return best;
}

// Rows designed for a case's instrument and tuning at the 440 Hz reference, put in place of the
// selected ones.
struct FilterPatch
{
    TunerStringFilterShape shapes[3]; // table A, table B, the bass's separate low row
    int16_t rows[kTunerStringCount][kTunerFilterCoefficientCount];

    void Apply()
    {
        auto& settings = TunerKernel().settings;
        for (int s = 0; s < kTunerStringCount; ++s)
        {
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

// Greedy over one table at a time: a shape replaces the table's current one if the whole set is
// admissible and costs less.
void ChooseFilters(const std::vector<Case>& cases, TunerStringFilterShape (&shapes)[3])
{
    static FilterPatch patch;
    auto evaluate = [&](const char* label) {
        for (int t = 0; t < 3; ++t)
            patch.shapes[t] = shapes[t];
        const Evaluation e = Evaluate(cases, Kinds::Strums, [] { patch.Apply(); });
        for (int part = 0; part < 2; ++part)
        {
            const corpus::Figures& f = part == 0 ? e.search : e.heldOut;
            std::printf("  %-36s %-8s worst median %.3f worst p95 %6.3f mean %.3f cost %.3f\n", label,
                        part == 0 ? "search" : "held-out", f.strumMedianWorst, f.strumP95Worst, e.strumScore[part],
                        FilterCost(f, e.strumScore[part]));
        }
        return e;
    };
    std::printf("\nString filters, per table: bandwidth share and stagger; |string error| in strums, cents\n");
    const Evaluation kernel = evaluate("the kernel's shapes");
    double best = FilterCost(kernel.search, kernel.strumScore[0]);
    const char* names[3] = {"A", "B", "low B"};
    for (int round = 0; round < 2; ++round)
    {
        for (int t : {2, 0, 1})
        {
            for (double share : {0.03, 0.05, 0.07, 0.09})
            {
                for (double stagger : {0.0, 0.5, 1.0})
                {
                    const TunerStringFilterShape kept = shapes[t];
                    shapes[t] = {share, stagger};
                    char label[64];
                    std::snprintf(label, sizeof label, "table %s share %.2f stagger %.1f", names[t], share, stagger);
                    const Evaluation e = evaluate(label);
                    PrintWorse(e, kernel);
                    std::fflush(stdout);
                    const double cost = FilterCost(e.search, e.strumScore[0]);
                    if (Admissible(e, kernel) && cost < best - 1e-9)
                        best = cost;
                    else
                        shapes[t] = kept;
                }
            }
        }
    }
    for (int t = 0; t < 3; ++t)
    {
        const bool kernels = shapes[t].share == kTunerStringFilterShapes[t].share &&
                             shapes[t].stagger == kTunerStringFilterShapes[t].stagger;
        std::printf("Chosen table %s: share %.2f, stagger %.1f%s\n", names[t], shapes[t].share, shapes[t].stagger,
                    kernels ? " (the kernel's: no admissible shape costs less)" : "");
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::string soundfont;
    bool lags = true, filters = true;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--soundfont") == 0 && i + 1 < argc)
        {
            soundfont = argv[++i];
        }
        else if (std::strcmp(argv[i], "--lags") == 0)
        {
            filters = false;
        }
        else if (std::strcmp(argv[i], "--filters") == 0)
        {
            lags = false;
        }
        else
        {
            std::fprintf(stderr, "usage: %s [--soundfont FILE.sf2] [--lags | --filters]\n", argv[0]);
            return 2;
        }
    }
    std::vector<Case> cases = corpus::ModelledCorpus();
    if (!soundfont.empty())
    {
        char work[] = "/tmp/vireno-design-XXXXXX";
        if (!mkdtemp(work))
            return 1;
        std::string error;
        std::vector<Case> sampled = corpus::SampledCorpus(soundfont, work, error);
        std::system((std::string("rm -rf '") + work + "'").c_str());
        if (sampled.empty())
        {
            std::fprintf(stderr, "sampled corpus: %s\n", error.c_str());
            return 1;
        }
        for (Case& c : sampled)
            cases.push_back(std::move(c));
    }
    if (lags)
        ChooseLags(cases);
    TunerStringFilterShape shapes[3];
    std::copy(kTunerStringFilterShapes, kTunerStringFilterShapes + 3, shapes);
    if (filters)
        ChooseFilters(cases, shapes);
    return 0;
}
