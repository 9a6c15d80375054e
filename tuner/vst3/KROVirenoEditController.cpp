#include "KROVirenoEditController.h"

#include "KROVirenoGUIEditorVST3.h"
#include "tuner/plugin/KROVirenoParamInfo.h"
#include "tuner/plugin/KROVirenoParamTable.h"
#include "VirenoVST3Ids.h"

#include <cstring>

namespace Steinberg {
namespace Vst {

namespace {
// The name the product effect writes into its state.
constexpr const char* kEffectName = "Vireno";
} // namespace

CKROVirenoEditController::CKROVirenoEditController()
    : parameterInfo(
          std::make_unique<CKROVirenoParamInfo>(std::make_unique<CKROVirenoParamTable>(Vireno::kFirstParameterIndex)))
{
    SetParameterInfo(parameterInfo.get());
    SetEffectName(kEffectName);
}

CKROVirenoEditController::~CKROVirenoEditController() = default;

IPlugView* PLUGIN_API CKROVirenoEditController::createView(FIDString name)
{
    if (!name || std::strcmp(name, ViewType::kEditor) != 0)
        return nullptr;
    try
    {
        return new CKROVirenoGUIEditorVST3(this);
    }
    catch (...)
    {
        return nullptr;
    }
}

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
