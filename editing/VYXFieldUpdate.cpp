// VYXFieldUpdate.cpp: field results from the formula engine, the clock, bookmarks and sequence counters.
#include "editing/VYXFieldUpdate.h"

#include <cmath>
#include <cstdlib>
#include <ctime>

#include "formula/VYXCellStore.h"
#include "formula/VYXDateTime.h"
#include "formula/VYXEncodeFmla.h"
#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXFuncAddIns.h"
#include "formula/VYXFuncLibrary.h"
#include "formula/VYXMask.h"
#include "model/VYXCharRun.h"
#include "platform/VYXErrors.h"
#include "model/VYXFields.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogParas.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {

bool IsNameChar(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_' || c == u'.';
}

std::u16string ColumnName(int col)
{
    std::u16string name;
    for (++col; col > 0; col = (col - 1) / 26)
        name.insert(name.begin(), static_cast<char16_t>(u'A' + (col - 1) % 26));
    return name;
}

std::u16string CellName(int col, int row) { return ColumnName(col) + U16(std::to_string(row + 1)); }

// "A1:A3"; an empty stretch gives "0", which sums to nothing.
std::u16string AreaName(int col1, int row1, int col2, int row2)
{
    if (col2 < col1 || row2 < row1)
        return u"0";
    return CellName(col1, row1) + u':' + CellName(col2, row2);
}

// The words ABOVE, BELOW, LEFT and RIGHT outside quotes become the areas they name
// from the cell (col, row) of a table with `rows` rows and `cols` cells in the row.
std::u16string ExpandDirections(std::u16string_view formula, int col, int row, int cols, int rows)
{
    std::u16string out;
    bool quoted = false;
    for (std::size_t i = 0; i < formula.size();) {
        const char16_t c = formula[i];
        if (c == u'"')
            quoted = !quoted;
        if (quoted || !IsNameChar(c)) {
            out += c;
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < formula.size() && IsNameChar(formula[end]))
            ++end;
        const std::u16string word = AsciiUpper(formula.substr(i, end - i));
        if (word == u"ABOVE")
            out += AreaName(col, 0, col, row - 1);
        else if (word == u"BELOW")
            out += AreaName(col, row + 1, col, rows - 1);
        else if (word == u"LEFT")
            out += AreaName(0, row, col - 1, row);
        else if (word == u"RIGHT")
            out += AreaName(col + 1, row, cols - 1, row);
        else
            out.append(formula.substr(i, end - i));
        i = end;
    }
    return out;
}

// A cell's text as a number: outer blanks, thousands separators and a leading
// currency sign are skipped ("$1,200.50" is 1200.5); nothing when anything else is left.
std::optional<double> CellNumber(std::u16string_view text, const TVYXLocaleSettings& locale)
{
    auto blank = [](char16_t c) { return c == u' ' || c == 0xA0 || c == u'\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && (text.front() == u'$' || text.front() == 0x20AC || text.front() == 0xA3 || text.front() == 0xA5))
        text.remove_prefix(1);
    std::string ascii;
    for (char16_t c : text) {
        if (c == locale.ThousandSeparator)
            continue;
        if (c == locale.DecimalSeparator)
            ascii += '.';
        else if (c < 0x80 && !blank(c))
            ascii += static_cast<char>(c);
        else
            return std::nullopt;
    }
    if (ascii.empty())
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(ascii.c_str(), &end);
    if (end != ascii.c_str() + ascii.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A cell's own paragraphs joined by blanks; tables nested in it are left out.
std::u16string CellText(const TVYXTableCell& cell)
{
    std::u16string text;
    const TVYXLogParas& paras = cell.Paras();
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (!item->IsPara())
            continue;
        if (!text.empty())
            text += u' ';
        text += item->GetPlainText();
    }
    return text;
}

// The table as a sheet: one cell per table cell, at (cell index, row index).
std::unique_ptr<TXLSGridCellStore> TableCells(const TVYXTable& table, const TVYXLocaleSettings& locale)
{
    auto cells = std::make_unique<TXLSGridCellStore>();
    for (int r = 0; r < table.Count(); ++r) {
        const TVYXTableRow* row = table.GetRows(r);
        for (int c = 0; c < row->Count(); ++c) {
            const std::u16string text = CellText(*row->GetCells(c));
            if (const auto number = CellNumber(text, locale))
                cells->SetFloat(c, r, *number);
            else if (!text.empty())
                cells->SetString(c, r, text);
        }
    }
    return cells;
}

// The words of an instruction; a quoted word loses its quotes.
std::vector<std::u16string> Words(std::u16string_view text)
{
    std::vector<std::u16string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
            ++i;
        if (i >= text.size())
            break;
        std::u16string word;
        if (text[i] == u'"') {
            const std::size_t close = text.find(u'"', i + 1);
            const std::size_t end = close == std::u16string_view::npos ? text.size() : close;
            word = std::u16string(text.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            while (i < text.size() && text[i] != u' ' && text[i] != u'\t')
                word += text[i++];
        }
        words.push_back(std::move(word));
    }
    return words;
}

// The argument after a switch such as "\@", else nothing.
std::optional<std::u16string> SwitchArg(const std::vector<std::u16string>& words, std::u16string_view name)
{
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        if (SameTextAscii(words[i], name))
            return words[i + 1];
    return std::nullopt;
}

bool HasSwitch(const std::vector<std::u16string>& words, std::u16string_view name)
{
    for (const std::u16string& w : words)
        if (SameTextAscii(w, name))
            return true;
    return false;
}

}  // namespace

std::u16string VYXFormatDatePicture(double serial, std::u16string_view picture, const TVYXLocaleSettings& locale)
{
    const auto date = VYXDecodeDate(serial);
    if (!date)
        return {};
    const TVYXTime time = VYXDecodeTime(serial);
    const auto weekday = static_cast<std::size_t>(VYXDayOfWeek(serial)) % 7;
    auto num = [](int value, std::size_t width) {
        std::u16string s = U16(std::to_string(value));
        while (s.size() < width)
            s.insert(s.begin(), u'0');
        return s;
    };
    const bool twelve = picture.find(u"AM/PM") != std::u16string_view::npos ||
                        picture.find(u"am/pm") != std::u16string_view::npos;
    std::u16string out;
    for (std::size_t i = 0; i < picture.size();) {
        const char16_t c = picture[i];
        if (c == u'\'') {
            const std::size_t close = picture.find(u'\'', i + 1);
            const std::size_t end = close == std::u16string_view::npos ? picture.size() : close;
            out.append(picture.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (picture.substr(i, 5) == u"AM/PM" || picture.substr(i, 5) == u"am/pm") {
            const bool pm = time.Hour >= 12;
            out += c == u'A' ? (pm ? u"PM" : u"AM") : (pm ? u"pm" : u"am");
            i += 5;
            continue;
        }
        std::size_t n = 1;
        while (i + n < picture.size() && picture[i + n] == c)
            ++n;
        const auto index = [](int v) { return static_cast<std::size_t>(v); };
        switch (c) {
        case u'd':
            out += n <= 2 ? num(date->Day, n) : n == 3 ? locale.ShortDayNames[weekday] : locale.LongDayNames[weekday];
            break;
        case u'M':
            out += n <= 2 ? num(date->Month, n)
                          : n == 3 ? locale.ShortMonthNames[index(date->Month - 1)] : locale.LongMonthNames[index(date->Month - 1)];
            break;
        case u'y': out += n <= 2 ? num(date->Year % 100, 2) : num(date->Year, 4); break;
        case u'H': out += num(time.Hour, std::min<std::size_t>(n, 2)); break;
        case u'h': out += num(twelve ? (time.Hour + 11) % 12 + 1 : time.Hour, std::min<std::size_t>(n, 2)); break;
        case u'm': out += num(time.Minute, std::min<std::size_t>(n, 2)); break;
        case u's': out += num(time.Second, std::min<std::size_t>(n, 2)); break;
        default: out.append(picture.substr(i, n)); break;
        }
        i += n;
    }
    return out;
}

TVYXFieldUpdater::TVYXFieldUpdater() { XLSInitFunctionLibrary(); }
TVYXFieldUpdater::~TVYXFieldUpdater() = default;

TVYXFormulaHooks TVYXFieldUpdater::HooksFor(TVYXLogPara& para)
{
    // The table decides the meaning of ABOVE and friends and of A1, so the tokens are
    // made for the field's place; the cell store is built again at evaluation, after
    // fields earlier in the table have their results.
    TVYXTableCell* cell = para.Cell();
    const TVYXLocaleSettings* locale = &Locale;
    TVYXFormulaHooks hooks;
    hooks.Compile = [cell](TVYXFormulaField& field) {
        std::u16string text = field.Formula();
        if (!text.empty() && text.front() == u'=')
            text.erase(0, 1);
        if (cell && cell->Row() && cell->Row()->Table())
            text = ExpandDirections(text, cell->Index(), cell->Row()->Index(), cell->Row()->Count(), cell->Row()->Table()->Count());
        TVYXErrorManager errors;
        TXLSCellManager manager(errors);
        std::vector<std::uint8_t> ptgs;
        if (!XLSEncodeFormula(manager, text, ptgs, true) || ptgs.empty())
            return false;
        field.SetPtgs(ptgs.data(), static_cast<std::int32_t>(ptgs.size()));
        return true;
    };
    hooks.Evaluate = [cell, locale](const TVYXFormulaField& field) -> std::u16string {
        TVYXErrorManager errors;
        TXLSCellManager manager(errors);
        if (cell && cell->Row() && cell->Row()->Table())
            manager.SetCells(TableCells(*cell->Row()->Table(), *locale));
        TXLSFormulaEvaluator evaluator(manager);
        evaluator.UserFunctionEvent = [](const std::u16string& name, TXLSUserFuncData& data) {
            XLSAddInFunction(name, data);
        };
        try {
            const TXLSFormulaValue result = evaluator.Evaluate(
                0, 0, 0, std::span<const std::uint8_t>(field.Ptgs(), static_cast<std::size_t>(field.PtgsSz())));
            if (result.ValType == xfvtFloat && !field.Mask.empty()) {
                TExcelMask mask;
                mask.SetMask(field.Mask);
                return mask.FormatNumber(result.vFloat);
            }
            return XLSValueToStr(evaluator.Stack(), result);
        } catch (const VYXException&) {
            return u"#VALUE!";  // tokens the evaluator cannot run, or a bad mask
        }
    };
    return hooks;
}

std::optional<std::u16string> TVYXFieldUpdater::FieldResult(TVYXSimpleField& field, TVYXLogPara& para,
                                                            TVYXLogDocument& doc)
{
    if (field.Locked)
        return std::nullopt;
    const std::vector<std::u16string> words = Words(field.InstrText());
    const std::u16string keyword = words.empty() ? std::u16string() : AsciiUpper(words.front());
    switch (field.Type) {
    case asftFormula: {
        auto& formula = static_cast<TVYXFormulaField&>(field);
        formula.SetFormula(std::u16string(formula.Formula()));  // compile for the field's current place
        const std::optional<std::u16string> result = formula.Calculate(HooksFor(para));
        return result ? result : std::optional<std::u16string>(u"#VALUE!");
    }
    case asftDate:
    case asftSaveDate: {
        const auto picture = SwitchArg(words, u"\\@");
        return picture ? VYXFormatDatePicture(Now, *picture, Locale) : VYXFormatDatePicture(Now, Locale.ShortDateFormat, Locale);
    }
    case asftPage:
    case asftNumpages: return std::u16string(u"1");
    case asftRef: {
        TVYXBookmark* bookmark = words.size() > 1 ? doc.Bookmarks().Find(words[1]) : nullptr;
        return bookmark ? bookmark->GetPlainText() : std::u16string(u"<<REF>>");
    }
    default: break;
    }
    if (keyword == u"TIME") {
        const auto picture = SwitchArg(words, u"\\@");
        return VYXFormatDatePicture(Now, picture ? *picture : u"HH:mm", Locale);
    }
    if (keyword == u"SEQ" && words.size() > 1) {
        int& counter = FSeq[AsciiUpper(words[1])];
        if (const auto reset = SwitchArg(words, u"\\r"))
            counter = std::atoi(Utf16ToUtf8(*reset).c_str());
        else if (!HasSwitch(words, u"\\c"))
            ++counter;
        if (HasSwitch(words, u"\\h"))
            return std::u16string();
        return U16(std::to_string(counter));
    }
    return std::nullopt;
}

bool TVYXFieldUpdater::UpdateComplexField(TVYXLogPara& para, int& index, TVYXLogDocument& doc)
{
    // begin, instruction runs, separate, result runs, end, all in this paragraph.
    std::u16string instruction;
    int separate = -1;
    int i = index + 1;
    for (; i < para.Count(); ++i) {
        const TVYXCharRun* run = para.GetItems(i);
        if (run->Type_() == acrtInstrText && separate < 0)
            instruction += static_cast<const TVYXCharRunInstrText*>(run)->InstrText;
        if (run->Type_() != acrtFldChar)
            continue;
        const auto type = static_cast<const TVYXCharRunFldChar*>(run)->FldCharType;
        if (type == acrfctBegin)
            return false;  // a nested field: left alone, the scan goes on inside it
        if (type == acrfctSeparate)
            separate = i;
        else
            break;
    }
    if (separate < 0 || i >= para.Count())
        return false;
    TVYXCharRun* first = nullptr;
    for (int r = separate + 1; r < i; ++r) {
        TVYXCharRun* run = para.GetItems(r);
        if (run->Type_() != acrtText)
            return false;  // a result holding objects is kept
        if (!first)
            first = run;
    }
    std::unique_ptr<TVYXSimpleField> field = CreateSimpleField(instruction);
    const auto result = FieldResult(*field, para, doc);
    if (!result)
        return false;
    // The result is replaced through the document's edits (the old result range out,
    // the new text in with the first result run's format), so that watchers hear it:
    // undo records both edits and gives the runs back as they were.
    const TVYXCharRun* endRun = para.GetItems(i);
    // A result emptied by an earlier update has no run left: the new one takes the
    // format of the separator.
    const TVYXCharRun& model = first ? *first : *para.GetItems(separate);
    std::u16string old;
    for (int r = separate + 1; r < i; ++r)
        old += para.GetItems(r)->Text();
    if (old != *result) {
        const std::int32_t from = para.GetItems(separate)->GetEndPos();
        auto content = std::make_unique<TVYXDocFragment>();
        content->Paras = doc.CreateParas();
        TVYXLogPara* piece = content->Paras->AppendPara();
        piece->CharRuns().Clear();
        if (first) {
            std::unique_ptr<TVYXCharRun> run = first->Clone();
            run->SetRawText(*result);
            piece->CharRuns().Add(std::move(run));
        } else
            piece->CharRuns().Add(model.CHPX())->SetRawText(*result);
        piece->Pilcrow = false;
        // The new text goes right after the separator: before the field's end, which
        // stands at the same place once the old result is out.
        content->Origin = VYXAddressOf(para, from);
        content->LeadingEmpty = 0;
        for (int r = 0; r <= separate; ++r)
            if (const TVYXCharRun* mark = para.GetItems(r);
                mark->StartPos() == from && mark->Len() == 0 && mark->Type_() != acrtText && mark->Type_() != acrtLinked)
                ++content->LeadingEmpty;
        if (endRun->StartPos() > from) {
            TVYXDocRange range{VYXAddressOf(para, from), VYXAddressOf(para, endRun->StartPos())};
            doc.RemoveContent(range);
        }
        if (!result->empty())
            doc.InsertContent(VYXAddressOf(para, from), *content);
    }
    index = endRun->Index();
    return true;
}

int TVYXFieldUpdater::UpdateFields(TVYXLogDocument& doc, const std::vector<TVYXLogDocument*>& secondaries)
{
    int written = 0;
    auto updateOne = [this, &written](TVYXLogDocument& d) {
        for (TVYXLogPara* para = d.FirstPara(); para; para = para->Next()) {
            for (int i = 0; i < para->Count(); ++i) {
                TVYXCharRun* run = para->GetItems(i);
                if (run->Type_() == acrtFldChar &&
                    static_cast<TVYXCharRunFldChar*>(run)->FldCharType == acrfctBegin) {
                    written += UpdateComplexField(*para, i, d) ? 1 : 0;
                    continue;
                }
                if (run->Type_() != acrtSimpleField)
                    continue;
                auto* field = dynamic_cast<TVYXSimpleField*>(static_cast<TVYXCharRunSimpleField*>(run)->SimpField());
                if (!field)
                    continue;
                if (const auto result = FieldResult(*field, *para, d)) {
                    if (run->Text() != *result) {
                        const std::u16string before = run->Text();
                        run->SetText(*result);
                        if (RunTextEvent)
                            RunTextEvent(d, *para, i, before);
                    }
                    ++written;
                }
            }
        }
    };
    FSeq.clear();
    updateOne(doc);
    for (TVYXLogDocument* secondary : secondaries)
        if (secondary)
            updateOne(*secondary);
    return written;
}

double VYXLocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<double>(now + local.tm_gmtoff) / 86400.0 + 25569.0;
}
