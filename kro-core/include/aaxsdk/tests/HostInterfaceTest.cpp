// The host-interface layer's headers compile together with their layout checks, and our
// identifiers neither repeat each other nor the fixed ones.

#include "aaxsdk/AAX_ACF.h"
#include "aaxsdk/AAX_AlgorithmContext.h"
#include "aaxsdk/AAX_EntryPoints.h"
#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_IACFAutomationDelegate.h"
#include "aaxsdk/AAX_IACFController.h"
#include "aaxsdk/AAX_IACFDescription.h"
#include "aaxsdk/AAX_IACFHostServices.h"
#include "aaxsdk/AAX_IACFPageTable.h"
#include "aaxsdk/AAX_IACFTransport.h"
#include "aaxsdk/AAX_IACFViewContainer.h"
#include "aaxsdk/AAX_IString.h"
#include "aaxsdk/AAX_PlugInChunk.h"
#include "aaxsdk/AAX_Results.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(AAXHostInterface, EveryIdentifierOfOursIsDistinctFromTheOthersAndTheFixedOnes)
{
    const acfUID ours[] = {
        IID_IACFComponentFactory,
        IID_AAX_IACFHostServices_V1,
        IID_AAX_IACFHostServices_V2,
        IID_AAX_IACFHostServices_V3,
        IID_AAX_IACFController_V1,
        IID_AAX_IACFController_V2,
        IID_AAX_IACFController_V3,
        IID_AAX_IACFPageTableSource_V1,
        IID_AAX_IACFPageTableSource_V2,
        IID_AAX_IACFAutomationDelegate,
        IID_AAX_IACFTransport_V1,
        IID_AAX_IACFTransport_V2,
        IID_AAX_IACFTransport_V3,
        IID_AAX_IACFPageTable_V1,
        IID_AAX_IACFPageTable_V2,
        IID_AAX_IACFViewContainer_V1,
        IID_AAX_IACFViewContainer_V2,
        IID_AAX_IACFCollection,
        IID_AAX_IACFDescriptionHost,
        IID_AAX_IACFHostDefinition,
        IID_AAX_IACFFeatureInfo,
        IID_AAX_IACFEffectDescriptor_V1,
        IID_AAX_IACFEffectDescriptor_V2,
        IID_AAX_IACFComponentDescriptor_V1,
        IID_AAX_IACFComponentDescriptor_V2,
        IID_AAX_IACFComponentDescriptor_V3,
        IID_AAX_IACFPropertyMap_V1,
        IID_AAX_IACFPropertyMap_V2,
        IID_AAX_IACFPropertyMap_V3,
        CLSID_AAX_HostServices,
        CLSID_AAX_Collection,
        CLSID_AAX_EffectDescriptor,
        CLSID_AAX_ComponentDescriptor,
        CLSID_AAX_PropertyMap,
        CLSID_AAX_PageTable,
        IID_IKROAAXDisplayData,
    };
    std::set<acfUID> distinct(std::begin(ours), std::end(ours));
    EXPECT_EQ(distinct.size(), std::size(ours));
    EXPECT_EQ(distinct.count(IID_IACFUnknown), 0u);
    EXPECT_EQ(distinct.count(IID_IACFPluginDefinition), 0u);
    EXPECT_TRUE(IID_IACFUnknown != IID_IACFPluginDefinition);
    EXPECT_TRUE(IID_IACFUnknown < IID_IACFPluginDefinition);
}

TEST(AAXHostInterface, NamesTheSevenEntryPoints)
{
    const std::set<std::string> names(std::begin(kACFEntryPointNames), std::end(kACFEntryPointNames));
    EXPECT_EQ(names.size(), 7u);
    EXPECT_EQ(names.count("ACFGetSDKVersion"), 1u);
}

} // namespace
