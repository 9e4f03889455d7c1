// VYXFuncLibrary.h: fills the function table with the built-in spreadsheet function handlers.
//
//     XLSInitFunctionLibrary();  // once, before the first formula runs
//
// Functions the table marks as built in but that have no handler here give
// "#N/A" (the statistical distributions, the database functions, INDEX, TEXT,
// COUNTIF, LARGE, SUMIFS and the others without an entry in the units' tables).
#pragma once

#include <string>

class TXLSFunctionLibrary;
class TXLSUserFuncData;

// Registers every handler in `library` and sets its date-time text parser.
void XLSRegisterFunctions(TXLSFunctionLibrary& library);
// Fills the shared XLSFunctionLibrary() once; later calls do nothing.
void XLSInitFunctionLibrary();

// Answers the add-in functions that are not in the built-in table (EDATE,
// MROUND and the coupon schedule functions COUPDAYBS, COUPDAYS, COUPDAYSNC,
// COUPNCD, COUPNUM, COUPPCD) for a host's user-function event; false, leaving
// `data` untouched, for any other name.
bool XLSAddInFunction(const std::u16string& name, TXLSUserFuncData& data);
