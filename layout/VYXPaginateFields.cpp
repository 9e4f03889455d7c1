// VYXPaginateFields.cpp: the paginator's field texts: page numbers with their switches, page
// fields in simple and complex form, and list labels counted in document order.
#include "layout/VYXPaginateImpl.h"

#include <algorithm>
#include <cmath>

#include "editing/VYXFieldUpdate.h"
#include "editing/VYXLogEditor.h"
#include "layout/VYXGDIAbstract.h"
#include "layout/VYXTableExtents.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"

using vyx_paginate::RowsOf;

namespace {

// The "\*" case switch of a field: Upper, Lower, FirstCap (first letter of the
// text) or Caps (first letter of each word).
std::u16string ApplyCaseSwitch(std::u16string text, std::u16string_view instruction)
{
    const std::size_t at = instruction.find(u"\\*");
    if (at == std::u16string_view::npos)
        return text;
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
    std::size_t s = at + 2;
    while (s < instruction.size() && instruction[s] == u' ')
        ++s;
    std::u16string word;
    for (; s < instruction.size() && instruction[s] != u' ' && instruction[s] != u'\\'; ++s)
        word += upper(instruction[s]);
    if (word == u"UPPER") {
        std::transform(text.begin(), text.end(), text.begin(), upper);
    } else if (word == u"LOWER") {
        std::transform(text.begin(), text.end(), text.begin(), lower);
    } else if (word == u"FIRSTCAP") {
        if (!text.empty())
            text[0] = upper(text[0]);
    } else if (word == u"CAPS") {
        for (std::size_t i = 0; i < text.size(); ++i)
            text[i] = (i == 0 || text[i - 1] == u' ') ? upper(text[i]) : lower(text[i]);
    }
    return text;
}

// A page number with the field's switches: "\\* roman", "\\* ROMAN", "\\* alphabetic",
// "\\* ALPHABETIC" pick the numbering; other words of "\\*" change case as for any field.
std::u16string FormatPageNumber(int n, std::u16string_view instruction)
{
    const std::size_t at = instruction.find(u"\\*");
    if (at != std::u16string_view::npos) {
        std::size_t s = at + 2;
        while (s < instruction.size() && instruction[s] == u' ')
            ++s;
        std::size_t e = s;
        while (e < instruction.size() && instruction[e] != u' ' && instruction[e] != u'\\')
            ++e;
        const std::u16string_view word = instruction.substr(s, e - s);
        if (word == u"roman")
            return FormatListCounter(n, anstLowerRoman);
        if (word == u"ROMAN")
            return FormatListCounter(n, anstUpperRoman);
        if (word == u"alphabetic")
            return FormatListCounter(n, anstLowerLetter);
        if (word == u"ALPHABETIC")
            return FormatListCounter(n, anstUpperLetter);
    }
    const std::string digits = std::to_string(n);
    return ApplyCaseSwitch(std::u16string(digits.begin(), digits.end()), instruction);
}

// A page-number field written in the complex form: its keyword, its instruction and
// whether `run` is the first text run of its result (the one that shows the number).
struct TVYXComplexPageField {
    std::u16string Key;
    std::u16string Instruction;
    bool First = false;
};

bool IsPageKeyword(std::u16string_view key)
{
    return key == u"PAGE" || key == u"NUMPAGES" || key == u"SECTIONPAGES";
}

// Walks back from a text run to the separator of the field whose result holds it
// (fields nested in that result are stepped over), then on to its begin, collecting
// the instruction; nothing when the run lies outside any field's result.
std::optional<TVYXComplexPageField> ComplexPageField(const TVYXCharRun& run)
{
    if (run.Type_() != acrtText || !run.Parent())
        return std::nullopt;
    const TVYXCharRuns& runs = *run.Parent();
    int depth = 0, separate = -1;
    bool first = true;
    for (int r = run.Index() - 1; r >= 0 && separate < 0; --r) {
        const TVYXCharRun* item = runs.Items(r);
        if (item->Type_() == acrtText && depth == 0 && !item->Text().empty())
            first = false;
        if (item->Type_() != acrtFldChar)
            continue;
        const auto type = static_cast<const TVYXCharRunFldChar*>(item)->FldCharType;
        if (type == acrfctEnd)
            ++depth;
        else if (type == acrfctBegin && depth-- == 0)
            return std::nullopt;  // the run belongs to an instruction
        else if (type == acrfctSeparate && depth == 0)
            separate = r;
    }
    if (separate < 0)
        return std::nullopt;
    std::u16string instruction;
    depth = 0;
    for (int r = separate - 1; r >= 0; --r) {
        const TVYXCharRun* item = runs.Items(r);
        if (item->Type_() == acrtInstrText && depth == 0)
            instruction.insert(0, static_cast<const TVYXCharRunInstrText*>(item)->InstrText);
        if (item->Type_() != acrtFldChar)
            continue;
        const auto type = static_cast<const TVYXCharRunFldChar*>(item)->FldCharType;
        if (type == acrfctEnd)
            ++depth;
        else if (type == acrfctBegin && depth-- == 0)
            break;
    }
    std::u16string key = VYXFieldKeyword(instruction);
    if (!IsPageKeyword(key))
        return std::nullopt;
    return TVYXComplexPageField{std::move(key), std::move(instruction), first};
}

}  // namespace

std::u16string TVYXPaginatorDoc::FieldText(const TVYXCharRun& run)
{
    if (run.Type_() != acrtSimpleField) {
        // The result of a complex field: page numbers get their placeholder in the
        // first result run, the rest of the old result shows nothing.
        if (const auto page = ComplexPageField(run))
            return page->First ? u"88" : u"";
        return run.GetText();
    }
    const auto& fieldRun = static_cast<const TVYXCharRunSimpleField&>(run);
    auto* field = dynamic_cast<TVYXSimpleField*>(fieldRun.SimpField());
    if (!field)
        return run.GetText();
    const std::u16string key = VYXFieldKeyword(field->InstrText());
    // Page numbers are known only once pages exist: two digits hold their place.
    if (key == u"PAGE" || key == u"NUMPAGES" || key == u"SECTIONPAGES")
        return u"88";
    std::u16string text;
    if (key == u"AUTHOR") {
        text = FDoc.Author().empty() ? run.GetText() : std::u16string(FDoc.Author());
    } else {
        std::optional<std::u16string> result;
        if (FFieldPara)
            result = FFields->FieldResult(*field, *FFieldPara, FDoc);
        text = result ? *result : run.GetText();
    }
    return ApplyCaseSwitch(text, field->InstrText());
}

std::optional<std::u16string> TVYXPaginatorDoc::PageFieldText(const TVYXCharRun& run, const TVYXPhyPage& page) const
{
    std::u16string key, instruction;
    if (run.Type_() == acrtSimpleField) {
        auto* field = dynamic_cast<TVYXSimpleField*>(static_cast<const TVYXCharRunSimpleField&>(run).SimpField());
        if (!field)
            return std::nullopt;
        instruction = field->InstrText();
        key = VYXFieldKeyword(instruction);
        if (!IsPageKeyword(key))
            return std::nullopt;
    } else {
        auto complex = ComplexPageField(run);
        if (!complex)
            return std::nullopt;
        if (!complex->First)
            return std::u16string();
        key = std::move(complex->Key);
        instruction = std::move(complex->Instruction);
    }
    int n = page.Index + 1;
    if (key == u"NUMPAGES") {
        n = FPages.Count();
    } else if (key == u"SECTIONPAGES") {
        n = 0;
        for (int i = 0; i < FPages.Count(); ++i)
            n += FPages.GetItems(i).SectionIndex == page.SectionIndex ? 1 : 0;
    }
    return FormatPageNumber(n, instruction);
}

std::u16string TVYXPaginatorDoc::DoParaNumbering(TVYXLogPara& para, TVYXNumbering* level)
{
    if (!level)
        level = para.PAPX().GetNumbering();
    if (!level || level->Style == anstNone)
        return {};
    const int id = level->NumList() ? level->NumList()->Id : 0;
    std::size_t slot = 0;
    while (slot < FCounterIds.size() && FCounterIds[slot] != id)
        ++slot;
    if (slot == FCounterIds.size()) {
        FCounterIds.push_back(id);
        FCounters.emplace_back(9, 0);
    }
    std::vector<int>& counters = FCounters[slot];
    const int lv = std::clamp(level->Level, 0, 8);
    counters[static_cast<std::size_t>(lv)] =
        counters[static_cast<std::size_t>(lv)] == 0 ? std::max(level->StartVal, 1) : counters[static_cast<std::size_t>(lv)] + 1;
    for (int d = lv + 1; d < 9; ++d)  // a shallower item restarts the deeper levels
        counters[static_cast<std::size_t>(d)] = 0;
    if (level->Style == anstBullet) {
        std::u16string t = level->Text;
        for (char16_t& c : t)
            if (c >= 0xF000 && c <= 0xF0FF)  // symbol-font bullets
                c = 0x2022;
        return t.empty() ? u"\u2022" : t;
    }
    std::u16string label;
    const std::u16string& text = level->Text;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size() && text[i + 1] >= u'1' && text[i + 1] <= u'9') {
            const int n = text[i + 1] - u'1';
            const TVYXNumbering* src = level->NumList() ? level->NumList()->GetItems(n) : level;
            const int counter = std::max(counters[static_cast<std::size_t>(n)], n <= lv ? 1 : 0);
            label += FormatListCounter(counter, src ? src->Style : level->Style);
            ++i;
        } else {
            label += text[i];
        }
    }
    return label;
}

std::u16string TVYXPaginatorDoc::LabelOf(TVYXLogPara& para)
{
    // A clean paragraph broken without a list has none: adding one made it dirty.
    // A clean one keeps the level it was broken with (changing it makes it dirty).
    const TVYXPhyRows* rows = RowsOf(para);
    if (rows && !para.Dirty)
        return rows->Numbered ? DoParaNumbering(para, rows->NumLevel) : std::u16string();
    return DoParaNumbering(para, nullptr);
}
