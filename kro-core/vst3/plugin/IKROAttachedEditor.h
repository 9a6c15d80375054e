#pragma once

#include <boost/property_tree/ptree_fwd.hpp>

#include <cstdint>
#include <string>

namespace Steinberg {
namespace Vst {

// What the edit controller calls on an open editor view: the effect's messages it relays, the
// parameter marks, and the help and about requests of the host. The editor base implements it on
// its VST3 view; the controller relays to every attached view that does.
class IKROAttachedEditor
{
public:
    virtual void ReceiveDSPMessage(const std::string& text) = 0;
    virtual void ReceiveDSPBinary(const float* data, int32_t count) = 0;
    virtual void ReceiveStateTree(const boost::property_tree::ptree& tree) = 0;
    // Marks the parameter for the editor's next tick; the editor reads the value itself.
    virtual void MarkParameterChanged(int32_t index, double value) = 0;
    virtual void OnControllerConnected() = 0;
    virtual bool OpenHelp(bool onlyCheck) = 0;
    virtual bool OpenAboutBox(bool onlyCheck) = 0;

protected:
    ~IKROAttachedEditor() = default;
};

} // namespace Vst
} // namespace Steinberg
