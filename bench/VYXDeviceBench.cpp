// VYXDeviceBench.cpp: text measuring on the Linux device (cached, shaped, fallback faces) and preset shape outlines.
#include <benchmark/benchmark.h>

#include <string>

#include "device/VYXGDILinux.h"
#include "model/VYXPresetShapes.h"

namespace {

std::u16string Repeat(std::u16string_view unit, std::size_t chars)
{
    std::u16string s;
    while (s.size() < chars)
        s += unit;
    s.resize(chars);
    return s;
}

void Measure(benchmark::State& state, const char16_t* face, std::u16string_view unit)
{
    TVYXGDILinux gdi;
    TVYXFontData font;
    font.Name = face;
    font.Size = 11;
    gdi.SetFont(font);
    // A word-sized text, as the paginator measures it.
    const std::u16string text = Repeat(unit, std::size_t(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(gdi.TextWidthF(text));
    state.SetItemsProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}

void BM_TextWidthCachedLatin(benchmark::State& state)
{
    Measure(state, u"Calibri", u"The quick brown fox jumps over the lazy dog. ");
}
BENCHMARK(BM_TextWidthCachedLatin)->Arg(8)->Arg(80)->Arg(1000);

void BM_TextWidthShapedCyrillic(benchmark::State& state)
{
    Measure(state, u"Arial", u"\u0421\u044A\u0435\u0448\u044C \u0436\u0435 \u0435\u0449\u0451 \u044D\u0442\u0438\u0445 ");
}
BENCHMARK(BM_TextWidthShapedCyrillic)->Arg(8)->Arg(80)->Arg(1000);

void BM_TextWidthShapedArabic(benchmark::State& state)
{
    Measure(state, u"DejaVu Sans", u"\u0645\u0631\u062D\u0628\u0627 \u0628\u0627\u0644\u0639\u0627\u0644\u0645 ");
}
BENCHMARK(BM_TextWidthShapedArabic)->Arg(80);

// Greek in a face without Greek: every Greek run goes to a fallback face (cached after the first).
void BM_TextWidthFallbackGreek(benchmark::State& state)
{
    Measure(state, u"Cambria", u"\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1 and Latin ");
}
BENCHMARK(BM_TextWidthFallbackGreek)->Arg(80);

void BM_TextWidthSyntheticBold(benchmark::State& state)
{
    TVYXGDILinux gdi;
    TVYXFontData font;
    font.Name = u"DejaVu Math TeX Gyre";
    font.Size = 11;
    font.Bold = true;
    gdi.SetFont(font);
    const std::u16string text = Repeat(u"The quick brown fox jumps over the lazy dog. ", 80);
    for (auto _ : state)
        benchmark::DoNotOptimize(gdi.TextWidthF(text));
    state.SetItemsProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}
BENCHMARK(BM_TextWidthSyntheticBold);

void BM_PresetShapePath(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(VYXPresetShapePath("cloud", 200, 100));
}
BENCHMARK(BM_PresetShapePath);

}  // namespace

BENCHMARK_MAIN();
