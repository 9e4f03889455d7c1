// VYXEditorViewTest.cpp: the facade's points and places on real documents: a click at
// the screen point of a place puts the caret on that place (table cells, right-to-left
// rows), header bands and text boxes take the focus, and line
// moves keep the caret's row and column.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "editing/VYXEditor.h"
#include "editing/VYXLogEditor.h"
#include "host/VYXHeadlessHost.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPhyPage.h"
#include "layout/VYXRowEditor.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"
#include "platform/VYXUnicode.h"

namespace fs = std::filesystem;

namespace {
fs::path Corpus(const std::string& rel) { return fs::path(VYX_SHARED_DIR) / "corpus" / rel; }

// Every paragraph of the body in reading order, table cells included.
std::vector<TVYXLogPara*> ReadingOrder(TVYXLogParas& paras)
{
    std::vector<TVYXLogPara*> out;
    TVYXLogParasIterator walk;
    walk.ParaEvent = [&](TVYXLogPara& p) { out.push_back(&p); };
    walk.Iterate(paras);
    return out;
}

const TVYXPhyRow* RowOf(TVYXLogPara* para, std::int32_t charPos)
{
    TVYXLogPhyPosition place(para, charPos);
    return place.GetRow();
}

// Whether the character before `charPos` is shown right to left.
bool IsRtlAt(TVYXEditor& e, TVYXLogPara* para, std::int32_t charPos)
{
    TVYXLogPhyPosition place(para, charPos);
    TVYXRowEditor editor(e.GDI(), place);
    if (!editor.RowChanged())
        return false;
    for (const TVYXRowChar& c : editor.Chars())
        if (c.Pos == charPos)
            return c.Rtl;
    return false;
}

// Clicks just inside the character at `charPos` (left to right: right of its left
// edge; right to left: left of its right edge) and answers where the caret went.
TVYXLogPos ClickAt(TVYXHeadlessHost& host, TVYXLogPara* para, std::int32_t charPos)
{
    TVYXEditor& e = host.Editor();
    int page = 0;
    double x = 0, y = 0, h = 0;
    if (!e.PosToXY(TVYXLogPos(para, charPos), page, x, y, h))
        return TVYXLogPos();
    host.Click(x + (IsRtlAt(e, para, charPos) ? -1 : 1), y + h / 2);
    return e.GetCaretPos();
}

// Plays clicks on the middle character of every paragraph on the first page that
// `pick` takes; answers how many were tried, and fails for each that missed.
int ClickRoundTrips(TVYXHeadlessHost& host, const std::function<bool(TVYXLogPara&)>& pick)
{
    TVYXEditor& e = host.Editor();
    int tried = 0;
    for (TVYXLogPara* para : ReadingOrder(e.MainDoc().Paras())) {
        const std::int32_t len = static_cast<std::int32_t>(para->GetPlainText().size());
        const std::int32_t mid = len / 2 + 1;
        const TVYXPhyRow* row = RowOf(para, mid);
        if (len < 1 || !row || row->Page != 0 || !pick(*para))
            continue;
        ++tried;
        const TVYXLogPos at = ClickAt(host, para, mid);
        EXPECT_EQ(at.Para, para) << "\"" << Utf16ToUtf8(para->GetPlainText()) << "\"";
        EXPECT_EQ(at.CharPos, mid) << "\"" << Utf16ToUtf8(para->GetPlainText()) << "\"";
        EXPECT_EQ(&e.FocusDoc(), &e.MainDoc());
    }
    return tried;
}
}  // namespace

TEST(EditorView, ClicksInTableCellsPutTheCaretOnTheCharacterUnderTheMouse)
{
    for (const char* name : {"docx/docx4j-tables.docx", "doc/poi-simple-table.doc", "doc/poi-innertable.doc"}) {
        SCOPED_TRACE(name);
        const fs::path file = Corpus(name);
        if (!fs::exists(file))
            GTEST_SKIP() << "no shared corpus";
        TVYXHeadlessHost host;
        host.Editor().LoadFromFile(file.string());
        const int cells = ClickRoundTrips(host, [](TVYXLogPara& p) { return p.Cell() != nullptr; });
        EXPECT_GE(cells, 2);
    }
}

TEST(EditorView, RightToLeftRowsRunTheCaretLeftwardsAndClicksFindTheirCharacters)
{
    const fs::path file = Corpus("docx/docx4j-arabic_align.docx");
    if (!fs::exists(file))
        GTEST_SKIP() << "no shared corpus";
    TVYXHeadlessHost host;
    TVYXEditor& e = host.Editor();
    e.LoadFromFile(file.string());
    int rtlParas = 0;
    for (TVYXLogPara* para : ReadingOrder(e.MainDoc().Paras())) {
        const TVYXPhyRow* row = RowOf(para, 2);
        if (!row || row->Page != 0 || para->GetPlainText().size() < 4 || !IsRtlAt(e, para, 2) || !IsRtlAt(e, para, 3))
            continue;
        ++rtlParas;
        int page = 0;
        double x2 = 0, x3 = 0, y = 0, h = 0;
        ASSERT_TRUE(e.PosToXY(TVYXLogPos(para, 2), page, x2, y, h));
        ASSERT_TRUE(e.PosToXY(TVYXLogPos(para, 3), page, x3, y, h));
        EXPECT_GT(x2, x3);  // reading on means going left
        const TVYXLogPos at = ClickAt(host, para, 3);
        EXPECT_EQ(at.Para, para);
        EXPECT_EQ(at.CharPos, 3);
    }
    EXPECT_GE(rtlParas, 1);
    // Left-to-right paragraphs of the same document still answer as before.
    ClickRoundTrips(host, [&](TVYXLogPara& p) { return !IsRtlAt(e, &p, 2); });
}

TEST(EditorView, HeaderBandsFocusThePagesOwnHeaderAndTypingGoesThere)
{
    const fs::path file = Corpus("docx/docx4j-odd_even_different_first_page.docx");
    if (!fs::exists(file))
        GTEST_SKIP() << "no shared corpus";
    TVYXHeadlessHost host;
    TVYXEditor& e = host.Editor();
    e.LoadFromFile(file.string());
    const std::u16string original = e.MainDoc().GetPlainText();
    ASSERT_GE(e.Paginator().Pages().Count(), 3);
    std::vector<TVYXLogDocEditor*> seen;
    for (int i = 0; i < 3; ++i) {
        TVYXLogDocEditor* header = e.GetHeader(i);
        ASSERT_NE(header, nullptr);
        TVYXLogPara* first = header->FirstPara();
        const TVYXPhyRow* row = RowOf(first, 1);
        ASSERT_NE(row, nullptr);
        // The header's rows stand at the same place on every page: on page i here.
        const double x = e.PageScreenLeft() + row->GetX() + 2;
        const double y = e.PageScreenTop(i) + row->GetY1() + row->Height() / 2;
        host.Click(x, y);
        EXPECT_EQ(&e.FocusDoc(), header) << "page " << i + 1;
        EXPECT_EQ(e.GetCaretPos().Para, first);
        seen.push_back(header);
    }
    // First page, even page and odd page show three different headers.
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_NE(seen[1], seen[2]);
    host.Type(u"HEAD");
    EXPECT_NE(e.FocusDoc().GetPlainText().find(u"HEAD"), std::u16string::npos);
    EXPECT_EQ(e.MainDoc().GetPlainText(), original);
    // The caret drawn in the header stands on the page that was clicked.
    EXPECT_GE(host.CaretY, e.PageScreenTop(2));
}

TEST(EditorView, ClickingIntoATextBoxFocusesItsTextAndTypingStaysThere)
{
    const fs::path file = Corpus("docx/docx4j-textbox.docx");
    if (!fs::exists(file))
        GTEST_SKIP() << "no shared corpus";
    TVYXHeadlessHost host;
    TVYXEditor& e = host.Editor();
    e.LoadFromFile(file.string());
    const TVYXGraphicRotate* box = nullptr;
    const TVYXPhyPage& page = e.Paginator().Pages().GetItems(0);
    for (const auto* list : {&page.GrInFront, &page.GrPage, &page.GrBehind})
        for (const TVYXGraphicObj* g : *list)
            if (const auto* shape = dynamic_cast<const TVYXGraphicRotate*>(g); shape && shape->TextBox && !box)
                box = shape;
    ASSERT_NE(box, nullptr) << "the text box is laid out on the first page";
    const std::u16string body = e.MainDoc().GetPlainText();
    host.Click(e.PageScreenLeft() + box->PixAbsX + box->PixRotWidth / 2,
               e.PageScreenTop(0) + box->PixAbsY + box->PixRotHeight / 2);
    ASSERT_EQ(e.FocusDoc().DocType(), aldtTextBox);
    EXPECT_EQ(&e.FocusDoc().Paras(), box->TextBox->Paras);
    host.Type(u"Z");
    EXPECT_NE(e.FocusDoc().GetPlainText().find(u'Z'), std::u16string::npos);
    EXPECT_EQ(e.MainDoc().GetPlainText(), body);
    EXPECT_TRUE(e.CommandUI(vycControlUndo));
    EXPECT_EQ(e.FocusDoc().GetPlainText().find(u'Z'), std::u16string::npos);
    // A click in the body takes the focus back (the pages were laid out again meanwhile).
    const TVYXPhyPage& now = e.Paginator().Pages().GetItems(0);
    host.Click(e.PageScreenLeft() + now.ClientX1 + 2, e.PageScreenTop(0) + now.ClientY2 - 4);
    EXPECT_EQ(&e.FocusDoc(), &e.MainDoc());
}

TEST(EditorView, EndStaysOnAWrappedRowAndLineMovesKeepTheColumn)
{
    TVYXHeadlessHost host(800, 600);
    TVYXEditor& e = host.Editor();
    std::u16string words;
    for (int i = 0; i < 60; ++i)
        words += u"word" + Utf8ToUtf16(std::to_string(i)) + u" ";
    host.Type(words);
    host.Type(u"\nshort\n");
    host.Type(words);
    e.CommandUI(vycMoveBeginningOfDoc);
    const double firstRowY = host.CaretY, lineStartX = host.CaretX;
    e.CommandUI(vycMoveEndOfLine);
    // The place after the row's last character is also the next row's first: the
    // caret stays on the row End was pressed on, at its right end.
    EXPECT_EQ(host.CaretY, firstRowY);
    EXPECT_GT(host.CaretX, 400);
    const std::int32_t end = e.GetCaretPos().CharPos;
    EXPECT_EQ(e.MainDoc().FirstPara()->GetPlainText()[static_cast<std::size_t>(end - 2)], u' ');
    // Down, down, down: through the short paragraph (its end) and on at the old column.
    e.CommandUI(vycMoveBeginningOfDoc);
    e.CommandUI(vycMoveWordRight);
    e.CommandUI(vycMoveWordRight);
    const double column = host.CaretX;
    const TVYXLogPara* first = e.GetCaretPos().Para;
    int rows = 0;
    while (e.GetCaretPos().Para == first && rows < 20) {
        e.CommandUI(vycMoveLineDown);
        ++rows;
    }
    ASSERT_EQ(e.GetCaretPos().Para, first->Next());
    EXPECT_LT(host.CaretX, column);  // "short" ends before the column
    e.CommandUI(vycMoveLineDown);
    EXPECT_EQ(e.GetCaretPos().Para, first->Next()->Next());
    EXPECT_NEAR(host.CaretX, column, 12);  // the remembered column, not the short row's end
    e.CommandUI(vycMoveLineUp);
    e.CommandUI(vycMoveLineUp);
    EXPECT_NEAR(host.CaretX, column, 12);
    // Any other move forgets the column.
    e.CommandUI(vycMoveLineDown);
    e.CommandUI(vycMoveLineDown);
    e.CommandUI(vycMoveBeginningOfLine);
    e.CommandUI(vycMoveLineUp);
    EXPECT_NEAR(host.CaretX, lineStartX, 1);
}
