// VYXRichDoc.h: the document the seeded random-command tests start from: a table
// two deep, lists, a field and tracked changes already in the text, plus either a
// bookmark or a footnote (notes clear the undo history, bookmarks cannot be undone
// yet, so each test picks the one its check can follow).
#pragma once

#include "editing/VYXLogEditor.h"

enum class TVYXRichExtra { Bookmark, Footnote };

inline void VYXBuildRichDoc(TVYXLogDocEditor& doc, TVYXRichExtra extra)
{
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"A first paragraph with some words.");
        if (extra == TVYXRichExtra::Bookmark)
            doc.AppendBookmark(u"mark", u" marked words");
        TVYXTable& outer = doc.AppendTableUI(3, 3);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                doc.CellPara(outer, c, r).Append(u"cell text");
        // A table two deep: inside the middle cell, followed by its paragraph.
        TVYXTableCell* middle = outer.GetRows(1)->GetCells(1);
        TVYXTable* inner = middle->Paras().AddTable(2, 2);
        inner->GetRows(0)->GetCells(0)->Paras()._FirstPara()->Append(u"deep");
        middle->Paras().AppendPara(u"after inner");
        doc.AppendTextUI(u"After the table.");
        doc.AppendBulletPara(u"bullet one", 0);
        doc.AppendBulletPara(u"bullet two", 1);
        doc.AppendNumberedPara(u"number one", 0);
        doc.AppendParaUI(u"A field: ");
        doc.GetOrAddLastPara().AppendField(u"PAGE", u"1");
        if (extra == TVYXRichExtra::Footnote) {
            doc.AppendTextUI(u" and a note");
            doc.AppendFootnote(u"note text");
        } else {
            doc.AppendTextUI(u" and more");
        }
        doc.AppendParaUI(u"Last paragraph.");
    }
    // Tracked changes already in the text: an insertion and a deletion.
    doc.Command(vycRevisionTrackChanges, true);
    doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(0), 3));
    doc.Command(vycInsertAtCaret, u"inserted ");
    doc.Command(vycDelCharRight);
    doc.Command(vycDelCharRight);
    doc.Command(vycRevisionTrackChanges, false);
}
