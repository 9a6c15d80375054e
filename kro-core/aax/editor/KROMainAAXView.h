#pragma once

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/VSTGUI_ContentView.h"

class AAX_IViewContainer;

// The frame of an AAX editor in the host's window. It is made with an empty size (the editor
// sizes it when it opens) and keeps the view container the editor asks for new sizes.
class CKROMainAAXView final : public VSTGUI_ContentView
{
public:
    CKROMainAAXView(AAX_IEffectParameters* effectParameters, VSTGUI::VSTGUIEditorInterface* editor,
                    AAX_IViewContainer* viewContainer);

    // UI thread. The host's container; it outlives the open frame.
    AAX_IViewContainer* GetViewContainer() const { return viewContainer; }

private:
    AAX_IViewContainer* viewContainer; // not owned
};
