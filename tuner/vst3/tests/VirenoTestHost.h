#pragma once

// Vireno set up the way a host sets it up, for the in-process tests: created from the factory
// compiled into the test, or as a bare processor on the stand-in effect. Every fixture points the
// platform layer at a fresh folder first, since the product effect writes its Default.xml there.

#include "platform/testing/FakePlatform.h"
#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "kro-core/vst3/plugin/KROVST3ParamIds.h"
#include "tuner/vst3/KROVirenoVST3.h"
#include "platform/testing/TemporaryFolder.h"
#include "VirenoTestEffect.h"
#include "testhosts/vst3/Vst3HostChecks.h"

#include "public.sdk/source/common/memorystream.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class VirenoTest : public testing::Test
{
protected:
    VirenoTest() { fakePlatform.SetAppDataFolder(folder.Path().string()); }

    // Processor and controller from the factory, initialised and connected.
    std::unique_ptr<Vst3PluginInstance> CreateVireno() { return CreateLinkedAudioEffect(); }

    static Steinberg::Vst::CKROVirenoVST3& Processor(Vst3PluginInstance& instance)
    {
        return *static_cast<Steinberg::Vst::CKROVirenoVST3*>(instance.component());
    }

    static std::string SavedState(Steinberg::Vst::IComponent& component)
    {
        Steinberg::MemoryStream stream;
        EXPECT_EQ(component.getState(&stream), Steinberg::kResultOk);
        return std::string(stream.getData(), static_cast<size_t>(stream.getSize()));
    }

    static Steinberg::tresult LoadState(Steinberg::Vst::IComponent& component, const std::string& bytes)
    {
        Steinberg::MemoryStream stream(const_cast<char*>(bytes.data()), static_cast<Steinberg::TSize>(bytes.size()));
        return component.setState(&stream);
    }

    static Steinberg::tresult MirrorState(Steinberg::Vst::IEditController& controller, const std::string& bytes)
    {
        Steinberg::MemoryStream stream(const_cast<char*>(bytes.data()), static_cast<Steinberg::TSize>(bytes.size()));
        return controller.setComponentState(&stream);
    }

    static void QueueChange(Vst3ProcessBlock& block, Steinberg::Vst::ParamID id, double value)
    {
        Steinberg::int32 index = 0;
        block.inputChanges().addParameterData(id, index)->addPoint(0, value, index);
    }

    // Sets the parameters and the bypass as a host's automation does.
    static void Automate(Vst3PluginInstance& target, const std::vector<double>& values, double bypass)
    {
        Steinberg::Vst::ProcessSetup setup{Steinberg::Vst::kRealtime, Steinberg::Vst::kSample32, 64, 48000.0};
        ASSERT_EQ(target.processor()->setupProcessing(setup), Steinberg::kResultOk);
        Vst3ProcessBlock block(2, 64);
        for (size_t i = 0; i < values.size(); ++i)
            QueueChange(block, static_cast<Steinberg::Vst::ParamID>(i), values[i]);
        QueueChange(block, Steinberg::Vst::VST3MasterBypassParamID, bypass);
        Steinberg::Vst::ProcessData& data = block.prepare(0);
        ASSERT_EQ(target.processor()->process(data), Steinberg::kResultOk);
    }

    // The effect's one algorithm, which holds the sample rate and block size it was set up with.
    static CKRODSPAlgInterface& Algorithm(CKROPlugInDSP& effect)
    {
        int32_t local = 0;
        return *effect.FindAlgorithmForParameter(effect.GetFirstParameterIndex(), local);
    }

    // The five host parameters as the processor's effect and as the controller hold them.
    static std::vector<float> ProcessorValues(Vst3PluginInstance& target)
    {
        std::vector<float> values;
        for (int32_t i = 0; i < kHostParameterCount; ++i)
            values.push_back(Processor(target).GetEffect()->GetParameterNormalized(i));
        return values;
    }
    static std::vector<float> ControllerValues(Vst3PluginInstance& target)
    {
        std::vector<float> values;
        for (int32_t i = 0; i < kHostParameterCount; ++i)
            values.push_back(
                static_cast<float>(target.controller()->getParamNormalized(static_cast<Steinberg::Vst::ParamID>(i))));
        return values;
    }
    static constexpr int32_t kHostParameterCount = 5;

    platform::testing::TemporaryFolder folder;
    platform::FakePlatform fakePlatform;
    platform::ScopedPlatform scopedPlatform{fakePlatform};
};

// The product processor on the stand-in effect, initialised with a host context and no controller.
class StandInProcessor
{
public:
    StandInProcessor()
    {
        auto owned = std::make_unique<vireno_test::VirenoTestEffect>();
        effect = owned.get();
        processor = Steinberg::owned(new Steinberg::Vst::CKROVirenoVST3(std::move(owned)));
        EXPECT_EQ(processor->initialize(&host), Steinberg::kResultOk);
    }
    ~StandInProcessor() { processor->terminate(); }

    Steinberg::Vst::HostApplication host;
    vireno_test::VirenoTestEffect* effect = nullptr;
    Steinberg::IPtr<Steinberg::Vst::CKROVirenoVST3> processor;
};
