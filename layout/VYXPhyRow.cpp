// VYXPhyRow.cpp: rows, floats beside the text, and breaking a paragraph into rows.
//
// Breaking works word by word. A word is: leading spaces (only at the start of a
// run's text), the characters up to the next space, a hyphen or soft hyphen ending
// the word, or in scripts written without spaces a place where the line-break
// classes allow a break; then the trailing spaces. A word that does not fit goes to
// the next row; a word that alone reaches the row's width is cut where it overflows.
// Trailing spaces hang past the row's end and never wrap.
//
// Right-to-left text: a paragraph holding right-to-left characters gets its bidi
// levels once; each row's pieces are split where the level changes and reordered
// for display when the row ends. The device shapes each piece in its own direction.
//
// Not supported: kerning across word and run boundaries (each word is measured on
// its own), a word split by a formatting change wraps at that change.
#include "layout/VYXPhyRow.h"

#include <algorithm>
#include <cmath>

#include "layout/VYXGDIAbstract.h"
#include "model/VYXCharRun.h"
#include "model/VYXDefs.h"
#include "model/VYXDocData.h"
#include "model/VYXDocProps.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXParaProps.h"
#include "model/VYXPropAccess.h"
#include "model/VYXPropValues.h"
#include "model/VYXStyles.h"
#include "platform/VYXException.h"
#include "platform/VYXTextScript.h"

// ---- Rows ---------------------------------------------------------------------------

std::u16string TVYXPhyRow::PlainText() const
{
    std::vector<const TVYXRowPiece*> logical;
    logical.reserve(Pieces.size());
    for (const TVYXRowPiece& p : Pieces)
        logical.push_back(&p);
    // Pieces are in display order; logical order follows the run order and offsets.
    std::stable_sort(logical.begin(), logical.end(), [](const TVYXRowPiece* a, const TVYXRowPiece* b) {
        if (a->Run != b->Run)
            return a->Run->Index() < b->Run->Index();
        return a->From < b->From;
    });
    std::u16string s;
    for (const TVYXRowPiece* p : logical)
        s += p->Text;
    return s;
}

std::u16string TVYXPhyRow::VisualText() const
{
    std::u16string s;
    for (const TVYXRowPiece& p : Pieces) {
        if (!(p.Level & 1)) {
            s += p.Text;
            continue;
        }
        // Reverse by characters, keeping surrogate pairs in their order.
        for (std::size_t i = p.Text.size(); i-- > 0;) {
            const char16_t c = p.Text[i];
            if (c >= 0xDC00 && c <= 0xDFFF && i > 0 && p.Text[i - 1] >= 0xD800 && p.Text[i - 1] <= 0xDBFF) {
                s += p.Text[i - 1];
                s += c;
                --i;
            } else {
                s += c;
            }
        }
    }
    return s;
}

int TVYXPhyRow::SpaceCount() const
{
    std::u16string text = PlainText();
    while (!text.empty() && CharIsSpaceTrailing(text.back()))
        text.pop_back();
    return static_cast<int>(std::count(text.begin(), text.end(), u' '));
}

void TVYXPhyRow::CollectBreakChars(double available)
{
    JustifyExtra = 0;
    const int spaces = SpaceCount();
    const double free = available - UsedWidth;
    if (spaces > 0 && free > 0 && free < 0.15 * available)
        JustifyExtra = static_cast<float>(free / spaces);
}

TVYXPhyRow& TVYXPhyRows::Add()
{
    if (FCount == static_cast<int>(FItems.size()))
        FItems.push_back(std::make_unique<TVYXPhyRow>());
    TVYXPhyRow& row = *FItems[static_cast<std::size_t>(FCount++)];
    return row;
}

void TVYXPhyRows::Clear()
{
    FItems.clear();
    FCount = 0;
    BrokenWidth = -1;
    BrokenPPI = 0;
    Height = 0;
}

double TVYXPhyRows::PixWidth() const
{
    double w = 0;
    for (int i = 0; i < FCount; ++i)
        w = std::max(w, GetItems(i).XOffs + GetItems(i).AlignOffs + static_cast<double>(GetItems(i).UsedWidth));
    return w;
}

int TVYXPhyRows::FindRow(std::int32_t pos) const
{
    for (int i = 0; i < FCount; ++i)
        if (pos < GetItems(i).EndPos)
            return i;
    return FCount - 1;
}

std::unique_ptr<TVYXPhyRow> TVYXPhyRows::Replace(int index, std::unique_ptr<TVYXPhyRow> row)
{
    if (index < 0 || index >= FCount || !row)
        throw VYXException("Invalid row index");
    std::unique_ptr<TVYXPhyRow>& slot = FItems[static_cast<std::size_t>(index)];
    if (!row->Para)
        row->Para = slot->Para;
    row->Flags |= aprfDirty;  // painting refreshes it
    std::swap(slot, row);
    return row;
}

bool TVYXPhyRows::UpdateArea(TVYXArea& area, int page, bool dirtyOnly) const
{
    bool any = false;
    for (int i = 0; i < FCount; ++i) {
        const TVYXPhyRow& row = GetItems(i);
        if (row.Page != page || (dirtyOnly && !(row.Flags & aprfDirty)))
            continue;
        const double x1 = row.GetX(), x2 = row.GetX() + std::max(0.0f, row.UsedWidth);
        const double y1 = row.GetY1(), y2 = row.GetY2();
        if (area.X2() < area.X1())
            area.SetBounds(x1, y1, x2, y2);
        else
            area.SetBounds(std::min(area.X1(), x1), std::min(area.Y1(), y1), std::max(area.X2(), x2), std::max(area.Y2(), y2));
        any = true;
    }
    return any;
}

void TVYXPhyRows::ClearColX()
{
    for (int i = 0; i < FCount; ++i)
        GetItems(i).PageX = 0;
}

void TVYXPhyRows::ClearFirstLast()
{
    for (int i = 0; i < FCount; ++i)
        GetItems(i).Flags &= ~(aprfFirst | aprfLast);
}

void TVYXPhyRows::SetFirstLast()
{
    ClearFirstLast();
    if (FCount) {
        First()->Flags |= aprfFirst;
        Last()->Flags |= aprfLast;
    }
}

void TVYXPhyRows::OffsetRows(double dy)
{
    for (int i = 0; i < FCount; ++i)
        GetItems(i).Baseline += static_cast<float>(dy);
}

std::size_t TVYXPhyRows::MemoryUsed() const
{
    std::size_t bytes = sizeof(*this) + FItems.capacity() * sizeof(void*);
    for (const auto& row : FItems) {
        bytes += sizeof(TVYXPhyRow) + row->Pieces.capacity() * sizeof(TVYXRowPiece);
        for (const TVYXRowPiece& p : row->Pieces)
            if (p.Text.capacity() > 7)  // beyond the small-string buffer
                bytes += (p.Text.capacity() + 1) * sizeof(char16_t);
    }
    return bytes;
}

TVYXPhyRow* TVYXPhyRowsList::Find(double y) const
{
    TVYXPhyRow* best = nullptr;
    double bestDist = 0;
    for (TVYXPhyRow* row : FItems) {
        if (y >= row->GetY1() && y < row->GetY2())
            return row;
        const double d = std::min(std::abs(y - row->GetY1()), std::abs(y - row->GetY2()));
        if (!best || d < bestDist) {
            best = row;
            bestDist = d;
        }
    }
    return best;
}

double TVYXPhyRowsList::Height() const
{
    if (FItems.empty())
        return 0;
    double top = FItems.front()->GetY1(), bottom = FItems.front()->GetY2();
    for (const TVYXPhyRow* row : FItems) {
        top = std::min(top, row->GetY1());
        bottom = std::max(bottom, row->GetY2());
    }
    return bottom - top;
}

// ---- Floats ---------------------------------------------------------------------------

void TVYXFloatSizes::Add(double width, double height, TVYXFloatSide side)
{
    if (width > 0 && height >= 1)
        FItems.push_back({width, height, side});
}

void TVYXFloatSizes::AddOnPage(double width, double height, TVYXFloatSide side, double top)
{
    if (width > 0 && height >= 1)
        FItems.push_back({width, height, side, std::max(0.0, top), true});
}

void TVYXFloatSizes::Apply(const TVYXParaData& data, double ppx, bool mirror)
{
    const double left = mirror ? data.IndentRight : data.IndentLeft;
    const double right = mirror ? data.IndentLeft : data.IndentRight;
    // The hanging indent is the first row's own business: it shifts that row left (or
    // makes room for the list label), which no float can express.
    AddApply(left, right, data.IndentFirstLine, ppx);
}

void TVYXFloatSizes::AddApply(double left, double right, double firstLine, double ppx)
{
    constexpr double cWholePara = 2147483647;
    const double leftPx = ppx * left;
    if (left != 0)
        Add(leftPx, cWholePara, afsLeft);
    if (right != 0)
        Add(ppx * right, cWholePara, afsRight);
    // The first-line float includes the left indent: the widest left float wins,
    // and the first line starts at left + first-line indent.
    if (firstLine != 0)
        Add(leftPx + ppx * firstLine, 1, afsLeft);
}

void TVYXFloatSizes::Dec(double height, double advance)
{
    if (advance < 0)
        advance = height;
    for (TVYXFloatSize& f : FItems) {
        if (f.OnPage && f.Top > 0) {
            // Objects on the page are met where rows are placed: rows go down by their
            // advance. Only the part of the row below the object's top uses it up.
            f.Top -= advance;
            if (f.Top < 0) {
                f.Height += f.Top;
                f.Top = 0;
            }
            continue;
        }
        f.Height -= f.OnPage ? advance : height;
    }
    std::erase_if(FItems, [](const TVYXFloatSize& f) { return f.Height < 1; });
}

double TVYXFloatSizes::GetXOffset() const
{
    double w = 0;
    for (const TVYXFloatSize& f : FItems)
        if (f.Side == afsLeft && Active(f))
            w = std::max(w, f.Width);
    return w;
}

double TVYXFloatSizes::GetWidth() const
{
    double r = 0;
    for (const TVYXFloatSize& f : FItems)
        if (f.Side == afsRight && Active(f))
            r = std::max(r, f.Width);
    return GetXOffset() + r;
}

double TVYXFloatSizes::PaginateWidth() const { return std::max(20.0, TotalWidth - GetWidth()); }

// ---- Words ---------------------------------------------------------------------------

bool CharIsSpaceLeading(char16_t c) { return c == u' ' || c == 0x3000; }
bool CharIsSpaceTrailing(char16_t c) { return c == u' ' || c == 0x3000; }

namespace {

constexpr char16_t cObjectChar = 8;  // stands for an inline object in row texts

bool IsBreakingChar(char16_t c)
{
    return c == u'-' || c == 0x00AD || c == 0x2010 || c == 0x2012 || c == 0x2013 || c == 0x2014 || c == u'/';
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

char32_t CodePointAt(const std::u16string& s, std::size_t i)
{
    if (IsHighSurrogate(s[i]) && i + 1 < s.size() && IsLowSurrogate(s[i + 1]))
        return 0x10000 + ((static_cast<char32_t>(s[i]) - 0xD800) << 10) + (s[i + 1] - 0xDC00);
    return s[i];
}

// A switch of the paragraph's own list, else of the first style up its chain that sets
// it, else `fallback`. Headings usually keep with the next paragraph through their style.
bool StyledFlag(const TVYXPAPX& papx, TVYXPapId id, bool fallback)
{
    bool v = false;
    if (papx.GetValue(id, v))
        return v;
    const TVYXStyle* style = papx.GetStyle();
    for (int depth = 0; style && depth < cVYXMaxStyleDepth; ++depth, style = style->BasedOn)
        if (const TVYXPAPX* own = style->StylePAPX(); own && own != &papx && own->GetValue(id, v))
            return v;
    return fallback;
}

bool IsTextLike(TVYXCharRunType t)
{
    return t == acrtText || t == acrtHyperlink || t == acrtSimpleField || t == acrtFootnote || t == acrtFootnoteRef;
}

}  // namespace

enum TPendingTab { ptNone, ptCenter, ptRight, ptDecimal };

struct TVYXPaginator::TState {
    TVYXParaData ParaData;
    double Ppx = 96.0 / 72;
    double LeftPx = 0, HangPx = 0;
    bool Rtl = false;                  // the paragraph needs bidi
    int BaseLevel = 0;
    std::vector<std::uint8_t> Levels;  // per unit of the paragraph's shown text
    std::vector<char> Breaks;          // likewise, only when a non-space script occurs
    std::vector<std::u16string> Texts; // shown text of each run
    std::vector<std::int32_t> Offsets; // start of each run's text in the paragraph's shown text
    int RunIndex = 0;

    TVYXPhyRow* Row = nullptr;
    int RowIndex = 0;
    double X = 0;
    double Avail = 0;
    double Trail = 0;         // width of the spaces ending the row
    bool HasContent = false;  // something but spaces is on the row
    bool PendingLineBreak = false;
    double RunAscent = 0, RunDescent = 0, RunLine = 0;  // of the current run
    double ObjAscent = 0;                               // inline object height of the current run
    int TabsSeen = 0;
    std::uint8_t BreakNext = 0;  // a page or column break ended the previous row

    TPendingTab Pending = ptNone;
    int TabPiece = -1;
    double TabStartX = 0, TabStopX = 0, DecimalWidth = 0;
    bool DecimalSeen = false;
};

TVYXPaginator::TVYXPaginator() : FState(std::make_unique<TState>()) {}
TVYXPaginator::~TVYXPaginator() = default;

double TVYXPaginator::Measure(std::u16string_view text) { return text.empty() ? 0 : FGDI->TextWidthF(text); }

bool TVYXPaginator::NextWord(const std::u16string& text, std::int32_t& pos, TVYXWordData& word, double available)
{
    const auto n = static_cast<std::int32_t>(text.size());
    word.Clear();
    if (pos >= n)
        return false;
    word.Start = pos;
    std::int32_t i = pos;
    while (i < n && CharIsSpaceLeading(text[static_cast<std::size_t>(i)]))
        ++i;
    word.LeadCount = i - pos;
    const TState& st = *FState;
    const char* breaks = st.Breaks.empty() ? nullptr : st.Breaks.data() + st.Offsets[static_cast<std::size_t>(st.RunIndex)];
    std::int32_t j = i;
    // A word longer than any row is taken in slices, so that measuring stays linear
    // in the text even for a megabyte without a space.
    constexpr std::int32_t cMaxWord = 1024;
    while (j < n && !CharIsSpaceTrailing(text[static_cast<std::size_t>(j)]) && j - i < cMaxWord) {
        const char32_t cp = CodePointAt(text, static_cast<std::size_t>(j));
        j += cp > 0xFFFF ? 2 : 1;
        if (cp <= 0xFFFF && IsBreakingChar(static_cast<char16_t>(cp)))
            break;
        // Scripts without spaces: break where the classes allow it next to such a letter.
        if (breaks && j < n && breaks[j - 1] == vybrAllow &&
            (VYXIsNonSpaceScript(cp) || VYXIsNonSpaceScript(CodePointAt(text, static_cast<std::size_t>(j)))))
            break;
    }
    word.TextCount = j - i;
    if (word.LeadCount)
        word.LeadWidth = Measure(std::u16string_view(text).substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(word.LeadCount)));
    const std::u16string_view body = std::u16string_view(text).substr(static_cast<std::size_t>(i), static_cast<std::size_t>(word.TextCount));
    word.TextWidth = Measure(body);
    if (word.TextCount > 0 && word.TextWidth >= available) {
        // Longer than the row: keep the longest front that is narrower (at least one
        // character, never half a surrogate pair); the rest is the next word.
        std::int32_t lo = 1, hi = word.TextCount - 1, best = 1;
        while (lo <= hi) {
            const std::int32_t mid = (lo + hi) / 2;
            if (Measure(body.substr(0, static_cast<std::size_t>(mid))) < available) {
                best = mid;
                lo = mid + 1;
            } else {
                hi = mid - 1;
            }
        }
        if (best < word.TextCount && IsLowSurrogate(body[static_cast<std::size_t>(best)]))
            best = best > 1 ? best - 1 : best + 1;
        if (best < word.TextCount) {
            word.TextCount = best;
            word.TextWidth = Measure(body.substr(0, static_cast<std::size_t>(best)));
            pos = i + best;
            return true;
        }
    }
    std::int32_t t = j;
    while (t < n && CharIsSpaceTrailing(text[static_cast<std::size_t>(t)]))
        ++t;
    word.TrailCount = t - j;
    if (word.TrailCount)
        word.TrailWidth = Measure(std::u16string_view(text).substr(static_cast<std::size_t>(j), static_cast<std::size_t>(word.TrailCount)));
    pos = t;
    return true;
}

// ---- Rows of a paragraph -----------------------------------------------------------------

void TVYXPaginator::BeginRow(std::int32_t pos)
{
    TState& st = *FState;
    TVYXPhyRow& row = FRows->Add();
    const bool dirty = row.StartPos != pos || FPara->Dirty;
    row.Pieces.clear();
    row.UsedWidth = row.AlignOffs = row.PageX = row.JustifyExtra = 0;
    row.Ascent = row.Descent = row.LineHeight = 0;
    row.Flags = dirty ? unsigned{aprfDirty} : 0u;
    row.StartPos = row.EndPos = pos;
    row.CR1 = row.CR2 = nullptr;
    row.CR1Pos = row.CR2Pos = pos;
    row.Page = -1;
    row.BreakKind = st.BreakNext;
    st.BreakNext = 0;
    row.Para = FPara;
    st.Row = &row;
    st.Trail = 0;
    st.HasContent = false;
    st.Pending = ptNone;
    st.TabPiece = -1;
    const bool first = st.RowIndex == 0;
    double xoffs = FFloats.GetXOffset();
    st.Avail = FFloats.PaginateWidth();
    st.X = 0;
    if (first && FRows->Label.empty()) {
        // The first row hangs out to the left by the hanging indent, and gains that width.
        xoffs -= st.HangPx;
        st.Avail += st.HangPx;
    } else if (first) {
        // The label sits in the hanging indent; text too close to it moves right.
        FRows->LabelX = static_cast<float>(-st.HangPx);
        const double gap = Measure(u" ");
        if (FRows->LabelWidth + gap > st.HangPx)
            st.X = FRows->LabelWidth + gap - st.HangPx;
    }
    row.XOffs = static_cast<float>(xoffs);
    row.AvailWidth = static_cast<float>(st.Avail);
}

void TVYXPaginator::AddToRow(TVYXCharRun& run, const std::u16string& text, std::int32_t from, std::int32_t len,
                             double width)
{
    TState& st = *FState;
    TVYXPhyRow& row = *st.Row;
    if (!row.CR1) {
        row.CR1 = &run;
        row.CR1Pos = run.StartPos() + std::min(from, run.Len());
        row.StartPos = row.CR1Pos;
    }
    row.Ascent = static_cast<float>(std::max<double>(row.Ascent, std::max(st.RunAscent, st.ObjAscent)));
    row.Descent = static_cast<float>(std::max<double>(row.Descent, st.RunDescent));
    row.LineHeight = static_cast<float>(std::max<double>(row.LineHeight, st.RunLine));
    row.CR2 = &run;
    const std::int32_t end = std::min(from + len, run.Len());
    row.CR2Pos = run.StartPos() + std::max(end - 1, 0);
    row.EndPos = std::max(row.EndPos, run.StartPos() + end);
    if (len <= 0)
        return;

    // Pieces are split where the bidi level changes.
    const std::int32_t base = st.Offsets[static_cast<std::size_t>(st.RunIndex)];
    std::int32_t s = from;
    while (s < from + len) {
        std::uint8_t level = st.Rtl ? st.Levels[static_cast<std::size_t>(base + s)] : 0;
        std::int32_t e = s + 1;
        while (st.Rtl && e < from + len && st.Levels[static_cast<std::size_t>(base + e)] == level)
            ++e;
        const double w = (s == from && e == from + len) ? width
                                                        : Measure(std::u16string_view(text).substr(static_cast<std::size_t>(s), static_cast<std::size_t>(e - s)));
        TVYXRowPiece* last = row.Pieces.empty() ? nullptr : &row.Pieces.back();
        if (last && last->Run == &run && last->From + last->Len == s && last->Level == level && run.Type_() != acrtTab) {
            last->Len += e - s;
            last->Width += static_cast<float>(w);
            last->Text.append(text, static_cast<std::size_t>(s), static_cast<std::size_t>(e - s));
        } else {
            TVYXRowPiece p;
            p.Run = &run;
            p.From = s;
            p.Len = e - s;
            p.X = static_cast<float>(st.X);
            p.Width = static_cast<float>(w);
            p.Level = level;
            p.Text.assign(text, static_cast<std::size_t>(s), static_cast<std::size_t>(e - s));
            row.Pieces.push_back(std::move(p));
        }
        st.X += w;
        s = e;
    }
}

void TVYXPaginator::ResolvePendingTab()
{
    TState& st = *FState;
    if (st.Pending == ptNone || st.TabPiece < 0)
        return;
    const double after = st.X - st.TabStartX;
    double counted = after;
    if (st.Pending == ptCenter)
        counted = after / 2;
    else if (st.Pending == ptDecimal && st.DecimalSeen)
        counted = st.DecimalWidth;
    const double shift = std::max(0.0, std::min(st.TabStopX, st.Avail) - st.TabStartX - counted);
    st.Row->Pieces[static_cast<std::size_t>(st.TabPiece)].Width = static_cast<float>(shift);
    st.X += shift;
    st.Pending = ptNone;
    st.TabPiece = -1;
}

void TVYXPaginator::Reorder(TVYXPhyRow& row)
{
    const TState& st = *FState;
    if (!st.Rtl || row.Pieces.empty())
        return;
    // Spaces ending the line take the paragraph's level.
    for (std::size_t i = row.Pieces.size(); i-- > 0;) {
        TVYXRowPiece& p = row.Pieces[i];
        if (p.Text.find_first_not_of(u' ') != std::u16string::npos)
            break;
        p.Level = static_cast<std::uint8_t>(st.BaseLevel);
    }
    std::vector<std::uint8_t> levels;
    levels.reserve(row.Pieces.size());
    for (const TVYXRowPiece& p : row.Pieces)
        levels.push_back(p.Level);
    const std::vector<int> order = VYXBidiVisualOrder(levels.data(), static_cast<int>(levels.size()));
    std::vector<TVYXRowPiece> visual;
    visual.reserve(row.Pieces.size());
    for (int i : order)
        visual.push_back(std::move(row.Pieces[static_cast<std::size_t>(i)]));
    row.Pieces = std::move(visual);
}

void TVYXPaginator::EndRow()
{
    TState& st = *FState;
    ResolvePendingTab();
    TVYXPhyRow& row = *st.Row;
    if (row.Ascent == 0 && row.Descent == 0) {
        row.Ascent = static_cast<float>(std::max(st.RunAscent, st.ObjAscent));
        row.Descent = static_cast<float>(st.RunDescent);
        row.LineHeight = static_cast<float>(st.RunLine);
    }
    row.UsedWidth = static_cast<float>(std::max(0.0, st.X - (FKeepTrailingSpaces ? 0.0 : st.Trail)));
    for (const TVYXRowPiece& p : row.Pieces)
        if (p.Run->Type_() == acrtFootnoteRef || p.Run->Type_() == acrtFootnote)
            row.Flags |= aprfHasFootnote;

    // Justification spreads the free space over the spaces (trailing ones excluded).
    const TVYXParaData& pd = st.ParaData;
    if (pd.Alignment == vyptaJustify) {
        row.CollectBreakChars(st.Avail);
        if (row.JustifyExtra > 0) {
            // The spaces counted are those before the trailing ones, in logical order.
            const int total = row.SpaceCount();
            int left = total;
            for (TVYXRowPiece& p : row.Pieces) {
                const int spaces = std::min(left, static_cast<int>(std::count(p.Text.begin(), p.Text.end(), u' ')));
                if (spaces <= 0)
                    continue;
                p.Extra = row.JustifyExtra;
                p.Width += row.JustifyExtra * static_cast<float>(spaces);
                left -= spaces;
            }
            row.UsedWidth += row.JustifyExtra * static_cast<float>(total);
        }
    }
    Reorder(row);
    float x = 0;
    for (TVYXRowPiece& p : row.Pieces) {
        p.X = x;
        x += p.Width;
    }
    TVYXPapTextAlign align = pd.Alignment;
    if (st.BaseLevel == 1 && align == vyptaLeft)
        align = vyptaRight;  // a right-to-left paragraph starts at the right
    else if (st.BaseLevel == 1 && align == vyptaRight)
        align = vyptaLeft;
    const double free = std::max(0.0, st.Avail - row.UsedWidth);
    if (align == vyptaCenter)
        row.AlignOffs = static_cast<float>(free / 2);
    else if (align == vyptaRight || (align == vyptaJustify && st.BaseLevel == 1 && row.JustifyExtra == 0))
        row.AlignOffs = static_cast<float>(free);
    FFloats.Dec(row.Height(), FRows->RowAdvance(row));
    FFloats.SetGraphicWidth();
    ++st.RowIndex;
}

// ---- Runs ------------------------------------------------------------------------------

void TVYXPaginator::BeginCharRun(TVYXCharRun& run, std::u16string& text)
{
    TState& st = *FState;
    run.SetupFontData(FFontData, &FPara->PAPX());
    FGDI->SetFont(FFontData);
    FGDI->GetTextMetric();
    const TVYXTextMetric& tm = FGDI->TextMetric();
    st.RunAscent = tm.Ascent;
    st.RunDescent = tm.Descent;
    st.RunLine = tm.LineHeight;
    st.ObjAscent = 0;
    if (FFontData.SubSuperOffs > 0)  // raised text needs room above
        st.RunAscent += FGDI->PtToPixYF(FFontData.SubSuperOffs);
    else if (FFontData.SubSuperOffs < 0)
        st.RunDescent -= FGDI->PtToPixYF(FFontData.SubSuperOffs);
    text = st.Texts[static_cast<std::size_t>(st.RunIndex)];
}

void TVYXPaginator::Push(TVYXCharRun& run, const std::u16string& text, const TVYXWordData& word, bool)
{
    TState& st = *FState;
    if (st.PendingLineBreak) {
        st.PendingLineBreak = false;
        EndRow();
        BeginRow(run.StartPos() + std::min(word.Start, run.Len()));
    }
    const double w = word.WidthBeginning();
    if (word.TextCount > 0 && st.HasContent && st.X + w > st.Avail) {
        // Leading spaces stay at the end of the row they follow.
        if (word.LeadCount) {
            AddToRow(run, text, word.Start, word.LeadCount, word.LeadWidth);
            st.Trail += word.LeadWidth;
        }
        EndRow();
        BeginRow(run.StartPos() + std::min(word.Start + word.LeadCount, run.Len()));
        AddToRow(run, text, word.Start + word.LeadCount, word.TextCount + word.TrailCount,
                 word.TextWidth + word.TrailWidth);
    } else {
        AddToRow(run, text, word.Start, word.TotCharCount(), word.TotWidth());
    }
    if (st.Pending == ptDecimal && !st.DecimalSeen && word.TextCount > 0) {
        const std::size_t at = text.find(u'.', static_cast<std::size_t>(word.Start + word.LeadCount));
        if (at != std::u16string::npos && at < static_cast<std::size_t>(word.Start + word.LeadCount + word.TextCount)) {
            const double before = st.X - word.TotWidth() - st.TabStartX;
            const std::size_t s = static_cast<std::size_t>(word.Start);
            st.DecimalWidth = before + Measure(std::u16string_view(text).substr(s, at + 1 - s));
            st.DecimalSeen = true;
        }
    }
    if (word.TextCount > 0) {
        st.HasContent = true;
        st.Trail = word.TrailWidth;
    } else {
        st.Trail += word.LeadWidth + word.TrailWidth;
    }
}

void TVYXPaginator::PushTab(TVYXCharRun& run)
{
    TState& st = *FState;
    if (st.PendingLineBreak) {
        st.PendingLineBreak = false;
        EndRow();
        BeginRow(run.StartPos());
    }
    ResolvePendingTab();
    // Tab positions are measured from the left indent.
    const double origin = st.Row->XOffs - st.LeftPx;
    double pos = 0;
    const bool first = st.RowIndex == 0 && st.TabsSeen == 0;
    const TVYXTabStop* stop = FPara->MapTab(pos, first, st.X + origin);
    ++st.TabsSeen;
    // The hanging-indent stop is the left indent itself.
    const TVYXTabStops* own = FPara->PAPX().GetTabStops();
    const bool hangingStop = first && (!own || own->Count() == 0) && st.HangPx > 0 && st.LeftPx > 0;
    const double target = hangingStop ? st.LeftPx - st.Row->XOffs : pos - origin;
    const TVYXTabStopAlignment align = stop ? stop->Alignment : atsaLeft;
    const double width = (align == atsaCenter || align == atsaRight || align == atsaDecimal)
                             ? 0
                             : std::max(0.0, std::min(target, st.Avail) - st.X);
    AddToRow(run, u"\t", 0, 1, width);
    TVYXRowPiece& piece = st.Row->Pieces.back();
    piece.Leader = static_cast<std::uint8_t>(stop ? stop->Leader : atslNone);
    st.Trail = 0;
    st.HasContent = true;
    if (align == atsaCenter || align == atsaRight || align == atsaDecimal) {
        st.Pending = align == atsaCenter ? ptCenter : align == atsaRight ? ptRight : ptDecimal;
        st.TabPiece = static_cast<int>(st.Row->Pieces.size()) - 1;
        st.TabStartX = st.X;
        st.TabStopX = target;
        st.DecimalSeen = false;
        st.DecimalWidth = 0;
    }
}

void TVYXPaginator::PushObject(TVYXCharRun& run, double width, double height)
{
    TState& st = *FState;
    if (st.PendingLineBreak) {
        st.PendingLineBreak = false;
        EndRow();
        BeginRow(run.StartPos());
    }
    st.ObjAscent = std::max(0.0, height);
    width = std::min(std::max(0.0, width), st.Avail);  // never wider than the row
    if (st.HasContent && st.X + width > st.Avail) {
        EndRow();
        BeginRow(run.StartPos());
    }
    AddToRow(run, std::u16string(1, cObjectChar), 0, 1, width);
    st.Trail = 0;
    st.HasContent = true;
}

double TVYXPaginator::FormRoom(const TVYXCharRunLinked& run)
{
    if (run.LinkedType != acrltComplexField)
        return 0;
    const TVYXComplexField* field = VYXAsComplex(run);
    const bool first = run.LinkedPrev == nullptr, last = run.LinkedNext == nullptr;
    if (!field || first == last)
        return 0;
    return VYXFormFieldRoom(*FGDI, *field, first, FGDI->PtToPixYF(FFontData.Size));
}

void TVYXPaginator::PushRoom(TVYXCharRun& run, double width)
{
    TState& st = *FState;
    if (st.PendingLineBreak) {
        st.PendingLineBreak = false;
        EndRow();
        BeginRow(run.StartPos());
    }
    width = std::min(std::max(0.0, width), st.Avail);
    if (st.HasContent && st.X + width > st.Avail) {
        EndRow();
        BeginRow(run.StartPos());
    }
    AddToRow(run, std::u16string(), 0, 0, 0);
    TVYXRowPiece p;
    p.Run = &run;
    p.X = static_cast<float>(st.X);
    p.Width = static_cast<float>(width);
    p.Level = st.Rtl ? static_cast<std::uint8_t>(st.BaseLevel) : 0;
    st.Row->Pieces.push_back(std::move(p));
    st.X += width;
    st.Trail = 0;
    st.HasContent = true;
}

double VYXFormFieldRoom(TVYXGDI& gdi, const TVYXComplexField& field, bool atStart, double em)
{
    if (!(em > 0))
        em = gdi.PtToPixYF(10);
    if (atStart && field.Type() == acftFormCheckBox) {
        const auto* box = dynamic_cast<const TVYXComplexFieldCheckBox*>(field.Data());
        const double side = box && !box->AutoSize && box->Size > 0 ? gdi.PtToPixYF(std::min(box->Size, 1584.0))
                                                                    : std::round(0.8 * em);
        return std::max(6.0, std::round(side)) + 2;
    }
    if (!atStart && field.Type() == acftFormList)
        return std::max(6.0, std::round(0.6 * em)) + 2;
    return 0;
}

TVYXPhyRows& TVYXPaginator::Paginate(TVYXGDI& gdi, TVYXLogPara& para, double width, const std::u16string& label)
{
    FGDI = &gdi;
    FPara = &para;
    auto* rows = dynamic_cast<TVYXPhyRows*>(para.Rows());
    if (!rows) {
        auto created = std::make_unique<TVYXPhyRows>();
        rows = created.get();
        para.SetRows(std::move(created));
    }
    FRows = rows;
    rows->Begin();
    if (!(width >= 20))  // also catches NaN
        width = 20;
    rows->BrokenWidth = width;
    rows->BrokenPPI = gdi.PixelsPerInchX();
    rows->Label = label;
    rows->HasObjects = false;
    rows->LabelWidth = 0;
    rows->LabelX = 0;

    FState = std::make_unique<TState>();
    TState& st = *FState;
    para.SetupParaData(st.ParaData);
    const TVYXParaData& pd = st.ParaData;
    st.Ppx = gdi.PixelsPerInchX() / 72.0;
    st.LeftPx = st.Ppx * pd.IndentLeft;
    st.HangPx = std::max(0.0, st.Ppx * pd.IndentHanging);

    FFloats.Clear();
    FFloats.TotalWidth = width;
    if (FGrWidthL > 0)
        FFloats.Add(FGrWidthL + std::max(0.0, st.LeftPx), FGrHeightL, afsLeft);
    if (FGrWidthR > 0)
        FFloats.Add(FGrWidthR + std::max(0.0, st.Ppx * pd.IndentRight), FGrHeightR, afsRight);
    FFloats.LineGuess = 0;
    FFloats.Apply(pd, st.Ppx);
    FFloats.SetGraphicWidth();
    rows->Wrapped = false;
    if (!FPageFloats.empty()) {
        // Whether a row reaches an object below is judged by the first run's line height.
        if (para.CharRuns().Count() > 0) {
            TVYXFontDataDoc font;
            para.CharRuns().First()->SetupFontData(font, &para.PAPX());
            gdi.SetFont(font);
            gdi.GetTextMetric();
            FFloats.LineGuess = gdi.TextMetric().Ascent + gdi.TextMetric().Descent;
        }
        for (const TVYXFloatSize& f : FPageFloats)
            FFloats.AddOnPage(f.Width, f.Height, f.Side, f.Top);
        FPageFloats.clear();
    }

    // The shown text of every run, and over the whole paragraph the bidi levels and
    // (for scripts without spaces) the break opportunities.
    TVYXCharRuns& runs = para.CharRuns();
    std::u16string all;
    st.Texts.resize(static_cast<std::size_t>(runs.Count()));
    st.Offsets.resize(static_cast<std::size_t>(runs.Count()) + 1);
    int fieldResults = 0;  // complex fields open here whose separator has passed
    std::vector<bool> inResult;
    for (int i = 0; i < runs.Count(); ++i) {
        TVYXCharRun& run = *runs.Items(i);
        std::u16string& t = st.Texts[static_cast<std::size_t>(i)];
        const TVYXCharRunType type = run.Type_();
        if (type == acrtFldChar) {
            const auto fld = static_cast<const TVYXCharRunFldChar&>(run).FldCharType;
            if (fld == acrfctBegin) {
                inResult.push_back(false);
            } else if (!inResult.empty() && fld == acrfctSeparate) {
                fieldResults += inResult.back() ? 0 : 1;
                inResult.back() = true;
            } else if (!inResult.empty()) {
                fieldResults -= inResult.back() ? 1 : 0;
                inResult.pop_back();
            }
        }
        if ((type == acrtSimpleField || (type == acrtText && fieldResults > 0)) && FieldTextEvent)
            t = FieldTextEvent(run);
        else if (IsTextLike(type))
            run.GetText(t);
        else if (type == acrtTab)
            t = u"\t";
        else if (type == acrtGraphic || type == acrtPicture)
            t = std::u16string(1, cObjectChar);
        else
            t.clear();
        st.Offsets[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(all.size());
        all += t;
    }
    st.Offsets.back() = static_cast<std::int32_t>(all.size());
    const bool rtlPara = para.PAPX().RTL;
    if (rtlPara || VYXHasRTL(all)) {
        st.Rtl = true;
        st.BaseLevel = VYXBidiLevels(all, rtlPara ? vybdRTL : vybdAuto, st.Levels);
    }
    for (std::size_t i = 0; i < all.size(); ++i)
        if (VYXIsNonSpaceScript(CodePointAt(all, i))) {
            VYXLineBreaks(all, st.Breaks);
            break;
        }

    // The paragraph mark's font gives an empty paragraph its height.
    if (runs.Count() == 0) {
        TVYXFontDataDoc mark;
        // The document's scratch list falls back to its master format.
        const TVYXCHPX* temp = para.GetTempCHPX();
        const TVYXCHP* master = temp ? temp->CHP() : nullptr;
        const TVYXCHP fallback;
        mark.Resolve(master ? *master : fallback, &para.PAPX(), nullptr, false);
        gdi.SetFont(mark);
        gdi.GetTextMetric();
        st.RunAscent = gdi.TextMetric().Ascent;
        st.RunDescent = gdi.TextMetric().Descent;
        st.RunLine = gdi.TextMetric().LineHeight;
    }
    if (!label.empty()) {
        if (runs.Count() > 0) {
            runs.First()->SetupFontData(FFontData, &para.PAPX());
            gdi.SetFont(FFontData);
        }
        rows->LabelWidth = static_cast<float>(Measure(label));
    }
    // Readers (RTF \sl, DOCX lineRule, DOC, ODT) keep exact and minimum heights in
    // points and multiples as factors, so a small height is meant: an exact 2 pt line is
    // a hairline spacer, a minimum of 1 pt changes nothing. Only a height that is no
    // height at all (0, negative, beyond 22 inches) falls back to single spacing.
    rows->LineRule = aplrMultiple;
    rows->LineValue = 0;
    double factor = pd.LineSpacing;
    switch (pd.LineSpacingType) {
    case aplstSingle: factor = 1; break;
    case aplst1_5Lines: factor = 1.5; break;
    case aplstDouble: factor = 2; break;
    case aplstAtLeast:
    case aplstExactly:
        factor = 1;
        if (pd.LineSpacing > 0 && pd.LineSpacing <= 1584) {
            rows->LineRule = pd.LineSpacingType == aplstExactly ? aplrExactly : aplrAtLeast;
            rows->LineValue = gdi.PtToPixYF(pd.LineSpacing);
        }
        break;
    default: break;
    }
    rows->LineSpacing = std::clamp(factor > 0 ? factor : 1.0, 0.1, 10.0);
    BeginRow(1);

    std::u16string text;
    TVYXWordData word;
    for (int i = 0; i < runs.Count(); ++i) {
        TVYXCharRun& run = *runs.Items(i);
        st.RunIndex = i;
        BeginCharRun(run, text);
        const TVYXCharRunType type = run.Type_();
        if (IsTextLike(type)) {
            if (text.empty()) {
                AddToRow(run, text, 0, 0, 0);
                continue;
            }
            std::int32_t pos = 0;
            while (NextWord(text, pos, word, st.Avail))
                Push(run, text, word, false);
        } else if (type == acrtTab) {
            PushTab(run);
        } else if (type == acrtBreak) {
            const auto& br = static_cast<TVYXCharRunBreak&>(run);
            if (br.BreakType == acrbtLineBreak || br.BreakType == acrbtColumn || br.BreakType == acrbtPageBreak) {
                if (st.PendingLineBreak) {
                    st.PendingLineBreak = false;
                    EndRow();
                    BeginRow(run.StartPos());
                }
                const std::uint8_t kind = br.BreakType == acrbtPageBreak ? 1 : br.BreakType == acrbtColumn ? 2 : 0;
                if (kind && !st.HasContent) {
                    st.Row->BreakKind = kind;  // nothing before it on the row: the row moves
                    AddToRow(run, u"", 0, 0, 0);
                    st.Row->EndPos = run.GetEndPos();
                } else {
                    AddToRow(run, u"", 0, 0, 0);
                    st.Row->EndPos = run.GetEndPos();
                    st.PendingLineBreak = true;
                    st.BreakNext = kind;
                }
            }
        } else if (type == acrtGraphic) {
            auto& g = static_cast<TVYXCharRunGraphic&>(run);
            rows->HasObjects = true;
            double w = 0, h = 0;
            if (g.Graphic) {
                w = g.FullWidth ? st.Avail : gdi.PtToPixXF(g.Graphic->Width);
                h = gdi.PtToPixYF(g.Graphic->Height);
            }
            PushObject(run, w, h);
        } else if (type == acrtPicture) {
            auto& p = static_cast<TVYXCharRunPicture&>(run);
            double w = 0, h = 0;
            if (p.Bitmap) {  // the picture's own pixels, taken at 96 per inch
                w = gdi.PtToPixXF(p.Bitmap->Width() * 0.75);
                h = gdi.PtToPixYF(p.Bitmap->Height() * 0.75);
            }
            PushObject(run, w, h);
        } else if (const double room = type == acrtLinked ? FormRoom(static_cast<TVYXCharRunLinked&>(run)) : 0;
                   room > 0) {
            PushRoom(run, room);
        } else {
            AddToRow(run, text, 0, 0, 0);  // boundaries and field codes take no room
        }
    }
    if (st.PendingLineBreak) {
        st.PendingLineBreak = false;
        EndRow();
        BeginRow(para.EndOfParaPos());
    }
    EndRow();
    rows->SetFirstLast();
    rows->SpaceBefore = pd.SpaceBefore;
    const TVYXDocPropBorder* bottom = pd.Borders().Bottom();
    rows->BorderBottom = bottom && bottom->Assigned() ? std::max(0.0, bottom->Margin()) : 0;
    rows->SpaceAfter = pd.SpaceAfter;
    rows->NumLevel = para.PAPX().GetNumbering();
    rows->Numbered = rows->NumLevel != nullptr;
    rows->Contextual = para.PAPX().GetContextualSpacing();
    rows->Style = para.PAPX().GetStyle();
    rows->KeepNext = StyledFlag(para.PAPX(), vypiKeepNext, false);
    rows->KeepLines = StyledFlag(para.PAPX(), vypiKeepLines, false);
    rows->WidowControl = StyledFlag(para.PAPX(), vypiWidowControl, true);
    para.Dirty = false;
    return *rows;
}
