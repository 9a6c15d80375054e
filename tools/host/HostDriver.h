#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "HostInput.h"
#include "HostOptions.h"
#include "tools/reading/ReadingText.h"

// What every command-line plug-in host does, whatever the plug-in's format: its command line read,
// the plug-in set up as a user asked (a state restored, parameters set), the sound played through it
// in host-sized blocks (in real time beside its editor), its readings printed, the passed-through
// audio and its state written. A format gives one plug-in instance as a session.

// One instance of a plug-in as the command-line host drives it. The host has one thread: every
// operation is called on it, Render standing in for a host's audio thread. The driver calls them
// in the order below, each at most once but Render (every block), ServeEditor (after every block,
// with --editor) and ReadDisplay (whenever a reading is due), and stops at the first that fails; a
// failing operation says why in one line in error.
class HostSession
{
public:
    virtual ~HostSession() = default;

    // Restores a state written by SaveState; false when the plug-in refuses it.
    virtual bool LoadState(const std::vector<char>& state) = 0;
    // Sets a parameter by its name and value text, in any case, as a host's own control would.
    virtual bool SetParameter(const std::string& name, const std::string& valueText, std::string& error) = 0;
    // What a host sets up before it plays: the buses, the block size, the rate.
    virtual bool SetUp(std::string& error) = 0;
    // Opens the plug-in's editor in a window of the host's (only with --editor).
    virtual bool OpenEditor(std::string& error) = 0;
    // Starts playing; the parameters set reach the plug-in by the first block at the latest.
    virtual void Start() = 0;
    // What the readings are read against, from the plug-in's parameters.
    virtual ReadingSetup Setup() = 0;
    // One block of frames (at most --block) through the plug-in, a buffer per channel.
    virtual void Render(const float* const* inputs, float* const* outputs, int frames) = 0;
    // Serves the editor for durationMs; false once the user has closed it.
    virtual bool ServeEditor(uint32_t durationMs) = 0;
    // The display data as the plug-in's editor reads it; how many values it gave.
    virtual int ReadDisplay(std::vector<float>& values) = 0;
    // Closes the editor and stops playing.
    virtual void Finish() = 0;
    // The plug-in's state for --state; false when it gives none.
    virtual bool SaveState(std::vector<char>& state) = 0;
};

// A command-line host: its name (the messages begin with it), the line its usage prints, the
// bundle it loads by default, and how it makes a session of a bundle (null with a one-line message).
struct HostProgram
{
    const char* name;
    const char* synopsis;
    const char* defaultBundle;
    std::function<std::unique_ptr<HostSession>(const HostOptions& options, const HostInput& input, std::string& error)>
        open;
};

// The whole run, from the command line to the exit status: 0, 1 for the input or the plug-in, 2 for
// the command line.
int RunHost(int argc, char** argv, const HostProgram& program);
