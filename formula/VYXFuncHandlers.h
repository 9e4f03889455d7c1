// VYXFuncHandlers.h: the table through which built-in functions plug into the evaluator.
//
// A handler runs one call of a built-in function on the value stack. When it
// is called the evaluator has checked the argument count against the function
// table and called TValueStack::SetResult, so the arguments sit above the new
// top; the handler reads them last to first with the PopRes* readers, then
// pushes exactly one result (a failed reader has already pushed the error, and
// the handler just returns). It must read all the arguments it needs before
// it pushes, because the result slot is the first argument's slot. Handlers
// never raise on bad data; they push error values.
//
// Registering: the function library fills the shared table once at start-up,
//     XLSFunctionLibrary().Register(4 /* SUM */, DoSum);
// Ids without a handler give "#N/A" after their arguments are removed.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

class TValueStack;
class TXLSFormulaEvaluator;

struct TXLSFuncCall {
    TValueStack& Stack;
    TXLSFormulaEvaluator& Evaluator;
    std::int32_t FuncId;
    int ArgCount;  // the table's count for fixed functions, the stored one otherwise
};

using TXLSFuncHandler = void (*)(TXLSFuncCall& call);
// Reads a date, a time or both in the current locale's notation into a
// serial date (days since 30 December 1899); false when the text is not one.
using TXLSDateTimeParser = bool (*)(std::u16string_view text, double& value);

class TXLSFunctionLibrary {
public:
    static constexpr std::int32_t cMaxId = 872;

    // Raises VYXException "Unknown function id "<id>"" for an id the function table lacks.
    void Register(std::int32_t id, TXLSFuncHandler handler);
    TXLSFuncHandler Find(std::int32_t id) const
    {
        return id >= 0 && id <= cMaxId ? FHandlers[static_cast<std::size_t>(id)] : nullptr;
    }
    int HandlerCount() const;

    // Text operands that are not numbers are tried as dates through this, when set.
    TXLSDateTimeParser DateTimeParser = nullptr;

private:
    std::array<TXLSFuncHandler, cMaxId + 1> FHandlers{};
};

// The table evaluators use unless given another. Filled on the user-interface
// thread before formulas run; read-only afterwards.
TXLSFunctionLibrary& XLSFunctionLibrary();
