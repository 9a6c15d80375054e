#pragma once

#include <string>
#include <vector>

class ArgumentParser;

// The command line of a command-line plug-in host.
struct HostOptions
{
    std::string bundle;                  // the plug-in bundle to load
    std::string input;                   // a sound file; empty: the built-in default
    std::string output;                  // --out: where the passed-through audio goes
    std::string saveState;               // --state: the processor state after the run
    std::string loadState;               // --load-state: a state to restore first
    std::vector<std::string> parameters; // --param "Name=Value", as given
    int blockSize = 512;
    int every = 4;       // print every N analysis frames
    bool raw = false;    // --raw: machine-readable columns
    bool editor = false; // --editor: show the plug-in's editor, play in real time
};

// Declares the host's options on the parser, filling options when it parses.
void DeclareHostOptions(ArgumentParser& parser, HostOptions& options);

// Splits a --param value at its first "="; false with a one-line message when it has no name.
bool SplitParameterSetting(const std::string& setting, std::string& name, std::string& value, std::string& error);
