// The description of the test module: one effect, named by the host's answers. A result the host
// is set to fail makes the registration fail with it.

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CheckedResult.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_ICollection.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_Registration.h"

AAX_Result GetEffectDescriptions(AAX_ICollection* collection)
{
    AAX_IEffectDescriptor* effect = collection->NewDescriptor();
    AAX_CheckedResult result = effect->AddName("Test Effect");
    result = collection->AddEffect("org.vireno.aax.TestEffect", effect);
    result = collection->SetManufacturerName("Test Maker");
    result = collection->AddPackageName("Test Package");
    result = collection->SetPackageVersion(1);
    return result;
}
