#pragma once

// The record the host fills for each instance before a native process call: one pointer per
// field that the plug-in's algorithm component declares, in field order.

#include <cstddef>
#include <cstdint>

enum AAX_EAlgorithmField : uint32_t
{
    BypassField = 0,
    EffectObjectPointerField = 1,
    AudioInputsField = 2,
    AudioOutputsField = 3,
    BufferLengthField = 4,
    MetersField = 5,
    AlgorithmFieldCount = 6,
};

struct AlgorithmContext
{
    const int32_t* bypass;       // non-zero while the host's bypass is on
    void* const* effectObject;   // the plug-in's effect object, as its packet delivered it
    const float* const* inputs;  // one buffer per input channel
    float* const* outputs;       // one buffer per output channel
    const int32_t* bufferLength; // frames in this block
    float* const* meterTaps;     // one linear peak per registered meter
};

static_assert(sizeof(AlgorithmContext) == AlgorithmFieldCount * sizeof(void*), "six pointer fields");
static_assert(offsetof(AlgorithmContext, effectObject) == EffectObjectPointerField * sizeof(void*) &&
                  offsetof(AlgorithmContext, inputs) == AudioInputsField * sizeof(void*) &&
                  offsetof(AlgorithmContext, outputs) == AudioOutputsField * sizeof(void*) &&
                  offsetof(AlgorithmContext, bufferLength) == BufferLengthField * sizeof(void*) &&
                  offsetof(AlgorithmContext, meterTaps) == MetersField * sizeof(void*),
              "each field at its field index");
