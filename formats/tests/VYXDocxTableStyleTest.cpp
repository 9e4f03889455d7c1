// VYXDocxTableStyleTest.cpp: the conditional formats of table styles (header row,
// last row, first column, banded rows) as the cells show them after reading.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/VYXWriteDOCX.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXLogPara.h"
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
        ASSERT_TRUE(header->CHPX && header->CellProps);
        EXPECT_TRUE(header->CHPX->GetAsBoolean(vyciBold));
        EXPECT_EQ(static_cast<unsigned>(header->CellProps->FillColor), 0x4472C4u);
        ASSERT_NE(header->CellProps->GetBorder(atbsBottom), nullptr);
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
