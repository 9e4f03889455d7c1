// VYXWritePDF.cpp: laying the document out for the PDF device, painting its pages, outline and destinations.
#include "pdf/VYXWritePDF.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <optional>

#include "editing/VYXLogEditor.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPhyRow.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXParaProps.h"
#include "model/VYXStyles.h"
#include "layout/VYXPaintDoc.h"
#include "pdf/VYXGDIPDF.h"
#include "pdf/VYXPdfDocument.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace {
// Halves the first section's bottom margin for the export and puts the stored value back
// when the export ends, however it ends.
class TBottomMarginScope {
public:
    explicit TBottomMarginScope(TVYXSEP& sep) : FSEP(sep), FStored(sep.MargBottom)
    {
        FSEP.MargBottom = FSEP.GetMargBottom() / 2;
    }
    ~TBottomMarginScope() { FSEP.MargBottom = FStored; }
    TBottomMarginScope(const TBottomMarginScope&) = delete;
    TBottomMarginScope& operator=(const TBottomMarginScope&) = delete;

private:
    TVYXSEP& FSEP;
    double FStored;
};

// The section the document starts with: the one the first section-ending paragraph closes.
TVYXSEP& FirstSection(TVYXLogDocEditor& doc)
{
    TVYXLogParas& paras = doc.Paras();
    for (int i = 0; i + 1 < paras.Count(); ++i) {
        TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsPara())
            if (TVYXSEP* sep = static_cast<TVYXLogPara*>(item)->SEP())
                return *sep;
    }
    return doc.SEP();
}

// The outline level of a heading (0 = level 1), from the paragraph or its style chain; none for body text.
std::optional<int> OutlineLevelOf(const TVYXPAPX& papx)
{
    std::int32_t v = 0;
    if (papx.GetValue(vypiOutlineLevel, v))
        return v < 9 ? std::optional<int>(v) : std::nullopt;
    const TVYXStyle* style = papx.GetStyle();
    for (int depth = 0; style && depth < 32; ++depth, style = style->BasedOn)
        if (const TVYXPAPX* s = style->StylePAPX(); s && s != &papx && s->GetValue(vypiOutlineLevel, v))
            return v < 9 ? std::optional<int>(v) : std::nullopt;
    return std::nullopt;
}

// Days since 1899-12-30, local time: the clock of date fields.
double NowDays()
{
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return (static_cast<double>(t) + static_cast<double>(tm.tm_gmtoff)) / 86400.0 + 25569.0;
}

std::u16string Trimmed(std::u16string s)
{
    for (char16_t& c : s)
        if (c < 0x20)
            c = u' ';
    const auto a = s.find_first_not_of(u' ');
    if (a == std::u16string::npos)
        return {};
    return s.substr(a, s.find_last_not_of(u' ') - a + 1);
}
}  // namespace

void TVYXPrinterPDF::NewPage(void* sender)
{
    FSender = sender;
    if (NewPageEvent)
        NewPageEvent(sender);
}

TVYXWritePDF::TVYXWritePDF() : TVYXWritePDF(false, {}, {}, 0) {}

TVYXWritePDF::TVYXWritePDF(bool pdfa1, std::string_view userPassword, std::string_view ownerPassword,
                           TPdfEncryptionPermissions permissions)
    : FPDF(std::make_unique<TVYXPdfDocument>()), FPrinter(std::make_unique<TVYXPrinterPDF>())
{
    if (userPassword.empty() && ownerPassword.empty())
        FPDF->SetPdfA(pdfa1);
    else
        FPDF->SetEncryption(userPassword, ownerPassword, permissions);
    FGDI = std::make_unique<TVYXGDIPDF>(*FPDF);
    FPrinter->NewPageEvent = [this](void* sender) { NewPage(sender); };
}

TVYXWritePDF::~TVYXWritePDF() = default;

int TVYXWritePDF::PageCount() const
{
    return FPDF->PageCount();
}

void TVYXWritePDF::NewPage(void* sender)
{
    auto* layout = static_cast<TVYXPaginatorDoc*>(sender);
    if (!layout)
        layout = FLayout;
    ++FPageCounter;
    double w = 595, h = 842;
    if (layout && FPageCounter < layout->Pages().Count()) {
        const TVYXPhyPage& page = layout->Pages().GetItems(FPageCounter);
        w = std::round(page.PageWidth);
        h = std::round(page.PageHeight);
    }
    FPDF->AddPage(w, h);
    FPrinter->PageNumber = FPageCounter + 1;
    FPrinter->PageWidth = w;
    FPrinter->PageHeight = h;
    FGDI->SetSize(static_cast<int>(w), static_cast<int>(h));
}

namespace {
// Print options: no selection, marks, field shading or spelling waves.
void SetPrinting(TVYXPaintDoc& paint)
{
    paint.Options.Printing = true;
    paint.Options.ShowMarkers = false;
    paint.Options.ShowMisspelled = false;
    paint.Options.ShowParaMarks = false;
    paint.Options.ShowFieldShading = false;
}
}  // namespace

void TVYXWritePDF::PaintPage(TVYXGDI& gdi, TVYXLogDocEditor& doc, TVYXPaginatorDoc& layout, int index)
{
    TVYXPaintDoc paint(gdi, doc, layout);
    SetPrinting(paint);
    paint.PaintPage(index, 0, 0);
}

void TVYXWritePDF::AddOutlineAndDestinations(TVYXPaginatorDoc& layout)
{
    TVYXLogDocEditor& doc = *FDoc;
    const int pages = layout.Pages().Count();
    auto place = [&](TVYXLogPara& para, std::int32_t pos, int& page, double& y) {
        auto* rows = dynamic_cast<TVYXPhyRows*>(para.Rows());
        const TVYXPhyRow* row = rows ? rows->Find(pos) : nullptr;
        if (!row || row->Page < 0 || row->Page >= pages)
            return false;
        page = row->Page;
        y = FPDF->PageHeight(page) - row->GetY1();
        return true;
    };
    // Headings in reading order (tables entered) become the outline.
    TVYXLogParasIterator walk;
    walk.ParaEvent = [&](TVYXLogPara& para) {
        const std::optional<int> level = OutlineLevelOf(para.PAPX());
        if (!level)
            return;
        const std::u16string title = Trimmed(para.GetPlainText());
        int page = 0;
        double y = 0;
        if (!title.empty() && place(para, 1, page, y))
            FPDF->AddOutline(title, *level + 1, page, y);
    };
    walk.Iterate(doc.Paras());
    // Bookmarks are the destinations of internal links: where each one's first boundary run
    // lies. The runs are found by walking the body, since a range's paragraph may be one the
    // reader replaced since.
    TVYXLogParasIterator marks;
    marks.ParaEvent = [&](TVYXLogPara& para) {
        TVYXCharRuns& runs = para.CharRuns();
        for (int i = 0; i < runs.Count(); ++i) {
            TVYXCharRun* run = runs.Items(i);
            if (!run || run->Type_() != acrtLinked)
                continue;
            const auto* linked = static_cast<const TVYXCharRunLinked*>(run);
            const auto* mark = dynamic_cast<const TVYXBookmark*>(linked->Field());
            int page = 0;
            double y = 0;
            if (mark && linked->LinkedType == acrltBookmark && !linked->LinkedPrev && place(para, run->StartPos(), page, y))
                FPDF->AddDestination(mark->Name, page, y);
        }
    };
    marks.Iterate(doc.Paras());
}

void TVYXWritePDF::Export(std::string& out)
{
    if (!FDoc)
        throw VYXException("No document to export");
    if (FPDF->PageCount() > 0)
        throw VYXException("The export has run already");
    if (Properties) {
        TVYXPdfInfo& info = FPDF->Info;
        info.Keywords = Properties->Tags;
        info.Title = Properties->Title;
        info.Author = Properties->Author;
        info.Subject = Properties->Subject;
        info.Creator = Properties->Application;
        if (!Properties->AppVersion.empty())
            info.Creator += (info.Creator.empty() ? u"" : u" ") + Properties->AppVersion;
    }
    TBottomMarginScope margin(FirstSection(*FDoc));
    TVYXPaginatorDoc layout(*FGDI, *FDoc);
    layout.Now = NowDays();
    layout.Paginate();
    FLayout = &layout;
    if (AfterLayoutEvent)
        AfterLayoutEvent(*this, layout);
    const int pages = layout.Pages().Count();
    TVYXPaintDoc paint(*FGDI, *FDoc, layout);
    SetPrinting(paint);
    FGDI->BeginPrint(0);
    FPrinter->BeginDoc();
    for (int i = 0; i < std::max(1, pages); ++i) {
        if (i == 0) {
            FPageCounter = 0;
            const TVYXPhyPage* page = pages ? &layout.Pages().GetItems(0) : nullptr;
            const double w = page ? std::round(page->PageWidth) : 595, h = page ? std::round(page->PageHeight) : 842;
            FPDF->AddPage(w, h);
            FGDI->SetSize(static_cast<int>(w), static_cast<int>(h));
        } else {
            FPrinter->NewPage(&layout);
        }
        FGDI->Reset();
        if (pages)
            paint.PaintPage(i, 0, 0);
    }
    AddOutlineAndDestinations(layout);
    FPrinter->EndDoc();
    FGDI->EndPrint();
    FLayout = nullptr;
    FPDF->Save(out);
}

std::string TVYXWritePDF::SaveToBytes()
{
    std::string out;
    Export(out);
    return out;
}

void TVYXWritePDF::SaveToStream(TVYXStream& stream)
{
    const std::string bytes = SaveToBytes();
    stream.Write(bytes.data(), bytes.size());
}

void TVYXWritePDF::SaveToFile(const std::string& fileName)
{
    if (fileName.empty())
        throw VYXException("Filename is missing");
    const std::string bytes = SaveToBytes();
    // Exclusive creation: an existing file is never overwritten here.
    FILE* f = std::fopen(fileName.c_str(), "wbx");
    if (!f)
        throw VYXException("Cannot create file \"" + fileName + "\"");
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !ok) {
        std::remove(fileName.c_str());
        throw VYXException("Cannot write file \"" + fileName + "\"");
    }
}
