#pragma once

// An AAX plug-in module loaded the way a Linux host loads it: dlopen of
// <Name>.aaxplugin/Contents/x86_64-linux/<Name>.aaxplugin and its seven entry points by name.
// The library is closed when the object goes.

#include "aaxsdk/AAX_EntryPoints.h"

#include <memory>
#include <string>

class AaxModule
{
public:
    // Null with a message when the module cannot be loaded or lacks an entry point.
    static std::unique_ptr<AaxModule> Load(const std::string& bundlePath, std::string& error);

    // The library inside a bundle folder.
    static std::string LibraryPath(const std::string& bundlePath);

    ~AaxModule();
    AaxModule(const AaxModule&) = delete;
    AaxModule& operator=(const AaxModule&) = delete;

    ACFRegisterPluginProc registerPlugin = nullptr;
    ACFRegisterComponentProc registerComponent = nullptr;
    ACFGetClassFactoryProc getClassFactory = nullptr;
    ACFCanUnloadNowProc canUnloadNow = nullptr;
    ACFStartupProc startup = nullptr;
    ACFShutdownProc shutdown = nullptr;
    ACFGetSDKVersionProc getSDKVersion = nullptr;

private:
    explicit AaxModule(void* library) : library(library) {}

    void* library;
};
