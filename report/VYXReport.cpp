// VYXReport.cpp: template analysis, report creation, fields and report formulas.
#include "report/VYXReport.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <sstream>

#include "barcode/VYXBarcode.h"
#include "barcode/VYXBarcodeImage.h"
#include "barcode/VYXQRCode.h"
#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadHTML.h"
#include "formats/VYXReadRTF.h"
#include "formula/VYXCellStore.h"
#include "formula/VYXEncodeFmla.h"
#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXFuncAddIns.h"
#include "formula/VYXFuncLibrary.h"
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

// How deep bands may call bands (executeband), and how many calls one report may make.
constexpr int cMaxExecuteDepth = 16;
constexpr int cMaxExecuteRuns = 10000;

// ---- Formula context -----------------------------------------------------------------

// The report's formula context: one cell store and evaluator for every report formula,
// with encoded formulas cached by their text (a field's formula runs once per record).
class TVYXReportFmlaManager {
public:
    explicit TVYXReportFmlaManager(TVYXReport& report)
        : FManager(FErrors), FEvaluator(FManager)
    {
        XLSInitFunctionLibrary();
        FEvaluator.UserFunctionEvent = [&report](const std::u16string& name, TXLSUserFuncData& data) {
            report.UserFunction(name, data);
        };
    }
    // False when the text does not encode.
    bool Evaluate(std::u16string_view formula, TXLSFormulaValue& result)
    {
        std::u16string text(formula);
        if (!text.empty() && text[0] == u'=')
            text.erase(0, 1);
        auto it = FCache.find(text);
        if (it == FCache.end()) {
            std::vector<std::uint8_t> ptgs;
            bool ok = false;
            try {
                ok = XLSEncodeFormula(FManager, text, ptgs, true) && !ptgs.empty();
            } catch (const VYXException&) {
                ok = false;
            }
            if (!ok)
                ptgs.clear();
            it = FCache.emplace(text, std::move(ptgs)).first;
        }
        if (it->second.empty())
            return false;
        FFormula = formula;
        try {
            result = FEvaluator.Evaluate(0, 0, 0, std::span<const std::uint8_t>(it->second));
        } catch (const VYXException&) {
            result.SetError(errValue);
        }
        return true;
    }
    TXLSFormulaEvaluator& Evaluator() { return FEvaluator; }
    const std::u16string& FormulaText() const { return FFormula; }

private:
    TVYXErrorManager FErrors;  // the encoder's own complaints; report diagnostics go to the report
    TXLSCellManager FManager;
    TXLSFormulaEvaluator FEvaluator;
    std::map<std::u16string, std::vector<std::uint8_t>> FCache;
    std::u16string FFormula;
};

namespace {
std::string Short(std::u16string_view text)
{
    std::u16string t = VYXTrim(text);
    for (char16_t& c : t)
        if (c < u' ')
            c = u' ';
    if (t.size() > 60)
        t = t.substr(0, 57) + u"...";
    return Utf16ToUtf8(t);
}

bool IsNumeric(TVYXFieldType type) { return type == avftInteger || type == avftFloat; }
bool IsDateType(TVYXFieldType type) { return type == avftDate || type == avftTime || type == avftDateTime; }

std::u16string FormatNumber(double value, const std::u16string& mask)
{
    if (!mask.empty()) {
        try {
            TExcelMask m(mask);
            return m.FormatNumber(value);
        } catch (const VYXException&) {
            // a mask the engine cannot read falls back to two decimals
        }
    }
    if (!std::isfinite(value))
        return u"[???]";
    char buffer[400];  // 1e308 takes 312 characters
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return U16(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

// Where a template paragraph lies: its top-level item and, for a row of a top-level
// table, the row (else -1).
struct TPlace {
    int Item = -1;
    int Row = -1;
    int Cell = -1;
    const TVYXTable* Table = nullptr;
    const TVYXLogParas* List = nullptr;  // the list holding the item: the body or a text box
};

TPlace PlaceOf(const TVYXLogPara& para)
{
    TPlace p;
    const TVYXTableCell* cell = para.Cell();
    if (!cell) {
        p.Item = para.Index();
        p.List = para.Paras();
        return p;
    }
    // Climb to the cell of the outermost table.
    while (cell->Table() && cell->Table()->ParentCell())
        cell = cell->Table()->ParentCell();
    p.Table = cell->Table();
    p.Item = p.Table ? p.Table->Index() : -1;
    p.List = p.Table ? p.Table->Paras() : nullptr;
    p.Row = cell->Row() ? cell->Row()->Index() : -1;
    p.Cell = cell->Index();
    return p;
}

// Field words that belong to the document's own fields, never to the report.
bool IsDocumentField(std::u16string_view name)
{
    static constexpr std::u16string_view cWords[] = {
        u"AUTHOR", u"DATE", u"EQ", u"FILENAME", u"FORMCHECKBOX", u"FORMDROPDOWN", u"FORMTEXT", u"HYPERLINK",
        u"IF", u"INCLUDEPICTURE", u"NOTEREF", u"NUMPAGES", u"NUMWORDS", u"PAGE", u"PAGEREF", u"REF",
        u"SAVEDATE", u"SECTION", u"SECTIONPAGES", u"SEQ", u"STYLEREF", u"SYMBOL", u"TIME", u"TOC"};
    const std::u16string upper = AsciiUpper(name);
    return std::find(std::begin(cWords), std::end(cWords), upper) != std::end(cWords);
}

// The instruction without a leading MERGEFIELD keyword, trimmed.
std::u16string ReportCode(std::u16string_view instruction)
{
    std::u16string code = VYXTrim(instruction);
    if (code.size() > 10 && SameTextAscii(code.substr(0, 10), u"MERGEFIELD") && (code[10] == u' ' || code[10] == u'\t'))
        code = VYXTrim(code.substr(10));
    return code;
}

std::u16string Unquote(std::u16string_view text)
{
    std::u16string t = VYXTrim(text);
    if (t.size() >= 2 && t.front() == u'"' && t.back() == u'"')
        t = t.substr(1, t.size() - 2);
    return t;
}

// ---- Field kinds ---------------------------------------------------------------------------

class TDbField : public TVYXReportField {
public:
    using TVYXReportField::TVYXReportField;
    std::u16string DataSetName, FieldName;
    bool Graphic = false;
    TVYXReportFieldType Type_() const override { return Graphic ? arftGraphic : arftDatabase; }
    std::u16string AsString(TVYXReport& report) override;
};

class TFormulaField : public TVYXReportField {
public:
    using TVYXReportField::TVYXReportField;
    std::u16string Formula;
    TVYXReportFieldType Type_() const override { return arftFormula; }
    std::u16string AsString(TVYXReport& report) override { return report.FormulaText(Formula, Mask); }
};

class TParameterField : public TVYXReportField {
public:
    using TVYXReportField::TVYXReportField;
    int N = 1;
    TVYXReportFieldType Type_() const override { return arftParameter; }
    std::u16string AsString(TVYXReport& report) override
    {
        const auto& params = report.BandParams();
        return N >= 1 && static_cast<std::size_t>(N) <= params.size() ? params[static_cast<std::size_t>(N - 1)] : u"";
    }
};

// A data field whose cell spans down while its value repeats.
class TCellField : public TDbField {
public:
    using TDbField::TDbField;
    int Row = -1, Cell = -1;  // its template cell: row of the table, cell of the row
    TVYXTableCell* Root = nullptr;  // the output cell its span starts in, and the last one
    TVYXTableCell* Last = nullptr;
    std::u16string Key;
    TVYXReportFieldType Type_() const override { return arftCell; }
};

class TBarcodeField : public TDbField {
public:
    using TDbField::TDbField;
    TVYXBarcodeType Symbology = abctEAN13;
    TVYXReportFieldType Type_() const override { return arftBarcode; }
};
}  // namespace

// The data set a name means while `band` prints: a band on the chain holding it,
// else a registered one. Group footers print over a copy of the previous record.
static TVYXRecordSource* RuntimeDataSet(TVYXReport& report, TVYXReportBand* band, std::u16string_view name)
{
    for (TVYXReportBand* b = band; b; b = b->Parent)
        if (b->DataSet && (name.empty() || SameTextAscii(b->DataSetName, name) || SameTextAscii(b->DataSet->Name, name)))
            return b->DataSet;
    return name.empty() ? report.DataSet : report.FindDataSet(name);
}

std::u16string TDbField::AsString(TVYXReport& report)
{
    TVYXRecordSource* ds = RuntimeDataSet(report, &Band, DataSetName);
    const int f = ds ? ds->FindField(FieldName) : -1;
    if (f < 0 || ds->Eof())
        return f < 0 ? u"[Null]" : u"";
    const TVYXFieldValue v = ds->Value(f);
    const TVYXFieldType type = ds->FieldType(f);
    if (!Mask.empty() && !v.Null && (IsNumeric(type) || IsDateType(type)))
        return FormatNumber(v.Num, Mask);
    return v.Text;
}

int TVYXReportField::AsInteger(TVYXReport& report)
{
    TVYXFieldValue v;
    VYXReadFieldText(AsString(report), avftFloat, v);
    return static_cast<int>(std::clamp(v.Num, -2147483648.0, 2147483647.0));
}

// ---- Small classes ------------------------------------------------------------------------------

void TVYXReportAggregate::Update(double value)
{
    Min = Count == 0 ? value : std::min(Min, value);
    Max = Count == 0 ? value : std::max(Max, value);
    ++Count;
    Sum += value;
}

bool VYXReportAggregateValue(std::u16string_view word, const TVYXReportAggregate& agg, double& value)
{
    int sum = 0;
    for (char16_t c : word)
        sum += static_cast<int>(c >= u'A' && c <= u'Z' ? c + 32 : c);
    switch (sum) {
    case 341: value = agg.Sum; return true;
    case 553: value = agg.Count; return true;
    case 731: value = agg.GetAverage(); return true;
    case 324: value = agg.Min; return true;
    case 326: value = agg.Max; return true;
    default: return false;
    }
}

TVYXReportField& TVYXReportBandContainer::Add(std::unique_ptr<TVYXReportField> field, std::u16string_view instruction)
{
    FItems.push_back(std::move(field));
    FByInstruction[VYXTrim(instruction)] = FItems.back().get();
    return *FItems.back();
}

TVYXReportField* TVYXReportBandContainer::FindByInstruction(std::u16string_view instruction) const
{
    const auto it = FByInstruction.find(VYXTrim(instruction));
    return it == FByInstruction.end() ? nullptr : it->second;
}

TVYXReportField* TVYXReportBandContainer::Find(std::u16string_view name) const
{
    for (const auto& f : FItems)
        if (SameTextAscii(f->Name, name))
            return f.get();
    return nullptr;
}

std::u16string TVYXReportBand::ColorsText() const { return VYXColorsText(Colors); }

bool TVYXReportBand::Contains(const TVYXReportBand& o) const
{
    // Bands of different lists (the body, each text box) never hold one another; a
    // text-box band holds the bands over items and rows of its box.
    if (&o == this || o.Box != Box || (Mode != arbmTextBox && o.Mode == arbmTextBox))
        return false;
    if (Mode == arbmTextBox)
        return o.First >= First && o.Last <= Last;
    if (Mode == arbmTableRow)
        return (o.Mode == arbmTableRow || o.Mode == arbmTableCell) && o.First == First && o.FirstRow >= FirstRow &&
               o.LastRow <= LastRow;
    if (Mode == arbmTableCell)
        return false;  // a cell band holds no band
    return o.First >= First && o.Last <= Last;
}

TVYXMemorySource& TVYXReportVDataSets::Add(std::u16string_view name)
{
    if (TVYXMemorySource* found = Find(name))
        return *found;
    auto ds = std::make_unique<TVYXMemorySource>();
    ds->Name = std::u16string(name);
    FItems.push_back(std::move(ds));
    return *FItems.back();
}

void TVYXReportVDataSets::Add(std::unique_ptr<TVYXMemorySource> dataSet) { FItems.push_back(std::move(dataSet)); }

TVYXMemorySource* TVYXReportVDataSets::Find(std::u16string_view name) const
{
    for (const auto& d : FItems)
        if (SameTextAscii(d->Name, name))
            return d.get();
    return nullptr;
}

// ---- The report -----------------------------------------------------------------------------------

TVYXReport::TVYXReport()
    : FFmla(std::make_unique<TVYXReportFmlaManager>(*this)), FRootBand(std::make_unique<TVYXReportBand>())
{
    FRootBand->Type = arbtUnknown;
}

TVYXReport::~TVYXReport()
{
    // The holding list lives over the output document's tables: it goes first.
    FHold.reset();
}

void TVYXReport::LoadFromFile(const std::string& fileName)
{
    if (fileName.empty())
        throw VYXException("Filename is missing");
    const std::string ext = AsciiUpper(std::filesystem::path(fileName).extension().string());
    if (ext != ".DOCX" && ext != ".DOTX" && ext != ".DOCM" && ext != ".RTF" && ext != ".HTM" && ext != ".HTML")
        throw VYXException("Do not know how to read file type \"" + ext + "\"");
    SetTemplateLoader([fileName, ext](TVYXLogDocEditor& doc) {
        if (ext == ".RTF")
            TVYXReadRTF(doc).LoadFromFile(fileName);
        else if (ext == ".HTM" || ext == ".HTML")
            TVYXReadHTML(doc).LoadFromFile(fileName);
        else
            TVYXReadDOCX(doc).LoadFromFile(fileName);
    });
}

void TVYXReport::SetTemplateLoader(std::function<void(TVYXLogDocEditor& doc)> loader)
{
    Clear();
    FLoader = std::move(loader);
    auto doc = std::make_unique<TVYXLogDocEditor>(aldtMain, &FErrors);
    {
        TVYXEditorUpdate update(*doc);
        FLoader(*doc);
    }
    FTemplate = std::move(doc);
}

TVYXLogDocEditor& TVYXReport::Template() const
{
    if (!FTemplate)
        throw VYXException("No document assigned");
    return *FTemplate;
}

TVYXLogDocEditor& TVYXReport::Output() const
{
    if (!FOutput)
        throw VYXException("No report created");
    return *FOutput;
}

void TVYXReport::AddDataSet(std::u16string_view name, TVYXRecordSource& dataSet)
{
    FDataSets[AsciiUpper(name)] = &dataSet;
}

TVYXRecordSource* TVYXReport::FindDataSet(std::u16string_view name) const
{
    const auto it = FDataSets.find(AsciiUpper(name));
    if (it != FDataSets.end())
        return it->second;
    if (DataSet && SameTextAscii(DataSet->Name, name))
        return DataSet;
    return FUserDataSets.Find(name);
}

TVYXReportBand* TVYXReport::FindBand(std::u16string_view name) const
{
    for (const auto& b : FBands)
        if (!b->Name.empty() && SameTextAscii(b->Name, name))
            return b.get();
    return nullptr;
}

void TVYXReport::Clear()
{
    FHold.reset();
    FOutput.reset();
    FBands.clear();
    FDiagnostics.clear();
    FErrors.Clear();
    FErrors.WarnCount = FErrors.ErrorCount = 0;
    FAnalysed = false;
}

void TVYXReport::Warn(int code, std::string_view text1, std::string_view text2, std::u16string_view place)
{
    FErrors.Warning(text1, text2, code);
    FDiagnostics.push_back({aelWarning, code, TVYXErrorManager::WarningText(text1, text2, code), Short(place)});
}

void TVYXReport::Fail(int code, std::string_view text1, std::string_view text2, std::u16string_view place)
{
    FErrors.Error(text1, text2, code);
    FDiagnostics.push_back({aelError, code, TVYXErrorManager::ErrorText(text1, text2, code), Short(place)});
}

// ---- Template analysis ------------------------------------------------------------------------------

void TVYXReport::CreateTemplate()
{
    TVYXLogDocEditor& doc = Template();
    FBands.clear();
    FRootBand = std::make_unique<TVYXReportBand>();
    FRootBand->Type = arbtUnknown;
    FDiagnostics.clear();
    FErrors.Clear();
    FErrors.WarnCount = FErrors.ErrorCount = 0;
    TVYXComments& comments = doc.Comments();
    for (int i = 0; i < comments.Count() && FErrors.ErrorCount == 0; ++i) {
        TVYXComment& comment = *comments.GetItems(i);
        std::u16string text;
        for (const std::u16string& line : comment.Text)
            text += line + u"\n";
        bool isBand = false;
        std::vector<TVYXBandLine> lines = VYXSplitBandComment(text, isBand);
        if (!isBand)
            continue;
        auto* range = dynamic_cast<TVYXFieldSelectionImpl*>(comment.Selection.get());
        if (!range || !range->FirstPara || !range->LastPara)
            continue;
        auto band = std::make_unique<TVYXReportBand>();
        band->CommentText = text;
        band->Place = range->FirstPara->GetPlainText();
        const TPlace first = PlaceOf(*range->FirstPara);
        const TPlace last = PlaceOf(*range->LastPara);
        band->First = first.Item;
        band->Last = last.Item;
        if (first.List != &doc.Paras()) {
            // A band in a text box covers items of the box's own list.
            for (int k = 0; k < doc.TextBoxes().Count(); ++k)
                if (&doc.TextBoxes().GetItems(k).Paras() == first.List)
                    band->Box = k;
            if (band->Box < 0 || last.List != first.List)
                continue;  // notes, headers: no place a band can repeat in
            band->Mode = arbmTextBox;
        }
        if (last.List != first.List) {
            continue;
        } else if (first.Table && first.Table == last.Table) {
            if (first.Row != last.Row) {
                Fail(4501, "", "", band->Place);
                continue;
            }
            band->Mode = arbmTableRow;
            band->FirstRow = band->LastRow = first.Row;
            if (first.Cell == last.Cell && first.Table->GetRows(first.Row)->Count() > 1)
                band->FirstCell = first.Cell;
        }
        if (band->First < 0 || band->Last < band->First)
            continue;
        TVYXReportBand& b = *band;
        FBands.push_back(std::move(band));
        FCurrent = &b;
        for (const TVYXBandLine& line : lines) {
            if (!line.HasValue) {
                Warn(3518, Utf16ToUtf8(line.Text), Utf16ToUtf8(b.Name), b.Place);
                continue;
            }
            const TVYXReportParam* param = VYXFindBandParam(line.Name);
            if (!param) {
                Warn(3508, Utf16ToUtf8(line.Name), Utf16ToUtf8(b.Name), b.Place);
                continue;
            }
            const std::string value8 = Utf16ToUtf8(line.Value);
            bool flag = false;
            int number = 0;
            double size = 0;
            if (param->Type == arptBoolean && !VYXParseBoolean(line.Value, flag)) {
                Warn(3504, value8, "", b.Place);
                continue;
            }
            if (param->Type == arptInteger && !VYXParseInteger(line.Value, number)) {
                Warn(3505, value8, "", b.Place);
                continue;
            }
            if (param->Type == arptFloat && !VYXParseFloat(line.Value, size)) {
                Warn(3506, value8, "", b.Place);
                continue;
            }
            if (param->Type == arptSize) {
                const int r = VYXParseSize(line.Value, size);
                if (r != 0) {
                    Warn(r == 2 ? 3507 : 3506, value8, "", b.Place);
                    continue;
                }
            }
            switch (param->Id) {
            case arpiPageBreaks: b.PageBreaks = flag; break;
            case arpiName:
                if (FindBand(line.Value))
                    Fail(4502, value8, "", b.Place);
                b.Name = line.Value;
                break;
            case arpiParentBand: b.ParentName = line.Value; break;
            case arpiType: {
                static constexpr std::pair<std::u16string_view, TVYXReportBandType> cTypes[] = {
                    {u"groupfooter", arbtGroupFooter}, {u"groupheader", arbtGroupHeader},
                    {u"pagefooter", arbtPageFooter},   {u"pageheader", arbtPageHeader},
                    {u"reportfooter", arbtReportFooter}, {u"reportheader", arbtReportHeader},
                    {u"subpages", arbtSubPages},       {u"subreport", arbtSubReport}};
                bool found = false;
                for (const auto& [word, type] : cTypes)
                    if (SameTextAscii(word, line.Value)) {
                        b.Type = type;
                        found = true;
                    }
                if (!found)
                    Warn(3511, value8, Utf16ToUtf8(b.Name), b.Place);
                break;
            }
            case arpiDataSet: b.DataSetName = line.Value; break;
            case arpiUserDataset: b.UserDataSetName = line.Value; break;
            case arpiEnabled: b.Enabled = flag; break;
            case arpiFilltable: b.FillTable = flag; break;
            case arpiMultipage: b.Multipage = flag; break;
            case arpiRowMode: b.RowMode = flag; break;
            case arpiMaxrows: b.MaxRows = number; break;
            case arpiExpression: b.Expression = line.Value; break;
            case arpiCondition: b.Condition = line.Value; break;
            case arpiColors: {
                std::u16string bad;
                if (!VYXParseColors(line.Value, b.Colors, bad))
                    Warn(3512, Utf16ToUtf8(bad), "", b.Place);
                break;
            }
            case arpiField: b.FieldSize = size; break;
            case arpiWidth: b.Width = size; break;
            case arpiHeight: b.Height = size; break;
            case arpiTreeItem: b.TreeItem = flag; break;
            case arpiFontSize: b.FontSize = size; break;
            case arpiHeaderParagraphs: b.HeaderParagraphs = number; break;
            case arpiMaxPageLoops: b.MaxPageLoops = number; break;
            case arpiOnAfterPrint: b.OnAfterPrint = line.Value; break;
            default: break;
            }
        }
        if (b.FirstCell >= 0 && !b.RowMode)
            b.Mode = arbmTableCell;
    }
    FCurrent = nullptr;
    if (FErrors.ErrorCount == 0)
        ResolveHierarchy();
    if (FErrors.ErrorCount == 0)
        for (const auto& b : FBands)
            ParseFields(*b);
    if (FErrors.ErrorCount == 0)
        ParseFields(*FRootBand);
    FAnalysed = true;
}

void TVYXReport::ResolveHierarchy()
{
    const auto index = [this](const TVYXReportBand* b) {
        for (std::size_t i = 0; i < FBands.size(); ++i)
            if (FBands[i].get() == b)
                return i;
        return FBands.size();
    };
    // Equal ranges: the earlier comment holds the later one.
    const auto holds = [&](const TVYXReportBand& a, const TVYXReportBand& b) {
        if (!a.Contains(b))
            return false;
        return !b.Contains(a) || index(&a) < index(&b);
    };
    for (const auto& bp : FBands) {
        TVYXReportBand& b = *bp;
        if (!b.ParentName.empty()) {
            TVYXReportBand* p = FindBand(b.ParentName);
            if (!p) {
                Warn(3509, Utf16ToUtf8(b.ParentName), "", b.Place);
            } else if (p->Mode != arbmNormal && b.Mode != arbmNormal && p->First != b.First) {
                Fail(4503, "", "", b.Place);
            } else if (p == &b || !holds(*p, b)) {
                Fail(4500, Utf16ToUtf8(p->Name), Utf16ToUtf8(b.Name), b.Place);
            } else {
                b.Parent = p;
            }
        }
        if (!b.Parent) {
            for (const auto& other : FBands)
                if (holds(*other, b) && (!b.Parent || holds(*b.Parent, *other)))
                    b.Parent = other.get();
        }
        for (const auto& other : FBands) {
            // Ranges that cross without one holding the other cannot nest.
            const TVYXReportBand& o = *other;
            if (&o == &b || o.Contains(b) || b.Contains(o) || index(&o) > index(&b))
                continue;
            const bool sameList = (o.Mode == arbmNormal && b.Mode == arbmNormal) ||
                                  (o.Mode == arbmTextBox && b.Mode == arbmTextBox && o.Box == b.Box);
            const bool crossItems = sameList && o.First <= b.Last && b.First <= o.Last;
            const bool crossRows = o.Mode == arbmTableRow && b.Mode == arbmTableRow && o.Box == b.Box && o.First == b.First &&
                                   o.FirstRow <= b.LastRow && b.FirstRow <= o.LastRow;
            const bool sameCell = o.Mode == arbmTableCell && b.Mode == arbmTableCell && o.Box == b.Box && o.First == b.First &&
                                  o.FirstRow == b.FirstRow && o.FirstCell == b.FirstCell;
            if (crossItems || crossRows || sameCell)
                Fail(4500, Utf16ToUtf8(o.Name), Utf16ToUtf8(b.Name), b.Place);
        }
        if (b.Type == arbtGroupHeader && b.Condition.empty())
            Warn(3515, Utf16ToUtf8(b.Name), "", b.Place);
        if (!b.OnAfterPrint.empty() && !FindBand(b.OnAfterPrint))
            Warn(3519, Utf16ToUtf8(b.OnAfterPrint), "onafterprint: " + Utf16ToUtf8(b.OnAfterPrint), b.Place);
    }
    for (const auto& bp : FBands)
        if (bp->Parent)
            bp->Parent->Children.push_back(bp.get());
    for (const auto& bp : FBands)
        std::sort(bp->Children.begin(), bp->Children.end(), [](const TVYXReportBand* a, const TVYXReportBand* b) {
            return a->First != b->First ? a->First < b->First : a->FirstRow < b->FirstRow;
        });
    // Data sets: named ones now; a name only a master record knows (a nested JSON
    // array, a detail query) is looked up while the master prints.
    for (const auto& bp : FBands) {
        TVYXReportBand& b = *bp;
        if (!b.UserDataSetName.empty()) {
            b.DataSet = &FUserDataSets.Add(b.UserDataSetName);
            if (b.DataSetName.empty())
                b.DataSetName = b.UserDataSetName;
            continue;
        }
        if (b.Type != arbtDataSet)
            continue;
        if (!b.DataSetName.empty()) {
            b.DataSet = FindDataSet(b.DataSetName);
            bool underMaster = false;
            for (TVYXReportBand* p = b.Parent; p; p = p->Parent) {
                underMaster = underMaster || p->Type == arbtDataSet;
                if (p->DataSet && p->DataSet == b.DataSet)
                    b.DataSet = nullptr;  // a detail named like its master's data set: the master's record decides
            }
            if (!b.DataSet && !underMaster)
                Warn(3500, Utf16ToUtf8(b.DataSetName), "", b.Place);
        } else if (!b.Parent) {
            b.DataSet = DataSet;
        }
    }
}

void TVYXReport::AnalysePara(TVYXReportBand& band, TVYXLogPara& para)
{
    const std::u16string place = para.GetPlainText();
    VYXFillFields(para, [&](std::u16string_view instruction) -> std::optional<std::u16string> {
        AnalyseField(band, instruction, place);
        return std::nullopt;
    });
}

TVYXReportBand* TVYXReport::CellBandAt(TVYXReportBand& context, int item, int row, int cell) const
{
    const auto at = [&](const TVYXReportBand& b) {
        return b.Mode == arbmTableCell && b.Box == FSourceBox && b.First == item && b.FirstRow == row &&
               b.FirstCell == cell;
    };
    if (&context == FRootBand.get()) {
        for (const auto& b : FBands)
            if (!b->Parent && at(*b))
                return b.get();
        return nullptr;
    }
    for (TVYXReportBand* b : context.Children)
        if (at(*b))
            return b;
    return nullptr;
}

void TVYXReport::ScanParas(TVYXReportBand& band, TVYXLogParas& paras, int item, int row)
{
    // The paragraphs of one item (or one row of it) belong to `band` unless a child holds them.
    TVYXLogParaItem* it = paras.GetItems(item);
    const auto analyse = [this, &band](TVYXLogPara& para) { AnalysePara(band, para); };
    if (!it->IsTable()) {
        analyse(static_cast<TVYXLogPara&>(*it));
        return;
    }
    auto& table = static_cast<TVYXTable&>(*it);
    for (int r = 0; r < table.Count(); ++r) {
        if (row >= 0 && r != row)
            continue;
        bool held = false;
        for (const TVYXReportBand* child : band.Children)
            held = held || (child->Mode == arbmTableRow && child->Box == FSourceBox && child->First == item &&
                            r >= child->FirstRow && r <= child->LastRow);
        if (&band == FRootBand.get())
            for (const auto& b : FBands)
                held = held || (!b->Parent && b->Mode == arbmTableRow && b->Box == FSourceBox && b->First == item &&
                                r >= b->FirstRow && r <= b->LastRow);
        if (held)
            continue;
        TVYXTableRow& tr = *table.GetRows(r);
        for (int c = 0; c < tr.Count(); ++c) {
            if (CellBandAt(band, item, r, c))
                continue;
            FScanRow = r;
            FScanCell = c;
            VYXForEachPara(tr.GetCells(c)->Paras(), analyse);
        }
        FScanRow = FScanCell = -1;
    }
}

void TVYXReport::ParseFields(TVYXReportBand& band)
{
    // The band's own list: the body or its text box. While it is scanned FSourceBox names
    // it, so row and cell bands are matched in the list they belong to.
    TVYXLogParas& paras = band.Box >= 0 && band.Box < FTemplate->TextBoxes().Count()
                              ? FTemplate->TextBoxes().GetItems(band.Box).Paras()
                              : FTemplate->Paras();
    const int savedBox = FSourceBox;
    FSourceBox = band.Box >= 0 && band.Box < FTemplate->TextBoxes().Count() ? band.Box : -1;
    struct TRestore {
        int& Box;
        int Saved;
        ~TRestore() { Box = Saved; }
    } restore{FSourceBox, savedBox};
    // The items of a text box outside the given bands; rows of its tables go to their row bands.
    const auto scanBox = [this, &band](int box, int first, int last, const auto& heldBy) {
        TVYXLogParas& list = FTemplate->TextBoxes().GetItems(box).Paras();
        const int outer = FSourceBox;
        FSourceBox = box;
        for (int i = first; i <= last && i < list.Count(); ++i) {
            bool held = false;
            for (const TVYXReportBand* b : heldBy)
                held = held || (b->Mode == arbmTextBox && b->Box == box && i >= b->First && i <= b->Last);
            if (!held)
                ScanParas(band, list, i, -1);
        }
        FSourceBox = outer;
    };
    if (&band == FRootBand.get()) {
        for (int i = 0; i < paras.Count(); ++i) {
            bool held = false;
            for (const auto& b : FBands)
                held = held || (!b->Parent && b->Mode == arbmNormal && i >= b->First && i <= b->Last);
            if (!held)
                ScanParas(band, paras, i, -1);
        }
        std::vector<const TVYXReportBand*> top;
        for (const auto& b : FBands)
            if (!b->Parent)
                top.push_back(b.get());
        for (int k = 0; k < FTemplate->TextBoxes().Count(); ++k)
            scanBox(k, 0, FTemplate->TextBoxes().GetItems(k).Paras().Count() - 1, top);
        for (TVYXHeadersFooters* hf : {&FTemplate->Headers(), &FTemplate->Footers()})
            for (TVYXHeaderFooterType type : {ahftDefault, ahftFirst, ahftEven})
                if (TVYXLogDocEditor* editor = hf->Find(type))
                    VYXForEachPara(editor->Paras(), [&](TVYXLogPara& para) { AnalysePara(band, para); });
        return;
    }
    if (band.Mode == arbmTableRow) {
        for (int r = band.FirstRow; r <= band.LastRow; ++r)
            ScanParas(band, paras, band.First, r);
        return;
    }
    if (band.Mode == arbmTextBox) {
        scanBox(band.Box, band.First, band.Last, band.Children);
        return;
    }
    if (band.Mode == arbmTableCell) {
        if (band.First >= paras.Count() || !paras.GetItems(band.First)->IsTable())
            return;
        auto& table = static_cast<TVYXTable&>(*paras.GetItems(band.First));
        VYXForEachPara(table.GetRows(band.FirstRow)->GetCells(band.FirstCell)->Paras(),
                       [&](TVYXLogPara& para) { AnalysePara(band, para); });
        return;
    }
    for (int i = band.First; i <= band.Last && i < paras.Count(); ++i) {
        bool held = false;
        for (const TVYXReportBand* child : band.Children)
            held = held || (child->Mode == arbmNormal && i >= child->First && i <= child->Last);
        if (!held)
            ScanParas(band, paras, i, -1);
    }
}

void TVYXReport::AnalyseField(TVYXReportBand& band, std::u16string_view instruction, std::u16string_view place)
{
    if (band.Fields.FindByInstruction(instruction) || instruction.find(cVYXNestedOpen) != std::u16string_view::npos)
        return;
    const std::u16string trimmed = VYXTrim(instruction);
    const bool merge = trimmed.size() > 10 && SameTextAscii(trimmed.substr(0, 10), u"MERGEFIELD");
    std::vector<std::u16string> parts = VYXSplitFieldCode(ReportCode(instruction));
    std::u16string name = parts[0];
    if (name.empty())
        return;
    if (!merge && name[0] != u'=' && IsDocumentField(name.substr(0, name.find(u' '))))
        return;
    const std::string name8 = Utf16ToUtf8(name);
    const std::string band8 = Utf16ToUtf8(band.Name);
    // Editors' number pictures ("Amount \# 0.00") serve as masks.
    std::u16string mask;
    for (std::u16string_view picture : {u"\\#", u"\\@"}) {
        const std::size_t at = name.find(picture);
        if (at != std::u16string::npos && name[0] != u'=') {
            mask = Unquote(name.substr(at + 2));
            name = VYXTrim(name.substr(0, at));
        }
    }
    name = Unquote(name);
    std::unique_ptr<TVYXReportField> field;
    std::map<TVYXReportParameterId, std::u16string> switches;
    std::vector<std::u16string> caseFormats;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::u16string& sw = parts[i];
        const std::size_t colon = sw.find(u':');
        if (colon == std::u16string::npos) {
            static constexpr std::u16string_view cCase[] = {u"upper", u"lower", u"caps", u"firstcap", u"mergeformat",
                                                           u"charformat"};
            if (std::any_of(std::begin(cCase), std::end(cCase), [&](std::u16string_view c) { return SameTextAscii(c, sw); }))
                caseFormats.push_back(sw);
            else
                Warn(3513, Utf16ToUtf8(sw), "", place);
            continue;
        }
        const TVYXReportParam* param = VYXFindFieldParam(VYXTrim(sw.substr(0, colon)));
        if (!param) {
            Warn(3513, Utf16ToUtf8(sw), "", place);
            continue;
        }
        const std::u16string value = Unquote(sw.substr(colon + 1));
        bool ok = true;
        bool flag = false;
        double number = 0;
        std::vector<std::uint32_t> colors;
        std::u16string bad;
        const bool formula = !value.empty() && value[0] == u'=';
        switch (param->Id) {
        case arpiBold:
        case arpiItalic:
        case arpiStrikeThrough:
        case arpiHidden:
        case arpiUnderline: ok = formula || VYXParseBoolean(value, flag); break;
        case arpiColor:
        case arpiFillColor:
        case arpiUnderlineColor: ok = formula || VYXParseColors(value, colors, bad) || VYXParseFloat(value, number); break;
        case arpiSize:
        case arpiSubSuperscript: ok = formula || VYXParseFloat(value, number); break;
        case arpiWidth:
        case arpiHeight: ok = VYXParseSize(value, number) == 0; break;
        case arpiFieldType: {
            TVYXFieldType t = avftString;
            ok = SameTextAscii(value, u"parapicture") || SameTextAscii(value, u"barcode") || SameTextAscii(value, u"cell") ||
                 SameTextAscii(value, u"imageindex") || VYXFieldTypeOf(value, t);
            break;
        }
        default: break;
        }
        if (!ok) {
            Warn(3514, Utf16ToUtf8(sw), "", place);
            continue;
        }
        switches[param->Id] = value;
    }
    if (name[0] == u'=') {
        auto f = std::make_unique<TFormulaField>(band);
        f->Formula = name;
        field = std::move(f);
    } else if (name[0] == u'#') {
        int n = 0;
        if (!VYXParseInteger(name.substr(1), n) || n < 1 || n > 99) {
            Warn(3521, name8, band8, place);
            return;
        }
        auto f = std::make_unique<TParameterField>(band);
        f->N = n;
        field = std::move(f);
    } else {
        const std::size_t dot = name.find(u'.');
        std::u16string dsName = dot == std::u16string::npos ? std::u16string() : name.substr(0, dot);
        const std::u16string fieldName = dot == std::u16string::npos ? name : name.substr(dot + 1);
        if (fieldName.empty() || (dot != std::u16string::npos && dsName.empty()) ||
            fieldName.find(u'.') != std::u16string::npos) {
            Warn(3510, name8, "", place);
            return;
        }
        const std::u16string fieldType = switches.count(arpiFieldType) ? switches[arpiFieldType] : u"";
        TBarcodeField* barcode = nullptr;
        std::unique_ptr<TDbField> f;
        if (SameTextAscii(fieldType, u"barcode")) {
            auto b = std::make_unique<TBarcodeField>(band);
            barcode = b.get();
            f = std::move(b);
        } else if (SameTextAscii(fieldType, u"cell")) {
            auto c = std::make_unique<TCellField>(band);
            c->Row = FScanRow;
            c->Cell = FScanCell;
            f = std::move(c);
        } else {
            f = std::make_unique<TDbField>(band);
            f->Graphic = SameTextAscii(fieldType, u"parapicture");
        }
        f->DataSetName = dsName;
        f->FieldName = fieldName;
        if (barcode) {
            const std::u16string type = switches.count(arpiType) ? switches[arpiType] : u"EAN13";
            barcode->Symbology = VYXBarcodeTypeByName(Utf16ToUtf8(type));
            if (barcode->Symbology == abctUnknown) {
                Warn(3522, Utf16ToUtf8(type), band8, place);
                barcode->Symbology = abct128B;
            }
        }
        // Is the data set known, and does it have the field?
        TVYXRecordSource* ds = nullptr;
        bool known = false;
        TVYXMemorySource* user = nullptr;
        const std::u16string lookup = dsName.empty() ? band.DataSetName : dsName;
        for (TVYXReportBand* b = &band; b && !known; b = b->Parent)
            if ((lookup.empty() && (b->DataSet || !b->DataSetName.empty())) ||
                (!lookup.empty() && SameTextAscii(b->DataSetName, lookup))) {
                known = true;
                ds = b->DataSet;
            }
        if (!known && !lookup.empty()) {
            user = FUserDataSets.Find(lookup);
            ds = user ? user : FindDataSet(lookup);
            known = ds != nullptr;
        }
        if (!known && lookup.empty() && DataSet) {
            ds = DataSet;
            known = true;
        }
        if (!user && ds)
            user = FUserDataSets.Find(ds->Name);
        if (user && user->FindField(fieldName) < 0) {
            TVYXFieldType t = avftString;
            if (SameTextAscii(fieldType, u"imageindex"))
                t = avftInteger;
            else
                VYXFieldTypeOf(fieldType, t);
            user->AddField(fieldName, t);
        } else if (!known) {
            Warn(3501, Utf16ToUtf8(lookup), name8, place);
        } else if (ds && ds->FieldCount() > 0 && ds->FindField(fieldName) < 0) {
            Warn(3503, Utf16ToUtf8(fieldName), Utf16ToUtf8(ds->Name), place);
        }
        field = std::move(f);
    }
    field->Name = name;
    field->Mask = switches.count(arpiMask) ? switches[arpiMask] : mask;
    for (const auto& [id, value] : switches) {
        switch (id) {
        case arpiHyperlink: field->Hyperlink = value; break;
        case arpiName: field->Alias = value; break;
        case arpiOnBefore: field->OnBefore = value; break;
        case arpiWidth: VYXParseSize(value, field->Width); break;
        case arpiHeight: VYXParseSize(value, field->Height); break;
        case arpiBold: case arpiItalic: case arpiStrikeThrough: case arpiHidden: case arpiColor: case arpiFillColor:
        case arpiUnderline: case arpiUnderlineColor: case arpiSubSuperscript: case arpiSize: case arpiFontname:
            field->Formats[id] = value;
            break;
        default: break;
        }
    }
    if (!caseFormats.empty())
        field->Formats[arpiStyle] = caseFormats.back();
    field->Initiate();
    band.Fields.Add(std::move(field), instruction);
}

// ---- Formulas --------------------------------------------------------------------------------------

int TVYXReport::Formula(std::u16string_view formula, double& number, std::u16string& text)
{
    TXLSFormulaValue v;
    if (!FFmla->Evaluate(formula, v))
        return 0;
    if (FFmla->Evaluator().PostProcess) {
        FPostProcess = true;
        FFmla->Evaluator().PostProcess = false;
    }
    switch (v.ValType) {
    case xfvtFloat: number = v.vFloat; return 1;
    case xfvtBoolean: number = v.vBool ? 1 : 0; return 2;
    case xfvtString: text = v.vStr; return text.empty() ? 0 : 3;
    default: return 0;
    }
}

std::u16string TVYXReport::FormulaText(std::u16string_view formula, const std::u16string& mask)
{
    double number = 0;
    std::u16string text;
    switch (Formula(formula, number, text)) {
    case 1: return FormatNumber(number, mask);
    case 2: return number != 0 ? u"TRUE" : u"FALSE";
    case 3: return text;
    default: return u"[???]";
    }
}

void TVYXReport::UserFunction(const std::u16string& name, TXLSUserFuncData& data)
{
    const std::u16string formula = FFmla->FormulaText();
    if (!data.IsName) {
        const TVYXReportParam* fn = VYXFindReportFunction(name);
        if (!fn) {
            if (OnUserFunction)
                OnUserFunction(name, data);
            return;
        }
        switch (fn->Id) {
        case arpiLine: data.SetResultAsFloat(FCurrent ? FCurrent->Line : 0); return;
        case arpiPage: data.SetResultAsFloat(FPage); return;
        case arpiPages:
            data.SetResultAsString(u"%%pages%%");
            data.PostProcess = true;
            FPostProcess = true;
            return;
        case arpiRGB: {
            int rgb[3] = {0, 0, 0};
            const int n = std::min(data.ArgCount(), 3);
            for (int i = 0; i < n; ++i)  // argument 0 is the last one
                rgb[n - 1 - i] = std::clamp(data.AsInteger(i), 0, 255);
            data.SetResultAsFloat(rgb[0] << 16 | rgb[1] << 8 | rgb[2]);
            return;
        }
        case arpiMakeBoo: {
            std::u16string bm = u"Bmk" + (data.ArgCount() > 0 ? data.AsString(0) : U16(std::to_string(FCurrent ? FCurrent->Line : 0)));
            std::erase_if(bm, [](char16_t c) { return c == u' '; });
            if (FCurrentPara && FOutput && !FOutput->Bookmarks().Find(bm))
                FCurrentPara->InsertBookmark(bm, 1, 1);
            data.SetResultAsString(bm);
            return;
        }
        case arpiExecuteBand:
        case arpiExecuteBandLoop: {
            if (data.ArgCount() == 0) {
                Warn(3520, Utf16ToUtf8(formula), "", FCurrent ? FCurrent->Place : u"");
            } else {
                const std::u16string bandName = data.AsString(data.ArgCount() - 1);
                TVYXReportBand* band = FindBand(bandName);
                if (!band) {
                    Warn(3519, Utf16ToUtf8(bandName), Utf16ToUtf8(formula), FCurrent ? FCurrent->Place : u"");
                } else if (FPending.size() < 1000 && FExecuteDepth < cMaxExecuteDepth && FExecuteRuns < cMaxExecuteRuns) {
                    // Calls at the depth limit are not queued, so a band calling itself ends there;
                    // the run budget keeps executebandloop inside itself from multiplying.
                    ++FExecuteRuns;
                    // Runs after the paragraph holding the call is filled, into the same list.
                    TPendingBand pending{band, fn->Id == arpiExecuteBandLoop, {}};
                    for (int i = data.ArgCount() - 2; i >= 0; --i)  // argument 0 is the last one
                        pending.Params.push_back(data.AsString(i));
                    FPending.push_back(std::move(pending));
                }
            }
            data.SetResultAsBoolean(true);
            return;
        }
        default: return;
        }
    }
    // Names: dataset.field, band.field.aggregate, dataset.field.aggregate, field.aggregate, field.
    std::vector<std::u16string> parts;
    for (std::size_t from = 0;;) {
        const std::size_t dot = name.find(u'.', from);
        parts.push_back(name.substr(from, dot - from));
        if (dot == std::u16string::npos)
            break;
        from = dot + 1;
    }
    double value = 0;
    TVYXReportAggregate probe;
    const auto aggregateOf = [](TVYXReportBand* band, const std::u16string& field) -> TVYXReportAggregate* {
        for (TVYXReportBand* b = band; b; b = b->Parent) {
            const auto it = b->Aggregates.find(AsciiUpper(field));
            if (it != b->Aggregates.end())
                return &it->second;
        }
        return nullptr;
    };
    if (parts.size() >= 2 && VYXReportAggregateValue(parts.back(), probe, value)) {
        TVYXReportAggregate* agg = nullptr;
        if (parts.size() == 3) {
            TVYXReportBand* band = FindBand(parts[0]);
            if (!band)
                for (const auto& b : FBands)
                    if (b->Type == arbtDataSet && (SameTextAscii(b->DataSetName, parts[0]) ||
                                                   (b->DataSet && SameTextAscii(b->DataSet->Name, parts[0]))))
                        band = b.get();
            if (band)
                agg = aggregateOf(band, parts[1]);
            if (band && !agg)
                agg = &probe;  // the band printed no record with that field: everything is 0
        } else {
            agg = aggregateOf(FCurrent, parts[0]);
        }
        if (agg) {
            VYXReportAggregateValue(parts.back(), *agg, value);
            data.SetResultAsFloat(value);
            return;
        }
    }
    if (parts.size() <= 2) {
        TVYXRecordSource* ds = RuntimeDataSet(*this, FCurrent, parts.size() == 2 ? parts[0] : u"");
        const int f = ds ? ds->FindField(parts.back()) : -1;
        if (f >= 0) {
            const TVYXFieldValue v = ds->Value(f);
            const TVYXFieldType type = ds->FieldType(f);
            if (v.Null && type != avftString)
                data.SetResultAsString(u"");
            else if (type == avftBoolean)
                data.SetResultAsBoolean(v.Num != 0);
            else if (type != avftString)
                data.SetResultAsFloat(v.Num);
            else
                data.SetResultAsString(v.Text);
            return;
        }
    }
    if (OnUserFunction) {
        OnUserFunction(name, data);
        if (data.Result.ValType != xfvtError)
            return;
    }
    Warn(3516, Utf16ToUtf8(name), Utf16ToUtf8(formula), FCurrent ? FCurrent->Place : u"");
}

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

// Tree levels move right by this much each (points) when the band sets no width.
constexpr double cTreeIndent = 18;

static void IndentParas(TVYXLogParas& paras, int from, double by)
{
    VYXForEachPara(
        paras,
        [by](TVYXLogPara& para) {
            para.PAPX().SetIndentLeft(para.PAPX().GetStyledIndentLeft() + by);
            para.MakeDirty();
        },
        from);
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
