// Chooses the kernel's single-note lags and string filter shapes against the accuracy corpus, and
// prints the search and held-out figures of every candidate and of the choice.
//   vireno-table-design [--soundfont FILE.sf2] [--lags | --filters]
// The lags: two geometric runs that meet where the detector's window stops growing (150 samples),
// consecutive samples below the first up to the reference A's period, every other sample among the
// shortest; the search picks where that sparse run ends and how the count is shared between the
// geometric runs. The filters: per table, the bandwidth share and the stagger of the three
// sections, one table at a time over a grid.
// A candidate is admissible only if no summary figure of the scorer on the search part is worse
// than with the kernel's own table beyond the scorer's noise margin (corpus::WorseRows): a table
// that helps one figure at another's cost is not chosen. The groups' rows are too few cases each to
// hold every one of them still, so the program only counts those that are worse. When no candidate
// is admissible and better, the kernel's table stays.
// Candidates are scored in parallel, one child process each (the kernel is one per process).

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

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
    std::vector<corpus::Row> searchRows, heldOutRows;       // every row
    std::vector<corpus::Row> searchFigures, heldOutFigures; // the summary figures
    double strumScore[2] = {};                              // search, held-out
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
            scorer.FigureRows(false),
            scorer.FigureRows(true),
            {scorer.StrumScore(false), scorer.StrumScore(true)}};
}

// An evaluation passed from a child process through a file: the figures as they lie in memory
// (same program), the rows as kind, value and name.
void WriteRows(std::FILE* f, const std::vector<corpus::Row>& rows)
{
    const size_t count = rows.size();
    std::fwrite(&count, sizeof count, 1, f);
    for (const corpus::Row& r : rows)
    {
        const size_t length = r.name.size();
        std::fwrite(&r.kind, sizeof r.kind, 1, f);
        std::fwrite(&r.value, sizeof r.value, 1, f);
        std::fwrite(&length, sizeof length, 1, f);
        std::fwrite(r.name.data(), 1, length, f);
    }
}

bool ReadRows(std::FILE* f, std::vector<corpus::Row>& rows)
{
    size_t count = 0;
    if (std::fread(&count, sizeof count, 1, f) != 1)
        return false;
    rows.resize(count);
    for (corpus::Row& r : rows)
    {
        size_t length = 0;
        if (std::fread(&r.kind, sizeof r.kind, 1, f) != 1 || std::fread(&r.value, sizeof r.value, 1, f) != 1 ||
            std::fread(&length, sizeof length, 1, f) != 1 || length > 4096)
            return false;
        r.name.resize(length);
        if (std::fread(r.name.data(), 1, length, f) != length)
            return false;
    }
    return true;
}

void WriteEvaluation(std::FILE* f, const Evaluation& e)
{
    std::fwrite(&e.search, sizeof e.search, 1, f);
    std::fwrite(&e.heldOut, sizeof e.heldOut, 1, f);
    std::fwrite(e.strumScore, sizeof e.strumScore, 1, f);
    for (const auto* rows : {&e.searchRows, &e.heldOutRows, &e.searchFigures, &e.heldOutFigures})
        WriteRows(f, *rows);
}

bool ReadEvaluation(std::FILE* f, Evaluation& e)
{
    if (std::fread(&e.search, sizeof e.search, 1, f) != 1 || std::fread(&e.heldOut, sizeof e.heldOut, 1, f) != 1 ||
        std::fread(e.strumScore, sizeof e.strumScore, 1, f) != 1)
        return false;
    for (auto* rows : {&e.searchRows, &e.heldOutRows, &e.searchFigures, &e.heldOutFigures})
        if (!ReadRows(f, *rows))
            return false;
    return true;
}

// Evaluates every patch, as many at once as there are processors, each in a child process; the
// results in the order of the patches. Exits when a child fails.
std::vector<Evaluation> EvaluateAll(const std::vector<Case>& cases, Kinds kinds,
                                    const std::vector<corpus::TablePatch>& patches)
{
    const long processors = sysconf(_SC_NPROCESSORS_ONLN);
    const size_t parallel = processors > 0 ? static_cast<size_t>(processors) : 1;
    std::vector<Evaluation> results(patches.size());
    std::vector<std::FILE*> files(patches.size(), nullptr);
    std::vector<pid_t> children(patches.size(), -1);
    auto reap = [&](size_t i) {
        int status = 0;
        if (waitpid(children[i], &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
            std::fseek(files[i], 0, SEEK_SET) != 0 || !ReadEvaluation(files[i], results[i]))
        {
            std::fprintf(stderr, "evaluating candidate %zu failed\n", i);
            std::exit(1);
        }
        std::fclose(files[i]);
    };
    std::fflush(stdout);
    for (size_t i = 0; i < patches.size(); ++i)
    {
        if (i >= parallel)
            reap(i - parallel);
        files[i] = std::tmpfile();
        if (!files[i])
        {
            std::fprintf(stderr, "cannot make a temporary file\n");
            std::exit(1);
        }
        children[i] = fork();
        if (children[i] == 0)
        {
            WriteEvaluation(files[i], Evaluate(cases, kinds, patches[i]));
            std::fflush(files[i]);
            _exit(0);
        }
        if (children[i] < 0)
        {
            std::fprintf(stderr, "cannot start a child process\n");
            std::exit(1);
        }
    }
    for (size_t i = patches.size() > parallel ? patches.size() - parallel : 0; i < patches.size(); ++i)
        reap(i);
    return results;
}

// Prints the summary figures of a part that are worse than the kernel's table's, and how many of
// the groups' rows are.
void PrintWorse(const char* part, const std::vector<corpus::Row>& figures,
                const std::vector<corpus::Row>& kernelFigures, const std::vector<corpus::Row>& rows,
                const std::vector<corpus::Row>& kernelRows)
{
    const std::vector<std::string> worse = corpus::WorseRows(figures, kernelFigures);
    std::printf("    %s: %zu figures worse than the kernel's table", part, worse.size());
    for (size_t i = 0; i < worse.size(); ++i)
        std::printf("%s %s", i == 0 ? ":" : ";", worse[i].c_str());
    std::printf(" (%zu rows of groups worse)\n", corpus::WorseRows(rows, kernelRows).size());
}

void PrintWorse(const Evaluation& e, const Evaluation& kernel)
{
    PrintWorse("search", e.searchFigures, kernel.searchFigures, e.searchRows, kernel.searchRows);
    PrintWorse("held-out", e.heldOutFigures, kernel.heldOutFigures, e.heldOutRows, kernel.heldOutRows);
}

bool Admissible(const Evaluation& e, const Evaluation& kernel)
{
    return corpus::WorseRows(e.searchFigures, kernel.searchFigures).empty();
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

// Whether a lag table's figures are better than another's: fewer frames showing an octave or a
// subharmonic first, then a smaller median error of harmonic single notes.
bool BetterLags(const corpus::Figures& a, const corpus::Figures& b)
{
    if (a.harmonicFrames != b.harmonicFrames)
        return a.harmonicFrames < b.harmonicFrames;
    return a.noteMedian < b.noteMedian - 1e-9;
}

// Of the admissible candidates, the best (BetterLags) on the search part, if it is better than
// the kernel's table.
std::vector<int16_t> ChooseLags(const std::vector<Case>& cases)
{
    std::printf("Single-note lags: every other sample to E, consecutive to L, then S geometric steps to %d, the rest "
                "to 900\n",
                kWindowStopsGrowing);
    struct Candidate
    {
        int everyOtherTo, stepsBelow;
        std::vector<int16_t> lags;
    };
    std::vector<Candidate> candidates = {
        {-1, -1, std::vector<int16_t>(kTunerCandidateLags, kTunerCandidateLags + kTunerCandidateCount)}};
    for (int everyOtherTo : {0, 12, 16})
        for (int stepsBelow = 38; stepsBelow <= 56; stepsBelow += 2)
            candidates.push_back({everyOtherTo, stepsBelow,
                                  tabledesign::TwoRunLags(kTunerCandidateCount, 6, 900, kReferencePeriod,
                                                          kWindowStopsGrowing, stepsBelow, everyOtherTo)});
    std::vector<corpus::TablePatch> patches;
    for (const Candidate& c : candidates)
        patches.push_back(
            [lags = c.lags] { TunerConfigureSingleNoteDetector(TunerKernel().singleNoteConfig, lags.data()); });
    const std::vector<Evaluation> results = EvaluateAll(cases, Kinds::All, patches);
    const Evaluation& kernel = results[0];
    PrintLagFigures("the kernel's table", kernel);
    size_t best = 0;
    for (size_t i = 1; i < candidates.size(); ++i)
    {
        const Evaluation& e = results[i];
        const bool admissible = Admissible(e, kernel);
        char label[64];
        std::snprintf(label, sizeof label, "E %d, L %d, S %d%s", candidates[i].everyOtherTo, kReferencePeriod,
                      candidates[i].stepsBelow, admissible ? " (ok)" : "");
        PrintLagFigures(label, e);
        PrintWorse(e, kernel);
        if (admissible && BetterLags(e.search, results[best].search))
            best = i;
    }
    if (best == 0)
        std::printf("No candidate is admissible and better: the kernel's lags stay.\n");
    else
        std::printf("Chosen: E %d, L %d, S %d\n", candidates[best].everyOtherTo, kReferencePeriod,
                    candidates[best].stepsBelow);
    PrintLags("Chosen lags", candidates[best].lags);
    std::fflush(stdout);
    return candidates[best].lags;
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

void PrintFilterFigures(const char* label, const Evaluation& e)
{
    for (int part = 0; part < 2; ++part)
    {
        const corpus::Figures& f = part == 0 ? e.search : e.heldOut;
        std::printf("  %-36s %-8s worst median %.3f worst p95 %6.3f mean %.3f cost %.3f\n", label,
                    part == 0 ? "search" : "held-out", f.strumMedianWorst, f.strumP95Worst, e.strumScore[part],
                    FilterCost(f, e.strumScore[part]));
    }
}

// Greedy over one table at a time: of the grid's shapes for the table, with the others as they
// stand, the admissible one that costs least replaces the table's current shape if it costs less.
void ChooseFilters(const std::vector<Case>& cases, TunerStringFilterShape (&shapes)[3])
{
    auto patchFor = [](const TunerStringFilterShape(&set)[3]) -> corpus::TablePatch {
        FilterPatch patch;
        std::copy(set, set + 3, patch.shapes);
        return [patch]() mutable { patch.Apply(); };
    };
    std::printf("\nString filters, per table: bandwidth share and stagger; |string error| in strums, cents\n");
    const Evaluation kernel = EvaluateAll(cases, Kinds::Strums, {patchFor(shapes)})[0];
    PrintFilterFigures("the kernel's shapes", kernel);
    double best = FilterCost(kernel.search, kernel.strumScore[0]);
    const char* names[3] = {"A", "B", "low B"};
    for (int round = 0; round < 2; ++round)
    {
        for (int t : {2, 0, 1})
        {
            std::vector<TunerStringFilterShape> grid;
            std::vector<corpus::TablePatch> patches;
            for (double share : {0.03, 0.04, 0.05, 0.06, 0.07, 0.08, 0.10, 0.12})
            {
                for (double stagger : {0.0, 0.5, 1.0})
                {
                    TunerStringFilterShape set[3];
                    std::copy(shapes, shapes + 3, set);
                    set[t] = {share, stagger};
                    grid.push_back(set[t]);
                    patches.push_back(patchFor(set));
                }
            }
            const std::vector<Evaluation> results = EvaluateAll(cases, Kinds::Strums, patches);
            int chosen = -1;
            for (size_t i = 0; i < grid.size(); ++i)
            {
                char label[64];
                std::snprintf(label, sizeof label, "table %s share %.2f stagger %.1f", names[t], grid[i].share,
                              grid[i].stagger);
                PrintFilterFigures(label, results[i]);
                PrintWorse(results[i], kernel);
                const double cost = FilterCost(results[i].search, results[i].strumScore[0]);
                if (Admissible(results[i], kernel) && cost < best - 1e-9)
                {
                    best = cost;
                    chosen = static_cast<int>(i);
                }
            }
            if (chosen >= 0)
                shapes[t] = grid[chosen];
            std::fflush(stdout);
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
