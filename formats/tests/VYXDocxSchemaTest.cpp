// VYXDocxSchemaTest.cpp: the generated WordprocessingML classes and the small parts read and written through them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
#include "formats/VYXDocxParts.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXWriteDOCX.h"
#include "formats/VYXZip5.h"
#include "formats/schema/NyqDocx.h"
#include "formats/schema/NyqDocxDml.h"
#include "formats/schema/NyqDocxVml.h"
#include "formats/schema/NyqDocxWml.h"
#include "model/VYXCharProps.h"
#include "model/VYXDocSection.h"
#include "model/VYXRevision.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace fs = std::filesystem;

namespace {

// An independent census of a part: every element's local name and every
// non-blank text, counted, so a round trip that drops or invents content shows.
struct TCensus {
    std::map<std::string, int> Elements;
    std::map<std::string, int> Texts;
    std::map<std::string, int> XmlAttributes;  // "xml:space=preserve", with their prefix
};

TCensus CensusOf(const std::string& xml)
{
    struct TCounter : TNyqReadXML {
        TCensus Census;
        void BeginTag() override
        {
            ++Census.Elements[std::string(LocalName())];
            const auto& attrs = Attributes();
            for (int i = 0; i < attrs.Count(); ++i)
                if (attrs.RawName(i).substr(0, 4) == "xml:")
                    ++Census.XmlAttributes[std::string(attrs.RawName(i)) + "=" + attrs.GetValues(i)];
            if (SelfClosing())
                return;
            const std::string text = TextUtf8();
            if (text.find_first_not_of(" \t\r\n") != std::string::npos)
                ++Census.Texts[text];
        }
    } counter;
    counter.LoadFromBuffer(xml);
    return counter.Census;
}

std::string Part(TXLSZipArchive& zip, const char* name)
{
    TXLSZipFile* entry = zip.Find(name);
    return entry ? zip.ReadFileBytes(*entry) : std::string();
}

std::string PartOf(const std::string& package, const char* name)
{
    auto in = TVYXMemoryStream::View(package);
    TXLSZipArchive zip;
    zip.OpenRead(in);
    return Part(zip, name);
}

std::string RoundTrip(const std::string& xml)
{
    TDocxPartDoc doc;
    doc.LoadFromBuffer(xml);
    return doc.SaveToString();
}

constexpr const char* cSettings =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:settings xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"
  xmlns:w14="http://schemas.microsoft.com/office/word/2010/wordml"
  xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006" mc:Ignorable="w14">
  <w:zoom w:percent="120"/>
  <w:trackRevisions/>
  <w:documentProtection w:edit="readOnly" w:enforcement="1" w:cryptProviderType="rsaFull"
    w:cryptAlgorithmClass="hash" w:cryptAlgorithmType="typeAny" w:cryptAlgorithmSid="4"
    w:cryptSpinCount="100000" w:hash="aGFzaA==" w:salt="c2FsdA=="/>
  <w:defaultTabStop w:val="720"/>
  <w:characterSpacingControl w:val="doNotCompress"/>
  <w14:docId w14:val="1A2B3C4D"/>
</w:settings>)";

}  // namespace

// ---- The classes over real parts -------------------------------------------------

// Every part kind the classes cover, from every corpus package: read and
// written back, the census is unchanged (unknown elements are kept), and a
// second round trip gives the same bytes as the first.
TEST(DocxSchemaClasses, CorpusPartsSurviveARoundTrip)
{
    const fs::path dir = fs::path(VYX_SHARED_DIR) / "corpus" / "docx";
    if (!fs::is_directory(dir))
        GTEST_SKIP() << "no shared corpus";
    const char* parts[] = {"word/settings.xml", "word/fontTable.xml", "word/webSettings.xml", "word/styles.xml",
                           "word/numbering.xml", "word/footnotes.xml", "word/endnotes.xml", "word/comments.xml",
                           "word/header1.xml", "word/footer1.xml", "word/document.xml"};
    int checked = 0, packages = 0;
    std::vector<std::string> failures;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.path().extension() != ".docx")
            continue;
        TVYXFileStream file(e.path().string(), vyfmRead);
        TXLSZipArchive zip;
        try {
            zip.OpenRead(file);
        } catch (const VYXException&) {
            continue;  // the malformed files of the corpus
        }
        ++packages;
        for (const char* name : parts) {
            std::string xml;
            try {
                xml = Part(zip, name);
            } catch (const VYXException&) {
                continue;
            }
            // Bodies beyond a megabyte add time, not cases.
            if (xml.empty() || xml.size() > (1u << 20))
                continue;
            const std::string where = e.path().filename().string() + ":" + name;
            try {
                const TCensus before = CensusOf(xml);
                const std::string once = RoundTrip(xml);
                const TCensus after = CensusOf(once);
                ++checked;
                if (before.Elements != after.Elements)
                    failures.push_back(where + " elements");
                else if (before.Texts != after.Texts)
                    failures.push_back(where + " texts");
                else if (before.XmlAttributes != after.XmlAttributes)
                    failures.push_back(where + " xml: attributes");
                else if (RoundTrip(once) != once)
                    failures.push_back(where + " not stable");
            } catch (const VYXException& ex) {
                failures.push_back(where + " " + ex.what());
            }
        }
    }
    EXPECT_GT(packages, 200);
    EXPECT_GT(checked, 1000);
    EXPECT_TRUE(failures.empty()) << failures.size() << " of " << checked << ", first: " << failures.front();
}

TEST(DocxSchemaClasses, KnownChildrenAreTypedAndForeignOnesKept)
{
    TDocxPartDoc doc;
    doc.LoadFromBuffer(cSettings);
    ASSERT_TRUE(doc.FSettings);
    const TCT_Settings& s = *doc.FSettings;
    ASSERT_TRUE(s.FDefaultTabStop);
    EXPECT_EQ(s.FDefaultTabStop->FVal, "720");
    ASSERT_TRUE(s.FZoom);
    ASSERT_TRUE(s.FDocumentProtection);
    EXPECT_EQ(s.FDocumentProtection->FEdit, stdpReadOnly);
    EXPECT_EQ(s.FDocumentProtection->FCryptSpinCount, 100000);
    ASSERT_EQ(s.FAny.Count(), 1);
    EXPECT_EQ(s.FAny.GetItems()[0].Name, "w14:docId");
    // Reported once, with its row.
    ASSERT_EQ(doc.Errors().Count(), 1);
    EXPECT_NE(doc.Errors().Items(0).find("Row 12"), std::string::npos) << doc.Errors().Items(0);
    EXPECT_NE(doc.Errors().Items(0).find("w14:docId"), std::string::npos);

    // Written back: the foreign element and the namespace it needs.
    const std::string out = doc.SaveToString();
    EXPECT_NE(out.find("<w14:docId w14:val=\"1A2B3C4D\"/>"), std::string::npos) << out;
    EXPECT_NE(out.find("xmlns:w14="), std::string::npos);
    EXPECT_NE(out.find("mc:Ignorable=\"w14\""), std::string::npos);

    // A deep copy writes the same.
    TDocxPartDoc copy;
    copy.Assign(doc);
    EXPECT_EQ(copy.SaveToString(), out);
}

// Wildcards admit the root elements they name as classes: VML under a
// picture, a DrawingML picture under graphic data; anything else stays raw.
TEST(DocxSchemaClasses, WildcardsTypeVmlAndPictures)
{
    const std::string xml =
        R"(<w:hdr xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" xmlns:v="urn:schemas-microsoft-com:vml")"
        R"( xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" xmlns:pic="http://schemas.openxmlformats.org/drawingml/2006/picture")"
        R"( xmlns:wps="http://schemas.microsoft.com/office/word/2010/wordprocessingShape")"
        R"( xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing">)"
        R"(<w:p><w:r><w:pict><v:shape id="s1" style="width:10pt"><v:textbox/></v:shape></w:pict></w:r>)"
        R"(<w:r><w:drawing><wp:inline><wp:extent cx="914400" cy="914400"/><wp:docPr id="1" name="p"/>)"
        R"(<a:graphic><a:graphicData uri="x"><pic:pic><pic:nvPicPr><pic:cNvPr id="2" name="i"/><pic:cNvPicPr/></pic:nvPicPr>)"
        R"(<pic:blipFill><a:blip r:embed="rId7" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"/></pic:blipFill>)"
        R"(<pic:spPr/></pic:pic><wps:wsp><wps:bodyPr/></wps:wsp></a:graphicData></a:graphic></wp:inline></w:drawing></w:r></w:p></w:hdr>)";
    TDocxPartDoc doc;
    doc.LoadFromBuffer(xml);
    ASSERT_TRUE(doc.FHdr);
    const auto& p = dynamic_cast<const TCT_P&>(*doc.FHdr->FEG_BlockLevelEltsList[0].Object);
    const auto& r1 = dynamic_cast<const TCT_R&>(*p.FEG_PContentList[0].Object);
    const auto& pict = dynamic_cast<const TCT_Picture&>(*r1.FEG_RunInnerContentList[0].Object);
    ASSERT_EQ(pict.FAny.Count(), 1);
    const auto* shape = dynamic_cast<const TCT_Shape*>(pict.FAny.GetItems()[0].Object.get());
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->FStyle, "width:10pt");

    const auto& r2 = dynamic_cast<const TCT_R&>(*p.FEG_PContentList[1].Object);
    const auto& drawing = dynamic_cast<const TCT_Drawing&>(*r2.FEG_RunInnerContentList[0].Object);
    ASSERT_EQ(drawing.FChoice1List.Count(), 1);
    const auto& inl = dynamic_cast<const TCT_Inline&>(*drawing.FChoice1List[0].Object);
    EXPECT_EQ(inl.FExtent->FCx, 914400);
    const TCT_GraphicalObjectData& data = *inl.FGraphic->FGraphicData;
    ASSERT_EQ(data.FAny.Count(), 2);
    const auto* pic = dynamic_cast<const TCT_Picture_pic*>(data.FAny.GetItems()[0].Object.get());
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->FBlipFill->FBlip->FEmbed, "rId7");
    EXPECT_NE(dynamic_cast<const TNYQAnyElement*>(data.FAny.GetItems()[1].Object.get()), nullptr);
    // Content of a wildcard is no error.
    EXPECT_EQ(doc.Errors().Count(), 0) << doc.Errors().Items(0);

    const std::string out = doc.SaveToString();
    EXPECT_NE(out.find("<wps:wsp>"), std::string::npos) << out;
    EXPECT_NE(out.find("<v:textbox/>"), std::string::npos);
    EXPECT_EQ(RoundTrip(out), out);
}

// Text an unknown element holds before its children survives two round trips.
TEST(DocxSchemaClasses, MixedContentOfUnknownElementsIsKept)
{
    const std::string xml = R"(<w:settings xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
                            R"(<x:a>lead &amp; more<x:b/></x:a></w:settings>)";
    const std::string once = RoundTrip(xml);
    EXPECT_NE(once.find("lead &amp; more"), std::string::npos) << once;
    EXPECT_EQ(RoundTrip(once), once);
}

// A typed element with simple content that also holds (foreign) children, as
// a damaged part gives them, keeps its text exactly: blanks included, and no
// line end of ours creeps in ahead of it round after round.
TEST(DocxSchemaClasses, TextOfTypedElementsBesideChildrenSettles)
{
    const std::string xml = R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
                            R"(<w:body><w:p><w:r><w:delText xml:space="preserve"> d &amp; "more"<w:pgNumType w:fmt="decimal"/>)"
                            R"(<x:a>lead<x:b/></x:a></w:delText><w:t>plain</w:t></w:r></w:p></w:body></w:document>)";
    TDocxPartDoc doc;
    doc.LoadFromBuffer(xml);
    const std::string once = doc.SaveToString();
    std::string text = once;
    for (int round = 0; round < 3; ++round) {
        TDocxPartDoc again;
        again.LoadFromBuffer(text);
        const std::string next = again.SaveToString();
        EXPECT_EQ(next, text) << "round " << round;
        text = next;
    }
    EXPECT_NE(once.find("\"preserve\"> d &amp; &quot;more&quot;<w:pgNumType"), std::string::npos) << once;
    EXPECT_NE(once.find("<x:a>lead<x:b/>"), std::string::npos) << once;
    EXPECT_NE(once.find("<w:t>plain</w:t>"), std::string::npos) << once;
    EXPECT_EQ(CensusOf(once).Texts, CensusOf(xml).Texts);
}

// The fuzz finding this came from: NUL bytes in an author name and damaged end
// tags inside a tracked insertion, which leave page settings as deleted text.
TEST(DocxSchemaClasses, DamagedTrackedChangesSettleAfterOneRoundTrip)
{
    const fs::path seed = fs::path(VYX_SOURCE_DIR) / "fuzz/corpus/docxxml/text-beside-children-of-deleted-text";
    TVYXFileStream in(seed.string(), vyfmRead);
    const std::string xml = in.ReadAll();
    ASSERT_NE(xml.find(std::string(8, '\0')), std::string::npos);
    const std::string once = RoundTrip(xml);
    const std::string twice = RoundTrip(once);
    EXPECT_EQ(RoundTrip(twice), twice);
    EXPECT_EQ(twice, once);
    EXPECT_NE(once.find("d w:right=&quot;1134&quot;"), std::string::npos) << once;
}

// Blanks at the ends of a text are the reader's to keep only with the
// attribute under its own prefix: "space" alone is an unknown attribute.
TEST(DocxSchemaClasses, TextKeepsItsXmlSpacePrefix)
{
    const std::string xml = R"(<w:footnotes xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
                            R"(<w:footnote w:id="1"><w:p><w:r><w:t xml:space="preserve"> lead and tail </w:t>)"
                            R"(<w:delText xml:space="default">x</w:delText></w:r></w:p></w:footnote></w:footnotes>)";
    TDocxPartDoc doc;
    doc.LoadFromBuffer(xml);
    EXPECT_EQ(doc.Errors().Count(), 0) << doc.Errors().Items(0);
    const std::string out = doc.SaveToString();
    EXPECT_NE(out.find(R"(<w:t xml:space="preserve"> lead and tail </w:t>)"), std::string::npos) << out;
    EXPECT_NE(out.find(R"(<w:delText xml:space="default">x</w:delText>)"), std::string::npos) << out;
    EXPECT_EQ(out.find(" space="), std::string::npos) << out;
    // What we wrote reads without a complaint.
    TDocxPartDoc again;
    again.LoadFromBuffer(out);
    EXPECT_EQ(again.Errors().Count(), 0) << again.Errors().Items(0);
    EXPECT_EQ(again.SaveToString(), out);
}

// Drawing coordinates are 64-bit in the file: an extent past 2^31 EMU (a
// sheet of about 60 metres) reads and writes back whole, while a 32-bit
// drawing id past its range is refused with a message rather than wrapped.
TEST(DocxSchemaClasses, HugeEmuValuesSurviveAndOutOfRangeIdsAreRefused)
{
    const std::string xml =
        R"(<w:hdr xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")"
        R"( xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing">)"
        R"(<w:p><w:r><w:drawing><wp:inline><wp:extent cx="3000000000" cy="27273042316900"/>)"
        R"(<wp:docPr id="4294967296" name="p"/></wp:inline></w:drawing></w:r></w:p></w:hdr>)";
    TDocxPartDoc doc;
    doc.LoadFromBuffer(xml);
    ASSERT_TRUE(doc.FHdr);
    const auto& p = dynamic_cast<const TCT_P&>(*doc.FHdr->FEG_BlockLevelEltsList[0].Object);
    const auto& r = dynamic_cast<const TCT_R&>(*p.FEG_PContentList[0].Object);
    const auto& drawing = dynamic_cast<const TCT_Drawing&>(*r.FEG_RunInnerContentList[0].Object);
    const auto& inl = dynamic_cast<const TCT_Inline&>(*drawing.FChoice1List[0].Object);
    ASSERT_TRUE(inl.FExtent);
    EXPECT_EQ(inl.FExtent->FCx, 3000000000LL);
    EXPECT_EQ(inl.FExtent->FCy, 27273042316900LL);
    ASSERT_EQ(doc.Errors().Count(), 1);
    EXPECT_NE(doc.Errors().Items(0).find("id=4294967296"), std::string::npos) << doc.Errors().Items(0);
    const std::string out = doc.SaveToString();
    EXPECT_NE(out.find(R"(<wp:extent cx="3000000000" cy="27273042316900"/>)"), std::string::npos) << out;
    EXPECT_EQ(out.find("4294967296"), std::string::npos) << "an id wrapped or kept past its range";

    // Numbers of unbounded decimal type (a spin count) are 64-bit too.
    TDocxPartDoc settings;
    settings.LoadFromBuffer(R"(<w:settings xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
                            R"(<w:documentProtection w:cryptSpinCount="5000000000"/></w:settings>)");
    ASSERT_TRUE(settings.FSettings && settings.FSettings->FDocumentProtection);
    EXPECT_EQ(settings.FSettings->FDocumentProtection->FCryptSpinCount, 5000000000LL);
    EXPECT_EQ(settings.Errors().Count(), 0);
}

TEST(DocxSchemaClasses, HostileInputIsRefusedOrKept)
{
    // Unknown nesting deeper than the reader allows raises instead of recursing without end.
    std::string deep = R"(<w:settings xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)";
    for (int i = 0; i < 5000; ++i)
        deep += "<x:a>";
    TDocxPartDoc doc;
    EXPECT_THROW(doc.LoadFromBuffer(deep), VYXException);
    // A value its type refuses is reported with the attribute and value; the rest reads.
    doc.LoadFromBuffer(R"(<w:settings xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
                       R"(<w:documentProtection w:edit="everything" w:cryptSpinCount="many"/><w:defaultTabStop w:val="1"/></w:settings>)");
    ASSERT_TRUE(doc.FSettings && doc.FSettings->FDocumentProtection);
    EXPECT_FALSE(doc.FSettings->FDocumentProtection->FEdit);
    EXPECT_TRUE(doc.FSettings->FDefaultTabStop);
    ASSERT_EQ(doc.Errors().Count(), 2);
    EXPECT_NE(doc.Errors().Items(0).find("w:edit=everything"), std::string::npos) << doc.Errors().Items(0);
}

// ---- Settings, font table and web settings ----------------------------------------

TEST(DocxSmallParts, SettingsMapToTheDocumentAndBack)
{
    TVYXLogDocEditor doc;
    TNyqPErrors errors;
    VYXDocxReadSettings(cSettings, doc, errors);
    EXPECT_DOUBLE_EQ(doc.DOP().TabWidth, 36.0);
    EXPECT_TRUE(doc.Revision().TrackChanges);
    const TVYXDOPProtection p = doc.DOP().Protection;
    EXPECT_EQ(p.Editing, adpeReadOnly);
    EXPECT_TRUE(p.Enforcement);
    EXPECT_EQ(p.CryptProviderType, u"rsaFull");
    EXPECT_EQ(p.CryptAlgorithmSid, u"4");
    EXPECT_EQ(p.CryptSpinCount, 100000);
    EXPECT_EQ(p.Hash, u"aGFzaA==");
    EXPECT_EQ(errors.Count(), 1);

    const std::string written = VYXDocxWriteSettings(doc);
    TVYXLogDocEditor back;
    TNyqPErrors none;
    VYXDocxReadSettings(written, back, none);
    EXPECT_EQ(none.Count(), 0) << none.Items(0);
    EXPECT_TRUE(back.DOP().Protection == p);
    EXPECT_DOUBLE_EQ(back.DOP().TabWidth, 36.0);
    EXPECT_TRUE(back.Revision().TrackChanges);
    // Schema order: protection before the tab stop, spacing control after it.
    EXPECT_LT(written.find("w:trackRevisions"), written.find("w:documentProtection"));
    EXPECT_LT(written.find("w:documentProtection"), written.find("w:defaultTabStop"));
    EXPECT_LT(written.find("w:defaultTabStop"), written.find("w:characterSpacingControl"));
}

TEST(DocxSmallParts, OffValuesAndOddTabStops)
{
    TVYXLogDocEditor doc;
    doc.Revision().TrackChanges = true;
    TNyqPErrors errors;
    VYXDocxReadSettings(R"(<w:settings xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
                        R"(<w:trackRevisions w:val="false"/><w:defaultTabStop w:val="0.5in"/></w:settings>)",
                        doc, errors);
    EXPECT_FALSE(doc.Revision().TrackChanges);
    // A measure with a unit is no twips value: the tab width falls to 0, clamped, not garbage.
    EXPECT_GE(doc.DOP().TabWidth, 0.0);
    EXPECT_LE(doc.DOP().TabWidth, 31680 / 20.0);
}

TEST(DocxSmallParts, FontTableNamesTheFontsWrittenOnce)
{
    TVYXLogDocEditor doc;
    doc.AppendTextUI(u"Hello");
    const std::string package = TVYXWriteDOCX(doc).SaveToBytes();
    const std::string fonts = PartOf(package, "word/fontTable.xml");
    ASSERT_FALSE(fonts.empty());
    TNyqPErrors errors;
    const std::vector<std::u16string> names = VYXDocxReadFontTable(fonts, errors);
    EXPECT_EQ(errors.Count(), 0);
    ASSERT_FALSE(names.empty());
    std::vector<std::u16string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "a font named twice";
    EXPECT_NE(std::find(names.begin(), names.end(), doc.GetMasterCHP().FontName), names.end());
    // The relationship is there, with the part's content type.
    EXPECT_NE(PartOf(package, "word/_rels/document.xml.rels").find("relationships/fontTable"), std::string::npos);
    EXPECT_NE(PartOf(package, "[Content_Types].xml").find("fontTable+xml"), std::string::npos);
    EXPECT_NE(PartOf(package, "word/webSettings.xml").find("<w:optimizeForBrowser/>"), std::string::npos);

    // And the package reads back with the settings it was given.
    TVYXLogDocEditor back;
    TVYXReadDOCX reader(back);
    reader.LoadFromBytes(package);
    EXPECT_DOUBLE_EQ(back.DOP().TabWidth, std::round(doc.DOP().TabWidth * 20.0) / 20.0);
}

// ---- Core properties ----------------------------------------------------------------

namespace {

// The first text of each element of a flat part, by local name, read
// straight from the part (no mapping in between).
std::map<std::string, std::string> FlatTexts(const std::string& xml)
{
    struct TFlat : TNyqReadXML {
        std::map<std::string, std::string> Texts;
        void BeginTag() override
        {
            if (!SelfClosing())
                Texts.emplace(std::string(LocalName()), TextUtf8());
        }
    } flat;
    if (!xml.empty())
        flat.LoadFromBuffer(xml);
    return flat.Texts;
}

}  // namespace

// Every corpus package's own core properties survive a save: the texts the
// model keeps are written back unchanged, dates to the second, and a second
// save writes the same bytes.
TEST(DocxCoreProperties, CorpusPropertiesSurviveASave)
{
    const fs::path dir = fs::path(VYX_SHARED_DIR) / "corpus" / "docx";
    if (!fs::is_directory(dir))
        GTEST_SKIP() << "no shared corpus";
    const char* kept[] = {"title", "subject", "creator", "keywords", "description", "lastModifiedBy",
                          "revision", "category", "contentStatus"};
    int packages = 0, withTexts = 0;
    std::vector<std::string> failures;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.path().extension() != ".docx")
            continue;
        const std::string name = e.path().filename().string();
        TVYXFileStream file(e.path().string(), vyfmRead);
        const std::string original = file.ReadAll();
        TVYXDocumentProperties props;
        TVYXLogDocEditor doc;
        std::string core;
        try {
            TVYXReadDOCX reader(doc);
            reader.Properties = &props;
            reader.LoadFromBytes(original);
            core = PartOf(original, "docProps/core.xml");
        } catch (const VYXException&) {
            continue;  // refused packages are the reader tests' concern
        }
        ++packages;
        TVYXWriteDOCX writer(doc);
        writer.Properties = &props;
        const std::string once = writer.SaveToBytes();
        const std::string written = PartOf(once, "docProps/core.xml");

        const auto before = FlatTexts(core);
        const auto after = FlatTexts(written);
        bool any = false;
        for (const char* n : kept) {
            const auto b = before.find(n);
            if (b == before.end() || b->second.empty())
                continue;
            any = true;
            const auto a = after.find(n);
            if (a == after.end() || a->second != b->second)
                failures.push_back(name + ": " + n + " \"" + b->second + "\"");
        }
        withTexts += any ? 1 : 0;

        TVYXDocumentProperties back;
        TVYXLogDocEditor again;
        TVYXReadDOCX second(again);
        second.Properties = &back;
        second.LoadFromBytes(once);
        if (std::abs(back.Created - props.Created) * 86400 > 1 || std::abs(back.LastModified - props.LastModified) * 86400 > 1)
            failures.push_back(name + ": dates");
        TVYXWriteDOCX rewriter(again);
        rewriter.Properties = &back;
        if (PartOf(rewriter.SaveToBytes(), "docProps/core.xml") != written)
            failures.push_back(name + ": not stable");
    }
    EXPECT_GT(packages, 200);
    EXPECT_GT(withTexts, 100);
    std::string all;
    for (const std::string& f : failures)
        all += "\n  " + f;
    EXPECT_TRUE(failures.empty()) << failures.size() << " failures:" << all;
}
