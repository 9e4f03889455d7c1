// VYXCompoundFileTest.cpp: compound files from other programs, our writer's round trips,
// the mini-stream and DIFAT boundaries, and damaged structures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/VYXCompoundFile.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {

namespace fs = std::filesystem;

std::uint32_t GetU32(const std::string& s, std::size_t at)
{
    std::uint32_t v = 0;
    std::memcpy(&v, s.data() + at, 4);
    return v;
}

void PutU32(std::string& s, std::size_t at, std::uint32_t v)
{
    std::memcpy(s.data() + at, &v, 4);
}

// Every stream of the file by its path ("Storage/Stream"), in tree order.
std::vector<std::pair<std::string, std::string>> AllStreams(const TVYXCompoundFile& cf)
{
    std::vector<std::pair<std::string, std::string>> out;
    std::vector<std::pair<int, std::string>> todo{{0, ""}};
    while (!todo.empty()) {
        auto [storage, prefix] = todo.back();
        todo.pop_back();
        for (int c : cf.Entry(storage).Children) {
            const std::string path = prefix + U8(cf.Entry(c).Name);
            if (cf.Entry(c).IsStorage())
                todo.emplace_back(c, path + "/");
            else
                out.emplace_back(path, cf.ReadStream(c));
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

// Copies the tree of `cf` into a writer of the given version.
std::string Rewrite(const TVYXCompoundFile& cf, int version)
{
    TVYXCompoundFileWriter w(version);
    std::vector<std::pair<int, int>> todo{{0, TVYXCompoundFileWriter::cRoot}};
    while (!todo.empty()) {
        auto [from, to] = todo.back();
        todo.pop_back();
        for (int c : cf.Entry(from).Children) {
            const TVYXCfbEntry& e = cf.Entry(c);
            if (e.IsStorage()) {
                const int s = w.AddStorage(to, e.Name);
                w.SetClsid(s, e.Clsid);
                todo.emplace_back(c, s);
            } else {
                w.AddStream(to, e.Name, cf.ReadStream(c));
            }
        }
    }
    return w.Save();
}

std::vector<fs::path> CorpusCompoundFiles()
{
    std::vector<fs::path> files;
    const fs::path corpus = fs::path(VYX_SHARED_DIR) / "corpus";
    for (const char* folder : {"doc", "docx-encrypted", "malformed"}) {
        std::error_code ec;
        for (const auto& item : fs::directory_iterator(corpus / folder, ec)) {
            const std::string head = VYXReadFile(item.path().string()).substr(0, 8);
            if (TVYXCompoundFile::HasSignature(head))
                files.push_back(item.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string SampleFile(int version)
{
    TVYXCompoundFileWriter w(version);
    w.AddStream(w.cRoot, u"Small", std::string(100, 'a'));
    const int s = w.AddStorage(w.cRoot, u"Folder");
    w.AddStream(s, u"Big", std::string(9000, 'b'));
    w.AddStream(s, u"Tiny", "xyz");
    return w.Save();
}

TEST(CompoundFile, CorpusFilesReadAndRoundTripInBothVersions)
{
    const std::vector<fs::path> files = CorpusCompoundFiles();
    if (files.empty())
        GTEST_SKIP() << "shared corpus not found";
    int read = 0;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        std::unique_ptr<TVYXCompoundFile> cf;
        try {
            cf = TVYXCompoundFile::OpenFile(file.string());
        } catch (const VYXException& e) {
            // Only the deliberately damaged files may be refused.
            EXPECT_NE(file.string().find("malformed"), std::string::npos) << e.what();
            continue;
        }
        std::vector<std::pair<std::string, std::string>> streams;
        try {
            streams = AllStreams(*cf);
        } catch (const VYXException& e) {
            EXPECT_NE(file.string().find("malformed"), std::string::npos) << e.what();
            continue;
        }
        ++read;
        for (int version : {3, 4}) {
            std::string bytes;
            try {
                bytes = Rewrite(*cf, version);
            } catch (const VYXException& e) {
                // Names the writer refuses (empty ones) occur only in the damaged files.
                EXPECT_NE(file.string().find("malformed"), std::string::npos) << e.what();
                break;
            }
            EXPECT_EQ(bytes, Rewrite(*cf, version)) << "writing is deterministic";
            TVYXCompoundFile again(bytes);
            EXPECT_EQ(again.MajorVersion(), version);
            EXPECT_EQ(AllStreams(again), streams);
        }
    }
    EXPECT_GT(read, 40);
}

TEST(CompoundFile, CorpusNamesAreFoundWhateverTheirCase)
{
    const fs::path lower = fs::path(VYX_SHARED_DIR) / "corpus/doc/tika-simple_lower_case.doc";
    const fs::path upper = fs::path(VYX_SHARED_DIR) / "corpus/docx-encrypted/tika-protected_upper_case.docx";
    if (!fs::exists(lower) || !fs::exists(upper))
        GTEST_SKIP() << "shared corpus not found";
    auto doc = TVYXCompoundFile::OpenFile(lower.string());
    std::string main;
    ASSERT_TRUE(doc->ReadStream(u"WordDocument", main));
    ASSERT_GE(main.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(main[0]), 0xEC);  // the word-processing file magic
    EXPECT_EQ(static_cast<unsigned char>(main[1]), 0xA5);
    auto enc = TVYXCompoundFile::OpenFile(upper.string());
    EXPECT_GE(enc->FindPath(u"EncryptionInfo"), 0);
    EXPECT_GE(enc->FindPath(u"encryptedpackage"), 0);
}

TEST(CompoundFile, MiniStreamBoundaryAt4096Bytes)
{
    for (int version : {3, 4}) {
        for (std::size_t size : {0u, 1u, 63u, 64u, 65u, 4095u, 4096u, 4097u, 70000u}) {
            SCOPED_TRACE(testing::Message() << "v" << version << " size " << size);
            std::string data(size, '\0');
            for (std::size_t i = 0; i < size; ++i)
                data[i] = static_cast<char>(i * 7 + i / 251);
            TVYXCompoundFileWriter w(version);
            w.AddStream(w.cRoot, u"S", data);
            TVYXCompoundFile cf(w.Save());
            EXPECT_EQ(cf.SectorSize(), version == 4 ? 4096u : 512u);
            const int s = cf.Find(0, u"S");
            ASSERT_GE(s, 0);
            EXPECT_EQ(cf.ReadStream(s), data);
            // Below the cutoff a stream lives in the root's mini stream, from it on in sectors.
            const std::uint64_t mini = size > 0 && size < 4096 ? (size + 63) / 64 * 64 : 0;
            EXPECT_EQ(cf.Entry(0).Size, mini);
        }
    }
}

TEST(CompoundFile, DifatBeyondTheHeader)
{
    // 109 FAT sectors of 128 entries cover 13,952 sectors of 512 bytes; this needs more.
    std::string big(8 << 20, '\0');
    for (std::size_t i = 0; i < big.size(); i += 509)
        big[i] = static_cast<char>(i >> 9);
    TVYXCompoundFileWriter w(3);
    w.AddStream(w.cRoot, u"Before", "small");
    w.AddStream(w.cRoot, u"Big", big);
    const std::string bytes = w.Save();
    EXPECT_GT(GetU32(bytes, 72), 0u) << "DIFAT sectors";
    EXPECT_GT(GetU32(bytes, 44), 109u) << "FAT sectors";
    TVYXCompoundFile cf(bytes);
    EXPECT_EQ(cf.ReadStream(cf.Find(0, u"Big")), big);
    EXPECT_EQ(cf.ReadStream(cf.Find(0, u"Before")), "small");
}

TEST(CompoundFile, NamesTreeAndOrder)
{
    TVYXCompoundFileWriter w(3);
    std::vector<std::u16string> names;
    for (int i = 0; i < 100; ++i)
        names.push_back(U16("n" + std::to_string((i * 37) % 100)));
    names.push_back(u"\u00e9t\u00e9");  // upper-cased as ÉTÉ by the format's comparison
    for (const auto& name : names)
        w.AddStream(w.cRoot, name, U8(name));
    const int sub = w.AddStorage(w.cRoot, u"Sub");
    w.AddStream(w.AddStorage(sub, u"Deeper"), u"Leaf", "leaf");
    EXPECT_THROW(w.AddStream(w.cRoot, u"N5", ""), VYXException);  // same name, other case
    EXPECT_THROW(w.AddStream(w.cRoot, u"\u00c9T\u00c9", ""), VYXException);
    EXPECT_THROW(w.AddStream(w.cRoot, u"a/b", ""), VYXException);
    EXPECT_THROW(w.AddStream(w.cRoot, std::u16string(32, u'x'), ""), VYXException);
    EXPECT_THROW(w.AddStream(w.cRoot, u"", ""), VYXException);

    TVYXCompoundFile cf(w.Save());
    for (const auto& name : names)
        EXPECT_EQ(cf.ReadStream(cf.Find(0, UnicodeUpper(name))), U8(name));
    std::string leaf;
    EXPECT_TRUE(cf.ReadStream(u"sub/DEEPER/leaf", leaf));
    EXPECT_EQ(leaf, "leaf");
    EXPECT_FALSE(cf.ReadStream(u"Sub/Deeper", leaf)) << "a storage is not a stream";
    EXPECT_EQ(cf.FindPath(u"Sub/Nothing"), -1);
    // Children come out in the format's order: shorter first, then upper-cased units.
    const std::vector<int>& kids = cf.Entry(0).Children;
    ASSERT_EQ(kids.size(), names.size() + 1);
    for (std::size_t i = 1; i < kids.size(); ++i)
        EXPECT_LT(VYXCfbCompareNames(cf.Entry(kids[i - 1]).Name, cf.Entry(kids[i]).Name), 0);
}

// Runs `read` and expects a VYXException whose message contains `message`.
template <typename F>
void ExpectDamage(F read, const std::string& message)
{
    try {
        read();
        ADD_FAILURE() << "no error, expected: " << message;
    } catch (const VYXException& e) {
        EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
}

TEST(CompoundFile, DamagedStructuresGiveClearErrors)
{
    const std::string good = SampleFile(3);
    const std::size_t fatAt = 512 + 512 * static_cast<std::size_t>(GetU32(good, 76));
    const std::size_t dirAt = 512 + 512 * static_cast<std::size_t>(GetU32(good, 48));
    auto readAll = [](const std::string& bytes) {
        return [bytes] {
            TVYXCompoundFile cf(bytes);
            (void)AllStreams(cf);
        };
    };
    struct TCase {
        const char* Name;
        void (*Patch)(std::string&, std::size_t fatAt, std::size_t dirAt);
        const char* Message;
    };
    const TCase cases[] = {
        {"bad signature", [](std::string& s, std::size_t, std::size_t) { s[0] = 'X'; }, "Not a compound file"},
        {"version 5", [](std::string& s, std::size_t, std::size_t) { s[26] = 5; }, "Unsupported compound file version"},
        {"FAT sector count past the end",
         [](std::string& s, std::size_t, std::size_t) { PutU32(s, 44, 1000); }, "truncated"},
        {"FAT sector out of range",
         [](std::string& s, std::size_t, std::size_t) { PutU32(s, 76, 5000); }, "out of range"},
        {"directory chain loops",
         [](std::string& s, std::size_t fat, std::size_t) { PutU32(s, fat + 4 * GetU32(s, 48), GetU32(s, 48)); },
         "loops"},
        {"directory link out of range",
         [](std::string& s, std::size_t, std::size_t dir) { PutU32(s, dir + 76, 77); }, "directory is damaged"},
        {"directory cycle: a child links back to its own subtree",
         [](std::string& s, std::size_t, std::size_t dir) {
             const std::uint32_t top = GetU32(s, dir + 76);
             PutU32(s, dir + 128 * top + 68, top);
         },
         "cycle"},
        {"storage whose child is the root",
         [](std::string& s, std::size_t, std::size_t dir) { PutU32(s, dir + 128 * 2 + 76, 0); }, "cycle"},
        {"stream size larger than the file",
         [](std::string& s, std::size_t, std::size_t dir) { PutU32(s, dir + 128 * 3 + 120, 50000000); },
         "larger than its sectors"},
        {"stream sector out of range",
         [](std::string& s, std::size_t, std::size_t dir) { PutU32(s, dir + 128 * 3 + 116, 999999); },
         "out of range"},
        {"stream chain loops",
         [](std::string& s, std::size_t fat, std::size_t dir) {
             const std::uint32_t first = GetU32(s, dir + 128 * 3 + 116);
             PutU32(s, fat + 4 * (first + 3), first);
         },
         "loops"},
        {"mini stream larger than its sectors",
         [](std::string& s, std::size_t, std::size_t dir) { PutU32(s, dir + 120, 1 << 30); },
         "larger than its sectors"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::string bad = good;
        c.Patch(bad, fatAt, dirAt);
        ExpectDamage(readAll(bad), c.Message);
    }
}

TEST(CompoundFile, EveryTruncationFailsCleanlyOrReadsWhatIsThere)
{
    for (int version : {3, 4}) {
        const std::string full = SampleFile(version);
        const auto expected = AllStreams(TVYXCompoundFile(full));
        const std::size_t step = version == 4 ? 61 : 7;
        for (std::size_t n = 0; n < full.size(); n += step) {
            SCOPED_TRACE(n);
            try {
                TVYXCompoundFile cf(full.substr(0, n));
                const auto streams = AllStreams(cf);
                // What reads without an error was read from sectors still in the file.
                EXPECT_EQ(streams.size(), expected.size());
            } catch (const VYXException&) {
            }
        }
    }
}

}  // namespace
