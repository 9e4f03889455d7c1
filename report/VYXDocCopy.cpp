// VYXDocCopy.cpp: taking the template body apart, copying its items and filling their fields.
#include "report/VYXDocCopy.h"

#include <algorithm>
#include <vector>

#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"
#include "report/VYXMergeFields.h"

namespace {
void ForEachParaIn(TVYXLogParas& paras, const std::function<void(TVYXLogPara&)>& visit, int from)
{
    for (int i = from; i < paras.Count(); ++i) {
        TVYXLogParaItem* item = paras.GetItems(i);
        if (!item->IsTable()) {
            visit(static_cast<TVYXLogPara&>(*item));
            continue;
        }
        auto& table = static_cast<TVYXTable&>(*item);
        for (int r = 0; r < table.Count(); ++r) {
            TVYXTableRow& row = *table.GetRows(r);
            for (int c = 0; c < row.Count(); ++c)
                ForEachParaIn(row.GetCells(c)->Paras(), visit, 0);
        }
    }
}

struct TStripped {
    std::vector<std::u16string> Bookmarks;
    bool Permissions = false;
};

void StripLinked(TVYXLogPara& para, TStripped& stripped)
{
    TVYXCharRuns& runs = para.CharRuns();
    for (int i = runs.Count() - 1; i >= 0; --i) {
        auto* linked = dynamic_cast<TVYXCharRunLinked*>(runs.Items(i));
        if (!linked || linked->LinkedType == acrltComplexField || linked->LinkedType == acrltRevision)
            continue;
        if (const TVYXBookmark* b = VYXAsBookmark(*linked))
            stripped.Bookmarks.push_back(b->Name);
        if (linked->LinkedType == acrltPermission)
            stripped.Permissions = true;
        runs._DeleteLinked(i);
    }
}

using TRuns = std::vector<std::unique_ptr<TVYXCharRun>>;

bool IsFldChar(const TVYXCharRun& run, TVYXCharRunFldCharType type)
{
    return run.Type_() == acrtFldChar && static_cast<const TVYXCharRunFldChar&>(run).FldCharType == type;
}

// The text between a complex field's separate and end runs, nested fields included.
std::u16string ResultText(const TRuns& runs, std::size_t from, std::size_t end)
{
    std::u16string text;
    for (std::size_t i = from; i < end; ++i)
        if (runs[i]->Type_() == acrtText)
            text += runs[i]->Text();
    return text;
}

// A complex field from its begin run at `begin`: its instruction (nested fields
// evaluated), the format of its result and the index of its end run; -1 when its
// end is not in this paragraph. Nesting is bounded by the runs of one paragraph.
struct TComplex {
    std::u16string Instruction;
    const TVYXCHPX* Format = nullptr;
    long End = -1;
};

TComplex ParseComplex(const TRuns& runs, std::size_t begin, const TVYXFieldEvaluator& evaluate, int depth)
{
    TComplex field;
    if (depth > 20)  // a nest this deep is no template anyone wrote: leave it alone
        return field;
    bool separated = false;
    std::size_t separate = 0;
    const TVYXCHPX* instrFormat = nullptr;
    for (std::size_t i = begin + 1; i < runs.size(); ++i) {
        const TVYXCharRun& run = *runs[i];
        if (IsFldChar(run, acrfctBegin)) {
            const TComplex inner = ParseComplex(runs, i, evaluate, depth + 1);
            if (inner.End < 0)
                return field;
            if (!separated) {
                std::optional<std::u16string> result = evaluate(inner.Instruction);
                if (!result) {
                    // Not ours to evaluate (PAGE, REF ...): the nested field keeps the result it shows.
                    std::size_t sep = i + 1;
                    while (sep < static_cast<std::size_t>(inner.End) && !IsFldChar(*runs[sep], acrfctSeparate))
                        ++sep;
                    result = ResultText(runs, sep, static_cast<std::size_t>(inner.End));
                }
                field.Instruction += cVYXNestedOpen + *result + cVYXNestedClose;
            }
            i = static_cast<std::size_t>(inner.End);
            continue;
        }
        if (IsFldChar(run, acrfctSeparate) && !separated) {
            separated = true;
            separate = i;
            continue;
        }
        if (IsFldChar(run, acrfctEnd)) {
            field.End = static_cast<long>(i);
            field.Format = instrFormat;
            for (std::size_t r = separated ? separate + 1 : i; r < i; ++r)
                if (runs[r]->Type_() == acrtText) {
                    field.Format = runs[r]->CHPX();
                    break;
                }
            return field;
        }
        if (!separated && run.Type_() == acrtInstrText) {
            field.Instruction += static_cast<const TVYXCharRunInstrText&>(run).InstrText;
            if (!instrFormat)
                instrFormat = run.CHPX();
        }
    }
    return field;
}

// A copied run shares its simple field with the run it was copied from: the copy gets
// a field of its own, one per source field, which the pieces of that field share.
void OwnFieldsIn(TVYXLogPara& para)
{
    TVYXCharRuns& runs = para.CharRuns();
    std::vector<std::pair<const TVYXMarkupObject*, TVYXCharRunSimpleField*>> made;
    for (int i = 0; i < runs.Count(); ++i) {
        auto* run = dynamic_cast<TVYXCharRunSimpleField*>(runs.Items(i));
        const auto* source = run ? dynamic_cast<const TVYXSimpleField*>(run->SimpField()) : nullptr;
        if (!source)
            continue;
        auto it = std::find_if(made.begin(), made.end(), [source](const auto& m) { return m.first == source; });
        if (it != made.end()) {
            run->ShareField(*it->second);
            continue;
        }
        std::unique_ptr<TVYXSimpleField> own = CreateSimpleField(source->InstrText());
        own->Assign(*source);
        run->SetField(std::move(own));
        made.emplace_back(source, run);
    }
}
}  // namespace

void VYXForEachPara(TVYXLogParas& paras, const std::function<void(TVYXLogPara&)>& visit, int from)
{
    ForEachParaIn(paras, visit, from);
}

void VYXOwnFields(TVYXLogPara& para) { OwnFieldsIn(para); }

std::unique_ptr<TVYXLogParas> VYXTakeBody(TVYXLogDocument& doc)
{
    std::unique_ptr<TVYXLogParas> hold = doc.CreateParas();
    TVYXLogParas& body = doc.Paras();
    {
        TVYXLogParasUpdate update(*hold);
        while (body.Count() > 0)
            hold->InsertItem(-1, body.Extract(0));
    }
    TStripped stripped;
    ForEachParaIn(*hold, [&stripped](TVYXLogPara& para) { StripLinked(para, stripped); }, 0);
    for (const std::u16string& name : stripped.Bookmarks)
        doc.Bookmarks().Delete(name);
    if (stripped.Permissions)
        doc.Permissions().Clear();
    return hold;
}

void VYXDropComments(TVYXLogDocument& doc, const std::vector<TVYXLogParas*>& others)
{
    const auto drop = [](TVYXLogPara& para) {
        TVYXCharRuns& runs = para.CharRuns();
        for (int i = runs.Count() - 1; i >= 0; --i) {
            auto* linked = dynamic_cast<TVYXCharRunLinked*>(runs.Items(i));
            if (linked && linked->LinkedType == acrltComment)
                runs._DeleteLinked(i);
        }
    };
    ForEachParaIn(doc.Paras(), drop, 0);
    for (TVYXLogParas* paras : others)
        ForEachParaIn(*paras, drop, 0);
    doc.Comments().Clear();
}

TVYXLogParaItem& VYXAppendCopy(TVYXLogParas& target, const TVYXLogParaItem& item)
{
    TVYXLogParaItem* copy = target.InsertItem(-1, item.Clone(&target));
    if (copy->IsTable()) {
        auto& table = static_cast<TVYXTable&>(*copy);
        for (int r = 0; r < table.Count(); ++r)
            for (int c = 0; c < table.GetRows(r)->Count(); ++c)
                ForEachParaIn(table.GetRows(r)->GetCells(c)->Paras(), OwnFieldsIn, 0);
    } else {
        OwnFieldsIn(static_cast<TVYXLogPara&>(*copy));
    }
    return *copy;
}

void VYXAddValueRuns(TVYXCharRuns& runs, std::u16string_view text, const TVYXCHPX* chpx)
{
    std::size_t start = 0;
    bool any = false;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        const char16_t c = end ? 0 : text[i];
        if (!end && c != u'\r' && c != u'\n' && c != u'\t')
            continue;
        if (i > start || (end && !any)) {
            runs.Add(chpx)->SetRawText(text.substr(start, i - start));
            any = true;
        }
        if (end)
            break;
        if (c == u'\t')
            runs.AddTab(chpx);
        else {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            runs.AddBreak(acrbtLineBreak, chpx);
        }
        any = true;
        start = i + 1;
    }
}

int VYXFillFields(TVYXLogPara& para, const TVYXFieldEvaluator& evaluate, const TVYXRunMaker& make)
{
    TVYXCharRuns& runs = para.CharRuns();
    bool anyField = false;
    for (int i = 0; i < runs.Count() && !anyField; ++i) {
        const TVYXCharRunType type = runs.Items(i)->Type_();
        anyField = type == acrtSimpleField || type == acrtFldChar;
    }
    if (!anyField)
        return 0;
    // Runs are taken out and put back in order, so a paragraph of thousands of
    // fields costs one pass instead of a shift per replaced field.
    runs.BeginUpdate();
    TRuns old;
    old.reserve(static_cast<std::size_t>(runs.Count()));
    while (runs.Count() > 0)
        old.push_back(runs.Detach(runs.Count() - 1));
    std::reverse(old.begin(), old.end());
    int replaced = 0;
    for (std::size_t i = 0; i < old.size();) {
        TVYXCharRun& run = *old[i];
        if (run.Type_() == acrtSimpleField) {
            const auto* field = dynamic_cast<const TVYXSimpleField*>(static_cast<TVYXCharRunSimpleField&>(run).SimpField());
            if (const auto result = field ? evaluate(field->InstrText()) : std::nullopt) {
                if (!make || !make(field->InstrText(), *result, runs, run.CHPX()))
                    VYXAddValueRuns(runs, *result, run.CHPX());
                ++replaced;
                ++i;
                continue;
            }
        } else if (IsFldChar(run, acrfctBegin)) {
            const TComplex field = ParseComplex(old, i, evaluate, 0);
            if (field.End >= 0) {
                const auto end = static_cast<std::size_t>(field.End);
                if (const auto result = evaluate(field.Instruction)) {
                    if (!make || !make(field.Instruction, *result, runs, field.Format))
                        VYXAddValueRuns(runs, *result, field.Format);
                    ++replaced;
                    i = end + 1;
                    continue;
                }
                for (; i <= end; ++i)
                    runs.Add(std::move(old[i]));
                continue;
            }
        }
        runs.Add(std::move(old[i]));
        ++i;
    }
    if (runs.Count() == 0)
        runs.Add();
    runs.EndUpdate();
    para.MakeDirty();
    return replaced;
}

int VYXFillFields(TVYXLogParas& paras, const TVYXFieldEvaluator& evaluate, int from)
{
    int replaced = 0;
    ForEachParaIn(paras, [&](TVYXLogPara& para) { replaced += VYXFillFields(para, evaluate); }, from);
    return replaced;
}
