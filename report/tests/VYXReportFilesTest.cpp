// VYXReportFilesTest.cpp: a template stored as DOCX and as RTF, run over CSV, SQLite and
// JSON files with hard cases; both files must give the hand-checked golden text.
//
// The template files are made from the builder below and committed; with
// VYX_UPDATE_GOLDEN=1 the test writes them (and the golden text) again.
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "ReportTestDocs.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXWriteDOCX.h"
#include "formats/VYXWriteRTF.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"
#include "platform/VYXUnicode.h"
#include "report/VYXCsvSource.h"
#include "report/VYXJsonSource.h"
#include "report/VYXReport.h"
#include "report/VYXSqliteSource.h"

namespace {
std::string DataPath(const std::string& name) { return std::string(VYX_TEST_DATA_DIR) + "/" + name; }

bool Updating()
{
    const char* update = std::getenv("VYX_UPDATE_GOLDEN");
    return update && std::string(update) == "1";
}

// Sales rows with spanning regions, banded colours and masks; notes with line breaks;
// labels four to a row; a folder tree; totals and the page count.
void BuildTablesTemplate(TTemplateBuilder& b)
{
    b.Para(u"Sales report");
    TVYXTable& sales = b.Doc().AppendTableUI(4, 3);
    b.Fill(b.Doc().CellPara(sales, 0, 0), u"Region");
    b.Fill(b.Doc().CellPara(sales, 1, 0), u"Name (City)");
    b.Fill(b.Doc().CellPara(sales, 2, 0), u"Amount");
    b.Fill(b.Doc().CellPara(sales, 3, 0), u"Day");
    b.OpenAt(b.Doc().CellPara(sales, 0, 1), u"-band\nname: Rows\ncolors: (255,255,255),(230,230,230)");
    b.Fill(b.Doc().CellPara(sales, 0, 1), u"{Region \\* fieldtype:cell}");
    b.Fill(b.Doc().CellPara(sales, 1, 1), u"{Name} ({City})");
    b.Fill(b.Doc().CellPara(sales, 2, 1), u"{Amount \\* mask:#,##0.00}");
    b.Fill(b.Doc().CellPara(sales, 3, 1), u"{Day \\* mask:dd.mm.yyyy}");
    b.CloseAt(b.Doc().CellPara(sales, 3, 1));
    b.Fill(b.Doc().CellPara(sales, 0, 2), u"Total");
    b.Fill(b.Doc().CellPara(sales, 2, 2), u"{=Rows.Amount.SUM \\* mask:#,##0.00}");
    b.Fill(b.Doc().CellPara(sales, 3, 2), u"{=Rows.Amount.count \\* mask:0} amounts");
    b.Open(u"-band\nname: Notes");
    b.Para(u"{=line()} {Note}");
    b.Close();
    TVYXTable& labels = b.Doc().AppendTableUI(4, 1);
    b.OpenAt(b.Doc().CellPara(labels, 0, 0), u"-band\nname: Labels\nfilltable: true");
    b.Fill(b.Doc().CellPara(labels, 0, 0), u"{Name \\* upper}");
    b.CloseAt(b.Doc().CellPara(labels, 0, 0));
    b.Open(u"-band\nname: Tree\ndataset: Items\ntreeitem: true");
    b.Para(u"{Items.Name}");
    b.Close();
    b.Para(u"{=Tree.Name.count \\* mask:0} folders; page {=page() \\* mask:0} of {=pages()}");
}

// The template file, written from the builder when updating.
std::string TemplateFile(const std::string& name)
{
    const std::string path = DataPath(name);
    if (Updating()) {
        TVYXLogDocEditor doc;
        TTemplateBuilder builder(doc);
        const bool rtf = name.ends_with(".rtf");
        builder.SimpleMergeFields = rtf;
        BuildTablesTemplate(builder);
        std::ofstream(path, std::ios::binary) << (rtf ? TVYXWriteRTF(doc).SaveToBytes() : TVYXWriteDOCX(doc).SaveToBytes());
    }
    return path;
}

// Tables as rows of "|"-separated cells ("^" for a cell a merge continues), paragraphs
// in brackets with their left indent when they have one.
std::string Structure(const TVYXLogDocEditor& doc)
{
    std::string out;
    const TVYXLogParas& paras = doc.Paras();
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (!item->IsTable()) {
            const auto& para = static_cast<const TVYXLogPara&>(*item);
            const double indent = para.PAPX().GetStyledIndentLeft();
            out += "[" + U8(para.GetPlainText()) + "]" + (indent > 0 ? " >" + std::to_string(static_cast<int>(indent)) : "") + "\n";
            continue;
        }
        const auto& table = static_cast<const TVYXTable&>(*item);
        for (int r = 0; r < table.Count(); ++r) {
            for (int c = 0; c < table.GetRows(r)->Count(); ++c) {
                const TVYXTableCell& cell = *table.GetRows(r)->GetCells(c);
                out += c ? "|" : "";
                if (cell.GetMerged()) {
                    out += "^";
                    continue;
                }
                for (int p = 0; p < cell.Paras().Count(); ++p)
                    out += (p ? "/" : "") + U8(cell.Paras().GetItems(p)->GetPlainText());
            }
            out += "\n";
        }
    }
    return out;
}

std::string Diagnostics(const TVYXReport& report)
{
    std::string out;
    for (const TVYXReportDiagnostic& d : report.Diagnostics())
        out += std::to_string(d.Code) + " " + d.Text + "\n";
    return out;
}

std::string RunTemplate(const std::string& templateFile, TVYXRecordSource& people, TVYXRecordSource& tree)
{
    TVYXReport report;
    report.LoadFromFile(templateFile);
    report.SetDataSet(&people);
    report.AddDataSet(u"Items", tree);
    report.CreateTemplate();
    EXPECT_EQ(Diagnostics(report), "");
    report.CreateReport();
    const std::string text = Structure(report.Output());
    // The result read back from its own DOCX file says the same.
    TVYXLogDocEditor back;
    DocxRoundTrip(report.Output(), back);
    EXPECT_EQ(Structure(back), text);
    return text;
}
}  // namespace

TEST(ReportFiles, DocxAndRtfTemplatesOverCsvSqliteAndJson)
{
    TVYXCsvSource people;
    people.Name = u"people";
    people.LoadFromFile(DataPath("people.csv"));
    TVYXJsonSource tree;
    tree.Name = u"Items";
    tree.LoadFromFile(DataPath("tree.json"));

    const std::string fromDocx = RunTemplate(TemplateFile("tables.docx"), people, tree);
    ExpectGolden(fromDocx, "tables.txt");
    EXPECT_EQ(RunTemplate(TemplateFile("tables.rtf"), people, tree), fromDocx);

    // The same rows from a database with declared column types.
    const std::string db = ::testing::TempDir() + "vyx-report-files-" + std::to_string(::getpid()) + ".sqlite";
    std::remove(db.c_str());
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open(db.c_str(), &handle), SQLITE_OK);
    const char* sql =
        "CREATE TABLE people(Region TEXT, Name TEXT, City TEXT, Amount REAL, Day DATE, Note TEXT);"
        "INSERT INTO people VALUES('North','Zoë Brontë','Köln, Altstadt',1000000.25,'2024-02-29','first line\nsecond line');"
        "INSERT INTO people VALUES('North','李小龍','北京',-2.5,'2023-12-31',NULL);"
        "INSERT INTO people VALUES('North','O\"Brien, Pat','Dublin',0,NULL,'quote \"inside\"');"
        "INSERT INTO people VALUES('South','Ana','São Paulo',-1234567.891,'2000-02-29',NULL);"
        "INSERT INTO people VALUES('South',NULL,'Oslo',NULL,'2024-03-01','empty name');";
    ASSERT_EQ(sqlite3_exec(handle, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(handle);
    TVYXSqliteSource rows(TVYXSqliteSource::Open(db), "SELECT * FROM people ORDER BY rowid");
    rows.Name = u"people";
    EXPECT_EQ(RunTemplate(TemplateFile("tables.docx"), rows, tree), fromDocx);
    std::remove(db.c_str());
}
