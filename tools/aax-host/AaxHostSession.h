#pragma once

#include <memory>
#include <string>

#include "tools/host/HostDriver.h"

// Vireno.aaxplugin on the simulated AAX host: the module loaded and registered, an instance of its
// mono or stereo component created and initialised as an AAX host does, rendered through the
// component's render procedure, its display data read through the effect as the editor reads it,
// its GUI shown through the GUI factory in a window of the host's, its state the 'stch' chunk.
// Null with a one-line message when the bundle cannot be loaded or has no component for the input.
std::unique_ptr<HostSession> OpenAaxHostSession(const HostOptions& options, const HostInput& input, std::string& error);
