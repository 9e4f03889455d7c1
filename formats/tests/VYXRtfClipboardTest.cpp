// VYXRtfClipboardTest.cpp: copy puts RTF on the clipboard, paste in another document reads it back.
#include <gtest/gtest.h>

#include "VYXRtfTestUtil.h"
#include "editing/VYXClipboardCmd.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXRtfClipboard.h"
#include "model/VYXDocDump.h"
#include "model/VYXLogParas.h"
#include "platform/VYXClipboard.h"

namespace {
TVYXDocRange Range(int item1, int pos1, int item2, int pos2)
{
    TVYXDocRange r;
    r.First.Item = item1, r.First.CharPos = pos1;
    r.Last.Item = item2, r.Last.CharPos = pos2;
    return r;
}
}  // namespace

TEST(RtfClipboard, CopyWritesRtfAndPasteReadsItWithFormats)
{
    TVYXLogDocEditor source;
    TVYXReadRTF(source).LoadFromBytes(R"({\rtf1{\colortbl;\red255\green0\blue0;}\pard\qc plain {\b bold \cf1 red}\par
\pard second {\i line}\par})");
    TVYXClipboard clipboard;
    TVYXClipboardCmd copy(source.MainEditor(), clipboard);
    VYXInstallRtfClipboard(copy, source);
    // From inside the first paragraph's bold word to the middle of the second.
    ASSERT_TRUE(copy.Copy(Range(0, 7, 1, 4)));
    ASSERT_TRUE(clipboard.HasFormat(acfRTF));
    EXPECT_TRUE(VYXLooksLikeRtf(clipboard.Bytes(acfRTF)));

    TVYXLogDocEditor target;
    target.AppendParaUI(u"[]");
    TVYXClipboardCmd paste(target, clipboard);
    VYXInstallRtfClipboard(paste, target);
    ASSERT_TRUE(paste.Paste(Range(0, 2, 0, 2)));
    EXPECT_EQ(ToUtf8(RtfBodyText(target.Paras())), "[bold red\nsec]\n");
    const std::string dump = VYXDumpParas(target.Paras());
    // The source's 12-point text stays 12 points in a document whose default is 10.
    EXPECT_NE(dump.find("text \"bold \" size=12 bold"), std::string::npos) << dump;
    EXPECT_NE(dump.find("text \"red\" size=12 bold color=FF0000"), std::string::npos) << dump;
    EXPECT_NE(dump.find("text \"sec\" size=12"), std::string::npos) << dump;

    // Bad RTF on the clipboard: the paste falls back to the text, the document stays whole.
    {
        TVYXClipboardScope scope(clipboard);
        clipboard.PutRTF("{\\rtf1 broken\\'zz}");
        clipboard.PutText(u"plain");
    }
    ASSERT_TRUE(paste.Paste(Range(0, 1, 0, 1)));
    EXPECT_EQ(ToUtf8(RtfBodyText(target.Paras())).substr(0, 6), "plain[");
}
