#include "kro-core/vst3/plugin/KROAudioPlugInVST3.h"
#include "kro-core/vst3/plugin/KROVST3EditController.h"
#include "kro-core/vst3/plugin/KROVST3MessageIds.h"

#include <gtest/gtest.h>

namespace Steinberg {
namespace Vst {
namespace {

TEST(KROVST3MessageRoutes, EveryMessageOneSideSendsHasAHandlerOnTheOther)
{
    for (const char* id : kControllerToProcessorMessages)
        EXPECT_TRUE(CKROAudioPlugInVST3::HandlesMessage(id)) << id;
    for (const char* id : kProcessorToControllerMessages)
        EXPECT_TRUE(CKROVST3EditController::HandlesMessage(id)) << id;
    // The host's text message reaches the processor's fallback, not a row of the table.
    EXPECT_FALSE(CKROAudioPlugInVST3::HandlesMessage(kMsgText));
    EXPECT_FALSE(CKROVST3EditController::HandlesMessage(kMsgEditorText));
}

} // namespace
} // namespace Vst
} // namespace Steinberg
