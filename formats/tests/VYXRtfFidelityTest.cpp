// VYXRtfFidelityTest.cpp: merged cells, style-sheet paragraph formats and shapes,
// read from small inputs and real files and written back.
#include <gtest/gtest.h>

#include <filesystem>

#include "VYXRtfTestUtil.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXWriteRTF.h"
#include "model/VYXDocDump.h"
#include "model/VYXLogParas.h"
#include "model/VYXParaProps.h"
#include "model/VYXTable.h"

namespace {

const TVYXTable* FirstTable(const TVYXLogParas& paras)
{
    for (int i = 0; i < paras.Count(); ++i)
        if (paras.GetItems(i)->IsTable())
            return static_cast<const TVYXTable*>(paras.GetItems(i));
    return nullptr;
}

// Written and read again; the copy's dump.
std::string RoundTripDump(TVYXLogDocEditor& doc, TVYXLogDocEditor& back)
{
    TVYXReadRTF(back).LoadFromBytes(TVYXWriteRTF(doc).SaveToBytes());
    return VYXDumpParas(back.Paras());
}

}  // namespace

// ---- merged cells ----

TEST(RtfMergedCells, HorizontalRunsJoinTheirFirstCell)
{
    TVYXLogDocEditor doc;
    TVYXReadRTF(doc).LoadFromBytes(
        R"({\rtf1\trowd\clmgf\cellx1000\clmrg\cellx2000\clmrg\cellx3000\cellx4000\clmgf\cellx5000\clmrg\cellx6000)"
        R"(\intbl a\cell b\cell c\cell d\cell e\cell f\cell\row)"
        R"(\trowd\clmrg\cellx1000\cellx2000\intbl x\cell y\cell\row})");
    const TVYXTable* table = FirstTable(doc.Paras());
    ASSERT_NE(table, nullptr);
    const TVYXTableRow& row = *table->GetRows(0);
    ASSERT_EQ(row.Count(), 3);
    EXPECT_EQ(row.GetCells(0)->GridSpan, 3);
    EXPECT_DOUBLE_EQ(row.GetCells(0)->GetWidth(), 150.0);  // three cells of 1000 twips
    EXPECT_EQ(row.GetCells(1)->GridSpan, 1);
    EXPECT_EQ(row.GetCells(2)->GridSpan, 2);
    // The continued cells' text is kept in the merged cell, in order.
    EXPECT_EQ(ToUtf8(RtfNormalizeSpace(RtfBodyText(row.GetCells(0)->Paras()))), "a b c");
    // A continuation with nothing before it stays a cell of its own.
    EXPECT_EQ(table->GetRows(1)->Count(), 2);
}

TEST(RtfMergedCells, HorizontalAndVerticalMergesRoundTrip)
{
    TVYXLogDocEditor doc;
    TVYXReadRTF(doc).LoadFromBytes(
        R"({\rtf1\trowd\clvmgf\cellx1000\clmgf\cellx2000\clmrg\cellx3000\intbl a\cell b\cell\cell\row)"
        R"(\trowd\clvmrg\cellx1000\cellx2000\cellx3000\intbl\cell c\cell d\cell\row})");
    const TVYXTable* table = FirstTable(doc.Paras());
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->GetRows(0)->GetCells(0)->GetMergedRoot());
    EXPECT_TRUE(table->GetRows(1)->GetCells(0)->GetMerged());
    EXPECT_EQ(table->GetRows(0)->GetCells(1)->GridSpan, 2);
    const std::string dump = VYXDumpParas(doc.Paras());
    TVYXLogDocEditor back;
    EXPECT_EQ(RoundTripDump(doc, back), dump);
    // And a third time gives the same bytes: the writer is stable on merges.
    EXPECT_EQ(TVYXWriteRTF(back).SaveToBytes(), TVYXWriteRTF(doc).SaveToBytes());
}

TEST(RtfMergedCells, CorpusFilesKeepTheirMergesThroughARoundTrip)
{
    for (const char* name : {"rtfpipe-Issue50-1", "rtfpipe-merged_cells"}) {
        SCOPED_TRACE(name);
        const std::string path = std::string(VYX_SHARED_DIR) + "/corpus/rtf/" + name + ".rtf";
        if (!std::filesystem::exists(path))
            GTEST_SKIP() << "shared corpus absent";
        TVYXLogDocEditor doc;
        TVYXReadRTF(doc).LoadFromBytes(ReadFileBytes(path));
        const std::string dump = VYXDumpParas(doc.Paras());
        EXPECT_NE(dump.find(std::string(name) == "rtfpipe-Issue50-1" ? " span=" : " merge=root"), std::string::npos);
        TVYXLogDocEditor back;
        EXPECT_EQ(RoundTripDump(doc, back), dump);
    }
}

// ---- style sheet ----

TEST(RtfStyleSheet, ParagraphStylesGiveTheirFormatsThroughS)
{
    TVYXLogDocEditor doc;
    TVYXReadRTF(doc).LoadFromBytes(
        R"({\rtf1{\stylesheet{\ql\sa120 Normal;}{\s1\qc\sb240\sa60\keepn\li720 heading 1;}{\*\cs10 \b Strong;}})"
        R"(\pard\s1 Title\par \pard\s1\ql\li0 Left title\par \pard\s7 unknown style\par \pard\plain plain\par)"
        R"(\trowd\cellx1000\pard\intbl\s1 cell\cell\row})");
    const TVYXLogParas& paras = doc.Paras();
    ASSERT_GE(paras.Count(), 5);
    const TVYXPAPX& title = paras.GetParas(0)->PAPX();
    EXPECT_EQ(title.GetAlignment(), vyptaCenter);
    EXPECT_DOUBLE_EQ(title.GetSpaceBefore(), 12.0);
    EXPECT_DOUBLE_EQ(title.GetSpaceAfter(), 3.0);
    EXPECT_DOUBLE_EQ(title.GetIndentLeft(), 36.0);
    EXPECT_TRUE(title.GetKeepNext());
    // The paragraph's own keywords after \s override the style's.
    const TVYXPAPX& left = paras.GetParas(1)->PAPX();
    EXPECT_EQ(left.GetAlignment(), vyptaLeft);
    EXPECT_DOUBLE_EQ(left.GetIndentLeft(), 0.0);
    EXPECT_DOUBLE_EQ(left.GetSpaceBefore(), 12.0);
    // A style the sheet does not define changes nothing; \pard alone gives no style formats.
    EXPECT_DOUBLE_EQ(paras.GetParas(2)->PAPX().GetSpaceBefore(), 0.0);
    EXPECT_FALSE(paras.GetParas(3)->PAPX().GetKeepNext());
    // Inside a table the style does not take the paragraph out of its cell.
    const TVYXTable* table = FirstTable(paras);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(ToUtf8(RtfNormalizeSpace(RtfBodyText(table->GetRows(0)->GetCells(0)->Paras()))), "cell");
    EXPECT_DOUBLE_EQ(table->GetRows(0)->GetCells(0)->Paras().GetParas(0)->PAPX().GetSpaceBefore(), 12.0);
}

// Styled paragraphs written and read back keep the formats the styles gave them.
TEST(RtfStyleSheet, StyledFormatsSurviveARoundTrip)
{
    TVYXLogDocEditor doc;
    TVYXReadRTF(doc).LoadFromBytes(
        R"({\rtf1{\stylesheet{\s2\qr\sb100\fi-200\li400 Quote;}}\pard\s2 one\par \pard\s2\sa80 two\par})");
    const std::string dump = VYXDumpParas(doc.Paras());
    EXPECT_EQ(doc.Paras().GetParas(1)->PAPX().GetAlignment(), vyptaRight);
    TVYXLogDocEditor back;
    EXPECT_EQ(RoundTripDump(doc, back), dump);
}
