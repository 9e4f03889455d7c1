// VYXSelections.cpp: the editor's selections: anchoring, extending, and widening
// ranges whose ends lie in different lists (cells) to what can be edited whole.
#include <algorithm>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXParaProps.h"
#include "platform/VYXException.h"
#include "model/VYXPropValues.h"

void TVYXSelections::DropAnchor()
{
    Anchor.Assign(FDoc.Caret());
    Status = assUpdating;
}

void TVYXSelections::SetToCaret()
{
    Clear();
    Add(FDoc.Caret(), FDoc.Caret());
    Status = assUpdating;
}

void TVYXSelections::ExtendToCaret()
{
    if (!Anchor.Valid())
        DropAnchor();
    Clear();
    const TVYXLogPos& caret = FDoc.Caret();
    if (Anchor.LessEqual(caret))
        Add(Anchor, caret);
    else
        Add(caret, Anchor);
    CheckForCells();
}

void TVYXSelections::Update()
{
    for (int i = 0; i < Count(); ++i) {
        TVYXLogSelection* s = GetItems(i);
        if (s->First.Valid() && s->Last.Valid() && s->Last.Less(s->First))
            std::swap(s->First, s->Last);
    }
    if (Count() > 0 && Last()->IsEmpty())
        Remove(Count() - 1);
    if (Anchor.Valid() && Count() > 0)
        CheckForCells();
    Status = assNone;
}

bool TVYXSelections::IsEmpty() const { return Count() > 0 && First()->IsEmpty(); }

TVYXLogPos TVYXSelections::GetFirstPos() const { return Count() > 0 ? First()->First : FDoc.Caret(); }

TVYXLogPos TVYXSelections::GetLastPos() const { return Count() > 0 ? First()->Last : FDoc.Caret(); }

void TVYXSelections::SelectAll()
{
    Clear();
    TVYXLogSelection* s = Add();
    s->First.Assign(FDoc.FirstPara(), 1);
    s->Last.Assign(FDoc.LastPara(), 1);
    if (!s->First.Para || !s->Last.Para) {
        Clear();
        return;
    }
    s->Last.CharPos = s->Last.Para->EndOfParaPos();
    Anchor.Assign(s->First);
    FDoc.FCaret.Assign(s->Last);
    Status = assNone;
}

bool TVYXSelections::SelectWordAtCaret()
{
    const TVYXLogPos& caret = FDoc.Caret();
    std::int32_t start = 0, end = 0;
    if (!caret.Para || !caret.Para->WordAtPos(caret.CharPos, start, end) || start >= end)
        return false;
    Clear();
    Add(TVYXLogPos(caret.Para, start), TVYXLogPos(caret.Para, end));
    FDoc.FCaret.CharPos = end;
    Status = assNone;
    return true;
}

namespace {

// The chain of lists from the root down to the position's list: for each, the
// item (paragraph or table) on the way.
std::vector<TVYXLogParaItem*> WayDown(const TVYXLogPos& pos)
{
    std::vector<TVYXLogParaItem*> way;
    TVYXLogParaItem* item = pos.Para;
    while (item) {
        way.push_back(item);
        TVYXTableCell* cell = item->Paras() ? item->Paras()->Cell() : nullptr;
        item = cell ? cell->Table() : nullptr;
    }
    std::reverse(way.begin(), way.end());
    return way;
}

TVYXLogPos StartOf(TVYXLogParaItem* item)
{
    if (item->IsPara())
        return TVYXLogPos(static_cast<TVYXLogPara*>(item), 1);
    auto* table = static_cast<TVYXTable*>(item);
    return TVYXLogPos(table->GetRows(0)->FirstPara(), 1);
}

TVYXLogPos EndOf(TVYXLogParaItem* item)
{
    TVYXLogPara* last = nullptr;
    if (item->IsPara())
        last = static_cast<TVYXLogPara*>(item);
    else {
        auto* table = static_cast<TVYXTable*>(item);
        last = table->GetRows(table->Count() - 1)->LastPara();
    }
    return TVYXLogPos(last, last->EndOfParaPos());
}

// The row of the table way[level] that the way goes down through.
TVYXTableRow* RowOnTheWay(const std::vector<TVYXLogParaItem*>& way, std::size_t level)
{
    TVYXTableCell* cell = way[level + 1]->Paras() ? way[level + 1]->Paras()->Cell() : nullptr;
    return cell ? cell->Row() : nullptr;
}

}  // namespace

void TVYXSelections::CheckForCells()
{
    if (Count() == 0)
        return;
    TVYXLogSelection* s = First();
    if (!s->First.Valid() || !s->Last.Valid() || s->First.Para->Paras() == s->Last.Para->Paras())
        return;
    if (s->IsRectCells())
        return;  // cells of one table, at any depth: a rectangle, edited cell-wise
    const std::vector<TVYXLogParaItem*> a = WayDown(s->First), b = WayDown(s->Last);
    std::size_t common = 0;
    while (common < a.size() && common < b.size() && a[common]->Paras() == b[common]->Paras() && a[common] == b[common])
        ++common;
    if (common < a.size() && common < b.size() && a[common]->Paras() == b[common]->Paras()) {
        // The ends meet in one list. Tables lying between them are covered whole; an
        // end inside a table takes that table's rows from its own row toward the other
        // end: the first end to the table's last row, the last end from row 0.
        if (common + 1 < a.size())
            if (TVYXTableRow* row = RowOnTheWay(a, common); row && row->FirstPara())
                s->First.Assign(TVYXLogPos(row->FirstPara(), 1));
        if (common + 1 < b.size())
            if (TVYXTableRow* row = RowOnTheWay(b, common); row && row->LastPara())
                s->Last.Assign(TVYXLogPos(row->LastPara(), row->LastPara()->EndOfParaPos()));
    } else if (common > 0 && common - 1 < a.size()) {
        // Both ends inside one table item but not a rectangle (different nesting):
        // the whole table.
        s->First.Assign(StartOf(a[common - 1]));
        s->Last.Assign(EndOf(a[common - 1]));
    }
}

bool TVYXSelections::GetCellRect(TVYXTable*& table, int& col1, int& row1, int& col2, int& row2) const
{
    if (Count() == 0)
        return false;
    const TVYXLogSelection* s = First();
    if (!s->First.Valid() || !s->Last.Valid())
        return false;
    TVYXTableCell* c1 = s->First.Para->Paras() ? s->First.Para->Paras()->Cell() : nullptr;
    TVYXTableCell* c2 = s->Last.Para->Paras() ? s->Last.Para->Paras()->Cell() : nullptr;
    if (!c1 || !c2 || c1->Table() != c2->Table())
        return false;
    table = c1->Table();
    col1 = std::min(c1->Index(), c2->Index());
    col2 = std::max(c1->Index(), c2->Index());
    row1 = std::min(c1->Row()->Index(), c2->Row()->Index());
    row2 = std::max(c1->Row()->Index(), c2->Row()->Index());
    return true;
}

// ---- Tabs, columns, form fields, tags ------------------------------------------------

bool TVYXSelections::GetEqualTabStops(TVYXTabStops& tabs) const
{
    const std::vector<TVYXLogPara*> paras = FDoc.SelectedParas();
    tabs.Clear();
    if (paras.empty())
        return false;
    const TVYXTabStops* first = paras.front()->GetTabStops();
    auto same = [first](const TVYXTabStops* other) {
        const bool a = first && first->Count() > 0, b = other && other->Count() > 0;
        return a == b && (!a || first->Equal(*other));
    };
    for (const TVYXLogPara* p : paras)
        if (!same(p->GetTabStops()))
            return false;
    if (first)
        tabs.Assign(*first);
    return true;
}

bool TVYXSelections::SetTabStops(const TVYXTabStops& tabs)
{
    const std::vector<TVYXLogPara*> paras = FDoc.SelectedParas();
    return FDoc.ReplaceParaFormats(paras, [&paras, &tabs] {
        for (TVYXLogPara* p : paras) {
            if (tabs.Count() == 0)
                p->PAPX().RemoveTabStops();
            else
                p->AddTabStops()->Assign(tabs);
        }
    });
}

namespace {

// The settings that govern `para`: the section it ends or the next one after it; the
// document's own for the last section.
TVYXSEP& GoverningSEP(TVYXLogDocEditor& doc, TVYXLogPara* para)
{
    TVYXLogPara* owner = para && para->SEP() ? para : para ? para->FindNextSEP() : nullptr;
    return owner && owner->SEP() ? *owner->SEP() : doc.SEP();
}

}  // namespace

int TVYXSelections::GetColumns() const
{
    const std::vector<TVYXLogPara*> paras = FDoc.SelectedParas();
    if (paras.empty())
        return 1;
    return std::max(1, GoverningSEP(FDoc, paras.front()).Cols.Count());
}

bool TVYXSelections::SetColumns(int count, double space)
{
    if (count < 1 || count > 45 || !(space >= 0 && space < 22 * 72))
        return false;
    const std::vector<TVYXLogPara*> paras = FDoc.SelectedParas();
    if (paras.empty())
        return false;
    return FDoc.ChangeSections(paras, [count, space](TVYXSEP& sep) { sep.AddCols(count, space); });
}

bool TVYXLogDocEditor::ChangeSections(const std::vector<TVYXLogPara*>& paras, const std::function<void(TVYXSEP&)>& change)
{
    if (paras.empty())
        return false;
    // Each section once: the paragraphs ending one carry it, the rest is the document's.
    TVYXDocFormats formats;
    std::vector<TVYXLogPara*> owners;
    for (TVYXLogPara* p : paras) {
        TVYXLogPara* owner = p->SEP() ? p : p->FindNextSEP();
        if (!owner || !owner->SEP()) {
            if (!formats.WithDocSEP) {
                std::unique_ptr<TVYXSEP> sep = SEP().Clone();
                change(*sep);
                formats.DocSEP = std::move(sep);
                formats.WithDocSEP = true;
            }
            continue;
        }
        if (std::find(owners.begin(), owners.end(), owner) != owners.end())
            continue;
        owners.push_back(owner);
        std::unique_ptr<TVYXSEP> sep = owner->SEP()->Clone();
        change(*sep);
        auto papx = std::make_unique<TVYXPAPX>(owner->PAPX().PAP());
        papx->Assign(owner->PAPX(), nullptr, nullptr);
        formats.Paras.push_back({AddressOf(TVYXLogPos(owner, 1)), std::move(papx), std::move(sep), true});
    }
    // The range runs over the paragraphs whose sections change (their formats are what
    // an undo puts back), else over the first selected one.
    TVYXLogPara* first = owners.empty() ? paras.front() : owners.front();
    TVYXLogPara* last = owners.empty() ? paras.front() : owners.back();
    formats.Range = {AddressOf(TVYXLogPos(first, 1)), AddressOf(TVYXLogPos(last, last->EndOfParaPos()))};
    if (formats.Range.Last < formats.Range.First)
        std::swap(formats.Range.First, formats.Range.Last);
    try {
        RestoreFormats(formats);
    } catch (const VYXException&) {
        return false;
    }
    Changed();
    return true;
}

bool TVYXLogDocEditor::ChangeAnchoredObject(TVYXGraphicObj& graphic, const std::function<void(TVYXGraphicObj&)>& change)
{
    for (TVYXLogPara* p = FirstPara(); p; p = p->Next()) {
        TVYXGraphicObjList* list = p->Graphics();
        for (int i = 0; list && i < list->Count(); ++i) {
            if (&list->GetItems(i) != &graphic)
                continue;
            std::unique_ptr<TVYXGraphicObj> changed = graphic.Clone();
            change(*changed);
            changed->Precalc();
            TVYXDocFormats formats;
            formats.Range = {AddressOf(TVYXLogPos(p, 1)), AddressOf(TVYXLogPos(p, 1))};
            formats.Objects.push_back({formats.Range.First, i, std::move(changed)});
            RestoreFormats(formats);
            return true;
        }
    }
    return false;
}

int TVYXSelections::CollectFormFields()
{
    FormFields.clear();
    TVYXLogPos first = GetFirstPos(), last = GetLastPos();
    if (!HasSelection() || IsEmpty()) {
        // No selection: the whole document.
        first.Assign(FDoc.FirstPara(), 1);
        last.Assign(FDoc.LastPara(), 1);
        if (!last.Para)
            return 0;
        last.CharPos = last.Para->EndOfParaPos();
    }
    if (!first.Valid() || !last.Valid())
        return 0;
    for (TVYXLogPara* p = first.Para; p; p = p->Next()) {
        for (int i = 0; i < p->Count(); ++i) {
            const TVYXCharRun* run = p->GetItems(i);
            if (run->Type_() != acrtLinked)
                continue;
            TVYXComplexField* field = VYXAsComplex(*static_cast<const TVYXCharRunLinked*>(run));
            if (!field || (field->Type() != acftFormText && field->Type() != acftFormCheckBox &&
                           field->Type() != acftFormList))
                continue;
            if ((p == first.Para && run->StartPos() < first.CharPos) || (p == last.Para && run->StartPos() > last.CharPos))
                continue;
            if (std::find(FormFields.begin(), FormFields.end(), field) == FormFields.end())
                FormFields.push_back(field);
        }
        if (p == last.Para)
            break;
    }
    return static_cast<int>(FormFields.size());
}

namespace {

// A paragraph's characters by position: text as it is, every other character (tabs,
// objects, fields' marks) as U+FFFC, so index i is character position i + 1 and no tag
// is matched across an object.
std::u16string PositionText(const TVYXLogPara& para)
{
    std::u16string text;
    for (int i = 0; i < para.Count(); ++i) {
        const TVYXCharRun* run = para.GetItems(i);
        if (run->Type_() == acrtText && static_cast<std::int32_t>(run->Text().size()) == run->Len())
            text += run->Text();
        else
            text.append(static_cast<std::size_t>(run->Len()), u'\uFFFC');
    }
    return text;
}

}  // namespace

bool TVYXSelections::SelectBetweenTags(std::u16string_view open, std::u16string_view close)
{
    const TVYXLogPos caret = FDoc.Caret();
    if (open.empty() || close.empty() || !caret.Valid())
        return false;
    const std::u16string text = PositionText(*caret.Para);
    const std::size_t at = static_cast<std::size_t>(caret.CharPos - 1);
    // The opening tag ends at or before the caret; the closing one starts at or after it.
    const std::size_t limit = at >= open.size() ? at - open.size() : std::u16string::npos;
    const std::size_t start = limit == std::u16string::npos ? limit : text.rfind(open, limit);
    if (start == std::u16string::npos)
        return false;
    const std::size_t inner = start + open.size();
    const std::size_t end = text.find(close, std::max(inner, at));
    if (end == std::u16string::npos)
        return false;
    Clear();
    Add(TVYXLogPos(caret.Para, static_cast<std::int32_t>(inner) + 1),
        TVYXLogPos(caret.Para, static_cast<std::int32_t>(end) + 1));
    Status = assNone;
    FDoc.FCaret.CharPos = static_cast<std::int32_t>(end) + 1;
    return true;
}

int TVYXSelections::MakeBookmarksFromTags(std::u16string_view open, std::u16string_view close)
{
    const TVYXUndoGroup undoGroup(FDoc.UndoFor(), vycNone, FDoc);
    if (open.empty() || close.empty())
        return 0;
    std::vector<TVYXLogPara*> paras;
    if (HasSelection() && !IsEmpty())
        paras = FDoc.SelectedParas();
    else
        for (TVYXLogPara* p = FDoc.FirstPara(); p; p = p->Next())
            paras.push_back(p);
    // Tags are found first, as addresses; then taken from the last to the first so the
    // addresses still to use stay true.
    struct TTag {
        TVYXDocAddress At;
        std::int32_t Length;
        std::u16string Name;
    };
    std::vector<TTag> tags;
    for (TVYXLogPara* p : paras) {
        const std::u16string text = PositionText(*p);
        for (std::size_t from = text.find(open); from != std::u16string::npos; from = text.find(open, from + 1)) {
            const std::size_t name = from + open.size();
            const std::size_t end = text.find(close, name);
            if (end == std::u16string::npos)
                break;
            const std::u16string_view tagName = std::u16string_view(text).substr(name, end - name);
            if (tagName.empty() || tagName.find(u'\uFFFC') != std::u16string_view::npos || tagName.find(open) != std::u16string_view::npos)
                continue;
            tags.push_back({VYXAddressOf(*p, static_cast<std::int32_t>(from) + 1),
                            static_cast<std::int32_t>(end + close.size() - from), std::u16string(tagName)});
            from = end + close.size() - 1;
        }
    }
    Clear();
    Status = assNone;
    int made = 0;
    for (auto it = tags.rbegin(); it != tags.rend(); ++it) {
        if (FDoc.Bookmarks().Find(it->Name))
            continue;
        TVYXDocRange range{it->At, it->At};
        range.Last.CharPos += it->Length;
        FDoc.RemoveContent(range);
        const TVYXLogPos at = FDoc.PosAt(it->At);
        if (FDoc.MakeBookmarkAt(it->Name, at, at))
            ++made;
    }
    FDoc.FCaret.Clear();
    FDoc.CaretToValid();
    if (made > 0)
        FDoc.Changed();
    return made;
}
