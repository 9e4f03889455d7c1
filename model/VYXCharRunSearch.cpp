// VYXCharRunSearch.cpp: finding things in a run list: the run at a position, the
// character walk and word steps built on it, and the searches for special runs.
#include <algorithm>

#include "model/VYXCharRun.h"
#include "model/VYXUtils.h"

// Finding the run at a position:
//   1. at or after the paragraph's end: the last run (of a linked run, the last of its chain);
//   2. else the run with StartPos <= pos < StartPos + Len (binary search);
//   3. a linked run stands for the last run of its chain;
//   4. unless `exact`, empty text, hyperlink or simple-field runs just before are preferred.
int TVYXCharRuns::IndexAt(std::int32_t pos) const
{
    // Start positions never decrease, so the holder is the last run with characters
    // starting at or before `pos`, provided `pos` lies before its end.
    auto it = std::upper_bound(FItems.begin(), FItems.end(), pos,
                               [](std::int32_t p, const std::unique_ptr<TVYXCharRun>& r) { return p < r->StartPos(); });
    int index = static_cast<int>(it - FItems.begin()) - 1;
    while (index >= 0 && FItems[static_cast<std::size_t>(index)]->Len() == 0)
        --index;
    return index >= 0 && pos < FItems[static_cast<std::size_t>(index)]->GetEndPos() ? index : -1;
}

const TVYXCharRun* TVYXCharRuns::FindAbsolute(std::int32_t pos, bool exact) const
{
    if (FItems.empty())
        return nullptr;
    auto lastOfChain = [](const TVYXCharRun* run) -> const TVYXCharRun* {
        if (const auto* linked = dynamic_cast<const TVYXCharRunLinked*>(run))
            return linked->GetLast();
        return run;
    };
    if (pos >= EndOfParaPos())
        return lastOfChain(FItems.back().get());
    const int index = IndexAt(pos);
    if (index < 0)
        return nullptr;
    const TVYXCharRun* run = lastOfChain(FItems[static_cast<std::size_t>(index)].get());
    if (exact)
        return run;
    for (const TVYXCharRun* prev = run->Prev(); prev && prev->Len() == 0; prev = prev->Prev()) {
        const TVYXCharRunType t = prev->Type_();
        if (t != acrtText && t != acrtHyperlink && t != acrtSimpleField)
            break;
        run = prev;
    }
    return run;
}

bool TVYXCharRuns::NextChar(const TVYXCharRun*& run, std::int32_t& pos, char16_t& c) const
{
    if (pos + 1 >= EndOfParaPos())
        return false;
    ++pos;
    if (!run || run->Parent() != this)
        run = FindAbsolute(pos, true);
    while (run && pos >= run->GetEndPos())
        run = run->Next();
    if (!run)
        return false;
    c = run->CPGetChar(pos);
    return true;
}

bool TVYXCharRuns::PrevChar(const TVYXCharRun*& run, std::int32_t& pos, char16_t& c) const
{
    if (pos <= 1)
        return false;
    --pos;
    if (!run || run->Parent() != this)
        run = FindAbsolute(pos, true);
    while (run && pos < run->StartPos())
        run = run->Prev();
    while (run && run->Len() == 0)
        run = run->Prev();
    if (!run)
        return false;
    c = run->CPGetChar(pos);
    return true;
}

void TVYXCharRuns::FindBeginningOfWord(std::int32_t& pos, const TVYXCharRun*& run) const
{
    if (!run)
        run = FindAbsolute(pos, true);
    if (!run || run->Len() == 0 || CharIsPunctuation(run->CPGetChar(pos)))
        return;
    std::int32_t p = pos;
    const TVYXCharRun* r = run;
    char16_t c = 0;
    for (;;) {
        if (!PrevChar(r, p, c)) {
            pos = 1;
            run = FItems.front().get();
            return;
        }
        if (CharIsPunctuation(c))
            break;
    }
    NextChar(r, p, c);
    pos = p;
    run = r;
}

void TVYXCharRuns::FindEndOfWord(std::int32_t& pos, const TVYXCharRun*& run) const
{
    if (!run)
        run = FindAbsolute(pos, true);
    if (!run || run->Len() == 0 || CharIsPunctuation(run->CPGetChar(pos)))
        return;
    std::int32_t p = pos;
    const TVYXCharRun* r = run;
    char16_t c = 0;
    for (;;) {
        if (!NextChar(r, p, c)) {
            pos = EndOfParaPos();
            run = FItems.back().get();
            return;
        }
        if (CharIsPunctuation(c))
            break;
    }
    pos = p;
    run = r;
}

bool TVYXCharRuns::SkipSpaces(std::int32_t& pos, const TVYXCharRun*& run) const
{
    if (!run)
        run = FindAbsolute(pos, true);
    char16_t c = run ? run->CPGetChar(pos) : 0;
    while (run && CharIsWhitespace(c))
        if (!NextChar(run, pos, c))
            return false;
    return run != nullptr;
}

bool TVYXCharRuns::IsSplitWordNext(const TVYXCharRun& run) const
{
    const TVYXCharRun* next = run.Next();
    if (run.IsAtom() || !next || next->IsAtom() || run.Len() == 0 || next->Len() == 0)
        return false;
    return !CharIsPunctuation(run.GetText().back()) && !CharIsPunctuation(next->GetText().front());
}

bool TVYXCharRuns::IsSplitWordPrev(const TVYXCharRun& run) const
{
    const TVYXCharRun* prev = run.Prev();
    return prev && IsSplitWordNext(*prev);
}

const TVYXCharRunFootnote* TVYXCharRuns::FindFootnoteEndnote(const TVYXFootnoteBaseItem* note) const
{
    for (const auto& run : FItems)
        if (const auto* f = dynamic_cast<const TVYXCharRunFootnote*>(run.get()); f && f->Footnote == note)
            return f;
    return nullptr;
}

std::int32_t TVYXCharRuns::TextLength() const
{
    std::int32_t n = 0;
    for (const auto& run : FItems) {
        const TVYXCharRunType t = run->Type_();
        if (t != acrtBreak && t != acrtLinked && t != acrtFldChar && t != acrtInstrText)
            n += run->Len();
    }
    return n;
}

const TVYXCharRunBreak* TVYXCharRuns::FindMarker(std::int32_t id) const
{
    for (const auto& run : FItems)
        if (const auto* br = dynamic_cast<const TVYXCharRunBreak*>(run.get()); br && br->BreakType == acrbMarker && br->Id == id)
            return br;
    return nullptr;
}

const TVYXCharRunInstrText* TVYXCharRuns::FindInstrText(std::u16string_view text) const
{
    for (const auto& run : FItems)
        if (const auto* instr = dynamic_cast<const TVYXCharRunInstrText*>(run.get());
            instr && std::u16string_view(instr->InstrText).substr(0, text.size()) == text)
            return instr;
    return nullptr;
}
