#include "Vst3Module.h"

#include "testhosts/bundles/BundleFiles.h"

#include <dlfcn.h>

std::string Vst3Module::libraryPath(const std::string& bundlePath)
{
    return bundlePath + "/Contents/x86_64-linux/" + BundleStem(bundlePath, ".vst3") + ".so";
}

std::set<std::string> Vst3Module::exportedSymbols(const std::string& libraryPath)
{
    return ExportedSymbols(libraryPath);
}

std::unique_ptr<Vst3Module> Vst3Module::load(const std::string& bundlePath, std::string& error)
{
    void* library = dlopen(libraryPath(bundlePath).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
    {
        error = dlerror();
        return nullptr;
    }
    using EntryFunction = bool (*)(void*);
    auto moduleEntry = reinterpret_cast<EntryFunction>(dlsym(library, "ModuleEntry"));
    auto moduleExit = reinterpret_cast<ExitFunction>(dlsym(library, "ModuleExit"));
    auto getFactory = reinterpret_cast<GetFactoryProc>(dlsym(library, "GetPluginFactory"));
    if (moduleEntry == nullptr || moduleExit == nullptr || getFactory == nullptr)
    {
        error = "missing entry point in " + libraryPath(bundlePath);
        dlclose(library);
        return nullptr;
    }
    if (!moduleEntry(library))
    {
        error = "ModuleEntry failed";
        dlclose(library);
        return nullptr;
    }
    Steinberg::IPluginFactory* factory = getFactory();
    if (factory == nullptr)
    {
        error = "GetPluginFactory returned no factory";
        moduleExit();
        dlclose(library);
        return nullptr;
    }
    return std::unique_ptr<Vst3Module>(new Vst3Module(library, moduleExit, factory));
}

Vst3Module::Vst3Module(void* library, ExitFunction moduleExit, Steinberg::IPluginFactory* factory)
    : library(library), moduleExit(moduleExit), pluginFactory(factory)
{}

Vst3Module::~Vst3Module()
{
    pluginFactory->release();
    moduleExit();
    dlclose(library);
}
