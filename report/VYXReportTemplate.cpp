// VYXReportTemplate.cpp: template analysis: bands, their hierarchy, and the report fields in their paragraphs.
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
#include "report/VYXMergeFields.h"
#include "report/VYXRecordSource.h"
#include "report/VYXReportParams.h"

namespace {

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
}  // namespace

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
