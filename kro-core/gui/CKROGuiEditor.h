#pragma once

#include "CKROCtrlSetInterface.h"
#include "CKROGuiTimer.h"
#include "toolkit/IControlListener.h"
#include "toolkit/PluginGUIEditor.h"

#include <boost/property_tree/ptree_fwd.hpp>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

class IKROParamInfoInterface;

namespace Mevarik {
class IKROSDKController;
}

namespace VSTGUI {
class CBitmap;
}

// The editor base of the plug-in framework: it opens and closes on the host's request, ticks on its
// window timer, pulls the parameters the effect marked as changed into the controls, passes control
// changes and edit gestures to the effect through its controller, copies the plug-in state to the
// clipboard and pastes it back, and zooms. It listens to every control it creates.
class CKROGuiEditor : public VSTGUI::PluginGUIEditor, public VSTGUI::IControlListener
{
public:
    // Parameter indices 0 ... kDirtyCount - 1 can be marked as changed.
    static constexpr int32_t kDirtyCount = 10;
    static constexpr int32_t kDefaultTimerIntervalMs = 100;
    static constexpr float kDefaultMaximumZoom = 2.f;
    // Control tags with a meaning of their own: copy the state to the clipboard, paste it back.
    static constexpr int32_t kCopyStateTag = 2000;
    static constexpr int32_t kPasteStateTag = 2001;

    explicit CKROGuiEditor(void* effect);
    ~CKROGuiEditor() override;
    CKROGuiEditor(const CKROGuiEditor&) = delete;
    CKROGuiEditor& operator=(const CKROGuiEditor&) = delete;

    bool open(void* systemWindow) override;
    void close() override;
    // The timer's tick: every marked parameter is read from the controller and shown.
    void idle() override;

    virtual void ReceiveDSPMessage(const std::string& text);
    virtual void ReceiveDSPBinary(const float* data, int32_t count);
    // The clipboard copy: a tree whose "Action" is "Clipboard" goes to the clipboard as XML text.
    virtual void ReceiveStateTree(const boost::property_tree::ptree& tree);
    // Marks the index for the next tick; the value is not kept, the tick reads the controller's.
    virtual void MarkParameterChanged(int32_t index, float value);
    virtual void OnControllerConnected();
    virtual uint32_t GetTicks();
    // Through the parameter record of the index; unchanged without one.
    virtual double NormalizedToPlain(int32_t index, double normalized);
    virtual double PlainToNormalized(int32_t index, double plain);
    virtual bool OpenHelp();
    virtual bool OpenAboutBox();
    // The frame's zoom; 0 without a frame.
    virtual float GetZoomFactor();
    virtual void SetMaximumZoomFactor(float maximum);
    virtual void SetZoomFactor(float zoom);
    // Takes the background bitmap and the editor rectangle from the product's artwork.
    virtual void UpdateSizeFromBackground() = 0;

    void valueChanged(VSTGUI::CControl* control) override;
    void controlBeginEdit(VSTGUI::CControl* control) override;
    void controlEndEdit(VSTGUI::CControl* control) override;

    // Resizes the frame (pixels) and the editor rectangle; false, with both kept, when the host
    // refuses the size.
    bool ResizeEditor(const VSTGUI::CRect& rect);

    // The editor owns the controller it is given and deletes the one it had.
    virtual void SetController(std::unique_ptr<Mevarik::IKROSDKController> newController);
    Mevarik::IKROSDKController* GetController() const { return controller.get(); }
    bool IsOpen() const { return isOpen; }
    const CKROGuiTimer& Timer() const { return *timer; }

protected:
    // The format's editor view says here whether the host takes the new size (pixels).
    virtual bool HostAcceptsSize(VSTGUI::CCoord width, VSTGUI::CCoord height);
    // The rectangle getRect hands out, from (0, 0) to the size.
    void SetEditorRect(VSTGUI::CCoord width, VSTGUI::CCoord height);

    std::unique_ptr<IKROParamInfoInterface> parameterInfo;
    std::map<int32_t, CKROCtrlSetInterface*> controlSets; // not owned
    CKROCtrlSetInterface* currentControlSet = nullptr;
    VSTGUI::CBitmap* backgroundBitmap = nullptr; // not owned
    std::unique_ptr<CKROGuiTimer> timer;

private:
    void PasteStateFromClipboard();

    bool isOpen = false;
    float maximumZoom = kDefaultMaximumZoom;
    std::unique_ptr<Mevarik::IKROSDKController> controller;
    bool anyDirty = false;
    std::array<bool, kDirtyCount> dirtyMarks{};
};
