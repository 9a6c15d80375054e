#pragma once

#include "kro-core/gui/CKROGuiEditor.h"
#include "toolkit/CFrame.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CAboutView;
class CKROVirenoCtrlSet;
class CKROVirenoGUIContainer;

namespace VSTGUI {
class COptionMenu;
class CSplashScreen;
} // namespace VSTGUI

// The tuner's editor: the face bitmap sets its size, it ticks every 20 ms, its control set holds
// the controls, it keeps the preset lists the effect sends and shows the about box. All editors
// of the process share one bitmap container: the first one creates it, the last one deletes it.
//
// A format adapter creates the editor for its build's first parameter index, sets its controller,
// calls CreateControlSets, then open with a frame of its own making, and at the end close and
// DestroyControlSets or the destructor.
class CKROVirenoGUIEditor : public CKROGuiEditor
{
public:
    static constexpr int32_t kTimerIntervalMs = 20;
    static constexpr int32_t kPresetMenuTag = 11;
    static constexpr int32_t kAboutBoxTag = 42;

    CKROVirenoGUIEditor(void* effect, int32_t firstParameterIndex);
    ~CKROVirenoGUIEditor() override;

    // frame is a VSTGUI::CFrame created for this editor (the frame's editor), open already; the
    // editor takes over the caller's reference. False for no frame.
    bool open(void* frame) override;
    // Closes the frame when the editor holds its last reference, else lets go of its own.
    void close() override;
    void idle() override;
    void setParameter(int32_t index, float value) override;
    void ReceiveDSPMessage(const std::string& text) override;
    void OnControllerConnected() override;
    // The tuner's effect sends no state for the clipboard.
    void ReceiveStateTree(const boost::property_tree::ptree&) override {}
    void valueChanged(VSTGUI::CControl* control) override;
    void SetController(std::unique_ptr<Mevarik::IKROSDKController> newController) override;

    void UpdateSizeFromBackground() override;
    // Makes the editor's parameter info (the product table built with the flag; 0 for the full
    // table) and its control set; control sets made before are destroyed first.
    virtual void CreateControlSets(int32_t presetTableFlag);
    virtual void DestroyControlSets();

    void ShowAboutBox();
    void FillPresetMenu();
    void ReadFactoryPresets(const std::string& text);
    void ReadUserPresets(const std::string& text);

    CKROVirenoCtrlSet* GetControlSet() const { return controlSet; }
    const std::vector<std::string>& FactoryPresetNames() const { return factoryPresetNames; }
    const std::map<std::string, int32_t>& UserPresets() const { return userPresets; }
    int32_t SelectedPresetNumber() const { return selectedPresetNumber; }
    bool IsAboutBoxShown() const { return aboutView != nullptr; }

    // The bitmaps of every editor of the process; null while there is no editor.
    static CKROVirenoGUIContainer* SharedContainer();
    static int32_t EditorCount();

private:
    // Null in the tuner's own layout, which has no preset menu.
    VSTGUI::COptionMenu* PresetMenu() const;
    void ChoosePreset(VSTGUI::COptionMenu& menu);
    void CloseAboutBox();

    const int32_t firstParameterIndex;
    CKROVirenoCtrlSet* controlSet = nullptr; // owned
    std::vector<std::string> factoryPresetNames;
    std::map<std::string, int32_t> userPresets;
    int32_t selectedPresetNumber = 0;
    VSTGUI::CSplashScreen* aboutBox = nullptr; // owned
    CAboutView* aboutView = nullptr;           // the frame's while shown
    VSTGUI::ModalViewSessionID aboutSession = 0;
};
