// VYXReportFill.cpp: report creation: table rows and cells, paragraphs and runs filled with field results, barcodes.
#include "report/VYXReportImpl.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "barcode/VYXBarcode.h"
#include "barcode/VYXBarcodeImage.h"
#include "barcode/VYXQRCode.h"
#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "formula/VYXCellStore.h"
#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXFuncAddIns.h"
#include "formula/VYXMask.h"
#include "layout/VYXPaginate.h"
#include "model/VYXCharProps.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXPropValues.h"
#include "model/VYXTable.h"
#include "platform/VYXPngWrite.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"
#include "report/VYXDocCopy.h"
#include "report/VYXMergeFields.h"
#include "report/VYXRecordSource.h"
#include "report/VYXReportParams.h"

void TVYXReport::EmitTable(TVYXLogParas& out, int item, TVYXReportBand& context)
{
    const auto& source = static_cast<const TVYXTable&>(*FSource->GetItems(item));
    auto& table = static_cast<TVYXTable&>(VYXAppendCopy(out, source));
    const int original = table.Count();
    std::vector<TVYXReportBand*> rowBands;
    if (&context == FRootBand.get()) {
        for (const auto& b : FBands)
            if (!b->Parent && b->Mode == arbmTableRow && b->Box == FSourceBox && b->First == item)
                rowBands.push_back(b.get());
    } else {
        for (TVYXReportBand* b : context.Children)
            if (b->Mode == arbmTableRow && b->Box == FSourceBox && b->First == item)
                rowBands.push_back(b);
    }
    // A table inside a cell of this one keeps its own splits.
    std::vector<TPageSplit> outerSplits = std::move(FSplits);
    FSplits.clear();
    for (int r = 0; r < source.Count();) {
        TVYXReportBand* band = nullptr;
        for (TVYXReportBand* b : rowBands)
            if (b->FirstRow == r)
                band = b;
        if (!band) {
            TVYXTableRow* row = table.Add();
            row->Assign(*source.GetRows(r));
            FillRowCells(table, *row, *source.GetRows(r), r, item, context);
            ++r;
            continue;
        }
        EmitRows(table, source, *band);
        r = band->LastRow + 1;
    }
    const std::vector<TPageSplit> splits = std::move(FSplits);
    FSplits = std::move(outerSplits);
    for (int r = 0; r < original; ++r)
        table.DeleteRow(0);
    if (table.Count() == 0) {  // no record: the table goes
        out.Delete(out.Count() - 1);
        return;
    }
    table.Validate();
    // Multi-page bands: every page start of every such band begins a copy of the table
    // with the rows above the first of them (the table's heading) and the rows up to the
    // next page start; the last page runs to the table's end, so rows between and below
    // the bands stay where they fall.
    std::vector<int> starts;
    for (const TPageSplit& split : splits)
        for (int start : split.Starts)
            starts.push_back(start - original);
    if (splits.empty() || starts.empty())
        return;
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    const int begin = splits.front().Begin - original;
    starts.push_back(table.Count());
    for (std::size_t k = 1; k < starts.size(); ++k) {
        const int at = out.Count();
        auto& copy = static_cast<TVYXTable&>(VYXAppendCopy(out, table));
        for (int r = copy.Count() - 1; r >= 0; --r)
            if (!(r < begin || (r >= starts[k - 1] && r < starts[k])))
                copy.DeleteRow(r);
        copy.Validate();
        ++FPage;
        PageBreakBefore(out, at);
    }
    for (int r = table.Count() - 1; r >= starts[0]; --r)
        table.DeleteRow(r);
    table.Validate();
}

void TVYXReport::FillRowCells(TVYXTable& table, TVYXTableRow& row, const TVYXTableRow& source, int sourceRow, int item,
                              TVYXReportBand& context)
{
    for (int c = 0; c < row.Count(); ++c) {
        TVYXTableCell* cell = row.GetCells(c);
        TVYXReportBand* cellBand = CellBandAt(context, item, sourceRow, c);
        if (cellBand && !FBlank) {
            EmitCellBand(table, row, source, *cellBand);
            continue;
        }
        VYXForEachPara(cell->Paras(), [](TVYXLogPara& p) { VYXOwnFields(p); });
        FillParas(cell->Paras(), 0, cellBand ? *cellBand : context);
    }
}

void TVYXReport::EmitCellBand(TVYXTable& table, TVYXTableRow& row, const TVYXTableRow& source, TVYXReportBand& band)
{
    const TVYXTableCell& templateCell = *source.GetCells(band.FirstCell);
    const int slots = source.Count() - band.FirstCell;
    const double step = band.Width > 0 ? band.Width : cTreeIndent;
    TVYXTableCell* own = row.GetCells(band.FirstCell);
    own->ClearContent();
    const int empty = own->Paras().Count();  // what a cleared cell keeps
    if (band.FillTable)
        for (int c = band.FirstCell + 1; c < row.Count(); ++c)
            row.GetCells(c)->ClearContent();
    // One record's copy of the template cell at the end of `cell`: its first item.
    const auto append = [&](TVYXTableCell& cell) {
        TVYXLogParas& paras = cell.Paras();
        const int at = paras.Count();
        for (int i = 0; i < templateCell.Paras().Count(); ++i)
            VYXAppendCopy(paras, *templateCell.Paras().GetItems(i));
        VYXForEachPara(paras, [](TVYXLogPara& p) { VYXOwnFields(p); }, at);
        FillParas(paras, at, band);
        return at;
    };
    TVYXTableRow* current = &row;
    int used = 0;
    ForEachRecord(band, [&](int, int level) {
        const std::uint32_t* color = band.Colors.empty() ? nullptr
            : &band.Colors[static_cast<std::size_t>(std::max(band.Line - 1, 0)) % band.Colors.size()];
        if (!band.FillTable) {
            // Stacked: every record's paragraphs follow the previous ones in the band's cell.
            const int at = append(*own);
            if (color) {
                TVYXCHPX fill(&FOutput->GetMasterCHP());
                fill.SetFillColor(static_cast<TVYXColor>(*color));
                for (int i = at; i < own->Paras().Count(); ++i)
                    own->Paras().GetItems(i)->FormatAll(&fill);
            }
            if (level > 0)
                IndentParas(own->Paras(), at, level * step);
        } else {
            // Labels: one cell per record, on into copies of the row.
            if (used > 0 && used % slots == 0) {
                current = table.Add();
                current->Assign(source);
                for (int c = 0; c < current->Count(); ++c)
                    current->GetCells(c)->ClearContent();
            }
            TVYXTableCell& cell = *current->GetCells(band.FirstCell + used % slots);
            cell.ClearContent();
            const int kept = cell.Paras().Count();
            const int at = append(cell);
            if (level > 0)
                IndentParas(cell.Paras(), at, level * step);
            for (int i = 0; i < kept && cell.Paras().Count() > 1; ++i)
                cell.Paras().Delete(0);
            if (color)
                cell.SetFillColor(static_cast<TVYXColor>(*color));
        }
        UpdateAggregates(band);
        ++used;
    });
    if (!band.FillTable && own->Paras().Count() > empty)
        for (int i = 0; i < empty; ++i)
            own->Paras().Delete(0);
}

void TVYXReport::EmitRows(TVYXTable& table, const TVYXTable& source, TVYXReportBand& band)
{
    const int item = band.First;
    const bool pages = band.Multipage && band.MaxRows > 0;
    const double step = band.Width > 0 ? band.Width : cTreeIndent;
    std::vector<TCellField*> spans;  // cells that span while their value repeats: one-row bands only
    for (int i = 0; i < band.Fields.Count(); ++i)
        if (band.Fields.GetItems(i).Type_() == arftCell && band.FirstRow == band.LastRow) {
            auto& field = static_cast<TCellField&>(band.Fields.GetItems(i));
            field.Root = field.Last = nullptr;
            spans.push_back(&field);
        }
    if (pages) {
        FSplits.emplace_back();
        FSplits.back().Begin = table.Count();
    }
    const auto emit = [&](int level) {
        const int first = table.Count();
        const std::uint32_t* color = band.Colors.empty() ? nullptr
            : &band.Colors[static_cast<std::size_t>(std::max(band.Line - 1, 0)) % band.Colors.size()];
        for (int r = band.FirstRow; r <= band.LastRow; ++r) {
            TVYXTableRow* row = table.Add();
            row->Assign(*source.GetRows(r));
            FillRowCells(table, *row, *source.GetRows(r), r, item, band);
            for (int c = 0; c < row->Count() && color; ++c)
                row->GetCells(c)->SetFillColor(static_cast<TVYXColor>(*color));
            if (level > 0 && row->Count() > 0)
                IndentParas(row->GetCells(0)->Paras(), 0, level * step);
        }
        return first;
    };
    const int printed = ForEachRecord(band, [&](int index, int level) {
        if (pages && level == 0 && index > 0 && index % band.MaxRows == 0) {
            FSplits.back().Starts.push_back(table.Count());
            for (TCellField* field : spans)
                field->Root = field->Last = nullptr;  // a span ends with its page
        }
        const int first = emit(level);
        for (TCellField* field : spans) {
            TVYXTableCell* cell = table.GetRows(first)->CellN(field->Cell);
            if (!cell)
                continue;
            const std::u16string key = field->AsString(*this);
            if (field->Root && key == field->Key) {
                cell->ClearContent();
                cell->SetMerged(true);
                cell->SetMergedLast(true);
                field->Root->SetMergedRoot(true);
                if (field->Last != field->Root)
                    field->Last->SetMergedLast(false);
                field->Last = cell;
            } else {
                field->Root = field->Last = cell;
                field->Key = key;
            }
        }
        UpdateAggregates(band);
    });
    // Rows with empty fields fill the table up to maxrows (on the last page, for multi-page bands).
    if (printed >= 0 && band.FillTable && band.MaxRows > 0 && band.Type == arbtDataSet) {
        int pad = printed > 0 && printed % band.MaxRows == 0 ? 0 : band.MaxRows - printed % band.MaxRows;
        pad = std::min(pad, std::max(0, cVYXMaxTableRows - table.Count()));  // "maxrows: 1000000000" pads no further
        TVYXReportBand* saved = FCurrent;
        FCurrent = &band;
        FBlank = true;
        for (int i = 0; i < pad; ++i) {
            ++band.Line;
            emit(0);
        }
        FBlank = false;
        FCurrent = saved;
    }
    if (pages)
        FSplits.back().End = table.Count();
}

void TVYXReport::FillParas(TVYXLogParas& out, int from, TVYXReportBand& context)
{
    VYXForEachPara(out, [this, &context](TVYXLogPara& para) { FillPara(para, context); }, from);
    // Bands called by executeband print after the content that called them, with the
    // values passed as #1, #2 ...; a band calling itself stops at a depth of 16.
    while (!FPending.empty() && FExecuteDepth < cMaxExecuteDepth) {
        TPendingBand pending = std::move(FPending.front());
        FPending.erase(FPending.begin());
        const std::vector<std::u16string> saved = std::move(FParams);
        FParams = std::move(pending.Params);
        ++FExecuteDepth;
        if (pending.Loop)
            RunBand(out, *pending.Band);
        else
            EmitOnce(out, *pending.Band);
        --FExecuteDepth;
        FParams = saved;
    }
    if (FExecuteDepth == 0)
        FPending.clear();
}

void TVYXReport::FillPara(TVYXLogPara& para, TVYXReportBand& context)
{
    FCurrentPara = &para;
    const auto find = [this, &context](std::u16string_view instruction) -> TVYXReportField* {
        for (TVYXReportBand* b = &context; b; b = b->Parent)
            if (TVYXReportField* f = b->Fields.FindByInstruction(instruction))
                return f;
        return FRootBand->Fields.FindByInstruction(instruction);
    };
    VYXFillFields(
        para,
        [&](std::u16string_view instruction) -> std::optional<std::u16string> {
            TVYXReportField* field = find(instruction);
            if (!field)
                return std::nullopt;
            TVYXReportBand* saved = FCurrent;
            if (!FCurrent || FCurrent == FRootBand.get())
                FCurrent = &context;
            std::u16string text = FBlank ? std::u16string() : field->AsString(*this);
            if (!FBlank && !field->OnBefore.empty() && field->OnBefore[0] == u'=') {
                // A field's onbefore formula decides whether it prints: FALSE prints it empty.
                double number = 0;
                std::u16string result;
                if (Formula(field->OnBefore, number, result) == 2 && number == 0)
                    text.clear();
            }
            if (OnBeforePrintField)
                OnBeforePrintField(*field, text);
            FCurrent = saved;
            return text;
        },
        [&](std::u16string_view instruction, std::u16string_view result, TVYXCharRuns& runs, const TVYXCHPX* chpx) {
            TVYXReportField* field = find(instruction);
            return field && MakeRuns(*field, result, runs, chpx);
        });
    FCurrentPara = nullptr;
}

// A barcode object: the symbology and the data stay with the object, and a picture of
// the symbol in the output's picture store draws it (one module is one pixel at 96 dpi,
// drawn twice as fine so print stays sharp). Text the symbology cannot encode shows as text.
static bool AddBarcode(TVYXLogDocEditor& output, TVYXBarcodeType symbology, const TVYXReportField& field,
                       std::u16string_view result, TVYXCharRuns& runs, const TVYXCHPX* chpx)
{
    constexpr int cScale = 2;
    constexpr int cQuiet = 4;
    TVYXGrayImage image;
    double width = 0, height = 0;  // points
    try {
        if (symbology == abctQR) {
            const TVYXModuleMatrix matrix = VYXEncodeQR(result);
            if (matrix.Empty())
                return false;
            image = VYXRenderModules(matrix, cScale * 2, cQuiet);
            // Square: the larger of the sizes asked for, else two pixels per module.
            const double side = std::max(field.Width, field.Height);
            width = height = side >= 8 && side <= 1000 ? side : image.FWidth * 0.75 / cScale;
        } else {
            TVYXBarcode barcode;
            barcode.FType = symbology;
            barcode.SetText(result);
            const std::string pattern = barcode.MakeData();
            if (pattern.empty() || !barcode.FValid)
                return false;
            height = field.Height >= 4 && field.Height <= 1000 ? field.Height : 40;
            // The quiet zone above and below counts into the height asked for.
            const int bars = std::max(8, static_cast<int>(std::lround(height / 0.75 * cScale)) - 2 * cQuiet * cScale);
            image = VYXRenderBars(barcode, pattern, cScale, bars, cQuiet);
            width = field.Width >= 8 && field.Width <= 2000 ? field.Width : image.FWidth * 0.75 / cScale;
            height = image.FHeight * 0.75 / cScale;
        }
    } catch (const VYXException&) {
        return false;  // a symbol too large to draw shows its text
    }
    TVYXMemoryStream png(VYXEncodePngGray(image.FWidth, image.FHeight, image.FPixels.data()));
    auto code = std::make_unique<TVYXGraphicBarcode>();
    code->SetPicture(&output.Pictures().AddPicture(png));
    code->BarcodeType = symbology;
    code->Text = result;
    code->Width = width;
    code->Height = height;
    code->Wrap = agowInLine;
    code->Title = Utf16ToUtf8(field.Name);
    runs.AddGraphic(std::move(code), chpx);
    return true;
}

bool TVYXReport::MakeRuns(TVYXReportField& field, std::u16string_view result, TVYXCharRuns& runs, const TVYXCHPX* chpx)
{
    if (field.Type_() == arftBarcode)
        return AddBarcode(*FOutput, static_cast<TBarcodeField&>(field).Symbology, field, result, runs, chpx);
    if (field.Type_() == arftGraphic) {
        // The data field names a picture file; a missing or broken one shows nothing.
        if (result.empty())
            return true;  // no picture for this record (or a padding row)
        std::ifstream in(std::string(Utf16ToUtf8(result)), std::ios::binary);
        if (!in) {
            Warn(3517, Utf16ToUtf8(field.Name), "", field.Band.Place);
            return true;
        }
        std::ostringstream bytes;
        bytes << in.rdbuf();
        try {
            runs.AddPicture(chpx)->LoadPicture(bytes.str());
        } catch (const VYXException&) {
            Warn(3517, Utf16ToUtf8(field.Name), "", field.Band.Place);
        }
        return true;
    }
    if (field.Formats.empty() && field.Hyperlink.empty())
        return false;
    TVYXCHPX format(&FOutput->GetMasterCHP());
    if (chpx)
        format.Merge(*chpx);
    std::u16string text(result);
    for (const auto& [id, value] : field.Formats) {
        double number = 0;
        std::u16string str = value;
        int kind = 3;
        if (!value.empty() && value[0] == u'=')
            kind = Formula(value, number, str);
        bool flag = kind == 2 ? number != 0 : (kind == 3 && SameTextAscii(str, u"true")) || (kind == 1 && number != 0);
        std::vector<std::uint32_t> colors;
        std::u16string bad;
        if (kind == 3 && VYXParseColors(str, colors, bad) && !colors.empty())
            number = colors[0], kind = 1;
        else if (kind == 3)
            kind = VYXParseFloat(str, number) ? 1 : 3;
        const bool isColor = kind == 1 && number >= 0 && number <= 0xFFFFFF;
        switch (id) {
        case arpiBold: format.SetBold(flag); break;
        case arpiItalic: format.SetItalic(flag); break;
        case arpiStrikeThrough: format.SetStrikeThrough(flag); break;
        case arpiHidden: format.SetHidden(flag); break;
        case arpiUnderline: format.SetUnderline(flag ? vycuSingle : vycuNone); break;
        case arpiColor: if (isColor) format.SetColor(static_cast<TVYXColor>(number)); break;
        case arpiFillColor: if (isColor) format.SetFillColor(static_cast<TVYXColor>(number)); break;
        case arpiUnderlineColor: if (isColor) format.SetUnderlineColor(static_cast<TVYXColor>(number)); break;
        case arpiSize: if (kind == 1 && number > 0 && number < 1640) format.SetSize(number); break;
        case arpiSubSuperscript:
            if (kind == 1 && number >= 0 && number <= 2)
                format.SetSubSuperscript(static_cast<TVYXChpSubSuperscript>(static_cast<int>(number)));
            break;
        case arpiFontname: if (!str.empty()) format.SetFontName(str); break;
        default: break;
        }
    }
    if (const auto it = field.Formats.find(arpiStyle); it != field.Formats.end())
        text = VYXApplyCaseFormat(text, it->second);  // editors' "\* Upper" ... on report fields
    const int first = runs.Count();
    VYXAddValueRuns(runs, text, &format);
    if (!field.Hyperlink.empty() && FOutput) {
        std::u16string address = field.Hyperlink;
        if (address[0] == u'=')
            address = FormulaText(address, u"");
        TVYXHyperlink* link = FOutput->Hyperlinks().Add(address, ahtURL);
        for (int i = first; i < runs.Count(); ++i)
            if (runs.Items(i)->Type_() == acrtText)
                runs.MakeHyperlink(link, i);
    }
    return true;
}

void TVYXReport::PostProcess()
{
    if (!FPostProcess)
        return;
    TVYXGDILinux gdi(96);
    TVYXPaginatorDoc layout(gdi, *FOutput);
    if (Now > 0)
        layout.Now = Now;
    layout.Paginate();
    FPageCount = layout.Pages().Count();
    const std::u16string count = U16(std::to_string(FPageCount));
    const auto replace = [&count](TVYXLogPara& para) {
        for (int i = 0; i < para.Count(); ++i) {
            TVYXCharRun* run = para.GetItems(i);
            if (run->Type_() != acrtText || run->Text().find(u"%%pages%%") == std::u16string::npos)
                continue;
            std::u16string text = run->Text();
            for (std::size_t at; (at = text.find(u"%%pages%%")) != std::u16string::npos;)
                text.replace(at, 9, count);
            run->SetText(text);
            para.MakeDirty();
        }
    };
    VYXForEachPara(FOutput->Paras(), replace);
    for (int k = 0; k < FOutput->TextBoxes().Count(); ++k)
        VYXForEachPara(FOutput->TextBoxes().GetItems(k).Paras(), replace);
    for (TVYXHeadersFooters* hf : {&FOutput->Headers(), &FOutput->Footers()})
        for (TVYXHeaderFooterType type : {ahftDefault, ahftFirst, ahftEven})
            if (TVYXLogDocEditor* editor = hf->Find(type))
                VYXForEachPara(editor->Paras(), replace);
}
