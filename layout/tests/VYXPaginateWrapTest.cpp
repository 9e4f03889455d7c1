// VYXPaginateWrapTest.cpp: text wrapping around objects placed against the page or its
// margins (square and top-and-bottom), with real fonts and on real DOCX files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "formats/VYXReadDOCX.h"
#include "layout/VYXLayoutDump.h"
#include "layout/tests/VYXLayoutTestDoc.h"
#include "model/VYXGraphics.h"

namespace {

struct TDoc : TVYXLayoutTestDoc {
    TVYXLogPara& Para(std::u16string_view text) { return TVYXLayoutTestDoc::Para(text, 6); }
    // An object on the margin area, 200 x 160 px, 200 px below the margin's top.
    TVYXGraphicObj& Object(TVYXLogPara& anchor, TVYXGrObjWrap wrap, double width = 150)
    {
        auto obj = std::make_unique<TVYXGraphicObj>();
        obj->Width = width;
        obj->Height = 120;
        obj->Wrap = wrap;
        obj->HorizPosRel = agohprMargin;
        obj->VertPosRel = agovprMargin;
        obj->PosTop = 150;
        TVYXGraphicObj& ref = *obj;
        anchor.AddGraphic(std::move(obj));
        return ref;
    }
};

struct TRect {
    double X1, Y1, X2, Y2;
};

// Rows of the page from the anchor's first row on that stand beside the object, and
// those that overlap it (which must be none).
void CountRows(const TVYXPhyPage& page, const TVYXLogPara* anchor, const TRect& r, int& beside, int& overlapping)
{
    bool from = anchor == nullptr;
    for (int i = 0; i < page.Rows.Count(); ++i) {
        const TVYXPhyRow& row = page.Rows.GetItems(i);
        from = from || row.Para == anchor;
        if (!from || row.Empty())
            continue;
        const bool vert = row.GetY1() < r.Y2 - 1 && row.GetY1() + row.Height() > r.Y1 + 1;
        if (!vert)
            continue;
        const bool horiz = row.GetX() < r.X2 - 1 && row.GetX() + row.UsedWidth > r.X1 + 1;
        (horiz ? overlapping : beside)++;
    }
}

TRect RectOf(const TVYXGraphicObj& g) { return {g.PixAbsX, g.PixAbsY, g.PixAbsX + g.PixRotWidth, g.PixAbsY + g.PixRotHeight}; }

}  // namespace

TEST(PaginateWrap, SquareObjectOnTheMarginNarrowsTheRowsBesideIt)
{
    TDoc d;
    TVYXLogPara& anchor = d.Para(u"The anchor paragraph.");
    TVYXGraphicObj& obj = d.Object(anchor, agow_ParaLeft);
    std::vector<TVYXLogPara*> body;
    for (int i = 0; i < 6; ++i)
        body.push_back(&d.Para(cProse + u" " + cProse));
    d.Layout.Paginate();
    const TVYXPhyPage& page = d.Layout.Pages().GetItems(0);
    ASSERT_EQ(page.GrPage.size(), 1u);
    EXPECT_NEAR(obj.PixAbsY, page.ClientY1 + 200, 0.01);
    EXPECT_NEAR(obj.PixAbsX, page.ClientX1, 0.01);
    int beside = 0, overlapping = 0;
    CountRows(page, &anchor, RectOf(obj), beside, overlapping);
    EXPECT_GE(beside, 6);
    EXPECT_EQ(overlapping, 0);
    // Beside it the rows start after the object and its 9 pt (12 px) distance; above and
    // below it they use the whole width again.
    int full = 0;
    for (int i = 0; i < page.Rows.Count(); ++i) {
        const TVYXPhyRow& row = page.Rows.GetItems(i);
        const bool vert = row.GetY1() < obj.PixAbsY + 160 - 1 && row.GetY1() + row.Height() > obj.PixAbsY + 1;
        if (vert) {
            EXPECT_NEAR(row.GetX(), obj.PixAbsX + 212, 0.5);
        } else if (row.GetY1() > obj.PixAbsY + 160 + 20 && !row.GetIsFirst() && !row.Empty()) {
            full += std::abs(row.XOffs) < 0.01 && row.UsedWidth > page.GetClientWidth() * 0.8 ? 1 : 0;
        }
    }
    EXPECT_GT(full, 3);
    // Laying out again gives the same pages, and breaks only the wrapped paragraphs.
    const std::string dump = VYXLayoutDump(d.Layout, true, false);
    d.Layout.Paginate();
    EXPECT_EQ(VYXLayoutDump(d.Layout, true, false), dump);
    EXPECT_LT(d.Layout.BrokenParas(), 6);
    // Text typed above moves the paragraphs down; other rows now meet the object.
    TVYXDocAddress at;
    at.Item = anchor.Index();
    at.CharPos = 1;
    d.Doc.InsertText(at, cProse + u" ");
    d.Layout.Paginate();
    beside = overlapping = 0;
    CountRows(d.Layout.Pages().GetItems(0), &anchor, RectOf(obj), beside, overlapping);
    EXPECT_GE(beside, 6);
    EXPECT_EQ(overlapping, 0);
}

TEST(PaginateWrap, TopAndBottomObjectLeavesNoTextBesideIt)
{
    TDoc d;
    TVYXLogPara& anchor = d.Para(u"The anchor paragraph.");
    TVYXGraphicObj& obj = d.Object(anchor, agowTopBottom, 100);
    obj.HorizPosType = agoptAlignment;
    obj.HorizPos = agohpCenter;
    for (int i = 0; i < 6; ++i)
        d.Para(cProse + u" " + cProse);
    d.Layout.Paginate();
    const TVYXPhyPage& page = d.Layout.Pages().GetItems(0);
    EXPECT_NEAR(obj.PixAbsX, (page.ClientX1 + page.ClientX2 - obj.PixRotWidth) / 2, 0.01);
    int above = 0, below = 0;
    bool resumed = false;
    for (int i = 0; i < page.Rows.Count(); ++i) {
        const TVYXPhyRow& row = page.Rows.GetItems(i);
        EXPECT_FALSE(row.GetY1() < obj.PixAbsY + 160 && row.GetY1() + row.Height() > obj.PixAbsY) << "row " << i;
        (row.GetY1() < obj.PixAbsY ? above : below)++;
        resumed = resumed || std::abs(row.GetY1() - (obj.PixAbsY + 160)) < 0.5;  // right below it
    }
    EXPECT_GT(above, 5);
    EXPECT_GT(below, 5);
    EXPECT_TRUE(resumed);

    // A square object that leaves too little room beside it acts the same way.
    TDoc e;
    TVYXLogPara& a2 = e.Para(u"anchor");
    TVYXGraphicObj& wide = e.Object(a2, agow_ParaRight, 420);
    for (int i = 0; i < 6; ++i)
        e.Para(cProse + u" " + cProse);
    e.Layout.Paginate();
    int beside = 0, overlapping = 0;
    CountRows(e.Layout.Pages().GetItems(0), nullptr, RectOf(wide), beside, overlapping);
    EXPECT_EQ(beside + overlapping, 0);
}

TEST(PaginateWrap, ObjectGoesWithItsAnchorToTheNextPage)
{
    // The anchor meets the page's foot at every filler count: the object stands on the
    // page where the anchor's first row is, and the text there wraps around it.
    for (int fillers = 52; fillers <= 62; ++fillers) {
        SCOPED_TRACE(fillers);
        TDoc d;
        for (int i = 0; i < fillers; ++i)
            d.Para(u"filler").PAPX().SetSpaceAfter(0);
        TVYXLogPara& anchor = d.Para(u"The anchor paragraph.");
        TVYXGraphicObj& obj = d.Object(anchor, agow_ParaLeft);
        for (int i = 0; i < 8; ++i)
            d.Para(cProse + u" " + cProse);
        d.Layout.Paginate();
        const int p = d.Rows(anchor).First()->Page;
        const TVYXPhyPage& page = d.Layout.Pages().GetItems(p);
        ASSERT_EQ(page.GrPage.size(), 1u);
        EXPECT_NEAR(obj.PixAbsY, page.ClientY1 + 200, 0.01);
        int beside = 0, overlapping = 0;
        CountRows(page, &anchor, RectOf(obj), beside, overlapping);
        EXPECT_EQ(overlapping, 0);
        if (p > 0) {
            EXPECT_GE(beside, 5);
        }
    }
}

TEST(PaginateWrap, TextAboveTheAnchorWrapsToo)
{
    // The object stands at the top of the page; its anchor comes after three paragraphs
    // that are already placed when it is met: the page is placed again around it.
    for (TVYXGrObjWrap wrap : {agow_ParaLeft, agowTopBottom}) {
        SCOPED_TRACE(wrap);
        TDoc d;
        std::vector<TVYXLogPara*> before;
        for (int i = 0; i < 3; ++i)
            before.push_back(&d.Para(cProse + u" " + cProse));
        TVYXLogPara& anchor = d.Para(u"The anchor paragraph, well below the object.");
        TVYXGraphicObj& obj = d.Object(anchor, wrap);
        obj.PosTop = 30;
        for (int i = 0; i < 30; ++i)
            d.Para(cProse + u" " + cProse);
        d.Layout.Paginate();
        ASSERT_EQ(d.Rows(anchor).First()->Page, 0);
        ASSERT_GT(d.Rows(anchor).First()->GetY1(), obj.PixAbsY + obj.PixRotHeight);
        int beside = 0, overlapping = 0;
        CountRows(d.Layout.Pages().GetItems(0), nullptr, RectOf(obj), beside, overlapping);
        EXPECT_EQ(overlapping, 0);
        if (wrap == agow_ParaLeft) {
            EXPECT_GE(beside, 5);
        }
        // The text above it: rows of the first paragraphs lie beside or below it.
        EXPECT_EQ(d.Rows(*before[0]).First()->Page, 0);
        // Laying out again lands everything where it was.
        const std::string dump = VYXLayoutDump(d.Layout, true, false);
        d.Layout.Paginate();
        EXPECT_EQ(VYXLayoutDump(d.Layout, true, false), dump);
    }
}

// Real files with objects placed against the page and margins: from each anchor on,
// no row of its page runs under the object. (Of these files the reader keeps only some
// objects; the others' shapes take no part in layout yet.)
TEST(PaginateWrap, RealDocumentsKeepTextOffTheirObjects)
{
    const std::filesystem::path dir = std::filesystem::path(VYX_SHARED_DIR) / "corpus" / "docx";
    if (!std::filesystem::exists(dir))
        GTEST_SKIP() << "no shared corpus";
    int checked = 0;
    for (const char* name : {"oxpt-WC048-Text-Box-in-Cell.docx", "oxpt-DB011-Body-With-Shape.docx",
                             "tika-testWORD_2006ml.docx", "pandoc-image_with_textbox_caption.docx"}) {
        SCOPED_TRACE(name);
        TVYXGDILinux gdi(96);
        TVYXLogDocEditor doc;
        TVYXReadDOCX reader(doc);
        reader.LoadFromFile((dir / name).string());
        TVYXPaginatorDoc layout(gdi, doc);
        layout.Paginate();
        for (int p = 0; p < layout.Pages().Count(); ++p) {
            const TVYXPhyPage& page = layout.Pages().GetItems(p);
            for (const TVYXGraphicObj* g : page.GrPage) {
                if (g->Wrap != agowTopBottom && (g->VertPosRel == agovprParagraph || g->VertPosRel == agovprLine))
                    continue;  // beside its paragraph: checked elsewhere
                // The anchor: the paragraph whose first row on the page owns the object.
                const TVYXLogPara* anchor = nullptr;
                for (int i = 0; i < page.Rows.Count() && !anchor; ++i)
                    if (const TVYXLogPara* para = page.Rows.GetItems(i).Para; para && para->Graphics())
                        for (int k = 0; k < para->Graphics()->Count(); ++k)
                            if (&para->Graphics()->GetItems(k) == g)
                                anchor = para;
                if (!anchor || anchor->Paras() != &doc.Paras())
                    continue;  // objects in cells take no room from the text
                int beside = 0, overlapping = 0;
                CountRows(page, anchor, RectOf(*g), beside, overlapping);
                EXPECT_EQ(overlapping, 0) << "page " << p;
                ++checked;
            }
        }
    }
    EXPECT_GE(checked, 1);  // the reader brings the picture placed against the page
}
