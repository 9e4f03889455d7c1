// PdfBench.cpp: a whole PDF export of about 10, 100 and 1,000 pages of mixed text, and the peak
// memory of the process afterwards.
//
// The document repeats a block of about a page: a bold heading, prose paragraphs (every
// second one justified), list items and a paragraph in Cyrillic, so that the cached and
// the shaping path of the text both run. Counters: pages, bytes of the file, peak resident
// memory of the process (MB, from the kernel's high-water mark).
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

#include "bench/VYXBenchDocs.h"
#include "editing/VYXLogEditor.h"
#include "model/VYXLogParas.h"
#include "pdf/VYXWritePDF.h"

namespace {

std::unique_ptr<TVYXLogDocEditor> MixedDocument(int blocks)
{
    auto doc = std::make_unique<TVYXLogDocEditor>();
    TVYXEditorUpdate update(*doc);
    TVYXCHPX heading(&doc->GetMasterCHP());
    heading.SetBold(true);
    heading.SetSize(16);
    for (int b = 0; b < blocks; ++b) {
        AppendBenchBlock(*doc, u"Chapter heading " + std::u16string(1, static_cast<char16_t>(u'A' + b % 26)), heading);
        doc->AppendParaUI(u"Съешь же ещё этих мягких французских булок, да выпей чаю.");
    }
    return doc;
}

double PeakMegabytes()
{
    std::ifstream f("/proc/self/status");
    std::string line;
    while (std::getline(f, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void ExportPdf(benchmark::State& state)
{
    // About 0.86 pages per block: the argument is the page count aimed at.
    auto doc = MixedDocument(static_cast<int>(state.range(0) * 116 / 100));
    std::size_t bytes = 0;
    int pages = 0;
    for (auto _ : state) {
        TVYXWritePDF job;
        job.FDoc = doc.get();
        const std::string pdf = job.SaveToBytes();
        bytes = pdf.size();
        pages = job.PageCount();
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["pages"] = pages;
    state.counters["fileKB"] = static_cast<double>(bytes) / 1024.0;
    state.counters["peakMB"] = PeakMegabytes();
    state.counters["pagesPerSec"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(ExportPdf)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
