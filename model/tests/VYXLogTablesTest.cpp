// VYXLogTablesTest.cpp: table hits, selection and merged borders; layout sizes, anchored
// objects and text boxes; revision marks; deletion between lists.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/VYXBodyWalker.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPos.h"
#include "model/VYXRevision.h"
#include "model/tests/VYXBodyTestDoc.h"
#include "platform/VYXStream.h"

namespace {
// A document's navigation object that keeps text-box lists, as the document editor does.
class TBoxNav : public TVYXLogParasRootIterator {
public:
    explicit TBoxNav(const TVYXLogDocument& doc) : FDoc(doc) {}
    std::vector<std::unique_ptr<TVYXLogParas>> Boxes;
    TVYXLogParas* DoAddTextBox() override
    {
        Boxes.push_back(FDoc.CreateParas());
        return Boxes.back().get();
    }

private:
    const TVYXLogDocument& FDoc;
};

// A body test document whose navigation object makes text boxes; the boxes go before the document.
struct TGraphicDoc : TVYXBodyTestDoc {
    TVYXPictures& Pictures{Doc.Pictures()};
    TVYXShapeTypes& ShapeTypes{Doc.ShapeTypes()};
    TBoxNav BoxNav{Doc};
    TGraphicDoc()
    {
        BoxNav.SetParas(&Body);
        Body.SetIterator(&BoxNav);
    }
};

// Every list non-empty, every paragraph with a run, nested counts right.
void CheckBody(TVYXLogParas& paras)
{
    ASSERT_GT(paras.Count(), 0);
    for (int i = 0; i < paras.Count(); ++i) {
        TVYXLogParaItem* item = paras.GetItems(i);
        ASSERT_EQ(item->Paras(), &paras);
        if (item->IsPara()) {
            ASSERT_GT(static_cast<TVYXLogPara*>(item)->Count(), 0);
            continue;
        }
        auto* t = static_cast<TVYXTable*>(item);
        int nested = 0;
        for (int r = 0; r < t->Count(); ++r)
            for (int c = 0; c < t->GetRows(r)->Count(); ++c) {
                TVYXLogParas& cell = t->GetRows(r)->GetCells(c)->Paras();
                CheckBody(cell);
                TVYXLogParasIterator it;
                it.TableEvent = [&nested](TVYXTable&) { ++nested; };
                it.Iterate(cell);
            }
        ASSERT_EQ(t->NestedCount(), nested);
    }
}

void Lay(TVYXTable& t, const std::vector<double>& xs, const std::vector<double>& ys)
{
    for (int r = 0; r < t.Count(); ++r) {
        t.GetRows(r)->PixY1 = static_cast<float>(ys[static_cast<std::size_t>(r)]);
        t.GetRows(r)->PixY2 = static_cast<float>(ys[static_cast<std::size_t>(r) + 1]);
        for (int c = 0; c < t.GetRows(r)->Count(); ++c) {
            t.GetCells(c, r)->PixX1 = xs[static_cast<std::size_t>(c)];
            t.GetCells(c, r)->PixX2 = xs[static_cast<std::size_t>(c) + 1];
        }
    }
}
}  // namespace

TEST(VYXLogTables, MergedCellsDrawAsOneCell)
{
    TVYXBodyTestDoc doc;
    TVYXTable* t = doc.Body.AddTable(3, 3);  // TableGrid: every border 0.5
    t->MergeCells(0, 0, 0, 2);
    TVYXTableCell* root = t->GetCells(0, 0);
    TVYXTableCell* mid = t->GetCells(0, 1);
    TVYXTableCell* last = t->GetCells(0, 2);
    TVYXDocPropBorder* left = root->Props().AddBorder(atbsLeft);
    left->SetVals(2, cVYXAutoColor, stbSingle, 0);
    TVYXDocPropBorder* right = root->Props().AddBorder(atbsRight);
    right->SetVals(1, cVYXAutoColor, stbSingle, 0);
    TVYXDocPropBorder* bottom = last->Props().AddBorder(atbsBottom);
    bottom->SetVals(4, cVYXAutoColor, stbSingle, 0);
    mid->Props().AddBorder(atbsLeft)->SetVals(9, cVYXAutoColor, stbSingle, 0);  // hidden by the merge
    const TVYXTAPX& tapx = t->TAPX();
    struct Case {
        const char* Name;
        const TVYXDocPropBorder* Got;
        const TVYXDocPropBorder* Want;
    } cases[] = {
        {"child left from root", mid->BorderLeft(), left},
        {"last right from root", last->BorderRight(), right},
        {"root top own edge", root->BorderTop(), tapx.GetBorderTop()},
        {"child has no top", mid->BorderTop(), nullptr},
        {"last has no top", last->BorderTop(), nullptr},
        {"root answers the last bottom", root->BorderBottom(), bottom},
        {"middle has no bottom", mid->BorderBottom(), nullptr},
        {"last bottom own", last->BorderBottom(), bottom},
        {"unmerged neighbour", t->GetCells(1, 1)->BorderBottom(), tapx.GetBorderInsideHoriz()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Got, c.Want);
    }
    EXPECT_EQ(mid->MergeRoot(), root);
    EXPECT_EQ(root->MergeLast(), last);
    // The merge's bottom counts in its last row only.
    EXPECT_DOUBLE_EQ(t->GetRows(0)->BottomBorderMaxSize(), 0.5);
    EXPECT_DOUBLE_EQ(t->GetRows(2)->BottomBorderMaxSize(), 4);
    EXPECT_DOUBLE_EQ(t->GetRows(1)->TopBorderMaxSize(), 0.5);
}

TEST(VYXLogTables, HitAtCellEdges)
{
    TVYXBodyTestDoc doc;
    TVYXTable* t = doc.Body.AddTable(2, 3);
    Lay(*t, {10, 60, 110}, {0, 20, 50, 80});
    t->MergeCells(0, 1, 0, 2);  // column 0 of rows 1 and 2
    struct Case {
        double X, Y;
        int Col, Row;  // -1: no cell
        TVYXMouseCellHit Where;
    } cases[] = {
        {35, 10, 0, 0, amchInside},
        {10, 10, 0, 0, amchLeftEdge},
        {58, 10, 0, 0, amchRightEdge},
        {60, 10, 1, 0, amchLeftEdge},  // a shared boundary belongs to the right cell
        {85, 1, 1, 0, amchTopEdge},
        {85, 19, 1, 0, amchBottomEdge},
        {85, 20, 1, 1, amchTopEdge},
        {110, 80, 1, 2, amchRightEdge},  // the table's far corner is inside
        {35, 49, 0, 1, amchInside},      // the middle of a merge is no edge
        {35, 70, 0, 1, amchInside},      // the merged cell answers as its root
        {35, 78, 0, 1, amchBottomEdge},
        {35, 22, 0, 1, amchTopEdge},
        {111, 10, -1, -1, amchNone},
        {9, 10, -1, -1, amchNone},
        {35, 80.5, -1, -1, amchNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.X << "," << c.Y);
        const TVYXTableHit hit = t->Hit(c.X, c.Y);
        EXPECT_EQ(hit.Cell, c.Col < 0 ? nullptr : t->GetCells(c.Col, c.Row));
        EXPECT_EQ(hit.Where, c.Where);
    }
    EXPECT_DOUBLE_EQ(t->PixHeight(), 80);
    EXPECT_DOUBLE_EQ(t->PixWidth(), 100);
}

TEST(VYXLogTables, SelectionGrowsToWholeMerges)
{
    TVYXBodyTestDoc doc;
    TVYXTable* t = doc.Body.AddTable(3, 3);
    t->MergeCells(1, 1, 1, 2);
    EXPECT_EQ(t->Select(1, 1, 0, 0), 6);  // rows 0..1 cut the merge: row 2 joins
    EXPECT_TRUE(t->AnySelected);
    EXPECT_TRUE(t->GetCells(1, 2)->GetSelected());
    EXPECT_TRUE(t->GetCells(0, 2)->GetSelected());
    EXPECT_FALSE(t->GetCells(2, 0)->GetSelected());
    EXPECT_EQ(t->Select(2, 0, 2, 0), 1);  // a new selection replaces the old
    EXPECT_FALSE(t->GetCells(0, 0)->GetSelected());
    EXPECT_EQ(t->Select(0, 5, 2, 9), 0);  // rows past the table
    EXPECT_FALSE(t->AnySelected);
    t->Select(0, 0, 2, 2);
    doc.Body.ClearSelectedTables();
    EXPECT_FALSE(t->AnySelected);
    EXPECT_FALSE(t->GetRows(1)->GetSelected());
}

TEST(VYXLogTables, HeightsAndLimitsComeFromTheRows)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p0 = doc.Body.AppendPara(u"note one");
    TVYXLogPara* p1 = doc.Body.AppendPara(u"note two");
    TVYXTable* t = doc.Body.AddTable(1, 2);
    TVYXLogPara* p3 = doc.Body.AppendPara(u"last");
    EXPECT_DOUBLE_EQ(p0->PixHeight(), 0);
    p0->SetRows(std::make_unique<TTestRows>(200, 15));
    p1->SetRows(std::make_unique<TTestRows>(120, 30));
    p3->SetRows(std::make_unique<TTestRows>(50, 12));
    Lay(*t, {0, 250}, {0, 20, 45});
    EXPECT_DOUBLE_EQ(doc.Body.PixHeight(), 15 + 30 + 45 + 12);
    EXPECT_DOUBLE_EQ(doc.Body.PixWidth(), 250);

    struct Case {
        const char* Name;
        TVYXLogPara* Start;
        TVYXLogPara* End;
        int First, Last;
        double Height;
    } cases[] = {
        {"one paragraph", p1, p1, 1, 1, 30},
        {"over a table", p1, p3, 1, 3, 30 + 45 + 12},
        {"no end", p0, nullptr, 0, 0, 15},
        {"end before start", p3, p0, 3, 3, 12},
        {"no start", nullptr, p0, -1, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TVYXFootnoteItem note;
        note.StartPara = c.Start;
        note.EndPara = c.End;
        int first = 0, last = 0;
        EXPECT_EQ(note.CalcLimits(first, last), c.First >= 0);
        EXPECT_EQ(first, c.First);
        EXPECT_EQ(last, c.Last);
        EXPECT_DOUBLE_EQ(note.Height(), c.Height);
    }
    doc.Body.ClearRows();
    EXPECT_DOUBLE_EQ(p1->PixHeight(), 0);
}

TEST(VYXLogTables, SetHeightPercentSharesTheHeight)
{
    TVYXBodyTestDoc doc;
    TVYXTable* t = doc.Body.AddTable(1, 2);
    t->SetHeightPercent(50, 400);  // nothing known: equal parts
    EXPECT_DOUBLE_EQ(t->GetRows(0)->Height, 100);
    t->GetRows(0)->AHeight = 10;
    t->GetRows(1)->AHeight = 30;
    t->SetHeightPercent(100, 400);  // laid-out heights give the proportions
    EXPECT_DOUBLE_EQ(t->GetRows(0)->Height, 100);
    EXPECT_DOUBLE_EQ(t->GetRows(1)->Height, 300);
}

TEST(VYXLogTables, AnchoredObjectsAnswerHitsAndWatermarks)
{
    TGraphicDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"anchor");
    TVYXGraphicObj& low = p->AddGraphic(VYXCreateGraphicObj(agtRectangle));
    low.PosLeft = 10, low.PosTop = 10, low.Width = 50, low.Height = 20;
    TVYXGraphicObj& page = p->AddGraphic(VYXCreateGraphicObj(agtEllipse));
    page.VertPosRel = agovprPage;  // placed against the page: only layout knows where
    page.Width = page.Height = 500;
    TVYXGraphicObj& top = p->AddGraphic(VYXCreateGraphicObj(agtRectangle));
    top.VertPosRel = agovprLine;
    top.PosLeft = 40, top.PosTop = 0, top.Width = 30, top.Height = 15;
    struct Case {
        double X, Y;
        TVYXGraphicObj* Want;
    } cases[] = {
        {15, 25, &low}, {45, 12, &top}, {60, 29, &low}, {65, 2, &top}, {5, 5, nullptr}, {200, 200, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.X << "," << c.Y);
        EXPECT_EQ(p->Graphics()->HitPara(c.X, c.Y), c.Want);
    }
    // A floating watermark in a cell is the list's watermark.
    EXPECT_EQ(doc.Body.FindWatermark(), nullptr);
    auto mark = std::make_unique<TVYXGraphicShape>(nullptr);
    mark->IsWatermark = true;
    TVYXLogPara* inCell = doc.Body.AddTable(1, 1)->GetCells(0, 0)->Paras().GetParas(0);
    TVYXGraphicObj& anchored = inCell->AddGraphic(std::move(mark));
    EXPECT_EQ(doc.Body.FindWatermark(), &anchored);
}

TEST(VYXLogTables, PasteCopiesAnchoredObjectsAndTextBoxes)
{
    const std::string png = VYXReadFile(std::string(VYX_TEST_DATA_DIR) + "/poi-drawing-image7.png");
    for (bool sameDocument : {false, true}) {
        SCOPED_TRACE(sameDocument);
        TGraphicDoc source, other;
        TGraphicDoc& target = sameDocument ? source : other;
        TVYXMemoryStream stream(png);
        TVYXPicture& picture = source.Pictures.AddPicture(stream);

        // The fragment: one whole paragraph holding a floating picture and a text box.
        const auto fragmentOwned = source.Doc.CreateParas();
        TVYXLogParas& fragment = *fragmentOwned;
        fragment.SetIterator(&source.BoxNav);
        TVYXLogPara* src = fragment.AppendPara(u"pic");
        src->Pilcrow = true;
        auto* pic = static_cast<TVYXGraphicPicture*>(
            &src->AddGraphic(VYXCreateGraphicObj(agtPicture, nullptr, &picture)));
        pic->PosLeft = 33;
        TVYXGraphicRotate* box = src->AddTextBox(120, 40);
        ASSERT_NE(box->TextBox->Paras, nullptr);
        box->TextBox->Paras->GetParas(0)->SetPlainText(u"boxed");
        EXPECT_EQ(picture.RefCount, 1);

        TVYXLogPara* t = target.Body.AppendPara(u"Hello world");
        TVYXLogPos pos(t, 7);
        target.Body.Insert(pos, fragment);
        ASSERT_EQ(ReadingOrder(target.Body), (std::vector<std::u16string>{u"Hello pic", u"world"}));
        TVYXLogPara* filled = target.Body.GetParas(0);
        ASSERT_NE(filled->Graphics(), nullptr);
        ASSERT_EQ(filled->Graphics()->Count(), 2);
        auto& picCopy = dynamic_cast<TVYXGraphicPicture&>(filled->Graphics()->GetItems(0));
        EXPECT_DOUBLE_EQ(picCopy.PosLeft, 33);
        EXPECT_NE(picCopy.Id, pic->Id);
        ASSERT_EQ(target.Pictures.Count(), 1);
        EXPECT_EQ(picCopy.Picture(), &target.Pictures.GetItems(0));
        // The source keeps its one use; the copy counts once in its own store.
        EXPECT_EQ(picture.RefCount, sameDocument ? 2 : 1);
        EXPECT_EQ(target.Pictures.GetItems(0).RefCount, sameDocument ? 2 : 1);

        auto& boxCopy = dynamic_cast<TVYXGraphicRotate&>(filled->Graphics()->GetItems(1));
        ASSERT_NE(boxCopy.TextBox, nullptr);
        TVYXLogParas* boxParas = boxCopy.TextBox->Paras;
        ASSERT_NE(boxParas, nullptr);
        EXPECT_NE(boxParas, box->TextBox->Paras);
        EXPECT_EQ(boxParas->GetPlainText(), u"boxed");
        EXPECT_EQ(target.BoxNav.Boxes.back().get(), boxParas);
        EXPECT_EQ(boxCopy.TextBox->GrObj, &boxCopy);
    }
}

TEST(VYXLogTables, TextBoxesInlineAndInCells)
{
    TGraphicDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"ab");
    TVYXCharRunGraphic* run = p->InsertTextBox(2, 100, 50);
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(p->GetItems(1), run);
    auto* box = dynamic_cast<TVYXGraphicRotate*>(run->Graphic.get());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Wrap, agowInLine);
    EXPECT_DOUBLE_EQ(box->Width, 100);
    ASSERT_NE(box->TextBox->Paras, nullptr);
    EXPECT_EQ(box->TextBox->Paras->Count(), 1);

    // A cell asks the document for the box's list.
    TVYXTable* t = doc.Body.AddTable(1, 1);
    TVYXGraphicRotate* floating = t->GetCells(0, 0)->Paras().GetParas(0)->AddTextBox(80, 20);
    EXPECT_EQ(floating->TextBox->Paras, doc.BoxNav.Boxes.back().get());
    EXPECT_EQ(doc.BoxNav.Boxes.size(), 2u);

    // Without a navigation object that keeps boxes the frame comes without text.
    TVYXBodyTestDoc plain;
    TVYXGraphicRotate* bare = plain.Body.AppendPara()->AddTextBox(10, 10);
    ASSERT_NE(bare->TextBox, nullptr);
    EXPECT_EQ(bare->TextBox->Paras, nullptr);
    EXPECT_EQ(bare->Type_(), box->Type_());  // every document has shape types
}

TEST(VYXLogTables, DeletionBetweenListsKeepsCellsAndTheirLastParagraph)
{
    // Body: "Hello world" | table [ "a1","a2" | "b1", nested [ "n1a","n1b" / "n2" ], "after" ] | "tail"
    struct TBuilt {
        TVYXBodyTestDoc Doc;
        TVYXLogPara *Hello, *A2, *B1, *N1b, *After, *Tail;
        TVYXTable *Table, *Nested;
        TBuilt()
        {
            Hello = Doc.Body.AppendPara(u"Hello world");
            Table = Doc.Body.AddTable(2, 1);
            TVYXLogParas& a = Table->GetCells(0, 0)->Paras();
            a.GetParas(0)->SetPlainText(u"a1");
            A2 = a.AppendPara(u"a2");
            TVYXLogParas& b = Table->GetCells(1, 0)->Paras();
            B1 = b.GetParas(0);
            B1->SetPlainText(u"b1");
            Nested = b.AddTable(1, 2);
            TVYXLogParas& n1 = Nested->GetCells(0, 0)->Paras();
            n1.GetParas(0)->SetPlainText(u"n1a");
            N1b = n1.AppendPara(u"n1b");
            Nested->GetCells(0, 1)->Paras().GetParas(0)->SetPlainText(u"n2");
            After = b.AppendPara(u"after");
            Tail = Doc.Body.AppendPara(u"tail");
        }
    };
    using TExpect = std::vector<std::u16string>;
    struct Case {
        const char* Name;
        TVYXLogPara* TBuilt::*First;
        std::int32_t FirstPos;
        TVYXLogPara* TBuilt::*Last;
        std::int32_t LastPos;
        TExpect Want;
    } cases[] = {
        {"root into a nested cell", &TBuilt::Hello, 7, &TBuilt::N1b, 2,
         {u"Hello ", u"", u"1b", u"n2", u"after", u"tail"}},
        {"between cells", &TBuilt::A2, 2, &TBuilt::B1, 2,
         {u"Hello world", u"a1", u"a", u"1", u"n1a", u"n1b", u"n2", u"after", u"tail"}},
        // The cell's paragraph after the nested table stays, emptied: a table never ends a cell.
        {"nested cell out to the root", &TBuilt::N1b, 3, &TBuilt::Tail, 3,
         {u"Hello world", u"a1", u"a2", u"b1", u"n1a", u"n1", u"", u"", u"il"}},
        {"one cell, asked of the root list", &TBuilt::B1, 2, &TBuilt::After, 3,
         {u"Hello world", u"a1", u"a2", u"bter", u"tail"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TBuilt b;
        TVYXLogPos first(b.*c.First, c.FirstPos), last(b.*c.Last, c.LastPos);
        TVYXLogPara* lastPara = last.Para;
        b.Doc.Body.DeleteText(first, last, nullptr);
        EXPECT_EQ(ReadingOrder(b.Doc.Body), c.Want);
        CheckBody(b.Doc.Body);
        EXPECT_EQ(first.Para, b.*c.First);
        if (c.First != &TBuilt::B1) {  // the same-list rule joins and moves `last`
            EXPECT_EQ(last.Para, lastPara);
        }
        EXPECT_EQ(b.Table->Count(), 1);
        EXPECT_EQ(b.Table->GetRows(0)->Count(), 2);
    }

    // Reversed ends and positions outside the list change nothing.
    TBuilt b;
    TVYXLogPos first(b.N1b, 2), last(b.Hello, 3);
    b.Doc.Body.DeleteText(first, last, nullptr);
    TVYXBodyTestDoc stranger;
    TVYXLogPos outside(stranger.Body.AppendPara(u"x"), 1);
    TVYXLogPos inside(b.Tail, 2);
    b.Doc.Body.DeleteText(outside, inside, nullptr);
    b.Table->GetCells(0, 0)->Paras().DeleteText(inside, outside, nullptr);
    EXPECT_EQ(ReadingOrder(b.Doc.Body),
              (TExpect{u"Hello world", u"a1", u"a2", u"b1", u"n1a", u"n1b", u"n2", u"after", u"tail"}));

    // With revision data everything stays, marked.
    TVYXRevisionData rev;
    rev.RevType = artDelete;
    rev.Id = 7;
    TVYXLogPos from(b.Hello, 7), to(b.N1b, 2);
    b.Doc.Body.DeleteText(from, to, &rev);
    EXPECT_EQ(b.Hello->GetText(), u"Hello world");
    EXPECT_EQ(b.N1b->GetText(), u"n1b");
    EXPECT_EQ(b.Nested->GetCells(0, 0)->Paras().Count(), 2);
    EXPECT_EQ(b.Hello->GetItems(0)->Revision(), nullptr);
    EXPECT_EQ(b.Hello->GetItems(1)->Revision()->Id, 7);
    EXPECT_NE(b.A2->CRFirst()->Revision(), nullptr);
    EXPECT_NE(b.N1b->CRFirst()->Revision(), nullptr);
    EXPECT_EQ(b.N1b->GetItems(1)->Revision(), nullptr);
    EXPECT_EQ(b.After->CRFirst()->Revision(), nullptr);
}

TEST(VYXLogTables, ApplyRevisionThenAcceptOrReject)
{
    for (bool accept : {true, false}) {
        SCOPED_TRACE(accept);
        TVYXBodyTestDoc doc;
        TVYXRevision& rev = doc.Doc.Revision();
        TVYXLogPara* hello = doc.Body.AppendPara(u"Hello world");
        TVYXTable* t = doc.Body.AddTable(1, 1);
        t->GetCells(0, 0)->Paras().GetParas(0)->SetPlainText(u"cell");
        TVYXLogPara* tail = doc.Body.AppendPara(u"tail");
        std::unique_ptr<TVYXRevisionData> insert = rev.Add(u"Ann", artInsert);
        doc.Body.ApplyRevision(*insert, TVYXLogPos(hello, 7), TVYXLogPos(tail, 3));
        rev.Collect();
        ASSERT_EQ(rev.Ranges.Count(), 1);
        EXPECT_EQ(rev.Ranges.GetItems(0)->GetText(), u"world\r\ncell\r\nta");
        if (accept) {
            rev.AcceptAll();
            EXPECT_EQ(ReadingOrder(doc.Body), (std::vector<std::u16string>{u"Hello world", u"cell", u"tail"}));
        } else {
            rev.RejectAll();
            EXPECT_EQ(ReadingOrder(doc.Body), (std::vector<std::u16string>{u"Hello ", u"", u"il"}));
        }
        EXPECT_EQ(hello->CRLast()->Revision(), nullptr);

        // A character format change records the former format and goes on accepting.
        TVYXLogPara* bold = doc.Body.AppendPara(u"plain bold");
        TVYXCHPX& chpx = *bold->CRFirst()->AddCHPX();
        chpx.SetAsBoolean(vyciBold, true);
        std::unique_ptr<TVYXRevisionData> format = rev.Add(u"Ann", artFormatCHPX);
        bold->ApplyRevision(*format, 7, 11);
        ASSERT_EQ(bold->Count(), 2);
        TVYXRevisionData* mark = bold->GetItems(1)->CHPX()->GetRevision();
        ASSERT_NE(mark, nullptr);
        auto* former = dynamic_cast<TVYXRevisionDataCHPX*>(mark);
        ASSERT_NE(former, nullptr);
        ASSERT_NE(former->CHPX(), nullptr);
        EXPECT_TRUE(former->CHPX()->GetChpxAsBoolean(vyciBold));
        EXPECT_EQ(former->CHPX()->GetRevision(), nullptr);
        EXPECT_EQ(bold->CRFirst()->CHPX()->GetRevision(), nullptr);

        // A paragraph format change marks the paragraph whatever the range.
        std::unique_ptr<TVYXRevisionData> para = rev.Add(u"Ann", artFormatPAPX);
        bold->ApplyRevision(*para, 3, 3);
        ASSERT_NE(bold->PAPX().GetRevision(), nullptr);
        rev.Collect();
        EXPECT_EQ(rev.Ranges.Count(), 2);
        if (accept)
            rev.AcceptAll();
        else
            rev.RejectAll();
        EXPECT_EQ(bold->GetItems(bold->Count() - 1)->CHPX()->GetRevision(), nullptr);
        EXPECT_EQ(bold->PAPX().GetRevision(), nullptr);
        EXPECT_EQ(bold->GetPlainText(), u"plain bold");
    }
}

TEST(VYXLogTables, RowsAndTablesCopySizesAndFit)
{
    TVYXBodyTestDoc doc;  // 300 pt wide
    TVYXTable* t = doc.Body.AddTable(3, 2);
    TVYXTableRow* r0 = t->GetRows(0);
    TVYXTableRow* r1 = t->GetRows(1);
    r0->GetCells(0)->Paras().GetParas(0)->SetPlainText(u"x");
    r0->Height = 20;
    r0->GetCells(0)->SetWidth(150);

    // Sizes only, then everything.
    r1->AssignWidthHeight(*r0);
    EXPECT_EQ(r1->Height, 20);
    EXPECT_EQ(r1->GetCells(0)->GetWidth(), 150);
    EXPECT_EQ(r1->GetCells(0)->Paras().GetPlainText(), u"");
    r1->Assign(*r0);
    EXPECT_EQ(r1->Count(), 3);
    EXPECT_EQ(r1->GetCells(0)->Paras().GetPlainText(), u"x");
    EXPECT_EQ(r1->GetCells(0)->Row(), r1);

    // Heights: the minimum wins over a smaller set height, layout over both.
    r1->MHeight = 25;
    EXPECT_EQ(r1->GetHeight(), 25);
    r1->AHeight = 30;
    EXPECT_EQ(r1->GetHeight(), 30);
    t->MergeCells(2, 0, 2, 1);
    EXPECT_EQ(r0->GetCells(2)->GetHeight(), 50);
    EXPECT_EQ(r0->GetCells(0)->GetHeight(), 20);

    // A copy of the whole table elsewhere, then merging a row's cells.
    TVYXTable* copy = doc.Body.AddTable(1, 1);
    copy->Assign(*t);
    EXPECT_EQ(copy->GetPlainText(), t->GetPlainText());
    EXPECT_EQ(copy->GetRows(1)->Table(), copy);
    copy->GetRows(0)->MergeCells(0, 1);
    EXPECT_EQ(copy->GetRows(0)->Count(), 2);
    EXPECT_EQ(copy->GetRows(0)->GetCells(0)->GetWidth(), 250);

    // A nested table wider than its cell is fitted into it; a narrower one stays.
    TVYXTableCell* host = t->GetCells(1, 0);
    host->Props().SetMargLeft(10);
    host->Props().SetMargRight(5);
    EXPECT_EQ(host->GetClientWidth(), 85);
    TVYXTable* inner = host->Paras().AddTable(3, 1);
    inner->SetColWidth(0, 80);
    inner->SetColWidth(1, 80);
    inner->SetColWidth(2, 40);
    inner->SetWithinTable();
    EXPECT_NEAR(inner->CalculatedWidth(), 100, 1e-9);
    EXPECT_NEAR(inner->GetColWidth(0), 40, 1e-9);
    EXPECT_NEAR(inner->GetColWidth(2), 20, 1e-9);
    inner->SetWithinTable();
    EXPECT_NEAR(inner->GetColWidth(0), 40, 1e-9);

    // The paragraph after a cell's last table carries nothing and is hidden; with text it shows.
    TVYXLogPara* closing = host->Paras().AppendPara();
    EXPECT_TRUE(host->LastParaIsAutoHidden());
    closing->SetPlainText(u"after");
    EXPECT_FALSE(host->LastParaIsAutoHidden());
    EXPECT_FALSE(t->GetCells(0, 0)->LastParaIsAutoHidden());

    // Laid-out width: the list's width in points at the device's resolution.
    doc.Doc.SetPPI(144, 96);
    EXPECT_EQ(doc.Body.PaginatedPixWidth(), 600);
    EXPECT_EQ(host->Paras().PaginatedPixWidth(), 200);
}
