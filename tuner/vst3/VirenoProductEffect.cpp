#include "VirenoProductEffect.h"

// PRODUCT-EFFECT: until the product effect is merged, the processor runs the tests' stand-in.
#include "VirenoTestEffect.h"

namespace Vireno {

std::unique_ptr<CKROPlugInDSP> CreateProductEffect()
{
    return std::make_unique<vireno_test::VirenoTestEffect>();  // PRODUCT-EFFECT: std::make_unique<CKROVirenoPlugInDSP>()
}

} // namespace Vireno
