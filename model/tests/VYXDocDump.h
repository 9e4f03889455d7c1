// VYXDocDump.h: a full structural dump of a document's body for tests that compare a body before and
// after edits: text, runs with their formats, tracked changes and boundaries, paragraph formats,
// sections, table shapes, and the bookmarks, comments and permissions with the text they cover.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXLogDocument.h"
#include "model/VYXRevision.h"
#include "platform/VYXUnicode.h"

namespace vyxtest {

inline std::string Props(const TVYXPropList* list)
{
    if (!list)
        return "-";
    std::string s;
    for (int i = 0; i < list->Count(); ++i) {
        const std::int32_t id = list->Items(i).Id;
        s += std::to_string(id) + "=" + list->GetAsText(id) + ";";
    }
    return s;
}

// Names for the markup objects boundaries refer to, so a boundary that moves shows in the dump.
using TMarkupNames = std::map<const TVYXMarkupObject*, std::string>;

inline TMarkupNames MarkupNames(TVYXLogDocument& doc)
{
    TMarkupNames names;
    std::vector<std::u16string> bookmarks;
    doc.Bookmarks().CopyToList(bookmarks);
    for (const std::u16string& name : bookmarks)
        names[doc.Bookmarks().Find(name)] = "bookmark " + Utf16ToUtf8(name);
    for (int i = 0; i < doc.Comments().Count(); ++i)
        names[doc.Comments().GetItems(i)] = "comment " + std::to_string(i);
    for (int i = 0; i < doc.Permissions().Count(); ++i)
        names[doc.Permissions().GetItems(i)] = "permission " + Utf16ToUtf8(doc.Permissions().GetItems(i)->Id);
    return names;
}

inline void DumpPara(const TVYXLogPara& p, std::string& out, int depth, const TMarkupNames& names)
{
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    out += indent + "P " + Props(&p.PAPX());
    if (p.SEP())
        out += " section=" + std::to_string(p.SEP()->_GetPageWidth());
    out += "\n";
    for (int i = 0; i < p.Count(); ++i) {
        const TVYXCharRun* run = p.GetItems(i);
        out += indent + "  " + std::to_string(run->Type_()) + " [" + Utf16ToUtf8(run->GetPlainText()) + "] " +
               Props(run->CHPX());
        if (const TVYXRevisionData* rev = run->Revision())
            out += " rev=" + std::to_string(rev->RevType) + "/" + Utf16ToUtf8(rev->Author) + "/" +
                   std::to_string(rev->Id);
        if (const auto* linked = dynamic_cast<const TVYXCharRunLinked*>(run)) {
            const auto name = names.find(linked->Field());
            out += " <" + (name == names.end() ? std::string("?") : name->second) + " " +
                   std::to_string(linked->Position()) + ">";
        }
        out += "\n";
    }
}

inline void DumpList(const TVYXLogParas& list, std::string& out, int depth, const TMarkupNames& names)
{
    for (int i = 0; i < list.Count(); ++i) {
        const TVYXLogParaItem* item = list.GetItems(i);
        if (item->IsPara()) {
            DumpPara(*static_cast<const TVYXLogPara*>(item), out, depth, names);
            continue;
        }
        const auto* table = static_cast<const TVYXTable*>(item);
        out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + "T " + Props(&table->TAPX()) + "\n";
        for (int r = 0; r < table->Count(); ++r)
            for (int c = 0; c < table->GetRows(r)->Count(); ++c) {
                out += std::string(static_cast<std::size_t>(depth) * 2 + 1, ' ') + "cell " + std::to_string(r) +
                       "," + std::to_string(c) + "\n";
                DumpList(table->GetRows(r)->GetCells(c)->Paras(), out, depth + 1, names);
            }
    }
}

// The whole body, then each markup object with the text it covers.
inline std::string Dump(TVYXLogDocument& doc)
{
    const TMarkupNames names = MarkupNames(doc);
    std::string out;
    DumpList(doc.Paras(), out, 0, names);
    std::vector<std::u16string> bookmarks;
    doc.Bookmarks().CopyToList(bookmarks);
    for (const std::u16string& name : bookmarks)
        out += "bookmark " + Utf16ToUtf8(name) + " [" + Utf16ToUtf8(doc.Bookmarks().Find(name)->GetPlainText()) +
               "]\n";
    for (int i = 0; i < doc.Comments().Count(); ++i)
        out += "comment " + std::to_string(i) + " [" + Utf16ToUtf8(doc.Comments().GetItems(i)->GetPlainText()) + "]\n";
    for (int i = 0; i < doc.Permissions().Count(); ++i)
        out += "permission " + std::to_string(i) + " [" +
               Utf16ToUtf8(doc.Permissions().GetItems(i)->GetPlainText()) + "]\n";
    return out;
}

}  // namespace vyxtest
