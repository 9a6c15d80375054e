#pragma once

#include <memory>

class CKROPlugInDSP;

namespace Vireno {

// The effect every Vireno processor owns.
std::unique_ptr<CKROPlugInDSP> CreateProductEffect();

} // namespace Vireno
