// VYXMailMergeTest.cpp: a form letter merged from hard data, its switches, and merge fields as editors store them.
#include <gtest/gtest.h>

#include "ReportTestDocs.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "model/VYXDocDump.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"
#include "platform/VYXErrors.h"
#include "platform/VYXUnicode.h"
#include "report/VYXCsvSource.h"
#include "report/VYXMailMerge.h"
#include "report/VYXMergeFields.h"

namespace {
std::string DataPath(const char* name) { return std::string(VYX_TEST_DATA_DIR) + "/" + name; }

// The form letter: every switch, an IF over a nested merge field, a field split over runs.
void BuildLetter(TVYXLogDocEditor& doc)
{
    TVYXLogPara& dear = doc.AppendParaUI(u"Dear ");
    dear.AppendField(u"MERGEFIELD Name \\* Upper");
    dear.Append(u",");
    TVYXLogPara& city = doc.AppendParaUI(u"Lives");
    city.AppendField(u"MERGEFIELD  City \\b \" in \" \\f \"!\"");
    city.Append(u".");
    TVYXLogPara& amount = doc.AppendParaUI(u"Balance: ");
    AddSplitField(amount, {u" MERGE", u"FIELD Am", u"ount \\# \"#,##0.00;(#,##0.00)\" "}, u"«Amount»");
    TVYXLogPara& born = doc.AppendParaUI(u"Born: ");
    born.AppendField(u"MERGEFIELD Born \\@ \"dddd, d MMMM yyyy\"");
    TVYXLogPara& member = doc.AppendParaUI(u"Member: ");
    AddNestedField(member, u" IF ", u" MERGEFIELD Member ", u" = \"true\" \"yes\" \"no\" ");
    TVYXLogPara& note = doc.AppendParaUI(u"Note: ");
    note.AppendField(u"MERGEFIELD \"Note\"");
    TVYXLogPara& caps = doc.AppendParaUI(u"Caps: ");
    caps.AppendField(u"MERGEFIELD Name \\* Lower \\* Caps");
    TVYXLogPara& rec = doc.AppendParaUI(u"Record ");
    rec.AppendField(u"MERGEREC");
    rec.Append(u"/");
    rec.AppendField(u"MERGESEQ");
    rec.Append(u" on page ");
    rec.AppendField(u"PAGE", u"1");
}
}  // namespace

TEST(MailMerge, FieldWordsAndSwitches)
{
    const auto words = VYXFieldWords(u" MERGEFIELD \"First Name\" \\#0.00 \\* Upper \\b \"say \\\"hi\\\"\" ");
    ASSERT_EQ(words.size(), 8u);
    EXPECT_EQ(U8(words[1].Text), "First Name");
    EXPECT_EQ(U8(words[2].Text), "\\#");  // a glued argument is a word of its own
    EXPECT_EQ(U8(words[3].Text), "0.00");
    EXPECT_EQ(U8(words[7].Text), "say \"hi\"");
    std::u16string nested = u"IF ";
    nested += cVYXNestedOpen;  // an empty nested result still stands as one word
    nested += cVYXNestedClose;
    nested += u" = \"\" \"none\" \"some\"";
    EXPECT_EQ(VYXFieldWords(nested).size(), 6u);

    const TVYXLocaleSettings& en = TVYXLocaleSettings::EnUS();
    const struct {
        const char* Value;
        TVYXFieldType Type;
        const char16_t* Instruction;
        const char* Expected;
    } cases[] = {
        {"1234.5", avftFloat, u"X \\# \"#,##0.00\"", "1,234.50"},
        {"-1234.5", avftFloat, u"X \\# \"#,##0.00;(#,##0.00)\"", "(1,234.50)"},
        {"0", avftInteger, u"X \\# 0.0", "0.0"},
        {"$1,200", avftString, u"X \\# \"0\"", "1200"},  // text that reads as an amount
        {"n/a", avftString, u"X \\# \"0.00\"", "n/a"},     // text that does not stays
        {"2024-02-29", avftString, u"X \\@ \"dddd d MMM yy\"", "Thursday 29 Feb 24"},
        {"2/29/2024", avftString, u"X \\@ \"yyyy-MM-dd\"", "2024-02-29"},  // as the locale writes dates
        {"29 February 2024", avftString, u"X \\@ \"d.M.yyyy\"", "29.2.2024"},
        {"2024-02-29T13:05:09", avftString, u"X \\@ \"h:mm:ss am/pm 'on' d.M.yyyy\"", "1:05:09 pm on 29.2.2024"},
        {"straße und ÉCOLE", avftString, u"X \\* Upper", "STRAßE UND ÉCOLE"},  // one letter for one letter
        {"straße und ÉCOLE", avftString, u"X \\* Lower", "straße und école"},
        {"mary-jane o'neil", avftString, u"X \\* Caps", "Mary-Jane O'neil"},
        {"mary jane", avftString, u"X \\* FirstCap", "Mary jane"},
        {"x", avftString, u"X \\b \"(\" \\f \")\" \\* MERGEFORMAT", "(x)"},
        {"", avftString, u"X \\b \"(\" \\f \")\"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expected);
        TVYXFieldValue value;
        ASSERT_TRUE(VYXReadFieldText(U16(c.Value), c.Type, value));
        TVYXMergeSwitches switches;
        switches.Read(VYXFieldWords(c.Instruction), 1);
        EXPECT_EQ(U8(VYXFormatMergeValue(value, c.Type, switches, en)), c.Expected);
    }

    EXPECT_TRUE(VYXCompareFieldValues(u"10", u">", u"9"));     // numbers, not texts
    EXPECT_FALSE(VYXCompareFieldValues(u"10", u">", u"9a"));   // texts: "1" < "9"
    EXPECT_TRUE(VYXCompareFieldValues(u"Smithers", u"=", u"Smi*"));
    EXPECT_TRUE(VYXCompareFieldValues(u"Bob", u"<>", u"B?"));
    EXPECT_TRUE(VYXCompareFieldValues(u"", u"=", u""));
    EXPECT_FALSE(VYXCompareFieldValues(u"a", u"=<", u"a"));
}

namespace {
// Hand-computed: 1960-02-29 was a Monday, 2000-02-29 a Tuesday, 1999-12-31 a Friday.
const std::string cLettersExpected =
    "Dear MÜLLER, JÜRGEN,|Lives in Köln!.|Balance: 1,234.50|Born: Monday, 29 February 1960|Member: yes|"
    "Note: He said \"hi\"|Caps: Müller, Jürgen|Record 1/1 on page 1|"
    "\r\nDear 张伟,|Lives in 北京!.|Balance: (0.75)|Born: Tuesday, 29 February 2000|Member: no|"
    "Note: two\r\nlines|Caps: 张伟|Record 2/2 on page 1|"
    "\r\nDear ΑΛΈΞΗΣ,|Lives.|Balance: 12,345,678,901,234,567,890.00|Born: Friday, 31 December 1999|Member: no|"
    "Note: |Caps: Αλέξης|Record 3/3 on page 1";
}  // namespace

TEST(MailMerge, FormLetterFromDocx)
{
    // letter.docx is laid out as editors write it: simple fields, an instruction split
    // over runs of different formats, an IF holding a nested merge field.
    TVYXCsvSource data;
    data.LoadFromFile(DataPath("letters.csv"));
    TVYXErrorManager errors;
    TVYXLogDocEditor doc;
    doc.BeginUpdate();
    TVYXReadDOCX(doc).LoadFromFile(DataPath("letter.docx"));
    doc.EndUpdate();
    TVYXMailMerge merge(data, &errors);
    EXPECT_EQ(merge.MergeAll(doc), 3);
    EXPECT_EQ(errors.WarnCount, 0);
    const std::string text = BodyText(doc);
    EXPECT_EQ(text, cLettersExpected);
    ExpectGolden(VYXDumpParas(doc.Paras()), "letters-merged.dump");

    // The merged letters survive their own round trip through DOCX.
    TVYXLogDocEditor again;
    DocxRoundTrip(doc, again);
    EXPECT_EQ(BodyText(again), text);

    const TVYXMailMergeSettings settings = VYXReadMailMergeSettings(DataPath("letter.docx"));
    EXPECT_TRUE(settings.Present);
    EXPECT_EQ(U8(settings.MainDocumentType), "formLetters");
    EXPECT_EQ(U8(settings.DataType), "textFile");
    EXPECT_EQ(U8(settings.Query), "SELECT * FROM C:\\data\\letters.csv");
    EXPECT_EQ(U8(settings.DataSource), "file:///C:\\data\\letters.csv");
    EXPECT_EQ(settings.ActiveRecord, 2);
    EXPECT_TRUE(settings.ViewMergedData);
}

TEST(MailMerge, FormLetterBuiltInCode)
{
    TVYXLogDocEditor built;  // simple fields in the model, as the editor inserts them
    BuildLetter(built);
    TVYXCsvSource data;
    data.LoadFromFile(DataPath("letters.csv"));
    TVYXMailMerge merge(data);
    EXPECT_EQ(merge.MergeAll(built), 3);
    EXPECT_EQ(BodyText(built), cLettersExpected);
}

TEST(MailMerge, OneDocumentPerRecordNextAndSkip)
{
    TVYXCsvSource data;
    data.LoadFromString("Name,Stop\nAnn,no\nBen,yes\nCid,no\nDee,no\nEve,no\n");
    auto build = [](TVYXLogDocEditor& doc) {
        TVYXLogPara& p = doc.AppendParaUI(u"");
        AddNestedField(p, u" SKIPIF ", u" MERGEFIELD Stop ", u" = yes ");
        p.AppendField(u"MERGEFIELD Name");
        p.Append(u"+");
        p.AppendField(u"NEXT");
        p.AppendField(u"MERGEFIELD Name");
        p.Append(u"#");
        p.AppendField(u"MERGEREC");
        p.AppendField(u"MERGEFIELD \"Missing Field\"");
    };
    TVYXErrorManager errors;
    TVYXMailMerge merge(data, &errors);
    std::vector<std::string> letters;
    for (;;) {
        TVYXLogDocEditor doc;
        build(doc);
        if (!merge.MergeNext(doc))
            break;
        letters.push_back(BodyText(doc));
    }
    // Ann+Ben; then Cid+Dee (Ben's pair was not skipped: SKIPIF looked at Ann); Eve has no partner.
    EXPECT_EQ(letters, (std::vector<std::string>{"Ann+Ben#2", "Cid+Dee#4", "Eve+#6"}));
    EXPECT_EQ(errors.WarnCount, 1);  // reported once, not per record
    EXPECT_NE(errors.Text.Text().find("Can not find Data Field \"Missing Field\""), std::string::npos);
}

TEST(MailMerge, UnderscoredNamesAndEmptyData)
{
    TVYXCsvSource data;
    data.LoadFromString("First Name,Total\n");
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"Hi ").AppendField(u"MERGEFIELD First_Name");
    TVYXMailMerge merge(data);
    EXPECT_EQ(merge.MergeAll(doc), 0);
    EXPECT_EQ(doc.Paras().Count(), 1);  // no records leave one empty paragraph

    data.LoadFromString("First Name\nZoë\n");
    TVYXLogDocEditor doc2;
    doc2.AppendParaUI(u"Hi ").AppendField(u"MERGEFIELD First_Name");
    TVYXMailMerge merge2(data);
    EXPECT_EQ(merge2.MergeAll(doc2), 1);
    EXPECT_EQ(BodyText(doc2), "Hi Zoë");
}

TEST(MailMerge, HeadersFootersAndTables)
{
    TVYXCsvSource data;
    data.LoadFromString("Name,Total\nAnn,5\nBob,7\n");
    TVYXMailMerge merge(data);
    std::vector<std::string> footers, bodies;
    for (;;) {
        TVYXLogDocEditor doc;
        TVYXLogDocEditor& footer = doc.Footers().AddDefault();
        footer.AppendParaUI(u"For ").AppendField(u"MERGEFIELD Name \\* Upper");
        TVYXTable& table = doc.AppendTableUI(2, 1);
        AddSplitField(doc.CellPara(table, 0, 0), {u" MERGEFIELD Name "}, u"«Name»");
        AddSplitField(doc.CellPara(table, 1, 0), {u" MERGEFIELD Total \\# 0.00 "}, u"«Total»");
        if (!merge.MergeNext(doc))
            break;
        footers.push_back(U8(footer.Paras().GetPlainText()));
        bodies.push_back(BodyText(doc));
    }
    ASSERT_EQ(footers.size(), 2u);
    EXPECT_NE(footers[1].find("For BOB"), std::string::npos) << footers[1];
    EXPECT_NE(bodies[0].find("Ann\t5.00"), std::string::npos) << bodies[0];
}
