// VYXWriteDOCX.cpp: the DOCX writer: paragraphs, runs, tables, styles and lists as WordprocessingML.
//
// Each part is written into a string by a small appender (names and attribute
// order are ours, so no tree is built) and handed to the package. Element order
// inside property lists follows the schema's sequences, not the model's ids.
//
// Not supported: comments' formatting (their paragraphs are plain texts),
// drawing objects other than pictures and text boxes (shapes, barcodes,
// watermarks), the table look (the reader has put conditional formats on the
// cells already).
#include "formats/VYXWriteDOCX.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
#include "formats/VYXDocxValueNames.h"
#include "formats/VYXDocxParts.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/schema/NyqDocx.h"
#include "formats/schema/NyqDocxWml.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXPropValues.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {

constexpr std::string_view cDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
constexpr std::string_view cNsW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr std::string_view cNsR = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr std::string_view cNsWp = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
constexpr std::string_view cNsA = "http://schemas.openxmlformats.org/drawingml/2006/main";
constexpr std::string_view cNsPic = "http://schemas.openxmlformats.org/drawingml/2006/picture";
constexpr std::string_view cNsV = "urn:schemas-microsoft-com:vml";

long long Round(double v)
{
    if (!std::isfinite(v))
        return 0;
    return std::llround(std::clamp(v, -1e15, 1e15));
}
long long Twips(double points) { return Round(points * 20.0); }

std::string Hex(TVYXColor c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(c & 0xFFFFFFu));
    return buf;
}

// Characters XML 1.0 cannot carry become U+FFFD.
// UTF-8 of `text` with the characters XML cannot carry replaced.
std::string CleanText(std::u16string_view text)
{
    std::u16string clean(text);
    for (char16_t& c : clean)
        if ((c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c == 0xFFFE || c == 0xFFFF)
            c = 0xFFFD;
    return Utf16ToUtf8(clean);
}

std::string XmlText(std::u16string_view text)
{
    std::string out;
    NyqEscapeText(CleanText(text), out);
    return out;
}

// A part's text, built element by element.
class TXml {
public:
    std::string Out;

    TXml() { Out.append(cDecl); }
    // "<name" — attributes follow, then Open() or Empty().
    TXml& Tag(std::string_view name)
    {
        Out += '<';
        Out.append(name);
        return *this;
    }
    TXml& Attr(std::string_view name, std::string_view value)
    {
        Out += ' ';
        Out.append(name);
        Out.append("=\"");
        NyqEscapeText(value, Out);
        Out += '"';
        return *this;
    }
    TXml& Attr(std::string_view name, long long value) { return Attr(name, std::to_string(value)); }
    TXml& Attr16(std::string_view name, std::u16string_view value)
    {
        Out += ' ';
        Out.append(name);
        Out.append("=\"");
        Out.append(XmlText(value));
        Out += '"';
        return *this;
    }
    void Open() { Out += '>'; }
    void Empty() { Out.append("/>"); }
    void End(std::string_view name)
    {
        Out.append("</");
        Out.append(name);
        Out += '>';
    }
    // <name w:val="value"/>
    void Val(std::string_view name, std::string_view value) { Tag(name).Attr("w:val", value).Empty(); }
    void Val(std::string_view name, long long value) { Tag(name).Attr("w:val", value).Empty(); }
    void OnOff(std::string_view name, bool on)
    {
        if (on)
            Tag(name).Empty();
        else
            Val(name, "0");
    }
    void TextElem(std::string_view name, std::u16string_view text)
    {
        Tag(name).Attr("xml:space", "preserve").Open();
        Out.append(XmlText(text));
        End(name);
    }
};


std::string_view BorderName(TST_Border style)
{
    const auto i = static_cast<std::size_t>(style);
    return i < VYXStBorderName.size() ? VYXStBorderName[i] : std::string_view("single");
}

std::string DateText(double days)
{
    if (days <= 0 || !std::isfinite(days))
        return {};
    // Days since 1899-12-30 to civil date (proleptic Gregorian).
    const long long total = Round(days * 86400.0);
    long long z = total / 86400 - 25569 + 719468;  // days since 0000-03-01
    const long long secs = total % 86400;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = std::clamp(yoe + era * 400 + (m <= 2 ? 1 : 0), 0LL, 9999LL);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04lld-%02lld-%02lldT%02lld:%02lld:%02lldZ", y, m, d, secs / 3600, secs / 60 % 60,
                  secs % 60);
    return buf;
}

}  // namespace

namespace {

class TWriter {
public:
    TWriter(TVYXLogDocEditor& doc, TOPC_DOCX& pkg, const TVYXDocumentProperties* props)
        : FDoc(doc), FPkg(pkg), FProps(props) {}
    void Save();

private:
    TVYXLogDocEditor& FDoc;
    TOPC_DOCX& FPkg;
    const TVYXDocumentProperties* FProps;  // borrowed, optional
    TOPCItem* FOwner = nullptr;  // the part being written (pictures and links relate to it)
    std::map<std::pair<TOPCItem*, const TVYXHyperlink*>, std::string> FLinkIds;
    std::map<const TVYXMarkupObject*, long long> FBookmarkIds;
    std::map<const TVYXMarkupObject*, long long> FPermIds;
    std::map<const TVYXComment*, long long> FCommentIds;
    std::map<const TVYXFootnoteBaseItem*, long long> FNoteIds;
    std::map<const TVYXNumberingsList*, long long> FNumIds;
    int FImages = 0;
    long long FRevisionIds = 0;
    long long FDrawingIds = 0;
    int FBoxDepth = 0;

    void CHPX(TXml& x, const TVYXCHPX* chpx, bool always = false);
    void RevisionAttrs(TXml& x, const TVYXRevisionData& rev);
    void PAPX(TXml& x, const TVYXPAPX& papx, const TVYXSEP* sep, bool markRPr);
    void Border(TXml& x, std::string_view name, const TVYXDocPropBorder* b);
    void SEP(TXml& x, const TVYXSEP& sep, bool final);
    void Paras(TXml& x, const TVYXLogParas& paras, bool inDocument);
    void Para(TXml& x, const TVYXLogPara& para, bool inDocument);
    static const TVYXComplexField* FormFieldAfter(const TVYXLogPara& para, int begin);
    void FFData(TXml& x, const TVYXComplexField& field);
    void Table(TXml& x, const TVYXTable& table);
    void TAPX(TXml& x, const TVYXTAPX& tapx);
    void StyleCellLook(TXml& x, const TVYXTableCellProps* props);
    void TextBoxPict(TXml& x, const TVYXGraphicRotate& box, bool floating);
    void TableStyleParts(TXml& x, const TVYXTableStyle& style);
    void Run(TXml& x, const TVYXCharRun& run);
    void Picture(TXml& x, const TVYXCharRunPicture& run);
    // Inline, or floating where `anchor` says when given.
    void Drawing(TXml& x, const std::string& rid, double w, double h, const TVYXGraphicObj* anchor = nullptr,
                 const TVYXGraphicPicture* look = nullptr);
    std::string ImageId(const void* key, std::string_view bytes, TVYXPictureType type);
    std::map<std::pair<TOPCItem*, const void*>, std::string> FImageIds;
    std::string LinkId(const TVYXHyperlink& link);
    std::string Styles();
    std::string Numbering();
    std::string Settings();
    std::string Notes(bool endnotes);
    std::string Comments();
    std::string Core() const;
    std::string HeaderFooter(TVYXLogDocEditor& editor, bool header);
    static void RootOpen(TXml& x, std::string_view name);
    std::vector<std::pair<std::string, std::string>> FHeaderRefs;  // element + type -> rId, in order
    std::vector<std::u16string> FFontNames;  // as written, for the font table
};

void TWriter::RootOpen(TXml& x, std::string_view name)
{
    x.Tag(name).Attr("xmlns:w", cNsW).Attr("xmlns:r", cNsR).Attr("xmlns:wp", cNsWp).Attr("xmlns:a", cNsA)
        .Attr("xmlns:pic", cNsPic).Attr("xmlns:v", cNsV).Attr("xmlns:w10", "urn:schemas-microsoft-com:office:word").Open();
}

void TWriter::RevisionAttrs(TXml& x, const TVYXRevisionData& rev)
{
    x.Attr("w:id", ++FRevisionIds).Attr16("w:author", rev.Author.empty() ? u"Unknown" : rev.Author);
    if (const std::string date = DateText(rev.Date); !date.empty())
        x.Attr("w:date", date);
}

void TWriter::Border(TXml& x, std::string_view name, const TVYXDocPropBorder* b)
{
    if (!b)
        return;
    x.Tag(name).Attr("w:val", BorderName(b->Style)).Attr("w:sz", Round(b->Width * 8)).Attr("w:space", Round(b->Space));
    x.Attr("w:color", b->Color == cVYXAutoColor ? std::string("auto") : Hex(b->Color)).Empty();
}

void TWriter::CHPX(TXml& x, const TVYXCHPX* chpx, bool always)
{
    if (!chpx || chpx->Count() == 0) {
        if (always) {
            x.Tag("w:rPr").Empty();
        }
        return;
    }
    const std::size_t mark = x.Out.size();
    x.Tag("w:rPr").Open();
    const std::size_t inner = x.Out.size();
    bool b = false;
    std::int32_t i = 0;
    double d = 0;
    std::u16string s;
    if (const TVYXCharStyle* style = chpx->GetStyle(); style && chpx->Assigned(vyciStyle))
        x.Tag("w:rStyle").Attr16("w:val", style->Id).Empty();
    {
        std::u16string font, ascii, hAnsi, ea;
        chpx->GetValue(vyciFontName, font);
        chpx->GetValue(vyciAscii, ascii);
        chpx->GetValue(vycihAnsi, hAnsi);
        chpx->GetValue(vyciEastAsia, ea);
        if (ascii.empty())
            ascii = font;
        if (hAnsi.empty())
            hAnsi = font;
        if (!ascii.empty() || !hAnsi.empty() || !ea.empty()) {
            for (const std::u16string* name : {&ascii, &hAnsi, &ea})
                FFontNames.push_back(*name);
            x.Tag("w:rFonts");
            if (!ascii.empty())
                x.Attr16("w:ascii", ascii);
            if (!hAnsi.empty())
                x.Attr16("w:hAnsi", hAnsi);
            if (!ea.empty())
                x.Attr16("w:eastAsia", ea);
            x.Empty();
        }
    }
    const std::pair<TVYXChpId, std::string_view> flags1[] = {
        {vyciBold, "w:b"}, {vyciItalic, "w:i"}, {vyciAllCaps, "w:caps"}, {vyciSmallCaps, "w:smallCaps"},
        {vyciStrikeThrough, "w:strike"}, {vyciOutline, "w:outline"}, {vyciShadow, "w:shadow"},
        {vyciEmboss, "w:emboss"}, {vyciEngrave, "w:imprint"}, {vyciHidden, "w:vanish"}};
    for (const auto& [id, name] : flags1)
        if (chpx->GetValue(id, b))
            x.OnOff(name, b);
    if (chpx->GetValue(vyciColor, i) && static_cast<TVYXColor>(i) != cVYXAutoColor)
        x.Val("w:color", Hex(static_cast<TVYXColor>(i)));
    if (chpx->GetValue(vyciSize, d) && d > 0)
        x.Val("w:sz", std::max(1LL, Round(d * 2)));
    if (chpx->GetValue(vyciHighlightColor, i) && i >= 0 && i < ahcNone)
        x.Val("w:highlight", cHighlightNames[static_cast<std::size_t>(i)]);
    if (chpx->GetValue(vyciUnderline, i) && i >= 0 && i < static_cast<std::int32_t>(cUnderlineNames.size())) {
        x.Tag("w:u").Attr("w:val", cUnderlineNames[static_cast<std::size_t>(i)]);
        std::int32_t c = 0;
        if (chpx->GetValue(vyciUnderlineColor, c) && static_cast<TVYXColor>(c) != cVYXAutoColor)
            x.Attr("w:color", Hex(static_cast<TVYXColor>(c)));
        x.Empty();
    }
    if (chpx->Assigned(vyciBorder))
        Border(x, "w:bdr", chpx->GetBorder());
    if (chpx->GetValue(vyciFillColor, i) && static_cast<TVYXColor>(i) != cVYXAutoColor)
        x.Tag("w:shd").Attr("w:val", "clear").Attr("w:color", "auto").Attr("w:fill", Hex(static_cast<TVYXColor>(i))).Empty();
    if (chpx->GetValue(vyciSubSuperscript, i) && i != vycssNone)
        x.Val("w:vertAlign", i == vycssSuperscript ? "superscript" : "subscript");
    if (chpx->GetValue(vyciRTL, b))
        x.OnOff("w:rtl", b);
    if (const auto* rev = dynamic_cast<const TVYXRevisionDataCHPX*>(chpx->GetRevision()); rev && rev->CHPX()) {
        RevisionAttrs(x.Tag("w:rPrChange"), *rev);
        x.Open();
        CHPX(x, rev->CHPX(), true);
        x.End("w:rPrChange");
    }
    if (x.Out.size() == inner) {
        x.Out.resize(mark);
        if (always)
            x.Tag("w:rPr").Empty();
        return;
    }
    x.End("w:rPr");
}

void TWriter::SEP(TXml& x, const TVYXSEP& sep, bool final)
{
    x.Tag("w:sectPr").Open();
    if (final)
        for (const auto& [elem, rest] : FHeaderRefs) {
            const std::size_t bar = rest.find('|');
            x.Tag(elem).Attr("w:type", rest.substr(0, bar)).Attr("r:id", rest.substr(bar + 1)).Empty();
        }
    switch (sep.Type) {
    case astContinous: x.Val("w:type", "continuous"); break;
    case astNextColumn: x.Val("w:type", "nextColumn"); break;
    case astEvenPage: x.Val("w:type", "evenPage"); break;
    case astOddPage: x.Val("w:type", "oddPage"); break;
    default: break;
    }
    if (sep.PageWidth > 0 || sep.PageHeight > 0) {
        x.Tag("w:pgSz");
        if (sep.PageWidth > 0)
            x.Attr("w:w", Twips(sep.PageWidth));
        if (sep.PageHeight > 0)
            x.Attr("w:h", Twips(sep.PageHeight));
        if (sep.PageWidth > sep.PageHeight && sep.PageHeight > 0)
            x.Attr("w:orient", "landscape");
        x.Empty();
    }
    const bool anyMargin = sep.MargTop >= 0 || sep.MargBottom >= 0 || sep.MargLeft >= 0 || sep.MargRight >= 0 ||
                           sep.MargHeader >= 0 || sep.MargFooter >= 0;
    if (anyMargin) {
        // The schema wants all seven; unset ones take the values in effect.
        x.Tag("w:pgMar").Attr("w:top", Twips(sep.GetMargTop())).Attr("w:right", Twips(sep.GetMargRight()));
        x.Attr("w:bottom", Twips(sep.GetMargBottom())).Attr("w:left", Twips(sep.GetMargLeft()));
        x.Attr("w:header", Twips(sep.GetMargHeader())).Attr("w:footer", Twips(sep.GetMargFooter()));
        x.Attr("w:gutter", Twips(std::max(0.0, sep.GetGutter()))).Empty();
    }
    if (sep.Cols.Count() > 0) {
        x.Tag("w:cols").Attr("w:num", sep.Cols.Count()).Attr("w:space", Twips(sep.Cols.AverageColSpace()));
        x.Attr("w:equalWidth", "0").Open();
        for (int i = 0; i < sep.Cols.Count(); ++i)
            x.Tag("w:col").Attr("w:w", Twips(sep.Cols.Items(i).Width)).Attr("w:space", Twips(sep.Cols.Items(i).Space)).Empty();
        x.End("w:cols");
    }
    if (sep.TitlePg)
        x.Tag("w:titlePg").Empty();
    if (sep.BiDi)
        x.Tag("w:bidi").Empty();
    x.End("w:sectPr");
}

void TWriter::PAPX(TXml& x, const TVYXPAPX& papx, const TVYXSEP* sep, bool markRPr)
{
    const std::size_t mark = x.Out.size();
    x.Tag("w:pPr").Open();
    const std::size_t inner = x.Out.size();
    bool b = false;
    std::int32_t i = 0;
    double d = 0;
    if (const TVYXParaStyle* style = papx.GetStyle(); style && papx.Assigned(vypiStyle))
        x.Tag("w:pStyle").Attr16("w:val", style->Id).Empty();
    if (papx.GetValue(vypiKeepNext, b))
        x.OnOff("w:keepNext", b);
    if (papx.GetValue(vypiKeepLines, b))
        x.OnOff("w:keepLines", b);
    if (papx.GetValue(vypiWidowControl, b))
        x.OnOff("w:widowControl", b);
    if (papx.Assigned(vypiNumbering)) {
        const TVYXNumbering* level = papx.GetNumbering();
        const auto id = level ? FNumIds.find(level->NumList()) : FNumIds.end();
        x.Tag("w:numPr").Open();
        x.Val("w:ilvl", level ? level->Level : 0);
        x.Val("w:numId", id != FNumIds.end() ? id->second : 0);
        x.End("w:numPr");
    }
    if (papx.Assigned(vypiBorderLeft) || papx.Assigned(vypiBorderTop) || papx.Assigned(vypiBorderRight) ||
        papx.Assigned(vypiBorderBottom)) {
        x.Tag("w:pBdr").Open();
        Border(x, "w:top", papx.Assigned(vypiBorderTop) ? papx.GetBorderTop() : nullptr);
        Border(x, "w:left", papx.Assigned(vypiBorderLeft) ? papx.GetBorderLeft() : nullptr);
        Border(x, "w:bottom", papx.Assigned(vypiBorderBottom) ? papx.GetBorderBottom() : nullptr);
        Border(x, "w:right", papx.Assigned(vypiBorderRight) ? papx.GetBorderRight() : nullptr);
        x.End("w:pBdr");
    }
    if (papx.GetValue(vypiColor, i) && static_cast<TVYXColor>(i) != cVYXAutoColor)
        x.Tag("w:shd").Attr("w:val", "clear").Attr("w:color", "auto").Attr("w:fill", Hex(static_cast<TVYXColor>(i))).Empty();
    if (const TVYXTabStops* tabs = papx.Assigned(vypiTabStops) ? papx.GetTabStops() : nullptr; tabs && tabs->Count() > 0) {
        x.Tag("w:tabs").Open();
        static constexpr std::string_view cAlign[] = {"clear", "left", "center", "right", "decimal", "num"};
        static constexpr std::string_view cLeader[] = {"none", "dot", "hyphen", "underscore", "heavy", "middleDot"};
        for (int t = 0; t < tabs->Count(); ++t) {
            const TVYXTabStop& stop = tabs->Items(t);
            x.Tag("w:tab").Attr("w:val", cAlign[std::clamp(static_cast<int>(stop.Alignment), 0, 5)]);
            if (stop.Leader != atslNone)
                x.Attr("w:leader", cLeader[std::clamp(static_cast<int>(stop.Leader), 0, 5)]);
            x.Attr("w:pos", Twips(stop.Position)).Empty();
        }
        x.End("w:tabs");
    }
    {
        const bool before = papx.GetValue(vypiSpaceBefore, d);
        const double vBefore = d;
        const bool after = papx.GetValue(vypiSpaceAfter, d);
        const double vAfter = d;
        double line = 0;
        const bool hasLine = papx.GetValue(vypiLineSpacing, line);
        std::int32_t type = aplstMultiple;
        const bool hasType = papx.GetValue(vypiLineSpacingType, type);
        if (before || after || hasLine || hasType) {
            x.Tag("w:spacing");
            if (before)
                x.Attr("w:before", Twips(vBefore));
            if (after)
                x.Attr("w:after", Twips(vAfter));
            if (hasLine || hasType) {
                if (!hasLine)
                    line = papx.GetLineSpacing();
                if (type == aplstExactly || type == aplstAtLeast) {
                    x.Attr("w:line", Twips(line)).Attr("w:lineRule", type == aplstExactly ? "exact" : "atLeast");
                } else {
                    const double factor = type == aplst1_5Lines ? 1.5 : type == aplstDouble ? 2.0 : type == aplstSingle ? 1.0 : line;
                    x.Attr("w:line", Round(factor * 240)).Attr("w:lineRule", "auto");
                }
            }
            x.Empty();
        }
    }
    {
        const std::pair<TVYXPapId, std::string_view> ind[] = {
            {vypiIndentLeft, "w:left"}, {vypiIndentRight, "w:right"}, {vypiIndentHanging, "w:hanging"},
            {vypiIndentFirstLine, "w:firstLine"}};
        bool any = false;
        for (const auto& [id, name] : ind)
            any = any || papx.Assigned(id);
        if (any) {
            x.Tag("w:ind");
            for (const auto& [id, name] : ind)
                if (papx.GetValue(id, d))
                    x.Attr(name, Twips(d));
            x.Empty();
        }
    }
    if (papx.GetValue(vypiContextualSpacing, b))
        x.OnOff("w:contextualSpacing", b);
    if (papx.GetValue(vypiAlignment, i)) {
        static constexpr std::string_view cJc[] = {"left", "center", "right", "both"};
        x.Val("w:jc", cJc[std::clamp(i, 0, 3)]);
    }
    if (papx.GetValue(vypiOutlineLevel, i))
        x.Val("w:outlineLvl", std::clamp(i, 0, 9));
    if (markRPr)
        CHPX(x, papx.CHPX());
    if (sep)
        SEP(x, *sep, false);
    if (const auto* rev = dynamic_cast<const TVYXRevisionDataPAPX*>(papx.GetRevision()); rev && rev->PAPX()) {
        RevisionAttrs(x.Tag("w:pPrChange"), *rev);
        x.Open();
        // The former properties without mark format or section: the schema's base type.
        const std::size_t at = x.Out.size();
        PAPX(x, *rev->PAPX(), nullptr, false);
        if (x.Out.size() == at)
            x.Tag("w:pPr").Empty();
        x.End("w:pPrChange");
    }
    if (x.Out.size() == inner) {
        x.Out.resize(mark);
        return;
    }
    x.End("w:pPr");
}

std::string TWriter::LinkId(const TVYXHyperlink& link)
{
    const auto key = std::make_pair(FOwner, &link);
    if (const auto it = FLinkIds.find(key); it != FLinkIds.end())
        return it->second;
    const std::string url = Utf16ToUtf8(link.Address);
    TOPCItem& item = FOwner == FPkg.Document() ? FPkg.AddHyperlink(url)
                                                : FPkg.ItemCreateExternal(*FOwner, OPCDocxRelType(odpHyperlink), url);
    FLinkIds.emplace(key, item.Id());
    return item.Id();
}

// The relationship id of an image part holding `bytes`, written once per part
// that shows it (`key` tells equal pictures apart).
std::string TWriter::ImageId(const void* key, std::string_view bytes, TVYXPictureType type)
{
    const auto mapKey = std::make_pair(FOwner, key);
    if (const auto it = FImageIds.find(mapKey); it != FImageIds.end())
        return it->second;
    static constexpr std::string_view cExt[] = {"bmp", "jpeg", "png", "gif", "emf", "wmf", "pic", "tiff", "bin", "bin"};
    const std::string_view ext = cExt[std::clamp(static_cast<int>(type), 0, 9)];
    FPkg.SetCurrItem(FOwner == FPkg.Document() ? nullptr : FOwner);
    TOPCItem& item = FPkg.AddImage(++FImages, ext, bytes);
    FPkg.SetCurrItem(nullptr);
    FImageIds.emplace(mapKey, item.Id());
    return item.Id();
}

void TWriter::Picture(TXml& x, const TVYXCharRunPicture& run)
{
    if (run.Origdata.empty() || !FOwner)
        return;
    const std::string_view bytes(reinterpret_cast<const char*>(run.Origdata.data()), run.Origdata.size());
    // 96 pixels per inch when the picture was decoded; a one-inch square otherwise.
    double w = 72, h = 72;
    if (run.Bitmap && run.Bitmap->Width() > 0 && run.Bitmap->Height() > 0) {
        w = run.Bitmap->Width() * 0.75;
        h = run.Bitmap->Height() * 0.75;
    }
    Drawing(x, ImageId(&run, bytes, run.OrigType), w, h);
}

void TWriter::Drawing(TXml& x, const std::string& rid, double w, double h, const TVYXGraphicObj* anchor,
                      const TVYXGraphicPicture* look)
{
    const long long cx = std::max(1LL, Round(w * 12700)), cy = std::max(1LL, Round(h * 12700));
    const long long id = ++FDrawingIds;
    x.Tag("w:drawing").Open();
    if (anchor) {
        static constexpr std::string_view cRelFromH[] = {"column", "character", "leftMargin", "rightMargin",
                                                         "insideMargin", "outsideMargin", "margin", "page"};
        static constexpr std::string_view cRelFromV[] = {"paragraph", "line", "topMargin", "bottomMargin",
                                                         "insideMargin", "outsideMargin", "margin", "page"};
        static constexpr std::string_view cAlignH[] = {"left", "left", "center", "right", "inside", "outside"};
        static constexpr std::string_view cAlignV[] = {"top", "top", "center", "bottom", "inside", "outside"};
        x.Tag("wp:anchor").Attr("distT", 0).Attr("distB", 0).Attr("distL", 114300).Attr("distR", 114300);
        x.Attr("simplePos", "0").Attr("relativeHeight", 251658240LL + id).Attr("behindDoc", anchor->Wrap == agowBehind ? "1" : "0");
        x.Attr("locked", anchor->LockAnchor ? "1" : "0").Attr("layoutInCell", "1").Attr("allowOverlap", "1").Open();
        x.Tag("wp:simplePos").Attr("x", 0).Attr("y", 0).Empty();
        x.Tag("wp:positionH").Attr("relativeFrom", cRelFromH[std::clamp(static_cast<int>(anchor->HorizPosRel), 0, 7)]).Open();
        if (anchor->HorizPosType == agoptAlignment && anchor->HorizPos != agohpAbsolute) {
            x.Tag("wp:align").Open();
            x.Out.append(cAlignH[std::clamp(static_cast<int>(anchor->HorizPos), 0, 5)]);
            x.End("wp:align");
        } else {
            x.Tag("wp:posOffset").Open();
            x.Out.append(std::to_string(Round(anchor->PosLeft * 12700)));
            x.End("wp:posOffset");
        }
        x.End("wp:positionH");
        x.Tag("wp:positionV").Attr("relativeFrom", cRelFromV[std::clamp(static_cast<int>(anchor->VertPosRel), 0, 7)]).Open();
        if (anchor->VertPosType == agoptAlignment && anchor->VertPos != agovpAbsolute) {
            x.Tag("wp:align").Open();
            x.Out.append(cAlignV[std::clamp(static_cast<int>(anchor->VertPos), 0, 5)]);
            x.End("wp:align");
        } else {
            x.Tag("wp:posOffset").Open();
            x.Out.append(std::to_string(Round(anchor->PosTop * 12700)));
            x.End("wp:posOffset");
        }
        x.End("wp:positionV");
        x.Tag("wp:extent").Attr("cx", cx).Attr("cy", cy).Empty();
        if (anchor->Wrap == agowBehind || anchor->Wrap == agowInFront || anchor->Wrap == agowInLine)
            x.Tag("wp:wrapNone").Empty();
        else if (anchor->Wrap == agowTopBottom)
            x.Tag("wp:wrapTopAndBottom").Empty();
        else
            x.Tag("wp:wrapSquare").Attr("wrapText", "bothSides").Empty();
    } else {
        x.Tag("wp:inline").Attr("distT", 0).Attr("distB", 0).Attr("distL", 0).Attr("distR", 0).Open();
        x.Tag("wp:extent").Attr("cx", cx).Attr("cy", cy).Empty();
    }
    x.Tag("wp:docPr").Attr("id", id).Attr("name", "Picture " + std::to_string(id)).Empty();
    x.Tag("a:graphic").Open();
    x.Tag("a:graphicData").Attr("uri", cNsPic).Open();
    x.Tag("pic:pic").Open();
    x.Tag("pic:nvPicPr").Open();
    x.Tag("pic:cNvPr").Attr("id", id).Attr("name", "Picture " + std::to_string(id)).Empty();
    x.Tag("pic:cNvPicPr").Empty();
    x.End("pic:nvPicPr");
    x.Tag("pic:blipFill").Open();
    x.Tag("a:blip").Attr("r:embed", rid).Empty();
    if (look && look->HasCrop()) {
        // Thousandths of a percent of the image, from each edge.
        x.Tag("a:srcRect").Attr("l", Round(look->CropLeft * 100000)).Attr("t", Round(look->CropTop * 100000));
        x.Attr("r", Round(look->CropRight * 100000)).Attr("b", Round(look->CropBottom * 100000)).Empty();
    }
    x.Tag("a:stretch").Open();
    x.Tag("a:fillRect").Empty();
    x.End("a:stretch");
    x.End("pic:blipFill");
    x.Tag("pic:spPr").Open();
    x.Tag("a:xfrm");
    if (look && look->FlipX)
        x.Attr("flipH", "1");
    if (look && look->FlipY)
        x.Attr("flipV", "1");
    x.Open();
    x.Tag("a:off").Attr("x", 0).Attr("y", 0).Empty();
    x.Tag("a:ext").Attr("cx", cx).Attr("cy", cy).Empty();
    x.End("a:xfrm");
    x.Tag("a:prstGeom").Attr("prst", "rect").Open();
    x.Tag("a:avLst").Empty();
    x.End("a:prstGeom");
    x.End("pic:spPr");
    x.End("pic:pic");
    x.End("a:graphicData");
    x.End("a:graphic");
    x.End(anchor ? "wp:anchor" : "wp:inline");
    x.End("w:drawing");
}

void TWriter::Run(TXml& x, const TVYXCharRun& run)
{
    const bool deleted = run.Revision() && (run.Revision()->RevType == artDelete || run.Revision()->RevType == artMoveFrom);
    auto open = [&] {
        x.Tag("w:r").Open();
        CHPX(x, run.CHPX());
    };
    switch (run.Type_()) {
    case acrtSimpleField:
        if (const auto* field = dynamic_cast<const TVYXSimpleField*>(static_cast<const TVYXCharRunSimpleField&>(run).SimpField())) {
            // Written in the complex form (begin, instruction, separate, result, end),
            // which every reader of the format takes and which keeps an empty result.
            const auto fldChar = [&](const char* type) {
                open();
                x.Tag("w:fldChar").Attr("w:fldCharType", type).Empty();
                x.End("w:r");
            };
            fldChar("begin");
            open();
            x.TextElem(deleted ? "w:delInstrText" : "w:instrText", field->InstrText());
            x.End("w:r");
            fldChar("separate");
            if (!run.Text().empty()) {
                open();
                x.TextElem(deleted ? "w:delText" : "w:t", run.Text());
                x.End("w:r");
            }
            open();
            x.Tag("w:fldChar").Attr("w:fldCharType", "end").Empty();
            break;
        }
        [[fallthrough]];
    case acrtText:
    case acrtHyperlink:
        if (run.Text().empty())
            return;
        open();
        x.TextElem(deleted ? "w:delText" : "w:t", run.Text());
        break;
    case acrtTab:
        open();
        x.Tag("w:tab").Empty();
        break;
    case acrtBreak: {
        const auto& br = static_cast<const TVYXCharRunBreak&>(run);
        if (br.BreakType != acrbtLineBreak && br.BreakType != acrbtPageBreak && br.BreakType != acrbtColumn)
            return;
        open();
        x.Tag("w:br");
        if (br.BreakType == acrbtPageBreak)
            x.Attr("w:type", "page");
        else if (br.BreakType == acrbtColumn)
            x.Attr("w:type", "column");
        x.Empty();
        break;
    }
    case acrtFldChar: {
        const auto& fc = static_cast<const TVYXCharRunFldChar&>(run);
        open();
        x.Tag("w:fldChar").Attr("w:fldCharType", fc.FldCharType == acrfctBegin ? "begin" : fc.FldCharType == acrfctSeparate ? "separate" : "end").Empty();
        break;
    }
    case acrtInstrText: {
        const auto& it = static_cast<const TVYXCharRunInstrText&>(run);
        open();
        x.TextElem(deleted ? "w:delInstrText" : "w:instrText", it.InstrText.empty() ? run.Text() : it.InstrText);
        break;
    }
    case acrtFootnote:
    case acrtFootnoteRef: {
        const auto& fn = static_cast<const TVYXCharRunFootnote&>(run);
        open();
        if (fn.IsRef) {
            x.Tag(fn.IsEndnote ? "w:endnoteRef" : "w:footnoteRef").Empty();
        } else {
            const auto it = FNoteIds.find(fn.Footnote);
            if (it == FNoteIds.end()) {
                x.End("w:r");
                return;
            }
            x.Tag(fn.IsEndnote ? "w:endnoteReference" : "w:footnoteReference").Attr("w:id", it->second).Empty();
        }
        break;
    }
    case acrtPicture:
        open();
        Picture(x, static_cast<const TVYXCharRunPicture&>(run));
        break;
    case acrtGraphic: {
        const TVYXGraphicObj* graphic = static_cast<const TVYXCharRunGraphic&>(run).Graphic.get();
        if (const auto* picture = dynamic_cast<const TVYXGraphicPicture*>(graphic)) {
            const TVYXPicture* stored = picture->Picture();
            if (!stored || stored->OrigData().empty() || !FOwner)
                return;
            open();
            Drawing(x, ImageId(stored, stored->OrigData(), stored->OrigType), picture->Width, picture->Height, nullptr,
                    picture);
            break;
        }
        // Text boxes, as VML: the simplest markup every reader knows.
        const auto* box = dynamic_cast<const TVYXGraphicRotate*>(graphic);
        if (!box || !box->TextBox || !box->TextBox->Paras || FBoxDepth >= 32)
            return;
        open();
        TextBoxPict(x, *box, false);
        break;
    }
    default: return;
    }
    x.End("w:r");
}

// The form field whose begin mark is run `begin`: the field of the first boundary
// run after it, unless another field begins first.
const TVYXComplexField* TWriter::FormFieldAfter(const TVYXLogPara& para, int begin)
{
    const TVYXCharRuns& runs = para.CharRuns();
    for (int i = begin + 1; i < runs.Count(); ++i) {
        const TVYXCharRun* r = runs.Items(i);
        if (r->Type_() == acrtFldChar && static_cast<const TVYXCharRunFldChar*>(r)->FldCharType == acrfctBegin)
            return nullptr;
        if (r->Type_() == acrtLinked) {
            const auto* linked = static_cast<const TVYXCharRunLinked*>(r);
            if (linked->LinkedType != acrltComplexField)
                continue;
            const auto* field = dynamic_cast<const TVYXComplexField*>(linked->Field());
            if (field && (field->Type() == acftFormText || field->Type() == acftFormCheckBox || field->Type() == acftFormList))
                return field;
            return nullptr;
        }
    }
    return nullptr;
}

void TWriter::FFData(TXml& x, const TVYXComplexField& field)
{
    x.Tag("w:ffData").Open();
    x.Tag("w:name").Attr16("w:val", field.Name).Empty();
    x.OnOff("w:enabled", field.Enabled);
    x.Val("w:calcOnExit", field.CalcOnExit ? "1" : "0");
    if (!field.EntryMacro.empty())
        x.Tag("w:entryMacro").Attr16("w:val", field.EntryMacro).Empty();
    if (!field.ExitMacro.empty())
        x.Tag("w:exitMacro").Attr16("w:val", field.ExitMacro).Empty();
    if (!field.HelpText.empty())
        x.Tag("w:helpText").Attr("w:type", "text").Attr16("w:val", field.HelpText).Empty();
    if (!field.StatusText.empty())
        x.Tag("w:statusText").Attr("w:type", "text").Attr16("w:val", field.StatusText).Empty();
    if (const TVYXComplexFieldCheckBox* box = field.GetAsCheckBox()) {
        x.Tag("w:checkBox").Open();
        if (box->AutoSize || box->Size <= 0)
            x.Tag("w:sizeAuto").Empty();
        else
            x.Val("w:size", std::max(1LL, Round(box->Size * 2)));
        x.Val("w:default", box->Default ? "1" : "0");
        x.Val("w:checked", box->Checked ? "1" : "0");
        x.End("w:checkBox");
    } else if (const TVYXComplexFieldList* list = field.GetAsComboBox()) {
        x.Tag("w:ddList").Open();
        x.Val("w:result", std::max(0, list->Result));
        x.Val("w:default", std::max(0, list->Default));
        for (const std::u16string& v : list->Values)
            x.Tag("w:listEntry").Attr16("w:val", v).Empty();
        x.End("w:ddList");
    } else if (const TVYXComplexFieldText* text = field.GetAsText()) {
        x.Tag("w:textInput").Open();
        static constexpr std::string_view cTypes[] = {"regular", "number", "date", "currentTime", "currentDate", "calculated"};
        if (text->TextType != acfttRegular)
            x.Val("w:type", cTypes[std::clamp(static_cast<int>(text->TextType), 0, 5)]);
        if (!text->Default.empty())
            x.Tag("w:default").Attr16("w:val", text->Default).Empty();
        if (text->MaxLength > 0)
            x.Val("w:maxLength", text->MaxLength);
        if (!text->Format.empty())
            x.Tag("w:format").Attr16("w:val", text->Format).Empty();
        x.End("w:textInput");
    }
    x.End("w:ffData");
}

void TWriter::Para(TXml& x, const TVYXLogPara& para, bool inDocument)
{
    x.Tag("w:p").Open();
    PAPX(x, para.PAPX(), inDocument ? para.SEP() : nullptr, true);
    const TVYXHyperlink* link = nullptr;
    const TVYXRevisionData* rev = nullptr;
    auto closeLink = [&] {
        if (link)
            x.End("w:hyperlink");
        link = nullptr;
    };
    auto closeRev = [&] {
        if (rev)
            x.End(rev->RevType == artDelete ? "w:del" : rev->RevType == artMoveFrom ? "w:moveFrom" : rev->RevType == artMoveTo ? "w:moveTo" : "w:ins");
        rev = nullptr;
    };
    for (int i = 0; i < para.CharRuns().Count(); ++i) {
        const TVYXCharRun& run = *para.CharRuns().Items(i);
        // Bookmarks: boundaries between runs.
        if (run.Type_() == acrtLinked) {
            const auto& linked = static_cast<const TVYXCharRunLinked&>(run);
            if (linked.LinkedType == acrltComment) {
                const auto* comment = dynamic_cast<const TVYXComment*>(linked.Field());
                const auto id = comment ? FCommentIds.find(comment) : FCommentIds.end();
                if (id == FCommentIds.end())
                    continue;
                closeRev();
                closeLink();
                const TVYXCharRunLinkedPos pos = linked.Position();
                if (pos == acrlpFirst || pos == acrlpSingle)
                    x.Tag("w:commentRangeStart").Attr("w:id", id->second).Empty();
                if (pos == acrlpLast || pos == acrlpSingle) {
                    x.Tag("w:commentRangeEnd").Attr("w:id", id->second).Empty();
                    x.Out.append("<w:r>");
                    x.Tag("w:commentReference").Attr("w:id", id->second).Empty();
                    x.Out.append("</w:r>");
                }
                continue;
            }
            if (linked.LinkedType == acrltPermission) {
                const auto* perm = dynamic_cast<const TVYXPermission*>(linked.Field());
                if (!perm)
                    continue;
                static constexpr std::string_view cGroups[] = {"none",    "everyone", "administrators", "contributors",
                                                               "editors", "owners",   "current"};
                closeRev();
                closeLink();
                const TVYXCharRunLinkedPos pos = linked.Position();
                auto [it, added] = FPermIds.emplace(perm, static_cast<long long>(FPermIds.size()));
                if (added || pos == acrlpFirst || pos == acrlpSingle) {
                    x.Tag("w:permStart").Attr("w:id", it->second);
                    if (perm->EditGroup != apegNone)
                        x.Attr("w:edGrp", cGroups[std::clamp(static_cast<int>(perm->EditGroup), 0, 6)]);
                    if (!perm->EditBy.empty())
                        x.Attr16("w:ed", perm->EditBy);
                    if (perm->FirstCol >= 0 && perm->LastCol >= perm->FirstCol)
                        x.Attr("w:colFirst", perm->FirstCol).Attr("w:colLast", perm->LastCol);
                    x.Empty();
                }
                if (pos == acrlpLast || pos == acrlpSingle)
                    x.Tag("w:permEnd").Attr("w:id", it->second).Empty();
                continue;
            }
            if (linked.LinkedType != acrltBookmark)
                continue;
            const auto* mark = dynamic_cast<const TVYXBookmark*>(linked.Field());
            if (!mark)
                continue;
            closeRev();
            closeLink();
            const TVYXCharRunLinkedPos pos = linked.Position();
            auto [it, added] = FBookmarkIds.emplace(mark, static_cast<long long>(FBookmarkIds.size()));
            if (added || pos == acrlpFirst || pos == acrlpSingle)
                x.Tag("w:bookmarkStart").Attr("w:id", it->second).Attr16("w:name", mark->Name).Empty();
            if (pos == acrlpLast || pos == acrlpSingle)
                x.Tag("w:bookmarkEnd").Attr("w:id", it->second).Empty();
            continue;
        }
        const TVYXHyperlink* runLink = run.Type_() == acrtHyperlink ? static_cast<const TVYXCharRunHyperlink&>(run).Hyperlink : nullptr;
        const TVYXRevisionData* runRev = run.Revision();
        const bool revChanges = (runRev == nullptr) != (rev == nullptr) ||
                                (runRev && rev && !(runRev->RevType == rev->RevType && runRev->Author == rev->Author && runRev->Date == rev->Date));
        if (runLink != link || revChanges) {
            closeRev();
            if (runLink != link) {
                closeLink();
                if (runLink) {
                    x.Tag("w:hyperlink");
                    if (runLink->Type == ahtBookmark)
                        x.Attr16("w:anchor", runLink->Address);
                    else if (FOwner)
                        x.Attr("r:id", LinkId(*runLink));
                    x.Open();
                    link = runLink;
                }
            }
            if (runRev) {
                const std::string_view name = runRev->RevType == artDelete ? "w:del" : runRev->RevType == artMoveFrom ? "w:moveFrom" : runRev->RevType == artMoveTo ? "w:moveTo" : "w:ins";
                x.Tag(name).Attr("w:id", ++FRevisionIds).Attr16("w:author", runRev->Author.empty() ? u"Unknown" : runRev->Author);
                if (const std::string date = DateText(runRev->Date); !date.empty())
                    x.Attr("w:date", date);
                x.Open();
                rev = runRev;
            }
        }
        if (run.Type_() == acrtFldChar && static_cast<const TVYXCharRunFldChar&>(run).FldCharType == acrfctBegin)
            if (const TVYXComplexField* form = FormFieldAfter(para, i)) {
                x.Tag("w:r").Open();
                CHPX(x, run.CHPX());
                x.Tag("w:fldChar").Attr("w:fldCharType", "begin").Open();
                FFData(x, *form);
                x.End("w:fldChar");
                x.End("w:r");
                continue;
            }
        Run(x, run);
    }
    closeRev();
    closeLink();
    // Floating pictures and text boxes, each in a run of its own at the paragraph's end.
    if (const TVYXGraphicObjList* graphics = para.Graphics()) {
        for (int i = 0; i < graphics->Count(); ++i) {
            if (const auto* picture = dynamic_cast<const TVYXGraphicPicture*>(&graphics->GetItems(i));
                picture && picture->Picture() && !picture->Picture()->OrigData().empty() && FOwner) {
                const TVYXPicture& stored = *picture->Picture();
                x.Out.append("<w:r>");
                Drawing(x, ImageId(&stored, stored.OrigData(), stored.OrigType), picture->Width, picture->Height, picture,
                        picture);
                x.Out.append("</w:r>");
            } else if (const auto* box = dynamic_cast<const TVYXGraphicRotate*>(&graphics->GetItems(i));
                       box && box->TextBox && box->TextBox->Paras && FBoxDepth < 32) {
                x.Out.append("<w:r>");
                TextBoxPict(x, *box, true);
                x.Out.append("</w:r>");
            }
        }
    }
    x.End("w:p");
}

// A text box as a VML shape: the simplest markup every reader knows. A floating
// box is placed absolutely with margins (or alignments) relative to what the model
// names; a box behind the text gets a negative z-index.
void TWriter::TextBoxPict(TXml& x, const TVYXGraphicRotate& box, bool floating)
{
    static constexpr std::string_view cRelH[] = {"text", "char", "left-margin-area", "right-margin-area",
                                                 "inner-margin-area", "outer-margin-area", "margin", "page"};
    static constexpr std::string_view cRelV[] = {"text", "line", "top-margin-area", "bottom-margin-area",
                                                 "inner-margin-area", "outer-margin-area", "margin", "page"};
    static constexpr std::string_view cAlignH[] = {"", "left", "center", "right", "inside", "outside"};
    static constexpr std::string_view cAlignV[] = {"", "top", "center", "bottom", "inside", "outside"};
    char size[96];
    std::snprintf(size, sizeof size, "width:%.2fpt;height:%.2fpt", box.Width, box.Height);
    std::string style;
    if (floating) {
        char place[128];
        std::snprintf(place, sizeof place, "position:absolute;margin-left:%.2fpt;margin-top:%.2fpt;", box.PosLeft, box.PosTop);
        style = place;
    }
    style += size;
    if (floating) {
        style += ";z-index:";
        style += box.Wrap == agowBehind ? "-1" : "1";
        if (box.HorizPosType == agoptAlignment && box.HorizPos != agohpAbsolute)
            style.append(";mso-position-horizontal:").append(cAlignH[std::clamp(static_cast<int>(box.HorizPos), 0, 5)]);
        style.append(";mso-position-horizontal-relative:").append(cRelH[std::clamp(static_cast<int>(box.HorizPosRel), 0, 7)]);
        if (box.VertPosType == agoptAlignment && box.VertPos != agovpAbsolute)
            style.append(";mso-position-vertical:").append(cAlignV[std::clamp(static_cast<int>(box.VertPos), 0, 5)]);
        style.append(";mso-position-vertical-relative:").append(cRelV[std::clamp(static_cast<int>(box.VertPosRel), 0, 7)]);
    }
    x.Tag("w:pict").Open();
    x.Tag("v:shape").Attr("style", style).Open();
    x.Tag("v:textbox").Open();
    x.Tag("w:txbxContent").Open();
    ++FBoxDepth;
    Paras(x, *box.TextBox->Paras, false);
    --FBoxDepth;
    if (box.TextBox->Paras->Count() == 0 || box.TextBox->Paras->Last()->IsTable())
        x.Tag("w:p").Empty();
    x.End("w:txbxContent");
    x.End("v:textbox");
    if (floating && (box.Wrap == agowTopBottom || box.Wrap == agow_ParaLeft))
        x.Tag("w10:wrap").Attr("type", box.Wrap == agowTopBottom ? "topAndBottom" : "square").Empty();
    x.End("v:shape");
    x.End("w:pict");
}

// The shading and borders a table style gives its cells, or one of its conditional formats.
void TWriter::StyleCellLook(TXml& x, const TVYXTableCellProps* props)
{
    if (!props)
        return;
    const std::pair<TVYXTableBorderSide, std::string_view> sides[] = {
        {atbsTop, "w:top"}, {atbsLeft, "w:left"}, {atbsBottom, "w:bottom"}, {atbsRight, "w:right"}};
    bool any = false;
    for (const auto& [side, name] : sides)
        any = any || props->GetBorder(side);
    if (!any && props->FillColor == cVYXAutoColor)
        return;
    x.Tag("w:tcPr").Open();
    if (any) {
        x.Tag("w:tcBorders").Open();
        for (const auto& [side, name] : sides)
            Border(x, name, props->GetBorder(side));
        x.End("w:tcBorders");
    }
    if (props->FillColor != cVYXAutoColor)
        x.Tag("w:shd").Attr("w:val", "clear").Attr("w:color", "auto").Attr("w:fill", Hex(props->FillColor)).Empty();
    x.End("w:tcPr");
}

// The cells' look and the conditional formats (header row, bands...) of a table style.
void TWriter::TableStyleParts(TXml& x, const TVYXTableStyle& style)
{
    static constexpr std::string_view cTypes[] = {"wholeTable", "firstRow", "lastRow", "firstCol", "lastCol",
                                                  "band1Vert",  "band2Vert", "band1Horz", "band2Horz", "neCell",
                                                  "nwCell",     "seCell",   "swCell"};
    StyleCellLook(x, style.CellProps());
    const TVYXTableStyleProps* props = style.Props();
    if (!props)
        return;
    // The conditional formats in their own order, whatever order they were made in.
    for (int type = 0; type < static_cast<int>(std::size(cTypes)); ++type) {
        const TVYXTableStyleProp* prop = props->Find(static_cast<TVYXTableStylePropsType>(type));
        if (!prop)
            continue;
        x.Tag("w:tblStylePr").Attr("w:type", cTypes[type]).Open();
        if (prop->PAPX() && prop->PAPX()->Count() > 0)
            PAPX(x, *prop->PAPX(), nullptr, false);
        CHPX(x, prop->CHPX());
        if (prop->TAPX() && prop->TAPX()->Count() > 0)
            TAPX(x, *prop->TAPX());
        StyleCellLook(x, prop->CellProps());
        x.End("w:tblStylePr");
    }
}

void TWriter::TAPX(TXml& x, const TVYXTAPX& tapx)
{
    x.Tag("w:tblPr").Open();
    if (const TVYXTableStyle* style = tapx.GetStyle(); style && tapx.Assigned(vytiStyle))
        x.Tag("w:tblStyle").Attr16("w:val", style->Id).Empty();
    {
        double w = 0;
        std::int32_t type = atwtNone;
        const bool hasW = tapx.GetValue(vytiWidth, w);
        tapx.GetValue(vytiWidthType, type);
        if (type == atwtPercent && hasW)
            x.Tag("w:tblW").Attr("w:w", Round(w * 5000)).Attr("w:type", "pct").Empty();
        else if (type == atwtPoints && hasW)
            x.Tag("w:tblW").Attr("w:w", Twips(w)).Attr("w:type", "dxa").Empty();
        else if (tapx.Assigned(vytiWidthType))
            x.Tag("w:tblW").Attr("w:w", 0).Attr("w:type", type == atwtNone ? "nil" : "auto").Empty();
    }
    {
        std::int32_t a = 0;
        if (tapx.GetValue(vytiAlignment, a))
            x.Val("w:jc", a == vyptaCenter ? "center" : a == vyptaRight ? "right" : "left");
    }
    {
        double ind = 0;
        if (tapx.GetValue(vytiIndent, ind))
            x.Tag("w:tblInd").Attr("w:w", Twips(ind)).Attr("w:type", "dxa").Empty();
    }
    {
        const std::pair<TVYXTapId, std::string_view> sides[] = {
            {vytiBorderTop, "w:top"}, {vytiBorderLeft, "w:left"}, {vytiBorderBottom, "w:bottom"},
            {vytiBorderRight, "w:right"}, {vytiBorderInsideHoriz, "w:insideH"}, {vytiBorderInsideVert, "w:insideV"}};
        bool any = false;
        for (const auto& [id, name] : sides)
            any = any || tapx.Assigned(id);
        if (any) {
            x.Tag("w:tblBorders").Open();
            for (const auto& [id, name] : sides)
                if (tapx.Assigned(id))
                    Border(x, name, tapx.GetBorder(id));
            x.End("w:tblBorders");
        }
    }
    {
        const std::pair<TVYXTapId, std::string_view> margins[] = {
            {vytiCellMargTop, "w:top"}, {vytiCellMargLeft, "w:left"}, {vytiCellMargBottom, "w:bottom"},
            {vytiCellMargRight, "w:right"}};
        bool any = false;
        for (const auto& [id, name] : margins)
            any = any || tapx.Assigned(id);
        if (any) {
            x.Tag("w:tblCellMar").Open();
            double v = 0;
            for (const auto& [id, name] : margins)
                if (tapx.GetValue(id, v))
                    x.Tag(name).Attr("w:w", Twips(v)).Attr("w:type", "dxa").Empty();
            x.End("w:tblCellMar");
        }
    }
    if (!tapx.Caption.empty())
        x.Tag("w:tblCaption").Attr16("w:val", tapx.Caption).Empty();
    x.End("w:tblPr");
}

void TWriter::Table(TXml& x, const TVYXTable& table)
{
    if (table.Count() == 0)
        return;
    x.Tag("w:tbl").Open();
    TAPX(x, table.TAPX());
    // The grid: the widest row's cells, spans spread evenly.
    {
        std::vector<double> grid;
        const TVYXTableRow* widest = nullptr;
        int most = -1;
        for (int r = 0; r < table.Count(); ++r) {
            int cols = 0;
            for (int c = 0; c < table.GetRows(r)->Count(); ++c)
                cols += std::max(1, table.GetRows(r)->GetCells(c)->GridSpan);
            if (cols > most) {
                most = cols;
                widest = table.GetRows(r);
            }
        }
        x.Tag("w:tblGrid").Open();
        for (int c = 0; widest && c < widest->Count(); ++c) {
            const TVYXTableCell& cell = *widest->GetCells(c);
            const int span = std::max(1, cell.GridSpan);
            const double w = cell.Props().WidthType == atwtPoints ? cell.GetWidth() / span : 0;
            for (int s = 0; s < span; ++s)
                x.Tag("w:gridCol").Attr("w:w", Twips(w)).Empty();
        }
        x.End("w:tblGrid");
    }
    for (int r = 0; r < table.Count(); ++r) {
        const TVYXTableRow& row = *table.GetRows(r);
        x.Tag("w:tr").Open();
        if (row.Height > 0 || row.CantSplit || row.RptData) {
            x.Tag("w:trPr").Open();
            if (row.CantSplit)
                x.Tag("w:cantSplit").Empty();
            if (row.Height > 0)
                x.Tag("w:trHeight").Attr("w:val", Twips(row.Height)).Empty();
            if (row.RptData)
                x.Tag("w:tblHeader").Empty();
            x.End("w:trPr");
        }
        for (int c = 0; c < row.Count(); ++c) {
            const TVYXTableCell& cell = *row.GetCells(c);
            const TVYXTableCellProps& p = cell.Props();
            x.Tag("w:tc").Open();
            x.Tag("w:tcPr").Open();
            if (p.WidthType == atwtPoints)
                x.Tag("w:tcW").Attr("w:w", Twips(p.Width)).Attr("w:type", "dxa").Empty();
            else if (p.WidthType == atwtPercent)
                x.Tag("w:tcW").Attr("w:w", Round(p.Width * 5000)).Attr("w:type", "pct").Empty();
            else
                x.Tag("w:tcW").Attr("w:w", 0).Attr("w:type", "auto").Empty();
            if (cell.GridSpan > 1)
                x.Val("w:gridSpan", cell.GridSpan);
            if (cell.GetMergedRoot())
                x.Val("w:vMerge", "restart");
            else if (cell.GetMerged())
                x.Tag("w:vMerge").Empty();
            {
                const std::pair<TVYXTableBorderSide, std::string_view> sides[] = {
                    {atbsTop, "w:top"}, {atbsLeft, "w:left"}, {atbsBottom, "w:bottom"}, {atbsRight, "w:right"}};
                bool any = false;
                for (const auto& [side, name] : sides)
                    any = any || p.GetBorder(side);
                if (any) {
                    x.Tag("w:tcBorders").Open();
                    for (const auto& [side, name] : sides)
                        Border(x, name, p.GetBorder(side));
                    x.End("w:tcBorders");
                }
            }
            if (p.FillColor != cVYXAutoColor)
                x.Tag("w:shd").Attr("w:val", "clear").Attr("w:color", "auto").Attr("w:fill", Hex(p.FillColor)).Empty();
            if (p.HasMargs()) {
                x.Tag("w:tcMar").Open();
                if (p.MargTopSet)
                    x.Tag("w:top").Attr("w:w", Twips(p.MargTop)).Attr("w:type", "dxa").Empty();
                if (p.MargLeftSet)
                    x.Tag("w:left").Attr("w:w", Twips(p.MargLeft)).Attr("w:type", "dxa").Empty();
                if (p.MargBottomSet)
                    x.Tag("w:bottom").Attr("w:w", Twips(p.MargBottom)).Attr("w:type", "dxa").Empty();
                if (p.MargRightSet)
                    x.Tag("w:right").Attr("w:w", Twips(p.MargRight)).Attr("w:type", "dxa").Empty();
                x.End("w:tcMar");
            }
            if (cell.AlignVert == atcavCenter)
                x.Val("w:vAlign", "center");
            else if (cell.AlignVert == atcavBottom)
                x.Val("w:vAlign", "bottom");
            x.End("w:tcPr");
            Paras(x, cell.Paras(), false);
            // A cell must end in a paragraph.
            if (cell.Paras().Count() == 0 || cell.Paras().Last()->IsTable())
                x.Tag("w:p").Empty();
            x.End("w:tc");
        }
        x.End("w:tr");
    }
    x.End("w:tbl");
}

void TWriter::Paras(TXml& x, const TVYXLogParas& paras, bool inDocument)
{
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsTable())
            Table(x, *static_cast<const TVYXTable*>(item));
        else
            Para(x, *static_cast<const TVYXLogPara*>(item), inDocument);
    }
}

// The styles part is written by the schema classes. They hold its structure;
// each style's properties come from the property writers the bodies use, as
// the text of a carrier element that the style's class reads in.
std::string TWriter::Styles()
{
    TDocxPartDoc part;
    TCT_Styles& root = part.Create_Styles();
    TNyqPErrors errors;  // our own text: nothing to report
    const TVYXCHP& chp = FDoc.GetMasterCHP();
    const TVYXPAP& pap = FDoc.GetMasterPAP();
    TXml x;
    x.Tag("w:docDefaults").Open();
    x.Tag("w:rPrDefault").Open();
    // The master sets are dense: every value they hold is written, so that what
    // falls back on them reads back the same.
    x.Tag("w:rPr").Open();
    if (!chp.FontName.empty()) {
        FFontNames.push_back(chp.FontName);
        x.Tag("w:rFonts").Attr16("w:ascii", chp.FontName).Attr16("w:hAnsi", chp.FontName).Empty();
    }
    x.OnOff("w:b", chp.Bold);
    x.OnOff("w:i", chp.Italic);
    if (chp.Color != cVYXAutoColor)
        x.Val("w:color", Hex(chp.Color));
    x.Val("w:sz", std::max(1LL, Round(chp.Size * 2)));
    x.End("w:rPr");
    x.End("w:rPrDefault");
    x.Tag("w:pPrDefault").Open();
    x.Tag("w:pPr").Open();
    x.Tag("w:spacing").Attr("w:before", Twips(pap.SpaceBefore)).Attr("w:after", Twips(pap.SpaceAfter));
    if (pap.LineSpacingType == aplstExactly || pap.LineSpacingType == aplstAtLeast)
        x.Attr("w:line", Twips(pap.LineSpacing)).Attr("w:lineRule", pap.LineSpacingType == aplstExactly ? "exact" : "atLeast");
    else
        x.Attr("w:line", Round(pap.LineSpacing * 240)).Attr("w:lineRule", "auto");
    x.Empty();
    x.Tag("w:ind").Attr("w:left", Twips(pap.IndentLeft)).Attr("w:right", Twips(pap.IndentRight));
    x.Attr("w:hanging", Twips(pap.IndentHanging)).Attr("w:firstLine", Twips(pap.IndentFirstLine)).Empty();
    static constexpr std::string_view cJc[] = {"left", "center", "right", "both"};
    x.Val("w:jc", cJc[std::clamp(static_cast<int>(pap.Alignment), 0, 3)]);
    x.End("w:pPr");
    x.End("w:pPrDefault");
    x.End("w:docDefaults");
    VYXDocxLoadElement(x.Out, root.Create_DocDefaults(), errors);
    const TVYXStyles& styles = FDoc.Styles();
    for (int i = 0; i < styles.Count(); ++i) {
        const TVYXStyle& style = *styles.GetStyle(i);
        if (style.Id.empty())
            continue;
        TCT_Style& item = root.FStyleList.Add();
        root.SetHasChildren();
        if (style.Type_() != astNumbering) {
            TXml props;
            props.Tag("w:style").Open();
            if (const TVYXPAPX* papx = style.StylePAPX())
                PAPX(props, *papx, nullptr, false);
            CHPX(props, style.StyleCHPX());
            if (const TVYXTAPX* tapx = style.StyleTAPX(); tapx && tapx->Count() > 0)
                TAPX(props, *tapx);
            if (const auto* table = dynamic_cast<const TVYXTableStyle*>(&style))
                TableStyleParts(props, *table);
            props.End("w:style");
            VYXDocxLoadElement(props.Out, item, errors);
        }
        item.SetAssigned();
        static constexpr TST_StyleType cType[] = {ststParagraph, ststCharacter, ststTable, ststNumbering};
        item.FType = cType[std::clamp(static_cast<int>(style.Type_()), 0, 3)];
        if (style.Default)
            item.FDefault = "1";
        item.FStyleId = CleanText(style.Id);
        item.Create_Name().FVal = CleanText(style.Name.empty() ? style.Id : style.Name);
        if (style.BasedOn && !style.BasedOn->Id.empty())
            item.Create_BasedOn().FVal = CleanText(style.BasedOn->Id);
        if (const auto* para = dynamic_cast<const TVYXParaStyle*>(&style); para && para->Next && !para->Next->Id.empty())
            item.Create_Next().FVal = CleanText(para->Next->Id);
        if (style.Hidden)
            item.Create_Hidden();
    }
    return part.SaveToString();
}

// The numbering part, like the styles: structure in the classes, each level's
// paragraph and run properties read in from the property writers' text.
std::string TWriter::Numbering()
{
    TDocxPartDoc part;
    TCT_Numbering& root = part.Create_Numbering();
    TNyqPErrors errors;  // our own text: nothing to report
    const TVYXNumberings& lists = FDoc.Numberings();
    static constexpr TST_NumberFormat cFmt[] = {stnfNone,       stnfBullet,     stnfDecimal,
                                                stnfDecimal,    stnfLowerRoman, stnfUpperRoman,
                                                stnfLowerLetter, stnfLowerLetter, stnfUpperLetter};
    static constexpr TST_Jc cJc[] = {stjLeft, stjCenter, stjRight, stjBoth};
    for (int i = 0; i < lists.Count(); ++i) {
        const TVYXNumberingsList& list = *lists.GetItems(i);
        TCT_AbstractNum& abstract = root.FAbstractNumList.Add();
        root.SetHasChildren();
        abstract.SetHasChildren();
        abstract.FAbstractNumId = i;
        abstract.Create_MultiLevelType().FVal = list.Count() > 1 ? stmltMultilevel : stmltSingleLevel;
        for (int l = 0; l < list.Count() && l < 9; ++l) {
            const TVYXNumbering& level = *list.GetItems(l);
            TCT_Lvl& lvl = abstract.FLvlList.Add();
            TXml props;
            props.Tag("w:lvl").Open();
            PAPX(props, level.PAPX(), nullptr, false);
            CHPX(props, &level.CHPX());
            props.End("w:lvl");
            VYXDocxLoadElement(props.Out, lvl, errors);
            lvl.SetHasChildren();
            lvl.FIlvl = l;
            lvl.Create_Start().FVal = std::max(0, level.StartVal);
            lvl.Create_NumFmt().FVal = cFmt[std::clamp(static_cast<int>(level.Style), 0, 8)];
            if (level.Suffix == 1)
                lvl.Create_Suff().FVal = stlsSpace;
            else if (level.Suffix == 2)
                lvl.Create_Suff().FVal = stlsNothing;
            lvl.Create_LvlText().FVal = CleanText(level.Text);
            lvl.Create_LvlJc().FVal = cJc[std::clamp(static_cast<int>(level.Align), 0, 3)];
        }
    }
    for (int i = 0; i < lists.Count(); ++i) {
        TCT_Num& num = root.FNumList.Add();
        num.SetHasChildren();
        num.FNumId = FNumIds[lists.GetItems(i)];
        num.Create_AbstractNumId().FVal = i;
    }
    return part.SaveToString();
}

std::string TWriter::Settings() { return VYXDocxWriteSettings(FDoc); }

std::string TWriter::Notes(bool endnotes)
{
    TXml x;
    const std::string_view root = endnotes ? "w:endnotes" : "w:footnotes";
    const std::string_view item = endnotes ? "w:endnote" : "w:footnote";
    RootOpen(x, root);
    // The separator notes every such part starts with.
    x.Tag(item).Attr("w:type", "separator").Attr("w:id", -1).Open();
    x.Out.append("<w:p><w:r><w:separator/></w:r></w:p>");
    x.End(item);
    x.Tag(item).Attr("w:type", "continuationSeparator").Attr("w:id", 0).Open();
    x.Out.append("<w:p><w:r><w:continuationSeparator/></w:r></w:p>");
    x.End(item);
    TVYXFootnotesList& list = endnotes ? FDoc.EndnoteList() : FDoc.FootnoteList();
    TVYXLogDocEditor& notes = endnotes ? FDoc.Endnotes() : FDoc.Footnotes();
    for (int i = 0; i < list.Count(); ++i) {
        const TVYXFootnoteItem& note = *list.GetItems(i);
        const auto id = FNoteIds.find(&note);
        if (id == FNoteIds.end())
            continue;
        x.Tag(item).Attr("w:id", id->second).Open();
        int first = -1, last = -1;
        bool any = false;
        if (note.CalcLimits(first, last) && note.StartPara && note.StartPara->Paras() == &notes.Paras())
            for (int p = first; p <= last && p < notes.Paras().Count(); ++p) {
                const TVYXLogParaItem* it = notes.Paras().GetItems(p);
                if (it->IsTable())
                    Table(x, *static_cast<const TVYXTable*>(it));
                else
                    Para(x, *static_cast<const TVYXLogPara*>(it), false);
                any = true;
            }
        if (!any || notes.Paras().GetItems(last)->IsTable())
            x.Tag("w:p").Empty();
        x.End(item);
    }
    x.End(root);
    return std::move(x.Out);
}

std::string TWriter::Comments()
{
    TXml x;
    RootOpen(x, "w:comments");
    const TVYXComments& comments = FDoc.Comments();
    for (int i = 0; i < comments.Count(); ++i) {
        const TVYXComment& c = *comments.GetItems(i);
        x.Tag("w:comment").Attr("w:id", FCommentIds[&c]).Attr16("w:author", c.Author);
        if (const std::string date = DateText(c.DateTime); !date.empty())
            x.Attr("w:date", date);
        if (!c.Initials.empty())
            x.Attr16("w:initials", c.Initials);
        x.Open();
        for (const std::u16string& text : c.Text) {
            x.Out.append("<w:p><w:r>");
            x.TextElem("w:t", text);
            x.Out.append("</w:r></w:p>");
        }
        if (c.Text.empty())
            x.Tag("w:p").Empty();
        x.End("w:comment");
    }
    x.End("w:comments");
    return std::move(x.Out);
}

std::string TWriter::HeaderFooter(TVYXLogDocEditor& editor, bool header)
{
    TXml x;
    const std::string_view root = header ? "w:hdr" : "w:ftr";
    RootOpen(x, root);
    Paras(x, editor.Paras(), false);
    if (editor.Paras().Count() == 0 || editor.Paras().Last()->IsTable())
        x.Tag("w:p").Empty();
    x.End(root);
    return std::move(x.Out);
}

constexpr std::string_view cTheme =
    "<a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" name=\"Office Theme\">"
    "<a:themeElements><a:clrScheme name=\"Office\">"
    "<a:dk1><a:sysClr val=\"windowText\" lastClr=\"000000\"/></a:dk1><a:lt1><a:sysClr val=\"window\" lastClr=\"FFFFFF\"/></a:lt1>"
    "<a:dk2><a:srgbClr val=\"1F497D\"/></a:dk2><a:lt2><a:srgbClr val=\"EEECE1\"/></a:lt2>"
    "<a:accent1><a:srgbClr val=\"4F81BD\"/></a:accent1><a:accent2><a:srgbClr val=\"C0504D\"/></a:accent2>"
    "<a:accent3><a:srgbClr val=\"9BBB59\"/></a:accent3><a:accent4><a:srgbClr val=\"8064A2\"/></a:accent4>"
    "<a:accent5><a:srgbClr val=\"4BACC6\"/></a:accent5><a:accent6><a:srgbClr val=\"F79646\"/></a:accent6>"
    "<a:hlink><a:srgbClr val=\"0000FF\"/></a:hlink><a:folHlink><a:srgbClr val=\"800080\"/></a:folHlink></a:clrScheme>"
    "<a:fontScheme name=\"Office\"><a:majorFont><a:latin typeface=\"Cambria\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/></a:majorFont>"
    "<a:minorFont><a:latin typeface=\"Calibri\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/></a:minorFont></a:fontScheme>"
    "<a:fmtScheme name=\"Office\"><a:fillStyleLst>"
    "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>"
    "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:fillStyleLst><a:lnStyleLst>"
    "<a:ln w=\"9525\"><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:ln>"
    "<a:ln w=\"25400\"><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:ln>"
    "<a:ln w=\"38100\"><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:ln></a:lnStyleLst>"
    "<a:effectStyleLst><a:effectStyle><a:effectLst/></a:effectStyle><a:effectStyle><a:effectLst/></a:effectStyle>"
    "<a:effectStyle><a:effectLst/></a:effectStyle></a:effectStyleLst><a:bgFillStyleLst>"
    "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>"
    "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:bgFillStyleLst></a:fmtScheme></a:themeElements>"
    "<a:objectDefaults/><a:extraClrSchemeLst/></a:theme>";

constexpr std::string_view cCore =
    "<cp:coreProperties xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
    "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
    "xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\r\n"
    "\t<dc:creator></dc:creator>\r\n\t<cp:lastModifiedBy></cp:lastModifiedBy>\r\n\t<cp:revision>1</cp:revision>\r\n"
    "\t<dcterms:created xsi:type=\"dcterms:W3CDTF\">2014-11-26T14:20:00Z</dcterms:created>\r\n"
    "\t<dcterms:modified xsi:type=\"dcterms:W3CDTF\">2014-11-26T14:20:00Z</dcterms:modified>\r\n</cp:coreProperties>";

constexpr std::string_view cApp =
    "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\" "
    "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">\r\n"
    "\t<Template>Normal.dotm</Template>\r\n\t<TotalTime>0</TotalTime>\r\n\t<Application>vyx</Application>\r\n"
    "\t<DocSecurity>0</DocSecurity>\r\n\t<ScaleCrop>false</ScaleCrop>\r\n\t<LinksUpToDate>false</LinksUpToDate>\r\n"
    "\t<SharedDoc>false</SharedDoc>\r\n\t<HyperlinksChanged>false</HyperlinksChanged>\r\n\t<AppVersion>12.0000</AppVersion>\r\n"
    "</Properties>";

// The document's own core properties, in the layout of the constant part.
std::string TWriter::Core() const
{
    std::string out(cDecl);
    out.append(cCore.substr(0, cCore.find('>') + 1));
    out.append("\r\n");
    auto text = [&](std::string_view name, std::u16string_view value) {
        if (value.empty())
            return;
        out.append("\t<").append(name).append(">").append(XmlText(value)).append("</").append(name).append(">\r\n");
    };
    auto date = [&](std::string_view name, double value) {
        if (const std::string d = DateText(value); !d.empty())
            out.append("\t<").append(name).append(" xsi:type=\"dcterms:W3CDTF\">").append(d).append("</").append(name).append(">\r\n");
    };
    text("dc:title", FProps->Title);
    text("dc:subject", FProps->Subject);
    text("dc:creator", FProps->Author);
    text("cp:keywords", FProps->Tags);
    text("dc:description", FProps->Comment);
    text("cp:lastModifiedBy", FProps->LastModifiedBy);
    text("cp:revision", FProps->Revision);
    date("dcterms:created", FProps->Created);
    date("dcterms:modified", FProps->LastModified);
    text("cp:category", FProps->Categories);
    text("cp:contentStatus", FProps->Status);
    out.append("</cp:coreProperties>");
    return out;
}

void TWriter::Save()
{
    FPkg.WriteItem(FPkg.AddDocPropsCore(), FProps ? Core() : std::string(cDecl) + std::string(cCore));
    FPkg.WriteItem(FPkg.AddDocPropsApp(), std::string(cDecl) + std::string(cApp));
    TOPCItem& document = FPkg.CreateDocument();
    FOwner = &document;

    // numIds are the model's list ids plus one (0 means "no list" in the file);
    // ids that clash or are negative take fresh numbers after the largest.
    const TVYXNumberings& lists = FDoc.Numberings();
    long long nextId = 1;
    for (int i = 0; i < lists.Count(); ++i)
        nextId = std::max<long long>(nextId, lists.GetItems(i)->Id + 2LL);
    std::vector<long long> used;
    for (int i = 0; i < lists.Count(); ++i) {
        const TVYXNumberingsList* list = lists.GetItems(i);
        long long id = list->Id + 1LL;
        if (id < 1 || std::find(used.begin(), used.end(), id) != used.end())
            id = nextId++;
        used.push_back(id);
        FNumIds[list] = id;
    }
    // Note ids in list order, from 1 (-1 and 0 are the separators).
    for (int i = 0; i < FDoc.FootnoteList().Count(); ++i)
        FNoteIds[FDoc.FootnoteList().GetItems(i)] = i + 1;
    for (int i = 0; i < FDoc.EndnoteList().Count(); ++i)
        FNoteIds[FDoc.EndnoteList().GetItems(i)] = i + 1;

    for (int i = 0; i < FDoc.Comments().Count(); ++i)
        FCommentIds[FDoc.Comments().GetItems(i)] = i;

    FPkg.WriteItem(FPkg.AddSettings(), Settings());
    FPkg.WriteItem(FPkg.AddTheme(), std::string(cDecl) + std::string(cTheme));
    FPkg.WriteItem(FPkg.CreateStyles(), Styles());

    int headerCount = 0, footerCount = 0;
    for (bool header : {true, false}) {
        TVYXHeadersFooters& set = header ? FDoc.Headers() : FDoc.Footers();
        const std::pair<TVYXHeaderFooterType, std::string_view> kinds[] = {
            {ahftDefault, "default"}, {ahftFirst, "first"}, {ahftEven, "even"}};
        for (const auto& [kind, name] : kinds) {
            TVYXLogDocEditor* editor = set.Find(kind);
            if (!editor)
                continue;
            TOPCItem& item = header ? FPkg.CreateHeader(++headerCount) : FPkg.CreateFooter(++footerCount);
            FOwner = &item;
            FPkg.WriteItem(item, HeaderFooter(*editor, header));
            FHeaderRefs.emplace_back(header ? "w:headerReference" : "w:footerReference", std::string(name) + "|" + item.Id());
        }
    }
    // References in schema order: all headers, then all footers, as collected.
    FOwner = &document;
    if (FDoc.FootnoteList().Count() > 0)
        FPkg.WriteItem(FPkg.CreateFootnotes(), Notes(false));
    if (FDoc.EndnoteList().Count() > 0)
        FPkg.WriteItem(FPkg.CreateEndnotes(), Notes(true));
    if (FDoc.Comments().Count() > 0)
        FPkg.WriteItem(FPkg.CreateComments(), Comments());

    TXml x;
    RootOpen(x, "w:document");
    x.Tag("w:body").Open();
    Paras(x, FDoc.Paras(), true);
    SEP(x, FDoc.SEP(), true);
    x.End("w:body");
    x.End("w:document");
    FPkg.WriteItem(document, x.Out);
    if (lists.Count() > 0)
        FPkg.WriteItem(FPkg.CreateNumbering(), Numbering());
    // Last, when every font name has been written.
    static constexpr std::string_view cRels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    static constexpr std::string_view cTypes = "application/vnd.openxmlformats-officedocument.wordprocessingml.";
    FPkg.WriteItem(FPkg.ItemCreate(document, std::string(cRels) + "fontTable", std::string(cTypes) + "fontTable+xml",
                                   "fontTable.xml"),
                   VYXDocxWriteFontTable(FFontNames));
    FPkg.WriteItem(FPkg.ItemCreate(document, std::string(cRels) + "webSettings",
                                   std::string(cTypes) + "webSettings+xml", "webSettings.xml"),
                   VYXDocxWriteWebSettings());
}

}  // namespace

TVYXWriteDOCX::TVYXWriteDOCX(TVYXLogDocEditor& doc) : FDoc(doc) {}

TVYXWriteDOCX::~TVYXWriteDOCX() = default;

void TVYXWriteDOCX::SaveToStream(TVYXStream& stream)
{
    TOPC_DOCX pkg;
    pkg.OpenWrite(stream);
    TWriter writer(FDoc, pkg, Properties);
    writer.Save();
    pkg.Close();
}

std::string TVYXWriteDOCX::SaveToBytes()
{
    TVYXMemoryStream out;
    SaveToStream(out);
    return out.TakeBytes();
}

void TVYXWriteDOCX::SaveToFile(const std::string& fileName) { VYXWriteFile(fileName, SaveToBytes()); }
