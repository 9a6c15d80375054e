#include "VirenoProductEffect.h"

#include "tuner/plugin/KROVirenoPlugInDSP.h"
#include "VirenoVST3Ids.h"

namespace Vireno {

std::unique_ptr<CKROPlugInDSP> CreateProductEffect()
{
    return std::make_unique<CKROVirenoPlugInDSP>(Vireno::kFirstParameterIndex);
}

} // namespace Vireno
