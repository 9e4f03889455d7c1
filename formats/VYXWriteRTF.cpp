// VYXWriteRTF.cpp: the RTF writer: a collection pass for fonts, colours, styles and
// lists, then one pass over the body that writes resolved formats.
//
// Lengths are written in twips (points x 20), font sizes in half-points, both
// rounded to the nearest integer. Tables are written row by row: the row
// definition first (\trowd ... \cellx), then each cell's paragraphs ending in
// \cell; tables inside cells use \itap, \nestcell and \*\nesttableprops ...
// \nestrow, so readers without nested tables still see every cell's text.
//
// Objects anchored to a paragraph (pictures, text boxes, shapes) are written as
// {\shp} groups after its runs.
//
// Not supported: paragraph and table styles (their formats are written resolved on
// each paragraph); pictures other than PNG, JPEG, EMF, WMF and BMP.
#include "formats/VYXWriteRTF.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unordered_map>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "model/VYXCharProps.h"
#include "model/VYXDocData.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "formats/VYXRtfShapes.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTableProps.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {

long Twips(double points) { return std::lround(points * 20.0); }

const char* UnderlineWord(TVYXChpUnderline u)
{
    switch (u) {
    case vycuNone: return nullptr;
    case vycuSingle: return "ul";
    case vycuWords: return "ulw";
    case vycuDouble: return "uldb";
    case vycuThick: return "ulth";
    case vycuDotted: return "uld";
    case vycuDottedHeavy: return "ulthd";
    case vycuDash: return "uldash";
    case vycuDashedHeavy: return "ulthdash";
    case vycuDashLong: return "ulldash";
    case vycuDashLongHeavy: return "ulthldash";
    case vycuDotDash: return "uldashd";
    case vycuDashDotHeavy: return "ulthdashd";
    case vycuDotDotDash: return "uldashdd";
    case vycuDashDotDotHeavy: return "ulthdashdd";
    case vycuWave: return "ulwave";
    case vycuWavyHeavy: return "ulhwave";
    case vycuWavyDouble: return "ululdbwave";
    }
    return nullptr;
}

const char* BorderStyleWord(int style)
{
    switch (style) {
    case 0: case 1: return nullptr;
    case 3: return "brdrth";
    case 4: return "brdrdb";
    case 5: return "brdrdot";
    case 6: return "brdrdash";
    case 7: return "brdrdashd";
    case 8: return "brdrdashdd";
    case 9: return "brdrtriple";
    case 10: return "brdrthtnsg";
    case 11: return "brdrtnthsg";
    case 12: return "brdrtnthtnsg";
    case 13: return "brdrthtnmg";
    case 14: return "brdrtnthmg";
    case 15: return "brdrtnthtnmg";
    case 16: return "brdrthtnlg";
    case 17: return "brdrtnthlg";
    case 18: return "brdrtnthtnlg";
    case 19: return "brdrwavy";
    case 20: return "brdrwavydb";
    case 21: return "brdrdashsm";
    case 23: return "brdremboss";
    case 24: return "brdrengrave";
    case 25: return "brdroutset";
    case 26: return "brdrinset";
    default: return "brdrs";
    }
}

int LevelNfc(TVYXNumberingStyleType style)
{
    switch (style) {
    case anstNone: return 255;
    case anstBullet: return 23;
    case anstDecimal: case anstDecimalParen: return 0;
    case anstLowerRoman: return 2;
    case anstUpperRoman: return 1;
    case anstUpperLetter: return 3;
    case anstLowerLetter: case anstLowerLetterParen: return 4;
    }
    return 0;
}

// Days since 1899-12-30 as a packed date and time (minutes, hours, day, month,
// years since 1900 in 6, 5, 5, 4 and 9 bits); 0 for dates outside 1900..2411.
long DateToDttm(double date)
{
    if (!(date >= 1 && date < 200000))
        return 0;
    const long days = static_cast<long>(std::floor(date)) - 25569;  // since 1970-01-01
    const int minutes = static_cast<int>(std::lround((date - std::floor(date)) * 1440)) % 1440;
    // The civil date of a day count (proleptic Gregorian).
    const long z = days + 719468;
    const long era = z / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long day = doy - (153 * mp + 2) / 5 + 1;
    const long month = mp < 10 ? mp + 3 : mp - 9;
    const long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    if (year < 1900 || year > 2411)
        return 0;
    return (minutes % 60) | ((minutes / 60) << 6) | (day << 11) | (month << 16) | ((year - 1900) << 20);
}

// The dense flags the drawing format does not carry, through a style's chain.
void MergeStyle(TVYXCHP& chp, const TVYXStyle* style, int depth)
{
    if (!style || depth > 32)
        return;
    MergeStyle(chp, style->BasedOn, depth + 1);
    if (const TVYXCHPX* chpx = style->StyleCHPX())
        chp.Merge(*chpx);
}

class TWriter {
public:
    explicit TWriter(TVYXLogDocEditor& doc) : FDoc(doc)
    {
        TVYXFontDataDoc base;
        base.Resolve(doc.GetMasterCHP(), nullptr, nullptr, false);
        FBaseFill = base.FillColor;
        FBaseColor = base.Color;
    }

    std::string Document();
    std::string Paras(const TVYXLogParas& paras);

private:
    // Collection.
    void Collect(const TVYXLogParas& paras, int depth);
    int FontIndex(const std::u16string& name);
    int ColorIndex(TVYXColor color);
    int RevAuthor(const std::u16string& author);
    // Output primitives.
    void W(std::string_view s) { FOut += s; }
    void WProp(std::string_view name) { FOut += '\\', FOut += name; }
    void WProp(std::string_view name, long n) { FOut += '\\', FOut += name, FOut += std::to_string(n); }
    void WText(std::u16string_view text);
    void Header(bool whole);
    // Body.
    void DoParas(const TVYXLogParas& paras, int depth);
    void DoPara(const TVYXLogPara& para, int depth, bool last);
    void DoParaProps(const TVYXLogPara& para, int depth);
    void DoRuns(const TVYXLogPara& para, bool mayContinue = false);
    void DoRun(const TVYXLogPara& para, const TVYXCharRun& run);
    void DoCHPX(const TVYXLogPara& para, const TVYXCharRun* run);
    void DoBorder(std::string_view keyword, const TVYXDocPropBorder* border);
    void DoTable(const TVYXTable& table, int depth);
    void DoRowDef(const TVYXTable& table, const TVYXTableRow& row);
    void DoPicture(const TVYXCharRunPicture& pic);
    // A {\pict} group; sizes 0 are left out. False (nothing written) for a kind RTF cannot carry.
    bool DoPict(std::string_view bytes, long pixelsW, long pixelsH, long goalW, long goalH);
    void DoNote(const TVYXLogPara& para, const TVYXCharRunFootnote& run);
    void DoGraphics(const TVYXLogPara& para);
    void DoShape(const TVYXGraphicObj& obj);
    void DoShapeProp(std::string_view name, long long value);
    void DoHeaders();
    void CloseLink();
    // Closes the open fields down to `depth` (those still in their instruction get no result).
    void CloseFields(std::size_t depth);

    TVYXLogDocEditor& FDoc;
    std::string FOut;
    std::vector<std::u16string> FFonts;
    std::unordered_map<std::u16string, int> FFontIndex;
    std::vector<TVYXColor> FColors;
    std::unordered_map<TVYXColor, int> FColorIndex;
    std::vector<const TVYXCharStyle*> FCharStyles;  // index = \cs number
    std::vector<const TVYXNumberingsList*> FLists;  // index + 1 = \ls
    // The number texts of list paragraphs, counted as the paragraphs are written (the
    // model keeps no number text: most paragraphs are in no list).
    TVYXListCounter FListCounter;
    std::vector<std::u16string> FRevAuthors{u"Unknown"};  // index = \revauth; 0 stands for no author
    const TVYXHyperlink* FOpenLink = nullptr;
    const TVYXLogPara* FLinkPara = nullptr;  // where the open link's field began
    // Complex fields (begin, instruction, separate, result, end runs) open as groups: true once
    // the instruction is done and the result is being written.
    std::vector<bool> FFields;
    int FFieldsTooDeep = 0;  // fields begun past the nesting limit, written as their text alone
    const TVYXLogPara* FFieldPara = nullptr;  // where the outermost open field began
    const TVYXLogPara* FPara = nullptr;      // the paragraph being written, and its depth
    int FParaDepth = 0;
    bool FFragment = false;  // writing copied content rather than a document
    TVYXColor FBaseFill = 0;  // the fill and colour of text without any format: not written
    TVYXColor FBaseColor = 0;
    std::unordered_map<const TVYXComment*, int> FCommentIds;  // in order of appearance, for \atrfstart
};

int TWriter::FontIndex(const std::u16string& name)
{
    auto it = FFontIndex.find(name);
    if (it != FFontIndex.end())
        return it->second;
    const int index = static_cast<int>(FFonts.size());
    FFonts.push_back(name);
    FFontIndex.emplace(name, index);
    return index;
}

int TWriter::RevAuthor(const std::u16string& author)
{
    const auto it = std::find(FRevAuthors.begin(), FRevAuthors.end(), author);
    if (it != FRevAuthors.end())
        return static_cast<int>(it - FRevAuthors.begin());
    FRevAuthors.push_back(author);
    return static_cast<int>(FRevAuthors.size()) - 1;
}

int TWriter::ColorIndex(TVYXColor color)
{
    auto it = FColorIndex.find(color);
    if (it != FColorIndex.end())
        return it->second;
    FColors.push_back(color);
    const int index = static_cast<int>(FColors.size());  // index 0 is the automatic colour
    FColorIndex.emplace(color, index);
    return index;
}

void TWriter::Collect(const TVYXLogParas& paras, int depth)
{
    if (depth > 64)
        return;
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsTable()) {
            const auto& table = static_cast<const TVYXTable&>(*item);
            for (int r = 0; r < table.Count(); ++r)
                for (int c = 0; c < table.GetRows(r)->Count(); ++c) {
                    const TVYXTableCell& cell = *table.GetRows(r)->GetCells(c);
                    if (cell.Props().FillColor != cVYXAutoColor)
                        ColorIndex(cell.Props().FillColor);
                    for (int s = 0; s < 4; ++s)
                        if (const TVYXDocPropBorder* b = cell.Props().Borders.Side(static_cast<TVYXBorderSide>(s)))
                            if (b->Color != cVYXAutoColor)
                                ColorIndex(b->Color);
                    Collect(cell.Paras(), depth + 1);
                }
            continue;
        }
        const auto& para = static_cast<const TVYXLogPara&>(*item);
        TVYXParaData pd;
        para.SetupParaData(pd);
        if (pd.Color != cVYXAutoColor && pd.Color != 0xFFFFFF)
            ColorIndex(pd.Color);
        for (int s = 0; s < 4; ++s)
            if (const TVYXDocPropBorder* b = pd.Borders().Side(static_cast<TVYXBorderSide>(s)))
                if (b->Color != cVYXAutoColor)
                    ColorIndex(b->Color);
        if (const TVYXNumbering* level = para.PAPX().GetNumbering())
            if (const TVYXNumberingsList* list = level->NumList())
                if (std::find(FLists.begin(), FLists.end(), list) == FLists.end())
                    FLists.push_back(list);
        if (const TVYXGraphicObjList* graphics = para.Graphics())
            for (int g = 0; g < graphics->Count(); ++g)
                if (const auto* rot = dynamic_cast<const TVYXGraphicRotate*>(&graphics->GetItems(g)))
                    if (rot->TextBox && rot->TextBox->Paras)
                        Collect(*rot->TextBox->Paras, depth + 1);
        for (int r = 0; r < para.Count(); ++r) {
            const TVYXCharRun& run = *para.GetItems(r);
            TVYXFontDataDoc fd;
            run.SetupFontData(fd, &para.PAPX(), false);
            FontIndex(fd.Name);
            if (fd.Color != cVYXAutoColor && (fd.Color != FBaseColor || (run.CHPX() && run.CHPX()->Assigned(vyciColor))))
                ColorIndex(fd.Color);
            if (fd.Underline != vycuNone && fd.ULColor != cVYXAutoColor &&
                (fd.ULColor != 0 || (run.CHPX() && run.CHPX()->Assigned(vyciUnderlineColor))))
                ColorIndex(fd.ULColor);
            if (fd.FillColor != cVYXAutoColor && fd.FillColor != FBaseFill)
                ColorIndex(fd.FillColor);
            if (fd.Border && fd.Border->Color != cVYXAutoColor)
                ColorIndex(fd.Border->Color);
            // A character style comes with the styles it is based on, so the links can be written.
            if (const TVYXCHPX* chpx = run.CHPX()) {
                const TVYXCharStyle* style = chpx->GetStyle();
                for (int chain = 0; style && chain < 16; ++chain) {
                    if (std::find(FCharStyles.begin(), FCharStyles.end(), style) == FCharStyles.end())
                        FCharStyles.push_back(style);
                    style = dynamic_cast<const TVYXCharStyle*>(style->BasedOn);
                }
            }
            if (const TVYXRevisionData* rev = run.Revision())
                RevAuthor(rev->Author);
        }
    }
}

void TWriter::WText(std::u16string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\\' || c == u'{' || c == u'}') {
            FOut += '\\';
            FOut += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x80)
            FOut += static_cast<char>(c);
        else if (c == u'\t')
            FOut += "\\tab ";
        else {
            // Every other unit as its decimal value; the one-byte fallback is a NUL escape.
            FOut += "\\u";
            FOut += std::to_string(static_cast<unsigned>(c));
            FOut += " \\'00";
        }
    }
}

void TWriter::Header(bool whole)
{
    W("{\\rtf1\\fbidis\\ansi\\ansicpg0\\uc1\\deff0\\fet2");
    if (whole) {
        const TVYXSEP& sep = FDoc.SEP();
        WProp("paperw", Twips(sep.GetPageWidth()));
        WProp("paperh", Twips(sep.GetPageHeight()));
        WProp("margl", Twips(sep.GetMargLeft()));
        WProp("margt", Twips(sep.GetMargTop()));
        WProp("margr", Twips(sep.GetMargRight()));
        WProp("margb", Twips(sep.GetMargBottom()));
    }
    W("{\\*\\ftnsep\\pard\\plain\\chftnsep }{\\*\\ftnsepc\\pard\\plain\\chftnsepc}");
    W("{\\fonttbl");
    for (std::size_t i = 0; i < FFonts.size(); ++i) {
        W("{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ");
        WText(FFonts[i]);
        W(";}");
    }
    W("}");
    if (!FColors.empty()) {
        W("{\\colortbl;");
        for (TVYXColor c : FColors) {
            WProp("red", (c >> 16) & 0xFF);
            WProp("green", (c >> 8) & 0xFF);
            WProp("blue", c & 0xFF);
            W(";");
        }
        W("}");
    }
    if (!FCharStyles.empty()) {
        W("{\\stylesheet");
        for (std::size_t i = 0; i < FCharStyles.size(); ++i) {
            W("{\\*\\cs" + std::to_string(i) + " ");
            const auto base = std::find(FCharStyles.begin(), FCharStyles.end(), FCharStyles[i]->BasedOn);
            if (base != FCharStyles.end())
                W("\\sbasedon" + std::to_string(base - FCharStyles.begin()) + " ");
            WText(FCharStyles[i]->Name.empty() ? FCharStyles[i]->Id : FCharStyles[i]->Name);
            W(";}");
        }
        W("}");
    }
    if (FRevAuthors.size() > 1) {
        W("{\\*\\revtbl");
        for (const std::u16string& author : FRevAuthors) {
            W("{");
            WText(author);
            W(";}");
        }
        W("}");
    }
    W("{\\*\\generator vyx;}");
    if (!FLists.empty()) {
        W("{\\*\\listtable");
        for (std::size_t i = 0; i < FLists.size(); ++i) {
            W("{\\list\\listtemplateid" + std::to_string(1000 + i));
            const TVYXNumberingsList& list = *FLists[i];
            for (int l = 0; l < list.Count() && l < 9; ++l) {
                const TVYXNumbering* level = list.GetItems(l);
                if (!level)
                    continue;
                W("{\\listlevel");
                WProp("levelnfc", LevelNfc(level->Style));
                if (level->Align == vyptaCenter)
                    W("\\leveljc1");
                else if (level->Align == vyptaRight)
                    W("\\leveljc2");
                WProp("levelstartat", std::max(1, level->StartVal));
                if (level->Style >= anstDecimal)
                    W("{\\leveltext\\'02\\'0" + std::to_string(l) + ".;}{\\levelnumbers\\'01;}");
                else
                    W("{\\leveltext\\'01\\u8226 \\'00;}{\\levelnumbers;}");
                W("}");
            }
            WProp("listid", static_cast<long>(1000 + i));
            W("}");
        }
        W("}{\\*\\listoverridetable");
        for (std::size_t i = 0; i < FLists.size(); ++i)
            W("{\\listoverride\\listid" + std::to_string(1000 + i) + "\\listoverridecount0\\ls" + std::to_string(i + 1) +
              "}");
        W("}");
    }
}

void TWriter::DoHeaders()
{
    struct {
        TVYXHeadersFooters* List;
        TVYXHeaderFooterType Type;
        const char* Word;
    } const parts[] = {
        {&FDoc.Headers(), ahftFirst, "{\\headerf\\titlepg "}, {&FDoc.Headers(), ahftDefault, "{\\header "},
        {&FDoc.Headers(), ahftEven, "{\\headerl\\facingp "}, {&FDoc.Footers(), ahftFirst, "{\\footerf\\titlepg "},
        {&FDoc.Footers(), ahftDefault, "{\\footer "},        {&FDoc.Footers(), ahftEven, "{\\footerl\\facingp "},
    };
    for (const auto& part : parts)
        if (const TVYXLogDocEditor* editor = part.List->Find(part.Type)) {
            W(part.Word);
            DoParas(editor->Paras(), 0);
            W("}");
        }
}

std::string TWriter::Document()
{
    const bool headersShown = FDoc.DocType() == aldtMain;
    FontIndex(FDoc.GetMasterCHP().FontName);  // font 0: the document's own
    Collect(FDoc.Paras(), 0);
    if (headersShown) {
        for (TVYXHeadersFooters* hf : {&FDoc.Headers(), &FDoc.Footers()})
            for (TVYXHeaderFooterType type : {ahftFirst, ahftDefault, ahftEven})
                if (const TVYXLogDocEditor* editor = hf->Find(type))
                    Collect(editor->Paras(), 0);
        Collect(FDoc.Footnotes().Paras(), 0);
        Collect(FDoc.Endnotes().Paras(), 0);
    }
    Header(true);
    if (headersShown)
        DoHeaders();
    DoParas(FDoc.Paras(), 0);
    W("}");
    return std::move(FOut);
}

std::string TWriter::Paras(const TVYXLogParas& paras)
{
    FontIndex(FDoc.GetMasterCHP().FontName);
    Collect(paras, 0);
    Header(false);
    FFragment = true;
    DoParas(paras, 0);
    W("}");
    return std::move(FOut);
}

// Paragraphs of a list; inside a cell (depth > 0) the last one ends with the cell mark.
void TWriter::DoParas(const TVYXLogParas& paras, int depth)
{
    const int count = paras.Count();
    for (int i = 0; i < count; ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        const bool last = i == count - 1;
        if (item->IsTable()) {
            DoTable(static_cast<const TVYXTable&>(*item), depth + 1);
            if (last && depth > 0) {
                W("\\pard\\intbl");
                WProp("itap", depth);
                W(depth > 1 ? "\\nestcell " : "\\cell ");
            }
            continue;
        }
        DoPara(static_cast<const TVYXLogPara&>(*item), depth, last);
    }
}

void TWriter::DoPara(const TVYXLogPara& para, int depth, bool last)
{
    if (const TVYXSEP* sep = para.SEP(); sep && depth == 0) {
        W("\\sectd");
        if (sep->Cols.Count() > 1) {
            WProp("cols", sep->Cols.Count());
            WProp("colsx", Twips(sep->Cols.AverageColSpace()));
        }
    }
    W("\\pard");
    DoParaProps(para, depth);
    FPara = &para;
    FParaDepth = depth;
    DoRuns(para, depth == 0 || !last);
    DoGraphics(para);
    if (depth > 0 && last)
        W(depth > 1 ? "\\nestcell " : "\\cell ");
    else if (FFragment && depth == 0 && last && !para.Pilcrow)
        return;  // copied without its paragraph mark: the text goes inline where it is pasted
    else if (para.SEP() && depth == 0)
        W("\\sect ");
    else
        W("\\par ");
}

void TWriter::DoParaProps(const TVYXLogPara& para, int depth)
{
    if (depth > 0) {
        W("\\intbl");
        WProp("itap", depth);
    }
    const TVYXPAPX& papx = para.PAPX();
    const TVYXNumbering* numbering = papx.GetNumbering();
    const std::u16string numberText = FListCounter.Next(numbering, para.Empty());
    if (const TVYXNumbering* level = numbering) {
        const auto it = std::find(FLists.begin(), FLists.end(), level->NumList());
        if (it != FLists.end()) {
            W("{\\listtext\\pard\\plain ");
            WText(numberText);
            W("\\tab}");
            WProp("ls", static_cast<long>(it - FLists.begin() + 1));
            WProp("ilvl", level->Level);
        }
    }
    if (const TVYXTabStops* tabs = para.GetTabs())
        for (int i = 0; i < tabs->Count(); ++i) {
            const TVYXTabStop& tab = tabs->Items(i);
            switch (tab.Alignment) {
            case atsaCenter: W("\\tqc"); break;
            case atsaRight: W("\\tqr"); break;
            case atsaDecimal: W("\\tqdec"); break;
            default: break;
            }
            switch (tab.Leader) {
            case atslDot: W("\\tldot"); break;
            case atslHyphen: W("\\tlhyph"); break;
            case atslUnderscore: W("\\tlul"); break;
            case atslHeavy: W("\\tlth"); break;
            case atslMiddleDot: W("\\tlmdot"); break;
            default: break;
            }
            WProp("tx", Twips(tab.Position));
        }
    if (const TVYXParaFrame* f = para.Frame()) {
        W(f->VAnchor == 2 ? "\\pvpg" : (f->VAnchor == 1 ? "\\pvmrg" : "\\pvpara"));
        W(f->HAnchor == 2 ? "\\phpg" : (f->HAnchor == 1 ? "\\phmrg" : "\\phcol"));
        if (f->W >= 1)
            WProp("absw", f->W);
        if (f->H >= 1)
            WProp("absh", f->H);
        WProp(f->X < 0 ? "posnegx" : "posx", f->X);
        WProp(f->Y < 0 ? "posnegy" : "posy", f->Y);
    }
    TVYXParaData pd;
    para.SetupParaData(pd);
    switch (pd.Alignment) {
    case vyptaCenter: W("\\qc"); break;
    case vyptaRight: W("\\qr"); break;
    case vyptaJustify: W("\\qj"); break;
    default: W("\\ql"); break;
    }
    if (pd.Color != cVYXAutoColor && pd.Color != 0xFFFFFF)
        WProp("cbpat", ColorIndex(pd.Color));
    if (Twips(pd.IndentLeft) != 0)
        WProp("li", Twips(pd.IndentLeft));
    if (Twips(pd.IndentRight) != 0)
        WProp("ri", Twips(pd.IndentRight));
    if (const long fi = Twips(pd.IndentFirstLine) - Twips(pd.IndentHanging); fi != 0)
        WProp("fi", fi);
    // Spacing: what the reader assumes when a file states none is single lines and no space.
    TVYXPAP plain;
    plain.SetDefault(true);
    if (pd.LineSpacingType != plain.LineSpacingType || std::abs(pd.LineSpacing - plain.LineSpacing) > 1e-6) {
        double lines = pd.LineSpacing;
        if (pd.LineSpacingType == aplst1_5Lines)
            lines = 1.5;
        else if (pd.LineSpacingType == aplstDouble)
            lines = 2;
        else if (pd.LineSpacingType == aplstSingle)
            lines = 1;
        // Exact and at-least heights are points in the model, twips in the file.
        const bool height = pd.LineSpacingType == aplstAtLeast || pd.LineSpacingType == aplstExactly;
        const long sl = std::lround(lines * (height ? 20 : 240));
        WProp("sl", pd.LineSpacingType == aplstExactly ? -sl : sl);
        W(height ? "\\slmult0" : "\\slmult1");
    }
    if (Twips(pd.SpaceBefore) != 0)
        WProp("sb", Twips(pd.SpaceBefore));
    if (Twips(pd.SpaceAfter) != 0)
        WProp("sa", Twips(pd.SpaceAfter));
    if (papx.Assigned(vypiKeepNext) && papx.GetKeepNext())
        W("\\keepn");
    if (papx.Assigned(vypiKeepLines) && papx.GetKeepLines())
        W("\\keep");
    if (papx.Assigned(vypiWidowControl))
        W(papx.GetWidowControl() ? "\\widctlpar" : "\\nowidctlpar");
    if (papx.Assigned(vypiOutlineLevel))
        WProp("outlinelevel", papx.GetOutlineLevel());
    static constexpr const char* sides[] = {"brdrl", "brdrt", "brdrr", "brdrb"};
    for (int s = 0; s < 4; ++s)
        if (const TVYXDocPropBorder* b = pd.Borders().Side(static_cast<TVYXBorderSide>(s)); b && b->Assigned())
            DoBorder(sides[s], b);
}

void TWriter::DoBorder(std::string_view keyword, const TVYXDocPropBorder* border)
{
    WProp(keyword);
    if (!border) {
        W("\\brdrs");
        return;
    }
    if (border->Style == stbNone || border->Style == stbNil) {
        W("\\brdrnone");  // an explicit "no border", not the cell's default
        return;
    }
    WProp(BorderStyleWord(border->Style) ? BorderStyleWord(border->Style) : "brdrs");
    WProp("brdrw", Twips(border->Width));
    if (Twips(border->Space) != 0)
        WProp("brsp", Twips(border->Space));
    if (border->Color != cVYXAutoColor)
        WProp("brdrcf", ColorIndex(border->Color));
}

void TWriter::CloseLink()
{
    if (!FOpenLink)
        return;
    W("}}");
    FOpenLink = nullptr;
    // A link that began in an earlier paragraph held this paragraph's format inside its
    // group; it is stated again so that the paragraph mark gets it.
    if (FLinkPara && FPara && FLinkPara != FPara) {
        W("\\pard");
        DoParaProps(*FPara, FParaDepth);
    }
    FLinkPara = nullptr;
}

void TWriter::CloseFields(std::size_t depth)
{
    if (FFields.size() <= depth)
        return;
    while (FFields.size() > depth) {
        W("}}");  // the result's group and the field's, or the instruction's and the field's
        FFields.pop_back();
    }
    FFieldsTooDeep = 0;
    // As for links: a field that began in an earlier paragraph held this paragraph's format
    // inside its group, so it is stated again for the paragraph mark.
    if (FFields.empty()) {
        if (FFieldPara && FPara && FFieldPara != FPara) {
            W("\\pard");
            DoParaProps(*FPara, FParaDepth);
        }
        FFieldPara = nullptr;
    }
}

void TWriter::DoRuns(const TVYXLogPara& para, bool mayContinue)
{
    for (int r = 0; r < para.Count(); ++r)
        DoRun(para, *para.GetItems(r));
    // A field whose result goes on in the next paragraph (a table of contents) stays one
    // group across the mark; anything else (a cell's end, floating shapes) closes it here.
    if (!FFields.empty()) {
        const TVYXLogParaItem* next = mayContinue ? para.NextInParas() : nullptr;
        const bool inInstruction = std::find(FFields.begin(), FFields.end(), false) != FFields.end();
        if (!next || !next->IsPara() || para.Graphics() || inInstruction)
            CloseFields(0);
    }
    // A link whose runs go on in the next paragraph stays one field across the mark.
    if (FOpenLink && mayContinue && para.Count() > 0 && para.CRLast()->Type_() == acrtHyperlink &&
        !static_cast<const TVYXCharRunHyperlink*>(para.CRLast())->HLinkLast)
        if (const TVYXLogParaItem* next = para.NextInParas(); next && next->IsPara()) {
            const auto* nextPara = static_cast<const TVYXLogPara*>(next);
            const TVYXCharRun* first = nextPara->CRFirst();
            if (first && first->Type_() == acrtHyperlink &&
                static_cast<const TVYXCharRunHyperlink*>(first)->Hyperlink == FOpenLink &&
                !static_cast<const TVYXCharRunHyperlink*>(first)->HLinkFirst)
                return;
        }
    CloseLink();
}

void TWriter::DoCHPX(const TVYXLogPara& para, const TVYXCharRun* run)
{
    TVYXFontDataDoc fd;
    if (run)
        run->SetupFontData(fd, &para.PAPX(), false);
    else
        fd.Resolve(FDoc.GetMasterCHP(), &para.PAPX(), nullptr, false);
    // The flags the drawing format does not carry, resolved like the dense set; its
    // size is the one before sub- and superscript shrink it.
    TVYXCHP dense;
    dense.Assign(FDoc.GetMasterCHP());
    MergeStyle(dense, para.PAPX().GetStyle(), 0);
    if (run)
        if (const TVYXCHPX* chpx = run->CHPX()) {
            MergeStyle(dense, chpx->GetStyle(), 0);
            dense.Merge(*chpx);
        }
    W("\\plain");
    WProp("f", FontIndex(fd.Name));
    WProp("fs", std::lround((fd.SubSuperscript == vycssNone ? fd.Size : dense.Size) * 2));
    if (fd.Bold)
        W("\\b");
    if (fd.Italic)
        W("\\i");
    if (fd.StrikeOut)
        W("\\strike");
    // A colour the run states is written even when it equals the default one.
    if (fd.Color != cVYXAutoColor && (fd.Color != FBaseColor || (run && run->CHPX() && run->CHPX()->Assigned(vyciColor))))
        WProp("cf", ColorIndex(fd.Color));
    if (const char* ul = UnderlineWord(fd.Underline)) {
        WProp(ul);
        if (fd.ULColor != cVYXAutoColor && (fd.ULColor != 0 || (run && run->CHPX() && run->CHPX()->Assigned(vyciUnderlineColor))))
            WProp("ulc", ColorIndex(fd.ULColor));
    }
    if (fd.SubSuperscript == vycssSubscript)
        W("\\sub");
    else if (fd.SubSuperscript == vycssSuperscript)
        W("\\super");
    if (fd.FillColor != cVYXAutoColor && fd.FillColor != FBaseFill)
        WProp("chcbpat", ColorIndex(fd.FillColor));
    if (fd.Border && fd.Border->Assigned()) {
        W("\\chbrdr\\brdrs");
        WProp("brdrw", Twips(fd.Border->Width));
        if (fd.Border->Color != cVYXAutoColor)
            WProp("brdrcf", ColorIndex(fd.Border->Color));
    }
    if (dense.Hidden)
        W("\\v");
    if (dense.SmallCaps)
        W("\\scaps");
    if (dense.AllCaps)
        W("\\caps");
    if (dense.Shadow)
        W("\\shad");
    if (dense.Outline)
        W("\\outl");
    if (dense.Emboss)
        W("\\embo");
    if (dense.Engrave)
        W("\\impr");
    if (dense.RTL)
        W("\\rtlch");
    if (run)
        if (const TVYXRevisionData* rev = run->Revision()) {
            const bool deleted = rev->RevType == artDelete || rev->RevType == artMoveFrom;
            W(deleted ? "\\deleted" : "\\revised");
            WProp(deleted ? "revauthdel" : "revauth", RevAuthor(rev->Author));
            if (const long dttm = DateToDttm(rev->Date); dttm != 0)
                WProp(deleted ? "revdttmdel" : "revdttm", dttm);
        }
    if (run)
        if (const TVYXCHPX* chpx = run->CHPX())
            if (const TVYXCharStyle* style = chpx->GetStyle()) {
                const auto it = std::find(FCharStyles.begin(), FCharStyles.end(), style);
                if (it != FCharStyles.end())
                    WProp("cs", static_cast<long>(it - FCharStyles.begin()));
            }
}

void TWriter::DoRun(const TVYXLogPara& para, const TVYXCharRun& run)
{
    const TVYXCharRunType type = run.Type_();
    if (type != acrtHyperlink)
        CloseLink();
    switch (type) {
    case acrtText:
        if (run.Text().empty())
            return;
        W("{");
        DoCHPX(para, &run);
        W(" ");
        WText(run.Text());
        W("}");
        return;
    case acrtHyperlink: {
        const auto& link = static_cast<const TVYXCharRunHyperlink&>(run);
        if (!link.Hyperlink) {
            CloseLink();
            W("{");
            DoCHPX(para, &run);
            W(" ");
            WText(run.Text());
            W("}");
            return;
        }
        if (FOpenLink && (link.Hyperlink != FOpenLink || link.HLinkFirst))
            CloseLink();
        if (!FOpenLink) {
            W("{\\field{\\*\\fldinst HYPERLINK ");
            if (link.Hyperlink->Type == ahtBookmark)
                W("\\\\l ");
            W("\"");
            WText(link.Hyperlink->Address);
            W("\"}{\\fldrslt ");
            FOpenLink = link.Hyperlink;
            FLinkPara = &para;
        }
        W("{");
        DoCHPX(para, &run);
        W(" ");
        WText(run.Text());
        W("}");
        return;
    }
    case acrtTab:
        W("{");
        DoCHPX(para, &run);
        W("\\tab}");
        return;
    case acrtBreak: {
        const auto& br = static_cast<const TVYXCharRunBreak&>(run);
        const char* word = br.BreakType == acrbtLineBreak
                               ? "\\line}"
                               : (br.BreakType == acrbtPageBreak ? "\\page}" : (br.BreakType == acrbtColumn ? "\\column}" : nullptr));
        if (word) {
            W("{");
            DoCHPX(para, &run);
            W(word);
        }
        return;
    }
    case acrtPicture:
        W("{");
        DoCHPX(para, &run);
        DoPicture(static_cast<const TVYXCharRunPicture&>(run));
        W("}");
        return;
    case acrtSimpleField: {
        const auto& sf = static_cast<const TVYXCharRunSimpleField&>(run);
        const auto* field = dynamic_cast<const TVYXSimpleField*>(sf.SimpField());
        W("{\\field{\\*\\fldinst ");
        if (field)
            WText(field->InstrText());
        W("}{\\fldrslt {");
        DoCHPX(para, &run);
        W(" ");
        WText(run.Text());
        W("}}}");
        return;
    }
    case acrtLinked: {
        const auto& linked = static_cast<const TVYXCharRunLinked&>(run);
        if (linked.LinkedType == acrltBookmark)
            if (const auto* bm = dynamic_cast<const TVYXBookmark*>(linked.Field())) {
                const TVYXCharRunLinkedPos pos = linked.Position();
                if (pos == acrlpFirst || pos == acrlpSingle) {
                    W("{\\*\\bkmkstart ");
                    WText(bm->Name);
                    W("}");
                }
                if (pos == acrlpLast || pos == acrlpSingle) {
                    W("{\\*\\bkmkend ");
                    WText(bm->Name);
                    W("}");
                }
            }
        if (linked.LinkedType == acrltComment)
            if (const auto* c = dynamic_cast<const TVYXComment*>(linked.Field())) {
                const TVYXCharRunLinkedPos pos = linked.Position();
                const auto it = FCommentIds.emplace(c, static_cast<int>(FCommentIds.size()) + 1).first;
                const std::string id = std::to_string(it->second);
                const std::u16string uid(id.begin(), id.end());
                if (pos == acrlpFirst || pos == acrlpSingle) {
                    W("{\\*\\atrfstart ");
                    WText(uid);
                    W("}");
                }
                if (pos == acrlpLast || pos == acrlpSingle) {
                    W("{\\*\\atrfend ");
                    WText(uid);
                    W("}{\\*\\atnid ");
                    WText(c->Initials);
                    W("}{\\*\\atnauthor ");
                    WText(c->Author);
                    W("}\\chatn {\\*\\annotation{\\*\\atnref ");
                    WText(uid);
                    W("}");
                    for (std::size_t i = 0; i < c->Text.size(); ++i) {
                        if (i > 0)
                            W("\\par ");
                        WText(c->Text[i]);
                    }
                    W("}");
                }
            }
        return;
    }
    case acrtFootnote:
        DoNote(para, static_cast<const TVYXCharRunFootnote&>(run));
        return;
    case acrtFldChar:
        switch (static_cast<const TVYXCharRunFldChar&>(run).FldCharType) {
        case acrfctBegin:
            // Deeper than any reader keeps apart: the rest stays text of the outer field.
            if (FFields.size() >= 32 || FFieldsTooDeep > 0) {
                ++FFieldsTooDeep;
                return;
            }
            if (FFields.empty())
                FFieldPara = &para;
            // The field's group carries the format of its marks; readers give it to them.
            W("{\\field");
            DoCHPX(para, &run);
            W("{\\*\\fldinst ");
            FFields.push_back(false);
            return;
        case acrfctSeparate:
            if (FFieldsTooDeep == 0 && !FFields.empty() && !FFields.back()) {
                W("}{\\fldrslt ");
                FFields.back() = true;
            }
            return;
        case acrfctEnd:
            if (FFieldsTooDeep > 0)
                --FFieldsTooDeep;
            else if (!FFields.empty())
                CloseFields(FFields.size() - 1);
            return;
        }
        return;
    case acrtInstrText: {
        const auto& instr = static_cast<const TVYXCharRunInstrText&>(run);
        if (FFields.empty() || FFields.back())
            return;
        WText(instr.InstrText.empty() ? run.Text() : instr.InstrText);
        return;
    }
    default:
        return;
    }
}

void TWriter::DoNote(const TVYXLogPara& anchor, const TVYXCharRunFootnote& run)
{
    const auto* note = static_cast<const TVYXFootnoteItem*>(run.Footnote);
    // The marks keep their own format (superscript, usually), in the body and in the note.
    W("{");
    DoCHPX(anchor, &run);
    W(run.IsEndnote ? "\\chftn}{\\footnote\\ftnalt" : "\\chftn}{\\footnote");
    const TVYXLogPara* outerPara = FPara;
    const int outerDepth = FParaDepth;
    const std::size_t outerFields = FFields.size();
    if (note && note->StartPara && note->StartPara->Paras()) {
        const TVYXLogParas& list = *note->StartPara->Paras();
        int first = -1, last = -1;
        if (note->CalcLimits(first, last))
            for (int i = first; i <= last && i < list.Count(); ++i) {
                const TVYXLogPara* para = list.ParaAtIndex(i);
                if (!para)
                    continue;
                W("\\pard");
                DoParaProps(*para, 0);
                if (i == first) {
                    const TVYXCharRun* mark = nullptr;
                    for (int r = 0; r < para->Count() && !mark; ++r)
                        if (para->GetItems(r)->Type_() == acrtFootnoteRef)
                            mark = para->GetItems(r);
                    W("{");
                    if (mark)
                        DoCHPX(*para, mark);
                    else
                        W("\\super");
                    W("\\chftn}");
                }
                FPara = para;
                FParaDepth = 0;
                for (int r = 0; r < para->Count(); ++r)
                    if (para->GetItems(r)->Type_() != acrtFootnoteRef)
                        DoRun(*para, *para->GetItems(r));
                CloseLink();
                CloseFields(outerFields);
                if (i < last)
                    W("\\par ");
            }
    }
    W("}");
    FPara = outerPara;
    FParaDepth = outerDepth;
}

void TWriter::DoPicture(const TVYXCharRunPicture& pic)
{
    const std::string_view bytes(reinterpret_cast<const char*>(pic.Origdata.data()), pic.Origdata.size());
    const long w = pic.Bitmap ? pic.Bitmap->Width() : 0, h = pic.Bitmap ? pic.Bitmap->Height() : 0;
    // Pixels at 96 per inch: 15 twips each.
    DoPict(bytes, w, h, w * 15L, h * 15L);
}

bool TWriter::DoPict(std::string_view bytes, long pixelsW, long pixelsH, long goalW, long goalH)
{
    const char* kind = nullptr;
    if (bytes.starts_with("\x89PNG"))
        kind = "pngblip";
    else if (bytes.starts_with("\xFF\xD8"))
        kind = "jpegblip";
    else if (bytes.size() > 44 && bytes.substr(40, 4) == " EMF")
        kind = "emfblip";
    else if (bytes.starts_with("\xD7\xCD\xC6\x9A")) {
        kind = "wmetafile8";
        bytes.remove_prefix(22);  // the placeable header: readers add their own
    } else if (bytes.starts_with(std::string_view("\x01\x00\x09\x00", 4)) ||
               bytes.starts_with(std::string_view("\x02\x00\x09\x00", 4)))
        kind = "wmetafile8"; else if (bytes.starts_with("BM") && bytes.size() > 14) {
        kind = "dibitmap0";
        bytes.remove_prefix(14);  // a DIB is a bitmap file without its file header
    }
    if (!kind || bytes.empty())
        return false;
    W("{\\pict");
    if (goalW > 0 && goalH > 0) {
        WProp("picwgoal", goalW);
        WProp("pichgoal", goalH);
    }
    WProp(kind);
    if (pixelsW > 0 && pixelsH > 0) {
        WProp("picw", pixelsW);
        WProp("pich", pixelsH);
    }
    W(" ");
    static constexpr char hex[] = "0123456789abcdef";
    const std::size_t start = FOut.size();
    FOut.resize(start + bytes.size() * 2);
    char* out = FOut.data() + start;
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = hex[u >> 4];
        *out++ = hex[u & 15];
    }
    W("}");
    return true;
}

// ---- Floating objects ----
//
// Each object anchored to a paragraph is a {\shp} group after the paragraph's runs:
// its box in twips from the anchors it names, then {\sp} properties (colours in the
// format's blue-green-red order, lengths in EMU, angles in 16.16 fixed point), the
// picture as "pib", the text box's paragraphs as \shptxt, and for pictures a
// \shprslt with the same picture inline for readers that know no shapes.

void TWriter::DoGraphics(const TVYXLogPara& para)
{
    const TVYXGraphicObjList* graphics = para.Graphics();
    if (!graphics || graphics->Count() == 0)
        return;
    // Not inside a link's field result, where a text box's text would read as link text.
    CloseLink();
    const TVYXLogPara* outerPara = FPara;
    const int outerDepth = FParaDepth;
    for (int i = 0; i < graphics->Count(); ++i)
        DoShape(graphics->GetItems(i));
    FPara = outerPara;
    FParaDepth = outerDepth;
}

void TWriter::DoShapeProp(std::string_view name, long long value)
{
    W("{\\sp{\\sn ");
    W(name);
    W("}{\\sv ");
    W(std::to_string(value));
    W("}}");
}

namespace {
long long Emu(double points) { return std::llround(points * 12700.0); }
long long ShapeColor(TVYXColor c) { return static_cast<long long>(GetTColor(c) & 0xFFFFFF); }
}  // namespace

void TWriter::DoShape(const TVYXGraphicObj& obj)
{
    const auto* rot = dynamic_cast<const TVYXGraphicRotate*>(&obj);
    const auto* line = dynamic_cast<const TVYXGraphicLine*>(&obj);
    const auto* pic = dynamic_cast<const TVYXGraphicPicture*>(&obj);
    const auto* shape = dynamic_cast<const TVYXGraphicShape*>(&obj);
    const bool textBox = rot && rot->TextBox && rot->TextBox->Paras;
    const TVYXPicture* picture = pic ? pic->Picture() : nullptr;
    std::string_view picBytes = picture ? picture->OrigData() : std::string_view();
    int type = 1;
    if (pic)
        type = 75;
    else if (shape && shape->ShapeType)
        type = VYXRtfShapeTypeOf(shape->ShapeType->Id);
    if (textBox && type == 1)
        type = 202;
    else if (obj.Type_() == agtEllipse)
        type = 3;
    else if (obj.Type_() == agtRoundRect)
        type = 2;
    else if (obj.Type_() == agtLine)
        type = 20;

    W("{\\shp{\\*\\shpinst");
    const long left = Twips(obj.PosLeft), top = Twips(obj.PosTop);
    WProp("shpleft", left);
    WProp("shptop", top);
    WProp("shpright", left + std::max(1L, Twips(obj.Width)));
    WProp("shpbottom", top + std::max(1L, Twips(obj.Height)));
    int posRelH = -1, posRelV = -1;
    switch (obj.HorizPosRel) {
    case agohprPage: W("\\shpbxpage"); break;
    case agohprColumn: W("\\shpbxcolumn"); break;
    case agohprCharacter: W("\\shpbxignore"), posRelH = 3; break;
    default: W("\\shpbxmargin"); break;
    }
    switch (obj.VertPosRel) {
    case agovprPage: W("\\shpbypage"); break;
    case agovprParagraph: W("\\shpbypara"); break;
    case agovprLine: W("\\shpbyignore"), posRelV = 3; break;
    default: W("\\shpbymargin"); break;
    }
    switch (obj.Wrap) {
    case agowTopBottom: W("\\shpwr1\\shpwrk0"); break;
    case agow_ParaLeft: W("\\shpwr2\\shpwrk0"); break;
    case agow_ParaRight: W("\\shpwr2\\shpwrk3"); break;
    case agowBehind: W("\\shpwr3\\shpwrk0\\shpfblwtxt1"); break;
    default: W("\\shpwr3\\shpwrk0\\shpfblwtxt0"); break;
    }
    WProp("shpz", obj.ZIndex);
    DoShapeProp("shapeType", type);
    if (posRelH >= 0)
        DoShapeProp("posrelh", posRelH);
    if (posRelV >= 0)
        DoShapeProp("posrelv", posRelV);
    if (obj.HorizPosType == agoptAlignment && obj.HorizPos != agohpAbsolute)
        DoShapeProp("posh", static_cast<int>(obj.HorizPos));
    if (obj.VertPosType == agoptAlignment && obj.VertPos != agovpAbsolute)
        DoShapeProp("posv", static_cast<int>(obj.VertPos));
    DoShapeProp("dxWrapDistLeft", Emu(obj.OMargLeft));
    DoShapeProp("dyWrapDistTop", Emu(obj.OMargTop));
    DoShapeProp("dxWrapDistRight", Emu(obj.OMargRight));
    DoShapeProp("dyWrapDistBottom", Emu(obj.OMargBottom));
    if (rot && rot->GetAngle() != 0)
        DoShapeProp("rotation", std::llround(rot->GetAngle() * 65536.0));
    if (rot) {
        DoShapeProp("fillColor", ShapeColor(rot->FillColor));
        DoShapeProp("fFilled", rot->Filled ? 1 : 0);
    }
    if (line) {
        DoShapeProp("lineColor", ShapeColor(line->StrokeColor));
        DoShapeProp("lineWidth", Emu(line->StrokeWeight));
        DoShapeProp("fLine", line->Stroked ? 1 : 0);
    }
    if (pic) {
        DoShapeProp("fFlipH", pic->FlipX ? 1 : 0);
        DoShapeProp("fFlipV", pic->FlipY ? 1 : 0);
        const struct {
            double Value;
            const char* Name;
        } crops[] = {{pic->CropLeft, "cropFromLeft"}, {pic->CropTop, "cropFromTop"},
                     {pic->CropRight, "cropFromRight"}, {pic->CropBottom, "cropFromBottom"}};
        for (const auto& c : crops)
            if (c.Value != 0)
                DoShapeProp(c.Name, std::llround(c.Value * 65536.0));
    }
    for (const auto& [name, text] : {std::pair<const char*, const std::string*>{"wzName", &obj.Title},
                                     {"wzDescription", shape ? &shape->Description : nullptr}})
        if (text && !text->empty()) {
            W("{\\sp{\\sn ");
            W(name);
            W("}{\\sv ");
            WText(Utf8ToUtf16(*text));
            W("}}");
        }
    const long goalW = Twips(obj.Width), goalH = Twips(obj.Height);
    const long pixelsW = std::lround(obj.Width * 96 / 72), pixelsH = std::lround(obj.Height * 96 / 72);
    if (!picBytes.empty()) {
        W("{\\sp{\\sn pib}{\\sv ");
        if (!DoPict(picBytes, pixelsW, pixelsH, goalW, goalH))
            picBytes = {};
        W("}}");
    }
    if (textBox) {
        const TVYXGrTextBox& box = *rot->TextBox;
        DoShapeProp("dxTextLeft", Emu(box.MargLeft));
        DoShapeProp("dyTextTop", Emu(box.MargTop));
        DoShapeProp("dxTextRight", Emu(box.MargRight));
        DoShapeProp("dyTextBottom", Emu(box.MargBottom));
        if (box.VertAlign != atbvaTop)
            DoShapeProp("anchorText", box.VertAlign == atbvaCenter ? 1 : 2);
        W("{\\shptxt ");
        DoParas(*box.Paras, 0);
        W("}");
    }
    W("}");
    if (!picBytes.empty()) {
        W("{\\shprslt ");
        DoPict(picBytes, pixelsW, pixelsH, goalW, goalH);
        W("}");
    }
    W("}");
}

// Grid columns a cell spans, bounded so a corrupt span cannot blow up the output.
int HorizontalSpan(const TVYXTableCell& cell)
{
    return std::clamp<int>(cell.GridSpan, 1, 63);
}

void TWriter::DoRowDef(const TVYXTable& table, const TVYXTableRow& row)
{
    double rowWidth = 0;
    for (int c = 0; c < row.Count(); ++c)
        rowWidth += row.GetCells(c)->GetWidth();
    W("\\trowd\\trftsWidth3");
    WProp("trwWidth", Twips(rowWidth));
    if (row.Height != 0)
        WProp("trrh", Twips(row.Height));
    if (row.RptData)
        W("\\trhdr");
    if (row.CantSplit)
        W("\\trkeep");
    // Keeping a row with the next is how the row's paragraphs all keep with the next.
    bool keepFollow = row.Count() > 0;
    for (int c = 0; c < row.Count() && keepFollow; ++c) {
        const TVYXLogParas& paras = row.GetCells(c)->Paras();
        for (int k = 0; k < paras.Count() && keepFollow; ++k)
            if (const TVYXLogPara* para = paras.ParaAtIndex(k))
                keepFollow = para->PAPX().Assigned(vypiKeepNext) && para->PAPX().GetKeepNext();
    }
    if (keepFollow)
        W("\\trkeepfollow");
    const bool firstRow = row.Index() == 0, lastRow = row.Index() == table.Count() - 1;
    const TVYXTAPX& tapx = table.TAPX();
    static constexpr struct {
        TVYXTapId Id;
        const char* Word;
        const char* Unit;
    } cPaddings[] = {{vytiCellMargLeft, "trpaddl", "\\trpaddfl3"}, {vytiCellMargTop, "trpaddt", "\\trpaddft3"},
                     {vytiCellMargRight, "trpaddr", "\\trpaddfr3"}, {vytiCellMargBottom, "trpaddb", "\\trpaddfb3"}};
    for (const auto& pad : cPaddings)
        if (tapx.Assigned(pad.Id)) {
            WProp(pad.Word, Twips(tapx.GetAsFloat(pad.Id)));
            W(pad.Unit);
        }
    double x = 0;
    for (int c = 0; c < row.Count(); ++c) {
        const TVYXTableCell& cell = *row.GetCells(c);
        const TVYXTableCellProps& p = cell.Props();
        auto side = [&](TVYXBorderSide s, const char* word, const TVYXDocPropBorder* fallback) {
            const TVYXDocPropBorder* own = p.Borders.Side(s);
            if (own)
                DoBorder(word, own);
            else if (fallback)
                DoBorder(word, fallback);
        };
        // A cell spanning grid columns is written as its first column (\clmgf) and
        // continuations (\clmrg) sharing its width, so readers see the same grid.
        const int span = HorizontalSpan(cell);
        for (int part = 0; part < span; ++part) {
            side(abrsTop, "clbrdrt", firstRow ? tapx.GetBorderTop() : nullptr);
            side(abrsLeft, "clbrdrl", c == 0 ? tapx.GetBorderLeft() : nullptr);
            side(abrsBottom, "clbrdrb", lastRow ? tapx.GetBorderBottom() : tapx.GetBorderInsideHoriz());
            side(abrsRight, "clbrdrr", c == row.Count() - 1 ? tapx.GetBorderRight() : tapx.GetBorderInsideVert());
            if (span > 1)
                W(part == 0 ? "\\clmgf" : "\\clmrg");
            if (cell.GetMergedRoot())
                W("\\clvmgf");
            else if (cell.GetMerged())
                W("\\clvmrg");
            if (cell.AlignVert == atcavCenter)
                W("\\clvertalc");
            else if (cell.AlignVert == atcavBottom)
                W("\\clvertalb");
            if (p.FillColor != cVYXAutoColor)
                WProp("clcbpat", ColorIndex(p.FillColor));
            W("\\clftsWidth3");
            WProp("clwWidth", Twips(cell.GetWidth() / span));
            x += cell.GetWidth() / span;
            WProp("cellx", Twips(x));
        }
    }
}

void TWriter::DoTable(const TVYXTable& table, int depth)
{
    for (int r = 0; r < table.Count(); ++r) {
        const TVYXTableRow& row = *table.GetRows(r);
        if (depth == 1)
            DoRowDef(table, row);
        for (int c = 0; c < row.Count(); ++c) {
            const TVYXTableCell& cell = *row.GetCells(c);
            DoParas(cell.Paras(), depth);
            for (int part = 1; part < HorizontalSpan(cell); ++part) {
                W("\\pard\\intbl");
                WProp("itap", depth);
                W(depth > 1 ? "\\nestcell " : "\\cell ");
            }
        }
        if (depth == 1) {
            W("\\pard\\intbl\\itap1{");
            DoRowDef(table, row);
            W("\\row}");
        } else {
            W("{\\*\\nesttableprops");
            DoRowDef(table, row);
            W("\\nestrow}{\\nonesttables\\par}");
        }
    }
    W("\\pard ");
}

}  // namespace

TVYXWriteRTF::TVYXWriteRTF(TVYXLogDocEditor& doc) : FDoc(doc) {}

std::string TVYXWriteRTF::SaveToBytes() const
{
    TWriter writer(FDoc);
    return writer.Document();
}

std::string TVYXWriteRTF::SaveParasToBytes(const TVYXLogParas& paras) const
{
    TWriter writer(FDoc);
    return writer.Paras(paras);
}

std::string TVYXWriteRTF::SaveToBytes(const TVYXLogSelection& selection) const
{
    TVYXDocRange range{VYXAddressOf(selection.First), VYXAddressOf(selection.Last)};
    if (range.Last < range.First)
        std::swap(range.First, range.Last);
    const std::unique_ptr<TVYXDocFragment> fragment = FDoc.CopyContent(range);
    return SaveParasToBytes(*fragment->Paras);
}

void TVYXWriteRTF::SaveToStream(TVYXStream& stream) const { stream.WriteString(SaveToBytes()); }

void TVYXWriteRTF::SaveToFile(const std::string& fileName) const
{
    if (fileName.empty())
        throw VYXException("Filename is missing");
    const std::string bytes = SaveToBytes();
    const std::string temp = fileName + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            throw VYXException("Cannot create file \"" + fileName + "\"");
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw VYXException("Cannot write file \"" + fileName + "\"");
    }
    std::error_code ec;
    std::filesystem::rename(temp, fileName, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        throw VYXException("Cannot write file \"" + fileName + "\"");
    }
}
