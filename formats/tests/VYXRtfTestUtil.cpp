// VYXRtfTestUtil.cpp: helpers shared by the RTF reader and writer tests.
#include "VYXRtfTestUtil.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/VYXGraphics.h"
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

namespace {
std::string Num(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

void AppendGraphics(const TVYXLogParas& paras, std::string& out, int depth)
{
    if (depth > 8)
        return;
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsTable()) {
            const auto* table = static_cast<const TVYXTable*>(item);
            for (int r = 0; r < table->Count(); ++r)
                for (int c = 0; c < table->GetRows(r)->Count(); ++c)
                    AppendGraphics(table->GetRows(r)->GetCells(c)->Paras(), out, depth + 1);
            continue;
        }
        const auto* para = static_cast<const TVYXLogPara*>(item);
        const TVYXGraphicObjList* graphics = para->Graphics();
        for (int g = 0; graphics && g < graphics->Count(); ++g) {
            const TVYXGraphicObj& o = graphics->GetItems(g);
            const auto* rot = dynamic_cast<const TVYXGraphicRotate*>(&o);
            const auto* shape = dynamic_cast<const TVYXGraphicShape*>(&o);
            std::string line = "para" + std::to_string(i) + " ";
            if (dynamic_cast<const TVYXGraphicPicture*>(&o))
                line += "picture";
            else if (rot && rot->TextBox)
                line += "textbox";
            else
                line += "shape";
            if (shape && shape->ShapeType)
                line += ":" + shape->ShapeType->Id;
            line += " at " + Num(o.PosLeft) + "," + Num(o.PosTop) + " size " + Num(o.Width) + "x" + Num(o.Height);
            line += " rel " + std::to_string(o.HorizPosRel) + "/" + std::to_string(o.VertPosRel);
            if (o.HorizPosType == agoptAlignment)
                line += " alignH=" + std::to_string(o.HorizPos);
            if (o.VertPosType == agoptAlignment)
                line += " alignV=" + std::to_string(o.VertPos);
            line += " wrap=" + std::to_string(o.Wrap) + " z=" + std::to_string(o.ZIndex);
            if (rot) {
                if (rot->GetAngle() != 0)
                    line += " angle=" + Num(rot->GetAngle());
                line += " fill=" + std::to_string(rot->FillColor) + (rot->Filled ? "" : "(off)");
                line += " line=" + std::to_string(rot->StrokeColor) + ":" + Num(rot->StrokeWeight) + (rot->Stroked ? "" : "(off)");
                if (rot->TextBox && rot->TextBox->Paras) {
                    line += " text=\"" + ToUtf8(RtfNormalizeSpace(RtfBodyText(*rot->TextBox->Paras))) + "\"";
                    std::string inner;
                    AppendGraphics(*rot->TextBox->Paras, inner, depth + 1);
                    if (!inner.empty())
                        line += " {" + inner.substr(0, inner.size() - 1) + "}";
                }
            }
            out += line + "\n";
        }
    }
}
}  // namespace

std::string RtfGraphicsDump(const TVYXLogParas& paras)
{
    std::string out;
    AppendGraphics(paras, out, 0);
    return out;
}
