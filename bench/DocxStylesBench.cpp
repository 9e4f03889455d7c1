// DocxStylesBench.cpp: the styles and numbering parts of the corpus's largest
// styles part (2.5 MB of styles.xml, 100 KB of numbering.xml).
//
// BM_ReadStylesPackage: a package of those two parts and a one-paragraph
// document read into a fresh document, in MB/s of the two parts.
// BM_StylesThroughClasses: the two parts parsed into the schema classes only,
// which is what the reader does before the model mapping; the difference is
// the mapping and the property elements handed to it as text.
// BM_WriteStylesPackage: that document written back.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/VYXWriteDOCX.h"
#include "formats/VYXZip5.h"
#include "formats/schema/NyqDocx.h"
#include "model/VYXStyles.h"
#include "platform/VYXStream.h"

namespace {

struct TStylesPackage {
    std::string Styles, Numbering, Package;
};

const TStylesPackage& Source()
{
    static const TStylesPackage source = [] {
        TStylesPackage s;
        const auto path = std::filesystem::path(VYX_SHARED_DIR) / "corpus/docx/poi-bug65649.docx";
        if (!std::filesystem::exists(path))
            return s;
        const std::string bytes = VYXReadFile(path.string());
        auto in = TVYXMemoryStream::View(bytes);
        TXLSZipArchive zip;
        zip.OpenRead(in);
        s.Styles = zip.ReadFileBytes(*zip.Find("word/styles.xml"));
        s.Numbering = zip.ReadFileBytes(*zip.Find("word/numbering.xml"));
        TVYXMemoryStream out;
        TOPC_DOCX pkg;
        pkg.OpenWrite(out);
        TOPCItem& doc = pkg.CreateDocument();
        pkg.WriteItem(pkg.CreateStyles(), s.Styles);
        pkg.WriteItem(pkg.CreateNumbering(), s.Numbering);
        pkg.WriteItem(doc, "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                           "<w:body><w:p><w:r><w:t>x</w:t></w:r></w:p></w:body></w:document>");
        pkg.Close();
        s.Package = out.TakeBytes();
        return s;
    }();
    return source;
}

std::int64_t PartBytes(const TStylesPackage& s) { return static_cast<std::int64_t>(s.Styles.size() + s.Numbering.size()); }

void BM_ReadStylesPackage(benchmark::State& state)
{
    const TStylesPackage& s = Source();
    if (s.Package.empty()) {
        state.SkipWithError("no shared corpus");
        return;
    }
    for (auto _ : state) {
        TVYXLogDocEditor doc;
        TVYXReadDOCX(doc).LoadFromBytes(s.Package);
        benchmark::DoNotOptimize(doc.Styles().Count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * PartBytes(s));
}
BENCHMARK(BM_ReadStylesPackage)->Unit(benchmark::kMillisecond);

void BM_StylesThroughClasses(benchmark::State& state)
{
    const TStylesPackage& s = Source();
    if (s.Package.empty()) {
        state.SkipWithError("no shared corpus");
        return;
    }
    for (auto _ : state) {
        TDocxPartDoc styles, numbering;
        styles.LoadFromBuffer(s.Styles);
        numbering.LoadFromBuffer(s.Numbering);
        benchmark::DoNotOptimize(styles.FStyles.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * PartBytes(s));
}
BENCHMARK(BM_StylesThroughClasses)->Unit(benchmark::kMillisecond);

void BM_WriteStylesPackage(benchmark::State& state)
{
    const TStylesPackage& s = Source();
    if (s.Package.empty()) {
        state.SkipWithError("no shared corpus");
        return;
    }
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromBytes(s.Package);
    for (auto _ : state)
        benchmark::DoNotOptimize(TVYXWriteDOCX(doc).SaveToBytes().size());
}
BENCHMARK(BM_WriteStylesPackage)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
