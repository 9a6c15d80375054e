#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CEffectGUI_VST.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CEffectParameters.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CLinearTaperDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CNumberDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CParameter.h"
#include "testhosts/aax/SimHost.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/VSTGUI_ContentView.h"
#include "testhosts/x11/X11TopWindow.h"

#include "toolkit/IRunLoop.h"
#include "toolkit/StandaloneRunLoop.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// A host's top-level window for the view container; null, and the test failed, when the X server
// refuses one.
std::unique_ptr<X11TopWindow> OpenHostWindow()
{
    std::string error;
    auto window = X11TopWindow::Open("AAX host", 400, 300, error);
    EXPECT_NE(window, nullptr) << error;
    return window;
}

class TwoParameterEffect : public AAX_CEffectParameters
{
protected:
    AAX_Result EffectInit() override
    {
        for (const char* id : {"par1", "par2"})
            parameterRegistry.AddParameter(new AAX_CParameter<float>(id, AAX_CString(id), 0.0f,
                                                                     AAX_CLinearTaperDelegate<float>(0.0f, 1.0f),
                                                                     AAX_CNumberDisplayDelegate<float>(), true));
        return AAX_SUCCESS;
    }
};

// A content view whose posting to the host window is recorded instead of sent.
class KeyRecordingView : public VSTGUI_ContentView
{
public:
    using VSTGUI_ContentView::VSTGUI_ContentView;
    std::vector<uint32_t> posted;
    bool postSucceeds = true;

protected:
    bool PostKeyDownToHost(void*, uint32_t virtualKey) override
    {
        posted.push_back(virtualKey);
        return postSucceeds;
    }
};

// A product's GUI object: logs its hooks and opens a 300 x 200 frame in the host's window.
class TestGUI : public AAX_CEffectGUI_VST
{
public:
    explicit TestGUI(Strings& log) : log(log) {}
    // What the product's own destructor does: its view goes while the object is still whole.
    ~TestGUI() override { log.push_back("~TestGUI"); }

    AAX_Result ParameterUpdated(AAX_CParamID id) override
    {
        log.push_back(std::string("ParameterUpdated ") + id);
        return AAX_SUCCESS;
    }
    KeyRecordingView* View() const { return static_cast<KeyRecordingView*>(GetFrame()); }

protected:
    AAX_Result CreateViewContents() override
    {
        log.push_back("CreateViewContents");
        return AAX_SUCCESS;
    }
    AAX_Result CreateEffectView(void* nativeWindow) override
    {
        log.push_back("CreateEffectView");
        auto* view = new KeyRecordingView(VSTGUI::CRect(0, 0, 300, 200), nullptr, GetEffectParameters());
        SetFrame(view);
        return OpenFrame(*view, nativeWindow) ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT;
    }
    AAX_Result DeleteViewContainer() override
    {
        log.push_back("DeleteViewContainer");
        return AAX_CEffectGUI_VST::DeleteViewContainer();
    }

private:
    Strings& log;
};

struct EffectGUITest : ::testing::Test
{
    SimHost host;
    Strings log;
    TwoParameterEffect* effect = new TwoParameterEffect;
    TestGUI* gui = new TestGUI(log);
    VSTGUI::StandaloneRunLoop loop;

    void SetUp() override
    {
        effect->AddRef();
        ASSERT_EQ(effect->Initialize(host.Unknown()), AAX_SUCCESS);
        host.effectLink.SetEffect(static_cast<AAX_IEffectParameters*>(effect));
        VSTGUI::RunLoop::setCurrent(&loop);
        ASSERT_EQ(gui->Initialize(host.Unknown()), AAX_SUCCESS);
    }
    void TearDown() override
    {
        if (gui)
            DestroyGUI();
        VSTGUI::RunLoop::setCurrent(nullptr);
        host.effectLink.SetEffect(nullptr);
        effect->Uninitialize();
        EXPECT_EQ(effect->Release(), 0u); // the GUI gave back every reference it took
        EXPECT_EQ(UnbalancedBesidesTheContainer(), Strings());
    }
    // The view-container wrapper keeps the host's references without releasing them: the host
    // owns its container and takes it away itself.
    Strings UnbalancedBesidesTheContainer() const
    {
        Strings unbalanced;
        for (const std::string& object : host.UnbalancedObjects())
            if (object.rfind("ViewContainer:", 0) != 0)
                unbalanced.push_back(object);
        return unbalanced;
    }
    void DestroyGUI()
    {
        delete gui;
        gui = nullptr;
    }
    void ShowIn(const X11TopWindow& window)
    {
        host.values.viewContainerType = AAX_eViewContainer_Type_NativeWindow;
        host.values.viewContainerWindow = window.NativeWindow();
        ASSERT_EQ(gui->SetViewContainer(host.ViewContainer()), AAX_SUCCESS);
    }
};

TEST_F(EffectGUITest, InitializeCreatesTheContentsAndReachesTheEffect)
{
    EXPECT_EQ(log, Strings{"CreateViewContents"});
    EXPECT_EQ(gui->GetEffectParameters(), static_cast<AAX_IEffectParameters*>(effect));
    EXPECT_NE(gui->GetController(), nullptr);
    EXPECT_EQ(gui->GetViewContainerType(), AAX_eViewContainer_Type_NULL);
    EXPECT_EQ(gui->GetViewContainerPtr(), nullptr);

    auto* bare = new TestGUI(log);
    EXPECT_EQ(bare->Initialize(nullptr), AAX_ERROR_NOT_INITIALIZED);
    EXPECT_EQ(bare->GetController(), nullptr);
    delete bare;
}

TEST_F(EffectGUITest, ANativeWindowContainerOpensTheFrameAsItsChildAndReportsEveryParameter)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    const auto window = OpenHostWindow();
    ASSERT_NE(window, nullptr);
    log.clear();
    ShowIn(*window);
    EXPECT_EQ(log, (Strings{"CreateEffectView", "ParameterUpdated par1", "ParameterUpdated par2"}));
    EXPECT_EQ(window->ChildCount(), 1);
    ASSERT_NE(gui->View(), nullptr);
    EXPECT_EQ(gui->View()->GetEffectParameters(), static_cast<AAX_IEffectParameters*>(effect));

    AAX_Point size{-1.0f, -1.0f};
    EXPECT_EQ(gui->GetViewSize(&size), AAX_SUCCESS);
    EXPECT_EQ(size.horz, 300.0f);
    EXPECT_EQ(size.vert, 200.0f);
    AAX_Rect area{10.0f, 20.0f, 30.0f, 40.0f};
    EXPECT_EQ(gui->Draw(&area), AAX_SUCCESS);
    EXPECT_EQ(gui->Draw(nullptr), AAX_SUCCESS);

    log.clear();
    EXPECT_EQ(gui->SetViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_EQ(log, Strings{"DeleteViewContainer"});
    EXPECT_EQ(window->ChildCount(), 0);
    EXPECT_EQ(gui->View(), nullptr);
    EXPECT_EQ(gui->GetViewContainerType(), AAX_eViewContainer_Type_NULL);
}

TEST_F(EffectGUITest, AContainerOfAnotherTypeOpensNoView)
{
    host.values.viewContainerType = AAX_eViewContainer_Type_NULL;
    log.clear();
    EXPECT_EQ(gui->SetViewContainer(host.ViewContainer()), AAX_SUCCESS);
    EXPECT_EQ(log, (Strings{"ParameterUpdated par1", "ParameterUpdated par2"}));
    EXPECT_EQ(gui->View(), nullptr);
    AAX_Point size{7.0f, 8.0f};
    EXPECT_EQ(gui->GetViewSize(&size), AAX_SUCCESS); // no view: the point stays
    EXPECT_EQ(size.vert, 7.0f);
    EXPECT_EQ(size.horz, 8.0f);
}

TEST_F(EffectGUITest, ReplacingTheContainerClosesTheOldViewBeforeTheNewOneOpens)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    const auto first = OpenHostWindow();
    const auto second = OpenHostWindow();
    ASSERT_TRUE(first && second);
    ShowIn(*first);
    log.clear();
    ShowIn(*second);
    EXPECT_EQ(log,
              (Strings{"DeleteViewContainer", "CreateEffectView", "ParameterUpdated par1", "ParameterUpdated par2"}));
    EXPECT_EQ(first->ChildCount(), 0);
    EXPECT_EQ(second->ChildCount(), 1);
}

TEST_F(EffectGUITest, UninitializeClosesTheViewAndGivesBackTheEffect)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    const auto window = OpenHostWindow();
    ASSERT_NE(window, nullptr);
    ShowIn(*window);
    log.clear();
    EXPECT_EQ(gui->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(log, Strings{"DeleteViewContainer"});
    EXPECT_EQ(window->ChildCount(), 0);
    EXPECT_EQ(gui->GetEffectParameters(), nullptr);
    EXPECT_EQ(gui->GetController(), nullptr);
    EXPECT_EQ(gui->Uninitialize(), AAX_SUCCESS); // again: nothing left to give back
}

// The host may destroy the object with its view still open: no hook of a part already destroyed
// runs, the frame goes, and the effect's reference is given back once.
TEST_F(EffectGUITest, DestructionWithAContainerStillSetClosesTheViewAndReleasesOnce)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    const auto window = OpenHostWindow();
    ASSERT_NE(window, nullptr);
    ShowIn(*window);
    log.clear();
    DestroyGUI();
    EXPECT_EQ(log, Strings{"~TestGUI"});
    EXPECT_EQ(window->ChildCount(), 0);
}

TEST_F(EffectGUITest, AnswersTheGUIInterfaceOnly)
{
    void* out = nullptr;
    ASSERT_EQ(gui->QueryInterface(IID_AAX_IACFEffectGUI, &out), ACF_OK);
    EXPECT_EQ(out, static_cast<AAX_IEffectGUI*>(gui));
    EXPECT_EQ(gui->QueryInterface(IID_AAX_IACFEffectParameters, &out), ACF_E_NOINTERFACE);
    EXPECT_EQ(gui->Release(), 0u); // deleted with its last reference
    gui = nullptr;
    AAX_CString label;
    auto* other = new TestGUI(log);
    EXPECT_EQ(other->GetCustomLabel(0, &label), AAX_ERROR_NULL_OBJECT);
    delete other;
}

TEST(VSTGUI_ContentView, MapsEveryFrameVirtualKeyToItsWindowsCode)
{
    const struct
    {
        unsigned char frameKey;
        uint32_t windowsKey;
    } cases[] = {
        {1, 8},    {2, 9},    {3, 12},   {4, 13},   {5, 19},   {6, 27},   {7, 32},   {8, 0},    {9, 35},
        {10, 36},  {11, 37},  {12, 38},  {13, 39},  {14, 40},  {15, 33},  {16, 34},  {17, 41},  {18, 42},
        {19, 0},   {20, 44},  {21, 45},  {22, 46},  {23, 47},  {24, 96},  {33, 105}, {34, 106}, {35, 107},
        {36, 108}, {37, 109}, {38, 110}, {39, 111}, {40, 112}, {44, 116}, {51, 123}, {52, 144}, {53, 145},
        {54, 16},  {55, 17},  {56, 18},  {57, 57},  {0, 0},    {58, 0},   {255, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VSTGUI_ContentView::WindowsVirtualKey(c.frameKey), c.windowsKey) << int(c.frameKey);
}

TEST(VSTGUI_ContentView, AnUnusedKeyGoesToTheHostWindowWithItsVirtualKeyOnly)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    const auto window = OpenHostWindow();
    ASSERT_NE(window, nullptr);
    VSTGUI::StandaloneRunLoop loop;
    auto* view = new KeyRecordingView(VSTGUI::CRect(0, 0, 50, 50), nullptr, nullptr);
    ASSERT_TRUE(view->open(window->NativeWindow(), VSTGUI::PlatformType::kX11EmbedWindowID, &loop));

    VSTGUI::VstKeyCode f5;
    f5.virt = VSTGUI::VKEY_F5;
    f5.character = 'x';
    EXPECT_EQ(view->onKeyDown(f5), 1);
    VSTGUI::VstKeyCode next;
    next.virt = VSTGUI::VKEY_NEXT;
    EXPECT_EQ(view->onKeyDown(next), 1);
    EXPECT_EQ(view->posted, (std::vector<uint32_t>{116, 0}));
    view->postSucceeds = false;
    EXPECT_EQ(view->onKeyDown(f5), 0);
    view->close();

    // Offscreen there is no host window to post to.
    auto* offscreen = new KeyRecordingView(VSTGUI::CRect(0, 0, 50, 50), nullptr, nullptr);
    ASSERT_TRUE(offscreen->open(nullptr, VSTGUI::PlatformType::kOffscreen));
    EXPECT_EQ(offscreen->onKeyDown(f5), 0);
    EXPECT_TRUE(offscreen->posted.empty());
    offscreen->close();
}

// The host's own window, on a connection the test reads: the key arrives there as the client
// message WM_KEYDOWN with the Windows virtual key.
TEST(VSTGUI_ContentView, OnX11TheKeyReachesTheHostWindowAsAClientMessage)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    xcb_connection_t* host = xcb_connect(nullptr, nullptr);
    ASSERT_FALSE(xcb_connection_has_error(host));
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(host)).data;
    const xcb_window_t hostWindow = xcb_generate_id(host);
    xcb_create_window(host, XCB_COPY_FROM_PARENT, hostWindow, screen->root, 0, 0, 100, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    xcb_flush(host);

    VSTGUI::StandaloneRunLoop loop;
    auto* view = new VSTGUI_ContentView(VSTGUI::CRect(0, 0, 50, 50), nullptr, nullptr);
    ASSERT_TRUE(view->open(reinterpret_cast<void*>(static_cast<uintptr_t>(hostWindow)),
                           VSTGUI::PlatformType::kX11EmbedWindowID, &loop));
    VSTGUI::VstKeyCode f5;
    f5.virt = VSTGUI::VKEY_F5;
    EXPECT_EQ(view->onKeyDown(f5), 1);
    view->close();

    bool received = false;
    for (int attempt = 0; attempt < 100 && !received; ++attempt)
    {
        xcb_generic_event_t* event = xcb_poll_for_event(host);
        if (!event)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE)
        {
            const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
            received =
                message->window == hostWindow && message->data.data32[0] == 0x0100u && message->data.data32[1] == 116u;
        }
        std::free(event);
    }
    EXPECT_TRUE(received);
    xcb_destroy_window(host, hostWindow);
    xcb_disconnect(host);
}

} // namespace
