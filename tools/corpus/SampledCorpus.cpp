#include "SampledCorpus.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "tools/reading/NoteNames.h"
#include "tools/wavfile/WavFile.h"

namespace corpus {

namespace {

constexpr int kTicksPerSecond = 960; // 480 ticks a quarter note at the default 120 beats a minute
constexpr double kSegmentSeconds = 4.0;
constexpr double kLeadIn = 0.5;
constexpr double kHold = 3.0;
constexpr int kMidiC0 = 12;          // MIDI note of C0
constexpr int kBendRangeCents = 200; // the General MIDI default
constexpr int kHighestFret = 12;
constexpr int kVelocity = 96;
// Every note is played at each of these detunes.
const int kNoteDetunes[] = {-20, -12, -6, 0, 6, 12, 20};

// Every guitar and bass voice of General MIDI; the strums are played on four of them.
struct Program
{
    int number; // General MIDI, from 0
    const char* name;
    bool bass;
    bool strums;
};
const Program kPrograms[] = {
    {24, "nylon guitar", false, false},
    {25, "steel guitar", false, true},
    {26, "jazz guitar", false, false},
    {27, "clean electric guitar", false, true},
    {28, "muted electric guitar", false, false},
    {29, "overdriven guitar", false, false},
    {30, "distortion guitar", false, false},
    {31, "guitar harmonics", false, false},
    {32, "acoustic bass", true, false},
    {33, "finger bass", true, true},
    {34, "picked bass", true, true},
    {35, "fretless bass", true, false},
    {36, "slap bass 1", true, false},
    {37, "slap bass 2", true, false},
    {38, "synth bass 1", true, false},
    {39, "synth bass 2", true, false},
};

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

// Where a note lies lowest on the neck: the highest string whose open note is not above it.
int StringOf(bool bass, int note)
{
    for (int string = 5; string > 0; --string)
        if (note >= OpenStrings(bass)[string])
            return string;
    return 0;
}

// The single notes of a voice: every note from its lowest open string to its highest string's
// 12th fret at every detune. A sampled voice sounds a note the same on whichever string it lies,
// so each note is played once, named after the string where it lies lowest on the neck.
void AddNotes(const Program& p, const std::string& group, Score& score, std::vector<Case>& cases,
              std::vector<double>& starts)
{
    const int lowest = OpenStrings(p.bass)[0], highest = OpenStrings(p.bass)[5] + kHighestFret;
    for (int note = lowest; note <= highest; ++note)
    {
        for (int cents : kNoteDetunes)
        {
            Case c;
            c.group = group;
            c.sampled = true;
            c.bass = p.bass;
            c.string = StringOf(p.bass, note);
            c.note = note;
            c.cents = cents;
            char name[128];
            std::snprintf(name, sizeof name, "%s note s%d f%d %s%d %+dc", group.c_str(), c.string + 1,
                          note - OpenStrings(p.bass)[c.string], SharpNoteName(note % 12), note / 12, cents);
            c.name = name;
            c.heldOut = HeldOutByName(c.name);
            starts.push_back(score.Play(p.number, {{c.note, c.cents}}, 0.0));
            cases.push_back(std::move(c));
        }
    }
}

// Three strums in each tuning, each string detuned by up to 15 cents.
void AddStrums(const Program& p, const std::string& group, uint32_t& seed, Score& score, std::vector<Case>& cases,
               std::vector<double>& starts)
{
    for (int drop = 0; drop < 6; ++drop)
    {
        for (int set = 0; set < 3; ++set)
        {
            Case c;
            c.group = group;
            c.sampled = true;
            c.kind = CaseKind::Strum;
            c.bass = p.bass;
            c.dropIndex = drop;
            c.heldOut = set == 2;
            char name[128];
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

// Renders a score with fluidsynth at the corpus rate and keeps its first channel; empty with a
// message in error when that fails.
std::shared_ptr<const std::vector<float>> Render(const Score& score, const std::string& soundfontPath,
                                                 const std::string& workDirectory, std::string& error)
{
    std::vector<Event> events = score.events;
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.tick < b.tick; });
    const std::string midiPath = workDirectory + "/sampled.mid";
    const std::string wavPath = workDirectory + "/sampled.wav";
    std::ofstream(midiPath, std::ios::binary) << MidiFile(events);
    const std::string command = "fluidsynth -ni -q -R 0 -C 0 -g 1.0 -r 24000 -O float -T wav -F '" + wavPath + "' '" +
                                soundfontPath + "' '" + midiPath + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
    {
        error = "fluidsynth could not render the sampled corpus";
        return nullptr;
    }
    WavAudio audio;
    const bool read = readWav(wavPath, audio, error);
    std::remove(wavPath.c_str());
    if (!read)
        return nullptr;
    if (audio.sampleRate != 24000 || audio.channels < 1)
    {
        error = "fluidsynth rendered at an unexpected rate";
        return nullptr;
    }
    auto mono = std::make_shared<std::vector<float>>(static_cast<size_t>(audio.frames()));
    for (size_t n = 0; n < mono->size(); ++n)
        (*mono)[n] = audio.samples[n * static_cast<size_t>(audio.channels)];
    return mono;
}

// A voice's cases, each with its segment's start in the voice's score.
struct Voice
{
    Score score;
    std::vector<Case> cases;
    std::vector<double> starts;
};

Voice VoiceOf(const Program& p, uint32_t& strumSeed)
{
    Voice v;
    const std::string group = std::string(p.name) + " (sampled)";
    AddNotes(p, group, v.score, v.cases, v.starts);
    if (p.strums)
        AddStrums(p, group, strumSeed, v.score, v.cases, v.starts);
    return v;
}

constexpr uint32_t kStrumSeed = 5u;

} // namespace

std::vector<Case> SampledCorpus(const std::string& soundfontPath, const std::string& workDirectory, std::string& error)
{
    if (!std::ifstream(soundfontPath))
    {
        error = "no soundfont at " + soundfontPath;
        return {};
    }
    std::vector<Case> cases;
    uint32_t seed = kStrumSeed;
    for (const Program& p : kPrograms) // a score and a render a voice: all voices at once would take 3.3 GB
    {
        Voice voice = VoiceOf(p, seed);
        const std::shared_ptr<const std::vector<float>> audio =
            Render(voice.score, soundfontPath, workDirectory, error);
        if (!audio)
            return {};
        for (size_t i = 0; i < voice.cases.size(); ++i)
        {
            const size_t first = static_cast<size_t>(voice.starts[i] * kCorpusRate);
            const size_t count = static_cast<size_t>(kSegmentSeconds * kCorpusRate);
            voice.cases[i].eventSample = static_cast<size_t>(kLeadIn * kCorpusRate);
            voice.cases[i].render = [audio, first, count] {
                std::vector<float> signal(count, 0.0f);
                for (size_t n = 0; n < count && first + n < audio->size(); ++n)
                    signal[n] = (*audio)[first + n];
                return signal;
            };
            cases.push_back(std::move(voice.cases[i]));
        }
    }
    return cases;
}

std::vector<Case> SampledCases()
{
    std::vector<Case> cases;
    uint32_t seed = kStrumSeed;
    for (const Program& p : kPrograms)
        for (Case& c : VoiceOf(p, seed).cases)
            cases.push_back(std::move(c));
    return cases;
}

} // namespace corpus
