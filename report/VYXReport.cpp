// VYXReport.cpp: the report object, its small classes and the data fields' values.
//
// The engine's other seams: VYXReportTemplate (template analysis), VYXReportFormulas,
// VYXReportBands and VYXReportFill (report creation), sharing VYXReportImpl.h.
#include "report/VYXReport.h"
#include "report/VYXReportImpl.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadHTML.h"
#include "formats/VYXReadRTF.h"
#include "formula/VYXCellStore.h"
#include "formula/VYXEncodeFmla.h"
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
#include "report/VYXRecordSource.h"
#include "report/VYXReportParams.h"

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

bool IsDateType(TVYXFieldType type) { return type == avftDate || type == avftTime || type == avftDateTime; }

}  // namespace

namespace vyx_report {

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

// The data set a name means while `band` prints: a band on the chain holding it,
// else a registered one. Group footers print over a copy of the previous record.
TVYXRecordSource* RuntimeDataSet(TVYXReport& report, TVYXReportBand* band, std::u16string_view name)
{
    for (TVYXReportBand* b = band; b; b = b->Parent)
        if (b->DataSet && (name.empty() || SameTextAscii(b->DataSetName, name) || SameTextAscii(b->DataSet->Name, name)))
            return b->DataSet;
    return name.empty() ? report.DataSet : report.FindDataSet(name);
}

}  // namespace vyx_report

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
