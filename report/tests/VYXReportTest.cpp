// VYXReportTest.cpp: band reports: template analysis, creation, fields, aggregates, groups, master/detail.
#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "ReportTestDocs.h"
#include "editing/VYXLogEditor.h"
#include "formula/VYXEvaluateFmla.h"
#include "model/VYXDocDump.h"
#include "model/VYXFields.h"
#include "model/VYXForEachPara.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXCharRun.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"
#include "platform/VYXPngWrite.h"
#include "platform/VYXUnicode.h"
#include "barcode/VYXBarcode.h"
#include "report/VYXCsvSource.h"
#include "report/VYXDocCopy.h"
#include "report/VYXJsonSource.h"
#include "report/VYXReport.h"
#include "report/VYXReportParams.h"
#include "report/VYXSqliteSource.h"

namespace {
std::string DataPath(const char* name) { return std::string(VYX_TEST_DATA_DIR) + "/" + name; }

// Every diagnostic as "code text" lines.
std::string Diagnostics(const TVYXReport& report)
{
    std::string out;
    for (const TVYXReportDiagnostic& d : report.Diagnostics())
        out += std::to_string(d.Code) + " " + d.Text + "\n";
    return out;
}

// A template built by `build`, written as DOCX and read back for every load: the
// report reads its comments and fields the way a real template file gives them.
void UseDocxTemplate(TVYXReport& report, const std::function<void(TTemplateBuilder&)>& build)
{
    TVYXLogDocEditor doc;
    TTemplateBuilder builder(doc);
    build(builder);
    const std::string bytes = DocxBytes(doc);
    report.SetTemplateLoader([bytes](TVYXLogDocEditor& into) { ReadDocxBytes(bytes, into); });
}

void UseTemplate(TVYXReport& report, const std::function<void(TTemplateBuilder&)>& build)
{
    report.SetTemplateLoader([build](TVYXLogDocEditor& into) {
        TTemplateBuilder builder(into);
        build(builder);
    });
}
}  // namespace

TEST(ReportAnalysis, ParameterTablesAndValues)
{
    EXPECT_TRUE(VYXReportTablesSorted());
    double pt = 0;
    EXPECT_EQ(VYXParseSize(u"1in", pt), 0);
    EXPECT_DOUBLE_EQ(pt, 72);
    EXPECT_EQ(VYXParseSize(u"25.4 mm", pt), 0);
    EXPECT_DOUBLE_EQ(pt, 72);
    EXPECT_EQ(VYXParseSize(u"2pc", pt), 0);
    EXPECT_DOUBLE_EQ(pt, 24);
    EXPECT_EQ(VYXParseSize(u"3px", pt), 2);
    EXPECT_EQ(VYXParseSize(u"cm", pt), 1);
    std::vector<std::uint32_t> colors;
    std::u16string bad;
    EXPECT_TRUE(VYXParseColors(u"(255,0,0), (0,128), (7)", colors, bad));
    EXPECT_EQ(U8(VYXColorsText(colors)), "(255,0,0),(0,128,0),(7,0,0)");
    EXPECT_FALSE(VYXParseColors(u"(255,0,0),(1,2,3,4)", colors, bad));
    EXPECT_EQ(U8(bad), "(1,2,3,4)");
    EXPECT_FALSE(VYXParseColors(u"(300)", colors, bad));
    EXPECT_FALSE(VYXParseColors(u"red", colors, bad));
    const auto parts = VYXSplitFieldCode(u"Orders.Amount \\* mask:#,##0.00 \\\\* bold:true");
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(U8(parts[1]), "mask:#,##0.00");
    EXPECT_EQ(U8(parts[2]), "bold:true");
    bool isBand = false;
    const auto lines = VYXSplitBandComment(u"-BAND\r\n; a remark\n\n  -Name :  Orders  \nmaxrows:3", isBand);
    EXPECT_TRUE(isBand);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(U8(lines[0].Name), "name");
    EXPECT_EQ(U8(lines[0].Value), "Orders");
    VYXSplitBandComment(u"just a remark", isBand);
    EXPECT_FALSE(isBand);
    TVYXReportAggregate agg;
    for (double v : {4.0, -1.5, 10.0})
        agg.Update(v);
    double value = 0;
    const struct {
        const char16_t* Word;
        double Expected;
    } words[] = {{u"SUM", 12.5}, {u"sum", 12.5}, {u"Count", 3}, {u"average", 12.5 / 3}, {u"MIN", -1.5}, {u"max", 10}};
    for (const auto& w : words) {
        ASSERT_TRUE(VYXReportAggregateValue(w.Word, agg, value));
        EXPECT_DOUBLE_EQ(value, w.Expected);
    }
    EXPECT_FALSE(VYXReportAggregateValue(u"total", agg, value));
}

TEST(ReportAnalysis, WarningsAndErrorsWithTheirPlace)
{
    TVYXCsvSource data;
    data.Name = u"Orders";
    data.LoadFromString("Id,Amount\n1,2\n");
    const struct {
        const char* Comment;
        const char16_t* Field;
        const char* Expected;
    } cases[] = {
        {"-band\ncolor: red", u"Id", "3508 Unknown parameter \"color\" in band \"\"\n"},
        {"-band\nname: B\nmaxrows: many", u"Id", "3505 Invalid value for integer parameter \"many\"\n"},
        {"-band\nenabled: yes", u"Id", "3504 Invalid value for boolean parameter \"yes\"\n"},
        {"-band\nwidth: 3px", u"Id", "3507 Invalid unit for parameter \"3px\"\n"},
        {"-band\ncolors: (1,2,3),(x)", u"Id", "3512 Invalid color value \"(x)\"\n"},
        {"-band\ntype: pagefoot", u"Id", "3511 Unknown band type \"pagefoot\" in Band \"\"\n"},
        {"-band\nparentband: Nobody", u"Id", "3509 Can not find parent band \"Nobody\"\n"},
        {"-band\ndataset: Nowhere", u"Id", "3500 Can not find Data Set \"Nowhere\"\n"},
        {"-band\nname: G\ntype: groupheader", u"Id", "3515 Missing condition in band \"G\"\n"},
        {"-band\nstray line", u"Id", "3518 Invalid parameter \"stray line\" in band \"\"\n"},
        {"-band\nname: P", u"#0", "3521 Invalid parameter field \"#0\" in band \"P\"\n"},
        {"-band\nname: P", u"#100", "3521 Invalid parameter field \"#100\" in band \"P\"\n"},
        {"-band", u"Orders.Nope", "3503 Can not find Field \"Nope\" in Data Set \"Orders\"\n"},
        {"-band", u"Other.Id", "3501 Unknown Data Set \"Other\" in Field \"Other.Id\"\n"},
        {"-band", u"Orders.", "3510 Invalid field name \"Orders.\"\n"},
        {"-band", u"Id \\* weight:3", "3513 Unknown field parameter \"weight:3\"\n"},
        {"-band", u"Id \\* bold:maybe", "3514 Unknown field parameter value \"bold:maybe\"\n"},
        {"-band", u"Id \\* fieldtype:barcode \\* type:EAN14", "3522 Unknown barcode type \"EAN14\" in band \"\"\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Comment);
        TVYXReport report;
        report.SetDataSet(&data);
        const std::u16string comment = U16(c.Comment);
        const std::u16string field = c.Field;
        UseTemplate(report, [&](TTemplateBuilder& b) {
            b.Open(comment);
            b.Para(u"Row {" + field + u"}");
            b.Close();
        });
        report.CreateTemplate();
        EXPECT_EQ(Diagnostics(report), c.Expected);
        ASSERT_FALSE(report.Diagnostics().empty());
        EXPECT_EQ(report.Diagnostics()[0].Place, "Row «field»");
    }
}

TEST(ReportAnalysis, ErrorsStopTheReport)
{
    TVYXReport report;
    UseTemplate(report, [](TTemplateBuilder& b) {
        b.Open(u"-band\nname: A");
        b.Para(u"one");
        b.Close();
        b.Open(u"-band\nname: A");
        b.Para(u"two");
        b.Close();
    });
    report.CreateTemplate();
    EXPECT_EQ(Diagnostics(report), "4502 Band \"A\" is allready defined\n");
    try {
        report.CreateReport();
        ADD_FAILURE() << "no exception";
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "Can not create report, there are errors");
    }

    // Crossing ranges: the second band starts inside the first and ends after it.
    TVYXReport crossing;
    UseTemplate(crossing, [](TTemplateBuilder& b) {
        b.Open(u"-band\nname: A");
        b.Para(u"one");
        b.Open(u"-band\nname: B");
        b.CloseOuterAt(b.Para(u"two"));  // A: one..two
        b.Para(u"three");
        b.Close();                       // B: two..three
    });
    crossing.CreateTemplate();
    EXPECT_NE(Diagnostics(crossing).find("4500 Parent band \"A\" can not have child band \"B\""), std::string::npos);

    // A comment from one table row into the next.
    TVYXReport rows;
    UseTemplate(rows, [](TTemplateBuilder& b) {
        TVYXTable& table = b.Doc().AppendTableUI(2, 2);
        b.OpenAt(b.Doc().CellPara(table, 0, 0), u"-band");
        b.CloseAt(b.Doc().CellPara(table, 1, 1));
    });
    rows.CreateTemplate();
    EXPECT_EQ(Diagnostics(rows), "4501 Invalid report band comment. Start and end must be on the same table row.\n");

    TVYXReport none;
    EXPECT_THROW(none.CreateTemplate(), VYXException);
}

TEST(ReportCreation, MasterDetailFromJsonThroughDocx)
{
    TVYXJsonSource customers;
    customers.Name = u"Customers";
    customers.LoadFromFile(DataPath("orders.json"));
    TVYXReport report;
    report.SetDataSet(&customers);
    std::vector<std::string> events;
    report.OnBeforePrintBand = [&](TVYXReportBand& band) { events.push_back("+" + U8(band.Name)); };
    report.OnAfterPrintBand = [&](TVYXReportBand& band) { events.push_back("-" + U8(band.Name)); };
    UseDocxTemplate(report, [](TTemplateBuilder& b) {
        b.Para(u"Customer list");
        b.Open(u"-band\nname: Customers");
        b.Para(u"Customer: {Customer} (#{Id}) line {=line()}");
        b.Open(u"-band\nname: Lines\ndataset: Orders");
        b.Para(u"{Orders.Item} x {Qty} = {=Orders.Qty*Orders.Price \\* name:Total}");
        b.Close();
        b.Para(u"Items {=Lines.Qty.SUM} in {=lines.qty.COUNT} lines, largest {=Orders.Price.Max \\* mask:0.000}, "
               u"worth {=Lines.Total.sum}");
        b.Close();
        b.Para(u"{=Customers.Id.count} customers, ids up to {=Customers.Id.max}");
    });
    report.CreateTemplate();
    EXPECT_EQ(Diagnostics(report), "");
    report.CreateReport();
    EXPECT_EQ(BodyText(report.Output()),
              "Customer list|Customer: Acme (#1) line 1.00|Bolt x 10 = 2.50|Nut x 5 = 0.50|"
              "Items 15.00 in 2.00 lines, largest 0.250, worth 3.00|"
              "Customer: Zeta Ltd (#2) line 2.00|Gear x 1 = 99.99|Items 1.00 in 1.00 lines, largest 99.990, worth 99.99|"
              "Customer: Empty Co (#3) line 3.00|Items 0.00 in 0.00 lines, largest 0.000, worth 0.00|"
              "3.00 customers, ids up to 3.00");
    EXPECT_EQ(events.size(), 12u);  // three customers and three lines, each before and after
    EXPECT_EQ(events[0], "+Customers");
    EXPECT_EQ(events[1], "+Lines");
    ExpectGolden(VYXDumpParas(report.Output().Paras()), "master-detail.dump");
}

TEST(ReportCreation, GroupedTableReportWithColoursAndFormats)
{
    TVYXCsvSource sales;
    sales.Name = u"Sales";
    sales.LoadFromString("Region,Item,Amount,Day\nNorth,Apple,10,2024-02-28\nNorth,Pear,-2.5,2024-02-29\n"
                         "South,Fig,1000000.25,2024-03-01\n");
    TVYXReport report;
    report.SetDataSet(&sales);
    UseTemplate(report, [](TTemplateBuilder& b) {
        b.Open(u"-band\nname: Sales");
        b.Open(u"-band\ntype: groupheader\ncondition: =Region\nname: Head");
        b.Para(u"Region {Region}");
        b.Close();
        b.Para(u"{Item}: {Amount \\* mask:#,##0.00 \\* bold:=Amount<0} on {Day \\* mask:dd.mm.yyyy}");
        b.Open(u"-band\ntype: groupfooter\nname: Foot");
        b.Para(u"Subtotal {Region} {=Amount.SUM} in {=amount.count}");
        b.Close();
        b.Close();
        b.Para(u"Total {=Sales.Amount.SUM} average {=Sales.Amount.Average \\* mask:0.0000} same {=SALES.AMOUNT.sum}");
        TVYXTable& table = b.Doc().AppendTableUI(2, 2);
        b.Fill(b.Doc().CellPara(table, 0, 0), u"Item");
        b.Fill(b.Doc().CellPara(table, 1, 0), u"Amount");
        b.OpenAt(b.Doc().CellPara(table, 0, 1), u"-band\nname: Rows\ncolors: (255,255,255),(200,200,200)");
        b.Fill(b.Doc().CellPara(table, 0, 1), u"{Item}");
        b.Fill(b.Doc().CellPara(table, 1, 1), u"{Amount \\* mask:0.00}");
        b.CloseAt(b.Doc().CellPara(table, 1, 1));
        b.Para(u"Rows: {=Rows.Amount.count}");
    });
    report.CreateTemplate();
    EXPECT_EQ(Diagnostics(report), "");
    report.CreateReport();
    EXPECT_EQ(BodyText(report.Output()),
              "Region North|Apple: 10.00 on 28.02.2024|Pear: -2.50 on 29.02.2024|Subtotal North 7.50 in 2.00|"
              "Region South|Fig: 1,000,000.25 on 01.03.2024|Subtotal South 1000000.25 in 1.00|"
              "Total 1000007.75 average 333335.9167 same 1000007.75|"
              "Item\tAmount\r\nApple\t10.00\r\nPear\t-2.50\r\nFig\t1000000.25||Rows: 3.00");
    const TVYXLogParas& out = report.Output().Paras();
    ASSERT_TRUE(out.GetItems(8)->IsTable());
    const auto& table = static_cast<const TVYXTable&>(*out.GetItems(8));
    EXPECT_EQ(table.Count(), 4);
    EXPECT_EQ(table.GetRows(1)->GetCells(0)->GetFillColor(), 0xFFFFFF);
    EXPECT_EQ(table.GetRows(2)->GetCells(0)->GetFillColor(), 0xC8C8C8);
    EXPECT_EQ(table.GetRows(3)->GetCells(0)->GetFillColor(), 0xFFFFFF);
    ExpectGolden(VYXDumpParas(out), "grouped.dump");
}

TEST(ReportCreation, FieldKindsFunctionsAndPages)
{
    TVYXCsvSource data;
    data.Name = u"D";
    data.LoadFromString("Name,Code\nAnn,400638133393\nBob,12\n");
    TVYXReport report;
    report.SetDataSet(&data);
    std::vector<std::u16string> asked;
    report.OnUserFunction = [&](const std::u16string& name, TXLSUserFuncData& d) {
        asked.push_back(name);
        if (SameTextAscii(name, u"GREETING"))
            d.SetResultAsString(u"Hello");
    };
    UseTemplate(report, [](TTemplateBuilder& b) {
        b.Open(u"-band\nname: People\npagebreaks: true");
        b.Para(u"{=greeting()} {Name \\* upper} {=page()}/{=pages()} {=rgb(1,2,3)} {=makebookmark(Name)} "
               u"{=D.Name=\"Ann\"} {=1/0} {Missing} {=nosuch.thing} {Code \\* fieldtype:barcode \\* type:EAN13}");
        b.Close();
        b.Para(u"{=executeband()}{=executeband(\"Nowhere\")}{=executeband(\"Card\", \"x\", 2.5)}");
        b.Open(u"-band\nname: Card\ntype: subreport");
        b.Para(u"card {#1} {#2} {#3}");
        b.Close();
    });
    report.CreateTemplate();
    EXPECT_EQ(Diagnostics(report), "3503 Can not find Field \"Missing\" in Data Set \"D\"\n");
    report.CreateReport();
    // Two records, a page each; "%%pages%%" became the page count after pagination.
    EXPECT_EQ(report.PageCount(), 2);
    const std::string text = BodyText(report.Output());
    EXPECT_EQ(text,
              "Hello ANN 1.00/2 66051.00 BmkAnn TRUE [???] [Null] [???] |"
              "\r\nHello BOB 2.00/2 66051.00 BmkBob FALSE [???] [Null] [???] 12|TRUETRUETRUE|card x 2.5 ")
        << "(the barcode of a valid EAN-13 is a picture; 12 is no EAN-13 and shows as text)";
    EXPECT_NE(report.Output().Bookmarks().Find(u"BmkAnn"), nullptr);
    EXPECT_NE(Diagnostics(report).find("3516 Unknown name \"nosuch.thing\" in Formula \"=nosuch.thing\""),
              std::string::npos);
    EXPECT_NE(Diagnostics(report).find("3520 Missing argument in formula \"=executeband()\""), std::string::npos);
    EXPECT_NE(Diagnostics(report).find("3519 Unknown band \"Nowhere\" in formula"), std::string::npos);
    // The host hears what the report does not know, once per record: never data fields or report functions.
    EXPECT_EQ(asked, (std::vector<std::u16string>{u"greeting", u"nosuch.thing", u"greeting", u"nosuch.thing"}));
}

TEST(ReportCreation, ExpressionsMaxRowsAndEmptyData)
{
    TVYXCsvSource data;
    data.LoadFromString("N\n1\n2\n3\n4\n");
    TVYXReport report;
    report.SetDataSet(&data);
    UseTemplate(report, [](TTemplateBuilder& b) {
        b.Open(u"-band\nmaxrows: 2");
        b.Para(u"row {N}");
        b.Close();
        b.Open(u"-band\nexpression: =1>2");
        b.Para(u"never");
        b.Close();
        b.Open(u"-band\nenabled: false");
        b.Para(u"disabled");
        b.Close();
        b.Open(u"-band\ntype: reportfooter");
        b.Para(u"end");
        b.Close();
    });
    report.CreateReport();  // analyses the template first
    EXPECT_EQ(BodyText(report.Output()), "row 1|row 2|end");

    TVYXCsvSource empty;
    empty.LoadFromString("N\n");
    report.SetDataSet(&empty);
    report.CreateTemplate();
    report.CreateReport();
    EXPECT_EQ(BodyText(report.Output()), "end");
}

TEST(ReportSources, SqliteMasterDetailAndUserDataSets)
{
    const std::string file = ::testing::TempDir() + "vyx-report-md-" + std::to_string(::getpid()) + ".sqlite";
    std::remove(file.c_str());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "CREATE TABLE Customer (Id INTEGER, Name TEXT);"
                           "INSERT INTO Customer VALUES (1, 'Ærø'), (2, 'Ôba'), (3, 'Nobody');"
                           "CREATE TABLE Orders (CustomerId INTEGER, Amount REAL);"
                           "INSERT INTO Orders VALUES (1, 10.5), (1, -2.25), (2, 99999999.99);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    auto database = TVYXSqliteSource::Open(file);
    TVYXSqliteSource customers(database, "SELECT * FROM Customer ORDER BY Id");
    customers.Name = u"Customer";
    customers.Open();
    TVYXSqliteSource orders(database, "SELECT Amount FROM Orders WHERE CustomerId = :Id ORDER BY Amount", &customers);
    orders.Name = u"Orders";

    TVYXReport report;
    report.SetDataSet(&customers);
    report.AddDataSet(u"Orders", orders);
    int filled = 0;
    report.OnUserDataSet = [&](const std::u16string& name, TVYXMemorySource& ds) {
        EXPECT_EQ(U8(name), "Notes");
        ds.ClearRecords();  // the fields are those the template asked for
        ds.AppendRecord();
        ds.SetText(ds.FindField(u"Text"), U16("note " + std::to_string(++filled)));
    };
    UseTemplate(report, [](TTemplateBuilder& b) {
        b.Open(u"-band\nname: C");
        b.Para(u"{Name}");
        b.Open(u"-band\ndataset: Orders");
        b.Para(u"  {Amount \\* mask:#,##0.00}");
        b.Close();
        b.Open(u"-band\nuserdataset: Notes");
        b.Para(u"  {Notes.Text} {Notes.Extra \\* fieldtype:integer}");
        b.Close();
        b.Para(u"  sum {=Orders.Amount.sum \\* mask:0.00}");
        b.Close();
    });
    report.CreateTemplate();
    EXPECT_EQ(Diagnostics(report), "");
    ASSERT_NE(report.UserDataSets().Find(u"Notes"), nullptr);
    report.CreateReport();
    EXPECT_EQ(BodyText(report.Output()),
              "Ærø|  -2.25|  10.50|  note 1 |  sum 8.25|Ôba|  99,999,999.99|  note 2 |  sum 99999999.99|"
              "Nobody|  note 3 |  sum 0.00");
    database.reset();
    std::remove(file.c_str());
}

TEST(ReportCreation, HostileTemplatesAndData)
{
    // Every truncation of a real template either fails to load with the engine's
    // exception or gives a template the report can analyse and fill.
    std::ifstream in(DataPath("report-orders.docx"), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    const std::string full = s.str();
    TVYXJsonSource data;
    data.LoadFromFile(DataPath("orders.json"));
    int created = 0;
    for (std::size_t n = 0; n < full.size(); n += 7) {
        SCOPED_TRACE(n);
        TVYXReport report;
        report.SetDataSet(&data);
        const std::string bytes = full.substr(0, n);
        try {
            report.SetTemplateLoader([&bytes](TVYXLogDocEditor& doc) { ReadDocxBytes(bytes, doc); });
            report.CreateTemplate();
            if (report.Errors().ErrorCount == 0) {
                report.CreateReport();
                ++created;
            }
        } catch (const VYXException&) {
        }
    }
    SUCCEED() << created << " truncations still made a report";

    // Data that does not fit the template: missing fields, text where numbers were
    // expected, huge values; formulas that fail.
    TVYXCsvSource odd;
    odd.LoadFromString("Amount,Other\n1e308,x\nabc,\n99999999999999999999999,y\n");
    TVYXReport report;
    report.SetDataSet(&odd);
    UseTemplate(report, [](TTemplateBuilder& b) {
        b.Open(u"-band");
        b.Para(u"{Amount \\* mask:#,##0.00}|{=Amount*10}|{=Amount/0}|{Missing}|{=SUM(}");
        b.Close();
        b.Para(u"{=Amount.SUM}");
    });
    report.CreateTemplate();
    report.CreateReport();
    const std::string text = BodyText(report.Output());
    EXPECT_NE(text.find("abc|[???]|[???]|[Null]|[???]"), std::string::npos) << text;
    EXPECT_NE(text.find("99999999999999999999999|"), std::string::npos) << text;
}

namespace {
// What an independent reader finds in a picture of the store: the symbol's text, or "".
std::string DecodePicture(const TVYXPicture& picture, ZXing::BarcodeFormat format)
{
    const auto* bmp = dynamic_cast<const TVYXPictureBMP*>(&picture);
    if (!bmp || !bmp->Bitmap())
        return "";
    const TVYXBitmap& bitmap = *bmp->Bitmap();
    std::vector<std::uint8_t> grey(static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height()));
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            grey[static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.Width()) + static_cast<std::size_t>(x)] =
                static_cast<std::uint8_t>(bitmap.PixelRGB(x, y) & 0xFF);
    ZXing::ImageView view(grey.data(), bitmap.Width(), bitmap.Height(), ZXing::ImageFormat::Lum);
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? result.text() : "";
}

// The barcode objects of a body, in order.
std::vector<const TVYXGraphicBarcode*> Barcodes(const TVYXLogDocEditor& doc)
{
    std::vector<const TVYXGraphicBarcode*> found;
    VYXForEachPara(doc.Paras(), [&](const TVYXLogPara& para) {
        for (int r = 0; r < para.Count(); ++r)
            if (para.GetItems(r)->Type_() == acrtGraphic)
                if (const auto* code = dynamic_cast<const TVYXGraphicBarcode*>(
                        static_cast<const TVYXCharRunGraphic*>(para.GetItems(r))->Graphic.get()))
                    found.push_back(code);
    });
    return found;
}
}  // namespace

TEST(ReportCreation, PicturesAndBarcodesFromData)
{
    // A picture file named by the data, and EAN-13 and QR symbols drawn from a data field.
    const std::string png = ::testing::TempDir() + "vyx-report-" + std::to_string(::getpid()) + ".png";
    const std::vector<std::uint8_t> pixels(16 * 8, 0x80);
    std::ofstream(png, std::ios::binary) << VYXEncodePngGray(16, 8, pixels.data());
    TVYXCsvSource data;
    data.LoadFromString("Photo,Code,Who\n" + png + ",400638133393,Zoë Brontë\n/no/such/file.png,12,北京 Ltd\n");
    TVYXReport report;
    report.SetDataSet(&data);
    UseDocxTemplate(report, [](TTemplateBuilder& b) {
        b.Open(u"-band");
        b.Para(u"{Photo \\* fieldtype:parapicture \\* width:1in}|{Code \\* fieldtype:barcode \\* type:EAN13 \\* height:30}|"
               u"{Who \\* fieldtype:barcode \\* type:QR \\* width:1in}");
        b.Close();
    });
    report.CreateTemplate();
    EXPECT_EQ(Diagnostics(report), "");
    report.CreateReport();
    int pictures = 0;
    VYXForEachPara(report.Output().Paras(), [&](TVYXLogPara& para) {
        for (int r = 0; r < para.Count(); ++r)
            pictures += para.GetItems(r)->Type_() == acrtPicture ? 1 : 0;
    });
    EXPECT_EQ(pictures, 1);  // the photo; the missing file is nothing
    EXPECT_EQ(Diagnostics(report), "3517 Missing graphic source in \"Photo\"\n");
    EXPECT_EQ(BodyText(report.Output()), "||||12|");  // "12" is no EAN-13 and stays text

    // Barcode objects that keep their symbology and data, drawn by a picture a reader can scan.
    const std::vector<const TVYXGraphicBarcode*> codes = Barcodes(report.Output());
    ASSERT_EQ(codes.size(), 3u);
    EXPECT_EQ(codes[0]->BarcodeType, abctEAN13);
    EXPECT_EQ(codes[0]->Text, u"400638133393");
    EXPECT_NEAR(codes[0]->Height, 30, 1);
    EXPECT_EQ(codes[1]->BarcodeType, abctQR);
    EXPECT_EQ(codes[1]->Text, u"Zoë Brontë");
    EXPECT_EQ(codes[1]->Width, 72);
    EXPECT_EQ(codes[1]->Height, 72);
    EXPECT_EQ(codes[2]->Text, u"北京 Ltd");
    ASSERT_NE(codes[0]->Picture(), nullptr);
    EXPECT_EQ(DecodePicture(*codes[0]->Picture(), ZXing::BarcodeFormat::EAN13), "4006381333931");
    EXPECT_EQ(DecodePicture(*codes[1]->Picture(), ZXing::BarcodeFormat::QRCode), "Zoë Brontë");
    EXPECT_EQ(DecodePicture(*codes[2]->Picture(), ZXing::BarcodeFormat::QRCode), "北京 Ltd");

    // Written as DOCX, the symbols are pictures of their own size that still scan.
    TVYXLogDocEditor back;
    DocxRoundTrip(report.Output(), back);
    std::vector<std::string> scanned;
    for (int i = 0; i < back.Pictures().Count(); ++i) {
        const TVYXPicture& picture = back.Pictures().GetItems(i);
        for (ZXing::BarcodeFormat format : {ZXing::BarcodeFormat::EAN13, ZXing::BarcodeFormat::QRCode})
            if (std::string text = DecodePicture(picture, format); !text.empty())
                scanned.push_back(text);
    }
    std::sort(scanned.begin(), scanned.end());
    EXPECT_EQ(scanned, (std::vector<std::string>{"4006381333931", "Zoë Brontë", "北京 Ltd"}));
    std::remove(png.c_str());
}
