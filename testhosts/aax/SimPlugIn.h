#pragma once

// A plug-in module run by the simulated host as an AAX host runs one: loaded, started, registered
// (the host keeps a copy of the description), and instances of its effect's components, each with
// the algorithm context the host builds from the packets the instance posted.

#include "AaxModule.h"
#include "SimDescription.h"
#include "SimHost.h"
#include "aaxsdk/AAX_AlgorithmContext.h"
#include "aaxsdk/AAX_IACFEffectParameters.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

class SimPlugIn
{
public:
    // Null with a one-line message when the module cannot be loaded, started or registered.
    static std::unique_ptr<SimPlugIn> Load(const std::string& bundlePath, std::string& error);
    // Releases the definition and shuts the module down; instances go first.
    ~SimPlugIn();

    SimPlugIn(const SimPlugIn&) = delete;
    SimPlugIn& operator=(const SimPlugIn&) = delete;

    const SimRegistrationRecord& Registration() const { return registration; }
    // The first effect the plug-in registered; null when it registered none.
    const SimEffectRecord* Effect() const;
    AaxModule& Module() { return *module; }
    // The host the module was started and registered with.
    SimHost& Host() { return host; }

private:
    SimPlugIn() = default;

    SimHost host;
    std::unique_ptr<AaxModule> module;
    IACFPluginDefinition* definition = nullptr;
    bool started = false;
    SimRegistrationRecord registration;
};

// One insert of an effect's component on a host of its own (its controller reports the host's
// values, its automation answers, its packets). Main thread, except Render (the audio thread),
// which may run while the main thread calls the effect: the packets reach it as a host hands them
// over, under the host's own lock and copied for each block.
class SimInstance
{
public:
    // Creates the effect through its factory (process pointer 0) and initialises it with the
    // host's controller; Error() says what failed.
    SimInstance(const SimEffectRecord& effect, size_t componentIndex, SimHost& host);
    // Uninitialises and releases the effect.
    ~SimInstance();

    SimInstance(const SimInstance&) = delete;
    SimInstance& operator=(const SimInstance&) = delete;

    bool IsOpen() const { return parameters != nullptr; }
    const std::string& Error() const { return error; }
    AAX_IACFEffectParameters& Parameters() { return *parameters; }
    const SimComponentRecord& Component() const { return component; }
    int32_t Channels() const { return channels; }

    // The host's coefficient pass: the effect posts its dirty packets.
    AAX_Result GenerateCoefficients();
    // One block through the component's process procedure, the context built from the last
    // packets posted: no bypass packet yet is bypass off, no effect packet yet a null field 1.
    void Render(const float* const* inputs, float* const* outputs, int32_t frames);
    // The meter taps in the component's order; the procedure only ever raises them.
    const std::vector<float>& Meters() const { return meters; }
    void SetMeter(size_t index, float value) { meters.at(index) = value; }
    void ResetMeters();

    // The effect's display data as its editor reads it; how many values it gave.
    int32_t ReadDisplayData(std::vector<float>& values);

    // A chunk as a host saves it: the size asked first, the header's size and id set by the host,
    // then filled by the effect. Header and data, or empty with the failing result.
    std::vector<uint8_t> SaveChunk(AAX_CTypeID chunkId, AAX_Result& result);
    AAX_Result LoadChunk(AAX_CTypeID chunkId, const std::vector<uint8_t>& chunk);
    // Header and data of a chunk made by hand.
    static std::vector<uint8_t> MakeChunk(AAX_CTypeID chunkId, const std::string& name, const std::string& data);

    // The effect's normalised value of a host parameter; NaN when it does not give one.
    double Value(const char* id);

private:
    SimHost& host;
    SimComponentRecord component;
    int32_t channels = 0;
    AAX_IACFEffectParameters* parameters = nullptr;
    std::string error;
    std::vector<float> meters;
    std::vector<float*> meterTaps;
    std::mutex packetsMutex; // the host's: between the coefficient pass and Render
    int32_t bypass = 0;
    void* effectObject = nullptr;
};
