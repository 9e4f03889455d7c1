// CmdSpell.cpp: `vyx spell FILE [--lang en_US] [--json]`, the misspelled words of a document.
//
// The document is loaded by the extension of its name (tools/VyxDocuments),
// then checked paragraph by paragraph in reading order, table cells included. Each wrong word is listed
// with its paragraph (counted from 1 in reading order) and character position
// (from 1 in its paragraph) and the dictionary's suggestions. A check that ran
// exits with 0 whether or not it found anything; a missing dictionary or an
// unreadable file exits with 1.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"
#include "spell/VYXSpellCheck.h"
#include "tools/VyxCommands.h"
#include "tools/VyxDocuments.h"

namespace {
struct TSpellOptions {
    std::string Input;
    std::string Lang = "en_US";
    std::string DictPath = cVYXDefaultDictPath;
    bool Json = false;
};

struct TFinding {
    int Para = 0;
    std::int32_t Char = 0;
    std::u16string Word;
    std::vector<std::u16string> Suggestions;
};

std::string JsonString(std::u16string_view text)
{
    std::string out = "\"";
    for (char c : U8(text)) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JoinSuggestions(const std::vector<std::u16string>& list, bool json)
{
    std::string out;
    for (const auto& s : list) {
        if (!out.empty())
            out += json ? "," : ", ";
        out += json ? JsonString(s) : U8(s);
    }
    return out;
}

int RunSpell(const TSpellOptions& o)
{
    try {
        TVYXLogDocEditor doc;
        TVyxFileOptions fo;
        VyxLoadDocument(o.Input, doc, fo);
        TVYXSpellChecker checker({}, o.DictPath);
        if (!checker.BeginCheck(o.Lang)) {
            std::fprintf(stderr, "vyx spell: %s\n", checker.Message().c_str());
            return vyxFailed;
        }
        // Paragraph numbers in reading order, cells included.
        std::unordered_map<const TVYXLogPara*, int> numbers;
        int n = 0;
        for (TVYXLogPara* p = doc.FirstPara(); p; p = doc.NextPara(*p))
            numbers[p] = ++n;
        std::vector<TFinding> found;
        checker.MisspelledEvent = [&](TVYXLogPara& para, std::int32_t pos, std::u16string_view word) {
            found.push_back({numbers[&para], pos, std::u16string(word), {}});
        };
        checker.Check(doc.Paras());
        checker.EndCheck();
        for (TFinding& f : found)
            checker.Suggest(f.Word, f.Suggestions);

        std::string out;
        if (o.Json) {
            out = "{\"file\":" + JsonString(Utf8ToUtf16(o.Input)) + ",\"lang\":" + JsonString(Utf8ToUtf16(o.Lang)) +
                  ",\"words\":" + std::to_string(checker.WordCount()) +
                  ",\"errors\":" + std::to_string(checker.ErrorCount()) + ",\"misspelled\":[";
            for (std::size_t i = 0; i < found.size(); ++i) {
                const TFinding& f = found[i];
                out += (i ? ",{" : "{") + std::string("\"para\":") + std::to_string(f.Para) +
                       ",\"char\":" + std::to_string(f.Char) + ",\"word\":" + JsonString(f.Word) +
                       ",\"suggestions\":[" + JoinSuggestions(f.Suggestions, true) + "]}";
            }
            out += "]}\n";
        } else {
            for (const TFinding& f : found)
                out += std::to_string(f.Para) + ":" + std::to_string(f.Char) + "\t" + U8(f.Word) + "\t" +
                       JoinSuggestions(f.Suggestions, false) + "\n";
            std::fprintf(stderr, "%d words, %d misspelled (%s, %.1f ms)\n", checker.WordCount(),
                         checker.ErrorCount(), o.Lang.c_str(), checker.GetCheckTimeMS());
        }
        std::fputs(out.c_str(), stdout);
        return vyxOk;
    } catch (const VYXException& e) {
        std::fprintf(stderr, "vyx spell: %s\n", e.what());
        return vyxFailed;
    }
}
}  // namespace

void AddSpellCommand(CLI::App& app)
{
    auto opts = std::make_shared<TSpellOptions>();
    auto* cmd = app.add_subcommand("spell", "List the misspelled words of a document (by extension: .txt)");
    cmd->add_option("file", opts->Input, "Document to check")->required();
    cmd->add_option("--lang", opts->Lang, "Dictionary id, such as en_US (default), en_GB, de_DE_neu");
    cmd->add_option("--dict-path", opts->DictPath, "Folder of the .dic and .aff files (default /usr/share/hunspell)");
    cmd->add_flag("--json", opts->Json, "Write the result as one JSON object");
    cmd->callback([opts] { gVyxExitCode = RunSpell(*opts); });
}
