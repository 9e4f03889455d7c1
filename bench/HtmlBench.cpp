// HtmlBench.cpp: reading and writing HTML, in bytes of HTML per second.
//
// The input is the largest real page of the shared corpus (a long encyclopedia
// article with tables); without the corpus the benchmarks report themselves skipped.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "editing/VYXLogEditor.h"
#include "formats/VYXCSSParse.h"
#include "formats/VYXHtmlDOM.h"
#include "formats/VYXReadHTML.h"
#include "formats/VYXWriteHTML.h"
#include "platform/VYXStream.h"

namespace {

std::string Page()
{
    const std::filesystem::path path = std::filesystem::path(VYX_SHARED_DIR) / "corpus" / "html" / "textract-tables.html";
    return std::filesystem::exists(path) ? VYXReadFile(path.string()) : std::string();
}

void BM_HtmlTree(benchmark::State& state)
{
    const std::string page = Page();
    if (page.empty())
        return state.SkipWithError("no corpus");
    for (auto _ : state) {
        TVYXHtmlDOM dom;
        dom.LoadFromBytes(page);
        benchmark::DoNotOptimize(dom.Root().ChildCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}

void BM_HtmlRead(benchmark::State& state)
{
    const std::string page = Page();
    if (page.empty())
        return state.SkipWithError("no corpus");
    for (auto _ : state) {
        // Making and freeing the document is not reading.
        state.PauseTiming();
        auto doc = std::make_unique<TVYXLogDocEditor>();
        state.ResumeTiming();
        TVYXReadHTML reader(*doc);
        reader.LoadFromBytes(page);
        benchmark::DoNotOptimize(doc->Paras().Count());
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}

void BM_HtmlWrite(benchmark::State& state)
{
    const std::string page = Page();
    if (page.empty())
        return state.SkipWithError("no corpus");
    TVYXLogDocEditor doc;
    TVYXReadHTML reader(doc);
    reader.LoadFromBytes(page);
    std::size_t written = 0;
    for (auto _ : state) {
        TVYXWriteHTML writer(doc);
        const std::string html = writer.SaveToString();
        written += html.size();
        benchmark::DoNotOptimize(html.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(written));
}

void BM_CssParse(benchmark::State& state)
{
    std::string sheet;
    for (int i = 0; i < 2000; ++i)
        sheet += "div.c" + std::to_string(i) + " > p span#x" + std::to_string(i) +
                 " { font: italic bold 12pt/150% Georgia, serif; margin: 1pt 2pt; border: thin solid #abc }\n";
    for (auto _ : state) {
        TVyCSS css;
        css.Parse(std::string_view(sheet));
        benchmark::DoNotOptimize(css.SelectorCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sheet.size()));
}

}  // namespace

BENCHMARK(BM_HtmlTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CssParse)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
