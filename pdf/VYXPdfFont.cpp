// VYXPdfFont.cpp: subsetting with hb-subset and the font dictionaries of a CID-keyed face.
#include "pdf/VYXPdfFont.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include <hb-subset.h>
#include <hb.h>

#include "pdf/VYXPdfDocument.h"
#include "platform/VYXException.h"

namespace {
std::string TableBytes(hb_face_t* face, hb_tag_t tag)
{
    hb_blob_t* blob = hb_face_reference_table(face, tag);
    unsigned len = 0;
    const char* data = hb_blob_get_data(blob, &len);
    std::string out(data ? data : "", data ? len : 0);
    hb_blob_destroy(blob);
    return out;
}

unsigned TableSize(hb_face_t* face, hb_tag_t tag)
{
    hb_blob_t* blob = hb_face_reference_table(face, tag);
    const unsigned len = hb_blob_get_length(blob);
    hb_blob_destroy(blob);
    return len;
}

int I16(const std::string& t, std::size_t at)
{
    if (at + 2 > t.size())
        return 0;
    return static_cast<std::int16_t>((static_cast<std::uint8_t>(t[at]) << 8) | static_cast<std::uint8_t>(t[at + 1]));
}

void Hex4(std::string& out, unsigned v)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04X", v & 0xFFFF);
    out += buf;
}
}  // namespace

TVYXPdfFont::TVYXPdfFont(const std::string& file, int index, std::string name, int objNum)
    : FFile(file), FIndex(index), FName(std::move(name)), FObj(objNum)
{
    hb_blob_t* blob = hb_blob_create_from_file_or_fail(file.c_str());
    if (!blob)
        throw VYXException("Cannot read font file " + file);
    FFace = hb_face_create(blob, static_cast<unsigned>(index));
    hb_blob_destroy(blob);
    FUpem = std::max(16u, hb_face_get_upem(FFace));
    FFont = hb_font_create(FFace);
    hb_font_set_scale(FFont, static_cast<int>(FUpem), static_cast<int>(FUpem));
}

TVYXPdfFont::~TVYXPdfFont()
{
    hb_font_destroy(FFont);
    hb_face_destroy(FFace);
}

void TVYXPdfFont::Use(unsigned glyph, std::u16string_view text)
{
    auto it = FUsed.find(glyph);
    if (it == FUsed.end())
        FUsed.emplace(glyph, std::u16string(text));
    else if (it->second.empty() && !text.empty())
        it->second = std::u16string(text);
}

double TVYXPdfFont::Width(unsigned glyph) const
{
    return hb_font_get_glyph_h_advance(FFont, glyph) * 1000.0 / FUpem;
}

void TVYXPdfFont::Write(TVYXPdfDocument& doc, bool pdfa)
{
    FUsed.emplace(0, u"");  // .notdef is always kept
    const bool cff = TableSize(FFace, HB_TAG('C', 'F', 'F', ' ')) > 0 && TableSize(FFace, HB_TAG('g', 'l', 'y', 'f')) == 0;

    // The subset: the glyphs used, under their own indexes, without layout tables or hints.
    hb_subset_input_t* input = hb_subset_input_create_or_fail();
    if (!input)
        throw VYXException("Cannot subset font " + FFile);
    hb_set_t* glyphs = hb_subset_input_glyph_set(input);
    for (const auto& used : FUsed)
        hb_set_add(glyphs, used.first);
    hb_subset_input_set_flags(input, HB_SUBSET_FLAGS_RETAIN_GIDS | HB_SUBSET_FLAGS_NO_HINTING |
                                         HB_SUBSET_FLAGS_DESUBROUTINIZE);
    hb_set_t* drop = hb_subset_input_set(input, HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (hb_tag_t t : {HB_TAG('G', 'S', 'U', 'B'), HB_TAG('G', 'P', 'O', 'S'), HB_TAG('G', 'D', 'E', 'F'),
                       HB_TAG('k', 'e', 'r', 'n'), HB_TAG('B', 'A', 'S', 'E'), HB_TAG('J', 'S', 'T', 'F'),
                       HB_TAG('M', 'A', 'T', 'H'), HB_TAG('D', 'S', 'I', 'G'), HB_TAG('h', 'd', 'm', 'x'),
                       HB_TAG('V', 'D', 'M', 'X'), HB_TAG('L', 'T', 'S', 'H'), HB_TAG('g', 'a', 's', 'p')})
        hb_set_add(drop, t);
    hb_face_t* subset = hb_subset_or_fail(FFace, input);
    hb_subset_input_destroy(input);
    std::string program;
    if (subset) {
        hb_blob_t* blob = hb_face_reference_blob(subset);
        unsigned len = 0;
        const char* data = hb_blob_get_data(blob, &len);
        program.assign(data ? data : "", data ? len : 0);
        hb_blob_destroy(blob);
        hb_face_destroy(subset);
    }
    if (program.empty()) {
        // A face the subsetter refuses goes in whole, so that text still shows.
        hb_blob_t* blob = hb_face_reference_blob(FFace);
        unsigned len = 0;
        const char* data = hb_blob_get_data(blob, &len);
        program.assign(data ? data : "", data ? len : 0);
        hb_blob_destroy(blob);
    }

    // The subset's tag: six capitals from a hash of the glyph set, so equal subsets get equal tags.
    std::uint32_t hash = 2166136261u;
    for (const auto& used : FUsed)
        hash = (hash ^ used.first) * 16777619u;
    std::string tag;
    for (int i = 0; i < 6; ++i) {
        tag += static_cast<char>('A' + hash % 26);
        hash /= 26;
    }
    char psName[128] = {};
    unsigned psLen = sizeof psName;
    hb_ot_name_get_utf8(FFace, HB_OT_NAME_ID_POSTSCRIPT_NAME, HB_LANGUAGE_INVALID, &psLen, psName);
    std::string base;
    for (const char* p = psName; *p; ++p)
        if (*p > 32 && *p < 127 && !std::strchr("()<>[]{}/%#", *p))
            base += *p;
    if (base.empty())
        base = "Font" + FName.substr(2);
    base = tag + "+" + base;

    const std::string head = TableBytes(FFace, HB_TAG('h', 'e', 'a', 'd'));
    const std::string os2 = TableBytes(FFace, HB_TAG('O', 'S', '/', '2'));
    const std::string hhea = TableBytes(FFace, HB_TAG('h', 'h', 'e', 'a'));
    const std::string post = TableBytes(FFace, HB_TAG('p', 'o', 's', 't'));
    const double k = 1000.0 / FUpem;
    double ascent = I16(hhea, 4) * k, descent = I16(hhea, 6) * k, capHeight = ascent;
    if (os2.size() >= 90) {
        ascent = I16(os2, 68) * k;
        descent = I16(os2, 70) * k;
        capHeight = I16(os2, 88) * k;
    }
    if (capHeight <= 0)
        capHeight = ascent;
    const double italic = post.size() >= 8 ? I16(post, 4) + static_cast<std::uint16_t>(I16(post, 6)) / 65536.0 : 0;

    const int fileObj = doc.NewObject();
    const int descObj = doc.NewObject();
    const int cidObj = doc.NewObject();
    const int toUniObj = doc.NewObject();
    const int cidSetObj = pdfa ? doc.NewObject() : 0;
    if (cff)
        doc.SetStream(fileObj, "/Subtype/OpenType", program, true);
    else
        doc.SetStream(fileObj, "/Length1 " + std::to_string(program.size()), program, true);

    std::string d = "<</Type/FontDescriptor/FontName/" + base + "/Flags 4/FontBBox[";
    VYXPdfNum(d, I16(head, 36) * k);
    d += ' ';
    VYXPdfNum(d, I16(head, 38) * k);
    d += ' ';
    VYXPdfNum(d, I16(head, 40) * k);
    d += ' ';
    VYXPdfNum(d, I16(head, 42) * k);
    d += "]/ItalicAngle ";
    VYXPdfNum(d, italic);
    d += "/Ascent ";
    VYXPdfNum(d, ascent);
    d += "/Descent ";
    VYXPdfNum(d, descent);
    d += "/CapHeight ";
    VYXPdfNum(d, capHeight);
    d += "/StemV 80";
    d += cff ? "/FontFile3 " : "/FontFile2 ";
    d += std::to_string(fileObj) + " 0 R";
    if (cidSetObj)
        d += "/CIDSet " + std::to_string(cidSetObj) + " 0 R";
    d += ">>";
    doc.SetObject(descObj, d);

    if (cidSetObj) {
        // One bit per CID up to the largest used, the first CID in the high bit.
        const unsigned last = FUsed.rbegin()->first;
        std::string bits(last / 8 + 1, '\0');
        for (const auto& used : FUsed)
            bits[used.first / 8] = static_cast<char>(bits[used.first / 8] | (0x80 >> (used.first % 8)));
        doc.SetStream(cidSetObj, "", bits, true);
    }

    // Widths: runs of consecutive glyphs share one array.
    std::string w = "[";
    for (auto it = FUsed.begin(); it != FUsed.end();) {
        w += std::to_string(it->first) + '[';
        unsigned next = it->first;
        bool first = true;
        while (it != FUsed.end() && it->first == next) {
            if (!first)
                w += ' ';
            first = false;
            VYXPdfNum(w, std::round(Width(it->first)));
            ++next;
            ++it;
        }
        w += ']';
    }
    w += ']';
    std::string cid = std::string("<</Type/Font/Subtype/") + (cff ? "CIDFontType0" : "CIDFontType2") +
                      "/BaseFont/" + base +
                      "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>/FontDescriptor " +
                      std::to_string(descObj) + " 0 R/DW 1000/W " + w;
    if (!cff)
        cid += "/CIDToGIDMap/Identity";
    cid += ">>";
    doc.SetObject(cidObj, cid);

    // ToUnicode: each glyph to the text it was shaped from (several characters for a ligature).
    std::string cmap =
        "/CIDInit/ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo<</Registry(Adobe)/Ordering(UCS)/Supplement 0>>def\n"
        "/CMapName/Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<0000><FFFF>\nendcodespacerange\n";
    std::vector<std::pair<unsigned, const std::u16string*>> maps;
    for (const auto& used : FUsed)
        if (!used.second.empty())
            maps.emplace_back(used.first, &used.second);
    for (std::size_t i = 0; i < maps.size(); i += 100) {
        const std::size_t n = std::min<std::size_t>(100, maps.size() - i);
        cmap += std::to_string(n) + " beginbfchar\n";
        for (std::size_t j = i; j < i + n; ++j) {
            cmap += '<';
            Hex4(cmap, maps[j].first);
            cmap += "><";
            for (char16_t c : maps[j].second->substr(0, 32))
                Hex4(cmap, c);
            cmap += ">\n";
        }
        cmap += "endbfchar\n";
    }
    cmap += "endcmap\nCMapName currentdict/CMap defineresource pop\nend\nend\n";
    doc.SetStream(toUniObj, "", cmap, true);

    doc.SetObject(FObj, "<</Type/Font/Subtype/Type0/BaseFont/" + base + "/Encoding/Identity-H/DescendantFonts[" +
                            std::to_string(cidObj) + " 0 R]/ToUnicode " + std::to_string(toUniObj) + " 0 R>>");
}
