#include "Artwork.h"
#include "ArtworkStyle.h"
#include "tuner/plugin/TunerParameterDescription.h"
#include "tuner/resources/VirenoBitmapNumbers.h"

#include <cctype>

using namespace ArtworkStyle;
using namespace VirenoBitmap;

namespace Artwork {

namespace {

std::vector<std::string> labelsOf(TunerParameterIndex::Offset offset, const char* suffix = "")
{
    const TunerParameterDescription::Parameter& parameter = TunerParameterDescription::Of(offset);
    std::vector<std::string> labels;
    for (int i = 0; i < parameter.count; ++i)
        labels.push_back(parameter.labels[i] + std::string(suffix));
    return labels;
}

std::vector<std::string> upperCase(std::vector<std::string> labels)
{
    for (std::string& label : labels)
        for (char& c : label)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return labels;
}

} // namespace

std::vector<Resource> allResources()
{
    std::vector<Resource> list;
    auto add = [&list](int id, std::string png) { list.push_back({id, std::move(png)}); };
    // One radio button per value text of a parameter, numbered on from the row's first bitmap.
    auto addRow = [&add](int first, TunerParameterIndex::Offset offset, int width,
                         const std::vector<std::vector<VSTGUI::CColor>>& swatches = {}) {
        const std::vector<std::string> labels = labelsOf(offset);
        for (size_t i = 0; i < labels.size(); ++i)
            add(first + static_cast<int>(i),
                radioButton(labels[i], width, i < swatches.size() ? swatches[i] : std::vector<VSTGUI::CColor>{}));
    };

    add(kMuteButton, muteButton());
    add(kSettingsButton, settingsButton());
    add(kCloseButton, closeButton());
    addRow(kGuitarButton, TunerParameterIndex::kSelectInstrument, 64);
    addRow(kNeedleButton, TunerParameterIndex::kDisplayMode, 64);
    addRow(kRedGreenButton, TunerParameterIndex::kColorSet, 104, {{kRed, kGreen}, {kYellow, kBlue}});
    addRow(kFirstDropTuningButton, TunerParameterIndex::kDropTuning, 30);
    addRow(kFirstReferenceButton, TunerParameterIndex::kReferenceFrequency, 19);

    add(kInstrumentIndicator,
        indicator(upperCase(labelsOf(TunerParameterIndex::kSelectInstrument)), kInstrumentIndicatorWidth));
    add(kDropTuningIndicator, indicator(labelsOf(TunerParameterIndex::kDropTuning), kDropIndicatorWidth));
    add(kReferenceIndicator,
        indicator(labelsOf(TunerParameterIndex::kReferenceFrequency, " Hz"), kReferenceIndicatorWidth));

    add(kRedLed, led(kRed));
    add(kGreenLed, led(kGreen));
    add(kYellowLed, led(kYellow));
    add(kBlueLed, led(kBlue));

    add(kMainFace, mainFace());
    add(kSettingsPage, settingsPage());
    add(kAboutPage, aboutPage());
    return list;
}

} // namespace Artwork
