#include "AccuracyCorpus.h"

#include <cmath>
#include <cstdio>

#include "StringTone.h"
#include "tuner/engine/testing/TestSignals.h"

namespace corpus {

namespace {

constexpr int kFrets = 13;      // open to the 12th fret
constexpr double kLeadIn = 0.5; // silence before a note or strum
constexpr double kNoteSeconds = 3.0;
constexpr double kFirstNoteSeconds = 1.5; // a change comes this long after the first note
constexpr double kStrumSpacing = 0.012;   // between strings of a strum

// Detunes cycle through these, so every string and fret meets several.
constexpr double kDetunes[] = {-23.0, 4.0, -9.0, 17.0, 0.0, -41.0, 11.0, 45.0, -2.0, 28.0, -15.0, 7.0, -33.0};

// Stiffness of the open strings (B), lowest first; a fret shortens the string by 2^(-fret/12), and B
// grows with the inverse square of the length.
constexpr double kGuitarStiffness[6] = {4e-5, 5e-5, 7e-5, 9e-5, 1.2e-4, 1.5e-4};
constexpr double kBassStiffness[6] = {1e-4, 1.2e-4, 1.5e-4, 2e-4, 2.5e-4, 3e-4};
constexpr double kGuitarDecay[6] = {2.5, 2.3, 2.0, 1.8, 1.5, 1.3};
constexpr double kBassDecay[6] = {3.0, 3.0, 2.8, 2.6, 2.4, 2.2};

StringTone Tone(bool bass, int string, int fret, double cents, bool stretched, int variant)
{
    StringTone tone;
    const int note = OpenStrings(bass)[string] + fret;
    tone.fundamental = signals::NoteFrequency(note, cents);
    tone.inharmonicity = stretched ? (bass ? kBassStiffness : kGuitarStiffness)[string] * std::exp2(fret / 6.0) : 0.0;
    tone.pickPosition = (bass ? 0.1 : 0.12) + 0.03 * (variant % 5);
    tone.decaySeconds = (bass ? kBassDecay : kGuitarDecay)[string];
    tone.amplitude = 0.15 + 0.05 * (variant % 4);
    return tone;
}

void PartialCents(const StringTone& tone, double (&out)[4])
{
    for (int h = 1; h <= 4; ++h)
        out[h - 1] = 1200.0 * std::log2(PartialFrequency(tone, h) / (h * tone.fundamental));
}

std::size_t Samples(double seconds)
{
    return static_cast<std::size_t>(seconds * kCorpusRate);
}

const char* ModelName(bool stretched)
{
    return stretched ? "stiff" : "harmonic";
}

std::string Group(bool bass, bool stretched)
{
    return std::string(bass ? "bass " : "guitar ") + ModelName(stretched);
}

void AddNotes(std::vector<Case>& cases, bool bass, bool stretched)
{
    int variant = stretched ? 5 : 0;
    for (int string = 0; string < 6; ++string)
    {
        for (int fret = 0; fret < kFrets; ++fret, ++variant)
        {
            const double cents = kDetunes[variant % std::size(kDetunes)];
            const StringTone tone = Tone(bass, string, fret, cents, stretched, variant);
            Case c;
            char name[96];
            std::snprintf(name, sizeof name, "%s note s%d f%d %+.0fc", Group(bass, stretched).c_str(), string + 1, fret,
                          cents);
            c.name = name;
            c.group = Group(bass, stretched);
            c.bass = bass;
            c.stretched = stretched;
            c.string = string;
            c.note = OpenStrings(bass)[string] + fret;
            c.cents = cents;
            PartialCents(tone, c.partialCents);
            c.eventSample = Samples(kLeadIn);
            c.render = [tone] {
                std::vector<float> signal = signals::Silence(kLeadIn, kCorpusRate);
                AddPluck(tone, kNoteSeconds, kCorpusRate, signal, Samples(kLeadIn));
                return signal;
            };
            cases.push_back(std::move(c));
        }
    }
}

// Pure tones on every semitone from B0 to E6, in tune and detuned: the plainest periodic signal,
// which a tuner must read exactly wherever it falls between the detector's candidates.
void AddSines(std::vector<Case>& cases)
{
    for (int i = 0; i < 2 * (76 - 11 + 1); ++i)
    {
        const int note = 11 + i / 2;
        const double cents = i % 2 == 0 ? 0.0 : kDetunes[(i / 2) % std::size(kDetunes)];
        const double frequency = signals::NoteFrequency(note, cents);
        Case c;
        char name[64];
        std::snprintf(name, sizeof name, "sine note %d %+.0fc", note, cents);
        c.name = name;
        c.group = "sine harmonic";
        c.string = -1;
        c.note = note;
        c.cents = cents;
        c.eventSample = Samples(kLeadIn);
        c.render = [frequency] {
            std::vector<float> signal = signals::Silence(kLeadIn, kCorpusRate);
            signals::Append(signal, signals::Sine(frequency, 0.3, kNoteSeconds, kCorpusRate));
            return signal;
        };
        cases.push_back(std::move(c));
    }
}

// Changes from a few starting strings, each interval up and down, replucked and legato; the
// starting note sits on the string below the one played after it when the change is replucked
// across strings, which makes no difference to the signal but keeps the tones realistic.
void AddChanges(std::vector<Case>& cases, bool bass)
{
    const int startStrings[] = {1, 3, 5};
    const int startFrets[] = {0, 5, 7};
    int variant = 0;
    for (int i = 0; i < 3; ++i)
    {
        const int string = startStrings[i] - (bass ? 1 : 0);
        for (int interval = -7; interval <= 7; ++interval)
        {
            if (interval == 0)
                continue;
            for (bool legato : {false, true})
            {
                ++variant;
                const bool stretched = variant % 2 == 0;
                const int fret = startFrets[i] + (interval < 0 && startFrets[i] + interval < 0 ? 7 : 0);
                const double centsA = kDetunes[variant % std::size(kDetunes)] / 8.0;
                const double centsB = kDetunes[(variant + 5) % std::size(kDetunes)] / 8.0;
                const StringTone first = Tone(bass, string, fret, centsA, stretched, variant);
                StringTone second = Tone(bass, string, fret + interval, centsB, stretched, variant + 1);
                Case c;
                char name[96];
                std::snprintf(name, sizeof name, "%s change %s %+d from s%d f%d", bass ? "bass" : "guitar",
                              legato ? "legato" : "repluck", interval, string + 1, fret);
                c.name = name;
                c.group = bass ? "bass" : "guitar";
                c.kind = CaseKind::Change;
                c.bass = bass;
                c.stretched = stretched;
                c.string = string;
                c.note = OpenStrings(bass)[string] + fret + interval;
                c.cents = centsB;
                PartialCents(second, c.partialCents);
                c.interval = interval;
                c.legato = legato;
                c.eventSample = Samples(kLeadIn + kFirstNoteSeconds);
                if (legato)
                    second.inharmonicity = first.inharmonicity; // the same string, stopped shorter
                const double newFundamental = second.fundamental;
                c.render = [first, second, legato, newFundamental] {
                    std::vector<float> signal = signals::Silence(kLeadIn, kCorpusRate);
                    if (legato)
                    {
                        AddLegato(first, newFundamental, kFirstNoteSeconds, kNoteSeconds, kCorpusRate, signal,
                                  Samples(kLeadIn));
                    }
                    else
                    {
                        AddPluck(first, kFirstNoteSeconds, kCorpusRate, signal, Samples(kLeadIn));
                        AddPluck(second, kNoteSeconds, kCorpusRate, signal, Samples(kLeadIn + kFirstNoteSeconds));
                    }
                    return signal;
                };
                cases.push_back(std::move(c));
            }
        }
    }
}

// Three strums for each instrument and tuning, each string detuned by a known amount.
void AddStrums(std::vector<Case>& cases, bool bass, bool stretched)
{
    uint32_t seed = bass ? 77u : 13u;
    for (int drop = 0; drop < 6; ++drop)
    {
        for (int set = 0; set < 3; ++set)
        {
            Case c;
            char name[96];
            std::snprintf(name, sizeof name, "%s strum drop %d set %d", Group(bass, stretched).c_str(), drop, set);
            c.name = name;
            c.group = Group(bass, stretched);
            c.kind = CaseKind::Strum;
            c.bass = bass;
            c.dropIndex = drop;
            c.stretched = stretched;
            c.heldOut = set == 2;
            c.eventSample = Samples(kLeadIn);
            std::vector<StringTone> tones;
            for (int s = 0; s < 6; ++s)
            {
                seed = seed * 1664525u + 1013904223u;
                const double cents = (static_cast<double>(seed >> 8) / 16777216.0 - 0.5) * 30.0;
                const int note = TunedString(bass, drop, s);
                StringTone tone = Tone(bass, s, 0, cents, stretched, set + s);
                tone.fundamental = signals::NoteFrequency(note, cents);
                tone.amplitude = 0.1;
                c.stringCents[s] = cents;
                c.sharedBand[s] = SharesBand(bass, drop, s);
                c.secondPartialCents[s] =
                    cents + 1200.0 * std::log2(PartialFrequency(tone, 2) / (2 * tone.fundamental));
                tones.push_back(tone);
            }
            c.render = [tones] {
                std::vector<float> signal = signals::Silence(kLeadIn, kCorpusRate);
                for (std::size_t s = 0; s < tones.size(); ++s)
                    AddPluck(tones[s], kNoteSeconds, kCorpusRate, signal, Samples(kLeadIn + s * kStrumSpacing));
                return signal;
            };
            cases.push_back(std::move(c));
        }
    }
}

} // namespace

const int* OpenStrings(bool bass)
{
    return bass ? signals::kBassOpenStrings : signals::kGuitarOpenStrings;
}

int TunedString(bool bass, int dropIndex, int string)
{
    return OpenStrings(bass)[string] - (bass && string == 0 ? 0 : dropIndex);
}

bool SharesBand(bool bass, int dropIndex, int string)
{
    const double band = TunedString(bass, dropIndex, string) + 12.0;
    for (int other = 0; other < 6; ++other)
    {
        if (other == string)
            continue;
        for (int partial = 1; partial <= 2; ++partial)
            if (std::fabs(TunedString(bass, dropIndex, other) + 12.0 * std::log2(partial) - band) < 0.5)
                return true;
    }
    return false;
}

bool HeldOutByName(const std::string& name)
{
    uint32_t hash = 2166136261u; // FNV-1a
    for (char ch : name)
        hash = (hash ^ static_cast<unsigned char>(ch)) * 16777619u;
    return hash % 3 == 0;
}

std::vector<Case> ModelledCorpus()
{
    std::vector<Case> cases;
    AddSines(cases);
    for (bool bass : {false, true})
    {
        for (bool stretched : {false, true})
            AddNotes(cases, bass, stretched);
        AddChanges(cases, bass);
        for (bool stretched : {false, true})
            AddStrums(cases, bass, stretched);
    }
    for (Case& c : cases)
        if (c.kind != CaseKind::Strum)
            c.heldOut = HeldOutByName(c.name);
    return cases;
}

} // namespace corpus
