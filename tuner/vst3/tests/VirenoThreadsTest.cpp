// Vireno's processor driven as hosts drive it: process on an audio thread of its own while the
// user-interface thread saves and loads states, sends the controller's messages and sets the
// controller's parameters. Meant for the ThreadSanitizer build, which fails on any race; the
// other builds check that it runs through.

#include "VirenoMessageTools.h"
#include "VirenoTestHost.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace vireno_test;

namespace {

constexpr auto kRunTime = std::chrono::seconds(2);
constexpr int32 kBlock = 256;

class VirenoThreads : public VirenoTest
{};

TEST_F(VirenoThreads, ProcessRunsWhileTheUserInterfaceThreadChangesStateMessagesAndParameters)
{
    auto instance = CreateVireno();
    ASSERT_NE(instance, nullptr);
    std::vector<std::string> states;
    for (double value : {0.0, 1.0})
    {
        Automate(*instance, {value, value, value, value, value}, value);
        states.push_back(SavedState(*instance->component()));
    }
    ProcessSetup setup{kRealtime, kSample32, kBlock, 48000.0};
    ASSERT_EQ(instance->processor()->setupProcessing(setup), kResultOk);
    ASSERT_EQ(instance->component()->setActive(true), kResultOk);

    std::atomic<bool> stop{false};
    std::atomic<long> blocks{0};
    std::thread audio([&] {
        Vst3ProcessBlock block(2, kBlock);
        double phase = 0.0;
        for (long n = 0; !stop.load(); ++n)
        {
            block.inputChanges().clearQueue();
            QueueChange(block, static_cast<ParamID>(n % 5), static_cast<double>(n % 7) / 6.0);
            QueueChange(block, VST3MasterBypassParamID, static_cast<double>(n / 13 % 2));
            for (int32 i = 0; i < kBlock; ++i, phase += 2.0 * M_PI * 110.0 / 48000.0)
                block.input(0)[i] = block.input(1)[i] = static_cast<float>(0.5 * std::sin(phase));
            EXPECT_EQ(instance->processor()->process(block.prepare(kBlock)), kResultOk);
            blocks.fetch_add(1);
        }
    });

    FUnknownPtr<IConnectionPoint> processorPoint(instance->component());
    long rounds = 0;
    const auto until = std::chrono::steady_clock::now() + kRunTime;
    for (; std::chrono::steady_clock::now() < until; ++rounds)
    {
        const std::string saved = SavedState(*instance->component());
        EXPECT_FALSE(saved.empty());
        EXPECT_EQ(LoadState(*instance->component(), states[static_cast<size_t>(rounds % 2)]), kResultOk);
        IPtr<IMessage> message = NewMessage("WA_SP");
        message->getAttributes()->setInt("WA_PI", rounds % 5);
        message->getAttributes()->setFloat("WA_PV", static_cast<double>(rounds % 3) / 2.0);
        processorPoint->notify(message);
        EXPECT_EQ(instance->controller()->setParamNormalized(static_cast<ParamID>(rounds % 5),
                                                             static_cast<double>(rounds % 4) / 3.0),
                  kResultOk);
    }
    stop.store(true);
    audio.join();
    EXPECT_GT(blocks.load(), 0);
    EXPECT_GT(rounds, 0);
    ASSERT_EQ(instance->component()->setActive(false), kResultOk);
}

} // namespace
