// VYXTableAreasTest.cpp: hit areas on pages of real documents: table areas made by layout
// (before any painting), clicks that land on tables, links and form fields, and the room
// form fields take on their rows.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadRTF.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPaintDoc.h"
#include "layout/VYXPhyPos.h"
#include "layout/VYXTableExtents.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"

namespace fs = std::filesystem;

namespace {

fs::path Corpus(const std::string& name) { return fs::path(VYX_SHARED_DIR) / "corpus" / name; }

// A document from a file, laid out at 96 dpi; painted only when a test asks.
struct TLoaded {
    TVYXGDILinux Gdi{96};
    TVYXLogDocEditor Doc;
    std::unique_ptr<TVYXPaginatorDoc> Layout;

    TLoaded() { Layout = std::make_unique<TVYXPaginatorDoc>(Gdi, Doc); }
    explicit TLoaded(const fs::path& file)
    {
        if (file.extension() == ".rtf")
            TVYXReadRTF(Doc).LoadFromFile(file.string());
        else
            TVYXReadDOCX(Doc).LoadFromFile(file.string());
        Layout = std::make_unique<TVYXPaginatorDoc>(Gdi, Doc);
        Layout->Paginate();
    }
    TVYXPhyPage& Page(int i) { return Layout->Pages().GetItems(i); }
    // Paints a page as the screen shows it (form-field frames included).
    void Paint(int i)
    {
        TVYXPhyPage& page = Page(i);
        Gdi.SetSize(static_cast<int>(std::ceil(page.PageWidth)), static_cast<int>(std::ceil(page.PageHeight)));
        Gdi.Clear(0xFFFFFF);
        TVYXPaintDoc paint(Gdi, Doc, *Layout);
        paint.Options.Printing = false;
        paint.PaintPage(i, 0, 0);
    }
};

bool InTable(const TVYXLogPara* para, const TVYXTable& table)
{
    for (TVYXTableCell* cell = para ? para->Cell() : nullptr; cell; cell = cell->Table() ? cell->Table()->ParentCell() : nullptr)
        if (cell->Table() == &table)
            return true;
    return false;
}

const TVYXPhyRows* RowsOf(const TVYXLogPara* para) { return para ? static_cast<const TVYXPhyRows*>(para->Rows()) : nullptr; }

// The first row on the page of the cell's paragraphs (nested tables left out).
const TVYXPhyRow* FirstRowOn(const TVYXTableCell& cell, int page)
{
    for (TVYXLogPara* p = cell.Paras()._FirstPara(); p; p = p->Next())
        if (p->Cell() == &cell)
            if (const TVYXPhyRows* rows = RowsOf(p))
                for (int i = 0; i < rows->Count(); ++i)
                    if (rows->GetItems(i).Page == page && !rows->GetItems(i).Pieces.empty())
                        return &rows->GetItems(i);
    return nullptr;
}

int CountAreas(const TVYXHitAreaList& list, TVYXHitAreaType type, const TVYXTable* table)
{
    int n = 0;
    for (int i = 0; i < list.Count(); ++i)
        n += list.GetItems(i).Type == type && list.GetItems(i).Table == table;
    return n;
}

class TableAreas : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!fs::exists(Corpus("MANIFEST.tsv")))
            GTEST_SKIP() << "no shared corpus";
    }
};

// Every table on every page has its box, column borders and selection strips as soon as
// layout is done; clicks on borders name the border, clicks in cells land in the cell's
// text, and painting leaves the layout areas as they were.
TEST_F(TableAreas, LaidOutTablesAnswerBeforePainting)
{
    int tablesSeen = 0, bordersHit = 0, cellsPlaced = 0;
    for (const char* name : {"docx/mammoth-tables.docx", "docx/docx4j-tables.docx", "docx/d2py-merged_cells.docx",
                             "docx/oxpt-WC043-Nested-Table.docx"}) {
        if (!fs::exists(Corpus(name)))
            continue;
        SCOPED_TRACE(name);
        TLoaded d(Corpus(name));
        for (int p = 0; p < d.Layout->Pages().Count(); ++p) {
            TVYXPhyPage& page = d.Page(p);
            const TVYXHitAreaList& layout = page.FHitAreas.ByPaginate();
            EXPECT_EQ(page.FHitAreas.ByPaint().Count(), 0) << "nothing was painted yet";
            for (TVYXTable* table : VYXTablesOnPage(page)) {
                ++tablesSeen;
                ASSERT_EQ(CountAreas(layout, ahatTable, table), 1) << "page " << p;
                EXPECT_GT(CountAreas(layout, ahatTableSize, table), 0);
                EXPECT_GT(CountAreas(layout, ahatTableSelect, table), 0);
                TVYXTableExtents extents(*table);
                const auto segs = extents.Segments(page);
                ASSERT_FALSE(segs.empty());
                const auto& [r, seg] = segs.front();
                const TVYXTableRow& row = *table->GetRows(r);
                const double midY = (seg.Y1 + seg.Y2) / 2;
                for (int c = 0; c < row.Count(); ++c) {
                    const TVYXTableCell& cell = *row.GetCells(c);
                    // The border left of the cell, unless a nested table's border lies on it.
                    if (const TVYXHitArea* a = page.FHitAreas.Hit(cell.PixX1 + 0.5, midY); a && a->Table == table) {
                        EXPECT_EQ(a->Type, ahatTableSize);
                        EXPECT_EQ(a->Index, c);
                        ++bordersHit;
                    }
                    // A click on the cell's first row goes into that cell.
                    const TVYXPhyRow* first = cell.GetMerged() && !cell.GetMergedRoot() ? nullptr : FirstRowOn(cell, p);
                    if (!first)
                        continue;
                    TVYXLogPhyPosition pos;
                    ASSERT_TRUE(page.XYToLogPos(d.Gdi, pos, first->GetX() + 1, first->Baseline - 1));
                    EXPECT_EQ(pos.Para, first->Para) << "cell " << r << "," << c;
                    EXPECT_TRUE(InTable(pos.Para, *table));
                    ++cellsPlaced;
                    // So does a click on the border's strip inside the cell's left edge.
                    if (c > 0) {
                        TVYXLogPhyPosition onBorder;
                        ASSERT_TRUE(page.XYToLogPos(d.Gdi, onBorder, cell.PixX1 + 1, first->Baseline - 1));
                        EXPECT_TRUE(InTable(onBorder.Para, *table));
                    }
                }
            }
            const int before = layout.Count();
            d.Paint(p);
            EXPECT_EQ(page.FHitAreas.ByPaginate().Count(), before) << "painting keeps the layout areas";
        }
    }
    EXPECT_GT(tablesSeen, 3);
    EXPECT_GT(bordersHit, 6);
    EXPECT_GT(cellsPlaced, 6);
}

// The whole-table handle stands on the table's first page only; the column strips above
// and the row strips beside select what they stand by, on every page a long table reaches.
TEST(TableAreasLong, SelectionStripsAndTheHandle)
{
    TLoaded d;
    d.Doc.AppendParaUI(u"A table of many rows follows.");
    TVYXTable& t = d.Doc.AppendTableUI(3, 90);
    for (int r = 0; r < 90; ++r)
        for (int c = 0; c < 3; ++c)
            d.Doc.CellPara(t, c, r).Append(u"row " + std::u16string(1, u'A' + r % 26) + u" cell " +
                                            std::u16string(1, u'1' + c));
    d.Layout->Paginate();
    ASSERT_GE(d.Layout->Pages().Count(), 2);
    int continued = 0;
    for (int p = 0; p < d.Layout->Pages().Count(); ++p) {
        TVYXPhyPage& page = d.Page(p);
        for (TVYXTable* table : VYXTablesOnPage(page)) {
            if (table->ParentCell())
                continue;
            TVYXTableExtents extents(*table);
            const auto segs = extents.Segments(page);
            ASSERT_FALSE(segs.empty());
            const TVYXHitArea* box = page.FHitAreas.Find(ahatTable, table);
            ASSERT_NE(box, nullptr);
            int handles = 0;
            for (int i = 0; i < page.FHitAreas.ByPaginate().Count(); ++i) {
                const TVYXHitArea& a = page.FHitAreas.ByPaginate().GetItems(i);
                handles += a.Type == ahatTableSelect && a.Table == table && a.Index < 0 && a.Row < 0;
            }
            const bool startsHere = segs.front().first == 0 && segs.front().second.Split != appscTop &&
                                    segs.front().second.Split != appscTopAndBottom;
            EXPECT_EQ(handles, startsHere ? 1 : 0) << "page " << p;
            continued += !startsHere;
            // Left of each row: its strip.
            for (const auto& [r, seg] : segs) {
                const TVYXHitArea* a = page.FHitAreas.Hit(box->X1 - 4, (seg.Y1 + seg.Y2) / 2);
                ASSERT_NE(a, nullptr) << "row " << r;
                EXPECT_EQ(a->Type, ahatTableSelect);
                EXPECT_EQ(a->Row, r);
                EXPECT_EQ(a->Index, -1);
            }
            // Above each column of the first row on the page: its strip.
            const TVYXTableRow& row = *table->GetRows(segs.front().first);
            for (int c = 0; c < row.Count(); ++c) {
                const TVYXTableCell& cell = *row.GetCells(c);
                const TVYXHitArea* a = page.FHitAreas.Hit((cell.PixX1 + cell.PixX2) / 2, box->Y1 - 3);
                ASSERT_NE(a, nullptr) << "column " << c;
                EXPECT_EQ(a->Type, ahatTableSelect);
                EXPECT_EQ(a->Index, c);
                EXPECT_EQ(a->Row, -1);
            }
        }
    }
    EXPECT_GT(continued, 0) << "the document's table runs over a page";
}

// A link painted on a page answers a click at the place layout gives its text.
TEST_F(TableAreas, HyperlinkAnswersAtItsText)
{
    TLoaded d(fs::path(VYX_SOURCE_DIR) / "examples" / "report.rtf");
    const TVYXCharRun* link = nullptr;
    TVYXLogPara* linkPara = nullptr;
    for (TVYXLogPara* p = d.Doc.FirstPara(); p && !link; p = p->Next())
        for (int i = 0; i < p->CharRuns().Count() && !link; ++i)
            if (p->CharRuns().Items(i)->Type_() == acrtHyperlink)
                link = p->CharRuns().Items(i), linkPara = p;
    ASSERT_NE(link, nullptr);
    TVYXLogPhyPosition pos(linkPara, link->StartPos + 1);
    TVYXPhyPage* page = d.Layout->Pages().FindPage(pos);
    ASSERT_NE(page, nullptr);
    double x = 0, y = 0;
    ASSERT_TRUE(page->LogPosToXY(d.Gdi, pos, x, y));
    d.Paint(page->Index);
    const TVYXHitArea* a = page->FHitAreas.Hit(x + 1, y - 2);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Type, ahatHyperlink);
    EXPECT_NE(a->Hyperlink, nullptr);
    // And the click places the caret inside the link's text.
    TVYXLogPhyPosition back;
    ASSERT_TRUE(page->XYToLogPos(d.Gdi, back, x + 1, y - 2));
    EXPECT_EQ(back.Para, linkPara);
    EXPECT_GE(back.CharPos, link->StartPos);
    EXPECT_LE(back.CharPos, link->StartPos + link->Len());
}

// Check boxes and drop-down lists take room on their rows like a glyph of their font, so
// their painted boxes cover no text; a click on a check box answers as the check box.
TEST_F(TableAreas, FormFieldsHaveRoomAndAnswerClicks)
{
    int boxes = 0, lists = 0;
    for (const char* name : {"docx/d2py-check_drop_my.docx", "docx/docx4j-LegacyForms.docx"}) {
        if (!fs::exists(Corpus(name)))
            continue;
        SCOPED_TRACE(name);
        TLoaded d(Corpus(name));
        for (int p = 0; p < d.Layout->Pages().Count(); ++p) {
            TVYXPhyPage& page = d.Page(p);
            d.Paint(p);
            for (int i = 0; i < page.Rows.Count(); ++i) {
                const TVYXPhyRow& row = page.Rows.GetItems(i);
                for (const TVYXRowPiece& room : row.Pieces) {
                    if (!room.Run || room.Run->Type_() != acrtLinked || room.Width <= 0)
                        continue;
                    const TVYXComplexField* field = VYXAsComplex(static_cast<const TVYXCharRunLinked&>(*room.Run));
                    ASSERT_NE(field, nullptr);
                    // No text piece shares the room.
                    for (const TVYXRowPiece& other : row.Pieces) {
                        if (&other != &room && other.Len > 0) {
                            EXPECT_TRUE(other.X + other.Width <= room.X + 0.01 || other.X >= room.X + room.Width - 0.01)
                                << "text at " << other.X << " overlaps the room at " << room.X;
                        }
                    }
                    const double x = row.GetX() + room.X;
                    if (field->Type() == acftFormCheckBox) {
                        ++boxes;
                        const TVYXHitArea* a = page.FHitAreas.Hit(x + room.Width / 2, row.Baseline - 2);
                        ASSERT_NE(a, nullptr);
                        EXPECT_EQ(a->Type, ahatFieldCheckBox);
                        EXPECT_EQ(a->Field, field);
                        // The painted square lies inside the room.
                        EXPECT_GE(a->X1, x);
                        EXPECT_LE(a->X2, x + room.Width);
                    } else {
                        EXPECT_EQ(field->Type(), acftFormList);
                        ++lists;
                        // The arrow box after the choice: ink inside the room, at mid-height.
                        bool ink = false;
                        for (int px = static_cast<int>(x) + 1; px < static_cast<int>(x + room.Width); ++px)
                            ink = ink || (d.Gdi.GetBitmap()->PixelRGB(px, static_cast<int>(row.Baseline - 3)) &
                                          0xFFFFFF) != 0xFFFFFF;
                        EXPECT_TRUE(ink);
                    }
                }
            }
        }
    }
    EXPECT_GE(boxes, 2);
    EXPECT_GE(lists, 1);
}

}  // namespace
