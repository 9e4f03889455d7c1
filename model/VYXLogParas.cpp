// VYXLogParas.cpp: paragraphs, paragraph lists, tables, navigation, iteration and notes.
#include "model/VYXLogParas.h"

#include <algorithm>
#include <cmath>

#include "model/VYXDocData.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPos.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXWildcards.h"
#include "platform/VYXException.h"

const std::array<std::string_view, atcavBoth + 1> VYXTableCellAlignVertNames = {"Top", "Center", "Bottom", "Both"};

namespace {
bool IsWordChar(char16_t c)
{
    if (c < 128)
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
    return c != 0xA0 && c != 0x2028 && c != 0x2029 && !(c >= 0x2000 && c <= 0x206F) && c != 0x3000;
}

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == 0xA0; }

bool ProtectionEnforced(const TVYXRootData* root)
{
    return root && root->DOP && root->DOP->Protection.Enforcement;
}

char16_t UpperAscii(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }
}  // namespace

// ---- Root navigation ---------------------------------------------------------

TVYXLogPara* TVYXLogParasRootIterator::FirstPara() { return Paras ? Paras->_FirstPara() : nullptr; }
TVYXLogPara* TVYXLogParasRootIterator::LastPara() { return Paras ? Paras->_LastPara() : nullptr; }
TVYXLogPara* TVYXLogParasRootIterator::NextPara(TVYXLogParaItem& item)
{
    return item.Paras ? item.Paras->Next(item) : nullptr;
}
TVYXLogPara* TVYXLogParasRootIterator::PrevPara(TVYXLogParaItem& item)
{
    // Reading order: a preceding table ends with its last cell.
    if (!item.Paras || item.Index() <= 0)
        return nullptr;
    TVYXLogParaItem* prev = item.Paras->GetItems(item.Index() - 1);
    return prev->IsPara() ? static_cast<TVYXLogPara*>(prev) : static_cast<TVYXTable*>(prev)->LastPara();
}

// ---- Items ---------------------------------------------------------------------

TVYXCHPX* TVYXLogParaItem::GetTempCHPX() const
{
    return Paras && Paras->RootManager ? Paras->RootManager->TempCHPX() : nullptr;
}
TVYXPAPX* TVYXLogParaItem::GetTempPAPX() const
{
    return Paras && Paras->RootManager ? Paras->RootManager->TempPAPX() : nullptr;
}

// ---- Paragraph -----------------------------------------------------------------

TVYXLogPara::TVYXLogPara(TVYXLogParas* paras) : TVYXLogParaItem(paras)
{
    TVYXRootData* root = Root();
    FPAPX = std::make_unique<TVYXPAPX>(root ? root->MasterPAP : nullptr);
    FCharRuns = std::make_unique<TVYXCharRuns>(root);
    WireRuns();
    if (Paras && Paras->DirtyParaEvent)
        Paras->DirtyParaEvent(*this);
}

TVYXLogPara::~TVYXLogPara() = default;

TVYXRootData* TVYXLogPara::Root() const { return Paras ? Paras->RootManager : nullptr; }

void TVYXLogPara::WireRuns()
{
    TVYXRootData* root = Root();
    FCharRuns->RootData = root;
    FCharRuns->DeleteCREvent = [root](TVYXCharRuns&, TVYXCharRun& run) {
        if (root)
            root->DoDeleteCR(run);
    };
    FCharRuns->DirtyCREvent = [this](TVYXCharRuns&, TVYXCharRun&) { MakeDirty(); };
}

TVYXLogParaIterator* TVYXLogPara::Iterator() const { return Paras ? Paras->Iterator : nullptr; }

void TVYXLogPara::MakeDirty()
{
    Dirty = true;
    Find.Valid = false;
    if (Paras && Paras->DirtyParaEvent)
        Paras->DirtyParaEvent(*this);
}

std::u16string TVYXLogPara::GetText() const
{
    std::u16string text;
    for (int i = 0; i < Count(); ++i)
        text += FCharRuns->Items(i)->GetText();
    return text;
}

std::u16string TVYXLogPara::GetPlainText() const
{
    std::u16string text;
    for (int i = 0; i < Count(); ++i)
        text += FCharRuns->Items(i)->GetPlainText();
    return text;
}

std::u16string TVYXLogPara::GetFileText() const
{
    std::u16string text;
    for (int i = 0; i < Count(); ++i)
        text += FCharRuns->Items(i)->Text;
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

std::int32_t TVYXLogPara::EndOfParaPos() const { return std::max<std::int32_t>(1, FCharRuns->EndOfParaPos()); }

bool TVYXLogPara::Empty() const
{
    if (Count() == 0)
        return true;
    const TVYXCharRun* run = CRFirst();
    return Count() == 1 && run->Type_() == acrtText && run->Text.empty();
}

char16_t TVYXLogPara::GetChar(std::int32_t pos) const
{
    if (pos < 1 || pos >= EndOfParaPos())
        return 0;
    const TVYXCharRun* run = FCharRuns->FindAbsolute(pos, true);
    return run ? run->CPGetChar(pos) : 0;
}

TVYXCharType TVYXLogPara::CharTypeAtPos(std::int32_t pos) const
{
    if (pos < 1)
        return actInvalid;
    if (pos >= EndOfParaPos())
        return actEndOfPara;
    const TVYXCharRun* run = FCharRuns->FindAbsolute(pos, true);
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
    if (c < 128 && !IsWordChar(c))
        return actPunctuation;
    return actNotWhitespace;
}

TVYXCHPX* TVYXLogPara::CHPXAtPos(std::int32_t pos) const
{
    const TVYXCharRun* run = FCharRuns->FindAbsolute(pos, false);
    return run ? run->CHPX() : nullptr;
}

bool TVYXLogPara::WordAtPos(std::int32_t pos, std::int32_t& start, std::int32_t& end) const
{
    if (!IsWordChar(GetChar(pos)) || GetChar(pos) == 0) {
        if (pos <= 1 || !IsWordChar(GetChar(pos - 1)) || GetChar(pos - 1) == 0)
            return false;
        --pos;
    }
    start = pos;
    while (start > 1 && GetChar(start - 1) && IsWordChar(GetChar(start - 1)))
        --start;
    end = pos;
    while (end < EndOfParaPos() && GetChar(end) && IsWordChar(GetChar(end)))
        ++end;
    return true;
}

std::int32_t TVYXLogPara::FindNextWord(std::int32_t pos) const
{
    const std::int32_t endPos = EndOfParaPos();
    std::int32_t p = std::max(pos, 1);
    while (p < endPos && IsWordChar(GetChar(p)) && GetChar(p))
        ++p;
    while (p < endPos && !(IsWordChar(GetChar(p)) && GetChar(p)))
        ++p;
    return p < endPos ? p : 0;
}

std::int32_t TVYXLogPara::FindPrevWord(std::int32_t pos) const
{
    std::int32_t p = std::min(pos, EndOfParaPos()) - 1;
    while (p >= 1 && !(IsWordChar(GetChar(p)) && GetChar(p)))
        --p;
    if (p < 1)
        return 0;
    while (p > 1 && IsWordChar(GetChar(p - 1)) && GetChar(p - 1))
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
        run = FCharRuns->Add();
    else {
        run = FCharRuns->FindAbsolute(pos, true);
        if (!run)
            run = CRLast();
        // Text typed at a boundary joins the run on its left and takes its format.
        if (run->Len() > 0 && pos == run->StartPos && run->Index > 0) {
            TVYXCharRun* prev = run->Prev();
            const TVYXCharRunType t = prev->Type_();
            if (t == acrtText || t == acrtHyperlink || t == acrtSimpleField)
                run = prev;
        }
        if (run->IsAtom()) {
            run = MakeInsertionPoint(pos, true);
            if (run->IsAtom())
                run = FCharRuns->Insert(run->Index + 1, run->CHPX());
        }
    }
    const auto offset = static_cast<std::size_t>(std::clamp<std::int32_t>(pos - run->StartPos, 0, run->Len()));
    std::u16string t = run->Text;
    t.insert(offset, text);
    run->SetRawText(t);
    InvalidateFind();
    MakeDirty();
    return run;
}

TVYXCharRun* TVYXLogPara::InsertFormattedText(std::u16string_view text, std::int32_t pos, const TVYXCHPX* chpx)
{
    TVYXCharRun* at = MakeInsertionPoint(pos, false);
    TVYXCharRun* run = FCharRuns->Insert(at ? at->Index : Count(), chpx);
    run->SetRawText(text);
    MakeDirty();
    return run;
}

TVYXCharRun* TVYXLogPara::MakeInsertionPoint(std::int32_t pos, bool before)
{
    if (Count() == 0)
        return FCharRuns->Add();
    if (pos <= 1)
        return FCharRuns->Insert(0);
    if (pos >= EndOfParaPos()) {
        const TVYXCHPX* chpx = CRLast()->CHPX();
        return FCharRuns->Add(chpx);
    }
    TVYXCharRun* run = FCharRuns->FindAbsolute(pos, true);
    if (!run)
        return CRLast();
    if (pos > run->StartPos && pos < run->GetEndPos()) {
        if (run->IsAtom())
            return run;
        TVYXCharRun* right = FCharRuns->SplitAndInsert(*run, pos);
        return before ? run : right;
    }
    if (before && run->Index > 0)
        return run->Prev();
    return run;
}

void TVYXLogPara::DeleteText(std::int32_t from, std::int32_t to, const TVYXRevisionData* revision)
{
    from = std::max(from, 1);
    to = std::min(to, EndOfParaPos());
    if (from >= to || Count() == 0)
        return;
    if (ProtectionEnforced(Root())) {
        const TVYXCharRun* a = FCharRuns->FindAbsolute(from, true);
        const TVYXCharRun* b = FCharRuns->FindAbsolute(to, true);
        const int ia = a ? a->Index : 0, ib = b ? b->Index : Count() - 1;
        for (int i = ia; i <= ib && i < Count(); ++i)
            if (FCharRuns->Items(i)->GetReadOnlyActive())
                return;
    }
    // Split so that the range consists of whole runs.
    for (std::int32_t edge : {from, to})
        RunBoundaryAt(edge);
    for (int i = Count() - 1; i >= 0; --i) {
        TVYXCharRun* run = FCharRuns->Items(i);
        const bool inside = run->Len() > 0 ? run->StartPos >= from && run->GetEndPos() <= to
                                           : run->Type_() == acrtText && run->StartPos > from && run->StartPos < to;
        if (!inside)
            continue;
        if (!revision || (run->Revision() && run->Revision()->Id == -1))
            FCharRuns->Delete(i);
        else
            run->AddRevision(revision->CloneData());
    }
    FCharRuns->Combine2();
    InvalidateFind();
    MakeDirty();
}

void TVYXLogPara::ClearText()
{
    FCharRuns->Clear();
    MakeDirty();
}

void TVYXLogPara::SetPlainText(std::u16string_view text)
{
    FCharRuns->Clear();
    FCharRuns->Add()->SetRawText(text);
    MakeDirty();
}

TVYXCharRun* TVYXLogPara::Append(std::u16string_view text)
{
    TVYXCharRun* last = CRLast();
    if (last && last->Type_() == acrtText && !last->GetReadOnlyActive()) {
        last->Append(text);
        MakeDirty();
        return last;
    }
    return AppendPlainText(text);
}

TVYXCharRun* TVYXLogPara::AppendPlainText(std::u16string_view text)
{
    TVYXCharRun* run = FCharRuns->Add();
    run->SetRawText(text);
    MakeDirty();
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
    TVYXCharRun* run = FCharRuns->Add(chpx);
    run->SetRawText(text);
    MakeDirty();
    return run;
}

TVYXCharRun* TVYXLogPara::AppendCharRun(std::unique_ptr<TVYXCharRun> run)
{
    TVYXCharRun* added = FCharRuns->Add(std::move(run));
    MakeDirty();
    return added;
}

TVYXCharRun* TVYXLogPara::InsertCharRun(std::unique_ptr<TVYXCharRun> run, std::int32_t pos)
{
    TVYXCharRun* at = MakeInsertionPoint(pos, false);
    TVYXCharRun* added = FCharRuns->Insert(at ? at->Index : Count(), std::move(run));
    MakeDirty();
    return added;
}

void TVYXLogPara::InsertCharRuns(const TVYXCharRuns& runs, std::int32_t pos)
{
    if (runs.Count() == 0)
        return;
    TVYXCharRun* at = MakeInsertionPoint(pos, false);
    int index = at ? at->Index : Count();
    for (int i = 0; i < runs.Count(); ++i)
        FCharRuns->Insert(index++, runs.Items(i)->Clone());
    MakeDirty();
}

TVYXCharRunTab* TVYXLogPara::InsertTab(std::int32_t pos)
{
    TVYXCharRun* at = MakeInsertionPoint(pos, false);
    TVYXCharRunTab* tab = FCharRuns->InsertTab(at->Index, at->CHPX());
    MakeDirty();
    return tab;
}

TVYXCharRunTab* TVYXLogPara::AppendTab()
{
    TVYXCharRunTab* tab = FCharRuns->AddTab(LastCHPX());
    MakeDirty();
    return tab;
}

TVYXCharRunBreak* TVYXLogPara::InsertBreak(std::int32_t pos, TVYXCharRunBreakType type)
{
    TVYXCharRun* at = MakeInsertionPoint(pos, false);
    TVYXCharRunBreak* brk = FCharRuns->InsertBreak(at->Index, type, at->CHPX());
    MakeDirty();
    return brk;
}

TVYXCharRunBreak* TVYXLogPara::AppendBreak(TVYXCharRunBreakType type)
{
    TVYXCharRunBreak* brk = FCharRuns->AddBreak(type, LastCHPX());
    MakeDirty();
    return brk;
}

TVYXCharRunHyperlink* TVYXLogPara::AppendHyperlink(TVYXHyperlink* link, std::u16string_view text)
{
    TVYXCharRunHyperlink* run = FCharRuns->AddHyperlink(link, text);
    if (TVYXRootData* root = Root(); root && root->Styles)
        if (auto* style = dynamic_cast<TVYXCharStyle*>(root->Styles->Find(u"Hyperlink")))
            run->AddCHPX()->SetStyle(style);
    MakeDirty();
    return run;
}

int TVYXLogPara::InsertionIndex(std::int32_t pos, const TVYXCHPX*& chpx)
{
    TVYXCharRun* at = MakeInsertionPoint(pos, false);
    chpx = at->CHPX();
    MakeDirty();
    return at->Index;
}

TVYXCharRunHyperlink* TVYXLogPara::InsertHyperlink(std::int32_t pos, TVYXHyperlink* link, std::u16string_view text)
{
    const TVYXCHPX* chpx = nullptr;
    const int index = InsertionIndex(pos, chpx);
    TVYXCharRunHyperlink* run = FCharRuns->InsertHyperlink(index, link, text, chpx);
    if (TVYXRootData* root = Root(); root && root->Styles)
        if (auto* style = dynamic_cast<TVYXCharStyle*>(root->Styles->Find(u"Hyperlink")))
            (run->CHPX() ? run->CHPX() : run->AddCHPX())->SetStyle(style);
    return run;
}

TVYXCharRunPicture* TVYXLogPara::InsertPicture(std::int32_t pos)
{
    const TVYXCHPX* chpx = nullptr;
    const int index = InsertionIndex(pos, chpx);
    return FCharRuns->InsertPicture(index, chpx);
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
    return FCharRuns->AddPicture(LastCHPX());
}

TVYXCharRunGraphic* TVYXLogPara::InsertGraphic(std::int32_t pos, std::unique_ptr<TVYXGraphicObj> graphic)
{
    const TVYXCHPX* chpx = nullptr;
    const int index = InsertionIndex(pos, chpx);
    return FCharRuns->InsertGraphic(index, std::move(graphic), chpx);
}

TVYXCharRunGraphic* TVYXLogPara::AppendGraphic(std::unique_ptr<TVYXGraphicObj> graphic)
{
    MakeDirty();
    return FCharRuns->AddGraphic(std::move(graphic), LastCHPX());
}

TVYXCharRunFootnote* TVYXLogPara::InsertFootnote(std::int32_t pos, TVYXFootnoteBaseItem* note, bool endnote)
{
    const TVYXCHPX* chpx = nullptr;
    const int index = InsertionIndex(pos, chpx);
    return FCharRuns->InsertFootnote(index, note, false, endnote, chpx);
}

TVYXCharRunFootnote* TVYXLogPara::InsertFootnoteRef(std::int32_t pos, TVYXFootnoteBaseItem* note, bool endnote)
{
    const TVYXCHPX* chpx = nullptr;
    const int index = InsertionIndex(pos, chpx);
    return FCharRuns->InsertFootnote(index, note, true, endnote, chpx);
}

TVYXCharRunFldChar* TVYXLogPara::AppendComplexField(std::u16string_view result, std::u16string_view instruction)
{
    MakeDirty();
    return FCharRuns->AddComplexField(result, instruction, LastCHPX());
}

std::unique_ptr<TVYXGraphicObj> TVYXLogPara::SnatchGraphic(int index)
{
    MakeDirty();
    return FCharRuns->SnatchGraphic(index);
}

void TVYXLogPara::SetupParaData(TVYXParaData& paraData) const
{
    const TVYXRootData* root = Root();
    const TVYXTableCell* cell = Cell();
    const TVYXTable* table = cell ? cell->Table() : nullptr;
    static const TVYXPAP defaults;
    paraData.Resolve(root && root->MasterPAP ? *root->MasterPAP : defaults, FPAPX.get(), cell != nullptr,
                     table ? table->TAPX().GetStyle() : nullptr);
}

bool TVYXLogPara::HasPageBreak() const
{
    for (int i = 0; i < Count(); ++i)
        if (FCharRuns->Items(i)->IsPageBreak())
            return true;
    return false;
}

void TVYXLogPara::CombineCharRuns()
{
    FCharRuns->Combine();
    FCharRuns->Reindex();
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
    TVYXCHP* chp = Root() ? Root()->MasterCHP : nullptr;
    for (int i = std::max(firstRun, 0); i <= lastRun && i < Count(); ++i)
        MergeInto(*FCharRuns->Items(i), *chpx, chp);
    MakeDirty();
}

void TVYXLogPara::FormatRange(const TVYXCHPX* chpx, std::int32_t from, std::int32_t to)
{
    if (!chpx)
        return;
    TVYXCHP* chp = Root() ? Root()->MasterCHP : nullptr;
    if (from == to) {
        // An empty range prepares the format of the next typed text.
        TVYXCharRun* at = MakeInsertionPoint(from, true);
        TVYXCharRun* run = FCharRuns->Insert(at->Index + 1, at->CHPX());
        MergeInto(*run, *chpx, chp);
    } else {
        if (from > to)
            std::swap(from, to);
        for (std::int32_t edge : {from, to})
            RunBoundaryAt(edge);
        for (int i = 0; i < Count(); ++i) {
            TVYXCharRun* run = FCharRuns->Items(i);
            if (run->Len() > 0 && run->StartPos >= from && run->GetEndPos() <= to)
                MergeInto(*run, *chpx, chp);
        }
    }
    MakeDirty();
}

void TVYXLogPara::FormatRangeUncond(const TVYXCHPX* chpx, std::int32_t from, std::int32_t to)
{
    if (!FCharRuns->FindAbsolute(from, true) || !FCharRuns->FindAbsolute(to, true))
        return;
    for (int i = 0; i < Count(); ++i) {
        TVYXCharRun* run = FCharRuns->Items(i);
        if (run->StartPos >= from && run->GetEndPos() <= to)
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
        FCharRuns->Items(i)->SetCHPX(chpx);
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
    auto* style = root && root->Styles ? dynamic_cast<TVYXParaStyle*>(root->Styles->Find(styleId)) : nullptr;
    if (!style)
        return false;
    FPAPX->SetStyle(style);
    MakeDirty();
    return true;
}

TVYXCHPX* TVYXLogPara::LastCHPX() const { return CRLast() ? CRLast()->CHPX() : nullptr; }

// ---- Paragraph lists ----

TVYXNumbering* TVYXLogPara::BeginBullet()
{
    TVYXRootData* root = Root();
    if (!root || !root->Numberings)
        return nullptr;
    TVYXNumbering* level = root->Numberings->AddNewBullet(VYXBulletListStyleText[ablsDefault]);
    FPAPX->SetNumbering(level);
    UseStyle(u"ListParagraph");
    MakeDirty();
    return level;
}

TVYXNumbering* TVYXLogPara::BeginNumbering(TVYXNumberingStyleType style)
{
    TVYXRootData* root = Root();
    if (!root || !root->Numberings)
        return nullptr;
    TVYXNumbering* level = root->Numberings->AddNewNumbering(style);
    FPAPX->SetNumbering(level);
    UseStyle(u"ListParagraph");
    MakeDirty();
    return level;
}

TVYXNumbering* TVYXLogPara::BeginMultilevel(TVYXMultilevelListStyle style)
{
    TVYXRootData* root = Root();
    if (!root || !root->Numberings)
        return nullptr;
    TVYXNumbering* level = root->Numberings->AddNewMultilevel(style);
    FPAPX->SetNumbering(level);
    UseStyle(u"ListParagraph");
    MakeDirty();
    return level;
}

void TVYXLogPara::MakeNumbering(std::int32_t level)
{
    TVYXRootData* root = Root();
    if (!root || !root->Numberings)
        return;
    TVYXNumbering* current = FPAPX->GetNumbering();
    TVYXNumbering* target = current ? current->NumList()->GetItems(level) : root->Numberings->AddOrGet(level);
    if (!target)
        return;
    FPAPX->SetNumbering(target);
    UseStyle(u"ListParagraph");
    MakeDirty();
}

void TVYXLogPara::ChangeMultilevelLevel(int delta)
{
    if (TVYXNumbering* current = FPAPX->GetNumbering())
        if (TVYXNumbering* target = current->NumList()->GetItems(std::clamp(current->Level + delta, 0, 8))) {
            FPAPX->SetNumbering(target);
            MakeDirty();
        }
}

void TVYXLogPara::EndBulletNumbering()
{
    const TVYXLogPara* prev = Prevpara();
    VYXLeaveAutoNumbering(*FPAPX, prev ? &prev->PAPX() : nullptr);
    MakeDirty();
}

void TVYXLogPara::RemoveBulletNumbering()
{
    FPAPX->Remove(vypiNumbering);
    FPAPX->Remove(vypiIndentLeft);
    FPAPX->Remove(vypiIndentHanging);
    MakeDirty();
}

bool TVYXLogPara::CheckNumbering()
{
    const TVYXLogPara* prev = Prevpara();
    const TVYXLogParaItem* nextItem = NextInParas();
    const TVYXLogPara* next = nextItem && nextItem->IsPara() ? static_cast<const TVYXLogPara*>(nextItem) : nullptr;
    if (FPAPX->GetNumbering())
        return false;
    return VYXInheritNeighbourList(*FPAPX, prev ? &prev->PAPX() : nullptr, next ? &next->PAPX() : nullptr);
}

// ---- Paragraph navigation ----

TVYXLogPara* TVYXLogPara::Next() const
{
    auto* self = const_cast<TVYXLogPara*>(this);
    if (TVYXLogParaIterator* it = Iterator())
        return it->NextPara(*self);
    return Paras ? Paras->Next(*this) : nullptr;
}

TVYXLogPara* TVYXLogPara::Prev() const
{
    auto* self = const_cast<TVYXLogPara*>(this);
    if (TVYXLogParaIterator* it = Iterator())
        return it->PrevPara(*self);
    return Paras ? Paras->Prev(*this) : nullptr;
}

TVYXLogParaItem* TVYXLogPara::NextInParas() const
{
    return Paras && Index() + 1 < Paras->Count() ? Paras->GetItems(Index() + 1) : nullptr;
}

TVYXLogParaItem* TVYXLogPara::PrevInParas() const
{
    return Paras && Index() > 0 && Index() <= Paras->Count() ? Paras->GetItems(Index() - 1) : nullptr;
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

TVYXTableCell* TVYXLogPara::Cell() const { return Paras ? Paras->Cell : nullptr; }

int TVYXLogPara::RootIndex() const
{
    const TVYXLogParaItem* item = this;
    for (int guard = 0; item && item->Paras && item->Paras->Cell && guard < 100000; ++guard)
        item = item->Paras->Cell->Table();
    return item ? item->Index() : -1;
}

// ---- Sections ----

TVYXSEP* TVYXLogPara::AddSEP()
{
    if (!FSEP) {
        TVYXRootData* root = Root();
        FSEP = std::make_unique<TVYXSEP>(root ? root->MasterSEP : nullptr, root ? root->DOP : nullptr);
    }
    return FSEP.get();
}

void TVYXLogPara::ClearSEP() { FSEP.reset(); }

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

// ---- Search ----

void TVYXLogPara::BeginFindText(std::u16string_view text, unsigned options)
{
    Find.Para = this;
    Find.FindOptions = options;
    Find.FindText = std::u16string(text);
    if (!(options & aftoMatchCase))
        std::transform(Find.FindText.begin(), Find.FindText.end(), Find.FindText.begin(), UpperAscii);
    Find.Valid = false;
    Find.FindCharPos = 1;
}

std::int32_t TVYXLogPara::FindTextNext(std::int32_t pos)
{
    if (Find.FindText.empty())
        return 0;
    if (!Find.Valid) {
        // One character per position, so offsets map to positions.
        Find.FindSrcText.clear();
        for (std::int32_t p = 1; p < EndOfParaPos(); ++p)
            Find.FindSrcText += GetChar(p);
        if (!(Find.FindOptions & aftoMatchCase))
            std::transform(Find.FindSrcText.begin(), Find.FindSrcText.end(), Find.FindSrcText.begin(), UpperAscii);
        Find.Valid = true;
    }
    const std::u16string_view src = Find.FindSrcText;
    auto wholeWord = [&src, this](std::size_t at, std::size_t end) {
        return !(Find.FindOptions & aftoWholeWordsOnly) ||
               ((at == 0 || !IsWordChar(src[at - 1])) && (end >= src.size() || !IsWordChar(src[end])));
    };
    auto found = [this](std::size_t at, std::size_t end) {
        Find.FindCharPos = static_cast<std::int32_t>(at) + 1;
        Find.FindLen = static_cast<std::int32_t>(end - at);
        return Find.FindCharPos;
    };
    std::size_t from = static_cast<std::size_t>(std::max(pos, 1) - 1);
    if (Find.FindOptions & aftoWildcards) {
        // The pattern was upper-cased with the text when case does not matter; its
        // operators are no letters, so folding leaves them alone.
        TVYXWildcardPattern pattern(IsWordChar);
        if (!pattern.Compile(Find.FindText))
            return 0;
        for (; from <= src.size(); ++from) {
            // A match takes at least one character; shorter ones are tried when a longer one
            // does not end on a word's edge.
            const std::ptrdiff_t end =
                pattern.MatchAt(src, from, [&](std::size_t e) { return e > from && wholeWord(from, e); });
            if (end >= 0)
                return found(from, static_cast<std::size_t>(end));
            if (pattern.Exhausted())
                return 0;
        }
        return 0;
    }
    while (from <= src.size()) {
        const std::size_t at = src.find(Find.FindText, from);
        if (at == std::u16string::npos)
            return 0;
        const std::size_t end = at + Find.FindText.size();
        if (wholeWord(at, end))
            return found(at, end);
        from = at + 1;
    }
    return 0;
}

// ---- Copies ----

void TVYXLogPara::Assign(const TVYXLogPara& source, bool withRuns)
{
    TVYXRootData* root = Root();
    TVYXRootData* sourceRoot = source.Root();
    FPAPX->Assign(source.PAPX(), sourceRoot ? sourceRoot->Styles : nullptr, root ? root->Styles : nullptr);
    if (source.SEP()) {
        AddSEP()->Assign(*source.SEP());
    }
    if (source.Frame)
        Frame = std::make_unique<TVYXParaFrame>(*source.Frame);
    Name = source.Name;
    if (withRuns) {
        FCharRuns->Assign(source.CharRuns());
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
        const TVYXCharRun* run = FCharRuns->Items(i);
        const std::int32_t a = std::max(fromPos, run->StartPos), b = std::min(toPos, run->GetEndPos());
        if (run->Len() == 0 ? (run->StartPos >= fromPos && run->StartPos < toPos) : a < b)
            copy->CharRuns().Add(run->Len() == 0 || (a == run->StartPos && b == run->GetEndPos()) || run->IsAtom()
                                     ? run->Clone()
                                     : run->Clone(a, b));
    }
    return copy;
}

// ---- Paragraph list --------------------------------------------------------------

TVYXLogParas::TVYXLogParas(TVYXRootData* root, TVYXLogParaIterator* iterator, TVYXTableCell* cell)
    : Iterator(iterator), Cell(cell), RootManager(root)
{
}

TVYXLogParas::~TVYXLogParas() = default;

int TVYXLogParaItem::Index() const { return Paras ? Paras->FItems.IndexOf(*this) : FIndex; }

void TVYXLogParas::EndUpdate()
{
    if (FUpdating > 0)
        --FUpdating;
}

TVYXLogPara* TVYXLogParas::GetParas(int i) const
{
    TVYXLogParaItem* item = GetItems(i);
    if (!item->IsPara())
        throw VYXException("Para item is not para");
    return static_cast<TVYXLogPara*>(item);
}

TVYXTable* TVYXLogParas::GetTables(int i) const
{
    TVYXLogParaItem* item = GetItems(i);
    if (!item->IsTable())
        throw VYXException("Para item is not table");
    return static_cast<TVYXTable*>(item);
}

TVYXLogPara* TVYXLogParas::ParaAtIndex(int i) const
{
    if (i < 0 || i >= Count())
        return nullptr;
    TVYXLogParaItem* item = GetItems(i);
    return item->IsPara() ? static_cast<TVYXLogPara*>(item) : nullptr;
}

TVYXLogPara* TVYXLogParas::_FirstPara() const
{
    const TVYXLogParaItem* item = First();
    if (!item)
        return nullptr;
    return item->IsPara() ? const_cast<TVYXLogPara*>(static_cast<const TVYXLogPara*>(item))
                          : static_cast<const TVYXTable*>(item)->FirstPara();
}

TVYXLogPara* TVYXLogParas::_LastPara() const
{
    const TVYXLogParaItem* item = Last();
    if (!item)
        return nullptr;
    return item->IsPara() ? const_cast<TVYXLogPara*>(static_cast<const TVYXLogPara*>(item))
                          : static_cast<const TVYXTable*>(item)->LastPara();
}

TVYXLogPara* TVYXLogParas::Next(const TVYXLogParaItem& item) const
{
    if (item.Paras != this || item.Index() + 1 >= Count())
        return nullptr;
    TVYXLogParaItem* next = GetItems(item.Index() + 1);
    return next->IsPara() ? static_cast<TVYXLogPara*>(next) : static_cast<TVYXTable*>(next)->FirstPara();
}

TVYXLogPara* TVYXLogParas::Prev(const TVYXLogParaItem& item) const
{
    if (item.Paras != this || item.Index() <= 0)
        return nullptr;
    TVYXLogParaItem* prev = GetItems(item.Index() - 1);
    return prev->IsPara() ? static_cast<TVYXLogPara*>(prev) : static_cast<TVYXTable*>(prev)->LastRowCell0LastPara();
}

TVYXLogPos& TVYXLogParas::GetFirstPos()
{
    if (!FFirstPos)
        FFirstPos = std::make_unique<TVYXLogPos>();
    FFirstPos->Assign(_FirstPara(), 1);
    return *FFirstPos;
}

TVYXLogPos& TVYXLogParas::GetLastPos()
{
    if (!FLastPos)
        FLastPos = std::make_unique<TVYXLogPos>();
    FLastPos->AssignEnd(_LastPara());
    return *FLastPos;
}

int TVYXLogParas::Level() const
{
    int level = 0;
    for (const TVYXLogParas* paras = this; paras && paras->Cell && level < 100000; ++level) {
        const TVYXTable* table = paras->Cell->Table();
        paras = table ? table->Paras : nullptr;
    }
    return level;
}

TVYXLogParas* TVYXLogParas::RootParas()
{
    TVYXLogParas* paras = this;
    while (paras->Cell && paras->Cell->Table() && paras->Cell->Table()->Paras)
        paras = paras->Cell->Table()->Paras;
    return paras;
}

TVYXPAP* TVYXLogParas::GetMasterPAP() const { return RootManager ? RootManager->MasterPAP : nullptr; }
TVYXDOP* TVYXLogParas::GetFDOP() const { return RootManager ? RootManager->DOP : nullptr; }
double TVYXLogParas::GetPPIX() const { return RootManager && RootManager->PPIX > 0 ? RootManager->PPIX : 96; }
double TVYXLogParas::GetPPIY() const { return RootManager && RootManager->PPIY > 0 ? RootManager->PPIY : 96; }

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

TVYXCharRunBreak* TVYXLogParas::FindMarker(std::int32_t id) const
{
    TVYXCharRunBreak* found = nullptr;
    TVYXLogParasIterator it;
    it.ParaEvent = [&](TVYXLogPara& p) {
        if (!found)
            found = p.CharRuns().FindMarker(id);
    };
    it.Iterate(const_cast<TVYXLogParas&>(*this));
    return found;
}

// ---- Creation ----

std::unique_ptr<TVYXLogPara> TVYXLogParas::CreatePara(int index)
{
    if (index < 0 || index > Count())
        index = Count();
    auto para = std::make_unique<TVYXLogPara>(this);
    TVYXLogPara* pred = ParaAtIndex(index - 1);
    const TVYXPAP* master = GetMasterPAP();
    TVYXStyles* styles = RootManager ? RootManager->Styles : nullptr;
    if (pred && master && master->InheritPAPX) {
        para->PAPX().Assign(pred->PAPX(), styles, styles);
        // Borders, shading and revision marks stay with their paragraph; tab stops are copied.
        para->PAPX().Remove(vypiRevision);
    }
    if (AutoNumbering != anstNone && RootManager && RootManager->Numberings)
        VYXAutoNumberParagraph(para->PAPX(), pred ? &pred->PAPX() : nullptr, *RootManager->Numberings, styles,
                               AutoNumbering);
    if (const TVYXPAPX* temp = RootManager ? RootManager->TempPAPX() : nullptr; temp && temp->Count() > 0)
        para->PAPX().Assign(*temp, styles, styles);
    return para;
}

TVYXLogParaItem* TVYXLogParas::InsertItem(int index, std::unique_ptr<TVYXLogParaItem> item)
{
    if (index < 0 || index > Count())
        index = Count();
    TVYXLogParaItem* added = item.get();
    added->Paras = this;
    FItems.Insert(index, std::move(item));
    Attached(*added);
    if (ParaChangeEvent)
        ParaChangeEvent(*this);
    return added;
}

void TVYXLogParas::Attached(TVYXLogParaItem& item)
{
    if (!item.IsTable())
        return;
    // Without a ParentWidth of its own the table asks the list it is in at the time (AvailableWidth).
    auto& table = static_cast<TVYXTable&>(item);
    if (Cell)
        if (TVYXTable* outer = Cell->Table())
            outer->IncNested(1 + table.NestedCount);
}

void TVYXLogParas::Detached(TVYXLogParaItem& item)
{
    if (item.IsTable() && Cell)
        if (TVYXTable* outer = Cell->Table())
            outer->DecNested(1 + static_cast<TVYXTable&>(item).NestedCount);
}

TVYXLogPara* TVYXLogParas::Insert(int index)
{
    auto para = CreatePara(index);
    const TVYXLogPara* pred = ParaAtIndex(index < 0 ? Count() - 1 : index - 1);
    para->CharRuns().Add(pred ? pred->LastCHPX() : nullptr);
    return static_cast<TVYXLogPara*>(InsertItem(index, std::move(para)));
}

TVYXLogPara* TVYXLogParas::AppendPara() { return Insert(-1); }

TVYXLogPara* TVYXLogParas::AppendPara(const TVYXPAPX& papx)
{
    TVYXLogPara* para = Insert(-1);
    TVYXStyles* styles = RootManager ? RootManager->Styles : nullptr;
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

TVYXTable* TVYXLogParas::InsertTable(int index)
{
    auto table = std::make_unique<TVYXTable>(this);
    return static_cast<TVYXTable*>(InsertItem(index, std::move(table)));
}

TVYXTable* TVYXLogParas::AddTable() { return InsertTable(-1); }

TVYXTable* TVYXLogParas::AddTable(int cols, int rows)
{
    if (cols < 1 || cols > cVYXMaxTableCols || rows < 1 || rows > cVYXMaxTableRows)
        return nullptr;
    TVYXTable* table = AddTable();
    if (RootManager && RootManager->Styles)
        if (auto* style = dynamic_cast<TVYXTableStyle*>(RootManager->Styles->Find(u"TableGrid")))
            table->TAPX().SetStyle(style);
    table->AddRows(cols, rows);
    return table;
}

TVYXTable* TVYXLogParas::InsertTableAtPos(TVYXLogPos& pos, int cols, int rows)
{
    if (cols < 1 || cols > cVYXMaxTableCols || rows < 1 || rows > cVYXMaxTableRows || !pos.Para)
        return nullptr;
    TVYXTable model(this);
    model.ParentWidth = [this]() { return Cell ? Cell->CalculatedWidth() : (WidthEvent ? WidthEvent() : 0.0); };
    model.AddRows(cols, rows);
    return Insert(pos, model);
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

TVYXLogPara* TVYXLogParas::SplitAtPos(TVYXLogPos& pos) { return pos.Para ? SplitAtPos(*pos.Para, pos.CharPos) : nullptr; }

TVYXLogPara* TVYXLogParas::SplitAtPos(TVYXLogPara& para, std::int32_t pos)
{
    if (ProtectionEnforced(RootManager)) {
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
            TVYXStyles* styles = RootManager ? RootManager->Styles : nullptr;
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
        const auto& table = static_cast<TVYXTable&>(item);
        for (int r = 0; r < table.Count(); ++r)
            for (int c = 0; c < table.GetRows(r)->Count(); ++c) {
                const TVYXLogParas& paras = table.GetRows(r)->GetCells(c)->Paras();
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

void TVYXLogParas::DeleteText(TVYXLogPos& first, TVYXLogPos& last, const TVYXRevisionData* revision)
{
    if (!first.Para || !last.Para)
        return;
    if (first.Para->Paras != this || last.Para->Paras != this) {
        DeleteAcross(first, last, revision);
        return;
    }
    if (first.Para == last.Para) {
        if (first.CharPos == last.CharPos)
            return;
        first.Para->DeleteText(first.CharPos, last.CharPos, revision);
        if (first.Para->Count() == 0)
            first.Para->CharRuns().Add();
        return;
    }
    TVYXLogPara* fp = first.Para;
    TVYXLogPara* lp = last.Para;
    if (fp->Index() > lp->Index())
        return;
    bool join = revision == nullptr;
    for (int i = lp->Index() - 1; i > fp->Index(); --i) {
        if (!revision)
            Delete(i);
        else if (TVYXLogPara* p = ParaAtIndex(i))
            for (int r = 0; r < p->Count(); ++r)
                p->GetItems(r)->AddRevision(revision->CloneData());
    }
    const bool atEnd = first.CharPos >= fp->EndOfParaPos() && !fp->Empty();
    if (!atEnd) {
        if (fp->Empty() && !revision)
            fp->ClearText();
        else
            fp->DeleteText(first.CharPos, fp->EndOfParaPos(), revision);
        if (fp->Count() == 0) {
            Delete(fp->Index());
            fp = nullptr;
            first.Para = nullptr;
            join = false;
        }
    }
    if (last.CharPos > 1) {
        lp->DeleteText(1, last.CharPos, revision);
        if (lp->Count() == 0) {
            lp->CharRuns().Add();
            join = false;
        }
    }
    if (!first.Para) {
        first.Assign(lp, 1);
        join = false;
    }
    if (join && fp) {
        MergeNext(fp->Index());
        last.Assign(first);
    } else if (!revision)
        last.Assign(lp, 1);
    if (Count() == 0) {
        TVYXLogPara* p = AppendPara();
        first.Assign(p, 1);
        last.Assign(p, 1);
    }
}

void TVYXLogParas::Insert(TVYXLogPos& pos, const TVYXLogParas& source)
{
    if (source.Count() == 0 || !pos.Para || pos.Para->Paras != this)
        return;
    const TVYXLogParaItem* lastItem = source.Last();
    const bool lastInline = lastItem->IsPara() && !static_cast<const TVYXLogPara*>(lastItem)->Pilcrow;
    const int whole = lastInline ? source.Count() - 1 : source.Count();
    TVYXLogPos p(pos);
    for (int i = 0; i < whole; ++i) {
        const TVYXLogParaItem* item = source.GetItems(i);
        if (item->IsTable()) {
            Insert(p, *static_cast<const TVYXTable*>(item));
            continue;
        }
        const auto* src = static_cast<const TVYXLogPara*>(item);
        if (!src->Pilcrow)
            continue;
        TVYXLogPara* target = p.Para;
        const bool atStartWithContent = p.CharPos <= 1 && !target->Empty();
        TVYXLogPara* returned = SplitAtPos(*target, p.CharPos);
        TVYXLogPara* fill = nullptr;
        if (!atStartWithContent) {
            p.Assign(returned, 1);
            fill = ParaAtIndex(returned->Index() - 1);
        } else
            fill = returned;
        if (!fill)
            continue;
        fill->Assign(*src, false);
        if (fill->Empty())
            fill->CharRuns().Clear();
        fill->CharRuns().Append(src->CharRuns());
        if (fill->Count() == 0)
            fill->CharRuns().Add();
        fill->CombineCharRuns();
    }
    if (lastInline) {
        const auto* src = static_cast<const TVYXLogPara*>(lastItem);
        if (src->Count() > 0 && !(src->Empty())) {
            TVYXLogPara* target = p.Para;
            TVYXCharRun* at = target->MakeInsertionPoint(p.CharPos, false);
            int index = at ? at->Index : target->Count();
            for (int r = 0; r < src->Count(); ++r)
                target->CharRuns().Insert(index++, src->GetItems(r)->Clone());
            target->CombineCharRuns();
            target->MakeDirty();
        }
    }
}

TVYXTable* TVYXLogParas::Insert(TVYXLogPos& pos, const TVYXTable& table)
{
    TVYXLogPara* para = pos.Para;
    if (!para || para->Paras != this)
        return nullptr;
    int index = para->Index();
    if (!para->Empty() && pos.CharPos > 1) {
        TVYXLogPara* right = SplitAtPos(*para, pos.CharPos);
        if (right == para)
            return nullptr;
        index = right->Index();
        pos.Assign(right, 1);
    }
    return static_cast<TVYXTable*>(InsertItem(index, table.Clone(this)));
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
    auto copy = std::make_unique<TVYXLogParas>(RootManager, iterator, cell);
    copy->Assign(*this);
    return copy;
}

bool TVYXLogParas::Empty() const
{
    return Count() == 0 || (Count() == 1 && First()->IsPara() && static_cast<TVYXLogPara*>(First())->Empty());
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
    for (int i = 0; i < Count(); ++i) {
        TVYXLogParaItem* item = GetItems(i);
        if (item->IsPara()) {
            auto* para = static_cast<TVYXLogPara*>(item);
            if (para->Count() == 0)
                para->CharRuns().Add();
        } else
            static_cast<TVYXTable*>(item)->Validate();
    }
}

// ---- Format and maintenance ----

void TVYXLogParas::FormatAll(const TVYXCHPX* chpx)
{
    for (int i = 0; i < Count(); ++i)
        GetItems(i)->FormatAll(chpx);
}

void TVYXLogParas::FormatRange(const TVYXCHPX* chpx, const TVYXLogPos& first, const TVYXLogPos& last)
{
    if (!chpx || !first.Para || !last.Para)
        return;
    TVYXLogPara* fp = first.Para;
    TVYXLogPara* lp = last.Para;
    if (fp == lp) {
        const std::int32_t endPos = fp->EndOfParaPos();
        if (first.CharPos <= 1 && last.CharPos >= endPos && first.CharPos != last.CharPos)
            fp->FormatAll(chpx);
        else if (first.CharPos >= endPos && last.CharPos >= endPos && fp->Count() > 0) {
            TVYXCHPX next(chpx->CHP());
            next.Assign(*chpx, nullptr, nullptr);
            if (const TVYXCHPX* lastChpx = fp->LastCHPX())
                next.Inherit(*lastChpx);
            TVYXCharRun* run = fp->CharRuns().Add(&next);
            (void)run;
            fp->MakeDirty();
        } else
            fp->FormatRange(chpx, first.CharPos, last.CharPos);
        return;
    }
    if (fp->Paras != this || lp->Paras != this || fp->Index() > lp->Index())
        return;
    if (first.CharPos <= 1)
        fp->FormatAll(chpx);
    else
        fp->FormatRange(chpx, first.CharPos, fp->EndOfParaPos());
    for (int i = fp->Index() + 1; i < lp->Index(); ++i)
        GetItems(i)->FormatAll(chpx);
    if (last.CharPos >= lp->EndOfParaPos())
        lp->FormatAll(chpx);
    else if (last.CharPos > 1)
        lp->FormatRange(chpx, 1, last.CharPos);
}

void TVYXLogParas::ApplyParaFormat(const TVYXPAPX& papx, const TVYXLogPara& firstPara, const TVYXLogPara& lastPara)
{
    if (firstPara.Paras != this || lastPara.Paras != this)
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

void TVYXLogParas::ToggleFormat(TVYXChpId id, const TVYXLogPos& first, const TVYXLogPos& last)
{
    if (!first.Para)
        return;
    const TVYXCHPX* at = first.Para->CHPXAtPos(first.CharPos);
    TVYXCHPX chpx(RootManager ? RootManager->MasterCHP : nullptr);
    if (id == vyciUnderline)
        chpx.SetUnderline(!at || at->GetUnderline() == vycuNone ? vycuSingle : vycuNone);
    else if (chpx.IsBoolean(id))
        chpx.SetAsBoolean(id, !at || !at->GetAsBoolean(id));
    else
        return;
    FormatRange(&chpx, first, last);
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

// ---- Cell ------------------------------------------------------------------------

TVYXTableCell::TVYXTableCell(TVYXTableRow* row)
    : Row(row), FParas(nullptr), FProps(std::make_unique<TVYXTableCellProps>())
{
    TVYXRootData* root = row && row->Table && row->Table->Paras ? row->Table->Paras->RootManager : nullptr;
    FParas = std::make_unique<TVYXLogParas>(root, this, this);
    FParas->DirtyParaEvent = [this](TVYXLogPara& para) {
        if (Row)
            Row->AHeight = 0;
        // The document hears of changes in cells at any depth, as of its own paragraphs.
        if (TVYXLogParas* outer = Row && Row->Table ? Row->Table->Paras : nullptr; outer && outer->DirtyParaEvent)
            outer->DirtyParaEvent(para);
    };
    FProps->BorderChanged = [this](TVYXTableBorderProps&, TVYXTableBorderSide) {
        if (Row)
            Row->MakeDirty();
    };
}

TVYXTableCell::~TVYXTableCell() = default;

TVYXTable* TVYXTableCell::Table() const { return Row ? Row->Table : nullptr; }

TVYXTableCell* TVYXTableCell::ParentCell() const
{
    const TVYXTable* table = Table();
    return table && table->Paras ? table->Paras->Cell : nullptr;
}

TVYXLogParaItem* TVYXTableCell::RootPara() const
{
    TVYXLogParaItem* item = Table();
    while (item && item->Paras && item->Paras->Cell)
        item = item->Paras->Cell->Table();
    return item;
}

TVYXTableCell* TVYXTableCell::NextCell()
{
    if (!Row)
        return nullptr;
    if (TVYXTableCell* c = Row->CellN(Index + 1))
        return c;
    for (TVYXTableRow* r = Row->NextRow(); r; r = r->NextRow())
        if (r->Count() > 0)
            return r->GetCells(0);
    return nullptr;
}

TVYXTableCell* TVYXTableCell::PrevCell()
{
    if (!Row)
        return nullptr;
    if (TVYXTableCell* c = Row->CellN(Index - 1))
        return c;
    for (TVYXTableRow* r = Row->PrevRow(); r; r = r->PrevRow())
        if (r->Count() > 0)
            return r->Last();
    return nullptr;
}

TVYXTableCell* TVYXTableCell::NextCellDown()
{
    TVYXTableRow* r = Row ? Row->NextRow() : nullptr;
    return r && r->Count() > 0 ? r->GetCells(std::min(Index, r->Count() - 1)) : nullptr;
}

TVYXTableCell* TVYXTableCell::NextCellUp()
{
    TVYXTableRow* r = Row ? Row->PrevRow() : nullptr;
    return r && r->Count() > 0 ? r->GetCells(std::min(Index, r->Count() - 1)) : nullptr;
}

TVYXTableCell* TVYXTableCell::NextCellLeft() { return Row ? Row->CellN(Index - 1) : nullptr; }
TVYXTableCell* TVYXTableCell::NextCellRight() { return Row ? Row->CellN(Index + 1) : nullptr; }

TVYXLogPara* TVYXTableCell::NextPara(TVYXLogParaItem& item)
{
    if (TVYXLogPara* p = FParas->Next(item))
        return p;
    if (TVYXTableCell* c = NextCell())
        return c->FirstPara();
    TVYXTable* table = Table();
    if (!table || !table->Paras)
        return nullptr;
    if (TVYXLogParaIterator* it = table->Paras->Iterator)
        return it->NextPara(*table);
    return table->Paras->Next(*table);
}

TVYXLogPara* TVYXTableCell::PrevPara(TVYXLogParaItem& item)
{
    if (item.Paras == FParas.get() && item.Index() > 0) {
        TVYXLogParaItem* prev = FParas->GetItems(item.Index() - 1);
        return prev->IsPara() ? static_cast<TVYXLogPara*>(prev) : static_cast<TVYXTable*>(prev)->LastPara();
    }
    if (TVYXTableCell* c = PrevCell())
        return c->LastPara();
    TVYXTable* table = Table();
    if (!table || !table->Paras)
        return nullptr;
    if (TVYXLogParaIterator* it = table->Paras->Iterator)
        return it->PrevPara(*table);
    return table->Paras->Prev(*table);
}

TVYXLogPara* TVYXTableCell::NextRow(TVYXLogParaItem& item)
{
    if (TVYXTableCell* c = NextCellDown())
        return c->FirstPara();
    TVYXTable* table = Table();
    (void)item;
    if (table && table->Paras && table->Paras->Iterator)
        return table->Paras->Iterator->NextPara(*table);
    return nullptr;
}

TVYXLogPara* TVYXTableCell::PrevRow(TVYXLogParaItem& item)
{
    if (TVYXTableCell* c = NextCellUp())
        return c->LastPara();
    TVYXTable* table = Table();
    (void)item;
    if (table && table->Paras && table->Paras->Iterator)
        return table->Paras->Iterator->PrevPara(*table);
    return nullptr;
}

double TVYXTableCell::GetLeft() const
{
    double x = 0;
    for (int i = 0; Row && i < Index; ++i)
        x += Row->GetCells(i)->GetWidth();
    return x;
}

bool TVYXTableCell::IsRight() const { return Row && Index == Row->Count() - 1; }

void TVYXTableCell::SetPcWidth(double percent)
{
    FProps->WidthType = atwtPercent;
    FProps->Width = percent / 100.0;
}

double TVYXTableCell::CalculatedWidth() const
{
    const TVYXTable* table = Table();
    if (FProps->WidthType == atwtPercent)
        return table ? table->CalculatedWidth() * FProps->Width : 0;
    if (table && table->MaxWidth >= 1)
        return std::min(FProps->Width, table->MaxWidth);
    return FProps->Width;
}

std::int32_t TVYXTableCell::CalcRowSpan() const
{
    if (!GetMergedRoot() || !Row)
        return 1;
    std::int32_t span = 1;
    for (const TVYXTableRow* r = Row->NextRow(); r; r = r->NextRow()) {
        const TVYXTableCell* c = r->CellN(Index);
        if (!c || !c->GetMerged())
            break;
        ++span;
    }
    return span;
}

std::int32_t TVYXTableCell::CalcGridSpan() const
{
    if (!Row)
        return 1;
    double x = 0;
    for (int i = 0; i <= Index && i < Row->Count(); ++i)
        x += Row->GetCells(i)->GetWidth();
    const TVYXTableRow* neighbour = Row->Index > 0 ? Row->PrevRow() : Row->NextRow();
    if (!neighbour || neighbour->Count() == 0)
        return 1;
    const TVYXTableCell* hit = neighbour->HitWidth(x);
    return hit ? hit->Index + 1 : 1;
}

int TVYXTableCell::Compare(const TVYXTableCell& other) const
{
    if (Table() != other.Table() || !Row || !other.Row)
        throw VYXException("Cell is not in the same table");
    if (Row != other.Row)
        return other.Row->Index - Row->Index;
    return other.Index - Index;
}

double TVYXTableCell::GetClientWidth() const
{
    const TVYXTable* table = Table();
    const double margins = table ? table->TAPX().CalcCellMargLeft(FProps.get()) + table->TAPX().CalcCellMargRight(FProps.get())
                                 : FProps->MargLeft + FProps->MargRight;
    return std::max(0.0, CalculatedWidth() - margins);
}

double TVYXTableCell::GetHeight() const
{
    const TVYXTable* table = Table();
    if (!Row || !table)
        return 0;
    double height = 0;
    const int span = CalcRowSpan();
    for (int r = Row->Index; r < Row->Index + span && r < table->Count(); ++r)
        height += table->GetRows(r)->GetHeight();
    return height;
}

bool TVYXTableCell::LastParaIsAutoHidden() const
{
    const int n = FParas->Count();
    const TVYXLogPara* last = FParas->ParaAtIndex(n - 1);
    return n >= 2 && last && last->Empty() && FParas->GetItems(n - 2)->IsTable();
}

void TVYXTableCell::ClearContent()
{
    FParas->Clear();
    FParas->Validate();
}

void TVYXTableCell::Assign(const TVYXTableCell& source)
{
    Flags = source.Flags;
    AlignVert = source.AlignVert;
    FProps->Assign(source.Props());
    CnfStyle = source.CnfStyle;
    GridSpan = source.GridSpan;
    ReadOnly = source.ReadOnly;
    PermId = source.PermId;
    FParas->Assign(source.Paras());
}

std::unique_ptr<TVYXTableCell> TVYXTableCell::Clone(TVYXTableRow* row) const
{
    auto copy = std::make_unique<TVYXTableCell>(row);
    copy->Assign(*this);
    return copy;
}

// ---- Row -------------------------------------------------------------------------

TVYXTableRow::~TVYXTableRow() = default;

void TVYXTableRow::Renumber()
{
    for (std::size_t i = 0; i < FCells.size(); ++i) {
        FCells[i]->Index = static_cast<int>(i);
        FCells[i]->Row = this;
    }
}

TVYXTableCell* TVYXTableRow::Add() { return Insert(Count()); }

TVYXTableCell* TVYXTableRow::Add(std::unique_ptr<TVYXTableCell> cell)
{
    TVYXTableCell* added = cell.get();
    FCells.push_back(std::move(cell));
    Renumber();
    return added;
}

TVYXTableCell* TVYXTableRow::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    auto cell = std::make_unique<TVYXTableCell>(this);
    cell->Paras().Validate();
    TVYXTableCell* added = cell.get();
    FCells.insert(FCells.begin() + index, std::move(cell));
    Renumber();
    return added;
}

void TVYXTableRow::DeleteCell(int index)
{
    if (index < 0 || index >= Count())
        return;
    // Clearing gives the content back (nested-table counts, hyperlink uses) while the row is whole.
    FCells[static_cast<std::size_t>(index)]->Paras().Clear();
    FCells.erase(FCells.begin() + index);
    Renumber();
}

TVYXLogPara* TVYXTableRow::FirstPara() const { return FCells.empty() ? nullptr : FCells.front()->FirstPara(); }
TVYXLogPara* TVYXTableRow::LastPara() const { return FCells.empty() ? nullptr : FCells.back()->LastPara(); }

TVYXTableRow* TVYXTableRow::NextRow() const
{
    return Table && Index + 1 < Table->Count() ? Table->GetRows(Index + 1) : nullptr;
}

TVYXTableRow* TVYXTableRow::PrevRow() const
{
    return Table && Index > 0 && Index <= Table->Count() ? Table->GetRows(Index - 1) : nullptr;
}

bool TVYXTableRow::IsBottom() const { return Table && Index == Table->Count() - 1; }

bool TVYXTableRow::IsMergedChild() const
{
    for (const auto& c : FCells)
        if (c->GetMerged())
            return true;
    return false;
}

double TVYXTableRow::GetWidth() const
{
    double w = 0;
    for (const auto& c : FCells)
        w += c->GetWidth();
    return w;
}

TVYXTableCell* TVYXTableRow::HitWidth(double x) const
{
    if (FCells.empty())
        return nullptr;
    double right = 0;
    for (const auto& c : FCells) {
        right += c->GetWidth();
        if (std::fabs(right - x) < 1e-5 || right > x)
            return c.get();
    }
    return FCells.back().get();
}

bool TVYXTableRow::GetSelected() const
{
    for (const auto& c : FCells)
        if (!c->GetSelected())
            return false;
    return !FCells.empty();
}

void TVYXTableRow::ClearContent()
{
    for (auto& c : FCells)
        c->ClearContent();
}

TVYXTableRowProps* TVYXTableRow::AddProps()
{
    if (!Props)
        Props = std::make_unique<TVYXTableRowProps>();
    return Props.get();
}

double TVYXTableRow::GetHeight() const { return std::max(AHeight > 0 ? AHeight : Height, MHeight); }

void TVYXTableRow::MergeCells(int first, int last)
{
    if (Table)
        Table->MergeCells(first, Index, last, Index);
}

void TVYXTableRow::Assign(const TVYXTableRow& source)
{
    if (&source == this)
        return;
    Height = source.Height;
    MHeight = source.MHeight;
    RptData = source.RptData;
    CnfStyle = source.CnfStyle;
    Permission = source.Permission;
    if (source.Props)
        AddProps()->Assign(*source.Props);
    else
        Props.reset();
    while (Count() > 0)
        DeleteCell(Count() - 1);
    for (const auto& c : source.FCells)
        Add(c->Clone(this));
}

void TVYXTableRow::AssignWidthHeight(const TVYXTableRow& source)
{
    Height = source.Height;
    MHeight = source.MHeight;
    for (int i = 0; i < std::min(Count(), source.Count()); ++i) {
        FCells[static_cast<std::size_t>(i)]->SetWidth(source.GetCells(i)->GetWidth());
        FCells[static_cast<std::size_t>(i)]->Props().WidthType = source.GetCells(i)->Props().WidthType;
    }
}

std::unique_ptr<TVYXTableRow> TVYXTableRow::Clone(TVYXTable* table) const
{
    auto copy = std::make_unique<TVYXTableRow>(table);
    copy->Assign(*this);
    return copy;
}

void TVYXTableRow::MakeDirty()
{
    AHeight = 0;
    for (auto& c : FCells)
        c->Paras().MakeDirty();
}

// ---- Table -----------------------------------------------------------------------

TVYXTable::TVYXTable(TVYXLogParas* paras) : TVYXLogParaItem(paras)
{
    TVYXRootData* root = paras ? paras->RootManager : nullptr;
    FTAPX = std::make_unique<TVYXTAPX>(root ? root->MasterTAP : nullptr);
}

TVYXTable::~TVYXTable() = default;

void TVYXTable::Renumber(int from)
{
    for (std::size_t i = static_cast<std::size_t>(std::max(from, 0)); i < FRows.size(); ++i) {
        FRows[i]->Index = static_cast<int>(i);
        FRows[i]->Table = this;
    }
}

std::u16string TVYXTable::GetPlainText() const
{
    std::u16string text;
    for (const auto& row : FRows) {
        for (int c = 0; c < row->Count(); ++c) {
            if (c > 0)
                text += u'\t';
            text += row->GetCells(c)->Paras().GetPlainText();
        }
        if (row->Index + 1 < Count())
            text += u"\r\n";
    }
    return text;
}

std::unique_ptr<TVYXLogParaItem> TVYXTable::Clone(TVYXLogParas* paras) const
{
    auto copy = std::make_unique<TVYXTable>(paras);
    copy->Assign(*this);
    return copy;
}

void TVYXTable::Assign(const TVYXTable& source)
{
    if (&source == this)
        return;
    TVYXStyles* styles = Paras && Paras->RootManager ? Paras->RootManager->Styles : nullptr;
    const TVYXStyles* sourceStyles =
        source.Paras && source.Paras->RootManager ? source.Paras->RootManager->Styles : nullptr;
    FTAPX->Assign(*source.FTAPX, sourceStyles, styles);
    Name = source.Name;
    MaxWidth = source.MaxWidth;
    while (Count() > 0)
        DeleteRow(Count() - 1);
    // The rows' cells count their nested tables into this table as they are filled.
    for (const auto& row : source.FRows) {
        FRows.push_back(row->Clone(this));
        Renumber(Count() - 1);
    }
}

void TVYXTable::SetWithinTable()
{
    const double available = AvailableWidth();
    const double width = CalculatedWidth();
    if (available <= 0 || width <= available)
        return;
    const double scale = available / width;
    for (auto& row : FRows)
        for (int c = 0; c < row->Count(); ++c) {
            TVYXTableCell* cell = row->GetCells(c);
            if (cell->Props().WidthType != atwtPercent)
                cell->SetWidth(cell->GetWidth() * scale);
        }
    SetWidth(available);
}

void TVYXTable::FormatAll(const TVYXCHPX* chpx)
{
    for (auto& row : FRows)
        for (int c = 0; c < row->Count(); ++c)
            row->GetCells(c)->Paras().FormatAll(chpx);
}

void TVYXTable::FormatAllUncond(const TVYXCHPX* chpx)
{
    for (auto& row : FRows)
        for (int c = 0; c < row->Count(); ++c) {
            TVYXLogParas& paras = row->GetCells(c)->Paras();
            for (int i = 0; i < paras.Count(); ++i)
                paras.GetItems(i)->FormatAllUncond(chpx);
        }
}

void TVYXTable::CombineCharRuns()
{
    for (auto& row : FRows)
        for (int c = 0; c < row->Count(); ++c)
            row->GetCells(c)->Paras().CombineCharRuns();
}

TVYXTableCell* TVYXTable::GetCells(int col, int row) const
{
    if (row < 0 || row >= Count())
        return nullptr;
    return GetRows(row)->CellN(col);
}

TVYXTableRow* TVYXTable::Add() { return Insert(Count()); }

TVYXTableRow* TVYXTable::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    FRows.insert(FRows.begin() + index, std::make_unique<TVYXTableRow>(this));
    Renumber(index);
    return FRows[static_cast<std::size_t>(index)].get();
}

double TVYXTable::AvailableWidth() const
{
    if (ParentWidth)
        return ParentWidth();
    if (Paras && Paras->Cell)
        return Paras->Cell->CalculatedWidth();
    return Paras && Paras->WidthEvent ? Paras->WidthEvent() : 0;
}

TVYXTableRow* TVYXTable::AddRow(int cols)
{
    cols = std::clamp(cols, 1, cVYXMaxTableCols);
    const double width = AvailableWidth() / cols;
    TVYXTableRow* row = Add();
    for (int i = 0; i < cols; ++i) {
        TVYXTableCell* cell = row->Add();
        cell->SetWidth(width);
        cell->Props().WidthType = atwtPoints;
    }
    return row;
}

void TVYXTable::AddRows(int cols, int rows)
{
    rows = std::clamp(rows, 0, cVYXMaxTableRows);
    for (int i = 0; i < rows; ++i)
        AddRow(cols);
}

TVYXTableRow* TVYXTable::Append()
{
    if (FRows.empty())
        throw VYXException("Empty table");
    auto row = FRows.back()->Clone(this);
    for (int c = 0; c < row->Count(); ++c) {
        TVYXTableCell* cell = row->GetCells(c);
        cell->Paras().Clear();
        cell->Paras().Validate();
        cell->Flags &= ~static_cast<unsigned>(atcfMergedRoot | atcfMergedLast | atcfSelected);
    }
    FRows.push_back(std::move(row));
    Renumber(Count() - 1);
    return FRows.back().get();
}

void TVYXTable::InsertCol(int index)
{
    for (auto& row : FRows) {
        const int at = std::clamp(index, 0, row->Count());
        TVYXTableCell* ref = row->CellN(at < row->Count() ? at : at - 1);
        TVYXTableCell* cell = row->Insert(at);
        if (ref) {
            cell->Props().Width = ref->GetWidth();
            cell->Props().WidthType = ref->Props().WidthType;
        }
    }
}

void TVYXTable::DeleteRow(int index)
{
    if (index < 0 || index >= Count())
        return;
    // As DeleteCell: the content goes through its lists first.
    TVYXTableRow& row = *FRows[static_cast<std::size_t>(index)];
    for (int c = 0; c < row.Count(); ++c)
        row.GetCells(c)->Paras().Clear();
    FRows.erase(FRows.begin() + index);
    Renumber(index);
}

void TVYXTable::DeleteCol(int index)
{
    for (auto& row : FRows)
        row->DeleteCell(index);
}

void TVYXTable::MergeCells(int col1, int row1, int col2, int row2)
{
    OrderRect(col1, row1, col2, row2);
    for (int r = row1; r <= row2; ++r) {
        TVYXTableRow* row = GetRows(r);
        TVYXTableCell* first = row->CellN(col1);
        if (!first)
            continue;
        // Horizontal: the first cell takes the widths, spans and contents of the others.
        const int last = std::min(col2, row->Count() - 1);
        for (int c = last; c > col1; --c) {
            TVYXTableCell* other = row->GetCells(c);
            first->SetWidth(first->GetWidth() + other->GetWidth());
            first->GridSpan += other->GridSpan;
            if (!other->Paras().Empty())
                first->Paras().SnatchParas(other->Paras());
            row->DeleteCell(c);
        }
        if (row1 == row2)
            continue;
        first->SetMergedRoot(r == row1);
        first->SetMerged(r > row1);
        first->SetMergedLast(r == row2);
        if (r > row1) {
            TVYXTableCell* root = GetRows(row1)->CellN(col1);
            if (root && !first->Paras().Empty())
                root->Paras().SnatchParas(first->Paras());
            first->Paras().Validate();
        }
    }
}

void TVYXTable::SetWidth(double width)
{
    FTAPX->SetWidth(width);
    FTAPX->SetWidthType(atwtPoints);
}

void TVYXTable::SetWidthPercent(double percent)
{
    FTAPX->SetWidth(percent / 100.0);
    FTAPX->SetWidthType(atwtPercent);
}

void TVYXTable::SetColWidth(int col, double width)
{
    for (auto& row : FRows)
        if (TVYXTableCell* c = row->CellN(col))
            c->SetWidth(width);
}

void TVYXTable::SetColDeltaWidth(int col, double delta)
{
    for (auto& row : FRows)
        if (TVYXTableCell* c = row->CellN(col)) {
            c->SetWidth(c->GetWidth() + delta);
            if (TVYXTableCell* next = row->CellN(col + 1))
                next->SetWidth(next->GetWidth() - delta);
        }
}

void TVYXTable::SetDimension(int cols, int rows)
{
    cols = std::clamp(cols, 1, cVYXMaxTableCols);
    rows = std::clamp(rows, 1, cVYXMaxTableRows);
    while (Count() > rows)
        DeleteRow(Count() - 1);
    while (Count() < rows)
        AddRow(cols);
    for (auto& row : FRows) {
        while (row->Count() > cols)
            row->DeleteCell(row->Count() - 1);
        while (row->Count() < cols) {
            const double width = row->Last() ? row->Last()->GetWidth() : AvailableWidth() / cols;
            row->Add()->SetWidth(width);
        }
    }
}

double TVYXTable::GetColWidth(int col) const
{
    for (const auto& row : FRows)
        if (const TVYXTableCell* c = row->CellN(col))
            return c->GetWidth();
    return 0;
}

double TVYXTable::CalculatedWidth() const
{
    if (FTAPX->Assigned(vytiWidth)) {
        if (FTAPX->GetWidthType() == atwtPercent)
            return AvailableWidth() * FTAPX->GetWidth();
        if (FTAPX->GetWidthType() == atwtPoints)
            return FTAPX->GetWidth();
    }
    double w = 0;
    for (const auto& row : FRows)
        w = std::max(w, row->GetWidth());
    return w > 0 ? w : AvailableWidth();
}

int TVYXTable::MaxCells() const
{
    int n = 0;
    for (const auto& row : FRows)
        n = std::max(n, row->Count());
    return n;
}

TVYXTableCell* TVYXTable::FirstCell() const
{
    for (const auto& row : FRows)
        if (row->Count() > 0)
            return row->GetCells(0);
    return nullptr;
}

TVYXTableCell* TVYXTable::LastCell() const
{
    for (auto it = FRows.rbegin(); it != FRows.rend(); ++it)
        if ((*it)->Count() > 0)
            return (*it)->Last();
    return nullptr;
}

TVYXLogPara* TVYXTable::FirstPara() const
{
    TVYXTableCell* cell = FirstCell();
    return cell ? cell->FirstPara() : nullptr;
}

TVYXLogPara* TVYXTable::LastPara() const
{
    TVYXTableCell* cell = LastCell();
    return cell ? cell->LastPara() : nullptr;
}

TVYXLogPara* TVYXTable::LastRowCell0LastPara() const
{
    TVYXTableRow* row = LastRow();
    return row && row->Count() > 0 ? row->GetCells(0)->LastPara() : nullptr;
}

int TVYXTable::Level() const { return Paras ? Paras->Level() + 1 : 1; }

bool TVYXTable::IsTableInParas(const TVYXLogParas& paras) const
{
    for (const TVYXLogParaItem* item = this; item && item->Paras;) {
        if (item->Paras == &paras)
            return true;
        item = item->Paras->Cell ? item->Paras->Cell->Table() : nullptr;
    }
    return false;
}

TVYXTableCell* TVYXTable::ParentCell() const { return Paras ? Paras->Cell : nullptr; }

void TVYXTable::SetEmpty()
{
    for (auto& row : FRows)
        row->ClearContent();
}

void TVYXTable::Validate()
{
    for (auto& row : FRows)
        for (int c = 0; c < row->Count(); ++c)
            row->GetCells(c)->Paras().Validate();
}

void TVYXTable::IncNested(int count)
{
    // Stops at a table that is not (yet) in its list: a copy being built counts its own.
    for (TVYXTable* t = this; t;) {
        t->NestedCount += count;
        TVYXLogParas* paras = t->Paras;
        if (!paras || t->Index() < 0 || t->Index() >= paras->Count() || paras->GetItems(t->Index()) != t || !paras->Cell)
            break;
        t = paras->Cell->Table();
    }
}

void TVYXTable::DecNested(int count) { IncNested(-count); }

TVYXTable* TVYXTableStack::Pop()
{
    if (FItems.empty())
        return nullptr;
    TVYXTable* t = FItems.back();
    FItems.pop_back();
    return t;
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

// ---- Notes -----------------------------------------------------------------------

std::u16string TVYXFootnoteItem::GetPlainText() const
{
    std::u16string text;
    for (TVYXLogPara* p = StartPara; p; p = p->Next()) {
        if (p != StartPara)
            text += u"\r\n";
        text += p->GetPlainText();
        if (p == EndPara || !EndPara)
            break;
    }
    return text;
}

void TVYXFootnoteItem::SetPlainText(std::u16string_view text)
{
    if (!StartPara)
        return;
    if (EndPara && EndPara != StartPara && StartPara->Paras == EndPara->Paras)
        for (int i = EndPara->Index(); i > StartPara->Index(); --i)
            StartPara->Paras->Delete(i);
    EndPara = StartPara;
    StartPara->SetPlainText(text);
}

TVYXFootnoteItem* TVYXFootnotesList::Add() { return Insert(Count()); }

TVYXFootnoteItem* TVYXFootnotesList::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, std::make_unique<TVYXFootnoteItem>());
    FLastAdded = FItems[static_cast<std::size_t>(index)].get();
    Reindex();
    return FLastAdded;
}

TVYXFootnoteItem* TVYXFootnotesList::FindByFileId(std::int32_t id) const
{
    for (const auto& item : FItems)
        if (item->FileId == id)
            return item.get();
    return nullptr;
}

TVYXLogPara* TVYXFootnotesList::FirstPara() const { return FItems.empty() ? nullptr : FItems.front()->StartPara; }
TVYXLogPara* TVYXFootnotesList::LastPara() const { return FItems.empty() ? nullptr : FItems.back()->EndPara; }

void TVYXFootnotesList::Reindex()
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        FItems[i]->Index = static_cast<std::int32_t>(i);
}

void TVYXFootnotesList::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    if (FLastAdded == FItems[static_cast<std::size_t>(index)].get())
        FLastAdded = nullptr;
    FItems.erase(FItems.begin() + index);
    Reindex();
}

// ---- Tabs, page breaks at a position, list spacing ----------------------------

TVYXTabStops* TVYXLogPara::GetTabs() const
{
    if (TVYXTabStops* own = FPAPX->GetTabStops(); own && own->Count() > 0)
        return own;
    // The depth bound keeps a BasedOn cycle from a damaged file from hanging.
    int depth = 0;
    for (const TVYXStyle* style = FPAPX->GetStyle(); style && depth < 256; style = style->BasedOn, ++depth)
        if (const TVYXPAPX* papx = style->StylePAPX())
            if (TVYXTabStops* tabs = papx->GetTabStops(); tabs && tabs->Count() > 0)
                return tabs;
    return nullptr;
}

const TVYXTabStop* TVYXLogPara::MapTab(double& pos, bool first, double x) const
{
    const TVYXRootData* root = Root();
    const double ppx = (root && root->PPIX > 0 ? root->PPIX : 96.0) / 72.0;
    const TVYXDOP* dop = root ? root->DOP : nullptr;
    const double left = FPAPX->GetStyledIndentLeft();
    TVYXTabStop& scratch = Paras->TempTab;
    const TVYXTabStops* own = FPAPX->GetTabStops();
    if (first && (!own || own->Count() == 0) && FPAPX->GetStyledIndentHanging() > 0 && left > 0) {
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

TVYXCharRunBreak* TVYXLogParas::InsertPageBreak(TVYXLogPos& pos)
{
    if (!pos.Para || pos.Para->Paras != this)
        return nullptr;
    TVYXLogPara* target = pos.Para;
    if (pos.CharPos > 1) {
        TVYXLogPara* created = SplitAtPos(pos);
        if (!created || created == pos.Para)
            return nullptr;
        target = created;
    }
    TVYXCharRunBreak* brk = target->InsertBreak(1, acrbtPageBreak);
    pos.Assign(target, 1);
    return brk;
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

// ---- Bookmarks ---------------------------------------------------------------

int TVYXLogPara::RunBoundaryAt(std::int32_t pos)
{
    TVYXCharRuns& runs = *FCharRuns;
    // The end needs no split (it would leave an empty run behind the last one).
    if (pos >= EndOfParaPos())
        return runs.Count();
    if (TVYXCharRun* run = runs.FindAbsolute(pos, true); run && pos > run->StartPos && run->IsNotAtom())
        runs.SplitAndInsert(*run, pos);
    // The first run starting at or after `pos` (start positions never decrease).
    int lo = 0, hi = runs.Count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (runs.Items(mid)->StartPos < pos)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

TVYXBookmark* TVYXLogPara::InsertBookmark(std::u16string_view name, std::int32_t from, std::int32_t to,
                                          TVYXLogPara* lastPara)
{
    TVYXRootData* root = Root();
    if (!root || !root->Bookmarks || root->Bookmarks->Find(name))
        return nullptr;
    if (!lastPara)
        lastPara = this;
    from = std::clamp(from, 1, EndOfParaPos());
    to = std::clamp(to, lastPara == this ? from : 1, lastPara->EndOfParaPos());
    lastPara->RunBoundaryAt(to);
    const int first = RunBoundaryAt(from);
    const int lastIndex = lastPara->RunBoundaryAt(to);  // again: the split for `from` may shift it
    TVYXBookmark* mark = root->Bookmarks->Add(name);
    auto range = VYXInsertLinkedRange(mark, acrltBookmark, *FCharRuns, first, lastPara->CharRuns(), lastIndex);
    range->FirstPara = this;
    range->LastPara = lastPara;
    mark->Selection = std::move(range);
    FCharRuns->Reindex();
    lastPara->CharRuns().Reindex();
    MakeDirty();
    lastPara->MakeDirty();
    return mark;
}

TVYXBookmark* TVYXLogPara::AppendBookmark(std::u16string_view name)
{
    TVYXRootData* root = Root();
    if (!root || !root->Bookmarks || root->Bookmarks->Find(name))
        return nullptr;
    TVYXBookmark* mark = root->Bookmarks->Add(name);
    OpenRange(*mark, acrltBookmark);
    return mark;
}

void TVYXLogPara::OpenRange(TVYXMarkup& markup, TVYXCharRunLinkedType type)
{
    auto range = std::make_unique<TVYXFieldSelectionImpl>();
    range->FirstRun = FCharRuns->AddLinked(nullptr, &markup, type);
    range->FirstPara = this;
    markup.Selection = std::move(range);
    MakeDirty();
}

TVYXCharRunLinked* TVYXLogPara::EndBookmark(TVYXMarkup& markup)
{
    auto* range = dynamic_cast<TVYXFieldSelectionImpl*>(markup.Selection.get());
    if (!range || !range->FirstRun || range->LastRun)
        return nullptr;
    TVYXCharRunLinked* end = FCharRuns->AddLinked(nullptr, &markup, range->FirstRun->LinkedType);
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
    return FCharRuns->InsertSimpleField(index, std::move(field), text, chpx);
}

TVYXCharRunSimpleField* TVYXLogPara::AppendField(std::u16string_view instruction, std::u16string_view result)
{
    auto field = CreateSimpleField(instruction);
    const std::u16string text = FieldResult(*field, result);
    TVYXCharRunSimpleField* run = FCharRuns->AddSimpleField(std::move(field), text, LastCHPX());
    MakeDirty();
    return run;
}

// ---- Graphics ----------------------------------------------------------------

TVYXCharRunGraphic* TVYXLogParas::FirstGraphicRun(const std::function<bool(const TVYXCharRunGraphic&)>& match) const
{
    for (int k = 0; k < Count(); ++k) {
        const TVYXLogParaItem* item = GetItems(k);
        if (item->IsPara()) {
            const auto& para = static_cast<const TVYXLogPara&>(*item);
            for (int i = 0; i < para.Count(); ++i)
                if (auto* run = dynamic_cast<TVYXCharRunGraphic*>(para.GetItems(i)); run && match(*run))
                    return run;
            continue;
        }
        const auto& table = static_cast<const TVYXTable&>(*item);
        for (int r = 0; r < table.Count(); ++r)
            for (int c = 0; c < table.GetRows(r)->Count(); ++c)
                if (TVYXCharRunGraphic* run = table.GetRows(r)->GetCells(c)->Paras().FirstGraphicRun(match))
                    return run;
    }
    return nullptr;
}

TVYXCharRunGraphic* TVYXLogParas::FindGraphic(const TVYXGraphicObj* graphic) const
{
    if (!graphic)
        return nullptr;
    return FirstGraphicRun([graphic](const TVYXCharRunGraphic& run) { return run.Graphic.get() == graphic; });
}

TVYXGraphicShape* TVYXLogParas::FindWatermark() const
{
    // Watermarks are mostly floating shapes anchored in a header's paragraph; a paragraph's
    // anchored objects count before its runs.
    TVYXGraphicShape* found = nullptr;
    TVYXLogParasIterator it;
    it.ParaEvent = [&found](TVYXLogPara& para) {
        if (found)
            return;
        if (const TVYXGraphicObjList* graphics = para.Graphics())
            found = graphics->FindWatermark();
        for (int i = 0; !found && i < para.Count(); ++i)
            if (const auto* run = dynamic_cast<const TVYXCharRunGraphic*>(para.GetItems(i)))
                if (auto* shape = dynamic_cast<TVYXGraphicShape*>(run->Graphic.get()); shape && shape->IsWatermark)
                    found = shape;
    };
    it.Iterate(const_cast<TVYXLogParas&>(*this));
    return found;
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

// ---- Cell borders ------------------------------------------------------------

namespace {
TVYXDocPropBorder* CellBorder(const TVYXTableCell& cell, TVYXTableBorderSide side, bool edge, TVYXTapId outer,
                              TVYXTapId inside)
{
    if (TVYXDocPropBorder* own = cell.Props().GetBorder(side))
        return own;
    const TVYXTable* table = cell.Table();
    return table ? table->TAPX().GetBorder(edge ? outer : inside) : nullptr;
}

double VisibleWidth(const TVYXDocPropBorder* border) { return border && border->Assigned() ? border->Width : 0; }
}  // namespace

TVYXDocPropBorder* TVYXTableCell::BorderLeft() const
{
    const TVYXTableCell& root = *MergeRoot();
    return CellBorder(root, atbsLeft, root.IsLeft(), vytiBorderLeft, vytiBorderInsideVert);
}

TVYXDocPropBorder* TVYXTableCell::BorderTop() const
{
    if (MergeRoot() != this)
        return nullptr;  // inside a vertical merge
    return CellBorder(*this, atbsTop, !Row || Row->IsTop(), vytiBorderTop, vytiBorderInsideHoriz);
}

TVYXDocPropBorder* TVYXTableCell::BorderRight() const
{
    const TVYXTableCell& root = *MergeRoot();
    return CellBorder(root, atbsRight, root.IsRight(), vytiBorderRight, vytiBorderInsideVert);
}

TVYXDocPropBorder* TVYXTableCell::BorderBottom() const
{
    const TVYXTableCell& last = *MergeLast();
    if (&last != this && MergeRoot() != this)
        return nullptr;  // inside a vertical merge
    return CellBorder(last, atbsBottom, !last.Row || last.Row->IsBottom(), vytiBorderBottom, vytiBorderInsideHoriz);
}

double TVYXTableCell::TopHalfBorderHeight() const { return VisibleWidth(BorderTop()) / 2; }
double TVYXTableCell::BottomHalfBorderHeight() const { return VisibleWidth(BorderBottom()) / 2; }

double TVYXTableRow::TopBorderMaxSize() const
{
    double size = 0;
    for (const auto& cell : FCells)
        size = std::max(size, VisibleWidth(cell->BorderTop()));
    return size;
}

double TVYXTableRow::BottomBorderMaxSize() const
{
    double size = 0;
    for (const auto& cell : FCells)
        if (cell->MergeLast() == cell.get())  // a merge running on has its bottom further down
            size = std::max(size, VisibleWidth(cell->BorderBottom()));
    return size;
}

// ---- Form fields -------------------------------------------------------------

TVYXComplexField* TVYXLogPara::InsertFormField(std::int32_t pos, std::unique_ptr<TVYXComplexField> field,
                                               std::u16string_view result)
{
    TVYXCharRuns& runs = *FCharRuns;
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
    if (TVYXRootData* root = Root(); root && root->Styles)
        style = dynamic_cast<TVYXCharStyle*>(root->Styles->Find(u"Hyperlink"));
    std::vector<TVYXCharRunHyperlink*> made;
    for (int i = first; i < end; ++i)
        if (FCharRuns->Items(i)->Type_() == acrtText) {
            TVYXCharRunHyperlink* run = FCharRuns->MakeHyperlink(link, i);
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

// ---- Layout results --------------------------------------------------------------

void TVYXLogPara::ClearRows()
{
    if (FRows)
        FRows->Clear();
}

double TVYXLogPara::PixHeight() const { return FRows ? FRows->PixHeight() : 0; }
double TVYXLogPara::PixWidth() const { return FRows ? FRows->PixWidth() : 0; }

void TVYXTable::ClearRows()
{
    for (const auto& row : FRows)
        for (int c = 0; c < row->Count(); ++c)
            row->GetCells(c)->Paras().ClearRows();
}

double TVYXTable::PixHeight() const
{
    if (FRows.empty())
        return 0;
    return std::max(0.0, static_cast<double>(FRows.back()->PixY2) - FRows.front()->PixY1);
}

double TVYXTable::PixWidth() const
{
    double width = 0;
    for (const auto& row : FRows)
        if (row->Count() > 0)
            width = std::max(width, row->Last()->PixX2 - row->GetCells(0)->PixX1);
    return width;
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

double TVYXLogParas::PaginatedPixWidth() const
{
    const double points = Cell ? Cell->CalculatedWidth() : WidthEvent ? WidthEvent() : 0;
    return points > 0 ? points * GetPPIX() / 72.0 : PixWidth();
}

// ---- Anchored objects and text boxes -------------------------------------------

TVYXGraphicObjList& TVYXLogPara::AddGraphics()
{
    if (!FGraphics) {
        TVYXRootData* root = Root();
        FGraphics = std::make_unique<TVYXGraphicObjList>(root ? root->Pictures : nullptr,
                                                         root ? root->ShapeTypes : nullptr);
    }
    return *FGraphics;
}

TVYXGraphicObj& TVYXLogPara::AddGraphic(std::unique_ptr<TVYXGraphicObj> graphic)
{
    TVYXGraphicObj& added = AddGraphics().Add(std::move(graphic));
    MakeDirty();
    return added;
}

void TVYXLogPara::CopyTextBoxParas(TVYXGrTextBox& box, const TVYXLogParas* source)
{
    box.Paras = nullptr;
    TVYXLogParaIterator* nav = Iterator();
    TVYXLogParas* host = nav ? nav->DoAddTextBox() : nullptr;
    if (!host)
        return;
    if (source && source != host)
        host->Assign(*source);
    host->Validate();
    box.Paras = host;
}

std::unique_ptr<TVYXGraphicRotate> TVYXLogPara::CreateTextBox(double width, double height)
{
    TVYXRootData* root = Root();
    TVYXShapeType* type = nullptr;
    if (root && root->ShapeTypes) {
        type = root->ShapeTypes->Find("rect");
        if (!type)
            type = root->ShapeTypes->Add("rect");  // nullptr without the preset definitions
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

TVYXLogParas* TVYXTableCell::DoAddTextBox()
{
    const TVYXTable* table = Table();
    TVYXLogParaIterator* nav = table && table->Paras ? table->Paras->Iterator : nullptr;
    return nav && nav != this ? nav->DoAddTextBox() : nullptr;
}

// ---- Revision marks ------------------------------------------------------------

void TVYXLogPara::ApplyRevision(const TVYXRevisionData& revision, std::int32_t from, std::int32_t to)
{
    if (revision.RevType == artFormatPAPX) {
        std::unique_ptr<TVYXRevisionData> data = revision.CloneData();
        if (auto* former = dynamic_cast<TVYXRevisionDataPAPX*>(data.get()); former && !former->PAPX()) {
            former->AddPAPX(FPAPX->PAP())->Assign(*FPAPX, nullptr, nullptr);
            former->PAPX()->RemoveRevision();
        }
        FPAPX->AddRevision(std::move(data));
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
        TVYXCharRun* run = FCharRuns->Items(i);
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

namespace {
// Calls `part` for each paragraph from `first` to `last` in reading order with the
// part of it the range covers (`to` exclusive). Stops at the document's end when
// `last` is never met.
void ForEachParaPart(const TVYXLogPos& first, const TVYXLogPos& last,
                     const std::function<void(TVYXLogPara& para, std::int32_t from, std::int32_t to)>& part)
{
    for (TVYXLogPara* p = first.Para; p; p = p->Next()) {
        const std::int32_t from = p == first.Para ? first.CharPos : 1;
        const std::int32_t to = p == last.Para ? last.CharPos : p->EndOfParaPos();
        part(*p, from, to);
        if (p == last.Para)
            break;
    }
}

bool Ordered(const TVYXLogPos& first, const TVYXLogPos& last)
{
    return first.Para && last.Para && first.Compare(last) >= 0;
}
}  // namespace

void TVYXLogParas::ApplyRevision(const TVYXRevisionData& revision, const TVYXLogPos& first, const TVYXLogPos& last)
{
    if (!Ordered(first, last))
        return;
    ForEachParaPart(first, last, [&revision](TVYXLogPara& para, std::int32_t from, std::int32_t to) {
        para.ApplyRevision(revision, from, to);
    });
}

void TVYXLogParas::ClearSelectedTables()
{
    TVYXLogParasIterator it;
    it.TableEvent = [](TVYXTable& table) { table.ClearSelection(); };
    it.Iterate(*this);
}

// ---- Vertical merges, selection and hits ----------------------------------------

TVYXTableCell* TVYXTableCell::MergeRoot() const
{
    const TVYXTableCell* cell = this;
    // Each step goes one row up, so the walk ends within the table.
    while (cell->GetMerged() && !cell->GetMergedRoot() && cell->Row) {
        const TVYXTableRow* prev = cell->Row->PrevRow();
        const TVYXTableCell* up = prev ? prev->CellN(cell->Index) : nullptr;
        if (!up || !(up->Flags & (atcfMerged | atcfMergedRoot)))
            break;
        cell = up;
    }
    return const_cast<TVYXTableCell*>(cell);
}

TVYXTableCell* TVYXTableCell::MergeLast() const
{
    const TVYXTableCell* cell = this;
    if (!(Flags & (atcfMerged | atcfMergedRoot)))
        return const_cast<TVYXTableCell*>(cell);
    while (!cell->GetMergedLast() && cell->Row) {
        const TVYXTableRow* next = cell->Row->NextRow();
        const TVYXTableCell* down = next ? next->CellN(cell->Index) : nullptr;
        if (!down || !down->GetMerged() || down->GetMergedRoot())
            break;
        cell = down;
    }
    return const_cast<TVYXTableCell*>(cell);
}

TVYXTableCell* TVYXTableRow::Hit(double x) const
{
    for (const auto& c : FCells)
        if (x >= c->PixX1 && (x < c->PixX2 || (c.get() == FCells.back().get() && x <= c->PixX2)))
            return c.get();
    return nullptr;
}

void TVYXTable::OrderRect(int& col1, int& row1, int& col2, int& row2) const
{
    if (col1 > col2)
        std::swap(col1, col2);
    if (row1 > row2)
        std::swap(row1, row2);
    row1 = std::max(row1, 0);
    row2 = std::min(row2, Count() - 1);
}

void TVYXTable::ClearSelection()
{
    for (const auto& row : FRows)
        for (int c = 0; c < row->Count(); ++c)
            row->GetCells(c)->SetSelected(false);
    AnySelected = false;
}

int TVYXTable::Select(int col1, int row1, int col2, int row2)
{
    ClearSelection();
    OrderRect(col1, row1, col2, row2);
    col1 = std::max(col1, 0);
    if (row1 > row2)
        return 0;
    // A rectangle cutting a vertical merge takes in all of it, which may reach further
    // merges; every pass only grows the rows, so this ends.
    for (bool grown = true; grown;) {
        grown = false;
        for (int r = row1; r <= row2; ++r)
            for (int c = col1; c <= col2 && c < GetRows(r)->Count(); ++c) {
                const TVYXTableCell* cell = GetRows(r)->GetCells(c);
                const int top = cell->MergeRoot()->Row->Index, bottom = cell->MergeLast()->Row->Index;
                if (top < row1 || bottom > row2) {
                    row1 = std::min(row1, top);
                    row2 = std::max(row2, bottom);
                    grown = true;
                }
            }
    }
    int selected = 0;
    for (int r = row1; r <= row2; ++r)
        for (int c = col1; c <= col2 && c < GetRows(r)->Count(); ++c) {
            GetRows(r)->GetCells(c)->SetSelected(true);
            ++selected;
        }
    AnySelected = selected > 0;
    return selected;
}

TVYXTableHit TVYXTable::Hit(double x, double y, double edge) const
{
    for (std::size_t r = 0; r < FRows.size(); ++r) {
        const TVYXTableRow& row = *FRows[r];
        const bool lastRow = r + 1 == FRows.size();
        if (!(y >= row.PixY1 && (y < row.PixY2 || (lastRow && y <= row.PixY2))))
            continue;
        const TVYXTableCell* cell = row.Hit(x);
        if (!cell)
            return {};
        TVYXTableCell* root = cell->MergeRoot();
        const double top = root->Row->PixY1;
        const double bottom = cell->MergeLast()->Row->PixY2;
        TVYXMouseCellHit where = amchInside;
        if (x - cell->PixX1 <= edge)
            where = amchLeftEdge;
        else if (cell->PixX2 - x <= edge)
            where = amchRightEdge;
        else if (y - top <= edge)
            where = amchTopEdge;
        else if (bottom - y <= edge)
            where = amchBottomEdge;
        return {root, where};
    }
    return {};
}

// ---- Automatic widths and heights ---------------------------------------------------

namespace {
struct TContentWidth {
    double Min = 0, Pref = 0;
};

void ContentWidths(const TVYXLogParas& paras, const TVYXTextMeasure& measure, double ppix, TContentWidth& w)
{
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsTable()) {
            const double tw = static_cast<const TVYXTable*>(item)->CalculatedWidth();
            w.Min = std::max(w.Min, tw);
            w.Pref = std::max(w.Pref, tw);
            continue;
        }
        const auto& para = static_cast<const TVYXLogPara&>(*item);
        if (!measure) {
            const double pw = para.PixWidth() * 72.0 / ppix;
            w.Min = std::max(w.Min, pw);
            w.Pref = std::max(w.Pref, pw);
            continue;
        }
        const std::u16string text = para.GetPlainText();
        const std::u16string_view view(text);
        w.Pref = std::max(w.Pref, measure(para, view));
        std::size_t start = 0;
        for (std::size_t k = 0; k <= view.size(); ++k)
            if (k == view.size() || view[k] == u' ' || view[k] == u'\t') {
                if (k > start)
                    w.Min = std::max(w.Min, measure(para, view.substr(start, k - start)));
                start = k + 1;
            }
    }
}
}  // namespace

void TVYXTable::AutoSizeColumns(const TVYXTextMeasure& measure)
{
    const TVYXRootData* root = Paras ? Paras->RootManager : nullptr;
    const double ppix = root && root->PPIX > 0 ? root->PPIX : 96;
    std::size_t cols = 0;
    for (const auto& row : FRows) {
        std::size_t n = 0;
        for (int c = 0; c < row->Count(); ++c)
            n += static_cast<std::size_t>(std::max(1, row->GetCells(c)->GridSpan));
        cols = std::max(cols, n);
    }
    if (cols == 0)
        return;
    std::vector<TContentWidth> col(cols);
    struct TSpanned {
        std::size_t First, Last;
        TContentWidth Width;
    };
    std::vector<TSpanned> spanned;
    for (const auto& row : FRows) {
        std::size_t at = 0;
        for (int c = 0; c < row->Count(); ++c) {
            const TVYXTableCell* cell = row->GetCells(c);
            const auto span = static_cast<std::size_t>(std::max(1, cell->GridSpan));
            TContentWidth w;
            ContentWidths(cell->Paras(), measure, ppix, w);
            const double marg = FTAPX->CalcCellMargLeft(&cell->Props()) + FTAPX->CalcCellMargRight(&cell->Props());
            w.Min += marg;
            w.Pref += marg;
            if (span == 1) {
                col[at].Min = std::max(col[at].Min, w.Min);
                col[at].Pref = std::max(col[at].Pref, w.Pref);
            } else
                spanned.push_back({at, at + span - 1, w});
            at += span;
        }
    }
    for (const TSpanned& s : spanned) {
        double min = 0, pref = 0;
        for (std::size_t k = s.First; k <= s.Last; ++k)
            min += col[k].Min, pref += col[k].Pref;
        col[s.Last].Min += std::max(0.0, s.Width.Min - min);
        col[s.Last].Pref += std::max(0.0, s.Width.Pref - pref);
    }
    double sumMin = 0, sumPref = 0;
    for (TContentWidth& w : col) {
        w.Pref = std::max(w.Pref, w.Min);
        sumMin += w.Min;
        sumPref += w.Pref;
    }
    const double avail = AvailableWidth();
    std::vector<double> width(cols);
    for (std::size_t k = 0; k < cols; ++k)
        width[k] = sumPref <= avail  ? col[k].Pref
                   : sumMin >= avail ? col[k].Min
                                     : col[k].Min + (col[k].Pref - col[k].Min) * (avail - sumMin) / (sumPref - sumMin);
    for (const auto& row : FRows) {
        std::size_t at = 0;
        for (int c = 0; c < row->Count(); ++c) {
            TVYXTableCell* cell = row->GetCells(c);
            const auto span = static_cast<std::size_t>(std::max(1, cell->GridSpan));
            double w = 0;
            for (std::size_t k = at; k < at + span && k < cols; ++k)
                w += width[k];
            cell->Props().WidthType = atwtPoints;
            cell->SetWidth(w);
            at += span;
        }
    }
}

void TVYXTable::SetHeightPercent(double percent, double height)
{
    if (FRows.empty())
        return;
    const double total = std::max(0.0, percent) / 100.0 * height;
    double laidOut = 0, set = 0;
    for (const auto& row : FRows)
        laidOut += row->AHeight, set += row->Height;
    for (const auto& row : FRows) {
        const double share = laidOut > 0 ? row->AHeight / laidOut
                             : set > 0   ? row->Height / set
                                         : 1.0 / static_cast<double>(FRows.size());
        row->Height = total * share;
    }
}

// ---- Note limits -----------------------------------------------------------------

bool TVYXFootnoteItem::CalcLimits(int& first, int& last) const
{
    first = last = -1;
    if (!StartPara || !StartPara->Paras)
        return false;
    first = StartPara->Index();
    last = EndPara && EndPara->Paras == StartPara->Paras ? EndPara->Index() : first;
    last = std::max(last, first);
    return first >= 0;
}

double TVYXFootnoteItem::Height() const
{
    int first = 0, last = 0;
    if (!CalcLimits(first, last))
        return 0;
    double height = 0;
    for (int i = first; i <= last; ++i)
        height += StartPara->Paras->GetItems(i)->PixHeight();
    return height;
}

// ---- Deletion across lists -----------------------------------------------------

TVYXLogParaItem* VYXItemIn(const TVYXLogParas& paras, TVYXLogPara* para)
{
    TVYXLogParaItem* item = para;
    while (item && item->Paras != &paras) {
        TVYXTableCell* cell = item->Paras ? item->Paras->Cell : nullptr;
        item = cell ? cell->Table() : nullptr;
    }
    return item;
}

TVYXLogParas* VYXCommonParas(TVYXLogPara& a, TVYXLogPara& b)
{
    for (TVYXLogParas* paras = a.Paras; paras;) {
        if (VYXItemIn(*paras, &b))
            return paras;
        const TVYXTable* table = paras->Cell ? paras->Cell->Table() : nullptr;
        paras = table ? table->Paras : nullptr;
    }
    return nullptr;
}

namespace {
// The cell of `table` that holds `para` at any depth; nullptr outside the table.
TVYXTableCell* CellIn(const TVYXTable& table, TVYXLogPara* para)
{
    TVYXLogParaItem* item = para;
    while (item && item->Paras) {
        TVYXTableCell* cell = item->Paras->Cell;
        if (!cell)
            return nullptr;
        if (cell->Table() == &table)
            return cell;
        item = cell->Table();
    }
    return nullptr;
}

bool Within(const TVYXLogParas& outer, TVYXLogParas* paras)
{
    while (paras && paras != &outer) {
        const TVYXTable* table = paras->Cell ? paras->Cell->Table() : nullptr;
        paras = table ? table->Paras : nullptr;
    }
    return paras == &outer;
}

void EnsureRun(TVYXLogPara& para)
{
    if (para.Count() == 0)
        para.CharRuns().Add();
}

void ClearSpan(TVYXLogParas& paras, const TVYXLogPos* from, const TVYXLogPos* to);

// The content of `table` from `from` (nullptr: its start) to `to` (nullptr: its end),
// cell by cell in reading order; the cells themselves stay.
void ClearTableSpan(TVYXTable& table, const TVYXLogPos* from, const TVYXLogPos* to)
{
    TVYXTableCell* first = from ? CellIn(table, from->Para) : table.FirstCell();
    TVYXTableCell* last = to ? CellIn(table, to->Para) : table.LastCell();
    if (!first || !last)
        return;
    for (TVYXTableCell* cell = first; cell; cell = cell->NextCell()) {
        ClearSpan(cell->Paras(), cell == first ? from : nullptr, cell == last ? to : nullptr);
        if (cell == last)
            break;
    }
}

void ClearItemSpan(TVYXLogParaItem& item, const TVYXLogPos* from, const TVYXLogPos* to)
{
    if (item.IsTable()) {
        ClearTableSpan(static_cast<TVYXTable&>(item), from, to);
        return;
    }
    auto& para = static_cast<TVYXLogPara&>(item);
    para.DeleteText(from ? from->CharPos : 1, to ? to->CharPos : para.EndOfParaPos(), nullptr);
    EnsureRun(para);
}

// The content of `paras` from `from` (nullptr: the list's start) to `to` (nullptr: its
// end), both lying in the list at any depth. Items wholly inside go; the items holding
// the ends lose their parts but stay, so the list keeps an item and the end paragraphs
// are never removed or joined. A whole list keeps its first paragraph, emptied, for its
// format.
void ClearSpan(TVYXLogParas& paras, const TVYXLogPos* from, const TVYXLogPos* to)
{
    if (paras.Count() == 0)
        return;
    if (!from && !to) {
        for (int i = paras.Count() - 1; i > 0; --i)
            paras.Delete(i);
        if (TVYXLogPara* para = paras.ParaAtIndex(0))
            ClearItemSpan(*para, nullptr, nullptr);
        else {
            paras.Delete(0);
            paras.Validate();
        }
        return;
    }
    TVYXLogParaItem* a = from ? VYXItemIn(paras, from->Para) : paras.First();
    TVYXLogParaItem* b = to ? VYXItemIn(paras, to->Para) : paras.Last();
    if (!a || !b || a->Index() > b->Index())
        return;
    // Up to the list's end, a last paragraph after the end's item stays, emptied, so
    // that a table never ends the list.
    const bool keepLast = !to && b != a && b->IsPara();
    const int wholeFrom = from ? a->Index() + 1 : 0;
    const int wholeTo = to || keepLast ? b->Index() - 1 : paras.Count() - 1;
    if (a == b)
        ClearItemSpan(*a, from, to);
    else {
        if (from)
            ClearItemSpan(*a, from, nullptr);
        if (to || keepLast)
            ClearItemSpan(*b, nullptr, to);
    }
    for (int i = wholeTo; i >= wholeFrom; --i)
        paras.Delete(i);
}
}  // namespace

void TVYXLogParas::DeleteAcross(TVYXLogPos& first, TVYXLogPos& last, const TVYXRevisionData* revision)
{
    if (!Within(*this, first.Para->Paras) || !Within(*this, last.Para->Paras))
        return;
    if (first.Para->Paras == last.Para->Paras) {
        first.Para->Paras->DeleteText(first, last, revision);
        return;
    }
    if (!Ordered(first, last))
        return;
    if (revision) {
        ForEachParaPart(first, last, [revision](TVYXLogPara& para, std::int32_t from, std::int32_t to) {
            para.DeleteText(from, to, revision);
            EnsureRun(para);
        });
        return;
    }
    if (TVYXLogParas* common = VYXCommonParas(*first.Para, *last.Para)) {
        ClearSpan(*common, &first, &last);
        last.Assign(last.Para, 1);
    }
}
