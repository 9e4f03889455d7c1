// VYXWriteDOCXTest.cpp: the DOCX writer: its output read back, validated and compared.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXWriteDOCX.h"
#include "formats/VYXZip5.h"
#include "model/VYXCharProps.h"
#include "model/VYXDocDump.h"
#include "model/VYXLogPara.h"
#include "model/VYXNotes.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace fs = std::filesystem;

namespace {

// Everything the dump shows of a document: body, headers, footers and notes.
std::string FullDump(TVYXLogDocEditor& doc)
{
    std::string out = VYXDumpParas(doc.Paras());
    const std::pair<TVYXHeaderFooterType, const char*> kinds[] = {{ahftDefault, "default"}, {ahftFirst, "first"}, {ahftEven, "even"}};
    for (bool header : {true, false})
        for (const auto& [kind, name] : kinds)
            if (TVYXLogDocEditor* e = (header ? doc.Headers() : doc.Footers()).Find(kind))
                out += std::string(header ? "header " : "footer ") + name + "\n" + VYXDumpParas(e->Paras(), 1);
    if (doc.FootnoteList().Count() > 0)
        out += "footnotes\n" + VYXDumpParas(doc.Footnotes().Paras(), 1);
    if (doc.EndnoteList().Count() > 0)
        out += "endnotes\n" + VYXDumpParas(doc.Endnotes().Paras(), 1);
    return out;
}

std::string PartOf(const std::string& package, const char* name)
{
    auto in = TVYXMemoryStream::View(package);
    TXLSZipArchive zip;
    zip.OpenRead(in);
    auto* entry = zip.Find(name);
    return entry ? zip.ReadFileBytes(*entry) : std::string();
}

}  // namespace

TEST(WriteDOCX, CorpusRoundTripKeepsTheDump)
{
    const fs::path dir = fs::path(VYX_SHARED_DIR) / "corpus" / "docx";
    if (!fs::is_directory(dir))
        GTEST_SKIP() << "no shared corpus";
    int files = 0, equal = 0, stable = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string name = e.path().filename().string();
        TVYXLogDocEditor first;
        try {
            TVYXReadDOCX(first).LoadFromFile(e.path().string());
        } catch (const VYXException&) {
            continue;
        }
        ++files;
        const std::string bytes = TVYXWriteDOCX(first).SaveToBytes();
        TVYXLogDocEditor second;
        TVYXReadDOCX(second).LoadFromBytes(bytes);
        const std::string a = FullDump(first), b = FullDump(second);
        if (a == b) {
            ++equal;
        } else if (std::getenv("VYX_DOCX_DIFF")) {
            std::ofstream(fs::path(std::getenv("VYX_DOCX_DIFF")) / (name + ".a")) << a;
            std::ofstream(fs::path(std::getenv("VYX_DOCX_DIFF")) / (name + ".b")) << b;
        }
        // Our own output written again gives the same bytes.
        stable += TVYXWriteDOCX(second).SaveToBytes() == TVYXWriteDOCX(second).SaveToBytes();
    }
    std::printf("round trip: %d of %d dumps equal, %d deterministic\n", equal, files, stable);
    EXPECT_EQ(stable, files);
    EXPECT_EQ(equal, files);
}
