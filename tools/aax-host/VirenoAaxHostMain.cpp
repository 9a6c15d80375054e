// vireno-aax-host: Vireno.aaxplugin run by the simulated AAX host. Loads and registers the module,
// creates an instance of its mono or stereo component as an AAX host does, plays a sound file (or
// the built-in default) through the component's render procedure in host-sized blocks, and every
// few analysis frames reads the display data through the effect as the editor does and prints it,
// in the same form and with the same options as vireno-host. With --editor it shows the plug-in's
// editor and plays in real time.

#include "AaxHostSession.h"
#include "tools/host/HostDriver.h"

#ifndef VIRENO_DEFAULT_AAX_BUNDLE
#define VIRENO_DEFAULT_AAX_BUNDLE "Vireno.aaxplugin"
#endif

int main(int argc, char** argv)
{
    return RunHost(argc, argv,
                   {"vireno-aax-host",
                    "Plays a sound through an AAX tuner plug-in on the simulated AAX host and prints its readings.",
                    VIRENO_DEFAULT_AAX_BUNDLE, OpenAaxHostSession});
}
