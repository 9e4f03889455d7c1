// PlainTextBench.cpp: loading and saving a 10 MB text file through the paragraph list.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "editing/VYXPlainText.h"
#include "model/VYXCharRun.h"
#include "model/VYXLogPara.h"
#include "model/tests/VYXBodyTestDoc.h"
#include "platform/VYXCodePage.h"

namespace {
constexpr std::size_t cTextBytes = 10 * 1024 * 1024;

// Prose-like lines of 20..120 bytes: words, some tabs, a few accented letters
// and euro signs, blank lines and now and then a form feed; fixed seed.
std::string MakeText(bool eightBit)
{
    static const char* const words[] = {"the", "invoice", "paragraph", "caf\xC3\xA9", "total", "of",
                                        "\xE2\x82\xAC" "12.50", "and", "document", "na\xC3\xAFve", "page"};
    std::mt19937 random(42);
    std::string utf8;
    utf8.reserve(cTextBytes + 256);
    while (utf8.size() < cTextBytes) {
        const std::size_t length = 20 + random() % 100;
        const std::size_t start = utf8.size();
        while (utf8.size() - start < length) {
            utf8 += words[random() % std::size(words)];
            utf8 += random() % 8 == 0 ? '\t' : ' ';
        }
        utf8 += '\n';
        if (random() % 10 == 0)
            utf8 += '\n';
        if (random() % 500 == 0)
            utf8 += '\f';
    }
    return eightBit ? VYXEncodeCodePage(VYXDecodeTextFile(utf8, 1252), 1252) : utf8;
}

void LoadText(benchmark::State& state)
{
    const bool eightBit = state.range(0) != 0;
    const std::string bytes = MakeText(eightBit);
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<TVYXBodyTestDoc>();
        state.ResumeTiming();
        TVYXImportText import(doc->Body);
        import.LoadFromBytes(bytes, doc->Body, false);
        benchmark::DoNotOptimize(doc->Body.Count());
        state.PauseTiming();
        // Freeing a document of 10 MB leaves the allocator with work it does
        // on the next large request; do it here, outside the measured load.
        doc.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.SetLabel(eightBit ? "Windows-1252" : "UTF-8");
}
BENCHMARK(LoadText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same load into a heap that already holds the memory (a document freed before,
// not given back to the system): what a session loading its second file pays. Half of
// a cold load is the kernel handing out fresh pages for the ~16 bytes of model each
// byte of text becomes.
void LoadTextWarmHeap(benchmark::State& state)
{
    const std::string bytes = MakeText(false);
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<TVYXBodyTestDoc>();
        state.ResumeTiming();
        TVYXImportText import(doc->Body);
        import.LoadFromBytes(bytes, doc->Body, false);
        benchmark::DoNotOptimize(doc->Body.Count());
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.SetLabel("UTF-8");
}
BENCHMARK(LoadTextWarmHeap)->Unit(benchmark::kMillisecond);

void SaveText(benchmark::State& state)
{
    const bool eightBit = state.range(0) != 0;
    const std::string bytes = MakeText(eightBit);
    TVYXBodyTestDoc doc;
    TVYXImportText(doc.Body).LoadFromBytes(bytes, doc.Body, false);
    TVYXExportText exporter;
    exporter.CodePage = eightBit ? 1252 : 65001;
    std::size_t written = 0;
    for (auto _ : state) {
        const std::string out = exporter.SaveToBytes(doc.Body);
        written += out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(written));
    state.SetLabel(eightBit ? "Windows-1252" : "UTF-8");
}
BENCHMARK(SaveText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Building the paragraphs from text already in UTF-16: the model's share of a load.
void BuildParagraphs(benchmark::State& state)
{
    const std::u16string text = VYXDecodeTextFile(MakeText(false), 1252);
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<TVYXBodyTestDoc>();
        state.ResumeTiming();
        VYXAppendTextLines(doc->Body, text);
        benchmark::DoNotOptimize(doc->Body.Count());
        state.PauseTiming();
        doc.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.SetLabel("UTF-16 characters");
}
BENCHMARK(BuildParagraphs)->Unit(benchmark::kMillisecond);

// Memory the process holds, in bytes: the heap and the document's pool blocks alike.
std::size_t ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

// What the model holds per paragraph and per byte of text after a load: the process's
// resident memory before and after (the heap trimmed first), over the same 10 MB file.
void LoadTextMemory(benchmark::State& state)
{
    const std::string bytes = MakeText(false);
    double perPara = 0, perByte = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const std::size_t before = ResidentBytes();
        auto doc = std::make_unique<TVYXBodyTestDoc>();
        TVYXImportText(doc->Body).LoadFromBytes(bytes, doc->Body, false);
        const std::size_t after = ResidentBytes();
        perPara = static_cast<double>(after - before) / doc->Body.Count();
        perByte = static_cast<double>(after - before) / static_cast<double>(bytes.size());
        benchmark::DoNotOptimize(doc->Body.Count());
        doc.reset();
    }
    state.counters["bytes_per_para"] = perPara;
    state.counters["bytes_per_text_byte"] = perByte;
    // The objects every paragraph of plain text holds, before the allocator rounds them up.
    state.counters["sizeof_para"] = sizeof(TVYXLogPara);
    state.counters["sizeof_runs"] = sizeof(TVYXCharRuns);
    state.counters["sizeof_run"] = sizeof(TVYXCharRun);
    state.counters["sizeof_papx"] = sizeof(TVYXPAPX);
}
BENCHMARK(LoadTextMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// The code-page layer alone, for comparison with the whole load.
void DecodeBytes(benchmark::State& state)
{
    const std::string bytes = MakeText(state.range(0) != 0);
    const int codePage = state.range(0) != 0 ? 1252 : 65001;
    for (auto _ : state)
        benchmark::DoNotOptimize(VYXDecodeCodePage(bytes, codePage).size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(DecodeBytes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Double-byte text: 1 MB of Shift-JIS made from a few hundred kanji and kana.
void DecodeShiftJis(benchmark::State& state)
{
    std::u16string text;
    std::mt19937 random(3);
    while (text.size() < 512 * 1024)
        text += random() % 20 == 0 ? u'\n' : static_cast<char16_t>(u'\u4E00' + random() % 400);
    const std::string bytes = VYXEncodeCodePage(text, 932);
    for (auto _ : state)
        benchmark::DoNotOptimize(VYXDecodeCodePage(bytes, 932).size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(DecodeShiftJis)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
