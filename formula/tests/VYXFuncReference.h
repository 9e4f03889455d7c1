// VYXFuncReference.h: evaluates reference-table formulas, with array constants as written or laid out as grid cells.
//
// With LayArrays set, every "{a,b;c,d}" of a formula text is written into a
// grid cell store (from row 101 on, away from the formula's own cell A1) and
// replaced by the area's A1 text, so the same formula runs once on array
// constants and once on ranges holding the same values.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "formula/VYXCellStore.h"
#include "formula/VYXEncodeFmla.h"
#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXFuncLibrary.h"
#include "platform/VYXErrors.h"
#include "platform/VYXUnicode.h"

class TFuncEvaluator {
public:
    TFuncEvaluator() : Manager(Errors), Evaluator(Manager)
    {
        XLSInitFunctionLibrary();
        Evaluator.UserFunctionEvent = [](const std::u16string& name, TXLSUserFuncData& data) {
            XLSAddInFunction(name, data);
        };
    }

    // The formula's value as text ("#N/A" for errors), or "encode failed" / the exception text.
    std::string Eval(const std::string& formula)
    {
        auto store = std::make_unique<TXLSGridCellStore>();
        Grid = store.get();
        Manager.SetCells(std::move(store));
        NextCol = 1;
        const std::string text = LayArrays ? LayOutArrays(formula) : formula;
        std::vector<std::uint8_t> ptgs;
        if (!XLSEncodeFormula(Manager, Utf8ToUtf16(text), ptgs, true)) {
            Result.SetError(errValue);  // no value of an earlier formula stands in for this one
            return "encode failed";
        }
        try {
            Result = Evaluator.Evaluate(0, 0, 0, ptgs);
            return Utf16ToUtf8(XLSValueToStr(Evaluator.Stack(), Result));
        } catch (const VYXException& e) {
            Result.SetError(errValue);
            return e.what();
        }
    }

    TVYXErrorManager Errors;
    TXLSCellManager Manager;
    TXLSFormulaEvaluator Evaluator;
    TXLSFormulaValue Result;  // the last value Eval produced
    bool LayArrays = true;    // array constants become areas of grid cells

private:
    static constexpr std::int32_t cFirstRow = 100;

    void PutCell(std::int32_t col, std::int32_t row, const std::string& item)
    {
        if (item.size() >= 2 && item.front() == '"') {
            Grid->SetString(col, row, Utf8ToUtf16(item.substr(1, item.size() - 2)));
        } else if (item == "TRUE" || item == "FALSE") {
            Grid->SetBoolean(col, row, item == "TRUE");
        } else {
            Grid->SetFloat(col, row, std::stod(item));
        }
    }

    // Replaces each array constant outside quotes by the area it was written to.
    std::string LayOutArrays(const std::string& formula)
    {
        std::string out;
        bool quoted = false;
        for (std::size_t i = 0; i < formula.size(); ++i) {
            const char c = formula[i];
            if (c == '"')
                quoted = !quoted;
            if (quoted || c != '{') {
                out += c;
                continue;
            }
            const std::size_t end = formula.find('}', i);
            std::vector<std::vector<std::string>> rows(1);
            std::string item;
            bool inText = false;
            for (std::size_t k = i + 1; k <= end; ++k) {
                const char d = formula[k];
                if (d == '"')
                    inText = !inText;
                if (!inText && (d == ',' || d == ';' || d == '}')) {
                    rows.back().push_back(item);
                    item.clear();
                    if (d == ';')
                        rows.emplace_back();
                } else {
                    item += d;
                }
            }
            const std::int32_t col1 = NextCol;
            std::size_t width = 0;
            for (std::size_t r = 0; r < rows.size(); ++r) {
                width = std::max(width, rows[r].size());
                for (std::size_t k = 0; k < rows[r].size(); ++k)
                    PutCell(col1 + static_cast<std::int32_t>(k), cFirstRow + static_cast<std::int32_t>(r), rows[r][k]);
            }
            NextCol += static_cast<std::int32_t>(width);
            out += Utf16ToUtf8(AreaToRefStr(col1, cFirstRow, col1 + static_cast<std::int32_t>(width) - 1,
                                            cFirstRow + static_cast<std::int32_t>(rows.size()) - 1));
            i = end;
        }
        return out;
    }

    TXLSGridCellStore* Grid = nullptr;
    std::int32_t NextCol = 1;
};
