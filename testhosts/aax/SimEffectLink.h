#pragma once

// The simulated host's side of one plug-in instance: the effect object it drives, its answers to
// the plug-in's automation requests, and every packet the plug-in posted, per field.

#include "aaxsdk/AAX_IACFEffectGUI.h"
#include "aaxsdk/AAX_IACFEffectParameters.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

class SimEffectLink
{
public:
    enum class Answer
    {
        AtOnce, // the update arrives inside the plug-in's set-value request
        Queued, // as a host does: after the request has returned, on DeliverQueued
    };

    // The effect the host drives (not owned); the GUI's question for the effect-parameters
    // interface is answered with it.
    void SetEffect(IACFUnknown* effectObject) { effect = effectObject; }
    Answer answer = Answer::AtOnce;
    // The instance's open GUI (not owned), told of every update after the effect; null for none.
    void SetGUI(AAX_IACFEffectGUI* openGUI) { gui = openGUI; }

    // From the automation delegate and the controller.
    void SetValueRequested(AAX_CParamID id, double normalizedValue);
    void PacketPosted(uint32_t fieldIndex, const void* payload, uint32_t size);
    // The effect through the interface asked for, one reference added; no interface without an effect.
    ACFRESULT QueryEffect(const acfUID& iid, void** out) const;

    // Delivers the queued answers in the order they were asked for; how many there were.
    size_t DeliverQueued();
    size_t QueuedAnswers() const { return queued.size(); }
    // Every payload posted for the field, oldest first.
    std::vector<std::vector<uint8_t>> Packets(uint32_t fieldIndex) const;

private:
    void Update(const std::string& id, double normalizedValue);

    IACFUnknown* effect = nullptr;
    AAX_IACFEffectGUI* gui = nullptr;
    std::vector<std::pair<std::string, double>> queued;
    std::map<uint32_t, std::vector<std::vector<uint8_t>>> packets;
};
