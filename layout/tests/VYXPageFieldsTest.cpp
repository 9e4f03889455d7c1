// Page-number fields written in the complex form (as the DOCX reader makes every field):
// each page's header and footer must show that page's own number.
#include <gtest/gtest.h>

#include <string>

#include "editing/VYXFieldUpdate.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXWriteDOCX.h"
#include "layout/VYXGDIAbstract.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPaintDoc.h"
#include "model/VYXCharRun.h"
#include "model/VYXLogParas.h"

namespace {

// Three pages whose footer reads "Page {PAGE} of {NUMPAGES}" and whose header carries
// a roman page number and the section's page count, each written as complex fields
// with stale results, saved as DOCX and read back.
void BuildThreePages(TVYXLogDocEditor& back)
{
    TVYXLogDocEditor doc;
    TVYXLogPara& f = doc.Footers().Add(ahftDefault).AppendParaUI(u"Page ");
    f.CharRuns().AddComplexField(u"1", u" PAGE \\* MERGEFORMAT ");
    f.Append(u" of ");
    f.CharRuns().AddComplexField(u"1", u" NUMPAGES ");
    TVYXLogPara& h = doc.Headers().Add(ahftDefault).AppendParaUI(u"Folio ");
    h.CharRuns().AddComplexField(u"i", u" PAGE \\* ROMAN ");
    h.Append(u" / ");
    h.CharRuns().AddComplexField(u"9", u" SECTIONPAGES ");
    for (int i = 0; i < 3; ++i) {
        TVYXLogPara& p = doc.AppendParaUI(u"Body text");
        if (i > 0)
            p.InsertBreak(1, acrbtPageBreak);
    }
    TVYXReadDOCX(back).LoadFromBytes(TVYXWriteDOCX(doc).SaveToBytes());
}

int CountRuns(const TVYXLogPara& para, TVYXCharRunType type)
{
    int n = 0;
    for (int i = 0; i < para.CharRuns().Count(); ++i)
        n += para.CharRuns().Items(i)->Type_() == type ? 1 : 0;
    return n;
}

}  // namespace

TEST(PageFields, ComplexFieldsInFooterAndHeaderShowEachPagesNumber)
{
    TVYXGDITrace gdi(96);
    TVYXLogDocEditor doc;
    BuildThreePages(doc);
    TVYXLogDocEditor* footer = doc.Footers().Find(ahftDefault);
    ASSERT_NE(footer, nullptr);
    // The reader gives the complex form: the painter must not rely on simple fields.
    ASSERT_EQ(CountRuns(*footer->LastPara(), acrtFldChar), 6);
    ASSERT_EQ(CountRuns(*footer->LastPara(), acrtSimpleField), 0);

    TVYXPaginatorDoc layout(gdi, doc);
    layout.Paginate();
    ASSERT_EQ(layout.Pages().Count(), 3);
    TVYXPaintDoc paint(gdi, doc, layout);
    paint.Options.Printing = true;
    static const char* const cRoman[] = {"I", "II", "III"};
    for (int i = 0; i < 3; ++i) {
        gdi.ClearText();
        paint.PaintPage(i, 0, 0);
        const std::string& text = gdi.Text();
        const std::string n = "\"" + std::to_string(i + 1) + "\"";
        EXPECT_NE(text.find(n), std::string::npos) << "page " << i + 1 << "\n" << text;
        EXPECT_NE(text.find("\"3\""), std::string::npos) << "NUMPAGES and SECTIONPAGES, page " << i + 1;
        EXPECT_NE(text.find("\"" + std::string(cRoman[i]) + "\""), std::string::npos) << "page " << i + 1 << "\n" << text;
        // The stale results of the file never show.
        EXPECT_EQ(text.find("\"i\""), std::string::npos) << text;
        EXPECT_EQ(text.find("\"9\""), std::string::npos) << text;
        if (i > 0) {
            EXPECT_EQ(text.find("\"1\""), std::string::npos) << "page " << i + 1 << "\n" << text;
        }
    }
}

TEST(PageFields, ResultSpreadOverRunsShowsOnceAndOtherFieldsKeepTheirResult)
{
    TVYXGDITrace gdi(96);
    TVYXLogDocEditor doc;
    TVYXLogPara& f = doc.Footers().Add(ahftDefault).AppendParaUI(u"P");
    TVYXCharRuns& runs = f.CharRuns();
    // An old result in two runs ("4" and "2"): the number replaces the first, the second goes.
    runs.AddFldChar(acrfctBegin);
    runs.AddInstrText(u" PAGE ");
    runs.AddFldChar(acrfctSeparate);
    runs.Add()->SetText(u"4");
    runs.Add()->SetText(u"2");
    runs.AddFldChar(acrfctEnd);
    f.Append(u" ");
    // A field that is no page number keeps its result.
    runs.AddComplexField(u"Keep me", u" TITLE ");
    for (int i = 0; i < 2; ++i) {
        TVYXLogPara& p = doc.AppendParaUI(u"Body");
        if (i > 0)
            p.InsertBreak(1, acrbtPageBreak);
    }
    TVYXPaginatorDoc layout(gdi, doc);
    layout.Paginate();
    ASSERT_EQ(layout.Pages().Count(), 2);
    TVYXPaintDoc paint(gdi, doc, layout);
    paint.Options.Printing = true;
    gdi.ClearText();
    paint.PaintPage(1, 0, 0);
    const std::string& text = gdi.Text();
    EXPECT_NE(text.find("\"2\""), std::string::npos) << text;
    EXPECT_EQ(text.find("\"4\""), std::string::npos) << text;
    EXPECT_EQ(text.find("\"22\""), std::string::npos) << text;
    EXPECT_EQ(text.find("\"2\""), text.rfind("\"2\"")) << "the old second run must not show\n" << text;
    EXPECT_NE(text.find("Keep me"), std::string::npos) << text;
}

TEST(PageFields, SimpleFieldsSurviveADocxRoundTrip)
{
    TVYXLogDocEditor doc;
    TVYXLogPara& f = doc.Footers().Add(ahftDefault).AppendParaUI(u"Page ");
    f.AppendField(u" PAGE ", u"1");
    f.Append(u" of ");
    f.AppendField(u" NUMPAGES ");  // an empty result must still keep the field
    TVYXLogPara& body = doc.AppendParaUI(u"By ");
    body.AppendField(u" AUTHOR \\* Upper ", u"ANNE");
    body.Append(u".");
    doc.AppendParaUI(u"Second").InsertBreak(1, acrbtPageBreak);

    TVYXLogDocEditor back;
    TVYXReadDOCX(back).LoadFromBytes(TVYXWriteDOCX(doc).SaveToBytes());
    const auto instructions = [](const TVYXLogPara& para) {
        std::u16string all;
        for (int i = 0; i < para.CharRuns().Count(); ++i) {
            const TVYXCharRun* run = para.CharRuns().Items(i);
            if (run->Type_() == acrtInstrText)
                all += static_cast<const TVYXCharRunInstrText*>(run)->InstrText + u"|";
        }
        return all;
    };
    TVYXLogDocEditor* footer = back.Footers().Find(ahftDefault);
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(instructions(*footer->LastPara()), u"PAGE|NUMPAGES|");
    EXPECT_EQ(CountRuns(*footer->LastPara(), acrtFldChar), 6);
    const TVYXLogPara& backBody = *back.FirstPara();
    EXPECT_EQ(instructions(backBody), u"AUTHOR \\* Upper|");
    std::u16string shown;
    for (int i = 0; i < backBody.CharRuns().Count(); ++i)
        if (backBody.CharRuns().Items(i)->Type_() == acrtText)
            shown += backBody.CharRuns().Items(i)->Text();
    EXPECT_EQ(shown, u"By ANNE.");

    // And the footer read back numbers its pages.
    TVYXGDITrace gdi(96);
    TVYXPaginatorDoc layout(gdi, back);
    layout.Paginate();
    ASSERT_EQ(layout.Pages().Count(), 2);
    TVYXPaintDoc paint(gdi, back, layout);
    paint.Options.Printing = true;
    gdi.ClearText();
    paint.PaintPage(1, 0, 0);
    const std::string& text = gdi.Text();
    EXPECT_NE(text.find("\"2\""), std::string::npos) << text;
    EXPECT_EQ(text.find("\"1\""), std::string::npos) << "NUMPAGES shows 2, PAGE shows 2\n" << text;
}

TEST(PageFields, NestedFieldKeepsItsPlaceInTheInstructionThroughDocx)
{
    TVYXLogDocEditor doc;
    TVYXLogPara& p = doc.AppendParaUI(u"Member: ");
    TVYXCharRuns& runs = p.CharRuns();
    runs.AddFldChar(acrfctBegin);
    runs.AddInstrText(u" IF ");
    runs.AddFldChar(acrfctBegin);
    runs.AddInstrText(u" MERGEFIELD Member ");
    runs.AddFldChar(acrfctSeparate);
    runs.Add()->SetText(u"true");
    runs.AddFldChar(acrfctEnd);
    runs.AddInstrText(u" = \"true\" \"yes\" \"no\" ");
    runs.AddFldChar(acrfctSeparate);
    runs.Add()->SetText(u"yes");
    runs.AddFldChar(acrfctEnd);
    p.MakeDirty();

    TVYXLogDocEditor back;
    TVYXReadDOCX(back).LoadFromBytes(TVYXWriteDOCX(doc).SaveToBytes());
    // The run sequence, one letter a run: b(egin) s(eparate) e(nd), i(nstruction), t(ext).
    std::string shape;
    std::u16string instructions;
    const TVYXCharRuns& read = back.FirstPara()->CharRuns();
    for (int i = 0; i < read.Count(); ++i) {
        const TVYXCharRun* run = read.Items(i);
        if (run->Type_() == acrtFldChar) {
            const auto type = static_cast<const TVYXCharRunFldChar*>(run)->FldCharType;
            shape += type == acrfctBegin ? 'b' : type == acrfctSeparate ? 's' : 'e';
        } else if (run->Type_() == acrtInstrText) {
            shape += 'i';
            instructions += static_cast<const TVYXCharRunInstrText*>(run)->InstrText + u"|";
        } else if (run->Type_() == acrtText && !run->Text().empty()) {
            shape += 't';
        }
    }
    EXPECT_EQ(shape, "tbibisteiste");
    EXPECT_EQ(instructions, u" IF | MERGEFIELD Member | = \"true\" \"yes\" \"no\" |");
}

TEST(PageFields, OneDatePictureForFieldsAndMergeValues)
{
    // 29 February 2024, 14:05:09: a leap day, an afternoon hour, single-digit minutes.
    const double serial = 45351.0 + (14 * 3600 + 5 * 60 + 9) / 86400.0;
    const TVYXLocaleSettings locale;
    EXPECT_EQ(VYXFormatDatePicture(serial, u"dddd, d MMMM yyyy", locale), u"Thursday, 29 February 2024");
    EXPECT_EQ(VYXFormatDatePicture(serial, u"ddd dd/MM/yy h:mm:ss am/pm", locale), u"Thu 29/02/24 2:05:09 pm");
    EXPECT_EQ(VYXFormatDatePicture(serial, u"HH'h'mm 'at' MMM", locale), u"14h05 at Feb");
    EXPECT_EQ(VYXFormatDatePicture(-1e12, u"yyyy", locale), u"");  // no such date
}
