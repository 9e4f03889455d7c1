// XmlBench.cpp: the XML tokenizer against pugixml, and package inflation against zlib.
//
// Input: the largest document.xml of the shared corpus (12.5 MB of
// WordprocessingML) and the packages of the corpus. pugixml is linked here
// only, as the yardstick.
#include <benchmark/benchmark.h>
#include <pugixml.hpp>
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/NyqXml.h"
#include "formats/VYXZip5.h"
#include "platform/VYXStream.h"

namespace {

const std::string& SharedFile(const char* relative)
{
    static std::vector<std::pair<std::string, std::string>> cache;
    for (const auto& [name, data] : cache)
        if (name == relative)
            return data;
    const auto path = std::filesystem::path(VYX_SHARED_DIR) / relative;
    cache.emplace_back(relative, std::filesystem::exists(path) ? VYXReadFile(path.string()) : std::string());
    return cache.back().second;
}

const std::string& BigDocumentXml()
{
    static const std::string xml = [] {
        const std::string& zip = SharedFile("corpus/docx/poi-bug65649.docx");
        if (zip.empty())
            return std::string();
        auto in = TVYXMemoryStream::View(zip);
        TXLSZipArchive a;
        a.OpenRead(in);
        return a.ReadFileBytes(*a.Find("word/document.xml"));
    }();
    return xml;
}

// Counts what a schema reader would look at: tags and attributes.
class TCountingReader : public TNyqReadXML {
public:
    std::size_t Tags = 0;
    std::size_t Attributes = 0;

protected:
    void BeginTag() override
    {
        ++Tags;
        Attributes += static_cast<std::size_t>(TNyqReadXML::Attributes().Count());
    }
};

void BM_NyqTokenize(benchmark::State& state)
{
    const std::string& xml = BigDocumentXml();
    if (xml.empty()) {
        state.SkipWithError("no shared corpus");
        return;
    }
    for (auto _ : state) {
        TCountingReader r;
        r.LoadFromBuffer(xml);
        benchmark::DoNotOptimize(r.Tags + r.Attributes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(xml.size()));
}
BENCHMARK(BM_NyqTokenize)->Unit(benchmark::kMillisecond);

void BM_PugiParse(benchmark::State& state)
{
    const std::string& xml = BigDocumentXml();
    if (xml.empty()) {
        state.SkipWithError("no shared corpus");
        return;
    }
    const unsigned options = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(xml.data(), xml.size(), options).status);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(xml.size()));
}
BENCHMARK(BM_PugiParse)->Arg(pugi::parse_default)->Arg(pugi::parse_minimal)->Unit(benchmark::kMillisecond);

// The packages whose entries are inflated: the largest ones of the corpus.
const char* const cPackages[] = {"corpus/docx/poi-bug65649.docx", "corpus/docx/docxcompose-aatmay.docx",
                                 "corpus/docx/docx4j-tables.docx", "corpus/docx/poi-stress010.docx"};

void BM_InflatePackage(benchmark::State& state)
{
    const std::string& zip = SharedFile(cPackages[state.range(0)]);
    if (zip.empty()) {
        state.SkipWithError("no shared corpus");
        return;
    }
    std::int64_t bytes = 0;
    for (auto _ : state) {
        auto in = TVYXMemoryStream::View(zip);
        TXLSZipArchive a;
        a.OpenRead(in);
        for (int i = 0; i < a.Count(); ++i) {
            const std::string data = a.ReadFileBytes(a.Items(i));
            bytes += static_cast<std::int64_t>(data.size());
            benchmark::DoNotOptimize(data.data());
        }
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_InflatePackage)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// zlib on the same entries, with the offsets and sizes taken from the
// directory beforehand, and the CRC checked as a careful caller would.
void BM_InflateZlibDirect(benchmark::State& state)
{
    const std::string& zip = SharedFile(cPackages[state.range(0)]);
    if (zip.empty()) {
        state.SkipWithError("no shared corpus");
        return;
    }
    struct TEntry {
        std::size_t Pos, Packed, Size;
        int Method;
        unsigned Crc;
    };
    std::vector<TEntry> entries;
    {
        auto in = TVYXMemoryStream::View(zip);
        TXLSZipArchive a;
        a.OpenRead(in);
        for (int i = 0; i < a.Count(); ++i) {
            TXLSZipFile& f = a.Items(i);
            (void)a.ReadFileBytes(f);  // locates the data
            entries.push_back({static_cast<std::size_t>(f.DataPos), static_cast<std::size_t>(f.CompressedSize),
                               static_cast<std::size_t>(f.UncompressedSize), f.Record.Method, f.Record.Crc32});
        }
    }
    const bool checkCrc = state.range(1) != 0;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        for (const auto& e : entries) {
            std::string out(e.Size, '\0');
            if (e.Method == 0) {
                out.assign(zip, e.Pos, e.Packed);
            } else {
                z_stream z{};
                inflateInit2(&z, -MAX_WBITS);
                z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.data() + e.Pos));
                z.avail_in = static_cast<uInt>(e.Packed);
                z.next_out = reinterpret_cast<Bytef*>(out.data());
                z.avail_out = static_cast<uInt>(out.size());
                inflate(&z, Z_FINISH);
                inflateEnd(&z);
            }
            if (checkCrc && crc32_z(0, reinterpret_cast<const Bytef*>(out.data()), out.size()) != e.Crc)
                state.SkipWithError("CRC mismatch");
            bytes += static_cast<std::int64_t>(out.size());
            benchmark::DoNotOptimize(out.data());
        }
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_InflateZlibDirect)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
