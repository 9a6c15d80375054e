#include <cmath>
#include <cstring>

#include "TunerKernel.h"
#include "TunerSixString.h"
#include "TunerStringFilterTables.h"

namespace {

constexpr float kMinimumReferenceHz = 0.000001f;

// B_i = 2^(52 - A_i) / w_i^2 to the nearest integer, with A_i the shift that puts B_i into
// 2^31 .. 2^32 - 1.
void SingleNoteNormaliser(int window, uint8_t& shift, uint32_t& normaliser)
{
    const uint64_t square = static_cast<uint64_t>(window) * window;
    for (int a = 7; a >= 0; --a)
    {
        const uint64_t numerator = uint64_t(1) << (52 - a);
        const uint64_t b = (numerator + square / 2) / square;
        if (b >= (uint64_t(1) << 31) && b <= 0xFFFFFFFFu)
        {
            shift = static_cast<uint8_t>(a);
            normaliser = static_cast<uint32_t>(b);
            return;
        }
    }
    shift = 1;
    normaliser = 0xFFFFFFFFu;
}

} // namespace

void TunerConfigureSingleNoteDetector(TunerSingleNoteConfig& config, const int16_t* lags)
{
    for (int i = 0; i < kTunerCandidateCount; ++i)
    {
        const int lag = lags[i];
        int window = 6 * lag;
        if (window < kTunerMinimumWindow)
            window = kTunerMinimumWindow;
        if (window > kTunerMaximumWindow)
            window = kTunerMaximumWindow;
        config.lags[i] = static_cast<int16_t>(lag);
        config.windows[i] = static_cast<int16_t>(window);
        SingleNoteNormaliser(window, config.shifts[i], config.normalisers[i]);
    }
    config.difference = {kTunerFrameLength, kTunerCandidateCount, config.lags,
                         config.windows,    config.shifts,        config.normalisers};
}

namespace {

void ConfigureStringDetectors(TunerSettings& settings, TunerInstrument instrument)
{
    for (int s = 0; s < kTunerStringCount; ++s)
    {
        const TunerStringDetectorRecord& record = kTunerStringDetectors[instrument][settings.dropIndex][s];
        TunerStringDetector& d = settings.stringDetectors[s];
        d.candidateCount = record.lastLag - record.firstLag + 1;
        d.searchFirst = record.searchFirst;
        d.searchLast = record.searchLast;
        d.refines = TunerStringRefines(instrument, s);
        d.depthThreshold = kTunerStringDepthThreshold[instrument][s];
        d.powerFactor = kTunerStringPowerFactor[instrument][s];
        for (int i = 0; i < d.candidateCount; ++i)
        {
            d.lags[i] = static_cast<int16_t>(record.firstLag + i);
            d.windows[i] = kTunerStringFrameLength;
            d.shifts[i] = 0; // with the factor below: c = D * 2^29 / E
            d.normalisers[i] = 0xFFFFFFFFu;
        }
        d.difference = {kTunerStringFrameLength, d.candidateCount, d.lags, d.windows, d.shifts, d.normalisers};
    }
}

void ClearDifferenceValues(TunerKernelState& k)
{
    for (TunerStringState& string : k.sixString.strings)
    {
        std::memset(string.differenceValues, 0, sizeof string.differenceValues);
        string.difference = {};
    }
    std::memset(k.single.differenceValues, 0, sizeof k.single.differenceValues);
    k.single.difference = {};
}

} // namespace

void TunerSetBass(bool bass)
{
    auto& s = TunerKernel().settings;
    s.mode = static_cast<uint8_t>(bass ? (s.mode | kTunerModeBass) : (s.mode & ~kTunerModeBass));
    TunerSelectTables();
}

void TunerSetStream(bool stream)
{
    auto& s = TunerKernel().settings;
    s.mode = static_cast<uint8_t>(stream ? (s.mode | kTunerModeStream) : (s.mode & ~kTunerModeStream));
    TunerSelectTables();
}

void TunerSetDropTuning(int dropIndex)
{
    if (dropIndex < 0)
        dropIndex = 0;
    if (dropIndex >= kTunerDropTuningCount)
        dropIndex = kTunerDropTuningCount - 1;
    TunerKernel().settings.dropIndex = static_cast<uint8_t>(dropIndex);
    TunerSelectTables();
}

void TunerSetReferenceOffset(int offsetHz)
{
    if (offsetHz < -5)
        offsetHz = -5;
    if (offsetHz > 5)
        offsetHz = 5;
    TunerKernel().settings.referenceOffsetHz = offsetHz;
    TunerSelectTables();
}

void TunerSetReferenceHz(int hz)
{
    TunerSetReferenceOffset(hz - 440);
}

void TunerSetInstrumentMode(int instrument)
{
    auto& k = TunerKernel();
    const TunerInstrument which = instrument == 0 ? kTunerGuitar : kTunerBass;
    for (int s = 0; s < kTunerStringCount; ++s)
        k.settings.filterRows[s] = TunerFilterRow(which, s, k.settings.dropIndex);
    TunerClearStringFilters();
}

void TunerSelectTables()
{
    auto& k = TunerKernel();
    auto& settings = k.settings;
    const bool guitar = (settings.mode & kTunerModeBass) == 0;
    const TunerInstrument instrument = guitar ? kTunerGuitar : kTunerBass;

    for (int s = 0; s < kTunerStringCount; ++s)
        settings.stringTargets[s] = kTunerStringTargetSemitones[instrument][settings.dropIndex][s] / 12.0f;

    TunerSetInstrumentMode(guitar ? 0 : 1);

    const float reference = 440.0f + static_cast<float>(settings.referenceOffsetHz);
    settings.referenceLogOffset =
        std::log2(reference > kMinimumReferenceHz ? reference : kMinimumReferenceHz) - std::log2(440.0f);

    const int referenceClass = TunerReferenceClass(settings.referenceOffsetHz);
    for (int s = 0; s < kTunerStringCount; ++s)
        settings.stringFilters[s] =
            TunerStringFilterRow(TunerStringUsesTableA(s), referenceClass, settings.filterRows[s]);

    ConfigureStringDetectors(settings, instrument);
    ClearDifferenceValues(k);
    TunerConfigureSingleNoteDetector(k.singleNoteConfig, kTunerCandidateLags);
}

void TunerInit()
{
    auto& k = TunerKernel();
    // The settings persist; everything else starts afresh.
    const uint8_t mode = k.settings.mode;
    const uint8_t dropIndex = k.settings.dropIndex;
    const int referenceOffsetHz = k.settings.referenceOffsetHz;
    std::memset(&k, 0, sizeof k);
    k.settings.mode = mode;
    k.settings.dropIndex = dropIndex;
    k.settings.referenceOffsetHz = referenceOffsetHz;
    k.analysisMode = kTunerSingleNote;

    auto& single = k.single;
    for (float& v : single.levelQuarterOutputs)
        v = -1e10f;
    single.polyphonicFlag = 1.0f;
    single.noteNumber = 1;
    single.noteHistory[0] = single.noteHistory[1] = 1.0f;

    auto& c = k.constants;
    c.envelope = 1.0f - std::exp(-1.0f / 4.6f);
    c.releaseHold = static_cast<int>(std::lround(4.6));
    c.onsetLimit = static_cast<int>(std::ceil(6.9));
    c.needleSlow = 1.0f - std::exp(-1.0f / 5.175f);
    c.needleFast = 1.0f - std::exp(-1.0f / 2.07f);
    c.needleSlope = (c.needleFast - c.needleSlow) / 0.4f;
    c.stringSmoothing = 1.0f - std::exp(-1.0f / 5.15f);

    TunerInitStringFilterTables();
    TunerSelectTables();
}
