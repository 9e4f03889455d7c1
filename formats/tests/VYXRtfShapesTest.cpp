// VYXRtfShapesTest.cpp: floating pictures, text boxes and shapes read from \shp groups
// (real files and small inputs) and written back.
#include <gtest/gtest.h>

#include <filesystem>

#include "VYXRtfTestUtil.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXRtfShapes.h"
#include "formats/VYXWriteRTF.h"
#include "model/VYXDocDump.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "platform/VYXException.h"

namespace {

std::string CorpusPath(const char* name) { return std::string(VYX_SHARED_DIR) + "/corpus/rtf/" + name + ".rtf"; }

std::string Read(TVYXLogDocEditor& doc, std::string_view rtf)
{
    TVYXReadRTF(doc).LoadFromBytes(rtf);
    return RtfGraphicsDump(doc.Paras());
}

// Written and read again: the body and its floating objects must come back the same.
void ExpectRoundTrip(TVYXLogDocEditor& doc)
{
    const std::string written = TVYXWriteRTF(doc).SaveToBytes();
    TVYXLogDocEditor back;
    TVYXReadRTF(back).LoadFromBytes(written);
    EXPECT_EQ(RtfGraphicsDump(back.Paras()), RtfGraphicsDump(doc.Paras()));
    EXPECT_EQ(VYXDumpParas(back.Paras()), VYXDumpParas(doc.Paras()));
    // Our own output written again is the same bytes.
    EXPECT_EQ(TVYXWriteRTF(back).SaveToBytes(), written);
}

}  // namespace

// The corpus files with \shp groups: how many floating objects, where, and what they hold.
TEST(RtfShapes, CorpusFilesGiveTheirFloatingObjects)
{
    const struct {
        const char* Name;
        const char* Graphics;
    } cases[] = {
        // A text box placed against the column and paragraph, text in front of it (\shpwr3).
        {"tika-testRTFVarious",
         "para0 textbox:rect at 243.30,99.50 size 186.35x33.40 rel 0/0 wrap=4 z=0 fill=16777215 line=0:0.75 "
         "text=\"Here is a text box\"\n"},
        // A picture frame with its picture, text above and below it (\shpwr1); the frame's
        // own text (an embedded object) and its \shprslt are not read as body text.
        {"rtfpipe-Issue46", "para53 picture at 0.00,0.00 size 157.50x78.75 rel 0/0 wrap=5 z=0 fill=16777215(off) line=0:0.75(off)\n"},
        // Properties without a place: nothing to draw.
        {"rtfpipe-Issue52", ""},
        // Inline pictures (\shppict) stay inline.
        {"tika-testRTFRegularImages", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        if (!std::filesystem::exists(CorpusPath(c.Name)))
            GTEST_SKIP() << "shared corpus absent";
        TVYXLogDocEditor doc;
        EXPECT_EQ(Read(doc, ReadFileBytes(CorpusPath(c.Name))), c.Graphics);
        ExpectRoundTrip(doc);
    }
}

TEST(RtfShapes, ShapeGroupsFromSmallInputs)
{
    const struct {
        const char* Rtf;
        const char* Graphics;
        const char* Text;  // the body's text
    } cases[] = {
        // A preset shape with colours (blue-green-red), line width in EMU, a 16.16 angle,
        // centred on the page horizontally, behind the text.
        {R"({\rtf1 a{\shp{\*\shpinst\shpleft20\shptop40\shpright2020\shpbottom1040\shpbxpage\shpbypage\shpwr3\shpfblwtxt1\shpz5)"
         R"({\sp{\sn shapeType}{\sv 3}}{\sp{\sn fillColor}{\sv 255}}{\sp{\sn lineColor}{\sv 16711680}}{\sp{\sn lineWidth}{\sv 25400}})"
         R"({\sp{\sn rotation}{\sv 2949120}}{\sp{\sn posh}{\sv 2}}}{\shprslt fallback}}b\par})",
         "para0 shape:ellipse at 1.00,2.00 size 100.00x50.00 rel 7/7 alignH=2 wrap=3 z=5 angle=45.00 fill=16711680 line=255:2.00\n",
         "ab\n"},
        // Without a place the shape is not understood: its fallback is read instead.
        {R"({\rtf1 a{\shp{\*\shpinst{\sp{\sn shapeType}{\sv 3}}}{\shprslt fallback}}\par})", "", "afallback\n"},
        // A type the model does not draw: the fallback too.
        {R"({\rtf1 a{\shp{\*\shpinst\shpright100\shpbottom100{\sp{\sn shapeType}{\sv 1000}}}{\shprslt x}}\par})", "", "ax\n"},
        // \shpbxignore: posrelh / posrelv decide (3: character, line); wrap around on the larger side.
        {R"({\rtf1{\shp{\*\shpinst\shpright200\shpbottom200\shpbxcolumn\shpbxignore\shpbyignore\shpwr2\shpwrk3)"
         R"({\sp{\sn posrelh}{\sv 3}}{\sp{\sn posrelv}{\sv 3}}{\sp{\sn fFilled}{\sv 0}}{\sp{\sn fLine}{\sv 0}}}}x\par})",
         "para0 shape:rect at 0.00,0.00 size 10.00x10.00 rel 1/1 wrap=2 z=0 fill=16777215(off) line=0:0.75(off)\n", "x\n"},
        // A text box in a table cell, holding a paragraph with a shape of its own.
        {R"({\rtf1\trowd\cellx2000\pard\intbl{\shp{\*\shpinst\shpright1000\shpbottom400{\sp{\sn shapeType}{\sv 202}})"
         R"({\shptxt\pard one\par two{\shp{\*\shpinst\shpright100\shpbottom100{\sp{\sn shapeType}{\sv 5}}}}\par}}}cell\cell\row})",
         "para0 textbox:rect at 0.00,0.00 size 50.00x20.00 rel 0/0 wrap=1 z=0 fill=16777215 line=0:0.75 text=\"one two\" "
         "{para1 shape:triangle at 0.00,0.00 size 5.00x5.00 rel 0/0 wrap=1 z=0 fill=16777215 line=0:0.75}\n",
         "cell\n\n"},
        // A picture frame whose picture does not decode: its fallback is read.
        {R"({\rtf1{\shp{\*\shpinst\shpright100\shpbottom100{\sp{\sn shapeType}{\sv 75}}{\sp{\sn pib}{\sv {\pict\pngblip 00ff}}}})"
         R"({\shprslt alt}}\par})",
         "", "alt\n"},
        // A text box inside a link's result: its text is the box's own, not link text.
        {R"({\rtf1{\field{\*\fldinst HYPERLINK "http://x.y/"}{\fldrslt go{\shp{\*\shpinst\shpright100\shpbottom100)"
         R"({\shptxt\pard inbox\par}}}}}\par})",
         "para0 textbox:rect at 0.00,0.00 size 5.00x5.00 rel 0/0 wrap=1 z=0 fill=16777215 line=0:0.75 text=\"inbox\"\n", "go\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Rtf);
        TVYXLogDocEditor doc;
        EXPECT_EQ(Read(doc, c.Rtf), c.Graphics);
        EXPECT_EQ(ToUtf8(RtfBodyText(doc.Paras())), c.Text);
        ExpectRoundTrip(doc);
    }
}

// Pictures are written with a \shprslt fallback: a reader that skips the shape still sees
// the picture inline, and ours reads it once, as the floating object.
TEST(RtfShapes, PicturesCarryAnInlineFallback)
{
    const std::string path = CorpusPath("rtfpipe-Issue46");
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "shared corpus absent";
    TVYXLogDocEditor doc;
    Read(doc, ReadFileBytes(path));
    const std::string written = TVYXWriteRTF(doc).SaveToBytes();
    const std::size_t rslt = written.find("{\\shprslt {\\pict");
    ASSERT_NE(rslt, std::string::npos);
    EXPECT_NE(written.find("{\\sp{\\sn pib}{\\sv {\\pict"), std::string::npos);
    // Without the shape instructions the fallback is an inline picture.
    std::string plain = written;
    const std::size_t inst = plain.find("{\\*\\shpinst");
    ASSERT_NE(inst, std::string::npos);
    plain.erase(inst, rslt - inst);
    TVYXLogDocEditor other;
    EXPECT_EQ(Read(other, plain), "");
    EXPECT_NE(VYXDumpParas(other.Paras()).find("picture bytes="), std::string::npos);
    EXPECT_EQ(VYXDumpParas(doc.Paras()).find("picture bytes="), std::string::npos);
}

TEST(RtfShapes, TypeNumbersAndPresetsAgree)
{
    for (int type = 0; type < 256; ++type) {
        const std::string_view preset = VYXRtfShapePreset(type);
        if (preset.empty() || type == 75 || type == 202)
            continue;
        SCOPED_TRACE(type);
        EXPECT_EQ(VYXRtfShapeTypeOf(preset), type);
    }
    EXPECT_EQ(VYXRtfShapeTypeOf("noSuchShape"), 1);
}

// Across the corpus: floating objects, notes and headers come back from a write and a read.
TEST(RtfShapes, CorpusObjectsAndNotesSurviveARoundTrip)
{
    const auto files = RtfCorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "shared corpus absent";
    int withObjects = 0;
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        TVYXLogDocEditor doc;
        try {
            TVYXReadRTF(doc).LoadFromBytes(ReadFileBytes(path));
        } catch (const VYXException&) {
            // Unbalanced files keep what was read; the round trip starts from that.
        }
        TVYXLogDocEditor back;
        TVYXReadRTF(back).LoadFromBytes(TVYXWriteRTF(doc).SaveToBytes());
        const std::string graphics = RtfGraphicsDump(doc.Paras());
        withObjects += graphics.empty() ? 0 : 1;
        EXPECT_EQ(RtfGraphicsDump(back.Paras()), graphics);
        EXPECT_EQ(VYXDumpParas(back.Footnotes().Paras()), VYXDumpParas(doc.Footnotes().Paras()));
        EXPECT_EQ(VYXDumpParas(back.Endnotes().Paras()), VYXDumpParas(doc.Endnotes().Paras()));
        for (TVYXHeadersFooters* hf : {&doc.Headers(), &doc.Footers()})
            for (TVYXHeaderFooterType type : {ahftDefault, ahftFirst, ahftEven})
                if (const TVYXLogDocEditor* part = hf->Find(type)) {
                    const TVYXLogDocEditor* again = (hf == &doc.Headers() ? back.Headers() : back.Footers()).Find(type);
                    ASSERT_NE(again, nullptr);
                    EXPECT_EQ(VYXDumpParas(again->Paras()), VYXDumpParas(part->Paras()));
                    EXPECT_EQ(RtfGraphicsDump(again->Paras()), RtfGraphicsDump(part->Paras()));
                }
    }
    EXPECT_GE(withObjects, 2);
}

// Every prefix of a file with shapes (a text box holding a table and a shape, a rotated
// preset), as our writer writes it, reads without crashing and leaves valid lists: the
// text box's target is closed with its group, whatever was open.
TEST(RtfShapes, EveryTruncationFailsCleanly)
{
    TVYXLogDocEditor source;
    Read(source,
         R"({\rtf1 a{\shp{\*\shpinst\shpright2000\shpbottom1000{\sp{\sn shapeType}{\sv 202}})"
         R"({\shptxt\pard in box\par\trowd\cellx500\pard\intbl c\cell\row\pard{\shp{\*\shpinst\shpright10\shpbottom10}}x\par}}}b\par)"
         R"({\shp{\*\shpinst\shpleft10\shpright110\shpbottom100{\sp{\sn shapeType}{\sv 3}}{\sp{\sn rotation}{\sv 65536}}}}c\par})");
    ASSERT_NE(RtfGraphicsDump(source.Paras()), "");
    const std::string full = TVYXWriteRTF(source).SaveToBytes();
    for (std::size_t n = 0; n < full.size(); ++n) {
        SCOPED_TRACE(n);
        TVYXLogDocEditor doc;
        try {
            TVYXReadRTF(doc).LoadFromBytes(std::string_view(full).substr(0, n));
        } catch (const VYXException&) {
        }
        ASSERT_GT(doc.Paras().Count(), 0);
        EXPECT_TRUE(doc.Paras().Last()->IsPara());
        (void)RtfGraphicsDump(doc.Paras());
        (void)TVYXWriteRTF(doc).SaveToBytes();
    }
}

// Pasting reads shapes into the scratch list too. The scratch list has no store for
// text-box paragraphs: a box's text is read where the box stood rather than lost.
TEST(RtfShapes, PastedShapesKeepTheirText)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"mine");
    auto scratch = doc.CreateParas();
    TVYXReadRTF(doc).LoadFromBytes(
        R"({\rtf1 a{\shp{\*\shpinst\shpright2000\shpbottom1000\shpwr1{\shptxt\pard boxed\par}}{\shprslt fallback}}b)"
        R"({\shp{\*\shpinst\shpright2000\shpbottom1000{\sp{\sn shapeType}{\sv 3}}}}\par})", *scratch);
    EXPECT_EQ(RtfGraphicsDump(*scratch),
              "para1 shape:ellipse at 0.00,0.00 size 100.00x50.00 rel 0/0 wrap=1 z=0 fill=16777215 line=0:0.75\n");
    EXPECT_EQ(ToUtf8(RtfBodyText(*scratch)), "aboxed\nb\n\n");
    EXPECT_EQ(RtfGraphicsDump(doc.Paras()), "");
    EXPECT_EQ(ToUtf8(RtfBodyText(doc.Paras())), "mine\n");
}

TEST(RtfShapes, TextBoxInALinkHoldsPlainText)
{
    TVYXLogDocEditor doc;
    Read(doc, R"({\rtf1{\field{\*\fldinst HYPERLINK "http://x.y/"}{\fldrslt go{\shp{\*\shpinst\shpright100\shpbottom100)"
              R"({\shptxt\pard inbox\par}}}}}\par})");
    const TVYXGraphicObjList* graphics = doc.Paras().GetParas(0)->Graphics();
    ASSERT_NE(graphics, nullptr);
    const auto* box = dynamic_cast<const TVYXGraphicRotate*>(&graphics->GetItems(0));
    ASSERT_TRUE(box && box->TextBox && box->TextBox->Paras);
    const std::string inside = VYXDumpParas(*box->TextBox->Paras);
    EXPECT_NE(inside.find("text \"inbox\""), std::string::npos) << inside;
    EXPECT_EQ(inside.find("link"), std::string::npos) << inside;
    EXPECT_NE(VYXDumpParas(doc.Paras()).find("link first last url=\"http://x.y/\" \"go\""), std::string::npos);
}
