// VYXFindReplaceTest.cpp: finding and replacing over paragraphs and nested table cells.
#include <gtest/gtest.h>

#include <filesystem>

#include "editing/VYXFindReplace.h"
#include "editing/VYXPlainText.h"
#include "platform/VYXStream.h"
#include "model/tests/VYXBodyTestDoc.h"

namespace {

// Reading order: "The cat sat.", "Concatenate CAT", a 2x2 table (a1 | b1 holding a
// nested table "inner cat" | "cat?" and then "b1 after" | "a2 Cat" | "b2"), "Last cat".
void BuildBody(TVYXBodyTestDoc& doc)
{
    TVYXLogParas& body = doc.Body;
    body.AppendPara(u"The cat sat.");
    body.AppendPara(u"Concatenate CAT");
    TVYXTable* t = body.AddTable(2, 2);
    t->GetCells(0, 0)->FirstPara()->SetPlainText(u"a1");
    TVYXLogParas& b1 = t->GetCells(1, 0)->Paras();
    b1.GetParas(0)->SetPlainText(u"b1");
    TVYXTable* inner = b1.AddTable(1, 2);
    inner->GetCells(0, 0)->FirstPara()->SetPlainText(u"inner cat");
    inner->GetCells(0, 1)->FirstPara()->SetPlainText(u"cat?");
    b1.AppendPara(u"b1 after");
    t->GetCells(0, 1)->FirstPara()->SetPlainText(u"a2 Cat");
    t->GetCells(1, 1)->FirstPara()->SetPlainText(u"b2");
    body.AppendPara(u"Last cat");
}

// Each hit as "paragraph text@position+length".
std::vector<std::string> Hits(TVYXFindReplaceText& find)
{
    std::vector<std::string> hits;
    while (find.FindNext()) {
        const TVYXLogSelection& sel = find.CurrSel();
        std::string text;
        for (char16_t c : sel.First.Para->GetPlainText())
            text += static_cast<char>(c);
        hits.push_back(text + "@" + std::to_string(sel.First.CharPos) + "+" +
                       std::to_string(sel.Last.CharPos - sel.First.CharPos));
    }
    return hits;
}

struct TCountingWatcher : TVYXDocWatcher {
    int Inserts = 0, Removes = 0;
    void DocChanged(TVYXLogDocument&, const TVYXDocEditEvent& event) override
    {
        (event.Change.Kind == adckInsert ? Inserts : Removes) += event.Change.Kind != adckFormat;
    }
};

}  // namespace

TEST(FindReplace, OptionsOverParagraphsAndNestedCells)
{
    struct TCase {
        const char16_t* Find;
        unsigned Options;
        std::vector<std::string> Hits;
    };
    const TCase cases[] = {
        {u"cat", 0,
         {"The cat sat.@5+3", "Concatenate CAT@4+3", "Concatenate CAT@13+3", "inner cat@7+3", "cat?@1+3",
          "a2 Cat@4+3", "Last cat@6+3"}},
        {u"cat", aftoMatchCase, {"The cat sat.@5+3", "Concatenate CAT@4+3", "inner cat@7+3", "cat?@1+3", "Last cat@6+3"}},
        {u"CAT", aftoWholeWordsOnly,
         {"The cat sat.@5+3", "Concatenate CAT@13+3", "inner cat@7+3", "cat?@1+3", "a2 Cat@4+3", "Last cat@6+3"}},
        {u"CAT", aftoWholeWordsOnly | aftoMatchCase, {"Concatenate CAT@13+3"}},
        {u"s?t", aftoWildcards, {"The cat sat.@9+3"}},
        // '*' crosses blanks: the first place with a match wins, with the fewest characters.
        {u"<c*t>", aftoWildcards | aftoWholeWordsOnly,
         {"The cat sat.@5+3", "Concatenate CAT@1+15", "inner cat@7+3", "cat?@1+3", "a2 Cat@4+3", "Last cat@6+3"}},
        {u"cat\\?", aftoWildcards, {"cat?@1+4"}},
        {u"[ab][12]", aftoWildcards | aftoMatchCase, {"a1@1+2", "b1@1+2", "b1 after@1+2", "a2 Cat@1+2", "b2@1+2"}},
        {u"[", aftoWildcards, {}},  // a bad pattern finds nothing
        {u"", 0, {}},
        {u"dog", 0, {}},
    };
    TVYXBodyTestDoc doc;
    BuildBody(doc);
    TVYXFindReplaceText find(doc.Doc);
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Find, c.Find + std::char_traits<char16_t>::length(c.Find)));
        find.BeginFind(c.Find, u"", c.Options);
        EXPECT_EQ(Hits(find), c.Hits);
        EXPECT_FALSE(find.FindNext());  // stays at the end instead of wrapping
        std::vector<TVYXDocRange> all;
        EXPECT_EQ(find.FindAll(all), static_cast<int>(c.Hits.size()));
    }
}

TEST(FindReplace, ReplaceAllThroughTheEditDoor)
{
    struct TCase {
        std::u16string Text, Find, Replace;
        unsigned Options;
        int Count;
        std::u16string Result;
    };
    const TCase cases[] = {
        {u"aaa", u"a", u"bb", 0, 3, u"bbbbbb"},
        {u"cat and Cat", u"cat", u"catcat", 0, 2, u"catcat and catcat"},  // the replacement holds the find text
        {u"cat and Cat", u"cat", u"", aftoMatchCase, 1, u" and Cat"},
        {u"one two", u"o", u"0", aftoWholeWordsOnly, 0, u"one two"},
        {u"abcabc", u"b*c", u"X", aftoWildcards, 2, u"aXaX"},
        {u"", u"x", u"y", 0, 0, u""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Text.begin(), c.Text.end()));
        TVYXBodyTestDoc doc;
        doc.Body.AppendPara(c.Text);
        TCountingWatcher watcher;
        doc.Doc.AddWatcher(watcher);
        TVYXFindReplaceText find(doc.Doc);
        find.BeginFind(c.Find, c.Replace, c.Options);
        EXPECT_EQ(find.ReplaceAll(), c.Count);
        EXPECT_EQ(find.ReplaceCount(), c.Count);
        EXPECT_EQ(doc.Doc.GetPlainText(), c.Result);
        // Every replacement is an insertion and/or a removal the undo watcher sees.
        EXPECT_EQ(watcher.Removes, c.Count);
        EXPECT_EQ(watcher.Inserts, c.Replace.empty() ? 0 : c.Count);
        doc.Doc.RemoveWatcher(watcher);
    }
}

TEST(FindReplace, ReplaceStepsThroughCellsAndKeepsTheRest)
{
    TVYXBodyTestDoc doc;
    BuildBody(doc);
    TVYXFindReplaceText find(doc.Doc);
    find.BeginFind(u"cat", u"dog", aftoWholeWordsOnly);
    EXPECT_FALSE(find.Replace());  // no hit yet: finds the first
    EXPECT_TRUE(find.Found());
    int replaced = 0;
    while (find.Replace())
        ++replaced;
    EXPECT_EQ(replaced, 6);
    EXPECT_EQ(ReadingOrder(doc.Body),
              (std::vector<std::u16string>{u"The dog sat.", u"Concatenate dog", u"a1", u"b1", u"inner dog", u"dog?",
                                           u"b1 after", u"a2 dog", u"b2", u"Last dog"}));
}

TEST(FindReplace, SearchRangeAndRestart)
{
    TVYXBodyTestDoc doc;
    BuildBody(doc);
    TVYXFindReplaceText find(doc.Doc);
    // From inside "Concatenate CAT" to the middle of the nested "cat?".
    TVYXLogSelection range;
    TVYXLogPara* second = doc.Body.GetParas(1);
    range.First.Assign(second, 5);
    TVYXLogPara* nested = second->Next()->Next()->Next()->Next();
    ASSERT_EQ(nested->GetPlainText(), u"cat?");
    range.Last.Assign(nested, 3);
    find.SetSearchRange(range);
    find.BeginFind(u"cat", u"", 0);
    EXPECT_EQ(Hits(find), (std::vector<std::string>{"Concatenate CAT@13+3", "inner cat@7+3"}));
    find.ClearSearchRange();
    find.Restart(TVYXLogPos(nested, 2));
    EXPECT_EQ(Hits(find), (std::vector<std::string>{"a2 Cat@4+3", "Last cat@6+3"}));

    TVYXLogSelections selections;
    find.Restart(TVYXLogPos(nested, 1));
    EXPECT_TRUE(find.FindNextAndSelect(selections));
    ASSERT_EQ(selections.Count(), 1);
    EXPECT_EQ(selections.First()->GetPlainText(), u"cat");
    EXPECT_EQ(find.FindAll(selections), 7);
    EXPECT_EQ(selections.Count(), 8);
}

TEST(FindReplace, RangeAcrossCellsEmptiesTheMiddle)
{
    TVYXBodyTestDoc doc;
    BuildBody(doc);
    TVYXLogPara* a1 = doc.Body.GetParas(1)->Next();
    ASSERT_EQ(a1->GetPlainText(), u"a1");
    TVYXLogPara* a2 = a1->Next()->Next()->Next()->Next()->Next();
    ASSERT_EQ(a2->GetPlainText(), u"a2 Cat");
    TCountingWatcher watcher;
    doc.Doc.AddWatcher(watcher);
    const TVYXDocRange got = VYXReplaceRange(doc.Doc, {VYXAddressOf(*a1, 2), VYXAddressOf(*a2, 4)}, u"XY");
    doc.Doc.RemoveWatcher(watcher);
    EXPECT_EQ(ReadingOrder(doc.Body), (std::vector<std::u16string>{u"The cat sat.", u"Concatenate CAT", u"aXY", u"", u"",
                                                                   u"", u"", u"Cat", u"b2", u"Last cat"}));
    EXPECT_EQ(got.First, VYXAddressOf(*a1, 2));
    EXPECT_EQ(got.Last, VYXAddressOf(*a1, 4));
    EXPECT_EQ(watcher.Inserts, 1);
    EXPECT_EQ(watcher.Removes, 6);
}

namespace {
// The reference: a naive left-to-right scan of one paragraph's text.
std::u16string NaiveReplace(const std::u16string& text, std::u16string_view find, std::u16string_view by, bool wholeWords,
                            int& count)
{
    auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
    auto word = [](char16_t c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' ||
               (c >= 0x80 && c != 0xA0 && !(c >= 0x2000 && c <= 0x206F) && c != 0x3000);
    };
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        bool hit = i + find.size() <= text.size();
        for (std::size_t k = 0; hit && k < find.size(); ++k)
            hit = upper(text[i + k]) == upper(find[k]);
        if (hit && wholeWords)
            hit = (i == 0 || !word(text[i - 1])) && (i + find.size() >= text.size() || !word(text[i + find.size()]));
        if (hit) {
            out += by;
            i += find.size();
            ++count;
        } else {
            out += text[i++];
        }
    }
    return out;
}
}  // namespace

TEST(FindReplace, CorpusTextsAgreeWithANaiveScan)
{
    const std::filesystem::path dir = std::filesystem::path(VYX_SHARED_DIR) / "corpus" / "html";
    if (!std::filesystem::is_directory(dir))
        GTEST_SKIP() << "no shared corpus at " << dir;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        SCOPED_TRACE(entry.path().filename().string());
        for (const bool whole : {false, true}) {
            TVYXBodyTestDoc doc;
            TVYXImportText import(doc.Body);
            import.LoadFromBytes(VYXReadFile(entry.path().string()), doc.Body, false);
            int expected = 0;
            std::vector<std::u16string> want;
            for (int i = 0; i < doc.Body.Count(); ++i)
                want.push_back(NaiveReplace(doc.Body.GetParas(i)->GetPlainText(), u"the", u"[the]", whole, expected));
            TVYXFindReplaceText find(doc.Doc);
            find.BeginFind(u"the", u"[the]", whole ? aftoWholeWordsOnly : 0);
            EXPECT_EQ(find.ReplaceAll(), expected);
            std::vector<std::u16string> got;
            for (int i = 0; i < doc.Body.Count(); ++i)
                got.push_back(doc.Body.GetParas(i)->GetPlainText());
            EXPECT_EQ(got, want);
        }
        ++files;
    }
    EXPECT_GT(files, 0);
}
