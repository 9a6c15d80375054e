#pragma once

// Test doubles for the messages between Vireno's processor and controller: a peer that records
// (and may answer) what it is sent, an editor view that records what the controller relays, and
// helpers that build and read messages.

#include "kro-core/vst3/plugin/IKROAttachedEditor.h"

#include "base/source/fobject.h"
#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/vst/ivstmessage.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"
#include "public.sdk/source/vst/vsteditcontroller.h"

#include <boost/property_tree/ptree.hpp>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace vireno_test {

using namespace Steinberg;
using namespace Steinberg::Vst;

// The raw bytes of values, as a data attribute carries them.
template <typename T>
std::string Bytes(const std::vector<T>& values)
{
    std::string bytes(values.size() * sizeof(T), '\0');
    if (!values.empty())
        std::memcpy(bytes.data(), values.data(), bytes.size());
    return bytes;
}

inline IPtr<IMessage> NewMessage(const char* id)
{
    IPtr<IMessage> message = owned(new HostMessage);
    message->setMessageID(id);
    return message;
}

inline void Data(IAttributeList& list, const char* attribute, const std::string& bytes)
{
    list.setBinary(attribute, bytes.data(), static_cast<uint32>(bytes.size()));
}

inline void SetData(IMessage& message, const char* attribute, const std::string& bytes)
{
    Data(*message.getAttributes(), attribute, bytes);
}

// The bytes of a data attribute; "<missing>" without it.
inline std::string DataOf(IMessage& message, const char* attribute)
{
    const void* data = nullptr;
    uint32 size = 0;
    if (message.getAttributes()->getBinary(attribute, data, size) != kResultOk)
        return "<missing>";
    return size == 0 ? std::string() : std::string(static_cast<const char*>(data), size);
}

inline std::vector<float> FloatsOf(IMessage& message, const char* attribute)
{
    const std::string bytes = DataOf(message, attribute);
    std::vector<float> values(bytes.size() / sizeof(float));
    if (!values.empty())
        std::memcpy(values.data(), bytes.data(), values.size() * sizeof(float));
    return values;
}

// The other end of a connection: keeps every message it is sent, and answers through respond.
class RecordingPeer : public FObject, public IConnectionPoint
{
public:
    tresult PLUGIN_API connect(IConnectionPoint*) SMTG_OVERRIDE { return kResultOk; }
    tresult PLUGIN_API disconnect(IConnectionPoint*) SMTG_OVERRIDE { return kResultOk; }
    tresult PLUGIN_API notify(IMessage* message) SMTG_OVERRIDE
    {
        received.push_back(IPtr<IMessage>(message));
        if (respond)
            respond(*message);
        return kResultOk;
    }

    std::vector<std::string> Ids() const
    {
        std::vector<std::string> ids;
        for (const auto& message : received)
            ids.emplace_back(message->getMessageID());
        return ids;
    }

    std::vector<IPtr<IMessage>> received;
    std::function<void(IMessage&)> respond;

    OBJ_METHODS(RecordingPeer, FObject)
    DEFINE_INTERFACES
    DEF_INTERFACE(IConnectionPoint)
    END_DEFINE_INTERFACES(FObject)
    REFCOUNT_METHODS(FObject)
};

// An open editor as the controller sees it.
class RecordingEditor : public EditorView, public IKROAttachedEditor
{
public:
    explicit RecordingEditor(EditController* controller) : EditorView(controller) {}

    void Open() { attached(this, kPlatformTypeX11EmbedWindowID); }
    void Close() { removed(); }

    void ReceiveDSPMessage(const std::string& text) override { texts.push_back(text); }
    void ReceiveDSPBinary(const float* data, int32_t count) override { binary.assign(data, data + count); }
    void ReceiveStateTree(const boost::property_tree::ptree& tree) override { trees.push_back(tree); }
    void MarkParameterChanged(int32_t index, double) override { marks.push_back(index); }
    void OnControllerConnected() override { ++connections; }
    bool OpenHelp(bool) override { return helpAnswer; }
    bool OpenAboutBox(bool) override { return helpAnswer; }

    std::vector<std::string> texts;
    std::vector<float> binary;
    std::vector<boost::property_tree::ptree> trees;
    std::vector<int32_t> marks;
    int connections = 0;
    bool helpAnswer = true;
};

} // namespace vireno_test
