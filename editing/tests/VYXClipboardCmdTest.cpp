// VYXClipboardCmdTest.cpp: copy, cut and paste round trips through the clipboard object.
#include <gtest/gtest.h>

#include "editing/VYXClipboardCmd.h"
#include "model/VYXCharRun.h"
#include "platform/VYXException.h"
#include "model/tests/VYXBodyTestDoc.h"

namespace {

TVYXDocRange In(TVYXLogPara* first, std::int32_t from, TVYXLogPara* last, std::int32_t to)
{
    return {VYXAddressOf(*first, from), VYXAddressOf(*last, to)};
}

TVYXDocRange At(TVYXLogPara* para, std::int32_t pos) { return In(para, pos, para, pos); }

// A 1x1 24-bit BMP: file header, info header, one blue pixel padded to 4 bytes.
std::string OnePixelBmp()
{
    std::string b(58, '\0');
    auto put32 = [&b](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B', b[1] = 'M';
    put32(2, 58), put32(10, 54), put32(14, 40), put32(18, 1), put32(22, 1);
    b[26] = 1, b[28] = 24;
    put32(34, 4);
    b[54] = static_cast<char>(0xFF);
    return b;
}

struct TCountingWatcher : TVYXDocWatcher {
    int Edits = 0;
    void DocChanged(TVYXLogDocument&, const TVYXDocEditEvent&) override { ++Edits; }
};

}  // namespace

TEST(ClipboardCmd, CopyPasteAcrossParagraphsAndCells)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p0 = doc.Body.AppendPara(u"Hello brave");
    TVYXLogPara* p1 = doc.Body.AppendPara(u"new world");
    TVYXTable* t = doc.Body.AddTable(2, 1);
    t->GetCells(0, 0)->FirstPara()->SetPlainText(u"left");
    t->GetCells(1, 0)->FirstPara()->SetPlainText(u"right");
    TVYXLogPara* last = doc.Body.AppendPara(u"End");
    TVYXClipboard clipboard;
    TVYXClipboardCmd cmd(doc.Doc, clipboard);

    EXPECT_FALSE(cmd.Copy(At(p0, 3)));  // an empty selection copies nothing
    EXPECT_EQ(clipboard.FirstAvailable(), acfNone);

    ASSERT_TRUE(cmd.Copy(In(p0, 7, p1, 4)));
    EXPECT_EQ(clipboard.Text(), u"brave\r\nnew");
    EXPECT_TRUE(clipboard.HasFormat(acfAnsiText));
    // Our own content comes back whole: a paragraph mark, not a line of text.
    const auto got = cmd.Paste(At(last, 4));
    ASSERT_TRUE(got);
    EXPECT_EQ(ReadingOrder(doc.Body),
              (std::vector<std::u16string>{u"Hello brave", u"new world", u"left", u"right", u"Endbrave", u"new"}));
    EXPECT_EQ(got->Last, VYXAddressOf(*doc.Body.GetParas(doc.Body.Count() - 1), 4));

    // Into a cell, replacing its text.
    TVYXLogPara* right = t->GetCells(1, 0)->FirstPara();
    ASSERT_TRUE(cmd.Paste(In(right, 1, right, 6)));
    EXPECT_EQ(ReadingOrder(doc.Body), (std::vector<std::u16string>{u"Hello brave", u"new world", u"left", u"brave", u"new",
                                                                   u"Endbrave", u"new"}));

    // A range from the body into a cell copies its text; cutting it empties what it covers.
    TVYXLogPara* left = t->GetCells(0, 0)->FirstPara();
    ASSERT_TRUE(cmd.Cut(In(p1, 5, left, 3)));
    EXPECT_EQ(clipboard.Text(), u"world\r\nle");
    EXPECT_EQ(ReadingOrder(doc.Body),
              (std::vector<std::u16string>{u"Hello brave", u"new ", u"ft", u"brave", u"new", u"Endbrave", u"new"}));
}

TEST(ClipboardCmd, FormatsInOrderAndReaders)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"[]");
    TVYXClipboard clipboard;
    TVYXClipboardCmd cmd(doc.Doc, clipboard);
    TCountingWatcher watcher;
    doc.Doc.AddWatcher(watcher);

    EXPECT_FALSE(cmd.Paste(At(p, 2)));  // an empty clipboard changes nothing
    {
        TVYXClipboardScope scope(clipboard);
        clipboard.PutRTF("{\\rtf1 rich}");
        clipboard.PutText(u"one\ntwo\n");
    }
    // No RTF reader yet: the text is taken, and its last line end is a paragraph mark.
    ASSERT_TRUE(cmd.Paste(At(p, 2)));
    EXPECT_EQ(ReadingOrder(doc.Body), (std::vector<std::u16string>{u"[one", u"two", u"]"}));
    EXPECT_EQ(watcher.Edits, 1);

    cmd.SetReader(acfRTF, [](std::string_view bytes, TVYXLogParas& paras) {
        paras.AppendPara(bytes == "{\\rtf1 rich}" ? u"rich" : u"?");
        return true;
    });
    ASSERT_TRUE(cmd.Paste(At(doc.Body.GetParas(2), 1)));
    EXPECT_EQ(ReadingOrder(doc.Body), (std::vector<std::u16string>{u"[one", u"two", u"rich]"}));
    // Plain paste and an explicit format skip the RTF.
    ASSERT_TRUE(cmd.PastePlain(At(doc.Body.GetParas(1), 4)));
    ASSERT_TRUE(cmd.Paste(At(doc.Body.GetParas(0), 1), acfAnsiText));
    EXPECT_EQ(ReadingOrder(doc.Body),
              (std::vector<std::u16string>{u"one", u"two", u"[one", u"twoone", u"two", u"", u"rich]"}));
    // A reader that fails leaves the document alone and the next format is tried.
    cmd.SetReader(acfRTF, [](std::string_view, TVYXLogParas&) { return false; });
    cmd.SetReader(acfText, [](std::string_view, TVYXLogParas&) -> bool { throw VYXException("bad"); return false; });
    const int before = watcher.Edits;
    ASSERT_TRUE(cmd.Paste(At(doc.Body.GetParas(0), 1)));
    EXPECT_EQ(doc.Body.GetParas(0)->GetPlainText(), u"one");
    EXPECT_EQ(doc.Body.GetParas(1)->GetPlainText(), u"two");  // the ANSI text, pasted
    EXPECT_EQ(doc.Body.GetParas(2)->GetPlainText(), u"one");
    EXPECT_EQ(watcher.Edits, before + 1);
    doc.Doc.RemoveWatcher(watcher);
}

TEST(ClipboardCmd, PicturesPasteInlineAndCopyAsPictures)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"ab");
    TVYXClipboard clipboard;
    TVYXClipboardCmd cmd(doc.Doc, clipboard);
    clipboard.PutGraphic(acfBitmap, "not a picture");
    EXPECT_FALSE(cmd.Paste(At(p, 2)));
    EXPECT_EQ(p->GetPlainText(), u"ab");

    clipboard.PutGraphic(acfBitmap, OnePixelBmp());
    const auto got = cmd.Paste(At(p, 2));
    ASSERT_TRUE(got);
    EXPECT_EQ(got->Last.CharPos, 3);  // the caret goes one character right
    TVYXLogPos pos(p, 2);
    ASSERT_NE(pos.GetCharRun(), nullptr);
    EXPECT_EQ(pos.GetCharRun()->Type_(), acrtPicture);

    // Copying just the picture offers it as a picture too, with the same bytes.
    clipboard.Clear();
    ASSERT_TRUE(cmd.Copy(In(p, 2, p, 3)));
    EXPECT_EQ(clipboard.Bytes(acfBitmap), OnePixelBmp());
    // Another program replacing the text means our kept copy is stale.
    clipboard.PutText(u"outside");
    ASSERT_TRUE(cmd.Paste(At(p, 1)));
    EXPECT_EQ(p->GetPlainText().substr(0, 8), u"outsidea");
}

TEST(ClipboardCmd, CutThenPasteGivesTheDocumentBack)
{
    // Ranges in the root list, one over a whole table, and one inside a nested cell.
    TVYXBodyTestDoc doc;
    TVYXLogPara* p0 = doc.Body.AppendPara(u"First paragraph");
    TVYXTable* t = doc.Body.AddTable(2, 2);
    t->GetCells(0, 0)->FirstPara()->SetPlainText(u"a1");
    TVYXTable* inner = t->GetCells(1, 1)->Paras().AddTable(1, 1);
    TVYXLogPara* nested = inner->GetCells(0, 0)->FirstPara();
    nested->SetPlainText(u"nested words");
    TVYXLogPara* after = doc.Body.AppendPara(u"After the table");
    doc.Body.AppendPara(u"Last");
    const std::vector<std::u16string> original = ReadingOrder(doc.Body);
    TVYXClipboard clipboard;
    TVYXClipboardCmd cmd(doc.Doc, clipboard);

    const TVYXDocRange ranges[] = {
        In(p0, 7, after, 6),   // over the whole table
        In(nested, 3, nested, 9),
        In(p0, 1, p0, 16),     // one whole paragraph's text
    };
    const TVYXDocAddress nestedAt = VYXAddressOf(*nested, 1);
    for (const TVYXDocRange& range : ranges) {
        ASSERT_TRUE(cmd.Cut(range));
        EXPECT_NE(ReadingOrder(doc.Body), original);
        const auto got = cmd.Paste({range.First, range.First});
        ASSERT_TRUE(got);
        EXPECT_EQ(*got, range);
        EXPECT_EQ(ReadingOrder(doc.Body), original);
        // The table came back as new objects: its paragraphs are found by address.
        EXPECT_EQ(VYXParaAt(doc.Body, nestedAt)->GetPlainText(), u"nested words");
    }
}
