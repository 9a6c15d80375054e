#include "EditorPaintCheck.h"

#include "testhosts/x11/WindowPicture.h"

#include <xcb/xcb.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace {

constexpr double kSampleRate = 44100.0;
constexpr int kBlockSize = 512;
// The open A string of a guitar.
constexpr double kToneHz = 110.0;
constexpr int kPollMs = 20;

// Plays the tone through the plug-in in real time on a thread of its own, as a host's audio
// device would.
class TonePlayer
{
public:
    explicit TonePlayer(juce::AudioPluginInstance& plugin) : plugin(plugin), thread([this] { run(); }) {}
    ~TonePlayer()
    {
        running = false;
        thread.join();
    }

private:
    void run()
    {
        juce::AudioBuffer<float> buffer(plugin.getTotalNumInputChannels(), kBlockSize);
        juce::MidiBuffer midi;
        double phase = 0.0;
        const auto blockTime = std::chrono::microseconds(static_cast<long>(1e6 * kBlockSize / kSampleRate));
        auto next = std::chrono::steady_clock::now();
        while (running)
        {
            for (int i = 0; i < kBlockSize; ++i)
            {
                const float sample = static_cast<float>(0.5 * std::sin(phase));
                phase = std::fmod(phase + 2.0 * juce::MathConstants<double>::pi * kToneHz / kSampleRate,
                                  2.0 * juce::MathConstants<double>::pi);
                for (int c = 0; c < buffer.getNumChannels(); ++c)
                    buffer.setSample(c, i, sample);
            }
            plugin.processBlock(buffer, midi);
            midi.clear();
            next += blockTime;
            std::this_thread::sleep_until(next);
        }
    }

    juce::AudioPluginInstance& plugin;
    std::atomic<bool> running{true};
    std::thread thread;
};

// When a round's picture was first painted and first lit, in milliseconds; -1 for never.
struct Round
{
    int paintedAfter = -1;
    int litAfter = -1;
};

// One round: the editor shown until its display is lit or the time is up.
Round showEditorOnce(juce::AudioPluginInstance& plugin, xcb_connection_t* connection, int limitMs)
{
    Round round;
    std::unique_ptr<juce::AudioProcessorEditor> editor(plugin.createEditorIfNeeded());
    if (editor == nullptr)
        return round;
    editor->setTopLeftPosition(40, 40);
    editor->addToDesktop(juce::ComponentPeer::windowHasDropShadow);
    editor->setVisible(true);
    const auto start = std::chrono::steady_clock::now();
    const auto elapsedMs = [&start] {
        return static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
    };
    while (round.litAfter < 0 && elapsedMs() <= limitMs)
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil(kPollMs);
        auto* peer = editor->getPeer();
        if (peer == nullptr)
            continue;
        const auto window = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(peer->getNativeHandle()));
        const WindowPicture picture = ReadWindowPicture(connection, window, editor->getWidth(), editor->getHeight());
        if (picture.painted && round.paintedAfter < 0)
            round.paintedAfter = elapsedMs();
        if (picture.painted && picture.lit)
            round.litAfter = elapsedMs();
    }
    plugin.editorBeingDeleted(editor.get());
    editor.reset();
    // The view's removal reaches the plug-in through the message loop.
    juce::MessageManager::getInstance()->runDispatchLoopUntil(kPollMs);
    return round;
}

} // namespace

bool createWindowManagerAtoms()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool connected = xcb_connection_has_error(connection) == 0;
    if (connected)
        for (const char* name : {"WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "WM_CHANGE_STATE", "WM_STATE",
                                 "_NET_WM_PING", "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_NORMAL", "_NET_WM_STATE",
                                 "_NET_WM_STATE_HIDDEN", "_NET_WM_ALLOWED_ACTIONS", "_MOTIF_WM_HINTS"})
            std::free(xcb_intern_atom_reply(
                connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    xcb_disconnect(connection);
    return connected;
}

bool checkEditorPaints(juce::AudioPluginInstance& plugin, int rounds, int limitMs)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
    {
        xcb_disconnect(connection);
        std::fprintf(stderr, "no X server\n");
        return false;
    }
    plugin.setPlayConfigDetails(plugin.getTotalNumInputChannels(), plugin.getTotalNumOutputChannels(), kSampleRate,
                                kBlockSize);
    plugin.prepareToPlay(kSampleRate, kBlockSize);
    bool allLit = true;
    {
        const TonePlayer tone(plugin);
        for (int number = 1; number <= rounds; ++number)
        {
            const Round round = showEditorOnce(plugin, connection, limitMs);
            if (round.litAfter >= 0)
                std::printf("round %d lit after %d ms (painted after %d ms)\n", number, round.litAfter,
                            round.paintedAfter);
            else if (round.paintedAfter >= 0)
                std::printf("round %d unlit after %d ms (painted after %d ms)\n", number, limitMs, round.paintedAfter);
            else
                std::printf("round %d black after %d ms\n", number, limitMs);
            allLit = allLit && round.litAfter >= 0;
        }
    }
    plugin.releaseResources();
    xcb_disconnect(connection);
    return allLit;
}
