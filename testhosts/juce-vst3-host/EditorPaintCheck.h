#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

// Opens the plug-in's editor in a top-level window, `rounds` times one after the other (each round
// creates the editor, shows it and deletes it again), while an audio thread plays a tone through
// the plug-in. Nothing sends the window an input event. After each round prints one of
//   round R lit after T ms (painted after P ms)
//   round R unlit after T ms (painted after P ms)
//   round R black after T ms
// judged from the window's pixels as the X server holds them: painted is the editor's face
// rather than black, lit its tuner display showing the tone. Message thread only.
// Returns whether every round was lit within the time limit.
bool checkEditorPaints(juce::AudioPluginInstance& plugin, int rounds, int limitMs);

// A bare X server (no window manager) lacks the window-manager atoms that JUCE only looks up, and
// JUCE then sets window properties under atom 0, which the server refuses fatally. Creates them;
// call before JUCE's runtime starts. False without an X server.
bool createWindowManagerAtoms();
