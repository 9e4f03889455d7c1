// VYXReadWriteOPC5Test.cpp: the OPC package, the generated schema classes and interop with the corpus.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "data/gen/NyqGenSample.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/schema/NyqOpcContentTypes.h"
#include "formats/schema/NyqOpcRelationships.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace fs = std::filesystem;

namespace {

std::string RunCommand(const std::string& command)
{
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[65536];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        pclose(p);
    }
    return out;
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

bool HaveUnzip() { return std::system("unzip -v >/dev/null 2>&1") == 0; }

// A small word-processing package written through TOPC_DOCX.
std::string WriteSampleDocx()
{
    TVYXMemoryStream out;
    TOPC_DOCX docx;
    docx.OpenWrite(out);
    TOPCItem& doc = docx.CreateDocument();
    docx.ItemWrite(doc, "<w:document/>");
    docx.ItemClose(doc);
    docx.WriteItem(docx.CreateStyles(), "<w:styles/>");
    TOPCItem& header = docx.CreateHeader(1);
    docx.WriteItem(header, "<w:hdr/>");
    docx.SetCurrItem(&header);
    docx.AddImage(1, "png", "\x89PNG header picture");
    docx.SetCurrItem(nullptr);
    docx.AddImage(2, "png", "\x89PNG document picture");
    docx.AddHyperlink("https://example.com/a?b=1&c=2");
    docx.WriteItem(docx.AddDocPropsCore(), "<cp:coreProperties/>");
    EXPECT_THROW(docx.CreateDocument(), VYXException);
    docx.Close();
    return std::string(out.Bytes());
}

}  // namespace

TEST(OPC, ItemPathsAndIds)
{
    TOPCItem root(nullptr, "__ROOT__", "", "");
    TOPCItem& doc = root.AddNew("t/officeDocument", "word/document.xml");
    TOPCItem& styles = doc.AddNew("t/styles", "styles.xml");
    TOPCItem& img = doc.AddNew("t/image", "../media/a.png");
    TOPCItem& abs = doc.AddNew("t/x", "/customXml/item1.xml");
    TOPCItem& ext = doc.AddNewExternal("t/hyperlink", "http://x/../y");
    EXPECT_EQ(doc.Id(), "rId1");
    EXPECT_EQ(styles.Id(), "rId1");
    EXPECT_EQ(img.Id(), "rId2");
    EXPECT_EQ(ext.Id(), "rId4");
    struct TCase {
        const TOPCItem* Item;
        const char* Path;
        const char* Rels;
    };
    const TCase cases[] = {
        {&root, "", "_rels/.rels"},
        {&doc, "word/document.xml", "word/_rels/document.xml.rels"},
        {&styles, "word/styles.xml", "word/_rels/styles.xml.rels"},
        {&img, "media/a.png", "media/_rels/a.png.rels"},
        {&abs, "customXml/item1.xml", "customXml/_rels/item1.xml.rels"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Path);
        EXPECT_EQ(c.Item->AbsolutePath(), c.Path);
        EXPECT_EQ(c.Item->MakeFilename_rels(), c.Rels);
    }
    EXPECT_EQ(ext.AbsolutePath(), "http://x/../y");
    EXPECT_THROW(doc.AbsoluteTarget("../../etc/passwd"), VYXException);
    EXPECT_EQ(root.FindByTarget("/word/styles.xml"), &styles);
    std::vector<TOPCItem*> images;
    root.FindByType("t/image", images, true);
    EXPECT_EQ(images.size(), 1u);
    // A new id skips ids already taken by relationships read from a file.
    doc.AddNew("t/y", "y.xml", "rId6");
    EXPECT_EQ(doc.MakeId(), "rId7");
}

TEST(OPC, DocxPartTableMatchesEnum)
{
    const std::pair<TOPCDocxPart, const char*> expected[] = {
        {odpDocument, "officeDocument"}, {odpStyles, "styles"}, {odpNumbering, "numbering"},
        {odpSettings, "settings"}, {odpTheme, "theme"}, {odpHeader, "header"}, {odpFooter, "footer"},
        {odpFootnotes, "footnotes"}, {odpEndnotes, "endnotes"}, {odpComments, "comments"}, {odpImage, "image"},
        {odpHyperlink, "hyperlink"}, {odpDocPropsApp, "extended-properties"},
        {odpDocPropsCore, "core-properties"},
    };
    for (const auto& [part, last] : expected) {
        SCOPED_TRACE(last);
        const std::string type = OPCDocxRelType(part);
        EXPECT_EQ(type.substr(type.rfind('/') + 1), last);
    }
}

TEST(OPC, WrittenDocxReadsBack)
{
    const std::string bytes = WriteSampleDocx();
    auto in = TVYXMemoryStream::View(bytes);
    TOPC_DOCX docx;
    docx.OpenRead(in);
    EXPECT_EQ(docx.Archive().Items(0).Name, "[Content_Types].xml");
    EXPECT_EQ(docx.ReadDocument(), "<w:document/>");
    EXPECT_EQ(docx.ReadStyles(), "<w:styles/>");
    EXPECT_EQ(docx.ReadNumbering(), "");
    EXPECT_EQ(docx.ReadDocPropsCore(), "<cp:coreProperties/>");
    std::vector<TOPCItem*> headers, links, images;
    docx.FindHeaders(headers);
    ASSERT_EQ(headers.size(), 1u);
    EXPECT_EQ(headers[0]->Id(), "rId2");
    EXPECT_EQ(docx.ReadHeader("rId2"), "<w:hdr/>");
    EXPECT_EQ(docx.ReadImage(headers[0], "rId1"), "\x89PNG header picture");
    docx.ReadHyperlinks(links);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_TRUE(links[0]->IsExternal());
    EXPECT_EQ(links[0]->Target(), "https://example.com/a?b=1&c=2");
    docx.ReadDocImages(images);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0]->AbsolutePath(), "word/media/image2.png");
    const auto& types = docx.ContentTypes();
    ASSERT_EQ(types.Defaults.size(), 9u);
    EXPECT_EQ(types.Defaults[0].Extension, "rels");
    EXPECT_EQ(types.Defaults[8].Extension, "tiff");
    EXPECT_EQ(types.Find("/word/header1.xml"),
              "application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml");
    EXPECT_EQ(types.Find("word/media/image1.PNG"), "image/png");
    std::vector<std::string> unchecked;
    docx.CollectUnchecked(unchecked);
    EXPECT_EQ(unchecked, std::vector<std::string>{"word/media/image2.png"});

    if (HaveUnzip()) {
        const auto path = fs::temp_directory_path() / (std::string("vyx_opc_sample-") + std::to_string(::getpid()) + ".docx");
        VYXWriteFile(path.string(), bytes);
        EXPECT_EQ(std::system(("unzip -tq " + path.string() + " >/dev/null").c_str()), 0);
        fs::remove(path);
    }
}

TEST(OPC, PackageErrors)
{
    struct TCase {
        const char* What;
        std::vector<std::pair<std::string, std::string>> Parts;
        const char* Message;
    };
    const std::string rels = "<Relationships xmlns=\"" + std::string("http://schemas.openxmlformats.org/package/2006/"
                                                                     "relationships") + "\">";
    const std::string docRel = "<Relationship Id=\"rId1\" Target=\"word/document.xml\" Type=\"" +
                               OPCDocxRelType(odpDocument) + "\"/>";
    const std::vector<TCase> cases = {
        {"no main relationship", {{"_rels/.rels", rels + "</Relationships>"}}, "Can not find document in OPC"},
        {"two documents",
         {{"_rels/.rels", rels + docRel + "<Relationship Id=\"rId2\" Target=\"w2.xml\" Type=\"" +
                              OPCDocxRelType(odpDocument) + "\"/></Relationships>"}},
         "More than one document in OPC"},
        {"broken relationships", {{"_rels/.rels", rels + "<Relationship Id=\"rId1"}},
         "Unexcpected end of file in XML (row 1, column 85)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        TVYXMemoryStream zip;
        TXLSZipArchive w;
        w.OpenWrite(zip);
        for (const auto& [name, data] : c.Parts)
            w.AddBytes(name, data);
        w.Close();
        auto in = TVYXMemoryStream::View(zip.Bytes());
        TOPC_DOCX docx;
        try {
            docx.OpenRead(in);
            FAIL();
        } catch (const VYXException& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
        EXPECT_EQ(docx.Mode(), opcmClosed);
    }
    TVYXMemoryStream out;
    TOPC_DOCX w;
    w.OpenWrite(out);
    EXPECT_THROW(w.OpenWrite(out), VYXException);  // "OPC is allready open"
    TOPCItem& doc = w.CreateDocument();
    EXPECT_THROW(w.ItemClose(doc), VYXException);
    EXPECT_THROW(w.WriteItem(*w.Root().Find("rId1"), "x"); w.WriteItem(doc, "again"), VYXException);
}

TEST(OPC, RelationshipsClimbingOutAreNotParts)
{
    TVYXMemoryStream zip;
    TXLSZipArchive w;
    w.OpenWrite(zip);
    w.AddBytes("_rels/.rels", "<Relationships><Relationship Id=\"rId1\" Type=\"x\" Target=\"../../../etc/passwd\"/>"
                              "<Relationship Id=\"rId2\" Type=\"x\" Target=\"a.xml\"/><Bogus/></Relationships>");
    w.AddBytes("a.xml", "<a/>");
    w.Close();
    auto in = TVYXMemoryStream::View(zip.Bytes());
    TOPCContainer c;
    c.OpenRead(in);
    TOPCItem* evil = c.Root().Find("rId1");
    ASSERT_NE(evil, nullptr);
    EXPECT_FALSE(c.ItemExists(*evil));
    EXPECT_THROW(c.ItemOpenRead(*evil), VYXException);
    EXPECT_EQ(c.ItemOpenRead(*c.Root().Find("rId2")), "<a/>");
    ASSERT_EQ(c.Errors().Count(), 1);
    EXPECT_EQ(c.Errors().Items(0), "_rels/.rels: Row 1: Unknown Element \"Bogus\"");
    EXPECT_NE(c.DebugDump().find("(outside the package)"), std::string::npos);
}

// The package's diagnostics reach the document's error manager with their codes;
// repeats stay in the list's duplicates, and a manager set to raise stops the read.
TEST(OPC, DiagnosticsReachTheErrorManager)
{
    TVYXMemoryStream zip;
    TXLSZipArchive w;
    w.OpenWrite(zip);
    w.AddBytes("[Content_Types].xml", "<Types><Default Extension=\"xml\" ContentType=\"t\" Odd=\"1\"/></Types>");
    w.AddBytes("_rels/.rels", "<Relationships><Relationship Id=\"rId1\" Type=\"x\" Target=\"a.xml\"/>"
                              "<Relationship Id=\"rId1\" Type=\"x\" Target=\"b.xml\"/><Bogus/><Bogus/></Relationships>");
    w.AddBytes("a.xml", "<a/>");
    w.Close();

    TVYXErrorManager errors;
    TOPCContainer c;
    c.Errors().SetManager(&errors);
    auto in = TVYXMemoryStream::View(zip.Bytes());
    c.OpenRead(in);
    ASSERT_EQ(errors.GetCount(), c.Errors().Count());
    ASSERT_EQ(errors.GetCount(), 3);
    EXPECT_EQ(errors.WarnCount, 3);
    const struct {
        int Code;
        const char* Text;
    } expected[] = {
        {TNyqPErrors::cCodeUnknownAttribute, "[Content_Types].xml: Row 1: Unknown Attribute \"Odd\""},
        {TNyqPErrors::cCodeUnknownElement, "_rels/.rels: Row 1: Unknown Element \"Bogus\""},
        {TNyqPErrors::cCodePackage, "_rels/.rels: duplicate relationship id \"rId1\""},
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(errors.Text.Tag(i), expected[i].Code);
        EXPECT_EQ(errors.Text[i], expected[i].Text);
        EXPECT_EQ(c.Errors().Items(i), expected[i].Text);
    }
    TVYXStringList warnings;
    errors.GetWarnings(warnings);
    EXPECT_EQ(warnings.Count(), 3);
    c.Close();

    // Whether a warning raises is the manager's choice; the container is left closed.
    TVYXErrorManager strict;
    strict.Exception.Include(aelWarning);
    TOPCContainer s;
    s.Errors().SetManager(&strict);
    auto again = TVYXMemoryStream::View(zip.Bytes());
    try {
        s.OpenRead(again);
        ADD_FAILURE() << "no exception";
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "[Content_Types].xml: Row 1: Unknown Attribute \"Odd\"");
    }
    EXPECT_EQ(s.Mode(), opcmClosed);
}

// Every prefix of a written package either raises with the container closed, or
// opens as a package whose parts read back whole or raise: never a part with
// wrong bytes, never a half-open container.
TEST(OPC, EveryTruncationFailsCleanlyOrStaysUsable)
{
    const std::string bytes = WriteSampleDocx();
    int opened = 0;
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        auto in = TVYXMemoryStream::View(std::string_view(bytes).substr(0, n));
        TOPC_DOCX docx;
        try {
            docx.OpenRead(in);
        } catch (const VYXException&) {
            EXPECT_EQ(docx.Mode(), opcmClosed);
            continue;
        }
        ++opened;
        EXPECT_EQ(docx.Mode(), opcmRead);
        try {
            EXPECT_EQ(docx.ReadDocument(), "<w:document/>");
        } catch (const VYXException&) {
        }
        try {
            const std::string styles = docx.ReadStyles();
            EXPECT_TRUE(styles.empty() || styles == "<w:styles/>") << styles;
        } catch (const VYXException&) {
        }
        docx.Close();
        EXPECT_EQ(docx.Mode(), opcmClosed);
    }
    // The whole package and prefixes that keep the local headers of the first parts open.
    EXPECT_GT(opened, 0);
}

TEST(SchemaClasses, RelationshipsReadWriteAndDiagnostics)
{
    TOPCRelationshipsDoc doc;
    doc.LoadFromBuffer("<?xml version=\"1.0\"?>\n<Relationships xmlns=\"urn:r\">\n"
                       "<Relationship Id=\"rId1\" Type=\"t\" Target=\"a&amp;b.xml\" TargetMode=\"External\"/>\n"
                       "<Relationship Id=\"rId2\" Type=\"t\" Target=\"x\" Bad=\"1\" TargetMode=\"Sideways\"/>\n"
                       "<Unknown><Relationship Id=\"hidden\"/></Unknown><Unknown/>\n</Relationships>");
    ASSERT_TRUE(doc.FRelationships);
    const auto& list = doc.FRelationships->FRelationshipList;
    ASSERT_EQ(list.Count(), 2);  // the relationship inside the unknown element is skipped
    EXPECT_EQ(list[0].FTarget, "a&b.xml");
    EXPECT_EQ(list[0].FTargetMode, sttmExternal);
    EXPECT_FALSE(list[1].FTargetMode.has_value());
    ASSERT_EQ(doc.Errors().Count(), 3);
    EXPECT_EQ(doc.Errors().Items(0), "Row 4: Unknown Attribute \"Bad\"");
    EXPECT_EQ(doc.Errors().Items(1), "Row 4: Unknown Attribute \"TargetMode=Sideways\"");
    EXPECT_EQ(doc.Errors().Items(2), "Row 5: Unknown Element \"Unknown\"");
    EXPECT_EQ(doc.Errors().GetDuplicates().size(), 1u);
    const std::string saved = doc.SaveToString();
    EXPECT_EQ(saved, "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r"
                     "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">\r"
                     "<Relationship TargetMode=\"External\" Target=\"a&amp;b.xml\" Type=\"t\" Id=\"rId1\"/>\r"
                     "<Relationship Target=\"x\" Type=\"t\" Id=\"rId2\"/>\r</Relationships>\r");
    TOPCRelationshipsDoc copy;
    copy.Assign(doc);
    EXPECT_EQ(copy.SaveToString(), saved);
    EXPECT_THROW(doc.LoadFromBuffer("<Relationships><Relationship"), VYXException);
}

TEST(SchemaClasses, GeneratedSampleCoversChoicesExtensionsAndAny)
{
    const char* xml = "<s:body xmlns:s=\"urn:vyx:sample\">"
                      "<s:r s:id=\"7\" s:hidden=\"true\" s:scale=\"1.5\"><s:size>12</s:size>"
                      "<s:t>one</s:t><s:br s:type=\"page\"/><s:t>two</s:t></s:r>"
                      "<s:r s:id=\"x\"/>"
                      "<s:ext><foo:bar xmlns:foo=\"urn:foo\" a=\"1\"><foo:baz>text</foo:baz></foo:bar></s:ext>"
                      "</s:body>";
    TSampleDoc doc;
    doc.LoadFromBuffer(xml);
    ASSERT_TRUE(doc.FBody);
    ASSERT_EQ(doc.FBody->FRList.Count(), 2);
    const TCT_Run& run = doc.FBody->FRList[0];
    EXPECT_EQ(run.FId, 7);
    EXPECT_EQ(run.FHidden, true);
    EXPECT_DOUBLE_EQ(run.FScale.value_or(0), 1.5);
    EXPECT_EQ(run.FSize->Text, "12");
    // The choice keeps text and breaks in document order.
    const auto& items = run.FEG_InlineList.GetItems();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].Element, 1);
    EXPECT_EQ(items[1].Element, 0);
    EXPECT_EQ(static_cast<const TCT_Br&>(*items[1].Object).FType, stbtPage);
    EXPECT_EQ(static_cast<const TNYQValueElement&>(*items[2].Object).Text, "two");
    ASSERT_EQ(doc.Errors().Count(), 1);
    EXPECT_EQ(doc.Errors().Items(0), "Row 1: Unknown Attribute \"s:id=x\"");
    ASSERT_EQ(doc.FBody->FExt->FAny.Count(), 1);

    const std::string saved = doc.SaveToString();
    EXPECT_NE(saved.find("<s:t>one</s:t>\r<s:br s:type=\"page\"/>\r<s:t>two</s:t>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<foo:bar xmlns:foo=\"urn:foo\" a=\"1\">\r<foo:baz>text</foo:baz>"), std::string::npos);
    TSampleDoc again;
    again.LoadFromBuffer(saved);
    EXPECT_EQ(again.SaveToString(), saved);
    TSampleDoc copy;
    copy.Assign(doc);
    EXPECT_EQ(copy.FBody->FRList[0].FEG_InlineList.Count(), 3);
}

TEST(SchemaClasses, DeepKnownNestingIsRefused)
{
    // The sample's unknown elements are skipped at any depth; known ones stop at the limit.
    std::string deep = "<s:body xmlns:s=\"urn:vyx:sample\"><s:ext>";
    for (int i = 0; i < 600; ++i)
        deep += "<x>";
    TSampleDoc doc;
    try {
        doc.LoadFromBuffer(deep);
        FAIL();
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "XML nesting too deep");
    }
}

// Every zip package of the corpus opens; each part has the bytes `unzip` gives;
// written back, the package passes `unzip -t` with the same parts, content
// types and relationships.
TEST(OPCInterop, CorpusPackagesOpenAndRepack)
{
    const fs::path corpus = fs::path(VYX_SHARED_DIR) / "corpus";
    if (!fs::exists(corpus))
        GTEST_SKIP() << "no shared corpus";
    if (!HaveUnzip())
        GTEST_SKIP() << "no unzip";
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(corpus)) {
        if (!e.is_regular_file())
            continue;
        const std::string head = VYXReadFile(e.path().string()).substr(0, 2);
        if (head == "PK")
            files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    ASSERT_GT(files.size(), 200u);
    // One name per process: the Release and sanitizer suites may run side by side.
    const auto tmp = fs::temp_directory_path() / ("vyx_interop_repack_" + std::to_string(::getpid()) + ".zip");
    int opened = 0;
    for (const auto& file : files) {
        SCOPED_TRACE(file.string());
        const bool malformed = file.parent_path().filename() == "malformed";
        const std::string bytes = VYXReadFile(file.string());
        auto in = TVYXMemoryStream::View(bytes);
        TOPCContainer package;
        try {
            package.OpenRead(in);
        } catch (const VYXException& e) {
            EXPECT_TRUE(malformed) << e.what();
            continue;
        }
        ++opened;
        // Same names and bytes as unzip: `unzip -p` writes the entries in directory order.
        const std::string names = RunCommand("unzip -Z1 " + Quote(file.string()) + " 2>/dev/null");
        std::string ours, expectedNames;
        bool readable = true;
        for (int i = 0; i < package.Archive().Count(); ++i) {
            TXLSZipFile& f = package.Archive().Items(i);
            expectedNames += f.Name + "\n";
            try {
                ours += package.Archive().ReadFileBytes(f);
            } catch (const VYXException& e) {
                readable = false;
                EXPECT_TRUE(malformed) << f.Name << ": " << e.what();
            }
        }
        if (malformed && !readable)
            continue;
        EXPECT_TRUE(malformed || !package.Archive().Recovered());
        // Damaged archives that unzip gives up on are not compared with it.
        if (!malformed || !names.empty()) {
            EXPECT_EQ(expectedNames, names);
            EXPECT_TRUE(ours == RunCommand("unzip -p " + Quote(file.string()) + " 2>/dev/null"));
        }

        TVYXMemoryStream out;
        OPCRepack(package, out);
        VYXWriteFile(tmp.string(), out.Bytes());
        EXPECT_EQ(std::system(("unzip -tq " + tmp.string() + " >/dev/null 2>&1").c_str()), 0);
        auto again = TVYXMemoryStream::View(out.Bytes());
        TOPCContainer copy;
        copy.OpenRead(again);
        std::vector<std::string> a, b;
        for (int i = 0; i < package.Archive().Count(); ++i)
            a.push_back(package.Archive().Items(i).Name);
        for (int i = 0; i < copy.Archive().Count(); ++i)
            b.push_back(copy.Archive().Items(i).Name);
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        EXPECT_EQ(a, b);
        EXPECT_EQ(package.DebugDump(), copy.DebugDump());
        for (const auto& name : a) {
            EXPECT_EQ(package.ContentTypes().Find(name), copy.ContentTypes().Find(name)) << name;
            if (name.find(".rels") == std::string::npos && name != "[Content_Types].xml") {
                EXPECT_EQ(package.Archive().ReadFileBytes(*package.Archive().Find(name)),
                          copy.Archive().ReadFileBytes(*copy.Archive().Find(name)))
                    << name;
            }
        }
    }
    fs::remove(tmp);
    EXPECT_GT(opened, 200);
}
