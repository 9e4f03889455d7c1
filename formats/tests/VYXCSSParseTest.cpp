// VYXCSSParseTest.cpp: style sheets: shorthands, selectors and specificity, units and
// colours, and bounded work on broken sheets.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "formats/VYXCSSParse.h"
#include "formats/VYXHtmlDOM.h"
#include "platform/VYXUnicode.h"

namespace {

// The cascaded properties of the first element with `id` in `html` under `css`.
TVyCSSProperties Cascade(const std::string& css, const std::string& html, const std::u16string& id)
{
    TVyCSS sheet;
    sheet.Parse(css);
    TVYXHtmlDOM dom;
    dom.Parse(U16(html));
    std::vector<const TVYXHtmlNode*> stack{&dom.Root()};
    TVyCSSProperties props;
    while (!stack.empty()) {
        const TVYXHtmlNode* n = stack.back();
        stack.pop_back();
        if (n->Attribute("id") == id) {
            sheet.Collect(*n, props);
            break;
        }
        for (int i = 0; i < n->ChildCount(); ++i)
            stack.push_back(&n->Child(i));
    }
    return props;
}

}  // namespace

TEST(CSSParse, PropertyTableIsSorted)
{
    for (int p = vycpUNDEFINED + 1; p + 1 < vycpNONE; ++p) {
        SCOPED_TRACE(p);
        EXPECT_LT(VyCSSPropName(static_cast<TVyCSSProp>(p)), VyCSSPropName(static_cast<TVyCSSProp>(p + 1)));
        EXPECT_EQ(VyCSSPropByName(VyCSSPropName(static_cast<TVyCSSProp>(p))), p);
    }
}

TEST(CSSParse, ShorthandsAreSplit)
{
    struct TCase {
        const char* Decl;
        TVyCSSProp Prop;
        const char* Value;
    };
    const TCase cases[] = {
        {"margin: 1pt", vycpMARGIN_LEFT, "1pt"},
        {"margin: 1pt 2pt", vycpMARGIN_LEFT, "2pt"},
        {"margin: 1pt 2pt 3pt", vycpMARGIN_BOTTOM, "3pt"},
        {"margin: 1pt 2pt 3pt 4pt", vycpMARGIN_LEFT, "4pt"},
        {"padding: 0 5px", vycpPADDING_RIGHT, "5px"},
        {"border: 1px solid #ff0000", vycpBORDER_LEFT_COLOR, "#ff0000"},
        {"border: thick dashed", vycpBORDER_BOTTOM_WIDTH, "thick"},
        {"border-top: 2pt double rgb(0, 0, 255)", vycpBORDER_TOP_COLOR, "rgb(0, 0, 255)"},
        {"border-width: 1px 2px", vycpBORDER_RIGHT_WIDTH, "2px"},
        {"font: italic bold 12pt/150% \"Times New Roman\", serif", vycpFONT_FAMILY, "\"Times New Roman\", serif"},
        {"font: italic bold 12pt/150% Georgia", vycpLINE_HEIGHT, "150%"},
        {"font: small-caps 700 10px Arial", vycpFONT_WEIGHT, "700"},
        {"font: 9pt / 12pt Arial", vycpLINE_HEIGHT, "12pt"},
        {"background: url(x;y.png) #00ff00 no-repeat", vycpBACKGROUND_COLOR, "#00ff00"},
        {"list-style: square inside", vycpLIST_STYLE_TYPE, "square"},
        {"list-style: square inside", vycpLIST_STYLE_POSITION, "inside"},
        {"list-style: url('Dot.PNG') outside", vycpLIST_STYLE_IMAGE, "url('Dot.PNG')"},
        {"list-style: none url(a.png)", vycpLIST_STYLE_TYPE, "none"},
        {"list-style: none url(a.png)", vycpLIST_STYLE_IMAGE, "url(a.png)"},
        {"list-style: square none", vycpLIST_STYLE_TYPE, "square"},
        {"list-style: square none", vycpLIST_STYLE_IMAGE, "none"},
        {"list-style: none", vycpLIST_STYLE_IMAGE, "none"},
        {"list-style-position: INSIDE", vycpLIST_STYLE_POSITION, "inside"},
        {"COLOR: Red !important", vycpCOLOR, "red"},
        {"font-family: Arial Black", vycpFONT_FAMILY, "Arial Black"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Decl);
        TVyCSSProperties props;
        VyCSSParseInline(c.Decl, props);
        EXPECT_EQ(props.Get(c.Prop), c.Value);
    }
}

TEST(CSSParse, SelectorsAndSpecificity)
{
    const std::string html =
        "<div id=d class='box'><p id=a class=note>x</p><span><p id=b>y</p></span></div>"
        "<p id=c class=note>z</p><h1 id=h>t</h1><h2 id=s>u</h2><ul><li id=l1>1<li id=l2>2</ul>";
    struct TCase {
        const char* Css;
        const char16_t* Id;
        const char* Color;  // "" for none
    };
    const TCase cases[] = {
        {"div p { color: red }", u"a", "red"},
        {"div p { color: red }", u"c", ""},            // not inside a div
        {"div > p { color: red }", u"b", ""},          // a grandchild, not a child
        {"div > p { color: red }", u"a", "red"},
        {".box span p { color: red }", u"b", "red"},
        {"p.note { color: red } .note { color: blue }", u"a", "red"},  // more specific wins
        {".note { color: blue } p { color: red }", u"c", "blue"},
        {"#a { color: green } div p.note { color: red }", u"a", "green"},
        {"p { color: red } p { color: blue }", u"a", "blue"},          // later wins at equal weight
        {"p { color: red !important } #a { color: blue }", u"a", "red"},
        {"h1 + h2 { color: red }", u"s", "red"},
        {"h1 ~ ul li { color: red }", u"l2", "red"},
        {"li:first-child { color: red }", u"l1", "red"},
        {"li:first-child { color: red }", u"l2", ""},
        {"p:hover, p::before { color: red }", u"a", ""},
        {"p[title] { color: red }", u"a", ""},
        {"* { color: gray }", u"h", "gray"},
        {"h1, .note { color: teal }", u"c", "teal"},
        {"@media print { p { color: red } } @media screen { p { color: navy } }", u"c", "navy"},
        {"@font-face { font-family: x; src: url(a.ttf) } p { color: red }", u"c", "red"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Css);
        EXPECT_EQ(Cascade(c.Css, html, c.Id).Get(vycpCOLOR), c.Color);
    }
    // The style attribute wins over every selector, but not over important rules.
    EXPECT_EQ(Cascade("#a { color: red }", "<p id=a style='color: blue'>x</p>", u"a").Get(vycpCOLOR), "blue");
    EXPECT_EQ(Cascade("#a { color: red !important }", "<p id=a style='color: blue'>x</p>", u"a").Get(vycpCOLOR),
              "red");
}

TEST(CSSParse, UnitsToPoints)
{
    struct TCase {
        const char* Text;
        double Base;
        double Points;
    };
    const TCase cases[] = {
        {"1in", 12, 72},   {"2.54cm", 12, 72}, {"25.4mm", 12, 72}, {"12px", 12, 9},    {"10pt", 12, 10},
        {"2pc", 12, 24},   {"2em", 11, 22},    {"3ex", 10, 6},    {"150%", 10, 15},   {"0", 12, 0},
        {"-1.5em", 10, -15}, {"x-large", 12, 18}, {"smaller", 12, 10}, {"16", 12, 12},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        std::optional<double> pt = CSSPropSizeToPt(c.Text, c.Base);
        ASSERT_TRUE(pt.has_value());
        EXPECT_NEAR(*pt, c.Points, 1e-9);
    }
    for (const char* bad : {"", "px", "12furlongs", "auto", "1e999px", "nan"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(CSSPropSizeToPt(bad, 12).has_value());
    }
}

TEST(CSSParse, Colours)
{
    struct TCase {
        const char* Text;
        TVYXColor Color;
    };
    const TCase cases[] = {
        {"#f00", 0xFF0000},           {"#FF8000", 0xFF8000},       {"#11223380", 0x112233},
        {"#abcd", 0xAABBCC},          {"rgb(1, 2, 3)", 0x010203},  {"rgb(100%, 0%, 50%)", 0xFF0080},
        {"rgba(255,0,0,0.5)", 0xFF0000}, {"rgb(0 128 255 / 50%)", 0x0080FF}, {"rgb(300, -5, 0)", 0xFF0000},
        {"Navy", 0x000080},           {"rebeccapurple", 0x663399}, {"ffcc00", 0xFFCC00},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        std::optional<TVYXColor> color = HtmlCssColorToColor(c.Text);
        ASSERT_TRUE(color.has_value());
        EXPECT_EQ(*color, c.Color);
    }
    for (const char* bad : {"", "#", "#12", "#12345", "rgb(1,2)", "rgb(", "notacolor", "transparent"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(HtmlCssColorToColor(bad).has_value());
    }
}

TEST(CSSParse, BrokenSheetsAreSkippedWithErrors)
{
    TVyCSS sheet;
    sheet.Parse(std::string_view("p { color: red; bogus-prop: 1; ; font-size }\n"
                                 "}}} {{ div >> { color: blue } \"unterminated { x\n"
                                 "h1 { color: green } @media screen { h2 { color: red } "));
    EXPECT_FALSE(sheet.Errors().empty());
    EXPECT_GE(sheet.SelectorCount(), 1);
    EXPECT_EQ(sheet.Selectors(0).Key, "p");
    // A long run of garbage and huge selector lists cost linear work only.
    std::string huge;
    for (int i = 0; i < 20000; ++i)
        huge += "a b c d e f g h i j k l m n o p q r s t u v w x y z a b c d e f g h i j, ";
    huge += "p { color: red }";
    for (int i = 0; i < 20000; ++i)
        huge += "{[(\"'";
    TVyCSS big;
    big.Parse(std::string_view(huge));
    EXPECT_LE(big.Errors().size(), 100u);
}

TEST(CSSParse, CascadeWorkIsBounded)
{
    // Every element must be tested against every universal rule: the sheet's budget
    // of selector tests ends that, and the cascade still answers.
    std::string sheet;
    for (int i = 0; i < 40000; ++i)
        sheet += "* + * ~ * > * " + std::string(i % 2 ? "div" : "p") + " {color: red}";
    TVyCSS css;
    css.Parse(std::string_view(sheet));
    TVYXHtmlDOM dom;
    std::string html;
    for (int i = 0; i < 1500; ++i)
        html += "<p id=x>t</p>";
    dom.Parse(U16(html));
    int collected = 0;
    for (int i = 0; i < dom.Root().ChildCount(); ++i) {
        TVyCSSProperties props;
        css.Collect(dom.Root().Child(i), props);
        ++collected;
    }
    EXPECT_EQ(collected, 1500);
}
