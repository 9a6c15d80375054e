#pragma once

#include <boost/property_tree/ptree_fwd.hpp>

#include <cstdint>
#include <string>

// What the effect's editor link calls on the editor attached to an AAX instance: the editor
// framework implements it on the AAX editor side. User-interface thread.
class IKROAAXLinkedEditor
{
public:
    virtual void ReceiveDSPMessage(const std::string& text) = 0;
    virtual void ReceiveDSPBinary(const float* data, int32_t count) = 0;
    virtual void ReceiveStateTree(const boost::property_tree::ptree& tree) = 0;
    // Marks the parameter for the editor's next tick; the editor reads the value itself.
    virtual void MarkParameterChanged(int32_t index, float value) = 0;

protected:
    ~IKROAAXLinkedEditor() = default;
};
