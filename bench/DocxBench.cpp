// DocxBench.cpp: the DOCX reader on the corpus's largest document.
//
// BM_ReadDocumentXml: the main document part alone (12.5 MB of XML) into a fresh
// document, in MB/s of XML. BM_ReadPackage: the whole package (zip, styles,
// numbering, document) in MB/s of the uncompressed document part. BM_WritePackage:
// that document written back. BM_DocumentXmlThroughClasses: the same part parsed
// into the generated schema classes only (no model), the figure behind keeping
// bodies on the flat parser.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXWriteDOCX.h"
#include "formats/VYXZip5.h"
#include "formats/schema/NyqDocx.h"
#include "platform/VYXStream.h"

namespace {

struct TBigDocument {
    std::string Package;
    std::string DocumentXml;
};

const TBigDocument& Big()
{
    static const TBigDocument doc = [] {
        TBigDocument d;
        const auto path = std::filesystem::path(VYX_SHARED_DIR) / "corpus/docx/poi-bug65649.docx";
        if (!std::filesystem::exists(path))
            return d;
        d.Package = VYXReadFile(path.string());
        auto in = TVYXMemoryStream::View(d.Package);
        TXLSZipArchive a;
        a.OpenRead(in);
        d.DocumentXml = a.ReadFileBytes(*a.Find("word/document.xml"));
        return d;
    }();
    return doc;
}

void BM_ReadDocumentXml(benchmark::State& state)
{
    const TBigDocument& big = Big();
    if (big.DocumentXml.empty()) {
        state.SkipWithError("no shared corpus");
        return;
    }
    for (auto _ : state) {
        TVYXLogDocEditor doc;
        TVYXReadDOCX reader(doc);
        reader.LoadDocumentXml(big.DocumentXml);
        benchmark::DoNotOptimize(doc.Paras().Count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(big.DocumentXml.size()));
}
BENCHMARK(BM_ReadDocumentXml)->Unit(benchmark::kMillisecond);

void BM_ReadPackage(benchmark::State& state)
{
    const TBigDocument& big = Big();
    if (big.Package.empty()) {
        state.SkipWithError("no shared corpus");
        return;
    }
    for (auto _ : state) {
        TVYXLogDocEditor doc;
        TVYXReadDOCX reader(doc);
        reader.LoadFromBytes(big.Package);
        benchmark::DoNotOptimize(doc.Paras().Count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(big.DocumentXml.size()));
}
BENCHMARK(BM_ReadPackage)->Unit(benchmark::kMillisecond);

// Writing the same document back: MB/s of the main document part we produce
// (the whole package is written: zip, styles, numbering, pictures).
void BM_WritePackage(benchmark::State& state)
{
    const TBigDocument& big = Big();
    if (big.Package.empty()) {
        state.SkipWithError("no shared corpus");
        return;
    }
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromBytes(big.Package);
    const std::string once = TVYXWriteDOCX(doc).SaveToBytes();
    auto in = TVYXMemoryStream::View(once);
    TXLSZipArchive a;
    a.OpenRead(in);
    const std::size_t xmlSize = a.ReadFileBytes(*a.Find("word/document.xml")).size();
    for (auto _ : state)
        benchmark::DoNotOptimize(TVYXWriteDOCX(doc).SaveToBytes().size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(xmlSize));
}
BENCHMARK(BM_WritePackage)->Unit(benchmark::kMillisecond);

}  // namespace

void BM_DocumentXmlThroughClasses(benchmark::State& state)
{
    const TBigDocument& big = Big();
    if (big.DocumentXml.empty()) {
        state.SkipWithError("no shared corpus");
        return;
    }
    for (auto _ : state) {
        TDocxPartDoc part;
        part.LoadFromBuffer(big.DocumentXml);
        benchmark::DoNotOptimize(part.Errors().Count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(big.DocumentXml.size()));
}
BENCHMARK(BM_DocumentXmlThroughClasses)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
