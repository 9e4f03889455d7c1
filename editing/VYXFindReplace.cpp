// VYXFindReplace.cpp: find and replace over a document body in reading order.
#include "editing/VYXFindReplace.h"

#include "model/VYXCharRun.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogParas.h"
#include "model/VYXWildcards.h"
#include "platform/VYXUnicode.h"

namespace {

// The characters that make up words for whole-word matching and the pattern's word edges.
bool IsWordCharacter(char16_t c)
{
    if (c < 128)
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
    return c != 0xA0 && c != 0x2028 && c != 0x2029 && !(c >= 0x2000 && c <= 0x206F) && c != 0x3000;
}

// Upper-cases in place; the ASCII test runs first since most text is ASCII.
void FoldCase(std::u16string& text)
{
    for (char16_t& c : text) {
        if (c < 0x80) {
            if (c >= u'a' && c <= u'z')
                c = static_cast<char16_t>(c - 32);
        } else {
            c = UnicodeUpper(c);
        }
    }
}

// One character per position: a run whose text does not match its length (an
// object) gives its characters one by one.
void ParaText(const TVYXLogPara& para, std::u16string& text, std::u16string& scratch)
{
    text.clear();
    const int count = para.Count();
    for (int i = 0; i < count; ++i) {
        const TVYXCharRun* run = para.GetItems(i);
        run->GetText(scratch);
        const auto len = static_cast<std::size_t>(std::max(run->Len(), 0));
        if (scratch.size() == len) {
            text += scratch;
        } else {
            for (std::int32_t p = run->StartPos(); p < run->GetEndPos(); ++p)
                text += run->CPGetChar(p);
        }
    }
}

TVYXDocAddress AtChar(const TVYXDocAddress& address, std::int32_t charPos)
{
    TVYXDocAddress a = address;
    a.CharPos = charPos;
    return a;
}

}  // namespace

// ---- Range replacement -----------------------------------------------------------

TVYXDocRange VYXReplaceRange(TVYXLogDocument& doc, const TVYXDocRange& range, std::u16string_view text)
{
    const TVYXDocAddress& first = range.First;
    if (range.First.SameList(range.Last)) {
        if (!range.Empty()) {
            if (!text.empty()) {
                // Inserted at the range's end, the text takes the format of its last character;
                // the removal then starts where the new text is.
                const TVYXDocRange inserted = doc.InsertText(range.Last, text);
                doc.RemoveContent(TVYXDocRange{first, inserted.First});
            } else {
                doc.RemoveContent(range);
            }
        } else if (!text.empty()) {
            return doc.InsertText(first, text);
        }
        return TVYXDocRange{first, AtChar(first, first.CharPos + static_cast<std::int32_t>(text.size()))};
    }
    // Ends in different lists: empty each paragraph's part, last to first, so the
    // addresses of the earlier parts stay valid.
    TVYXLogPara* firstPara = VYXParaAt(doc.Paras(), range.First);
    TVYXLogPara* lastPara = VYXParaAt(doc.Paras(), range.Last);
    if (!firstPara || !lastPara)
        return TVYXDocRange{first, first};
    std::vector<TVYXDocRange> parts;
    for (TVYXLogPara* p = firstPara; p; p = p->Next()) {
        const std::int32_t from = p == firstPara ? range.First.CharPos : 1;
        const std::int32_t to = p == lastPara ? range.Last.CharPos : p->EndOfParaPos();
        if (to > from)
            parts.push_back(TVYXDocRange{VYXAddressOf(*p, from), VYXAddressOf(*p, to)});
        if (p == lastPara)
            break;
    }
    for (auto it = parts.rbegin(); it != parts.rend(); ++it)
        doc.RemoveContent(*it);
    if (text.empty())
        return TVYXDocRange{first, first};
    return doc.InsertText(first, text);
}

// ---- TVYXFindReplaceText -----------------------------------------------------------

TVYXFindReplaceText::TVYXFindReplaceText(TVYXLogDocument& doc) : FDoc(doc) {}
TVYXFindReplaceText::~TVYXFindReplaceText() = default;

void TVYXFindReplaceText::BeginFind(std::u16string_view findText, std::u16string_view replaceText, unsigned options)
{
    FFindText = std::u16string(findText);
    FReplaceText = std::u16string(replaceText);
    FOptions = options;
    FPrepared = false;
    Restart(TVYXLogPos());
}

void TVYXFindReplaceText::Restart(const TVYXLogPos& pos)
{
    EndFind();
    FCurrPos = FSearchRange.Assigned() || !pos.Para ? RangeStart() : pos;
}

void TVYXFindReplaceText::EndFind()
{
    FFound = false;
    FCurrSel.Clear();
    FCurrPos.Clear();
}

bool TVYXFindReplaceText::GetOptMatchCase() const { return (FOptions & aftoMatchCase) != 0; }
bool TVYXFindReplaceText::GetOptWholeWordsOnly() const { return (FOptions & aftoWholeWordsOnly) != 0; }
bool TVYXFindReplaceText::GetOptWildcards() const { return (FOptions & aftoWildcards) != 0; }

namespace {
unsigned WithFlag(unsigned options, unsigned flag, bool on) { return on ? options | flag : options & ~flag; }
}  // namespace

void TVYXFindReplaceText::SetOptMatchCase(bool on) { FOptions = WithFlag(FOptions, aftoMatchCase, on), FPrepared = false; }
void TVYXFindReplaceText::SetOptWholeWordsOnly(bool on)
{
    FOptions = WithFlag(FOptions, aftoWholeWordsOnly, on), FPrepared = false;
}
void TVYXFindReplaceText::SetOptWildcards(bool on) { FOptions = WithFlag(FOptions, aftoWildcards, on), FPrepared = false; }

void TVYXFindReplaceText::SetSearchRange(const TVYXLogSelection& range) { FSearchRange.Assign(range); }
void TVYXFindReplaceText::ClearSearchRange() { FSearchRange.Clear(); }

TVYXLogPos TVYXFindReplaceText::RangeStart()
{
    if (FSearchRange.Assigned())
        return FSearchRange.First;
    return TVYXLogPos(FDoc.FirstPara(), 1);
}

bool TVYXFindReplaceText::PastRangeEnd(TVYXLogPara* para, std::int32_t endPos) const
{
    return FSearchRange.Assigned() && TVYXLogPos(para, endPos).Greater(FSearchRange.Last);
}

void TVYXFindReplaceText::Prepare()
{
    if (FPrepared)
        return;
    FNeedle = FFindText;
    // The pattern is folded with the text; its operators are no letters, so folding
    // leaves them alone.
    if (!(FOptions & aftoMatchCase))
        FoldCase(FNeedle);
    FPattern.reset();
    if (FOptions & aftoWildcards) {
        FPattern = std::make_unique<TVYXWildcardPattern>(IsWordCharacter);
        if (!FPattern->Compile(FNeedle))
            FPattern.reset();
    }
    FPrepared = true;
}

std::int32_t TVYXFindReplaceText::SearchPara(TVYXLogPara& para, std::int32_t from, std::int32_t& len)
{
    if (FNeedle.empty() || ((FOptions & aftoWildcards) && !FPattern))
        return 0;
    ParaText(para, FText, FScratch);
    if (!(FOptions & aftoMatchCase))
        FoldCase(FText);
    const std::u16string_view src = FText;
    const bool whole = (FOptions & aftoWholeWordsOnly) != 0;
    auto wordEdges = [src, whole](std::size_t at, std::size_t end) {
        return !whole ||
               ((at == 0 || !IsWordCharacter(src[at - 1])) && (end >= src.size() || !IsWordCharacter(src[end])));
    };
    std::size_t at = static_cast<std::size_t>(std::max(from, 1) - 1);
    if (FPattern) {
        for (; at < src.size(); ++at) {
            const std::ptrdiff_t end =
                FPattern->MatchAt(src, at, [&](std::size_t e) { return e > at && wordEdges(at, e); });
            if (end >= 0) {
                len = static_cast<std::int32_t>(static_cast<std::size_t>(end) - at);
                return static_cast<std::int32_t>(at) + 1;
            }
            if (FPattern->Exhausted())
                return 0;
        }
        return 0;
    }
    while (at < src.size()) {
        at = src.find(FNeedle, at);
        if (at == std::u16string_view::npos)
            return 0;
        if (wordEdges(at, at + FNeedle.size())) {
            len = static_cast<std::int32_t>(FNeedle.size());
            return static_cast<std::int32_t>(at) + 1;
        }
        ++at;
    }
    return 0;
}

bool TVYXFindReplaceText::FindNext()
{
    FFound = false;
    FCurrSel.Clear();
    if (FFindText.empty())
        return false;
    Prepare();
    if (FPattern)
        FPattern->ResetSteps();
    if (!FCurrPos.Para)
        FCurrPos = RangeStart();
    for (TVYXLogPara* para = FCurrPos.Para; para;) {
        std::int32_t len = 0;
        const std::int32_t at = SearchPara(*para, FCurrPos.CharPos, len);
        if (at > 0) {
            if (PastRangeEnd(para, at + len))
                break;
            FCurrSel.First.Assign(para, at);
            FCurrSel.Last.Assign(para, at + len);
            FCurrPos.Assign(para, at + len);
            FFound = true;
            return true;
        }
        TVYXLogPara* next = para->Next();
        if (!next || PastRangeEnd(next, 1)) {
            // Stays at the end, so asking again answers no hit rather than wrapping.
            FCurrPos.Assign(para, para->EndOfParaPos());
            return false;
        }
        para = next;
        FCurrPos.Assign(para, 1);
    }
    FCurrPos.Assign(FSearchRange.Last);
    return false;
}

bool TVYXFindReplaceText::FindNextAndSelect(TVYXLogSelections& selections)
{
    if (!FindNext())
        return false;
    selections.Clear();
    selections.Add(FCurrSel.First, FCurrSel.Last);
    return true;
}

int TVYXFindReplaceText::FindAll(std::vector<TVYXDocRange>& hits)
{
    const std::size_t before = hits.size();
    Restart(TVYXLogPos());
    while (FindNext())
        hits.push_back(TVYXDocRange{FCurrSel.First.Address(), FCurrSel.Last.Address()});
    return static_cast<int>(hits.size() - before);
}

int TVYXFindReplaceText::FindAll(TVYXLogSelections& selections)
{
    Restart(TVYXLogPos());
    int count = 0;
    while (FindNext()) {
        selections.Add(FCurrSel.First, FCurrSel.Last);
        ++count;
    }
    return count;
}

bool TVYXFindReplaceText::Replace()
{
    if (!FFound || !FCurrSel.Assigned()) {
        FindNext();
        return false;
    }
    TVYXLogPara* para = FCurrSel.First.Para;
    const std::int32_t at = FCurrSel.First.CharPos;
    VYXReplaceRange(FDoc, TVYXDocRange{FCurrSel.First.Address(), FCurrSel.Last.Address()}, FReplaceText);
    // A hit lies in one paragraph, which the replacement keeps; the search goes on after
    // the new text so that a replacement holding the find text is not found again.
    FCurrPos.Assign(para, at + static_cast<std::int32_t>(FReplaceText.size()));
    FindNext();
    return true;
}

int TVYXFindReplaceText::ReplaceAll()
{
    std::vector<TVYXDocRange> hits;
    FindAll(hits);
    for (auto it = hits.rbegin(); it != hits.rend(); ++it)
        VYXReplaceRange(FDoc, *it, FReplaceText);
    FReplaceCount = static_cast<int>(hits.size());
    EndFind();
    return FReplaceCount;
}
