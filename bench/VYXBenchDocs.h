// VYXBenchDocs.h: the text the benchmarks lay out, export and edit — one block of about a
// page, repeated, so that document size is the only thing that changes between runs.
#pragma once

#include <string>
#include <string_view>

#include "editing/VYXLogEditor.h"
#include "model/VYXLogParas.h"

inline const std::u16string cProse =
    u"The quick brown fox jumps over the lazy dog while the committee debates the merits of "
    u"typographic tradition, the width of margins, and whether justified text should ever "
    u"leave rivers of white running down the page of a carefully printed book.";

// A heading in `heading`'s format, five prose paragraphs (every second one justified, so
// both the plain and the justifying line paths run) and three list items.
inline void AppendBenchBlock(TVYXLogDocEditor& doc, std::u16string_view title, const TVYXCHPX& heading)
{
    doc.AppendParaUI(title, &heading);
    for (int p = 0; p < 5; ++p) {
        TVYXLogPara& para = doc.AppendParaUI(cProse);
        para.PAPX().SetAlignment(p % 2 ? vyptaJustify : vyptaLeft);
    }
    for (int i = 0; i < 3; ++i)
        doc.AppendBulletPara(u"A list item with a few words", 0);
}
