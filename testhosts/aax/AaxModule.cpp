#include "AaxModule.h"

#include "testhosts/bundles/BundleFiles.h"

#include <dlfcn.h>

namespace {

template <class Function>
bool Find(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

} // namespace

std::string AaxModule::LibraryPath(const std::string& bundlePath)
{
    return bundlePath + "/Contents/x86_64-linux/" + BundleStem(bundlePath, ".aaxplugin") + ".aaxplugin";
}

std::unique_ptr<AaxModule> AaxModule::Load(const std::string& bundlePath, std::string& error)
{
    void* library = dlopen(LibraryPath(bundlePath).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
    {
        error = dlerror();
        return nullptr;
    }
    std::unique_ptr<AaxModule> module(new AaxModule(library));
    const bool complete = Find(library, kACFEntryPointNames[0], module->registerPlugin) &&
                          Find(library, kACFEntryPointNames[1], module->registerComponent) &&
                          Find(library, kACFEntryPointNames[2], module->getClassFactory) &&
                          Find(library, kACFEntryPointNames[3], module->canUnloadNow) &&
                          Find(library, kACFEntryPointNames[4], module->startup) &&
                          Find(library, kACFEntryPointNames[5], module->shutdown) &&
                          Find(library, kACFEntryPointNames[6], module->getSDKVersion);
    if (!complete)
    {
        error = "missing entry point in " + LibraryPath(bundlePath);
        return nullptr;
    }
    return module;
}

AaxModule::~AaxModule()
{
    dlclose(library);
}
