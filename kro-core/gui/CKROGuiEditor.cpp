#include "CKROGuiEditor.h"

#include "toolkit/CBitmap.h"
#include "toolkit/CFrame.h"
#include "kro-core/plugin/IKROParamInfoInterface.h"
#include "kro-core/plugin/IKROSDKController.h"
#include "kro-core/plugin/KROParameter.h"
#include "kro-core/plugin/KROStateTreeXml.h"
#include "kro-core/plugin/KroEditorMessages.h"

#include <boost/property_tree/ptree.hpp>

#include <cmath>

namespace {

int16_t toShort(VSTGUI::CCoord value)
{
    return static_cast<int16_t>(value);
}

// A controller that answers outside 0 ... 1 (or not a number) must not reach the controls.
float clampedNormalized(double value)
{
    if (!(value >= 0.0))
        return 0.f;
    return value > 1.0 ? 1.f : static_cast<float>(value);
}

} // namespace

CKROGuiEditor::CKROGuiEditor(void* effect)
    : VSTGUI::PluginGUIEditor(effect), timer(std::make_unique<CKROGuiTimer>(*this, kDefaultTimerIntervalMs))
{
    setKnobMode(VSTGUI::kLinearMode);
}

CKROGuiEditor::~CKROGuiEditor()
{
    timer->Stop();
    controlSets.clear();
}

bool CKROGuiEditor::open(void* window)
{
    isOpen = true;
    PluginGUIEditor::open(window);
    timer->Start();
    OnControllerConnected();
    return true;
}

void CKROGuiEditor::close()
{
    timer->Stop();
    isOpen = false;
}

void CKROGuiEditor::idle()
{
    if (!controller || !anyDirty)
        return;
    for (int32_t index = 0; index < kDirtyCount; ++index)
    {
        if (!dirtyMarks[static_cast<size_t>(index)])
            continue;
        // Cleared before the call: showing the value may mark the index again for the next tick.
        dirtyMarks[static_cast<size_t>(index)] = false;
        setParameter(index, clampedNormalized(controller->GetParameterNormalized(static_cast<uint32_t>(index))));
    }
    anyDirty = false;
}

void CKROGuiEditor::ReceiveDSPMessage(const std::string&) {}

void CKROGuiEditor::ReceiveDSPBinary(const float*, int32_t) {}

void CKROGuiEditor::ReceiveStateTree(const boost::property_tree::ptree& tree)
{
    const auto info = tree.get_child_optional("PluginState.PluginInfo");
    if (!info || info->get<std::string>("Action", "") != KroEditorMessages::kActionClipboard)
        return;
    std::string text;
    if (WriteStateTreeXml(tree, KROStateTreeLayout::kIndented, text))
        platform::CurrentPlatform().SetClipboardText(text);
}

void CKROGuiEditor::MarkParameterChanged(int32_t index, float)
{
    if (index < 0 || index >= kDirtyCount)
        return;
    dirtyMarks[static_cast<size_t>(index)] = true;
    anyDirty = true;
}

void CKROGuiEditor::OnControllerConnected() {}

uint32_t CKROGuiEditor::GetTicks()
{
    return platform::CurrentPlatform().GetTickCount();
}

double CKROGuiEditor::NormalizedToPlain(int32_t index, double normalized)
{
    CKROParameter* record = parameterInfo ? parameterInfo->GetParameter(index) : nullptr;
    return record ? record->Denormalize(normalized) : normalized;
}

double CKROGuiEditor::PlainToNormalized(int32_t index, double plain)
{
    CKROParameter* record = parameterInfo ? parameterInfo->GetParameter(index) : nullptr;
    return record ? record->Normalize(plain) : plain;
}

bool CKROGuiEditor::OpenHelp()
{
    return false;
}

bool CKROGuiEditor::OpenAboutBox()
{
    return false;
}

float CKROGuiEditor::GetZoomFactor()
{
    return frame ? static_cast<float>(frame->getZoom()) : 0.f;
}

void CKROGuiEditor::SetMaximumZoomFactor(float maximum)
{
    maximumZoom = maximum;
    if (frame && frame->getZoom() > maximum)
        SetZoomFactor(maximum);
}

void CKROGuiEditor::SetZoomFactor(float zoom)
{
    // Not a number, nothing or less would leave the editor without a size.
    if (!(zoom > 0.f) || zoom > maximumZoom || !frame || !backgroundBitmap)
        return;
    const double previous = frame->getZoom();
    frame->setZoom(zoom);
    const VSTGUI::CRect size(0, 0, backgroundBitmap->getWidth() * zoom, backgroundBitmap->getHeight() * zoom);
    if (ResizeEditor(size))
        return;
    // The frame's size follows its zoom, so going back to the old zoom restores the old size; the
    // rectangle the host is told must follow it too.
    frame->setZoom(previous);
    SetEditorRect(frame->getWidth(), frame->getHeight());
}

bool CKROGuiEditor::ResizeEditor(const VSTGUI::CRect& size)
{
    if (!frame)
        return false;
    const VSTGUI::CRect previous = frame->getViewSize();
    frame->setSize(size.getWidth(), size.getHeight());
    frame->invalid();
    rect = {toShort(size.top), toShort(size.left), toShort(size.bottom), toShort(size.right)};
    if (HostAcceptsSize(size.getWidth(), size.getHeight()))
        return true;
    frame->setSize(previous.getWidth(), previous.getHeight());
    SetEditorRect(previous.getWidth(), previous.getHeight());
    return false;
}

bool CKROGuiEditor::HostAcceptsSize(VSTGUI::CCoord, VSTGUI::CCoord)
{
    return true;
}

void CKROGuiEditor::SetEditorRect(VSTGUI::CCoord width, VSTGUI::CCoord height)
{
    rect = {0, 0, toShort(height), toShort(width)};
}

void CKROGuiEditor::valueChanged(VSTGUI::CControl* control)
{
    if (!control || !controller)
        return;
    const int32_t tag = control->getTag();
    if (tag == kCopyStateTag)
    {
        controller->SendMessage(std::string(KroEditorMessages::kGetPluginState) + KroEditorMessages::kActionClipboard);
        return;
    }
    if (tag == kPasteStateTag)
        PasteStateFromClipboard();
    // The paste button's own value goes out too; the controllers ignore indices that name nothing.
    controller->SetParameterNormalized(static_cast<uint32_t>(tag), control->getValueNormalized());
}

void CKROGuiEditor::PasteStateFromClipboard()
{
    std::string text;
    boost::property_tree::ptree tree;
    if (platform::CurrentPlatform().GetClipboardText(text) && ReadStateTreeXml(text, tree))
        controller->SendStateTree(tree);
}

void CKROGuiEditor::controlBeginEdit(VSTGUI::CControl* control)
{
    if (control && controller)
        controller->BeginEdit(static_cast<uint32_t>(control->getTag()));
}

void CKROGuiEditor::controlEndEdit(VSTGUI::CControl* control)
{
    if (control && controller)
        controller->EndEdit(static_cast<uint32_t>(control->getTag()));
}

void CKROGuiEditor::SetController(std::unique_ptr<Mevarik::IKROSDKController> newController)
{
    controller = std::move(newController);
}
