// VYXCharRunTest.cpp: run positions and lookup, splitting and merging at every boundary kind, text
// transforms, protection, fields and the table-of-contents names.
#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "model/VYXCharRun.h"
#include "model/VYXDocData.h"
#include "model/VYXDocSection.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogParas.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {
// A document, whose run lists see its masters as the paragraphs of a document do.
struct TDoc {
    TVYXLogDocument Doc;
    TVYXStyles& Styles{Doc.Styles()};
    TVYXDOP& DOP{Doc.DOP()};
};

TVYXCharRun* AddText(TVYXCharRuns& runs, std::u16string_view text)
{
    TVYXCharRun* run = runs.Add();
    run->SetRawText(text);
    return run;
}

std::vector<std::int32_t> Starts(const TVYXCharRuns& runs)
{
    std::vector<std::int32_t> v;
    for (int i = 0; i < runs.Count(); ++i)
        v.push_back(runs.Items(i)->StartPos());
    return v;
}

std::u16string Texts(const TVYXCharRuns& runs)
{
    std::u16string s;
    for (int i = 0; i < runs.Count(); ++i) {
        if (i > 0)
            s += u'|';
        s += runs.Items(i)->Text();
    }
    return s;
}
}  // namespace

TEST(CharRuns, StartPositionsAndLookupAtBorders)
{
    TDoc doc;
    const auto runsOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& runs = *runsOwned;
    EXPECT_EQ(runs.FindAbsolute(1, false), nullptr);
    EXPECT_EQ(runs.EndOfParaPos(), 0);
    TVYXCharRun* a = AddText(runs, u"Hello");
    TVYXCharRun* b = AddText(runs, u" world");
    EXPECT_EQ(Starts(runs), (std::vector<std::int32_t>{1, 6}));
    EXPECT_EQ(runs.EndOfParaPos(), 12);

    struct TCase {
        std::int32_t Pos;
        bool Exact;
        TVYXCharRun* Expected;
    };
    const TCase cases[] = {{1, true, a}, {5, true, a}, {6, true, b}, {11, true, b}, {12, false, b},
                           {99, true, b}, {0, true, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Pos);
        EXPECT_EQ(runs.FindAbsolute(c.Pos, c.Exact), c.Expected);
    }

    // An empty run between "ab" and "cd" is preferred unless the lookup is exact.
    const auto gapOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& gap = *gapOwned;
    AddText(gap, u"ab");
    TVYXCharRun* empty = gap.Add();
    TVYXCharRun* cd = AddText(gap, u"cd");
    EXPECT_EQ(gap.FindAbsolute(3, false), empty);
    EXPECT_EQ(gap.FindAbsolute(3, true), cd);
    gap.InsertTab(1);  // an atom in between stops the move to the left
    EXPECT_EQ(Starts(gap), (std::vector<std::int32_t>{1, 3, 4, 4}));
    EXPECT_EQ(gap.FindAbsolute(4, false), empty);
    EXPECT_EQ(gap.FindAbsolute(3, false)->Type_(), acrtTab);

    // Editing a run moves the following runs.
    a->Append(u"!!");
    EXPECT_EQ(b->StartPos(), 8);
    EXPECT_EQ(a->DeleteChars(2, 3), 6);
    EXPECT_EQ(a->Text(), u"Ho!!");
    EXPECT_EQ(b->StartPos(), 5);
}

TEST(CharRuns, SplitAtEveryBoundaryKind)
{
    TDoc doc;
    const auto runsOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& runs = *runsOwned;
    TVYXCharRun* run = AddText(runs, u"abcde");
    run->AddCHPX()->SetBold(true);
    auto rest = runs.Split(*run, 3);
    EXPECT_EQ(run->Text(), u"ab");
    EXPECT_EQ(rest->Text(), u"cde");
    ASSERT_NE(rest->CHPX(), nullptr);
    EXPECT_TRUE(rest->CHPX()->Equal(*run->CHPX()));
    EXPECT_NE(rest->CHPX(), run->CHPX());

    struct TCase {
        std::int32_t Pos;
        const char* Error;  // nullptr: splits
    };
    const TCase cases[] = {{0, "Invalid pos in Split"}, {3, "Invalid pos in Split"}, {1, nullptr}, {2, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Pos);
        const auto listOwned = doc.Doc.CreateCharRuns();
        TVYXCharRuns& list = *listOwned;
        TVYXCharRun* r = AddText(list, u"ab");
        if (c.Error) {
            try {
                (void)list.Split(*r, c.Pos);
                FAIL();
            } catch (const VYXException& e) {
                EXPECT_STREQ(e.what(), c.Error);
            }
            EXPECT_EQ(r->Text(), u"ab");  // unchanged
        } else
            EXPECT_EQ(list.Split(*r, c.Pos)->Len() + r->Len(), 2);
    }
    TVYXCharRunTab* tab = runs.AddTab();
    try {
        (void)runs.Split(*tab, tab->StartPos());
        FAIL();
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "Char run is atom");
    }

    // SplitAndInsert at the run's end inserts an empty clone; in the middle the rest.
    const auto listOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& list = *listOwned;
    TVYXCharRun* first = AddText(list, u"abc");
    AddText(list, u"xyz");
    list.SplitAndInsert(*first, 4);
    EXPECT_EQ(Texts(list), u"abc||xyz");
    list.SplitAndInsert(*list.Items(2), 5);
    EXPECT_EQ(Texts(list), u"abc||x|yz");
    EXPECT_EQ(Starts(list), (std::vector<std::int32_t>{1, 4, 4, 5}));
    list.SplitAllAtChar(u' ');
    const auto wordsOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& words = *wordsOwned;
    AddText(words, u"one two three");
    words.SplitAllAtChar(u' ');
    EXPECT_EQ(Texts(words), u"one |two |three");
}

TEST(CharRuns, MergingRules)
{
    TDoc doc;
    struct TCase {
        const char* Name;
        std::function<void(TVYXCharRuns&)> Build;
        const char16_t* Combined;
        const char16_t* Combined2;
    };
    const TCase cases[] = {
        {"plain text runs merge", [](TVYXCharRuns& r) { AddText(r, u"ab"); AddText(r, u"cd"); }, u"abcd", u"abcd"},
        {"empty lists are not equal",
         [](TVYXCharRuns& r) {
             AddText(r, u"ab")->AddCHPX();
             AddText(r, u"cd")->AddCHPX();
         },
         u"ab|cd", u"ab|cd"},
        {"equal lists merge",
         [](TVYXCharRuns& r) {
             AddText(r, u"ab")->AddCHPX()->SetItalic(true);
             AddText(r, u"cd")->AddCHPX()->SetItalic(true);
         },
         u"abcd", u"abcd"},
        {"atoms never merge", [](TVYXCharRuns& r) { r.AddTab(); r.AddTab(); }, u"\t|\t", u"\t|\t"},
        {"empty runs go, the second only in Combine2",
         [](TVYXCharRuns& r) {
             AddText(r, u"");
             r.AddTab();
             AddText(r, u"");
         },
         u"\t|", u"\t"},
        {"a boundary stops merging",
         [](TVYXCharRuns& r) {
             AddText(r, u"ab");
             r.AddLinked(nullptr, nullptr, acrltBookmark);
             AddText(r, u"cd");
         },
         u"ab||cd", u"ab||cd"},
        {"hyperlink runs merge with each other only",
         [](TVYXCharRuns& r) {
             r.AddHyperlink(nullptr, u"li");
             r.AddHyperlink(nullptr, u"nk");
             AddText(r, u"x");
         },
         u"link|x", u"link|x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto oneOwned = doc.Doc.CreateCharRuns(), twoOwned = doc.Doc.CreateCharRuns();
        TVYXCharRuns &one = *oneOwned, &two = *twoOwned;
        c.Build(one);
        c.Build(two);
        one.Combine(0, one.Count() - 1);
        two.Combine2();
        EXPECT_EQ(Texts(one), c.Combined);
        EXPECT_EQ(Texts(two), c.Combined2);
        EXPECT_EQ(one.Items(one.Count() - 1)->GetEndPos(), one.EndOfParaPos());
    }

    // Revision data: Combine never merges it, Combine2 merges revisions that combine.
    auto revision = [](const char16_t* author) {
        auto r = std::make_unique<TVYXRevisionData>();
        r->Author = author;
        r->RevType = artInsert;
        return r;
    };
    const auto oneOwned = doc.Doc.CreateCharRuns(), twoOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns &one = *oneOwned, &two = *twoOwned;
    for (TVYXCharRuns* r : {&one, &two}) {
        AddText(*r, u"ab")->AddRevision(revision(u"Ann"));
        AddText(*r, u"cd")->AddRevision(revision(u"Ann"));
        AddText(*r, u"ef")->AddRevision(revision(u"Bob"));
    }
    one.Combine(0, 2);
    two.Combine2(0, 2);
    EXPECT_EQ(Texts(one), u"ab|cd|ef");
    EXPECT_EQ(Texts(two), u"abcd|ef");
}

// A run keeps its properties and its tracked change in one word: either can come and go
// in any order without losing the other, copies take both, and the run frees whatever it
// holds (the sanitizer build checks that no pair or property list leaks).
TEST(CharRuns, PropertiesAndTrackedChangeComeAndGoApart)
{
    TDoc doc;
    const auto runsOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& runs = *runsOwned;
    auto revision = [](const char16_t* author) {
        auto r = std::make_unique<TVYXRevisionData>();
        r->Author = author;
        r->RevType = artInsert;
        return r;
    };
    TVYXCharRun* run = AddText(runs, u"text");
    EXPECT_EQ(run->CHPX(), nullptr);
    EXPECT_EQ(run->Revision(), nullptr);
    run->RemoveRevision();  // none to remove
    run->AddCHPX()->SetBold(true);
    const TVYXCHPX* chpx = run->CHPX();
    run->AddRevision(revision(u"Ann"));
    EXPECT_EQ(run->CHPX(), chpx);  // the same list, now beside the change
    EXPECT_TRUE(run->CHPX()->GetBold());
    ASSERT_NE(run->Revision(), nullptr);
    EXPECT_EQ(run->Revision()->Author, u"Ann");
    EXPECT_TRUE(run->HasAnyRevision());

    run->AddRevision(revision(u"Bob"));  // replaces the change
    EXPECT_EQ(run->Revision()->Author, u"Bob");
    run->DeleteCHPX();
    EXPECT_EQ(run->CHPX(), nullptr);
    EXPECT_EQ(run->Revision()->Author, u"Bob");
    run->AddCHPX()->SetItalic(true);
    EXPECT_TRUE(run->CHPX()->GetItalic());
    EXPECT_FALSE(run->CHPX()->GetBold());

    const std::unique_ptr<TVYXCharRun> copy = run->Clone();
    ASSERT_NE(copy->CHPX(), nullptr);
    EXPECT_NE(copy->CHPX(), run->CHPX());
    EXPECT_TRUE(copy->CHPX()->GetItalic());
    ASSERT_NE(copy->Revision(), nullptr);
    EXPECT_EQ(copy->Revision()->Author, u"Bob");

    run->RemoveRevision();
    EXPECT_EQ(run->Revision(), nullptr);
    EXPECT_FALSE(run->HasAnyRevision());
    EXPECT_TRUE(run->CHPX()->GetItalic());
    // A plain run assigned over one with both drops both.
    TVYXCharRun* plain = AddText(runs, u"plain");
    copy->Assign(*plain);
    EXPECT_EQ(copy->CHPX(), nullptr);
    EXPECT_EQ(copy->Revision(), nullptr);
    EXPECT_EQ(copy->Text(), u"plain");
    // A change without properties, freed with its run.
    AddText(runs, u"changed")->AddRevision(revision(u"Cy"));
    EXPECT_EQ(runs.Items(2)->CHPX(), nullptr);
    EXPECT_EQ(runs.Items(2)->Revision()->Author, u"Cy");
}

TEST(CharRuns, TextTransformsAndPlainText)
{
    TDoc doc;
    const auto runsOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& runs = *runsOwned;
    TVYXCharRun* caps = AddText(runs, u"Straße éa");
    caps->AddCHPX()->SetAllCaps(true);
    EXPECT_EQ(caps->GetText(), u"STRAßE ÉA");
    EXPECT_EQ(caps->Text(), u"Straße éa");  // stored as typed
    TVYXCharRun* small = AddText(runs, u"ABC");
    small->AddCHPX()->SetSmallCaps(true);
    EXPECT_EQ(small->GetText(), u"abc");
    EXPECT_EQ(runs.AddBreak(acrbtLineBreak)->GetPlainText(), u"\r\n");
    EXPECT_EQ(runs.AddBreak(acrbtColumn)->GetPlainText(), u"");
    EXPECT_EQ(runs.AddTab()->GetPlainText(), u"");
    TVYXFootnoteBaseItem note;
    note.Index = 11;
    EXPECT_EQ(runs.AddFootnote(&note)->GetText(), u"12");
    EXPECT_EQ(runs.AddFootnoteRef(nullptr)->GetText(), u"?");
    EXPECT_EQ(runs.EndOfParaPos(), 1 + 9 + 3 + 1 + 1 + 1 + 2 + 1);
}

TEST(CharRuns, TextLengthAndFields)
{
    TDoc doc;
    const auto runsOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& runs = *runsOwned;
    AddText(runs, u"abc");
    runs.AddBreak(acrbtPageBreak);
    TVYXCharRunFldChar* begin = runs.AddComplexField(u"42", u"PAGE");
    EXPECT_EQ(begin->FldCharType, acrfctBegin);
    EXPECT_EQ(runs.Count(), 7);
    EXPECT_EQ(runs.TextLength(), 5);
    auto* instr = dynamic_cast<TVYXCharRunInstrText*>(runs.Items(3));
    ASSERT_NE(instr, nullptr);
    EXPECT_EQ(instr->InstrText, u" PAGE ");
    EXPECT_EQ(runs.FindInstrText(u" PA"), instr);
    EXPECT_EQ(runs.FindInstrText(u"PA"), nullptr);
    runs.AddMarker(7);
    EXPECT_EQ(runs.FindMarker(7)->BreakType, acrbMarker);
    EXPECT_EQ(runs.FindMarker(8), nullptr);
}

TEST(CharRuns, TOCItemsNumberTheirBookmarks)
{
    TDoc doc;
    const auto runsOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& runs = *runsOwned;
    runs.BeginTOC(u"\\o \"1-3\"");
    EXPECT_EQ(dynamic_cast<TVYXCharRunInstrText*>(runs.Items(1))->InstrText, u" TOC \\o \"1-3\" ");
    const std::u16string first = runs.AddTOCItem(u"Intro")->InstrId;
    const std::u16string second = runs.AddTOCItem(u"Body")->InstrId;
    runs.EndTOC();
    ASSERT_EQ(first.size(), 12u);
    EXPECT_EQ(first.substr(0, 4), u"_Toc");
    EXPECT_EQ(std::stol(U8(second.substr(4))), std::stol(U8(first.substr(4))) + 1);
    EXPECT_NE(runs.FindInstrText(u" PAGEREF " + second + u" \\h "), nullptr);

    // Names stay unique when several threads take them.
    std::vector<std::u16string> names[4];
    std::vector<std::thread> threads;
    for (auto& list : names)
        threads.emplace_back([&list] {
            for (int i = 0; i < 200; ++i)
                list.push_back(TVYXCharRuns::NewTOCBookmarkName());
        });
    for (auto& t : threads)
        t.join();
    std::set<std::u16string> all;
    for (const auto& list : names)
        all.insert(list.begin(), list.end());
    EXPECT_EQ(all.size(), 800u);
}

TEST(CharRuns, DeletionProtectionAndEvents)
{
    TDoc doc;
    const auto runsOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& runs = *runsOwned;
    AddText(runs, u"keep");
    TVYXCharRunLinked* start = runs.AddLinked(nullptr, nullptr, acrltBookmark);
    TVYXCharRun* body = AddText(runs, u"body");
    TVYXCharRunLinked* end = runs.AddLinked(nullptr, nullptr, acrltBookmark);
    start->LinkTo(*end);
    EXPECT_EQ(start->Position(), acrlpFirst);
    EXPECT_EQ(end->GetFirst(), start);
    EXPECT_EQ(start->LinkSpan(), 2);
    body->AddCHPX()->SetBold(true);
    EXPECT_EQ(start->TextCHPX(), body->CHPX());
    EXPECT_EQ(runs.FindAbsolute(99, false), end);

    std::vector<int> seen;
    TVYXCharRunsWatcher heard;
    heard.DeleteCREvent = [&](TVYXCharRuns&, TVYXCharRun& run) { seen.push_back(run.Index()); };
    runs.SetWatcher(&heard);
    ASSERT_TRUE(runs.Delete(1));
    EXPECT_EQ(seen, std::vector<int>{1});
    EXPECT_EQ(end->Position(), acrlpSingle);  // the chain let go of the deleted boundary

    // Deleting the first run moves every start position back to 1-based order.
    ASSERT_TRUE(runs.Delete(0));
    EXPECT_EQ(Starts(runs), (std::vector<std::int32_t>{1, 5}));
    auto keep = std::make_unique<TVYXCharRun>();
    keep->SetRawText(u"keep");
    runs.Insert(0, std::move(keep));
    EXPECT_EQ(Starts(runs), (std::vector<std::int32_t>{1, 5, 9}));

    doc.DOP.Protection.Protect(adpeReadOnly);
    doc.DOP.Protection.Enforcement = true;
    EXPECT_FALSE(runs.Delete(0));
    body->SetText(u"changed");
    EXPECT_EQ(body->Text(), u"body");
    body->SetReadOnly(false);
    body->SetText(u"changed");
    EXPECT_EQ(body->Text(), u"changed");
    EXPECT_EQ(runs.Count(), 3);
}

TEST(CharRuns, PropertiesCopiesAndFormat)
{
    TDoc doc;
    TVYXCharStyle* strong = doc.Styles.AddChar(u"Strong");
    strong->CHPX().SetBold(true);
    const auto runsOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& runs = *runsOwned;
    TVYXCharRun* a = AddText(runs, u"a");
    TVYXCharRun* b = AddText(runs, u"b");
    EXPECT_DOUBLE_EQ(a->GetValidCHPX()->GetSize(), 10);  // the master answers
    b->AddCHPX()->SetStyle(strong);
    a->InheritNextCHPXIfNil();
    ASSERT_NE(a->CHPX(), nullptr);
    EXPECT_EQ(a->CHPX()->GetStyle(), strong);
    TVYXFontDataDoc font;
    a->SetupFontData(font);
    EXPECT_TRUE(font.Bold);

    a->CHPX()->SetMisspelled(true);
    b->CHPX()->Clear();
    b->CHPX()->SetMisspelled(true);
    runs.ClearMisspelled();
    EXPECT_NE(a->CHPX(), nullptr);
    EXPECT_EQ(b->CHPX(), nullptr);  // only the flag was there

    // Copies into another document map the style into its sheet.
    TDoc other;
    const auto copyOwned = other.Doc.CreateCharRuns();
    TVYXCharRuns& copy = *copyOwned;
    copy.Assign(runs);
    ASSERT_EQ(copy.Count(), 2);
    ASSERT_NE(copy.Items(0)->CHPX(), nullptr);
    const TVYXCharStyle* mapped = copy.Items(0)->CHPX()->GetStyle();
    ASSERT_NE(mapped, nullptr);
    EXPECT_EQ(mapped->Styles(), &other.Styles);
    EXPECT_EQ(Starts(copy), (std::vector<std::int32_t>{1, 2}));

    auto detached = runs.Detach(0);
    EXPECT_EQ(runs.Items(0)->StartPos(), 1);
    EXPECT_EQ(detached->Parent(), nullptr);
}

TEST(CharRuns, WordsAcrossRuns)
{
    TDoc doc;
    const auto runsOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& runs = *runsOwned;
    TVYXCharRun* a = AddText(runs, u"say hel");
    TVYXCharRun* b = AddText(runs, u"lo, you");
    EXPECT_TRUE(runs.IsSplitWordNext(*a));
    EXPECT_TRUE(runs.IsSplitWordPrev(*b));
    EXPECT_FALSE(runs.IsSplitWordNext(*b));

    struct TCase {
        std::int32_t Pos, Begin, End;
    };
    const TCase cases[] = {
        {6, 5, 10},   // "hel|lo" across the run border
        {1, 1, 4},    // first word, up to the blank
        {4, 4, 4},    // on a blank: stays
        {13, 12, 15}, // last word runs to the paragraph's end
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Pos);
        std::int32_t begin = c.Pos, end = c.Pos;
        TVYXCharRun* run = nullptr;
        runs.FindBeginningOfWord(begin, run);
        EXPECT_EQ(begin, c.Begin);
        run = nullptr;
        runs.FindEndOfWord(end, run);
        EXPECT_EQ(end, c.End);
        // A const list steps to the same positions and the same runs.
        const TVYXCharRuns& seen = runs;
        std::int32_t seenBegin = c.Pos, seenEnd = c.Pos;
        const TVYXCharRun* seenRun = nullptr;
        seen.FindBeginningOfWord(seenBegin, seenRun);
        EXPECT_EQ(seenBegin, c.Begin);
        seenRun = nullptr;
        seen.FindEndOfWord(seenEnd, seenRun);
        EXPECT_EQ(seenEnd, c.End);
        EXPECT_EQ(seenRun, run);
    }
    std::int32_t pos = 4;
    TVYXCharRun* run = nullptr;
    EXPECT_TRUE(runs.SkipSpaces(pos, run));
    EXPECT_EQ(pos, 5);
    char16_t c = 0;
    pos = 7;
    run = a;
    ASSERT_TRUE(runs.NextChar(run, pos, c));
    EXPECT_EQ(run, b);
    EXPECT_EQ(c, u'l');
    ASSERT_TRUE(runs.PrevChar(run, pos, c));
    EXPECT_EQ(run, a);
    pos = 14;
    EXPECT_FALSE(runs.NextChar(run, pos, c));
}

TEST(CharRuns, MarkupAndHyperlinkStretches)
{
    TDoc doc;
    const auto runsOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& runs = *runsOwned;
    AddText(runs, u"a");
    TVYXCharRunLinked* start = runs.AddLinked(nullptr, nullptr, acrltComment);
    AddText(runs, u"inside");
    TVYXCharRunLinked* end = runs.AddLinked(nullptr, nullptr, acrltComment);
    AddText(runs, u"z");
    start->LinkTo(*end);
    EXPECT_TRUE(end->Position() == acrlpLast);
    runs.DeleteLinkedAndContent(1);
    EXPECT_EQ(Texts(runs), u"a|z");
    EXPECT_EQ(Starts(runs), (std::vector<std::int32_t>{1, 2}));

    int hostA = 0, hostB = 0;
    auto* linkA = reinterpret_cast<TVYXHyperlink*>(&hostA);  // identity only: never dereferenced
    auto* linkB = reinterpret_cast<TVYXHyperlink*>(&hostB);
    const auto linksOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& links = *linksOwned;
    links.AddHyperlink(linkA, u"x");
    links.AddHyperlink(linkA, u"y");
    links.AddHyperlink(linkB, u"z");
    links.TagFirstLast();
    auto* h0 = static_cast<TVYXCharRunHyperlink*>(links.Items(0));
    auto* h1 = static_cast<TVYXCharRunHyperlink*>(links.Items(1));
    auto* h2 = static_cast<TVYXCharRunHyperlink*>(links.Items(2));
    EXPECT_TRUE(h0->HLinkFirst && !h0->HLinkLast);
    EXPECT_TRUE(!h1->HLinkFirst && h1->HLinkLast);
    EXPECT_TRUE(h2->HLinkFirst && h2->HLinkLast);

    // Turning a text run into a link keeps every start position.
    const auto plainOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& plain = *plainOwned;
    AddText(plain, u"see ");
    AddText(plain, u"here");
    AddText(plain, u" now");
    ASSERT_NE(plain.MakeHyperlink(linkA, 1), nullptr);
    EXPECT_EQ(Starts(plain), (std::vector<std::int32_t>{1, 5, 9}));

    TVYXFootnoteBaseItem note;
    TVYXCharRunFootnote* anchor = links.InsertFootnote(1, &note, false, true);
    EXPECT_TRUE(static_cast<TVYXCharRun*>(anchor)->IsEndnote());  // the field of the same name hides it
    EXPECT_EQ(links.FindFootnoteEndnote(&note), anchor);
    EXPECT_EQ(links.Items(2), h1);
}

// Runs read with a tracked change keep it, and a list made by CreateSame is a
// sibling: same bundle, same events, no runs.
TEST(CharRuns, RevisionRunsAndSiblingLists)
{
    TDoc doc;
    const auto runsOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& runs = *runsOwned;
    int dirty = 0;
    TVYXCharRunsWatcher heard;
    heard.DirtyCREvent = [&](TVYXCharRuns&, TVYXCharRun&) { ++dirty; };
    runs.SetWatcher(&heard);
    AddText(runs, u"ab");
    auto data = std::make_unique<TVYXRevisionData>();
    data->RevType = artInsert;
    data->Author = u"Ann";
    TVYXCHPX bold(&doc.Styles.MasterCHP());
    bold.SetBold(true);
    TVYXCharRun* inserted = runs.AddRevision(u"cde", std::move(data), &bold);
    ASSERT_NE(inserted->Revision(), nullptr);
    EXPECT_EQ(inserted->Revision()->Author, u"Ann");
    EXPECT_EQ(inserted->StartPos(), 3);
    EXPECT_TRUE(inserted->CHPX()->GetBold());
    EXPECT_EQ(runs.EndOfParaPos(), 6);
    runs.Combine2();
    EXPECT_EQ(runs.Count(), 2);  // a tracked run does not merge into plain text

    auto sibling = runs.CreateSame();
    EXPECT_EQ(sibling->Count(), 0);
    EXPECT_EQ(sibling->RootData(), runs.RootData());
    EXPECT_EQ(sibling->Watcher(), &heard);
    AddText(*sibling, u"x")->SetText(u"y");
    EXPECT_GT(dirty, 0);
}

// The run lists of one document report to one watcher the document owns; each list tells
// its own paragraph of changed characters, inside a document or outside any.
TEST(CharRuns, ListsOfOneDocumentShareItsWatcher)
{
    TDoc doc;
    TVYXLogPara& a = *doc.Doc.Paras().AppendPara(u"one");
    TVYXLogPara& b = *doc.Doc.Paras().AppendPara(u"two");
    TVYXCharRunsWatcher* watcher = a.CharRuns().Watcher();
    ASSERT_NE(watcher, nullptr);
    EXPECT_EQ(b.CharRuns().Watcher(), watcher);
    EXPECT_EQ(doc.Doc.CreateCharRuns()->Watcher(), watcher);
    EXPECT_EQ(a.CharRuns().Owner(), &a);
    TDoc other;
    EXPECT_NE(other.Doc.Paras().AppendPara(u"x")->CharRuns().Watcher(), watcher);
    EXPECT_EQ(TVYXCharRuns().Watcher(), nullptr);

    std::vector<const TVYXCharRuns*> heard;
    watcher->DirtyCREvent = [&](TVYXCharRuns& sender, TVYXCharRun&) { heard.push_back(&sender); };
    a.Dirty = false;
    b.Dirty = false;
    b.CRFirst()->Append(u"!");
    EXPECT_EQ(heard, std::vector<const TVYXCharRuns*>{&b.CharRuns()});
    EXPECT_TRUE(b.Dirty);
    EXPECT_FALSE(a.Dirty);
    EXPECT_EQ(b.GetPlainText(), u"two!");
    watcher->DirtyCREvent = nullptr;

    // A paragraph in a list of no document still hears its own runs.
    TVYXLogParas loose(nullptr, nullptr);
    TVYXLogPara& p = *loose.AppendPara(u"free");
    EXPECT_EQ(p.CharRuns().Watcher(), nullptr);
    p.Dirty = false;
    p.CRFirst()->SetText(u"freed");
    EXPECT_TRUE(p.Dirty);
}

// A list keeps its only run beside it and moves to heap slots from the second run on:
// every way of growing and shrinking across that step keeps order, indexes, positions
// and the runs themselves (ASan sees a run freed twice or lost).
TEST(CharRuns, OneRunAndManyAcrossTheInlineSlot)
{
    TDoc doc;
    const auto runsOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& runs = *runsOwned;
    TVYXCharRun* only = AddText(runs, u"ab");
    EXPECT_EQ(runs.First(), only);
    EXPECT_EQ(runs.Last(), only);
    runs.InsertTab(0);  // before the only run: the first move to the heap
    EXPECT_EQ(Texts(runs), u"\t|ab");
    EXPECT_EQ(only->Index(), 1);
    EXPECT_EQ(Starts(runs), (std::vector<std::int32_t>{1, 2}));
    for (int i = 0; i < 40; ++i)  // several more growths, in the middle
        AddText(runs, u"x");
    runs.Insert(1)->SetRawText(u"cd");
    EXPECT_EQ(runs.Count(), 43);
    EXPECT_EQ(runs.Items(2), only);
    EXPECT_EQ(runs.EndOfParaPos(), 1 + 1 + 2 + 2 + 40);
    for (int i = 0; i < runs.Count(); ++i)
        EXPECT_EQ(runs.Items(i)->Index(), i);

    runs.Move(2, 42);
    EXPECT_EQ(runs.Last(), only);
    EXPECT_EQ(only->StartPos(), 1 + 1 + 2 + 40);
    std::unique_ptr<TVYXCharRun> detached = runs.Detach(42);
    EXPECT_EQ(detached.get(), only);
    EXPECT_EQ(detached->Parent(), nullptr);
    while (runs.Count() > 1)
        EXPECT_TRUE(runs.Delete(runs.Count() - 1));
    EXPECT_EQ(Texts(runs), u"\t");
    runs.Add(std::move(detached));  // the slots on the heap are reused
    EXPECT_EQ(Texts(runs), u"\t|ab");
    runs.Combine2();
    runs.Clear();
    EXPECT_EQ(runs.Count(), 0);
    EXPECT_EQ(runs.First(), nullptr);
    AddText(runs, u"again");
    EXPECT_EQ(runs.EndOfParaPos(), 6);

    // Taking over another list's runs, and copies of them, from one slot to many.
    const auto otherOwned = doc.Doc.CreateCharRuns();
    TVYXCharRuns& other = *otherOwned;
    AddText(other, u"one");
    other.AddTab();
    other.Append(runs);
    EXPECT_EQ(Texts(other), u"one|\t|again");
    runs.Add(other);
    EXPECT_EQ(other.Count(), 0);
    EXPECT_EQ(Texts(runs), u"again|one|\t|again");
    EXPECT_EQ(Starts(runs), (std::vector<std::int32_t>{1, 6, 9, 10}));
    other.Assign(runs);
    EXPECT_EQ(Texts(other), Texts(runs));
}

// The objects every paragraph of a long document holds stay in their allocator size
// classes (a request of n bytes takes (n + 23) & ~15): the paragraph's flags share the run
// list's padding, a run list of one run needs no block of its own, and the members few
// paragraphs use live in a block of their own.
static_assert(sizeof(TVYXLogPara) <= 168, "a paragraph takes a 176-byte block");
static_assert(sizeof(TVYXCharRun) <= 64, "a text run takes 64 bytes of the document's pool");
static_assert(sizeof(TVYXCharRunTab) <= 64, "a tab run takes 64 bytes of the document's pool");
static_assert(sizeof(TVYXCharRuns) <= 56, "the run list is part of the paragraph");

TEST(CharRuns, ParagraphAndRunSizes)
{
    TDoc doc;
    TVYXLogPara* para = doc.Doc.Paras().AppendPara(u"text");
    para->Pilcrow = true;
    para->Dirty = false;
    // The run list's last field sits next to the flags.
    para->CharRuns().BeginUpdate();
    para->AppendTab();
    para->Append(u"more");
    para->CharRuns().EndUpdate();
    EXPECT_TRUE(para->Pilcrow);
    EXPECT_TRUE(para->Dirty);
    para->Pilcrow = false;
    EXPECT_EQ(para->GetText(), u"text\tmore");
    EXPECT_EQ(para->CRLast()->StartPos(), 6);
}

// A section, a frame, a name, anchored objects and a search state share one block apart
// from the paragraph: each works next to the others, survives the others being dropped,
// and travels with copies of the paragraph.
TEST(CharRuns, RareParagraphMembersLiveTogether)
{
    TDoc doc;
    TVYXLogPara& para = *doc.Doc.Paras().AppendPara(u"find the word, the end");
    EXPECT_EQ(para.SEP(), nullptr);
    EXPECT_EQ(para.Frame(), nullptr);
    EXPECT_EQ(para.Graphics(), nullptr);
    EXPECT_EQ(para.FindData(), nullptr);
    EXPECT_TRUE(para.Name().empty());
    para.SetName(u"");  // no name asked for none
    EXPECT_TRUE(para.Name().empty());

    para.BeginFindText(u"THE", 0);
    EXPECT_EQ(para.FindTextNext(1), 6);
    para.AddSEP()->SetPageWidth(500);
    para.AddFrame().W = 2880;
    para.AddFrame().HAnchor = 2;  // the same frame
    para.SetName(u"anchor");
    ASSERT_NE(para.AddTextBox(120, 40), nullptr);
    // The search state stays valid across the other members' arrival, and an edit
    // still invalidates it.
    EXPECT_EQ(para.FindTextNext(7), 16);
    para.InsertText(u"the ", 1);
    EXPECT_FALSE(para.FindData()->Valid);
    EXPECT_EQ(para.FindTextNext(1), 1);

    const auto copy = std::unique_ptr<TVYXLogPara>(
        static_cast<TVYXLogPara*>(para.Clone(&doc.Doc.Paras()).release()));
    ASSERT_NE(copy->SEP(), nullptr);
    EXPECT_EQ(copy->SEP()->GetPageWidth(), 500);
    ASSERT_NE(copy->Frame(), nullptr);
    EXPECT_EQ(copy->Frame()->W, 2880);
    EXPECT_EQ(copy->Frame()->HAnchor, 2);
    EXPECT_EQ(copy->Name(), u"anchor");
    ASSERT_NE(copy->Graphics(), nullptr);
    EXPECT_EQ(copy->Graphics()->Count(), 1);
    EXPECT_EQ(copy->FindData(), nullptr);  // a search belongs to the paragraph searched

    para.ClearSEP();
    EXPECT_EQ(para.SEP(), nullptr);
    EXPECT_EQ(para.Frame()->W, 2880);
    EXPECT_EQ(para.Name(), u"anchor");
    EXPECT_EQ(para.TakeGraphics().size(), 1u);
    para.SetName(u"");
    EXPECT_TRUE(para.Name().empty());
    EXPECT_NE(para.Frame(), nullptr);
    // A section given again starts from the document's defaults.
    EXPECT_NE(para.AddSEP()->GetPageWidth(), 500);

    // A paragraph with none of them copies none.
    TVYXLogPara& plain = *doc.Doc.Paras().AppendPara(u"plain");
    plain.Assign(*copy, false);
    EXPECT_EQ(plain.Frame()->W, 2880);
    EXPECT_EQ(plain.Name(), u"anchor");
    EXPECT_EQ(plain.GetText(), u"plain");
    TVYXLogPara& other = *doc.Doc.Paras().AppendPara(u"other");
    other.Assign(*doc.Doc.Paras().AppendPara(u"bare"), true);
    EXPECT_EQ(other.SEP(), nullptr);
    EXPECT_EQ(other.Frame(), nullptr);
    EXPECT_EQ(other.Graphics(), nullptr);
    EXPECT_TRUE(other.Name().empty());
    EXPECT_EQ(other.GetText(), u"bare");
}
