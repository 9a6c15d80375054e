#pragma once

#include "toolkit/CBitmap.h"

#include <map>
#include <string>
#include <vector>

// The editor's store of bitmaps by resource number. Each bitmap comes from the library's resources
// or, failing that, from image files in the search folders; files named with a scale suffix add
// higher-resolution variants. The store holds one reference to each bitmap.
class CKROGUIContainerInterface
{
public:
    using BitmapMap = std::map<int, VSTGUI::CBitmap*>;

    CKROGUIContainerInterface() = default;
    virtual ~CKROGUIContainerInterface();
    CKROGUIContainerInterface(const CKROGUIContainerInterface&) = delete;
    CKROGUIContainerInterface& operator=(const CKROGUIContainerInterface&) = delete;

    // Loads the product's bitmaps; the result is that of the last LoadBitmap.
    virtual int LoadBitmaps() = 0;

    // 0 when a bitmap is stored under the number, 1 when none could be loaded (the number is then
    // empty and AllLoaded turns false). A stored bitmap of that number is replaced.
    int LoadBitmap(int resourceNumber);

    // Null when nothing is stored under the number.
    VSTGUI::CBitmap* GetBitmap(int resourceNumber) const;
    const BitmapMap& Bitmaps() const { return bitmaps; }
    bool AllLoaded() const { return allLoaded; }

    void AddScaleFactor(double scaleFactor) { scaleFactors.push_back(scaleFactor); }
    void AddSearchFolder(const std::string& folder) { searchFolders.push_back(folder); }

    // The file-name suffix of a scale variant: "#0.5x" below 1, "#2x" from 1 on, empty at 0 or less.
    static std::string ScaleSuffix(double scaleFactor);
    // "bmp00200" for 200.
    static std::string BitmapName(int resourceNumber);

private:
    VSTGUI::PlatformBitmapPtr LoadFromFolders(const std::string& fileName) const;

    BitmapMap bitmaps;
    std::vector<double> scaleFactors;
    std::vector<std::string> searchFolders;
    bool allLoaded = true;
};
