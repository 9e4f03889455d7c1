// VYXReadDOCXFields.cpp: the DOCX reader's complex fields, hyperlink fields and form fields.
#include "formats/VYXReadDOCXImpl.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
#include "formats/VYXReadWriteOPC5.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXPropValues.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"

namespace {
// The target of a HYPERLINK instruction: its first argument (quoted or not), and
// the "\\l" location switch; empty when there is neither.
void ParseHyperlinkInstr(std::u16string_view instr, std::u16string& url, std::u16string& anchor)
{
    std::vector<std::u16string> args;
    std::size_t i = 0;
    while (i < instr.size() && args.size() < 16) {
        while (i < instr.size() && (instr[i] == u' ' || instr[i] == u'\t'))
            ++i;
        if (i >= instr.size())
            break;
        std::u16string arg;
        if (instr[i] == u'"') {
            const std::size_t end = instr.find(u'"', i + 1);
            arg = instr.substr(i + 1, (end == std::u16string_view::npos ? instr.size() : end) - i - 1);
            i = end == std::u16string_view::npos ? instr.size() : end + 1;
            args.push_back(u"\"" + arg);  // marked as quoted
        } else {
            const std::size_t end = instr.find_first_of(u" \t", i);
            args.emplace_back(instr.substr(i, (end == std::u16string_view::npos ? instr.size() : end) - i));
            i = end == std::u16string_view::npos ? instr.size() : end;
        }
    }
    auto plain = [](const std::u16string& a) { return !a.empty() && a[0] == u'"' ? a.substr(1) : a; };
    for (std::size_t k = 1; k < args.size(); ++k) {
        if (args[k] == u"\\l" && k + 1 < args.size())
            anchor = plain(args[++k]);
        else if (!args[k].empty() && args[k][0] == u'\\')
            k += args[k] == u"\\o" || args[k] == u"\\t" ? 1 : 0;  // switches with an argument
        else if (url.empty())
            url = plain(args[k]);
    }
}
}  // namespace

// Ends the innermost open field. A HYPERLINK field whose runs all lie in this
// paragraph and hold only text becomes hyperlink runs carrying its result.
void TVYXReadDOCX::TImpl::EndField(TVYXLogPara& para, const TVYXCHPX& chpx)
{
    const std::u16string instr = FFieldInstr.back();
    const std::u16string instrRest = InstrRest();
    const bool separated = FFieldSeparated.back();
    const TFieldBegin begin = FFieldBegin.back();
    TVYXLogPara* const beginPara = begin.Para;
    TVYXCharRun* const beginRun = begin.Run;
    FFieldInstr.pop_back();
    FFieldSeparated.pop_back();
    FFieldBegin.pop_back();
    TVYXCharRuns& runs = para.CharRuns();
    std::u16string_view keyword = instr;
    while (!keyword.empty() && keyword.front() == u' ')
        keyword.remove_prefix(1);
    const bool hyperlink = keyword.substr(0, 9) == u"HYPERLINK" && (keyword.size() == 9 || keyword[9] == u' ');
    int first = -1;
    // Check boxes and lists usually have no result, so no separator either.
    if (((hyperlink && separated) || begin.FFData) && beginPara == &para)
        for (int i = runs.Count() - 1; i >= 0; --i)
            if (runs.Items(i) == beginRun) {
                first = i;
                break;
            }
    if (first >= 0 && begin.FFData) {
        // A form field: its result is the text after the separator.
        std::u16string result;
        bool plain = true;
        bool afterSeparate = false;
        for (int i = first + 1; i < runs.Count() && plain; ++i) {
            const TVYXCharRun* r = runs.Items(i);
            if (r->Type_() == acrtFldChar)
                afterSeparate = afterSeparate || static_cast<const TVYXCharRunFldChar*>(r)->FldCharType == acrfctSeparate;
            else if (r->Type_() == acrtText && afterSeparate)
                result += r->Text();
            else if (r->Type_() == acrtLinked)
                plain = static_cast<const TVYXCharRunLinked*>(r)->LinkedType == acrltBookmark;
            else if (r->Type_() != acrtInstrText && r->Type_() != acrtText)
                plain = false;
        }
        if (plain && MakeFormField(para, begin, first, result))
            return;
        first = -1;
    }
    std::u16string url, anchor;
    if (first >= 0)
        ParseHyperlinkInstr(instr, url, anchor);
    if (first < 0 || (url.empty() && anchor.empty())) {
        if (!separated && (!instrRest.empty() || begin.InstrShown == 0))
            runs.AddInstrText(instrRest, &chpx);
        runs.AddFldChar(acrfctEnd, &chpx);
        return;
    }
    // begin, instruction, separate, result...: only text in the result.
    int separate = -1;
    for (int i = first + 1; i < runs.Count(); ++i) {
        const TVYXCharRun* r = runs.Items(i);
        if (r->Type_() == acrtFldChar) {
            if (separate >= 0 || static_cast<const TVYXCharRunFldChar*>(r)->FldCharType != acrfctSeparate)
                separate = -2;
            else
                separate = i;
        } else if (r->Type_() != acrtInstrText && r->Type_() != acrtText) {
            separate = -2;
        }
        if (separate == -2)
            break;
    }
    bool anyText = false;
    for (int i = separate + 1; separate >= 0 && i < runs.Count(); ++i)
        anyText = anyText || !runs.Items(i)->Text().empty();
    if (separate < 0 || !anyText) {
        runs.AddFldChar(acrfctEnd, &chpx);
        return;
    }
    TVYXHyperlink* link = url.empty() ? FDoc.Hyperlinks().Add(anchor, ahtBookmark)
                                      : FDoc.Hyperlinks().Add(anchor.empty() ? url : url + u"#" + anchor, ahtURL);
    std::vector<std::pair<std::u16string, std::unique_ptr<TVYXCHPX>>> result;
    for (int i = separate + 1; i < runs.Count(); ++i) {
        const TVYXCharRun* r = runs.Items(i);
        if (r->Text().empty())
            continue;
        auto copy = std::make_unique<TVYXCHPX>(&FDoc.GetMasterCHP());
        if (r->CHPX())
            copy->Assign(*r->CHPX(), &FDoc.Styles(), &FDoc.Styles());
        result.emplace_back(r->Text(), std::move(copy));
    }
    while (runs.Count() > first)
        runs.Detach(runs.Count() - 1);
    for (const auto& [text, format] : result)
        runs.AddHyperlink(link, text, format.get());
}

// Replaces the runs from `first` on (a form field's begin mark, instruction and
// result) with the model's form field; false when the data names no form.
bool TVYXReadDOCX::TImpl::MakeFormField(TVYXLogPara& para, const TFieldBegin& begin, int first,
                                        const std::u16string& result)
{
    const TDxTree& t = *begin.Tree;
    const TDxNode& ff = *begin.FFData;
    const TDxNode* text = t.Find(ff, dxeTextInput);
    const TDxNode* check = t.Find(ff, dxeCheckBox);
    const TDxNode* list = t.Find(ff, dxeDdList);
    if (!text && !check && !list)
        return false;
    auto val16 = [&](TDocxElement e) {
        const TDxNode* n = t.Find(ff, e);
        return n ? t.Value16(*n, "val") : std::u16string();
    };
    const std::u16string name = val16(dxeName);
    TVYXCharRuns& runs = para.CharRuns();
    // Bookmarks inside (Word names one after each form field) move in front of it:
    // the same run objects, so their ranges stay intact.
    std::vector<std::unique_ptr<TVYXCharRun>> marks;
    while (runs.Count() > first) {
        std::unique_ptr<TVYXCharRun> run = runs.Detach(runs.Count() - 1);
        if (run && run->Type_() == acrtLinked)
            marks.push_back(std::move(run));
    }
    for (auto it = marks.rbegin(); it != marks.rend(); ++it)
        runs.Add(std::move(*it));
    TVYXComplexField* field = nullptr;
    if (check) {
        bool checked = false;
        if (const TDxNode* c = t.Find(*check, dxeChecked))
            checked = t.OnOff(*c);
        else if (const TDxNode* d = t.Find(*check, dxeDefault))
            checked = t.OnOff(*d);
        field = para.AppendFormFieldCheckBox(name, checked);
        if (TVYXComplexFieldCheckBox* data = field ? field->GetAsCheckBox() : nullptr) {
            if (const TDxNode* d = t.Find(*check, dxeDefault))
                data->Default = t.OnOff(*d);
            if (const TDxNode* size = t.Find(*check, dxeSize)) {
                data->Size = static_cast<double>(std::clamp(t.Int(*size, "val", 20), 2LL, 3168LL)) / 2.0;
                data->AutoSize = false;
            }
        }
    } else if (list) {
        std::vector<std::u16string> values;
        for (const TDxNode* e = t.Child(*list); e; e = t.Next(*e))
            if (e->Elem == dxeListEntry && values.size() < 1000)
                values.push_back(t.Value16(*e, "val"));
        const TDxNode* res = t.Find(*list, dxeResult);
        const auto index = static_cast<std::int32_t>(std::clamp(res ? t.Int(*res, "val", 0) : 0LL, 0LL, 1000LL));
        field = para.AppendFormFieldComboBox(name, values, index);
        if (TVYXComplexFieldList* data = field ? field->GetAsComboBox() : nullptr)
            if (const TDxNode* d = t.Find(*list, dxeDefault))
                data->Default = static_cast<std::int32_t>(std::clamp(t.Int(*d, "val", 0), 0LL, 1000LL));
    } else {
        field = para.AppendFormFieldText(name, result);
        if (TVYXComplexFieldText* data = field ? field->GetAsText() : nullptr) {
            for (const TDxNode* c = t.Child(*text); c; c = t.Next(*c)) {
                if (c->Elem == dxeDefault)
                    data->Default = t.Value16(*c, "val");
                else if (c->Elem == dxeFormat)
                    data->Format = t.Value16(*c, "val");
                else if (c->Elem == dxeMaxLength)
                    data->MaxLength = static_cast<std::int32_t>(std::clamp(t.Int(*c, "val", 0), 0LL, 32767LL));
                else if (c->Elem == dxeType) {
                    const std::string v = t.Value(*c, "val");
                    data->TextType = v == "number" ? acfttNumber : v == "date" ? acfttDate : v == "currentTime" ? acfttCurrentTime
                                     : v == "currentDate" ? acfttCurrentDate : v == "calculated" ? acfttCalculated : acfttRegular;
                }
            }
        }
    }
    if (!field)
        return true;
    field->HelpText = val16(dxeHelpText);
    field->StatusText = val16(dxeStatusText);
    field->EntryMacro = val16(dxeEntryMacro);
    field->ExitMacro = val16(dxeExitMacro);
    if (const TDxNode* e = t.Find(ff, dxeEnabled))
        field->Enabled = t.OnOff(*e);
    if (const TDxNode* c = t.Find(ff, dxeCalcOnExit))
        field->CalcOnExit = t.OnOff(*c);
    return true;
}
