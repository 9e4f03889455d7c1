// VYXEditorFilesTest.cpp: loading and saving through the facade with real files of the shared corpus.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "device/VYXGDILinux.h"
#include "editing/VYXEditor.h"
#include "editing/VYXEditorFiles.h"
#include "editing/VYXFileFormats.h"
#include "editing/VYXLogEditor.h"
#include "layout/VYXPaginate.h"
#include "model/VYXStyles.h"
#include "model/VYXUtils.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace fs = std::filesystem;

namespace {
struct THost {
    TVYXErrorManager Errors;
    TVYXGDILinux GDI{96};
    TVYXSysOptions Options;
    std::unique_ptr<TVYXEditor> Editor;
    THost()
    {
        GDI.SetSize(900, 700);
        Editor = std::make_unique<TVYXEditor>(&Errors, GDI, Options, TVYXArea(0, 0, 899, 699), nullptr,
                                              [] { return TVYXPaperMm{210, 297}; });
        VYXAttachFormats(*Editor);
    }
    TVYXEditor& E() { return *Editor; }
    std::string Text() { return Utf16ToUtf8(E().MainDoc().GetPlainText()); }
};

fs::path Corpus(const std::string& rel) { return fs::path(VYX_SHARED_DIR) / "corpus" / rel; }

fs::path TempDir()
{
    fs::path dir = fs::temp_directory_path() / ("vyx-files-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

// The message of the VYXException `action` raises; "" when it raises none.
std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const VYXException& e) {
        return e.what();
    }
    return {};
}

std::string ReadBytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}  // namespace

#define REQUIRE_CORPUS(rel)                                          \
    if (!fs::exists(Corpus(rel)))                                    \
        GTEST_SKIP() << "no shared corpus file " << Corpus(rel);

TEST(EditorFiles, FileTypeFromMagicReadsTheFirstBytesOnly)
{
    struct TCase {
        std::string Bytes;
        TXLSKnownFiletype Type;
    } const cases[] = {
        {std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8), xkftCompound},
        {std::string("\xD0\xCF\x11\xE0", 4), xkftUnknown},  // too short for the signature
        {"PK\x03\x04", xkftZIP},
        {"PK\x05\x06", xkftUnknown},                         // an empty zip is not a package
        {"{\\rtf1\\ansi", xkftRTF},
        {"{\\rt", xkftRTF},
        {"{\\r", xkftUnknown},
        {"", xkftUnknown},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Bytes);
        TVYXMemoryStream s(c.Bytes);
        s.Seek(0, vysoBeginning);
        EXPECT_EQ(FileTypeFromMagic(s), c.Type);
        EXPECT_EQ(s.Position(), 0);
    }
}

TEST(EditorFiles, ExtensionsChooseTheReaderAfterUpperCasing)
{
    REQUIRE_CORPUS("rtf/pandoc-accent.rtf");
    const fs::path dir = TempDir();
    THost host;
    // Rtf, rtf and RTF alike.
    for (const char* name : {"a.rtf", "b.Rtf", "c.RTF"}) {
        SCOPED_TRACE(name);
        fs::copy_file(Corpus("rtf/pandoc-accent.rtf"), dir / name, fs::copy_options::overwrite_existing);
        host.E().LoadFromFile((dir / name).string());
        EXPECT_FALSE(host.Text().empty());
        EXPECT_EQ(host.E().GetFilename(), (dir / name).string());
    }
    // A .docm is a package like .docx.
    REQUIRE_CORPUS("docx-encrypted/msoffcrypto-example.docx");
    fs::copy_file(Corpus("docx-encrypted/msoffcrypto-example.docx"), dir / "m.docm",
                  fs::copy_options::overwrite_existing);
    host.E().LoadFromFile((dir / "m.docm").string());
    EXPECT_FALSE(host.Text().empty());
}

TEST(EditorFiles, RefusalsGiveTheFixedTextsAndLeaveTheDocumentAlone)
{
    THost host;
    host.E().KeyPress(u'x');
    const fs::path dir = TempDir();
    EXPECT_EQ(MessageOf([&] { host.E().LoadFromFile(""); }), "Filename is missing");
    EXPECT_EQ(MessageOf([&] { host.E().SaveToFile(""); }), "Filename is missing");
    EXPECT_EQ(MessageOf([&] { host.E().LoadFromFile((dir / "a.xyz").string()); }),
              "Do not know how to read file type \".XYZ\"");
    EXPECT_EQ(MessageOf([&] { host.E().LoadFromFile((dir / "noext").string()); }),
              "Do not know how to read file type \"\"");
    fs::remove(dir / "out.pdx");
    fs::remove(dir / "out");
    EXPECT_EQ(MessageOf([&] { host.E().SaveToFile((dir / "out.pdx").string()); }),
              "Do not know how to write file type \".PDX\"");
    EXPECT_EQ(MessageOf([&] { host.E().SaveToFile((dir / "out").string()); }),
              "Do not know how to write file type \"\"");
    EXPECT_FALSE(fs::exists(dir / "out.pdx"));
    EXPECT_FALSE(fs::exists(dir / "out"));
    // A missing file fails before the document is cleared.
    EXPECT_THROW(host.E().LoadFromFile((dir / "missing.rtf").string()), VYXException);
    EXPECT_EQ(host.Text(), "x");
    host.E().KeyPress(u'y');  // still editable
    EXPECT_EQ(host.Text(), "xy");
}

TEST(EditorFiles, EncryptedDocxNeedsTheRightPassword)
{
    REQUIRE_CORPUS("docx-encrypted/msoffcrypto-example_password.docx");
    const std::string file = Corpus("docx-encrypted/msoffcrypto-example_password.docx").string();
    THost host;
    EXPECT_EQ(MessageOf([&] { host.E().LoadFromFile(file); }), "Missing password");
    host.E().FPassword = "not it";
    EXPECT_EQ(MessageOf([&] { host.E().LoadFromFile(file); }), "Wrong password");
    // The password event answers when no password is set.
    host.E().FPassword.clear();
    int asked = 0;
    host.E().FPasswordEvent = [&](std::u16string& password) {
        ++asked;
        password = u"Password1234_";
        return true;
    };
    host.E().LoadFromFile(file);
    EXPECT_GE(asked, 1);
    const std::string text = host.Text();
    host.E().FPasswordEvent = nullptr;
    // The same text as the plain copy of the package.
    REQUIRE_CORPUS("docx-encrypted/msoffcrypto-example.docx");
    host.E().LoadFromFile(Corpus("docx-encrypted/msoffcrypto-example.docx").string());
    EXPECT_EQ(host.Text(), text);
    EXPECT_FALSE(text.empty());
}

TEST(EditorFiles, EncryptedRoundTripThroughStreams)
{
    THost host;
    for (char16_t c : std::u16string(u"Secret text"))
        host.E().KeyPress(c);
    host.E().FPassword = "pa55";
    TVYXMemoryStream out;
    host.E().SaveToStream(out);
    std::string bytes = out.TakeBytes();
    TVYXMemoryStream in(bytes);
    in.Seek(0, vysoBeginning);
    EXPECT_EQ(FileTypeFromMagic(in), xkftCompound);
    THost other;
    TVYXMemoryStream again(bytes);
    again.Seek(0, vysoBeginning);
    EXPECT_EQ(MessageOf([&] { other.E().LoadFromStream(again); }), "Missing password");
    other.E().FPassword = "pa55";
    TVYXMemoryStream third(bytes);
    third.Seek(0, vysoBeginning);
    other.E().LoadFromStream(third);
    EXPECT_EQ(other.Text(), "Secret text");
}

TEST(EditorFiles, ADocxThatIsReallyRtfStillGoesToThePackageReader)
{
    REQUIRE_CORPUS("rtf/pandoc-accent.rtf");
    const fs::path dir = TempDir();
    fs::copy_file(Corpus("rtf/pandoc-accent.rtf"), dir / "fake.docx", fs::copy_options::overwrite_existing);
    THost host;
    EXPECT_THROW(host.E().LoadFromFile((dir / "fake.docx").string()), VYXException);
    // The document stays valid and editable after the failed read.
    host.E().KeyPress(u'k');
    EXPECT_EQ(host.Text(), "k");
    EXPECT_GE(host.E().Paginator().Pages().Count(), 1);
}

TEST(EditorFiles, EveryLoadStartsFromTheBuiltInStyleSheet)
{
    REQUIRE_CORPUS("rtf/pandoc-list_complex.rtf");
    THost host;
    TVYXStyles& styles = host.E().MainDoc().Styles();
    const int builtIn = styles.Count();
    host.E().LoadFromFile(Corpus("rtf/pandoc-list_complex.rtf").string());
    const fs::path dir = TempDir();
    {
        std::ofstream(dir / "plain.txt") << "just text\n";
    }
    host.E().LoadFromFile((dir / "plain.txt").string());
    EXPECT_EQ(host.E().MainDoc().Styles().Count(), builtIn);
    EXPECT_EQ(host.Text(), "just text");
}

TEST(EditorFiles, TextIsSavedInTheEightBitCodePage)
{
    THost host;
    for (char16_t c : std::u16string(u"Gr\u00FC\u00DFe \u03A9"))
        host.E().KeyPress(c);
    const fs::path file = TempDir() / "out.txt";
    host.E().SaveToFile(file.string());
    // ü and ß have their Windows-1252 bytes; the Greek capital omega has none.
    EXPECT_EQ(ReadBytes(file), std::string("Gr\xFC\xDF" "e ?\r\n"));
    host.E().SaveToFile((TempDir() / "kept.txt").string(), true);
    EXPECT_EQ(host.E().GetFilename(), file.string());
}

TEST(EditorFiles, CorpusRoundTripsKeepTheText)
{
    const char* files[] = {"rtf/pandoc-footnote.rtf", "rtf/pandoc-table_error_codes.rtf",
                           "docx-encrypted/msoffcrypto-example.docx", "rtf/osxcart-p053_columns.rtf"};
    const fs::path dir = TempDir();
    for (const char* rel : files) {
        SCOPED_TRACE(rel);
        if (!fs::exists(Corpus(rel)))
            GTEST_SKIP() << "no shared corpus";
        THost host;
        host.E().LoadFromFile(Corpus(rel).string());
        const std::string text = host.Text();
        EXPECT_GE(host.E().Paginator().Pages().Count(), 1);
        for (const char* ext : {".docx", ".rtf"}) {
            SCOPED_TRACE(ext);
            const fs::path out = dir / (std::string("round") + ext);
            host.E().SaveToFile(out.string(), true);
            THost again;
            again.E().LoadFromFile(out.string());
            EXPECT_EQ(again.Text(), text);
        }
    }
}

TEST(EditorFiles, RtfStreamsAndPastingRtfAtTheCaret)
{
    THost host;
    TVYXMemoryStream rtf(std::string("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 First\\par Second \\b bold\\b0\\par}"));
    rtf.Seek(0, vysoBeginning);
    host.E().LoadFromStreamRTF(rtf);
    EXPECT_EQ(host.Text(), "First\r\nSecond bold");
    host.E().CommandUI(vycMoveEndOfDoc);
    TVYXMemoryStream more(std::string("{\\rtf1\\ansi  and more}"));
    more.Seek(0, vysoBeginning);
    EXPECT_TRUE(host.E().CommandUI(vycInsertRTFStreamAtCaret, static_cast<TVYXStream&>(more)));
    EXPECT_EQ(host.Text(), "First\r\nSecond bold and more");
    host.E().CommandUI(vycControlUndo);
    EXPECT_EQ(host.Text(), "First\r\nSecond bold");
    TVYXMemoryStream saved;
    host.E().SaveToStreamRTF(saved);
    EXPECT_EQ(saved.Bytes().substr(0, 5), "{\\rtf");
}

TEST(EditorFiles, PdfSavedByExtensionAndTheScreenLaidOutAgain)
{
    THost host;
    for (char16_t c : std::u16string(u"Printed text"))
        host.E().KeyPress(c);
    const double width = host.E().Paginator().Pages().GetItems(0).PageWidth;
    const fs::path file = TempDir() / "out.Pdf";
    fs::remove(file);
    host.E().SaveToFile(file.string());
    const std::string bytes = ReadBytes(file);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_NE(bytes.find("%%EOF"), std::string::npos);
    // The export used its own resolution; the screen layout is back at 96 dpi.
    EXPECT_NEAR(host.E().Paginator().Pages().GetItems(0).PageWidth, width, 0.5);
    host.E().KeyPress(u'!');
    EXPECT_EQ(host.Text(), "Printed text!");
    // Encrypted: the standard security handler is in the file.
    const fs::path locked = TempDir() / "locked.pdf";
    fs::remove(locked);
    host.E().SaveToFilePDF(locked.string(), false, "user", "owner", 0x04);
    EXPECT_NE(ReadBytes(locked).find("/Encrypt"), std::string::npos);
}

// The facade and the program read and write through one table: the same file gives
// the same text both ways, for every format the table reads.
TEST(EditorFiles, TheFacadeAndTheFileTableReadEveryFormatAlike)
{
    const char* files[] = {"doc/poi-simple-table.doc", "docx/docx4j-tables.docx", "odt/pandoc-simpleTableWithMultipleHeaderRows.odt",
                           "rtf/pandoc-footnote.rtf"};
    for (const char* rel : files) {
        SCOPED_TRACE(rel);
        REQUIRE_CORPUS(rel);
        THost host;
        host.E().LoadFromFile(Corpus(rel).string());
        TVYXLogDocEditor doc(aldtMain);
        TVYXFileOptions options;
        VYXLoadDocument(Corpus(rel).string(), doc, options);
        EXPECT_EQ(host.Text(), Utf16ToUtf8(doc.GetPlainText()));
        EXPECT_FALSE(host.Text().empty());
    }
}

TEST(EditorFiles, SavesThroughTheTableKeepTheFacadesChoices)
{
    REQUIRE_CORPUS("docx/docxcompose-embedded_and_external_image.docx");
    const fs::path dir = TempDir() / "table";
    fs::remove_all(dir);
    fs::create_directories(dir);
    THost host;
    host.E().LoadFromFile(Corpus("docx/docxcompose-embedded_and_external_image.docx").string());
    // An HTML page from the facade keeps its pictures as files beside it; the
    // program's page carries them inside.
    host.E().SaveToFile((dir / "page.html").string());
    const std::string page = ReadBytes(dir / "page.html");
    EXPECT_EQ(page.find("data:image"), std::string::npos);
    int pictures = 0;
    for (const auto& entry : fs::directory_iterator(dir))
        pictures += entry.path().filename().string().rfind("Pict", 0) == 0 ? 1 : 0;
    EXPECT_GE(pictures, 1);
    const std::string embedded = VYXSaveDocument("x.html", host.E().MainDoc(), TVYXFileOptions());
    EXPECT_NE(embedded.find("data:image"), std::string::npos);
    // Text in the 8-bit code page with CR LF from the facade, UTF-8 from the table's defaults.
    host.E().LoadFromFile(Corpus("rtf/pandoc-footnote.rtf").string());
    host.E().SaveToFile((dir / "t.txt").string());
    EXPECT_NE(ReadBytes(dir / "t.txt").find("\r\n"), std::string::npos);
    // A password set on the facade encrypts its DOCX; the table opens it with the
    // same password or the password event, and refuses it without.
    const std::string text = host.Text();
    host.E().FPassword = "s3cret";
    host.E().SaveToFile((dir / "locked.docx").string());
    TVYXFileOptions none;
    TVYXLogDocEditor refused(aldtMain);
    EXPECT_EQ(MessageOf([&] { VYXLoadDocument((dir / "locked.docx").string(), refused, none); }), "Missing password");
    TVYXFileOptions asked;
    asked.PasswordEvent = [](std::u16string& password) {
        password = u"s3cret";
        return true;
    };
    TVYXLogDocEditor opened(aldtMain);
    VYXLoadDocument((dir / "locked.docx").string(), opened, asked);
    EXPECT_EQ(Utf16ToUtf8(opened.GetPlainText()), text);
    // PDF through the table lays the document out on its own device; the screen is
    // laid out again after.
    host.E().FPassword.clear();
    const int before = host.E().PaginateCount();
    host.E().SaveToFile((dir / "doc.pdf").string());
    EXPECT_EQ(ReadBytes(dir / "doc.pdf").rfind("%PDF", 0), 0u);
    EXPECT_GT(host.E().PaginateCount(), before);
}
