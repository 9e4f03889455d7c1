// VYXWildcardsTest.cpp: wildcard patterns whose backtracking would explode without remembering failed states.
#include <gtest/gtest.h>

#include <string>

#include "model/VYXWildcards.h"

namespace {

bool Letter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// A search tries the pattern at every place of the text, as the fuzzer found slow.
TEST(Wildcards, NestedStarsStayPolynomial)
{
    const std::u16string run(60, u'a');
    const struct {
        const char16_t* Pattern;
        std::u16string Text;
        std::ptrdiff_t FirstEnd;  // the end of the match at 0, -1 for none
    } cases[] = {
        {u"*a*a*a*a*b", run, -1},
        {u"*a*a*a*a*b", run + u"b", 61},
        {u"?*?*?*?*[!a]", run, -1},
        {u"<*a*a*a*a>x", run + u" x", -1},
        {u"a{1,}*a{1,}*a{1,}*c", run + u"c", 61},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::u16string(c.Pattern).size());
        TVYXWildcardPattern p(Letter);
        ASSERT_TRUE(p.Compile(c.Pattern));
        EXPECT_EQ(p.MatchAt(c.Text, 0), c.FirstEnd);
        for (std::size_t at = 1; at <= c.Text.size(); ++at)
            p.MatchAt(c.Text, at);
        EXPECT_FALSE(p.Exhausted());
    }
    // A refused end is tried on from the same states: only the later end is taken.
    TVYXWildcardPattern p(Letter);
    ASSERT_TRUE(p.Compile(u"*a*a*a*a"));
    EXPECT_EQ(p.MatchAt(run, 0, [](std::size_t end) { return end == 60; }), 60);
    EXPECT_EQ(p.MatchAt(run, 0, [](std::size_t) { return false; }), -1);
    EXPECT_FALSE(p.Exhausted());
}

}  // namespace
