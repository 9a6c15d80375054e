#include "HSVirenoDSP.h"

#include <cmath>
#include <cstring>
#include <functional>

#include "KROVirenoParamTable.h"
#include "kro-core/dsp/KROPeak.h"
#include "tuner/engine/TunerKernel.h"
#include "TunerNormalizedIndex.h"
#include "TunerParameterDescription.h"
#include "TunerParameterIndex.h"
#include "tuner/engine/TunerQ24.h"
#include "tuner/engine/TunerTables.h"

namespace {

using TunerParameterDescription::kLowestReferenceHz;
static_assert(TunerParameterDescription::Of(TunerParameterIndex::kDropTuning).count == kTunerDropTuningCount,
              "one drop tuning of the parameter for each of the kernel's tables");

// The parameter each kernel setting reads, by its offset from the first index.
constexpr TunerParameterIndex::Offset kSettingOffsets[] = {
    TunerParameterIndex::kSelectInstrument,
    TunerParameterIndex::kDisplayMode,
    TunerParameterIndex::kDropTuning,
    TunerParameterIndex::kReferenceFrequency,
};

// The block's largest magnitude; a NaN sample is passed over.
float PeakOf(const float* samples, int32_t frames)
{
    return KRORaisePeak(0.0f, samples, frames);
}

bool Overlap(const float* a, const float* b, int32_t frames)
{
    const std::less<const float*> before;
    return before(a, b + frames) && before(b, a + frames);
}

// Whether input c is still as the host passed it after outputs 0 .. c-1 were written.
bool InputUntouched(const float* const* inputs, const float* const* outputs, int32_t c, int32_t frames)
{
    for (int32_t written = 0; written < c; ++written)
        if (outputs[written] != inputs[written] && Overlap(outputs[written], inputs[c], frames))
            return false;
    return true;
}

// Input and output may be the same buffer.
void CopyChannel(const float* input, float* output, int32_t frames)
{
    if (input != output)
        std::memmove(output, input, static_cast<size_t>(frames) * sizeof(float));
}

// The single-note mode and the default settings; applied twice so that every table chosen from
// another setting sees the final value of that setting.
void StartKernel()
{
    TunerInit();
    TunerKernel().analysisMode = kTunerSingleNote;
    for (int pass = 0; pass < 2; ++pass)
    {
        TunerSetBass(false);
        TunerSetDropTuning(0);
        TunerSetReferenceOffset(0);
        TunerSetStream(false);
    }
}

} // namespace

HSVirenoDSP::HSVirenoDSP(double sampleRate, int32_t firstParameterIndex_, bool analyses_)
    : CKRODSPAlgInterface(sampleRate), analyses(analyses_), firstParameterIndex(firstParameterIndex_),
      analyser(new TunerAnalyser), rateSetups(TunerRateSetup::Create(sampleRate))
{
    SetNames("Vireno", "Vireno");
    SetCode(KROFourCharCode("HSVR"));
    for (std::atomic<float>& value : settingValues)
        value.store(0.0f);

    const CKROVirenoParamTable table(firstParameterIndex);
    for (const auto& entry : table.GetParameterMap())
        if (Parameters().count(entry.first) == 0)
            Parameters().emplace(entry.first, CloneParameterForAlgorithm(this, entry.second));
    Presets() = table.GetPresetMap();

    if (analyses)
        StartKernel();
    postedRate = rateSetups.Current().rate; // no audio thread runs yet
    SelectPreset(CKROVirenoParamTable::kDefaultPresetNumber);
}

HSVirenoDSP::~HSVirenoDSP() = default;

int32_t HSVirenoDSP::SetChannelCounts(int32_t inputs, int32_t outputs)
{
    CKRODSPAlgInterface::SetChannelCounts(inputs, outputs);
    const int32_t analysed = inputs < outputs ? inputs : outputs;
    analysedChannelCount.store(analysed > 0 ? analysed : 0, std::memory_order_release);
    return 0;
}

void HSVirenoDSP::SetSampleRate(double sampleRate)
{
    std::unique_ptr<TunerRateSetup> setup = TunerRateSetup::Create(sampleRate);
    // An unchanged rate keeps its resamplers; the block only clears their history.
    if (setup->rate != postedRate)
    {
        postedRate = setup->rate;
        rateSetups.Post(std::move(setup));
    }
    CKRODSPAlgInterface::SetSampleRate(sampleRate);
}

void HSVirenoDSP::MarkParametersDirty()
{
    static_assert(TunerParameterDescription::CountOf(kSettingOffsets) == kSettingCount, "one offset a setting");
    for (int s = 0; s < kSettingCount; ++s)
    {
        const CKROParameter* parameter = GetParameter(firstParameterIndex + kSettingOffsets[s]);
        if (parameter != nullptr)
            settingValues[s].store(static_cast<float>(parameter->GetNormalized()), std::memory_order_relaxed);
    }
    CKRODSPAlgInterface::MarkParametersDirty();
}

void HSVirenoDSP::Process(const float* const* inputs, float* const* outputs, float* inputPeaks, float* outputPeaks,
                          int32_t frames)
{
    if (inputs == nullptr || outputs == nullptr || inputPeaks == nullptr || outputPeaks == nullptr)
        return;
    if (frames < 0)
        frames = 0;
    int32_t channels = analysedChannelCount.load(std::memory_order_acquire);
    // A channel the host left out is treated as absent from there on.
    for (int32_t c = 0; c < channels; ++c)
    {
        if (inputs[c] == nullptr || outputs[c] == nullptr)
        {
            channels = c;
            break;
        }
    }
    for (int32_t c = 0; c < channels; ++c)
        inputPeaks[c] = outputPeaks[c] = 0.0f;

    if (IsBypassed())
    {
        for (int32_t c = 0; c < channels; ++c)
        {
            inputPeaks[c] = PeakOf(inputs[c], frames);
            CopyChannel(inputs[c], outputs[c], frames);
            outputPeaks[c] = inputPeaks[c];
        }
        RememberPeaks(inputPeaks, outputPeaks);
        return;
    }

    TunerRateSetup& setup = rateSetups.Current();
    if (IsRateOrSizeDirty())
        UpdateParameters(true);
    if (AreParametersDirty())
        UpdateParameters(false);
    if (historyClearPending.exchange(false, std::memory_order_acq_rel))
        setup.ClearHistory();

    for (int32_t c = 0; c < channels; ++c)
        inputPeaks[c] = PeakOf(inputs[c], frames);
    if (analyses && setup.CanAnalyse() && channels > 0)
        Analyse(setup, inputs[0], frames);

    const bool muted = mute.load(std::memory_order_acquire);
    for (int32_t c = 0; c < channels; ++c)
    {
        if (muted)
            std::memset(outputs[c], 0, static_cast<size_t>(frames) * sizeof(float));
        else
            CopyChannel(inputs[c], outputs[c], frames);
        // A copy of an input no earlier channel wrote into has that input's peak; silence has 0.
        outputPeaks[c] = muted                                        ? 0.0f
                         : InputUntouched(inputs, outputs, c, frames) ? inputPeaks[c]
                                                                      : PeakOf(outputs[c], frames);
    }
    RememberPeaks(inputPeaks, outputPeaks);
}

void HSVirenoDSP::Analyse(TunerRateSetup& setup, const float* channel0, int32_t frames)
{
    // Pieces keep every run within the resampled buffers whatever the block size; the phase
    // carries over, so the pieces give what one run would. An empty block still runs once: a
    // fresh resampler yields its first sample before any input.
    int32_t start = 0;
    do
    {
        const int32_t length = frames - start < setup.pieceLength ? frames - start : setup.pieceLength;
        const int count = setup.resamplers[0]->Run(channel0 + start, length, setup.resampled[0].data());
        CutFrames(setup.resampled[0].data(), count);
        start += length;
    } while (start < frames);
}

void HSVirenoDSP::CutFrames(const float* samples, int count)
{
    // Whole runs up to the end of the frame: the conversion loop has no frame test per sample.
    for (int i = 0; i < count;)
    {
        const int run = count - i < kTunerFrameLength - writeIndex ? count - i : kTunerFrameLength - writeIndex;
        for (int n = 0; n < run; ++n)
            frame0[writeIndex + n] = TunerToQ24(samples[i + n]);
        i += run;
        writeIndex += run;
        if (writeIndex < kTunerFrameLength)
            continue;
        writeIndex = 0;
        TunerAnalyseFrame(*analyser, frame0, frame1);
        if (analyser->newResult)
        {
            analyser->newResult = false;
            results.Publish(analyser->result);
        }
    }
}

int32_t HSVirenoDSP::UpdateParameters(bool rateChanged)
{
    // The marks are cleared before the values are read: a change that lands meanwhile marks them
    // again and is applied with the next block.
    if (rateChanged)
        TakeRateOrSizeDirty();
    TakeParametersDirty();
    if (analyses)
        ApplyKernelSettings();
    if (rateChanged)
        Reset();
    return 0;
}

void HSVirenoDSP::ApplyKernelSettings()
{
    int wanted[kSettingCount];
    for (int s = 0; s < kSettingCount; ++s)
        wanted[s] = NormalizedToPosition(TunerParameterDescription::Of(kSettingOffsets[s]).mapping,
                                         settingValues[s].load(std::memory_order_relaxed));
    // Each setter reselects the kernel's tables and restarts its analysis, so a setting is only
    // passed on when what it selects has changed (a new colour set or tempo changes nothing here).
    if (wanted[kInstrument] != appliedSettings[kInstrument])
        TunerSetBass(wanted[kInstrument] == 1);
    if (wanted[kReference] != appliedSettings[kReference])
        TunerSetReferenceHz(kLowestReferenceHz + wanted[kReference]);
    if (wanted[kDropTuning] != appliedSettings[kDropTuning])
        TunerSetDropTuning(wanted[kDropTuning]);
    if (wanted[kDisplayMode] != appliedSettings[kDisplayMode])
        TunerSetStream(wanted[kDisplayMode] == 1);
    for (int s = 0; s < kSettingCount; ++s)
        appliedSettings[s] = wanted[s];
}

void HSVirenoDSP::Reset()
{
    // The resamplers belong to the audio thread; this may be called from another one. The
    // history is cleared before the next block resamples anything.
    historyClearPending.store(true, std::memory_order_release);
}

void HSVirenoDSP::InstallPreset(const CKROAudioPreset* preset)
{
    if (preset == nullptr)
        return;
    Presets().erase(CKROVirenoParamTable::kDefaultPresetNumber);
    Presets().emplace(CKROVirenoParamTable::kDefaultPresetNumber, std::make_shared<CKROAudioPreset>(*preset));
    SelectPreset(CKROVirenoParamTable::kDefaultPresetNumber);
    for (auto& entry : Parameters())
        entry.second.SetDefaultPlainValue(entry.second.GetPresetValue());
}

void HSVirenoDSP::SetMute(bool mute_)
{
    mute.store(mute_, std::memory_order_release);
}
