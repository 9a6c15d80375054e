#include "CKROVirenoCtrlBaseSet.h"

#include "kro-core/gui/CKROGUIContainerInterface.h"
#include "kro-core/plugin/IKROParamInfoInterface.h"
#include "kro-core/plugin/KROParameter.h"
#include "toolkit/vstgui.h"

using namespace VSTGUI;

namespace {

constexpr char kSingleInstanceText[] = "You can run only one instance of Vireno";
const CColor kOverlayColour{150, 150, 150, 220};

} // namespace

CKROVirenoCtrlBaseSet::CKROVirenoCtrlBaseSet(const CKROGUIContainerInterface& bitmaps, IControlListener* listener,
                                             Mevarik::IKROSDKController* controller,
                                             IKROParamInfoInterface* parameterInfo)
    : bitmaps(bitmaps), mainView(nullptr), controller(controller), listener(listener), parameterInfo(parameterInfo)
{
    const CPoint face = BitmapSize(kFaceBitmap);
    mainView = new CViewContainer(CRect(0, 0, face.x, face.y));
    mainView->setBackground(bitmaps.GetBitmap(kFaceBitmap));
}

CKROVirenoCtrlBaseSet::~CKROVirenoCtrlBaseSet()
{
    DestroyControls();
    mainView->forget();
}

void CKROVirenoCtrlBaseSet::SetControlDefaults()
{
    if (!parameterInfo)
        return;
    for (const auto& entry : Controls())
        if (CKROParameter* record = parameterInfo->GetParameter(entry.first))
            entry.second->setDefaultValue(static_cast<float>(record->GetDefaultNormalized()));
}

CPoint CKROVirenoCtrlBaseSet::BitmapSize(int number) const
{
    const CBitmap* bitmap = bitmaps.GetBitmap(number);
    return bitmap ? bitmap->getSize() : CPoint(0, 0);
}

void CKROVirenoCtrlBaseSet::SingleInstanceOverlay(bool active)
{
    overlayShowing = !active;
    if (active)
    {
        if (overlay)
            mainView->removeView(overlay);
        overlay = nullptr;
        return;
    }
    if (overlay)
        return;
    const CRect area = mainView->getViewSize();
    overlay = new CViewContainer(area);
    overlay->setTransparency(false);
    overlay->setBackgroundColor(kOverlayColour);
    const CCoord gap = static_cast<int>(area.getHeight() * 0.5) - 8;
    auto* label = new CTextLabel(CRect(area.left + 10, area.top + gap, area.right - 10, area.bottom - gap),
                                 kSingleInstanceText, nullptr, kNoFrame);
    auto* font = new CFontDesc("Arial", 12, kBoldFace);
    label->setFont(font);
    font->forget();
    label->setFontColor(kWhiteCColor);
    label->setTransparency(true);
    overlay->addView(label);
    mainView->addView(overlay);
}
