#include "kro-core/gui/CKROGUIContainerInterface.h"
#include "toolkit/ResourceTable.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace VSTGUI;
namespace fs = std::filesystem;

namespace {

std::string pngOfSize(int width, int height)
{
    return PlatformBitmap::create(width, height)->encodePNG();
}

class TestContainer : public CKROGUIContainerInterface
{
public:
    int LoadBitmaps() override { return LoadBitmap(100); }
};

// Resources 100 (10 x 8) and 101; files go to a fresh folder of the test's own.
class BitmapContainer : public ::testing::Test
{
protected:
    BitmapContainer()
        : small(pngOfSize(10, 8)), other(pngOfSize(3, 3)),
          folder(fs::temp_directory_path() / ("vireno-bitmaps-" + std::to_string(getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        entries[0] = {100, reinterpret_cast<const unsigned char*>(small.data()), small.size()};
        entries[1] = {101, reinterpret_cast<const unsigned char*>(other.data()), other.size()};
        ResourceTable::install(entries, 2);
        fs::create_directories(folder);
    }
    ~BitmapContainer() override
    {
        ResourceTable::install(nullptr, 0);
        fs::remove_all(folder);
    }

    void writeFile(const std::string& name, const std::string& bytes)
    {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }

    std::string small;
    std::string other;
    ResourceData entries[2];
    fs::path folder;
    TestContainer container;
};

TEST_F(BitmapContainer, LoadsAResourceByNumber)
{
    EXPECT_EQ(container.LoadBitmaps(), 0);
    CBitmap* bitmap = container.GetBitmap(100);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->getWidth(), 10);
    EXPECT_EQ(bitmap->getHeight(), 8);
    EXPECT_EQ(bitmap->getNbReference(), 1);
    EXPECT_TRUE(container.AllLoaded());
}

TEST_F(BitmapContainer, AMissingNumberStaysEmptyAndIsRemembered)
{
    EXPECT_EQ(container.LoadBitmap(150), 1);
    EXPECT_EQ(container.GetBitmap(150), nullptr);
    EXPECT_EQ(container.Bitmaps().count(150), 0u);
    EXPECT_FALSE(container.AllLoaded());
    // Loading goes on: a later number still loads, and the flag stays down.
    EXPECT_EQ(container.LoadBitmap(101), 0);
    EXPECT_FALSE(container.AllLoaded());
}

TEST_F(BitmapContainer, LoadingANumberAgainReplacesItsBitmap)
{
    container.LoadBitmap(100);
    CBitmap* first = container.GetBitmap(100);
    first->remember();
    container.LoadBitmap(100);
    EXPECT_NE(container.GetBitmap(100), first);
    EXPECT_EQ(first->getNbReference(), 1); // the container let go of the old one
    first->forget();
    EXPECT_EQ(container.Bitmaps().size(), 1u);
}

TEST_F(BitmapContainer, ANumberWithoutResourceIsFoundInTheSearchFolders)
{
    writeFile("bmp00300.png", pngOfSize(5, 4));
    writeFile("bmp00301", pngOfSize(6, 4));
    writeFile("bmp00302.bmp", "not an image");
    container.AddSearchFolder(folder.string());
    EXPECT_EQ(container.LoadBitmap(300), 0);
    EXPECT_EQ(container.GetBitmap(300)->getWidth(), 5);
    EXPECT_EQ(container.LoadBitmap(301), 0); // the plain name is tried first
    EXPECT_EQ(container.GetBitmap(301)->getWidth(), 6);
    EXPECT_EQ(container.LoadBitmap(302), 1);
}

TEST_F(BitmapContainer, ScaleVariantsAreAddedFromSuffixedFiles)
{
    writeFile("bmp00100#2x.png", pngOfSize(20, 16));
    writeFile("bmp00100#0.5x.png", pngOfSize(5, 4));
    writeFile("bmp00101#2x.png", pngOfSize(7, 7)); // not twice 3 x 3: refused
    container.AddSearchFolder(folder.string() + "/");
    container.AddScaleFactor(2.0);
    container.AddScaleFactor(0.5);
    ASSERT_EQ(container.LoadBitmap(100), 0);
    CBitmap* bitmap = container.GetBitmap(100);
    EXPECT_EQ(bitmap->getBestPlatformBitmapForScaleFactor(2.0)->getWidth(), 20);
    EXPECT_EQ(bitmap->getBestPlatformBitmapForScaleFactor(1.5)->getWidth(), 20);
    EXPECT_EQ(bitmap->getBestPlatformBitmapForScaleFactor(1.0)->getWidth(), 10);
    EXPECT_EQ(bitmap->getBestPlatformBitmapForScaleFactor(0.5)->getWidth(), 5);
    EXPECT_EQ(bitmap->getWidth(), 10);

    ASSERT_EQ(container.LoadBitmap(101), 0);
    EXPECT_EQ(container.GetBitmap(101)->getBestPlatformBitmapForScaleFactor(2.0)->getWidth(), 3);
}

TEST(ScaleSuffix, NamesEachScaleFactor)
{
    const struct
    {
        double factor;
        const char* suffix;
    } cases[] = {{-1, ""},      {0, ""},      {0.5, "#0.5x"}, {0.75, "#0.8x"}, {1.0, "#1x"},
                 {1.49, "#1x"}, {1.5, "#2x"}, {2.0, "#2x"},   {3.2, "#3x"}};
    for (const auto& c : cases)
        EXPECT_EQ(CKROGUIContainerInterface::ScaleSuffix(c.factor), c.suffix) << c.factor;
    EXPECT_EQ(CKROGUIContainerInterface::BitmapName(200), "bmp00200");
}

} // namespace
