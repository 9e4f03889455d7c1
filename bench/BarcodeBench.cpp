// BarcodeBench.cpp: how many symbols per second the encoders produce.
#include <benchmark/benchmark.h>

#include <string>

#include "barcode/VYXBarcode.h"
#include "barcode/VYXQRCode.h"

namespace {
// Texts vary per iteration so no encoder sees the same input twice in a row.
std::u16string NumberedText(std::u16string_view stem, int i)
{
    std::u16string text(stem);
    for (char c : std::to_string(i))
        text += static_cast<char16_t>(c);
    return text;
}

void BM_Code128(benchmark::State& state, TVYXBarcodeType type, std::u16string_view stem)
{
    TVYXBarcode bc;
    bc.FType = type;
    std::string pattern;
    int i = 0;
    for (auto _ : state) {
        bc.FText = NumberedText(stem, i++);
        bc.MakeData(pattern);
        benchmark::DoNotOptimize(pattern.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_QR(benchmark::State& state, std::u16string_view stem)
{
    int i = 0;
    for (auto _ : state) {
        TVYXModuleMatrix m = VYXEncodeQR(NumberedText(stem, i++));
        benchmark::DoNotOptimize(m.Size());
    }
    state.SetItemsProcessed(state.iterations());
}
}  // namespace

BENCHMARK_CAPTURE(BM_Code128, Code128B_20chars, abct128B, u"Invoice INV-2026-");
BENCHMARK_CAPTURE(BM_Code128, GS1_128_SSCC, abctEAN128C, u"00340123450000000");
BENCHMARK_CAPTURE(BM_Code128, EAN13, abctEAN13, u"40063813");
BENCHMARK_CAPTURE(BM_QR, QR_URL_45chars, u"https://example.org/orders/2026/12/05/item=");
BENCHMARK_CAPTURE(BM_QR, QR_300chars, std::u16string(300, u'a'));

BENCHMARK_MAIN();
