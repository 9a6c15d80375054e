// A seeded fuzz loop over Vireno's component states: real states, bent by a few random mutations
// each, go to processor and controller. Neither may crash or let an exception out; both give the
// same verdict; a refused state changes nothing; an accepted one reads back identically and leaves
// both sides holding the same values.

#include "VirenoTestHost.h"

#include <cstring>
#include <random>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

constexpr unsigned kSeed = 17;
constexpr int kMutatedStates = 2000;

std::string LegacyState(const std::vector<float>& values, char bypass)
{
    std::string bytes(values.size() * sizeof(float), '\0');
    std::memcpy(bytes.data(), values.data(), bytes.size()); // little-endian, like the layout
    return bytes + bypass;
}

// Bends a state the ways damaged or hostile data does.
class Mutator
{
public:
    Mutator(unsigned seed, std::vector<std::string> seeds) : random(seed), seeds(std::move(seeds)) {}

    std::string Next()
    {
        std::string bytes = seeds[Below(seeds.size())];
        const size_t mutations = 1 + Below(3);
        for (size_t m = 0; m < mutations; ++m)
            Mutate(bytes);
        return bytes;
    }

private:
    size_t Below(size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(random); }

    void Mutate(std::string& bytes)
    {
        static const char* const kNumbers[] = {"-1",  "2", "1e38", "nan",    "inf",   "-0", "0.5",        "99999999999",
                                               "abc", "",  " 1",   "0x1p-2", "1e-45", "6",  "-2147483649"};
        static const char* const kPieces[] = {"<Par6><Value>1</Value><Index>6</Index></Par6>",
                                              "<Par0><Value>1</Value><Index>0</Index></Par0>",
                                              "<x>",
                                              "</Parameters>",
                                              "'",
                                              "&amp;",
                                              "<![CDATA[",
                                              "<!--",
                                              "<Zoom>1e38</Zoom>",
                                              "<VST3MasterBypass>1</VST3MasterBypass>"};
        const size_t at = Below(bytes.size() + 1);
        switch (Below(8))
        {
        case 0:
            if (!bytes.empty())
                bytes[Below(bytes.size())] ^= static_cast<char>(1 << Below(8));
            break;
        case 1:
            if (!bytes.empty())
                bytes[Below(bytes.size())] = static_cast<char>(Below(256));
            break;
        case 2:
            bytes.erase(std::min(at, bytes.size()), 1 + Below(16));
            break;
        case 3:
            bytes.insert(at, bytes.substr(Below(bytes.size() + 1), 1 + Below(32)));
            break;
        case 4:
            bytes.resize(at);
            break;
        case 5:
        {
            // A number of the text replaced by another.
            const size_t digit = bytes.find_first_of("0123456789", at);
            if (digit == std::string::npos)
                break;
            const size_t end = bytes.find_first_not_of("0123456789.e-", digit);
            bytes.replace(digit, (end == std::string::npos ? bytes.size() : end) - digit,
                          kNumbers[Below(std::size(kNumbers))]);
            break;
        }
        case 6:
        {
            const std::string& other = seeds[Below(seeds.size())];
            bytes = bytes.substr(0, at) + other.substr(std::min(at, other.size()));
            break;
        }
        default:
            bytes.insert(at, kPieces[Below(std::size(kPieces))]);
            break;
        }
    }

    std::mt19937 random;
    std::vector<std::string> seeds;
};

class VirenoStateFuzz : public VirenoTest
{};

TEST_F(VirenoStateFuzz, MutatedStatesGetOneVerdictAndAreAppliedWholeOrNotAtAll)
{
    auto instance = CreateVireno();
    ASSERT_NE(instance, nullptr);
    IComponent& component = *instance->component();
    IEditController& controller = *instance->controller();

    std::vector<std::string> seeds;
    for (const auto& values : {std::vector<double>{0, 0, 0, 0.5, 0}, {1, 1, 0.4, 0.3, 1}, {0, 1, 1, 1, 0}})
        for (double bypass : {0.0, 1.0})
        {
            Automate(*instance, values, bypass);
            seeds.push_back(SavedState(component));
        }
    seeds.push_back(LegacyState({0.0f, 1.0f, 0.2f, 0.7f, 1.0f}, 1));
    ASSERT_EQ(instance->syncControllerState(), kResultOk);

    Mutator mutator(kSeed, seeds);
    int accepted = 0;
    std::string before = SavedState(component);
    for (int n = 0; n < kMutatedStates; ++n)
    {
        const std::string bytes = mutator.Next();
        const std::vector<float> controllerBefore = ControllerValues(*instance);
        const double bypassBefore = controller.getParamNormalized(VST3MasterBypassParamID);

        const tresult loaded = LoadState(component, bytes);
        const tresult mirrored = MirrorState(controller, bytes);
        ASSERT_EQ(loaded == kResultOk, mirrored == kResultOk) << "one verdict for state " << n << ":\n" << bytes;
        if (loaded != kResultOk)
        {
            ASSERT_EQ(SavedState(component), before) << "state " << n << ":\n" << bytes;
            ASSERT_EQ(ControllerValues(*instance), controllerBefore) << "state " << n;
            ASSERT_EQ(controller.getParamNormalized(VST3MasterBypassParamID), bypassBefore) << "state " << n;
            continue;
        }
        ++accepted;
        const std::string after = SavedState(component);
        ASSERT_EQ(LoadState(component, after), kResultOk) << "state " << n << ":\n" << after;
        ASSERT_EQ(SavedState(component), after) << "state " << n;
        before = after;
        ASSERT_EQ(ControllerValues(*instance), ProcessorValues(*instance)) << "state " << n << ":\n" << bytes;
        ASSERT_EQ(controller.getParamNormalized(VST3MasterBypassParamID),
                  Processor(*instance).IsMasterBypassed() ? 1.0 : 0.0)
            << "state " << n;
    }
    // The loop must exercise both verdicts to mean anything.
    EXPECT_GT(accepted, kMutatedStates / 20);
    EXPECT_LT(accepted, kMutatedStates);
}

} // namespace
