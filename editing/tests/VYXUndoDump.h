// VYXUndoDump.h: the full state undo must give back: the body (text, runs and their
// formats, paragraphs, tables, lists, fields, tracked changes, bookmarks and comments),
// the caret and the selections, as one text to compare.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/tests/VYXDocDump.h"

inline std::string VYXAddressText(const TVYXDocAddress& a)
{
    std::string s;
    for (const TVYXDocAddressStep& step : a.Path)
        s += std::to_string(step.Item) + "[" + std::to_string(step.Row) + "," + std::to_string(step.Cell) + "]/";
    return s + std::to_string(a.Item) + ":" + std::to_string(a.CharPos);
}

// The body dump with the runs as a reader sees them: neighbouring text runs of one
// format as one, and empty text runs left out (a paragraph of only empty runs shows
// one, without format). How equal text is split into runs, and where empty runs wait
// for typing, depends on the way an edit went (typing fills an empty run, a removal
// merges what it joins), not on what the document holds.
inline std::string VYXReaderRuns(const std::string& dump)
{
    std::string out;
    std::string pendingIndent, pendingText, pendingRest;
    bool pending = false, paraHasRun = false, inPara = false;
    std::string paraIndent;
    auto flush = [&] {
        if (pending)
            out += pendingIndent + "0 [" + pendingText + "] " + pendingRest + "\n";
        pending = false;
    };
    auto endPara = [&] {
        flush();
        if (inPara && !paraHasRun)
            out += paraIndent + "0 [] ~\n";
        inPara = false;
    };
    std::size_t start = 0;
    while (start < dump.size()) {
        const std::size_t end = dump.find('\n', start);
        const std::string line = dump.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? dump.size() : end + 1;
        const std::size_t first = line.find_first_not_of(' ');
        const std::string indent = line.substr(0, first == std::string::npos ? 0 : first);
        const bool isRun = inPara && indent == paraIndent && first != std::string::npos &&
                           line[first] >= '0' && line[first] <= '9';
        if (!isRun) {
            endPara();
            out += line + "\n";
            if (line.compare(indent.size(), 2, "P ") == 0 || line.substr(indent.size()) == "P") {
                inPara = true;
                paraHasRun = false;
                paraIndent = indent + "  ";
            }
            continue;
        }
        const std::size_t open = line.find(" [", first);
        const std::size_t close = line.rfind("] ");
        const std::string type = line.substr(first, open - first);
        const std::string text = line.substr(open + 2, close - open - 2);
        const std::string rest = line.substr(close + 2);
        if (type == "0") {
            if (text.empty())
                continue;
            paraHasRun = true;
            if (pending && pendingRest == rest) {
                pendingText += text;
                continue;
            }
            flush();
            pending = true;
            pendingIndent = indent, pendingText = text, pendingRest = rest;
            continue;
        }
        flush();
        paraHasRun = true;
        out += line + "\n";
    }
    endPara();
    return out;
}

inline std::string VYXSelectionText(TVYXLogDocEditor& doc)
{
    std::string s = "caret " + VYXAddressText(TVYXLogDocument::AddressOf(doc.Caret())) + "\n";
    TVYXSelections& sel = doc.Selections();
    for (int i = 0; i < sel.Count(); ++i)
        s += "selection " + VYXAddressText(TVYXLogDocument::AddressOf(sel.GetItems(i)->First)) + " - " +
             VYXAddressText(TVYXLogDocument::AddressOf(sel.GetItems(i)->Last)) + "\n";
    return s;
}

// The objects anchored to paragraphs: they live beside the runs, in each paragraph's
// object list, so the body dump does not show them. Each by its paragraph's address
// and index, with its place, size and wrap, and a text box's text: a box put back
// must be the one taken out, at its index.
inline std::string VYXAnchoredState(TVYXLogDocEditor& doc)
{
    std::string out;
    TVYXLogParasIterator walk;
    walk.ParaEvent = [&](TVYXLogPara& para) {
        const TVYXGraphicObjList* list = para.Graphics();
        for (int i = 0; list && i < list->Count(); ++i) {
            const TVYXGraphicObj& obj = list->GetItems(i);
            out += "anchored " + VYXAddressText(TVYXLogDocument::AddressOf(TVYXLogPos(&para, 1))) + " #" +
                   std::to_string(i) + " type=" + std::to_string(obj.Type_()) + " at " + std::to_string(obj.PosLeft) +
                   "," + std::to_string(obj.PosTop) + " size " + std::to_string(obj.Width) + "x" +
                   std::to_string(obj.Height) + " wrap=" + std::to_string(obj.Wrap);
            if (const auto* shape = dynamic_cast<const TVYXGraphicRotate*>(&obj);
                shape && shape->TextBox && shape->TextBox->Paras) {
                out += " box [";
                const TVYXLogParas& paras = *shape->TextBox->Paras;
                for (int k = 0; k < paras.Count(); ++k)
                    out += (k ? "|" : "") + Utf16ToUtf8(paras.GetItems(k)->GetPlainText());
                out += "]";
            }
            out += "\n";
        }
    };
    walk.Iterate(doc.Paras());
    return out;
}

// Body, caret and selections, runs as a reader sees them (a loaded file: an edit tidies
// the runs a reader left untidied in the paragraph it touches).
inline std::string VYXEditorState(TVYXLogDocEditor& doc)
{
    return VYXReaderRuns(vyxtest::Dump(doc)) + VYXAnchoredState(doc) + VYXSelectionText(doc);
}

// Body, caret and selections run for run (the unit and random-command tests).
inline std::string VYXEditorStateExact(TVYXLogDocEditor& doc)
{
    return vyxtest::Dump(doc) + VYXAnchoredState(doc) + VYXSelectionText(doc);
}

// Where two states part: the first differing line with three lines around it (or
// VYX_DIFF_CONTEXT lines), so a failure names the place instead of printing two whole
// documents.
inline std::string VYXStateDiff(const std::string& expected, const std::string& actual)
{
    if (expected == actual)
        return {};
    std::vector<std::string> a, b;
    auto split = [](const std::string& text, std::vector<std::string>& lines) {
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
            start = end == std::string::npos ? text.size() : end + 1;
        }
    };
    split(expected, a);
    split(actual, b);
    std::size_t line = 0;
    while (line < a.size() && line < b.size() && a[line] == b[line])
        ++line;
    std::string out = "states part at line " + std::to_string(line + 1) + "\n";
    const std::size_t ctx = std::getenv("VYX_DIFF_CONTEXT") ? std::stoul(std::getenv("VYX_DIFF_CONTEXT")) : 3;
    const std::size_t from = line >= ctx ? line - ctx : 0;
    for (std::size_t i = from; i < line + ctx && i < a.size(); ++i)
        out += "  expected: " + a[i] + "\n";
    for (std::size_t i = from; i < line + ctx && i < b.size(); ++i)
        out += "  actual:   " + b[i] + "\n";
    return out;
}

// The footnotes and endnotes: each notes body run for run, then each note with the
// text its limits cover and whether the main body references it. The limits and
// anchors are pointers a note keeps, so this also shows when they went stale.
inline std::string VYXNotesState(TVYXLogDocEditor& doc)
{
    std::string out;
    for (const bool endnote : {false, true}) {
        TVYXFootnotesList& list = endnote ? doc.EndnoteList() : doc.FootnoteList();
        TVYXLogDocEditor& notes = endnote ? doc.Endnotes() : doc.Footnotes();
        out += endnote ? "endnotes\n" : "footnotes\n";
        out += vyxtest::Dump(notes);
        for (int i = 0; i < list.Count(); ++i) {
            const TVYXFootnoteItem* note = list.GetItems(i);
            out += "note " + std::to_string(note->Index) + " [" + Utf16ToUtf8(note->GetPlainText()) + "]" +
                   (note->CharRun ? " anchored" : " unanchored") + "\n";
        }
    }
    return out;
}
