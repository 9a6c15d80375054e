#include "Artwork.h"
#include "ArtworkStyle.h"

using namespace ArtworkStyle;

namespace Artwork {

std::vector<Resource> allResources()
{
    std::vector<Resource> list;
    auto add = [&list](int id, std::string png) { list.push_back({id, std::move(png)}); };

    add(100, muteButton());
    add(101, settingsButton());
    add(102, closeButton());
    add(110, radioButton("Guitar", 64));
    add(111, radioButton("Bass", 64));
    add(112, radioButton("Needle", 64));
    add(113, radioButton("Stream", 64));
    add(114, radioButton("Red & Green", 104, {kRed, kGreen}));
    add(115, radioButton("Yellow & Blue", 104, {kYellow, kBlue}));
    const char* drops[] = {"E", "Eb", "D", "Db", "C", "B"};
    for (int i = 0; i < 6; ++i)
        add(120 + i, radioButton(drops[i], 30));
    for (int i = 0; i < 11; ++i)
        add(130 + i, radioButton(std::to_string(435 + i), 19));

    add(150, indicator({"GUITAR", "BASS"}, kInstrumentIndicatorWidth));
    add(151, indicator({"E", "Eb", "D", "Db", "C", "B"}, kDropIndicatorWidth));
    std::vector<std::string> references;
    for (int i = 0; i < 11; ++i)
        references.push_back(std::to_string(435 + i) + " Hz");
    add(152, indicator(references, kReferenceIndicatorWidth));

    add(161, led(kRed));
    add(162, led(kGreen));
    add(163, led(kYellow));
    add(164, led(kBlue));

    add(200, mainFace());
    add(201, settingsPage());
    add(202, aboutPage());
    return list;
}

} // namespace Artwork
