#pragma once

// Vireno.aaxplugin loaded from the build tree by the simulated AAX host, with the user's settings
// folder pointed at an empty one of the test's, so that no Default.xml of the machine changes what
// the plug-in starts from. Instances go before the plug-in; at the end the module may unload.

#include "testhosts/aax/SimPlugIn.h"
#include "platform/testing/TemporaryFolder.h"

#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

constexpr AAX_CTypeID kStateChunk = 0x73746368;    // 'stch'
constexpr AAX_CTypeID kBinaryChunk = 0x6B726463;   // 'krdc'
constexpr AAX_CTypeID kControlsChunk = 0x656C636B; // 'elck'
constexpr size_t kMonoComponent = 0;
constexpr size_t kStereoComponent = 1;

class VirenoAaxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(setenv("XDG_CONFIG_HOME", settings.Path().c_str(), 1), 0);
        std::string error;
        plugIn = SimPlugIn::Load(VIRENO_AAX_BUNDLE, error);
        ASSERT_NE(plugIn, nullptr) << error;
    }

    void TearDown() override
    {
        instances.clear();
        hosts.clear();
        plugIn.reset();
        unsetenv("XDG_CONFIG_HOME");
    }

    // A new instance of the component on a host of its own, set up by prepare before it is made.
    template <class Prepare>
    SimInstance& Open(size_t component, Prepare prepare)
    {
        hosts.push_back(std::make_unique<SimHost>());
        SimHost& host = *hosts.back();
        host.values.inputStemFormat = component == kStereoComponent ? 0x00010002 : 0x00000001;
        prepare(host);
        instances.push_back(std::make_unique<SimInstance>(*plugIn->Effect(), component, host));
        SimInstance& instance = *instances.back();
        EXPECT_TRUE(instance.IsOpen()) << instance.Error();
        EXPECT_EQ(instance.Error(), "");
        return instance;
    }
    SimInstance& Open(size_t component)
    {
        return Open(component, [](SimHost&) {});
    }
    SimHost& HostOf(size_t instance) { return *hosts.at(instance); }

    // The effect's value of the parameter index as its saved state holds it; -1 when it holds none.
    static double StateValue(SimInstance& instance, int index)
    {
        AAX_Result result = 0;
        const std::vector<uint8_t> chunk = instance.SaveChunk(kStateChunk, result);
        if (chunk.size() < kAAXChunkHeaderSize)
            return -1.0;
        std::istringstream text(std::string(chunk.begin() + kAAXChunkHeaderSize, chunk.end()));
        boost::property_tree::ptree tree;
        boost::property_tree::read_xml(text, tree);
        for (const auto& child : tree.get_child("PluginState.Parameters"))
            if (child.second.get<int>("Index") == index)
                return child.second.get<double>("Value");
        return -1.0;
    }

    platform::testing::TemporaryFolder settings;
    std::unique_ptr<SimPlugIn> plugIn;
    std::vector<std::unique_ptr<SimHost>> hosts;
    std::vector<std::unique_ptr<SimInstance>> instances;
};

// Blocks of a signal through an instance; the outputs of every channel, frame after frame.
inline std::vector<std::vector<float>> RenderSignal(SimInstance& instance, const std::vector<std::vector<float>>& input,
                                                    int blockSize)
{
    const size_t channels = input.size();
    std::vector<std::vector<float>> output(channels, std::vector<float>(input[0].size(), 0.0f));
    for (size_t start = 0; start < input[0].size(); start += static_cast<size_t>(blockSize))
    {
        std::vector<const float*> in;
        std::vector<float*> out;
        for (size_t c = 0; c < channels; ++c)
        {
            in.push_back(input[c].data() + start);
            out.push_back(output[c].data() + start);
        }
        const size_t left = input[0].size() - start;
        instance.Render(in.data(), out.data(), static_cast<int32_t>(left < size_t(blockSize) ? left : blockSize));
    }
    return output;
}
