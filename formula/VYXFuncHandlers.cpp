// VYXFuncHandlers.cpp: the shared table of built-in function handlers.
#include "formula/VYXFuncHandlers.h"

#include <algorithm>

#include "formula/VYXFuncNames.h"

void TXLSFunctionLibrary::Register(std::int32_t id, TXLSFuncHandler handler)
{
    G_XLSExcelFuncNames().FindName(id);  // raises for an id outside the table
    FHandlers[static_cast<std::size_t>(id)] = handler;
}

int TXLSFunctionLibrary::HandlerCount() const
{
    return static_cast<int>(std::count_if(FHandlers.begin(), FHandlers.end(), [](auto h) { return h != nullptr; }));
}

TXLSFunctionLibrary& XLSFunctionLibrary()
{
    static TXLSFunctionLibrary library;
    return library;
}
