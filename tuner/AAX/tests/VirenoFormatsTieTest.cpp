// The two deliverables read alike: the built-in default signal played through Vireno.aaxplugin on
// the simulated AAX host and through Vireno.vst3 on the VST3 test host, in blocks of the same size,
// gives the same reading blocks, frame for frame and bit for bit.

#include "tuner/engine/testing/DemoSignal.h"
#include "testhosts/vst3/DisplayDataSource.h"
#include "VirenoAaxTestHost.h"
#include "testhosts/vst3/Vst3Module.h"
#include "testhosts/vst3/Vst3PluginInstance.h"
#include "testhosts/vst3/Vst3ProcessBlock.h"
#include "tuner/engine/TunerResultBlock.h"

#include "pluginterfaces/vst/vstspeaker.h"

#include <cstring>

namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;

TEST_F(VirenoAaxTest, ReadsTheDefaultSignalExactlyAsTheVst3PlugInDoes)
{
    constexpr int32 kBlock = 512;
    const std::vector<float> demo = signals::DemoSignal(48000.0);

    std::string error;
    auto module = Vst3Module::load(VIRENO_VST3_BUNDLE, error);
    ASSERT_NE(module, nullptr) << error;
    auto vst3 = Vst3PluginInstance::createAudioEffect(module->factory(), error);
    ASSERT_NE(vst3, nullptr) << error;
    SpeakerArrangement mono = SpeakerArr::kMono;
    ASSERT_EQ(vst3->processor()->setBusArrangements(&mono, 1, &mono, 1), kResultOk);
    ProcessSetup setup{kRealtime, kSample32, kBlock, 48000.0};
    ASSERT_EQ(vst3->processor()->setupProcessing(setup), kResultOk);
    vst3->component()->setActive(true);
    vst3->processor()->setProcessing(true);
    Vst3ProcessBlock block(1, kBlock);

    SimInstance& aax = Open(kMonoComponent);
    aax.GenerateCoefficients();
    std::vector<float> aaxOutput(kBlock);

    size_t readings = 0;
    std::vector<float> fromVst3, fromAax;
    for (size_t start = 0; start < demo.size(); start += kBlock)
    {
        const int32 n = static_cast<int32>(std::min<size_t>(kBlock, demo.size() - start));
        std::memcpy(block.input(0), demo.data() + start, size_t(n) * sizeof(float));
        vst3->processor()->process(block.prepare(n));
        const float* in[] = {demo.data() + start};
        float* out[] = {aaxOutput.data()};
        aax.Render(in, out, n);
        ASSERT_EQ(0, std::memcmp(block.output(0), aaxOutput.data(), size_t(n) * sizeof(float))) << start;

        const int counted = ReadDisplayData(vst3->controller(), kTunerResultValueCount, fromVst3);
        ASSERT_EQ(aax.ReadDisplayData(fromAax), counted) << "block at " << start;
        ASSERT_EQ(fromAax.size(), fromVst3.size());
        ASSERT_EQ(0, std::memcmp(fromAax.data(), fromVst3.data(), fromAax.size() * sizeof(float))) << start;
        readings += counted == 19 ? 1 : 0;
    }
    // One reading per analysis frame of 1024 samples at 24 kHz.
    EXPECT_GT(readings, 170u);

    vst3->processor()->setProcessing(false);
    vst3->component()->setActive(false);
}

} // namespace
