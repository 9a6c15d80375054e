#include "ReadingText.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "NoteNames.h"
#include "tuner/plugin/TunerParameterIndex.h"

namespace {

// An envelope at half its height or more counts as present, as it is half lit on the display.
constexpr float kPresent = 0.5f;
// Within this many cents of the target a note reads "in tune".
constexpr double kInTuneCents = 2.0;

const char* const kAbsent = "\u2014"; // an em dash

double StringCents(const TunerResultBlock& reading, int string)
{
    return TunerStringCents(reading.stringDeviation[string]);
}

// Cents as shown: to a tenth.
double RoundedCents(double cents)
{
    return std::round(cents * 10.0) / 10.0;
}

// "+7.1", "\u22127.1" (a true minus sign) or "0.0".
std::string SignedCents(double cents)
{
    const double rounded = RoundedCents(cents);
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.1f", std::fabs(rounded));
    if (rounded == 0.0)
        return std::string(" ") + digits;
    return (rounded > 0.0 ? "+" : "\u2212") + std::string(digits);
}

bool AnyStringPresent(const TunerResultBlock& reading)
{
    for (float presence : reading.stringPresence)
        if (presence >= kPresent)
            return true;
    return false;
}

// Pads to a width in characters (the minus sign and the dash take three bytes each), on the
// right or, for numbers, on the left.
std::string Padded(std::string text, size_t width, bool alignRight = false)
{
    size_t characters = 0;
    for (char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (characters >= width)
        return text;
    return alignRight ? std::string(width - characters, ' ') + text : text + std::string(width - characters, ' ');
}

} // namespace

double NoteCents(const TunerResultBlock& reading, bool stream)
{
    return TunerNeedleCents(stream ? reading.strobeSpeed : reading.needleDeviation);
}

TunerResultBlock ResultBlockFromValues(const float* values)
{
    TunerResultBlock reading;
    std::memcpy(static_cast<void*>(&reading), values, sizeof reading); // the block is 19 plain four-byte values
    return reading;
}

ReadingSetup ReadingSetupOfParameters(const std::function<int(int offset)>& listIndex,
                                      const std::function<std::string(int offset)>& valueText)
{
    ReadingSetup setup;
    const int instrument = listIndex(TunerParameterIndex::kSelectInstrument);
    const int drop = listIndex(TunerParameterIndex::kDropTuning);
    setup.instrument = instrument == kTunerBass ? kTunerBass : kTunerGuitar;
    setup.dropIndex = drop >= 0 ? drop : 0;
    setup.stream = listIndex(TunerParameterIndex::kDisplayMode) == 1;
    setup.description = valueText(TunerParameterIndex::kSelectInstrument) + ", drop tuning " +
                        valueText(TunerParameterIndex::kDropTuning) + ", reference " +
                        valueText(TunerParameterIndex::kReferenceFrequency) + " Hz, " +
                        valueText(TunerParameterIndex::kDisplayMode);
    return setup;
}

ReadingText::ReadingText(ReadingSetup setup) : setup(std::move(setup)) {}

std::string ReadingText::Header() const
{
    std::string strings;
    for (const std::string& name : StringNames(setup.instrument, setup.dropIndex))
        strings += " " + name;
    return "   time  note      cents        (" + setup.description + "; strings" + strings + ")";
}

std::string ReadingText::Line(double seconds, const TunerResultBlock& reading) const
{
    char time[32];
    std::snprintf(time, sizeof time, "%7.3f  ", seconds);
    const bool notePresent = reading.notePresentName >= kPresent;
    if (reading.polyphonicFlag >= 0.5f && AnyStringPresent(reading))
    {
        std::string line = std::string(time) + "strings";
        const std::vector<std::string> names = StringNames(setup.instrument, setup.dropIndex);
        for (int s = 0; s < kTunerStringCount && s < static_cast<int>(names.size()); ++s)
        {
            const std::string cents =
                reading.stringPresence[s] >= kPresent ? SignedCents(StringCents(reading, s)) : kAbsent;
            line += "  " + Padded(names[static_cast<size_t>(s)], 2) + Padded(cents, 6, true);
        }
        return line;
    }
    if (!notePresent)
        return std::string(time) + kAbsent;
    // The word follows the number shown.
    const double cents = RoundedCents(NoteCents(reading, setup.stream));
    const char* word = std::fabs(cents) < kInTuneCents ? "in tune" : (cents < 0.0 ? "flat" : "sharp");
    return std::string(time) + Padded(SharpNoteName(reading.note), 2) + Padded(SignedCents(cents), 7, true) +
           " cents  " + word;
}

std::string RawReadingLine(double seconds, const TunerResultBlock& reading, bool stream)
{
    const char* name = reading.note >= 0 && reading.note < 12 ? SharpNoteName(reading.note) : "-";
    const float shown = stream ? reading.strobeSpeed : reading.needleDeviation;
    char line[512];
    int length = std::snprintf(line, sizeof line, "%7.3f s  %-2s %+7.2f cents  %s %+6.3f  presence %5.3f  poly %.0f",
                               seconds, name, NoteCents(reading, stream), stream ? "strobe" : "needle", shown,
                               reading.notePresentArc, reading.polyphonicFlag);
    if (reading.polyphonicFlag >= 0.5f)
    {
        length += std::snprintf(line + length, sizeof line - length, "  strings");
        for (int s = 0; s < kTunerStringCount; ++s)
            length += std::snprintf(line + length, sizeof line - length, " %+5.1f/%.2f", StringCents(reading, s),
                                    reading.stringPresence[s]);
    }
    return line;
}
