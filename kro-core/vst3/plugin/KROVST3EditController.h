#pragma once

#include "public.sdk/source/vst/vsteditcontroller.h"

#include <boost/property_tree/ptree_fwd.hpp>

#include <string>

class IKROParamInfoInterface;

namespace Steinberg {
namespace Vst {

// The framework's edit controller: the host's view of the parameters, built from the product's
// parameter table, and the component state mirrored into them. A product class installs its
// parameter information before initialize.
class CKROVST3EditController : public EditControllerEx1
{
public:
    CKROVST3EditController() = default;

    // IPluginBase
    tresult PLUGIN_API initialize(FUnknown* context) SMTG_OVERRIDE;

    // IEditController
    tresult PLUGIN_API setComponentState(IBStream* state) SMTG_OVERRIDE;
    // The controller keeps no state of its own: one byte either way.
    tresult PLUGIN_API setState(IBStream* state) SMTG_OVERRIDE;
    tresult PLUGIN_API getState(IBStream* state) SMTG_OVERRIDE;
    ParamValue PLUGIN_API getParamNormalized(ParamID tag) SMTG_OVERRIDE;
    tresult PLUGIN_API setParamNormalized(ParamID tag, ParamValue value) SMTG_OVERRIDE;

    // The framework's own operations.
    virtual void CreateParameters();
    // 0 goes on with initialize.
    virtual int32 OnInitialize() { return 0; }
    virtual bool IsBypassParameter(int32 /*index*/) { return false; }
    // Hook after a component state was parsed; changes nothing here.
    virtual bool ConvertComponentState(boost::property_tree::ptree& /*tree*/) { return false; }

protected:
    void SetParameterInfo(IKROParamInfoInterface* info) { parameterInfo = info; }
    // The effect name a component state must carry to be mirrored; empty accepts any.
    void SetEffectName(std::string name) { effectName = std::move(name); }

private:
    tresult MirrorStateTree(const boost::property_tree::ptree& tree);
    tresult MirrorLegacyState(const std::string& bytes);

    IKROParamInfoInterface* parameterInfo = nullptr;
    int32 parameterMapSize = 0;
    std::string effectName;
    bool masterBypassEnabled = true;
};

} // namespace Vst
} // namespace Steinberg
