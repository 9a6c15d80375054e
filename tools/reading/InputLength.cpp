#include "InputLength.h"

#include <cstdio>

#include "tools/cli/ArgumentParser.h"
#include "tuner/engine/TunerTables.h"

long AnalysisFrames(long frames, double rate)
{
    if (rate <= 0.0)
        return 0;
    return static_cast<long>(static_cast<double>(frames) / rate * kTunerSampleRate / kTunerFrameLength);
}

InputLengthCheck CheckInputLength(const std::string& name, long frames, double rate, int every, std::string& error)
{
    const long analysisFrames = AnalysisFrames(frames, rate);
    if (analysisFrames < 1)
    {
        char text[160];
        std::snprintf(text, sizeof text, " lasts %.3f s (%ld frames): a reading needs at least %.3f s", frames / rate,
                      frames, double(kTunerFrameLength) / kTunerSampleRate);
        error = frames == 0 ? name + " holds no audio" : name + text;
        return InputLengthCheck::kTooShort;
    }
    if (every > analysisFrames)
    {
        error = OptionValueError("--every", std::to_string(every), "more analysis frames than " + name + " holds",
                                 "1 to " + std::to_string(analysisFrames));
        return InputLengthCheck::kEveryTooLarge;
    }
    return InputLengthCheck::kEnough;
}
