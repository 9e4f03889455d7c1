// VYXRowEditor.cpp: per-row character tables, caret geometry, the remembered column and visual moves.
#include "layout/VYXRowEditor.h"

#include <algorithm>
#include <cmath>

#include "layout/VYXGDIAbstract.h"
#include "layout/VYXPhyPage.h"
#include "layout/VYXPhyRow.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocData.h"
#include "model/VYXLogParas.h"

namespace {

constexpr char16_t cObjectChar = 8;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Marks that sit on the character before them: the caret never stands between the two.
bool IsCombiningMark(char16_t c)
{
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x0591 && c <= 0x05BD) || c == 0x05BF || c == 0x05C1 ||
           c == 0x05C2 || c == 0x05C4 || c == 0x05C5 || c == 0x05C7 || (c >= 0x0610 && c <= 0x061A) ||
           (c >= 0x064B && c <= 0x065F) || c == 0x0670 || (c >= 0x06D6 && c <= 0x06DC) ||
           (c >= 0x06DF && c <= 0x06E4) || c == 0x06E7 || c == 0x06E8 || (c >= 0x06EA && c <= 0x06ED) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F);
}

// A right-to-left paragraph: set so, or its first character (in logical order) has a
// level above 0, which only a right-to-left base gives it.
bool RowsAreRtl(const TVYXLogPara& para, const TVYXPhyRows& rows)
{
    if (para.PAPX().RTL)
        return true;
    const TVYXPhyRow& first = rows.GetItems(0);
    const TVYXRowPiece* lead = nullptr;
    for (const TVYXRowPiece& p : first.Pieces)
        if (!lead || p.Run->Index() < lead->Run->Index() || (p.Run == lead->Run && p.From < lead->From))
            lead = &p;
    return lead && lead->Level > 0;
}

}  // namespace

// ---- The table ---------------------------------------------------------------------------

void TVYXRowEditor::Clear()
{
    FChars.clear();
    FRow = nullptr;
    FPieces = 0;
}

bool TVYXRowEditor::RowChanged()
{
    const TVYXPhyRow* row = FPos.GetRow();
    if (!row) {
        Clear();
        return false;
    }
    if (row == FRow && row->StartPos == FStart && row->EndPos == FEnd && row->GetX() == FX &&
        row->Baseline == FBaseline && row->UsedWidth == FUsed && row->Pieces.size() == FPieces)
        return true;
    FChars.clear();
    FRow = row;
    FStart = row->StartPos;
    FEnd = row->EndPos;
    FX = row->GetX();
    FBaseline = row->Baseline;
    FUsed = row->UsedWidth;
    FPieces = row->Pieces.size();
    const TVYXPhyRows& rows = *FPos.FindRows();
    const bool lastRow = FPos.GetRowIndex() == rows.Count() - 1;
    for (const TVYXRowPiece& piece : row->Pieces)
        DoCharRun(piece, FX, lastRow);
    AddEOL(FX, RowsAreRtl(*FPos.Para, rows));
    return true;
}

void TVYXRowEditor::DoCharRun(const TVYXRowPiece& piece, double rowX, bool)
{
    const TVYXCharRun& run = *piece.Run;
    const double x0 = rowX + piece.X;
    const bool rtl = (piece.Level & 1) != 0;
    const std::int32_t runLen = std::max(run.Len(), 1);
    const std::size_t n = piece.Text.size();
    if (n == 0)
        return;
    const TVYXCharRunType type = run.Type_();
    if (type == acrtTab || type == acrtGraphic || type == acrtPicture || n == 1) {
        // One entry as wide as layout made it (a tab's gap, an object, one character).
        TVYXRowChar c;
        c.Char = type == acrtGraphic || type == acrtPicture ? cObjectChar : piece.Text[0];
        c.X = x0;
        c.Width = piece.Width;
        c.Pos = run.StartPos() + std::min(piece.From, runLen - 1);
        c.Rtl = rtl;
        FChars.push_back(c);
        return;
    }

    // Clusters in logical order: a surrogate pair or a base with its marks is one.
    struct TCluster {
        std::size_t From, Len;
        double Width;
    };
    std::vector<TCluster> clusters;
    for (std::size_t i = 0; i < n;) {
        std::size_t e = i + 1;
        if (IsHighSurrogate(piece.Text[i]) && e < n && IsLowSurrogate(piece.Text[e]))
            ++e;
        while (e < n && IsCombiningMark(piece.Text[e]))
            ++e;
        clusters.push_back({i, e - i, 0});
        i = e;
    }
    TVYXFontDataDoc font;
    run.SetupFontData(font, FPos.Para ? &FPos.Para->PAPX() : nullptr);
    FGDI.SetFont(font);
    double natural = 0;
    int spaces = 0;
    for (TCluster& c : clusters) {
        c.Width = FGDI.TextWidthF(std::u16string_view(piece.Text).substr(c.From, c.Len));
        natural += c.Width;
        spaces += piece.Text[c.From] == u' ';
    }
    // Justification first goes to the spaces as layout gave it; what is left (shaping
    // across characters, kerning) is spread in proportion.
    double delta = piece.Width - natural;
    if (piece.Extra > 0 && spaces > 0) {
        int stretched = std::min(spaces, static_cast<int>(std::lround(std::max(0.0, delta) / piece.Extra)));
        for (TCluster& c : clusters)
            if (stretched > 0 && piece.Text[c.From] == u' ') {
                c.Width += piece.Extra;
                delta -= piece.Extra;
                --stretched;
            }
    }
    const double sum = piece.Width - delta;
    const double scale = sum > 0 ? piece.Width / sum : 0;
    double along = 0;
    const std::size_t first = FChars.size();
    for (const TCluster& c : clusters) {
        const std::int32_t offset = piece.From + static_cast<std::int32_t>(c.From);
        const double w = sum > 0 ? c.Width * scale : piece.Width / static_cast<double>(clusters.size());
        if (offset >= runLen && FChars.size() > first) {
            // A field shows more text than it has positions: the rest widens its last place.
            (rtl ? FChars[first] : FChars.back()).Width += w;
            if (rtl)
                FChars[first].X -= w;
            along += w;
            continue;
        }
        TVYXRowChar rc;
        rc.Char = piece.Text[c.From];
        rc.Width = w;
        rc.X = rtl ? x0 + piece.Width - along - w : x0 + along;
        rc.Pos = run.StartPos() + std::min(offset, runLen - 1);
        rc.Len = static_cast<std::int32_t>(c.Len);
        rc.Rtl = rtl;
        along += w;
        if (rtl)
            FChars.insert(FChars.begin() + static_cast<std::ptrdiff_t>(first), rc);
        else
            FChars.push_back(rc);
    }
}

void TVYXRowEditor::AddEOL(double rowX, bool rtlPara)
{
    TVYXRowChar eol;
    eol.Char = 0;
    eol.Len = 0;
    eol.Rtl = rtlPara;
    double right = rowX;
    for (const TVYXRowPiece& p : FRow->Pieces)
        right = std::max(right, rowX + p.X + p.Width);
    eol.X = rtlPara ? rowX : right;
    eol.Pos = FPos.RowIsAtEndOfPara() ? std::max(FRow->EndPos, FPos.EndOfParaPos()) : FRow->EndPos;
    FChars.push_back(eol);
}

double TVYXRowEditor::CharPosToX(std::int32_t pos) const
{
    if (FChars.empty() || !FRow || pos < FRow->StartPos || pos > FChars.back().Pos)
        return 0;
    const TVYXRowChar& eol = FChars.back();
    if (pos == eol.Pos)
        return eol.X;
    // Positions that show nothing (field instructions, markers) stand where the next
    // shown character stands.
    const TVYXRowChar* next = &eol;
    for (std::size_t i = 0; i + 1 < FChars.size(); ++i) {
        const TVYXRowChar& c = FChars[i];
        if (pos >= c.Pos && pos < c.Pos + std::max(c.Len, 1))
            return c.Rtl ? c.X + c.Width : c.X;
        if (c.Pos > pos && c.Pos < next->Pos)
            next = &c;
    }
    return next == &eol || !next->Rtl ? next->X : next->X + next->Width;
}

std::int32_t TVYXRowEditor::XToRelCharPos(double x) const
{
    if (FChars.empty() || !FRow)
        return 1;
    const std::int32_t bol = FRow->StartPos;
    const TVYXRowChar& eol = FChars.back();
    const auto rel = [&](std::int32_t pos) { return std::max<std::int32_t>(1, std::min(pos, eol.Pos) - bol + 1); };
    const std::size_t n = FChars.size() - 1;
    if (n == 0)
        return rel(eol.Pos);
    const TVYXRowChar& firstChar = FChars.front();
    if (!(x >= firstChar.X))  // also a NaN
        return firstChar.Rtl ? rel(firstChar.Pos + firstChar.Len) : 1;
    for (std::size_t i = 0; i < n; ++i) {
        const TVYXRowChar& c = FChars[i];
        if (x < c.X || x >= c.X + c.Width)
            continue;
        if (c.Char == cObjectChar)
            return rel(c.Pos);
        const bool leftHalf = x < c.X + c.Width / 2;
        const bool before = c.Rtl ? !leftHalf : leftHalf;
        return rel(before ? c.Pos : c.Pos + c.Len);
    }
    // Right of the text (or in a hair-thin gap): the nearest edge's side.
    const TVYXRowChar* best = &FChars[0];
    double bestDist = -1;
    for (std::size_t i = 0; i < n; ++i) {
        const TVYXRowChar& c = FChars[i];
        const double d = std::min(std::abs(x - c.X), std::abs(x - (c.X + c.Width)));
        if (bestDist < 0 || d < bestDist) {
            best = &c;
            bestDist = d;
        }
    }
    const bool rightOfIt = x >= best->X + best->Width / 2;
    if (best == &FChars[n - 1] && rightOfIt && !best->Rtl)
        return rel(eol.Pos);
    const bool before = best->Rtl ? rightOfIt : !rightOfIt;
    return rel(before ? best->Pos : best->Pos + best->Len);
}

// ---- The caret's row ----------------------------------------------------------------------

double TVYXCaretRowEditor::CaretX() { return RowChanged() ? CharPosToX(FCaret.CharPos) : 0; }
double TVYXCaretRowEditor::CaretY() { return RowChanged() ? FRow->GetY1() : 0; }
double TVYXCaretRowEditor::CaretH() { return RowChanged() ? FRow->Height() : 0; }

int TVYXCaretRowEditor::GetCaretPos()
{
    if (!RowChanged())
        return -1;
    const std::int32_t pos = FCaret.CharPos;
    for (std::size_t i = 0; i + 1 < FChars.size(); ++i)
        if (pos >= FChars[i].Pos && pos < FChars[i].Pos + std::max(FChars[i].Len, 1))
            return static_cast<int>(i);
    return static_cast<int>(FChars.size()) - 1;
}

char16_t TVYXCaretRowEditor::GetChar(int index) const
{
    return index >= 0 && index < static_cast<int>(FChars.size()) ? FChars[static_cast<std::size_t>(index)].Char : 0;
}

char16_t TVYXCaretRowEditor::CaretChar() { return GetChar(GetCaretPos()); }

bool TVYXCaretRowEditor::IsEOL() { return GetCaretPos() == static_cast<int>(FChars.size()) - 1; }

void TVYXCaretRowEditor::SaveX() { FSavedX = std::round(CaretX()); }

void TVYXCaretRowEditor::RestoreX()
{
    if (!RowChanged())
        return;
    if (FSavedX < 0)
        SaveX();
    FCaret.UpdatePosRelative(XToRelCharPos(FSavedX));
}

bool TVYXCaretRowEditor::MatchPrevCP() const
{
    return FCaret.OldPara() == FCaret.Para && FCaret.OldCharPos() == FCaret.CharPos;
}

bool TVYXCaretRowEditor::Equal(const TVYXRowEditor& other) const
{
    const std::vector<TVYXRowChar>& o = other.Chars();
    if (o.size() != FChars.size())
        return false;
    for (std::size_t i = 0; i < o.size(); ++i)
        if (o[i].Char != FChars[i].Char || o[i].Pos != FChars[i].Pos || std::abs(o[i].X - FChars[i].X) > 0.01 ||
            std::abs(o[i].Width - FChars[i].Width) > 0.01)
            return false;
    return true;
}

bool TVYXCaretRowEditor::MoveLineDown()
{
    if (!RowChanged())
        return false;
    if (FSavedX < 0)
        SaveX();
    const bool ok = FCaret.MoveRowNext();
    if (ok && FCaret.RowCrossed())
        RestoreX();
    return ok;
}

bool TVYXCaretRowEditor::MoveLineUp()
{
    if (!RowChanged())
        return false;
    if (FSavedX < 0)
        SaveX();
    const bool ok = FCaret.MoveRowPrev();
    if (ok && FCaret.RowCrossed())
        RestoreX();
    return ok;
}

bool TVYXCaretRowEditor::MoveVisualLeft() { return MoveVisual(false); }
bool TVYXCaretRowEditor::MoveVisualRight() { return MoveVisual(true); }

bool TVYXCaretRowEditor::MoveVisual(bool right)
{
    if (!RowChanged())
        return false;
    const double cx = CharPosToX(FCaret.CharPos);
    const std::int32_t bol = FRow->StartPos;
    const bool lastRow = FCaret.RowIsAtEndOfPara();
    // Every place the caret may take on the row, with its x: both sides of each character.
    // On a wrapped row the place after its last character belongs to the next row.
    const TVYXRowChar* target = nullptr;
    double targetX = 0;
    std::int32_t targetPos = 0;
    const auto consider = [&](const TVYXRowChar& c, double x, std::int32_t pos) {
        if (pos == FCaret.CharPos || (!lastRow && pos >= FRow->EndPos))
            return;
        if (right ? x <= cx + 0.01 : x >= cx - 0.01)
            return;
        if (!target || (right ? x < targetX : x > targetX)) {
            target = &c;
            targetX = x;
            targetPos = pos;
        }
    };
    for (std::size_t i = 0; i + 1 < FChars.size(); ++i) {
        const TVYXRowChar& c = FChars[i];
        consider(c, c.X, c.Rtl ? c.Pos + c.Len : c.Pos);
        consider(c, c.X + c.Width, c.Rtl ? c.Pos : c.Pos + c.Len);
    }
    consider(FChars.back(), FChars.back().X, FChars.back().Pos);
    if (target) {
        FCaret.UpdatePosRelative(targetPos - bol + 1);
        return true;
    }
    // Past the row's visual end: on in reading order (right in left-to-right text).
    const bool forward = right != FChars.back().Rtl;
    if (forward)
        return FCaret.MoveRowNext() && FCaret.RowCrossed();
    if (!FCaret.MoveRowPrev() || !FCaret.RowCrossed())
        return false;
    FCaret.UpdatePosRelative((FCaret.RowIsAtEndOfPara() ? FCaret.EOLPlusPos() : FCaret.EOLPos()) - FCaret.BOLPos() + 1);
    return true;
}

bool TVYXCaretRowEditor::MovePageDown(const TVYXPhyPages& pages) { return MoveToPage(pages, 1); }
bool TVYXCaretRowEditor::MovePageUp(const TVYXPhyPages& pages) { return MoveToPage(pages, -1); }

bool TVYXCaretRowEditor::MoveToPage(const TVYXPhyPages& pages, int delta)
{
    if (!RowChanged() || FRow->Page < 0)
        return false;
    const int target = FRow->Page + delta;
    if (target < 0 || target >= pages.Count())
        return false;
    if (FSavedX < 0)
        SaveX();
    const double y = FRow->GetY1() + FRow->Height() / 2;
    TVYXLogPhyPosition place;
    if (!pages.GetItems(target).HitClient(FGDI, place, FSavedX, y))
        return false;
    FCaret.MoveToRowPos(place);
    return true;
}
