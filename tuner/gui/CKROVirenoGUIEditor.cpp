#include "CKROVirenoGUIEditor.h"

#include "CAboutView.h"
#include "CKROVirenoCtrlSet.h"
#include "CKROVirenoGUIContainer.h"
#include "kro-core/plugin/IKROSDKController.h"
#include "tuner/plugin/KROVirenoParamInfo.h"
#include "tuner/plugin/TunerParameterIndex.h"
#include "tuner/plugin/VirenoVersion.h"
#include "kro-core/plugin/KroEditorMessages.h"
#include "kro-core/plugin/KroPresetList.h"
#include "toolkit/vstgui.h"

using namespace VSTGUI;

// The effect marks every parameter it changes, the hidden ones included, for the editor's next tick.
static_assert(TunerParameterIndex::kFirstIndexAAX + TunerParameterIndex::kOffsetCount <= CKROGuiEditor::kDirtyCount,
              "the editor base keeps a dirty mark for every index of the AAX build");
static_assert(TunerParameterIndex::kFirstIndexVST3 + TunerParameterIndex::kOffsetCount <= CKROGuiEditor::kDirtyCount,
              "the editor base keeps a dirty mark for every index of the VST3 build");

namespace {

CKROVirenoGUIContainer* sharedContainer = nullptr;
int32_t editorCount = 0;

constexpr int kAboutBitmap = VirenoBitmap::kAboutPage;

} // namespace

CKROVirenoGUIContainer* CKROVirenoGUIEditor::SharedContainer()
{
    return sharedContainer;
}

int32_t CKROVirenoGUIEditor::EditorCount()
{
    return editorCount;
}

CKROVirenoGUIEditor::CKROVirenoGUIEditor(void* effect, int32_t firstParameterIndex)
    : CKROGuiEditor(effect), firstParameterIndex(firstParameterIndex)
{
    if (!sharedContainer)
    {
        sharedContainer = new CKROVirenoGUIContainer();
        sharedContainer->LoadBitmaps();
    }
    UpdateSizeFromBackground();
    ++editorCount;
    timer->SetInterval(kTimerIntervalMs);
}

CKROVirenoGUIEditor::~CKROVirenoGUIEditor()
{
    // The frame goes first: no view may still draw a bitmap of the container deleted below.
    if (frame)
        close();
    DestroyControlSets();
    parameterInfo.reset();
    if (aboutBox)
        aboutBox->forget();
    if (--editorCount == 0)
    {
        delete sharedContainer;
        sharedContainer = nullptr;
    }
}

void CKROVirenoGUIEditor::UpdateSizeFromBackground()
{
    backgroundBitmap = sharedContainer->GetBitmap(CKROVirenoCtrlBaseSet::kFaceBitmap);
    if (backgroundBitmap)
        SetEditorRect(backgroundBitmap->getWidth(), backgroundBitmap->getHeight());
}

void CKROVirenoGUIEditor::CreateControlSets(int32_t flag)
{
    // A second call would leave the first control set without an owner, and pointing at the
    // parameter info replaced below.
    DestroyControlSets();
    parameterInfo =
        std::make_unique<CKROVirenoParamInfo>(std::make_unique<CKROVirenoParamTable>(firstParameterIndex, flag));
    controlSet = new CKROVirenoCtrlSet(*sharedContainer, this, GetController(), parameterInfo.get());
    controlSets.emplace(0, controlSet);
    currentControlSet = controlSets[0];
}

void CKROVirenoGUIEditor::DestroyControlSets()
{
    delete controlSet;
    controlSet = nullptr;
    currentControlSet = nullptr;
    controlSets.clear();
}

void CKROVirenoGUIEditor::SetController(std::unique_ptr<Mevarik::IKROSDKController> newController)
{
    CKROGuiEditor::SetController(std::move(newController));
    if (controlSet)
        controlSet->SetController(GetController());
}

bool CKROVirenoGUIEditor::open(void* window)
{
    auto* newFrame = static_cast<CFrame*>(window);
    if (!newFrame)
        return false;
    if (frame)
        close();
    newFrame->setSize(rect.right - rect.left, rect.bottom - rect.top);
    if (controlSet)
    {
        // The control set keeps its own reference to the main view; the frame takes the one added
        // here, unless adding fails or throws.
        CView* mainView = controlSet->GetMainView();
        mainView->remember();
        bool added = false;
        try
        {
            added = newFrame->addView(mainView);
        }
        catch (...)
        {
            mainView->forget();
            throw;
        }
        if (!added)
            mainView->forget();
    }
    frame = newFrame;
    // Every parameter the editor shows is read at the first tick. The first parameter index is 0
    // in one build, so reading starts there; in the other build index 0 names nothing.
    if (Mevarik::IKROSDKController* controller = GetController())
        for (int32_t index = 0; index < kDirtyCount; ++index)
            MarkParameterChanged(index,
                                 static_cast<float>(controller->GetParameterNormalized(static_cast<uint32_t>(index))));
    return CKROGuiEditor::open(frame);
}

void CKROVirenoGUIEditor::close()
{
    if (frame)
    {
        // The frame ends the about box's modal session when it closes.
        aboutView = nullptr;
        if (frame->getNbReference() == 1)
            frame->close();
        else
            frame->forget();
        frame = nullptr;
    }
    CKROGuiEditor::close();
}

void CKROVirenoGUIEditor::idle()
{
    CKROGuiEditor::idle();
    if (controlSet)
        controlSet->OnIdle();
}

void CKROVirenoGUIEditor::setParameter(int32_t index, float value)
{
    if (!frame || !controlSet)
        return;
    if (CControl* control = controlSet->FindControl(index))
    {
        control->setValueNormalized(value);
        control->invalid();
    }
    controlSet->OnParameterChanged(index, value);
}

void CKROVirenoGUIEditor::valueChanged(CControl* control)
{
    if (!control || (controlSet && controlSet->OnControlChanged(control)))
        return;
    const int32_t tag = control->getTag();
    const float value = control->getValueNormalized();
    switch (tag)
    {
    case kPresetMenuTag:
        if (COptionMenu* menu = PresetMenu())
            ChoosePreset(*menu);
        return;
    case CKROVirenoCtrlSet::kAboutAreaTag:
        if (value == 1.f)
            ShowAboutBox();
        return;
    case kAboutBoxTag:
        if (value == 0.f)
            CloseAboutBox();
        return;
    default:
        // The framework's own: the clipboard's copy and paste tags, every other tag a parameter.
        CKROGuiEditor::valueChanged(control);
    }
}

COptionMenu* CKROVirenoGUIEditor::PresetMenu() const
{
    return dynamic_cast<COptionMenu*>(controlSet ? controlSet->FindControl(kPresetMenuTag) : nullptr);
}

void CKROVirenoGUIEditor::ChoosePreset(COptionMenu& menu)
{
    const CMenuItem* entry = menu.getCurrentEntry();
    if (!entry)
        return;
    int32_t number = menu.getCurrentIndex();
    if (number >= static_cast<int32_t>(factoryPresetNames.size()))
    {
        auto user = userPresets.find(entry->getTitle());
        number = user == userPresets.end() ? 0 : user->second;
    }
    selectedPresetNumber = number;
    if (Mevarik::IKROSDKController* controller = GetController())
        controller->SendMessage(KroEditorMessages::kSetSelectedPresetNumber + std::to_string(number));
}

void CKROVirenoGUIEditor::OnControllerConnected()
{
    if (Mevarik::IKROSDKController* controller = GetController())
        controller->SendMessage(KroEditorMessages::kGetFactoryPresets);
    FillPresetMenu();
}

void CKROVirenoGUIEditor::FillPresetMenu()
{
    COptionMenu* menu = PresetMenu();
    if (!menu)
        return;
    if (Mevarik::IKROSDKController* controller = GetController())
    {
        controller->SendMessage(KroEditorMessages::kGetUserPresets);
        controller->SendMessage(KroEditorMessages::kGetSelectedPresetNumber);
    }
    menu->removeAllEntry();
    for (const std::string& name : factoryPresetNames)
        menu->addEntry(name);
    if (!userPresets.empty())
    {
        menu->addSeparator();
        for (const auto& user : userPresets)
            menu->addEntry(user.first);
    }
    const auto factoryCount = static_cast<int32_t>(factoryPresetNames.size());
    if (selectedPresetNumber >= 0 && selectedPresetNumber < factoryCount)
        menu->setCurrent(selectedPresetNumber);
    // A user preset's entry is found by its name: separators take places in the menu.
    for (const auto& user : userPresets)
        if (user.second == selectedPresetNumber)
            for (int32_t i = factoryCount; i < menu->getNbEntries(); ++i)
                if (!menu->getEntry(i)->isSeparator() && menu->getEntry(i)->getTitle() == user.first)
                    menu->setCurrent(i);
    menu->invalid();
}

void CKROVirenoGUIEditor::ReceiveDSPMessage(const std::string& text)
{
    using namespace KroEditorMessages;
    std::string value;
    if (ContainsMessage(text, kSetUserPresets))
        ReadUserPresets(text);
    else if (ContainsMessage(text, kDspToGui))
        return;
    else if (ContainsMessage(text, kSetFactoryPresets))
        ReadFactoryPresets(text);
    else if (FindMessageValue(text, kSetSelectedPresetNumber, value))
        selectedPresetNumber = ReadMessageInteger(value);
}

void CKROVirenoGUIEditor::ReadFactoryPresets(const std::string& text)
{
    std::vector<std::string> names;
    if (KroPresetList::ParsePresetListMessage(text, KroEditorMessages::kSetFactoryPresets, names))
        factoryPresetNames = std::move(names);
}

void CKROVirenoGUIEditor::ReadUserPresets(const std::string& text)
{
    std::vector<std::string> names;
    if (KroPresetList::ParsePresetListMessage(text, KroEditorMessages::kSetUserPresets, names))
        userPresets = KroPresetList::NumberUserPresets(names, static_cast<int32_t>(factoryPresetNames.size()));
}

void CKROVirenoGUIEditor::ShowAboutBox()
{
    if (!frame || aboutView)
        return;
    const CRect area = frame->getViewSize();
    auto* view = new CAboutView(area, this, sharedContainer->GetBitmap(kAboutBitmap), VirenoVersion::kAboutText);
    if (aboutBox)
        aboutBox->forget();
    // The splash screen reports the about view's click to the editor as its tag with value 0.
    aboutBox = new CSplashScreen(area, this, kAboutBoxTag, view);
    aboutSession = frame->beginModalViewSession(view);
    if (!aboutSession)
    {
        view->forget();
        return;
    }
    aboutView = view;
    CPoint where(area.left, area.top);
    aboutBox->onMouseDown(where, CButtonState(kLButton));
}

void CKROVirenoGUIEditor::CloseAboutBox()
{
    if (!aboutView || !frame)
        return;
    frame->endModalViewSession(aboutSession);
    aboutView = nullptr;
    frame->invalid();
}
