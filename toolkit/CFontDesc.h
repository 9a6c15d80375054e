#pragma once

#include "CBaseObject.h"
#include "CPoint.h"

#include <string>

typedef struct _cairo_font_face cairo_font_face_t;

namespace VSTGUI {

enum CTxtFace : int32_t
{
    kNormalFace = 0,
    kBoldFace = 1 << 1,
    kItalicFace = 1 << 2,
};

// A font by family name, size in points and face style. The family is resolved through fontconfig,
// so "Arial" gives the installed metric-compatible sans font when Arial itself is absent.
class CFontDesc : public CBaseObject
{
public:
    CFontDesc(const std::string& name, CCoord size, int32_t style = kNormalFace);
    CFontDesc(const CFontDesc& other);
    ~CFontDesc() override;

    const std::string& getName() const { return name; }
    CCoord getSize() const { return size; }
    int32_t getStyle() const { return style; }

    // The family fontconfig chose for the name and style.
    const std::string& getResolvedFamily();
    // The cairo face of the resolved font; owned by this object.
    cairo_font_face_t* getCairoFace();

private:
    void resolve();

    std::string name;
    CCoord size;
    int32_t style;
    std::string resolvedFamily;
    cairo_font_face_t* face = nullptr;
};

} // namespace VSTGUI
