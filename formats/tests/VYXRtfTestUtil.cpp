// VYXRtfTestUtil.cpp: helpers shared by the RTF reader and writer tests.
#include "VYXRtfTestUtil.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/VYXLogParas.h"
#include "platform/VYXUnicode.h"

namespace {
void AppendText(const TVYXLogParas& paras, std::u16string& out)
{
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsTable()) {
            const auto* table = static_cast<const TVYXTable*>(item);
            for (int r = 0; r < table->Count(); ++r)
                for (int c = 0; c < table->GetRows(r)->Count(); ++c)
                    AppendText(table->GetRows(r)->GetCells(c)->Paras(), out);
            continue;
        }
        const auto* para = static_cast<const TVYXLogPara*>(item);
        for (int r = 0; r < para->Count(); ++r) {
            const TVYXCharRun* run = para->GetItems(r);
            switch (run->Type_()) {
            case acrtText:
            case acrtHyperlink:
            case acrtSimpleField:
                out += run->Text();
                break;
            case acrtTab:
            case acrtBreak:
                out += u' ';
                break;
            default:
                break;
            }
        }
        out += u'\n';
    }
}
}  // namespace

std::u16string RtfBodyText(const TVYXLogParas& paras)
{
    std::u16string out;
    AppendText(paras, out);
    return out;
}

std::u16string RtfNormalizeSpace(std::u16string_view text)
{
    std::u16string out;
    bool blank = false;
    for (char16_t c : text) {
        if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f') {
            blank = true;
            continue;
        }
        if (blank && !out.empty())
            out += u' ';
        blank = false;
        out += c;
    }
    return out;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> RtfCorpusFiles()
{
    std::vector<std::string> files;
    const std::filesystem::path dir = std::filesystem::path(VYX_SHARED_DIR) / "corpus" / "rtf";
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.path().extension() == ".rtf")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string ToUtf8(std::u16string_view text) { return Utf16ToUtf8(text); }
