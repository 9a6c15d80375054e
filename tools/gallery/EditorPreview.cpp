#include "EditorPreview.h"

#include "LedMatrixLayout.h"
#include "vstgui.h"

using namespace VSTGUI;

namespace EditorPreview {

namespace {

// Lit LEDs of a sample reading; the real display view computes these from the tuner's results.
class SampleReading : public CView
{
public:
    SampleReading(CBitmap* outer, CBitmap* centre) : CView(CRect(0, 0, 452, 266)), outer(outer), centre(centre)
    {
        setMouseEnabled(false);
    }

    void draw(CDrawContext* context) override
    {
        auto led = [&](CBitmap* bitmap, const LedMatrixLayout::LedPosition& p, float alpha) {
            CRect r(p.x, p.y, p.x + bitmap->getWidth(), p.y + bitmap->getHeight());
            bitmap->draw(context, r, CPoint(0, 0), alpha);
        };
        int w = static_cast<int>(outer->getWidth());
        int h = static_cast<int>(outer->getHeight());
        for (int row = 1; row <= LedMatrixLayout::kArcRows; ++row)
        {
            led(centre, LedMatrixLayout::arcLed(row, 9, w, h), 0.6f);
            led(row == 3 ? centre : outer, LedMatrixLayout::arcLed(row, 10, w, h), 0.9f);
        }
        const float marks[] = {1, 1, 0.75f, 0.5f, 0.25f};
        for (int i = 0; i < 5; ++i)
        {
            led(centre, LedMatrixLayout::arcLed(3, 1 + i, w, h), marks[i]);
            led(centre, LedMatrixLayout::arcLed(3, 17 - i, w, h), marks[i]);
        }
        const char* aSharp = "011111101100111111110000";
        for (int dot = 0; dot < LedMatrixLayout::kNoteDots; ++dot)
            if (aSharp[dot] == '1')
                led(outer, LedMatrixLayout::noteDot(dot), 1.f);
        setDirty(false);
    }

private:
    CBitmap* outer;
    CBitmap* centre;
};

CRect placed(CBitmap* bitmap, CCoord x, CCoord y, CCoord imageHeight)
{
    return CRect(x, y, x + bitmap->getWidth(), y + imageHeight);
}

template <typename Control, typename... Args>
void addControl(CViewContainer& parent, float value, Args&&... args)
{
    auto* control = new Control(std::forward<Args>(args)...);
    control->setValue(value);
    parent.addView(control);
}

bool render(CFrame* frame, const std::string& path)
{
    bool written = frame->open(nullptr, PlatformType::kOffscreen) && frame->writePNG(path);
    frame->close();
    return written;
}

} // namespace

bool writeFace(const CKROGUIContainerInterface& bitmaps, int colourSet, const std::string& path)
{
    CBitmap* face = bitmaps.GetBitmap(200);
    CBitmap* mute = bitmaps.GetBitmap(100);
    CBitmap* settings = bitmaps.GetBitmap(101);
    CBitmap* instrument = bitmaps.GetBitmap(150);
    CBitmap* drop = bitmaps.GetBitmap(151);
    CBitmap* reference = bitmaps.GetBitmap(152);
    CBitmap* outer = bitmaps.GetBitmap(colourSet ? 163 : 161);
    CBitmap* centre = bitmaps.GetBitmap(colourSet ? 164 : 162);
    if (!face || !mute || !settings || !instrument || !drop || !reference || !outer || !centre)
        return false;

    auto* frame = new CFrame(CRect(0, 0, face->getWidth(), face->getHeight()), nullptr);
    frame->setBackground(face);
    addControl<COnOffButton>(*frame, 0.f, placed(mute, 344, 95, mute->getHeight() / 2), nullptr, 0, mute);
    addControl<CKickButton>(*frame, 0.f, placed(settings, 307, 32, settings->getHeight() / 2), nullptr, 0, settings,
                            settings->getHeight() / 2);
    addControl<CMovieBitmap>(*frame, 0.f, placed(instrument, 27, 161, instrument->getHeight() / 2), nullptr, 0, 2,
                             instrument->getHeight() / 2, instrument);
    auto* dropIndicator = new CMovieBitmap(placed(drop, 275, 215, drop->getHeight() / 6), nullptr, 0, 6,
                                           drop->getHeight() / 6, drop);
    dropIndicator->setMax(5);
    frame->addView(dropIndicator);
    auto* referenceIndicator = new CMovieBitmap(placed(reference, 255, 231, reference->getHeight() / 11), nullptr, 0,
                                                11, reference->getHeight() / 11, reference);
    referenceIndicator->setMax(10);
    referenceIndicator->setValue(5);
    frame->addView(referenceIndicator);
    frame->addView(new SampleReading(outer, centre));
    return render(frame, path);
}

bool writeSettings(const CKROGUIContainerInterface& bitmaps, const std::string& path)
{
    CBitmap* page = bitmaps.GetBitmap(201);
    CBitmap* close = bitmaps.GetBitmap(102);
    if (!page || !close)
        return false;
    auto* frame = new CFrame(CRect(0, 0, page->getWidth(), page->getHeight()), nullptr);
    frame->setBackground(page);
    addControl<CKickButton>(*frame, 0.f, placed(close, 420, 237, close->getHeight() / 2), nullptr, 0, close,
                            close->getHeight() / 2);
    const struct
    {
        int count;
        int firstBitmap;
        CCoord y;
        int selected;
    } rows[] = {{2, 110, 76, 0}, {2, 112, 102, 1}, {6, 120, 128, 2}, {11, 130, 155, 5}, {2, 114, 180, 0}};
    for (const auto& row : rows)
    {
        CCoord x = 153;
        for (int i = 0; i < row.count; ++i)
        {
            CBitmap* button = bitmaps.GetBitmap(row.firstBitmap + i);
            if (!button)
                return false;
            addControl<COnOffButton>(*frame, i == row.selected ? 1.f : 0.f,
                                     placed(button, x, row.y, button->getHeight() / 2), nullptr, 0, button);
            x += button->getWidth() + 8;
        }
    }
    return render(frame, path);
}

} // namespace EditorPreview
