#include "HostReadings.h"

#include <cstdio>
#include <string>
#include <utility>

namespace {

// One analysis frame: 1024 samples at the analysis rate of 24 kHz.
constexpr double kAnalysisFrameSeconds = 1024.0 / 24000.0;

} // namespace

HostReadings::HostReadings(const HostOptions& options, ReadingSetup readingSetup, int rate)
    : setup(std::move(readingSetup)), text(setup), raw(options.raw), live(options.editor), sampleRate(rate),
      step(static_cast<long>(options.every * kAnalysisFrameSeconds * rate)), next(step)
{}

void HostReadings::PrintHeader() const
{
    if (!raw)
        std::printf("%s\n", text.Header().c_str());
    std::fflush(stdout);
}

bool HostReadings::TakeDue(long played)
{
    if (played < next)
        return false;
    next += step;
    return true;
}

void HostReadings::Print(long played, const float* values)
{
    const double seconds = double(played) / sampleRate;
    const TunerResultBlock reading = ResultBlockFromValues(values);
    const std::string line = raw ? RawReadingLine(seconds, reading, setup.stream) : text.Line(seconds, reading);
    std::printf("%s\n", line.c_str());
    if (live)
        std::fflush(stdout);
    ++count;
}

uint32_t MillisecondsUntilHeard(std::chrono::steady_clock::time_point started, long played, int sampleRate)
{
    const auto due = started + std::chrono::duration<double>(double(played) / sampleRate);
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(due - std::chrono::steady_clock::now());
    return wait.count() > 0 ? static_cast<uint32_t>(wait.count()) : 0;
}
