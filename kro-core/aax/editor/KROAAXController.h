#pragma once

#include "kro-core/plugin/IKROSDKController.h"

class CKROAudioPlugInAAX;
class CKROGuiEditor;
class CKROPlugInDSP;
class IKRO_AAXParamsIDsConverter;

namespace Mevarik {

// The editor's handle on the effect in the AAX build. Editor, effect and adapter live in one
// process, so every call is a direct call: parameters go through the adapter's AAX parameters
// ("par%d", found by the GUI's identifier converter), and the editor's preset requests are answered
// here, straight into the editor. Owns none of what it holds. Without an adapter (the host gave
// the GUI no effect of ours) every call does nothing and reads as 0. User-interface thread only.
class CKROAAXController final : public IKROSDKController
{
public:
    CKROAAXController(CKROAudioPlugInAAX* adapter, CKROGuiEditor* editor, IKRO_AAXParamsIDsConverter& identifiers);

    double GetParameterNormalized(uint32_t index) override;
    // The adapter's AAX result; the host is told, and answers on its own time.
    int32_t SetParameterNormalized(uint32_t index, double value) override;
    int32_t GetParameterCount() override;
    int32_t GetFirstParameterIndex() override;
    bool IsConnected() override;
    void ReleaseLink(std::shared_ptr<void> link) override;
    void Idle() override;
    // The list requests count only as whole texts; every other text is searched for each preset
    // command it holds, and what is no answer of ours goes on to the effect, whose reply (empty or
    // not) reaches the editor.
    void SendMessage(const std::string& message) override;
    // A non-empty answer of the effect goes back to the editor.
    void SendStateTree(const boost::property_tree::ptree& tree) override;
    int32_t GetDisplayData(int32_t channel, float** buffer, int32_t* capacity, int32_t countHint) override;
    int32_t SetDisplayData(int32_t channel, float* data, int32_t count) override;
    void BeginEdit(uint32_t index) override;
    void EndEdit(uint32_t index) override;

    // The GUI lets go of the adapter, which may go before the editor does: from here on every call
    // does nothing and reads as 0, as without an adapter.
    void DetachAdapter() { adapter = nullptr; }

private:
    CKROPlugInDSP* Effect() const;
    // The index's AAX identifier; null for an index without one.
    const char* IdentifierOf(uint32_t index) const;
    void Reply(const std::string& text);
    // Carries out the preset save, save-as, delete and select commands the text holds.
    void RunPresetCommands(const std::string& text);

    CKROAudioPlugInAAX* adapter;
    CKROGuiEditor* editor;
    IKRO_AAXParamsIDsConverter& identifiers;
};

} // namespace Mevarik
