// VYXHostileInputTest.cpp: generated packages and XML that try to make reading slow, deep or big.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "formats/NyqXml.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/VYXZip5.h"
#include "formats/schema/NyqOpcRelationships.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/tests/VYXScalingCheck.h"

namespace {

constexpr const char* cRelsHead =
    "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";

std::string Rel(int id, const std::string& target)
{
    return "<Relationship Id=\"rId" + std::to_string(id) + "\" Type=\"t/part\" Target=\"" + target + "\"/>";
}

// A package whose parts relate in one chain `depth` parts deep: each part
// lives in a folder one level below its parent's ("d/p.xml" relative), so
// paths must be resolved against every ancestor.
std::string ChainPackage(int depth)
{
    TVYXMemoryStream out;
    TXLSZipArchive zip;
    zip.OpenWrite(out);
    zip.AddBytes("[Content_Types].xml", "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                                        "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>");
    zip.AddBytes("_rels/.rels", std::string(cRelsHead) + Rel(1, "p0.xml") + "</Relationships>");
    // Part k is p<k>.xml in the root folder; its relationships point at the next.
    for (int k = 0; k < depth; ++k) {
        const std::string name = "p" + std::to_string(k) + ".xml";
        zip.AddBytes(name, "<p/>", xzcStore);
        if (k + 1 < depth)
            zip.AddBytes("_rels/" + name + ".rels",
                         std::string(cRelsHead) + Rel(1, "./p" + std::to_string(k + 1) + ".xml") + "</Relationships>");
    }
    zip.Close();
    return std::string(out.Bytes());
}

// One relationship part with `count` relationships (and as many parts).
std::string WidePackage(int count)
{
    TVYXMemoryStream out;
    TXLSZipArchive zip;
    zip.OpenWrite(out);
    std::string rels = cRelsHead;
    for (int k = 0; k < count; ++k)
        rels += Rel(k + 1, "w/x" + std::to_string(k) + ".xml");
    rels += "</Relationships>";
    zip.AddBytes("_rels/.rels", rels);
    zip.Close();
    return std::string(out.Bytes());
}

void OpenAndWalk(const std::string& bytes, int expectedItems)
{
    TVYXMemoryStream in(bytes);
    TOPCContainer package;
    package.OpenRead(in);
    int items = 0;
    std::vector<TOPCItem*> all;
    package.Root().FindByType("t/part", all, true);
    for (TOPCItem* item : all) {
        ++items;
        EXPECT_TRUE(package.ItemExists(*item) || item->AbsolutePath().rfind("w/", 0) == 0);
    }
    EXPECT_EQ(items, expectedItems);
    EXPECT_FALSE(package.DebugDump().empty());
}

}  // namespace

// The chain is deeper than any recursion per level would survive (under
// ASan's larger frames too), and paths, dumps and freeing stay linear.
TEST(HostileInput, DeepRelationshipChainNeedsNoStack)
{
    const std::string bytes = ChainPackage(20000);
    TVYXMemoryStream in(bytes);
    TOPCContainer package;
    package.OpenRead(in);
    const TOPCItem* item = &package.Root();
    int depth = 0;
    while (item->Children().Count() > 0) {
        item = &item->Children()[0];
        ++depth;
    }
    EXPECT_EQ(depth, 20000);
    EXPECT_EQ(item->AbsolutePath(), "p19999.xml");
    EXPECT_EQ(package.Root().FindByTarget("/p19999.xml"), item);
    const std::string dump = package.DebugDump();
    EXPECT_NE(dump.find("[20000] rId1 part -> p19999.xml"), std::string::npos);
    EXPECT_LT(dump.size(), 20000u * 120u);  // the indentation does not grow with the depth
}

namespace {

// Opening and walking packages made by `make` costs time in proportion to n.
void ExpectPackagesScaleLinearly(std::string (*make)(int), int n)
{
    std::map<int, std::string> inputs;
    VYXExpectLinear(
        [&](int count) {
            auto& bytes = inputs[count];
            if (bytes.empty())
                bytes = make(count);
            OpenAndWalk(bytes, count);
        },
        n);
}

}  // namespace

TEST(HostileInput, RelationshipChainScalesLinearly) { ExpectPackagesScaleLinearly(ChainPackage, 1500); }

TEST(HostileInput, ManyRelationshipsInOnePartScaleLinearly) { ExpectPackagesScaleLinearly(WidePackage, 5000); }

// Unknown attributes are diagnostics; their list must not compare each new
// one with all before it.
TEST(HostileInput, ManyUnknownAttributesScaleLinearly)
{
    std::map<int, std::string> inputs;
    VYXExpectLinear(
        [&](int n) {
            auto& xml = inputs[n];
            if (xml.empty()) {
                xml = std::string(cRelsHead) + "<Relationship Id=\"a\" Type=\"t\" Target=\"x\"";
                for (int k = 0; k < n; ++k)
                    xml += " u" + std::to_string(k) + "=\"1\"";
                xml += "/></Relationships>";
            }
            TOPCRelationshipsDoc doc;
            doc.LoadFromBuffer(xml);
            EXPECT_EQ(doc.Errors().Count(), n);
        },
        3000);
}

TEST(HostileInput, RepeatedDiagnosticsAreCountedNotKept)
{
    std::string xml = std::string(cRelsHead);
    for (int k = 0; k < 5000; ++k)
        xml += "<Relationship Id=\"a" + std::to_string(k) + "\" Type=\"t\" Target=\"x\" odd=\"1\"/>";
    xml += "</Relationships>";
    TOPCRelationshipsDoc doc;
    doc.LoadFromBuffer(xml);
    EXPECT_EQ(doc.Errors().Count(), 1);
    EXPECT_EQ(doc.Errors().DuplicateCount(), 4999u);
    EXPECT_EQ(doc.Errors().GetDuplicates().size(), TNyqPErrors::cMaxDuplicates);
}

namespace {

// Replaces every occurrence of `from` in the archive bytes (names are not
// covered by the CRC, so this renames entries after writing).
std::string Rename(std::string zip, const std::string& from, const std::string& to)
{
    for (std::size_t at = zip.find(from); at != std::string::npos; at = zip.find(from, at + to.size()))
        zip.replace(at, from.size(), to);
    return zip;
}

}  // namespace

// A content-types part that inflates far beyond what any package needs is
// skipped with a diagnostic; the package is still listed and repacked.
TEST(HostileInput, OversizedMetadataIsSkipped)
{
    TVYXMemoryStream out;
    TXLSZipArchive zip;
    zip.OpenWrite(out);
    zip.AddBytes("[Content_Types].xml", "<Types><!--" + std::string(3 << 20, ' ') + "--></Types>");
    zip.AddBytes("_rels/.rels", std::string(cRelsHead) + Rel(1, "a.xml") + "</Relationships>");
    zip.AddBytes("a.xml", "<a/>");
    zip.Close();
    const std::string bytes(out.Bytes());
    TVYXMemoryStream in(bytes);
    TOPCContainer package;
    package.MaxMetadataSize = 1 << 20;
    package.OpenRead(in);
    ASSERT_EQ(package.Errors().Count(), 1);
    EXPECT_EQ(package.Errors().Items(0),
              "[Content_Types].xml: skipped: ZIP entry \"[Content_Types].xml\" inflates beyond the limit of 1048576 bytes");
    EXPECT_EQ(package.Root().Children().Count(), 1);
    EXPECT_EQ(package.Archive().TotalRead(), 0u + package.Archive().Items(1).UncompressedSize);
}

// Repacking streams every part and reports what it had to leave behind.
TEST(HostileInput, RepackStreamsPartsAndReportsDroppedNames)
{
    TVYXMemoryStream out;
    TXLSZipArchive zip;
    zip.OpenWrite(out);
    zip.AddBytes("[Content_Types].xml", "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>");
    zip.AddBytes("_rels/.rels", std::string(cRelsHead) + Rel(1, "big.bin") + "</Relationships>");
    zip.AddBytes("big.bin", std::string(3 << 20, 'b'));
    zip.AddBytes("aa/evil", "x");
    zip.AddBytes("other.txt", "kept");
    zip.Close();
    const std::string bytes = Rename(std::string(out.Bytes()), "aa/evil", "../evil");
    TVYXMemoryStream in(bytes);
    TOPCContainer package;
    package.OpenRead(in);
    TVYXMemoryStream repacked;
    EXPECT_EQ(OPCRepack(package, repacked), std::vector<std::string>{"../evil"});
    TVYXMemoryStream again(std::string(repacked.Bytes()));
    TOPCContainer copy;
    copy.OpenRead(again);
    ASSERT_GE(copy.Archive().Count(), 4);
    EXPECT_EQ(copy.Archive().Items(0).Name, "[Content_Types].xml");
    EXPECT_EQ(copy.ReadPart("big.bin"), std::string(3 << 20, 'b'));
    EXPECT_EQ(copy.ReadPart("other.txt"), "kept");
    EXPECT_EQ(copy.Archive().Find("../evil"), nullptr);
}
