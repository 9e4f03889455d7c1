// VYXDocSection.cpp: sections with their fallbacks, document properties and protection.
#include "model/VYXDocSection.h"

#include <algorithm>
#include <numeric>

TVYXSEPCol& TVYXSEPCols::Add(double width, double space)
{
    FItems.push_back({width, space, 0});
    return FItems.back();
}

double TVYXSEPCols::AverageColSpace() const
{
    if (FItems.empty())
        return 0;
    const double sum = std::accumulate(FItems.begin(), FItems.end(), 0.0,
                                       [](double s, const TVYXSEPCol& c) { return s + c.Space; });
    return sum / static_cast<double>(FItems.size());
}

void TVYXSEP::Clear()
{
    PageWidth = PageHeight = -1.0;
    MargLeft = MargTop = MargRight = MargBottom = -1.0;
    MargWeb = 18.0;
    Cols.Clear();
}

void TVYXSEP::SetDocumentDefaults(double paperWidthMm, double paperHeightMm)
{
    Clear();
    if (paperWidthMm <= 0 || paperHeightMm <= 0) {
        paperWidthMm = 210;
        paperHeightMm = 297;
    }
    PageWidth = paperWidthMm / 25.4 * 72;
    PageHeight = paperHeightMm / 25.4 * 72;
    SetLandscape(false);
    MargLeft = MargTop = MargRight = MargBottom = 70.86614173228347;
    MargHeader = MargFooter = 35.43307086614173;
}

bool TVYXSEP::Web() const { return DOP && DOP->WebLayout; }

double TVYXSEP::Own(double TVYXSEP::*field) const
{
    // A chain of masters is walked a bounded number of steps, so a section set up
    // as its own master cannot loop.
    const TVYXSEP* sep = this;
    for (int depth = 0; depth < 8 && sep; ++depth, sep = sep->MasterSEP)
        if (sep->*field >= 0 || !sep->MasterSEP)
            return sep->*field;
    return this->*field;
}

double TVYXSEP::GetPageWidth() const { return Web() ? DOP->ScreenWidth : Own(&TVYXSEP::PageWidth); }
double TVYXSEP::GetPageHeight() const { return Web() ? DOP->WebHeight : Own(&TVYXSEP::PageHeight); }
double TVYXSEP::GetMargLeft() const { return Web() ? MargWeb : Own(&TVYXSEP::MargLeft); }
double TVYXSEP::GetMargTop() const { return Web() ? MargWeb : Own(&TVYXSEP::MargTop); }
double TVYXSEP::GetMargRight() const { return Web() ? MargWeb : Own(&TVYXSEP::MargRight); }
double TVYXSEP::GetMargBottom() const { return Web() ? MargWeb : Own(&TVYXSEP::MargBottom); }
double TVYXSEP::GetMargHeader() const { return Own(&TVYXSEP::MargHeader); }
double TVYXSEP::GetMargFooter() const { return Own(&TVYXSEP::MargFooter); }
double TVYXSEP::GetGutter() const { return Own(&TVYXSEP::Gutter); }

std::int32_t TVYXSEP::GetPageCode() const
{
    return PageCode < 0 && MasterSEP && MasterSEP != this ? MasterSEP->PageCode : PageCode;
}

bool TVYXSEP::GetLandscape() const { return Own(&TVYXSEP::PageWidth) > Own(&TVYXSEP::PageHeight); }

void TVYXSEP::SetLandscape(bool on)
{
    const double w = Own(&TVYXSEP::PageWidth), h = Own(&TVYXSEP::PageHeight);
    PageWidth = w;
    PageHeight = h;
    if ((w > h) != on)
        std::swap(PageWidth, PageHeight);
}

void TVYXSEP::ZeroMargs()
{
    MargLeft = MargTop = MargRight = MargBottom = MargHeader = MargFooter = 0;
}

void TVYXSEP::AddCols(int count, double space)
{
    Cols.Clear();
    if (count <= 1)
        return;
    const double width = (GetClientWidth() - (count - 1) * space) / count;
    for (int i = 0; i < count; ++i)
        Cols.Add(width, space).XOffs = i * (width + space);
}

void TVYXSEP::CheckValues()
{
    constexpr double cMinPage = 100, cMaxPage = 300000;
    auto clampSet = [](double& v, double lo, double hi) {
        if (v >= 0)
            v = std::clamp(v, lo, std::max(lo, hi));
    };
    clampSet(PageWidth, cMinPage, cMaxPage);
    clampSet(PageHeight, cMinPage, cMaxPage);
    const double halfW = Own(&TVYXSEP::PageWidth) / 2, halfH = Own(&TVYXSEP::PageHeight) / 2;
    clampSet(MargLeft, 0, halfW);
    clampSet(MargRight, 0, halfW);
    for (double* v : {&MargTop, &MargBottom, &MargHeader, &MargFooter})
        clampSet(*v, 0, halfH);
}

void TVYXSEP::Assign(const TVYXSEP& source)
{
    if (&source == this)
        return;
    MasterSEP = source.MasterSEP == this ? nullptr : source.MasterSEP;
    DOP = source.DOP;
    Type = source.Type;
    PageCode = source.PageCode;
    PageWidth = source.PageWidth;
    PageHeight = source.PageHeight;
    Cols = source.Cols;
    MargLeft = source.MargLeft;
    MargTop = source.MargTop;
    MargRight = source.MargRight;
    MargBottom = source.MargBottom;
    MargHeader = source.MargHeader;
    MargFooter = source.MargFooter;
    MargWeb = source.MargWeb;
    Gutter = source.Gutter;
    TitlePg = source.TitlePg;
    BiDi = source.BiDi;
}

std::unique_ptr<TVYXSEP> TVYXSEP::Clone() const
{
    auto copy = std::make_unique<TVYXSEP>(MasterSEP, DOP);
    copy->Assign(*this);
    return copy;
}

bool TVYXSEP::Equal(const TVYXSEP& other) const
{
    return Type == other.Type && PageCode == other.PageCode && PageWidth == other.PageWidth &&
           PageHeight == other.PageHeight && Cols == other.Cols && MargLeft == other.MargLeft &&
           MargTop == other.MargTop && MargRight == other.MargRight && MargBottom == other.MargBottom &&
           MargHeader == other.MargHeader && MargFooter == other.MargFooter && MargWeb == other.MargWeb &&
           Gutter == other.Gutter && TitlePg == other.TitlePg && BiDi == other.BiDi;
}

void TVYXDOPProtection::Protect(TVYXDOPProtectionEditing editing)
{
    Clear();
    Editing = editing;
}

void TVYXDOPProtection::PreparePassword()
{
    Editing = adpeReadOnly;
    Enforcement = true;
    CryptProviderType = u"rsaFull";
    CryptAlgorithmClass = u"hash";
    CryptAlgorithmType = u"typeAny";
    CryptAlgorithmSid = u"4";
    CryptSpinCount = 100000;
    Hash.clear();
    Salt.clear();
}

void TVYXDOPProtection::SetFormEnabled()
{
    Editing = adpeForms;
    Enforcement = true;
}

void TVYXDOP::Clear()
{
    IsPrinting = false;
    Color = 0xFFFFFF;
    TabWidth = 65.2;
    DefTab = TVYXTabStop();
    Protection.Clear();
    HyperlinkMode = adhsmCtrl;
    ShowTableOutline = false;
    InterpageSpace = 20.0;
    WebLayout = false;
}

void TVYXDOP::Assign(const TVYXDOP& source)
{
    if (&source == this)
        return;
    IsPrinting = source.IsPrinting;
    Color = source.Color;
    TabWidth = source.TabWidth;
    DefTab.Assign(source.DefTab);
    Protection = source.Protection;
    HyperlinkMode = source.HyperlinkMode;
    ShowTableOutline = source.ShowTableOutline;
    InterpageSpace = source.InterpageSpace;
    WebLayout = source.WebLayout;
    ScreenWidth = source.ScreenWidth;
    WebHeight = source.WebHeight;
    DefaultHdrsFtrs = source.DefaultHdrsFtrs;
}

void TVYXDocumentProperties::Clear()
{
    for (auto* s : {&Title, &Author, &LastModifiedBy, &Revision, &Template, &Company, &Comment, &Tags, &Subject,
                    &Categories, &Status, &HyperlinkBase, &Application, &AppVersion, &Filename})
        s->clear();
    LastPrinted = Created = LastModified = 0;
}
