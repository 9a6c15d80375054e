#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <boost/property_tree/ptree_fwd.hpp>

namespace Mevarik {

// The editor's handle on the effect. Each plug-in format implements it (a direct call on AAX,
// messages to the processor on VST3); the editor that receives one owns it and deletes it.
// Parameter values cross it normalised to 0 ... 1. The operations keep this order. Only the editor
// calls it, so every operation runs on the user-interface thread.
class IKROSDKController
{
public:
    // User-interface thread: the editor's tick and its opening.
    virtual double GetParameterNormalized(uint32_t index) = 0;
    // User-interface thread: a control's change. The status is the format's own; the editor does
    // not read it.
    virtual int32_t SetParameterNormalized(uint32_t index, double value) = 0;
    // User-interface thread.
    virtual int32_t GetParameterCount() = 0;
    // User-interface thread. 1 in the AAX build, 0 in the VST3 build.
    virtual int32_t GetFirstParameterIndex() = 0;
    // User-interface thread.
    virtual bool IsConnected() = 0;
    // User-interface thread. Drops the reference it is given, nothing more.
    virtual void ReleaseLink(std::shared_ptr<void> link) = 0;
    // User-interface thread.
    virtual void Idle() = 0;
    // User-interface thread. A KroEditorMessages text for the effect.
    virtual void SendMessage(const std::string& message) = 0;
    // User-interface thread. A PluginState tree for the effect (the clipboard's paste).
    virtual void SendStateTree(const boost::property_tree::ptree& tree) = 0;
    // User-interface thread (the display refresh), while the audio thread writes the readings.
    // Copies the effect's display data of the channel into the caller's buffer, growing it first
    // when it is too small (see CopyDisplayData for the buffer's contract). countHint is what the
    // caller expects. Returns the number of values, 0 when the effect has none.
    virtual int32_t GetDisplayData(int32_t channel, float** buffer, int32_t* capacity, int32_t countHint) = 0;
    // User-interface thread.
    virtual int32_t SetDisplayData(int32_t channel, float* data, int32_t count) = 0;
    // User-interface thread: an edit gesture on the parameter starts.
    virtual void BeginEdit(uint32_t index) = 0;
    // User-interface thread: the edit gesture ends.
    virtual void EndEdit(uint32_t index) = 0;

    // Declared after the operations so that they keep their places in the table of virtuals.
    virtual ~IKROSDKController() = default;
};

} // namespace Mevarik
