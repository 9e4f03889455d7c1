// VYXTestSheetTest.cpp: the test sheet's drawing calls as a trace golden; brackets balanced, drawing repeatable.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "layout/VYXGDIAbstract.h"
#include "layout/VYXTestSheet.h"
#include "platform/tests/VYXGolden.h"

namespace {

std::string DrawTrace(int ppi)
{
    TVYXGDITrace gdi(ppi);
    gdi.SetSize(gdi.PtToPixX(612), gdi.PtToPixY(792));
    VYXDrawTestSheet(gdi);
    return gdi.Text();
}

int CountLines(const std::string& text, const std::string& start)
{
    std::istringstream in(text);
    int n = 0;
    for (std::string line; std::getline(in, line);)
        if (line.find_first_not_of(' ') != std::string::npos && line.compare(line.find_first_not_of(' '), start.size(), start) == 0)
            ++n;
    return n;
}

}  // namespace

TEST(TestSheet, TraceMatchesGolden)
{
    const std::string trace = DrawTrace(96);
    EXPECT_TRUE(VYXMatchesGolden(trace, std::string(VYX_SOURCE_DIR) + "/layout/tests/golden/test-sheet.trace"));
}

// Every bracket the sheet opens it closes, and a second drawing on a fresh device
// gives the same calls: no state leaks from one sheet into the next.
TEST(TestSheet, BracketsBalanceAndDrawingRepeats)
{
    const std::string trace = DrawTrace(96);
    EXPECT_GT(CountLines(trace, "BeginClip"), 0);
    EXPECT_EQ(CountLines(trace, "BeginClip"), CountLines(trace, "EndClip"));
    EXPECT_GT(CountLines(trace, "BeginMatrix"), 0);
    EXPECT_EQ(CountLines(trace, "BeginMatrix"), CountLines(trace, "EndMatrix"));
    EXPECT_EQ(CountLines(trace, "SetXorMode on"), CountLines(trace, "SetXorMode off"));
    EXPECT_EQ(trace.back(), '\n');
    EXPECT_EQ(DrawTrace(96), trace);

    // At twice the resolution the same calls come in the same order, at other places.
    const std::string doubled = DrawTrace(192);
    EXPECT_NE(doubled, trace);
    EXPECT_EQ(CountLines(doubled, "DrawShape"), CountLines(trace, "DrawShape"));
    EXPECT_EQ(CountLines(doubled, "TextOutF"), CountLines(trace, "TextOutF"));
}
