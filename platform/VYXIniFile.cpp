// VYXIniFile.cpp: the INI settings store.
#include "platform/VYXIniFile.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>

#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {
std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}
}  // namespace

TVYXIniFile::TVYXIniFile(std::string fileName) : FFileName(std::move(fileName))
{
    if (!FFileName.empty() && std::filesystem::exists(FFileName))
        SetText(VYXReadFile(FFileName));
}

const TVYXIniFile::TEntry* TVYXIniFile::Find(std::string_view section, std::string_view key) const
{
    for (const auto& s : FSections)
        if (SameTextAscii(s.Name, section))
            for (const auto& e : s.Entries)
                if (SameTextAscii(e.Key, key))
                    return &e;
    return nullptr;
}

TVYXIniFile::TSection& TVYXIniFile::SectionFor(std::string_view section)
{
    for (auto& s : FSections)
        if (SameTextAscii(s.Name, section))
            return s;
    FSections.push_back({std::string(section), {}});
    return FSections.back();
}

std::string TVYXIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const
{
    const TEntry* e = Find(section, key);
    return e ? e->Value : std::string(def);
}

int TVYXIniFile::ReadInteger(std::string_view section, std::string_view key, int def) const
{
    const TEntry* e = Find(section, key);
    if (!e)
        return def;
    int v = 0;
    const std::string_view s = Trim(e->Value);
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return (r.ec == std::errc() && r.ptr == s.data() + s.size()) ? v : def;
}

bool TVYXIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const
{
    const TEntry* e = Find(section, key);
    if (!e)
        return def;
    const std::string v = AsciiLower(Trim(e->Value));
    if (v == "1" || v == "true" || v == "yes")
        return true;
    if (v == "0" || v == "false" || v == "no")
        return false;
    return def;
}

double TVYXIniFile::ReadFloat(std::string_view section, std::string_view key, double def) const
{
    const TEntry* e = Find(section, key);
    if (!e)
        return def;
    double v = 0;
    const std::string_view s = Trim(e->Value);
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return (r.ec == std::errc() && r.ptr == s.data() + s.size()) ? v : def;
}

void TVYXIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    TSection& s = SectionFor(section);
    for (auto& e : s.Entries)
        if (SameTextAscii(e.Key, key)) {
            e.Value = value;
            return;
        }
    s.Entries.push_back({std::string(key), std::string(value)});
}

void TVYXIniFile::WriteInteger(std::string_view section, std::string_view key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void TVYXIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void TVYXIniFile::WriteFloat(std::string_view section, std::string_view key, double value)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    WriteString(section, key, std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
}

bool TVYXIniFile::ValueExists(std::string_view section, std::string_view key) const
{
    return Find(section, key) != nullptr;
}

void TVYXIniFile::DeleteKey(std::string_view section, std::string_view key)
{
    for (auto& s : FSections)
        if (SameTextAscii(s.Name, section))
            std::erase_if(s.Entries, [&](const TEntry& e) { return SameTextAscii(e.Key, key); });
}

void TVYXIniFile::EraseSection(std::string_view section)
{
    std::erase_if(FSections, [&](const TSection& s) { return SameTextAscii(s.Name, section); });
}

std::vector<std::string> TVYXIniFile::Sections() const
{
    std::vector<std::string> out;
    for (const auto& s : FSections)
        out.push_back(s.Name);
    return out;
}

std::string TVYXIniFile::AsText() const
{
    std::string out;
    for (const auto& s : FSections) {
        if (!out.empty())
            out += '\n';
        out += '[' + s.Name + "]\n";
        for (const auto& e : s.Entries)
            out += e.Key + '=' + e.Value + '\n';
    }
    return out;
}

void TVYXIniFile::SetText(std::string_view text)
{
    FSections.clear();
    TSection* current = nullptr;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            current = &SectionFor(Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1)));
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;  // not a key line; tolerated like a comment
        if (!current)
            current = &SectionFor("");
        const std::string_view key = Trim(line.substr(0, eq));
        const std::string_view value = Trim(line.substr(eq + 1));
        bool replaced = false;
        for (auto& e : current->Entries)
            if (SameTextAscii(e.Key, key)) {
                e.Value = value;
                replaced = true;
            }
        if (!replaced)
            current->Entries.push_back({std::string(key), std::string(value)});
    }
}

void TVYXIniFile::UpdateFile() const
{
    if (FFileName.empty())
        return;
    const std::string temp = FFileName + ".tmp";
    VYXWriteFile(temp, AsText());
    if (std::rename(temp.c_str(), FFileName.c_str()) != 0) {
        std::remove(temp.c_str());
        throw VYXException("Cannot write file \"" + FFileName + "\"");
    }
}
