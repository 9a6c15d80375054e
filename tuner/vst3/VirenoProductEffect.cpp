#include "VirenoProductEffect.h"

#include "KROVirenoPlugInDSP.h"
#include "TunerParameterIndex.h"

namespace Vireno {

std::unique_ptr<CKROPlugInDSP> CreateProductEffect()
{
    return std::make_unique<CKROVirenoPlugInDSP>(TunerParameterIndex::kFirstIndexVST3);
}

} // namespace Vireno
