// FuzzLayout.cpp: documents built by random commands laid out, edited and laid out again.
//
// Each input byte picks a command (paragraphs, tabs, breaks, tables, notes, lists,
// sections, columns, indents, spacing, headers, objects, right-to-left and CJK text,
// web layout, typing); the byte after it is its argument. The document is laid out
// with the trace device (fixed-pitch measuring), edited, and laid out again; every
// row must land on a page.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "editing/VYXLogEditor.h"
#include "layout/VYXGDIAbstract.h"
#include "layout/VYXPaginate.h"
#include "model/VYXDocSection.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"

namespace {

const std::u16string cTexts[] = {
    u"plain words of English text ", u"\u05E9\u05DC\u05D5\u05DD world \u0633\u0644\u0627\u0645 ",
    u"\u4E2D\u6587\u7684\u6587\u5B57\u3002", u"supercalifragilisticexpialidocious-and-more",
    u"   ", u"a\u00ADb\u00ADc", u"\U0001F600 \U0001F1E9\U0001F1EA \uFFFC", u"12.50",
};

void Build(TVYXLogDocEditor& doc, const std::uint8_t* data, std::size_t size)
{
    TVYXLogPara* para = &doc.AppendPara();
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const std::uint8_t arg = data[i + 1];
        const double value = (static_cast<int>(arg) - 64) * 3.0;  // -192..573 points
        switch (data[i] % 22) {
        case 0: para = &doc.AppendParaUI(cTexts[arg % 8]); break;
        case 1: para->Append(cTexts[arg % 8]); break;
        case 2: para->AppendTab(); break;
        case 3: para->AppendBreak(arg % 3 == 0 ? acrbtPageBreak : arg % 3 == 1 ? acrbtColumn : acrbtLineBreak); break;
        case 4: {
            TVYXTable& t = doc.AppendTableUI(1 + arg % 4, 1 + arg % 5);
            t.GetRows(0)->RptData = arg & 1;
            t.GetRows(t.Count() - 1)->Height = value;
            t.GetRows(t.Count() - 1)->HeightExact = arg & 2;
            t.GetRows(0)->CantSplit = arg & 8;
            doc.CellPara(t, 0, 0).Append(cTexts[arg % 8]);
            if (arg & 4)
                doc.CellPara(t, 0, 0).Paras()->AddTable(2, 2);
            para = &doc.AppendPara();
            break;
        }
        case 5: doc.AppendFootnote(cTexts[arg % 8]); break;
        case 6: para->PAPX().SetAlignment(static_cast<TVYXPapTextAlign>(arg % 4)); break;
        case 7: para->PAPX().SetIndentLeft(value); break;
        case 8: para->PAPX().SetIndentFirstLine(value); break;
        case 9: para->PAPX().SetIndentHanging(value); break;
        case 10: para->PAPX().SetLineSpacing(value / 50); break;
        case 11: para->PAPX().SetSpaceBefore(value); break;
        case 12: {
            TVYXSEP sep(&doc.SEP(), &doc.DOP());
            sep.Type = static_cast<TVYXSEPType>(arg % 6);
            if (arg & 8)
                sep.AddCols(1 + arg % 3, arg % 40);
            if (arg & 16)
                sep.PageHeight = value;
            doc.AppendSection(sep);
            para = &doc.AppendPara();
            break;
        }
        case 13: doc.Headers().AddDefault().AppendParaUI(cTexts[arg % 8]); break;
        case 14: {
            auto obj = std::make_unique<TVYXGraphicObj>();
            obj->Width = value;
            obj->Height = arg * 2.0;
            obj->Wrap = static_cast<TVYXGrObjWrap>(arg % 6);
            obj->VertPosRel = static_cast<TVYXGrObjVertPosRelative>((arg / 6) % 8);  // on the page or beside the text
            obj->HorizPosRel = static_cast<TVYXGrObjHorizPosRelative>((arg / 48) % 8);
            obj->PosTop = value / 2;
            if (obj->Wrap == agowInLine)
                para->AppendGraphic(std::move(obj));
            else
                para->AddGraphic(std::move(obj));
            break;
        }
        case 15: doc.AppendBulletPara(cTexts[arg % 8], arg % 9); break;
        case 16: doc.DOP().WebLayout = arg & 1; break;
        case 17: para->AddTabStops()->Add(value, static_cast<TVYXTabStopAlignment>(arg % 6)); break;
        case 18: para->PAPX().RTL = arg & 1; break;
        case 19: doc.SEP().PageWidth = value; break;
        case 20: para->PAPX().SetKeepNext(arg & 1); para->PAPX().SetKeepLines(arg & 2); para->PAPX().SetWidowControl(arg & 4); break;
        case 21: doc.AppendFootnote(std::u16string(cTexts[arg % 8]) + cTexts[(arg + 1) % 8] + cTexts[(arg + 2) % 8]); break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 600)
        return 0;  // a few hundred commands reach every path; more only slows the search
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        Build(doc, data, size);
    }
    TVYXGDITrace gdi(96);
    TVYXPaginatorDoc layout(gdi, doc);
    layout.Paginate();
    // Typing into the middle paragraph, then the relayout the editor would run.
    TVYXDocAddress at;
    at.Item = doc.Paras().Count() / 2;
    if (doc.Paras().GetItems(at.Item)->IsPara()) {
        doc.InsertText(at, u"typed ");
        layout.Paginate();
    }
    for (int i = 0; i < layout.Pages().Count(); ++i) {
        const TVYXPhyPage& page = layout.Pages().GetItems(i);
        for (int r = 0; r < page.Rows.Count(); ++r)
            if (page.Rows.GetItems(r).Page != i)
                std::abort();  // a row listed on a page it does not belong to
    }
    TVYXGDIDummy dummy;
    TVYXPaginatorDoc nothing(dummy, doc);
    nothing.Paginate();
    return 0;
}
