// Accuracy report of the tuner kernel: for sines and plucked-string tones from B0 to E6, in tune and
// detuned, the note read, the steady-state error in cents against the true frequency, and the
// number of frames from onset to the first right note within 5 cents; at 24 kHz in full, and at
// host rates through the resampler in summary. Then six-string strums.

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "tuner/engine/testing/KernelRunner.h"
#include "tuner/engine/testing/TestSignals.h"

namespace {

constexpr double kRate = 24000.0;
const char* const kNoteNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

struct Tone
{
    const char* name;
    int semitones; // above C0
};
const Tone kTones[] = {{"B0", 11}, {"E1", 16}, {"A1", 21}, {"E2", 28}, {"A2", 33}, {"E3", 40},
                       {"A3", 45}, {"E4", 52}, {"A4", 57}, {"E5", 64}, {"A5", 69}, {"E6", 76}};
const double kDetunes[] = {0.0, 20.0, -8.0, -45.0};

enum class Kind
{
    Sine,
    Pluck,
    WeakFundamental
};
const char* KindName(Kind k)
{
    return k == Kind::Sine ? "sine" : (k == Kind::Pluck ? "pluck" : "weak-fund");
}

struct Row
{
    int noteRead = -1;       // the note shown most often in the steady state
    int wrongFrames = 0;     // steady-state frames showing another note or no note
    double meanError = 0.0;  // cents, over the steady state
    double worstError = 0.0; // cents, largest in magnitude among the frames with the right note
    int framesToRight = -1;  // frames after the onset frame until the right note within 5 cents
};

constexpr size_t kSteadyFrom = 12; // frames after onset: 0.5 s
constexpr size_t kSteadyTo = 60;   // 2.5 s

Row Measure(Kind kind, const Tone& tone, double cents, double rate)
{
    const double frequency = signals::NoteFrequency(tone.semitones, cents);
    std::vector<float> signal = signals::Silence(0.5, rate);
    const size_t onsetFrame = static_cast<size_t>(0.5 * kRate) / kTunerFrameLength;
    signals::PluckShape shape;
    shape.decaySeconds = 2.0;
    if (kind == Kind::WeakFundamental)
        shape.fundamentalShare = 0.15;
    signals::Append(signal, kind == Kind::Sine ? signals::Sine(frequency, 0.5, 3.0, rate)
                                               : signals::Pluck(frequency, shape, 3.0, rate));
    if (rate != kRate)
        signal = signals::ResampleTo24k(signal, rate);

    signals::KernelRunner runner;
    const int expectedNote = tone.semitones % 12;
    Row row;
    int shown[12] = {};
    int counted = 0;
    for (size_t start = 0, f = 0; start + kTunerFrameLength <= signal.size(); start += kTunerFrameLength, ++f)
    {
        const TunerResultBlock r = runner.FeedFrame(signal.data() + start);
        if (f < onsetFrame)
            continue;
        const double reading = TunerDeviationCents(TunerKernel().single.rawDeviation);
        const bool noteOn = TunerKernel().single.noteState == kTunerNoteOn;
        const bool rightNote = noteOn && r.note == expectedNote;
        if (row.framesToRight < 0 && rightNote && std::fabs(reading - cents) <= 5.0)
            row.framesToRight = static_cast<int>(f - onsetFrame);
        if (f < onsetFrame + kSteadyFrom || f >= onsetFrame + kSteadyTo)
            continue;
        if (noteOn)
            ++shown[r.note];
        if (!rightNote)
        {
            ++row.wrongFrames;
            continue;
        }
        const double error = reading - cents;
        row.meanError += error;
        if (std::fabs(error) > std::fabs(row.worstError))
            row.worstError = error;
        ++counted;
    }
    if (counted)
        row.meanError /= counted;
    for (int n = 0; n < 12; ++n)
        if (shown[n] > 0 && (row.noteRead < 0 || shown[n] > shown[row.noteRead]))
            row.noteRead = n;
    return row;
}

// A strum of six plucked strings 10 ms apart after silence, one of them 20 cents sharp.
struct StrumCase
{
    const char* name;
    bool bass;
    int dropIndex;
    int sharpString;
};
const StrumCase kStrums[] = {
    {"guitar E", false, 0, 3}, {"guitar D", false, 2, 0}, {"bass E", true, 0, 2}, {"bass Db", true, 3, 5}};
constexpr size_t kStringsSteadyFrom = 30;

void MeasureStrum(const StrumCase& c)
{
    signals::PluckShape shape;
    shape.amplitude = 0.15;
    shape.decaySeconds = 2.0;
    double cents[6] = {};
    cents[c.sharpString] = 20.0;
    std::vector<float> signal = signals::Silence(0.5, kRate);
    const size_t onsetFrame = signal.size() / kTunerFrameLength;
    signals::Append(signal, signals::Strum(c.bass, c.dropIndex, cents, shape, kRate));

    signals::KernelSettings settings;
    settings.bass = c.bass;
    settings.dropIndex = c.dropIndex;
    signals::KernelRunner runner(settings);
    int framesToPolyphonic = -1;
    double error[6] = {};
    int counted = 0;
    for (size_t start = 0, f = 0; start + kTunerFrameLength <= signal.size(); start += kTunerFrameLength, ++f)
    {
        runner.FeedFrame(signal.data() + start);
        if (f < onsetFrame)
            continue;
        if (framesToPolyphonic < 0 && TunerKernel().analysisMode == kTunerPolyphonic)
            framesToPolyphonic = int(f - onsetFrame);
        // The string smoothing (two stages of 5.15 frames) takes about 1.3 s to settle from 0.
        if (f < onsetFrame + kStringsSteadyFrom || f >= onsetFrame + kSteadyTo)
            continue;
        for (int s = 0; s < 6; ++s)
            error[s] += TunerDeviationCents(TunerKernel().sixString.strings[s].s2) - cents[s];
        ++counted;
    }
    std::printf("%-10s %7d ", c.name, framesToPolyphonic);
    for (double e : error)
        std::printf(" %+7.2f", counted ? e / counted : 0.0);
    std::printf("\n");
}

const Kind kKinds[] = {Kind::Sine, Kind::Pluck, Kind::WeakFundamental};

// A weak fundamental is a low string's trouble (small speakers, some pickups).
bool Covered(Kind kind, const Tone& tone)
{
    return kind != Kind::WeakFundamental || tone.semitones <= 45;
}

} // namespace

int main()
{
    std::printf("Tuner kernel accuracy at 24 kHz; steady state from 0.5 s to 2.5 s after onset (%zu frames)\n",
                kSteadyTo - kSteadyFrom);
    std::printf("%-10s %-4s %7s  %-4s %6s %9s %9s %7s\n", "signal", "tone", "detune", "note", "wrong", "mean-err",
                "worst-err", "frames");
    int wrongTones = 0, wrongFrames = 0;
    for (Kind kind : kKinds)
    {
        for (const Tone& tone : kTones)
        {
            if (!Covered(kind, tone))
                continue;
            for (double cents : kDetunes)
            {
                const Row row = Measure(kind, tone, cents, kRate);
                if (row.noteRead != tone.semitones % 12)
                    ++wrongTones;
                wrongFrames += row.wrongFrames;
                std::printf("%-10s %-4s %+7.1f  %-4s %6d %+9.3f %+9.3f %7d\n", KindName(kind), tone.name, cents,
                            row.noteRead >= 0 ? kNoteNames[row.noteRead] : "-", row.wrongFrames, row.meanError,
                            row.worstError, row.framesToRight);
            }
        }
    }
    std::printf("tones read as the wrong note: %d; steady-state frames with a wrong or missing note: %d\n", wrongTones,
                wrongFrames);

    for (double rate : {44100.0, 48000.0, 96000.0})
    {
        std::printf("\nAt %.0f Hz through the resampler, per tone over the four detunes: the largest steady-state\n"
                    "mean error, the wrong frames, and the slowest first right reading\n",
                    rate);
        std::printf("%-10s", "signal");
        for (const Tone& tone : kTones)
            std::printf(" %12s", tone.name);
        std::printf("\n");
        for (Kind kind : kKinds)
        {
            std::printf("%-10s", KindName(kind));
            for (const Tone& tone : kTones)
            {
                if (!Covered(kind, tone))
                {
                    std::printf(" %12s", "-");
                    continue;
                }
                double worst = 0.0;
                int wrong = 0, slowest = 0;
                for (double cents : kDetunes)
                {
                    const Row row = Measure(kind, tone, cents, rate);
                    if (std::fabs(row.meanError) > std::fabs(worst))
                        worst = row.meanError;
                    wrong += row.wrongFrames + (row.noteRead != tone.semitones % 12 ? 1000 : 0);
                    slowest = row.framesToRight < 0 || slowest < 0 ? -1 : std::max(slowest, row.framesToRight);
                }
                std::printf(" %+5.2f/%d/%-3d", worst, wrong, slowest);
            }
            std::printf("\n");
        }
    }

    std::printf("\nStrums: frames from onset to the polyphonic reading, and each string's mean error from 1.3 s to\n"
                "2.5 s after onset in cents (its smoothed deviation against the true detune), strings 1..6\n");
    std::printf("%-10s %7s  %s\n", "strum", "frames", "errors");
    for (const StrumCase& c : kStrums)
        MeasureStrum(c);
    return 0;
}
