// VYXReadDOCXTest.cpp: the DOCX reader on hand-made parts and on the shared corpus.
//
// The corpus test compares the words of each document's body with those an
// independent script (tests/data/docx/extract_text.py, zipfile + ElementTree)
// found in the same file, by count and hash (tests/data/docx/expected.tsv).
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "editing/VYXLogEditor.h"
#include "editing/VYXPlainText.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "formats/NyqXml.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/VYXReadDOCX.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocDump.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXLogPara.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace fs = std::filesystem;

namespace {

const std::string cW = R"(xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")"
                       R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")";

std::string Body(const std::string& inner) { return "<w:document " + cW + "><w:body>" + inner + "</w:body></w:document>"; }

// White space as the extraction script's regular expression sees it (Python's \s).
bool IsSpace(char32_t c)
{
    return (c >= 9 && c <= 13) || (c >= 0x1C && c <= 0x20) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// The words of `text` joined by single blanks.
std::string Words(std::u16string_view text, std::size_t& count)
{
    const std::string utf8 = Utf16ToUtf8(text);
    std::string out;
    count = 0;
    bool inWord = false;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const char32_t c = DecodeUtf8At(utf8, i);
        if (IsSpace(c)) {
            inWord = false;
            continue;
        }
        if (!inWord) {
            if (count++ > 0)
                out += ' ';
            inWord = true;
        }
        out.append(utf8, start, i - start);
    }
    return out;
}

std::uint64_t Fnv1a64(std::string_view s)
{
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char b : s) {
        h ^= b;
        h *= 0x100000001b3ull;
    }
    return h;
}

TVYXLogPara& ParaAt(TVYXLogDocEditor& doc, int i)
{
    TVYXLogPara* p = doc.Paras().GetParas(i);
    if (!p)
        throw VYXException("no paragraph " + std::to_string(i));
    return *p;
}

}  // namespace

// ---- Character and paragraph properties ------------------------------------------------

TEST(ReadDOCX, RunPropertiesConvertAtTheBorder)
{
    TVYXLogDocEditor doc;
    TVYXReadDOCX reader(doc);
    reader.LoadDocumentXml(Body(
        R"(<w:p><w:r><w:rPr><w:b/><w:sz w:val="21"/><w:color w:val="FF0000"/></w:rPr><w:t>bold</w:t></w:r>)"
        R"(<w:r><w:rPr><w:b w:val="0"/><w:i w:val="false"/><w:u w:val="double"/><w:vertAlign w:val="superscript"/></w:rPr><w:t>plain</w:t></w:r>)"
        R"(<w:r><w:rPr><w:highlight w:val="yellow"/><w:rFonts w:ascii="Liberation Serif"/><w:caps/></w:rPr><w:t>x</w:t></w:r></w:p>)"));
    TVYXLogPara& p = ParaAt(doc, 0);
    std::vector<TVYXCharRun*> runs;
    for (int i = 0; i < p.CharRuns().Count(); ++i)
        if (!p.CharRuns().Items(i)->Text().empty())
            runs.push_back(p.CharRuns().Items(i));
    ASSERT_EQ(runs.size(), 3u);
    const TVYXCHPX& a = *runs[0]->CHPX();
    EXPECT_TRUE(a.GetBold());
    EXPECT_DOUBLE_EQ(a.GetSize(), 10.5);
    EXPECT_EQ(a.GetColor(), 0xFF0000u);
    const TVYXCHPX& b = *runs[1]->CHPX();
    EXPECT_TRUE(b.Assigned(vyciBold));
    EXPECT_FALSE(b.GetBold());
    EXPECT_FALSE(b.GetItalic());
    EXPECT_EQ(b.GetUnderline(), vycuDouble);
    EXPECT_EQ(b.GetSubSuperscript(), vycssSuperscript);
    const TVYXCHPX& c = *runs[2]->CHPX();
    EXPECT_EQ(c.GetHighlightColor(), ahcYellow);
    EXPECT_EQ(c.GetFontName(), u"Liberation Serif");
    EXPECT_TRUE(c.GetAllCaps());
}

TEST(ReadDOCX, ParagraphPropertiesConvertAtTheBorder)
{
    TVYXLogDocEditor doc;
    TVYXReadDOCX reader(doc);
    reader.LoadDocumentXml(Body(
        R"(<w:p><w:pPr><w:ind w:left="720" w:hanging="360" w:right="1440"/><w:jc w:val="both"/>)"
        R"(<w:spacing w:before="240" w:after="120" w:line="360" w:lineRule="auto"/>)"
        R"(<w:tabs><w:tab w:val="right" w:leader="dot" w:pos="9000"/><w:tab w:val="bar" w:pos="100"/></w:tabs></w:pPr>)"
        R"(<w:r><w:t>x</w:t></w:r></w:p>)"
        R"(<w:p><w:pPr><w:ind w:start="400"/><w:spacing w:line="300" w:lineRule="exact"/><w:jc w:val="center"/></w:pPr></w:p>)"));
    const TVYXPAPX& a = ParaAt(doc, 0).PAPX();
    EXPECT_DOUBLE_EQ(a.GetIndentLeft(), 36);
    EXPECT_DOUBLE_EQ(a.GetIndentHanging(), 18);
    EXPECT_DOUBLE_EQ(a.GetIndentRight(), 72);
    EXPECT_EQ(a.GetAlignment(), vyptaJustify);
    EXPECT_DOUBLE_EQ(a.GetSpaceBefore(), 12);
    EXPECT_DOUBLE_EQ(a.GetSpaceAfter(), 6);
    EXPECT_EQ(a.GetLineSpacingType(), aplstMultiple);
    EXPECT_DOUBLE_EQ(a.GetLineSpacing(), 1.5);
    ASSERT_NE(a.GetTabStops(), nullptr);
    ASSERT_EQ(a.GetTabStops()->Count(), 1);  // the bar tab is dropped
    EXPECT_DOUBLE_EQ(a.GetTabStops()->Items(0).Position, 450);
    EXPECT_EQ(a.GetTabStops()->Items(0).Alignment, atsaRight);
    EXPECT_EQ(a.GetTabStops()->Items(0).Leader, atslDot);
    const TVYXPAPX& b = ParaAt(doc, 1).PAPX();
    EXPECT_DOUBLE_EQ(b.GetIndentLeft(), 20);
    EXPECT_EQ(b.GetLineSpacingType(), aplstExactly);
    EXPECT_DOUBLE_EQ(b.GetLineSpacing(), 15);
    EXPECT_EQ(b.GetAlignment(), vyptaCenter);
}

// ---- Structure ---------------------------------------------------------------------

TEST(ReadDOCX, SectionEndedInsideAParagraph)
{
    TVYXLogDocEditor doc;
    TVYXReadDOCX reader(doc);
    reader.LoadDocumentXml(Body(
        R"(<w:p><w:pPr><w:sectPr><w:pgSz w:w="16838" w:h="11906" w:orient="landscape"/><w:type w:val="continuous"/></w:sectPr></w:pPr><w:r><w:t>one</w:t></w:r></w:p>)"
        R"(<w:p><w:r><w:t>two</w:t></w:r></w:p>)"
        R"(<w:sectPr><w:pgSz w:w="11906" w:h="16838"/><w:pgMar w:top="1440" w:bottom="1440" w:left="1800" w:right="1800" w:header="720" w:footer="720"/></w:sectPr>)"));
    ASSERT_EQ(doc.Paras().Count(), 2);
    ASSERT_NE(ParaAt(doc, 0).SEP(), nullptr);
    EXPECT_DOUBLE_EQ(ParaAt(doc, 0).SEP()->PageWidth, 841.9);
    EXPECT_EQ(ParaAt(doc, 0).SEP()->Type, astContinous);
    EXPECT_EQ(ParaAt(doc, 1).SEP(), nullptr);
    EXPECT_DOUBLE_EQ(doc.SEP().MargLeft, 90);
    EXPECT_DOUBLE_EQ(doc.SEP().MargHeader, 36);
}

TEST(ReadDOCX, NestedAndMergedTables)
{
    TVYXLogDocEditor doc;
    TVYXReadDOCX reader(doc);
    const std::string inner = R"(<w:tbl><w:tr><w:tc><w:p><w:r><w:t>deep</w:t></w:r></w:p></w:tc></w:tr></w:tbl>)";
    reader.LoadDocumentXml(Body(
        R"(<w:tbl><w:tblGrid><w:gridCol w:w="2000"/><w:gridCol w:w="3000"/></w:tblGrid>)"
        R"(<w:tr><w:tc><w:tcPr><w:vMerge w:val="restart"/></w:tcPr><w:p><w:r><w:t>a</w:t></w:r></w:p></w:tc>)"
        R"(<w:tc><w:tcPr><w:tcW w:w="3000" w:type="dxa"/></w:tcPr>)" + inner + R"(<w:p/></w:tc></w:tr>)"
        R"(<w:tr><w:tc><w:tcPr><w:vMerge/></w:tcPr><w:p/></w:tc><w:tc><w:p><w:r><w:t>b</w:t></w:r></w:p></w:tc></w:tr>)"
        R"(<w:tr><w:tc><w:tcPr><w:gridSpan w:val="2"/></w:tcPr><w:p><w:r><w:t>wide</w:t></w:r></w:p></w:tc></w:tr></w:tbl>)"
        R"(<w:p><w:r><w:t>after</w:t></w:r></w:p>)"));
    ASSERT_GE(doc.Paras().Count(), 2);
    TVYXTable* table = doc.Paras().GetTables(0);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->Count(), 3);
    EXPECT_DOUBLE_EQ(table->GetCells(0, 0)->GetWidth(), 100);
    EXPECT_DOUBLE_EQ(table->GetCells(1, 0)->GetWidth(), 150);
    EXPECT_TRUE(table->GetCells(0, 0)->GetMergedRoot());
    EXPECT_TRUE(table->GetCells(0, 1)->GetMerged());
    EXPECT_TRUE(table->GetCells(0, 1)->GetMergedLast());
    EXPECT_EQ(table->GetRows(2)->Count(), 1);
    EXPECT_EQ(table->GetCells(0, 2)->GridSpan, 2);
    EXPECT_DOUBLE_EQ(table->GetCells(0, 2)->GetWidth(), 250);
    TVYXLogParas& cell = table->GetCells(1, 0)->Paras();
    ASSERT_EQ(cell.Count(), 2);  // the nested table and the paragraph after it
    ASSERT_TRUE(cell.GetItems(0)->IsTable());
    EXPECT_EQ(cell.GetItems(0)->GetPlainText(), u"deep");
    EXPECT_EQ(doc.Paras().GetItems(doc.Paras().Count() - 1)->GetPlainText(), u"after");
}

TEST(ReadDOCX, DeepNestingIsRefusedOrCut)
{
    // Tables nested beyond the limit are cut; elements nested beyond the
    // tokenizer's depth make the part unreadable. Neither crashes.
    std::string deep;
    for (int i = 0; i < 100; ++i)
        deep += "<w:tbl><w:tr><w:tc>";
    deep += "<w:p><w:r><w:t>x</w:t></w:r></w:p>";
    for (int i = 0; i < 100; ++i)
        deep += "<w:p/></w:tc></w:tr></w:tbl>";
    TVYXLogDocEditor doc;
    TVYXReadDOCX reader(doc);
    try {
        reader.LoadDocumentXml(Body(deep));
    } catch (const VYXException&) {
    }
    EXPECT_GT(doc.Paras().Count(), 0);

    std::string spans(100000, ' ');
    spans.clear();
    for (int i = 0; i < 20000; ++i)
        spans += "<w:smartTag>";
    TVYXLogDocEditor doc2;
    TVYXReadDOCX reader2(doc2);
    EXPECT_THROW(reader2.LoadDocumentXml(Body("<w:p>" + spans + "</w:p>")), VYXException);
    EXPECT_GT(doc2.Paras().Count(), 0);
}

TEST(ReadDOCX, UnknownElementReportedOnceAndSkipped)
{
    TVYXErrorManager errors;
    TVYXLogDocEditor doc(aldtMain, &errors);
    TVYXReadDOCX reader(doc);
    reader.LoadDocumentXml(Body(
        R"(<w:p><w:r><w:bogus><w:t>hidden</w:t></w:bogus><w:t>shown</w:t></w:r>)"
        R"(<w:r><w:bogus/><w:t>!</w:t></w:r></w:p>)"
        R"(<w:p w:strange="1"><w:r w:strange="2"><w:t xml:space="preserve"/></w:r></w:p>)"));
    EXPECT_EQ(doc.Paras().GetPlainText(), u"shown!\r\n");
    int unknown = 0, unknownAttributes = 0;
    for (int i = 0; i < reader.Errors().Count(); ++i) {
        if (reader.Errors().Items(i).find("Unknown Element") != std::string::npos) {
            ++unknown;
            EXPECT_NE(reader.Errors().Items(i).find("Row 1"), std::string::npos);
        }
        unknownAttributes += reader.Errors().Items(i).find("Unknown Attribute \"w:strange\"") != std::string::npos;
    }
    EXPECT_EQ(unknown, 1);
    EXPECT_EQ(unknownAttributes, 1);
    EXPECT_EQ(errors.WarnCount, 2);
}

TEST(ReadDOCX, FieldsBookmarksAndRevisions)
{
    TVYXLogDocEditor doc;
    TVYXReadDOCX reader(doc);
    reader.LoadDocumentXml(Body(
        R"(<w:p><w:bookmarkStart w:id="1" w:name="here"/><w:r><w:t>mark</w:t></w:r><w:bookmarkEnd w:id="1"/>)"
        R"(<w:bookmarkStart w:id="2" w:name="_GoBack"/><w:bookmarkEnd w:id="2"/>)"
        R"(<w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText> PAGE </w:instrText></w:r>)"
        R"(<w:r><w:fldChar w:fldCharType="separate"/></w:r><w:r><w:t>7</w:t></w:r><w:r><w:fldChar w:fldCharType="end"/></w:r>)"
        R"(<w:ins w:id="3" w:author="Ann" w:date="2020-01-02T03:04:05Z"><w:r><w:t>new</w:t></w:r></w:ins>)"
        R"(<w:del w:id="4" w:author="Bob"><w:r><w:delText>old</w:delText></w:r></w:del></w:p>)"));
    TVYXLogPara& p = ParaAt(doc, 0);
    EXPECT_EQ(p.GetPlainText(), u"mark7newold");
    int linked = 0, instr = 0, revisions = 0;
    std::u16string instruction;
    for (int i = 0; i < p.CharRuns().Count(); ++i) {
        TVYXCharRun* r = p.CharRuns().Items(i);
        linked += r->Type_() == acrtLinked;
        if (r->Type_() == acrtInstrText) {
            ++instr;
            instruction = static_cast<TVYXCharRunInstrText*>(r)->InstrText;
        }
        if (r->Revision()) {
            ++revisions;
            EXPECT_EQ(r->Revision()->RevType, r->Text() == u"new" ? artInsert : artDelete);
            if (r->Text() == u"new") {
                EXPECT_EQ(r->Revision()->Author, u"Ann");
                EXPECT_NEAR(r->Revision()->Date, 43832.128, 0.001);
            }
        }
    }
    EXPECT_EQ(linked, 2);  // "here" opens and closes; "_GoBack" is dropped
    EXPECT_EQ(instr, 1);
    EXPECT_EQ(instruction, u" PAGE ");
    EXPECT_EQ(revisions, 2);
}

TEST(ReadDOCX, BadDocumentPartsRaise)
{
    const std::string cases[] = {"", "<w:document", "<x/>", "not xml at all <", "<w:document><w:body><w:p></w:body>"};
    for (const std::string& xml : cases) {
        SCOPED_TRACE(xml);
        TVYXLogDocEditor doc;
        TVYXReadDOCX reader(doc);
        try {
            reader.LoadDocumentXml(xml);
        } catch (const VYXException&) {
        }
        EXPECT_GT(doc.Paras().Count(), 0);
    }
    TVYXLogDocEditor doc;
    TVYXReadDOCX reader(doc);
    EXPECT_THROW(reader.LoadFromBytes("PK\x03\x04 broken"), VYXException);
}

// ---- The shared corpus ---------------------------------------------------------------

namespace {
struct TCorpusResult {
    int Read = 0, Refused = 0, TextEqual = 0, Compared = 0;
    std::vector<std::string> Mismatches, Refusals;
};

TCorpusResult ReadCorpus(const fs::path& dir, const std::map<std::string, std::pair<std::size_t, std::string>>& expected)
{
    TCorpusResult result;
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(dir))
        files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        const std::string name = file.filename().string();
        TVYXErrorManager errors;
        TVYXLogDocEditor doc(aldtMain, &errors);
        TVYXReadDOCX reader(doc);
        try {
            reader.LoadFromFile(file.string());
        } catch (const VYXException& e) {
            ++result.Refused;
            result.Refusals.push_back(name + ": " + e.what());
            EXPECT_FALSE(std::string(e.what()).empty());
            continue;
        }
        ++result.Read;
        const auto it = expected.find(name);
        if (it == expected.end())
            continue;
        ++result.Compared;
        std::size_t count = 0;
        const std::string words = Words(TVYXExportText().Text(doc.Paras()), count);
        char hash[17];
        std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(Fnv1a64(words)));
        if (count == it->second.first && hash == it->second.second)
            ++result.TextEqual;
        else
            result.Mismatches.push_back(name + " words " + std::to_string(count) + " expected " +
                                        std::to_string(it->second.first));
    }
    return result;
}
}  // namespace

TEST(ReadDOCX, CorpusReadsAndMatchesIndependentText)
{
    const fs::path dir = fs::path(VYX_SHARED_DIR) / "corpus" / "docx";
    if (!fs::is_directory(dir))
        GTEST_SKIP() << "no shared corpus";
    std::map<std::string, std::pair<std::size_t, std::string>> expected;
    std::ifstream in(fs::path(VYX_TEST_DATA_DIR) / "docx" / "expected.tsv");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string name, count, hash;
        std::getline(fields, name, '\t');
        std::getline(fields, count, '\t');
        std::getline(fields, hash, '\t');
        if (count != "error")
            expected[name] = {std::stoul(count), hash};
    }
    ASSERT_GT(expected.size(), 200u);
    const TCorpusResult r = ReadCorpus(dir, expected);
    for (const std::string& s : r.Refusals)
        std::printf("refused: %s\n", s.c_str());
    for (const std::string& s : r.Mismatches)
        std::printf("text differs: %s\n", s.c_str());
    std::printf("read %d, refused %d, text equal %d of %d\n", r.Read, r.Refused, r.TextEqual, r.Compared);
    EXPECT_GE(r.TextEqual * 100, r.Compared * 98);
}

TEST(ReadDOCX, EncryptedCorpusWithAndWithoutPassword)
{
    const fs::path corpus = fs::path(VYX_SHARED_DIR) / "corpus";
    std::ifstream manifest(corpus / "MANIFEST.tsv");
    if (!manifest)
        GTEST_SKIP() << "no shared corpus";
    std::string line;
    int checked = 0;
    while (std::getline(manifest, line)) {
        std::vector<std::string> f;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, '\t');)
            f.push_back(field);
        if (f.size() < 7 || f[1] != "docx-encrypted")
            continue;
        SCOPED_TRACE(f[0]);
        const std::string file = (corpus / f[0]).string();
        {
            TVYXLogDocEditor doc;
            TVYXReadDOCX reader(doc);
            reader.Password = f[6];
            EXPECT_NO_THROW(reader.LoadFromFile(file));
            EXPECT_FALSE(TVYXExportText().Text(doc.Paras()).empty());
        }
        for (const char* password : {"", "not the password"}) {
            TVYXLogDocEditor doc;
            TVYXReadDOCX reader(doc);
            reader.Password = password;
            try {
                reader.LoadFromFile(file);
                ADD_FAILURE() << "read without the right password";
            } catch (const VYXException& e) {
                EXPECT_EQ(std::string(e.what()), *password ? "Wrong password" : "Missing password");
            }
            EXPECT_GT(doc.Paras().Count(), 0);
        }
        ++checked;
    }
    EXPECT_EQ(checked, 8);
}

TEST(ReadDOCX, MalformedCorpusFailsCleanly)
{
    const fs::path dir = fs::path(VYX_SHARED_DIR) / "corpus" / "malformed";
    if (!fs::is_directory(dir))
        GTEST_SKIP() << "no shared corpus";
    int tried = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.path().extension() != ".docx")
            continue;
        SCOPED_TRACE(e.path().filename().string());
        TVYXLogDocEditor doc;
        TVYXReadDOCX reader(doc);
        try {
            reader.LoadFromFile(e.path().string());
        } catch (const VYXException& ex) {
            EXPECT_FALSE(std::string(ex.what()).empty());
        }
        EXPECT_GT(doc.Paras().Count(), 0);
        ++tried;
    }
    EXPECT_GE(tried, 7);
}

TEST(ReadDOCX, EveryTruncationOfADocumentPartFailsCleanly)
{
    const std::string full = Body(
        R"(<w:p><w:pPr><w:pStyle w:val="Heading1"/></w:pPr><w:r><w:rPr><w:b/></w:rPr><w:t>Title &amp; more</w:t></w:r></w:p>)"
        R"(<w:tbl><w:tr><w:tc><w:p><w:r><w:t>cell</w:t></w:r></w:p></w:tc></w:tr></w:tbl>)"
        R"(<w:p><w:hyperlink w:anchor="x"><w:r><w:t>link</w:t></w:r></w:hyperlink></w:p>)");
    for (std::size_t n = 0; n < full.size(); ++n) {
        SCOPED_TRACE(n);
        TVYXLogDocEditor doc;
        TVYXReadDOCX reader(doc);
        try {
            reader.LoadDocumentXml(full.substr(0, n));
        } catch (const VYXException&) {
        }
        ASSERT_GT(doc.Paras().Count(), 0);
        TVYXExportText().Text(doc.Paras());
    }
}

// ---- Hostile packages -------------------------------------------------------------------

namespace {
// A package with the given main document and styles and numbering parts (empty: none),
// plus an image relationship whose target climbs out of the package.
std::string MakePackage(const std::string& document, const std::string& styles, const std::string& numbering)
{
    TVYXMemoryStream out;
    TOPC_DOCX pkg;
    pkg.OpenWrite(out);
    TOPCItem& doc = pkg.CreateDocument();
    pkg.ItemCreate(doc, OPCDocxRelType(odpImage), "", "../../../outside.png", "rIdOut");
    if (!styles.empty())
        pkg.WriteItem(pkg.CreateStyles(), styles);
    if (!numbering.empty())
        pkg.WriteItem(pkg.CreateNumbering(), numbering);
    pkg.WriteItem(doc, document);
    pkg.Close();
    return out.TakeBytes();
}
}  // namespace

TEST(ReadDOCX, HostilePackagesReadBestEffort)
{
    const std::string styles =
        "<w:styles " + cW + ">"
        R"(<w:style w:type="paragraph" w:styleId="A"><w:name w:val="A"/><w:basedOn w:val="B"/><w:rPr><w:b/></w:rPr></w:style>)"
        R"(<w:style w:type="paragraph" w:styleId="B"><w:name w:val="B"/><w:basedOn w:val="A"/></w:style>)"
        R"(<w:style w:type="paragraph" w:styleId="C"><w:name w:val="C"/><w:basedOn w:val="C"/></w:style></w:styles>)";
    const std::string numbering =
        "<w:numbering " + cW + ">"
        R"(<w:num w:numId="3"><w:abstractNumId w:val="99"/></w:num>)"
        R"(<w:abstractNum w:abstractNumId="1"><w:lvl w:ilvl="0"><w:numFmt w:val="upperRoman"/><w:lvlText w:val="%1."/></w:lvl>)"
        R"(<w:lvl w:ilvl="42"/></w:abstractNum><w:num w:numId="4"><w:abstractNumId w:val="1"/></w:num></w:numbering>)";
    const std::string huge(2'000'000, 'x');
    const std::string document = Body(
        R"(<w:p><w:pPr><w:pStyle w:val="A"/><w:numPr><w:ilvl w:val="0"/><w:numId w:val="3"/></w:numPr></w:pPr><w:r><w:t>cycle</w:t></w:r></w:p>)"
        R"(<w:p><w:pPr><w:pStyle w:val="C"/><w:numPr><w:ilvl w:val="7"/><w:numId w:val="4"/></w:numPr></w:pPr><w:r><w:t>roman</w:t></w:r></w:p>)"
        R"(<w:p><w:r><w:drawing><wp:inline><a:graphic><a:graphicData><pic:pic><pic:blipFill><a:blip r:embed="rIdOut"/></pic:blipFill></pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r>)"
        R"(<w:r><w:drawing><wp:inline><a:graphic><a:graphicData><pic:pic><pic:blipFill><a:blip r:embed="rIdNothing"/></pic:blipFill></pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r>)"
        R"(<w:hyperlink r:id="rIdNothing"><w:r><w:t>link</w:t></w:r></w:hyperlink>)"
        R"(<w:r><w:rPr><w:rStyle w:val=")" + huge + R"("/></w:rPr><w:t>huge</w:t></w:r>)"
        R"(<w:bookmarkEnd w:id="77"/><w:commentRangeEnd w:id="5"/><w:r><w:footnoteReference w:id="9"/></w:r></w:p>)");
    TVYXErrorManager errors;
    TVYXLogDocEditor doc(aldtMain, &errors);
    TVYXReadDOCX reader(doc);
    ASSERT_NO_THROW(reader.LoadFromBytes(MakePackage(document, styles, numbering)));
    EXPECT_EQ(TVYXExportText().Text(doc.Paras()), u"cycle\nroman\nlinkhuge\n");
    auto* a = dynamic_cast<TVYXParaStyle*>(doc.Styles().Find(u"A"));
    auto* c = dynamic_cast<TVYXParaStyle*>(doc.Styles().Find(u"C"));
    ASSERT_TRUE(a && c);
    EXPECT_EQ(c->BasedOn, nullptr);
    // One link of the cycle is kept, the one that would close it is not.
    EXPECT_TRUE(a->BasedOn == nullptr || a->BasedOn->BasedOn == nullptr);
    EXPECT_EQ(ParaAt(doc, 0).PAPX().GetNumbering(), nullptr);  // numId 3 names a missing definition
    const TVYXNumbering* roman = ParaAt(doc, 1).PAPX().GetNumbering();
    ASSERT_NE(roman, nullptr);
    EXPECT_EQ(roman->Level, 7);
    bool missingDefinition = false;
    for (int i = 0; i < reader.Errors().Count(); ++i)
        missingDefinition |= reader.Errors().Items(i).find("missing definition") != std::string::npos;
    EXPECT_TRUE(missingDefinition);
    // Neither the picture outside the package nor the one that names nothing is read.
    const TVYXLogPara& third = ParaAt(doc, 2);
    for (int i = 0; i < third.CharRuns().Count(); ++i)
        EXPECT_NE(third.CharRuns().Items(i)->Type_(), acrtPicture);
}

TEST(ReadDOCX, HyperlinkFieldsBecomeLinks)
{
    TVYXLogDocEditor doc;
    TVYXReadDOCX reader(doc);
    const std::string field = R"(<w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText xml:space="preserve"> HYPERLINK "http://a.example/x" \o "tip" </w:instrText></w:r>)"
                              R"(<w:r><w:fldChar w:fldCharType="separate"/></w:r><w:r><w:rPr><w:b/></w:rPr><w:t>go</w:t></w:r><w:r><w:t> there</w:t></w:r>)"
                              R"(<w:r><w:fldChar w:fldCharType="end"/></w:r>)";
    reader.LoadDocumentXml(Body(
        "<w:p>" + field + R"(<w:r><w:t>!</w:t></w:r></w:p>)"
        R"(<w:p><w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText>HYPERLINK \l "sec2"</w:instrText></w:r>)"
        R"(<w:r><w:fldChar w:fldCharType="separate"/></w:r><w:r><w:t>inside</w:t></w:r><w:r><w:fldChar w:fldCharType="end"/></w:r></w:p>)"
        // A link whose result crosses a paragraph stays a field.
        R"(<w:p><w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText>HYPERLINK "u"</w:instrText></w:r>)"
        R"(<w:r><w:fldChar w:fldCharType="separate"/></w:r><w:r><w:t>a</w:t></w:r></w:p><w:p><w:r><w:t>b</w:t></w:r><w:r><w:fldChar w:fldCharType="end"/></w:r></w:p>)"));
    auto links = [](TVYXLogPara& p) {
        std::vector<const TVYXCharRunHyperlink*> out;
        for (int i = 0; i < p.CharRuns().Count(); ++i)
            if (p.CharRuns().Items(i)->Type_() == acrtHyperlink)
                out.push_back(static_cast<const TVYXCharRunHyperlink*>(p.CharRuns().Items(i)));
        return out;
    };
    const auto first = links(ParaAt(doc, 0));
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0]->Hyperlink->Address, u"http://a.example/x");
    EXPECT_EQ(first[0]->Hyperlink->Type, ahtURL);
    EXPECT_TRUE(first[0]->CHPX() && first[0]->CHPX()->GetBold());
    EXPECT_EQ(ParaAt(doc, 0).GetPlainText(), u"go there!");
    const auto second = links(ParaAt(doc, 1));
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0]->Hyperlink->Address, u"sec2");
    EXPECT_EQ(second[0]->Hyperlink->Type, ahtBookmark);
    EXPECT_TRUE(links(ParaAt(doc, 2)).empty());
    EXPECT_EQ(ParaAt(doc, 3).GetPlainText(), u"b");
}

// ---- What was read can be edited -----------------------------------------------------------

TEST(ReadDOCX, CorpusDocumentsStaySoundUnderEditing)
{
    const fs::path dir = fs::path(VYX_SHARED_DIR) / "corpus" / "docx";
    if (!fs::is_directory(dir))
        GTEST_SKIP() << "no shared corpus";
    const TVYXCommand commands[] = {
        vycMoveCharRight, vycMoveWordRight, vycMoveParaDown, vycMoveEndOfLine, vycMoveCellNext, vycMoveCellDown,
        vycSelectWordRight, vycSelectParaDown, vycSelectWord, vycDelCharLeft, vycDelCharRight, vycDelWordRight,
        vycDelSelection, vycControlNewPara, vycControlTab, vycControlLineBreak, vycFormatBold, vycFormatIncFont,
        vycFormatParaCenter, vycFormatParaBullet, vycFormatRemoveBulletNumbering, vycTableInsertRowsBelow,
        vycTableDeleteCol, vycTableMergeCells, vycRevisionAcceptAll, vycRevisionRejectAll, vycInsertFootnote,
        vycMoveRevisionNext, vycRevisionAccept};
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(dir))
        if (fs::file_size(e.path()) < 150000)
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    int edited = 0;
    for (std::size_t f = 0; f < files.size(); ++f) {
        SCOPED_TRACE(files[f].filename().string());
        TVYXLogDocEditor doc;
        try {
            TVYXReadDOCX(doc).LoadFromFile(files[f].string());
        } catch (const VYXException&) {
            continue;
        }
        ASSERT_EQ(VYXCheckEditor(doc), "") << "as read";
        for (TVYXHeaderFooterType kind : {ahftDefault, ahftFirst, ahftEven}) {
            for (TVYXHeadersFooters* set : {&doc.Headers(), &doc.Footers()}) {
                if (TVYXLogDocEditor* e = set->Find(kind)) {
                    ASSERT_EQ(VYXCheckList(doc, e->Paras(), nullptr, 0), "") << "header or footer as read";
                }
            }
        }
        for (int i = 0; i < doc.TextBoxes().Count(); ++i) {
            ASSERT_EQ(VYXCheckList(doc, doc.TextBoxes().GetItems(i).Paras(), nullptr, 0), "") << "text box " << i;
        }
        if (doc.FootnoteList().Count() > 0) {
            ASSERT_EQ(VYXCheckList(doc, doc.Footnotes().Paras(), nullptr, 0), "") << "footnotes";
        }
        std::mt19937 rng(static_cast<unsigned>(f + 1));
        for (int step = 0; step < 60; ++step) {
            if (rng() % 4 == 0)
                doc.Command(vycInsertAtCaret, u"typed ");
            else
                doc.Command(commands[rng() % std::size(commands)]);
            ASSERT_EQ(VYXCheckEditor(doc), "") << "step " << step;
        }
        ++edited;
    }
    EXPECT_GT(edited, 150);
}

// ---- Golden dumps ------------------------------------------------------------------------

namespace {
std::string DumpAll(TVYXLogDocEditor& doc)
{
    std::string out = VYXDumpParas(doc.Paras());
    const std::pair<TVYXHeaderFooterType, const char*> kinds[] = {{ahftDefault, "default"}, {ahftFirst, "first"}, {ahftEven, "even"}};
    for (bool header : {true, false})
        for (const auto& [kind, name] : kinds)
            if (TVYXLogDocEditor* e = (header ? doc.Headers() : doc.Footers()).Find(kind))
                out += std::string(header ? "header " : "footer ") + name + "\n" + VYXDumpParas(e->Paras(), 1);
    for (int i = 0; i < doc.TextBoxes().Count(); ++i)
        out += "text box\n" + VYXDumpParas(doc.TextBoxes().GetItems(i).Paras(), 1);
    if (doc.FootnoteList().Count() > 0)
        out += "footnotes\n" + VYXDumpParas(doc.Footnotes().Paras(), 1);
    if (doc.EndnoteList().Count() > 0)
        out += "endnotes\n" + VYXDumpParas(doc.Endnotes().Paras(), 1);
    return out;
}
}  // namespace

// Whole-model dumps of a few corpus files chosen for their structure: nested and
// merged tables, lists, notes, comments, headers, tracked changes, form fields.
// VYX_UPDATE_GOLDEN=1 rewrites them; a failure leaves <name>.dump.actual beside.
TEST(ReadDOCX, GoldenDumps)
{
    const fs::path corpus = fs::path(VYX_SHARED_DIR) / "corpus" / "docx";
    if (!fs::is_directory(corpus))
        GTEST_SKIP() << "no shared corpus";
    const fs::path data = fs::path(VYX_TEST_DATA_DIR) / "docx";
    for (const char* name : {"d2py-merged_cells.docx", "docx4j-odd_even_different_first_page.docx", "mammoth-comments.docx",
                             "oxpt-RP015-MoveFrom-MoveTo.docx", "docx4j-LegacyForms.docx", "docxjs-numbering.docx",
                             "tika-testWORD_endnote_table.docx"}) {
        SCOPED_TRACE(name);
        TVYXLogDocEditor doc;
        TVYXReadDOCX(doc).LoadFromFile((corpus / name).string());
        const std::string actual = DumpAll(doc);
        const fs::path golden = data / (std::string(name) + ".dump");
        if (std::getenv("VYX_UPDATE_GOLDEN")) {
            std::ofstream(golden, std::ios::binary) << actual;
            continue;
        }
        std::ifstream in(golden, std::ios::binary);
        ASSERT_TRUE(in) << "missing golden " << golden;
        const std::string expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (actual != expected)
            std::ofstream(golden.string() + ".actual", std::ios::binary) << actual;
        EXPECT_EQ(actual, expected);
    }
}

TEST(ReadDOCX, MarkupNeverCrossesStories)
{
    TVYXLogDocEditor doc;
    TVYXReadDOCX reader(doc);
    reader.LoadDocumentXml(Body(
        R"(<w:p><w:bookmarkStart w:id="1" w:name="outer"/><w:r><w:t>one</w:t></w:r>)"
        R"(<w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:pict><v:shape xmlns:v="urn:schemas-microsoft-com:vml" style="width:100pt;height:50pt"><v:textbox><w:txbxContent>)"
        R"(<w:p><w:bookmarkStart w:id="2" w:name="inner"/><w:r><w:t>boxed</w:t></w:r><w:bookmarkEnd w:id="1"/>)"
        R"(<w:r><w:fldChar w:fldCharType="end"/></w:r></w:p></w:txbxContent></v:textbox></v:shape></w:pict></w:r>)"
        R"(<w:r><w:instrText>PAGE</w:instrText></w:r><w:r><w:fldChar w:fldCharType="end"/></w:r></w:p>)"
        R"(<w:p><w:r><w:t>two</w:t></w:r><w:bookmarkEnd w:id="1"/></w:p>)"));
    ASSERT_EQ(doc.TextBoxes().Count(), 1);
    EXPECT_EQ(VYXCheckEditor(doc), "");
    const std::string body = VYXDumpParas(doc.Paras());
    const std::string box = VYXDumpParas(doc.TextBoxes().GetItems(0).Paras());
    // "outer" opens and closes in the body, "inner" opens and is closed in the box.
    EXPECT_NE(body.find("bookmark first \"outer\""), std::string::npos) << body;
    EXPECT_NE(body.find("bookmark last \"outer\""), std::string::npos) << body;
    EXPECT_NE(box.find("bookmark first \"inner\""), std::string::npos) << box;
    EXPECT_NE(box.find("bookmark last \"inner\""), std::string::npos) << box;
    EXPECT_EQ(box.find("outer"), std::string::npos) << box;
    // The body's field ends in the body: the box's end mark has no field to end.
    EXPECT_EQ(box.find("fieldchar"), std::string::npos) << box;
    EXPECT_NE(body.find("fieldchar end"), std::string::npos) << body;
}

TEST(ReadDOCX, ListsLinkedThroughANumberingStyle)
{
    // Written by a word processor that defines its list once in a numbering style
    // and points the other definitions at it (w:numStyleLink).
    const fs::path file = fs::path(VYX_SHARED_DIR) / "corpus" / "docx" / "d2py-created-in-pages-bulleted-lists.docx";
    if (!fs::exists(file))
        GTEST_SKIP() << "no shared corpus";
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromFile(file.string());
    int numbered = 0;
    for (int i = 0; i < doc.Paras().Count(); ++i) {
        const TVYXLogPara* p = doc.Paras().GetParas(i);
        const TVYXNumbering* level = p ? p->PAPX().GetNumbering() : nullptr;
        // numId 2 (list 1) links to the "Numbered" style, whose list holds the levels.
        if (!level || level->NumList()->Id != 1)
            continue;
        ++numbered;
        EXPECT_EQ(level->Style, anstDecimal);
        EXPECT_EQ(level->Text, u"%" + std::u16string(1, static_cast<char16_t>(u'1' + level->Level)) + u".");
    }
    EXPECT_GT(numbered, 0);
}
