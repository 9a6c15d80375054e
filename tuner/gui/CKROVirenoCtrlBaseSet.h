#pragma once

#include "kro-core/gui/CKROCtrlSetInterface.h"
#include "tuner/resources/VirenoBitmapNumbers.h"

#include <cstdint>

class CKROGUIContainerInterface;
class IKROParamInfoInterface;

namespace Mevarik {
class IKROSDKController;
}

namespace VSTGUI {
class CBitmap;
class CControl;
class CViewContainer;
class IControlListener;
} // namespace VSTGUI

// What every control set of the tuner shares: the main view with the face bitmap, the references
// to the bitmaps, the controller, the listener and the parameter info, the single-instance overlay
// and the gate of the display refresh. The product set fills in the controls.
class CKROVirenoCtrlBaseSet : public CKROCtrlSetInterface
{
public:
    static constexpr int kFaceBitmap = VirenoBitmap::kMainFace;

    // Keeps references only: the bitmaps, the listener (the editor), the controller and the
    // parameter info must outlive the control set. Any of controller and parameter info may be null.
    CKROVirenoCtrlBaseSet(const CKROGUIContainerInterface& bitmaps, VSTGUI::IControlListener* listener,
                          Mevarik::IKROSDKController* controller, IKROParamInfoInterface* parameterInfo);
    ~CKROVirenoCtrlBaseSet() override;

    // The display refresh, on every tick of the editor.
    virtual void OnIdle() {}
    // After the editor has shown the value on the control whose tag is the index.
    virtual void OnParameterChanged(int32_t, float) {}
    // True when the control set handled the change itself.
    virtual bool OnControlChanged(VSTGUI::CControl*) { return false; }
    // Every control whose tag names a parameter gets the parameter's default as its default.
    virtual void SetControlDefaults();

    // The editor's new controller, when it is given one after the control set was made.
    void SetController(Mevarik::IKROSDKController* newController) { controller = newController; }

    // The view the editor puts into its frame; the control set keeps a reference of its own.
    VSTGUI::CViewContainer* GetMainView() const { return mainView; }
    VSTGUI::CViewContainer* GetSettingsPage() const { return settingsPage; }
    bool IsOverlayShowing() const { return overlayShowing; }
    VSTGUI::CViewContainer* GetOverlay() const { return overlay; }

protected:
    // Shows the overlay that says only one instance can run while the effect is not active.
    void SingleInstanceOverlay(bool active);
    // The bitmap's size in points; 0 by 0 when it is missing.
    VSTGUI::CPoint BitmapSize(int number) const;

    const CKROGUIContainerInterface& bitmaps;
    VSTGUI::CViewContainer* mainView;
    VSTGUI::CViewContainer* settingsPage = nullptr; // a child of the main view
    VSTGUI::CViewContainer* overlay = nullptr;      // a child of the main view while shown
    Mevarik::IKROSDKController* controller;
    VSTGUI::IControlListener* listener;
    IKROParamInfoInterface* parameterInfo;
    bool overlayShowing = false;
    uint32_t lastRefreshTick = 0;
    bool skipNextRefresh = true;
};
