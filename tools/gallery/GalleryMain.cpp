// Writes every editor bitmap, the about view, previews of the editor's pages and of the display's
// pictures, and the whole editor as a host shows it, as PNG files:
//   vireno-gallery [FOLDER]      (default: ./gallery)
#include "tools/cli/ArgumentParser.h"
#include "tuner/gui/CAboutView.h"
#include "tuner/gui/CKROVirenoGUIContainer.h"
#include "EditorPreview.h"
#include "tuner/plugin/VirenoVersion.h"
#include "tuner/resources/VirenoBitmapNumbers.h"
#include "WholeEditorPreview.h"
#include "toolkit/vstgui.h"

#include <filesystem>
#include <iostream>

using namespace VSTGUI;

namespace {

bool writeAboutView(const CKROVirenoGUIContainer& bitmaps, double zoom, const std::string& path)
{
    CBitmap* page = bitmaps.GetBitmap(VirenoBitmap::kAboutPage);
    if (!page)
        return false;
    CRect size(0, 0, page->getWidth(), page->getHeight());
    auto* frame = new CFrame(size, nullptr);
    frame->setZoom(zoom);
    bool written = false;
    if (frame->open(nullptr, PlatformType::kOffscreen))
    {
        frame->beginModalViewSession(new CAboutView(size, nullptr, page, VirenoVersion::kAboutText));
        written = frame->writePNG(path);
    }
    frame->close();
    return written;
}

} // namespace

int main(int argc, char** argv)
{
    std::string folder = "gallery";
    ArgumentParser parser("vireno-gallery", "Writes the editor's bitmaps and previews as PNG files.");
    parser.Positional("FOLDER", "where the pictures go (default: ./gallery)", folder);
    if (const auto exitCode = parser.ParseOrExit(argc, argv))
        return *exitCode;

    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
    {
        std::cerr << "vireno-gallery: cannot make the folder " << folder << ": " << error.message() << "\n";
        return 1;
    }

    CKROVirenoGUIContainer bitmaps;
    bitmaps.LoadBitmaps();
    bool ok = bitmaps.AllLoaded();
    for (const auto& entry : bitmaps.Bitmaps())
    {
        std::string path = folder + "/" + CKROGUIContainerInterface::BitmapName(entry.first) + ".png";
        ok = entry.second->getPlatformBitmap()->writePNG(path) && ok;
    }
    ok = writeAboutView(bitmaps, 1.0, folder + "/about-view.png") && ok;
    ok = writeAboutView(bitmaps, 1.5, folder + "/about-view-zoom1.5.png") && ok;
    const std::vector<EditorPreview::DisplaySample> samples = EditorPreview::displaySamples();
    ok = EditorPreview::writeFace(bitmaps, 0, samples.front(), folder + "/preview-face-red-green.png") && ok;
    ok = EditorPreview::writeFace(bitmaps, 1, samples.front(), folder + "/preview-face-yellow-blue.png") && ok;
    for (size_t i = 1; i < samples.size(); ++i)
    {
        std::string path = folder + "/preview-display-" + samples[i].name + ".png";
        ok = EditorPreview::writeFace(bitmaps, 0, samples[i], path) && ok;
    }
    ok = EditorPreview::writeSettings(bitmaps, folder + "/preview-settings.png") && ok;
    ok = WholeEditorPreview::writeAll(folder) && ok;
    if (!ok)
    {
        std::cerr << "vireno-gallery: some pictures could not be made in " << folder << "\n";
        return 1;
    }
    std::cout << "vireno-gallery: wrote "
              << bitmaps.Bitmaps().size() + samples.size() + 4 + WholeEditorPreview::kPictureCount << " pictures to "
              << folder << "\n";
    return 0;
}
