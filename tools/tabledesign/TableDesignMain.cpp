// Chooses the kernel's single-note lags and string filter shapes against the accuracy corpus, and
// prints the search and held-out figures of every candidate and of the choice.
//   vireno-table-design [--soundfont FILE.sf2] [--lags | --filters] [--jobs N]
// --jobs: at most N candidates at once (as many as there are processors by default).
// The lags: two geometric runs that meet where the detector's window stops growing (150 samples),
// consecutive samples below the first up to the reference A's period, every other sample among the
// shortest; the search picks where that sparse run ends and how the count is shared between the
// geometric runs. The filters: per table, the bandwidth share and the stagger of the three
// sections, one table at a time over a grid.
// A candidate is admissible only if, on the search part, no summary figure of the scorer is worse
// than with the kernel's own table beyond the scorer's noise margin, and no note or change that the
// kernel's table shows right is shown otherwise (DesignGate): a table that reads one note wrong is
// not chosen for any number of cents it saves elsewhere. The groups' rows are too few cases each to
// hold every one of them still, so the program only counts those that are worse. A lag table is
// taken only when it shows fewer wrong notes than the kernel's on the search part and passes the
// same gate on the held-out part; otherwise the kernel's table stays.
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

#include "DesignGate.h"
#include "LagDesign.h"
#include "tools/corpus/AccuracyScorer.h"
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
    std::vector<corpus::Row> searchRows, heldOutRows; // every row
    tabledesign::PartScore searchScore, heldOutScore; // the summary figures and each case's reading
    double strumScore[2] = {};                        // search, held-out
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
            {scorer.FigureRows(false), scorer.Readings(false)},
            {scorer.FigureRows(true), scorer.Readings(true)},
            {scorer.StrumScore(false), scorer.StrumScore(true)}};
}

// An evaluation passed from a child process through a file: the figures and other plain fields as
// they lie in memory (same program), names as their length and characters, lists as their count
// and items.
template <typename T>
void WriteField(std::FILE* f, const T& value)
{
    std::fwrite(&value, sizeof value, 1, f);
}

template <typename T>
bool ReadField(std::FILE* f, T& value)
{
    return std::fread(&value, sizeof value, 1, f) == 1;
}

void WriteName(std::FILE* f, const std::string& name)
{
    WriteField(f, name.size());
    std::fwrite(name.data(), 1, name.size(), f);
}

bool ReadName(std::FILE* f, std::string& name)
{
    size_t length = 0;
    if (!ReadField(f, length) || length > 4096)
        return false;
    name.resize(length);
    return std::fread(name.data(), 1, length, f) == length;
}

template <typename T, typename WriteItem>
void WriteList(std::FILE* f, const std::vector<T>& list, WriteItem writeItem)
{
    WriteField(f, list.size());
    for (const T& item : list)
        writeItem(item);
}

template <typename T, typename ReadItem>
bool ReadList(std::FILE* f, std::vector<T>& list, ReadItem readItem)
{
    size_t count = 0;
    if (!ReadField(f, count))
        return false;
    list.resize(count);
    for (T& item : list)
        if (!readItem(item))
            return false;
    return true;
}

void WriteRows(std::FILE* f, const std::vector<corpus::Row>& rows)
{
    WriteList(f, rows, [f](const corpus::Row& r) {
        WriteField(f, r.kind);
        WriteField(f, r.value);
        WriteName(f, r.name);
    });
}

bool ReadRows(std::FILE* f, std::vector<corpus::Row>& rows)
{
    return ReadList(
        f, rows, [f](corpus::Row& r) { return ReadField(f, r.kind) && ReadField(f, r.value) && ReadName(f, r.name); });
}

void WriteReadings(std::FILE* f, const std::vector<corpus::CaseReading>& readings)
{
    WriteList(f, readings, [f](const corpus::CaseReading& r) {
        WriteField(f, r.whole);
        WriteField(f, r.afterThird);
        WriteName(f, r.name);
    });
}

bool ReadReadings(std::FILE* f, std::vector<corpus::CaseReading>& readings)
{
    return ReadList(f, readings, [f](corpus::CaseReading& r) {
        return ReadField(f, r.whole) && ReadField(f, r.afterThird) && ReadName(f, r.name);
    });
}

void WriteEvaluation(std::FILE* f, const Evaluation& e)
{
    WriteField(f, e.search);
    WriteField(f, e.heldOut);
    WriteField(f, e.strumScore);
    for (const auto* rows : {&e.searchRows, &e.heldOutRows, &e.searchScore.figures, &e.heldOutScore.figures})
        WriteRows(f, *rows);
    WriteReadings(f, e.searchScore.readings);
    WriteReadings(f, e.heldOutScore.readings);
}

bool ReadEvaluation(std::FILE* f, Evaluation& e)
{
    if (!ReadField(f, e.search) || !ReadField(f, e.heldOut) || !ReadField(f, e.strumScore))
        return false;
    for (auto* rows : {&e.searchRows, &e.heldOutRows, &e.searchScore.figures, &e.heldOutScore.figures})
        if (!ReadRows(f, *rows))
            return false;
    return ReadReadings(f, e.searchScore.readings) && ReadReadings(f, e.heldOutScore.readings);
}

// How many candidates are scored at once: --jobs, else as many as there are processors.
size_t gParallel = 0;

// Evaluates every patch, gParallel at once, each in a child process; the results in the order of
// the patches. Exits when a child fails.
std::vector<Evaluation> EvaluateAll(const std::vector<Case>& cases, Kinds kinds,
                                    const std::vector<corpus::TablePatch>& patches)
{
    const long processors = sysconf(_SC_NPROCESSORS_ONLN);
    const size_t parallel = gParallel > 0 ? gParallel : processors > 0 ? static_cast<size_t>(processors) : 1;
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

// Prints what of a part keeps a candidate out against the kernel's table: the summary figures that
// are worse and the cases it no longer shows right (the first few by name), and how many of the
// groups' rows are worse.
void PrintWorse(const char* part, const tabledesign::PartScore& score, const tabledesign::PartScore& kernelScore,
                const std::vector<corpus::Row>& rows, const std::vector<corpus::Row>& kernelRows)
{
    constexpr size_t kNamed = 4;
    const tabledesign::GateVerdict verdict = tabledesign::Gate(score, kernelScore);
    std::printf("    %s: %zu figures worse than the kernel's table", part, verdict.worseFigures.size());
    for (size_t i = 0; i < verdict.worseFigures.size(); ++i)
        std::printf("%s %s", i == 0 ? ":" : ";", verdict.worseFigures[i].c_str());
    std::printf("; %zu cases it shows right no longer right", verdict.lostCases.size());
    for (size_t i = 0; i < verdict.lostCases.size() && i < kNamed; ++i)
        std::printf("%s %s", i == 0 ? ":" : ";", verdict.lostCases[i].c_str());
    if (verdict.lostCases.size() > kNamed)
        std::printf("; ...");
    std::printf(" (%zu rows of groups worse)\n", corpus::WorseRows(rows, kernelRows).size());
}

void PrintWorse(const Evaluation& e, const Evaluation& kernel)
{
    PrintWorse("search", e.searchScore, kernel.searchScore, e.searchRows, kernel.searchRows);
    PrintWorse("held-out", e.heldOutScore, kernel.heldOutScore, e.heldOutRows, kernel.heldOutRows);
}

bool Admissible(const Evaluation& e, const Evaluation& kernel)
{
    return tabledesign::Gate(e.searchScore, kernel.searchScore).Admissible();
}

void PrintLagFigures(const char* label, const Evaluation& e)
{
    for (const corpus::Figures* f : {&e.search, &e.heldOut})
        std::printf("  %-26s %-8s wrong %3d/%-3d onset %4d/%-4d oct/sub %3d/%-4d change %2d poly %2d median %.3f p95 "
                    "%.3f sine %.3f\n",
                    label, f == &e.search ? "search" : "held-out", f->wrongNotes, f->wrongNotesAfterThird,
                    f->notesRightAtOnset, f->notes, f->harmonicCases, f->harmonicFrames, f->slowestChange,
                    f->slowestPolyphonic, f->noteMedian, f->noteP95, f->sineWorst);
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

int WrongNotes(const corpus::Figures& f)
{
    return f.wrongNotes + f.wrongNotesAfterThird;
}

// Whether a lag table's figures are better than another's: fewer wrong notes first (from the onset
// and after the third frame), then fewer frames showing an octave or a subharmonic, then a smaller
// median error of harmonic single notes.
bool BetterLags(const corpus::Figures& a, const corpus::Figures& b)
{
    if (WrongNotes(a) != WrongNotes(b))
        return WrongNotes(a) < WrongNotes(b);
    if (a.harmonicFrames != b.harmonicFrames)
        return a.harmonicFrames < b.harmonicFrames;
    return a.noteMedian < b.noteMedian - 1e-9;
}

// Of the admissible candidates, the best (BetterLags) on the search part, if it shows fewer wrong
// notes than the kernel's table there and passes the gate on the held-out part too.
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
    if (best != 0 && WrongNotes(results[best].search) >= WrongNotes(kernel.search))
    {
        std::printf("The best admissible candidate, E %d, L %d, S %d, shows no fewer wrong notes on the search part.\n",
                    candidates[best].everyOtherTo, kReferencePeriod, candidates[best].stepsBelow);
        best = 0;
    }
    if (best != 0)
    {
        const tabledesign::GateVerdict heldOut = tabledesign::Gate(results[best].heldOutScore, kernel.heldOutScore);
        std::printf("Held-out check of E %d, L %d, S %d: %zu figures worse, %zu cases no longer right.\n",
                    candidates[best].everyOtherTo, kReferencePeriod, candidates[best].stepsBelow,
                    heldOut.worseFigures.size(), heldOut.lostCases.size());
        if (!heldOut.Admissible())
            best = 0;
    }
    if (best == 0)
        std::printf("No candidate is admissible and shows fewer wrong notes: the kernel's lags stay.\n");
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
        else if (std::strcmp(argv[i], "--jobs") == 0 && i + 1 < argc && std::atoi(argv[i + 1]) > 0)
        {
            gParallel = static_cast<size_t>(std::atoi(argv[++i]));
        }
        else
        {
            std::fprintf(stderr, "usage: %s [--soundfont FILE.sf2] [--lags | --filters] [--jobs N]\n", argv[0]);
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
