// VYXReadDOCBuiltTest.cpp: the importer on small documents built in memory: pieces of
// both widths, piece modifiers, character and paragraph modifiers, tables, damage.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <unistd.h>

#include "VYXDocTestBuilder.h"
#include "editing/VYXLogEditor.h"
#include "import/VYXDOCSprm.h"
#include "import/VYXDOCStream.h"
#include "import/VYXReadDOC.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocDump.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "platform/VYXCompoundFile.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace fs = std::filesystem;

namespace {

const fs::path cCorpus = fs::path(VYX_SHARED_DIR) / "corpus" / "doc";

// Two paragraphs over three pieces: 8-bit, UTF-16, 8-bit; the first paragraph
// starts in an 8-bit piece and ends in the UTF-16 one.
TDocTestBuilder MixedPieces()
{
    TDocTestBuilder b;
    b.Pieces = {{u"Hello ", true}, {u"W\u00F6rld \u20AC\u4E2D\rSecond ", false}, {u"line\r", true}};
    return b;
}

std::string Load(const std::string& bytes, TVYXLogDocEditor& doc)
{
    TVYXReadDOC reader(doc);
    reader.LoadFromBytes(bytes);
    return VYXDumpParas(doc.Paras());
}

std::string LoadError(const std::string& bytes)
{
    TVYXLogDocEditor doc;
    try {
        Load(bytes, doc);
    } catch (const VYXException& e) {
        return e.what();
    }
    return {};
}

// Whatever a load did, the document can still be walked and dumped.
void ExpectUsable(TVYXLogDocEditor& doc)
{
    const std::string dump = VYXDumpParas(doc.Paras());
    EXPECT_GE(doc.Paras().Count(), 0);
    (void)doc.Paras().GetPlainText();
    (void)dump;
}

std::string CompoundFile(const std::string& wordDocument, const std::string& table)
{
    TVYXCompoundFileWriter writer;
    writer.AddStream(TVYXCompoundFileWriter::cRoot, u"WordDocument", wordDocument);
    writer.AddStream(TVYXCompoundFileWriter::cRoot, u"1Table", table);
    return writer.Save();
}

}  // namespace

TEST(ReadDOCBuilt, PiecesOfBothWidthsMakeOneText)
{
    TVYXLogDocEditor doc;
    TVYXReadDOC reader(doc);
    reader.LoadFromBytes(MixedPieces().Build());
    EXPECT_EQ(reader.PieceCount(), 3);
    EXPECT_EQ(reader.Text(), u"Hello W\u00F6rld \u20AC\u4E2D\rSecond line\r");
    EXPECT_EQ(reader.FindText(6, 5), u"W\u00F6rld");
    EXPECT_EQ(reader.FindText(30, 5), u"");
    // A paragraph crossing from an 8-bit into a UTF-16 piece, one from UTF-16 into 8-bit.
    ASSERT_EQ(doc.Paras().Count(), 2);
    EXPECT_EQ(doc.Paras().GetParas(0)->GetText(), u"Hello W\u00F6rld \u20AC\u4E2D");
    EXPECT_EQ(doc.Paras().GetParas(1)->GetText(), u"Second line");
}

TEST(ReadDOCBuilt, StreamsReadFromTheirPosition)
{
    TVYXMemoryStream stream("junk" + MixedPieces().Build());
    stream.Seek(4, vysoBeginning);
    TVYXLogDocEditor doc;
    TVYXReadDOC reader(doc);
    reader.LoadFromStream(stream);
    EXPECT_EQ(doc.Paras().Count(), 2);
}

TEST(ReadDOCBuilt, EightBitPiecesUseTheWesternCodePage)
{
    TDocTestBuilder b;
    b.Pieces = {{u"\u0080 \u0093x\u0094 \u00E9\r", true}};  // bytes 0x80, 0x93, 0x94, 0xE9
    TVYXLogDocEditor doc;
    Load(b.Build(), doc);
    EXPECT_EQ(doc.Paras().GetParas(0)->GetText(), u"\u20AC \u201Cx\u201D \u00E9");
}

TEST(ReadDOCBuilt, SpecialCharactersMapToTheModel)
{
    TDocTestBuilder b;
    // Tab, line break, page break, column break, non-breaking and optional hyphen,
    // a field (instruction dropped, result kept), marks without text.
    b.Pieces = {{u"a\tb\vc\fd\u000Ee\u001Ef\u001Fg \u0013 PAGE \u00141\u0015\u0001\u0008\u0005.\r", false}};
    TVYXLogDocEditor doc;
    const std::string dump = Load(b.Build(), doc);
    const TVYXLogPara* para = doc.Paras().GetParas(0);
    EXPECT_EQ(para->GetText(), std::u16string(u"a\tb") + u'\0' + u"c" + u'\0' + u"d" + u'\0' + u"e\u2011f\u00ADg 1.");
    EXPECT_NE(dump.find("break LineBreak"), std::string::npos) << dump;
    EXPECT_NE(dump.find("break PageBreak"), std::string::npos) << dump;
    EXPECT_NE(dump.find("break Column"), std::string::npos) << dump;
}

TEST(ReadDOCBuilt, PieceModifiersFromPrcBlocksApply)
{
    TDocTestBuilder b = MixedPieces();
    b.Prcs = {DocSprm(0x0836, 1, 1), DocSprm(0x0835, 1, 1) + DocSprm(0x4A43, 36, 2)};
    b.Pieces[1].Prm = (1 << 1) | 1;  // the second block: bold, 18 pt
    TVYXLogDocEditor doc;
    const std::string dump = Load(b.Build(), doc);
    EXPECT_NE(dump.find("text \"Hello \"\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("text \"W\xC3\xB6rld \xE2\x82\xAC\xE4\xB8\xAD\" size=18 bold"), std::string::npos) << dump;
}

TEST(ReadDOCBuilt, CharacterModifiersHonourTheirOperands)
{
    struct TCase {
        const char* Name;
        std::string Grpprl;
        const char* Expected;  // the run's dump after its text
    };
    const TCase cases[] = {
        {"bold on", DocSprm(0x0835, 1, 1), " bold"},
        {"bold off", DocSprm(0x0835, 0, 1), ""},
        {"bold as the style", DocSprm(0x0835, 0x80, 1), " bold"},
        {"bold against the style", DocSprm(0x0835, 0x81, 1), ""},
        {"italic", DocSprm(0x0836, 1, 1), " bold italic"},
        {"underline single", DocSprm(0x2A3E, 1, 1), " bold underline=Single"},
        {"underline code 5 sets none", DocSprm(0x2A3E, 5, 1), " bold"},
        {"underline wave", DocSprm(0x2A3E, 11, 1), " bold underline=Wave"},
        {"size in half-points", DocSprm(0x4A43, 25, 2), " size=12.5 bold"},
        {"colour index", DocSprm(0x2A42, 6, 1), " bold color=FF0000"},
        {"colour value", DocSprm(0x6870, 0x00563412, 4), " bold color=123456"},
        {"superscript", DocSprm(0x2A48, 1, 1), " size=8 bold super"},
        {"unknown skipped by size", DocSprm(0x6A09, 0x12345678, 4) + DocSprm(0x0835, 0, 1), ""},
        {"variable size skipped", DocSprmBytes(0xCA62, std::string("\x03\x01\x02\x03", 4)) + DocSprm(0x0836, 1, 1), " bold italic"},
        {"cut modifier ends the list", DocSprm(0x0835, 0, 1) + std::string("\x43\x4A\x18", 3), ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TDocTestBuilder b;
        b.Pieces = {{u"plain run\r", true}};
        // The style makes the paragraph bold, so the toggles have something to follow.
        b.Styles = {{u"Normal", 1, 0x0FFF, "", DocSprm(0x0835, 1, 1)}};
        b.CharRuns = {{6, 9, c.Grpprl}};
        b.ParaRuns = {{0, 10, ""}};
        TVYXLogDocEditor doc;
        const std::string dump = Load(b.Build(), doc);
        // The run's line (merged with the plain part when the formats are equal).
        const std::string run = "run\"";
        const std::size_t at = dump.find(run);
        ASSERT_NE(at, std::string::npos) << dump;
        const std::size_t end = dump.find('\n', at);
        EXPECT_EQ(dump.substr(at + run.size(), end - at - run.size()), c.Expected) << dump;
    }
}

TEST(ReadDOCBuilt, ParagraphModifiersAndStyles)
{
    TDocTestBuilder b;
    b.Pieces = {{u"Title\rBody text\r", true}};
    b.Styles = {{u"Normal", 1, 0x0FFF, "", ""}, {u"heading 1", 1, 0, DocSprm(0x2403, 1, 1), DocSprm(0x0835, 1, 1), 1}};
    b.ParaRuns = {{0, 6, DocSprm(0xA413, 240, 2) + DocSprm(0x2640, 2, 1), 1},
                  {6, 16, DocSprm(0x840F, static_cast<std::uint16_t>(-720), 2) + DocSprm(0x8411, 360, 2) +
                              DocSprm(0x2403, 3, 1) + DocSprm(0x6412, 480 | (1u << 16), 4), 0}};
    TVYXLogDocEditor doc;
    const std::string dump = Load(b.Build(), doc);
    const TVYXStyle* heading = doc.Styles().FindByName(u"heading 1", astPara);
    ASSERT_NE(heading, nullptr);
    // A built-in heading is an outline level without saying so.
    EXPECT_TRUE(heading->StylePAPX()->Assigned(vypiOutlineLevel));
    EXPECT_EQ(heading->StylePAPX()->GetOutlineLevel(), 0);
    const std::string expected =
        "para style=\"heading1\" align=Center spaceBefore=12 spaceAfter=0 lineSpacing=5:1 outline=2\n"
        "  text \"Title\" bold\n"
        "para style=\"Normal\" align=Justify indentLeft=-36 indentFirst=18 spaceAfter=0 lineSpacing=5:2\n"
        "  text \"Body text\"\n";
    EXPECT_EQ(dump, expected);
}

TEST(ReadDOCBuilt, TableFromCellAndRowMarks)
{
    TDocTestBuilder b;
    b.Pieces = {{u"Before\rA1\u0007B1\u0007\u0007A2\u0007B2\u0007\u0007After\r", false}};
    const std::string inTable = DocSprm(0x2416, 1, 1);
    // Row ends: cell boundaries at 0, 1440 and 4320 twips, the second row's first cell merged down.
    std::string def = std::string("\x02", 1);
    for (int x : {0, 1440, 4320})
        def += std::string{static_cast<char>(x & 0xFF), static_cast<char>(x >> 8)};
    std::string tcs(40, '\0');
    const std::string row1 = inTable + DocSprm(0x2417, 1, 1) +
                             DocSprmBytes(0xD608, std::string{static_cast<char>(def.size() + tcs.size() + 1), '\0'} + def + tcs);
    std::string tcs2 = tcs;
    tcs2[0] = 0x20;  // continues the merge above
    std::string tcs1 = tcs;
    tcs1[0] = 0x60;  // starts it
    const std::string row1m = inTable + DocSprm(0x2417, 1, 1) +
                              DocSprmBytes(0xD608, std::string{static_cast<char>(def.size() + tcs.size() + 1), '\0'} + def + tcs1);
    const std::string row2 = inTable + DocSprm(0x2417, 1, 1) +
                             DocSprmBytes(0xD608, std::string{static_cast<char>(def.size() + tcs.size() + 1), '\0'} + def + tcs2);
    (void)row1;
    b.ParaRuns = {{0, 7, ""},      {7, 10, inTable},  {10, 13, inTable}, {13, 14, row1m},
                  {14, 17, inTable}, {17, 20, inTable}, {20, 21, row2},    {21, 27, ""}};
    TVYXLogDocEditor doc;
    const std::string dump = Load(b.Build(), doc);
    const std::string expected =
        "para\n"
        "  text \"Before\"\n"
        "table rows=2 cols=2 Indent=0\n"
        "  row 0\n"
        "    cell 0 width=72 merge=root\n"
        "      para spaceAfter=0\n"
        "        text \"A1\"\n"
        "    cell 1 width=144\n"
        "      para spaceAfter=0\n"
        "        text \"B1\"\n"
        "  row 1\n"
        "    cell 0 width=72 merge=continue\n"
        "      para spaceAfter=0\n"
        "        text \"A2\"\n"
        "    cell 1 width=144\n"
        "      para spaceAfter=0\n"
        "        text \"B2\"\n"
        "para\n"
        "  text \"After\"\n";
    EXPECT_EQ(dump, expected);
}

TEST(ReadDOCBuilt, ModifierSizes)
{
    struct TCase {
        std::uint16_t Code;
        std::string Rest;
        int Size;
    };
    const TCase cases[] = {
        {0x0835, "", 1},                                   // toggle
        {0x2A3E, "", 1},                                   // byte
        {0x4A43, "", 2},                                   // word
        {0x6870, "", 4},                                   // long
        {0xF614, "", 3},                                   // three bytes
        {0x8411, "", 2},                                   // signed word
        {0xA413, "", 2},                                   // word
        {0xC60D, std::string("\x05", 1), 6},               // length byte
        {0xC60D, "", -1},                                  // length byte missing
        {0xD608, std::string("\x10\x00", 2), 17},          // two-byte length less one
        {0xD608, std::string("\x10", 1), -1},
        {0xC615, std::string("\xFF\x01\x00\x00\x00\x00\x02", 7), 3 + 4 + 6},  // long tab change
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Code);
        EXPECT_EQ(VYXDocSprmSize(c.Code, c.Rest), c.Size);
    }
}

TEST(ReadDOCBuilt, LyingPieceTablesAreRefused)
{
    std::string doc, table;
    MixedPieces().BuildStreams(doc, table);
    const std::uint32_t clx = static_cast<unsigned char>(doc[154 + 33 * 8]);
    auto put32 = [](std::string& s, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            s[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    const std::size_t cps = clx + 5, pcds = cps + 16;
    struct TCase {
        const char* Name;
        std::function<void(std::string&)> Edit;
    };
    const TCase cases[] = {
        {"reversed positions", [&](std::string& t) { put32(t, cps + 4, 40); }},
        {"overlapping pieces", [&](std::string& t) { put32(t, cps + 8, 3); }},
        {"text past the stream", [&](std::string& t) { put32(t, pcds + 2, 0x3FFFFF00); }},
        {"table length too long", [&](std::string& t) { put32(t, clx + 1, 0x7FFFFFFF); }},
        {"not a piece table", [&](std::string& t) { t[clx] = 7; }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::string t = table;
        c.Edit(t);
        EXPECT_EQ(LoadError(CompoundFile(doc, t)), "Invalid Pcdt");
    }
}

TEST(ReadDOCBuilt, PiecesRepeatingTheSameBytesAreRefused)
{
    // A long piece and many short ones, then every piece pointed at the long one's
    // bytes: valid positions each, but far more text than the stream holds.
    TDocTestBuilder b;
    b.Pieces.push_back({std::u16string(3000, u'a'), true});
    for (int i = 0; i < 199; ++i)
        b.Pieces.push_back({u"b", true});
    std::string doc, table;
    b.BuildStreams(doc, table);
    EXPECT_EQ(LoadError(CompoundFile(doc, table)), "");
    std::uint32_t clx = 0;
    for (int i = 3; i >= 0; --i)
        clx = clx << 8 | static_cast<unsigned char>(doc[154 + 33 * 8 + static_cast<std::size_t>(i)]);
    const std::size_t cps = clx + 5, pcds = cps + 4 * 201;
    auto put32 = [](std::string& s, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            s[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    for (std::size_t i = 0; i <= 200; ++i)
        put32(table, cps + 4 * i, static_cast<std::uint32_t>(3000 * i));
    for (std::size_t i = 1; i < 200; ++i)
        table.replace(pcds + 8 * i, 8, table.substr(pcds, 8));
    EXPECT_EQ(LoadError(CompoundFile(doc, table)), "Invalid Pcdt");
}

// Every prefix of either stream, and seeded byte damage of real files: a clear error or
// a document, never a crash, hang or runaway allocation.
TEST(ReadDOCBuilt, TruncatedAndDamagedStreamsFailCleanly)
{
    TDocTestBuilder b = MixedPieces();
    b.CharRuns = {{0, 5, DocSprm(0x0835, 1, 1)}};
    b.ParaRuns = {{0, 20, DocSprm(0x2403, 1, 1)}, {20, 25, ""}};
    b.Styles = {{u"Normal", 1, 0x0FFF, DocSprm(0xA414, 200, 2), DocSprm(0x4A43, 22, 2)}};
    std::string doc, table;
    b.BuildStreams(doc, table);
    for (std::size_t n = 0; n < doc.size(); n += 7) {
        SCOPED_TRACE(n);
        TVYXLogDocEditor editor;
        try {
            Load(CompoundFile(doc.substr(0, n), table), editor);
        } catch (const VYXException&) {
        }
        ExpectUsable(editor);
    }
    for (std::size_t n = 0; n < table.size(); ++n) {
        SCOPED_TRACE(n);
        TVYXLogDocEditor editor;
        try {
            Load(CompoundFile(doc, table.substr(0, n)), editor);
        } catch (const VYXException&) {
        }
        ExpectUsable(editor);
    }
    if (!fs::exists(cCorpus))
        GTEST_SKIP() << "no corpus";
    std::mt19937 random(27);
    for (const char* name : {"poi-simple-table.doc", "poi-Lists.doc", "poi-footnote.doc", "poi-innertable.doc"}) {
        std::unique_ptr<TVYXCompoundFile> cfb = TVYXCompoundFile::OpenFile((cCorpus / name).string());
        std::string word, tbl;
        ASSERT_TRUE(cfb->ReadStream(u"WordDocument", word));
        ASSERT_TRUE(cfb->ReadStream(u"1Table", tbl) || cfb->ReadStream(u"0Table", tbl));
        for (int round = 0; round < 60; ++round) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(round));
            std::string w = word, t = tbl;
            std::string& target = round % 2 ? w : t;
            for (int k = 0; k < 8; ++k)
                target[random() % target.size()] = static_cast<char>(random() & 0xFF);
            TVYXLogDocEditor editor;
            try {
                Load(CompoundFile(w, t), editor);
            } catch (const VYXException&) {
            }
            ExpectUsable(editor);
        }
    }
}

// The fuzz seeds are built documents; VYX_UPDATE_GOLDEN=1 rewrites them, otherwise they
// must match what the builder makes, so a change of either is seen.
TEST(ReadDOCBuilt, FuzzSeedsAreCurrent)
{
    const fs::path dir = fs::path(VYX_SOURCE_DIR) / "fuzz" / "corpus" / "doc";
    TDocTestBuilder mixed = MixedPieces();
    TDocTestBuilder formatted = MixedPieces();
    formatted.Prcs = {DocSprm(0x0835, 1, 1)};
    formatted.Pieces[1].Prm = 1;
    formatted.CharRuns = {{0, 5, DocSprm(0x0836, 1, 1) + DocSprm(0x2A3E, 1, 1)}};
    formatted.ParaRuns = {{0, 20, DocSprm(0x2403, 1, 1) + DocSprm(0xC60D, 0x0005010100, 5)}, {20, 25, ""}};
    formatted.Styles = {{u"Normal", 1, 0x0FFF, DocSprm(0xA414, 200, 2), DocSprm(0x4A43, 22, 2)},
                        {u"Strong", 2, 0x0FFF, "", DocSprm(0x0835, 1, 1)}};
    TDocTestBuilder table;
    table.Pieces = {{u"A\u0007B\u0007\u0007x\u0013 HYPERLINK \"http://a.b/\" \u0014link\u0015\r", false}};
    const std::string inTable = DocSprm(0x2416, 1, 1);
    table.ParaRuns = {{0, 2, inTable}, {2, 4, inTable},
                      {4, 5, inTable + DocSprm(0x2417, 1, 1) + DocSprmBytes(0xD608, std::string("\x06\x00\x02\x00\x00\xA0\x05\x40\x0B", 9))},
                      {5, 40, ""}};
    const std::pair<const char*, const TDocTestBuilder*> seeds[] = {
        {"mixed-pieces.doc", &mixed}, {"formatted.doc", &formatted}, {"table-link.doc", &table}};
    const bool update = std::getenv("VYX_UPDATE_GOLDEN") != nullptr;
    for (const auto& [name, builder] : seeds) {
        SCOPED_TRACE(name);
        const std::string bytes = builder->Build();
        TVYXLogDocEditor doc;
        EXPECT_NO_THROW(Load(bytes, doc));
        const fs::path file = dir / name;
        if (update)
            std::ofstream(file, std::ios::binary) << bytes;
        std::ifstream in(file, std::ios::binary);
        const std::string stored((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(stored, bytes);
    }
}

// Limits against hostile files: cell marks without a row end wrap into new rows instead
// of growing one row without end.
TEST(ReadDOCBuilt, RowWithoutEndMarkWraps)
{
    TDocTestBuilder b;
    std::u16string text;
    for (int i = 0; i < 2500; ++i)
        text += u"c\u0007";
    b.Pieces = {{text + u"end\r", true}};
    b.ParaRuns = {{0, static_cast<std::uint32_t>(text.size()), DocSprm(0x2416, 1, 1)},
                  {static_cast<std::uint32_t>(text.size()), static_cast<std::uint32_t>(text.size()) + 4, ""}};
    TVYXLogDocEditor doc;
    Load(b.Build(), doc);
    ASSERT_TRUE(doc.Paras().GetItems(0)->IsTable());
    const TVYXTable* table = doc.Paras().GetTables(0);
    ASSERT_EQ(table->Count(), 3);
    EXPECT_EQ(table->GetRows(0)->Count(), 1000);
    EXPECT_EQ(table->GetRows(2)->Count(), 500);
}

TEST(ReadDOCBuilt, StreamCursorChecksEveryRead)
{
    TVyMSWordStream s(std::string("\x01\x02\x03\x04\x05\x41\x00\x42\x00", 9));
    EXPECT_EQ(s.ReadChar(), 1);
    s.DropAnchor();
    EXPECT_EQ(s.ReadWord(), 0x0302);
    EXPECT_EQ(s.ReadByte(), 4);
    EXPECT_EQ(s.AnchorSize(), 3u);
    s.Pad(2);  // to an even count from the anchor
    EXPECT_EQ(s.Pos(), 5u);
    EXPECT_EQ(s.ReadStr(2, false), u"AB");
    EXPECT_THROW(s.ReadByte(), VYXException);
    EXPECT_THROW(s.Seek(10), VYXException);
    EXPECT_EQ(s.DWordAt(1), 0x05040302u);
    EXPECT_THROW(s.DWordAt(6), VYXException);
    EXPECT_THROW(s.Bytes(8, 2), VYXException);
    EXPECT_THROW(s.Bytes(0xFFFFFFFF, 2), VYXException);  // no wrap-around
    s.Seek(5);
    EXPECT_EQ(s.ReadStr(3, true), std::u16string(u"A\0B", 3));
}

// A row mark with no cells before it, and a nested row end without its table.
TEST(ReadDOCBuilt, RowMarksWithoutCellsMakeWholeRows)
{
    TDocTestBuilder b;
    b.Pieces = {{u"\u0007x\rin\r", true}};
    b.ParaRuns = {{0, 1, DocSprm(0x2416, 1, 1) + DocSprm(0x2417, 1, 1)},
                  {1, 3, ""},
                  {3, 6, DocSprm(0x6649, 3, 4) + DocSprm(0x244C, 1, 1)}};
    TVYXLogDocEditor doc;
    const std::string dump = Load(b.Build(), doc);
    ASSERT_TRUE(doc.Paras().GetItems(0)->IsTable());
    for (int i = 0; i < doc.Paras().Count(); ++i)
        if (const TVYXLogParaItem* item = doc.Paras().GetItems(i); item->IsTable()) {
            const auto* table = static_cast<const TVYXTable*>(item);
            ASSERT_GE(table->Count(), 1) << dump;
            for (int r = 0; r < table->Count(); ++r)
                EXPECT_GE(table->GetRows(r)->Count(), 1) << dump;
        }
    EXPECT_TRUE(doc.Paras().Last()->IsPara());
}

// Regressions found by mutating real files: a table definition whose length leaves no
// room for its own length prefix.
TEST(ReadDOCBuilt, MutationRegressions)
{
    TDocTestBuilder b;
    b.Pieces = {{u"a\u0007\u0007\r", true}};
    b.ParaRuns = {{0, 2, DocSprm(0x2416, 1, 1)},
                  {2, 3, DocSprm(0x2416, 1, 1) + DocSprm(0x2417, 1, 1) + DocSprmBytes(0xD608, std::string("\x00\x00", 2))},
                  {3, 4, ""}};
    TVYXLogDocEditor doc;
    EXPECT_NO_THROW(Load(b.Build(), doc));
    EXPECT_EQ(VYXDocSprmSize(0xD608, std::string("\x00\x00", 2)), 1);
}

// Cells merged across (the older form: a first cell and merged ones after it): the first
// spans them and takes their widths; the merged cells, empty, go.
TEST(ReadDOCBuilt, HorizontallyMergedCells)
{
    TDocTestBuilder b;
    b.Pieces = {{u"wide\u0007\u0007one\u0007\u0007\r", true}};
    std::string def = std::string("\x03", 1);
    for (int x : {0, 1440, 2880, 4320})
        def += std::string{static_cast<char>(x & 0xFF), static_cast<char>(x >> 8)};
    std::string tcs(60, '\0');
    tcs[0] = 0x01;   // first of the merged cells
    tcs[20] = 0x02;  // merged into it
    const std::string inTable = DocSprm(0x2416, 1, 1);
    const std::string rowEnd = inTable + DocSprm(0x2417, 1, 1) +
                               DocSprmBytes(0xD608, std::string{static_cast<char>(def.size() + tcs.size() + 1), '\0'} + def + tcs);
    b.ParaRuns = {{0, 5, inTable}, {5, 6, inTable}, {6, 10, inTable}, {10, 11, rowEnd}, {11, 12, ""}};
    TVYXLogDocEditor doc;
    const std::string dump = Load(b.Build(), doc);
    const TVYXTable* table = doc.Paras().GetTables(0);
    ASSERT_EQ(table->GetRows(0)->Count(), 2) << dump;
    EXPECT_EQ(table->GetRows(0)->GetCells(0)->GridSpan, 2);
    EXPECT_DOUBLE_EQ(table->GetRows(0)->GetCells(0)->GetWidth(), 144);
    EXPECT_EQ(table->GetRows(0)->GetCells(1)->Paras().GetPlainText(), u"one");
}

// A footnote whose reference sits in a table cell, and one in the body after the table:
// both references where they were, both notes in order in the notes document.
TEST(ReadDOCBuilt, FootnotesInCellsAndBody)
{
    TDocTestBuilder b;
    const std::u16string main = u"cell\u0002\u0007\u0007body\u0002\r";
    const std::u16string notes = u"\u0002 in a cell\r\u0002 in the body\r\r";
    b.Pieces = {{main + notes, false}};
    b.CcpFtn = static_cast<std::uint32_t>(notes.size());
    b.FtnRefs = {4, 11};
    b.FtnTxt = {0, 12, 26, 27};
    const std::string inTable = DocSprm(0x2416, 1, 1);
    b.CharRuns = {{4, 5, DocSprm(0x0855, 1, 1)}, {11, 12, DocSprm(0x0855, 1, 1)},
                  {13, 14, DocSprm(0x0855, 1, 1)}, {25, 26, DocSprm(0x0855, 1, 1)}};
    b.ParaRuns = {{0, 6, inTable}, {6, 7, inTable + DocSprm(0x2417, 1, 1)}, {7, 13, ""}};
    TVYXLogDocEditor doc;
    const std::string dump = Load(b.Build(), doc);
    ASSERT_EQ(doc.FootnoteList().Count(), 2) << dump;
    EXPECT_NE(dump.find("        text \"cell\"\n        footnote \"1\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("  text \"body\"\n  footnote \"2\""), std::string::npos) << dump;
    EXPECT_EQ(doc.FootnoteList().GetItems(0)->GetPlainText(), u" in a cell");
    EXPECT_EQ(doc.FootnoteList().GetItems(1)->GetPlainText(), u" in the body");
}

// Word 6 modifier lists read as the later form: codes mapped, narrow operands widened,
// and a code of unknown size ends the list instead of misreading what follows.
TEST(ReadDOCBuilt, Word6ModifiersAreRewritten)
{
    const auto bytes = [](std::initializer_list<int> list) {
        std::string s;
        for (int v : list)
            s += static_cast<char>(v);
        return s;
    };
    // Bold on, font 2, 24 half-points, centred, space after 240 twips.
    EXPECT_EQ(VYXDocWord6Grpprl(bytes({85, 1, 93, 2, 0, 99, 24, 0, 5, 1, 22, 0xF0, 0})),
              DocSprm(0x0835, 1, 1) + DocSprm(0x4A4F, 2, 2) + DocSprm(0x4A43, 24, 2) + DocSprm(0x2403, 1, 1) +
                  DocSprm(0xA414, 240, 2));
    // A single 1.5 pt line (width 2 x 0.75 pt, type 1), colour 6, space 3: eighths of a point.
    const int brc = 2 | (1 << 3) | (6 << 6) | (3 << 11);
    EXPECT_EQ(VYXDocWord6Grpprl(bytes({38, brc & 0xFF, brc >> 8})), DocSprm(0x6424, 0x0306010C, 4));
    // Dotted lines keep their kind; no type means no line.
    EXPECT_EQ(VYXDocWord6Grpprl(bytes({40, 6 | (1 << 3), 0})), DocSprm(0x6426, 0x00000606, 4));
    // A symbol: length 3, font 4, character 0xF0, widened to a two-byte character.
    EXPECT_EQ(VYXDocWord6Grpprl(bytes({74, 3, 4, 0, 0xF0})), DocSprm(0x6A09, 0x00F00004, 4));
    // Left-out codes are skipped by their size; an unknown code ends the list.
    EXPECT_EQ(VYXDocWord6Grpprl(bytes({72, 9, 9, 85, 1, 250, 86, 1})), DocSprm(0x0835, 1, 1));
    // A list running past its end keeps what came before.
    EXPECT_EQ(VYXDocWord6Grpprl(bytes({86, 1, 99, 24})), DocSprm(0x0836, 1, 1));
    // A table definition: two cells, three edges, ten-byte cells become twenty-byte ones.
    std::string def = bytes({2, 0, 0, 0xD0, 0x07, 0xA0, 0x0F});
    def += bytes({1, 0, 8, 0, 8, 0, 8, 0, 8, 0});  // first merged, single borders
    def += bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    std::string old = bytes({190});
    old += static_cast<char>(def.size() + 1);
    old += '\0';
    old += def;
    const std::string rewritten = VYXDocWord6Grpprl(old);
    ASSERT_EQ(rewritten.size(), 2 + 2 + 7 + 40u);
    std::size_t cells = 0;
    VYXDocForEachSprm(rewritten, [&](const TVYXDocSprm& s) {
        EXPECT_EQ(s.Code, 0xD608);
        ASSERT_EQ(s.Operand.size(), 7 + 40u);
        cells = s.Byte();
        EXPECT_EQ(s.Short(3), 2000);
        EXPECT_EQ(s.Word(7), 1);          // the first cell's flags
        EXPECT_EQ(s.Byte(7 + 4 + 1), 1);  // its top border: single
        EXPECT_EQ(s.Byte(27 + 4 + 1), 0);
    });
    EXPECT_EQ(cells, 2u);
}

// A piece whose property is a single modifier (low bit clear) gets that modifier: the
// older one-byte code in bits 1-7, its operand in the high byte.
TEST(ReadDOCBuilt, SingleModifierPiecePropertiesApply)
{
    EXPECT_EQ(VYXDocPrmGrpprl((85 << 1) | (1 << 8)), DocSprm(0x0835, 1, 1));
    EXPECT_EQ(VYXDocPrmGrpprl((98 << 1) | (6 << 8)), DocSprm(0x2A42, 6, 1));
    EXPECT_EQ(VYXDocPrmGrpprl(0), "");
    EXPECT_EQ(VYXDocPrmGrpprl((127 << 1) | (1 << 8)), "");  // no such code
    TDocTestBuilder b = MixedPieces();
    b.Pieces[0].Prm = (86 << 1) | (1 << 8);  // italic
    b.Pieces[2].Prm = (98 << 1) | (6 << 8);  // red
    TVYXLogDocEditor doc;
    const std::string dump = Load(b.Build(), doc);
    EXPECT_NE(dump.find("text \"Hello \" italic"), std::string::npos) << dump;
    EXPECT_NE(dump.find("text \"line\" color=FF0000"), std::string::npos) << dump;
}

// Modifiers met and not applied are reported once each, by code and name.
TEST(ReadDOCBuilt, UnappliedModifiersAreNamed)
{
    EXPECT_EQ(VYXDocSprmName(0x2403), "sprmPJc80");
    EXPECT_EQ(VYXDocSprmName(0x6A09), "sprmCSymbol");
    EXPECT_EQ(VYXDocSprmName(0x1234), "");
    TDocTestBuilder b = MixedPieces();
    b.ParaRuns = {{0, 20, DocSprm(0x2430, 1, 1) + DocSprm(0x2437, 1, 1) + DocSprm(0x2430, 1, 1) + DocSprm(0x2499, 1, 1)},
                  {20, 25, DocSprm(0x2430, 1, 1)}};
    TVYXLogDocEditor doc;
    TVYXReadDOC reader(doc);
    reader.LoadFromBytes(b.Build());
    EXPECT_EQ(reader.UnknownSprms(),
              (std::vector<std::string>{"2430 sprmPFLocked", "2437 sprmPFAutoSpaceDE", "2499"}));
}

// A paragraph that starts a page (its own modifier or its style's) begins with a page
// break; the first paragraph does not need one, and an operand of 0 turns the style's off.
TEST(ReadDOCBuilt, PageBreakBeforeStartsAPage)
{
    TDocTestBuilder b;
    b.Pieces = {{u"One\rTwo\rThree\rFour\r", true}};
    b.Styles = {{u"Normal", 1, 0x0FFF, "", ""}, {u"Chapter", 1, 0, DocSprm(0x2407, 1, 1), "", 0x0FFE}};
    b.ParaRuns = {{0, 4, DocSprm(0x2407, 1, 1), 0}, {4, 8, DocSprm(0x2407, 1, 1), 0}, {8, 14, "", 1},
                  {14, 19, DocSprm(0x2407, 0, 1), 1}};
    TVYXLogDocEditor doc;
    Load(b.Build(), doc);
    ASSERT_EQ(doc.Paras().Count(), 4);
    std::vector<bool> breaks;
    for (int i = 0; i < 4; ++i) {
        const auto* para = static_cast<const TVYXLogPara*>(doc.Paras().GetItems(i));
        breaks.push_back(para->Count() > 0 && para->GetItems(0)->IsPageBreak());
    }
    EXPECT_EQ(breaks, (std::vector<bool>{false, true, true, false}));
}

// Word 6 and 95 files keep everything in one stream: every truncation of it and random
// damage anywhere fail with a message or give a usable document, and a text range
// outside the stream is refused.
TEST(ReadDOCBuilt, DamagedWord6FilesFailCleanly)
{
    if (!fs::exists(cCorpus))
        GTEST_SKIP() << "no corpus";
    std::mt19937 random(6);
    // The fuzz seed: the smallest corpus file with numbering and a bookmark written into it.
    const fs::path seed = fs::path(VYX_TEST_DATA_DIR) / ".." / ".." / ".." / "fuzz" / "corpus" / "doc" /
                          "word6-numbered-bookmark.doc";
    for (const fs::path& path : {cCorpus / "poi-Word95.doc", cCorpus / "poi-cn.orthodox.www_divenbog_APRIL_30-APRIL.DOC", seed}) {
        const std::string name = path.filename().string();
        std::unique_ptr<TVYXCompoundFile> cfb = TVYXCompoundFile::OpenFile(path.string());
        std::string word;
        ASSERT_TRUE(cfb->ReadStream(u"WordDocument", word));
        {
            TVYXLogDocEditor editor;
            EXPECT_NO_THROW(Load(CompoundFile(word, ""), editor));
            EXPECT_GT(editor.Paras().Count(), path == seed ? 0 : 3);
        }
        for (std::size_t n = 0; n < word.size(); n += 61) {
            SCOPED_TRACE(std::string(name) + " cut " + std::to_string(n));
            TVYXLogDocEditor editor;
            try {
                Load(CompoundFile(word.substr(0, n), ""), editor);
            } catch (const VYXException&) {
            }
            ExpectUsable(editor);
        }
        for (int round = 0; round < 150; ++round) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(round));
            std::string w = word;
            for (int k = 0; k < 8; ++k)
                w[random() % w.size()] = static_cast<char>(random() & 0xFF);
            TVYXLogDocEditor editor;
            try {
                Load(CompoundFile(w, ""), editor);
            } catch (const VYXException&) {
            }
            ExpectUsable(editor);
        }
    }
    // A file never fast-saved whose text end lies past its stream.
    std::unique_ptr<TVYXCompoundFile> cfb = TVYXCompoundFile::OpenFile((cCorpus / "poi-Word95.doc").string());
    std::string word;
    ASSERT_TRUE(cfb->ReadStream(u"WordDocument", word));
    word[31] = '\x7F';
    EXPECT_EQ(LoadError(CompoundFile(word, "")), "Invalid DOC file");
}

// UTF-16 text after an odd-length 8-bit piece is padded to an even offset; the padding
// belongs to the runs before it, so it is neither text nor a run of its own.
TEST(ReadDOCBuilt, UnicodePieceAfterOddEightBitPiece)
{
    for (std::uint32_t align : {2u, 512u}) {
        SCOPED_TRACE(align);
        TDocTestBuilder b;
        b.UnicodeAlign = align;
        b.Pieces = {{u"abc", true}, {u"d\u00E9f\rg\r", false}};
        b.CharRuns = {{1, 4, DocSprm(0x0835, 1, 1)}};
        b.ParaRuns = {{0, 7, DocSprm(0x2403, 1, 1)}, {7, 9, ""}};
        std::string wordDocument, table;
        b.BuildStreams(wordDocument, table);
        TVYXLogDocEditor doc;
        TVYXReadDOC reader(doc);
        reader.LoadFromBytes(CompoundFile(wordDocument, table));
        EXPECT_EQ(reader.Text(), u"abcd\u00E9f\rg\r");
        ASSERT_EQ(doc.Paras().Count(), 2);
        // Bold over the piece boundary, one centred paragraph across both pieces.
        EXPECT_EQ(VYXDumpParas(doc.Paras()),
                  "para align=Center\n  text \"a\"\n  text \"bcd\" bold\n  text \"\xC3\xA9" "f\"\npara\n  text \"g\"\n");
    }
}

// The benchmark's long document read by an independent extractor (antiword, when
// installed): the same words in the same paragraphs as our import.
TEST(ReadDOCBuilt, LongDocumentTextEqualsAntiword)
{
    const char* const candidates[] = {"/usr/bin/antiword", "/usr/local/bin/antiword"};
    std::string antiword;
    for (const char* c : candidates)
        if (fs::exists(c))
            antiword = c;
    if (antiword.empty())
        GTEST_SKIP() << "antiword is not installed";
    const std::string bytes = DocManyPages(12).Build();
    const fs::path file = fs::temp_directory_path() / ("vyx-doc-long-" + std::to_string(::getpid()) + ".doc");
    std::ofstream(file, std::ios::binary) << bytes;
    std::string extracted;
    if (FILE* pipe = ::popen((antiword + " -w 0 '" + file.string() + "' 2>&1").c_str(), "r")) {
        char buffer[4096];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            extracted.append(buffer, n);
        ::pclose(pipe);
    }
    fs::remove(file);
    TVYXLogDocEditor doc;
    Load(bytes, doc);
    std::vector<std::string> ours, theirs;
    for (int i = 0; i < doc.Paras().Count(); ++i) {
        std::string line;
        for (char16_t c : doc.Paras().GetParas(i)->GetText())
            line += static_cast<char>(c);
        ours.push_back(line);
    }
    std::istringstream lines(extracted);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t from = line.find_first_not_of(' ');
        if (from != std::string::npos)
            theirs.push_back(line.substr(from, line.find_last_not_of(' ') + 1 - from));
    }
    EXPECT_EQ(ours.size(), 60u);
    EXPECT_EQ(theirs, ours);
}
