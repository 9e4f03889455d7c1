// VYXWriteRTFTest.cpp: the RTF writer: round trips over the corpus and the writer's own rules.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#include "VYXRtfTestUtil.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXWriteRTF.h"
#include "model/VYXDocDump.h"
#include "model/VYXLogParas.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {

void Load(TVYXLogDocEditor& doc, std::string_view bytes)
{
    try {
        TVYXReadRTF(doc).LoadFromBytes(bytes);
    } catch (const VYXException&) {
        // The unbalanced corpus files keep what was read; the round trip starts from that.
    }
}

// The first differing line of two dumps, for the report.
std::string FirstDiff(const std::string& a, const std::string& b)
{
    std::size_t line = 0, i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        if (a[i++] == '\n')
            ++line;
    auto lineAt = [](const std::string& s, std::size_t at) {
        const std::size_t from = s.rfind('\n', at == 0 ? 0 : at - 1);
        const std::size_t start = from == std::string::npos ? 0 : from + 1;
        return s.substr(start, s.find('\n', start) - start);
    };
    return "line " + std::to_string(line + 1) + ":\n    before: " + lineAt(a, i) + "\n    after:  " + lineAt(b, i);
}

}  // namespace

// read -> write -> read gives the same body (dump: paragraphs, runs, resolved
// formats, tables) for the corpus, and writing twice gives the same bytes.
TEST(WriteRTF, CorpusRoundTripKeepsTheBody)
{
    const auto files = RtfCorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "shared corpus absent";
    int same = 0, sameText = 0;
    std::string report;
    for (const std::string& path : files) {
        const std::string name = std::filesystem::path(path).filename().string();
        SCOPED_TRACE(name);
        TVYXLogDocEditor first;
        Load(first, ReadFileBytes(path));
        const std::string written = TVYXWriteRTF(first).SaveToBytes();
        EXPECT_EQ(written, TVYXWriteRTF(first).SaveToBytes());  // deterministic
        EXPECT_EQ(written.find('\n'), std::string::npos);      // no line breaks
        EXPECT_TRUE(std::all_of(written.begin(), written.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
        TVYXLogDocEditor second;
        try {
            TVYXReadRTF(second).LoadFromBytes(written);
        } catch (const VYXException& e) {
            ADD_FAILURE() << "our own output does not read: " << e.what();
            continue;
        }
        const std::string before = VYXDumpParas(first.Paras()), after = VYXDumpParas(second.Paras());
        if (RtfBodyText(first.Paras()) == RtfBodyText(second.Paras()))
            ++sameText;
        if (before == after)
            ++same;
        else
            report += name + " " + FirstDiff(before, after) + "\n";
    }
    std::cout << "RTF round trip: " << same << " of " << files.size() << " bodies equal, " << sameText
              << " texts equal\n"
              << report;
    EXPECT_EQ(sameText, static_cast<int>(files.size()));
    EXPECT_GE(same * 100, static_cast<int>(files.size()) * 95) << report;
}
