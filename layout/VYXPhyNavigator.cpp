// VYXPhyNavigator.cpp: the editor's line, page and window moves through the physical caret.
#include "layout/VYXPhyNavigator.h"

#include "layout/VYXPhyPage.h"
#include "layout/VYXPhyRow.h"

TVYXPhyNavigator::TVYXPhyNavigator(TVYXGDI& gdi, const TVYXPhyPages& pages)
    : FGDI(gdi), FPages(pages), FEditor(gdi, FCaret)
{
}

void TVYXPhyNavigator::Attach(TVYXLogDocEditor& editor)
{
    editor.PhyPositionEvent = [this](TVYXLogDocEditor&, TVYXPhyPosType type, TVYXLogPos& pos) {
        return Move(type, pos);
    };
}

void TVYXPhyNavigator::SetWindow(int page, double top, double bottom)
{
    FWindowPage = page;
    FWindowTop = top;
    FWindowBottom = bottom;
}

void TVYXPhyNavigator::Reset()
{
    FLastPara = nullptr;
    FLastPos = 0;
    FEditor.Clear();
}

void TVYXPhyNavigator::Follow(const TVYXLogPos& pos)
{
    if (pos.Para == FLastPara && pos.CharPos == FLastPos && FCaret.Para == pos.Para && FCaret.CharPos == pos.CharPos)
        return;  // where the last move left it: row and column stand
    FCaret.MoveToPos(pos);
    FEditor.SaveX();
}

bool TVYXPhyNavigator::Move(TVYXPhyPosType type, TVYXLogPos& pos)
{
    Follow(pos);
    if (!FCaret.GetRow())
        return false;  // not laid out: the editor falls back to logical moves
    bool ok = false;
    switch (type) {
    case apstLineUp: ok = FEditor.MoveLineUp(); break;
    case apstLineDown: ok = FEditor.MoveLineDown(); break;
    case apstPageUp: ok = FEditor.MovePageUp(FPages); break;
    case apstPageDown: ok = FEditor.MovePageDown(FPages); break;
    case apstLineStart:
        FCaret.MoveBOL();
        FEditor.SaveX();
        ok = true;
        break;
    case apstLineEnd:
        FCaret.MoveEOLPlus();
        FEditor.SaveX();
        ok = true;
        break;
    case apstTopRow:
    case apstBottomRow: {
        if (FWindowPage < 0 || FWindowPage >= FPages.Count())
            return false;
        TVYXLogPhyPosition place;
        const double y = type == apstTopRow ? FWindowTop : FWindowBottom;
        ok = FPages.GetItems(FWindowPage).HitClient(FGDI, place, FEditor.SavedX(), y);
        if (ok)
            FCaret.MoveToRowPos(place);
        break;
    }
    }
    if (!ok)
        return false;
    pos.Assign(static_cast<const TVYXLogPos&>(FCaret));
    FLastPara = FCaret.Para;
    FLastPos = FCaret.CharPos;
    return true;
}
