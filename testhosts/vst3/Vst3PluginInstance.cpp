#include "Vst3PluginInstance.h"

#include "public.sdk/source/common/memorystream.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <cstring>

using namespace Steinberg;
using namespace Steinberg::Vst;

bool Vst3PluginInstance::findClass(IPluginFactory* factory, const char* category, TUID classId)
{
    const int32 count = factory->countClasses();
    for (int32 i = 0; i < count; ++i)
    {
        PClassInfo info;
        if (factory->getClassInfo(i, &info) == kResultOk && std::strcmp(info.category, category) == 0)
        {
            std::memcpy(classId, info.cid, sizeof(TUID));
            return true;
        }
    }
    return false;
}

std::unique_ptr<Vst3PluginInstance> Vst3PluginInstance::createAudioEffect(IPluginFactory* factory, std::string& error)
{
    TUID processorClass;
    if (!findClass(factory, kVstAudioEffectClass, processorClass))
    {
        error = "the factory offers no audio effect";
        return nullptr;
    }
    return create(factory, processorClass, error);
}

std::unique_ptr<Vst3PluginInstance> Vst3PluginInstance::create(IPluginFactory* factory, const TUID processorClass,
                                                               std::string& error)
{
    std::unique_ptr<Vst3PluginInstance> instance(new Vst3PluginInstance);
    instance->host = std::make_unique<HostApplication>();

    IComponent* component = nullptr;
    if (factory->createInstance(processorClass, IComponent::iid, reinterpret_cast<void**>(&component)) != kResultOk ||
        component == nullptr)
    {
        error = "the factory creates no component";
        return nullptr;
    }
    instance->componentPtr = owned(component);
    if (component->initialize(instance->host.get()) != kResultOk)
    {
        error = "the component refuses initialize";
        instance->componentPtr = nullptr;
        return nullptr;
    }
    instance->processorPtr = FUnknownPtr<IAudioProcessor>(component);
    if (!instance->processorPtr)
    {
        error = "the component is no audio processor";
        return nullptr;
    }

    TUID controllerClass;
    if (component->getControllerClassId(controllerClass) != kResultOk)
        return instance;
    IEditController* controller = nullptr;
    if (factory->createInstance(controllerClass, IEditController::iid, reinterpret_cast<void**>(&controller)) !=
            kResultOk ||
        controller == nullptr)
    {
        error = "the factory creates no controller for the component";
        return nullptr;
    }
    instance->controllerPtr = owned(controller);
    if (controller->initialize(instance->host.get()) != kResultOk)
    {
        error = "the controller refuses initialize";
        return nullptr;
    }
    instance->controllerInitialized = true;

    instance->componentConnection = FUnknownPtr<IConnectionPoint>(component);
    instance->controllerConnection = FUnknownPtr<IConnectionPoint>(controller);
    if (instance->componentConnection && instance->controllerConnection)
    {
        instance->componentConnection->connect(instance->controllerConnection);
        instance->controllerConnection->connect(instance->componentConnection);
    }
    if (instance->syncControllerState() != kResultOk)
    {
        error = "the controller refuses the component's state";
        return nullptr;
    }
    return instance;
}

tresult Vst3PluginInstance::syncControllerState()
{
    if (!controllerPtr)
        return kResultOk;
    MemoryStream stream;
    const tresult written = componentPtr->getState(&stream);
    if (written != kResultOk)
        return written;
    stream.seek(0, IBStream::kIBSeekSet, nullptr);
    return controllerPtr->setComponentState(&stream);
}

Vst3PluginInstance::~Vst3PluginInstance()
{
    if (componentConnection && controllerConnection)
    {
        componentConnection->disconnect(controllerConnection);
        controllerConnection->disconnect(componentConnection);
    }
    if (controllerPtr && controllerInitialized)
        controllerPtr->terminate();
    if (componentPtr)
        componentPtr->terminate();
}
