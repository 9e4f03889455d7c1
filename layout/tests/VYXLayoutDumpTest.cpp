// VYXLayoutDumpTest.cpp: a real text laid out with real fonts, checked against its golden dump.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXPlainText.h"
#include "layout/VYXLayoutDump.h"
#include "layout/VYXPaginate.h"

namespace {

const std::string cData = VYX_TEST_DATA_DIR;

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The bundled text as `vyx layout` loads it.
void LoadText(TVYXLogDocEditor& doc, const std::string& path)
{
    TVYXImportText import(doc.Paras());
    import.LoadFromFile(path);
}

}  // namespace

// The GNU GPL, version 3, as Debian ships it: 35 kB of real prose in numbered
// sections. Any change to breaking, spacing or page filling shows in this dump.
TEST(LayoutDump, LicenceTextMatchesGolden)
{
    TVYXLogDocEditor doc;
    LoadText(doc, cData + "/gpl-3.txt");
    TVYXGDILinux gdi(96);
    TVYXPaginatorDoc layout(gdi, doc);
    layout.Paginate();
    const std::string dump = VYXLayoutDump(layout, true, false);
    const std::string golden = cData + "/gpl-3.txt.layout";
    if (std::getenv("VYX_UPDATE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << dump;
        GTEST_SKIP() << "golden rewritten";
    }
    const std::string expected = ReadFile(golden);
    if (dump != expected)
        std::ofstream(golden + ".actual", std::ios::binary) << dump;
    EXPECT_EQ(dump, expected) << "see " << golden << ".actual";

    // The page count is stable, and pages other than the last are filled.
    const int pages = layout.Pages().Count();
    EXPECT_GE(pages, 17);
    EXPECT_LE(pages, 23);
    for (int i = 0; i + 1 < pages; ++i) {
        const TVYXPhyPage& p = layout.Pages().GetItems(i);
        const TVYXPhyRow& last = p.Rows.GetItems(p.Rows.Count() - 1);
        EXPECT_GT(last.GetY2(), p.BodyTop() + 0.9 * (p.GetAbsDocCY2() - p.BodyTop())) << i;
    }
    // Laying out again (all rows reused) and laying out afresh give the same pages.
    layout.Paginate();
    EXPECT_EQ(layout.BrokenParas(), 0);
    EXPECT_EQ(VYXLayoutDump(layout, true, false), dump);
    doc.Paras().ClearRows();
    layout.Paginate();
    EXPECT_EQ(VYXLayoutDump(layout, true, false), dump);
}

TEST(LayoutDump, ResolutionChangesPixelsNotPages)
{
    TVYXLogDocEditor doc;
    LoadText(doc, cData + "/gpl-3.txt");
    TVYXGDILinux screen(96), printer(300);
    TVYXPaginatorDoc a(screen, doc);
    a.Paginate();
    const int pages = a.Pages().Count();
    const double width = a.Pages().GetItems(0).PageWidth;
    TVYXPaginatorDoc b(printer, doc);
    b.Paginate();
    EXPECT_GT(b.BrokenParas(), 0);  // another resolution breaks again
    EXPECT_NEAR(b.Pages().GetItems(0).PageWidth, width * 300 / 96, 0.01);
    EXPECT_NEAR(b.Pages().Count(), pages, 1);
}

TEST(LayoutDump, JsonListsTheSameRows)
{
    TVYXLogDocEditor doc;
    LoadText(doc, cData + "/gpl-3.txt");
    TVYXGDILinux gdi(96);
    TVYXPaginatorDoc layout(gdi, doc);
    layout.Paginate();
    const std::string json = VYXLayoutDump(layout, true, true);
    const std::string text = VYXLayoutDump(layout, true, false);
    std::size_t rows = 0, pos = 0;
    while ((pos = json.find("\"kind\": \"row\"", pos)) != std::string::npos) {
        ++rows;
        ++pos;
    }
    std::size_t textRows = 0;
    pos = 0;
    while ((pos = text.find("\n  row ", pos)) != std::string::npos) {
        ++textRows;
        ++pos;
    }
    EXPECT_EQ(rows, textRows);
    EXPECT_EQ(std::count(json.begin(), json.end(), '{'), std::count(json.begin(), json.end(), '}'));
    EXPECT_EQ(json.find("\"pages\": " + std::to_string(layout.Pages().Count())), 4u);
    // Without rows only the pages are listed.
    EXPECT_EQ(VYXLayoutDump(layout, false, false).find(" row "), std::string::npos);
}
