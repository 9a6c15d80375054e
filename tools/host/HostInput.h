#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "HostOptions.h"
#include "tools/wavfile/WavFile.h"

// What a command-line plug-in host plays and sets, taken from its options before any plug-in is
// loaded: the parameter settings split into name and value, the places it will write checked, and
// the sound (a file, or the built-in default at 48 kHz) read and found long enough to read.
struct HostInput
{
    std::vector<std::pair<std::string, std::string>> parameters;
    WavAudio audio;
    int channels = 1; // the plug-in is mono or stereo: a wider file plays its first two channels
    std::string name; // the sound as messages name it
};

// False with a one-line message and the exit status (2 for the command line, 1 for the input).
bool PrepareHostInput(const HostOptions& options, HostInput& input, std::string& error, int& exitCode);

// A host's start, from its command line to its input: the options declared and read, then the input
// prepared. A value is the status the program ends with, its usage or one-line refusal printed.
std::optional<int> ReadHostCommandLine(int argc, char** argv, const char* program, const char* synopsis,
                                       HostOptions& options, HostInput& input);
