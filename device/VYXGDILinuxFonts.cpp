// VYXGDILinuxFonts.cpp: the Linux device's font lookup through fontconfig, with metric-compatible
// stand-ins for the families most documents use and fallback faces for missing characters.
#include "device/VYXGDILinux.h"

#include <algorithm>
#include <string>

#include <fontconfig/fontconfig.h>

#include "platform/VYXUnicode.h"

namespace {

// ---- Font lookup ----

struct TSubstitute {
    std::string_view Family;  // lower case
    std::string_view Substitute;
};
// Metric-compatible stand-ins for the families most documents use; sorted by Family.
constexpr TSubstitute cSubstitutes[] = {
    {"arial", "Liberation Sans"},
    {"calibri", "Carlito"},
    {"cambria", "Caladea"},
    {"courier new", "Liberation Mono"},
    {"times new roman", "Liberation Serif"},
};

std::string_view SubstituteFor(std::string_view family)
{
    const std::string lower = AsciiLower(family);
    auto it = std::lower_bound(std::begin(cSubstitutes), std::end(cSubstitutes), lower,
                               [](const TSubstitute& s, const std::string& key) { return s.Family < key; });
    return it != std::end(cSubstitutes) && it->Family == lower ? it->Substitute : std::string_view{};
}

// A pattern asking for the family (through the substitution table) in a style.
FcPattern* StylePattern(std::string_view family, bool bold, bool italic)
{
    const std::string_view sub = SubstituteFor(family);
    const std::string wanted = sub.empty() ? std::string(family) : std::string(sub);
    FcInit();
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(wanted.c_str()));
    FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    return pat;
}

// The face a found pattern names, and which of the asked styles it must fake.
TVYXFontMatch MatchOf(FcPattern* found, std::string_view family, bool bold, bool italic)
{
    TVYXFontMatch m;
    m.Requested = std::string(family);
    FcChar8* s = nullptr;
    if (FcPatternGetString(found, FC_FILE, 0, &s) == FcResultMatch)
        m.File = reinterpret_cast<const char*>(s);
    if (FcPatternGetString(found, FC_FAMILY, 0, &s) == FcResultMatch)
        m.Family = reinterpret_cast<const char*>(s);
    int value = 0;
    if (FcPatternGetInteger(found, FC_INDEX, 0, &value) == FcResultMatch)
        m.Index = value;
    // The system's configuration may already have decided to fake a style (it then reports
    // the asked weight or slant and sets embolden or a shear); either way we fake it ourselves.
    FcBool embolden = FcFalse;
    FcMatrix* shear = nullptr;
    if (bold && ((FcPatternGetBool(found, FC_EMBOLDEN, 0, &embolden) == FcResultMatch && embolden) ||
                 (FcPatternGetInteger(found, FC_WEIGHT, 0, &value) == FcResultMatch && value < FC_WEIGHT_DEMIBOLD)))
        m.SyntheticBold = true;
    if (italic && ((FcPatternGetMatrix(found, FC_MATRIX, 0, &shear) == FcResultMatch && shear->xy != 0) ||
                   (FcPatternGetInteger(found, FC_SLANT, 0, &value) == FcResultMatch && value == FC_SLANT_ROMAN)))
        m.SyntheticItalic = true;
    m.Substituted = !SameTextAscii(m.Family, family);
    return m;
}
}  // namespace

TVYXFontMatch VYXResolveFont(std::string_view family, bool bold, bool italic)
{
    FcPattern* pat = StylePattern(family, bold, italic);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, pat, &result);
    TVYXFontMatch m;
    if (found) {
        m = MatchOf(found, family, bold, italic);
        FcPatternDestroy(found);
    } else {
        m.Requested = std::string(family);
        m.Substituted = true;
    }
    FcPatternDestroy(pat);
    return m;
}

TVYXFontMatch VYXFallbackFont(std::string_view family, bool bold, bool italic, char32_t cp)
{
    FcPattern* pat = StylePattern(family, bold, italic);
    FcCharSet* wanted = FcCharSetCreate();
    FcCharSetAddChar(wanted, cp);
    FcPatternAddCharSet(pat, FC_CHARSET, wanted);
    FcCharSetDestroy(wanted);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcFontSet* set = FcFontSort(nullptr, pat, FcFalse, nullptr, &result);
    TVYXFontMatch m;
    m.Requested = std::string(family);
    for (int i = 0; set && i < set->nfont; ++i) {
        FcCharSet* has = nullptr;
        if (FcPatternGetCharSet(set->fonts[i], FC_CHARSET, 0, &has) == FcResultMatch && FcCharSetHasChar(has, cp)) {
            m = MatchOf(set->fonts[i], family, bold, italic);
            break;
        }
    }
    if (set)
        FcFontSetDestroy(set);
    FcPatternDestroy(pat);
    return m;
}

std::string VYXFontSubstitutionListing()
{
    constexpr std::string_view names[] = {"Arial", "Calibri", "Cambria", "Courier New", "Times New Roman"};
    std::string out;
    for (std::string_view n : names) {
        const TVYXFontMatch m = VYXResolveFont(n);
        out += std::string(n) + " -> " + m.Family + " (" + m.File + ")\n";
    }
    return out;
}

#if defined(__SANITIZE_ADDRESS__)
// fontconfig loses a few bytes while parsing the system's configuration on first use;
// it is not ours to free. Any program that links this device inherits the suppression.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
#endif
