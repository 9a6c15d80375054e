// The accuracy scorer: runs the tuner kernel over the whole accuracy corpus (modelled strings,
// and sampled instruments when a soundfont is given) and prints the tables of the search part and
// of the held-out part.
//   vireno-corpus-score [--soundfont FILE.sf2] [--cases] [--against-lags FILE]
// --cases also prints one line for each case. --against-lags scores the corpus a second time with
// the single-note lags in FILE (the kernel's count of whole numbers, shortest first, separated by
// commas or blanks) in place of the kernel's, and prints that table's wrong notes after the
// kernel's tables, so that two tables are compared on one corpus.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/corpus/AccuracyScorer.h"
#include "tools/corpus/SampledCorpus.h"
#include "tuner/engine/TunerKernel.h"

namespace {

// The lags in a file, or empty with a message when they are not a table the detector can take.
std::vector<int16_t> ReadLags(const std::string& path, std::string& error)
{
    std::ifstream file(path);
    if (!file)
    {
        error = "cannot read " + path;
        return {};
    }
    std::stringstream text;
    text << file.rdbuf();
    std::string all = text.str();
    for (char& ch : all)
        if (ch == ',')
            ch = ' ';
    std::istringstream numbers(all);
    std::vector<int16_t> lags;
    long lag = 0;
    while (numbers >> lag)
    {
        if (lag < 1 || lag > kTunerFrameLength || (!lags.empty() && lag <= lags.back()))
        {
            error = path + ": lags must rise strictly from 1 to at most " + std::to_string(kTunerFrameLength);
            return {};
        }
        lags.push_back(static_cast<int16_t>(lag));
    }
    if (!numbers.eof() || static_cast<int>(lags.size()) != kTunerCandidateCount)
    {
        error = path + ": expected " + std::to_string(kTunerCandidateCount) + " whole numbers";
        return {};
    }
    return lags;
}

} // namespace

int main(int argc, char** argv)
{
    std::string soundfont, againstPath;
    bool eachCase = false;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--soundfont") == 0 && i + 1 < argc)
        {
            soundfont = argv[++i];
        }
        else if (std::strcmp(argv[i], "--cases") == 0)
        {
            eachCase = true;
        }
        else if (std::strcmp(argv[i], "--against-lags") == 0 && i + 1 < argc)
        {
            againstPath = argv[++i];
        }
        else
        {
            std::fprintf(stderr, "usage: %s [--soundfont FILE.sf2] [--cases] [--against-lags FILE]\n", argv[0]);
            return 2;
        }
    }
    std::vector<int16_t> against;
    if (!againstPath.empty())
    {
        std::string error;
        against = ReadLags(againstPath, error);
        if (against.empty())
        {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 2;
        }
    }
    std::vector<corpus::Case> cases = corpus::ModelledCorpus();
    if (!soundfont.empty())
    {
        char work[] = "/tmp/vireno-corpus-XXXXXX";
        if (!mkdtemp(work))
        {
            std::fprintf(stderr, "cannot make a working directory\n");
            return 1;
        }
        std::string error;
        std::vector<corpus::Case> sampled = corpus::SampledCorpus(soundfont, work, error);
        std::system((std::string("rm -rf '") + work + "'").c_str());
        if (sampled.empty())
        {
            std::fprintf(stderr, "sampled corpus: %s\n", error.c_str());
            return 1;
        }
        for (corpus::Case& c : sampled)
            cases.push_back(std::move(c));
    }
    corpus::Scorer scorer, againstScorer;
    const corpus::TablePatch againstPatch = [&against] {
        TunerConfigureSingleNoteDetector(TunerKernel().singleNoteConfig, against.data());
    };
    for (const corpus::Case& c : cases)
    {
        const std::vector<float> signal = c.render();
        const corpus::Outcome o = corpus::Measure(c, signal);
        if (eachCase)
            corpus::PrintOutcome(stdout, c, o);
        scorer.Add(c, o);
        if (!against.empty())
            againstScorer.Add(c, corpus::Measure(c, signal, againstPatch));
    }
    std::printf("Accuracy corpus: %zu cases%s\n", cases.size(), soundfont.empty() ? " (modelled only)" : "");
    scorer.Print(stdout);
    if (!against.empty())
    {
        for (bool heldOut : {false, true})
        {
            std::printf("\n=== %s part, with the lags of %s ===\n", heldOut ? "Held-out" : "Search",
                        againstPath.c_str());
            againstScorer.PrintWrongNotes(stdout, heldOut);
        }
    }
    return 0;
}
