// The built bundle as a Linux host meets it: only the three entry points are visible, and the
// factory it hands out creates a working plug-in.

#include "Vst3Module.h"
#include "Vst3PluginInstance.h"
#include "Vst3ProcessBlock.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <sstream>
#include <string>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

// Names of the symbols the library defines in its dynamic symbol table, which is all a host's
// dlsym can reach.
std::set<std::string> exportedSymbols(const std::string& library)
{
    std::set<std::string> names;
    const std::string command = "nm -D --defined-only --format=posix \"" + library + "\"";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return names;
    char line[1024];
    while (std::fgets(line, sizeof(line), pipe) != nullptr)
    {
        std::istringstream fields(line);
        std::string name;
        if (fields >> name)
            names.insert(name);
    }
    EXPECT_EQ(pclose(pipe), 0) << command;
    return names;
}

TEST(Vst3Bundle, ExportsExactlyTheThreeEntryPoints)
{
    const std::string library = Vst3Module::libraryPath(PASSTHROUGH_BUNDLE);
    EXPECT_EQ(exportedSymbols(library), (std::set<std::string>{"GetPluginFactory", "ModuleEntry", "ModuleExit"}));
}

TEST(Vst3Bundle, LoadsAndRunsThroughItsFactory)
{
    std::string error;
    auto module = Vst3Module::load(PASSTHROUGH_BUNDLE, error);
    ASSERT_NE(module, nullptr) << error;
    ASSERT_EQ(module->factory()->countClasses(), 2);

    TUID cid;
    ASSERT_TRUE(Vst3PluginInstance::findClass(module->factory(), kVstAudioEffectClass, cid));
    auto instance = Vst3PluginInstance::create(module->factory(), cid, error);
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
    ASSERT_EQ(instance->processor()->process(block.prepare(256)), kResultOk);
    EXPECT_EQ(std::memcmp(block.output(0), block.input(0), 256 * sizeof(float)), 0);
    EXPECT_EQ(std::memcmp(block.output(1), block.input(1), 256 * sizeof(float)), 0);
    instance->component()->setActive(false);
}

TEST(Vst3Bundle, ReportsAFolderThatHoldsNoModule)
{
    std::string error;
    EXPECT_EQ(Vst3Module::load(std::string(PASSTHROUGH_BUNDLE) + "-missing.vst3", error), nullptr);
    EXPECT_FALSE(error.empty());
}

} // namespace
