#include "SampledCorpus.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "tools/wavfile/WavFile.h"

namespace corpus {

namespace {

constexpr int kTicksPerSecond = 960; // 480 ticks a quarter note at the default 120 beats a minute
constexpr double kSegmentSeconds = 4.0;
constexpr double kLeadIn = 0.5;
constexpr double kHold = 3.0;
constexpr int kMidiC0 = 12;          // MIDI note of C0
constexpr int kBendRangeCents = 200; // the General MIDI default
const int kFrets[] = {0, 3, 5, 7, 9, 12};
constexpr int kVelocity = 96;

struct Program
{
    int number; // General MIDI, from 0
    const char* name;
    bool bass;
};
const Program kPrograms[] = {
    {25, "steel guitar", false}, {27, "electric guitar", false}, {33, "finger bass", true}, {34, "picked bass", true}};

struct Event
{
    int tick;
    unsigned char bytes[3];
    int size;
};

void WriteVariable(std::string& out, unsigned value)
{
    unsigned char buffer[5];
    int n = 0;
    buffer[n++] = value & 0x7F;
    while ((value >>= 7) != 0)
        buffer[n++] = static_cast<unsigned char>((value & 0x7F) | 0x80);
    while (n > 0)
        out.push_back(static_cast<char>(buffer[--n]));
}

void Write32(std::string& out, unsigned value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// A type-0 MIDI file of the events, which must be in time order.
std::string MidiFile(const std::vector<Event>& events)
{
    std::string track;
    int last = 0;
    for (const Event& e : events)
    {
        WriteVariable(track, static_cast<unsigned>(e.tick - last));
        last = e.tick;
        track.append(reinterpret_cast<const char*>(e.bytes), static_cast<size_t>(e.size));
    }
    track += std::string("\x00\xFF\x2F\x00", 4);
    std::string file = std::string("MThd\0\0\0\6\0\0\0\1\x01\xE0", 14); // format 0, one track, 480 a quarter
    file += "MTrk";
    Write32(file, static_cast<unsigned>(track.size()));
    return file + track;
}

struct Score
{
    std::vector<Event> events;
    int segments = 0;

    int Tick(double seconds) const { return static_cast<int>(std::lround(seconds * kTicksPerSecond)); }
    void Add(double seconds, int status, int a, int b = -1)
    {
        Event e{Tick(seconds),
                {static_cast<unsigned char>(status), static_cast<unsigned char>(a),
                 static_cast<unsigned char>(b < 0 ? 0 : b)},
                b < 0 ? 2 : 3};
        events.push_back(e);
    }
    // Plays notes (semitones above C0, with cents) on channels 0.., in the next segment.
    double Play(int program, const std::vector<std::pair<int, double>>& notes, double spacing)
    {
        const double start = segments++ * kSegmentSeconds;
        for (size_t ch = 0; ch < notes.size(); ++ch)
        {
            const int channel = static_cast<int>(ch);
            Add(start, 0xC0 | channel, program);
            const int bend = 8192 + static_cast<int>(std::lround(notes[ch].second / kBendRangeCents * 8192.0));
            Add(start, 0xE0 | channel, bend & 0x7F, bend >> 7);
        }
        for (size_t ch = 0; ch < notes.size(); ++ch)
            Add(start + kLeadIn + ch * spacing, 0x90 | int(ch), notes[ch].first + kMidiC0, kVelocity);
        for (size_t ch = 0; ch < notes.size(); ++ch)
            Add(start + kLeadIn + kHold, 0x80 | int(ch), notes[ch].first + kMidiC0, 0);
        return start;
    }
};

double Detune(uint32_t& seed, double range)
{
    seed = seed * 1664525u + 1013904223u;
    return (static_cast<double>(seed >> 8) / 16777216.0 - 0.5) * 2.0 * range;
}

} // namespace

std::vector<Case> SampledCorpus(const std::string& soundfontPath, const std::string& workDirectory, std::string& error)
{
    if (!std::ifstream(soundfontPath))
    {
        error = "no soundfont at " + soundfontPath;
        return {};
    }
    Score score;
    std::vector<Case> cases;
    std::vector<double> starts;
    uint32_t seed = 5u;
    for (const Program& p : kPrograms)
    {
        const std::string group = std::string(p.name) + " (sampled)";
        for (int string = 0; string < 6; ++string)
        {
            for (int fret : kFrets)
            {
                Case c;
                c.group = group;
                c.bass = p.bass;
                c.string = string;
                c.note = OpenStrings(p.bass)[string] + fret;
                c.cents = std::round(Detune(seed, 30.0));
                char name[96];
                std::snprintf(name, sizeof name, "%s note s%d f%d %+.0fc", group.c_str(), string + 1, fret, c.cents);
                c.name = name;
                c.heldOut = HeldOutByName(c.name);
                starts.push_back(score.Play(p.number, {{c.note, c.cents}}, 0.0));
                cases.push_back(std::move(c));
            }
        }
        for (int drop = 0; drop < 6; ++drop)
        {
            for (int set = 0; set < 3; ++set)
            {
                Case c;
                c.group = group;
                c.kind = CaseKind::Strum;
                c.bass = p.bass;
                c.dropIndex = drop;
                c.heldOut = set == 2;
                char name[96];
                std::snprintf(name, sizeof name, "%s strum drop %d set %d", group.c_str(), drop, set);
                c.name = name;
                std::vector<std::pair<int, double>> notes;
                for (int s = 0; s < 6; ++s)
                {
                    c.stringCents[s] = c.secondPartialCents[s] = std::round(Detune(seed, 15.0));
                    c.sharedBand[s] = SharesBand(p.bass, drop, s);
                    notes.push_back({TunedString(p.bass, drop, s), c.stringCents[s]});
                }
                starts.push_back(score.Play(p.number, notes, 0.012));
                cases.push_back(std::move(c));
            }
        }
    }
    std::stable_sort(score.events.begin(), score.events.end(),
                     [](const Event& a, const Event& b) { return a.tick < b.tick; });

    const std::string midiPath = workDirectory + "/sampled.mid";
    const std::string wavPath = workDirectory + "/sampled.wav";
    std::ofstream(midiPath, std::ios::binary) << MidiFile(score.events);
    const std::string command = "fluidsynth -ni -q -R 0 -C 0 -g 1.0 -r 24000 -O float -T wav -F '" + wavPath + "' '" +
                                soundfontPath + "' '" + midiPath + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
    {
        error = "fluidsynth could not render the sampled corpus";
        return {};
    }
    auto audio = std::make_shared<WavAudio>();
    if (!readWav(wavPath, *audio, error))
        return {};
    if (audio->sampleRate != 24000 || audio->channels < 1)
    {
        error = "fluidsynth rendered at an unexpected rate";
        return {};
    }
    for (size_t i = 0; i < cases.size(); ++i)
    {
        const long first = static_cast<long>(starts[i] * kCorpusRate);
        const long count = static_cast<long>(kSegmentSeconds * kCorpusRate);
        cases[i].eventSample = static_cast<size_t>(kLeadIn * kCorpusRate);
        cases[i].render = [audio, first, count] {
            std::vector<float> signal(static_cast<size_t>(count), 0.0f);
            for (long n = 0; n < count && first + n < audio->frames(); ++n)
                signal[static_cast<size_t>(n)] = audio->samples[static_cast<size_t>((first + n) * audio->channels)];
            return signal;
        };
    }
    return cases;
}

} // namespace corpus
