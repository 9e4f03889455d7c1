// DocBench.cpp: importing binary documents: a built 140-page document (text only, and
// the whole import with styles and character formats), and the largest corpus file
// that is read through many pieces (fast-saved).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "VYXDocTestBuilder.h"
#include "editing/VYXLogEditor.h"
#include "import/VYXReadDOC.h"
#include "model/VYXLogParas.h"

namespace {

// About 3,000 characters per page: paragraphs of 600 characters, each with a bold and an
// italic word, in two pieces (8-bit, then UTF-16), two paragraph styles; fixed seed.
std::string MakeDocument(int pages)
{
    static const char16_t* const words[] = {u"the", u"document", u"of", u"paragraph", u"and", u"page", u"invoice",
                                            u"total", u"we", u"received", u"letter", u"committee", u"customer",
                                            u"agreement", u"between", u"shall", u"a", u"to"};
    std::mt19937 random(140);
    TDocTestBuilder b;
    b.Styles = {{u"Normal", 1, 0x0FFF, DocSprm(0xA414, 120, 2), DocSprm(0x4A43, 22, 2)},
                {u"heading 1", 1, 0, DocSprm(0xA413, 240, 2), DocSprm(0x0835, 1, 1) + DocSprm(0x4A43, 32, 2)}};
    std::u16string text[2];
    std::uint32_t cp = 0;
    const int paras = pages * 5;
    for (int p = 0; p < paras; ++p) {
        std::u16string& t = text[p < paras / 2 ? 0 : 1];
        const std::uint32_t start = cp;
        std::u16string para;
        while (para.size() < 600) {
            if (!para.empty())
                para += u' ';
            if (para.size() > 100 && para.size() < 110)
                b.CharRuns.push_back({start + static_cast<std::uint32_t>(para.size()),
                                      start + static_cast<std::uint32_t>(para.size()) + 8, DocSprm(0x0835, 1, 1)});
            para += words[random() % std::size(words)];
        }
        para += u'\r';
        t += para;
        cp += static_cast<std::uint32_t>(para.size());
        b.ParaRuns.push_back({start, cp, p % 20 == 0 ? DocSprm(0x2403, 1, 1) : std::string(), static_cast<std::uint16_t>(p % 20 == 0)});
    }
    b.Pieces = {{text[0], true}, {text[1], false}};
    return b.Build();
}

void ReadDoc140Pages(benchmark::State& state)
{
    const std::string bytes = MakeDocument(140);
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
    const std::string bytes = MakeDocument(140);
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
