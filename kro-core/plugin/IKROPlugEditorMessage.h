#pragma once

#include <cstdint>
#include <string>

#include <boost/property_tree/ptree_fwd.hpp>

// The effect's link to the editor, implemented by each plug-in format. The effect holds one; the
// adapter that made it owns it. Calls meant for the editor do nothing while no editor is open.
// The operations keep this order. The effect calls them on the user-interface thread and on the
// thread a host hands a state over on, never on the audio thread: the adapters' render paths push
// the effect's changes to the host alone.
class IKROPlugEditorMessage
{
public:
    // User-interface thread, or the thread a host hands a state over on (a load's
    // "UpdateParameterValues"). A text containing "DSP2GUIString" goes to the editor; any other text
    // to the format's plug-in object.
    virtual void SendString(std::string text) = 0;
    // User-interface thread, or the thread a host hands a state over on (a load marks every
    // parameter). Marks the parameter for the editor's next tick; the editor reads the value itself.
    virtual void SendParameterChange(uint32_t index, float value) = 0;
    // User-interface thread.
    virtual void SendBinary(const float* data, int32_t count) = 0;
    // User-interface thread, or the thread a host hands a state over on; a change on the audio
    // thread leaves its tree to the next user-interface call. toPlugIn true: the format's plug-in
    // object; false: the editor.
    virtual void SendStateTree(const boost::property_tree::ptree& tree, bool toPlugIn) = 0;

    // Declared after the operations so that they keep their places in the table of virtuals.
    virtual ~IKROPlugEditorMessage() = default;
};
