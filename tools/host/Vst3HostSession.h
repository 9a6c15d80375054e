#pragma once

#include <memory>
#include <string>

#include "HostDriver.h"

// Vireno.vst3 in the in-process VST3 host: the bundle loaded through GetPluginFactory, its processor
// and controller set up as a DAW does, process blocks with the parameters set, the display data read
// through the controller as the editor reads it, the editor in a window of the host's. Null with a
// one-line message when the bundle cannot be loaded or offers no audio effect with a controller.
std::unique_ptr<HostSession> OpenVst3HostSession(const HostOptions& options, const HostInput& input,
                                                 std::string& error);
