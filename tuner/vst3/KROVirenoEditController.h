#pragma once

#include "kro-core/vst3/plugin/KROVST3EditController.h"

#include <memory>

class CKROVirenoParamInfo;

namespace Steinberg {
namespace Vst {

// Vireno's edit controller: the framework controller over the product's own parameter table.
class CKROVirenoEditController : public CKROVST3EditController
{
public:
    CKROVirenoEditController();
    ~CKROVirenoEditController() override;

    // "editor": Vireno's editor, with a reference for the caller; any other view: none.
    IPlugView* PLUGIN_API createView(FIDString name) SMTG_OVERRIDE;

    // The factory's create function: the controller as its IEditController, null when it cannot be made.
    static FUnknown* createInstance(void* context);

private:
    std::unique_ptr<CKROVirenoParamInfo> parameterInfo;
};

} // namespace Vst
} // namespace Steinberg
