// VYXFieldsTest.cpp: field instructions as documents write them, form fields, bookmarks with
// duplicate names, hyperlink lists and markup ranges over run lists.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/VYXFields.h"
#include "model/VYXUtils.h"
#include "platform/VYXErrors.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

namespace {
std::u16string RunsText(const TVYXCharRuns& runs)
{
    std::u16string text;
    for (int i = 0; i < runs.Count(); ++i)
        text += runs.Items(i)->GetPlainText();
    return text;
}

void AddTexts(TVYXCharRuns& runs, std::initializer_list<const char*> texts)
{
    for (const char* t : texts)
        runs.Add()->SetRawText(U16(t));
}
}  // namespace

TEST(Fields, KeywordTableIsSorted)
{
    EXPECT_TRUE(std::is_sorted(VYXFieldKeywords.begin(), VYXFieldKeywords.end(),
                               [](const auto& a, const auto& b) { return a.Keyword < b.Keyword; }));
    for (const auto& k : VYXFieldKeywords)
        EXPECT_EQ(VYXFieldKeywordType(k.Keyword), k.Type);
}

TEST(Fields, SimpleFieldInstructions)
{
    struct TCase {
        const char* Instr;
        TVYXSimpleFieldType Type;
        const char* Name;       // merge field name
        const char* Switch;     // "@" or "*" switch value expected, "" for none
        const char* SwitchName;
    };
    const TCase cases[] = {
        {" page ", asftPage, "", "", ""},
        {"PAGE \\* MERGEFORMAT", asftPage, "", "mergeformat", "*"},
        {" MERGEFIELD  \"First Name\" \\* MERGEFORMAT ", asftMergeField, "First Name", "mergeformat", "*"},
        {"MERGEFIELD Customer_ID", asftMergeField, "Customer_ID", "", ""},
        {"MERGEFIELD \"Street \\ No\" \\b \"Dear \"", asftMergeField, "Street \\ No", "", ""},
        {"DATE \\@ \"dd.MM.yyyy\"", asftDate, "", "dd.mm.yyyy", "@"},
        {"DATE \\@ \"MMMM d, yyyy\" \\* MERGEFORMAT", asftDate, "", "mmmm d, yyyy", "@"},
        {"SAVEDATE \\@ \"M/d/yyyy h:mm am/pm\"", asftSaveDate, "", "m/d/yyyy h:mm am/pm", "@"},
        {"REF _Ref123456 \\h", asftRef, "", "", ""},
        {"NUMPAGES", asftNumpages, "", "", ""},
        {"Author", asftAuthor, "", "", ""},
        {"FILENAME \\p", asftFilename, "", "", ""},
        {"AUTONUMLGL \\e", asftAutonumLGL, "", "", ""},
        {"SEQ Figure \\* ARABIC", asftUnknown, "", "arabic", "*"},
        {"PAGEREF _Toc00000001 \\h", asftUnknown, "", "", ""},
        {"", asftUnknown, "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Instr);
        auto field = CreateSimpleField(U16(c.Instr));
        ASSERT_TRUE(field);
        EXPECT_EQ(field->Type, c.Type);
        EXPECT_EQ(U8(field->Name), c.Name);
        std::u16string value;
        if (*c.SwitchName) {
            EXPECT_TRUE(field->Params().Find(U16(c.SwitchName), value));
            EXPECT_EQ(U8(value), c.Switch);
        }
        if (c.Type == asftUnknown) {
            EXPECT_EQ(field->AsText(), field->InstrText());
        }
    }
    // The merge field's name is also its first argument.
    auto merge = CreateSimpleField(u"MERGEFIELD \"First Name\" \\* Upper");
    ASSERT_GE(merge->Params().Count(), 2);
    EXPECT_EQ(merge->Params().Items(0).Value, u"First Name");
    EXPECT_TRUE(merge->Params().FindAsteriks(u"upper"));
}

TEST(Fields, FormulaFields)
{
    struct TCase {
        const char* Instr;
        const char* Formula;
        const char* Mask;
    };
    const TCase cases[] = {
        {" = SUM(A1:A3) \\# \"0.00\" ", "SUM(A1:A3)", "0.00"},
        {"=SUM(ABOVE)", "SUM(ABOVE)", ""},
        {"= 2*(3+4) \\# #,##0", "2*(3+4)", "#,##0"},
        {"=IF(B2>100, \"big\", \"small\")", "IF(B2>100, \"big\", \"small\")", ""},
        {"=", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Instr);
        auto field = CreateSimpleField(U16(c.Instr));
        auto* formula = dynamic_cast<TVYXFormulaField*>(field.get());
        ASSERT_TRUE(formula);
        EXPECT_EQ(formula->Type, asftFormula);
        EXPECT_EQ(U8(formula->Formula()), c.Formula);
        EXPECT_EQ(U8(formula->Mask), c.Mask);
        EXPECT_FALSE(formula->IsCompiled());
        EXPECT_EQ(formula->AsText(), u"");
    }
}

TEST(Fields, FormulaSeamCompilesOnceAndEvaluatesOnlyTokens)
{
    TVYXFormulaField field(u"=1+2 \\# 0.0");
    EXPECT_FALSE(field.Calculate({}).has_value());  // no engine: not evaluated

    int compiles = 0;
    TVYXFormulaHooks hooks;
    hooks.Compile = [&](TVYXFormulaField& f) {
        ++compiles;
        const std::uint8_t tokens[] = {0x1E, 1, 0, 0x1E, 2, 0, 0x03};
        f.SetPtgs(tokens, sizeof tokens);
        return true;
    };
    hooks.Evaluate = [](const TVYXFormulaField& f) { return U16(std::to_string(f.PtgsSz())) + u"/" + f.Mask; };
    EXPECT_EQ(field.Calculate(hooks), u"7/0.0");
    EXPECT_EQ(field.Calculate(hooks), u"7/0.0");
    EXPECT_EQ(compiles, 1);

    TVYXFormulaField copy(u"=0");
    copy.Assign(field);
    EXPECT_TRUE(copy.IsCompiled());
    EXPECT_EQ(copy.Formula(), u"1+2");

    field.SetFormula(u"1/0");
    EXPECT_FALSE(field.IsCompiled());
    EXPECT_EQ(field.Ptgs(), nullptr);
    TVYXFormulaHooks failing;
    failing.Compile = [](TVYXFormulaField&) { return false; };
    failing.Evaluate = hooks.Evaluate;
    EXPECT_FALSE(field.Calculate(failing).has_value());
}

TEST(Fields, PlaceholderTexts)
{
    TVYXLocaleSettings locale;
    locale.ShortDateFormat = u"dd.MM.yy";
    const double date = 45667;  // 2025-01-10
    EXPECT_EQ(CreateSimpleField(u"DATE")->AsText(date, locale), u"10.01.25");
    EXPECT_EQ(VYXFormatShortDate(date, u"M/d/yyyy"), u"1/10/2025");
    EXPECT_EQ(VYXFormatShortDate(2, u"yyyy-MM-dd"), u"1900-01-01");
    EXPECT_EQ(VYXFormatShortDate(1e300, u"yyyy"), u"");  // dates from files may be anything
    EXPECT_EQ(CreateSimpleField(u"REF Intro")->AsText(date, locale), u"<<REF>>");
    EXPECT_EQ(CreateSimpleField(u"PAGE")->AsText(date, locale), u"");
    EXPECT_EQ(CreateSimpleField(u" XE \"Entry\" ")->AsText(date, locale), u"XE \"Entry\"");
}

TEST(Fields, ComplexFieldsAndFormData)
{
    TVYXComplexField field;
    field.SetInstrText(u" MERGEFIELD  Amount \\# \"0.00\" ");
    EXPECT_EQ(field.Type(), acftMergeField);
    EXPECT_EQ(field.MergeName, u"Amount");
    EXPECT_FALSE(field.CanBeSimpleField());  // leading blank

    TVYXComplexField link;
    link.SetInstrText(u"HYPERLINK \"https://example.org/a b\" \\o \"tip\"");
    EXPECT_EQ(link.Type(), acftHyperlink);
    EXPECT_EQ(link.Target, u"\"https://example.org/a b\" \\o \"tip\"");
    EXPECT_TRUE(link.CanBeSimpleField());
    link.HelpText = u"help";
    EXPECT_FALSE(link.CanBeSimpleField());

    TVYXComplexField form;
    form.SetType(acftFormText);
    ASSERT_TRUE(form.GetAsText());
    EXPECT_EQ(form.InstrText(), u" FORMTEXT ");
    form.GetAsText()->MaxLength = 10;
    form.SetType(acftFormCheckBox);
    EXPECT_EQ(form.GetAsText(), nullptr);
    ASSERT_TRUE(form.GetAsCheckBox());
    EXPECT_EQ(form.InstrText(), u" FORMCHECKBOX ");
    EXPECT_FALSE(form.CanBeSimpleField());
    form.SetType(acftFormList);
    EXPECT_EQ(form.InstrText(), u" FORMDROPDOWN ");
    TVYXComplexFieldList* list = form.GetAsComboBox();
    ASSERT_TRUE(list);
    list->Values = {u"red", u"green"};
    for (int result : {-1, 0, 1, 2}) {
        SCOPED_TRACE(result);
        list->Result = result;
        EXPECT_EQ(list->GetText(), result == 0 ? u"red" : result == 1 ? u"green" : u"");
    }
    form.SetType(acftField);
    EXPECT_EQ(form.Data(), nullptr);

    TVYXComplexFields fields;
    auto named = std::make_unique<TVYXComplexField>();
    named->Name = u"Text1";
    fields.Add(std::move(named));
    EXPECT_TRUE(fields.Find(u"Text1"));
    EXPECT_EQ(fields.GetFields(u"TEXT1"), nullptr);  // field names are exact
}

TEST(Fields, BookmarksAreCaseInsensitiveAndDuplicatesReported)
{
    TVYXBookmarks marks;
    TVYXErrorManager errors;
    TVYXBookmark* intro = marks.AddUnique(u"Intro", nullptr, &errors);
    ASSERT_TRUE(intro);
    EXPECT_EQ(marks.Find(u"INTRO"), intro);
    EXPECT_EQ(marks.AddUnique(u"INTRO", nullptr, &errors), nullptr);
    EXPECT_EQ(errors.ErrorCount, 1);
    ASSERT_EQ(errors.GetCount(), 1);
    EXPECT_NE(errors.Text[0].find("Duplicate bookmark name"), std::string::npos);
    EXPECT_NE(errors.Text[0].find("INTRO"), std::string::npos);
    EXPECT_EQ(marks.Count(), 1);

    // Add itself does not check: the second one hides behind the first until it goes.
    TVYXBookmark* second = marks.Add(u"intro");
    marks.Add(u"Other");
    EXPECT_EQ(marks.Count(), 3);
    EXPECT_EQ(marks.Find(u"intro"), intro);
    EXPECT_TRUE(marks.Delete(u"Intro"));
    EXPECT_EQ(marks.Find(u"INTRO"), second);
    EXPECT_FALSE(marks.Delete(u"missing"));
    auto taken = marks.DeleteItem(u"other");
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->Name, u"Other");
    EXPECT_EQ(taken->Owner, nullptr);
    marks.Add(u"B");
    marks.Reindex();
    std::vector<std::u16string> names;
    marks.CopyToList(names);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"intro", u"B"}));
    EXPECT_EQ(marks.GetItems(1)->TempId, 1);
    EXPECT_EQ(marks.GetItems(2), nullptr);
}

TEST(Fields, Hyperlinks)
{
    TVYXHyperlinks links;
    links.Add({u"rId5;target", u"https://example.org/?q=a", u";empty-id"});
    ASSERT_EQ(links.Count(), 3);
    EXPECT_EQ(links.FindById(u"rId5")->Address, u"target");
    EXPECT_EQ(links.GetItems(1)->Id, u"");
    EXPECT_EQ(links.GetItems(2)->Address, u"empty-id");
    EXPECT_EQ(links.GetItems(0)->Type, ahtURL);
    TVYXHyperlink* mark = links.AddUniqueBookmark(u"_Toc1");
    EXPECT_EQ(mark->Type, ahtBookmark);
    EXPECT_EQ(links.AddUniqueBookmark(u"_Toc1"), mark);
    EXPECT_EQ(links.Last(), mark);
    EXPECT_EQ(links.FindByAddress(u"_TOC1"), nullptr);
    mark->Use();
    mark->Release();
    mark->Release();
    EXPECT_EQ(mark->RefCount, 0);
}

TEST(Fields, RangesInRunLists)
{
    TVYXCharRuns runs;
    AddTexts(runs, {"Say ", "hello", " world"});
    TVYXBookmarks marks;
    TVYXBookmark* mark = marks.Add(u"Greeting");
    mark->Selection = VYXInsertLinkedRange(mark, acrltBookmark, runs, 1, runs, 2);
    ASSERT_EQ(runs.Count(), 5);
    EXPECT_EQ(runs.Items(1)->Type_(), acrtLinked);
    EXPECT_EQ(runs.Items(3)->Type_(), acrtLinked);
    EXPECT_TRUE(mark->IsRange());
    EXPECT_EQ(mark->GetPlainText(), u"hello");
    const auto& boundary = static_cast<const TVYXCharRunLinked&>(*runs.Items(1));
    EXPECT_EQ(VYXAsBookmark(boundary), mark);
    EXPECT_EQ(VYXAsComment(boundary), nullptr);
    auto* fieldRun = runs.AddSimpleField(CreateSimpleField(u"PAGE"), u"1");
    ASSERT_TRUE(VYXSimpleFieldOf(*fieldRun));
    EXPECT_EQ(VYXSimpleFieldOf(*fieldRun)->Type, asftPage);
    runs.Delete(fieldRun->Index());
    mark->SetPlainText(u"brave new");
    EXPECT_EQ(RunsText(runs), u"Say brave new world");
    EXPECT_EQ(mark->GetPlainText(), u"brave new");
    mark->SetPlainText(u"");
    EXPECT_EQ(mark->GetPlainText(), u"");
    EXPECT_EQ(RunsText(runs), u"Say  world");
}

TEST(Fields, PermissionRangeOverParagraphs)
{
    // Three paragraphs; the permission runs from the middle of the first into the last.
    TVYXCharRuns p1, p2, p3;
    AddTexts(p1, {"one ", "two"});
    AddTexts(p2, {"middle"});
    AddTexts(p3, {"end ", "tail"});
    struct TBody : TVYXParaWalker {
        std::vector<TVYXParaRef> Refs;
        std::vector<TVYXParaRef> Paras() const override { return Refs; }
        bool RemovePara(TVYXLogPara*) override { return false; }
    } body;
    body.Refs = {{nullptr, &p1, nullptr}, {nullptr, &p2, nullptr}, {nullptr, &p3, nullptr}};

    TVYXPermissions perms;
    TVYXPermission* perm = perms.Add(u"7");
    auto range = VYXInsertLinkedRange(perm, acrltPermission, p1, 1, p3, 1);
    range->Body = &body;
    perm->Selection = std::move(range);
    EXPECT_FALSE(perm->Selection->SamePara());
    EXPECT_EQ(perm->GetPlainText(), u"two\r\nmiddle\r\nend ");
    perm->Unprotect();
    EXPECT_TRUE(p1.Items(0)->GetReadOnly());
    EXPECT_FALSE(p1.Items(2)->GetReadOnly());
    EXPECT_FALSE(p2.Items(0)->GetReadOnly());
    EXPECT_FALSE(p3.Items(0)->GetReadOnly());
    EXPECT_TRUE(p3.Items(2)->GetReadOnly());
    perm->SetPlainText(u"ignored");  // not over paragraphs
    EXPECT_EQ(RunsText(p2), u"middle");
    EXPECT_EQ(perms.GetItems(0), perm);
    EXPECT_EQ(perms.GetItems(0)->Owner, &perms);

    TVYXComments comments;
    auto comment = std::make_unique<TVYXComment>();
    comment->Author = u"Ann";
    EXPECT_GT(comment->DateTime, 40000);
    comments.Add(std::move(comment));
    EXPECT_EQ(comments.GetItems(0)->Author, u"Ann");
}
