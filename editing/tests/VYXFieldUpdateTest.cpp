// VYXFieldUpdateTest.cpp: field results: table formulas, masks, dates, references and sequences.
#include <gtest/gtest.h>

#include "editing/VYXFieldUpdate.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/tests/VYXBodyTestDoc.h"

namespace {

// The text of the field runs of a paragraph list in reading order, cells included.
std::vector<std::u16string> FieldTexts(TVYXLogDocument& doc)
{
    std::vector<std::u16string> texts;
    for (TVYXLogPara* p = doc.FirstPara(); p; p = p->Next())
        for (int i = 0; i < p->Count(); ++i)
            if (p->GetItems(i)->Type_() == acrtSimpleField)
                texts.push_back(p->GetItems(i)->Text());
    return texts;
}

constexpr double cDate = 45667.5625;  // 2025-01-10 13:30

}  // namespace

TEST(FieldUpdate, TableFormulasOverTheCellsOfTheirTable)
{
    // | 10  | 20     | =SUM(LEFT)  |
    // | 1.5 | $1,000 | =SUM(LEFT)  |
    // | =SUM(ABOVE) \# "0.00" | =A1*B2 | =SUM(ABOVE) |
    // and a formula outside the table, one in a nested table, one that does not parse.
    TVYXBodyTestDoc doc;
    TVYXLogParas& body = doc.Body;
    TVYXTable* t = body.AddTable(3, 3);
    t->GetCells(0, 0)->FirstPara()->SetPlainText(u"10");
    t->GetCells(1, 0)->FirstPara()->SetPlainText(u"20");
    t->GetCells(2, 0)->FirstPara()->AppendField(u"=SUM(LEFT)");
    t->GetCells(0, 1)->FirstPara()->SetPlainText(u"1.5");
    t->GetCells(1, 1)->FirstPara()->SetPlainText(u"$1,000");
    t->GetCells(2, 1)->FirstPara()->AppendField(u"=SUM(left)");
    t->GetCells(0, 2)->FirstPara()->AppendField(u"=SUM(ABOVE) \\# \"0.00\"");
    t->GetCells(1, 2)->FirstPara()->AppendField(u"=A1*B2");
    t->GetCells(2, 2)->FirstPara()->AppendField(u"=SUM(ABOVE)", u"stale");
    TVYXTable* inner = t->GetCells(0, 0)->Paras().AddTable(1, 2);
    inner->GetCells(0, 0)->FirstPara()->SetPlainText(u"7");
    inner->GetCells(0, 1)->FirstPara()->AppendField(u"=SUM(ABOVE)*2");
    body.AppendPara(u"Total: ")->AppendField(u"=2+3*4 \\# \"#,##0.0\"");
    body.AppendPara(u"")->AppendField(u"=SUM(ABOVE)");
    body.AppendPara(u"")->AppendField(u"=1+*2");

    TVYXFieldUpdater updater;
    EXPECT_EQ(updater.UpdateFields(doc.Doc), 9);
    // Fields compute in reading order, so a later field sees an earlier one's result
    // (the row sums 30 and 1001.5 are summed by the last column's =SUM(ABOVE)).
    EXPECT_EQ(FieldTexts(doc.Doc), (std::vector<std::u16string>{u"14", u"30", u"1001.5", u"11.50", u"10000", u"1031.5",
                                                                 u"14.0", u"#NAME?", u"#VALUE!"}));
}

TEST(FieldUpdate, DatesReferencesSequencesAndPlaceholders)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"Intro text");
    doc.Doc.Bookmarks().Add(u"Intro");  // a bookmark with no range gives empty text
    p->AppendField(u"DATE \\@ \"dddd d MMMM yyyy\"");
    p->AppendField(u"TIME \\@ \"h:mm AM/PM\"");
    p->AppendField(u"TIME");
    p->AppendField(u"DATE \\@ \"'Week of' dd/MM/yy HH:mm:ss\"");
    p->AppendField(u"PAGE");
    p->AppendField(u"NUMPAGES");
    p->AppendField(u"REF Missing");
    p->AppendField(u"SEQ Figure");
    p->AppendField(u"SEQ Table");
    p->AppendField(u"SEQ figure");
    p->AppendField(u"SEQ Figure \\c");
    p->AppendField(u"SEQ Figure \\r 10");
    p->AppendField(u"SEQ Figure \\h");
    p->AppendField(u"SEQ Figure");
    TVYXCharRunSimpleField* locked = p->AppendField(u"DATE", u"kept");
    static_cast<TVYXSimpleField*>(locked->SimpField())->Locked = true;
    p->AppendField(u"AUTHOR", u"unchanged");

    TVYXFieldUpdater updater;
    updater.Now = cDate;
    EXPECT_EQ(updater.UpdateFields(doc.Doc), 14);
    EXPECT_EQ(FieldTexts(doc.Doc),
              (std::vector<std::u16string>{u"Friday 10 January 2025", u"1:30 PM", u"13:30", u"Week of 10/01/25 13:30:00",
                                           u"1", u"1", u"<<REF>>", u"1", u"1", u"2", u"2", u"10", u"", u"12", u"kept",
                                           u"unchanged"}));
    // A second update starts the counters afresh.
    updater.UpdateFields(doc.Doc);
    EXPECT_EQ(FieldTexts(doc.Doc)[13], u"12");
}

TEST(FieldUpdate, SecondaryDocumentsAreUpdatedToo)
{
    TVYXBodyTestDoc doc;
    doc.Body.AppendPara(u"")->AppendField(u"SEQ n");
    TVYXLogDocument header(aldtHeader, nullptr, &doc.Doc);
    header.Paras().AppendPara(u"")->AppendField(u"SEQ n");
    header.Paras().AppendPara(u"")->AppendField(u"=6/4 \\# \"0%\"");
    TVYXFieldUpdater updater;
    EXPECT_EQ(updater.UpdateFields(doc.Doc, {&header, nullptr}), 3);
    EXPECT_EQ(FieldTexts(header), (std::vector<std::u16string>{u"2", u"150%"}));
}

TEST(FieldUpdate, ComplexFieldsGetTheirResultInTheResultRuns)
{
    TVYXBodyTestDoc doc;
    TVYXTable* t = doc.Body.AddTable(1, 3);
    t->GetCells(0, 0)->FirstPara()->SetPlainText(u"4");
    t->GetCells(0, 1)->FirstPara()->SetPlainText(u"5");
    TVYXLogPara* sum = t->GetCells(0, 2)->FirstPara();
    sum->SetPlainText(u"Sum: ");
    sum->CharRuns().AddComplexField(u"old", u"=SUM(ABOVE) \\# \"0.0\"");
    sum->CharRuns().Add(nullptr)->SetRawText(u" done");
    TVYXLogPara* p = doc.Body.AppendPara(u"");
    TVYXCharRuns& runs = p->CharRuns();
    runs.AddFldChar(acrfctBegin);
    runs.AddInstrText(u" SEQ ");
    runs.AddInstrText(u"Fig ");
    runs.AddFldChar(acrfctSeparate);
    runs.Add(nullptr)->SetRawText(u"x");
    runs.Add(nullptr)->SetRawText(u"y");
    runs.AddFldChar(acrfctEnd);
    p->CharRuns().AddComplexField(u"no separate", u"PAGE");  // its separate goes below
    for (int i = 0; i < p->Count(); ++i)
        if (p->GetItems(i)->Type_() == acrtFldChar &&
            static_cast<TVYXCharRunFldChar*>(p->GetItems(i))->FldCharType == acrfctSeparate && i > 5)
            p->CharRuns().Delete(i);
    TVYXFieldUpdater updater;
    EXPECT_EQ(updater.UpdateFields(doc.Doc), 2);
    EXPECT_EQ(sum->GetPlainText(), u"Sum: 9.0 done");
    EXPECT_EQ(p->GetPlainText(), u"1no separate");
}
