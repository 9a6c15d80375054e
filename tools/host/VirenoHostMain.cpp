// vireno-host: a command-line VST3 host for Vireno. Loads a bundle through GetPluginFactory, sets
// up its processor and controller as a DAW does, plays a sound file (or the built-in default) through
// it in host-sized blocks, and every few analysis frames reads the display data through the
// controller as the editor does and prints it. With --editor it shows the plug-in's editor and plays
// in real time.

#include "HostDriver.h"
#include "Vst3HostSession.h"

#ifndef VIRENO_DEFAULT_BUNDLE
#define VIRENO_DEFAULT_BUNDLE "Vireno.vst3"
#endif

int main(int argc, char** argv)
{
    return RunHost(argc, argv,
                   {"vireno-host", "Plays a sound through a VST3 tuner plug-in and prints its readings.",
                    VIRENO_DEFAULT_BUNDLE, OpenVst3HostSession});
}
