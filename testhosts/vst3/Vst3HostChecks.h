#pragma once

// Checks every plug-in of ours must pass in a host, shared by the tests of each plug-in. Test
// code only: the functions report through GoogleTest.

#include "Vst3Module.h"
#include "Vst3PluginInstance.h"
#include "Vst3ProcessBlock.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

// A reference on the factory linked into the test binary, held as a host holds one.
struct LinkedFactory
{
    LinkedFactory() : factory(GetPluginFactory()) {}
    ~LinkedFactory() { factory->release(); }
    LinkedFactory(const LinkedFactory&) = delete;
    LinkedFactory& operator=(const LinkedFactory&) = delete;

    Steinberg::IPluginFactory* factory;
};

// The linked-in factory's audio effect, set up with its controller as a host does.
inline std::unique_ptr<Vst3PluginInstance> CreateLinkedAudioEffect()
{
    LinkedFactory reference;
    std::string error;
    std::unique_ptr<Vst3PluginInstance> instance = Vst3PluginInstance::createAudioEffect(reference.factory, error);
    EXPECT_NE(instance, nullptr) << error;
    return instance;
}

// Every GetPluginFactory hands out the same factory, with both classes.
inline void ExpectOneFactoryForEveryCaller()
{
    LinkedFactory first;
    LinkedFactory second;
    EXPECT_EQ(first.factory, second.factory);
    EXPECT_EQ(second.factory->countClasses(), 2);
}

// The factory creates the processor class, which names the controller class, and the controller.
inline void ExpectProcessorNamesItsController(Steinberg::IPluginFactory& factory, const Steinberg::FUID& processor,
                                              const Steinberg::FUID& controller)
{
    using namespace Steinberg;
    TUID cid;
    processor.toTUID(cid);
    Vst::IComponent* component = nullptr;
    ASSERT_EQ(factory.createInstance(cid, Vst::IComponent::iid, reinterpret_cast<void**>(&component)), kResultOk);
    ASSERT_NE(component, nullptr);
    EXPECT_TRUE(FUnknownPtr<Vst::IAudioProcessor>(component));
    EXPECT_TRUE(FUnknownPtr<Vst::IProcessContextRequirements>(component));
    EXPECT_TRUE(FUnknownPtr<Vst::IConnectionPoint>(component));
    TUID controllerClass;
    EXPECT_EQ(component->getControllerClassId(controllerClass), kResultOk);
    EXPECT_EQ(FUID::fromTUID(controllerClass), controller);
    component->release();

    controller.toTUID(cid);
    Vst::IEditController* editController = nullptr;
    ASSERT_EQ(factory.createInstance(cid, Vst::IEditController::iid, reinterpret_cast<void**>(&editController)),
              kResultOk);
    ASSERT_NE(editController, nullptr);
    editController->release();
}

// The bundle shows exactly the three entry points, loads, and its first audio effect, set up
// as a host does with its controller, passes a stereo block unchanged.
inline void ExpectBundleLoadsAndPassesAudio(const std::string& bundle)
{
    using namespace Steinberg;
    using namespace Steinberg::Vst;
    EXPECT_EQ(Vst3Module::exportedSymbols(Vst3Module::libraryPath(bundle)),
              (std::set<std::string>{"GetPluginFactory", "ModuleEntry", "ModuleExit"}));

    std::string error;
    auto module = Vst3Module::load(bundle, error);
    ASSERT_NE(module, nullptr) << error;
    ASSERT_EQ(module->factory()->countClasses(), 2);
    auto instance = Vst3PluginInstance::createAudioEffect(module->factory(), error);
    ASSERT_NE(instance, nullptr) << error;
    ASSERT_NE(instance->controller(), nullptr);

    ProcessSetup setup{kRealtime, kSample32, 256, 44100.0};
    ASSERT_EQ(instance->processor()->setupProcessing(setup), kResultOk);
    ASSERT_EQ(instance->component()->setActive(true), kResultOk);
    Vst3ProcessBlock block(2, 256);
    for (int32 i = 0; i < 256; ++i)
    {
        block.input(0)[i] = static_cast<float>(i) / 256.0f;
        block.input(1)[i] = -static_cast<float>(i) / 256.0f;
    }
    EXPECT_EQ(instance->processor()->process(block.prepare(256)), kResultOk);
    EXPECT_EQ(std::memcmp(block.output(0), block.input(0), 256 * sizeof(float)), 0);
    EXPECT_EQ(std::memcmp(block.output(1), block.input(1), 256 * sizeof(float)), 0);
    instance->component()->setActive(false);
}
