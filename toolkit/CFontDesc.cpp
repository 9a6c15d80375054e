#include "CFontDesc.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

namespace VSTGUI {

CFontDesc::CFontDesc(const std::string& name, CCoord size, int32_t style) : name(name), size(size), style(style) {}

CFontDesc::CFontDesc(const CFontDesc& other)
    : CBaseObject(other), name(other.name), size(other.size), style(other.style)
{}

CFontDesc::~CFontDesc()
{
    if (face)
        cairo_font_face_destroy(face);
}

void CFontDesc::resolve()
{
    if (face)
        return;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, (style & kBoldFace) ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, (style & kItalicFace) ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
    {
        // No font at all on the machine: cairo's built-in fallback still draws something.
        face = cairo_toy_font_face_create(name.c_str(), CAIRO_FONT_SLANT_NORMAL,
                                          (style & kBoldFace) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        resolvedFamily = name;
        return;
    }
    FcChar8* family = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch && family)
        resolvedFamily = reinterpret_cast<const char*>(family);
    face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);
}

const std::string& CFontDesc::getResolvedFamily()
{
    resolve();
    return resolvedFamily;
}

cairo_font_face_t* CFontDesc::getCairoFace()
{
    resolve();
    return face;
}

} // namespace VSTGUI

#if defined(__SANITIZE_ADDRESS__)
// fontconfig 2.14 loses a small block of its configuration on every process's first match; the
// leak checker of sanitised builds is told so rather than report it for each program that draws text.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
#endif
