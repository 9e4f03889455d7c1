// VYXLogParaMarkup.cpp: what a paragraph carries besides its text: bookmarks, comments,
// simple and form fields, hyperlinks over existing text and table-of-contents entries.
#include "model/VYXLogParas.h"

#include <algorithm>

#include "model/VYXDocData.h"
#include "model/VYXFields.h"
#include "model/VYXRootData.h"
#include "model/VYXStyles.h"

// ---- Bookmarks ---------------------------------------------------------------

TVYXBookmark* TVYXLogPara::InsertBookmark(std::u16string_view name, std::int32_t from, std::int32_t to,
                                          TVYXLogPara* lastPara)
{
    TVYXRootData* root = Root();
    if (!root || !root->Bookmarks() || root->Bookmarks()->Find(name))
        return nullptr;
    if (!lastPara)
        lastPara = this;
    from = std::clamp(from, 1, EndOfParaPos());
    to = std::clamp(to, lastPara == this ? from : 1, lastPara->EndOfParaPos());
    lastPara->RunBoundaryAt(to);
    const int first = RunBoundaryAt(from);
    const int lastIndex = lastPara->RunBoundaryAt(to);  // again: the split for `from` may shift it
    TVYXBookmark* mark = root->Bookmarks()->Add(name);
    auto range = VYXInsertLinkedRange(mark, acrltBookmark, FCharRuns, first, lastPara->CharRuns(), lastIndex);
    range->FirstPara = this;
    range->LastPara = lastPara;
    mark->Selection = std::move(range);
    FCharRuns.Reindex();
    lastPara->CharRuns().Reindex();
    MakeDirty();
    lastPara->MakeDirty();
    return mark;
}

TVYXBookmark* TVYXLogPara::AppendBookmark(std::u16string_view name)
{
    TVYXRootData* root = Root();
    if (!root || !root->Bookmarks() || root->Bookmarks()->Find(name))
        return nullptr;
    TVYXBookmark* mark = root->Bookmarks()->Add(name);
    OpenRange(*mark, acrltBookmark);
    return mark;
}

void TVYXLogPara::OpenRange(TVYXMarkup& markup, TVYXCharRunLinkedType type)
{
    auto range = std::make_unique<TVYXFieldSelectionImpl>();
    range->FirstRun = FCharRuns.AddLinked(nullptr, &markup, type);
    range->FirstPara = this;
    markup.Selection = std::move(range);
    MakeDirty();
}

TVYXCharRunLinked* TVYXLogPara::EndBookmark(TVYXMarkup& markup)
{
    auto* range = dynamic_cast<TVYXFieldSelectionImpl*>(markup.Selection.get());
    if (!range || !range->FirstRun || range->LastRun)
        return nullptr;
    TVYXCharRunLinked* end = FCharRuns.AddLinked(nullptr, &markup, range->FirstRun->LinkedType);
    range->FirstRun->LinkTo(*end);
    range->LastRun = end;
    range->LastPara = this;
    MakeDirty();
    return end;
}

TVYXComment* TVYXLogPara::AppendComment(TVYXComments& comments, std::unique_ptr<TVYXComment> comment)
{
    if (!comment)
        return nullptr;
    TVYXComment* added = comments.Add(std::move(comment));
    OpenRange(*added, acrltComment);
    return added;
}

TVYXCharRunLinked* TVYXLogPara::EndComment(TVYXComment& comment) { return EndBookmark(comment); }

// ---- Simple fields -----------------------------------------------------------

namespace {
std::u16string FieldResult(const TVYXSimpleField& field, std::u16string_view result)
{
    return result.empty() ? field.AsText() : std::u16string(result);
}
}  // namespace

TVYXCharRunSimpleField* TVYXLogPara::InsertField(std::int32_t pos, std::u16string_view instruction,
                                                 std::u16string_view result)
{
    auto field = CreateSimpleField(instruction);
    const std::u16string text = FieldResult(*field, result);
    const TVYXCHPX* chpx = nullptr;
    const int index = InsertionIndex(pos, chpx);
    return FCharRuns.InsertSimpleField(index, std::move(field), text, chpx);
}

TVYXCharRunSimpleField* TVYXLogPara::AppendField(std::u16string_view instruction, std::u16string_view result)
{
    auto field = CreateSimpleField(instruction);
    const std::u16string text = FieldResult(*field, result);
    TVYXCharRunSimpleField* run = FCharRuns.AddSimpleField(std::move(field), text, LastCHPX());
    MakeDirty();
    return run;
}

// ---- Table of contents -------------------------------------------------------

TVYXLogPara* TVYXLogParas::AddTOCItem(std::u16string_view styleId, std::u16string_view text)
{
    TVYXLogPara* para = AppendPara();
    para->UseStyle(styleId);
    TVYXCharRuns& runs = para->CharRuns();
    runs.AddTOCItem(text, para->LastCHPX());
    // The new paragraph's empty run would lead the entry; the entry brings its own runs.
    if (runs.Count() > 1 && runs.Items(0)->Type_() == acrtText && runs.Items(0)->Len() == 0)
        runs.Delete(0);
    para->MakeDirty();
    return para;
}

TVYXLogPara* TVYXLogParas::AddTOCReference(TVYXLogPara& para, std::u16string_view styleId, std::u16string_view text)
{
    TVYXLogPara* entry = AddTOCItem(styleId, text);
    for (int i = entry->Count() - 1; i >= 0; --i)
        if (auto* instr = dynamic_cast<TVYXCharRunInstrText*>(entry->GetItems(i)); instr && !instr->InstrId.empty()) {
            para.InsertBookmark(instr->InstrId, 1, para.EndOfParaPos());
            break;
        }
    return entry;
}

// ---- Form fields -------------------------------------------------------------

TVYXComplexField* TVYXLogPara::InsertFormField(std::int32_t pos, std::unique_ptr<TVYXComplexField> field,
                                               std::u16string_view result)
{
    TVYXCharRuns& runs = FCharRuns;
    const int at = pos >= EndOfParaPos() ? runs.Count() : RunBoundaryAt(std::max(pos, 1));
    // The runs from the place on step aside while the field's runs are appended.
    std::vector<std::unique_ptr<TVYXCharRun>> tail;
    while (runs.Count() > at)
        tail.push_back(runs.Detach(runs.Count() - 1));
    const TVYXCHPX* chpx = at > 0 ? runs.Items(at - 1)->CHPX() : (tail.empty() ? nullptr : tail.back()->CHPX());
    runs.AddFldChar(acrfctBegin, chpx);
    runs.AddInstrText(field->InstrText(), chpx);
    runs.AddFldChar(acrfctSeparate, chpx);
    TVYXCharRunLinked* first = runs.AddLinked(chpx, field.get(), acrltComplexField);
    runs.Add(chpx)->SetRawText(result);
    TVYXCharRunLinked* last = runs.AddLinked(chpx, field.get(), acrltComplexField);
    first->LinkTo(*last);
    runs.AddFldChar(acrfctEnd, chpx);
    auto range = std::make_unique<TVYXFieldSelectionImpl>();
    range->FirstRun = first;
    range->LastRun = last;
    range->FirstPara = range->LastPara = this;
    field->SetSelection(std::move(range));
    TVYXComplexField* added = field.get();
    first->SetField(std::move(field));
    // Both boundaries hold the field: either may leave the body first.
    last->ShareField(*first);
    for (auto it = tail.rbegin(); it != tail.rend(); ++it)
        runs.Add(std::move(*it));
    runs.Reindex();
    MakeDirty();
    return added;
}

TVYXComplexField* TVYXLogPara::InsertFormFieldText(std::int32_t pos, std::u16string_view name,
                                                   std::u16string_view text)
{
    auto field = std::make_unique<TVYXComplexField>();
    field->SetType(acftFormText);
    field->Name = std::u16string(name);
    return InsertFormField(pos, std::move(field), text);
}

TVYXComplexField* TVYXLogPara::InsertFormFieldCheckBox(std::int32_t pos, std::u16string_view name, bool checked)
{
    auto field = std::make_unique<TVYXComplexField>();
    field->SetType(acftFormCheckBox);
    field->Name = std::u16string(name);
    field->GetAsCheckBox()->Checked = checked;
    return InsertFormField(pos, std::move(field), {});
}

TVYXComplexField* TVYXLogPara::InsertFormFieldComboBox(std::int32_t pos, std::u16string_view name,
                                                       const std::vector<std::u16string>& values, std::int32_t result)
{
    auto field = std::make_unique<TVYXComplexField>();
    field->SetType(acftFormList);
    field->Name = std::u16string(name);
    TVYXComplexFieldList* list = field->GetAsComboBox();
    list->Values = values;
    list->Result = result;
    const std::u16string text = list->GetText();
    return InsertFormField(pos, std::move(field), text);
}

// ---- Hyperlinks over existing text ---------------------------------------------

int TVYXLogPara::MakeHyperlink(TVYXHyperlink* link, std::int32_t from, std::int32_t to)
{
    if (!link)
        return 0;
    from = std::clamp(from, 1, EndOfParaPos());
    to = std::clamp(to, from, EndOfParaPos());
    if (from == to)
        return 0;
    RunBoundaryAt(to);
    const int first = RunBoundaryAt(from);
    const int end = RunBoundaryAt(to);  // again: the split for `from` may shift it
    TVYXCharStyle* style = nullptr;
    if (TVYXRootData* root = Root(); root && root->Styles())
        style = dynamic_cast<TVYXCharStyle*>(root->Styles()->Find(u"Hyperlink"));
    std::vector<TVYXCharRunHyperlink*> made;
    for (int i = first; i < end; ++i)
        if (FCharRuns.Items(i)->Type_() == acrtText) {
            TVYXCharRunHyperlink* run = FCharRuns.MakeHyperlink(link, i);
            if (style)
                (run->CHPX() ? run->CHPX() : run->AddCHPX())->SetStyle(style);
            link->Use();
            made.push_back(run);
        }
    if (!made.empty()) {
        made.front()->HLinkFirst = true;
        made.back()->HLinkLast = true;
    }
    MakeDirty();
    return static_cast<int>(made.size());
}
