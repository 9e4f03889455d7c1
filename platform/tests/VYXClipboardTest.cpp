// VYXClipboardTest.cpp: formats, the write bracket and the change event.
#include <gtest/gtest.h>

#include "platform/VYXClipboard.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

TEST(Clipboard, CopyReplacesTheWholeContentOnceAndPrefersRichFormats)
{
    TVYXClipboard clipboard;
    int changes = 0;
    clipboard.ChangeEvent = [&](TVYXClipboard&) { ++changes; };
    EXPECT_EQ(clipboard.FirstAvailable(), acfNone);
    EXPECT_TRUE(clipboard.Text().empty());

    clipboard.PutGraphic(acfBitmap, "PNG");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clipboard.FirstAvailable(), acfBitmap);
    {
        // A copy of text: RTF and the text go on together, the picture goes.
        TVYXClipboardScope scope(clipboard);
        clipboard.PutRTF("{\\rtf1 caf\\'e9}");
        clipboard.PutText(u"café €");
        EXPECT_EQ(changes, 1);  // nothing reported while the bracket is open
    }
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(clipboard.HasFormat(acfBitmap));
    EXPECT_EQ(clipboard.FirstAvailable(), acfRTF);
    EXPECT_EQ(clipboard.Bytes(acfText), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(clipboard.Bytes(acfAnsiText), "caf\xE9 \x80");
    EXPECT_EQ(clipboard.Text(), u"café €");
    TVYXMemoryStream rtf = clipboard.CreateStream(acfRTF);
    EXPECT_EQ(rtf.ReadAll(), "{\\rtf1 caf\\'e9}");

    // A host that only has 8-bit text fills just that; the text comes from it.
    clipboard.Put(acfAnsiText, "na\xEFve");
    EXPECT_EQ(clipboard.FirstAvailable(), acfAnsiText);
    EXPECT_EQ(clipboard.Text(), u"naïve");

    EXPECT_THROW(clipboard.Put(acfNone, "x"), VYXException);
    clipboard.Clear();
    EXPECT_EQ(clipboard.FirstAvailable(), acfNone);
}
