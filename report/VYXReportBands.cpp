// VYXReportBands.cpp: report creation: bands over their records, groups, trees and aggregates.
#include "report/VYXReportImpl.h"

#include <algorithm>

#include "barcode/VYXBarcode.h"
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
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"
#include "report/VYXDocCopy.h"
#include "report/VYXRecordSource.h"

namespace vyx_report {

void IndentParas(TVYXLogParas& paras, int from, double by)
{
    VYXForEachPara(
        paras,
        [by](TVYXLogPara& para) {
            para.PAPX().SetIndentLeft(para.PAPX().GetStyledIndentLeft() + by);
            para.MakeDirty();
        },
        from);
}

}  // namespace vyx_report

// ---- Creation ----------------------------------------------------------------------------------------

void TVYXReport::CreateReport()
{
    if (!FAnalysed)
        CreateTemplate();
    if (FErrors.ErrorCount > 0)
        throw VYXException("Can not create report, there are errors");
    FHold.reset();
    FOutput = std::make_unique<TVYXLogDocEditor>(aldtMain, &FErrors);
    FPage = 1;
    FPageCount = 0;
    FPostProcess = false;
    FParams.clear();
    FPending.clear();
    FExecuteRuns = 0;
    {
        TVYXEditorUpdate update(*FOutput);
        FLoader(*FOutput);
    }
    TVYXEditorUpdate update(*FOutput);
    std::vector<TVYXLogParas*> secondaries;
    for (TVYXHeadersFooters* hf : {&FOutput->Headers(), &FOutput->Footers()})
        for (TVYXHeaderFooterType type : {ahftDefault, ahftFirst, ahftEven})
            if (TVYXLogDocEditor* editor = hf->Find(type))
                secondaries.push_back(&editor->Paras());
    std::vector<TVYXLogParas*> lists = secondaries;
    for (int k = 0; k < FOutput->TextBoxes().Count(); ++k)
        lists.push_back(&FOutput->TextBoxes().GetItems(k).Paras());
    VYXDropComments(*FOutput, lists);
    FHold = VYXTakeBody(*FOutput);
    FSource = FHold.get();
    FSourceBox = -1;
    TVYXLogParas& body = FOutput->Paras();
    for (const auto& b : FBands)
        b->Line = 0, b->GroupOpen = false;
    ProduceItems(body, 0, FHold->Count() - 1, *FRootBand);
    for (TVYXLogParas* paras : secondaries) {
        FillParas(*paras, 0, *FRootBand);
        // Header and footer paragraphs stay where they are, so their boxes are filled
        // into fresh lists of their own (the template's boxes stay the source).
        VYXForEachPara(*paras, [this](TVYXLogPara& para) { FillTextBoxes(para, para, *FRootBand); });
    }
    if (body.Count() == 0)
        body.AppendPara();
    FOutput->Selections().Clear();
    FOutput->Caret().Assign(FOutput->FirstPara(), 1);
    FSource = nullptr;
    FHold.reset();
    PostProcess();
}

void TVYXReport::ProduceItems(TVYXLogParas& out, int first, int last, TVYXReportBand& context)
{
    // The bands that start in this list: the context's children, or the top-level bands
    // of the body or of the text box being copied.
    const std::vector<TVYXReportBand*>* bands = &context.Children;
    std::vector<TVYXReportBand*> top;
    const bool ownList = context.Box == FSourceBox;
    if (&context == FRootBand.get() || !ownList) {
        for (const auto& b : FBands)
            if (!b->Parent && b->Box == FSourceBox)
                top.push_back(b.get());
        std::sort(top.begin(), top.end(), [](const TVYXReportBand* a, const TVYXReportBand* b) {
            return a->First != b->First ? a->First < b->First : a->FirstRow < b->FirstRow;
        });
        bands = &top;
    }
    for (int i = first; i <= last && i < FSource->Count();) {
        TVYXReportBand* band = nullptr;
        bool rows = false;
        for (TVYXReportBand* b : *bands) {
            if (b->First != i)
                continue;
            if ((b->Mode == arbmNormal || b->Mode == arbmTextBox) && !band)
                band = b;
            rows = rows || b->Mode == arbmTableRow || b->Mode == arbmTableCell;
        }
        if (band) {
            // Sub-report bands print where executeband calls them, never where they stand.
            if (band->Type != arbtGroupHeader && band->Type != arbtGroupFooter && band->Type != arbtSubReport)
                RunBand(out, *band);
            i = band->Last + 1;
            continue;
        }
        if (rows) {
            EmitTable(out, i, context);
        } else {
            const int at = out.Count();
            VYXAppendCopy(out, *FSource->GetItems(i));
            FillTextBoxes(*FSource->GetItems(i), *out.GetItems(at), context);
            FillParas(out, at, context);
        }
        ++i;
    }
}

void TVYXReport::ProduceBand(TVYXLogParas& out, TVYXReportBand& band)
{
    // From the band's own list, wherever the band prints (in place, or where executeband
    // called it): a text-box band's items come from its box.
    TVYXLogParas* list = FHold.get();
    int box = -1;
    if (band.Mode == arbmTextBox) {
        if (band.Box >= FOutput->TextBoxes().Count())
            return;
        list = &FOutput->TextBoxes().GetItems(band.Box).Paras();
        box = band.Box;
    } else if (band.Mode != arbmNormal || !list) {
        return;
    }
    TVYXLogParas* savedSource = FSource;
    const int savedBox = FSourceBox;
    FSource = list;
    FSourceBox = box;
    ProduceItems(out, band.First, band.Last, band);
    FSource = savedSource;
    FSourceBox = savedBox;
}

void TVYXReport::FillTextBoxes(const TVYXLogParaItem& source, TVYXLogParaItem& copy, TVYXReportBand& context)
{
    if (source.IsTable() || copy.IsTable())
        return;
    const auto& from = static_cast<const TVYXLogPara&>(source);
    auto& to = static_cast<TVYXLogPara&>(copy);
    // The boxes of the template paragraph and of its copy, pair by pair: inline ones in
    // graphic runs, floating ones in the paragraph's object list.
    std::vector<std::pair<const TVYXGraphicRotate*, TVYXGraphicRotate*>> pairs;
    for (int r = 0; r < std::min(from.Count(), to.Count()); ++r)
        if (from.GetItems(r)->Type_() == acrtGraphic && to.GetItems(r)->Type_() == acrtGraphic)
            pairs.emplace_back(
                dynamic_cast<const TVYXGraphicRotate*>(static_cast<const TVYXCharRunGraphic*>(from.GetItems(r))->Graphic.get()),
                dynamic_cast<TVYXGraphicRotate*>(static_cast<TVYXCharRunGraphic*>(to.GetItems(r))->Graphic.get()));
    if (from.Graphics() && to.Graphics() && from.Graphics()->Count() == to.Graphics()->Count())
        for (int i = 0; i < from.Graphics()->Count(); ++i)
            pairs.emplace_back(dynamic_cast<const TVYXGraphicRotate*>(&from.Graphics()->GetItems(i)),
                               dynamic_cast<TVYXGraphicRotate*>(&to.Graphics()->GetItems(i)));
    TVYXLogDocEditors& boxes = FOutput->TextBoxes();
    for (const auto& [fromBox, toBox] : pairs) {
        const bool inPlace = fromBox == toBox;
        if (!fromBox || !toBox || !fromBox->TextBox || !toBox->TextBox || !fromBox->TextBox->Paras ||
            (!inPlace && fromBox->TextBox->Paras == toBox->TextBox->Paras))
            continue;
        int box = -1;
        for (int k = 0; k < boxes.Count() && box < 0; ++k)
            if (&boxes.GetItems(k).Paras() == fromBox->TextBox->Paras)
                box = k;
        if (box < 0 || box == FSourceBox || FBoxDepth >= 8)
            continue;  // a box of its own making, or boxes inside boxes beyond reason
        // A copied inline box has no paragraphs yet, and a box filled where it stands
        // must not read and write one list: each gets a list of its own.
        if (inPlace)
            toBox->TextBox->Paras = FOutput->DoAddTextBox();
        else if (!toBox->TextBox->Paras)
            toBox->TextBox->Paras = FOutput->DoAddTextBox();
        TVYXLogParas& target = *toBox->TextBox->Paras;
        const int old = target.Count();
        TVYXLogParas* savedSource = FSource;
        const int savedBox = FSourceBox;
        FSource = &boxes.GetItems(box).Paras();
        FSourceBox = box;
        ++FBoxDepth;
        ProduceItems(target, 0, FSource->Count() - 1, context);
        --FBoxDepth;
        FSource = savedSource;
        FSourceBox = savedBox;
        for (int i = 0; i < old && target.Count() > 1; ++i)
            target.Delete(0);
        if (target.Count() == 0)
            target.AppendPara();
    }
}

void TVYXReport::PrepareDataSet(TVYXReportBand& band)
{
    // Detail data sets belong to the master's current record: a master record's own
    // nested records come first, then a data set of that name.
    if (!band.DataSetName.empty() && band.UserDataSetName.empty()) {
        TVYXRecordSource* detail = nullptr;
        bool underMaster = false;
        for (TVYXReportBand* p = band.Parent; p && !detail; p = p->Parent)
            if (p->DataSet) {
                underMaster = true;
                detail = p->DataSet->Detail(band.DataSetName);
            }
        TVYXRecordSource* named = FindDataSet(band.DataSetName);
        for (TVYXReportBand* p = band.Parent; p && named; p = p->Parent)
            if (p->DataSet == named)
                named = nullptr;  // never the master's own records again
        band.DataSet = detail ? detail : underMaster ? named : band.DataSet;
    }
    if (!band.UserDataSetName.empty() && OnUserDataSet)
        if (TVYXMemorySource* user = FUserDataSets.Find(band.UserDataSetName))
            OnUserDataSet(band.UserDataSetName, *user);
    band.Aggregates.clear();
    band.Line = 0;
    for (TVYXReportBand* child : band.Children)
        child->GroupOpen = false;
}

int TVYXReport::ForEachRecord(TVYXReportBand& band, const std::function<void(int printed, int level)>& emit)
{
    if (!band.Enabled)
        return -1;
    TVYXReportBand* saved = FCurrent;
    FCurrent = &band;
    if (!band.Expression.empty()) {
        double number = 0;
        std::u16string text;
        if (Formula(band.Expression, number, text) != 2 || number == 0) {
            FCurrent = saved;
            return -1;
        }
    }
    PrepareDataSet(band);
    TVYXRecordSource* ds = band.DataSet;
    if (!ds) {
        const bool once = band.DataSetName.empty();  // no data of its own: once per record of its master
        if (once)
            emit(0, 0);
        FCurrent = saved;
        return once ? 1 : 0;
    }
    // Multi-page bands run over maxrows records a page, for at most maxpageloops pages.
    const bool pages = band.Multipage && band.MaxRows > 0;
    const int limit = pages ? (band.MaxPageLoops > 0 ? band.MaxRows * band.MaxPageLoops : 0) : band.MaxRows;
    FSnapshot.reset();
    int printed = 0;
    for (ds->First(); !ds->Eof() && (limit <= 0 || printed < limit); ds->Next()) {
        ++band.Line;
        if (OnBeforePrintBand)
            OnBeforePrintBand(band);
        emit(printed, 0);
        if (OnAfterPrintBand)
            OnAfterPrintBand(band);
        if (band.TreeItem)
            TreeLevels(band, *ds, 1, [&](int level) { emit(printed, level); });
        ++printed;
    }
    FCurrent = saved;
    return printed;
}

void TVYXReport::TreeLevels(TVYXReportBand& band, TVYXRecordSource& parent, int level,
                            const std::function<void(int level)>& emit)
{
    if (level > 32)
        return;
    TVYXRecordSource* child = parent.Detail(band.DataSetName.empty() ? parent.Name : band.DataSetName);
    if (!child || child == &parent)
        return;
    TVYXRecordSource* live = band.DataSet;
    band.DataSet = child;
    for (child->First(); !child->Eof(); child->Next()) {
        ++band.Line;
        if (OnBeforePrintBand)
            OnBeforePrintBand(band);
        emit(level);
        if (OnAfterPrintBand)
            OnAfterPrintBand(band);
        TreeLevels(band, *child, level + 1, emit);
    }
    band.DataSet = live;
}

void TVYXReport::RunBand(TVYXLogParas& out, TVYXReportBand& band)
{
    PrintBand(out, band);
    // "onafterprint: Name" runs that band once this one has printed (a band of type
    // subreport prints nowhere else); chains end at the depth bands may call bands.
    TVYXReportBand* after = band.OnAfterPrint.empty() ? nullptr : FindBand(band.OnAfterPrint);
    if (after && after != &band && FExecuteDepth < cMaxExecuteDepth && band.Enabled) {
        ++FExecuteDepth;
        RunBand(out, *after);
        --FExecuteDepth;
    }
}

void TVYXReport::PrintBand(TVYXLogParas& out, TVYXReportBand& band)
{
    if (band.Type != arbtDataSet) {
        if (!band.Enabled)
            return;
        TVYXReportBand* saved = FCurrent;
        FCurrent = &band;
        double number = 0;
        std::u16string text;
        if (band.Expression.empty() || (Formula(band.Expression, number, text) == 2 && number != 0))
            EmitOnce(out, band);
        FCurrent = saved;
        return;
    }
    const bool pages = band.Multipage && band.MaxRows > 0;
    const double step = band.Width > 0 ? band.Width : cTreeIndent;
    const int printed = ForEachRecord(band, [&](int index, int level) {
        const bool pageBreak = level == 0 && index > 0 &&
                               (band.PageBreaks || PageBreaks || (pages && index % band.MaxRows == 0));
        if (pageBreak)
            ++FPage;
        const int start = out.Count();
        EmitRecord(out, band);
        if (pageBreak)
            PageBreakBefore(out, start);
        if (level > 0)
            IndentParas(out, start, level * step);
    });
    if (printed >= 0 && band.DataSet)
        PrintGroupFooters(out, band);
}

void TVYXReport::EmitOnce(TVYXLogParas& out, TVYXReportBand& band)
{
    TVYXReportBand* saved = FCurrent;
    FCurrent = &band;
    if (OnBeforePrintBand)
        OnBeforePrintBand(band);
    ProduceBand(out, band);
    if (OnAfterPrintBand)
        OnAfterPrintBand(band);
    FCurrent = saved;
}

void TVYXReport::PrintGroupFooters(TVYXLogParas& out, TVYXReportBand& band)
{
    // Footers show the group's last record, kept as a one-record copy.
    bool open = false;
    for (TVYXReportBand* child : band.Children)
        open = open || (child->Type == arbtGroupHeader && child->GroupOpen);
    if (!open)
        return;
    TVYXRecordSource* live = band.DataSet;
    if (FSnapshot)
        band.DataSet = FSnapshot.get();
    for (TVYXReportBand* child : band.Children)
        if (child->Type == arbtGroupFooter)
            EmitOnce(out, *child);
    band.DataSet = live;
    for (TVYXReportBand* child : band.Children)
        if (child->Type == arbtGroupHeader)
            child->GroupOpen = false;
}

void TVYXReport::EmitRecord(TVYXLogParas& out, TVYXReportBand& band)
{
    // Groups: a header whose condition takes a new value closes the open group first.
    for (TVYXReportBand* child : band.Children) {
        if (child->Type != arbtGroupHeader)
            continue;
        const std::u16string key = child->Condition.empty() ? u"" : FormulaText(child->Condition, u"");
        if (child->GroupOpen && key == child->GroupKey)
            continue;
        PrintGroupFooters(out, band);
        for (TVYXReportBand* footer : band.Children)
            if (footer->Type == arbtGroupFooter)
                footer->Aggregates.clear();
        child->GroupKey = key;
        child->GroupOpen = true;
        EmitOnce(out, *child);
    }
    const int start = out.Count();
    ProduceBand(out, band);
    if (!band.Colors.empty() && (band.Mode == arbmNormal || band.Mode == arbmTextBox)) {
        const std::uint32_t color = band.Colors[static_cast<std::size_t>(std::max(band.Line - 1, 0)) % band.Colors.size()];
        TVYXCHPX fill(&FOutput->GetMasterCHP());
        fill.SetFillColor(static_cast<TVYXColor>(color));
        for (int i = start; i < out.Count(); ++i)
            out.GetItems(i)->FormatAll(&fill);
    }
    UpdateAggregates(band);
    if (band.DataSet && !band.DataSet->Eof()) {
        // The record as it stands, for group footers printed after the next one is read.
        auto snap = std::make_unique<TVYXMemorySource>();
        snap->Name = band.DataSet->Name;
        for (int f = 0; f < band.DataSet->FieldCount(); ++f)
            snap->AddField(band.DataSet->FieldName(f), band.DataSet->FieldType(f));
        snap->AppendRecord();
        for (int f = 0; f < band.DataSet->FieldCount(); ++f)
            snap->SetValue(f, band.DataSet->Value(f));
        snap->First();
        FSnapshot = std::move(snap);
    }
}

void TVYXReport::UpdateAggregates(TVYXReportBand& band)
{
    TVYXRecordSource* ds = band.DataSet;
    if (!ds || ds->Eof())
        return;
    std::vector<TVYXReportBand*> footers;
    for (TVYXReportBand* child : band.Children)
        if (child->Type == arbtGroupFooter)
            footers.push_back(child);
    for (int f = 0; f < ds->FieldCount(); ++f) {
        const TVYXFieldValue v = ds->Value(f);
        if (v.Null || (!IsNumeric(ds->FieldType(f)) && v.Text.empty()))
            continue;
        const std::u16string key = AsciiUpper(ds->FieldName(f));
        if (!IsNumeric(ds->FieldType(f))) {
            // Other fields count their non-empty values; sums and extremes stay 0.
            ++band.Aggregates[key].Count;
            for (TVYXReportBand* footer : footers)
                ++footer->Aggregates[key].Count;
            continue;
        }
        band.Aggregates[key].Update(v.Num);
        for (TVYXReportBand* footer : footers)
            footer->Aggregates[key].Update(v.Num);
    }
    for (int i = 0; i < band.Fields.Count(); ++i) {
        TVYXReportField& field = band.Fields.GetItems(i);
        if (field.Type_() == arftFormula && !field.Alias.empty()) {
            // A named formula field ("=Qty*Price \* name:Total") adds up like a data field.
            double number = 0;
            std::u16string text;
            if (Formula(static_cast<TFormulaField&>(field).Formula, number, text) == 1) {
                field.Agg.Update(number);
                band.Aggregates[AsciiUpper(field.Alias)].Update(number);
                for (TVYXReportBand* footer : footers)
                    footer->Aggregates[AsciiUpper(field.Alias)].Update(number);
            }
            continue;
        }
        if (field.Type_() != arftDatabase)
            continue;
        const auto it = band.Aggregates.find(AsciiUpper(static_cast<TDbField&>(field).FieldName));
        if (it != band.Aggregates.end())
            field.Agg = it->second;
    }
}

void TVYXReport::PageBreakBefore(TVYXLogParas& out, int item)
{
    if (item >= out.Count() || out.GetItems(item)->IsTable())
        out.InsertPageBreak(item);
    else
        static_cast<TVYXLogPara*>(out.GetItems(item))->InsertBreak(1, acrbtPageBreak);
}
