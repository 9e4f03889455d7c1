// VYXStringList.h: an ordered list of UTF-8 strings, each with an integer tag.
//
// The tag carries what the host framework's string lists carried as an
// attached object: the error manager keeps each diagnostic's numeric code in
// it. Text joins and splits at line feeds (CR LF and lone CR are accepted
// when splitting).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TVYXStringList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    bool Empty() const { return FItems.empty(); }
    const std::string& operator[](int index) const { return FItems.at(static_cast<std::size_t>(index)).Text; }
    const std::string& Strings(int index) const { return (*this)[index]; }
    void SetStrings(int index, std::string text) { FItems.at(static_cast<std::size_t>(index)).Text = std::move(text); }
    std::int64_t Tag(int index) const { return FItems.at(static_cast<std::size_t>(index)).Tag; }
    void SetTag(int index, std::int64_t tag) { FItems.at(static_cast<std::size_t>(index)).Tag = tag; }

    int Add(std::string text, std::int64_t tag = 0);
    void Insert(int index, std::string text, std::int64_t tag = 0);
    void Delete(int index);
    void Clear() { FItems.clear(); }
    void Assign(const TVYXStringList& other) { FItems = other.FItems; }
    // Index of the first item equal to `text`, ASCII case-insensitive when asked; -1 if none.
    int IndexOf(std::string_view text, bool ignoreCase = false) const;

    // The items joined by "\n" (with a trailing "\n" after each, as text files have them).
    std::string Text() const;
    void SetText(std::string_view text);
    // `name=value` items, as ini sections and parameter lists keep them.
    std::string Value(std::string_view name) const;
    void SetValue(std::string_view name, std::string_view value);

    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

private:
    struct TItem {
        std::string Text;
        std::int64_t Tag = 0;
    };
    std::vector<TItem> FItems;
};
