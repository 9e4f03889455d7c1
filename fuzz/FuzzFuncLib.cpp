// FuzzFuncLib.cpp: every built-in function handler on arguments chosen by the bytes.
//
// Two bytes pick the function, the next the argument count (within the
// table's limits, at most 8), the next how many cells of a small grid the
// following bytes fill; then each argument is a kind byte and its payload: a
// number (8 bytes), a text, a boolean, an error, a missing argument, a cell or
// an area of the grid, or whole columns. A handler must leave exactly one value, never raise, and
// never push a number that is not finite.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "formula/VYXCellStore.h"
#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXFuncHandlers.h"
#include "formula/VYXFuncLibrary.h"
#include "formula/VYXFuncNames.h"
#include "platform/VYXErrors.h"

namespace {

class TBytes {
public:
    TBytes(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}
    bool Empty() const { return FAt >= FSize; }
    std::uint8_t Byte() { return FAt < FSize ? FData[FAt++] : 0; }
    double Number()
    {
        std::uint8_t raw[8] = {};
        for (std::uint8_t& b : raw)
            b = Byte();
        double v = 0;
        std::memcpy(&v, raw, sizeof v);
        return std::isfinite(v) ? v : 0;
    }
    std::u16string Text()
    {
        std::u16string out;
        for (int n = Byte() % 12; n > 0; --n)
            out += static_cast<char16_t>(u" *?<>=0123456789.,-E/:aBxTRUEFALS#!\u0E51"[Byte() % 36]);
        return out;
    }

private:
    const std::uint8_t* FData;
    std::size_t FSize, FAt = 0;
};

void PushArgument(TValueStack& stack, TBytes& bytes)
{
    const std::uint8_t kind = bytes.Byte();
    switch (kind % 9) {
    case 0: stack.PushFloat(bytes.Number()); break;
    case 1: stack.PushFloat(static_cast<std::int8_t>(bytes.Byte()) / 4.0); break;
    case 2: stack.PushString(bytes.Text()); break;
    case 3: stack.PushBoolean(kind & 16); break;
    case 4: stack.PushError(static_cast<TXLSCellError>(1 + bytes.Byte() % 8)); break;
    case 5: stack.PushMissing(); break;
    case 6: stack.PushCell(bytes.Byte() % 6, bytes.Byte() % 6); break;
    case 7: {
        const std::int32_t c = bytes.Byte() % 6, r = bytes.Byte() % 6;
        stack.PushArea(c, r, c + bytes.Byte() % 4, r + bytes.Byte() % 6);
        break;
    }
    default: stack.PushArea(bytes.Byte() % 3, 0, bytes.Byte() % 3 + 2, cXLSMaxRow); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2 || size > 512)
        return 0;
    XLSInitFunctionLibrary();
    TBytes bytes(data, size);
    const TXLSExcelFuncNames& names = G_XLSExcelFuncNames();
    const int pick = bytes.Byte() | bytes.Byte() << 8;
    const TXLSFuncData& fn = names.GetItems(pick % names.Count());
    const TXLSFuncHandler handler = XLSFunctionLibrary().Find(fn.Id);
    if (!handler)
        return 0;
    const int count = fn.Min + bytes.Byte() % (std::min(fn.Max, 8) - fn.Min + 1);

    TVYXErrorManager errors;
    TXLSCellManager manager(errors);
    auto grid = std::make_unique<TXLSGridCellStore>();
    for (int k = bytes.Byte() % 24; k > 0; --k) {
        const std::int32_t c = bytes.Byte() % 6, r = bytes.Byte() % 8;
        switch (bytes.Byte() % 5) {
        case 0: grid->SetFloat(c, r, bytes.Number()); break;
        case 1: grid->SetFloat(c, r, static_cast<std::int8_t>(bytes.Byte())); break;
        case 2: grid->SetString(c, r, bytes.Text()); break;
        case 3: grid->SetBoolean(c, r, bytes.Byte() & 1); break;
        default: grid->SetError(c, r, static_cast<TXLSCellError>(1 + bytes.Byte() % 8)); break;
        }
    }
    manager.SetCells(std::move(grid));
    TXLSFormulaEvaluator evaluator(manager);
    TValueStack& stack = evaluator.Stack();
    stack.Clear(0, 1, 1);
    for (int a = 0; a < count; ++a)
        PushArgument(stack, bytes);
    stack.SetResult(count);
    TXLSFuncCall call{stack, evaluator, fn.Id, count};
    handler(call);
    if (stack.Count() != 1)
        __builtin_trap();
    const TXLSFormulaValue& result = stack.Peek();
    if (result.ValType == xfvtFloat && !std::isfinite(result.vFloat))
        __builtin_trap();
    return 0;
}
