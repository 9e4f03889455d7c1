// VYXDocData.cpp: resolution of the effective run and paragraph formats.
#include "model/VYXDocData.h"

#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"

namespace {
// Style chains come from files: a cycle must not recurse forever.
constexpr int cMaxStyleDepth = 64;
}  // namespace

void TVYXFontDataDoc::Apply(const TVYXCHP& chp)
{
    Name = chp.FontName;
    Size = chp.Size;
    Bold = chp.Bold;
    Italic = chp.Italic;
    Underline = chp.Underline;
    ULColor = chp.UnderlineColor;
    StrikeOut = chp.StrikeTrough;
    Color = chp.Color;
    FillColor = chp.FillColor;
    HighlightColor = HighlightToColor(chp.HighlightColor);
    SubSuperscript = chp.SubSuperscript;
    Superscript = SubSuperscript == vycssSuperscript;
    Rotation = 0;
    SubSuperOffs = 0;
    Border = nullptr;
    Revision = nullptr;
}

void TVYXFontDataDoc::Apply(const TVYXStyle* style) { ApplyStyleChain(style, 0); }

void TVYXFontDataDoc::ApplyStyleChain(const TVYXStyle* style, int depth)
{
    if (!style || depth >= cMaxStyleDepth)
        return;
    if (style->BasedOn && style->BasedOn != style)
        ApplyStyleChain(style->BasedOn, depth + 1);
    if (style->Type_() == astPara || style->Type_() == astCharRun)
        if (const TVYXCHPX* chpx = style->StyleCHPX())
            Apply(*chpx);
}

void TVYXFontDataDoc::Apply(const TVYXCHPX& chpx)
{
    Color = cVYXAutoColor;
    // A style's list may itself name a character style; a loop of such references
    // from a damaged file stops at the depth bound.
    if (const TVYXCharStyle* style = chpx.GetStyle(); style && style->StyleCHPX() != &chpx && FDepth < cMaxStyleDepth) {
        ++FDepth;
        struct TLeave {
            int& Depth;
            ~TLeave() { --Depth; }
        } leave{FDepth};
        Apply(style);
    }
    for (int i = 0; i < chpx.Count(); ++i) {
        const TVYXPropItem& item = chpx.Items(i);
        switch (item.Id) {
        case vyciBold: Bold = item.ValInt() == 1; break;
        case vyciItalic: Italic = item.ValInt() == 1; break;
        case vyciStrikeThrough: StrikeOut = item.ValInt() == 1; break;
        case vyciColor: Color = item.ValDWord(); break;
        case vyciFillColor: FillColor = item.ValDWord(); break;
        case vyciHighlightColor: HighlightColor = HighlightToColor(item.ValInt()); break;
        case vyciUnderline: Underline = chpx.GetUnderline(); break;
        case vyciUnderlineColor: ULColor = item.ValDWord(); break;
        case vyciSubSuperscript: SubSuperscript = chpx.GetSubSuperscript(); break;
        case vyciSize: Size = item.ValFloat(); break;
        case vyciBorder: Border = chpx.GetBorder(); break;
        case vyciRevision: Revision = chpx.GetRevision(); break;
        case vyciFontName: Name = chpx.GetFontName(); break;
        default: break;
        }
    }
    Superscript = SubSuperscript == vycssSuperscript;
    if (SubSuperscript == vycssSubscript) {
        SubSuperOffs = 0.2 * Size;
        Size = 0.8 * Size;
    } else if (SubSuperscript == vycssSuperscript) {
        SubSuperOffs = -0.2 * Size * 1.5;
        Size = 0.8 * Size;
    }
}

void TVYXFontDataDoc::Resolve(const TVYXCHP& masterCHP, const TVYXPAPX* papx, const TVYXCHPX* chpx,
                              bool withParaMark)
{
    Apply(masterCHP);
    if (papx) {
        if (const TVYXParaStyle* style = papx->GetStyle())
            Apply(style);
        if (withParaMark && papx->CHPX())
            Apply(*papx->CHPX());
    }
    if (chpx)
        Apply(*chpx);
}

// ---- Paragraphs ----------------------------------------------------------------

TVYXParaData::TVYXParaData() : FBorders(std::make_unique<TVYXDocPropBorders>()) {}
TVYXParaData::~TVYXParaData() = default;

double TVYXParaData::MargLeft() const { return FBorders->Left() ? FBorders->Left()->Margin() : 0; }
double TVYXParaData::MargRight() const { return FBorders->Right() ? FBorders->Right()->Margin() : 0; }

void TVYXParaData::Reset(const TVYXPAP& masterPAP)
{
    Alignment = masterPAP.Alignment;
    IndentLeft = masterPAP.IndentLeft;
    IndentRight = masterPAP.IndentRight;
    IndentFirstLine = masterPAP.IndentFirstLine;
    IndentHanging = masterPAP.IndentHanging;
    LineSpacing = masterPAP.LineSpacing;
    LineSpacingType = masterPAP.LineSpacingType;
    SpaceBefore = masterPAP.SpaceBefore;
    SpaceAfter = masterPAP.SpaceAfter;
    Color = masterPAP.Color;
    FBorders->Clear();
}

void TVYXParaData::ApplyOwn(const TVYXPAPX& papx)
{
    for (int i = 0; i < papx.Count(); ++i) {
        switch (papx.Items(i).Id) {
        case vypiAlignment: Alignment = papx.GetAlignment(); break;
        case vypiColor: Color = papx.GetColor(); break;
        case vypiLineSpacingType: LineSpacingType = papx.GetLineSpacingType(); break;
        case vypiIndentLeft: IndentLeft = papx.GetIndentLeft(); break;
        case vypiIndentRight: IndentRight = papx.GetIndentRight(); break;
        case vypiIndentFirstLine: IndentFirstLine = papx.GetIndentFirstLine(); break;
        case vypiIndentHanging: IndentHanging = papx.GetIndentHanging(); break;
        case vypiLineSpacing: LineSpacing = papx.GetLineSpacing(); break;
        case vypiSpaceBefore: SpaceBefore = papx.GetSpaceBefore(); break;
        case vypiSpaceAfter: SpaceAfter = papx.GetSpaceAfter(); break;
        case vypiBorderLeft: FBorders->SetSideRef(abrsLeft, papx.GetBorderLeft()); break;
        case vypiBorderTop: FBorders->SetSideRef(abrsTop, papx.GetBorderTop()); break;
        case vypiBorderRight: FBorders->SetSideRef(abrsRight, papx.GetBorderRight()); break;
        case vypiBorderBottom: FBorders->SetSideRef(abrsBottom, papx.GetBorderBottom()); break;
        default: break;
        }
    }
    if (Color == cVYXAutoColor)
        Color = 0xFFFFFF;
}

void TVYXParaData::Apply(const TVYXPAPX& papx)
{
    // Collect the chain first so the root is applied first without recursion.
    const TVYXStyle* chain[cMaxStyleDepth];
    int n = 0;
    for (const TVYXStyle* s = papx.GetStyle(); s && n < cMaxStyleDepth; s = s->BasedOn)
        chain[n++] = s;
    while (n > 0)
        if (const TVYXPAPX* stylePapx = chain[--n]->StylePAPX(); stylePapx && stylePapx != &papx)
            ApplyOwn(*stylePapx);
    ApplyOwn(papx);
}

void TVYXParaData::Resolve(const TVYXPAP& masterPAP, const TVYXPAPX* papx, bool inTableCell,
                           const TVYXTableStyle* tableStyle)
{
    Reset(masterPAP);
    if (inTableCell) {
        if (tableStyle && tableStyle->PAPX().Count() > 0)
            Apply(tableStyle->PAPX());
        else
            SpaceBefore = SpaceAfter = 0;
    }
    if (!papx)
        return;
    Apply(*papx);
    if (const TVYXNumbering* num = papx->GetNumbering(); num && num->PAPX().Count() > 0)
        Apply(num->PAPX());
}

// ---- Root data -------------------------------------------------------------------
