// VYXLayoutDump.cpp: the text and JSON views of pages and rows.
#include "layout/VYXLayoutDump.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "layout/VYXPaginate.h"
#include "model/VYXCharRun.h"
#include "platform/VYXUnicode.h"

namespace {

std::string Num(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v == 0 ? 0.0 : v);  // no "-0.0"
    return buf;
}

std::string Quote(const std::u16string& text, bool json)
{
    std::string out = "\"";
    for (const char c : Utf16ToUtf8(text)) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, json ? "\\u%04x" : "\\x%02x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The row's text in logical order, page-number fields as the page shows them.
std::u16string RowText(const TVYXPaginatorDoc& layout, const TVYXPhyRow& row, const TVYXPhyPage& page)
{
    std::vector<const TVYXRowPiece*> pieces;
    for (const TVYXRowPiece& p : row.Pieces)
        pieces.push_back(&p);
    std::stable_sort(pieces.begin(), pieces.end(), [](const TVYXRowPiece* a, const TVYXRowPiece* b) {
        return a->Run->Index() != b->Run->Index() ? a->Run->Index() < b->Run->Index() : a->From < b->From;
    });
    std::u16string s;
    for (const TVYXRowPiece* p : pieces) {
        if (std::optional<std::u16string> page_ = layout.PageFieldText(*p->Run, page))
            s += *page_;
        else
            s += p->Text;
    }
    return s;
}

void DumpRow(std::string& out, const TVYXPaginatorDoc& layout, const TVYXPhyRow& row, const TVYXPhyPage& page,
             const char* kind, bool json, bool& first)
{
    const std::u16string text = RowText(layout, row, page);
    if (json) {
        out += first ? "\n" : ",\n";
        out += std::string("      {\"kind\": \"") + kind + "\", \"text\": " + Quote(text, true) + ", \"x\": " +
               Num(row.GetX()) + ", \"baseline\": " + Num(row.Baseline) + ", \"width\": " + Num(row.UsedWidth) +
               ", \"height\": " + Num(row.Height()) + "}";
    } else {
        out += std::string("  ") + kind + " x=" + Num(row.GetX()) + " baseline=" + Num(row.Baseline) +
               " width=" + Num(row.UsedWidth) + " height=" + Num(row.Height()) + " " + Quote(text, false) + "\n";
    }
    first = false;
}

}  // namespace

std::string VYXLayoutDump(const TVYXPaginatorDoc& layout, bool rows, bool json)
{
    const TVYXPhyPages& pages = layout.Pages();
    std::string out;
    if (json)
        out += "{\n  \"pages\": " + std::to_string(pages.Count()) + ",\n  \"items\": [";
    else
        out += "pages " + std::to_string(pages.Count()) + "\n";
    for (int i = 0; i < pages.Count(); ++i) {
        const TVYXPhyPage& p = pages.GetItems(i);
        if (json) {
            out += std::string(i ? ",\n" : "\n") + "    {\"page\": " + std::to_string(i + 1) +
                   ", \"width\": " + Num(p.PageWidth) + ", \"height\": " + Num(p.PageHeight) +
                   ", \"header\": " + Num(p.HeaderExHeight()) + ", \"footer\": " + Num(p.FooterExHeight()) +
                   ", \"notes\": " + Num(p.GetFNotesHeight()) + ", \"rowCount\": " + std::to_string(p.Rows.Count());
            if (rows) {
                out += ", \"rows\": [";
                bool first = true;
                for (int r = 0; r < p.Rows.Count(); ++r)
                    DumpRow(out, layout, p.Rows.GetItems(r), p, "row", true, first);
                for (int r = 0; r < p.NoteRows.Count(); ++r)
                    DumpRow(out, layout, p.NoteRows.GetItems(r), p, "note", true, first);
                out += first ? "]" : "\n    ]";
            }
            out += "}";
        } else {
            out += "page " + std::to_string(i + 1) + " width=" + Num(p.PageWidth) + " height=" + Num(p.PageHeight) +
                   " body=" + Num(p.ClientX1) + "," + Num(p.BodyTop()) + "," + Num(p.ClientX2) + "," +
                   Num(p.GetAbsDocCY2()) + " header=" + Num(p.HeaderExHeight()) + " footer=" +
                   Num(p.FooterExHeight()) + " notes=" + Num(p.GetFNotesHeight()) + " rows=" +
                   std::to_string(p.Rows.Count()) + "\n";
            if (rows) {
                bool first = true;
                for (int r = 0; r < p.Rows.Count(); ++r)
                    DumpRow(out, layout, p.Rows.GetItems(r), p, "row", false, first);
                for (int r = 0; r < p.NoteRows.Count(); ++r)
                    DumpRow(out, layout, p.NoteRows.GetItems(r), p, "note", false, first);
            }
        }
    }
    if (json)
        out += "\n  ]\n}\n";
    return out;
}
