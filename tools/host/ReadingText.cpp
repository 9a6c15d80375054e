#include "ReadingText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

const char* const kNoteNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

// The kernel's shapings: the needle and strobe tanh(5 |d|) d, the strings tanh(60 s^2) s.
constexpr double kNeedleGain = 5.0;
constexpr double kStringGain = 60.0;

enum Value { kNeedle = 0, kStrobe = 1, kPolyphonic = 2, kPresence = 3, kNote = 6, kStringDeviation = 7,
             kStringPresence = 13 };

} // namespace

double UnshapeDeviation(double shown, double gain, int power)
{
    // The shaping is odd and rises monotonically: bisect on |d| in 0..1.
    const double target = std::fabs(shown);
    double low = 0.0, high = 1.0;
    for (int step = 0; step < 40; ++step) {
        const double middle = (low + high) / 2.0;
        if (std::tanh(gain * std::pow(middle, power)) * middle < target)
            low = middle;
        else
            high = middle;
    }
    return std::copysign((low + high) / 2.0, shown);
}

std::string ReadingText(double seconds, const float* values, bool stream)
{
    int32_t note = 0;
    std::memcpy(&note, &values[kNote], sizeof note);
    const char* name = note >= 0 && note < 12 ? kNoteNames[note] : "-";
    const float shown = stream ? values[kStrobe] : values[kNeedle];
    const double cents = UnshapeDeviation(shown, kNeedleGain, 1) * 50.0;
    char line[512];
    int length = std::snprintf(line, sizeof line, "%7.3f s  %-2s %+7.2f cents  %s %+6.3f  presence %5.3f  poly %.0f",
                               seconds, name, cents, stream ? "strobe" : "needle", shown, values[kPresence],
                               values[kPolyphonic]);
    if (values[kPolyphonic] >= 0.5f) {
        length += std::snprintf(line + length, sizeof line - length, "  strings");
        for (int s = 0; s < 6; ++s) {
            const double stringCents = UnshapeDeviation(values[kStringDeviation + s], kStringGain, 2) * 50.0;
            length += std::snprintf(line + length, sizeof line - length, " %+5.1f/%.2f", stringCents,
                                    values[kStringPresence + s]);
        }
    }
    return line;
}
