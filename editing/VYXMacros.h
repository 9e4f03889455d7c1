// VYXMacros.h: the macro recorder: commands and typed characters in the order the user gave them.
//
// Recording is bounded: a list that would grow past FMaxSize items is emptied and
// recording stops, so a forgotten recorder cannot eat memory. Items keep only the
// command value or the character, never a pointer into a document, so a macro
// recorded in one document plays in any other.
#pragma once

#include <memory>
#include <vector>

#include "editing/VYXKeys.h"

enum TVYXMacroItemType { amitCommand, amitChar };

class TVYXMacroItem {
public:
    virtual ~TVYXMacroItem() = default;
    virtual TVYXMacroItemType ItemType() const = 0;
};

class TVYXMacroCmd : public TVYXMacroItem {
public:
    explicit TVYXMacroCmd(TVYXCommand cmd) : FCmd(cmd) {}
    TVYXMacroItemType ItemType() const override { return amitCommand; }
    TVYXCommand FCmd;
};

class TVYXMacroCmdChar : public TVYXMacroItem {
public:
    explicit TVYXMacroCmdChar(char16_t ch) : FChar(ch) {}
    TVYXMacroItemType ItemType() const override { return amitChar; }
    char16_t FChar;
};

class TVYXMacro {
public:
    static constexpr int cDefaultMaxSize = 32767;

    bool Recording() const { return FRecording; }
    // Starting empties the list; stopping keeps it for playing.
    void SetRecording(bool value);
    // Both append only while recording; at the limit the list is emptied and recording stops.
    void AddCommand(TVYXCommand cmd);
    void AddChar(char16_t ch);
    int Count() const { return static_cast<int>(FItems.size()); }
    const TVYXMacroItem& GetItems(int i) const { return *FItems.at(static_cast<std::size_t>(i)); }
    void Clear() { FItems.clear(); }
    int MaxSize() const { return FMaxSize; }
    void SetMaxSize(int value) { FMaxSize = value > 0 ? value : 1; }

private:
    void Add(std::unique_ptr<TVYXMacroItem> item);
    std::vector<std::unique_ptr<TVYXMacroItem>> FItems;
    bool FRecording = false;
    int FMaxSize = cDefaultMaxSize;
};
