// VYXLogParas.cpp: paragraph lists: access, creation, structure, format and maintenance,
// layout sizes, iteration, and the helpers the body's units share.
#include "model/VYXLogParas.h"

#include <algorithm>

#include "model/VYXDocData.h"
#include "model/VYXDocSection.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParasShared.h"
#include "model/VYXLogPos.h"
#include "model/VYXRevision.h"
#include "model/VYXRootData.h"
#include "model/VYXStyles.h"
#include "platform/VYXException.h"

// ---- Root navigation ---------------------------------------------------------

TVYXLogPara* TVYXLogParasRootIterator::FirstPara() { return FParas ? FParas->_FirstPara() : nullptr; }
TVYXLogPara* TVYXLogParasRootIterator::LastPara() { return FParas ? FParas->_LastPara() : nullptr; }
TVYXLogPara* TVYXLogParasRootIterator::NextPara(TVYXLogParaItem& item)
{
    return item.Paras() ? item.Paras()->Next(item) : nullptr;
}
TVYXLogPara* TVYXLogParasRootIterator::PrevPara(TVYXLogParaItem& item)
{
    // Reading order: a preceding table ends with its last cell.
    if (!item.Paras() || item.Index() <= 0)
        return nullptr;
    return item.Paras()->GetItems(item.Index() - 1)->LastPara();
}

TVYXLogParas* TVYXLogParaIterator::AddTextBoxCopy(const TVYXLogParas* source)
{
    TVYXLogParas* host = DoAddTextBox();
    if (!host)
        return nullptr;
    if (source && source != host)
        host->Assign(*source);
    host->Validate();
    return host;
}

// ---- Paragraph list --------------------------------------------------------------

TVYXLogParas::TVYXLogParas(TVYXRootData* root, TVYXLogParaIterator* iterator, TVYXTableCell* cell)
    : FIterator(iterator), FCell(cell), FRootManager(root)
{
}

TVYXLogParas::~TVYXLogParas() = default;

void TVYXLogParas::EndUpdate()
{
    if (FUpdating > 0)
        --FUpdating;
}

const TVYXLogPara* TVYXLogParas::GetParas(int i) const
{
    const TVYXLogParaItem* item = GetItems(i);
    if (!item->IsPara())
        throw VYXException("Para item is not para");
    return static_cast<const TVYXLogPara*>(item);
}

const TVYXTable* TVYXLogParas::GetTables(int i) const
{
    const TVYXLogParaItem* item = GetItems(i);
    if (!item->IsTable())
        throw VYXException("Para item is not table");
    return static_cast<const TVYXTable*>(item);
}

const TVYXLogPara* TVYXLogParas::ParaAtIndex(int i) const
{
    if (i < 0 || i >= Count())
        return nullptr;
    const TVYXLogParaItem* item = GetItems(i);
    return item->IsPara() ? static_cast<const TVYXLogPara*>(item) : nullptr;
}

TVYXLogPara* TVYXLogParas::_FirstPara() const
{
    const TVYXLogParaItem* item = First();
    return item ? item->FirstPara() : nullptr;
}

TVYXLogPara* TVYXLogParas::_LastPara() const
{
    const TVYXLogParaItem* item = Last();
    return item ? item->LastPara() : nullptr;
}

TVYXLogPara* TVYXLogParas::Next(const TVYXLogParaItem& item) const
{
    if (item.Paras() != this || item.Index() + 1 >= Count())
        return nullptr;
    return static_cast<const TVYXLogParaItem*>(FItems.Items(item.Index() + 1))->FirstPara();
}

TVYXLogPara* TVYXLogParas::Prev(const TVYXLogParaItem& item) const
{
    if (item.Paras() != this || item.Index() <= 0)
        return nullptr;
    return static_cast<const TVYXLogParaItem*>(FItems.Items(item.Index() - 1))->LastRowCell0LastPara();
}

int TVYXLogParas::Level() const
{
    int level = 0;
    for (const TVYXLogParas* paras = this; paras && paras->Cell() && level < 100000; ++level) {
        const TVYXTable* table = paras->Cell()->Table();
        paras = table ? table->Paras() : nullptr;
    }
    return level;
}

TVYXLogParas* TVYXLogParas::RootParas()
{
    TVYXLogParas* paras = this;
    while (paras->Cell() && paras->Cell()->Table() && paras->Cell()->Table()->Paras())
        paras = paras->Cell()->Table()->Paras();
    return paras;
}

TVYXPAP* TVYXLogParas::GetMasterPAP() const { return RootManager() ? RootManager()->MasterPAP() : nullptr; }
TVYXDOP* TVYXLogParas::GetFDOP() const { return RootManager() ? RootManager()->DOP() : nullptr; }
double TVYXLogParas::GetPPIX() const { return RootManager() && RootManager()->PPIX() > 0 ? RootManager()->PPIX() : 96; }
double TVYXLogParas::GetPPIY() const { return RootManager() && RootManager()->PPIY() > 0 ? RootManager()->PPIY() : 96; }

std::int32_t TVYXLogParas::TextLength() const
{
    std::int32_t n = 0;
    TVYXLogParasIterator it;
    it.ParaEvent = [&n](TVYXLogPara& p) { n += p.TextLength(); };
    it.Iterate(const_cast<TVYXLogParas&>(*this));
    return n;
}

bool TVYXLogParas::HasText() const { return TextLength() > 0; }

std::u16string TVYXLogParas::GetPlainText() const
{
    std::u16string text;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            text += u"\r\n";
        text += GetItems(i)->GetPlainText();
    }
    return text;
}

const TVYXCharRunBreak* TVYXLogParas::FindMarker(std::int32_t id) const
{
    const TVYXCharRunBreak* found = nullptr;
    TVYXLogParasIterator it;
    it.ParaEvent = [&](TVYXLogPara& p) {
        if (!found)
            found = std::as_const(p).CharRuns().FindMarker(id);
    };
    it.Iterate(const_cast<TVYXLogParas&>(*this));
    return found;
}

// ---- Creation ----

std::unique_ptr<TVYXLogPara> TVYXLogParas::CreatePara(int index)
{
    if (index < 0 || index > Count())
        index = Count();
    return CreateParaAfter(ParaAtIndex(index - 1));
}

std::unique_ptr<TVYXLogPara> TVYXLogParas::CreateParaAfter(const TVYXLogPara* pred)
{
    std::unique_ptr<TVYXLogPara> para;
    if (RootManager() && RootManager()->Pool().UsesBlocks()) {
        para.reset(new (RootManager()->Pool()) TVYXLogPara(this));
        para->FInPool = true;
    } else {
        para = std::make_unique<TVYXLogPara>(this);
    }
    const TVYXPAP* master = GetMasterPAP();
    TVYXStyles* styles = RootManager() ? RootManager()->Styles() : nullptr;
    if (pred && master && master->InheritPAPX) {
        para->PAPX().Assign(pred->PAPX(), styles, styles);
        // Borders, shading and revision marks stay with their paragraph; tab stops are copied.
        para->PAPX().Remove(vypiRevision);
    }
    if (AutoNumbering != anstNone && RootManager() && RootManager()->Numberings())
        VYXAutoNumberParagraph(para->PAPX(), pred ? &pred->PAPX() : nullptr, *RootManager()->Numberings(), styles,
                               AutoNumbering);
    if (const TVYXPAPX* temp = RootManager() ? RootManager()->TempPAPX() : nullptr; temp && temp->Count() > 0)
        para->PAPX().Assign(*temp, styles, styles);
    return para;
}

TVYXLogParaItem* TVYXLogParas::InsertItem(int index, std::unique_ptr<TVYXLogParaItem> item)
{
    if (index < 0 || index > Count())
        index = Count();
    TVYXLogParaItem* added = item.get();
    added->FParas = this;
    FItems.Insert(index, std::move(item));
    Attached(*added);
    if (ParaChangeEvent)
        ParaChangeEvent(*this);
    return added;
}

// Stops at a table that is not (yet) in its list: a copy being built counts its own.
void TVYXLogParas::CountNested(TVYXTable* table, int count)
{
    for (TVYXTable* t = table; t;) {
        t->FNestedCount += count;
        TVYXLogParas* paras = t->Paras();
        if (!paras || t->Index() < 0 || t->Index() >= paras->Count() || paras->GetItems(t->Index()) != t || !paras->Cell())
            break;
        t = paras->Cell()->Table();
    }
}

// A table entering or leaving a cell's list changes the nested counts of the tables above it.
// Without a ParentWidth of its own the table asks the list it is in at the time (AvailableWidth).
void TVYXLogParas::Attached(TVYXLogParaItem& item)
{
    if (item.IsTable() && Cell())
        CountNested(Cell()->Table(), 1 + static_cast<TVYXTable&>(item).NestedCount());
}

void TVYXLogParas::Detached(TVYXLogParaItem& item)
{
    if (item.IsTable() && Cell())
        CountNested(Cell()->Table(), -(1 + static_cast<TVYXTable&>(item).NestedCount()));
}

TVYXLogPara* TVYXLogParas::Insert(int index)
{
    if (index < 0 || index > Count())
        index = Count();
    const TVYXLogPara* pred = ParaAtIndex(index - 1);
    auto para = CreateParaAfter(pred);
    para->CharRuns().Add(pred ? pred->LastCHPX() : nullptr);
    return static_cast<TVYXLogPara*>(InsertItem(index, std::move(para)));
}

TVYXLogPara* TVYXLogParas::AppendPara() { return Insert(-1); }

TVYXLogPara* TVYXLogParas::AppendPara(const TVYXPAPX& papx)
{
    TVYXLogPara* para = Insert(-1);
    TVYXStyles* styles = RootManager() ? RootManager()->Styles() : nullptr;
    para->PAPX().Assign(papx, styles, styles);
    return para;
}

TVYXLogPara* TVYXLogParas::AppendPara(std::u16string_view text)
{
    TVYXLogPara* para = Insert(-1);
    para->CRFirst()->SetRawText(text);
    return para;
}

TVYXLogPara* TVYXLogParas::InsertPageBreak(int index)
{
    TVYXLogPara* para = Insert(index);
    para->CharRuns().Insert(0, std::make_unique<TVYXCharRunBreak>(acrbtPageBreak));
    return para;
}

TVYXLogPara* TVYXLogParas::AddBullet(TVYXNumberings& numberings, const TVYXPAPX* papx, std::int32_t level)
{
    TVYXLogPara* para = papx ? AppendPara(*papx) : AppendPara();
    if (TVYXNumbering* num = numberings.AddOrGet(level))
        para->PAPX().SetNumbering(num);
    para->UseStyle(u"ListParagraph");
    return para;
}

void TVYXLogParas::AppendStrings(const std::vector<std::u16string>& strings)
{
    for (const auto& s : strings)
        AppendPara(s);
}

void TVYXLogParas::SetStrings(const std::vector<std::u16string>& strings)
{
    Clear();
    AppendStrings(strings);
    Validate();
}

namespace {
// Lines ended by "\r\n", "\n" or "\r"; at least one.
std::vector<std::u16string> SplitLines(std::u16string_view text)
{
    std::vector<std::u16string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            lines.emplace_back();
        } else
            lines.back() += c;
    }
    return lines;
}
}  // namespace

void TVYXLogParas::SetPlainText(std::u16string_view text) { SetStrings(SplitLines(text)); }

void TVYXLogParas::SetFileText(std::u16string_view text)
{
    Clear();
    for (const std::u16string& line : SplitLines(text)) {
        TVYXLogPara* para = AppendPara();
        std::size_t start = 0;
        for (std::size_t i = 0; i <= line.size(); ++i) {
            if (i < line.size() && line[i] != u'\t' && line[i] != u'\f')
                continue;
            if (i > start)
                para->Append(std::u16string_view(line).substr(start, i - start));
            if (i < line.size() && line[i] == u'\t')
                para->AppendTab();
            else if (i < line.size())
                para->AppendBreak(acrbtPageBreak);
            start = i + 1;
        }
    }
    Validate();
}

// ---- Structure ----

TVYXLogPara* TVYXLogParas::SplitAtPos(TVYXLogPara& para, std::int32_t pos)
{
    if (VYXProtectionEnforced(RootManager())) {
        const TVYXCharRun* run = para.CharRuns().FindAbsolute(pos, true);
        if (run && run->GetReadOnlyActive())
            return &para;
    }
    const int index = para.Index();
    if (pos >= para.EndOfParaPos() || Count() == 0)
        return Insert(index + 1);
    if (pos <= 1) {
        // Enter at the start keeps the paragraph's format on the new empty line above it.
        TVYXLogPara* created = Insert(index);
        if (const TVYXPAP* master = GetMasterPAP(); master && master->InheritPAPX) {
            TVYXStyles* styles = RootManager() ? RootManager()->Styles() : nullptr;
            created->PAPX().Assign(para.PAPX(), styles, styles);
            created->PAPX().Remove(vypiRevision);
        }
        return created;
    }
    if (GetItems(index)->IsTable())
        throw VYXException("__TODO__ Table");
    auto created = CreatePara(index + 1);
    TVYXCharRuns& runs = para.CharRuns();
    const int first = para.RunBoundaryAt(pos);
    std::vector<std::unique_ptr<TVYXCharRun>> moved;
    while (runs.Count() > first)
        moved.push_back(runs.Detach(runs.Count() - 1));
    created->CharRuns().BeginUpdate();
    for (auto it = moved.rbegin(); it != moved.rend(); ++it)
        created->CharRuns().Add(std::move(*it));
    created->CharRuns().EndUpdate();
    if (created->Count() == 0)
        created->CharRuns().Add(para.LastCHPX());
    created->PAPX().Merge(para.PAPX());
    auto* result = static_cast<TVYXLogPara*>(InsertItem(index + 1, std::move(created)));
    result->CheckNumbering();
    para.MakeDirty();
    return result;
}

void TVYXLogParas::MergeNext(int index)
{
    TVYXLogPara* a = ParaAtIndex(index);
    TVYXLogPara* b = ParaAtIndex(index + 1);
    if (!a || !b)
        return;
    a->CharRuns().Add(b->CharRuns());
    // The objects anchored to the second paragraph stay in the document: they follow
    // its text into the joined paragraph, after the first one's.
    for (std::unique_ptr<TVYXGraphicObj>& object : b->TakeGraphics())
        a->AddGraphic(std::move(object));
    Delete(index + 1);
    a->MakeDirty();
}

namespace {
// Empties every paragraph of `item`, cells included, run by run from the end, so that each
// run leaves through its list's Delete (a linked run reported, a hyperlink use given back).
// A read-only run goes all the same: its paragraph is going.
void DeleteRuns(TVYXLogParaItem& item)
{
    if (item.IsTable()) {
        auto& table = static_cast<TVYXTable&>(item);
        for (int r = 0; r < table.Count(); ++r)
            for (int c = 0; c < table.GetRows(r)->Count(); ++c) {
                TVYXLogParas& paras = table.GetRows(r)->GetCells(c)->Paras();
                for (int i = 0; i < paras.Count(); ++i)
                    DeleteRuns(*paras.GetItems(i));
            }
        return;
    }
    TVYXCharRuns& runs = static_cast<TVYXLogPara&>(item).CharRuns();
    while (runs.Count() > 0)
        if (!runs.Delete(runs.Count() - 1))
            runs.Detach(runs.Count() - 1);
}
}  // namespace

void TVYXLogParas::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    DeleteRuns(*GetItems(index));
    Extract(index);
}

std::unique_ptr<TVYXLogParaItem> TVYXLogParas::Extract(int index)
{
    std::unique_ptr<TVYXLogParaItem> item(static_cast<TVYXLogParaItem*>(FItems.Extract(index).release()));
    Detached(*item);
    if (ParaChangeEvent)
        ParaChangeEvent(*this);
    return item;
}

void TVYXLogParas::SnatchParas(TVYXLogParas& source)
{
    while (source.Count() > 0)
        InsertItem(-1, source.Extract(0));
}

void TVYXLogParas::Assign(const TVYXLogParas& source)
{
    Clear();
    BeginUpdate();
    for (int i = 0; i < source.Count(); ++i)
        InsertItem(-1, source.GetItems(i)->Clone(this));
    EndUpdate();
    AutoNumbering = source.AutoNumbering;
    NumberingLevel = source.NumberingLevel;
    BulletStyle = source.BulletStyle;
}

std::unique_ptr<TVYXLogParas> TVYXLogParas::Clone(TVYXLogParaIterator* iterator, TVYXTableCell* cell) const
{
    auto copy = std::make_unique<TVYXLogParas>(RootManager(), iterator, cell);
    copy->Assign(*this);
    return copy;
}

bool TVYXLogParas::Empty() const
{
    return Count() == 0 || (Count() == 1 && First()->IsPara() && static_cast<const TVYXLogPara*>(First())->Empty());
}

void TVYXLogParas::Clear()
{
    while (Count() > 0)
        Delete(Count() - 1);
}

void TVYXLogParas::SetEmpty()
{
    Clear();
    Validate();
}

void TVYXLogParas::SetEmptyKeepStyles()
{
    std::unique_ptr<TVYXPAPX> keep;
    if (TVYXLogPara* first = ParaAtIndex(0)) {
        keep = std::make_unique<TVYXPAPX>(first->PAPX().PAP());
        keep->Assign(first->PAPX(), nullptr, nullptr);
    }
    SetEmpty();
    if (keep)
        GetParas(0)->PAPX().Assign(*keep, nullptr, nullptr);
}

void TVYXLogParas::Validate()
{
    if (Count() == 0) {
        auto para = std::make_unique<TVYXLogPara>(this);
        para->CharRuns().Add();
        InsertItem(-1, std::move(para));
        return;
    }
    for (int i = 0; i < Count(); ++i)
        GetItems(i)->Validate();
}

// ---- Format and maintenance ----

void TVYXLogParas::FormatAll(const TVYXCHPX* chpx)
{
    for (int i = 0; i < Count(); ++i)
        GetItems(i)->FormatAll(chpx);
}

void TVYXLogParas::ApplyParaFormat(const TVYXPAPX& papx, const TVYXLogPara& firstPara, const TVYXLogPara& lastPara)
{
    if (firstPara.Paras() != this || lastPara.Paras() != this)
        return;
    for (int i = firstPara.Index(); i <= lastPara.Index(); ++i)
        if (TVYXLogPara* p = ParaAtIndex(i)) {
            p->PAPX().Merge(papx);
            p->MakeDirty();
        }
}

void TVYXLogParas::ApplyPreviousStyle(TVYXPAPX& papx, const TVYXPAPX& prevPapx)
{
    const TVYXParaStyle* prevStyle = prevPapx.GetStyle();
    if (!prevStyle || !prevStyle->Next || prevStyle->Next->Type_() != astPara)
        return;
    papx.SetStyle(static_cast<TVYXParaStyle*>(prevStyle->Next));
}

void TVYXLogParas::CombineCharRuns()
{
    for (int i = 0; i < Count(); ++i)
        GetItems(i)->CombineCharRuns();
}

void TVYXLogParas::CompactCHPXPAPX()
{
    TVYXLogParasIterator it;
    it.CharRunEvent = [](TVYXCharRun& run) { run.DeleteCHPXIfEmpty(); };
    it.Iterate(*this);
}

void TVYXLogParas::ClearMisspelled()
{
    TVYXLogParasIterator it;
    it.ParaEvent = [](TVYXLogPara& p) { p.CharRuns().ClearMisspelled(); };
    it.Iterate(*this);
}

void TVYXLogParas::ClearRows()
{
    for (int i = 0; i < Count(); ++i)
        GetItems(i)->ClearRows();
}

void TVYXLogParas::MakeDirty()
{
    TVYXLogParasIterator it;
    it.ParaEvent = [](TVYXLogPara& p) { p.MakeDirty(); };
    it.Iterate(*this);
}

// ---- Iteration -------------------------------------------------------------------

void TVYXLogParasIterator::Iterate(TVYXLogParas& paras)
{
    for (int i = 0; i < paras.Count(); ++i) {
        TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsPara()) {
            auto& para = static_cast<TVYXLogPara&>(*item);
            if (ParaEvent)
                ParaEvent(para);
            if (CharRunEvent)
                for (int r = 0; r < para.Count(); ++r)
                    CharRunEvent(*para.GetItems(r));
            continue;
        }
        auto& table = static_cast<TVYXTable&>(*item);
        if (TableEvent)
            TableEvent(table);
        for (int r = 0; r < table.Count(); ++r) {
            TVYXTableRow* row = table.GetRows(r);
            for (int c = 0; c < row->Count(); ++c) {
                TVYXTableCell* cell = row->GetCells(c);
                if (CellEvent)
                    CellEvent(*cell);
                Iterate(cell->Paras());
            }
        }
    }
}

bool TVYXCharRunIterator::BeginIterate()
{
    CurrPara = Paras ? Paras->_FirstPara() : nullptr;
    CurrCharRun = CurrPara ? CurrPara->CRFirst() : nullptr;
    ParaChanged = true;
    // A first paragraph without runs moves on to the next one with runs.
    while (CurrPara && !CurrCharRun) {
        CurrPara = CurrPara->Next();
        CurrCharRun = CurrPara ? CurrPara->CRFirst() : nullptr;
    }
    return CurrCharRun != nullptr;
}

bool TVYXCharRunIterator::BeginIterate(TVYXLogPara& para, TVYXCharRun* run)
{
    CurrPara = &para;
    CurrCharRun = run ? run : para.CRFirst();
    ParaChanged = true;
    return CurrCharRun != nullptr;
}

bool TVYXCharRunIterator::Step(bool forward)
{
    if (!CurrPara)
        return false;
    ParaChanged = false;
    if (TVYXCharRun* run = CurrCharRun ? (forward ? CurrCharRun->Next() : CurrCharRun->Prev()) : nullptr) {
        CurrCharRun = run;
        return true;
    }
    for (TVYXLogPara* p = forward ? CurrPara->Next() : CurrPara->Prev(); p; p = forward ? p->Next() : p->Prev())
        if (p->Count() > 0) {
            CurrPara = p;
            CurrCharRun = forward ? p->CRFirst() : p->CRLast();
            ParaChanged = true;
            return true;
        }
    return false;
}

double TVYXLogParas::SpaceBefore() const
{
    const TVYXLogParaItem* item = First();
    return item && !item->IsTable() ? static_cast<const TVYXLogPara*>(item)->PAPX().GetStyledSpaceBefore() : 0;
}

double TVYXLogParas::SpaceAfter() const
{
    const TVYXLogParaItem* item = Last();
    return item && !item->IsTable() ? static_cast<const TVYXLogPara*>(item)->PAPX().GetStyledSpaceAfter() : 0;
}

// ---- Graphics ----------------------------------------------------------------

const TVYXCharRunGraphic* TVYXLogParas::FirstGraphicRun(const std::function<bool(const TVYXCharRunGraphic&)>& match) const
{
    for (int k = 0; k < Count(); ++k) {
        const TVYXLogParaItem* item = GetItems(k);
        if (item->IsPara()) {
            const auto& para = static_cast<const TVYXLogPara&>(*item);
            for (int i = 0; i < para.Count(); ++i)
                if (auto* run = dynamic_cast<const TVYXCharRunGraphic*>(para.GetItems(i)); run && match(*run))
                    return run;
            continue;
        }
        const auto& table = static_cast<const TVYXTable&>(*item);
        for (int r = 0; r < table.Count(); ++r)
            for (int c = 0; c < table.GetRows(r)->Count(); ++c)
                if (const TVYXCharRunGraphic* run = table.GetRows(r)->GetCells(c)->Paras().FirstGraphicRun(match))
                    return run;
    }
    return nullptr;
}

const TVYXCharRunGraphic* TVYXLogParas::FindGraphic(const TVYXGraphicObj* graphic) const
{
    if (!graphic)
        return nullptr;
    return FirstGraphicRun([graphic](const TVYXCharRunGraphic& run) { return run.Graphic.get() == graphic; });
}

const TVYXGraphicShape* TVYXLogParas::FindWatermark() const
{
    // Watermarks are mostly floating shapes anchored in a header's paragraph; a paragraph's
    // anchored objects count before its runs.
    const TVYXGraphicShape* found = nullptr;
    TVYXLogParasIterator it;
    it.ParaEvent = [&found](TVYXLogPara& para) {
        if (found)
            return;
        if (const TVYXGraphicObjList* graphics = para.Graphics())
            found = graphics->FindWatermark();
        for (int i = 0; !found && i < para.Count(); ++i)
            if (const auto* run = dynamic_cast<const TVYXCharRunGraphic*>(para.GetItems(i)))
                if (const auto* shape = dynamic_cast<const TVYXGraphicShape*>(run->Graphic.get()); shape && shape->IsWatermark)
                    found = shape;
    };
    it.Iterate(const_cast<TVYXLogParas&>(*this));
    return found;
}

double TVYXLogParas::PixHeight() const
{
    double height = 0;
    for (int i = 0; i < Count(); ++i)
        height += GetItems(i)->PixHeight();
    return height;
}

double TVYXLogParas::PixWidth() const
{
    double width = 0;
    for (int i = 0; i < Count(); ++i)
        width = std::max(width, GetItems(i)->PixWidth());
    return width;
}

// ---- Deletion across lists -----------------------------------------------------

TVYXLogParaItem* VYXItemIn(const TVYXLogParas& paras, TVYXLogPara* para)
{
    TVYXLogParaItem* item = para;
    while (item && item->Paras() != &paras) {
        TVYXTableCell* cell = item->Paras() ? item->Paras()->Cell() : nullptr;
        item = cell ? cell->Table() : nullptr;
    }
    return item;
}

TVYXLogParas* VYXCommonParas(TVYXLogPara& a, TVYXLogPara& b)
{
    for (TVYXLogParas* paras = a.Paras(); paras;) {
        if (VYXItemIn(*paras, &b))
            return paras;
        const TVYXTable* table = paras->Cell() ? paras->Cell()->Table() : nullptr;
        paras = table ? table->Paras() : nullptr;
    }
    return nullptr;
}
