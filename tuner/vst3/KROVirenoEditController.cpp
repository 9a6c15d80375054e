#include "KROVirenoEditController.h"

#include "KROVirenoParamInfo.h"
#include "KROVirenoParamTable.h"
#include "TunerParameterIndex.h"

namespace Steinberg {
namespace Vst {

namespace {
// The name the product effect writes into its state.
constexpr const char* kEffectName = "Vireno";
} // namespace

CKROVirenoEditController::CKROVirenoEditController()
    : parameterInfo(std::make_unique<CKROVirenoParamInfo>(
          std::make_unique<CKROVirenoParamTable>(TunerParameterIndex::kFirstIndexVST3)))
{
    SetParameterInfo(parameterInfo.get());
    SetEffectName(kEffectName);
}

CKROVirenoEditController::~CKROVirenoEditController() = default;

FUnknown* CKROVirenoEditController::createInstance(void* /*context*/)
{
    try
    {
        return static_cast<IEditController*>(new CKROVirenoEditController);
    }
    catch (...)
    {
        return nullptr;
    }
}

} // namespace Vst
} // namespace Steinberg
