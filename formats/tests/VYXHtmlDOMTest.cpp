// VYXHtmlDOMTest.cpp: the tolerant HTML tree: references, implicit closing, raw text,
// depth bounds and the detection of the bytes' encoding on corpus files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "formats/VYXHtmlDOM.h"
#include "platform/VYXUnicode.h"

namespace {

// A compact picture of the tree: elements as name(children), text in quotes.
void Picture(const TVYXHtmlNode& node, std::string& out)
{
    for (int i = 0; i < node.ChildCount(); ++i) {
        const TVYXHtmlNode& c = node.Child(i);
        if (!out.empty() && out.back() != '(')
            out += ' ';
        if (c.Tag == vytTEXT)
            out += "\"" + U8(c.Text) + "\"";
        else {
            out += c.Name;
            if (c.ChildCount() > 0) {
                out += '(';
                Picture(c, out);
                out += ')';
            }
        }
    }
}

std::string Tree(std::string_view html)
{
    TVYXHtmlDOM dom;
    dom.Parse(U16(html));
    std::string out;
    Picture(dom.Root(), out);
    return out;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(HtmlDOM, TagAndEntityTablesAreSorted)
{
    for (int t = vytA; t + 1 < vytUNKNOWN; ++t) {
        SCOPED_TRACE(t);
        EXPECT_LT(VYXHtmlTagName(static_cast<TVYXHTagId>(t)), VYXHtmlTagName(static_cast<TVYXHTagId>(t + 1)));
        EXPECT_EQ(VYXHtmlTagId(VYXHtmlTagName(static_cast<TVYXHTagId>(t))), t);
    }
    EXPECT_EQ(VYXHtmlTagId("blink"), vytUNKNOWN);
    // Every entity of the table decodes (a broken sort order would lose some).
    for (const char* name : {"AElig", "Aacute", "amp", "apos", "nbsp", "zwnj", "euro", "hellip", "yuml", "Omega"}) {
        SCOPED_TRACE(name);
        std::u16string decoded = VYXHtmlDecodeEntities(U16(std::string("&") + name + ";"));
        EXPECT_EQ(decoded.size(), 1u);
    }
}

TEST(HtmlDOM, CharacterReferences)
{
    struct TCase {
        const char* In;
        const char16_t* Out;
    };
    const TCase cases[] = {
        {"a &amp; b", u"a & b"},
        {"&lt;p&gt;", u"<p>"},
        {"&#233;&#xE9;&#XE9;", u"\u00E9\u00E9\u00E9"},
        {"&#128512;", u"\U0001F600"},             // outside the BMP: a surrogate pair
        {"&#150;", u"\u2013"},                     // C1 range means Windows-1252
        {"&#0;&#xD800;&#99999999999;", u"\uFFFD\uFFFD\uFFFD"},
        {"&copy2024", u"\u00A92024"},              // legacy form without ';'
        {"&notit;", u"\u00ACit;"},                 // longest known prefix
        {"&unknown; &; & x &#;", u"&unknown; &; & x &#;"},
        {"&nbsp", u"\u00A0"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.In);
        EXPECT_EQ(VYXHtmlDecodeEntities(U16(c.In)), c.Out);
    }
    EXPECT_EQ(VYXHtmlEntityEncodeStr(u"a<b>&\"c\u00A0"), u"a&lt;b&gt;&amp;&quot;c&nbsp;");
}

TEST(HtmlDOM, ImplicitClosingAndMisnesting)
{
    struct TCase {
        const char* Html;
        const char* Tree;
    };
    const TCase cases[] = {
        {"<p>one<p>two", "p(\"one\") p(\"two\")"},
        {"<p>a<div>b</div>", "p(\"a\") div(\"b\")"},
        {"<ul><li>a<li>b<ul><li>c</ul><li>d</ul>", "ul(li(\"a\") li(\"b\" ul(li(\"c\"))) li(\"d\"))"},
        {"<dl><dt>t<dd>d<dt>u</dl>", "dl(dt(\"t\") dd(\"d\") dt(\"u\"))"},
        {"<table><tr><td>a<td>b<tr><td>c</table>", "table(tr(td(\"a\") td(\"b\")) tr(td(\"c\")))"},
        {"<table><td>x</td></table>", "table(tr(td(\"x\")))"},
        {"<table><tr><td><table><tr><td>in</table>out</td></tr></table>",
         "table(tr(td(table(tr(td(\"in\"))) \"out\")))"},
        {"<b>bold<i>both</b>after</i>", "b(\"bold\" i(\"both\")) \"after\""},
        {"<p>x</p></p>", "p(\"x\") p"},
        {"a</br>b", "\"a\" br \"b\""},
        {"<h1>a<h2>b</h1>c", "h1(\"a\") h2(\"b\") \"c\""},
        {"<td>stray</td>", "td(\"stray\")"},
        {"<div/>text", "div(\"text\")"},
        {"<svg/>text", "svg \"text\""},
        {"<a href=1>x<a href=2>y</a>", "a(\"x\") a(\"y\")"},
        {"<select><option>a<option>b</select>", "select(option(\"a\") option(\"b\"))"},
        {"<html><body><p>a</body></html><p>b", "html(body(p(\"a\") p(\"b\")))"},
        {"x < y <3 <!doctype html><!-- c -->z", "\"x < y <3 z\""},
        {"<p>unclosed <!-- comment", "p(\"unclosed \")"},
        {"a\x01\x1f\tb", "\"a\tb\""},  // control characters other than blanks go
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Html);
        EXPECT_EQ(Tree(c.Html), c.Tree);
    }
}

TEST(HtmlDOM, AttributesAndRawText)
{
    TVYXHtmlDOM dom;
    dom.Parse(U16("<P CLASS='a  b' id=x data-v=\"1&amp;2\" checked title=\"t\" class=dup>"
                  "<script>if (a < b) document.write('</div><b>');</script>"
                  "<style>p { color: red } /* </p> */</style><title>A &amp; B</title>"
                  "<textarea>&lt;x&gt;</TEXTAREA>after"));
    const TVYXHtmlNode& p = dom.Root().Child(0);
    EXPECT_EQ(p.Name, "p");
    EXPECT_EQ(p.Classes(), (std::vector<std::u16string>{u"a", u"b"}));  // the first class attribute wins
    EXPECT_EQ(p.Attribute("id"), u"x");
    EXPECT_EQ(p.Attribute("data-v"), u"1&2");
    EXPECT_TRUE(p.HasAttribute("checked"));
    ASSERT_EQ(p.ChildCount(), 5);
    EXPECT_EQ(p.Child(0).InnerText(), u"if (a < b) document.write('</div><b>');");
    EXPECT_EQ(p.Child(1).Name, "style");
    ASSERT_EQ(dom.StyleTexts().size(), 1u);
    EXPECT_EQ(dom.StyleTexts()[0], u"p { color: red } /* </p> */");
    EXPECT_EQ(p.Child(2).InnerText(), u"A & B");       // title decodes references
    EXPECT_EQ(p.Child(3).InnerText(), u"<x>");         // and so does textarea
    EXPECT_EQ(p.Child(4).Text, u"after");
    // An unterminated script swallows the rest, as browsers do.
    EXPECT_EQ(Tree("<script>a<b>c"), "script(\"a<b>c\")");
    dom.Parse(std::u16string(u"x\0y", 3));
    EXPECT_EQ(dom.Root().Child(0).Text, u"x\uFFFDy");
}

TEST(HtmlDOM, HostileNestingStaysBounded)
{
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<div><span><table><tr><td>";
    deep += "core";
    TVYXHtmlDOM dom;
    dom.Parse(U16(deep));
    int depth = 0;
    const TVYXHtmlNode* n = &dom.Root();
    while (n->ChildCount() > 0) {
        n = &n->Child(n->ChildCount() - 1);
        ++depth;
    }
    EXPECT_LE(depth, cVYXHtmlMaxDepth + 2);
    EXPECT_EQ(dom.Root().InnerText(), u"core");
    // Thousands of unclosed attributes and a tag that never ends.
    std::string attrs = "<p";
    for (int i = 0; i < 20000; ++i)
        attrs += " a" + std::to_string(i) + "='" + std::to_string(i);
    dom.Parse(U16(attrs));
    EXPECT_EQ(dom.Root().ChildCount(), 1);
}

TEST(HtmlDOM, EncodingOfCorpusFiles)
{
    const std::filesystem::path dir = std::filesystem::path(VYX_SHARED_DIR) / "corpus" / "html";
    if (!std::filesystem::exists(dir))
        GTEST_SKIP() << "no corpus";
    struct TCase {
        const char* File;
        int CodePage;
        const char16_t* Contains;
    };
    const TCase cases[] = {
        {"tika-big-preamble.html", 1251, u"\u0441"},                 // windows-1251 Cyrillic
        {"tika-testHTML_charset_utf16le.html", 1200, u"This is a sample text"},
        {"lo-table_border_1px.html", 65001, u"\u00FC"},               // UTF-8 without a declaration
        {"tika-testArabicMisleadingCharset.html", 1252, u"Arabic"},  // declares UTF-8 but is not
        {"oxpt-T1610.html", 1252, u"Normal"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.File);
        const std::string bytes = ReadFile(dir / c.File);
        EXPECT_EQ(VYXHtmlDetectCodePage(bytes), c.CodePage);
        TVYXHtmlDOM dom;
        dom.LoadFromBytes(bytes);
        std::u16string text = dom.Root().InnerText();
        for (int i = 0; i < dom.Root().ChildCount(); ++i)
            text += dom.Root().Child(i).InnerText();
        EXPECT_NE(text.find(c.Contains), std::u16string::npos);
    }
}
