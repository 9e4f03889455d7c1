// VYXIniFile.h: a small settings store in the INI format.
//
// Sections in brackets, `key=value` lines, ";" and "#" comments. Keys and
// sections compare without regard to ASCII case. Values are stored as written
// (UTF-8); nothing is expanded. `UpdateFile` writes the whole store back
// through a temporary file so a crash never leaves a half-written settings file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TVYXIniFile {
public:
    // An empty file name gives a store that lives only in memory.
    explicit TVYXIniFile(std::string fileName = {});

    const std::string& FileName() const { return FFileName; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    double ReadFloat(std::string_view section, std::string_view key, double def) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void WriteFloat(std::string_view section, std::string_view key, double value);
    bool ValueExists(std::string_view section, std::string_view key) const;
    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);
    std::vector<std::string> Sections() const;

    // The store as INI text, and parsing it back (replaces the content).
    std::string AsText() const;
    void SetText(std::string_view text);
    // Writes the store to its file (no-op for in-memory stores).
    void UpdateFile() const;

private:
    struct TEntry {
        std::string Key, Value;
    };
    struct TSection {
        std::string Name;
        std::vector<TEntry> Entries;
    };
    const TEntry* Find(std::string_view section, std::string_view key) const;
    TSection& SectionFor(std::string_view section);

    std::string FFileName;
    std::vector<TSection> FSections;
};
