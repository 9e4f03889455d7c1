// VYXLogPara.cpp: a paragraph: text, runs, inline and anchored objects, format, lists,
// navigation, search, copies, tabs and revision marks.
#include "model/VYXLogParas.h"

#include <algorithm>
#include <cmath>

#include "model/VYXDocData.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParasShared.h"
#include "model/VYXLogPos.h"
#include "model/VYXRevision.h"
#include "model/VYXModelPool.h"
#include "model/VYXRootData.h"
#include "model/VYXStyles.h"

namespace {
bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == 0xA0; }
}  // namespace

// ---- Helpers the body's units share ----------------------------------------------

bool VYXProtectionEnforced(const TVYXRootData* root)
{
    return root && root->DOP() && root->DOP()->Protection.Enforcement;
}

bool VYXIsWordChar(char16_t c)
{
    if (c < 128)
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
    return c != 0xA0 && c != 0x2028 && c != 0x2029 && !(c >= 0x2000 && c <= 0x206F) && c != 0x3000;
}

// ---- Items ---------------------------------------------------------------------

int TVYXLogParaItem::Index() const { return Paras() ? Paras()->FItems.IndexOf(*this) : FIndex; }

const TVYXCHPX* TVYXLogParaItem::GetTempCHPX() const
{
    return Paras() && Paras()->RootManager() ? Paras()->RootManager()->TempCHPX() : nullptr;
}
TVYXCHPX* TVYXLogParaItem::GetTempCHPX()
{
    return Paras() && Paras()->RootManager() ? Paras()->RootManager()->TempCHPX() : nullptr;
}
const TVYXPAPX* TVYXLogParaItem::GetTempPAPX() const
{
    return Paras() && Paras()->RootManager() ? Paras()->RootManager()->TempPAPX() : nullptr;
}
TVYXPAPX* TVYXLogParaItem::GetTempPAPX()
{
    return Paras() && Paras()->RootManager() ? Paras()->RootManager()->TempPAPX() : nullptr;
}

// ---- Paragraph -----------------------------------------------------------------

namespace {
TVYXRootData* RootOf(TVYXLogParas* paras) { return paras ? paras->RootManager() : nullptr; }
}  // namespace

TVYXLogPara::TVYXLogPara(TVYXLogParas* paras)
    : TVYXLogParaItem(paras),
      FCharRuns(RootOf(paras)),
      FPAPX(RootOf(paras) ? RootOf(paras)->MasterPAP() : nullptr)
{
    FCharRuns.SetOwner(this);
    if (Paras() && Paras()->DirtyParaEvent)
        Paras()->DirtyParaEvent(*this);
}

TVYXLogPara::~TVYXLogPara() = default;

void* TVYXLogPara::operator new(std::size_t size, TVYXModelPool& pool) { return pool.Allocate(size); }
void TVYXLogPara::operator delete(void* para, TVYXModelPool&) noexcept { TVYXModelPool::Free(para); }

void TVYXLogPara::operator delete(TVYXLogPara* para, std::destroying_delete_t)
{
    const bool inPool = para->FInPool;
    para->~TVYXLogPara();
    if (inPool)
        TVYXModelPool::Free(para);
    else
        ::operator delete(para);
}

TVYXLogParaExtra::TVYXLogParaExtra() = default;
TVYXLogParaExtra::~TVYXLogParaExtra() = default;

TVYXLogParaExtra& TVYXLogPara::Extra()
{
    if (!FExtra)
        FExtra = std::make_unique<TVYXLogParaExtra>();
    return *FExtra;
}

void TVYXLogPara::DropEmptyExtra()
{
    if (FExtra && !FExtra->SEP && !FExtra->Frame && !FExtra->Graphics && !FExtra->Find && FExtra->Name.empty())
        FExtra.reset();
}

TVYXParaFrame& TVYXLogPara::AddFrame()
{
    TVYXLogParaExtra& extra = Extra();
    if (!extra.Frame)
        extra.Frame = std::make_unique<TVYXParaFrame>();
    return *extra.Frame;
}

void TVYXLogPara::SetName(std::u16string_view name)
{
    if (name.empty() && !FExtra)
        return;
    Extra().Name = std::u16string(name);
    DropEmptyExtra();
}

TVYXRootData* TVYXLogPara::Root() const { return Paras() ? Paras()->RootManager() : nullptr; }

void TVYXLogPara::RunsDirty(TVYXCharRuns&, TVYXCharRun&) { MakeDirty(); }

TVYXLogParaIterator* TVYXLogPara::Iterator() const { return Paras() ? Paras()->Iterator() : nullptr; }

void TVYXLogPara::MakeDirty()
{
    Dirty = true;
    if (FExtra && FExtra->Find)
        FExtra->Find->Valid = false;
    if (Paras() && Paras()->DirtyParaEvent)
        Paras()->DirtyParaEvent(*this);
}

std::u16string TVYXLogPara::GetText() const
{
    std::u16string text;
    for (int i = 0; i < Count(); ++i)
        text += FCharRuns.Items(i)->GetText();
    return text;
}

std::u16string TVYXLogPara::GetPlainText() const
{
    std::u16string text;
    for (int i = 0; i < Count(); ++i)
        text += FCharRuns.Items(i)->GetPlainText();
    return text;
}

std::u16string TVYXLogPara::GetFileText() const
{
    std::u16string text;
    for (int i = 0; i < Count(); ++i)
        text += FCharRuns.Items(i)->Text();
    return text;
}

std::u16string TVYXLogPara::AsPlainTextLeft(std::int32_t pos) const
{
    std::u16string text;
    for (std::int32_t p = 1; p < std::min(pos, EndOfParaPos()); ++p)
        if (char16_t c = GetChar(p))
            text += c;
    return text;
}

std::u16string TVYXLogPara::AsPlainTextRight(std::int32_t pos) const
{
    std::u16string text;
    for (std::int32_t p = std::max(pos, 1); p < EndOfParaPos(); ++p)
        if (char16_t c = GetChar(p))
            text += c;
    return text;
}

std::int32_t TVYXLogPara::EndOfParaPos() const { return std::max<std::int32_t>(1, FCharRuns.EndOfParaPos()); }

bool TVYXLogPara::Empty() const
{
    if (Count() == 0)
        return true;
    const TVYXCharRun* run = CRFirst();
    return Count() == 1 && run->Type_() == acrtText && run->Text().empty();
}

char16_t TVYXLogPara::GetChar(std::int32_t pos) const
{
    if (pos < 1 || pos >= EndOfParaPos())
        return 0;
    const TVYXCharRun* run = FCharRuns.FindAbsolute(pos, true);
    return run ? run->CPGetChar(pos) : 0;
}

TVYXCharType TVYXLogPara::CharTypeAtPos(std::int32_t pos) const
{
    if (pos < 1)
        return actInvalid;
    if (pos >= EndOfParaPos())
        return actEndOfPara;
    const TVYXCharRun* run = FCharRuns.FindAbsolute(pos, true);
    if (!run)
        return actInvalid;
    switch (run->Type_()) {
    case acrtGraphic:
    case acrtPicture:
        return actGraphic;
    case acrtBreak:
        return actBreak;
    default:
        break;
    }
    const char16_t c = run->CPGetChar(pos);
    if (IsSpace(c))
        return actWhitespace;
    if (c < 128 && !VYXIsWordChar(c))
        return actPunctuation;
    return actNotWhitespace;
}

const TVYXCHPX* TVYXLogPara::CHPXAtPos(std::int32_t pos) const
{
    const TVYXCharRun* run = FCharRuns.FindAbsolute(pos, false);
    return run ? run->CHPX() : nullptr;
}

TVYXCHPX* TVYXLogPara::CHPXAtPos(std::int32_t pos)
{
    TVYXCharRun* run = FCharRuns.FindAbsolute(pos, false);
    return run ? run->CHPX() : nullptr;
}

bool TVYXLogPara::WordAtPos(std::int32_t pos, std::int32_t& start, std::int32_t& end) const
{
    if (!VYXIsWordChar(GetChar(pos)) || GetChar(pos) == 0) {
        if (pos <= 1 || !VYXIsWordChar(GetChar(pos - 1)) || GetChar(pos - 1) == 0)
            return false;
        --pos;
    }
    start = pos;
    while (start > 1 && GetChar(start - 1) && VYXIsWordChar(GetChar(start - 1)))
        --start;
    end = pos;
    while (end < EndOfParaPos() && GetChar(end) && VYXIsWordChar(GetChar(end)))
        ++end;
    return true;
}

std::int32_t TVYXLogPara::FindNextWord(std::int32_t pos) const
{
    const std::int32_t endPos = EndOfParaPos();
    std::int32_t p = std::max(pos, 1);
    while (p < endPos && VYXIsWordChar(GetChar(p)) && GetChar(p))
        ++p;
    while (p < endPos && !(VYXIsWordChar(GetChar(p)) && GetChar(p)))
        ++p;
    return p < endPos ? p : 0;
}

std::int32_t TVYXLogPara::FindPrevWord(std::int32_t pos) const
{
    std::int32_t p = std::min(pos, EndOfParaPos()) - 1;
    while (p >= 1 && !(VYXIsWordChar(GetChar(p)) && GetChar(p)))
        --p;
    if (p < 1)
        return 0;
    while (p > 1 && VYXIsWordChar(GetChar(p - 1)) && GetChar(p - 1))
        --p;
    return p;
}

std::int32_t TVYXLogPara::FindFirstCharOfCharType(std::int32_t pos, TVYXCharType type) const
{
    for (std::int32_t p = std::max(pos, 1); p <= EndOfParaPos(); ++p)
        if (CharTypeAtPos(p) == type)
            return p;
    return 0;
}

std::int32_t TVYXLogPara::FindLastCharOfCharType(std::int32_t pos, TVYXCharType type) const
{
    for (std::int32_t p = std::min(pos, EndOfParaPos()); p >= 1; --p)
        if (CharTypeAtPos(p) == type)
            return p;
    return 0;
}

// ---- Paragraph editing ----

TVYXCharRun* TVYXLogPara::InsertText(std::u16string_view text, std::int32_t pos)
{
    TVYXCharRun* run = nullptr;
    if (Count() == 0)
        run = FCharRuns.Add();
    else {
        run = FCharRuns.FindAbsolute(pos, true);
        if (!run)
            run = CRLast();
        // Text typed at a boundary joins the run on its left and takes its format.
        if (run->Len() > 0 && pos == run->StartPos() && run->Index() > 0) {
            TVYXCharRun* prev = run->Prev();
            const TVYXCharRunType t = prev->Type_();
            if (t == acrtText || t == acrtHyperlink || t == acrtSimpleField)
                run = prev;
        }
        if (run->IsAtom()) {
            run = MakeInsertionPoint(pos, true);
            if (run->IsAtom())
                run = FCharRuns.Insert(run->Index() + 1, run->CHPX());
        }
    }
    const auto offset = static_cast<std::size_t>(std::clamp<std::int32_t>(pos - run->StartPos(), 0, run->Len()));
    std::u16string t = run->Text();
    t.insert(offset, text);
    run->SetRawText(t);
    InvalidateFind();
    MakeDirty();
    return run;
}

TVYXCharRun* TVYXLogPara::InsertFormattedText(std::u16string_view text, std::int32_t pos, const TVYXCHPX* chpx)
{
    TVYXCharRun* at = MakeInsertionPoint(pos, false);
    TVYXCharRun* run = FCharRuns.Insert(at ? at->Index() : Count(), chpx);
    run->SetRawText(text);
    MakeDirty();
    return run;
}

TVYXCharRun* TVYXLogPara::MakeInsertionPoint(std::int32_t pos, bool before)
{
    if (Count() == 0)
        return FCharRuns.Add();
    if (pos <= 1)
        return FCharRuns.Insert(0);
    if (pos >= EndOfParaPos()) {
        const TVYXCHPX* chpx = CRLast()->CHPX();
        return FCharRuns.Add(chpx);
    }
    TVYXCharRun* run = FCharRuns.FindAbsolute(pos, true);
    if (!run)
        return CRLast();
    if (pos > run->StartPos() && pos < run->GetEndPos()) {
        if (run->IsAtom())
            return run;
        TVYXCharRun* right = FCharRuns.SplitAndInsert(*run, pos);
        return before ? run : right;
    }
    if (before && run->Index() > 0)
        return run->Prev();
    return run;
}

void TVYXLogPara::DeleteText(std::int32_t from, std::int32_t to, const TVYXRevisionData* revision)
{
    from = std::max(from, 1);
    to = std::min(to, EndOfParaPos());
    if (from >= to || Count() == 0)
        return;
    if (VYXProtectionEnforced(Root())) {
        const TVYXCharRun* a = FCharRuns.FindAbsolute(from, true);
        const TVYXCharRun* b = FCharRuns.FindAbsolute(to, true);
        const int ia = a ? a->Index() : 0, ib = b ? b->Index() : Count() - 1;
        for (int i = ia; i <= ib && i < Count(); ++i)
            if (FCharRuns.Items(i)->GetReadOnlyActive())
                return;
    }
    // Split so that the range consists of whole runs.
    for (std::int32_t edge : {from, to})
        RunBoundaryAt(edge);
    for (int i = Count() - 1; i >= 0; --i) {
        TVYXCharRun* run = FCharRuns.Items(i);
        const bool inside = run->Len() > 0 ? run->StartPos() >= from && run->GetEndPos() <= to
                                           : run->Type_() == acrtText && run->StartPos() > from && run->StartPos() < to;
        if (!inside)
            continue;
        if (!revision || (run->Revision() && run->Revision()->Id == -1))
            FCharRuns.Delete(i);
        else
            run->AddRevision(revision->CloneData());
    }
    FCharRuns.Combine2();
    InvalidateFind();
    MakeDirty();
}

void TVYXLogPara::ClearText()
{
    FCharRuns.Clear();
    MakeDirty();
}

void TVYXLogPara::SetPlainText(std::u16string_view text)
{
    FCharRuns.Clear();
    FCharRuns.Add()->SetRawText(text);
    MakeDirty();
}

TVYXCharRun* TVYXLogPara::Append(std::u16string_view text)
{
    TVYXCharRun* last = CRLast();
    if (last && last->Type_() == acrtText && !last->GetReadOnlyActive()) {
        last->Append(text);  // the run tells its list, and the list this paragraph (RunsDirty)
        return last;
    }
    return AppendPlainText(text);
}

TVYXCharRun* TVYXLogPara::AppendPlainText(std::u16string_view text)
{
    TVYXCharRun* run = FCharRuns.Add();
    run->SetRawText(text);  // makes the paragraph dirty through RunsDirty
    return run;
}

void TVYXLogPara::AppendTextUncond(std::u16string_view text)
{
    if (TVYXCharRun* last = CRLast()) {
        last->Append(text);
        MakeDirty();
    } else
        AppendPlainText(text);
}

TVYXCharRun* TVYXLogPara::AppendFormattedText(std::u16string_view text, const TVYXCHPX* chpx)
{
    TVYXCharRun* run = FCharRuns.Add(chpx);
    run->SetRawText(text);
    MakeDirty();
    return run;
}

TVYXCharRun* TVYXLogPara::AppendCharRun(std::unique_ptr<TVYXCharRun> run)
{
    TVYXCharRun* added = FCharRuns.Add(std::move(run));
    MakeDirty();
    return added;
}

TVYXCharRun* TVYXLogPara::InsertCharRun(std::unique_ptr<TVYXCharRun> run, std::int32_t pos)
{
    TVYXCharRun* at = MakeInsertionPoint(pos, false);
    TVYXCharRun* added = FCharRuns.Insert(at ? at->Index() : Count(), std::move(run));
    MakeDirty();
    return added;
}

void TVYXLogPara::InsertCharRuns(const TVYXCharRuns& runs, std::int32_t pos)
{
    if (runs.Count() == 0)
        return;
    TVYXCharRun* at = MakeInsertionPoint(pos, false);
    int index = at ? at->Index() : Count();
    for (int i = 0; i < runs.Count(); ++i)
        FCharRuns.Insert(index++, runs.Items(i)->Clone());
    MakeDirty();
}

TVYXCharRunTab* TVYXLogPara::InsertTab(std::int32_t pos)
{
    TVYXCharRun* at = MakeInsertionPoint(pos, false);
    TVYXCharRunTab* tab = FCharRuns.InsertTab(at->Index(), at->CHPX());
    MakeDirty();
    return tab;
}

TVYXCharRunTab* TVYXLogPara::AppendTab()
{
    TVYXCharRunTab* tab = FCharRuns.AddTab(LastCHPX());
    MakeDirty();
    return tab;
}

TVYXCharRunBreak* TVYXLogPara::InsertBreak(std::int32_t pos, TVYXCharRunBreakType type)
{
    TVYXCharRun* at = MakeInsertionPoint(pos, false);
    TVYXCharRunBreak* brk = FCharRuns.InsertBreak(at->Index(), type, at->CHPX());
    MakeDirty();
    return brk;
}

TVYXCharRunBreak* TVYXLogPara::AppendBreak(TVYXCharRunBreakType type)
{
    TVYXCharRunBreak* brk = FCharRuns.AddBreak(type, LastCHPX());
    MakeDirty();
    return brk;
}

TVYXCharRunHyperlink* TVYXLogPara::AppendHyperlink(TVYXHyperlink* link, std::u16string_view text)
{
    TVYXCharRunHyperlink* run = FCharRuns.AddHyperlink(link, text);
    if (TVYXRootData* root = Root(); root && root->Styles())
        if (auto* style = dynamic_cast<TVYXCharStyle*>(root->Styles()->Find(u"Hyperlink")))
            run->AddCHPX()->SetStyle(style);
    MakeDirty();
    return run;
}

int TVYXLogPara::RunBoundaryAt(std::int32_t pos)
{
    TVYXCharRuns& runs = FCharRuns;
    // The end needs no split (it would leave an empty run behind the last one).
    if (pos >= EndOfParaPos())
        return runs.Count();
    if (TVYXCharRun* run = runs.FindAbsolute(pos, true); run && pos > run->StartPos() && run->IsNotAtom())
        runs.SplitAndInsert(*run, pos);
    // The first run starting at or after `pos` (start positions never decrease).
    int lo = 0, hi = runs.Count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (runs.Items(mid)->StartPos() < pos)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

int TVYXLogPara::InsertionIndex(std::int32_t pos, const TVYXCHPX*& chpx)
{
    TVYXCharRun* at = MakeInsertionPoint(pos, false);
    chpx = at->CHPX();
    MakeDirty();
    return at->Index();
}

TVYXCharRunHyperlink* TVYXLogPara::InsertHyperlink(std::int32_t pos, TVYXHyperlink* link, std::u16string_view text)
{
    const TVYXCHPX* chpx = nullptr;
    const int index = InsertionIndex(pos, chpx);
    TVYXCharRunHyperlink* run = FCharRuns.InsertHyperlink(index, link, text, chpx);
    if (TVYXRootData* root = Root(); root && root->Styles())
        if (auto* style = dynamic_cast<TVYXCharStyle*>(root->Styles()->Find(u"Hyperlink")))
            (run->CHPX() ? run->CHPX() : run->AddCHPX())->SetStyle(style);
    return run;
}

TVYXCharRunPicture* TVYXLogPara::InsertPicture(std::int32_t pos)
{
    const TVYXCHPX* chpx = nullptr;
    const int index = InsertionIndex(pos, chpx);
    return FCharRuns.InsertPicture(index, chpx);
}

TVYXGraphicPicture& TVYXLogPara::AddPicture(TVYXPicture* picture)
{
    return static_cast<TVYXGraphicPicture&>(AddGraphic(std::make_unique<TVYXGraphicPicture>(picture)));
}

namespace {
std::unique_ptr<TVYXGraphicObj> NewHorizontalLine()
{
    auto rule = std::make_unique<TVYXGraphicHorizLine>();
    rule->Height = 1.5;
    rule->FillColor = 0xA0A0A0;
    rule->Stroked = false;
    return rule;
}
}  // namespace

TVYXCharRunGraphic* TVYXLogPara::InsertHorizontalLine(std::int32_t pos) { return InsertGraphic(pos, NewHorizontalLine()); }
TVYXCharRunGraphic* TVYXLogPara::AppendHorizontalLine() { return AppendGraphic(NewHorizontalLine()); }

TVYXCharRunPicture* TVYXLogPara::AppendPicture()
{
    MakeDirty();
    return FCharRuns.AddPicture(LastCHPX());
}

TVYXCharRunGraphic* TVYXLogPara::InsertGraphic(std::int32_t pos, std::unique_ptr<TVYXGraphicObj> graphic)
{
    const TVYXCHPX* chpx = nullptr;
    const int index = InsertionIndex(pos, chpx);
    return FCharRuns.InsertGraphic(index, std::move(graphic), chpx);
}

TVYXCharRunGraphic* TVYXLogPara::AppendGraphic(std::unique_ptr<TVYXGraphicObj> graphic)
{
    MakeDirty();
    return FCharRuns.AddGraphic(std::move(graphic), LastCHPX());
}

TVYXCharRunFootnote* TVYXLogPara::InsertFootnote(std::int32_t pos, TVYXFootnoteBaseItem* note, bool endnote)
{
    const TVYXCHPX* chpx = nullptr;
    const int index = InsertionIndex(pos, chpx);
    return FCharRuns.InsertFootnote(index, note, false, endnote, chpx);
}

TVYXCharRunFootnote* TVYXLogPara::InsertFootnoteRef(std::int32_t pos, TVYXFootnoteBaseItem* note, bool endnote)
{
    const TVYXCHPX* chpx = nullptr;
    const int index = InsertionIndex(pos, chpx);
    return FCharRuns.InsertFootnote(index, note, true, endnote, chpx);
}

TVYXCharRunFldChar* TVYXLogPara::AppendComplexField(std::u16string_view result, std::u16string_view instruction)
{
    MakeDirty();
    return FCharRuns.AddComplexField(result, instruction, LastCHPX());
}

std::unique_ptr<TVYXGraphicObj> TVYXLogPara::SnatchGraphic(int index)
{
    MakeDirty();
    return FCharRuns.SnatchGraphic(index);
}

void TVYXLogPara::SetupParaData(TVYXParaData& paraData) const
{
    const TVYXRootData* root = Root();
    const TVYXTableCell* cell = Cell();
    const TVYXTable* table = cell ? cell->Table() : nullptr;
    static const TVYXPAP defaults;
    paraData.Resolve(root && root->MasterPAP() ? *root->MasterPAP() : defaults, &FPAPX, cell != nullptr,
                     table ? table->TAPX().GetStyle() : nullptr);
}

bool TVYXLogPara::HasPageBreak() const
{
    for (int i = 0; i < Count(); ++i)
        if (FCharRuns.Items(i)->IsPageBreak())
            return true;
    return false;
}

void TVYXLogPara::CombineCharRuns()
{
    const int before = FCharRuns.Count();
    FCharRuns.Combine();
    FCharRuns.Reindex();
    // Merged runs are freed, and laid-out rows point at runs: they must be built again.
    if (FCharRuns.Count() != before)
        MakeDirty();
}

// ---- Paragraph format ----

namespace {
void MergeInto(TVYXCharRun& run, const TVYXCHPX& chpx, TVYXCHP* chp)
{
    TVYXCHPX* own = run.CHPX() ? run.CHPX() : run.AddCHPX();
    if (!own->CHP())
        own->SetCHP(chp);
    own->Merge(chpx);
    run.DeleteCHPXIfEmpty();
}
}  // namespace

void TVYXLogPara::SetFormat(const TVYXCHPX* chpx, int firstRun, int lastRun)
{
    if (!chpx)
        return;
    TVYXCHP* chp = Root() ? Root()->MasterCHP() : nullptr;
    for (int i = std::max(firstRun, 0); i <= lastRun && i < Count(); ++i)
        MergeInto(*FCharRuns.Items(i), *chpx, chp);
    MakeDirty();
}

void TVYXLogPara::FormatRange(const TVYXCHPX* chpx, std::int32_t from, std::int32_t to)
{
    if (!chpx)
        return;
    TVYXCHP* chp = Root() ? Root()->MasterCHP() : nullptr;
    if (from == to) {
        // An empty range prepares the format of the next typed text.
        TVYXCharRun* at = MakeInsertionPoint(from, true);
        TVYXCharRun* run = FCharRuns.Insert(at->Index() + 1, at->CHPX());
        MergeInto(*run, *chpx, chp);
    } else {
        if (from > to)
            std::swap(from, to);
        for (std::int32_t edge : {from, to})
            RunBoundaryAt(edge);
        for (int i = 0; i < Count(); ++i) {
            TVYXCharRun* run = FCharRuns.Items(i);
            if (run->Len() > 0 && run->StartPos() >= from && run->GetEndPos() <= to)
                MergeInto(*run, *chpx, chp);
        }
    }
    MakeDirty();
}

void TVYXLogPara::FormatRangeUncond(const TVYXCHPX* chpx, std::int32_t from, std::int32_t to)
{
    if (!FCharRuns.FindAbsolute(from, true) || !FCharRuns.FindAbsolute(to, true))
        return;
    for (int i = 0; i < Count(); ++i) {
        TVYXCharRun* run = FCharRuns.Items(i);
        if (run->StartPos() >= from && run->GetEndPos() <= to)
            run->SetCHPX(chpx);
    }
    CombineCharRuns();
    MakeDirty();
}

void TVYXLogPara::FormatAll(const TVYXCHPX* chpx)
{
    if (!chpx || chpx->Count() == 0)
        return;
    SetFormat(chpx, 0, Count() - 1);
    CombineCharRuns();
}

void TVYXLogPara::FormatAllUncond(const TVYXCHPX* chpx)
{
    for (int i = 0; i < Count(); ++i)
        FCharRuns.Items(i)->SetCHPX(chpx);
    CombineCharRuns();
    MakeDirty();
}

void TVYXLogPara::FormatWord(const TVYXCHPX* chpx, std::int32_t pos)
{
    std::int32_t start = 0, end = 0;
    if (WordAtPos(pos, start, end))
        FormatRange(chpx, start, end);
}

bool TVYXLogPara::UseStyle(std::u16string_view styleId)
{
    TVYXRootData* root = Root();
    auto* style = root && root->Styles() ? dynamic_cast<TVYXParaStyle*>(root->Styles()->Find(styleId)) : nullptr;
    if (!style)
        return false;
    FPAPX.SetStyle(style);
    MakeDirty();
    return true;
}

const TVYXCHPX* TVYXLogPara::LastCHPX() const { return CRLast() ? CRLast()->CHPX() : nullptr; }

// ---- Paragraph lists ----

TVYXNumbering* TVYXLogPara::BeginBullet()
{
    TVYXRootData* root = Root();
    if (!root || !root->Numberings())
        return nullptr;
    TVYXNumbering* level = root->Numberings()->AddNewBullet(VYXBulletListStyleText[ablsDefault]);
    FPAPX.SetNumbering(level);
    UseStyle(u"ListParagraph");
    MakeDirty();
    return level;
}

TVYXNumbering* TVYXLogPara::BeginNumbering(TVYXNumberingStyleType style)
{
    TVYXRootData* root = Root();
    if (!root || !root->Numberings())
        return nullptr;
    TVYXNumbering* level = root->Numberings()->AddNewNumbering(style);
    FPAPX.SetNumbering(level);
    UseStyle(u"ListParagraph");
    MakeDirty();
    return level;
}

TVYXNumbering* TVYXLogPara::BeginMultilevel(TVYXMultilevelListStyle style)
{
    TVYXRootData* root = Root();
    if (!root || !root->Numberings())
        return nullptr;
    TVYXNumbering* level = root->Numberings()->AddNewMultilevel(style);
    FPAPX.SetNumbering(level);
    UseStyle(u"ListParagraph");
    MakeDirty();
    return level;
}

void TVYXLogPara::MakeNumbering(std::int32_t level)
{
    TVYXRootData* root = Root();
    if (!root || !root->Numberings())
        return;
    TVYXNumbering* current = FPAPX.GetNumbering();
    TVYXNumbering* target = current ? current->NumList()->GetItems(level) : root->Numberings()->AddOrGet(level);
    if (!target)
        return;
    FPAPX.SetNumbering(target);
    UseStyle(u"ListParagraph");
    MakeDirty();
}

void TVYXLogPara::ChangeMultilevelLevel(int delta)
{
    if (TVYXNumbering* current = FPAPX.GetNumbering())
        if (TVYXNumbering* target = current->NumList()->GetItems(std::clamp(current->Level + delta, 0, 8))) {
            FPAPX.SetNumbering(target);
            MakeDirty();
        }
}

void TVYXLogPara::EndBulletNumbering()
{
    const TVYXLogPara* prev = Prevpara();
    VYXLeaveAutoNumbering(FPAPX, prev ? &prev->PAPX() : nullptr);
    MakeDirty();
}

void TVYXLogPara::RemoveBulletNumbering()
{
    FPAPX.Remove(vypiNumbering);
    FPAPX.Remove(vypiIndentLeft);
    FPAPX.Remove(vypiIndentHanging);
    MakeDirty();
}

bool TVYXLogPara::CheckNumbering()
{
    const TVYXLogPara* prev = Prevpara();
    const TVYXLogParaItem* nextItem = NextInParas();
    const TVYXLogPara* next = nextItem && nextItem->IsPara() ? static_cast<const TVYXLogPara*>(nextItem) : nullptr;
    if (FPAPX.GetNumbering())
        return false;
    return VYXInheritNeighbourList(FPAPX, prev ? &prev->PAPX() : nullptr, next ? &next->PAPX() : nullptr);
}

void TVYXLogPara::Validate()
{
    if (Count() == 0)
        FCharRuns.Add();
}

// ---- Paragraph navigation ----

TVYXLogPara* TVYXLogPara::Next() const
{
    auto* self = const_cast<TVYXLogPara*>(this);
    if (TVYXLogParaIterator* it = Iterator())
        return it->NextPara(*self);
    // Without a navigation object: the next item of the list (TVYXLogParas::Next).
    const TVYXLogParaItem* next = NextInParas();
    return next ? next->FirstPara() : nullptr;
}

TVYXLogPara* TVYXLogPara::Prev() const
{
    auto* self = const_cast<TVYXLogPara*>(this);
    if (TVYXLogParaIterator* it = Iterator())
        return it->PrevPara(*self);
    const TVYXLogParaItem* prev = PrevInParas();
    return prev ? prev->LastRowCell0LastPara() : nullptr;
}

TVYXLogParaItem* TVYXLogPara::NextInParas() const
{
    return Paras() && Index() + 1 < Paras()->Count() ? Paras()->GetItems(Index() + 1) : nullptr;
}

TVYXLogParaItem* TVYXLogPara::PrevInParas() const
{
    return Paras() && Index() > 0 && Index() <= Paras()->Count() ? Paras()->GetItems(Index() - 1) : nullptr;
}

TVYXLogPara* TVYXLogPara::Prevpara() const
{
    TVYXLogParaItem* prev = PrevInParas();
    return prev && prev->IsPara() ? static_cast<TVYXLogPara*>(prev) : nullptr;
}

bool TVYXLogPara::NextIsTable() const
{
    const TVYXLogParaItem* next = NextInParas();
    return next && next->IsTable();
}

TVYXLogPara* TVYXLogPara::First() const { return Iterator() ? Iterator()->FirstPara() : nullptr; }
TVYXLogPara* TVYXLogPara::Last() const { return Iterator() ? Iterator()->LastPara() : nullptr; }

TVYXLogPara* TVYXLogPara::NextRow() const
{
    return Iterator() ? Iterator()->NextRow(*const_cast<TVYXLogPara*>(this)) : nullptr;
}

TVYXLogPara* TVYXLogPara::PrevRow() const
{
    return Iterator() ? Iterator()->PrevRow(*const_cast<TVYXLogPara*>(this)) : nullptr;
}

TVYXTableCell* TVYXLogPara::Cell() const { return Paras() ? Paras()->Cell() : nullptr; }

int TVYXLogPara::RootIndex() const
{
    const TVYXLogParaItem* item = this;
    for (int guard = 0; item && item->Paras() && item->Paras()->Cell() && guard < 100000; ++guard)
        item = item->Paras()->Cell()->Table();
    return item ? item->Index() : -1;
}

// ---- Sections ----

TVYXSEP* TVYXLogPara::AddSEP()
{
    TVYXLogParaExtra& extra = Extra();
    if (!extra.SEP) {
        TVYXRootData* root = Root();
        extra.SEP = std::make_unique<TVYXSEP>(root ? root->MasterSEP() : nullptr, root ? root->DOP() : nullptr);
    }
    return extra.SEP.get();
}

void TVYXLogPara::ClearSEP()
{
    if (!FExtra)
        return;
    FExtra->SEP.reset();
    DropEmptyExtra();
}

TVYXLogPara* TVYXLogPara::FindNextSEP()
{
    for (TVYXLogPara* p = this; p; p = p->Next())
        if (p->SEP())
            return p;
    return nullptr;
}

TVYXLogPara* TVYXLogPara::FindPrevSEP()
{
    for (TVYXLogPara* p = Prev(); p; p = p->Prev())
        if (p->SEP())
            return p;
    return nullptr;
}

// ---- Copies ----

void TVYXLogPara::Assign(const TVYXLogPara& source, bool withRuns)
{
    TVYXRootData* root = Root();
    TVYXRootData* sourceRoot = source.Root();
    FPAPX.Assign(source.PAPX(), sourceRoot ? sourceRoot->Styles() : nullptr, root ? root->Styles() : nullptr);
    if (source.SEP()) {
        AddSEP()->Assign(*source.SEP());
    }
    if (const TVYXParaFrame* frame = source.Frame())
        AddFrame() = *frame;
    SetName(source.Name());
    if (withRuns) {
        FCharRuns.Assign(source.CharRuns());
        Pilcrow = source.Pilcrow;
    }
    if (const TVYXGraphicObjList* graphics = source.Graphics(); graphics && graphics->Count() > 0) {
        TVYXGraphicObjList& own = AddGraphics();
        for (int i = 0; i < graphics->Count(); ++i) {
            const TVYXGraphicObj& obj = graphics->GetItems(i);
            if (obj.DoNotCopy)
                continue;
            auto copy = VYXCopyGraphicObj(obj, own.Pictures, own.ShapeTypes);
            if (!copy)
                continue;
            const auto* rot = dynamic_cast<const TVYXGraphicRotate*>(&obj);
            if (auto* box = dynamic_cast<TVYXGraphicRotate*>(copy.get()); box && box->TextBox && rot)
                CopyTextBoxParas(*box->TextBox, rot->TextBox->Paras);
            own.Add(std::move(copy));
        }
    }
    MakeDirty();
}

std::unique_ptr<TVYXLogParaItem> TVYXLogPara::Clone(TVYXLogParas* paras) const
{
    auto copy = std::make_unique<TVYXLogPara>(paras);
    copy->Assign(*this, true);
    return copy;
}

std::unique_ptr<TVYXLogPara> TVYXLogPara::Clone(TVYXLogParas* paras, std::int32_t fromPos, std::int32_t toPos) const
{
    auto copy = std::make_unique<TVYXLogPara>(paras);
    copy->Assign(*this, false);
    for (int i = 0; i < Count(); ++i) {
        const TVYXCharRun* run = FCharRuns.Items(i);
        const std::int32_t a = std::max(fromPos, run->StartPos()), b = std::min(toPos, run->GetEndPos());
        if (run->Len() == 0 ? (run->StartPos() >= fromPos && run->StartPos() < toPos) : a < b)
            copy->CharRuns().Add(run->Len() == 0 || (a == run->StartPos() && b == run->GetEndPos()) || run->IsAtom()
                                     ? run->Clone()
                                     : run->Clone(a, b));
    }
    return copy;
}

// ---- Tabs, page breaks at a position, list spacing ----------------------------

const TVYXTabStops* TVYXLogPara::GetTabs() const
{
    if (const TVYXTabStops* own = FPAPX.GetTabStops(); own && own->Count() > 0)
        return own;
    // The depth bound keeps a BasedOn cycle from a damaged file from hanging.
    int depth = 0;
    for (const TVYXStyle* style = FPAPX.GetStyle(); style && depth < 256; style = style->BasedOn, ++depth)
        if (const TVYXPAPX* papx = style->StylePAPX())
            if (const TVYXTabStops* tabs = papx->GetTabStops(); tabs && tabs->Count() > 0)
                return tabs;
    return nullptr;
}

const TVYXTabStop* TVYXLogPara::MapTab(double& pos, bool first, double x) const
{
    const TVYXRootData* root = Root();
    const double ppx = (root && root->PPIX() > 0 ? root->PPIX() : 96.0) / 72.0;
    const TVYXDOP* dop = root ? root->DOP() : nullptr;
    const double left = FPAPX.GetStyledIndentLeft();
    TVYXTabStop& scratch = Paras()->TempTab;
    const TVYXTabStops* own = FPAPX.GetTabStops();
    if (first && (!own || own->Count() == 0) && FPAPX.GetStyledIndentHanging() > 0 && left > 0) {
        pos = ppx * left;
        if (dop)
            scratch.Assign(dop->DefTab);
        else
            scratch = TVYXTabStop();
        scratch.Parent = nullptr;
        scratch.Position = left;
        return &scratch;
    }
    constexpr double cTolerance = 0.0001;
    pos = 0;
    if (const TVYXTabStops* tabs = GetTabs())
        for (int i = 0; i < tabs->Count(); ++i) {
            pos = ppx * (tabs->Items(i).Position - left);
            if (pos > x + cTolerance)
                return &tabs->Items(i);
        }
    double step = ppx * (dop ? dop->TabWidth : 65.2);
    if (!(step > 0))
        step = ppx * 65.2;
    // Jump in one step: x may be far beyond the last stop (or not finite).
    if (std::isfinite(x) && pos <= x + cTolerance)
        pos += step * (std::floor((x + cTolerance - pos) / step) + 1);
    scratch = TVYXTabStop();
    scratch.Position = left + pos / ppx;
    return &scratch;
}

// ---- Layout results --------------------------------------------------------------

void TVYXLogPara::ClearRows()
{
    if (FRows)
        FRows->Clear();
}

double TVYXLogPara::PixHeight() const { return FRows ? FRows->PixHeight() : 0; }
double TVYXLogPara::PixWidth() const { return FRows ? FRows->PixWidth() : 0; }

// ---- Anchored objects and text boxes -------------------------------------------

TVYXGraphicObjList& TVYXLogPara::AddGraphics()
{
    TVYXLogParaExtra& extra = Extra();
    if (!extra.Graphics) {
        TVYXRootData* root = Root();
        extra.Graphics = std::make_unique<TVYXGraphicObjList>(root ? root->Pictures() : nullptr,
                                                              root ? root->ShapeTypes() : nullptr);
    }
    return *extra.Graphics;
}

TVYXGraphicObj& TVYXLogPara::AddGraphic(std::unique_ptr<TVYXGraphicObj> graphic)
{
    TVYXGraphicObj& added = AddGraphics().Add(std::move(graphic));
    MakeDirty();
    return added;
}

std::vector<std::unique_ptr<TVYXGraphicObj>> TVYXLogPara::TakeGraphics()
{
    std::vector<std::unique_ptr<TVYXGraphicObj>> taken;
    TVYXGraphicObjList* graphics = Graphics();
    if (!graphics || graphics->Count() == 0)
        return taken;
    taken.reserve(static_cast<std::size_t>(graphics->Count()));
    while (graphics->Count() > 0)
        taken.push_back(graphics->Snatch(graphics->GetItems(0)));
    MakeDirty();
    return taken;
}

void TVYXLogPara::CopyTextBoxParas(TVYXGrTextBox& box, const TVYXLogParas* source)
{
    TVYXLogParaIterator* nav = Iterator();
    box.Paras = nav ? nav->AddTextBoxCopy(source) : nullptr;
}

std::unique_ptr<TVYXGraphicRotate> TVYXLogPara::CreateTextBox(double width, double height)
{
    TVYXRootData* root = Root();
    TVYXShapeType* type = nullptr;
    if (root && root->ShapeTypes()) {
        type = root->ShapeTypes()->Find("rect");
        if (!type)
            type = root->ShapeTypes()->Add("rect");  // nullptr without the preset definitions
    }
    std::unique_ptr<TVYXGraphicRotate> box;
    if (type)
        box = std::make_unique<TVYXGraphicShape>(type);
    else
        box = std::make_unique<TVYXGraphicRectangle>();
    box->Width = width;
    box->Height = height;
    box->Precalc();
    CopyTextBoxParas(box->AddTextBox(), nullptr);
    return box;
}

TVYXGraphicRotate* TVYXLogPara::AddTextBox(double width, double height)
{
    return static_cast<TVYXGraphicRotate*>(&AddGraphic(CreateTextBox(width, height)));
}

TVYXCharRunGraphic* TVYXLogPara::InsertTextBox(std::int32_t pos, double width, double height)
{
    std::unique_ptr<TVYXGraphicRotate> box = CreateTextBox(width, height);
    box->Wrap = agowInLine;
    return InsertGraphic(pos, std::move(box));
}

TVYXCharRunGraphic* TVYXLogPara::AppendTextBox(double width, double height)
{
    return InsertTextBox(EndOfParaPos(), width, height);
}

// ---- Revision marks ------------------------------------------------------------

void TVYXLogPara::ApplyRevision(const TVYXRevisionData& revision, std::int32_t from, std::int32_t to)
{
    if (revision.RevType == artFormatPAPX) {
        std::unique_ptr<TVYXRevisionData> data = revision.CloneData();
        if (auto* former = dynamic_cast<TVYXRevisionDataPAPX*>(data.get()); former && !former->PAPX()) {
            former->AddPAPX(FPAPX.PAP())->Assign(FPAPX, nullptr, nullptr);
            former->PAPX()->RemoveRevision();
        }
        FPAPX.AddRevision(std::move(data));
        MakeDirty();
        return;
    }
    from = std::max(from, 1);
    to = std::min(to, EndOfParaPos());
    if (from >= to)
        return;
    // An empty run split off at the end and left unmarked would cut the change off from
    // its continuation in the next paragraph: RunBoundaryAt makes none there.
    RunBoundaryAt(to);
    const int first = RunBoundaryAt(from);
    const int end = RunBoundaryAt(to);  // again: the split for `from` may shift it
    for (int i = first; i < end; ++i) {
        TVYXCharRun* run = FCharRuns.Items(i);
        std::unique_ptr<TVYXRevisionData> data = revision.CloneData();
        if (revision.RevType != artFormatCHPX) {
            run->AddRevision(std::move(data));
            continue;
        }
        if (auto* former = dynamic_cast<TVYXRevisionDataCHPX*>(data.get()); former && !former->CHPX() && run->CHPX()) {
            former->AddCHPX(run->CHPX()->CHP())->Assign(*run->CHPX(), nullptr, nullptr);
            former->CHPX()->RemoveRevision();
        }
        (run->CHPX() ? run->CHPX() : run->AddCHPX())->AddRevision(std::move(data));
    }
    MakeDirty();
}
