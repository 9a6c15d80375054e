#pragma once

// The fixture set up as a host would: created from its own factory through the in-process host.

#include "kro-core/vst3/tests/passthrough/PassThroughIds.h"
#include "testhosts/vst3/Vst3HostChecks.h"

#include <memory>

inline std::unique_ptr<Vst3PluginInstance> createPassThrough()
{
    return CreateLinkedAudioEffect();
}
