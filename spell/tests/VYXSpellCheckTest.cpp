// Tests of the spell checker: the word rule, the dictionary list, marks on runs,
// the re-check queue, and real dictionaries when the system has them.
#include <unistd.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/VYXCharRun.h"
#include "model/VYXDocProps.h"
#include "model/VYXFields.h"
#include "model/VYXLogDocument.h"
#include "platform/VYXUnicode.h"
#include "spell/VYXSpellCheck.h"
#include "spell/VYXSpellQueue.h"

namespace {
const std::string cTestDicts = std::string(VYX_TEST_DATA_DIR) + "/dict";
const std::string cSystemDicts = cVYXDefaultDictPath;

std::vector<std::string> Words(std::u16string_view text)
{
    std::vector<TVYXSpellWord> words;
    VYXSpellWords(text, words);
    std::vector<std::string> out;
    for (const auto& w : words)
        out.push_back(U8(text.substr(w.Start, w.Length)));
    return out;
}

// The marked stretches of a paragraph as text, in order (adjacent marked runs join).
std::vector<std::string> Marked(const TVYXLogPara& para)
{
    std::vector<std::string> out;
    bool open = false;
    for (int i = 0; i < para.CharRuns().Count(); ++i) {
        const TVYXCharRun* run = para.CharRuns().Items(i);
        const bool marked = run->CHPX() && run->CHPX()->GetMisspelled();
        if (marked && open)
            out.back() += U8(run->Text());
        else if (marked)
            out.push_back(U8(run->Text()));
        open = marked;
    }
    return out;
}

TVYXLogPara& ParaAt(TVYXLogDocument& doc, int i) { return static_cast<TVYXLogPara&>(*doc.Paras().GetItems(i)); }

using V = std::vector<std::string>;
}  // namespace

TEST(SpellWords, ContractionsDigitsHyphensAndAddresses)
{
    EXPECT_EQ(Words(u"don't it\u2019s"), (V{"don", "t", "it", "s"}));
    EXPECT_EQ(Words(u"abc123 x9y"), (V{"abc", "x"}));   // letters then digits: the letter part
    EXPECT_EQ(Words(u"3rd 1990s ok"), (V{"ok"}));       // a suffix of a number is no word
    EXPECT_EQ(Words(u"well-known (colour)"), (V{"well", "known", "colour"}));
    EXPECT_EQ(Words(u"see https://exampel.org/x www.foo.bar mailto:a@b.c al@exampel.org, end"),
              (V{"see", "end"}));
    EXPECT_EQ(Words(u"a@b is@no-mail"), (V{"a", "b", "is", "no", "mail"}));  // "@" without a dot after it
    EXPECT_EQ(Words(u"\u043f\u0440\u0438\u0432\u0435\u0442, caf\u00e9"), (V{"\u043f\u0440\u0438\u0432\u0435\u0442", "caf\u00e9"}));
    // Devanagari vowel signs are marks and stay inside their word.
    EXPECT_EQ(Words(u"\u0928\u092e\u0938\u094d\u0924\u0947 \u091c\u0940"), (V{"\u0928\u092e\u0938\u094d\u0924\u0947", "\u091c\u0940"}));
    EXPECT_TRUE(Words(u"").empty());
    EXPECT_TRUE(Words(u"123 -- ... @").empty());
}

TEST(SpellDictionaries, KnownListAndFolders)
{
    const auto& langs = VYXSpellLanguages();
    ASSERT_EQ(langs.size(), 35u);
    EXPECT_STREQ(langs.front().Id, "en_GB");
    EXPECT_STREQ(langs.back().Id, "la_classic");
    std::vector<std::string> ids;
    for (const auto& l : langs)
        ids.push_back(l.Id);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "ids must be distinct";

    TVYXSSDictionaries dicts;
    dicts.AddAll(cTestDicts);
    ASSERT_EQ(dicts.Count(), 3);  // in list order, not folder order
    EXPECT_EQ(dicts.Items(0).FIdName, "en_GB");
    EXPECT_EQ(dicts.Items(1).FIdName, "fr_FR");
    EXPECT_EQ(dicts.Items(2).FIdName, "ru_RU");
    EXPECT_EQ(dicts.Items(0).FAffFilename, cTestDicts + "/en_GB.aff");
    EXPECT_EQ(dicts.Path(), cTestDicts + "/");
    EXPECT_EQ(dicts.Find("de_DE_neu"), nullptr);
    std::vector<std::string> lines;
    dicts.FillStrings(lines);
    EXPECT_EQ(lines.front(), "English (British) [en_GB]");

    dicts.AddAll("");
    EXPECT_EQ(dicts.Count(), 0);
}

TEST(SpellChecker, EmptyFolderIsNotReadyWithAClearMessage)
{
    const auto dir = std::filesystem::temp_directory_path() / (std::string("vyx-spell-empty-") + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    TVYXSpellChecker checker({}, dir.string());
    auto& impl = static_cast<TVYXSpellCheckerHunSpell&>(checker.Impl());
    EXPECT_EQ(impl.Dictionaries().Count(), 0);
    EXPECT_FALSE(checker.BeginCheck("en_US"));
    EXPECT_FALSE(checker.Ready());
    EXPECT_EQ(checker.Message().rfind(cVYXSpellNotReady, 0), 0u) << checker.Message();
    EXPECT_NE(checker.Message().find("No dictionary \"en_US\""), std::string::npos) << checker.Message();

    // Checking while not ready changes nothing and raises nothing.
    TVYXLogDocument doc;
    doc.SetPlainText(u"wrold");
    checker.Check(doc.Paras());
    EXPECT_TRUE(Marked(ParaAt(doc, 0)).empty());
    EXPECT_FALSE(checker.Check(u"wrold"));
    EXPECT_TRUE(checker.Suggestions().empty());
    // A folder that does not exist behaves the same.
    TVYXSpellChecker nowhere({}, (dir / "missing").string());
    EXPECT_FALSE(nowhere.BeginCheck(""));
}

TEST(SpellChecker, MarksWrongWordsAcrossRunsAndCounts)
{
    TVYXSpellChecker checker({}, cTestDicts);
    ASSERT_TRUE(checker.BeginCheck("en_GB")) << checker.Message();
    TVYXLogDocument doc;
    doc.SetPlainText(u"hello wrold\r\ndon't see it's well-known abc123");
    // A word split over runs of different formats is still one word.
    TVYXLogPara& p = static_cast<TVYXLogPara&>(*doc.Paras().AppendPara());
    TVYXCHPX bold(&doc.GetMasterCHP());
    bold.SetAsBoolean(vyciBold, true);
    p.Append(u"the wor");
    p.AppendFormattedText(u"lld", &bold);
    p.AppendFormattedText(u"d hello", &bold);

    std::vector<std::pair<std::int32_t, std::string>> events;
    checker.MisspelledEvent = [&](TVYXLogPara&, std::int32_t pos, std::u16string_view w) {
        events.emplace_back(pos, U8(w));
    };
    checker.Check(doc.Paras());
    checker.EndCheck();
    EXPECT_EQ(Marked(ParaAt(doc, 0)), V{"wrold"});
    EXPECT_TRUE(Marked(ParaAt(doc, 1)).empty());
    EXPECT_EQ(Marked(ParaAt(doc, 2)), V{"worlldd"});
    // The bold runs keep their format next to the mark.
    EXPECT_TRUE(ParaAt(doc, 2).CHPXAtPos(9) && ParaAt(doc, 2).CHPXAtPos(9)->GetAsBoolean(vyciBold));
    EXPECT_EQ(checker.WordCount(), 2 + 8 + 3);
    EXPECT_EQ(checker.ErrorCount(), 2);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], std::make_pair(7, std::string("wrold")));
    EXPECT_EQ(events[1], std::make_pair(5, std::string("worlldd")));
    EXPECT_GE(checker.GetCheckTimeMS(), 0.0);

    // Fixing the text and checking again takes the old mark away.
    ParaAt(doc, 0).SetPlainText(u"hello world");
    checker.Check(doc.Paras(), ParaAt(doc, 0));
    EXPECT_TRUE(Marked(ParaAt(doc, 0)).empty());
}

TEST(SpellChecker, WordsSuggestionsIgnoreAndAdd)
{
    TVYXSpellChecker checker({}, cTestDicts);
    ASSERT_TRUE(checker.BeginCheck("en_GB"));
    EXPECT_TRUE(checker.Check(u"colour"));
    EXPECT_TRUE(checker.Suggestions().empty());
    EXPECT_FALSE(checker.Check(u"wrold"));
    EXPECT_NE(std::find(checker.Suggestions().begin(), checker.Suggestions().end(), u"world"),
              checker.Suggestions().end());
    checker.Ignore(u"wrold");
    EXPECT_TRUE(checker.Check(u"wrold"));
    checker.ClearIgnored();
    EXPECT_FALSE(checker.Check(u"wrold"));
    EXPECT_TRUE(checker.AddWord(u"vyx"));
    EXPECT_TRUE(checker.Check(u"vyx"));
    // Beginning again with the open dictionary keeps it; another one replaces it.
    ASSERT_TRUE(checker.BeginCheck("en_GB"));
    EXPECT_TRUE(checker.Check(u"vyx"));
    ASSERT_TRUE(checker.BeginCheck("ru_RU"));
    ASSERT_TRUE(checker.BeginCheck("en_GB"));
    EXPECT_FALSE(checker.Check(u"vyx"));
    EXPECT_FALSE(checker.BeginCheck("xx_XX"));
    EXPECT_FALSE(checker.Check(u"hello"));
    // A second checker has its own handle: the added word is not there.
    TVYXSpellChecker other({}, cTestDicts);
    ASSERT_TRUE(other.BeginCheck("en_GB"));
    EXPECT_FALSE(other.Check(u"vyx"));
    EXPECT_TRUE(other.IsDelimiter(u'?'));
    EXPECT_FALSE(other.IsDelimiter(u'a'));
}

TEST(SpellChecker, DictionariesInTheirOwnEncodings)
{
    TVYXSpellChecker ru({}, cTestDicts);
    ASSERT_TRUE(ru.BeginCheck("ru_RU")) << ru.Message();
    EXPECT_TRUE(ru.Check(u"\u043f\u0440\u0438\u0432\u0435\u0442"));
    EXPECT_FALSE(ru.Check(u"\u043f\u0440\u0438\u0432\u0435\u0442\u0442"));

    TVYXSpellChecker fr({}, cTestDicts);
    ASSERT_TRUE(fr.BeginCheck("fr_FR")) << fr.Message();
    EXPECT_EQ(static_cast<TVYXSpellCheckerHunSpell&>(fr.Impl()).DictEncoding(), "ISO8859-1");
    EXPECT_TRUE(fr.Check(u"caf\u00e9"));
    EXPECT_TRUE(fr.Check(u"\u00e9t\u00e9"));
    EXPECT_FALSE(fr.Check(u"cafe"));
    // A letter the 8-bit dictionary cannot hold is wrong, not confused with "?".
    EXPECT_FALSE(fr.Check(u"caf\u0113"));
    std::vector<std::u16string> list;
    fr.Suggest(u"cafe", list);
    EXPECT_NE(std::find(list.begin(), list.end(), u"caf\u00e9"), list.end());
}

TEST(SpellQueue, RechecksOnlyTheParagraphsEditsTouched)
{
    TVYXSpellChecker checker({}, cTestDicts);
    ASSERT_TRUE(checker.BeginCheck("en_GB"));
    TVYXLogDocument doc;
    doc.SetPlainText(u"hello world\r\nthe quick fox\r\nwell known");
    TVYXSpellQueue queue(doc);
    queue.QueueAll();
    EXPECT_EQ(checker.Check(queue), 3);
    EXPECT_TRUE(queue.Empty());

    // Typing into the second paragraph queues that one only.
    TVYXDocAddress at;
    at.Item = 1;
    at.CharPos = 5;
    doc.InsertText(at, u"q");  // "the qquick fox"
    checker.MisspelledEvent = [](TVYXLogPara&, std::int32_t, std::u16string_view) {};
    const int before = checker.WordCount();
    EXPECT_EQ(checker.Check(queue), 1);
    EXPECT_EQ(checker.WordCount() - before, 3);
    EXPECT_EQ(Marked(ParaAt(doc, 1)), V{"qquick"});
    EXPECT_TRUE(Marked(ParaAt(doc, 0)).empty());

    // Formatting queues nothing; several edits queue each touched paragraph once,
    // at the place it has after all of them.
    TVYXCHPX bold(&doc.GetMasterCHP());
    bold.SetAsBoolean(vyciBold, true);
    doc.SetCharProps({TVYXDocAddress{{}, 0, 1}, TVYXDocAddress{{}, 0, 3}}, bold);
    EXPECT_TRUE(queue.Empty());
    doc.InsertText(TVYXDocAddress{{}, 2, 1}, u"x");        // "xwell known"
    doc.InsertText(TVYXDocAddress{{}, 2, 2}, u"y");        // "xywell known"
    doc.RemoveContent({TVYXDocAddress{{}, 0, 6}, TVYXDocAddress{{}, 1, 1}});  // joins the first two
    EXPECT_EQ(checker.Check(queue), 2);  // the joined paragraph and the third, moved up
    EXPECT_EQ(Marked(ParaAt(doc, 0)), (V{"hellothe", "qquick"}));
    EXPECT_EQ(Marked(ParaAt(doc, 1)), V{"xywell"});
}

TEST(SpellChecker, RealEnglishDictionary)
{
    if (!std::filesystem::exists(cSystemDicts + "en_US.dic"))
        GTEST_SKIP() << "no en_US dictionary in " << cSystemDicts << " (package hunspell-en-us)";
    TVYXSpellChecker checker;
    ASSERT_TRUE(checker.BeginCheck("en_US")) << checker.Message();
    TVYXLogDocument doc;
    doc.SetPlainText(u"Don't worry, it's a well-known fact that we recieve mail at info@exampel.org.\r\n"
                     u"Visit https://www.exampel.org/pagez on the 3rd of June; ABC123 is fine, definately.");
    checker.Check(doc.Paras());
    EXPECT_EQ(Marked(ParaAt(doc, 0)), V{"recieve"});
    EXPECT_EQ(Marked(ParaAt(doc, 1)), V{"definately"});
    EXPECT_EQ(checker.ErrorCount(), 2);
    EXPECT_FALSE(checker.Check(u"recieve"));
    EXPECT_NE(std::find(checker.Suggestions().begin(), checker.Suggestions().end(), u"receive"),
              checker.Suggestions().end());
}

TEST(SpellChecker, TablesAreCheckedCellByCellAndQueuedWhole)
{
    TVYXSpellChecker checker({}, cTestDicts);
    ASSERT_TRUE(checker.BeginCheck("en_GB"));
    TVYXLogDocument doc;
    doc.SetPlainText(u"hello");
    TVYXSpellQueue queue(doc);
    TVYXTable* table = doc.Paras().AddTable(2, 1);
    ASSERT_NE(table, nullptr);
    static_cast<TVYXLogPara&>(*table->GetCells(0, 0)->Paras().GetItems(0)).SetPlainText(u"quick brwn");
    static_cast<TVYXLogPara&>(*table->GetCells(1, 0)->Paras().GetItems(0)).SetPlainText(u"fxo");
    std::vector<std::string> found;
    checker.MisspelledEvent = [&](TVYXLogPara&, std::int32_t, std::u16string_view w) { found.push_back(U8(w)); };
    checker.Check(doc.Paras());
    EXPECT_EQ(found, (V{"brwn", "fxo"}));

    // Typing into a cell queues that cell's paragraph by its way down.
    found.clear();
    TVYXDocAddress at;
    at.Path = {TVYXDocAddressStep{1, 0, 1}};
    at.Item = 0;
    at.CharPos = 1;
    doc.InsertText(at, u"x");
    EXPECT_EQ(checker.Check(queue), 1);
    EXPECT_EQ(found, V{"xfxo"});
}

TEST(SpellChecker, LinkTextIsCheckedTabsSeparate)
{
    TVYXSpellChecker checker({}, cTestDicts);
    ASSERT_TRUE(checker.BeginCheck("en_GB"));
    TVYXLogDocument doc;
    TVYXLogPara& p = *doc.Paras().AppendPara();
    p.Append(u"hello");
    p.AppendTab();
    p.AppendHyperlink(doc.Hyperlinks().Add(u"https://exampel.org", ahtURL), u"wrold");
    p.AppendTab();
    p.Append(u"quick");
    std::vector<std::pair<std::int32_t, std::string>> found;
    checker.MisspelledEvent = [&](TVYXLogPara&, std::int32_t pos, std::u16string_view w) { found.emplace_back(pos, U8(w)); };
    checker.Check(doc.Paras());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], std::make_pair(7, std::string("wrold")));
    EXPECT_EQ(checker.WordCount(), 3);
}

TEST(SpellChecker, DictionaryWithoutAffixFileAndBrokenFiles)
{
    const auto dir = std::filesystem::temp_directory_path() / (std::string("vyx-spell-noaff-") + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    {
        std::ofstream dic(dir / "en_AU.dic");
        dic << "2\nhello\nmate\n";
        std::ofstream bad(dir / "en_CA.dic");
        bad << "\xff\xfe garbage without a count\n\x01\x02";
        std::ofstream badAff(dir / "en_CA.aff");
        badAff << "SET KLINGON-9\nSFX\n";
    }
    TVYXSpellChecker checker({}, dir.string());
    auto& impl = static_cast<TVYXSpellCheckerHunSpell&>(checker.Impl());
    ASSERT_EQ(impl.Dictionaries().Count(), 2);
    EXPECT_TRUE(impl.Dictionaries().Find("en_AU")->FAffFilename.empty());
    ASSERT_TRUE(checker.BeginCheck("en_AU")) << checker.Message();
    EXPECT_TRUE(checker.Check(u"mate"));
    EXPECT_FALSE(checker.Check(u"mates"));
    // An encoding nobody can convert to leaves the checker not ready, and says so.
    EXPECT_FALSE(checker.BeginCheck("en_CA"));
    EXPECT_NE(checker.Message().find("KLINGON-9"), std::string::npos) << checker.Message();
}

// Stems, analyses, words added like a known one and taken out, with the system's American
// English dictionary (skipped without hunspell-en-us).
TEST(SpellChecker, StemsAnalysesAndWordsAddedWithAffixes)
{
    if (!std::filesystem::exists("/usr/share/hunspell/en_US.dic"))
        GTEST_SKIP() << "no en_US dictionary";
    TVYXSpellCheckerHunSpell hun;
    ASSERT_TRUE(hun.Initiate("en_US"));
    std::vector<std::u16string> list;
    hun.Stem(u"walked", list);
    EXPECT_NE(std::find(list.begin(), list.end(), u"walk"), list.end());
    hun.Analyze(u"walked", list);
    EXPECT_FALSE(list.empty());
    EXPECT_FALSE(hun.CheckWord(u"vyxify"));
    ASSERT_TRUE(hun.AddWordWithAffix(u"vyxify", u"amplify"));  // vyxifies, vyxified follow
    EXPECT_TRUE(hun.CheckWord(u"vyxify"));
    EXPECT_TRUE(hun.CheckWord(u"vyxified"));
    EXPECT_TRUE(hun.RemoveWord(u"vyxify"));
    EXPECT_FALSE(hun.CheckWord(u"vyxify"));
    TVYXSpellCheckerHunSpell closed;
    EXPECT_FALSE(closed.RemoveWord(u"walk"));
    closed.Stem(u"walked", list);
    EXPECT_TRUE(list.empty());
}
