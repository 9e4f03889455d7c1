// The editor's structure and the append operations readers build documents with.
#include <gtest/gtest.h>

#include "editing/VYXLogEditor.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocProps.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXNumbering.h"
#include "platform/VYXException.h"

namespace {

std::u16string ParaText(TVYXLogParas& body, int i)
{
    TVYXLogPara* p = body.GetParas(i);
    return p ? p->GetPlainText() : u"<not a paragraph>";
}

}  // namespace

// A reader's sequence: heading, a filled table, a list, a footnote, a header, a
// bookmark and a second section, all through the public append operations.
TEST(LogEditorAppend, BuildsADocumentFromCode)
{
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        TVYXCHPX bold(&doc.GetMasterCHP());
        bold.SetBold(true);
        doc.AppendPara();
        doc.AppendTextUI(u"Title ");
        doc.AppendTextUI(u"bold", &bold);
        TVYXTable& table = doc.AppendTableUI(2, 3);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 2; ++col)
                doc.CellPara(table, col, row).Append(std::u16string(1, static_cast<char16_t>(u'a' + row * 2 + col)));
        doc.AppendTextUI(u"after the table");
        doc.AppendBulletPara(u"one", 0);
        doc.AppendBulletPara(u"two", 1);
        doc.AppendNumberedPara(u"first", 0);
        doc.AppendParaUI(u"with a note");
        doc.AppendFootnote(u"the note");
        doc.Headers().AddDefault().AppendTextUI(u"Header text");
        doc.AppendBookmark(u"mark", u" marked");
        TVYXSEP landscape(&doc.SEP(), &doc.DOP());
        landscape.SetPageWidth(842);
        doc.AppendSection(landscape);
        doc.AppendParaUI(u"second section");
    }
    TVYXLogParas& body = doc.Paras();
    ASSERT_EQ(body.Count(), 8);
    EXPECT_EQ(ParaText(body, 0), u"Title bold");
    ASSERT_NE(body.GetParas(0)->CHPXAtPos(7), nullptr);
    EXPECT_TRUE(body.GetParas(0)->CHPXAtPos(7)->GetBold());
    const TVYXCHPX* plain = body.GetParas(0)->CHPXAtPos(1);
    EXPECT_TRUE(!plain || !plain->GetBold());
    TVYXTable* table = body.GetTables(1);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(doc.CellPara(*table, 1, 2).GetPlainText(), u"f");
    EXPECT_DOUBLE_EQ(table->CalculatedWidth(), doc.Width());
    EXPECT_EQ(ParaText(body, 2), u"after the table");

    // The two bullets share one list at their levels; the numbered item starts its own.
    TVYXNumbering* one = body.GetParas(3)->PAPX().GetNumbering();
    TVYXNumbering* two = body.GetParas(4)->PAPX().GetNumbering();
    TVYXNumbering* first = body.GetParas(5)->PAPX().GetNumbering();
    ASSERT_TRUE(one && two && first);
    EXPECT_EQ(one->Style, anstBullet);
    EXPECT_NE(first->Style, anstBullet);

    // The note: a reference run in the body and its paragraph in the notes editor.
    ASSERT_EQ(doc.FootnoteList().Count(), 1);
    TVYXFootnoteItem* note = doc.FootnoteList().GetItems(0);
    EXPECT_EQ(note->FNotePara, body.GetParas(6));
    EXPECT_EQ(note->StartPara->Paras(), &doc.Footnotes().Paras());
    EXPECT_NE(note->GetPlainText().find(u"the note"), std::u16string::npos);
    EXPECT_EQ(doc.Footnotes().DocType(), aldtFootnotes);

    // The header shares the main document's tables and runs dirty marks upward.
    TVYXLogDocEditor* header = doc.Headers().Find(ahftDefault);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->GetPlainText(), u"Header text");
    EXPECT_EQ(&header->Styles(), &doc.Styles());
    EXPECT_EQ(doc.Headers().Find(ahftFirst), nullptr);
    doc.SetDirty(false);
    header->SetDirty(true);
    EXPECT_TRUE(doc.Dirty());

    EXPECT_NE(doc.Bookmarks().Find(u"mark"), nullptr);
    EXPECT_EQ(doc.AppendBookmark(u"mark"), nullptr) << "names are unique";
    ASSERT_NE(body.GetParas(6)->SEP(), nullptr);
    EXPECT_DOUBLE_EQ(body.GetParas(6)->SEP()->PageWidth, 842);
    EXPECT_EQ(ParaText(body, 7), u"second section");
    // The caret stands at the start of the document after the update.
    EXPECT_EQ(doc.Caret().Para, body.GetParas(0));
    EXPECT_EQ(doc.Caret().CharPos, 1);
}

TEST(LogEditorAppend, NotesKeepTextOrderAndTextBoxesGetEditors)
{
    TVYXLogDocEditor doc;
    TVYXLogPara& p = doc.AppendParaUI(u"abc");
    doc.AppendFootnote(u"last");
    // A note inserted before the first one comes first in both lists.
    TVYXEditorUpdate update(doc);
    doc.AppendEndnote(u"end");
    EXPECT_EQ(doc.EndnoteList().Count(), 1);
    EXPECT_EQ(doc.Endnotes().Paras().Count(), 1);
    TVYXLogDocEditor& box = doc.AddTextBox(100, 50);
    EXPECT_EQ(box.DocType(), aldtTextBox);
    EXPECT_EQ(box.ParentEditor(), &doc);
    EXPECT_EQ(doc.TextBoxes().Count(), 1);
    box.AppendTextUI(u"in the box");
    EXPECT_EQ(box.GetPlainText(), u"in the box");
    EXPECT_GE(p.Count(), 3);
}

TEST(LogEditorAppend, BadInputIsRefused)
{
    TVYXLogDocEditor doc;
    EXPECT_THROW(doc.AppendTableUI(0, 3), VYXException);
    EXPECT_THROW(doc.AppendTableUI(2, -1), VYXException);
    TVYXTable& t = doc.AppendTableUI(1, 1);
    EXPECT_THROW(doc.CellPara(t, 1, 0), VYXException);
    EXPECT_THROW(doc.CellPara(t, 0, 1), VYXException);
    // A PNG signature over garbage: recognised, then refused by the decoder.
    EXPECT_THROW(doc.AppendPictureUI(std::string_view("\x89PNG\r\n\x1a\n\0\0\0\rIHDRxxxx", 20)), VYXException);
    // The failed picture left nothing behind in the paragraph after the table.
    EXPECT_EQ(doc.Paras().Count(), 2);
    EXPECT_TRUE(doc.Paras().GetParas(1)->IsZeroLength());
    EXPECT_THROW(doc.Headers().AddDefault().Headers(), VYXException);
}

TEST(LogEditorLifeCycle, ClearAndNewDocLeaveOneEmptyParagraph)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"text");
    doc.AppendFootnote(u"n");
    doc.Headers().AddDefault();
    EXPECT_FALSE(doc.IsEmpty());
    doc.NewDoc();
    EXPECT_TRUE(doc.IsEmpty());
    EXPECT_EQ(doc.FootnoteList().Count(), 0);
    EXPECT_EQ(doc.Headers().Find(ahftDefault), nullptr);
    EXPECT_TRUE(doc.Caret().Valid());
}
