#pragma once

// The fixture set up as a host would: created from its own factory through the in-process host.

#include "PassThroughIds.h"
#include "Vst3PluginInstance.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

inline std::unique_ptr<Vst3PluginInstance> createPassThrough()
{
    Steinberg::IPluginFactory* factory = GetPluginFactory();
    Steinberg::TUID cid;
    std::string error;
    std::unique_ptr<Vst3PluginInstance> instance;
    if (Vst3PluginInstance::findClass(factory, kVstAudioEffectClass, cid))
        instance = Vst3PluginInstance::create(factory, cid, error);
    factory->release();
    EXPECT_NE(instance, nullptr) << error;
    return instance;
}
