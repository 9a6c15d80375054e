#pragma once

// One plug-in instance as a host sets it up: the processor created from the factory and
// initialised with a host context, its controller created from the class it names, the two
// connected to each other, and the processor's state handed to the controller.

#include "base/source/fobject.h"
#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstmessage.h"

#include <memory>

namespace Steinberg::Vst {
class HostApplication;
}
#include <string>

class Vst3PluginInstance
{
public:
    // Null with a message when any step fails. A processor that names no controller is created alone.
    static std::unique_ptr<Vst3PluginInstance> create(Steinberg::IPluginFactory* factory,
                                                      const Steinberg::TUID processorClass, std::string& error);

    // The factory's first "Audio Module Class", created as create does.
    static std::unique_ptr<Vst3PluginInstance> createAudioEffect(Steinberg::IPluginFactory* factory,
                                                                 std::string& error);

    // The first class of the given category, as hosts find the processor ("Audio Module Class").
    static bool findClass(Steinberg::IPluginFactory* factory, const char* category, Steinberg::TUID classId);

    ~Vst3PluginInstance();
    Vst3PluginInstance(const Vst3PluginInstance&) = delete;
    Vst3PluginInstance& operator=(const Vst3PluginInstance&) = delete;

    Steinberg::Vst::IComponent* component() const { return componentPtr; }
    Steinberg::Vst::IAudioProcessor* processor() const { return processorPtr; }
    Steinberg::Vst::IEditController* controller() const { return controllerPtr; }

    // Reads the processor's state and hands it to the controller's setComponentState.
    Steinberg::tresult syncControllerState();

private:
    Vst3PluginInstance() = default;

    // The SDK's host application does no reference counting; it is owned here, and declared
    // first so that it outlives the plug-in objects holding it.
    std::unique_ptr<Steinberg::Vst::HostApplication> host;
    Steinberg::IPtr<Steinberg::Vst::IComponent> componentPtr;
    Steinberg::IPtr<Steinberg::Vst::IAudioProcessor> processorPtr;
    Steinberg::IPtr<Steinberg::Vst::IEditController> controllerPtr;
    Steinberg::IPtr<Steinberg::Vst::IConnectionPoint> componentConnection;
    Steinberg::IPtr<Steinberg::Vst::IConnectionPoint> controllerConnection;
    bool controllerInitialized = false;
};
