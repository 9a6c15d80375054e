#pragma once

// Steinberg::CPluginFactory and the factory-definition macros of the VST3 SDK, which the SDK copy
// we build from leaves out. Same interface as the SDK's, so a plug-in's factory file reads as usual:
//
//   BEGIN_FACTORY_DEF("Vendor", "https://...", "mailto:...")
//       DEF_CLASS2(INLINE_UID_FROM_FUID(processorId), PClassInfo::kManyInstances, kVstAudioEffectClass,
//                  "Name", Vst::kDistributable, "Fx", "1.0.0", kVstVersionString, Processor::create)
//   END_FACTORY

#include "pluginterfaces/base/funknown.h"
#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstcomponent.h"

#include <vector>

namespace Steinberg {

class CPluginFactory : public IPluginFactory3
{
public:
    using CreateFunction = FUnknown* (*)(void* context);

    explicit CPluginFactory(const PFactoryInfo& info);
    virtual ~CPluginFactory();

    bool registerClass(const PClassInfo* info, CreateFunction createFunc, void* context = nullptr);
    bool registerClass(const PClassInfo2* info, CreateFunction createFunc, void* context = nullptr);
    bool registerClass(const PClassInfoW* info, CreateFunction createFunc, void* context = nullptr);
    bool isClassRegistered(const FUID& cid);
    void removeAllClasses();

    DECLARE_FUNKNOWN_METHODS

    // IPluginFactory
    tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) SMTG_OVERRIDE;
    int32 PLUGIN_API countClasses() SMTG_OVERRIDE;
    tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) SMTG_OVERRIDE;
    tresult PLUGIN_API createInstance(FIDString cid, FIDString iid, void** obj) SMTG_OVERRIDE;

    // IPluginFactory2
    tresult PLUGIN_API getClassInfo2(int32 index, PClassInfo2* info) SMTG_OVERRIDE;

    // IPluginFactory3
    tresult PLUGIN_API getClassInfoUnicode(int32 index, PClassInfoW* info) SMTG_OVERRIDE;
    tresult PLUGIN_API setHostContext(FUnknown* context) SMTG_OVERRIDE;

private:
    // A class registered with 8-bit texts is kept in both encodings; one registered with UTF-16
    // texts has no 8-bit record, and the 8-bit queries refuse it.
    struct ClassEntry
    {
        PClassInfo2 info8;
        PClassInfoW info16;
        CreateFunction createFunc;
        void* context;
        bool unicodeOnly;
    };

    const ClassEntry* entryAt(int32 index) const;

    PFactoryInfo factoryInfo;
    std::vector<ClassEntry> classes;
};

// The module's one factory, created by the first GetPluginFactory and cleared when it is destroyed.
extern CPluginFactory* gPluginFactory;

} // namespace Steinberg

// The module's entry point: the factory made on the first call, a reference added on every later
// one. No exception leaves it: when memory runs out on the way the half-made factory is let go and
// the host gets none. Replaces the SDK's definition in ivstcomponent.h, which has no such guard.
#undef BEGIN_FACTORY_DEF
#define BEGIN_FACTORY_DEF(vendor, url, email)                                                                          \
    using namespace Steinberg;                                                                                         \
    SMTG_EXPORT_SYMBOL IPluginFactory* PLUGIN_API GetPluginFactory()                                                   \
    {                                                                                                                  \
        try                                                                                                            \
        {                                                                                                              \
            if (!gPluginFactory)                                                                                       \
            {                                                                                                          \
                static PFactoryInfo factoryInfo(vendor, url, email, Vst::kDefaultFactoryFlags);                        \
                gPluginFactory = new CPluginFactory(factoryInfo);

#define DEF_CLASS2(cid, cardinality, category, name, classFlags, subCategories, version, sdkVersion, createMethod)     \
    {                                                                                                                  \
        TUID lcid = cid;                                                                                               \
        static PClassInfo2 classInfo(lcid, cardinality, category, name, classFlags, subCategories, nullptr, version,   \
                                     sdkVersion);                                                                      \
        gPluginFactory->registerClass(&classInfo, createMethod);                                                       \
    }

#define END_FACTORY                                                                                                    \
    }                                                                                                                  \
    else gPluginFactory->addRef();                                                                                     \
    return gPluginFactory;                                                                                             \
    }                                                                                                                  \
    catch (...)                                                                                                        \
    {                                                                                                                  \
        if (gPluginFactory)                                                                                            \
            gPluginFactory->release(); /* its destructor clears gPluginFactory */                                      \
        return nullptr;                                                                                                \
    }                                                                                                                  \
    }
