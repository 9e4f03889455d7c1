// DocBench.cpp: importing binary documents: a built 140-page document (text only, and
// the whole import with styles and character formats), and the largest corpus file
// that is read through many pieces (fast-saved).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "VYXDocTestBuilder.h"
#include "editing/VYXLogEditor.h"
#include "import/VYXReadDOC.h"
#include "model/VYXLogParas.h"

namespace {

void ReadDoc140Pages(benchmark::State& state)
{
    const std::string bytes = DocManyPages(140).Build();
    // VYX_BENCH_SAVE_DOC=file keeps the document, for timing `vyx convert` whole-process.
    if (const char* save = std::getenv("VYX_BENCH_SAVE_DOC"))
        std::ofstream(save, std::ios::binary) << bytes;
    for (auto _ : state) {
        TVYXLogDocEditor doc;
        TVYXReadDOC reader(doc);
        reader.LoadFromBytes(bytes);
        benchmark::DoNotOptimize(doc.Paras().Count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(ReadDoc140Pages)->Unit(benchmark::kMillisecond);

// What text extraction costs: the import and the plain text of the body.
void ReadDoc140PagesToText(benchmark::State& state)
{
    const std::string bytes = DocManyPages(140).Build();
    for (auto _ : state) {
        TVYXLogDocEditor doc;
        TVYXReadDOC reader(doc);
        reader.LoadFromBytes(bytes);
        benchmark::DoNotOptimize(doc.Paras().GetPlainText());
    }
}
BENCHMARK(ReadDoc140PagesToText)->Unit(benchmark::kMillisecond);

void ReadDocFastSaved(benchmark::State& state)
{
    const std::filesystem::path file = std::filesystem::path(VYX_SHARED_DIR) / "corpus/doc/poi-Bug33519.doc";
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.empty()) {
        state.SkipWithError("no corpus");
        return;
    }
    for (auto _ : state) {
        TVYXLogDocEditor doc;
        TVYXReadDOC reader(doc);
        reader.LoadFromBytes(bytes);
        benchmark::DoNotOptimize(doc.Paras().Count());
    }
}
BENCHMARK(ReadDocFastSaved)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
