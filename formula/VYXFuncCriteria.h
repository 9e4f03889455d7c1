// VYXFuncCriteria.h: criteria of the conditional and database functions, and the text matching they share with lookups.
//
// A criterion is a value or a text such as ">=10", "<>a*" or "=": the
// operator prefix ("<", "<=", "=", ">=", ">", "<>") is split off and the rest
// becomes a number (or date), TRUE/FALSE, an error text or plain text. Text
// equality is case-insensitive with "*" and "?" wildcards; an empty value with
// "=" or "<>" asks for blank or non-blank cells.
#pragma once

#include <optional>
#include <string_view>

#include "formula/VYXEvaluateFmla.h"

// Case-insensitive match of text against a mask with "*" (any run) and "?" (one character).
bool XLSMaskMatches(std::u16string_view mask, std::u16string_view text);
// Orders values of one kind (numbers, booleans, text case-insensitively);
// values of different kinds do not compare (nullopt).
std::optional<int> XLSCompareSameKind(const TXLSFormulaValue& a, const TXLSFormulaValue& b);

enum TXLSDbCondOperator { xdcoNone, xdcoLT, xdcoLE, xdcoEQ, xdcoGE, xdcoGT, xdcoNE, xdcoError };

struct TXLSCondition {
    TXLSDbCondOperator Op = xdcoEQ;
    TXLSFormulaValue Value;
    bool Blank = false;  // the value is empty text: "=" matches blanks, "<>" anything else
};

// The criterion a plain value stands for (resolve areas before).
TXLSCondition XLSParseCondition(const TValueStack& stack, const TXLSFormulaValue& criteria);
// Whether a cell's content meets the criterion.
bool XLSConditionMatches(const TXLSCondition& cond, const TXLSFormulaValue& cell);
