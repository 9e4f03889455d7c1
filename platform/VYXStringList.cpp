// VYXStringList.cpp: the string list.
#include "platform/VYXStringList.h"

#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

int TVYXStringList::Add(std::string text, std::int64_t tag)
{
    FItems.push_back({std::move(text), tag});
    return Count() - 1;
}

void TVYXStringList::Insert(int index, std::string text, std::int64_t tag)
{
    if (index < 0 || index > Count())
        index = Count();
    FItems.insert(FItems.begin() + index, TItem{std::move(text), tag});
}

void TVYXStringList::Delete(int index)
{
    if (index >= 0 && index < Count())
        FItems.erase(FItems.begin() + index);
}

int TVYXStringList::IndexOf(std::string_view text, bool ignoreCase) const
{
    for (int i = 0; i < Count(); ++i) {
        const std::string& s = FItems[static_cast<std::size_t>(i)].Text;
        if (ignoreCase ? SameTextAscii(s, text) : s == text)
            return i;
    }
    return -1;
}

std::string TVYXStringList::Text() const
{
    std::string out;
    for (const auto& item : FItems) {
        out += item.Text;
        out += '\n';
    }
    return out;
}

void TVYXStringList::SetText(std::string_view text)
{
    FItems.clear();
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            Add(std::string(text.substr(start, i - start)));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        Add(std::string(text.substr(start)));
}

std::string TVYXStringList::Value(std::string_view name) const
{
    for (const auto& item : FItems) {
        const auto eq = item.Text.find('=');
        if (eq != std::string::npos && SameTextAscii(std::string_view(item.Text).substr(0, eq), name))
            return item.Text.substr(eq + 1);
    }
    return {};
}

void TVYXStringList::SetValue(std::string_view name, std::string_view value)
{
    std::string line = std::string(name) + "=" + std::string(value);
    for (auto& item : FItems) {
        const auto eq = item.Text.find('=');
        if (eq != std::string::npos && SameTextAscii(std::string_view(item.Text).substr(0, eq), name)) {
            item.Text = std::move(line);
            return;
        }
    }
    Add(std::move(line));
}

void TVYXStringList::LoadFromFile(const std::string& fileName)
{
    std::string bytes = VYXReadFile(fileName);
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        bytes.erase(0, 3);
    SetText(bytes);
}

void TVYXStringList::SaveToFile(const std::string& fileName) const { VYXWriteFile(fileName, Text()); }
