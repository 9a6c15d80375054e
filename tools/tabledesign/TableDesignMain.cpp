// Chooses the kernel's single-note lags and string filter shapes against the accuracy corpus, and
// prints the search and held-out figures of every candidate and of the choice.
//   vireno-table-design [--soundfont FILE.sf2] [--lags | --filters]
// The lags: two geometric runs that meet where the detector's window stops growing (150 samples),
// consecutive samples below the first; the search picks where the consecutive run ends and how
// the count is shared between the runs. The filters: per table, the bandwidth share and the
// stagger of the three sections, one table at a time over a grid.

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

struct Evaluation {
    corpus::Figures search, heldOut;
};

// Scores the cases of one kind set with a patch; both parts.
Evaluation Evaluate(const std::vector<Case>& cases, bool strums, const corpus::TablePatch& patch,
                    std::vector<double>* strumScore = nullptr)
{
    corpus::Scorer scorer;
    for (const Case& c : cases)
        if ((c.kind == CaseKind::Strum) == strums) scorer.Add(c, corpus::Measure(c, c.render(), patch));
    if (strumScore) *strumScore = {scorer.StrumScore(false), scorer.StrumScore(true)};
    return {scorer.FiguresOf(false), scorer.FiguresOf(true)};
}

// The lag search keeps the candidates that are no worse than today's table on any figure of the
// search part, and of those takes the one with the smallest median error of single notes: the
// octave and subharmonic counts of sampled tones swing by hundreds of frames from one table to
// the next, too much to trade against cents.
bool NoWorse(const corpus::Figures& f, const corpus::Figures& today)
{
    return f.notesRightAtOnset >= today.notesRightAtOnset && f.harmonicCases <= today.harmonicCases &&
           f.harmonicFrames <= today.harmonicFrames && f.slowestChange >= 0 && f.slowestChange <= today.slowestChange &&
           f.noteMedian <= today.noteMedian && f.noteP95 <= today.noteP95;
}

void PrintLagFigures(const char* label, const Evaluation& e)
{
    for (const corpus::Figures* f : {&e.search, &e.heldOut})
        std::printf("  %-26s %-8s onset %3d/%-3d oct/sub %2d/%-3d slowest change %2d  median %.3f p95 %.3f\n", label,
                    f == &e.search ? "search" : "held-out", f->notesRightAtOnset, f->notes, f->harmonicCases,
                    f->harmonicFrames, f->slowestChange, f->noteMedian, f->noteP95);
}

std::vector<int16_t> ChooseLags(const std::vector<Case>& cases)
{
    std::printf("Single-note lags: consecutive to L, then S geometric steps to %d, the rest to 900\n",
                kWindowStopsGrowing);
    auto patchFor = [](const std::vector<int16_t>& lags) -> corpus::TablePatch {
        return [lags] { TunerConfigureSingleNoteDetector(TunerKernel().singleNoteConfig, lags.data()); };
    };
    const Evaluation today = Evaluate(cases, false, {});
    PrintLagFigures("the kernel's table", today);
    std::vector<int16_t> best(kTunerCandidateLags, kTunerCandidateLags + kTunerCandidateCount);
    corpus::Figures bestFigures = today.search;
    for (int consecutiveTo : {36, 40, 44, 48, 54, 58}) {
        for (int stepsBelow : {30, 36, 40, 44, 48, 52, 56}) {
            const std::vector<int16_t> lags = tabledesign::TwoRunLags(kTunerCandidateCount, 6, 900, consecutiveTo,
                                                                      kWindowStopsGrowing, stepsBelow);
            const Evaluation e = Evaluate(cases, false, patchFor(lags));
            char label[64];
            std::snprintf(label, sizeof label, "L %d, S %d%s", consecutiveTo, stepsBelow,
                          NoWorse(e.search, today.search) ? " (no worse)" : "");
            PrintLagFigures(label, e);
            if (NoWorse(e.search, today.search) && e.search.noteMedian < bestFigures.noteMedian) {
                bestFigures = e.search;
                best = lags;
            }
        }
    }
    std::printf("Chosen lags (largest step above 100 samples %.2f%%):",
                100.0 * tabledesign::LargestStep(std::vector<int16_t>(best.begin() + 94, best.end())));
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

void ChooseFilters(const std::vector<Case>& cases, TunerStringFilterShape (&shapes)[3])
{
    static FilterPatch patch;
    auto evaluate = [&](const TunerStringFilterShape (&candidate)[3], std::vector<double>& score) {
        for (int t = 0; t < 3; ++t) patch.shapes[t] = candidate[t];
        Evaluate(cases, true, [] { patch.Apply(); }, &score);
    };
    std::printf("\nString filters: mean over instruments and tunings of the median and 95th percentile of\n"
                "|string error| in strums, cents (search, held-out)\n");
    std::vector<double> score;
    evaluate(shapes, score);
    std::printf("  %-40s %7.3f %7.3f\n", "today's shapes", score[0], score[1]);
    const char* names[3] = {"A", "B", "low B"};
    const double shares[] = {0.02, 0.03, 0.05, 0.07, 0.09, 0.12};
    const double staggers[] = {0.0, 0.5, 1.0};
    double best = score[0];
    for (int round = 0; round < 1; ++round) {
        for (int t = 0; t < 3; ++t) {
            for (double share : shares) {
                for (double stagger : staggers) {
                    TunerStringFilterShape candidate[3] = {shapes[0], shapes[1], shapes[2]};
                    candidate[t] = {share, stagger};
                    evaluate(candidate, score);
                    std::printf("  table %-5s share %.2f stagger %.1f %14s %7.3f %7.3f\n", names[t], share, stagger, "",
                                score[0], score[1]);
                    std::fflush(stdout);
                    if (score[0] < best) {
                        best = score[0];
                        shapes[t] = candidate[t];
                    }
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
