// The accuracy scorer: runs the tuner kernel over the whole accuracy corpus (modelled strings,
// and sampled instruments when a soundfont is given) and prints the tables of the search part and
// of the held-out part.
//   vireno-corpus-score [--soundfont FILE.sf2] [--cases]
// --cases also prints one line for each case.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/corpus/AccuracyScorer.h"
#include "tools/corpus/SampledCorpus.h"

int main(int argc, char** argv)
{
    std::string soundfont;
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
        else
        {
            std::fprintf(stderr, "usage: %s [--soundfont FILE.sf2] [--cases]\n", argv[0]);
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
    corpus::Scorer scorer;
    for (const corpus::Case& c : cases)
    {
        const corpus::Outcome o = corpus::Measure(c, c.render());
        if (eachCase)
            corpus::PrintOutcome(stdout, c, o);
        scorer.Add(c, o);
    }
    std::printf("Accuracy corpus: %zu cases%s\n", cases.size(), soundfont.empty() ? " (modelled only)" : "");
    scorer.Print(stdout);
    return 0;
}
