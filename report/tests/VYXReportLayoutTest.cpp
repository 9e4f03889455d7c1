// VYXReportLayoutTest.cpp: table layouts of band reports: cell bands, padded and multi-page
// tables, spanning cells, trees, and the field events. Templates go through DOCX.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReportTestDocs.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXWriteDOCX.h"
#include "formats/VYXWriteRTF.h"
#include "model/VYXCharRun.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXParaProps.h"
#include "model/VYXTable.h"
#include "platform/VYXUnicode.h"
#include "report/VYXCsvSource.h"
#include "report/VYXDocCopy.h"
#include "report/VYXJsonSource.h"
#include "report/VYXReport.h"

namespace {
std::string Diagnostics(const TVYXReport& report)
{
    std::string out;
    for (const TVYXReportDiagnostic& d : report.Diagnostics())
        out += std::to_string(d.Code) + " " + d.Text + "\n";
    return out;
}

void UseDocxTemplate(TVYXReport& report, const std::function<void(TTemplateBuilder&)>& build)
{
    TVYXLogDocEditor doc;
    TTemplateBuilder builder(doc);
    build(builder);
    const std::string bytes = DocxBytes(doc);
    report.SetTemplateLoader([bytes](TVYXLogDocEditor& into) { ReadDocxBytes(bytes, into); });
}

// A cell's paragraphs joined by "/"; a cell a vertical merge continues shows as "^".
std::string CellText(const TVYXTableCell& cell)
{
    if (cell.GetMerged())
        return "^";
    std::string out;
    for (int i = 0; i < cell.Paras().Count(); ++i)
        out += (i ? "/" : "") + U8(cell.Paras().GetItems(i)->GetPlainText());
    return out;
}

// Rows on lines, cells between "|".
std::string TableText(const TVYXTable& table)
{
    std::string out;
    for (int r = 0; r < table.Count(); ++r) {
        const TVYXTableRow& row = *table.GetRows(r);
        for (int c = 0; c < row.Count(); ++c)
            out += (c ? "|" : "") + CellText(*row.GetCells(c));
        out += "\n";
    }
    return out;
}

// Every table of the body in order, and "[para text]" for the non-empty paragraphs between.
std::string BodyTables(const TVYXLogDocEditor& doc)
{
    std::string out;
    const TVYXLogParas& paras = doc.Paras();
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsTable()) {
            out += TableText(static_cast<const TVYXTable&>(*item));
            continue;
        }
        const std::string text = U8(item->GetPlainText());
        if (text == "\r\n")  // a page break's own paragraph
            out += "--page--\n";
        else if (!text.empty())
            out += "[" + text + "]\n";
    }
    return out;
}

const TVYXTable& TableAt(const TVYXLogDocEditor& doc, int nth)
{
    const TVYXLogParas& paras = doc.Paras();
    for (int i = 0; i < paras.Count(); ++i)
        if (paras.GetItems(i)->IsTable() && nth-- == 0)
            return static_cast<const TVYXTable&>(*paras.GetItems(i));
    throw std::runtime_error("no such table");
}

constexpr const char* cPeople = "Name,City,No\nAnn,Köln,1\nBob,北京,2\nCy,\"Paris, TX\",3\nDi,Oslo,4\nEd,,5\n";
}  // namespace

TEST(ReportTables, CellBandsStackOrFillTheRow)
{
    TVYXCsvSource people;
    people.Name = u"People";
    people.LoadFromString(cPeople);
    TVYXReport report;
    report.SetDataSet(&people);
    UseDocxTemplate(report, [](TTemplateBuilder& b) {
        // A list inside one cell of a two-cell row: the records stack in that cell.
        TVYXTable& list = b.Doc().AppendTableUI(2, 1);
        b.Fill(b.Doc().CellPara(list, 0, 0), u"People");
        b.OpenAt(b.Doc().CellPara(list, 1, 0), u"-band\nname: List");
        b.Fill(b.Doc().CellPara(list, 1, 0), u"{Name} in {City}");
        b.CloseAt(b.Doc().CellPara(list, 1, 0));
        // Labels: a cell band that fills the row's cells, then copies of the row.
        TVYXTable& labels = b.Doc().AppendTableUI(3, 2);
        b.Fill(b.Doc().CellPara(labels, 0, 0), u"Labels");
        b.OpenAt(b.Doc().CellPara(labels, 0, 1), u"-band\nname: Labels\nfilltable: true\ncolors: (255,255,0),(0,255,255)");
        b.Fill(b.Doc().CellPara(labels, 0, 1), u"{=line()}: {Name \\* upper}");
        b.CloseAt(b.Doc().CellPara(labels, 0, 1));
        b.Fill(b.Doc().CellPara(labels, 1, 1), u"replaced");
        b.Para(u"after {=Labels.No.count} labels, {=Labels.No.SUM}, {=List.No.max}");
    });
    report.CreateTemplate();
    EXPECT_EQ(Diagnostics(report), "");
    ASSERT_EQ(report.BandCount(), 2);
    EXPECT_EQ(report.Bands(0).Mode, arbmTableCell);
    EXPECT_EQ(report.Bands(1).Mode, arbmTableCell);
    report.CreateReport();
    EXPECT_EQ(BodyTables(report.Output()),
              "People|Ann in Köln/Bob in 北京/Cy in Paris, TX/Di in Oslo/Ed in \n"
              "Labels||\n"
              "1.00: ANN|2.00: BOB|3.00: CY\n"
              "4.00: DI|5.00: ED|\n"
              "[after 5.00 labels, 15.00, 5.00]\n");
    const TVYXTable& labels = TableAt(report.Output(), 1);
    EXPECT_EQ(labels.GetRows(1)->GetCells(0)->GetFillColor(), 0xFFFF00);
    EXPECT_EQ(labels.GetRows(1)->GetCells(1)->GetFillColor(), 0x00FFFF);
    EXPECT_EQ(labels.GetRows(2)->GetCells(0)->GetFillColor(), 0x00FFFF);

    // The result survives its own file format: cells, stacked paragraphs and all.
    TVYXLogDocEditor back;
    DocxRoundTrip(report.Output(), back);
    EXPECT_EQ(BodyTables(back), BodyTables(report.Output()));
}

TEST(ReportTables, CellBandAnalysis)
{
    // "rowmode: true" in one cell repeats the whole row; two bands on one cell cannot nest.
    TVYXCsvSource people;
    people.LoadFromString(cPeople);
    TVYXReport rows;
    rows.SetDataSet(&people);
    UseDocxTemplate(rows, [](TTemplateBuilder& b) {
        TVYXTable& t = b.Doc().AppendTableUI(2, 1);
        b.OpenAt(b.Doc().CellPara(t, 0, 0), u"-band\nrowmode: true\nmaxrows: 2");
        b.Fill(b.Doc().CellPara(t, 0, 0), u"{Name}");
        b.CloseAt(b.Doc().CellPara(t, 0, 0));
        b.Fill(b.Doc().CellPara(t, 1, 0), u"{City}");
    });
    rows.CreateTemplate();
    EXPECT_EQ(Diagnostics(rows), "");
    EXPECT_EQ(rows.Bands(0).Mode, arbmTableRow);
    rows.CreateReport();
    EXPECT_EQ(BodyTables(rows.Output()), "Ann|Köln\nBob|北京\n");

    TVYXReport twice;
    twice.SetDataSet(&people);
    UseDocxTemplate(twice, [](TTemplateBuilder& b) {
        TVYXTable& t = b.Doc().AppendTableUI(2, 1);
        b.OpenAt(b.Doc().CellPara(t, 0, 0), u"-band\nname: A");
        b.OpenAt(b.Doc().CellPara(t, 0, 0), u"-band\nname: B");
        b.Fill(b.Doc().CellPara(t, 0, 0), u"{Name}");
        b.CloseAt(b.Doc().CellPara(t, 0, 0));
        b.CloseAt(b.Doc().CellPara(t, 0, 0));
    });
    twice.CreateTemplate();
    EXPECT_NE(Diagnostics(twice).find("4500"), std::string::npos) << Diagnostics(twice);
    EXPECT_THROW(twice.CreateReport(), VYXException);
}

TEST(ReportTables, PaddedMultiPageTableWithPageCount)
{
    TVYXCsvSource items;
    items.Name = u"Items";
    items.LoadFromString("Item,Qty\nBolt,1\nNut,2\nGear,3\nCog,4\nPin,-5\n");
    const auto build = [](std::u16string_view band) {
        return [band](TTemplateBuilder& b) {
            TVYXTable& t = b.Doc().AppendTableUI(2, 3);
            b.Fill(b.Doc().CellPara(t, 0, 0), u"Item");
            b.Fill(b.Doc().CellPara(t, 1, 0), u"Qty");
            b.OpenAt(b.Doc().CellPara(t, 0, 1), band);
            b.Fill(b.Doc().CellPara(t, 0, 1), u"{Item}");
            b.Fill(b.Doc().CellPara(t, 1, 1), u"{Qty \\* mask:0}");
            b.CloseAt(b.Doc().CellPara(t, 1, 1));
            b.Fill(b.Doc().CellPara(t, 0, 2), u"Total");
            b.Fill(b.Doc().CellPara(t, 1, 2), u"{=Rows.Qty.SUM}");
            b.Para(u"{=page()} of {=pages()} pages");
        };
    };
    TVYXReport report;
    report.SetDataSet(&items);
    UseDocxTemplate(report, build(u"-band\nname: Rows\nmultipage: true\nmaxrows: 2\nfilltable: true"));
    report.CreateTemplate();
    EXPECT_EQ(Diagnostics(report), "");
    report.CreateReport();
    // Two records a page, the header row on every page, the last page padded to two rows
    // and closed by the total; the page count comes from the paginated result.
    EXPECT_EQ(BodyTables(report.Output()),
              "Item|Qty\nBolt|1\nNut|2\n--page--\n"
              "Item|Qty\nGear|3\nCog|4\n--page--\n"
              "Item|Qty\nPin|-5\n|\nTotal|5.00\n"
              "[3.00 of 3 pages]\n");
    EXPECT_EQ(report.PageCount(), 3);

    // maxpageloops stops after its pages; without filltable nothing pads.
    TVYXReport two;
    two.SetDataSet(&items);
    UseDocxTemplate(two, build(u"-band\nname: Rows\nmultipage: true\nmaxrows: 2\nmaxpageloops: 2"));
    two.CreateTemplate();
    two.CreateReport();
    EXPECT_EQ(BodyTables(two.Output()),
              "Item|Qty\nBolt|1\nNut|2\n--page--\n"
              "Item|Qty\nGear|3\nCog|4\nTotal|10.00\n"
              "[2.00 of 2 pages]\n");

    // A paragraph band: maxrows records a page.
    TVYXReport paras;
    paras.SetDataSet(&items);
    UseDocxTemplate(paras, [](TTemplateBuilder& b) {
        b.Open(u"-band\nmultipage: true\nmaxrows: 3");
        b.Para(u"{Item}");
        b.Close();
        b.Para(u"{=pages()}");
    });
    paras.CreateTemplate();
    paras.CreateReport();
    EXPECT_EQ(paras.PageCount(), 2);
    EXPECT_EQ(BodyText(paras.Output()), "Bolt|Nut|Gear|\r\nCog|Pin|2");  // the break starts the fourth
}

TEST(ReportTables, TwoMultiPageBandsInOneTable)
{
    // Each band starts its own pages after its own maxrows records; every further page
    // repeats the table's heading row, the row between the bands stays after the first
    // band's last record and the total closes the last page.
    TVYXCsvSource items;
    items.Name = u"Items";
    items.LoadFromString("Item,Qty\nBolt,1\nNut,2\nGear,3\nCog,4\nPin,-5\n");
    TVYXReport report;
    report.SetDataSet(&items);
    UseDocxTemplate(report, [](TTemplateBuilder& b) {
        TVYXTable& t = b.Doc().AppendTableUI(2, 5);
        b.Fill(b.Doc().CellPara(t, 0, 0), u"Item");
        b.Fill(b.Doc().CellPara(t, 1, 0), u"Qty");
        b.OpenAt(b.Doc().CellPara(t, 0, 1), u"-band\nname: A\nmultipage: true\nmaxrows: 2");
        b.Fill(b.Doc().CellPara(t, 0, 1), u"{Item}");
        b.Fill(b.Doc().CellPara(t, 1, 1), u"{Qty \\* mask:0}");
        b.CloseAt(b.Doc().CellPara(t, 1, 1));
        b.Fill(b.Doc().CellPara(t, 0, 2), u"Sub");
        b.Fill(b.Doc().CellPara(t, 1, 2), u"{=A.Qty.SUM}");
        b.OpenAt(b.Doc().CellPara(t, 0, 3), u"-band\nname: B\nmultipage: true\nmaxrows: 3");
        b.Fill(b.Doc().CellPara(t, 0, 3), u"b {Item}");
        b.Fill(b.Doc().CellPara(t, 1, 3), u"{Qty \\* mask:0}");
        b.CloseAt(b.Doc().CellPara(t, 1, 3));
        b.Fill(b.Doc().CellPara(t, 0, 4), u"Total");
        b.Fill(b.Doc().CellPara(t, 1, 4), u"{=B.Qty.SUM}");
        b.Para(u"{=pages()} pages");
    });
    report.CreateTemplate();
    EXPECT_EQ(Diagnostics(report), "");
    report.CreateReport();
    EXPECT_EQ(BodyTables(report.Output()),
              "Item|Qty\nBolt|1\nNut|2\n--page--\n"
              "Item|Qty\nGear|3\nCog|4\n--page--\n"
              "Item|Qty\nPin|-5\nSub|5.00\nb Bolt|1\nb Nut|2\nb Gear|3\n--page--\n"
              "Item|Qty\nb Cog|4\nb Pin|-5\nTotal|5.00\n"
              "[4 pages]\n");
    EXPECT_EQ(report.PageCount(), 4);
}

TEST(ReportTables, SpanningCellsGroupEqualValues)
{
    TVYXCsvSource sales;
    sales.Name = u"Sales";
    sales.LoadFromString("Region,Item,Amount\nNorth,Apple,10\nNorth,Pear,-2.5\nNorth,Plum,3\nSouth,Fig,7\n"
                         "North,Kiwi,1\n");
    TVYXReport report;
    report.SetDataSet(&sales);
    UseDocxTemplate(report, [](TTemplateBuilder& b) {
        TVYXTable& t = b.Doc().AppendTableUI(3, 1);
        b.OpenAt(b.Doc().CellPara(t, 0, 0), u"-band\nname: Rows");
        b.Fill(b.Doc().CellPara(t, 0, 0), u"{Region \\* fieldtype:cell}");
        b.Fill(b.Doc().CellPara(t, 1, 0), u"{Item}");
        b.Fill(b.Doc().CellPara(t, 2, 0), u"{Amount \\* onbefore:=Amount>0}");
        b.CloseAt(b.Doc().CellPara(t, 2, 0));
    });
    std::vector<std::string> seen;
    report.OnBeforePrintField = [&](TVYXReportField& field, std::u16string& text) {
        if (field.Type_() == arftCell)
            seen.push_back(U8(text));
        if (field.Name == u"Item" && text == u"Fig")
            text = u"Fig (new)";
    };
    report.CreateTemplate();
    EXPECT_EQ(Diagnostics(report), "");
    report.CreateReport();
    // Equal neighbours share one cell; a value seen again later starts a new one.
    // The amount field's onbefore formula leaves the negative amount out.
    const std::string expected = "North|Apple|10\n^|Pear|\n^|Plum|3\nSouth|Fig (new)|7\nNorth|Kiwi|1\n";
    EXPECT_EQ(TableText(TableAt(report.Output(), 0)), expected);
    const TVYXTable& table = TableAt(report.Output(), 0);
    EXPECT_TRUE(table.GetRows(0)->GetCells(0)->GetMergedRoot());
    EXPECT_TRUE(table.GetRows(2)->GetCells(0)->GetMergedLast());
    EXPECT_FALSE(table.GetRows(1)->GetCells(0)->GetMergedLast());
    EXPECT_EQ(table.GetRows(0)->GetCells(0)->CalcRowSpan(), 3);
    EXPECT_FALSE(table.GetRows(3)->GetCells(0)->GetMergedRoot());
    EXPECT_EQ(seen.size(), 5u);

    // The merged cells are written as such and read back the same.
    TVYXLogDocEditor back;
    DocxRoundTrip(report.Output(), back);
    EXPECT_EQ(TableText(TableAt(back, 0)), expected);
}

TEST(ReportTables, TreeOfNestedRecords)
{
    TVYXJsonSource tree;
    tree.Name = u"Items";
    tree.LoadFromString(R"([
        {"Name": "Root", "Size": 1, "Items": [
            {"Name": "Docs", "Size": 2, "Items": [{"Name": "Brief.docx", "Size": 3}]},
            {"Name": "Überblick", "Size": 4, "Items": []}
        ]},
        {"Name": "Other", "Size": 5}
    ])");
    TVYXReport report;
    report.SetDataSet(&tree);
    std::vector<std::string> events;
    report.OnBeforePrintBand = [&](TVYXReportBand& band) { events.push_back(U8(band.Name)); };
    UseDocxTemplate(report, [](TTemplateBuilder& b) {
        b.Open(u"-band\nname: Tree\ntreeitem: true\nwidth: 0.5cm");
        b.Para(u"{=line()} {Name}");
        b.Close();
        b.Para(u"{=Tree.Size.SUM} in {=Tree.Size.count}");
        TVYXTable& t = b.Doc().AppendTableUI(2, 1);
        b.OpenAt(b.Doc().CellPara(t, 0, 0), u"-band\nname: Rows\ntreeitem: true");
        b.Fill(b.Doc().CellPara(t, 0, 0), u"{Name}");
        b.Fill(b.Doc().CellPara(t, 1, 0), u"{Size}");
        b.CloseAt(b.Doc().CellPara(t, 1, 0));
    });
    report.CreateTemplate();
    EXPECT_EQ(Diagnostics(report), "");
    report.CreateReport();
    EXPECT_EQ(BodyTables(report.Output()),
              "[1.00 Root]\n[2.00 Docs]\n[3.00 Brief.docx]\n[4.00 Überblick]\n[5.00 Other]\n[15.00 in 5.00]\n"
              "Root|1\nDocs|2\nBrief.docx|3\nÜberblick|4\nOther|5\n");
    EXPECT_EQ(events.size(), 10u);
    // Each level one step further right: 0.5 cm for the paragraphs, 18 pt in the table.
    const TVYXLogParas& out = report.Output().Paras();
    const double expected[] = {0, 14.17, 28.35, 14.17, 0};
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(static_cast<const TVYXLogPara*>(out.GetItems(i))->PAPX().GetStyledIndentLeft(), expected[i], 0.01)
            << i;
    const TVYXTable& table = TableAt(report.Output(), 0);
    EXPECT_NEAR(table.GetRows(2)->GetCells(0)->Paras().GetParas(0)->PAPX().GetStyledIndentLeft(), 36, 0.01);
    EXPECT_NEAR(table.GetRows(2)->GetCells(1)->Paras().GetParas(0)->PAPX().GetStyledIndentLeft(), 0, 0.01);
}

namespace {
// The text of every text box anchored in the body, box by box: paragraphs joined by "/".
std::vector<std::string> BoxTexts(const TVYXLogDocEditor& doc)
{
    std::vector<std::string> boxes;
    const TVYXLogParas& paras = doc.Paras();
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogPara* para = paras.GetParas(i);
        for (int r = 0; para && r < para->Count(); ++r) {
            if (para->GetItems(r)->Type_() != acrtGraphic)
                continue;
            const auto* box = dynamic_cast<const TVYXGraphicRotate*>(
                static_cast<const TVYXCharRunGraphic*>(para->GetItems(r))->Graphic.get());
            if (!box || !box->TextBox || !box->TextBox->Paras)
                continue;
            std::string text;
            for (int p = 0; p < box->TextBox->Paras->Count(); ++p)
                text += (p ? "/" : "") + U8(box->TextBox->Paras->GetItems(p)->GetPlainText());
            boxes.push_back(text);
        }
    }
    return boxes;
}

void TextBoxTemplate(TTemplateBuilder& b)
{
    // A box with a band of its own over all people.
    b.Para(u"Directory");
    TVYXLogDocEditor& box = b.Doc().AddTextBox(200, 300);
    b.Fill(*box.Paras().GetParas(0), u"Names:");
    b.Open(u"-band\nname: InBox\ncolors: (200,200,200)");
    b.ParaIn(box, u"{=line()}. {Name} ({City})");
    b.Close();
    b.ParaIn(box, u"{=InBox.No.SUM} in all");
    // A box in a data band: every record's copy shows that record.
    b.Open(u"-band\nname: Cards\nmaxrows: 2");
    b.Para(u"Card {No}");
    TVYXLogDocEditor& card = b.Doc().AddTextBox(100, 50);
    b.Fill(*card.Paras().GetParas(0), u"{Name \\* upper} of {City}");
    b.Close();
    // A box band that prints only where executeband calls it, with the values passed.
    b.Para(u"Side {=executeband(\"Side\", People.Name)}");
    TVYXLogDocEditor& side = b.Doc().AddTextBox(100, 50);
    b.Fill(*side.Paras().GetParas(0), u"side box");
    b.Open(u"-band\nname: Side\ntype: subreport");
    b.ParaIn(side, u"called with {#1}");
    b.Close();
}
}  // namespace

TEST(ReportTextBoxes, BandsAndFieldsInsideTextBoxes)
{
    TVYXCsvSource people;
    people.Name = u"People";
    people.LoadFromString(cPeople);
    // The same template built in memory and read from its DOCX file.
    for (const bool docx : {false, true}) {
        SCOPED_TRACE(docx ? "DOCX template" : "template in memory");
        TVYXReport report;
        report.SetDataSet(&people);
        if (docx)
            UseDocxTemplate(report, TextBoxTemplate);
        else
            report.SetTemplateLoader([](TVYXLogDocEditor& into) {
                TTemplateBuilder builder(into);
                TextBoxTemplate(builder);
            });
        report.CreateTemplate();
        EXPECT_EQ(Diagnostics(report), "");
        ASSERT_EQ(report.BandCount(), 3);
        EXPECT_EQ(report.Bands(0).Mode, arbmTextBox);
        EXPECT_EQ(report.Bands(0).Box, 0);
        EXPECT_EQ(report.Bands(2).Mode, arbmTextBox);
        report.CreateReport();
        // executeband answers TRUE; the data set stands where the Cards band left it.
        EXPECT_EQ(BodyText(report.Output()), "Directory|Card 1|Card 2|Side TRUE|called with Cy");
        EXPECT_EQ(BoxTexts(report.Output()),
                  (std::vector<std::string>{"Names:/1.00. Ann (Köln)/2.00. Bob (北京)/3.00. Cy (Paris, TX)/"
                                            "4.00. Di (Oslo)/5.00. Ed ()/15.00 in all",
                                            "ANN of Köln", "BOB of 北京", "side box"}));

        // Written as DOCX and read back, the filled boxes keep their text.
        TVYXLogDocEditor back;
        DocxRoundTrip(report.Output(), back);
        EXPECT_EQ(BoxTexts(back), BoxTexts(report.Output()));
    }
}

namespace {
// The text of every text box anchored in a list's paragraphs, as BoxTexts does for the body.
std::vector<std::string> ListBoxTexts(const TVYXLogParas& paras)
{
    std::vector<std::string> boxes;
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogPara* para = paras.GetParas(i);
        for (int r = 0; para && r < para->Count(); ++r) {
            if (para->GetItems(r)->Type_() != acrtGraphic)
                continue;
            const auto* box = dynamic_cast<const TVYXGraphicRotate*>(
                static_cast<const TVYXCharRunGraphic*>(para->GetItems(r))->Graphic.get());
            if (!box || !box->TextBox || !box->TextBox->Paras)
                continue;
            std::string text;
            for (int p = 0; p < box->TextBox->Paras->Count(); ++p)
                text += (p ? "/" : "") + U8(box->TextBox->Paras->GetItems(p)->GetPlainText());
            boxes.push_back(text);
        }
    }
    return boxes;
}
}  // namespace

TEST(ReportTextBoxes, BoxesInHeadersAndFootersAreFilled)
{
    TVYXCsvSource people;
    people.Name = u"People";
    people.LoadFromString(cPeople);
    const auto build = [](TTemplateBuilder& b) {
        b.Open(u"-band\nname: Rows");
        b.Para(u"{Name}");
        b.Close();
        // The header's box sums the band the body printed; the footer's box holds a
        // text-box band of its own over the records and the page count.
        TVYXLogDocEditor& header = b.Doc().Headers().AddDefault();
        b.Fill(*header.Paras().GetParas(0), u"Head {=pages()}");  // asks for pagination
        TVYXLogDocEditor& headBox = header.AddTextBox(200, 40);
        b.Fill(*headBox.Paras().GetParas(0), u"Total {=Rows.No.SUM}");
        TVYXLogDocEditor& footer = b.Doc().Footers().AddDefault();
        b.Fill(*footer.Paras().GetParas(0), u"Foot");
        TVYXLogDocEditor& footBox = footer.AddTextBox(200, 80);
        b.Fill(*footBox.Paras().GetParas(0), u"of %%pages%%");
        b.Open(u"-band\nname: InFoot\nmaxrows: 2");
        b.ParaIn(footBox, u"{Name \\* upper}");
        b.Close();
    };
    for (const bool docx : {false, true}) {
        SCOPED_TRACE(docx ? "DOCX template" : "template in memory");
        TVYXReport report;
        report.SetDataSet(&people);
        if (docx)
            UseDocxTemplate(report, build);
        else
            report.SetTemplateLoader([&build](TVYXLogDocEditor& into) {
                TTemplateBuilder builder(into);
                build(builder);
            });
        report.CreateTemplate();
        EXPECT_EQ(Diagnostics(report), "");
        report.CreateReport();
        EXPECT_EQ(BodyText(report.Output()), "Ann|Bob|Cy|Di|Ed");
        const TVYXLogDocEditor* header = report.Output().Headers().Find(ahftDefault);
        const TVYXLogDocEditor* footer = report.Output().Footers().Find(ahftDefault);
        ASSERT_TRUE(header && footer);
        EXPECT_EQ(U8(header->Paras().GetItems(0)->GetPlainText()).substr(0, 6), "Head 1");
        EXPECT_EQ(ListBoxTexts(header->Paras()), (std::vector<std::string>{"Total 15.00"}));
        EXPECT_EQ(ListBoxTexts(footer->Paras()), (std::vector<std::string>{"of 1/ANN/BOB"}));

        // The filled boxes are what a written file keeps.
        TVYXLogDocEditor back;
        DocxRoundTrip(report.Output(), back);
        ASSERT_TRUE(back.Headers().Find(ahftDefault));
        EXPECT_EQ(ListBoxTexts(back.Headers().Find(ahftDefault)->Paras()), (std::vector<std::string>{"Total 15.00"}));
    }
}

namespace {
// The tables of the first text box anchored in the body, as TableText gives them.
std::string FirstBoxTables(const TVYXLogDocEditor& doc)
{
    const TVYXLogParas& paras = doc.Paras();
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogPara* para = paras.GetParas(i);
        for (int r = 0; para && r < para->Count(); ++r) {
            if (para->GetItems(r)->Type_() != acrtGraphic)
                continue;
            const auto* box = dynamic_cast<const TVYXGraphicRotate*>(
                static_cast<const TVYXCharRunGraphic*>(para->GetItems(r))->Graphic.get());
            if (!box || !box->TextBox || !box->TextBox->Paras)
                continue;
            std::string out;
            for (int k = 0; k < box->TextBox->Paras->Count(); ++k)
                if (const TVYXLogParaItem* item = box->TextBox->Paras->GetItems(k); item->IsTable())
                    out += TableText(static_cast<const TVYXTable&>(*item)) + "--\n";
            return out;
        }
    }
    return "no box";
}

void BoxTableTemplate(TTemplateBuilder& b)
{
    b.Para(u"Directory");
    TVYXLogDocEditor& box = b.Doc().AddTextBox(300, 200);
    // A row band between a heading row and a total row.
    TVYXTable& t = box.AppendTableUI(2, 3);
    b.Fill(box.CellPara(t, 0, 0), u"Name");
    b.Fill(box.CellPara(t, 1, 0), u"City");
    b.OpenAt(box.CellPara(t, 0, 1), u"-band\nname: Rows\ncolors: (1,2,3),(4,5,6)");
    b.Fill(box.CellPara(t, 0, 1), u"{Name}");
    b.Fill(box.CellPara(t, 1, 1), u"{City}");
    b.CloseAt(box.CellPara(t, 1, 1));
    b.Fill(box.CellPara(t, 0, 2), u"Total");
    b.Fill(box.CellPara(t, 1, 2), u"{=Rows.No.SUM}");
    // A cell band stacking its records in one cell of a three-cell row.
    box.AppendPara();
    TVYXTable& u = box.AppendTableUI(3, 1);
    b.Fill(box.CellPara(u, 0, 0), u"Names:");
    b.OpenAt(box.CellPara(u, 1, 0), u"-band\nname: Stack\nmaxrows: 3");
    b.Fill(box.CellPara(u, 1, 0), u"{Name \\* upper}");
    b.CloseAt(box.CellPara(u, 1, 0));
    b.Fill(box.CellPara(u, 2, 0), u"end");
}
}  // namespace

TEST(ReportTextBoxes, RowAndCellBandsInsideTextBoxes)
{
    TVYXCsvSource people;
    people.Name = u"People";
    people.LoadFromString(cPeople);
    for (const bool docx : {false, true}) {
        SCOPED_TRACE(docx ? "DOCX template" : "template in memory");
        TVYXReport report;
        report.SetDataSet(&people);
        if (docx)
            UseDocxTemplate(report, BoxTableTemplate);
        else
            report.SetTemplateLoader([](TVYXLogDocEditor& into) {
                TTemplateBuilder builder(into);
                BoxTableTemplate(builder);
            });
        report.CreateTemplate();
        EXPECT_EQ(Diagnostics(report), "");
        ASSERT_EQ(report.BandCount(), 2);
        EXPECT_EQ(report.Bands(0).Mode, arbmTableRow);
        EXPECT_EQ(report.Bands(0).Box, 0);
        EXPECT_EQ(report.Bands(1).Mode, arbmTableCell);
        report.CreateReport();
        EXPECT_EQ(BodyText(report.Output()).substr(0, 9), "Directory");
        EXPECT_EQ(FirstBoxTables(report.Output()),
                  "Name|City\nAnn|Köln\nBob|北京\nCy|Paris, TX\nDi|Oslo\nEd|\nTotal|15.00\n--\n"
                  "Names:|ANN/BOB/CY|end\n--\n");

        // Colours rotate per record in the box as in the body, and the DOCX keeps the rows.
        TVYXLogDocEditor back;
        DocxRoundTrip(report.Output(), back);
        EXPECT_EQ(FirstBoxTables(back), FirstBoxTables(report.Output()));
    }
}

TEST(ReportTextBoxes, BandsCallingThemselvesEnd)
{
    // A box band that runs itself over its records on every record: the depth limit and
    // the report's budget of calls end it instead of memory running out.
    TVYXCsvSource people;
    people.Name = u"People";
    people.LoadFromString(cPeople);
    TVYXReport report;
    report.SetDataSet(&people);
    UseDocxTemplate(report, [](TTemplateBuilder& b) {
        b.Para(u"Start");
        TVYXLogDocEditor& box = b.Doc().AddTextBox(100, 100);
        b.Open(u"-band\nname: Box\nmaxrows: 2");
        b.ParaIn(box, u"{Name} {=executebandloop(\"Box\")}");
        b.Close();
    });
    report.CreateTemplate();
    report.CreateReport();
    const std::vector<std::string> boxes = BoxTexts(report.Output());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].substr(0, 18), "/Ann TRUE/Ann TRUE");
    EXPECT_LT(boxes[0].size(), 400000u);
}

TEST(ReportBands, OnAfterPrintRunsItsBandOnce)
{
    TVYXCsvSource people;
    people.Name = u"People";
    people.LoadFromString(cPeople);
    TVYXReport report;
    report.SetDataSet(&people);
    UseDocxTemplate(report, [](TTemplateBuilder& b) {
        b.Open(u"-band\nname: Rows\nmaxrows: 3\nonafterprint: Sum");
        b.Para(u"{Name}");
        b.Close();
        b.Para(u"between");
        b.Open(u"-band\nname: Sum\ntype: subreport");
        b.Para(u"{=Rows.No.SUM} in {=Rows.Name.count} rows");
        b.Close();
        b.Open(u"-band\nname: Odd\nonafterprint: Nowhere\nmaxrows: 1");
        b.Para(u"odd {Name}");
        b.Close();
    });
    report.CreateTemplate();
    EXPECT_EQ(Diagnostics(report), "3519 Unknown band \"Nowhere\" in formula \"onafterprint: Nowhere\"\n");
    report.CreateReport();
    EXPECT_EQ(BodyText(report.Output()), "Ann|Bob|Cy|6.00 in 3.00 rows|between|odd Ann");
}

// A template saved as RTF keeps its complex fields (instructions with switches, formulas,
// aggregates) and its band comments, so the report made from the RTF file is the report
// made from the template itself.
TEST(ReportBands, TemplateSavedAsRtfKeepsItsFields)
{
    TVYXCsvSource people;
    people.Name = u"People";
    people.LoadFromString(cPeople);
    const auto build = [](TTemplateBuilder& b) {
        b.Para(u"Staff list");
        b.Open(u"-band\nname: Rows\nmaxrows: 3");
        b.Para(u"{=line()}. {Name \\* upper} from {City}");
        b.Close();
        b.Para(u"{=Rows.No.SUM} in {=Rows.Name.count} rows");
    };
    TVYXLogDocEditor doc;
    TTemplateBuilder builder(doc);
    build(builder);
    const std::string rtf = TVYXWriteRTF(doc).SaveToBytes();
    EXPECT_NE(rtf.find("{\\*\\fldinst Name \\\\* upper}{\\fldrslt "), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\*\\fldinst =Rows.No.SUM}"), std::string::npos) << rtf;

    std::string fromMemory;
    for (const bool fromRtf : {false, true}) {
        SCOPED_TRACE(fromRtf ? "RTF template" : "template in memory");
        TVYXReport report;
        report.SetDataSet(&people);
        if (fromRtf)
            report.SetTemplateLoader([&rtf](TVYXLogDocEditor& into) { TVYXReadRTF(into).LoadFromBytes(rtf); });
        else
            report.SetTemplateLoader([&build](TVYXLogDocEditor& into) {
                TTemplateBuilder b(into);
                build(b);
            });
        report.CreateTemplate();
        EXPECT_EQ(Diagnostics(report), "");
        ASSERT_EQ(report.BandCount(), 1);
        report.CreateReport();
        const std::string body = BodyText(report.Output());
        EXPECT_EQ(body, "Staff list|1.00. ANN from Köln|2.00. BOB from 北京|3.00. CY from Paris, TX|6.00 in 3.00 rows");
        if (!fromRtf)
            fromMemory = body;
        else
            EXPECT_EQ(body, fromMemory);
    }
}
