// VYXStylesTest.cpp: the style sheet (ids, lookups, defaults, copying between sheets) and list numbering.
#include <gtest/gtest.h>

#include "model/VYXDocData.h"
#include "model/VYXNumbering.h"
#include "model/VYXStyles.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

TEST(Styles, IdsLookupsAndDefaults)
{
    TVYXStyles sheet;
    sheet.AddPara(u"Heading", u"Heading");
    sheet.AddPara(u"Heading1", u"Heading 1");
    EXPECT_EQ(sheet.AddPara(u"Heading")->Id, u"Heading11");
    EXPECT_EQ(sheet.Find(u"heading"), nullptr);  // ids are exact
    EXPECT_EQ(sheet.FindByName(u"HEADING 1", astPara), sheet.Find(u"Heading1"));
    EXPECT_EQ(sheet.FindByName(u"Heading 1", astCharRun), nullptr);

    EXPECT_EQ(sheet.FindDefault(astTable), nullptr);
    TVYXTableStyle* t1 = sheet.AddTable(u"T1");
    TVYXTableStyle* t2 = sheet.AddTable(u"T2");
    EXPECT_EQ(sheet.DefaultTable(), t1);  // no flag: the first of the kind
    sheet.SetDefault(t2);
    EXPECT_EQ(sheet.DefaultTable(), t2);
    TVYXParaStyle* normal = sheet.AddPara(u"Normal");
    sheet.SetDefault(normal);
    TVYXCharStyle* dpf = sheet.AddChar(u"DPF");
    sheet.SetDefault(dpf);
    EXPECT_TRUE(normal->Default);  // another kind is untouched
    EXPECT_TRUE(t2->Default);
    EXPECT_FALSE(t1->Default);

    try {
        (void)normal->CreateSame();
        FAIL();
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "__TODO__");
    }
    // A style's lists fall back to the sheet's masters.
    sheet.MasterCHP().Size = 11;
    EXPECT_DOUBLE_EQ(normal->CHPX().GetSize(), 11);
}

TEST(Styles, AddIfNotHasBringsBaseNextAndLink)
{
    TVYXStyles source, target;
    TVYXParaStyle* normal = source.AddPara(u"Normal");
    TVYXParaStyle* heading = source.AddPara(u"Heading1", u"heading 1");
    TVYXCharStyle* headingChar = source.AddChar(u"Heading1Char", u"Heading 1 Char");
    heading->BasedOn = normal;
    heading->Next = normal;
    heading->Link = headingChar;
    heading->PAPX().SetSpaceBefore(24);
    heading->CHPX().SetBold(true);
    normal->PAPX().SetIndentLeft(5);

    TVYXStyle* copy = target.AddIfNotHas(*heading, &source);
    auto* para = dynamic_cast<TVYXParaStyle*>(copy);
    ASSERT_NE(para, nullptr);
    EXPECT_EQ(para->Id, u"heading 1");  // a new style takes its id from the name
    ASSERT_NE(para->BasedOn, nullptr);
    EXPECT_EQ(para->BasedOn, target.Find(u"Normal"));
    EXPECT_EQ(para->Next, para->BasedOn);
    ASSERT_NE(para->Link, nullptr);
    EXPECT_EQ(para->Link->Type_(), astCharRun);
    EXPECT_DOUBLE_EQ(para->PAPX().GetSpaceBefore(), 24);
    EXPECT_TRUE(para->CHPX().GetBold());
    EXPECT_DOUBLE_EQ(static_cast<TVYXParaStyle*>(para->BasedOn)->PAPX().GetIndentLeft(), 5);
    const int count = target.Count();
    target.AddPara(u"Heading1", u"ignored");
    EXPECT_EQ(target.AddIfNotHas(*heading, &source), target.Find(u"Heading1"));  // found by id: nothing added
    EXPECT_EQ(target.Count(), count + 1);

    // Assign copies every style with ids kept and references mapped.
    TVYXStyles clone;
    clone.Assign(source);
    ASSERT_EQ(clone.Count(), source.Count());
    auto* h = dynamic_cast<TVYXParaStyle*>(clone.Find(u"Heading1"));
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->BasedOn, clone.Find(u"Normal"));
    EXPECT_EQ(h->Link, clone.Find(u"Heading1Char"));

    // Append keeps existing styles of the same kind and name.
    TVYXStyles other;
    other.AddPara(u"Normal")->PAPX().SetIndentLeft(99);
    other.AddChar(u"Strong");
    clone.Append(other);
    EXPECT_DOUBLE_EQ(static_cast<TVYXParaStyle*>(clone.Find(u"Normal"))->PAPX().GetIndentLeft(), 5);
    EXPECT_NE(clone.Find(u"Strong"), nullptr);
}

TEST(Numbering, ListsAndLevels)
{
    TVYXNumberings lists;
    TVYXNumbering* level2 = lists.Add(2);
    ASSERT_NE(level2, nullptr);
    EXPECT_EQ(level2->Level, 2);
    EXPECT_EQ(lists.FindList(0)->Count(), 3);
    EXPECT_EQ(lists.Add(2), nullptr);
    EXPECT_EQ(lists.AddOrGet(2), level2);
    EXPECT_DOUBLE_EQ(level2->PAPX().GetIndentLeft(), 72);
    EXPECT_EQ(level2->CHPX().GetFontName(), u"Wingdings");
    EXPECT_EQ(lists.Find(0, 3), nullptr);
    EXPECT_EQ(lists.Find(7, 0), nullptr);
    EXPECT_EQ(lists.Add(0, 9), nullptr);

    TVYXNumbering* roman = lists.AddNewNumbering(anstUpperRoman);
    EXPECT_EQ(roman->GetId(), 1);
    EXPECT_EQ(roman->Text, u"%1.");
    EXPECT_EQ(roman->Align, vyptaRight);
    EXPECT_DOUBLE_EQ(roman->PAPX().GetIndentLeft(), 36);
    EXPECT_DOUBLE_EQ(roman->PAPX().GetIndentHanging(), 18);
    TVYXNumberingsList* list = roman->NumList();
    EXPECT_EQ(list->GetItems(12), list->GetItems(8));
    EXPECT_EQ(list->GetItems(-1), roman);
    EXPECT_EQ(list->Index(), 1);

    TVYXNumbering* legal = lists.AddNewMultilevel(amls_1_1_1)->NumList()->GetItems(2);
    EXPECT_EQ(legal->Text, u"%1.%2.%3.");
    EXPECT_DOUBLE_EQ(legal->PAPX().GetIndentLeft(), 72);
    TVYXNumbering* cycle = lists.AddNewMultilevel(amls_1_a_i)->NumList()->GetItems(4);
    EXPECT_EQ(cycle->Style, anstLowerLetter);
    EXPECT_DOUBLE_EQ(cycle->PAPX().GetIndentLeft(), 90);

    TVYXNumberings copy;
    copy.Assign(lists);
    ASSERT_EQ(copy.Count(), lists.Count());
    EXPECT_EQ(copy.Find(2, 2)->Text, u"%1.%2.%3.");
    EXPECT_EQ(copy.Find(2, 2)->Owner(), &copy);
}

TEST(Numbering, CounterFormats)
{
    struct TCase {
        std::int32_t Counter;
        TVYXNumberingStyleType Style;
        const char16_t* Text;
    };
    const TCase cases[] = {
        {0, anstDecimal, u"0"},          {12, anstDecimalParen, u"12"},  {1, anstLowerRoman, u"i"},
        {4, anstLowerRoman, u"iv"},      {3999, anstUpperRoman, u"MMMCMXCIX"}, {0, anstUpperRoman, u""},
        {1, anstLowerLetter, u"a"},      {26, anstLowerLetter, u"z"},   {27, anstLowerLetter, u"aa"},
        {53, anstUpperLetter, u"AAA"},   {0, anstUpperLetter, u""},     {5, anstBullet, u""},
        {-3, anstLowerLetterParen, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Counter) + " style " + std::to_string(c.Style));
        EXPECT_EQ(FormatListCounter(c.Counter, c.Style), c.Text);
    }
}

TEST(Numbering, CountingAcrossLevelsAndInterruptions)
{
    TVYXNumberings lists;
    TVYXNumbering* l0 = lists.AddNewMultilevel(amls_1_1_1);
    TVYXNumberingsList* list = l0->NumList();
    TVYXNumbering* l1 = list->GetItems(1);
    list->GetItems(1)->Style = anstLowerLetter;
    TVYXListCounter counter;
    struct TStep {
        const TVYXNumbering* Level;
        bool Empty;
        const char16_t* Text;
    };
    const TStep steps[] = {
        {l0, false, u"1."},  {l0, false, u"2."},      {l1, false, u"2.a."}, {l1, false, u"2.b."},
        {nullptr, true, u""}, {l0, false, u"3."},      {l1, false, u"3.a."}, {nullptr, false, u""},
        {l1, false, u"3.b."},  // inside a deeper level the stack keeps the list going
        {l0, false, u"4."},
        {nullptr, false, u""},  // body text on the top level interrupts the list
        {l0, false, u"1."},
    };
    int i = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE(i++);
        EXPECT_EQ(counter.Next(s.Level, s.Empty), s.Text);
    }

    TVYXNumbering* start = lists.AddNewNumbering(anstDecimal);
    start->StartVal = 5;
    TVYXListCounter fresh;
    EXPECT_EQ(fresh.Next(start, false), u"5.");
    TVYXNumbering* bullet = lists.AddNewBullet(u"*");
    EXPECT_EQ(fresh.Next(bullet, false), u"*");
}

TEST(Styles, CyclesFromDamagedFilesEnd)
{
    TVYXStyles source, target;
    TVYXParaStyle* a = source.AddPara(u"A", u"Alpha");
    TVYXParaStyle* b = source.AddPara(u"B", u"Beta");
    a->BasedOn = b;
    b->BasedOn = a;
    a->Next = a;
    TVYXStyle* copy = target.AddIfNotHas(*a, &source);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(target.Count(), 2);  // each source style copied once
    ASSERT_NE(copy->BasedOn, nullptr);
    EXPECT_EQ(static_cast<TVYXParaStyle*>(copy)->Next, copy);

    // Character styles whose lists name each other.
    TVYXCharStyle* x = source.AddChar(u"X");
    TVYXCharStyle* y = source.AddChar(u"Y");
    x->CHPX().SetStyle(y);
    y->CHPX().SetStyle(x);
    x->CHPX().SetItalic(true);
    TVYXCHPX run(&source.MasterCHP());
    run.SetStyle(x);
    TVYXFontDataDoc font;
    font.Resolve(source.MasterCHP(), nullptr, &run, false);
    EXPECT_TRUE(font.Italic);
    TVYXCHPX copied(&target.MasterCHP());
    copied.Assign(run, &source, &target);
    ASSERT_NE(copied.GetStyle(), nullptr);
}

TEST(Numbering, ParagraphsJoinAndLeaveLists)
{
    TVYXStyles styles;
    TVYXParaStyle* listStyle = styles.AddPara(u"ListParagraph", u"List Paragraph");
    TVYXNumberings lists;
    TVYXPAPX first(&styles.MasterPAP()), second(&styles.MasterPAP()), third(&styles.MasterPAP());

    TVYXNumbering* level = VYXAutoNumberParagraph(first, nullptr, lists, &styles, anstUpperRoman);
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->Style, anstUpperRoman);
    EXPECT_EQ(first.GetStyle(), listStyle);
    EXPECT_EQ(VYXAutoNumberParagraph(second, &first, lists, &styles, anstBullet), level);  // continues
    EXPECT_EQ(lists.Count(), 1);
    TVYXPAPX bullet(&styles.MasterPAP());
    EXPECT_EQ(VYXAutoNumberParagraph(bullet, nullptr, lists, nullptr, anstBullet)->Style, anstBullet);

    first.SetKeepNext(true);
    EXPECT_TRUE(VYXInheritNeighbourList(third, nullptr, &first));  // no previous: the next one
    EXPECT_EQ(third.GetNumbering(), level);
    EXPECT_TRUE(third.GetKeepNext());
    EXPECT_FALSE(VYXInheritNeighbourList(third, &first, nullptr));  // already in a list

    TVYXPAPX after(&styles.MasterPAP());
    after.SetIndentLeft(36);
    after.SetIndentHanging(18);
    after.SetStyle(listStyle);
    after.SetNumbering(level);
    after.SetSpaceAfter(4);
    VYXLeaveAutoNumbering(after, &second);
    EXPECT_EQ(after.Count(), 1);  // only the space after stays
}
