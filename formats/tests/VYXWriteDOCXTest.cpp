// VYXWriteDOCXTest.cpp: the DOCX writer: its output read back, validated and compared.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>
#include <filesystem>
#include <fstream>
#include <string>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXWriteDOCX.h"
#include "formats/VYXZip5.h"
#include "formats/tests/VYXZipTestUtil.h"
#include "model/VYXCharProps.h"
#include "model/VYXDocDump.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXLogPara.h"
#include "model/VYXNotes.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace fs = std::filesystem;

namespace {

// Everything the dump shows of a document: body, headers, footers and notes.
std::string FullDump(TVYXLogDocEditor& doc)
{
    std::string out = VYXDumpParas(doc.Paras());
    const std::pair<TVYXHeaderFooterType, const char*> kinds[] = {{ahftDefault, "default"}, {ahftFirst, "first"}, {ahftEven, "even"}};
    for (bool header : {true, false})
        for (const auto& [kind, name] : kinds)
            if (TVYXLogDocEditor* e = (header ? doc.Headers() : doc.Footers()).Find(kind))
                out += std::string(header ? "header " : "footer ") + name + "\n" + VYXDumpParas(e->Paras(), 1);
    // Text boxes in any order: headers, read where their section is, may come first or last.
    std::vector<std::string> boxes;
    for (int i = 0; i < doc.TextBoxes().Count(); ++i)
        boxes.push_back("text box\n" + VYXDumpParas(doc.TextBoxes().GetItems(i).Paras(), 1));
    std::sort(boxes.begin(), boxes.end());
    for (const std::string& box : boxes)
        out += box;
    if (doc.FootnoteList().Count() > 0)
        out += "footnotes\n" + VYXDumpParas(doc.Footnotes().Paras(), 1);
    if (doc.EndnoteList().Count() > 0)
        out += "endnotes\n" + VYXDumpParas(doc.Endnotes().Paras(), 1);
    return out;
}

}  // namespace

TEST(WriteDOCX, CorpusRoundTripKeepsTheDump)
{
    const fs::path dir = fs::path(VYX_SHARED_DIR) / "corpus" / "docx";
    if (!fs::is_directory(dir))
        GTEST_SKIP() << "no shared corpus";
    int files = 0, equal = 0, stable = 0, boxes = 0, comments = 0, formatChanges = 0, formFields = 0, floating = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string name = e.path().filename().string();
        TVYXLogDocEditor first;
        try {
            TVYXReadDOCX(first).LoadFromFile(e.path().string());
        } catch (const VYXException&) {
            continue;
        }
        ++files;
        boxes += first.TextBoxes().Count();
        comments += first.Comments().Count();
        const std::string bytes = TVYXWriteDOCX(first).SaveToBytes();
        TVYXLogDocEditor second;
        TVYXReadDOCX(second).LoadFromBytes(bytes);
        const std::string a = FullDump(first), b = FullDump(second);
        for (std::size_t at = 0; (at = a.find("formfield first", at)) != std::string::npos; ++at)
            ++formFields;
        for (std::size_t at = 0; (at = a.find(" anchored=", at)) != std::string::npos; ++at)
            floating += std::atoi(a.c_str() + at + 10);
        for (std::size_t at = 0; (at = a.find("Rev=", at)) != std::string::npos; ++at)
            formatChanges += a.compare(at - 6, 6, "format") == 0 || a.compare(at - 4, 4, "para") == 0;
        if (a == b) {
            ++equal;
        } else if (std::getenv("VYX_DOCX_DIFF")) {
            std::ofstream(fs::path(std::getenv("VYX_DOCX_DIFF")) / (name + ".a")) << a;
            std::ofstream(fs::path(std::getenv("VYX_DOCX_DIFF")) / (name + ".b")) << b;
        }
        // Our own output written again gives the same bytes.
        stable += TVYXWriteDOCX(second).SaveToBytes() == TVYXWriteDOCX(second).SaveToBytes();
    }
    std::printf("round trip: %d of %d dumps equal, %d deterministic (%d text boxes, %d comments, %d format changes, "
                "%d form fields, %d floating pictures)\n", equal, files, stable, boxes, comments, formatChanges, formFields,
                floating);
    EXPECT_EQ(stable, files);
    EXPECT_EQ(equal, files);
}

namespace {
std::string Written(TVYXLogDocEditor& doc, const char* part) { return ZipPartOf(TVYXWriteDOCX(doc).SaveToBytes(), part); }
}  // namespace

TEST(WriteDOCX, SparseRunPropertiesInSchemaUnits)
{
    TVYXLogDocEditor doc;
    TVYXCHPX bold(&doc.GetMasterCHP());
    bold.SetBold(true);
    TVYXCHPX sized(&doc.GetMasterCHP());
    sized.SetSize(10.5);
    sized.SetItalic(false);
    doc.AppendPara();
    doc.AppendTextUI(u"bold", &bold);
    doc.AppendTextUI(u"sized", &sized);
    const std::string xml = Written(doc, "word/document.xml");
    EXPECT_NE(xml.find("<w:r><w:rPr><w:b/></w:rPr><w:t xml:space=\"preserve\">bold</w:t></w:r>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<w:rPr><w:i w:val=\"0\"/><w:sz w:val=\"21\"/></w:rPr>"), std::string::npos) << xml;
}

TEST(WriteDOCX, ParagraphLengthsInTwips)
{
    TVYXLogDocEditor doc;
    TVYXPAPX papx(&doc.GetMasterPAP());
    papx.SetIndentLeft(36);
    papx.SetIndentFirstLine(-0.01);  // rounds to 0, never "-0"
    papx.SetSpaceAfter(6);
    doc.AppendPara(papx);
    doc.AppendTextUI(u"x");
    const std::string xml = Written(doc, "word/document.xml");
    EXPECT_NE(xml.find("<w:spacing w:after=\"120\"/><w:ind w:left=\"720\" w:firstLine=\"0\"/>"), std::string::npos) << xml;
}

TEST(WriteDOCX, EvenHeaderTurnsOnEvenAndOddHeaders)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"body");
    EXPECT_EQ(Written(doc, "word/settings.xml").find("evenAndOddHeaders"), std::string::npos);
    doc.Headers().AddEven().AppendTextUI(u"even pages");
    const std::string bytes = TVYXWriteDOCX(doc).SaveToBytes();
    EXPECT_NE(ZipPartOf(bytes, "word/settings.xml").find("<w:evenAndOddHeaders/>"), std::string::npos);
    EXPECT_NE(ZipPartOf(bytes, "word/document.xml").find("<w:headerReference w:type=\"even\""), std::string::npos);
    TVYXLogDocEditor back;
    TVYXReadDOCX(back).LoadFromBytes(bytes);
    ASSERT_NE(back.Headers().Find(ahftEven), nullptr);
    EXPECT_EQ(back.Headers().Find(ahftEven)->Paras().GetPlainText(), u"even pages");
}

TEST(WriteDOCX, CorePropertiesPartIsTheSameForEveryDocument)
{
    TVYXLogDocEditor a, b;
    a.AppendParaUI(u"one");
    b.AppendParaUI(u"two");
    b.AppendFootnote(u"note");
    const std::string coreA = Written(a, "docProps/core.xml");
    EXPECT_FALSE(coreA.empty());
    EXPECT_EQ(coreA, Written(b, "docProps/core.xml"));
}

TEST(WriteDOCX, NotesListsAndLinksSurviveARoundTrip)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"See ");
    doc.AppendFootnote(u"the footnote text");
    doc.AppendTextUI(u" and ");
    doc.AppendEndnote(u"the endnote text");
    doc.AppendBulletPara(u"first", 0);
    doc.AppendBulletPara(u"second", 1);
    doc.AppendNumberedPara(u"numbered", 0);
    TVYXLogPara& p = doc.AppendParaUI(u"");
    TVYXHyperlink* link = doc.Hyperlinks().Add(u"https://example.org/a?b=1&c=2", ahtURL);
    p.AppendHyperlink(link, u"a link");
    TVYXBookmark* mark = doc.AppendBookmark(u"target");
    doc.AppendTextUI(u"marked");
    ASSERT_NE(mark, nullptr);
    doc.EndBookmark(*mark);
    const std::string bytes = TVYXWriteDOCX(doc).SaveToBytes();
    TVYXLogDocEditor back;
    TVYXReadDOCX(back).LoadFromBytes(bytes);
    // Paragraphs built by the editor keep an empty first run that a read paragraph has not.
    auto withoutEmptyRuns = [](std::string dump) {
        for (std::size_t at; (at = dump.find("text \"\"\n")) != std::string::npos;)
            dump.erase(dump.rfind('\n', at) + 1, dump.find('\n', at) - dump.rfind('\n', at));
        return dump;
    };
    EXPECT_EQ(withoutEmptyRuns(FullDump(back)), withoutEmptyRuns(FullDump(doc)));
    EXPECT_NE(ZipPartOf(bytes, "word/_rels/document.xml.rels").find("https://example.org/a?b=1&amp;c=2"), std::string::npos);
}

TEST(WriteDOCX, CommentsKeepRangeAuthorDateAndText)
{
    const fs::path file = fs::path(VYX_SHARED_DIR) / "corpus" / "docx" / "mammoth-comments.docx";
    if (!fs::exists(file))
        GTEST_SKIP() << "no shared corpus";
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromFile(file.string());
    ASSERT_GT(doc.Comments().Count(), 0);
    const TVYXComment& first = *doc.Comments().GetItems(0);
    EXPECT_FALSE(first.Author.empty());
    EXPECT_FALSE(first.Text.empty());
    EXPECT_NE(VYXDumpParas(doc.Paras()).find("comment first author="), std::string::npos);
    const std::string bytes = TVYXWriteDOCX(doc).SaveToBytes();
    EXPECT_NE(ZipPartOf(bytes, "word/comments.xml").find("w:comment "), std::string::npos);
    TVYXLogDocEditor back;
    TVYXReadDOCX(back).LoadFromBytes(bytes);
    ASSERT_EQ(back.Comments().Count(), doc.Comments().Count());
    for (int i = 0; i < doc.Comments().Count(); ++i) {
        EXPECT_EQ(back.Comments().GetItems(i)->Author, doc.Comments().GetItems(i)->Author);
        EXPECT_EQ(back.Comments().GetItems(i)->Text, doc.Comments().GetItems(i)->Text);
        EXPECT_DOUBLE_EQ(back.Comments().GetItems(i)->DateTime, doc.Comments().GetItems(i)->DateTime);
    }
}

TEST(WriteDOCX, DocumentPropertiesWhenGiven)
{
    const fs::path file = fs::path(VYX_SHARED_DIR) / "corpus" / "docx" / "docx4j-sample-docx.docx";
    if (!fs::exists(file))
        GTEST_SKIP() << "no shared corpus";
    TVYXDocumentProperties props;
    TVYXLogDocEditor doc;
    TVYXReadDOCX reader(doc);
    reader.Properties = &props;
    reader.LoadFromFile(file.string());
    EXPECT_FALSE(props.Author.empty());
    EXPECT_GT(props.Created, 40000);
    props.Title = u"Tom & Jerry <1>";
    TVYXWriteDOCX writer(doc);
    writer.Properties = &props;
    const std::string bytes = writer.SaveToBytes();
    EXPECT_NE(ZipPartOf(bytes, "docProps/core.xml").find("<dc:title>Tom &amp; Jerry &lt;1&gt;</dc:title>"), std::string::npos);
    TVYXDocumentProperties back;
    TVYXLogDocEditor again;
    TVYXReadDOCX second(again);
    second.Properties = &back;
    second.LoadFromBytes(bytes);
    EXPECT_EQ(back.Title, props.Title);
    EXPECT_EQ(back.Author, props.Author);
    EXPECT_DOUBLE_EQ(back.Created, props.Created);
    EXPECT_DOUBLE_EQ(back.LastModified, props.LastModified);
}

TEST(WriteDOCX, PicturesKeepTheirSizeAndBytes)
{
    const fs::path file = fs::path(VYX_SHARED_DIR) / "corpus" / "docx" / "tika-2pic.docx";
    if (!fs::exists(file))
        GTEST_SKIP() << "no shared corpus";
    auto pictures = [](TVYXLogDocEditor& doc) {
        std::vector<const TVYXGraphicPicture*> out;
        TVYXLogParasIterator walk;
        walk.ParaEvent = [&](TVYXLogPara& p) {
            for (int i = 0; i < p.CharRuns().Count(); ++i)
                if (p.CharRuns().Items(i)->Type_() == acrtGraphic)
                    if (auto* pic = dynamic_cast<const TVYXGraphicPicture*>(
                            static_cast<TVYXCharRunGraphic*>(p.CharRuns().Items(i))->Graphic.get()))
                        out.push_back(pic);
        };
        walk.Iterate(doc.Paras());
        return out;
    };
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromFile(file.string());
    const auto first = pictures(doc);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_NEAR(first[0]->Width, 5934075 / 12700.0, 1e-9);  // 467.25 points from the extent in EMU
    EXPECT_NEAR(first[0]->Height, 3966845 / 12700.0, 1e-9);
    const std::string bytes = TVYXWriteDOCX(doc).SaveToBytes();
    EXPECT_NE(ZipPartOf(bytes, "word/document.xml").find("<wp:extent cx=\"5934075\" cy=\"3966845\"/>"), std::string::npos);
    TVYXLogDocEditor back;
    TVYXReadDOCX(back).LoadFromBytes(bytes);
    const auto second = pictures(back);
    ASSERT_EQ(second.size(), first.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_DOUBLE_EQ(second[i]->Width, first[i]->Width);
        EXPECT_DOUBLE_EQ(second[i]->Height, first[i]->Height);
        ASSERT_TRUE(first[i]->Picture() && second[i]->Picture());
        EXPECT_EQ(second[i]->Picture()->OrigData(), first[i]->Picture()->OrigData());  // byte-equal
    }
}

TEST(WriteDOCX, FloatingPicturesKeepTheirPlace)
{
    const fs::path file = fs::path(VYX_SHARED_DIR) / "corpus" / "docx" / "pandoc-image_with_textbox_caption.docx";
    if (!fs::exists(file))
        GTEST_SKIP() << "no shared corpus";
    auto floating = [](TVYXLogDocEditor& doc) {
        std::vector<const TVYXGraphicObj*> out;
        TVYXLogParasIterator walk;
        walk.ParaEvent = [&](TVYXLogPara& p) {
            if (const TVYXGraphicObjList* list = p.Graphics())
                for (int i = 0; i < list->Count(); ++i)
                    out.push_back(&list->GetItems(i));
        };
        walk.Iterate(doc.Paras());
        return out;
    };
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromFile(file.string());
    const auto first = floating(doc);
    ASSERT_FALSE(first.empty());
    TVYXLogDocEditor back;
    TVYXReadDOCX(back).LoadFromBytes(TVYXWriteDOCX(doc).SaveToBytes());
    const auto second = floating(back);
    ASSERT_EQ(second.size(), first.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(second[i]->PosLeft, first[i]->PosLeft, 1.0 / 12700);
        EXPECT_NEAR(second[i]->PosTop, first[i]->PosTop, 1.0 / 12700);
        EXPECT_EQ(second[i]->HorizPosRel, first[i]->HorizPosRel);
        EXPECT_EQ(second[i]->VertPosRel, first[i]->VertPosRel);
        EXPECT_EQ(second[i]->HorizPosType, first[i]->HorizPosType);
        EXPECT_EQ(second[i]->HorizPos, first[i]->HorizPos);
        EXPECT_EQ(second[i]->Wrap, first[i]->Wrap);
        EXPECT_NEAR(second[i]->Width, first[i]->Width, 1.0 / 12700);
    }
}
