// FuzzFormula.cpp: formula text through the tokenizer, the encoder and the evaluator.
//
// The bytes are read as UTF-8 formula text; the first byte also chooses
// strict or locale notation and whether a grid with a few cells is used.
// Add-in functions answer their names. Encoding must never crash, and evaluating whatever bytes came out may
// only raise VYXException (a formula that cannot run), never anything else.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "formula/VYXCellStore.h"
#include "formula/VYXEncodeFmla.h"
#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXFuncLibrary.h"
#include "platform/VYXErrors.h"
#include "platform/VYXUnicode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0 || size > 4096)
        return 0;
    const std::uint8_t mode = data[0];
    const std::u16string text = Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    TVYXErrorManager errors;
    TXLSCellManager manager(errors);
    if (mode & 2) {
        auto grid = std::make_unique<TXLSGridCellStore>();
        grid->SetFloat(0, 0, 3);
        grid->SetString(1, 0, u"7");
        grid->SetBoolean(0, 1, true);
        grid->SetError(1, 1, errNA);
        manager.SetCells(std::move(grid));
    }
    std::vector<std::uint8_t> ptgs;
    XLSEncodeFormula(manager, text, ptgs, (mode & 1) == 0);
    TXLSFormulaEvaluator evaluator(manager);
    evaluator.UserFunctionEvent = [](const std::u16string& name, TXLSUserFuncData& call) {
        if (!XLSAddInFunction(name, call) && name.size() % 2)
            call.SetResultAsFloat(call.ArgCount());
    };
    try {
        evaluator.EvaluateStr(0, mode >> 4, mode >> 5, ptgs);
    } catch (const VYXException&) {
    }
    return 0;
}
