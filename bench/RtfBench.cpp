// RtfBench.cpp: reading and writing a large RTF document made of the corpus files.
//
// The document nests every balanced corpus file (pictures included) as a group of
// one outer document, repeated until it holds at least 10 MB. With the
// environment variable VYX_RTF_BENCH_OUT set, the document is also written there,
// for timing `vyx convert` on it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXWriteRTF.h"

namespace {
constexpr std::size_t cDocumentBytes = 10 * 1024 * 1024;

std::string MakeDocument()
{
    namespace fs = std::filesystem;
    std::vector<std::string> parts;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(VYX_SHARED_DIR) / "corpus" / "rtf", ec)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // Only files whose groups balance can sit inside another document.
        int depth = 0;
        bool balanced = bytes.starts_with("{\\rtf");
        for (std::size_t i = 0; i < bytes.size() && balanced; ++i) {
            if (bytes[i] == '\\') {
                if (bytes.compare(i + 1, 3, "bin") == 0)
                    balanced = false;  // raw bytes may hold braces
                ++i;
            } else if (bytes[i] == '{')
                ++depth;
            else if (bytes[i] == '}' && --depth == 0 && bytes.find('}', i + 1) != std::string::npos)
                balanced = false;
        }
        if (balanced && depth == 0)
            parts.push_back(std::move(bytes));
    }
    std::sort(parts.begin(), parts.end());
    std::string doc = "{\\rtf1\\ansi\\deff0";
    if (parts.empty())
        parts.push_back("{\\b bold} text\\par ");
    while (doc.size() < cDocumentBytes)
        for (const std::string& part : parts)
            doc += part;
    doc += "}";
    if (const char* out = std::getenv("VYX_RTF_BENCH_OUT"))
        std::ofstream(out, std::ios::binary) << doc;
    return doc;
}

void ReadRtf(benchmark::State& state)
{
    const std::string bytes = MakeDocument();
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<TVYXLogDocEditor>();
        state.ResumeTiming();
        TVYXReadRTF(*doc).LoadFromBytes(bytes);
        benchmark::DoNotOptimize(doc->Paras().Count());
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(ReadRtf)->Unit(benchmark::kMillisecond);

void WriteRtf(benchmark::State& state)
{
    TVYXLogDocEditor doc;
    TVYXReadRTF(doc).LoadFromBytes(MakeDocument());
    std::size_t written = 0;
    for (auto _ : state) {
        const std::string out = TVYXWriteRTF(doc).SaveToBytes();
        written = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * written));
    state.counters["output_MB"] = static_cast<double>(written) / (1024 * 1024);
}
BENCHMARK(WriteRtf)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
