#include "CKROGUIContainerInterface.h"

#include <cstdio>

using VSTGUI::CBitmap;
using VSTGUI::PlatformBitmap;
using VSTGUI::PlatformBitmapPtr;

namespace {

// A file is tried by its plain name first, then with each image extension in turn.
const char* const kExtensions[] = {"", ".png", ".bmp", ".jpg", ".pict"};

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace

CKROGUIContainerInterface::~CKROGUIContainerInterface()
{
    for (auto& entry : bitmaps)
        entry.second->forget();
}

std::string CKROGUIContainerInterface::ScaleSuffix(double scaleFactor)
{
    char suffix[32];
    if (scaleFactor <= 0)
        return {};
    if (scaleFactor < 1)
        std::snprintf(suffix, sizeof suffix, "#%2.1fx", scaleFactor);
    else
        std::snprintf(suffix, sizeof suffix, "#%dx", static_cast<int>(scaleFactor + 0.5));
    return suffix;
}

std::string CKROGUIContainerInterface::BitmapName(int resourceNumber)
{
    char name[32];
    std::snprintf(name, sizeof name, "bmp%05d", resourceNumber);
    return name;
}

PlatformBitmapPtr CKROGUIContainerInterface::LoadFromFolders(const std::string& fileName) const
{
    for (const auto& folder : searchFolders)
        for (const char* extension : kExtensions)
            if (auto loaded = PlatformBitmap::createFromFile(joinPath(folder, fileName) + extension))
                return loaded;
    return nullptr;
}

int CKROGUIContainerInterface::LoadBitmap(int resourceNumber)
{
    auto stored = bitmaps.find(resourceNumber);
    if (stored != bitmaps.end())
    {
        stored->second->forget();
        bitmaps.erase(stored);
    }

    std::string name = BitmapName(resourceNumber);
    auto* bitmap = new CBitmap(VSTGUI::CResourceDescription(resourceNumber));
    if (!bitmap->getPlatformBitmap() && !searchFolders.empty())
    {
        bitmap->forget();
        bitmap = nullptr;
        if (auto fromFile = LoadFromFolders(name))
            bitmap = new CBitmap(fromFile);
    }

    if (bitmap && bitmap->getPlatformBitmap())
    {
        for (double factor : scaleFactors)
        {
            if (auto variant = LoadFromFolders(name + ScaleSuffix(factor)))
            {
                variant->setScaleFactor(factor);
                bitmap->addBitmap(variant);
            }
        }
    }

    if (!bitmap || !bitmap->getPlatformBitmap())
    {
        if (bitmap)
            bitmap->forget();
        allLoaded = false;
        return 1;
    }
    bitmaps[resourceNumber] = bitmap;
    return 0;
}

VSTGUI::CBitmap* CKROGUIContainerInterface::GetBitmap(int resourceNumber) const
{
    auto it = bitmaps.find(resourceNumber);
    return it == bitmaps.end() ? nullptr : it->second;
}
