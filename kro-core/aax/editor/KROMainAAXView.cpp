#include "KROMainAAXView.h"

CKROMainAAXView::CKROMainAAXView(AAX_IEffectParameters* effectParameters, VSTGUI::VSTGUIEditorInterface* editor,
                                 AAX_IViewContainer* viewContainer)
    : VSTGUI_ContentView(VSTGUI::CRect(0, 0, 0, 0), editor, effectParameters), viewContainer(viewContainer)
{}
