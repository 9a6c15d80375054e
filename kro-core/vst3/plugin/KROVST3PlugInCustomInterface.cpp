#include "KROVST3PlugInCustomInterface.h"

namespace Steinberg {
namespace Vst {

DEF_CLASS_IID(CKROVST3PlugInCustomInterface)

} // namespace Vst
} // namespace Steinberg
