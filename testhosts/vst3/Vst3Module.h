#pragma once

// A VST3 bundle loaded the way a Linux host loads it: dlopen of Contents/x86_64-linux/<Name>.so,
// ModuleEntry, GetPluginFactory; on destruction the factory is released, ModuleExit called and
// the library closed.

#include "pluginterfaces/base/ipluginbase.h"

#include <memory>
#include <set>
#include <string>

class Vst3Module
{
public:
    // Null with a message when the bundle cannot be loaded or has no working entry points.
    static std::unique_ptr<Vst3Module> load(const std::string& bundlePath, std::string& error);

    // The library inside a bundle folder: <bundle>/Contents/x86_64-linux/<bundle name without .vst3>.so
    static std::string libraryPath(const std::string& bundlePath);

    // The names a library defines in its dynamic symbol table, which is all a host's dlsym can reach.
    static std::set<std::string> exportedSymbols(const std::string& libraryPath);

    ~Vst3Module();
    Vst3Module(const Vst3Module&) = delete;
    Vst3Module& operator=(const Vst3Module&) = delete;

    Steinberg::IPluginFactory* factory() const { return pluginFactory; }

private:
    using ExitFunction = bool (*)();

    Vst3Module(void* library, ExitFunction moduleExit, Steinberg::IPluginFactory* factory);

    void* library;
    ExitFunction moduleExit;
    Steinberg::IPluginFactory* pluginFactory;
};
