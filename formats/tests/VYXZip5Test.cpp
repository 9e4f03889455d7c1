// VYXZip5Test.cpp: the zip archive against hand-built edge cases and real packages.
#include <unistd.h>
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/VYXZip5.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace {

std::string Deflate(const std::string& data)
{
    z_stream z{};
    deflateInit2(&z, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, data.size()), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

void U16(std::string& s, unsigned v)
{
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void U32(std::string& s, unsigned v)
{
    U16(s, v & 0xFFFF);
    U16(s, v >> 16);
}
void U64(std::string& s, unsigned long long v)
{
    U32(s, static_cast<unsigned>(v & 0xFFFFFFFF));
    U32(s, static_cast<unsigned>(v >> 32));
}

// Builds archives by hand, with the oddities other writers produce.
struct TZipBuilder {
    struct TEntry {
        std::string Name, Data;
        bool Deflated = true;
        bool Descriptor = false;  // sizes and CRC after the data
        bool Zip64 = false;       // sizes and offset in a ZIP64 extra field
        unsigned Method = 99;     // 99: from Deflated
        long long DeclaredSize = -1;
    };
    std::vector<TEntry> Entries;
    std::string Comment;
    bool Zip64End = false;

    TZipBuilder(std::vector<TEntry> entries = {}, std::string comment = {}, bool zip64End = false)
        : Entries(std::move(entries)), Comment(std::move(comment)), Zip64End(zip64End)
    {
    }

    std::string Build() const
    {
        std::string out, dir;
        for (const auto& e : Entries) {
            const unsigned crc = static_cast<unsigned>(crc32(0, reinterpret_cast<const Bytef*>(e.Data.data()),
                                                             static_cast<uInt>(e.Data.size())));
            const std::string body = e.Deflated ? Deflate(e.Data) : e.Data;
            const unsigned method = e.Method != 99 ? e.Method : (e.Deflated ? 8 : 0);
            const unsigned long long usize = e.DeclaredSize >= 0 ? static_cast<unsigned long long>(e.DeclaredSize)
                                                                 : e.Data.size();
            const unsigned offset = static_cast<unsigned>(out.size());
            std::string extra;
            if (e.Zip64) {
                U16(extra, 1);
                U16(extra, 24);
                U64(extra, usize);
                U64(extra, body.size());
                U64(extra, offset);
            }
            U32(out, 0x04034B50);
            U16(out, e.Zip64 ? 45 : 20);
            U16(out, e.Descriptor ? 8 : 0);
            U16(out, method);
            U16(out, 0);
            U16(out, 0x21);
            U32(out, e.Descriptor ? 0 : crc);
            U32(out, e.Descriptor ? 0 : (e.Zip64 ? 0xFFFFFFFF : static_cast<unsigned>(body.size())));
            U32(out, e.Descriptor ? 0 : (e.Zip64 ? 0xFFFFFFFF : static_cast<unsigned>(usize)));
            U16(out, static_cast<unsigned>(e.Name.size()));
            U16(out, static_cast<unsigned>(extra.size()));
            out += e.Name + extra + body;
            if (e.Descriptor) {
                U32(out, 0x08074B50);
                U32(out, crc);
                U32(out, static_cast<unsigned>(body.size()));
                U32(out, static_cast<unsigned>(usize));
            }
            U32(dir, 0x02014B50);
            U16(dir, 20);
            U16(dir, e.Zip64 ? 45 : 20);
            U16(dir, e.Descriptor ? 8 : 0);
            U16(dir, method);
            U16(dir, 0);
            U16(dir, 0x21);
            U32(dir, crc);
            U32(dir, e.Zip64 ? 0xFFFFFFFF : static_cast<unsigned>(body.size()));
            U32(dir, e.Zip64 ? 0xFFFFFFFF : static_cast<unsigned>(usize));
            U16(dir, static_cast<unsigned>(e.Name.size()));
            U16(dir, static_cast<unsigned>(extra.size()));
            U16(dir, 0);
            U16(dir, 0);
            U16(dir, 0);
            U32(dir, 0);
            U32(dir, e.Zip64 ? 0xFFFFFFFF : offset);
            dir += e.Name + extra;
        }
        const unsigned dirOffset = static_cast<unsigned>(out.size());
        out += dir;
        if (Zip64End) {
            const unsigned end64 = static_cast<unsigned>(out.size());
            U32(out, 0x06064B50);
            U64(out, 44);
            U16(out, 45);
            U16(out, 45);
            U32(out, 0);
            U32(out, 0);
            U64(out, Entries.size());
            U64(out, Entries.size());
            U64(out, dir.size());
            U64(out, dirOffset);
            U32(out, 0x07064B50);
            U32(out, 0);
            U64(out, end64);
            U32(out, 1);
        }
        U32(out, 0x06054B50);
        U16(out, 0);
        U16(out, 0);
        U16(out, Zip64End ? 0xFFFF : static_cast<unsigned>(Entries.size()));
        U16(out, Zip64End ? 0xFFFF : static_cast<unsigned>(Entries.size()));
        U32(out, Zip64End ? 0xFFFFFFFF : static_cast<unsigned>(dir.size()));
        U32(out, Zip64End ? 0xFFFFFFFF : dirOffset);
        U16(out, static_cast<unsigned>(Comment.size()));
        out += Comment;
        return out;
    }
};

// Opens the bytes and returns "name=content;" for every entry, or "error: <message>".
std::string ReadAll(const std::string& zip, std::uint64_t maxEntry = TXLSZipArchive::cDefaultMaxEntrySize)
{
    auto stream = TVYXMemoryStream::View(zip);
    TXLSZipArchive a;
    a.MaxEntrySize = maxEntry;
    std::string out;
    try {
        a.OpenRead(stream);
        for (int i = 0; i < a.Count(); ++i)
        {
            out += a.Items(i).Name + "=";
            out += a.ReadFileBytes(a.Items(i)) + ";";
        }
    } catch (const VYXException& e) {
        out += std::string("error: ") + e.what();
    }
    return out;
}

}  // namespace

TEST(Zip, HandBuiltArchives)
{
    const std::string big(3000, 'a');
    struct TCase {
        const char* What;
        TZipBuilder Zip;
        std::string Expected;
    };
    std::vector<TCase> cases;
    cases.push_back({"empty archive", {}, ""});
    cases.push_back({"stored", {{{"a.txt", "hello", false}}}, "a.txt=hello;"});
    cases.push_back({"deflated", {{{"d/b.xml", big}}}, "d/b.xml=" + big + ";"});
    cases.push_back({"data descriptors",
                     {{{"x", "one", true, true}, {"y", "two", false, true}}},
                     "x=one;y=two;"});
    cases.push_back({"zip64 fields", {{{"z", big, true, false, true}}, "", true}, "z=" + big + ";"});
    {
        TZipBuilder z{{{"c", "commented"}}};
        z.Comment = std::string(65535, 'C');
        cases.push_back({"longest comment", z, "c=commented;"});
    }
    cases.push_back({"unknown method", {{{"m", "x", false, false, false, 12}}},
                     "m=error: Unsupported compression method"});
    cases.push_back({"lying size", {{{"s", big, true, false, false, 99, 10}}}, "s=error: Corrupt ZIP entry \"s\""});
    cases.push_back({"climbing name", {{{"../evil", "x", false}}}, "../evil=error: Unsafe file name \"../evil\" in ZIP"});
    cases.push_back({"absolute name", {{{"/etc/x", "x", false}}}, "/etc/x=error: Unsafe file name \"/etc/x\" in ZIP"});
    cases.push_back({"duplicate", {{{"a", "1", false}, {"a", "2", false}}}, "error: Duplicate filename in Zip"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        EXPECT_EQ(ReadAll(c.Zip.Build()), c.Expected);
    }
}

TEST(Zip, NotAZip)
{
    for (const std::string& bad : {std::string(), std::string("PK"), std::string(100, 'x')}) {
        SCOPED_TRACE(bad.size());
        EXPECT_EQ(ReadAll(bad), "error: File is not a valid ZIP file");
    }
}

TEST(Zip, ZipBombIsCapped)
{
    const std::string zeros(4 << 20, '\0');
    const std::string zip = TZipBuilder{{{"bomb", zeros}}}.Build();
    EXPECT_EQ(ReadAll(zip, 1 << 20), "bomb=error: ZIP entry \"bomb\" inflates beyond the limit of 1048576 bytes");
    EXPECT_EQ(ReadAll(zip).size(), zeros.size() + 6);
    // Without a central directory the sizes come from the descriptor after
    // the data: listing inflates nothing, reading refuses the entry.
    TZipBuilder walk{{{"bomb", zeros, true, true}}};
    std::string cut = walk.Build();
    cut.resize(cut.size() - 22 - 4 - 46);
    EXPECT_EQ(ReadAll(cut, 1 << 20), "bomb=error: ZIP entry \"bomb\" inflates beyond the limit of 1048576 bytes");
    // Without a descriptor signature the data is inflated to find its end,
    // into a buffer that is reused: the cap holds there too.
    const std::size_t sig = cut.rfind(std::string("PK\x07\x08", 4));
    ASSERT_NE(sig, std::string::npos);
    cut.erase(sig, 4);
    EXPECT_EQ(ReadAll(cut, 1 << 20), "error: ZIP entry \"bomb\" inflates beyond the limit of 1048576 bytes");
}

TEST(Zip, CorruptDataIsReported)
{
    std::string zip = TZipBuilder{{{"a", std::string(500, 'q') + "tail"}}}.Build();
    zip[40] ^= 0x55;  // inside the deflated data
    const std::string r = ReadAll(zip);
    EXPECT_TRUE(r.find("error: ") != std::string::npos) << r;
}

TEST(Zip, EveryTruncationFailsCleanlyOrRecovers)
{
    const std::string zip =
        TZipBuilder{{{"[Content_Types].xml", "<Types/>"}, {"word/document.xml", std::string(300, 'w'), true, true}}}
            .Build();
    const std::string first = "[Content_Types].xml=<Types/>;";
    const std::string whole = first + "word/document.xml=" + std::string(300, 'w') + ";";
    ASSERT_EQ(ReadAll(zip), whole);
    auto isError = [](std::string_view r) { return r.rfind("error: ", 0) == 0; };
    int recovered = 0;
    for (std::size_t n = 0; n < zip.size(); ++n) {
        SCOPED_TRACE(n);
        const std::string r = ReadAll(zip.substr(0, n));
        // An error at once, or the entries before the cut read back intact and
        // the one it damages reports an error: never an entry with wrong bytes.
        if (isError(r))
            continue;
        ++recovered;
        ASSERT_EQ(r.rfind(first, 0), 0u) << r;
        const std::string_view rest = std::string_view(r).substr(first.size());
        const std::string_view second = "word/document.xml=";
        EXPECT_TRUE(rest.empty() || isError(rest) ||
                    (rest.rfind(second, 0) == 0 && isError(rest.substr(second.size()))) || r == whole)
            << r;
    }
    EXPECT_GT(recovered, 0);  // cuts after the first entry's data keep it
}

TEST(Zip, WriteReadRoundTrip)
{
    TVYXMemoryStream out;
    TXLSZipArchive w;
    w.OpenWrite(out);
    w.AddFolderChain("word/media/image1.png");
    w.AddBytes("word/document.xml", std::string(5000, 'd'));
    w.AddBytes("word/media/image1.png", "\x89PNG not compressible", xzcFast);
    w.AddBytes("empty", "");
    w.AddBytes("\xC3\xA9t\xC3\xA9.txt", "utf-8 name");
    EXPECT_THROW(w.AddBytes("empty", "again"), VYXException);
    EXPECT_THROW(w.AddBytes("../x", "x"), VYXException);
    w.Close();
    const std::string zip(out.Bytes());
    EXPECT_EQ(ReadAll(zip), "word/=;word/media/=;word/document.xml=" + std::string(5000, 'd') +
                                ";word/media/image1.png=\x89PNG not compressible;empty=;\xC3\xA9t\xC3\xA9.txt=utf-8 name;");
    auto in = TVYXMemoryStream::View(zip);
    TXLSZipArchive r;
    r.OpenRead(in);
    EXPECT_EQ(r.Find("WORD/DOCUMENT.XML"), r.Find("word/document.xml"));
    EXPECT_EQ(r.Find("word/document.xml")->Record.Method, 8);
    EXPECT_EQ(r.Find("empty")->Record.Method, 0);
    EXPECT_EQ(r.Find("missing"), nullptr);

    // Other tools agree.
    const auto path = std::filesystem::temp_directory_path() / (std::string("vyx_zip_roundtrip-") + std::to_string(::getpid()) + ".zip");
    VYXWriteFile(path.string(), zip);
    const std::string cmd = "unzip -tq " + path.string() + " >/dev/null 2>&1";
    if (std::system("unzip -v >/dev/null 2>&1") == 0) {
        EXPECT_EQ(std::system(cmd.c_str()), 0);
    }
    std::filesystem::remove(path);
}

// All reads of one archive share a budget; the message names it.
TEST(Zip, TotalInflationHasABudget)
{
    const std::string mib(1 << 20, 'z');
    const std::string zip = TZipBuilder{{{"a", mib}, {"b", mib}, {"c", mib}}}.Build();
    auto stream = TVYXMemoryStream::View(zip);
    TXLSZipArchive a;
    a.MaxTotalSize = (5u << 20) / 2;
    a.OpenRead(stream);
    EXPECT_EQ(a.ReadFileBytes(a.Items(0)).size(), mib.size());
    EXPECT_EQ(a.ReadFileBytes(a.Items(1)).size(), mib.size());
    try {
        a.ReadFileBytes(a.Items(2));
        ADD_FAILURE() << "the third entry went over the budget";
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "ZIP entries inflate beyond the budget of 2621440 bytes for one package (reading \"c\")");
    }
    EXPECT_EQ(a.TotalRead(), 2u << 20);
    // Reopening starts a new budget.
    a.OpenRead(stream);
    EXPECT_EQ(a.ReadFileBytes(a.Items(2)).size(), mib.size());
}

// Walking local headers finds each entry's end from its descriptor and keeps
// no data; an end record that claims no entries is damage, not an empty zip.
TEST(Zip, RecoveryListsWithoutInflating)
{
    const std::string mib(1 << 20, 'q');
    std::string cut = TZipBuilder{{{"x", mib, true, true}, {"y", "two", false, true}}}.Build();
    cut.resize(cut.size() - 22 - 2 * 46 - 2);
    auto stream = TVYXMemoryStream::View(cut);
    TXLSZipArchive a;
    a.OpenRead(stream);
    EXPECT_TRUE(a.Recovered());
    ASSERT_EQ(a.Count(), 2);
    EXPECT_EQ(a.Items(0).UncompressedSize, mib.size());
    EXPECT_EQ(a.TotalRead(), 0u);
    EXPECT_EQ(a.ReadFileBytes(a.Items(1)), "two");

    std::string zero = TZipBuilder{{{"a.txt", "hello", false}}}.Build();
    const std::size_t end = zero.size() - 22;
    zero[end + 8] = zero[end + 9] = zero[end + 10] = zero[end + 11] = 0;  // no entries on disk, none in total
    EXPECT_EQ(ReadAll(zero), "a.txt=hello;");
    auto zeroStream = TVYXMemoryStream::View(zero);
    a.OpenRead(zeroStream);
    EXPECT_TRUE(a.Recovered());
    EXPECT_EQ(ReadAll(TZipBuilder{}.Build()), "");  // a truly empty archive stays empty
}

// Streamed entries get their sizes and CRC patched into the local header,
// so they read back (here and in other tools) like entries written whole.
TEST(Zip, StreamedEntriesReadBack)
{
    std::string big;
    for (long long i = 0; i < 300000; ++i)
        big += std::to_string(i * 7919 % 1000003);
    TVYXMemoryStream out;
    TXLSZipArchive w;
    w.OpenWrite(out);
    for (const auto compression : {xzcStore, xzcFast, xzcDefault}) {
        w.BeginEntry("e" + std::to_string(compression), compression);
        for (std::size_t at = 0; at < big.size(); at += 100000)
            w.WriteEntryData(std::string_view(big).substr(at, 100000));
        w.EndEntry();
    }
    w.BeginEntry("empty");
    w.EndEntry();
    EXPECT_THROW(w.AddBytes("e0", "again"), VYXException);
    w.Close();
    const std::string zip(out.Bytes());
    EXPECT_EQ(ReadAll(zip), "e0=" + big + ";e1=" + big + ";e2=" + big + ";empty=;");
    // Copying entry by entry between archives keeps every byte.
    auto in = TVYXMemoryStream::View(zip);
    TXLSZipArchive r;
    r.OpenRead(in);
    TVYXMemoryStream copy;
    TXLSZipArchive c;
    c.OpenWrite(copy);
    c.CopyEntry(r, r.Items(2), "copied", xzcFast);
    c.Close();
    EXPECT_EQ(ReadAll(std::string(copy.Bytes())), "copied=" + big + ";");
}
