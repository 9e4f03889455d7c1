// VYXDocxFidelityTest.cpp: what users see of tables and floating boxes after reading:
// table styles' conditional formats, anchored text boxes, and their round trips.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/VYXWriteDOCX.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "platform/VYXStream.h"

namespace fs = std::filesystem;

namespace {

const std::string cW = R"(xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")";

// A style the way word processors write their "grid table" kinds: white bold
// header on blue, a bold last row, italic first column, every other body row grey.
const std::string cStyles =
    "<w:styles " + cW + ">"
    R"(<w:style w:type="table" w:styleId="Banded"><w:name w:val="Banded"/>)"
    R"(<w:tcPr><w:shd w:val="clear" w:color="auto" w:fill="FAFAFA"/></w:tcPr>)"
    R"(<w:tblStylePr w:type="firstRow"><w:rPr><w:b/><w:color w:val="FFFFFF"/></w:rPr>)"
    R"(<w:tcPr><w:tcBorders><w:bottom w:val="double" w:sz="12" w:color="000080"/></w:tcBorders>)"
    R"(<w:shd w:val="clear" w:color="auto" w:fill="4472C4"/></w:tcPr></w:tblStylePr>)"
    R"(<w:tblStylePr w:type="lastRow"><w:rPr><w:b/></w:rPr></w:tblStylePr>)"
    R"(<w:tblStylePr w:type="firstCol"><w:rPr><w:i/></w:rPr></w:tblStylePr>)"
    R"(<w:tblStylePr w:type="band1Horz"><w:tcPr><w:shd w:val="clear" w:fill="DDDDDD"/></w:tcPr></w:tblStylePr>)"
    R"(</w:style>)"
    R"(<w:style w:type="table" w:styleId="Derived"><w:name w:val="Derived"/><w:basedOn w:val="Banded"/></w:style>)"
    "</w:styles>";

std::string Cell(const std::string& text, const std::string& tcPr = "", const std::string& rPr = "")
{
    return "<w:tc>" + (tcPr.empty() ? "" : "<w:tcPr>" + tcPr + "</w:tcPr>") + "<w:p><w:r>" +
           (rPr.empty() ? "" : "<w:rPr>" + rPr + "</w:rPr>") + "<w:t>" + text + "</w:t></w:r></w:p></w:tc>";
}

std::string Table(const std::string& style, const std::string& look, int rows)
{
    std::string x = "<w:tbl><w:tblPr><w:tblStyle w:val=\"" + style + "\"/>" + look +
                    "</w:tblPr><w:tblGrid><w:gridCol w:w=\"2000\"/><w:gridCol w:w=\"2000\"/></w:tblGrid>";
    for (int r = 0; r < rows; ++r)
        x += "<w:tr>" + Cell("a" + std::to_string(r)) + Cell("b" + std::to_string(r)) + "</w:tr>";
    return x + "</w:tbl><w:p/>";
}

std::string Package(const std::string& body)
{
    TVYXMemoryStream out;
    TOPC_DOCX pkg;
    pkg.OpenWrite(out);
    TOPCItem& doc = pkg.CreateDocument();
    pkg.WriteItem(pkg.CreateStyles(), cStyles);
    pkg.WriteItem(doc, "<w:document " + cW + "><w:body>" + body + "</w:body></w:document>");
    pkg.Close();
    return out.TakeBytes();
}

const TVYXCharRun& TextRun(const TVYXTableCell& cell)
{
    const auto& para = *static_cast<const TVYXLogPara*>(cell.Paras().GetItems(0));
    for (int k = 0; k < para.CharRuns().Count(); ++k)
        if (para.CharRuns().Items(k)->Len() > 0)
            return *para.CharRuns().Items(k);
    return *para.CharRuns().Items(0);
}

bool Has(const TVYXTableCell& cell, TVYXChpId id)
{
    const TVYXCHPX* chpx = TextRun(cell).CHPX();
    bool on = false;
    return chpx && chpx->GetValue(id, on) && on;
}

// The cell's shading as painted: its own, else the one its table's style gives every cell.
unsigned Fill(const TVYXTableCell& cell)
{
    if (static_cast<TVYXColor>(cell.GetFillColor()) != cVYXAutoColor)
        return static_cast<unsigned>(cell.GetFillColor());
    for (const TVYXStyle* s = cell.Table()->TAPX().GetStyle(); s; s = s->BasedOn)
        if (const auto* props = static_cast<const TVYXTableStyle*>(s)->CellProps(); props && props->FillColor != cVYXAutoColor)
            return static_cast<unsigned>(props->FillColor);
    return static_cast<unsigned>(cVYXAutoColor);
}

}  // namespace

TEST(DocxTableStyles, ShortHexLookGivesHeaderColumnAndBands)
{
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromBytes(Package(Table("Banded", R"(<w:tblLook w:val="04A0"/>)", 4)));
    TVYXTable& t = *doc.Paras().GetTables(0);
    // Header row: blue, white bold, a double rule below; first column italic.
    for (int c = 0; c < 2; ++c) {
        EXPECT_EQ(Fill(*t.GetCells(c, 0)), 0x4472C4u);
        EXPECT_TRUE(Has(*t.GetCells(c, 0), vyciBold));
        ASSERT_NE(t.GetCells(c, 0)->Props().GetBorder(atbsBottom), nullptr);
        EXPECT_EQ(t.GetCells(c, 0)->Props().GetBorder(atbsBottom)->Style, stbDouble);
    }
    EXPECT_TRUE(Has(*t.GetCells(0, 0), vyciItalic));
    EXPECT_FALSE(Has(*t.GetCells(1, 0), vyciItalic));
    // 04A0 leaves the last row plain, so it is banded like the body rows;
    // bands count from the first body row.
    EXPECT_EQ(Fill(*t.GetCells(1, 1)), 0xDDDDDDu);
    EXPECT_EQ(Fill(*t.GetCells(1, 2)), 0xFAFAFAu);
    EXPECT_EQ(Fill(*t.GetCells(1, 3)), 0xDDDDDDu);
    EXPECT_FALSE(Has(*t.GetCells(1, 3), vyciBold));
    EXPECT_TRUE(Has(*t.GetCells(0, 2), vyciItalic));
}

TEST(DocxTableStyles, AttributeLookAndBaseStyle)
{
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromBytes(Package(Table(
        "Derived", R"(<w:tblLook w:val="04A0" w:firstRow="0" w:lastRow="1" w:firstColumn="0" w:noHBand="1"/>)", 3)));
    TVYXTable& t = *doc.Paras().GetTables(0);
    // The attributes overrule the hex value; the conditional formats come through basedOn.
    EXPECT_EQ(Fill(*t.GetCells(0, 0)), 0xFAFAFAu);
    EXPECT_FALSE(Has(*t.GetCells(0, 0), vyciBold));
    EXPECT_FALSE(Has(*t.GetCells(0, 1), vyciItalic));
    EXPECT_EQ(Fill(*t.GetCells(0, 1)), 0xFAFAFAu);  // no bands
    EXPECT_TRUE(Has(*t.GetCells(0, 2), vyciBold));
    EXPECT_TRUE(Has(*t.GetCells(1, 2), vyciBold));
}

TEST(DocxTableStyles, DirectFormattingWinsAndSurvivesARoundTrip)
{
    const std::string body = R"(<w:tbl><w:tblPr><w:tblStyle w:val="Banded"/><w:tblLook w:firstRow="1"/></w:tblPr>)"
                             R"(<w:tblGrid><w:gridCol w:w="2000"/><w:gridCol w:w="2000"/></w:tblGrid><w:tr>)" +
                             Cell("own", R"(<w:shd w:val="clear" w:fill="FF0000"/>)", R"(<w:b w:val="0"/>)") +
                             Cell("styled") + "</w:tr><w:tr>" + Cell("x") + Cell("y") + "</w:tr></w:tbl><w:p/>";
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromBytes(Package(body));
    for (TVYXLogDocEditor* d : {&doc, static_cast<TVYXLogDocEditor*>(nullptr)}) {
        TVYXLogDocEditor again;
        if (!d) {
            TVYXReadDOCX(again).LoadFromBytes(TVYXWriteDOCX(doc).SaveToBytes());
            d = &again;
        }
        TVYXTable& t = *d->Paras().GetTables(0);
        EXPECT_EQ(Fill(*t.GetCells(0, 0)), 0xFF0000u);
        EXPECT_FALSE(Has(*t.GetCells(0, 0), vyciBold));
        EXPECT_EQ(Fill(*t.GetCells(1, 0)), 0x4472C4u);
        EXPECT_TRUE(Has(*t.GetCells(1, 0), vyciBold));
        EXPECT_EQ(Fill(*t.GetCells(0, 1)), 0xDDDDDDu);
        // The style keeps its conditional formats, so new rows get them too.
        const auto* style = t.TAPX().GetStyle();
        ASSERT_NE(style, nullptr);
        ASSERT_NE(style->Props(), nullptr);
        const TVYXTableStyleProp* header = style->Props()->Find(atsptFirstRow);
        ASSERT_NE(header, nullptr);
        ASSERT_TRUE(header->CHPX() && header->CellProps());
        EXPECT_TRUE(header->CHPX()->GetAsBoolean(vyciBold));
        EXPECT_EQ(static_cast<unsigned>(header->CellProps()->FillColor), 0x4472C4u);
        ASSERT_NE(header->CellProps()->GetBorder(atbsBottom), nullptr);
        EXPECT_EQ(style->Props()->Count(), 4);
        ASSERT_NE(style->CellProps(), nullptr);
        EXPECT_EQ(static_cast<unsigned>(style->CellProps()->FillColor), 0xFAFAFAu);
    }
}

TEST(DocxTableStyles, CorpusGridTableHeaderAndFirstColumn)
{
    const fs::path file = fs::path(VYX_SHARED_DIR) / "corpus" / "docx" / "oxpt-HC029-Table-Merged-Cells.docx";
    if (!fs::exists(file))
        GTEST_SKIP() << "no shared corpus";
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromFile(file.string());
    TVYXTable& t = *doc.Paras().GetTables(0);
    // Header: accent fill, white bold text; first body row: light band, first column bold.
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(Fill(*t.GetCells(c, 0)), 0x4472C4u) << c;
        EXPECT_TRUE(Has(*t.GetCells(c, 0), vyciBold)) << c;
        const TVYXCHPX* chpx = TextRun(*t.GetCells(c, 0)).CHPX();
        std::int32_t color = 0;
        ASSERT_TRUE(chpx && chpx->GetValue(vyciColor, color));
        EXPECT_EQ(static_cast<unsigned>(color), 0xFFFFFFu);
    }
    EXPECT_EQ(Fill(*t.GetCells(1, 1)), 0xD9E2F3u);
    EXPECT_TRUE(Has(*t.GetCells(0, 1), vyciBold));
    EXPECT_FALSE(Has(*t.GetCells(1, 1), vyciBold));
}

// ---- Anchored text boxes --------------------------------------------------------

namespace {

// The floating text boxes of the body, in document order.
std::vector<const TVYXGraphicRotate*> FloatingBoxes(TVYXLogDocEditor& doc)
{
    std::vector<const TVYXGraphicRotate*> out;
    TVYXLogParasIterator walk;
    walk.ParaEvent = [&](TVYXLogPara& p) {
        if (const TVYXGraphicObjList* list = p.Graphics())
            for (int i = 0; i < list->Count(); ++i)
                if (const auto* box = dynamic_cast<const TVYXGraphicRotate*>(&list->GetItems(i)); box && box->TextBox)
                    out.push_back(box);
    };
    walk.Iterate(doc.Paras());
    return out;
}

std::u16string BoxText(const TVYXGraphicRotate& box)
{
    std::u16string text;
    for (int i = 0; box.TextBox->Paras && i < box.TextBox->Paras->Count(); ++i)
        text += box.TextBox->Paras->GetItems(i)->GetPlainText();
    return text;
}

void ExpectSamePlace(const TVYXGraphicRotate& a, const TVYXGraphicRotate& b)
{
    EXPECT_NEAR(a.PosLeft, b.PosLeft, 0.01);
    EXPECT_NEAR(a.PosTop, b.PosTop, 0.01);
    EXPECT_NEAR(a.Width, b.Width, 0.01);
    EXPECT_NEAR(a.Height, b.Height, 0.01);
    EXPECT_EQ(a.HorizPosRel, b.HorizPosRel);
    EXPECT_EQ(a.VertPosRel, b.VertPosRel);
    EXPECT_EQ(a.HorizPosType, b.HorizPosType);
    EXPECT_EQ(a.HorizPos, b.HorizPos);
    EXPECT_EQ(a.VertPosType, b.VertPosType);
    EXPECT_EQ(a.Wrap, b.Wrap);
    EXPECT_EQ(BoxText(a), BoxText(b));
}

}  // namespace

TEST(DocxTextBoxes, AnchoredDrawingAndVmlBoxesFloatAndRoundTrip)
{
    const std::string ns = R"( xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing")"
                           R"( xmlns:v="urn:schemas-microsoft-com:vml" xmlns:w10="urn:schemas-microsoft-com:office:word")";
    const std::string drawing =
        R"(<w:p><w:r><w:drawing><wp:anchor behindDoc="0"><wp:simplePos x="0" y="0"/>)"
        R"(<wp:positionH relativeFrom="page"><wp:posOffset>914400</wp:posOffset></wp:positionH>)"
        R"(<wp:positionV relativeFrom="paragraph"><wp:posOffset>-127000</wp:posOffset></wp:positionV>)"
        R"(<wp:extent cx="2540000" cy="635000"/><wp:wrapTopAndBottom/><wp:docPr id="1" name="Box"/>)"
        R"(<a:graphic xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main"><a:graphicData uri="wps">)"
        R"(<wps:wsp xmlns:wps="http://schemas.microsoft.com/office/word/2010/wordprocessingShape"><wps:txbx>)"
        R"(<w:txbxContent><w:p><w:r><w:t>drawn box</w:t></w:r></w:p></w:txbxContent></wps:txbx></wps:wsp>)"
        R"(</a:graphicData></a:graphic></wp:anchor></w:drawing></w:r><w:r><w:t>body</w:t></w:r></w:p>)";
    const std::string vml =
        R"(<w:p><w:r><w:pict><v:shapetype id="t202" style="position:absolute"/><v:shape id="b" type="#t202")"
        R"( style="position:absolute;margin-left:-9pt;margin-top:1in;width:100pt;height:40pt;z-index:-3;)"
        R"(mso-position-horizontal:right;mso-position-horizontal-relative:margin;mso-position-vertical-relative:page">)"
        R"(<v:textbox><w:txbxContent><w:p><w:r><w:t>behind</w:t></w:r></w:p></w:txbxContent></v:textbox></v:shape>)"
        R"(</w:pict></w:r></w:p>)"
        R"(<w:p><w:r><w:pict><v:shape style="width:50pt;height:20pt"><v:textbox><w:txbxContent><w:p><w:r>)"
        R"(<w:t>inline</w:t></w:r></w:p></w:txbxContent></v:textbox></v:shape></w:pict></w:r></w:p>)";
    TVYXMemoryStream out;
    {
        TOPC_DOCX pkg;
        pkg.OpenWrite(out);
        TOPCItem& doc = pkg.CreateDocument();
        pkg.WriteItem(doc, "<w:document " + cW + ns + "><w:body>" + drawing + vml + "</w:body></w:document>");
        pkg.Close();
    }
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromBytes(out.TakeBytes());
    const auto boxes = FloatingBoxes(doc);
    ASSERT_EQ(boxes.size(), 2u);  // the inline box stays in its run
    EXPECT_EQ(doc.TextBoxes().Count(), 3);
    const TVYXGraphicRotate& drawn = *boxes[0];
    EXPECT_EQ(BoxText(drawn), u"drawn box");
    EXPECT_DOUBLE_EQ(drawn.PosLeft, 72);
    EXPECT_DOUBLE_EQ(drawn.PosTop, -10);
    EXPECT_DOUBLE_EQ(drawn.Width, 200);
    EXPECT_DOUBLE_EQ(drawn.Height, 50);
    EXPECT_EQ(drawn.HorizPosRel, agohprPage);
    EXPECT_EQ(drawn.Wrap, agowTopBottom);
    const TVYXGraphicRotate& behind = *boxes[1];
    EXPECT_EQ(BoxText(behind), u"behind");
    EXPECT_DOUBLE_EQ(behind.PosLeft, -9);
    EXPECT_DOUBLE_EQ(behind.PosTop, 72);
    EXPECT_EQ(behind.Wrap, agowBehind);
    EXPECT_EQ(behind.HorizPosType, agoptAlignment);
    EXPECT_EQ(behind.HorizPos, agohpRight);
    EXPECT_EQ(behind.HorizPosRel, agohprMargin);
    EXPECT_EQ(behind.VertPosRel, agovprPage);
    EXPECT_EQ(doc.Paras().GetItems(2)->GetPlainText().find(u"inline"), std::u16string::npos);

    TVYXLogDocEditor back;
    TVYXReadDOCX(back).LoadFromBytes(TVYXWriteDOCX(doc).SaveToBytes());
    const auto again = FloatingBoxes(back);
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(back.TextBoxes().Count(), 3);
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        ExpectSamePlace(*boxes[i], *again[i]);
    }
}

TEST(DocxTextBoxes, CorpusFloatingBoxesKeepTheirPlace)
{
    const fs::path dir = fs::path(VYX_SHARED_DIR) / "corpus" / "docx";
    if (!fs::is_directory(dir))
        GTEST_SKIP() << "no shared corpus";
    // A centred box written as a shape with its VML fallback, and a body with several.
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromFile((dir / "mammoth-text-box.docx").string());
    const auto boxes = FloatingBoxes(doc);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]->HorizPosType, agoptAlignment);
    EXPECT_EQ(boxes[0]->HorizPos, agohpCenter);
    EXPECT_NEAR(boxes[0]->Width, 186.95, 0.01);
    EXPECT_FALSE(BoxText(*boxes[0]).empty());
    for (const char* name : {"mammoth-text-box.docx", "tika-testWORD_2006ml.docx", "oxpt-WC050-Table-in-Text-Box.docx",
                             "d2py-libreoffice_conversion.docx"}) {
        SCOPED_TRACE(name);
        TVYXLogDocEditor first;
        TVYXReadDOCX(first).LoadFromFile((dir / name).string());
        TVYXLogDocEditor second;
        TVYXReadDOCX(second).LoadFromBytes(TVYXWriteDOCX(first).SaveToBytes());
        const auto a = FloatingBoxes(first), b = FloatingBoxes(second);
        EXPECT_FALSE(a.empty());
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i)
            ExpectSamePlace(*a[i], *b[i]);
    }
}

// ---- Picture cropping -----------------------------------------------------------

namespace {

std::vector<const TVYXGraphicPicture*> Pictures(TVYXLogDocEditor& doc)
{
    std::vector<const TVYXGraphicPicture*> out;
    TVYXLogParasIterator walk;
    walk.CharRunEvent = [&](TVYXCharRun& run) {
        if (run.Type_() == acrtGraphic)
            if (const auto* p = dynamic_cast<const TVYXGraphicPicture*>(static_cast<TVYXCharRunGraphic&>(run).Graphic.get()))
                out.push_back(p);
    };
    walk.ParaEvent = [&](TVYXLogPara& p) {
        if (const TVYXGraphicObjList* list = p.Graphics())
            for (int i = 0; i < list->Count(); ++i)
                if (const auto* pic = dynamic_cast<const TVYXGraphicPicture*>(&list->GetItems(i)))
                    out.push_back(pic);
    };
    walk.Iterate(doc.Paras());
    return out;
}

}  // namespace

TEST(DocxPictures, CorpusCropSurvivesARoundTrip)
{
    const fs::path file = fs::path(VYX_SHARED_DIR) / "corpus" / "docx" / "oxpt-HC008-Test-03.docx";
    if (!fs::exists(file))
        GTEST_SKIP() << "no shared corpus";
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromFile(file.string());
    const auto pictures = Pictures(doc);
    const TVYXGraphicPicture* cropped = nullptr;
    for (const auto* p : pictures)
        if (p->HasCrop())
            cropped = p;
    ASSERT_NE(cropped, nullptr);
    // r="13216" b="11046": thousandths of a percent from the right and bottom edges.
    EXPECT_DOUBLE_EQ(cropped->CropRight, 0.13216);
    EXPECT_DOUBLE_EQ(cropped->CropBottom, 0.11046);
    EXPECT_EQ(cropped->CropLeft, 0);
    EXPECT_EQ(cropped->CropTop, 0);

    TVYXLogDocEditor back;
    TVYXReadDOCX(back).LoadFromBytes(TVYXWriteDOCX(doc).SaveToBytes());
    const auto again = Pictures(back);
    ASSERT_EQ(again.size(), pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_DOUBLE_EQ(again[i]->CropRight, pictures[i]->CropRight);
        EXPECT_DOUBLE_EQ(again[i]->CropBottom, pictures[i]->CropBottom);
        EXPECT_EQ(again[i]->FlipX, pictures[i]->FlipX);
    }
}

// ---- Editing permissions --------------------------------------------------------

TEST(DocxPermissions, RangesForUsersAndGroupsRoundTrip)
{
    const std::string body =
        R"(<w:p><w:r><w:t>locked </w:t></w:r><w:permStart w:id="7" w:edGrp="everyone"/><w:r><w:t>open</w:t></w:r></w:p>)"
        R"(<w:p><w:r><w:t>still open</w:t></w:r><w:permEnd w:id="7"/><w:r><w:t> locked</w:t></w:r></w:p>)"
        R"(<w:p><w:permStart w:id="8" w:ed="DOMAIN\ann"/><w:r><w:t>ann's</w:t></w:r><w:permEnd w:id="8"/>)"
        R"(<w:permEnd w:id="99"/></w:p>)";
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromBytes(Package(body));
    for (TVYXLogDocEditor* d : {&doc, static_cast<TVYXLogDocEditor*>(nullptr)}) {
        TVYXLogDocEditor again;
        if (!d) {
            TVYXReadDOCX(again).LoadFromBytes(TVYXWriteDOCX(doc).SaveToBytes());
            d = &again;
        }
        TVYXPermissions& perms = d->Permissions();
        ASSERT_EQ(perms.Count(), 2);
        const TVYXPermission& group = *perms.GetItems(0);
        EXPECT_EQ(group.EditGroup, apegEveryone);
        EXPECT_TRUE(group.EditBy.empty());
        ASSERT_TRUE(group.IsRange());
        EXPECT_EQ(group.GetPlainText(), u"open\r\nstill open");
        const TVYXPermission& user = *perms.GetItems(1);
        EXPECT_EQ(user.EditGroup, apegNone);
        EXPECT_EQ(user.EditBy, u"DOMAIN\\ann");
        EXPECT_EQ(user.GetPlainText(), u"ann's");
    }
}
