#include "Vst3Module.h"

#include <dlfcn.h>

#include <cstdio>
#include <sstream>

namespace {

std::string bundleStem(std::string path)
{
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string suffix = ".vst3";
    if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        name.erase(name.size() - suffix.size());
    return name;
}

} // namespace

std::string Vst3Module::libraryPath(const std::string& bundlePath)
{
    return bundlePath + "/Contents/x86_64-linux/" + bundleStem(bundlePath) + ".so";
}

std::set<std::string> Vst3Module::exportedSymbols(const std::string& libraryPath)
{
    std::set<std::string> names;
    const std::string command = "nm -D --defined-only --format=posix \"" + libraryPath + "\"";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return names;
    char line[1024];
    while (std::fgets(line, sizeof(line), pipe) != nullptr)
    {
        std::istringstream fields(line);
        std::string name;
        if (fields >> name)
            names.insert(name);
    }
    // A library nm cannot read has no symbols to offer.
    if (pclose(pipe) != 0)
        names.clear();
    return names;
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
{
}

Vst3Module::~Vst3Module()
{
    pluginFactory->release();
    moduleExit();
    dlclose(library);
}
