// VYXMacros.cpp: the macro recorder.
#include "editing/VYXMacros.h"

void TVYXMacro::SetRecording(bool value)
{
    if (value)
        FItems.clear();
    FRecording = value;
}

void TVYXMacro::Add(std::unique_ptr<TVYXMacroItem> item)
{
    if (!FRecording)
        return;
    if (Count() >= FMaxSize) {
        FItems.clear();
        FRecording = false;
        return;
    }
    FItems.push_back(std::move(item));
}

void TVYXMacro::AddCommand(TVYXCommand cmd) { Add(std::make_unique<TVYXMacroCmd>(cmd)); }

void TVYXMacro::AddChar(char16_t ch) { Add(std::make_unique<TVYXMacroCmdChar>(ch)); }
