#pragma once

#include <string>
#include <utility>
#include <vector>

// The command line of vireno-host.
struct HostOptions {
    std::string bundle;                                    // the .vst3 folder to load
    std::string input;                                     // a sound file; empty: the built-in default
    std::string output;                                    // --out: where the passed-through audio goes
    std::string saveState;                                 // --state: the processor state after the run
    std::string loadState;                                 // --load-state: a state to restore first
    std::vector<std::pair<std::string, std::string>> parameters;  // --param "Name=Value"
    int blockSize = 512;
    int every = 4;                                         // print every N analysis frames
};

// False with a message for a command line that cannot be run.
bool ParseHostOptions(int argc, char** argv, const std::string& defaultBundle, HostOptions& options,
                      std::string& error);

const char* HostUsage();
