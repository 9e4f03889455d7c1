// VYXReadDOCTest.cpp: the binary document importer against the shared corpus (text equal
// to an independent extraction), the refusal messages, and damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "editing/VYXLogEditor.h"
#include "import/VYXReadDOC.h"
#include "model/VYXCharRun.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXDocDump.h"
#include "model/VYXFields.h"
#include "model/VYXForEachPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXTable.h"
#include "formats/VYXZip5.h"
#include "platform/VYXCompoundFile.h"
#include "platform/VYXStream.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace fs = std::filesystem;

namespace {

const fs::path cCorpus = fs::path(VYX_SHARED_DIR) / "corpus" / "doc";
const fs::path cData = fs::path(VYX_TEST_DATA_DIR) / "doc";

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The body as lines the way the independent extraction writes them: one per
// paragraph or cell paragraph, breaks as line ends, trailing blanks stripped, no
// empty lines.
void WalkParas(const TVYXLogParas& paras, std::u16string& out)
{
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsTable()) {
            const auto* table = static_cast<const TVYXTable*>(item);
            for (int r = 0; r < table->Count(); ++r)
                for (int c = 0; c < table->GetRows(r)->Count(); ++c)
                    WalkParas(table->GetRows(r)->GetCells(c)->Paras(), out);
            continue;
        }
        const auto* para = static_cast<const TVYXLogPara*>(item);
        for (int r = 0; r < para->Count(); ++r) {
            const TVYXCharRun* run = para->GetItems(r);
            switch (run->Type_()) {
            case acrtText:
            case acrtHyperlink: out += run->Text(); break;
            case acrtTab: out += u'\t'; break;
            case acrtBreak: out += u'\n'; break;
            default: break;
            }
        }
        out += u'\n';
    }
}

std::string BodyLines(TVYXLogDocEditor& doc)
{
    std::u16string text;
    WalkParas(doc.Paras(), text);
    std::string lines, line;
    std::istringstream in(Utf16ToUtf8(text));
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        if (!line.empty())
            lines += line + "\n";
    }
    return lines;
}

// The refusals the corpus holds, by file name.
struct TRefusal {
    const char* File;
    const char* Message;
};
constexpr TRefusal cRefusals[] = {
    {"msoffcrypto-rc4cryptoapi_password.doc", "Document is encrypted."},
    {"poi-PasswordProtected.doc", "Document is encrypted."},
    {"poi-password_password_cryptoapi.doc", "Document is encrypted."},
    {"poi-password_tika_binaryrc4.doc", "Document is encrypted."},
    {"poi-word2.doc", "File is not a MS Word file"},
};

const char* ExpectedRefusal(const std::string& name)
{
    for (const TRefusal& r : cRefusals)
        if (name == r.File)
            return r.Message;
    return nullptr;
}

// A copy of a corpus file with its WordDocument stream changed by `edit`.
std::string WithDocStream(const std::string& file, const std::function<void(std::string&)>& edit)
{
    std::unique_ptr<TVYXCompoundFile> cfb = TVYXCompoundFile::OpenFile(file);
    TVYXCompoundFile& in = *cfb;
    TVYXCompoundFileWriter out;
    const TVYXCfbEntry& root = in.Entry(0);
    for (int child : root.Children) {
        const TVYXCfbEntry& e = in.Entry(child);
        if (e.Type != vycetStream)
            continue;
        std::string bytes = in.ReadStream(child);
        if (e.Name == u"WordDocument")
            edit(bytes);
        out.AddStream(TVYXCompoundFileWriter::cRoot, e.Name, std::move(bytes));
    }
    return out.Save();
}

std::string LoadError(std::string bytes)
{
    TVYXLogDocEditor doc;
    TVYXReadDOC reader(doc);
    try {
        reader.LoadFromBytes(std::move(bytes));
    } catch (const VYXException& e) {
        return e.what();
    }
    return {};
}

}  // namespace

TEST(ReadDOC, CorpusTextMatchesIndependentExtraction)
{
    if (!fs::exists(cCorpus))
        GTEST_SKIP() << "no corpus";
    int read = 0, refused = 0, matched = 0;
    std::vector<std::string> mismatches;
    std::map<std::string, int> unknown;  // modifiers not applied, by how many files have them
    for (const auto& entry : fs::directory_iterator(cCorpus)) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        TVYXLogDocEditor doc;
        TVYXReadDOC reader(doc);
        const char* refusal = ExpectedRefusal(name);
        try {
            reader.LoadFromFile(entry.path().string());
        } catch (const VYXException& e) {
            ++refused;
            EXPECT_TRUE(refusal) << "refused: " << e.what();
            if (refusal) {
                EXPECT_EQ(std::string(e.what()), refusal);
            }
            continue;
        }
        EXPECT_FALSE(refusal) << "read, expected: " << (refusal ? refusal : "");
        ++read;
        for (const std::string& code : reader.UnknownSprms())
            ++unknown[code];
        const fs::path expectedFile = cData / (name + ".txt");
        ASSERT_TRUE(fs::exists(expectedFile));
        const std::string expected = ReadFile(expectedFile);
        const std::string actual = BodyLines(doc);
        if (actual == expected) {
            ++matched;
        } else {
            mismatches.push_back(name);
            std::ofstream(cData / (name + ".actual"), std::ios::binary) << actual;
        }
    }
    EXPECT_EQ(read + refused, 55);
    EXPECT_EQ(refused, static_cast<int>(std::size(cRefusals)));
    // Every readable file's text matches; a mismatch leaves <name>.actual beside the expected text.
    EXPECT_TRUE(mismatches.empty()) << mismatches.size() << " of " << read << " differ, first: "
                                    << (mismatches.empty() ? "" : mismatches.front());
    std::cout << "[ doc corpus ] read " << read << ", refused " << refused << ", text equal " << matched
              << "\n[ doc corpus ] modifiers not applied (files):";
    for (const auto& [code, files] : unknown)
        std::cout << " " << code << "(" << files << ")";
    std::cout << "\n";
}

TEST(ReadDOC, FibChecksRefuseWithTheirMessages)
{
    const fs::path sample = cCorpus / "poi-simple.doc";
    if (!fs::exists(sample))
        GTEST_SKIP() << "no corpus";
    const std::string file = sample.string();
    auto put16 = [](std::string& s, std::size_t at, std::uint16_t v) {
        s[at] = static_cast<char>(v & 0xFF);
        s[at + 1] = static_cast<char>(v >> 8);
    };
    struct TCase {
        const char* Name;
        std::function<void(std::string&)> Edit;
        const char* Message;
    };
    const TCase cases[] = {
        {"ident", [&](std::string& s) { put16(s, 0, 0x1234); }, "File is not a MS Word file"},
        {"encrypted", [&](std::string& s) { s[11] = static_cast<char>(s[11] | 0x01); }, "Document is encrypted."},
        {"between versions", [&](std::string& s) { put16(s, 2, 150); }, "Unsupported DOC version (Word 6/95)"},
        {"csw", [&](std::string& s) { put16(s, 32, 13); }, "Invalid DOC file"},
        {"cslw", [&](std::string& s) { put16(s, 62, 21); }, "Invalid DOC file"},
        {"other table", [&](std::string& s) { s[11] = static_cast<char>(s[11] ^ 0x02); }, "Invalid DOC file"},
        {"clx outside", [&](std::string& s) { put16(s, 154 + 33 * 8, 0xFFF0); put16(s, 156 + 33 * 8, 0x7FFF); }, "Invalid Pcdt"},
        {"short", [&](std::string& s) { s.resize(40); }, "Unexpected end of DOC stream"},
        {"no pieces", [&](std::string& s) { put16(s, 158 + 33 * 8, 0); put16(s, 160 + 33 * 8, 0); }, "Invalid Pcdt"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(LoadError(WithDocStream(file, c.Edit)), c.Message);
    }
    EXPECT_EQ(LoadError("not a compound file at all"), "File is not a MS Word file");
    TVYXLogDocEditor doc;
    TVYXReadDOC reader(doc);
    EXPECT_THROW(reader.LoadFromFile((cData / "missing.doc").string()), VYXException);
}

namespace {

// The golden picture of an imported file: the body's dump, then each header, footer and
// note text that exists, each under a title line.
std::string DumpDocument(TVYXLogDocEditor& doc)
{
    std::string out = VYXDumpParas(doc.Paras());
    const struct {
        const char* Title;
        TVYXHeadersFooters& Set;
    } sets[] = {{"header", doc.Headers()}, {"footer", doc.Footers()}};
    for (const auto& set : sets)
        for (TVYXHeaderFooterType type : {ahftDefault, ahftFirst, ahftEven})
            if (TVYXLogDocEditor* part = set.Set.Find(type))
                out += std::string("== ") + set.Title + " " + std::to_string(type) + "\n" + VYXDumpParas(part->Paras());
    for (int i = 0; i < doc.TextBoxes().Count(); ++i)
        out += "== text box " + std::to_string(i) + "\n" + VYXDumpParas(doc.TextBoxes().GetItems(i).Paras());
    if (doc.Footnotes().Paras().Count() > 0)
        out += "== footnotes\n" + VYXDumpParas(doc.Footnotes().Paras());
    if (doc.Endnotes().Paras().Count() > 0)
        out += "== endnotes\n" + VYXDumpParas(doc.Endnotes().Paras());
    return out;
}

}  // namespace

// Model dumps of files that exercise one structure each: tables (merged, nested), lists,
// notes, hyperlinks, headers, styles and character formats.
TEST(ReadDOC, GoldenDumps)
{
    if (!fs::exists(cCorpus))
        GTEST_SKIP() << "no corpus";
    const char* files[] = {
        "poi-simple-table.doc", "poi-table-merges.doc", "poi-innertable.doc", "poi-Lists.doc",
        "poi-simple-list.doc", "poi-footnote.doc", "poi-endingnote.doc", "poi-hyperlink.doc",
        "poi-DiffFirstPageHeadFoot.doc", "textract-standardized_text.doc", "poi-PngPicture.doc",
        "poi-Bug33519.doc", "tika-testWORD_various.doc", "poi-test-fields.doc", "tika-test_TIKA-1251.doc",
        // Word 6 and 95: a plain file with colours and bold, and a fast-saved one with tabs and a header.
        "poi-Word95.doc", "poi-cn.orthodox.www_divenbog_APRIL_30-APRIL.DOC", "poi-Bug51944.doc",
    };
    const bool update = std::getenv("VYX_UPDATE_GOLDEN") != nullptr;
    for (const char* name : files) {
        SCOPED_TRACE(name);
        TVYXLogDocEditor doc;
        TVYXReadDOC reader(doc);
        reader.LoadFromFile((cCorpus / name).string());
        const std::string actual = DumpDocument(doc);
        const fs::path golden = cData / (std::string(name) + ".dump");
        if (update)
            std::ofstream(golden, std::ios::binary) << actual;
        const std::string expected = ReadFile(golden);
        EXPECT_EQ(actual, expected);
        if (actual != expected)
            std::ofstream(cData / (std::string(name) + ".dump.actual"), std::ios::binary) << actual;
    }
}

namespace {

// Runs of one kind anywhere in a paragraph list, cells included.
void CollectRuns(const TVYXLogParas& paras, TVYXCharRunType type, std::vector<const TVYXCharRun*>& out)
{
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsTable()) {
            const auto* table = static_cast<const TVYXTable*>(item);
            for (int r = 0; r < table->Count(); ++r)
                for (int c = 0; c < table->GetRows(r)->Count(); ++c)
                    CollectRuns(table->GetRows(r)->GetCells(c)->Paras(), type, out);
            continue;
        }
        const auto* para = static_cast<const TVYXLogPara*>(item);
        for (int r = 0; r < para->Count(); ++r)
            if (para->GetItems(r)->Type_() == type)
                out.push_back(para->GetItems(r));
    }
}

}  // namespace

// Inline pictures keep their encoded bytes: PNG and JPEG decoded, metafiles inflated and kept.
TEST(ReadDOC, InlinePictures)
{
    if (!fs::exists(cCorpus))
        GTEST_SKIP() << "no corpus";
    struct TCase {
        const char* File;
        std::size_t Count;
        TVYXPictureType Type;
    };
    const TCase cases[] = {
        {"poi-FloatingPictures.doc", 16, aptPNG},  // and 4 floating; one metafile
        {"poi-vector_image.doc", 1, aptEMF},
        {"poi-TestShiftJIS.doc", 18, aptPNG},
        {"tika-testWPSAttachment.doc", 9, aptEMF},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.File);
        TVYXLogDocEditor doc;
        TVYXReadDOC reader(doc);
        reader.LoadFromFile((cCorpus / c.File).string());
        std::vector<const TVYXCharRun*> pictures;
        CollectRuns(doc.Paras(), acrtPicture, pictures);
        ASSERT_EQ(pictures.size(), c.Count);
        EXPECT_EQ(static_cast<const TVYXCharRunPicture*>(pictures.front())->OrigType, c.Type);
        for (const TVYXCharRun* run : pictures) {
            const auto* picture = static_cast<const TVYXCharRunPicture*>(run);
            const std::vector<std::uint8_t>& bytes = picture->Origdata;
            ASSERT_GT(bytes.size(), 44u);
            if (picture->OrigType == aptPNG) {
                EXPECT_EQ(bytes[1], 'P');
                EXPECT_TRUE(picture->Bitmap);  // decoded
            } else {
                // An enhanced metafile, inflated: its first record and signature.
                EXPECT_EQ(picture->OrigType, aptEMF);
                EXPECT_EQ(bytes[0], 1);
                EXPECT_EQ(std::string(bytes.begin() + 40, bytes.begin() + 44), " EMF");
            }
        }
    }
}

namespace {

int CountOccurrences(const std::string& text, const std::string& what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

struct TStructureCounts {
    int Tables = 0, ListParas = 0, Footnotes = 0, Endnotes = 0;
};

void CountStructure(const TVYXLogParas& paras, TStructureCounts& counts)
{
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsTable()) {
            ++counts.Tables;
            const auto* table = static_cast<const TVYXTable*>(item);
            for (int r = 0; r < table->Count(); ++r)
                for (int c = 0; c < table->GetRows(r)->Count(); ++c)
                    CountStructure(table->GetRows(r)->GetCells(c)->Paras(), counts);
            continue;
        }
        const auto* para = static_cast<const TVYXLogPara*>(item);
        if (para->PAPX().GetNumbering())
            ++counts.ListParas;
        for (int r = 0; r < para->Count(); ++r)
            if (const auto* note = dynamic_cast<const TVYXCharRunFootnote*>(para->GetItems(r)); note && !note->IsRef)
                ++(note->IsEndnote ? counts.Endnotes : counts.Footnotes);
    }
}

}  // namespace

// Where the corpus holds the same document as DOCX, the tables, list paragraphs and
// notes the import builds match the package's.
TEST(ReadDOC, StructureMatchesTheDocxOfTheSameDocument)
{
    const fs::path docx = fs::path(VYX_SHARED_DIR) / "corpus" / "docx";
    if (!fs::exists(cCorpus) || !fs::exists(docx))
        GTEST_SKIP() << "no corpus";
    for (const char* name : {"poi-DiffFirstPageHeadFoot", "tika-testWORD_numbered_list",
                             "tika-testWORD_override_list_numbering", "tika-testWORD_various", "tika-testWORD_features"}) {
        SCOPED_TRACE(name);
        TVYXMemoryStream stream(ReadFile(docx / (std::string(name) + ".docx")));
        TXLSZipArchive zip;
        zip.OpenRead(stream);
        TXLSZipFile* part = zip.Find("word/document.xml");
        ASSERT_TRUE(part);
        std::string xml = zip.ReadFileBytes(*part);
        // Text boxes are drawings here and not imported: their content does not count.
        for (std::size_t at = xml.find("<w:txbxContent>"); at != std::string::npos; at = xml.find("<w:txbxContent>", at)) {
            const std::size_t end = xml.find("</w:txbxContent>", at);
            xml.erase(at, end == std::string::npos ? std::string::npos : end + 16 - at);
        }
        TVYXLogDocEditor doc;
        TVYXReadDOC reader(doc);
        reader.LoadFromFile((cCorpus / (std::string(name) + ".doc")).string());
        TStructureCounts counts;
        CountStructure(doc.Paras(), counts);
        EXPECT_EQ(counts.Tables, CountOccurrences(xml, "<w:tbl>"));
        EXPECT_EQ(counts.ListParas, CountOccurrences(xml, "<w:numPr>"));
        EXPECT_EQ(counts.Footnotes, CountOccurrences(xml, "<w:footnoteReference "));
        EXPECT_EQ(counts.Endnotes, CountOccurrences(xml, "<w:endnoteReference "));
    }
}

TEST(ReadDOC, CommentsKeepTextAndAuthor)
{
    const fs::path file = cCorpus / "tika-testComment.doc";
    if (!fs::exists(file))
        GTEST_SKIP() << "no corpus";
    TVYXLogDocEditor doc;
    TVYXReadDOC reader(doc);
    reader.LoadFromFile(file.string());
    ASSERT_EQ(doc.Comments().Count(), 1);
    const TVYXComment& comment = *doc.Comments().GetItems(0);
    EXPECT_EQ(comment.Author, u"Michael McCandless");
    EXPECT_EQ(comment.Initials, u"MM");
    EXPECT_EQ(comment.Text, std::vector<std::u16string>{u"Here is a comment"});
    EXPECT_EQ(comment.DateTime, 0);  // no clock in an import
}

namespace {

void CollectListLevels(const TVYXLogParas& paras, std::vector<const TVYXNumbering*>& out)
{
    for (int i = 0; i < paras.Count(); ++i)
        if (const TVYXLogPara* para = paras.ParaAtIndex(i))
            if (const TVYXNumbering* level = para->PAPX().GetNumbering())
                out.push_back(level);
}

}  // namespace

// A list override with levels of its own numbers apart from its list, in its own format.
TEST(ReadDOC, ListOverridesBringTheirOwnLevels)
{
    const fs::path file = cCorpus / "tika-testWORD_override_list_numbering.doc";
    if (!fs::exists(file))
        GTEST_SKIP() << "no corpus";
    TVYXLogDocEditor doc;
    TVYXReadDOC reader(doc);
    reader.LoadFromFile(file.string());
    std::vector<const TVYXNumbering*> levels;
    CollectListLevels(doc.Paras(), levels);
    ASSERT_EQ(levels.size(), 44u);
    // The override's levels: upper-case letters at level 0 where the list it overrides
    // counts in decimals, and a text of its own at level 3.
    const TVYXNumberingsList* overridden = nullptr;
    int decimalTwins = 0;
    for (const TVYXNumbering* level : levels) {
        const TVYXNumberingsList* list = level->NumList();
        if (!list || list->Count() < 4 || list->GetItems(2)->Text != u"%1.%2.%3heyho")
            continue;
        if (list->GetItems(0)->Style == anstUpperLetter)
            overridden = list;
        else
            ++decimalTwins;
    }
    ASSERT_TRUE(overridden);
    EXPECT_GT(decimalTwins, 0);
    EXPECT_EQ(overridden->GetItems(3)->Text, u"%1.%2.%3someOtherText.%4");
    EXPECT_EQ(overridden->GetItems(0)->StartVal, 1);
}

namespace {

// The floating objects of a paragraph list, cells included.
void CollectFloating(const TVYXLogParas& paras, std::vector<const TVYXGraphicObj*>& out)
{
    VYXForEachPara(paras, [&out](const TVYXLogPara& para) {
        if (const TVYXGraphicObjList* list = para.Graphics())
            for (int g = 0; g < list->Count(); ++g)
                out.push_back(&list->GetItems(g));
    });
}

}  // namespace

// Text extraction leaves pictures undecoded: the same text, the same number of picture runs
// but without bytes, no floating pictures, nothing added to the picture store.
TEST(ReadDOC, PicturesLeftOutForText)
{
    if (!fs::exists(cCorpus))
        GTEST_SKIP() << "no corpus";
    for (const char* file : {"poi-FloatingPictures.doc", "poi-TestShiftJIS.doc", "tika-testWPSAttachment.doc",
                             "poi-MarkAuthorsTable.doc"}) {
        SCOPED_TRACE(file);
        TVYXLogDocEditor full, text;
        TVYXReadDOC(full).LoadFromFile((cCorpus / file).string());
        TVYXReadDOC reader(text);
        reader.ReadPictures = false;
        reader.LoadFromFile((cCorpus / file).string());
        std::vector<const TVYXCharRun*> fullPictures, textPictures;
        CollectRuns(full.Paras(), acrtPicture, fullPictures);
        CollectRuns(text.Paras(), acrtPicture, textPictures);
        std::vector<const TVYXGraphicObj*> floating;
        CollectFloating(text.Paras(), floating);
        EXPECT_FALSE(fullPictures.empty());
        EXPECT_EQ(textPictures.size(), fullPictures.size());
        for (const TVYXCharRun* run : textPictures) {
            EXPECT_TRUE(static_cast<const TVYXCharRunPicture*>(run)->Origdata.empty());
            EXPECT_FALSE(static_cast<const TVYXCharRunPicture*>(run)->Bitmap);
        }
        EXPECT_TRUE(floating.empty());
        EXPECT_EQ(text.Pictures().Count(), 0);
        EXPECT_EQ(BodyLines(text), BodyLines(full));
    }
}

namespace {

void Put16(std::string& s, std::size_t at, std::uint32_t v)
{
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& s, std::size_t at, std::uint32_t v)
{
    Put16(s, at, v & 0xFFFF);
    Put16(s, at + 2, v >> 16);
}

std::uint32_t Get32(const std::string& s, std::size_t at)
{
    std::uint32_t v = 0;
    for (std::size_t i = 4; i-- > 0;)
        v = (v << 8) | static_cast<unsigned char>(s.at(at + i));
    return v;
}

void Append32(std::string& s, std::uint32_t v)
{
    s.append(4, '\0');
    Put32(s, s.size() - 4, v);
}

// A Word 6/95 corpus file with tables appended to its one stream: `edit` gets the stream and
// adds them, pointing the older FIB's offset/length pairs (at 88) at them.
std::string EditWord6File(const char* name, const std::function<void(std::string& stream)>& edit)
{
    const TVYXCompoundFile in(ReadFile(cCorpus / name));
    TVYXCompoundFileWriter out;
    const TVYXCfbEntry& root = in.Entry(0);
    for (const int child : root.Children) {
        const TVYXCfbEntry& entry = in.Entry(child);
        if (entry.IsStorage())
            continue;
        std::string bytes = in.ReadStream(child);
        if (entry.Name == u"WordDocument")
            edit(bytes);
        out.AddStream(TVYXCompoundFileWriter::cRoot, entry.Name, std::move(bytes));
    }
    return out.Save();
}

void SetPair(std::string& stream, int index, std::uint32_t fc, std::uint32_t lcb)
{
    Put32(stream, 88 + 8 * static_cast<std::size_t>(index), fc);
    Put32(stream, 92 + 8 * static_cast<std::size_t>(index), lcb);
}

}  // namespace

// Word 6/95 bookmarks: a table of 8-bit names (its byte length first), their starts with
// the index of their ends, and their ends.
TEST(ReadDOC, Word6Bookmarks)
{
    if (!fs::exists(cCorpus))
        GTEST_SKIP() << "no corpus";
    const std::string file = EditWord6File("poi-Word95.doc", [](std::string& s) {
        // "fox" over "fox" (16-19), "Größe" (in cp1252) from the empty paragraph to "Paragraph ".
        const std::string names = std::string("\x03" "fox") + "\x05" "Gr\xF6\xDF" "e";
        const std::uint32_t sttb = static_cast<std::uint32_t>(s.size());
        s.append(2, '\0');
        Put16(s, sttb, static_cast<std::uint32_t>(2 + names.size()));
        s += names;
        const std::uint32_t bkf = static_cast<std::uint32_t>(s.size());
        for (std::uint32_t cp : {16u, 44u, 143u})
            Append32(s, cp);
        for (std::uint32_t ibkl : {0u, 1u})
            Append32(s, ibkl);
        const std::uint32_t bkl = static_cast<std::uint32_t>(s.size());
        for (std::uint32_t cp : {19u, 55u, 143u})
            Append32(s, cp);
        SetPair(s, 21, sttb, static_cast<std::uint32_t>(2 + names.size()));
        SetPair(s, 22, bkf, 4 * 3 + 4 * 2);
        SetPair(s, 23, bkl, 4 * 3);
    });
    TVYXLogDocEditor doc;
    TVYXReadDOC reader(doc);
    reader.LoadFromBytes(file);
    EXPECT_NE(doc.Bookmarks().Find(u"fox"), nullptr);
    EXPECT_NE(doc.Bookmarks().Find(u"Gr\u00F6\u00DFe"), nullptr);
    const std::string dump = VYXDumpParas(doc.Paras());
    // The bookmark covers the word its positions give.
    const std::size_t first = dump.find("bookmark first \"fox\""), last = dump.find("bookmark last \"fox\"");
    ASSERT_NE(first, std::string::npos) << dump;
    ASSERT_NE(last, std::string::npos) << dump;
    EXPECT_EQ(dump.substr(first, last - first).find("text \"fox\""), dump.find("\n", first) - first + 3) << dump;
    // The text is what it was.
    EXPECT_EQ(BodyLines(doc), ReadFile(cData / "poi-Word95.doc.txt"));

    // A name table cut short keeps the names before the cut, and nothing is read past it.
    const std::string cut = EditWord6File("poi-Word95.doc", [](std::string& s) {
        const std::uint32_t sttb = static_cast<std::uint32_t>(s.size());
        s += std::string("\x09\x00\x03" "fox" "\x09" "ab", 9);
        SetPair(s, 21, sttb, 9);
        SetPair(s, 22, sttb, 0);
    });
    TVYXReadDOC(doc).LoadFromBytes(cut);
    EXPECT_EQ(BodyLines(doc), ReadFile(cData / "poi-Word95.doc.txt"));
}

// Word 6/95 headers and footers: the table lists only the stories present. The corpus file's
// section names none of its own (its two stories are the odd header and footer); given flags
// for the even and odd headers, the same two stories become those.
TEST(ReadDOC, Word6HeadersAndFooters)
{
    if (!fs::exists(cCorpus))
        GTEST_SKIP() << "no corpus";
    const char* name = "poi-cn.orthodox.www_divenbog_APRIL_30-APRIL.DOC";
    {
        TVYXLogDocEditor doc;
        TVYXReadDOC(doc).LoadFromFile((cCorpus / name).string());
        ASSERT_TRUE(doc.Headers().Find(ahftDefault));
        ASSERT_TRUE(doc.Footers().Find(ahftDefault));
        EXPECT_FALSE(doc.Headers().Find(ahftEven));
        EXPECT_NE(VYXDumpParas(doc.Headers().Find(ahftDefault)->Paras()).find("\"30  APRIL\""), std::string::npos);
        EXPECT_NE(VYXDumpParas(doc.Footers().Find(ahftDefault)->Paras()).find("field \"PAGE\""), std::string::npos);
    }
    const std::string flagged = EditWord6File(name, [](std::string& s) {
        // The one section's record names its modifiers at 2; a copy with flags in front.
        const std::size_t record = Get32(s, 88 + 8 * 6) + 8 + 2;
        const std::uint32_t sepx = Get32(s, record);
        const std::uint32_t cb = static_cast<unsigned char>(s[sepx]);
        const std::uint32_t copy = static_cast<std::uint32_t>(s.size());
        s.append(2, '\0');
        Put16(s, copy, cb + 2);
        s += std::string("\x99\x03", 2) + s.substr(sepx + 2, cb);
        Put32(s, record, copy);
    });
    TVYXLogDocEditor doc;
    TVYXReadDOC(doc).LoadFromBytes(flagged);
    ASSERT_TRUE(doc.Headers().Find(ahftEven));
    ASSERT_TRUE(doc.Headers().Find(ahftDefault));
    EXPECT_FALSE(doc.Footers().Find(ahftDefault));
    EXPECT_NE(VYXDumpParas(doc.Headers().Find(ahftEven)->Paras()).find("\"30  APRIL\""), std::string::npos);
    EXPECT_NE(VYXDumpParas(doc.Headers().Find(ahftDefault)->Paras()).find("field \"PAGE\""), std::string::npos);
}

namespace {

// A Word 6 numbering format: `nfc`, the texts before and after the number, starting at `start`.
std::string Word6Anld(int nfc, const std::string& before, const std::string& after, int start)
{
    std::string anld(52, '\0');
    anld[0] = static_cast<char>(nfc);
    anld[1] = static_cast<char>(before.size());
    anld[2] = static_cast<char>(before.size() + after.size());
    Put16(anld, 10, static_cast<std::uint32_t>(start));
    anld.replace(20, before.size() + after.size(), before + after);
    return anld;
}

// Gives paragraph entries of the file's first paragraph page the older numbering modifiers
// (level, then format), each written anew into the page's free space.
void NumberWord6Paras(std::string& s, const std::vector<std::pair<std::size_t, std::string>>& paras)
{
    // The paragraph bin table (pair 13) names its pages by two-byte numbers after the offsets.
    const std::uint32_t bte = Get32(s, 88 + 8 * 13), lcb = Get32(s, 92 + 8 * 13);
    const std::uint32_t pages = (lcb - 4) / 6;
    const std::size_t page = 512 * static_cast<std::size_t>(static_cast<unsigned char>(s[bte + 4 * (pages + 1)]) |
                                                            static_cast<unsigned char>(s[bte + 4 * (pages + 1) + 1]) << 8);
    const std::size_t runs = static_cast<unsigned char>(s[page + 511]);
    const std::size_t bx = page + 4 * (runs + 1);
    std::size_t low = 511;
    for (std::size_t i = 0; i < runs; ++i)
        if (const std::size_t at = 2 * static_cast<unsigned char>(s[bx + 7 * i]); at != 0)
            low = std::min(low, at);
    for (const auto& [index, anld] : paras) {
        ASSERT_LT(index, runs);
        const std::size_t old = page + 2 * static_cast<unsigned char>(s[bx + 7 * index]);
        const std::size_t oldSize = 2 * static_cast<unsigned char>(s[old]);  // words after the count
        std::string papx = s.substr(old + 1, oldSize) + std::string("\x0D\x0A\x0C", 3) +
                           static_cast<char>(anld.size()) + anld;
        if (papx.size() % 2)
            papx += '\0';
        const std::size_t at = (low - 1 - papx.size()) & ~std::size_t{1};
        ASSERT_GE(at, 4 * (runs + 1) + 7 * runs);
        s[page + at] = static_cast<char>(papx.size() / 2);
        s.replace(page + at + 1, papx.size(), papx);
        s[bx + 7 * index] = static_cast<char>(at / 2);
        low = at;
    }
}

}  // namespace

// Word 6/95 numbering keeps its format in each paragraph: numbered paragraphs of one format
// continue one list, a bullet format makes another; the text stays as it was.
TEST(ReadDOC, Word6Numbering)
{
    if (!fs::exists(cCorpus))
        GTEST_SKIP() << "no corpus";
    const std::string numbered = Word6Anld(0, "(", ")", 3), bullet = Word6Anld(23, "\xB7", "", 1);
    const std::string file = EditWord6File("poi-Word95.doc", [&](std::string& s) {
        NumberWord6Paras(s, {{0, numbered}, {2, numbered}, {4, bullet}});
    });
    TVYXLogDocEditor doc;
    TVYXReadDOC reader(doc);
    reader.LoadFromBytes(file);
    EXPECT_EQ(BodyLines(doc), ReadFile(cData / "poi-Word95.doc.txt"));
    std::vector<const TVYXNumbering*> levels;
    for (int i = 0; i < doc.Paras().Count(); ++i)
        if (const TVYXLogPara* para = doc.Paras().ParaAtIndex(i))
            levels.push_back(para->PAPX().GetNumbering());
    ASSERT_GE(levels.size(), 5u);
    ASSERT_TRUE(levels[0]);
    EXPECT_EQ(levels[0], levels[2]);  // one list, numbered on
    EXPECT_FALSE(levels[1]);
    ASSERT_TRUE(levels[4]);
    EXPECT_NE(levels[4]->GetId(), levels[0]->GetId());
    EXPECT_EQ(levels[0]->Text, std::u16string(u"(") + char16_t(0) + u")");
    EXPECT_EQ(levels[0]->StartVal, 3);
    EXPECT_EQ(levels[4]->Text, u"\u00B7");
    EXPECT_NE(levels[4]->Style, levels[0]->Style);
    // Applied, so not listed among the modifiers left unread.
    EXPECT_TRUE(std::find(reader.UnknownSprms().begin(), reader.UnknownSprms().end(), "25FF sprmPNLvlAnm80") ==
                reader.UnknownSprms().end());
}

// The smallest Word 6 file numbered and bookmarked: read back, and (VYX_UPDATE_GOLDEN set)
// kept as seeds of the importer's fuzz target, so fuzzing starts inside these tables.
TEST(ReadDOC, Word6SmallFileSeeds)
{
    if (!fs::exists(cCorpus))
        GTEST_SKIP() << "no corpus";
    const std::string file = EditWord6File("poi-Word6.doc", [](std::string& s) {
        NumberWord6Paras(s, {{0, Word6Anld(3, "", ".", 1)}});
        const std::uint32_t sttb = static_cast<std::uint32_t>(s.size());
        s += std::string("\x06\x00\x03" "fox", 6);
        const std::uint32_t bkf = static_cast<std::uint32_t>(s.size());
        for (std::uint32_t v : {16u, 44u, 0u})
            Append32(s, v);
        const std::uint32_t bkl = static_cast<std::uint32_t>(s.size());
        for (std::uint32_t v : {19u, 44u})
            Append32(s, v);
        SetPair(s, 21, sttb, 6);
        SetPair(s, 22, bkf, 12);
        SetPair(s, 23, bkl, 8);
    });
    TVYXLogDocEditor doc;
    TVYXReadDOC(doc).LoadFromBytes(file);
    EXPECT_EQ(BodyLines(doc), ReadFile(cData / "poi-Word6.doc.txt"));
    EXPECT_NE(doc.Bookmarks().Find(u"fox"), nullptr);
    const TVYXLogPara* first = doc.Paras().ParaAtIndex(0);
    ASSERT_TRUE(first);
    ASSERT_TRUE(first->PAPX().GetNumbering());
    EXPECT_EQ(first->PAPX().GetNumbering()->Text, std::u16string(1, char16_t(0)) + u".");
    if (std::getenv("VYX_UPDATE_GOLDEN"))
        std::ofstream(fs::path(VYX_TEST_DATA_DIR) / ".." / ".." / ".." / "fuzz" / "corpus" / "doc" /
                          "word6-numbered-bookmark.doc",
                      std::ios::binary)
            << file;
}

// Pictures drawn as shapes float: anchored to their paragraph, at the place and with the
// wrapping the file gives, in the body and in headers.
TEST(ReadDOC, FloatingPicturesKeepTheirPlace)
{
    if (!fs::exists(cCorpus))
        GTEST_SKIP() << "no corpus";
    {
        TVYXLogDocEditor doc;
        TVYXReadDOC reader(doc);
        reader.LoadFromFile((cCorpus / "poi-FloatingPictures.doc").string());
        std::vector<const TVYXGraphicObj*> floating;
        CollectFloating(doc.Paras(), floating);
        ASSERT_EQ(floating.size(), 4u);
        for (const TVYXGraphicObj* object : floating) {
            ASSERT_EQ(object->Type_(), agtPicture);
            EXPECT_TRUE(static_cast<const TVYXGraphicPicture*>(object)->Picture());
            EXPECT_GT(object->Width, 1);
            EXPECT_GT(object->Height, 1);
            EXPECT_NE(object->Wrap, agowInLine);
        }
        // The same picture four times: two wrapped around (at their own places), one
        // behind and one in front of the text, against the column and paragraph.
        std::multiset<int> wraps;
        for (const TVYXGraphicObj* object : floating) {
            wraps.insert(object->Wrap);
            EXPECT_DOUBLE_EQ(object->Width, 75);
            EXPECT_DOUBLE_EQ(object->Height, 56.25);
            EXPECT_EQ(object->HorizPosRel, agohprColumn);
            EXPECT_EQ(object->VertPosRel, agovprParagraph);
            if (object->Wrap == agow_ParaLeft) {
                EXPECT_GT(object->PosLeft, 100);
                EXPECT_GT(object->PosTop, 30);
            }
        }
        EXPECT_EQ(wraps, (std::multiset<int>{agow_ParaLeft, agow_ParaLeft, agowBehind, agowInFront}));
    }
    {
        TVYXLogDocEditor doc;
        TVYXReadDOC reader(doc);
        reader.LoadFromFile((cCorpus / "poi-PngPicture.doc").string());
        std::vector<const TVYXGraphicObj*> floating;
        CollectFloating(doc.Paras(), floating);
        ASSERT_EQ(floating.size(), 1u);
        const auto* picture = static_cast<const TVYXGraphicPicture*>(floating.front());
        ASSERT_TRUE(picture->Picture());
        EXPECT_EQ(picture->Picture()->OrigType, aptPNG);
    }
}

// A comment covers the text its annotation bookmark marks, ending at its reference.
TEST(ReadDOC, CommentsSpanTheirText)
{
    const fs::path file = cCorpus / "tika-testComment.doc";
    if (!fs::exists(file))
        GTEST_SKIP() << "no corpus";
    TVYXLogDocEditor doc;
    TVYXReadDOC reader(doc);
    reader.LoadFromFile(file.string());
    ASSERT_EQ(doc.Comments().Count(), 1);
    const TVYXComment& comment = *doc.Comments().GetItems(0);
    EXPECT_TRUE(comment.IsRange());
    EXPECT_EQ(Utf16ToUtf8(comment.GetPlainText()), "text");
    EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetPlainText()).substr(0, 18), "Here is some text.");
}
