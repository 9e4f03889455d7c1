// VYXGDILinux.cpp: the Linux device: font lookup, metrics and shaping, and Cairo drawing into a bitmap.
//
// Text measuring follows the screen device's scaling rule: each face is measured
// once at its design size (the em square) and its metrics and the advances of the
// first 256 code points are kept per em; a size multiplies them by
// size × PixelsPerInchY / 72. Texts with a character beyond that range are shaped
// by HarfBuzz (kerning off, as for the cached range), in font units scaled the same
// way. TextOutF places every glyph at the advance TextWidthF summed, so measured
// and drawn widths agree to the pixel.
//
// A character the face lacks is shaped, measured and drawn with the face fontconfig
// prefers for it (remembered per face and block of 256 code points); a cached-range
// character the face lacks sends the text down the shaping path. When the resolved face
// has no bold or italic style it is emboldened by FreeType (the outline grows by 1/24 em,
// and so does every advance, measured and drawn alike) or slanted by a shear of
// cSyntheticSlant, which GetTextMetric reports as the italic slant.
//
// Not supported: bidi reordering of runs, metafile rendering (a frame with a cross stands
// in).
#include "device/VYXGDILinux.h"

#include "device/VYXGDILinuxImpl.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <numbers>

#include <cairo-ft.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_ADVANCES_H
#include <hb.h>

#include "model/VYXGraphics.h"
#include "platform/VYXErrors.h"
#include "platform/VYXUnicode.h"

using vyx_gdilinux::AdjustPixels;
using vyx_gdilinux::ArrowPullBack;
using vyx_gdilinux::DrawArrowHead;
using vyx_gdilinux::HasAdjustments;
using vyx_gdilinux::OpenPathEnds;
using vyx_gdilinux::OutlineOf;
using vyx_gdilinux::SetRGB;
using vyx_gdilinux::StrokeOutline;
using vyx_gdilinux::TLineEnd;
using vyx_gdilinux::TOutline;

namespace {

// ---- Faces ----

constexpr int cCachedChars = 256;
constexpr double cSyntheticBold = TVYXTextLayout::cSyntheticBold;    // FreeType's emboldening strength, per em
constexpr double cSyntheticSlant = TVYXTextLayout::cSyntheticSlant;  // tan 12 degrees: run over rise of a slanted face
// Bounds of the fallback cache. Text in many scripts (or random code points) would
// otherwise load face after face and remember every missing character; past these
// the cache is forgotten and filled again, which costs fontconfig look-ups, never
// other widths. Each fallback face holds its font file's tables (megabytes for CJK).
constexpr int cDefaultMaxFallbackFaces = 32;
constexpr std::size_t cMaxOrphans = 1024;  // per face

// One face measured at its design size. Everything is per em except where noted;
// the HarfBuzz font works in font units (its scale is the em size).
struct TFace {
    TVYXFontMatch Match;
    double Ascent = 0.8, Descent = 0.2, ExtLeading = 0;
    double ULPos = 0.1, ULThick = 0.05, StrikePos = 0.26, StrikeSize = 0.05;
    double SubSize = 0.65, SubOffs = 0.14, SuperSize = 0.65, SuperOffs = 0.48;
    double AveWidth = 0.5, MaxWidth = 1, Slant = 0;
    double UnitsPerEm = 2048;
    std::array<float, cCachedChars> Advance{};  // per em; negative for a printable character the face lacks
    std::array<unsigned, cCachedChars> Glyph{};
    bool WantBold = false, WantItalic = false;  // the style asked for (fallbacks follow it)
    std::map<char32_t, std::vector<TFace*>> Fallbacks;  // by block (cp >> 8); borrowed from the face cache
    std::set<char32_t> Orphans;  // characters no installed face has (at most cMaxOrphans)
    hb_face_t* HbFace = nullptr;
    hb_font_t* HbFont = nullptr;
    cairo_font_face_t* Cairo = nullptr;

    TFace() = default;
    TFace(const TFace&) = delete;
    TFace& operator=(const TFace&) = delete;
    ~TFace()
    {
        if (HbFont)
            hb_font_destroy(HbFont);
        if (HbFace)
            hb_face_destroy(HbFace);
        if (Cairo)
            cairo_font_face_destroy(Cairo);
    }
};

// Reads the metrics FreeType gives at the design size; the FreeType face is not kept.
void MeasureFace(TFace& face)
{
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0)
        return;
    FT_Face ft = nullptr;
    if (FT_New_Face(lib, face.Match.File.c_str(), face.Match.Index, &ft) == 0) {
        const double upem = ft->units_per_EM > 0 && FT_IS_SCALABLE(ft) ? ft->units_per_EM : 2048;
        face.UnitsPerEm = upem;
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
        const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(ft, FT_SFNT_POST));
        const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(ft, FT_SFNT_HHEA));
        if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
            // The Windows ascent and descent, as the documents' authors measured lines.
            face.Ascent = os2->usWinAscent / upem;
            face.Descent = os2->usWinDescent / upem;
            face.SubSize = os2->ySubscriptYSize / upem;
            face.SubOffs = os2->ySubscriptYOffset / upem;
            face.SuperSize = os2->ySuperscriptYSize / upem;
            face.SuperOffs = os2->ySuperscriptYOffset / upem;
            face.StrikePos = os2->yStrikeoutPosition / upem;
            face.StrikeSize = os2->yStrikeoutSize / upem;
            face.AveWidth = os2->xAvgCharWidth / upem;
            if (hhea) {
                const double gap = (hhea->Ascender - hhea->Descender + hhea->Line_Gap) / upem -
                                   (face.Ascent + face.Descent);
                face.ExtLeading = std::max(0.0, gap);
            }
        } else {
            face.Ascent = ft->ascender / upem;
            face.Descent = -ft->descender / upem;
            face.ExtLeading = std::max(0.0, ft->height / upem - face.Ascent - face.Descent);
        }
        face.ULPos = -ft->underline_position / upem;
        face.ULThick = ft->underline_thickness / upem;
        face.MaxWidth = ft->max_advance_width / upem;
        if (post)
            face.Slant = std::tan(-post->italicAngle / 65536.0 * std::numbers::pi / 180.0);
        if (face.Match.SyntheticItalic)
            face.Slant = cSyntheticSlant;
        const double extra = face.Match.SyntheticBold ? cSyntheticBold : 0;
        // Symbol faces ("Wingdings") keep their glyphs at U+F020..U+F0FF; text asks for 0x20..0xFF.
        const bool symbol = ft->charmap && ft->charmap->encoding == FT_ENCODING_MS_SYMBOL;
        for (int c = 0; c < cCachedChars; ++c) {
            FT_UInt g = FT_Get_Char_Index(ft, FT_ULong(c));
            if (g == 0 && symbol)
                g = FT_Get_Char_Index(ft, FT_ULong(0xF000 + c));
            FT_Fixed adv = 0;
            FT_Get_Advance(ft, g, FT_LOAD_NO_SCALE, &adv);
            face.Glyph[std::size_t(c)] = g;
            const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
            face.Advance[std::size_t(c)] = g == 0 && !control ? -1.0f : float(adv / upem + extra);
        }
        FT_Done_Face(ft);
    }
    FT_Done_FreeType(lib);
}

std::unique_ptr<TFace> LoadFace(const TVYXFontMatch& match)
{
    auto face = std::make_unique<TFace>();
    face->Match = match;
    MeasureFace(*face);
    hb_blob_t* blob = hb_blob_create_from_file(match.File.c_str());
    face->HbFace = hb_face_create(blob, unsigned(match.Index));
    hb_blob_destroy(blob);
    face->HbFont = hb_font_create(face->HbFace);
    const int upem = int(face->UnitsPerEm);
    hb_font_set_scale(face->HbFont, upem, upem);
    // Cairo opens the file itself, so its caches never outlive a face of ours.
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FILE, reinterpret_cast<const FcChar8*>(match.File.c_str()));
    FcPatternAddInteger(pat, FC_INDEX, match.Index);
    if (match.SyntheticBold)
        FcPatternAddBool(pat, FC_EMBOLDEN, FcTrue);  // Cairo then emboldens each glyph with FreeType
    face->Cairo = cairo_ft_font_face_create_for_pattern(pat);
    FcPatternDestroy(pat);
    return face;
}

// A Cairo image holding a copy of a bitmap (same pixel layout).
cairo_surface_t* SurfaceFromBitmap(const TVYXBitmap& bmp, int x = 0, int y = 0, int w = -1, int h = -1)
{
    if (w < 0)
        w = bmp.Width();
    if (h < 0)
        h = bmp.Height();
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int row = 0; row < h; ++row)
        std::memcpy(data + std::size_t(row) * std::size_t(stride), bmp.Row(y + row) + x, std::size_t(w) * 4);
    cairo_surface_mark_dirty(s);
    return s;
}

}  // namespace

// ---- The device ----

namespace {
struct TShapedGlyph {
    unsigned Glyph;
    double Advance, XOff, YOff;  // per em
    unsigned Cluster;            // index of the first UTF-16 unit of its text
    const TFace* Face;           // the face the glyph belongs to (a fallback or the current one)
};

bool HasChar(const TFace& face, char32_t cp)
{
    hb_codepoint_t g = 0;
    return hb_font_get_nominal_glyph(face.HbFont, cp, &g) != 0;
}

// Characters that are never looked for in another face: controls and the invisible
// format characters HarfBuzz hides itself.
bool StaysInFace(char32_t cp)
{
    return cp < 0x20 || (cp >= 0x7F && cp < 0xA0) || cp == 0xAD || (cp >= 0x200B && cp <= 0x200F) ||
           (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2060 && cp <= 0x206F) || (cp >= 0xFE00 && cp <= 0xFE0F) ||
           cp == 0xFEFF;
}

bool IsMark(hb_unicode_funcs_t* funcs, char32_t cp)
{
    const hb_unicode_general_category_t c = hb_unicode_general_category(funcs, cp);
    return c == HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK || c == HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK ||
           c == HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK;
}
}  // namespace

struct TVYXGDILinux::TImpl {
    int Dpi = 96;
    TVYXBitmap Bitmap;
    cairo_surface_t* Surface = nullptr;
    cairo_t* Cr = nullptr;
    cairo_font_options_t* FontOptions = nullptr;
    hb_buffer_t* Buffer = nullptr;
    std::vector<TShapedGlyph> Glyphs;  // the last shaped text
    // key: family '|' bold italic, or for a fallback face '\x01' file '|' index and its faked styles
    std::map<std::string, std::unique_ptr<TFace>> Faces;
    TFace* Face = nullptr;                                 // borrowed from Faces
    int FallbackFaces = 0;  // fallback entries in Faces
    int MaxFallbackFaces = cDefaultMaxFallbackFaces;
    double PixSize = 16;                                   // em size of the current font in pixels
    TVYXColor Brush = 0xFFFFFF, Pen = 0, FontColor = 0;
    double PenWidth = 1;
    bool Dotted = false, Xor = false, Transparent = true;
    double Opacity = 1;
    TXGDIHorizTextAlign HAlign = xhtaLeft;
    TXGDIVertTextAlign VAlign = xvtaTop;
    double JustExtra = 0;
    int JustCount = 0;
    double CurX = 0, CurY = 0;
    int SaveDepth = 0;
    // While an SVG document is open (BeginSVG) the drawing goes into it, the bitmap
    // waits untouched, and the document's text grows in Svg.
    bool Vector = false;
    std::string Svg;
    int RasterWidth = 0, RasterHeight = 0;  // the device size to return to

    ~TImpl()
    {
        Release();
        if (FontOptions)
            cairo_font_options_destroy(FontOptions);
        if (Buffer)
            hb_buffer_destroy(Buffer);
    }
    void Release()
    {
        if (Cr)
            cairo_destroy(Cr);
        if (Surface)
            cairo_surface_destroy(Surface);
        Cr = nullptr;
        Surface = nullptr;
        SaveDepth = 0;
    }
    void Create(int w, int h)
    {
        Release();
        Bitmap = TVYXBitmap(std::max(1, w), std::max(1, h), 0xFFFFFFFF);
        Attach(cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(Bitmap.Data()),
                                                   CAIRO_FORMAT_ARGB32, Bitmap.Width(), Bitmap.Height(),
                                                   Bitmap.Width() * 4));
    }
    // Every drawing operation goes through Cr, whatever the surface: the bitmap and an
    // SVG document differ only here.
    void Attach(cairo_surface_t* surface)
    {
        Surface = surface;
        Cr = cairo_create(Surface);
        cairo_set_font_options(Cr, FontOptions);
    }
    static cairo_status_t AppendSvg(void* closure, const unsigned char* data, unsigned int length)
    {
        static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
        return CAIRO_STATUS_SUCCESS;
    }

    void Source(TVYXColor c)
    {
        if (Xor) {
            // Inverting stands in for the exclusive-or raster operation (caret, drag feedback).
            cairo_set_operator(Cr, CAIRO_OPERATOR_DIFFERENCE);
            cairo_set_source_rgba(Cr, 1, 1, 1, 1);
        } else {
            cairo_set_operator(Cr, CAIRO_OPERATOR_OVER);
            SetRGB(Cr, c, Opacity);
        }
    }

    void StrokeWith(double width)
    {
        cairo_set_line_width(Cr, width);
        cairo_set_line_cap(Cr, CAIRO_LINE_CAP_BUTT);
        if (Dotted) {
            const double d = std::max(1.0, width);
            cairo_set_dash(Cr, &d, 1, 0);
        } else {
            cairo_set_dash(Cr, nullptr, 0, 0);
        }
        Source(Pen);
        cairo_stroke(Cr);
    }

    TFace& FaceFor(const std::string& family, bool bold, bool italic)
    {
        std::string key = AsciiLower(family) + '|' + (bold ? 'b' : '-') + (italic ? 'i' : '-');
        auto it = Faces.find(key);
        if (it != Faces.end())
            return *it->second;
        std::unique_ptr<TFace> face = LoadFace(VYXResolveFont(family, bold, italic));
        face->WantBold = bold;
        face->WantItalic = italic;
        return *Faces.emplace(std::move(key), std::move(face)).first->second;
    }

    // Drops every fallback face and what the faces remember of them, when there are more
    // than the limit. Only called before shaping, while no glyph points at a face.
    void TrimFallbacks()
    {
        if (FallbackFaces <= MaxFallbackFaces)
            return;
        std::erase_if(Faces, [](const auto& entry) { return entry.first.front() == '\x01'; });
        for (auto& entry : Faces) {
            entry.second->Fallbacks.clear();
            entry.second->Orphans.clear();
        }
        FallbackFaces = 0;
    }

    // The face that shows `cp` for text in `face`, nullptr when no installed face has it.
    TFace* Fallback(TFace& face, char32_t cp)
    {
        std::vector<TFace*>& block = face.Fallbacks[cp >> 8];
        for (TFace* f : block)
            if (HasChar(*f, cp))
                return f;
        if (face.Orphans.contains(cp))
            return nullptr;
        const TVYXFontMatch m = VYXFallbackFont(face.Match.Requested, face.WantBold, face.WantItalic, cp);
        TFace* found = nullptr;
        if (!m.File.empty()) {
            std::string key = '\x01' + m.File + '|' + std::to_string(m.Index) + (m.SyntheticBold ? 'b' : '-') +
                              (m.SyntheticItalic ? 'i' : '-');
            auto it = Faces.find(key);
            if (it == Faces.end()) {
                it = Faces.emplace(std::move(key), LoadFace(m)).first;
                ++FallbackFaces;
            }
            found = it->second.get();
        }
        if (!found || !HasChar(*found, cp)) {
            if (face.Orphans.size() >= cMaxOrphans)
                face.Orphans.clear();
            face.Orphans.insert(cp);
            return nullptr;
        }
        block.push_back(found);
        return found;
    }

    // Which face a character of the text is shaped with: the current face when it has it;
    // a mark stays with the face of its base; else a fallback face.
    TFace* FaceOfChar(char32_t cp, TFace* runFace, hb_unicode_funcs_t* funcs)
    {
        if (runFace && runFace != Face && IsMark(funcs, cp) && HasChar(*runFace, cp))
            return runFace;
        if (StaysInFace(cp) || HasChar(*Face, cp))
            return Face;
        if (runFace && HasChar(*runFace, cp))
            return runFace;
        TFace* f = Fallback(*Face, cp);
        return f ? f : Face;
    }

    // Shapes `text` into Glyphs, one HarfBuzz run per script and face (punctuation and marks
    // join the run they sit in); runs stay in logical order, glyphs inside a run in visual order.
    void Shape(std::u16string_view text)
    {
        Glyphs.clear();
        TrimFallbacks();
        hb_unicode_funcs_t* funcs = hb_unicode_funcs_get_default();
        std::size_t start = 0;
        hb_script_t script = HB_SCRIPT_COMMON;
        TFace* runFace = nullptr;
        for (std::size_t i = 0; i < text.size();) {
            char32_t cp = text[i];
            std::size_t len = 1;
            if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
                len = 2;
            }
            TFace* f = FaceOfChar(cp, runFace, funcs);
            const hb_script_t s = hb_unicode_script(funcs, cp);
            const bool strong = s != HB_SCRIPT_COMMON && s != HB_SCRIPT_INHERITED && s != HB_SCRIPT_UNKNOWN;
            if (i > start && ((strong && script != HB_SCRIPT_COMMON && s != script) || f != runFace)) {
                ShapeRun(text, start, i, script, *runFace);
                start = i;
                script = HB_SCRIPT_COMMON;
            }
            if (strong && script == HB_SCRIPT_COMMON)
                script = s;
            runFace = f;
            i += len;
        }
        ShapeRun(text, start, text.size(), script, runFace ? *runFace : *Face);
    }

    void ShapeRun(std::u16string_view text, std::size_t start, std::size_t end, hb_script_t script, const TFace& f)
    {
        static const hb_feature_t noKern = {HB_TAG('k', 'e', 'r', 'n'), 0, 0, ~0u};
        if (end <= start)
            return;
        hb_buffer_clear_contents(Buffer);
        // The whole text is passed as context so that joining looks across run ends.
        hb_buffer_add_utf16(Buffer, reinterpret_cast<const std::uint16_t*>(text.data()), int(text.size()),
                            unsigned(start), int(end - start));
        hb_buffer_set_script(Buffer, script);
        const hb_direction_t dir = hb_script_get_horizontal_direction(script);
        hb_buffer_set_direction(Buffer, dir == HB_DIRECTION_INVALID ? HB_DIRECTION_LTR : dir);
        hb_buffer_guess_segment_properties(Buffer);
        hb_shape(f.HbFont, Buffer, &noKern, 1);
        unsigned n = 0;
        const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(Buffer, &n);
        const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(Buffer, &n);
        const double em = f.UnitsPerEm;
        const double extra = f.Match.SyntheticBold ? cSyntheticBold : 0;
        for (unsigned i = 0; i < n; ++i)
            Glyphs.push_back({info[i].codepoint, pos[i].x_advance / em + extra, pos[i].x_offset / em,
                              pos[i].y_offset / em, info[i].cluster, &f});
    }

    // Whether the cached advances measure the whole text.
    bool Cached(std::u16string_view text) const
    {
        for (char16_t c : text)
            if (c >= cCachedChars || Face->Advance[c] < 0)
                return false;
        return true;
    }

    // Advance sum in pixels without justification; counts the spaces.
    double Width(std::u16string_view text, int& spaces)
    {
        spaces = 0;
        double sum = 0;
        const float* advance = Face->Advance.data();
        for (char16_t c : text) {
            const float a = c < cCachedChars ? advance[c] : -1.0f;
            if (a < 0) {
                spaces = int(std::count(text.begin(), text.end(), u' '));
                Shape(text);
                double ems = 0;
                for (const TShapedGlyph& g : Glyphs)
                    ems += g.Advance;
                return ems * PixSize;
            }
            sum += a;
            spaces += c == u' ';
        }
        return sum * PixSize;
    }

    // A picture object into its box: the crop fractions cut the picture's sides off (a
    // negative one adds an empty margin), flips mirror about the box's centre, and the
    // colour adjustments work on a copy of the picture made for this drawing.
    void DrawPicture(double x, double y, double w, double h, const TVYXGraphicPicture& pic)
    {
        const auto* bmp = dynamic_cast<const TVYXPictureBMP*>(pic.Picture());
        const TVYXBitmap* image = bmp ? bmp->Bitmap() : nullptr;
        cairo_t* cr = Cr;
        cairo_save(cr);
        cairo_translate(cr, x + w / 2, y + h / 2);
        cairo_scale(cr, pic.FlipX ? -1 : 1, pic.FlipY ? -1 : 1);
        cairo_translate(cr, -x - w / 2, -y - h / 2);
        if (image && !image->Empty()) {
            const double iw = image->Width(), ih = image->Height();
            const double sx0 = pic.CropLeft * iw, sx1 = iw * (1 - pic.CropRight);
            const double sy0 = pic.CropTop * ih, sy1 = ih * (1 - pic.CropBottom);
            // Only the pixels the crop keeps are copied, so that smoothing at the cut edges
            // does not pull in the parts cut away.
            const int ix0 = int(std::floor(std::max(0.0, sx0))), ix1 = int(std::ceil(std::min(iw, sx1)));
            const int iy0 = int(std::floor(std::max(0.0, sy0))), iy1 = int(std::ceil(std::min(ih, sy1)));
            if (sx1 - sx0 > 1e-6 && sy1 - sy0 > 1e-6 && ix1 > ix0 && iy1 > iy0 && w > 0 && h > 0) {
                cairo_surface_t* src = SurfaceFromBitmap(*image, ix0, iy0, ix1 - ix0, iy1 - iy0);
                if (HasAdjustments(pic)) {
                    cairo_surface_flush(src);
                    const int stride = cairo_image_surface_get_stride(src);
                    unsigned char* data = cairo_image_surface_get_data(src);
                    for (int row = 0; row < iy1 - iy0; ++row)
                        AdjustPixels(reinterpret_cast<std::uint32_t*>(data + std::size_t(row) * std::size_t(stride)),
                                     std::size_t(ix1 - ix0), pic);
                    cairo_surface_mark_dirty(src);
                }
                cairo_rectangle(cr, x, y, w, h);
                cairo_clip(cr);
                cairo_translate(cr, x, y);
                cairo_scale(cr, w / (sx1 - sx0), h / (sy1 - sy0));
                cairo_translate(cr, -sx0, -sy0);
                cairo_set_source_surface(cr, src, ix0, iy0);
                const bool margin = pic.CropLeft < 0 || pic.CropTop < 0 || pic.CropRight < 0 || pic.CropBottom < 0;
                cairo_pattern_set_extend(cairo_get_source(cr), margin ? CAIRO_EXTEND_NONE : CAIRO_EXTEND_PAD);
                cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
                cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
                cairo_paint_with_alpha(cr, std::clamp(double(pic.Alpha), 0.0, 1.0) * Opacity);
                cairo_surface_destroy(src);
            }
        } else {
            // Kept-as-bytes pictures (metafiles): a frame with a cross at their declared size.
            cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + w, y + h);
            cairo_move_to(cr, x + w, y);
            cairo_line_to(cr, x, y + h);
            cairo_set_line_width(cr, 1);
            cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
            SetRGB(cr, 0x808080, Opacity);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }

    double Justified(double width, int spaces) const { return width + JustExtra * std::min(spaces, JustCount); }
};

TVYXGDILinux::TVYXGDILinux(int dpi, double zoom) : FImpl(std::make_unique<TImpl>())
{
    FImpl->Dpi = dpi;
    FZoom = zoom;
    FImpl->FontOptions = cairo_font_options_create();
    // Glyphs sit exactly where the advances put them: no hinting of outlines or metrics.
    cairo_font_options_set_hint_style(FImpl->FontOptions, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(FImpl->FontOptions, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(FImpl->FontOptions, CAIRO_ANTIALIAS_GRAY);
    FImpl->Buffer = hb_buffer_create();
    FImpl->Create(1, 1);
    SetFont(FFont);
}

TVYXGDILinux::~TVYXGDILinux() = default;

void TVYXGDILinux::SavePNG(const std::string& fileName)
{
    cairo_surface_flush(FImpl->Surface);
    if (cairo_surface_write_to_png(FImpl->Surface, fileName.c_str()) != CAIRO_STATUS_SUCCESS)
        throw VYXException("Cannot write PNG");
}

void TVYXGDILinux::Clear(TVYXColor color)
{
    if (FImpl->Vector) {
        cairo_t* cr = FImpl->Cr;
        cairo_save(cr);
        cairo_reset_clip(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        SetRGB(cr, color, 1);
        cairo_paint(cr);
        cairo_restore(cr);
        return;
    }
    cairo_surface_flush(FImpl->Surface);
    std::fill(FImpl->Bitmap.Data(), FImpl->Bitmap.Data() + std::size_t(FImpl->Bitmap.Width()) * FImpl->Bitmap.Height(),
              0xFF000000 | color);
    cairo_surface_mark_dirty(FImpl->Surface);
}

const TVYXFontMatch& TVYXGDILinux::CurrentFontMatch() const
{
    return FImpl->Face->Match;
}

void TVYXGDILinux::SetFallbackFaceLimit(int faces)
{
    FImpl->MaxFallbackFaces = std::max(1, faces);
}

int TVYXGDILinux::LoadedFaceCount() const
{
    return static_cast<int>(FImpl->Faces.size());
}

TVYXBitmap* TVYXGDILinux::GetBitmap()
{
    cairo_surface_flush(FImpl->Surface);
    return &FImpl->Bitmap;
}

TVYXColor TVYXGDILinux::GetBrushColor() { return FImpl->Brush; }
TVYXColor TVYXGDILinux::GetFontColor() { return FImpl->FontColor; }
TVYXColor TVYXGDILinux::GetPenColor() { return FImpl->Pen; }
double TVYXGDILinux::GetPenWidthF() { return FImpl->PenWidth; }
bool TVYXGDILinux::GetTransparentMode() { return FImpl->Transparent; }
void TVYXGDILinux::SetBrushColor(TVYXColor color) { FImpl->Brush = color & 0xFFFFFF; }
void TVYXGDILinux::SetFontColor(TVYXColor color) { FImpl->FontColor = color & 0xFFFFFF; }
void TVYXGDILinux::SetPaintColor(TVYXColor color) { FImpl->Brush = FImpl->Pen = color & 0xFFFFFF; }
void TVYXGDILinux::SetPenColor(TVYXColor color) { FImpl->Pen = color & 0xFFFFFF; }
void TVYXGDILinux::SetPenWidthF(double width) { FImpl->PenWidth = std::max(0.0, width); }
void TVYXGDILinux::SetTransparentMode(bool transparent) { FImpl->Transparent = transparent; }
void TVYXGDILinux::SetPenDotted(bool dotted) { FImpl->Dotted = dotted; }
void TVYXGDILinux::SetXorMode(bool xorMode) { FImpl->Xor = xorMode; }
int TVYXGDILinux::PixelsPerInchX() { return int(std::lround(FImpl->Dpi * FZoom)); }
int TVYXGDILinux::PixelsPerInchY() { return int(std::lround(FImpl->Dpi * FZoom)); }
void TVYXGDILinux::SetOpacity(std::uint8_t alpha) { FImpl->Opacity = alpha / 255.0; }

TVYXDeviceHandle TVYXGDILinux::Handle()
{
    cairo_surface_flush(FImpl->Surface);
    return reinterpret_cast<TVYXDeviceHandle>(&FImpl->Bitmap);
}

void TVYXGDILinux::DrawGrip(int x, int y, TVYXGrGrip grip)
{
    cairo_t* cr = FImpl->Cr;
    constexpr double half = 3.5;
    if (grip == aggRotate) {
        cairo_arc(cr, x, y, half + 0.5, 0, 2 * std::numbers::pi);
        SetRGB(cr, 0x40C040, 1);
    } else {
        cairo_rectangle(cr, x - half, y - half, 2 * half, 2 * half);
        SetRGB(cr, 0xFFFFFF, 1);
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_fill_preserve(cr);
    SetRGB(cr, 0x000000, 1);
    cairo_set_line_width(cr, 1);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_stroke(cr);
}

void TVYXGDILinux::DrawSelectedBitmap(const TVYXPicture& picture, const TVYXGrEditCoords& c)
{
    const auto* bmp = dynamic_cast<const TVYXPictureBMP*>(&picture);
    const double opacity = FImpl->Opacity;
    FImpl->Opacity = 0.5;
    if (bmp && bmp->Bitmap())
        DrawF(c.X1, c.Y1, c.X2, c.Y2, *bmp->Bitmap());
    FImpl->Opacity = opacity;
    DrawSelected(c.X1, c.Y1, c.X2, c.Y2);
}

void TVYXGDILinux::BeginSVG(int width, int height)
{
    TImpl& d = *FImpl;
    if (d.Vector)
        throw VYXException("An SVG document is already open");
    width = std::max(1, width);
    height = std::max(1, height);
    d.Release();
    d.Svg.clear();
    cairo_surface_t* svg = cairo_svg_surface_create_for_stream(&TImpl::AppendSvg, &d.Svg, width, height);
    // One user unit is one device pixel, so the document shows at the bitmap's size.
    cairo_svg_surface_set_document_unit(svg, CAIRO_SVG_UNIT_PX);
    d.Attach(svg);
    d.Vector = true;
    d.RasterWidth = FWidth;
    d.RasterHeight = FHeight;
    FWidth = width;
    FHeight = height;
}

std::string TVYXGDILinux::EndSVG()
{
    TImpl& d = *FImpl;
    if (!d.Vector)
        throw VYXException("No SVG document is open");
    cairo_destroy(d.Cr);
    d.Cr = nullptr;
    cairo_surface_finish(d.Surface);
    const cairo_status_t status = cairo_surface_status(d.Surface);
    cairo_surface_destroy(d.Surface);
    d.Surface = nullptr;
    d.SaveDepth = 0;
    d.Vector = false;
    FWidth = d.RasterWidth;
    FHeight = d.RasterHeight;
    d.Attach(cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(d.Bitmap.Data()),
                                                 CAIRO_FORMAT_ARGB32, d.Bitmap.Width(), d.Bitmap.Height(),
                                                 d.Bitmap.Width() * 4));
    std::string text = std::move(d.Svg);
    d.Svg.clear();
    if (status != CAIRO_STATUS_SUCCESS)
        throw VYXException("Cannot write SVG");
    return text;
}

bool TVYXGDILinux::DrawingSVG() const
{
    return FImpl->Vector;
}

void TVYXGDILinux::SetSize(int width, int height)
{
    // The SVG document keeps the size it was opened with.
    if (FPrinting || FImpl->Vector)
        return;
    if (width == FImpl->Bitmap.Width() && height == FImpl->Bitmap.Height() && FWidth == width)
        return;
    FWidth = width;
    FHeight = height;
    FImpl->Create(width, height);
}

void TVYXGDILinux::BeginMatrix()
{
    cairo_save(FImpl->Cr);
    ++FImpl->SaveDepth;
}

void TVYXGDILinux::RotateMatrix(const TVYXGrEditCoords& c, double angle)
{
    const double cx = (c.X1 + c.X2) / 2;
    const double cy = (c.Y1 + c.Y2) / 2;
    cairo_translate(FImpl->Cr, cx, cy);
    cairo_rotate(FImpl->Cr, angle * std::numbers::pi / 180.0);
    cairo_translate(FImpl->Cr, -cx, -cy);
}

void TVYXGDILinux::EndMatrix()
{
    if (FImpl->SaveDepth > 0) {
        cairo_restore(FImpl->Cr);
        --FImpl->SaveDepth;
    }
}

void TVYXGDILinux::SetFont(const TVYXFontData& font)
{
    FFont = font;
    // At most 31 characters of the face name reach the device.
    std::string family = Utf16ToUtf8(std::u16string_view(font.Name).substr(0, 31));
    if (family.empty())
        family = "Times New Roman";
    FImpl->Face = &FImpl->FaceFor(family, font.Bold, font.Italic);
    FImpl->PixSize = font.Size * PixelsPerInchY() / 72.0;
    FImpl->FontColor = font.GetVisibleColor() & 0xFFFFFF;
}

void TVYXGDILinux::GetTextMetric()
{
    const TFace& f = *FImpl->Face;
    const double s = FImpl->PixSize;
    TVYXTextMetric& m = FTextMetric;
    m.ULThickness = std::max(1.0, f.ULThick * s);
    m.ULPos = f.ULPos * s;
    m.SubSize = f.SubSize * s;
    m.SubOffs = f.SubOffs * s;
    m.SuperSize = f.SuperSize * s;
    m.SuperOffs = f.SuperOffs * s;
    m.Ascent = f.Ascent * s;
    m.Descent = f.Descent * s;
    m.CellHeight = m.Ascent + m.Descent;
    m.LineHeight = m.CellHeight + f.ExtLeading * s;
    m.AveCharWidth = f.AveWidth * s;
    m.ItalicSlant = f.Slant;
    m.MaxCharWidth = f.MaxWidth * s;
}

void TVYXGDILinux::SetTextAlign(TXGDIHorizTextAlign horiz, TXGDIVertTextAlign vert)
{
    FImpl->HAlign = horiz;
    FImpl->VAlign = vert;
}

double TVYXGDILinux::FitFontSize(std::u16string_view text, int width)
{
    return FitFontSizeBy(text, width);
}

double TVYXGDILinux::TextWidthF(std::u16string_view text)
{
    int spaces = 0;
    const double w = FImpl->Width(text, spaces);
    return FImpl->Justified(w, spaces);
}

double TVYXGDILinux::SetTextJustificationF(double extra, int breakCount)
{
    FImpl->JustCount = breakCount > 0 ? breakCount : 0;
    FImpl->JustExtra = FImpl->JustCount > 0 ? extra / FImpl->JustCount : 0;
    return FImpl->JustExtra;
}

void TVYXGDILinux::LayoutText(std::u16string_view text, TVYXTextLayout& layout)
{
    TImpl& d = *FImpl;
    const TFace& f = *d.Face;
    const double s = d.PixSize;
    // Glyphs and pen positions relative to the start, with justification spread over the spaces.
    layout.Glyphs.clear();
    layout.Glyphs.reserve(text.size());
    double pen = 0;
    if (d.Cached(text)) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t c = text[i];
            layout.Glyphs.push_back({f.Glyph[c], pen, 0, unsigned(i), &f.Match});
            pen += f.Advance[c] * s;
            if (c == u' ' && d.JustCount > 0) {
                pen += d.JustExtra;
                --d.JustCount;
            }
        }
    } else {
        d.Shape(text);
        for (const TShapedGlyph& g : d.Glyphs) {
            layout.Glyphs.push_back({g.Glyph, pen + g.XOff * s, -g.YOff * s, g.Cluster, &g.Face->Match});
            pen += g.Advance * s;
            if (g.Cluster < text.size() && text[g.Cluster] == u' ' && d.JustCount > 0) {
                pen += d.JustExtra;
                --d.JustCount;
            }
        }
    }
    layout.Width = pen;
    layout.EmSize = s;
    layout.Ascent = f.Ascent * s;
    layout.Descent = f.Descent * s;
    layout.StrikePos = f.StrikePos * s;
    layout.StrikeSize = std::max(1.0, f.StrikeSize * s);
}

void TVYXGDILinux::TextOutF(double x, double y, std::u16string_view text)
{
    TImpl& d = *FImpl;
    const TFace& f = *d.Face;
    const double s = d.PixSize;
    TVYXTextLayout layout;
    LayoutText(text, layout);
    // The faces of the glyphs, found again from their matches (the face cache owns both).
    std::vector<cairo_glyph_t> glyphs;
    std::vector<const TFace*> faces;  // per glyph
    glyphs.reserve(layout.Glyphs.size());
    faces.reserve(layout.Glyphs.size());
    const TFace* last = &f;
    for (const TVYXPlacedGlyph& g : layout.Glyphs) {
        if (&last->Match != g.Face)
            for (const auto& entry : d.Faces)
                if (&entry.second->Match == g.Face)
                    last = entry.second.get();
        glyphs.push_back({g.Glyph, g.X, g.Y});
        faces.push_back(last);
    }
    const double width = layout.Width;
    double left = x;
    if (d.HAlign == xhtaCenter)
        left -= width / 2;
    else if (d.HAlign == xhtaRight)
        left -= width;
    const double ascent = f.Ascent * s;
    double baseline = y + ascent;
    if (d.VAlign == xvtaBaseline)
        baseline = y;
    else if (d.VAlign == xvtaBottom)
        baseline = y - f.Descent * s;
    cairo_t* cr = d.Cr;
    cairo_save(cr);
    if (FFont.Rotation != 0) {
        cairo_translate(cr, x, y);
        cairo_rotate(cr, -FFont.Rotation * std::numbers::pi / 180.0);
        cairo_translate(cr, -x, -y);
    }
    if (!d.Transparent) {
        cairo_rectangle(cr, left, baseline - ascent, width, (f.Ascent + f.Descent) * s);
        d.Source(d.Brush);
        cairo_fill(cr);
    }
    for (cairo_glyph_t& g : glyphs) {
        g.x += left;
        g.y += baseline;
    }
    d.Source(d.FontColor);
    // One call per stretch of glyphs from the same face; a faked italic shears the font.
    for (std::size_t i = 0; i < glyphs.size();) {
        std::size_t j = i + 1;
        while (j < glyphs.size() && faces[j] == faces[i])
            ++j;
        const TFace& gf = *faces[i];
        cairo_set_font_face(cr, gf.Cairo);
        cairo_matrix_t m;
        cairo_matrix_init(&m, s, 0, gf.Match.SyntheticItalic ? -gf.Slant * s : 0, s, 0, 0);
        cairo_set_font_matrix(cr, &m);
        cairo_show_glyphs(cr, glyphs.data() + i, int(j - i));
        i = j;
    }
    if (FFont.StrikeOut) {
        const double thick = std::max(1.0, f.StrikeSize * s);
        cairo_rectangle(cr, left, baseline - f.StrikePos * s - thick / 2, width, thick);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void TVYXGDILinux::TextLabel(std::u16string_view text, int x, int y, TVYXTextLableStyle style)
{
    cairo_t* cr = FImpl->Cr;
    const TXGDIHorizTextAlign h = FImpl->HAlign;
    const TXGDIVertTextAlign v = FImpl->VAlign;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    switch (style) {
    case atlsHorizBottom: SetTextAlign(xhtaCenter, xvtaTop); break;
    case atlsVertLeft:
        cairo_rotate(cr, -std::numbers::pi / 2);
        SetTextAlign(xhtaCenter, xvtaBottom);
        break;
    case atlsRotate:
        cairo_rotate(cr, -std::numbers::pi / 2);
        SetTextAlign(xhtaLeft, xvtaBaseline);
        break;
    }
    TextOutF(0, 0, text);
    cairo_restore(cr);
    SetTextAlign(h, v);
}

void TVYXGDILinux::MoveToF(double x, double y)
{
    FImpl->CurX = x;
    FImpl->CurY = y;
}

void TVYXGDILinux::LineToF(double x, double y)
{
    LineF(FImpl->CurX, FImpl->CurY, x, y);
    MoveToF(x, y);
}

void TVYXGDILinux::LineF(double x1, double y1, double x2, double y2)
{
    // Device lines cover the pixels from the start up to, not including, the end:
    // an odd-width line is moved onto pixel centres across its direction.
    const double w = std::max(1.0, FImpl->PenWidth);
    const double half = std::fmod(std::round(w), 2.0) == 1.0 ? 0.5 : 0;
    double ox = half, oy = half;
    if (y1 == y2)
        ox = 0;
    else if (x1 == x2)
        oy = 0;
    cairo_move_to(FImpl->Cr, x1 + ox, y1 + oy);
    cairo_line_to(FImpl->Cr, x2 + ox, y2 + oy);
    FImpl->StrokeWith(w);
}

void TVYXGDILinux::RectangleF(double x1, double y1, double x2, double y2)
{
    cairo_rectangle(FImpl->Cr, std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
    FImpl->Source(FImpl->Brush);
    cairo_fill(FImpl->Cr);
}

void TVYXGDILinux::RectOutlineF(double x1, double y1, double x2, double y2)
{
    const double w = std::max(1.0, FImpl->PenWidth);
    cairo_rectangle(FImpl->Cr, x1 + w / 2, y1 + w / 2, x2 - x1 - w, y2 - y1 - w);
    FImpl->StrokeWith(w);
}

void TVYXGDILinux::CircleF(double x, double y, double radius)
{
    cairo_new_sub_path(FImpl->Cr);
    cairo_arc(FImpl->Cr, x, y, radius, 0, 2 * std::numbers::pi);
    FImpl->Source(FImpl->Brush);
    cairo_fill(FImpl->Cr);
}

void TVYXGDILinux::CircleAlpha(double x, double y, double radius, double alpha, TVYXColor color)
{
    cairo_new_sub_path(FImpl->Cr);
    cairo_arc(FImpl->Cr, x, y, radius, 0, 2 * std::numbers::pi);
    cairo_set_operator(FImpl->Cr, CAIRO_OPERATOR_OVER);
    SetRGB(FImpl->Cr, color, std::clamp(alpha, 0.0, 1.0) * FImpl->Opacity);
    cairo_fill(FImpl->Cr);
}

void TVYXGDILinux::EllipseF(double x1, double y1, double x2, double y2)
{
    cairo_t* cr = FImpl->Cr;
    if (x2 == x1 || y2 == y1)
        return;
    cairo_save(cr);
    cairo_translate(cr, (x1 + x2) / 2, (y1 + y2) / 2);
    cairo_scale(cr, (x2 - x1) / 2, (y2 - y1) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(cr);
    FImpl->Source(FImpl->Brush);
    cairo_fill(cr);
}

void TVYXGDILinux::DrawF(double x1, double y1, double x2, double y2, const TVYXBitmap& bitmap)
{
    if (bitmap.Empty() || x2 == x1 || y2 == y1)
        return;
    cairo_t* cr = FImpl->Cr;
    cairo_surface_t* src = SurfaceFromBitmap(bitmap);
    cairo_save(cr);
    cairo_translate(cr, x1, y1);
    cairo_scale(cr, (x2 - x1) / bitmap.Width(), (y2 - y1) / bitmap.Height());
    cairo_set_source_surface(cr, src, 0, 0);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_rectangle(cr, 0, 0, bitmap.Width(), bitmap.Height());
    cairo_clip(cr);
    cairo_paint_with_alpha(cr, FImpl->Opacity);
    cairo_restore(cr);
    cairo_surface_destroy(src);
}

void TVYXGDILinux::DrawF(double x, double y, const TVYXGraphicObj& obj)
{
    const double w = PtToPixXF(obj.Width);
    const double h = PtToPixYF(obj.Height);
    const TVYXGrEditCoords box{x, y, x + w, y + h};
    TVYXMatrixScope matrix(*this);
    if (obj.GetAngle() != 0)
        RotateMatrix(box, obj.GetAngle());
    const auto* rot = dynamic_cast<const TVYXGraphicRotate*>(&obj);
    const auto* line = dynamic_cast<const TVYXGraphicLine*>(&obj);
    cairo_t* cr = FImpl->Cr;
    auto fillAndStroke = [&]() {
        if (rot && rot->Filled) {
            cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
            SetRGB(cr, rot->FillColor, rot->FillAlpha * FImpl->Opacity);
            cairo_fill_preserve(cr);
        }
        if (line && line->Stroked)
            StrokeOutline(cr, OutlineOf(*line, PtToPixXF(1), FImpl->Opacity));
        cairo_new_path(cr);
    };
    switch (obj.Type_()) {
    case agtShape: DrawShape(x, y, w, h, static_cast<const TVYXGraphicShape&>(obj), false); break;
    case agtPicture:
    case agtBarcode: FImpl->DrawPicture(x, y, w, h, static_cast<const TVYXGraphicPicture&>(obj)); break;
    case agtLine:
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + w, y + h);
        fillAndStroke();
        break;
    case agtEllipse:
        cairo_save(cr);
        cairo_translate(cr, x + w / 2, y + h / 2);
        cairo_scale(cr, std::max(w, 1e-6) / 2, std::max(h, 1e-6) / 2);
        cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
        cairo_restore(cr);
        fillAndStroke();
        break;
    case agtRoundRect: {
        const double r = std::min(w, h) * static_cast<const TVYXGraphicRoundRect&>(obj).ArcSize;
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + w - r, y + r, r, -std::numbers::pi / 2, 0);
        cairo_arc(cr, x + w - r, y + h - r, r, 0, std::numbers::pi / 2);
        cairo_arc(cr, x + r, y + h - r, r, std::numbers::pi / 2, std::numbers::pi);
        cairo_arc(cr, x + r, y + r, r, std::numbers::pi, 3 * std::numbers::pi / 2);
        cairo_close_path(cr);
        fillAndStroke();
        break;
    }
    default:
        cairo_rectangle(cr, x, y, w, h);
        fillAndStroke();
        break;
    }
}

void TVYXGDILinux::DrawShape(double x, double y, double width, double height, const TVYXGraphicShape& shape,
                             bool selected)
{
    cairo_t* cr = FImpl->Cr;
    TVYXGrShapePath path = shape.ShapeType ? shape.ShapeType->CalcPath(width, height, &shape.Adjust)
                                           : TVYXGrShapePath{};
    // A broken definition (overflowing formulas) must not put the context into its error state.
    for (const TVYXGrShapePathItem& item : path)
        for (double v : item.Coords)
            if (!std::isfinite(v) || std::abs(v) > 1e7)
                return;
    const TOutline outline = OutlineOf(shape, PtToPixXF(1), FImpl->Opacity);
    // Arrow heads go on the open ends of the outline; the line stops inside the head.
    auto head = [](const std::unique_ptr<TVYXGraphicArrow>& a) {
        return a && a->Head != agahNone ? a.get() : nullptr;
    };
    const TVYXGraphicArrow* startHead = shape.Stroked ? head(shape.StartArrow) : nullptr;
    const TVYXGraphicArrow* endHead = shape.Stroked ? head(shape.EndArrow) : nullptr;
    TLineEnd start, end;
    if (startHead || endHead)
        OpenPathEnds(path, startHead ? ArrowPullBack(*startHead, outline.Width) : 0,
                     endHead ? ArrowPullBack(*endHead, outline.Width) : 0, start, end);
    const auto* fillPicture = dynamic_cast<const TVYXPictureBMP*>(shape.Picture);
    const TVYXBitmap* fill = fillPicture && fillPicture->Bitmap() && !fillPicture->Bitmap()->Empty() &&
                                     width > 0 && height > 0
                                 ? fillPicture->Bitmap()
                                 : nullptr;
    cairo_surface_t* fillSurface = fill ? SurfaceFromBitmap(*fill) : nullptr;
    bool noFill = false, noStroke = false;
    cairo_new_path(cr);
    for (const TVYXGrShapePathItem& item : path) {
        const auto& c = item.Coords;
        switch (item.Cmd) {
        case agspcNoFill: noFill = true; break;
        case agspcNoStroke: noStroke = true; break;
        case agspcMoveTo: cairo_move_to(cr, x + c[0], y + c[1]); break;
        case agspcLineTo: cairo_line_to(cr, x + c[0], y + c[1]); break;
        case agspcCurveTo: cairo_curve_to(cr, x + c[0], y + c[1], x + c[2], y + c[3], x + c[4], y + c[5]); break;
        case agspcClose: cairo_close_path(cr); break;
        case agspcEnd:
            if (shape.Filled && !noFill) {
                cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
                if (fill) {
                    // A fill picture is stretched over the box and shows through the outline.
                    cairo_save(cr);
                    cairo_clip_preserve(cr);
                    cairo_translate(cr, x, y);
                    cairo_scale(cr, width / fill->Width(), height / fill->Height());
                    cairo_set_source_surface(cr, fillSurface, 0, 0);
                    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
                    cairo_paint_with_alpha(cr, shape.FillAlpha * FImpl->Opacity);
                    cairo_restore(cr);
                } else {
                    SetRGB(cr, shape.FillColor, shape.FillAlpha * FImpl->Opacity);
                    cairo_fill_preserve(cr);
                }
            }
            if (shape.Stroked && !noStroke)
                StrokeOutline(cr, outline);
            cairo_new_path(cr);
            noFill = noStroke = false;
            break;
        default: break;
        }
    }
    if (fillSurface)
        cairo_surface_destroy(fillSurface);
    for (auto [arrow, e] : {std::pair{startHead, start}, std::pair{endHead, end}})
        if (arrow && e.Valid)
            DrawArrowHead(cr, *arrow, {x + e.X, y + e.Y, e.DX, e.DY, true}, outline);
    if (selected)
        DrawSelected(x, y, x + width, y + height);
}

void TVYXGDILinux::BitBlt(int x, int y, TVYXDeviceHandle source, int sourceX, int sourceY, int width, int height)
{
    const auto* src = reinterpret_cast<const TVYXBitmap*>(source);
    if (!src || width <= 0 || height <= 0)
        return;
    // Only the part inside the source is copied.
    const int sx = std::clamp(sourceX, 0, src->Width());
    const int sy = std::clamp(sourceY, 0, src->Height());
    const int w = std::min(width - (sx - sourceX), src->Width() - sx);
    const int h = std::min(height - (sy - sourceY), src->Height() - sy);
    if (w <= 0 || h <= 0)
        return;
    cairo_surface_t* s = SurfaceFromBitmap(*src, sx, sy, w, h);
    cairo_t* cr = FImpl->Cr;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, s, x + (sx - sourceX), y + (sy - sourceY));
    cairo_rectangle(cr, x + (sx - sourceX), y + (sy - sourceY), w, h);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}

void TVYXGDILinux::BeginClip(double x1, double y1, double x2, double y2)
{
    cairo_save(FImpl->Cr);
    ++FImpl->SaveDepth;
    cairo_rectangle(FImpl->Cr, x1, y1, x2 - x1, y2 - y1);
    cairo_clip(FImpl->Cr);
}

void TVYXGDILinux::EndClip()
{
    if (FImpl->SaveDepth > 0) {
        cairo_restore(FImpl->Cr);
        --FImpl->SaveDepth;
    }
}
