// A module built on the library, loaded as a Linux host loads it: only the seven entry points are
// visible, and they work through the simulated host.

#include "testhosts/aax/AaxModule.h"
#include "testhosts/bundles/BundleFiles.h"
#include "testhosts/aax/SimHost.h"
#include "aaxsdk/AAX_Results.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kNone;

std::unique_ptr<AaxModule> LoadTestModule()
{
    std::string error;
    std::unique_ptr<AaxModule> module = AaxModule::Load(AAX_TEST_MODULE_BUNDLE, error);
    EXPECT_NE(module, nullptr) << error;
    return module;
}

TEST(AAXModule, ExportsExactlyTheSevenEntryPoints)
{
    const std::set<std::string> expected(std::begin(kACFEntryPointNames), std::end(kACFEntryPointNames));
    EXPECT_EQ(ExportedSymbols(AaxModule::LibraryPath(AAX_TEST_MODULE_BUNDLE)), expected);
}

TEST(AAXModule, RegistersTracesOnlyAfterStartupAndUnloadsClean)
{
    const std::unique_ptr<AaxModule> module = LoadTestModule();
    ASSERT_NE(module, nullptr);
    SimHost host;
    host.SetResult("Collection.SetManufacturerName", AAX_ERROR_DUPLICATE_EFFECT_ID);
    IACFPluginDefinition* definition = nullptr;

    EXPECT_EQ(module->registerPlugin(host.Unknown(), &definition), AAX_ERROR_DUPLICATE_EFFECT_ID);
    EXPECT_EQ(host.CallsOf("HostServices."), kNone);

    EXPECT_EQ(module->startup(host.Unknown()), AAX_SUCCESS);
    EXPECT_EQ(module->startup(host.Unknown()), AAX_SUCCESS);
    EXPECT_EQ(host.ObjectsNamed("HostServices").size(), 3u);
    EXPECT_EQ(module->registerPlugin(host.Unknown(), &definition), AAX_ERROR_DUPLICATE_EFFECT_ID);
    EXPECT_EQ(host.CallsOf("HostServices.Trace(134217728, AAXRegisterPlugin exception caught: "),
              std::vector<std::string>({"HostServices.Trace(134217728, AAXRegisterPlugin exception caught: "
                                        "AAX_ERROR_DUPLICATE_EFFECT_ID (-20035))"}));

    host.SetResult("Collection.SetManufacturerName", AAX_SUCCESS);
    host.ClearCalls();
    EXPECT_EQ(module->registerPlugin(host.Unknown(), &definition), AAX_SUCCESS);
    ASSERT_NE(definition, nullptr);
    definition->Release();
    EXPECT_EQ(host.CallsOf("Collection."),
              std::vector<std::string>({"Collection.AddEffect(org.vireno.aax.TestEffect, descriptor)",
                                        "Collection.SetManufacturerName(Test Maker)",
                                        "Collection.AddPackageName(Test Package)", "Collection.SetPackageVersion(1)"}));

    uint64_t version = 0;
    EXPECT_EQ(module->getSDKVersion(&version), AAX_SUCCESS);
    EXPECT_EQ(version, 0x00000204013449E0ull);
    EXPECT_EQ(module->getSDKVersion(nullptr), AAX_ERROR_NULL_ARGUMENT);
    void* factory = nullptr;
    const acfUID id = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(module->getClassFactory(host.Unknown(), id, id, &factory), AAX_ERROR_UNIMPLEMENTED);
    IACFComponentDefinition* component = nullptr;
    EXPECT_EQ(module->registerComponent(host.Unknown(), id, &component), AAX_SUCCESS);
    EXPECT_EQ(module->canUnloadNow(host.Unknown()), 0);
    EXPECT_EQ(module->shutdown(host.Unknown()), AAX_SUCCESS);
    EXPECT_EQ(host.UnbalancedObjects(), kNone);
}

TEST(AAXModule, ReportsABundleThatHoldsNoModule)
{
    std::string error;
    EXPECT_EQ(AaxModule::Load(std::string(AAX_TEST_MODULE_BUNDLE) + "-missing.aaxplugin", error), nullptr);
    EXPECT_FALSE(error.empty());
}

} // namespace
