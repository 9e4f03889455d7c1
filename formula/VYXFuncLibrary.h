// VYXFuncLibrary.h: fills the function table with the built-in spreadsheet function handlers.
//
//     XLSInitFunctionLibrary();  // once, before the first formula runs
//
// Functions the table marks as built in but that have no handler here give
// "#N/A" (the statistical distributions, the database functions, INDEX, TEXT,
// COUNTIF, LARGE, SUMIFS and the others without an entry in the units' tables).
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TXLSFunctionLibrary;
class TXLSUserFuncData;

// Registers every handler in `library` and sets its date-time text parser.
void XLSRegisterFunctions(TXLSFunctionLibrary& library);
// Fills the shared XLSFunctionLibrary() once; later calls do nothing.
void XLSInitFunctionLibrary();

// Answers the add-in functions that are not in the built-in table (EDATE,
// MROUND, the coupon schedule, the analysis functions such as GCD, CONVERT and
// DEC2BIN, and the newer ones such as IFS, XLOOKUP, TEXTJOIN and SEQUENCE;
// VYXFuncAddIns.h) for a host's user-function event; false, leaving `data`
// untouched, for any other name. Arguments may be numbers, text, booleans,
// errors, references, areas and arrays; a wrong argument count gives #VALUE!.
bool XLSAddInFunction(const std::u16string& name, TXLSUserFuncData& data);
// True for the name of an add-in function (any ASCII case).
bool XLSIsAddInName(std::u16string_view name);
// The add-in names in upper case, sorted.
std::vector<std::u16string_view> XLSAddInNames();
