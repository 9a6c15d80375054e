#pragma once

#include "kro-core/aax/KROAudioPlugInAAX.h"

#include <memory>

class CKROAAXPlugEditorMessage;

// Vireno's AAX effect: the tuner effect numbered from index 1, "Master Bypass" and one float host
// parameter "par%d" per product parameter, the host's sample rate and channel count read once.
class CKROVirenoPlugInAAX final : public CKROAudioPlugInAAX
{
public:
    CKROVirenoPlugInAAX();
    ~CKROVirenoPlugInAAX() override;

    // Audio thread.
    void RenderAudio(const float* const* inputs, float* const* outputs, int32_t frames, int32_t channels) override;

    // Packet handler of every product parameter: context field 1 holds this object's address.
    AAX_Result GenerateEffectPointerPacket(AAX_CPacket& packet);

protected:
    AAX_Result EffectInit() override;
};

// The effect factory the description registers: a new effect object, null when it cannot be made.
IACFUnknown* CreateVirenoEffectParameters();
