// VYXPlainTextTest.cpp: plain text into paragraphs and back, by bytes and through real files.
#include <string>
#include <unistd.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "editing/VYXPlainText.h"
#include "model/VYXCharRun.h"
#include "model/tests/VYXBodyTestDoc.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {
std::vector<std::u16string> Load(TVYXBodyTestDoc& doc, std::string_view bytes, int codePage = 1252)
{
    TVYXImportText import(doc.Body);
    import.CodePage = codePage;
    import.LoadFromBytes(bytes, doc.Body, false);
    std::vector<std::u16string> texts;
    for (int i = 0; i < doc.Body.Count(); ++i)
        texts.push_back(doc.Body.GetParas(i)->GetFileText());
    return texts;
}

using TLines = std::vector<std::u16string>;
}  // namespace

TEST(PlainText, LinesBecomeParagraphs)
{
    struct TCase {
        std::string_view Bytes;
        TLines Paras;
    };
    const TCase cases[] = {
        {"one\ntwo\nthree\n", {u"one", u"two", u"three"}},  // three lines, three paragraphs
        {"one\r\ntwo\r\nthree", {u"one", u"two", u"three"}},
        {"a\rb\n\r\nc", {u"a", u"b", u"", u"c"}},
        {"a\n\n\nb\n", {u"a", u"", u"", u"b"}},
        {"\n", {u""}},
        {"", {u""}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.Bytes)));
        TVYXBodyTestDoc doc;
        EXPECT_EQ(Load(doc, c.Bytes), c.Paras);
    }
}

TEST(PlainText, TabsFormFeedsAndLineBreaksBecomeRuns)
{
    TVYXBodyTestDoc doc;
    Load(doc, "Name\tCity\n\fChapter 2\vcont\n");
    ASSERT_EQ(doc.Body.Count(), 2);
    const TVYXLogPara& first = *doc.Body.GetParas(0);
    ASSERT_EQ(first.Count(), 3);
    EXPECT_EQ(first.GetItems(1)->Type_(), acrtTab);
    const TVYXLogPara& second = *doc.Body.GetParas(1);
    EXPECT_TRUE(second.HasPageBreak());
    std::u16string shape;  // the runs' kinds in order, the empty leading run left out
    for (int i = 0; i < second.Count(); ++i) {
        const TVYXCharRun& run = *second.GetItems(i);
        if (run.IsPageBreak())
            shape += u"[page]";
        else if (run.IsLineBreak())
            shape += u"[line]";
        else
            shape += run.Text();
    }
    EXPECT_EQ(shape, u"[page]Chapter 2[line]cont");
}

TEST(PlainText, ByteOrderMarksAndEightBitFallback)
{
    struct TCase {
        std::string Bytes;
        int CodePage;
        TVYXTextEncoding Encoding;
    };
    const std::u16string expected = u"Grüße €";
    const TCase cases[] = {
        {"Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC", 1252, vyteUtf8},
        {"\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC", 1252, vyteUtf8Bom},
        {std::string("\xFF\xFEG\0r\0\xFC\0\xDF\0e\0 \0\xAC\x20", 16), 1252, vyteUtf16LE},
        {std::string("\xFE\xFF\0G\0r\0\xFC\0\xDF\0e\0 \x20\xAC", 16), 1252, vyteUtf16BE},
        {"Gr\xFC\xDF" "e \x80", 1252, vyteCodePage},  // not UTF-8: Windows-1252
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Encoding);
        TVYXBodyTestDoc doc;
        TVYXImportText import(doc.Body);
        import.CodePage = c.CodePage;
        import.LoadFromBytes(c.Bytes, doc.Body, false);
        EXPECT_EQ(import.Encoding(), c.Encoding);
        ASSERT_EQ(doc.Body.Count(), 1);
        EXPECT_EQ(doc.Body.GetParas(0)->GetFileText(), expected);
    }
    // Another 8-bit code page on request; a cut-off UTF-16 unit and NUL bytes are repaired.
    TVYXBodyTestDoc doc;
    EXPECT_EQ(Load(doc, "\xCF\xF0\xE8\xE2\xE5\xF2", 1251), TLines{u"Привет"});
    EXPECT_EQ(Load(doc, std::string("\xFF\xFEo\0k\0!", 7)), TLines{u"ok\uFFFD"});
    EXPECT_EQ(Load(doc, std::string("a\0b", 3)), TLines{u"a\uFFFDb"});
    // A mark written twice is still a mark, not text that would become one when written.
    EXPECT_EQ(Load(doc, std::string("\xFF\xFE\xFF\xFEo\0k\0", 8)), TLines{u"ok"});
    EXPECT_EQ(Load(doc, "\xEF\xBB\xBF\xEF\xBB\xBFok"), TLines{u"ok"});
}

TEST(PlainText, RoundTripsTabsBlankLinesFormFeedsAndMarks)
{
    const std::string texts[] = {
        "Invoice\t2026-12-06\n\nItem\tPrice\nTea\t3.50\n\n\n\fPage two\n",
        "caf\xC3\xA9 \xE2\x82\xAC\n\xF0\x9F\x98\x80 surrogate pair\n",
        "",
    };
    for (const bool crlf : {false, true})
        for (std::string text : texts) {
            if (crlf)
                for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
                    text.insert(at, 1, '\r');
            SCOPED_TRACE(testing::PrintToString(text));
            TVYXBodyTestDoc doc;
            TVYXImportText import(doc.Body);
            import.LoadFromBytes(text, doc.Body, false);
            TVYXExportText exporter;
            exporter.CrLf = import.CrLf();
            EXPECT_EQ(exporter.SaveToBytes(doc.Body), text);
            // With its mark, UTF-8 text keeps it.
            import.LoadFromBytes("\xEF\xBB\xBF" + text, doc.Body, false);
            exporter.ByteOrderMark = import.Encoding() == vyteUtf8Bom;
            EXPECT_EQ(exporter.SaveToBytes(doc.Body), "\xEF\xBB\xBF" + text);
        }
    // Invalid UTF-8 reads as 8-bit text and writes back as that code page.
    TVYXBodyTestDoc doc;
    const std::string latin = "Stra\xDF" "e\tNr.\n\xA7 1\n";
    TVYXImportText import(doc.Body);
    import.LoadFromBytes(latin, doc.Body, false);
    TVYXExportText exporter;
    EXPECT_EQ(exporter.SaveToBytes(doc.Body), "Stra\xC3\x9F" "e\tNr.\n\xC2\xA7 1\n");
    exporter.CodePage = 1252;
    EXPECT_EQ(exporter.SaveToBytes(doc.Body), latin);
    // Characters outside the code page become "?".
    Load(doc, "\xC4\x89u \xE2\x82\xAC\n");
    EXPECT_EQ(exporter.SaveToBytes(doc.Body), "?u \x80\n");
}

TEST(PlainText, AppendsAndWritesTablesAsTabbedLines)
{
    TVYXBodyTestDoc doc;
    Load(doc, "Before\n");
    TVYXTable* table = doc.Body.AddTable(3, 2);
    ASSERT_NE(table, nullptr);
    const char16_t* cells[2][3] = {{u"a", u"b", u"c"}, {u"d", u"", u"f"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            table->GetRows(r)->GetCells(c)->Paras().SetPlainText(cells[r][c]);
    table->GetRows(1)->GetCells(2)->Paras().AppendPara(u"g");  // two paragraphs in one cell
    TVYXImportText import(doc.Body);
    import.LoadFromBytes("After\n", doc.Body, true);
    TVYXExportText exporter;
    exporter.CrLf = true;
    EXPECT_EQ(exporter.SaveToBytes(doc.Body), "Before\r\na\tb\tc\r\nd\t\tf g\r\nAfter\r\n");
}

TEST(PlainText, FilesAndStreams)
{
    const auto dir = std::filesystem::temp_directory_path() / (std::string("vyx-plaintext-test-") + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string name = (dir / "in.txt").string();
    VYXWriteFile(name, "x\ty\nz\n");
    TVYXBodyTestDoc doc;
    TVYXImportText import(doc.Body);
    import.LoadFromFile(name);
    EXPECT_EQ(doc.Body.Count(), 2);
    import.LoadFromFile(name, doc.Body);  // the list overload appends
    EXPECT_EQ(doc.Body.Count(), 4);
    TVYXExportText().SaveToFile(doc.Body, (dir / "out.txt").string());
    EXPECT_EQ(VYXReadFile((dir / "out.txt").string()), "x\ty\nz\nx\ty\nz\n");
    std::filesystem::remove_all(dir);
}

// Real text written by other programs: every HTML file of the shared corpus
// read as plain text gives back the same text, line for line.
TEST(PlainText, CorpusTextsRoundTrip)
{
    const std::filesystem::path dir = std::filesystem::path(VYX_SHARED_DIR) / "corpus" / "html";
    if (!std::filesystem::is_directory(dir))
        GTEST_SKIP() << "no shared corpus at " << dir;
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string bytes = VYXReadFile(entry.path().string());
        SCOPED_TRACE(entry.path().filename().string());
        TVYXBodyTestDoc doc;
        TVYXImportText import(doc.Body);
        import.LoadFromBytes(bytes, doc.Body, false);
        std::u16string text = VYXDecodeTextFile(bytes, 1252);
        // The comparison needs one line-end style and a final line end.
        const std::u16string lineEnd = import.CrLf() ? u"\r\n" : u"\n";
        std::u16string normal;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r' || text[i] == u'\n') {
                normal += lineEnd;
                if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                    ++i;
            } else
                normal += text[i] == u'\0' ? u'\uFFFD' : text[i];
        }
        if (!normal.ends_with(lineEnd))
            normal += lineEnd;
        TVYXExportText exporter;
        exporter.CrLf = import.CrLf();
        EXPECT_EQ(exporter.Text(doc.Body), normal);
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

// The loader checks and decodes UTF-8 itself, a line at a time; the platform's
// decoder over the whole text is the reference. Hand cases at the edges of each
// sequence length, then seeded random bytes biased towards lead and trail bytes.
TEST(PlainText, LineDecoderAgreesWithThePlatformDecoder)
{
    std::vector<std::string> cases = {
        "", "plain ascii\n", "caf\xC3\xA9\tna\xC3\xAFve\r\n\xE2\x82\xAC" "5", "\xF0\x9F\x98\x80 smile\n\xF4\x8F\xBF\xBF",
        "\xC0\xAF overlong", "\xE0\x80\xAF overlong", "\xED\xA0\x80 surrogate", "\xF4\x90\x80\x80 too high",
        "\xF8\x88\x80\x80\x80 five", "cut at the end \xE2\x82", "cut at a line end \xE2\x82\nnext", "\x80 stray",
        "\xEF\xBB\xBF" "marked \xC3\xA9", "\xEF\xBB\xBF" "marked but \xFF broken", "12345678\xC3\xA9" "12345678",
    };
    std::mt19937 random(7);
    static const unsigned char alphabet[] = {'a', ' ', '\t', '\n', '\r', 0x80, 0xBF, 0xC2, 0xC3, 0xDF, 0xE0,
                                             0xE2, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF, 0x82, 0x9F, 0xA0};
    for (int n = 0; n < 3000; ++n) {
        std::string bytes = random() % 10 == 0 ? "\xEF\xBB\xBF" : "";
        const std::size_t length = random() % 24;
        for (std::size_t i = 0; i < length; ++i)
            bytes += static_cast<char>(random() % 3 == 0 ? 'x' : alphabet[random() % std::size(alphabet)]);
        cases.push_back(bytes);
    }
    int utf8 = 0;
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        TVYXBodyTestDoc loaded, reference;
        TVYXImportText import(loaded.Body);
        import.LoadFromBytes(bytes, loaded.Body, false);
        TVYXTextEncoding expected = vyteCodePage;
        VYXAppendTextLines(reference.Body, VYXDecodeTextFile(bytes, 1252, &expected));
        EXPECT_EQ(import.Encoding(), expected);
        utf8 += expected != vyteCodePage;
        ASSERT_EQ(loaded.Body.Count(), reference.Body.Count());
        for (int i = 0; i < loaded.Body.Count(); ++i)
            EXPECT_EQ(loaded.Body.GetParas(i)->GetFileText(), reference.Body.GetParas(i)->GetFileText()) << i;
    }
    EXPECT_GT(utf8, 100) << "the random cases reach the UTF-8 path too";
}

namespace {
// A paragraph as its runs: each run's kind and characters, "|" between runs.
std::u16string RunShape(const TVYXLogPara& para)
{
    std::u16string shape;
    const TVYXCharRuns& runs = para.CharRuns();
    for (int r = 0; r < runs.Count(); ++r) {
        const TVYXCharRun& run = *runs.Items(r);
        shape += r > 0 ? u"|" : u"";
        shape += static_cast<char16_t>(u'A' + run.Type_());
        shape += run.Type_() == acrtBreak ? std::u16string(1, static_cast<char16_t>(
                                                                  u'0' + static_cast<const TVYXCharRunBreak&>(run).BreakType))
                                          : run.Text();
    }
    return shape;
}

// Loads `bytes` and builds the same text through the whole-text path (decode all,
// then cut lines); both must give the same paragraphs run for run, and the start
// positions the run list keeps must follow the runs.
void ExpectSameRunsAsWholeTextPath(std::string_view bytes, int codePage = 1252)
{
    TVYXBodyTestDoc loaded, reference;
    TVYXImportText import(loaded.Body);
    import.CodePage = codePage;
    import.LoadFromBytes(bytes, loaded.Body, false);
    TVYXTextEncoding expected = vyteCodePage;
    VYXAppendTextLines(reference.Body, VYXDecodeTextFile(bytes, codePage, &expected));
    EXPECT_EQ(import.Encoding(), expected);
    ASSERT_EQ(loaded.Body.Count(), reference.Body.Count());
    for (int i = 0; i < loaded.Body.Count(); ++i) {
        const TVYXLogPara& para = *loaded.Body.GetParas(i);
        ASSERT_EQ(RunShape(para), RunShape(*reference.Body.GetParas(i))) << "paragraph " << i;
        std::int32_t pos = 1;
        for (int r = 0; r < para.Count(); ++r) {
            EXPECT_EQ(para.GetItems(r)->StartPos(), pos) << "paragraph " << i << " run " << r;
            EXPECT_EQ(para.GetItems(r)->Index(), r);
            pos += para.GetItems(r)->Len();
        }
    }
}
}  // namespace

// Real files of every text-based kind in the corpus, read as plain text: the one-pass
// loader cuts the same runs as decoding the whole text first.
TEST(PlainText, CorpusFilesGiveTheSameRunsAsTheWholeTextPath)
{
    const std::filesystem::path corpus = std::filesystem::path(VYX_SHARED_DIR) / "corpus";
    if (!std::filesystem::is_directory(corpus))
        GTEST_SKIP() << "no shared corpus at " << corpus;
    int checked = 0;
    for (const char* folder : {"html", "rtf", "malformed"}) {
        if (!std::filesystem::is_directory(corpus / folder))
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(corpus / folder)) {
            SCOPED_TRACE(entry.path().string());
            ExpectSameRunsAsWholeTextPath(VYXReadFile(entry.path().string()));
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
}

// Long lines, so that runs of eight printable bytes, tabs, breaks, NULs, other control
// characters and multi-byte sequences meet at every offset of an eight-byte step.
TEST(PlainText, LongLinesGiveTheSameRunsAsTheWholeTextPath)
{
    static const char* const pieces[] = {"abcdefgh", "a", "xyz 12", "\t", "\f", "\v", "",
                                         "\x01", "\x1F", "\x7F", "caf\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80",
                                         "\n", "\r\n", "\r", "\t\t", "        "};
    std::mt19937 random(11);
    for (int n = 0; n < 400; ++n) {
        std::string bytes;
        const std::size_t count = random() % 60;
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t k = random() % std::size(pieces);
            bytes += k == 6 ? std::string(1, '\0') : std::string(pieces[k]);
        }
        // Now and then one bad byte somewhere: the whole text is then 8-bit.
        if (n % 5 == 4)
            bytes.insert(random() % (bytes.size() + 1), 1, '\xFF');
        SCOPED_TRACE(testing::PrintToString(bytes));
        ExpectSameRunsAsWholeTextPath(bytes);
    }
}

// UTF-8 that breaks only near its end is 8-bit text after all: the paragraphs already
// made from it go, and a list being appended to keeps its own.
TEST(PlainText, TextBrokenLateIsReadAgainAsEightBit)
{
    std::string bytes;
    for (int i = 0; i < 2000; ++i)
        bytes += "line " + std::to_string(i) + "\tcaf\xC3\xA9\n";
    bytes += "last \xE9t\xE9";  // Windows-1252 e-acute, not UTF-8
    TVYXBodyTestDoc doc;
    doc.Body.AppendPara(u"mine");
    doc.Body.AppendPara(u"also mine");
    TVYXImportText import(doc.Body);
    import.LoadFromBytes(bytes, doc.Body, true);
    EXPECT_EQ(import.Encoding(), vyteCodePage);
    ASSERT_EQ(doc.Body.Count(), 3 + 2000);
    EXPECT_EQ(doc.Body.GetParas(1)->GetFileText(), u"also mine");
    EXPECT_EQ(doc.Body.GetParas(2)->GetFileText(), u"line 0\tcaf\u00C3\u00A9");
    EXPECT_EQ(doc.Body.GetParas(2002)->GetFileText(), u"last \u00E9t\u00E9");
    // Replacing instead of appending gives just the file's lines.
    import.LoadFromBytes(bytes, doc.Body, false);
    EXPECT_EQ(doc.Body.Count(), 2001);
    EXPECT_EQ(doc.Body.GetParas(0)->GetFileText(), u"line 0\tcaf\u00C3\u00A9");
}

// Text that is not UTF-8 in 8-bit code pages (read through a table of the page) and
// double-byte ones (through the decoder): bytes of every value, line ends and tabs
// among them, give the same runs as decoding the whole text first.
TEST(PlainText, CodePagesGiveTheSameRunsAsTheWholeTextPath)
{
    std::mt19937 random(5);
    for (const int codePage : {1252, 1251, 437, 10000, 28595, 932, 936}) {
        SCOPED_TRACE(codePage);
        for (int n = 0; n < 60; ++n) {
            std::string bytes = "\xFF";  // never UTF-8
            const std::size_t length = random() % 300;
            for (std::size_t i = 0; i < length; ++i) {
                const unsigned pick = random() % 8;
                bytes += pick == 0   ? '\t'
                         : pick == 1 ? '\n'
                         : pick < 4  ? static_cast<char>(random() % 256)
                                     : static_cast<char>('a' + random() % 26);
            }
            ExpectSameRunsAsWholeTextPath(bytes, codePage);
        }
    }
}

namespace {
// The paragraphs `text` gives when typed through the paragraph's own editing calls, one
// character at a time: the reference for the loader, which builds runs its own way.
void TypeLines(TVYXLogParas& paras, std::u16string_view text)
{
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(u"\r\n", start), text.size());
        if (end == text.size() && start == end && start > 0)
            break;  // a final line end closes the last line
        TVYXLogPara& para = *paras.AppendPara();
        for (std::size_t i = start; i < end; ++i) {
            const char16_t c = text[i];
            if (c == u'\t')
                para.AppendTab();
            else if (c == u'\f' || c == u'\v')
                para.AppendBreak(c == u'\f' ? acrbtPageBreak : acrbtLineBreak);
            else
                para.Append(std::u16string_view(c == u'\0' ? u"\uFFFD" : &text[i], 1));
        }
        start = end + (text.compare(end, 2, u"\r\n") == 0 ? 2 : 1);
    }
}

// Paragraphs alike run for run: kind, characters, whether the run carries properties and
// whether they are bold, and the start positions and indexes the list keeps.
void ExpectSameParagraphs(const TVYXLogParas& loaded, const TVYXLogParas& typed)
{
    ASSERT_EQ(loaded.Count(), typed.Count());
    for (int i = 0; i < loaded.Count(); ++i) {
        const TVYXLogPara& para = *loaded.GetParas(i);
        const TVYXLogPara& reference = *typed.GetParas(i);
        ASSERT_EQ(RunShape(para), RunShape(reference)) << "paragraph " << i;
        std::int32_t pos = 1;
        for (int r = 0; r < para.Count(); ++r) {
            const TVYXCharRun& run = *para.GetItems(r);
            const TVYXCharRun& expected = *reference.GetItems(r);
            EXPECT_EQ(run.CHPX() != nullptr, expected.CHPX() != nullptr) << "paragraph " << i << " run " << r;
            if (run.CHPX() && expected.CHPX()) {
                EXPECT_EQ(run.CHPX()->GetBold(), expected.CHPX()->GetBold()) << "paragraph " << i << " run " << r;
            }
            EXPECT_EQ(run.Parent(), &para.CharRuns());
            EXPECT_EQ(run.StartPos(), pos) << "paragraph " << i << " run " << r;
            EXPECT_EQ(run.Index(), r);
            pos += run.Len();
        }
        EXPECT_TRUE(para.Dirty);
    }
}

// A body ending in a bold paragraph: new paragraphs inherit its properties, and the
// tabs and breaks typed after its text take the properties of the run before them.
void StartBold(TVYXBodyTestDoc& doc)
{
    doc.Body.Clear();
    doc.Body.AppendPara(u"bold heading")->CRFirst()->AddCHPX()->SetBold(true);
}
}  // namespace

// Real text files and generated lines (tabs, breaks, NULs, blank lines, every line end,
// multi-byte characters), appended after formatted text: what the loader builds equals
// what typing the same characters builds, run properties and start positions included.
TEST(PlainText, LoadedParagraphsEqualTypedOnes)
{
    std::vector<std::string> texts;
    const std::filesystem::path corpus = std::filesystem::path(VYX_SHARED_DIR) / "corpus";
    for (const char* folder : {"html", "rtf"})
        if (std::filesystem::is_directory(corpus / folder))
            for (const auto& entry : std::filesystem::directory_iterator(corpus / folder))
                texts.push_back(VYXReadFile(entry.path().string()));
    static const char* const pieces[] = {"words ", "\t", "\f", "\v", "caf\xC3\xA9 ", "\xE2\x82\xAC", "\n",
                                         "\r\n", "\r", "\n\n", "a longer stretch of plain text ", "\xF0\x9F\x98\x80"};
    std::mt19937 random(19);
    for (int n = 0; n < 200; ++n) {
        std::string bytes;
        for (std::size_t i = random() % 40; i > 0; --i)
            bytes += random() % 30 == 0 ? std::string(1, '\0') : std::string(pieces[random() % std::size(pieces)]);
        texts.push_back(bytes);
    }
    for (const std::string& bytes : texts) {
        SCOPED_TRACE(testing::PrintToString(bytes.substr(0, 80)));
        TVYXBodyTestDoc loaded, typed;
        StartBold(loaded);
        StartBold(typed);
        TVYXImportText import(loaded.Body);
        import.LoadFromBytes(bytes, loaded.Body, true);
        TypeLines(typed.Body, VYXDecodeTextFile(bytes, 1252));
        ExpectSameParagraphs(loaded.Body, typed.Body);
    }
}

// A load tells the document it changed, and every paragraph it adds is announced to the
// list's handler (layout and the document's saved state hang on that).
TEST(PlainText, LoadAnnouncesEveryNewParagraph)
{
    TVYXBodyTestDoc doc;
    doc.Doc.SetDirty(false);
    std::vector<const TVYXLogPara*> announced;
    auto documentHandler = doc.Body.DirtyParaEvent;
    doc.Body.DirtyParaEvent = [&](TVYXLogPara& para) {
        if (announced.empty() || announced.back() != &para)
            announced.push_back(&para);
        documentHandler(para);
    };
    TVYXImportText import(doc.Body);
    import.LoadFromBytes("first\tline\n\tsecond\fpage\n\nlast line", doc.Body, false);
    EXPECT_TRUE(doc.Doc.Dirty());
    ASSERT_EQ(doc.Body.Count(), 4);
    for (int i = 0; i < doc.Body.Count(); ++i)
        EXPECT_NE(std::find(announced.begin(), announced.end(), doc.Body.GetParas(i)), announced.end()) << i;
}
