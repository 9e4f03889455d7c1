// VYXEditorInvariants.h: what must hold in an editor's document after any command.
// The random-command test checks it after every step; undo tests reuse it.
#pragma once

#include <string>

#include "editing/VYXLogEditor.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocProps.h"
#include "model/VYXNumbering.h"

// Empty when everything holds, else the first broken rule.
inline std::string VYXCheckList(TVYXLogDocEditor& doc, TVYXLogParas& list, TVYXTableCell* cell, int depth);

inline std::string VYXCheckPara(TVYXLogDocEditor& doc, TVYXLogPara& para)
{
    TVYXCharRuns& runs = para.CharRuns();
    std::int32_t pos = 1;
    for (int i = 0; i < runs.Count(); ++i) {
        TVYXCharRun* run = runs.Items(i);
        if (run->Parent() != &runs)
            return "run parent link";
        if (run->Index() != i)
            return "run index";
        if (run->StartPos() != pos)
            return "run start position " + std::to_string(run->StartPos()) + " instead of " + std::to_string(pos);
        pos += run->Len();
    }
    if (para.EndOfParaPos() != pos)
        return "paragraph end position";
    if (TVYXNumbering* list = para.PAPX().GetNumbering()) {
        if (list->Owner() != &doc.Numberings())
            return "numbering of another document";
        if (list->Level < 0 || list->Level > 8)
            return "list level out of range";
    }
    return {};
}

inline std::string VYXCheckList(TVYXLogDocEditor& doc, TVYXLogParas& list, TVYXTableCell* cell, int depth)
{
    if (depth > 16)
        return "tables nested too deep";
    if (list.Count() == 0)
        return cell ? "empty cell" : "empty body";
    if (list.Cell() != cell)
        return "list cell link";
    for (int i = 0; i < list.Count(); ++i) {
        TVYXLogParaItem* item = list.GetItems(i);
        if (item->Paras() != &list)
            return "item parent link";
        if (item->Index() != i)
            return "item index";
        if (item->IsPara()) {
            if (std::string e = VYXCheckPara(doc, *static_cast<TVYXLogPara*>(item)); !e.empty())
                return e;
            continue;
        }
        if (i + 1 >= list.Count() || !list.GetItems(i + 1)->IsPara())
            return "no paragraph after a table";
        auto* table = static_cast<TVYXTable*>(item);
        if (table->Count() == 0)
            return "table without rows";
        for (int r = 0; r < table->Count(); ++r) {
            TVYXTableRow* row = table->GetRows(r);
            if (row->Table() != table || row->Index() != r)
                return "row links";
            if (row->Count() == 0)
                return "row without cells";
            for (int c = 0; c < row->Count(); ++c) {
                TVYXTableCell* tc = row->GetCells(c);
                if (tc->Row() != row || tc->Index() != c)
                    return "cell links";
                if (std::string e = VYXCheckList(doc, tc->Paras(), tc, depth + 1); !e.empty())
                    return e;
            }
        }
    }
    return {};
}

// A position stands on a paragraph of this document's body (not a freed one).
inline bool VYXPosInBody(TVYXLogDocEditor& doc, const TVYXLogPos& pos)
{
    if (!pos.Valid())
        return false;
    const TVYXDocAddress at = TVYXLogDocument::AddressOf(pos);
    return at.Item >= 0 && VYXParaAt(doc.Paras(), at) == pos.Para;
}

inline std::string VYXCheckEditor(TVYXLogDocEditor& doc)
{
    if (std::string e = VYXCheckList(doc, doc.Paras(), nullptr, 0); !e.empty())
        return e;
    if (!VYXPosInBody(doc, doc.Caret()))
        return "caret not on a paragraph of the body";
    TVYXSelections& sel = doc.Selections();
    for (int i = 0; i < sel.Count(); ++i) {
        const TVYXLogSelection* s = sel.GetItems(i);
        if (!VYXPosInBody(doc, s->First) || !VYXPosInBody(doc, s->Last))
            return "selection end not in the body";
        if (s->Last.Less(s->First))
            return "selection ends out of order";
    }
    return {};
}
