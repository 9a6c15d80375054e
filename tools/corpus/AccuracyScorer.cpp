#include "AccuracyScorer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include "tuner/engine/testing/KernelRunner.h"

namespace corpus {

namespace {

constexpr int kOnsetFrame = 3;         // the display needs a frame, and the median three
constexpr int kHarmonicFromFrame = 3;  // octave and subharmonic readings count from the fourth frame
constexpr int kSteadyFrom = 12;        // frames after the onset or change: 0.5 s
constexpr int kSteadyTo = 60;          // 2.5 s
constexpr int kStringsSteadyFrom = 30; // the string smoothing takes about 1.3 s to settle from 0
const int kHarmonicIntervals[] = {12, 19, 24, 28, 31, 36};

// Frames where -1 means never: the larger, counting never as the most.
int Slowest(int a, int b)
{
    return a < 0 || b < 0 ? -1 : std::max(a, b);
}

bool IsHarmonicInterval(int semitones)
{
    for (int i : kHarmonicIntervals)
        if (semitones == i || semitones == -i)
            return true;
    return false;
}

// Subharmonic readings, as shares of the note's frequency: a whole number of the note's periods
// (3, 5, 6, 7), or of its second partial's (5, 7; three of them, 2/3, is the fifth below).
const double kSubharmonicShares[] = {1.0 / 3, 1.0 / 5, 1.0 / 6, 1.0 / 7, 2.0 / 5, 2.0 / 7};

bool IsSubharmonicInterval(int semitones)
{
    for (double share : kSubharmonicShares)
        if (semitones == std::lround(12.0 * std::log2(share)))
            return true;
    return false;
}

// What the display shows after the frame: the note, the strings while a strum reads polyphonic,
// or nothing.
int ShownNow()
{
    const TunerKernelState& k = TunerKernel();
    if (k.analysisMode == kTunerPolyphonic)
    {
        for (const TunerStringState& string : k.sixString.strings)
            if (string.state != 0)
                return kShownStrings;
        return kShownNothing;
    }
    return k.single.noteState != kTunerNoteIdle ? k.single.noteNumber : kShownNothing;
}

// The most frequent of what was shown (a tie as Outcome says).
int MostShown(const std::map<int, int>& counts, int played)
{
    int best = kShownNothing, bestCount = 0;
    for (const auto& [shown, count] : counts) // strings first, then the notes from the lowest
    {
        if (count > bestCount || (count == bestCount && best != played && (shown == played || best == kShownStrings)))
        {
            best = shown;
            bestCount = count;
        }
    }
    return best;
}

void MeasureNote(const Case& c, int k, int shown, Outcome& o)
{
    const TunerSingleNoteState& s = TunerKernel().single;
    if (shown < 0)
        return;
    if (o.framesToRight < 0 && shown == c.note)
        o.framesToRight = k;
    if (k == kOnsetFrame)
        o.rightAtOnset = shown == c.note;
    if (k >= kHarmonicFromFrame && IsHarmonicInterval(shown - c.note))
        ++o.harmonicFrames;
    if (k < kSteadyFrom || k >= kSteadyTo || shown != c.note || s.noteState != kTunerNoteOn)
        return;
    const double reading = (s.noteNumber - c.note) * 100.0 + TunerDeviationCents(s.rawDeviation); // cents off the note
    o.errors.push_back(reading - c.cents);
    double nearest = reading - c.cents - c.partialCents[0];
    for (double p : c.partialCents)
        if (std::fabs(reading - c.cents - p) < std::fabs(nearest))
            nearest = reading - c.cents - p;
    o.partialErrors.push_back(nearest);
}

} // namespace

NoteReading ReadingOf(int played, int shown)
{
    if (shown == kShownStrings)
        return NoteReading::Strings;
    if (shown < 0)
        return NoteReading::Nothing;
    const int semitones = shown - played;
    if (semitones == 0)
        return NoteReading::Right;
    if (semitones % 12 == 0)
        return NoteReading::Octave;
    if (semitones == -7)
        return NoteReading::FifthBelow;
    return IsSubharmonicInterval(semitones) ? NoteReading::Subharmonic : NoteReading::OtherNote;
}

bool IsWrongNote(NoteReading r)
{
    return r == NoteReading::Octave || r == NoteReading::FifthBelow || r == NoteReading::Subharmonic ||
           r == NoteReading::OtherNote;
}

const char* NoteReadingName(NoteReading r)
{
    switch (r)
    {
    case NoteReading::Right:
        return "right";
    case NoteReading::Octave:
        return "octave";
    case NoteReading::FifthBelow:
        return "fifth below";
    case NoteReading::Subharmonic:
        return "subharmonic";
    case NoteReading::OtherNote:
        return "other note";
    case NoteReading::Strings:
        return "strings";
    case NoteReading::Nothing:
        return "nothing";
    }
    return "?";
}

Outcome Measure(const Case& c, const std::vector<float>& signal, const TablePatch& patch)
{
    signals::KernelSettings settings;
    settings.bass = c.bass;
    settings.dropIndex = c.dropIndex;
    signals::KernelRunner runner(settings);
    if (patch)
        patch();
    const int eventFrame = static_cast<int>(c.eventSample / kTunerFrameLength);
    Outcome o;
    double sums[6] = {};
    int counted = 0, readFrames[6] = {};
    std::map<int, int> shown, shownAfterThird;
    for (size_t start = 0, f = 0; start + kTunerFrameLength <= signal.size(); start += kTunerFrameLength, ++f)
    {
        runner.FeedFrame(signal.data() + start);
        const int k = static_cast<int>(f) - eventFrame;
        if (k < 0)
            continue;
        if (c.kind != CaseKind::Strum)
        {
            const int now = ShownNow();
            if (now != kShownNothing)
            {
                ++shown[now];
                if (k >= kHarmonicFromFrame)
                    ++shownAfterThird[now];
            }
            MeasureNote(c, k, now, o);
            continue;
        }
        const bool polyphonic = TunerKernel().analysisMode == kTunerPolyphonic;
        if (polyphonic && o.framesToPolyphonic < 0)
            o.framesToPolyphonic = k;
        if (!polyphonic || k < kStringsSteadyFrom || k >= kSteadyTo)
            continue;
        ++counted;
        for (int s = 0; s < 6; ++s)
        {
            const TunerStringState& string = TunerKernel().sixString.strings[s];
            sums[s] += TunerDeviationCents(string.s2);
            if (string.state != 0)
                ++readFrames[s];
        }
    }
    o.shownMost = MostShown(shown, c.note);
    o.shownMostAfterThird = MostShown(shownAfterThird, c.note);
    if (c.kind == CaseKind::Strum && counted > 0)
    {
        for (int s = 0; s < 6; ++s)
        {
            o.stringRead[s] = readFrames[s] > 0;
            o.stringErrors[s] = sums[s] / counted - c.stringCents[s];
            o.stringPartialErrors[s] = sums[s] / counted - c.secondPartialCents[s];
        }
    }
    return o;
}

void PrintOutcome(std::FILE* out, const Case& c, const Outcome& o)
{
    std::fprintf(out, "%-52s %-8s", c.name.c_str(), c.heldOut ? "held-out" : "search");
    if (c.kind == CaseKind::Strum)
    {
        std::fprintf(out, " poly %3d  strings", o.framesToPolyphonic);
        for (int s = 0; s < 6; ++s)
        {
            if (o.stringRead[s])
                std::fprintf(out, " %+6.2f", o.stringErrors[s]);
            else
                std::fprintf(out, " %6s", "-");
        }
    }
    else
    {
        std::fprintf(out, " to-right %3d  oct/sub %3d  error median %+6.2f  shown %+3d %-11s after 3 %+3d %s",
                     o.framesToRight, o.harmonicFrames, Percentile(o.errors, 0.5),
                     o.shownMost < 0 ? 0 : o.shownMost - c.note, NoteReadingName(ReadingOf(c.note, o.shownMost)),
                     o.shownMostAfterThird < 0 ? 0 : o.shownMostAfterThird - c.note,
                     NoteReadingName(ReadingOf(c.note, o.shownMostAfterThird)));
    }
    std::fprintf(out, "\n");
}

double Percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0.0;
    for (double& v : values)
        v = std::fabs(v);
    std::sort(values.begin(), values.end());
    const double position = share * (values.size() - 1);
    const size_t below = static_cast<size_t>(position);
    const size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (position - below) * (values[above] - values[below]);
}

void Scorer::Add(const Case& c, const Outcome& o)
{
    entries_.push_back({&c, o});
}

Figures Scorer::FiguresOf(bool heldOut) const
{
    Figures f;
    std::vector<double> noteErrors;
    std::map<std::pair<std::string, int>, std::vector<double>> strum;
    for (const Entry& e : entries_)
    {
        const Case& c = *e.c;
        if (c.heldOut != heldOut)
            continue;
        const bool modelledHarmonic = !c.sampled && !c.stretched;
        if (c.kind == CaseKind::Strum)
        {
            f.slowestPolyphonic = Slowest(f.slowestPolyphonic, e.o.framesToPolyphonic);
            for (int s = 0; s < 6; ++s)
            {
                if (!e.o.stringRead[s])
                    ++f.stringsUnread;
                else if (c.sharedBand[s])
                    f.sharedWorst = std::max(f.sharedWorst, std::fabs(e.o.stringErrors[s]));
                else if (modelledHarmonic)
                    strum[{c.group, c.dropIndex}].push_back(e.o.stringErrors[s]);
            }
            continue;
        }
        if (e.o.harmonicFrames > 0)
            ++f.harmonicCases;
        f.harmonicFrames += e.o.harmonicFrames;
        const NoteReading whole = ReadingOf(c.note, e.o.shownMost);
        f.wrongNotes += IsWrongNote(whole);
        f.wrongNotesAfterThird += IsWrongNote(ReadingOf(c.note, e.o.shownMostAfterThird));
        f.shownAsStrings += whole == NoteReading::Strings;
        f.shownNothing += whole == NoteReading::Nothing;
        if (c.kind == CaseKind::Change)
        {
            f.slowestChange = Slowest(f.slowestChange, e.o.framesToRight);
            continue;
        }
        ++f.notes;
        if (e.o.rightAtOnset)
            ++f.notesRightAtOnset;
        if (c.string < 0 && !e.o.errors.empty())
        {
            double sum = 0.0;
            for (double error : e.o.errors)
                sum += error;
            f.sineWorst = std::max(f.sineWorst, std::fabs(sum / e.o.errors.size()));
        }
        if (modelledHarmonic)
            noteErrors.insert(noteErrors.end(), e.o.errors.begin(), e.o.errors.end());
    }
    f.noteMedian = Percentile(noteErrors, 0.5);
    f.noteP95 = Percentile(noteErrors, 0.95);
    for (const auto& [key, errors] : strum)
    {
        f.strumMedianWorst = std::max(f.strumMedianWorst, Percentile(errors, 0.5));
        f.strumP95Worst = std::max(f.strumP95Worst, Percentile(errors, 0.95));
    }
    return f;
}

double Scorer::StrumScore(bool heldOut) const
{
    std::map<std::pair<std::string, int>, std::vector<double>> errors;
    int unread = 0;
    for (const Entry& e : entries_)
    {
        if (e.c->kind != CaseKind::Strum || e.c->heldOut != heldOut)
            continue;
        std::vector<double>& list = errors[{e.c->group, e.c->dropIndex}];
        for (int s = 0; s < 6; ++s)
        {
            if (!e.o.stringRead[s])
                ++unread;
            else if (!e.c->sharedBand[s])
                list.push_back(e.o.stringPartialErrors[s]);
        }
    }
    double sum = 0.0;
    for (const auto& [key, list] : errors)
        sum += Percentile(list, 0.5) + Percentile(list, 0.95);
    return (errors.empty() ? 0.0 : sum / errors.size()) + 10.0 * unread;
}

// A part's tables: single notes by instrument and string (string 6: all strings), note changes by
// instrument and style, strums by instrument and tuning.
struct Scorer::Tables
{
    struct NoteRow
    {
        int cases = 0, onset = 0, harmonicCases = 0, harmonicFrames = 0, never = 0;
        std::vector<double> frames, errors, partialErrors;
    };
    struct StrumRow
    {
        int strums = 0, slowestPoly = 0, unread = 0;
        std::vector<double> errors, partial;
        double worst = 0.0;
        double sharedWorst = -1.0; // -1: no string shares its band
    };
    std::map<std::pair<std::string, int>, NoteRow> notes;
    std::map<std::string, std::map<int, int>> changes; // slowest frames to right by interval (-1: never)
    std::map<std::string, int> changeHarmonic;
    std::map<std::pair<std::string, int>, StrumRow> strums;
};

namespace {

std::string NoteLabel(const std::pair<std::string, int>& key)
{
    return key.first + " " + (key.second == 6 ? std::string("all") : std::to_string(key.second + 1));
}

std::string StrumLabel(const std::pair<std::string, int>& key)
{
    return key.first + " drop " + std::to_string(key.second);
}

double MaxOf(const std::vector<double>& values)
{
    return values.empty() ? -1.0 : *std::max_element(values.begin(), values.end());
}

} // namespace

Scorer::Tables Scorer::TablesOf(bool heldOut) const
{
    Tables t;
    for (const Entry& e : entries_)
    {
        const Case& c = *e.c;
        if (c.heldOut != heldOut)
            continue;
        if (c.kind == CaseKind::Note)
        {
            for (int string : {c.string, 6})
            {
                if (string < 0)
                    continue;
                Tables::NoteRow& r = t.notes[{c.group, string}];
                ++r.cases;
                r.onset += e.o.rightAtOnset;
                r.harmonicCases += e.o.harmonicFrames > 0;
                r.harmonicFrames += e.o.harmonicFrames;
                if (e.o.framesToRight < 0)
                    ++r.never;
                else
                    r.frames.push_back(e.o.framesToRight);
                r.errors.insert(r.errors.end(), e.o.errors.begin(), e.o.errors.end());
                r.partialErrors.insert(r.partialErrors.end(), e.o.partialErrors.begin(), e.o.partialErrors.end());
            }
        }
        else if (c.kind == CaseKind::Change)
        {
            const std::string key = c.group + (c.legato ? " legato" : " repluck");
            int& slowest = t.changes[key][c.interval];
            slowest = Slowest(slowest, e.o.framesToRight);
            t.changeHarmonic[key] += e.o.harmonicFrames;
        }
        else
        {
            Tables::StrumRow& r = t.strums[{c.group, c.dropIndex}];
            ++r.strums;
            r.slowestPoly = Slowest(r.slowestPoly, e.o.framesToPolyphonic);
            for (int s = 0; s < 6; ++s)
            {
                if (!e.o.stringRead[s])
                {
                    ++r.unread;
                    continue;
                }
                if (c.sharedBand[s])
                {
                    r.sharedWorst = std::max(r.sharedWorst, std::fabs(e.o.stringErrors[s]));
                    continue;
                }
                r.errors.push_back(e.o.stringErrors[s]);
                r.partial.push_back(e.o.stringPartialErrors[s]);
                if (std::fabs(e.o.stringErrors[s]) > std::fabs(r.worst))
                    r.worst = e.o.stringErrors[s];
            }
        }
    }
    return t;
}

std::vector<Row> Scorer::FigureRows(bool heldOut) const
{
    std::vector<Row> rows;
    const Figures f = FiguresOf(heldOut);
    rows.push_back({"notes right at onset", double(f.notesRightAtOnset), Row::Count});
    rows.push_back({"octave/subharmonic cases", double(f.harmonicCases), Row::Frames});
    rows.push_back({"octave/subharmonic frames", double(f.harmonicFrames), Row::Frames});
    rows.push_back({"slowest change", double(f.slowestChange), Row::Frames});
    rows.push_back({"wrong notes", double(f.wrongNotes), Row::Frames});
    rows.push_back({"wrong notes after frame 3", double(f.wrongNotesAfterThird), Row::Frames});
    rows.push_back({"notes shown as strings", double(f.shownAsStrings), Row::Frames});
    rows.push_back({"notes showing nothing", double(f.shownNothing), Row::Frames});
    rows.push_back({"harmonic notes median", f.noteMedian, Row::Cents});
    rows.push_back({"harmonic notes p95", f.noteP95, Row::Cents});
    rows.push_back({"worst pure tone", f.sineWorst, Row::Cents});
    rows.push_back({"harmonic strums worst median", f.strumMedianWorst, Row::Cents});
    rows.push_back({"harmonic strums worst p95", f.strumP95Worst, Row::Cents});
    rows.push_back({"strings unread", double(f.stringsUnread), Row::Frames});
    rows.push_back({"slowest polyphonic reading", double(f.slowestPolyphonic), Row::Frames});
    return rows;
}

std::vector<Row> Scorer::Rows(bool heldOut) const
{
    std::vector<Row> rows = FigureRows(heldOut);
    rows.push_back({"strings sharing a band worst", FiguresOf(heldOut).sharedWorst, Row::Cents});
    const Tables t = TablesOf(heldOut);
    for (const auto& [key, r] : t.notes)
    {
        const std::string label = NoteLabel(key);
        rows.push_back({label + " onset", double(r.onset), Row::Count});
        rows.push_back({label + " oct/sub cases", double(r.harmonicCases), Row::Frames});
        rows.push_back({label + " oct/sub frames", double(r.harmonicFrames), Row::Frames});
        rows.push_back({label + " to-right median", Percentile(r.frames, 0.5), Row::Frames});
        rows.push_back({label + " to-right most", r.never ? -1.0 : MaxOf(r.frames), Row::Frames});
        rows.push_back({label + " fund median", Percentile(r.errors, 0.5), Row::Cents});
        rows.push_back({label + " fund p95", Percentile(r.errors, 0.95), Row::Cents});
        rows.push_back({label + " partial median", Percentile(r.partialErrors, 0.5), Row::Cents});
        rows.push_back({label + " partial p95", Percentile(r.partialErrors, 0.95), Row::Cents});
    }
    for (const auto& [key, row] : t.changes)
    {
        for (const auto& [interval, frames] : row)
            rows.push_back({key + " " + std::to_string(interval), double(frames), Row::Frames});
        rows.push_back({key + " oct/sub frames", double(t.changeHarmonic.at(key)), Row::Frames});
    }
    for (const auto& [key, r] : t.strums)
    {
        const std::string label = StrumLabel(key);
        rows.push_back({label + " poly", double(r.slowestPoly), Row::Frames});
        rows.push_back({label + " fund median", Percentile(r.errors, 0.5), Row::Cents});
        rows.push_back({label + " fund p95", Percentile(r.errors, 0.95), Row::Cents});
        rows.push_back({label + " partial median", Percentile(r.partial, 0.5), Row::Cents});
        rows.push_back({label + " partial p95", Percentile(r.partial, 0.95), Row::Cents});
        rows.push_back({label + " worst", std::fabs(r.worst), Row::Cents});
        rows.push_back({label + " unread", double(r.unread), Row::Frames});
        if (r.sharedWorst >= 0.0)
            rows.push_back({label + " shared band worst", r.sharedWorst, Row::Cents});
    }
    return rows;
}

std::vector<CaseReading> Scorer::Readings(bool heldOut) const
{
    std::vector<CaseReading> readings;
    for (const Entry& e : entries_)
        if (e.c->kind != CaseKind::Strum && e.c->heldOut == heldOut)
            readings.push_back(
                {e.c->name, ReadingOf(e.c->note, e.o.shownMost), ReadingOf(e.c->note, e.o.shownMostAfterThird)});
    return readings;
}

std::vector<std::string> LostCases(const std::vector<CaseReading>& candidate, const std::vector<CaseReading>& today)
{
    std::map<std::string, const CaseReading*> before;
    for (const CaseReading& r : today)
        before[r.name] = &r;
    std::vector<std::string> lost;
    for (const CaseReading& r : candidate)
    {
        const auto it = before.find(r.name);
        if (it == before.end())
            continue;
        const CaseReading& was = *it->second;
        if ((was.whole == NoteReading::Right && r.whole != NoteReading::Right) ||
            (was.afterThird == NoteReading::Right && r.afterThird != NoteReading::Right))
            lost.push_back(r.name + ": " + NoteReadingName(r.whole) + " / " + NoteReadingName(r.afterThird));
    }
    return lost;
}

std::vector<std::string> WorseRows(const std::vector<Row>& candidate, const std::vector<Row>& today)
{
    std::map<std::string, const Row*> before;
    for (const Row& r : today)
        before[r.name] = &r;
    std::vector<std::string> worse;
    char text[160];
    for (const Row& r : candidate)
    {
        const auto it = before.find(r.name);
        if (it == before.end())
            continue;
        const double was = it->second->value;
        bool isWorse = false;
        switch (r.kind)
        {
        case Row::Count:
            isWorse = r.value < was;
            break;
        case Row::Frames:
            isWorse = (r.value < 0) != (was < 0) ? r.value < 0 : r.value > was;
            break;
        case Row::Cents:
            isWorse = r.value > was + kCentsNoise;
            break;
        }
        if (!isWorse)
            continue;
        std::snprintf(text, sizeof text, "%s %.2f -> %.2f", r.name.c_str(), was, r.value);
        worse.push_back(text);
    }
    return worse;
}

void Scorer::PrintPart(std::FILE* out, bool heldOut) const
{
    std::fprintf(out, "\n=== %s part ===\n", heldOut ? "Held-out" : "Search");
    const Tables t = TablesOf(heldOut);
    std::fprintf(out, "Single notes: steady state from %d to %d frames after onset; |error| in cents\n", kSteadyFrom,
                 kSteadyTo);
    std::fprintf(out, "%-30s %6s %7s %9s %11s %15s %15s\n", "instrument, string", "notes", "onset", "oct/sub",
                 "to-right", "fund med/p95", "partial med/p95");
    for (const auto& [key, r] : t.notes)
    {
        std::fprintf(out, "%-30s %6d %3d/%-3d %4d/%-4d %5.0f/%-3.0f%s %7.2f/%-7.2f %7.2f/%-7.2f\n",
                     NoteLabel(key).c_str(), r.cases, r.onset, r.cases, r.harmonicCases, r.harmonicFrames,
                     Percentile(r.frames, 0.5), MaxOf(r.frames), r.never ? "!" : " ", Percentile(r.errors, 0.5),
                     Percentile(r.errors, 0.95), Percentile(r.partialErrors, 0.5), Percentile(r.partialErrors, 0.95));
    }
    std::fprintf(out,
                 "Note changes: most frames from the change to the right note, by interval (-1: never);\n"
                 "oct/sub: frames after the third showing an octave or subharmonic\n%-18s",
                 "");
    for (int i = -7; i <= 7; ++i)
        if (i != 0)
            std::fprintf(out, " %3d", i);
    std::fprintf(out, " %8s\n", "oct/sub");
    for (const auto& [key, row] : t.changes)
    {
        std::fprintf(out, "%-18s", key.c_str());
        for (int i = -7; i <= 7; ++i)
        {
            if (i == 0)
                continue;
            const auto it = row.find(i);
            if (it == row.end())
                std::fprintf(out, " %3s", "-");
            else
                std::fprintf(out, " %3d", it->second);
        }
        std::fprintf(out, " %8d\n", t.changeHarmonic.at(key));
    }
    std::fprintf(out, "Strums: each string's settled error (mean of its deviation from %d to %d frames), |cents|\n",
                 kStringsSteadyFrom, kSteadyTo);
    std::fprintf(out, "shared: the worst |error| of strings whose band holds another string's partial, kept out of "
                      "the other columns\n");
    std::fprintf(out, "%-30s %6s %6s %15s %15s %7s %7s %7s\n", "instrument, tuning", "strums", "poly", "fund med/p95",
                 "partial med/p95", "worst", "unread", "shared");
    for (const auto& [key, r] : t.strums)
    {
        char shared[16] = "-";
        if (r.sharedWorst >= 0.0)
            std::snprintf(shared, sizeof shared, "%.2f", r.sharedWorst);
        std::fprintf(out, "%-30s %6d %6d %7.2f/%-7.2f %7.2f/%-7.2f %+7.2f %7d %7s\n", StrumLabel(key).c_str(), r.strums,
                     r.slowestPoly, Percentile(r.errors, 0.5), Percentile(r.errors, 0.95), Percentile(r.partial, 0.5),
                     Percentile(r.partial, 0.95), r.worst, r.unread, shared);
    }
    PrintWrongNotes(out, heldOut);
    const Figures f = FiguresOf(heldOut);
    std::fprintf(out,
                 "Figures: notes right at onset %d/%d; octave/subharmonic after frame 3: %d cases, %d frames;\n"
                 "  wrong notes %d, after frame 3 %d; shown as strings %d; nothing shown %d;\n"
                 "  slowest change %d frames; harmonic notes |error| median %.2f p95 %.2f cents;\n"
                 "  worst pure tone %.2f cents; harmonic strums worst median %.2f, worst p95 %.2f cents;\n"
                 "  strings unread %d; slowest polyphonic reading %d frames;\n"
                 "  strings sharing a band worst %.2f cents\n",
                 f.notesRightAtOnset, f.notes, f.harmonicCases, f.harmonicFrames, f.wrongNotes, f.wrongNotesAfterThird,
                 f.shownAsStrings, f.shownNothing, f.slowestChange, f.noteMedian, f.noteP95, f.sineWorst,
                 f.strumMedianWorst, f.strumP95Worst, f.stringsUnread, f.slowestPolyphonic, f.sharedWorst);
}

void Scorer::PrintWrongNotes(std::FILE* out, bool heldOut) const
{
    using Counts = std::array<int, kNoteReadingCount>;
    std::map<std::string, std::pair<Counts, Counts>> rows; // from the onset, after the third frame
    std::pair<Counts, Counts> all{};
    for (const Entry& e : entries_)
    {
        const Case& c = *e.c;
        if (c.kind == CaseKind::Strum || c.heldOut != heldOut)
            continue;
        const int whole = static_cast<int>(ReadingOf(c.note, e.o.shownMost));
        const int afterThird = static_cast<int>(ReadingOf(c.note, e.o.shownMostAfterThird));
        std::pair<Counts, Counts>& row = rows[c.group + (c.kind == CaseKind::Change ? " changes" : "")];
        ++row.first[whole];
        ++row.second[afterThird];
        ++all.first[whole];
        ++all.second[afterThird];
    }
    std::fprintf(out, "Wrong notes: the note each note or change showed for the most part, from the onset or change\n"
                      "and after the third frame; oct: octaves up or down, 5th: a fifth below (2/3 of the frequency),\n"
                      "sub: other subharmonics, other: other notes; str: shown as strings, none: nothing shown\n");
    std::fprintf(out, "%-34s %5s  %-36s  %s\n", "", "", "from the onset", "after the third frame");
    char columns[40];
    std::snprintf(columns, sizeof columns, "%5s %4s %4s %4s %5s %4s %4s", "right", "oct", "5th", "sub", "other", "str",
                  "none");
    std::fprintf(out, "%-34s %5s  %s  %s\n", "instrument", "cases", columns, columns);
    auto print = [out](const std::string& label, const std::pair<Counts, Counts>& row) {
        int cases = 0;
        for (int n : row.first)
            cases += n;
        std::fprintf(out, "%-34s %5d", label.c_str(), cases);
        for (const Counts* c : {&row.first, &row.second})
            std::fprintf(out, "  %5d %4d %4d %4d %5d %4d %4d", (*c)[0], (*c)[1], (*c)[2], (*c)[3], (*c)[4], (*c)[5],
                         (*c)[6]);
        std::fprintf(out, "\n");
    };
    for (const auto& [label, row] : rows)
        print(label, row);
    print("all", all);
}

void Scorer::Print(std::FILE* out) const
{
    PrintPart(out, false);
    PrintPart(out, true);
}

} // namespace corpus
