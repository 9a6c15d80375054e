// Vireno.aaxplugin's editor through the built module, as the simulated host opens it: the GUI
// factory's object in a window of the host's, woken by the host's timer, while the host renders a
// tone in real time on an audio thread. What the window shows is read back from the X server.

#include "testhosts/aax/SimEditor.h"
#include "VirenoAaxTestHost.h"
#include "testhosts/x11/WindowPicture.h"
#include "aaxsdk/AAX_Results.h"

#include <xcb/xcb.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Plays the open A string through the instance in real time, as a host's audio device would.
class TonePlayer
{
public:
    explicit TonePlayer(SimInstance& instance) : instance(instance), thread([this] { Run(); }) {}
    ~TonePlayer()
    {
        running = false;
        thread.join();
    }

private:
    void Run()
    {
        constexpr int32_t kBlock = 512;
        constexpr double kRate = 48000.0;
        std::vector<float> in(kBlock), out(kBlock);
        const float* inputs[] = {in.data()};
        float* outputs[] = {out.data()};
        auto next = Clock::now();
        for (long block = 0; running; ++block)
        {
            for (int32_t i = 0; i < kBlock; ++i)
                in[size_t(i)] = float(0.5 * std::sin(2.0 * M_PI * 110.0 * double(block * kBlock + i) / kRate));
            instance.Render(inputs, outputs, kBlock);
            next += std::chrono::microseconds(long(1e6 * kBlock / kRate));
            std::this_thread::sleep_until(next);
        }
    }

    SimInstance& instance;
    std::atomic<bool> running{true};
    std::thread thread;
};

int ChildWindows(SimEditorWindow& window)
{
    xcb_connection_t* connection = window.Window().Connection();
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window.Window().Id()), nullptr);
    if (!tree)
        return -1;
    const int count = xcb_query_tree_children_length(tree);
    std::free(tree);
    return count;
}

class VirenoAaxEditorWindow : public VirenoAaxTest
{
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "no X server (DISPLAY is unset)";
        VirenoAaxTest::SetUp();
        std::string error;
        window = SimEditorWindow::Open("Vireno.aaxplugin", 480, 280, error);
        ASSERT_NE(window, nullptr) << error;
    }
    void TearDown() override
    {
        editor.reset();
        VirenoAaxTest::TearDown();
        window.reset();
    }
    // The GUI of the first instance, made through the factory and initialised on its host.
    SimEditor& OpenEditor()
    {
        editor = std::make_unique<SimEditor>(*plugIn->Effect(), HostOf(0));
        EXPECT_EQ(editor->Error(), "");
        return *editor;
    }

    std::unique_ptr<SimEditorWindow> window;
    std::unique_ptr<SimEditor> editor;
};

TEST_F(VirenoAaxEditorWindow, OpensAsTheWindowsChildTwiceThroughTheFactory)
{
    Open(kMonoComponent);
    SimEditor& gui = OpenEditor();
    ASSERT_TRUE(gui.IsOpen());
    for (int round = 1; round <= 2; ++round)
    {
        SCOPED_TRACE(round);
        gui.Show(window->NativeWindow());
        EXPECT_EQ(ChildWindows(*window), 1);
        const AAX_Point size = gui.ViewSize();
        EXPECT_GT(size.horz, 100.0f);
        EXPECT_GT(size.vert, 100.0f);
        gui.Serve(*window, 60);
        gui.Show(nullptr);
        EXPECT_EQ(ChildWindows(*window), 0);
    }
}

TEST_F(VirenoAaxEditorWindow, ShowsALitDisplayWithinOneSecondWithoutAnyInput)
{
    SimInstance& instance = Open(kMonoComponent);
    ASSERT_EQ(instance.GenerateCoefficients(), AAX_SUCCESS);
    SimEditor& gui = OpenEditor();
    ASSERT_TRUE(gui.IsOpen());
    const TonePlayer tone(instance);
    gui.Show(window->NativeWindow());
    const AAX_Point size = gui.ViewSize();
    window->Window().Resize(int(size.horz), int(size.vert));

    const auto start = Clock::now();
    WindowPicture picture;
    while (!picture.lit && Clock::now() - start < std::chrono::seconds(1))
    {
        gui.Serve(*window, 20);
        picture =
            ReadWindowPicture(window->Window().Connection(), window->Window().Id(), int(size.horz), int(size.vert));
    }
    EXPECT_TRUE(picture.painted);
    EXPECT_TRUE(picture.lit) << "no lit display after "
                             << std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count()
                             << " ms";
    gui.Show(nullptr);
}

} // namespace
