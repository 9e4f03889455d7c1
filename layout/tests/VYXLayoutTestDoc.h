// VYXLayoutTestDoc.h: the document the layout tests build on — a Linux device at 96 dpi,
// an editor and its paginator, and paragraphs with no spacing of their own, so that row
// positions depend only on the fonts and on what the test sets.
#pragma once

#include <string>
#include <string_view>

#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "layout/VYXPaginate.h"
#include "model/VYXLogParas.h"

// Long enough to wrap over several rows at every usual page width.
inline const std::u16string cProse =
    u"The quick brown fox jumps over the lazy dog while the committee debates the merits of "
    u"typographic tradition, the width of margins, and whether justified text should ever "
    u"leave rivers of white running down the page of a carefully printed book.";

struct TVYXLayoutTestDoc {
    TVYXGDILinux Gdi{96};
    TVYXLogDocEditor Doc;
    TVYXPaginatorDoc Layout{Gdi, Doc};
    TVYXLogPara& Para(std::u16string_view text, double spaceAfter = 0, double spaceBefore = 0)
    {
        TVYXLogPara& p = Doc.AppendParaUI(text);
        p.PAPX().SetSpaceAfter(spaceAfter);
        p.PAPX().SetSpaceBefore(spaceBefore);
        p.PAPX().SetLineSpacing(1);
        return p;
    }
    static TVYXPhyRows& Rows(const TVYXLogPara& p) { return *dynamic_cast<TVYXPhyRows*>(p.Rows()); }
};
