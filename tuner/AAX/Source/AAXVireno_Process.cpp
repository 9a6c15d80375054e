#include "AAXVireno_Process.h"

#include "kro-core/aax/KROAudioPlugInAAX.h"
#include "kro-core/dsp/KROPeak.h"
#include "aaxsdk/AAX_AlgorithmContext.h"

#include <cstdint>

namespace {

// tap := max(tap, |sample|) over the block (a NaN sample raises nothing).
void RaisePeak(float& tap, const float* samples, int32_t frames)
{
    tap = KRORaisePeak(tap, samples, frames);
}

// The component's channels: their buffers and their input and output taps. The host keeps one
// component's meters in registration order, inputs first.
template <int32_t Channels>
void ProcessInstance(const AlgorithmContext& context)
{
    const int32_t frames = *context.bufferLength > 0 ? *context.bufferLength : 0;
    float* const* taps = context.meterTaps;
    CKROAudioPlugInAAX* const effect =
        context.effectObject ? static_cast<CKROAudioPlugInAAX*>(*context.effectObject) : nullptr;
    // Before the host's first coefficient pass there is no effect to render: the audio passes.
    if (*context.bypass != 0 || effect == nullptr)
    {
        for (int32_t c = 0; c < Channels; ++c)
        {
            const float* input = context.inputs[c];
            float* output = context.outputs[c];
            for (int32_t i = 0; i < frames; ++i)
                output[i] = input[i];
            RaisePeak(*taps[c], input, frames);
            *taps[Channels + c] = *taps[c];
        }
        return;
    }
    const float* inputs[Channels];
    float* outputs[Channels];
    for (int32_t c = 0; c < Channels; ++c)
    {
        inputs[c] = context.inputs[c];
        outputs[c] = context.outputs[c];
    }
    effect->RenderAudio(inputs, outputs, frames, Channels);
    for (int32_t c = 0; c < Channels; ++c)
    {
        RaisePeak(*taps[c], inputs[c], frames);
        RaisePeak(*taps[Channels + c], outputs[c], frames);
    }
}

template <int32_t Channels>
void ProcessBatch(void* const instancesBegin[], const void* instancesEnd)
{
    for (void* const* instance = instancesBegin; instance != instancesEnd; ++instance)
        ProcessInstance<Channels>(*static_cast<const AlgorithmContext*>(*instance));
}

} // namespace

void ProcessAlgorithmMono(void* const instancesBegin[], const void* instancesEnd)
{
    ProcessBatch<1>(instancesBegin, instancesEnd);
}

void ProcessAlgorithmStereo(void* const instancesBegin[], const void* instancesEnd)
{
    ProcessBatch<2>(instancesBegin, instancesEnd);
}
