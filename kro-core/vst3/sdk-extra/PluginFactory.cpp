#include "PluginFactory.h"

#include <cstring>

namespace Steinberg {

CPluginFactory* gPluginFactory = nullptr;

CPluginFactory::CPluginFactory(const PFactoryInfo& info)
    : factoryInfo(info){FUNKNOWN_CTOR}

      CPluginFactory::~CPluginFactory()
{
    if (gPluginFactory == this)
        gPluginFactory = nullptr;
    FUNKNOWN_DTOR
}

IMPLEMENT_REFCOUNT(CPluginFactory)

tresult PLUGIN_API CPluginFactory::queryInterface(FIDString iid, void** obj)
{
    QUERY_INTERFACE(iid, obj, IPluginFactory::iid, IPluginFactory)
    QUERY_INTERFACE(iid, obj, IPluginFactory2::iid, IPluginFactory2)
    QUERY_INTERFACE(iid, obj, IPluginFactory3::iid, IPluginFactory3)
    QUERY_INTERFACE(iid, obj, FUnknown::iid, IPluginFactory)
    *obj = nullptr;
    return kNoInterface;
}

bool CPluginFactory::registerClass(const PClassInfo* info, CreateFunction createFunc, void* context)
{
    if (info == nullptr || createFunc == nullptr)
        return false;
    PClassInfo2 info2;
    std::memcpy(static_cast<void*>(&info2), info, sizeof(PClassInfo));
    return registerClass(&info2, createFunc, context);
}

bool CPluginFactory::registerClass(const PClassInfo2* info, CreateFunction createFunc, void* context)
{
    if (info == nullptr || createFunc == nullptr)
        return false;
    ClassEntry entry{*info, PClassInfoW(), createFunc, context, false};
    entry.info16.fromAscii(*info);
    classes.push_back(entry);
    return true;
}

bool CPluginFactory::registerClass(const PClassInfoW* info, CreateFunction createFunc, void* context)
{
    if (info == nullptr || createFunc == nullptr)
        return false;
    classes.push_back(ClassEntry{PClassInfo2(), *info, createFunc, context, true});
    return true;
}

bool CPluginFactory::isClassRegistered(const FUID& cid)
{
    for (const auto& entry : classes)
        if (FUID::fromTUID(entry.info16.cid) == cid)
            return true;
    return false;
}

void CPluginFactory::removeAllClasses()
{
    classes.clear();
}

const CPluginFactory::ClassEntry* CPluginFactory::entryAt(int32 index) const
{
    if (index < 0 || index >= static_cast<int32>(classes.size()))
        return nullptr;
    return &classes[static_cast<size_t>(index)];
}

tresult PLUGIN_API CPluginFactory::getFactoryInfo(PFactoryInfo* info)
{
    if (info == nullptr)
        return kInvalidArgument;
    *info = factoryInfo;
    return kResultOk;
}

int32 PLUGIN_API CPluginFactory::countClasses()
{
    return static_cast<int32>(classes.size());
}

tresult PLUGIN_API CPluginFactory::getClassInfo(int32 index, PClassInfo* info)
{
    const ClassEntry* entry = entryAt(index);
    if (info == nullptr || entry == nullptr)
        return kInvalidArgument;
    if (entry->unicodeOnly)
        return kResultFalse;
    std::memcpy(static_cast<void*>(info), &entry->info8, sizeof(PClassInfo));
    return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfo2(int32 index, PClassInfo2* info)
{
    const ClassEntry* entry = entryAt(index);
    if (info == nullptr || entry == nullptr)
        return kInvalidArgument;
    if (entry->unicodeOnly)
        return kResultFalse;
    *info = entry->info8;
    return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfoUnicode(int32 index, PClassInfoW* info)
{
    const ClassEntry* entry = entryAt(index);
    if (info == nullptr || entry == nullptr)
        return kInvalidArgument;
    *info = entry->info16;
    return kResultOk;
}

tresult PLUGIN_API CPluginFactory::createInstance(FIDString cid, FIDString iid, void** obj)
{
    if (obj == nullptr)
        return kInvalidArgument;
    *obj = nullptr;
    if (cid == nullptr || iid == nullptr)
        return kInvalidArgument;
    for (const auto& entry : classes)
    {
        if (std::memcmp(entry.info16.cid, cid, sizeof(TUID)) != 0)
            continue;
        // A class that cannot be constructed yields no object; no exception reaches the host.
        FUnknown* instance = nullptr;
        try
        {
            instance = entry.createFunc(entry.context);
        }
        catch (...)
        {
            return kOutOfMemory;
        }
        if (instance == nullptr)
            return kOutOfMemory;
        const tresult result = instance->queryInterface(iid, obj);
        instance->release();
        return result == kResultOk ? kResultOk : kNoInterface;
    }
    return kNoInterface;
}

tresult PLUGIN_API CPluginFactory::setHostContext(FUnknown* /*context*/)
{
    return kNotImplemented;
}

} // namespace Steinberg
