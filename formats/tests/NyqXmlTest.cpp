// NyqXmlTest.cpp: the XML tokenizer, writer, DOM, hashes and value conversions.
#include <gtest/gtest.h>

#include <zlib.h>

#include <string>
#include <vector>

#include "formats/NyqSimpleDOM.h"
#include "formats/NyqUtils.h"
#include "formats/NyqXml.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXStringList.h"

namespace {

// Records the events as text lines.
class TTraceReader : public TNyqReadXML {
public:
    std::vector<std::string> Lines;

protected:
    void Declaration() override { Lines.push_back("?" + std::string(RawComment())); }
    void BeginTag() override
    {
        std::string line = "<" + QName();
        if (Attributes().Count() > 0)
            line += " " + Attributes().AsXmlText();
        line += ">" + TextUtf8();
        Lines.push_back(line);
    }
    void EndTag() override { Lines.push_back("</" + QName() + ">"); }
    void Comment() override { Lines.push_back("!" + std::string(RawComment())); }
    void CData(std::string_view body) override { Lines.push_back("[" + std::string(body) + "]"); }
};

std::string Trace(std::string_view xml, bool html = false)
{
    TTraceReader r;
    if (html)
        r.LoadFromBufferHtml(xml);
    else
        r.LoadFromBuffer(xml);
    std::string out;
    for (const auto& l : r.Lines)
        out += l + "|";
    return out;
}

std::string Decode(std::string_view raw, bool charRefs = true)
{
    std::string out;
    NyqDecodeEntities(raw, out, charRefs);
    return out;
}

}  // namespace

TEST(NyqXml, EntityAndCharacterReferenceDecoding)
{
    struct TCase {
        const char* Raw;
        const char* Expected;
    };
    const TCase cases[] = {
        {"a &lt; b &gt; c", "a < b > c"},
        {"&amp;&apos;&quot;", "&'\""},
        {"&amp;lt;", "&lt;"},  // one level only
        {"x&nbsp;y", "xy"},    // unknown entities vanish, even when their sum matches "apos"
        {"&#65;&#x42;&#X43;", "ABC"},
        {"&#x1F600;", "\xF0\x9F\x98\x80"},
        {"&#xD800;", "\xEF\xBF\xBD"},  // a lone surrogate is no character
        {"&#xZZ;", ""},
        {"AT&T", "AT&T"},  // no semicolon: the ampersand stays
        {"bad \xC3\x28 utf8", "bad \xEF\xBF\xBD( utf8"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Raw);
        EXPECT_EQ(Decode(c.Raw), c.Expected);
    }
    EXPECT_EQ(Decode("a&#65;b", false), "ab");  // references dropped when asked
}

TEST(NyqXml, HashesAndCrc)
{
    EXPECT_EQ(CalcHash_A("sectPr"), 625u);
    EXPECT_EQ(CalcHash_A("p"), 112u);
    // A non-ASCII name sums both bytes of each UTF-16 unit: U+0101 gives 0x01 + 0x01.
    EXPECT_EQ(CalcHash_A("\xC4\x81"), 2u);
    // Reference values of the classic string hashes for "abc".
    std::uint32_t rs = 0, a = 63689;
    for (char c : std::string("abc")) {
        rs = rs * a + static_cast<unsigned char>(c);
        a *= 378551u;
    }
    EXPECT_EQ(CalcHash_B("abc"), rs);
    EXPECT_NE(CalcHash_C("abc"), CalcHash_C("acb"));
    EXPECT_NE(CalcHash_D("abc"), CalcHash_D("acb"));
    EXPECT_EQ(CalcHash_CRC32("123456789"), 0xCBF43926u);
    const std::string block(1000, 'x');
    EXPECT_EQ(CalcCRC32(block.data(), block.size()),
              crc32(0, reinterpret_cast<const Bytef*>(block.data()), static_cast<uInt>(block.size())));
    EXPECT_EQ(CalcCRC32(block.data() + 10, 990, CalcCRC32(block.data(), 10)), CalcCRC32(block.data(), 1000));
}

TEST(NyqXml, TokenizerEvents)
{
    struct TCase {
        const char* Xml;
        const char* Trace;
    };
    const TCase cases[] = {
        {"<a/>", "<a>|</a>|"},
        {"<?xml version=\"1.0\"?><r x='1' y = \"a&amp;b\">t&lt;</r>",
         "?xml version=\"1.0\"|<r x=\"1\" y=\"a&amp;b\">t<|</r>|"},
        {"<w:p w:val=\"x\"><!-- c --><w:r/></w:p>", "<w:p w:val=\"x\">|! c |<w:r>|</w:r>|</w:p>|"},
        {"<a><![CDATA[x<y]]></a>", "<a>|[x<y]|</a>|"},
        {"<!DOCTYPE a [<!ENTITY e 'x'>]><a/>", "<a>|</a>|"},
        {"<a\n  b=\"1\"\r\n\tc='2'/>", "<a b=\"1\" c=\"2\">|</a>|"},
        {"<a>never closed", "<a>never closed|"},  // the tokenizer reports what it sees
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Xml);
        EXPECT_EQ(Trace(c.Xml), c.Trace);
    }
}

TEST(NyqXml, SyntaxErrorsRaise)
{
    const char* bad[] = {
        "",  "no tags at all", "<a b=\"1", "<a", "<!-- open", "<a b=1>", "<a b>", "< a>", "<?pi", "<a/ >",
    };
    for (const char* xml : bad) {
        SCOPED_TRACE(xml);
        EXPECT_THROW(Trace(xml), VYXException);
    }
    try {
        Trace("<a>\n<b>\n  <c d=\"1>");
        FAIL();
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "Unexcpected end of file in XML (row 3, column 3)");
    }
    try {
        Trace("text");
        FAIL();
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "Syntax error in XML: can not find \"<\"");
    }
}

TEST(NyqXml, HtmlModeTolerance)
{
    EXPECT_EQ(Trace("<P ALIGN=center checked>x<BR>", true), "<p align=\"center\" checked=\"\">x|<br>|");
    EXPECT_EQ(Trace("<script>if (a<b) x();</script>", true), "<script>if (a<b) x();|</script>|");
    EXPECT_EQ(Trace("a < b <i>c", true), "<i>c|");
    EXPECT_EQ(Trace("<p class=\"x", true), "");
    EXPECT_EQ(Trace("no tags", true), "");
    TNyqSimpleDOM dom;
    auto html = TVYXMemoryStream::View("<HTML><Body BGCOLOR=white><P>a &amp; b<BR></Body></HTML>");
    dom.LoadFromStreamHtml(html);
    const TNyqDOMNode* body = dom.Root().Find("body", true);
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->Attributes().FindValue("bgcolor"), "white");
    EXPECT_EQ(body->Find("p")->GetAsString(), "a & b");
}

TEST(NyqXml, AbortStopsBeforeTheNextTag)
{
    struct TAbort : TNyqReadXML {
        int Tags = 0;
        void BeginTag() override
        {
            if (++Tags == 2)
                Abort();
        }
    } r;
    r.LoadFromBuffer("<a><b><c/><d/></b></a>");
    EXPECT_EQ(r.Tags, 2);
    r.Tags = 0;
    r.LoadFromBuffer("<x/>");  // a new load starts afresh
    EXPECT_EQ(r.Tags, 1);
}

TEST(NyqXml, RowAndColumn)
{
    struct TPos : TNyqReadXML {
        std::vector<std::pair<int, int>> Pos;
        void BeginTag() override { Pos.emplace_back(Row(), Col()); }
    } r;
    r.LoadFromBuffer("<a>\n  <b/>\n\xC3\xA9\xC3\xA9<c/></a>");
    ASSERT_EQ(r.Pos.size(), 3u);
    EXPECT_EQ(r.Pos[1], std::make_pair(2, 3));
    EXPECT_EQ(r.Pos[2], std::make_pair(3, 3));  // two characters of two bytes each before it
}

TEST(NyqXml, AttributeAccessors)
{
    struct TAttrs : TNyqReadXML {
        void BeginTag() override
        {
            auto& a = Attributes();
            EXPECT_EQ(a.Count(), 6);
            EXPECT_EQ(a.AsString("w:val"), "a\"b");
            EXPECT_EQ(a.AsStringDef("none", "d"), "d");
            EXPECT_THROW(a.AsString("none"), VYXException);
            EXPECT_EQ(a.AsIntegerDef("n", 0), -42);
            EXPECT_EQ(a.AsIntegerDef("w:val", 7), 7);
            EXPECT_TRUE(a.AsBoolDef("b", false));
            EXPECT_EQ(a.AsEnumDef("e", {"left", "center", "right"}, -1), 2);
            EXPECT_EQ(a.AsEnumDef("w:val", {"left"}, -1), -1);
            EXPECT_EQ(a.GetHashA(0), CalcHash_A("val"));
            EXPECT_EQ(FindAttribute("n"), "-42");
            EXPECT_EQ(Namespace(), "urn:x");
            TVYXStringList ns;
            a.CollectPrefixed("xmlns:", ns);
            EXPECT_EQ(ns.Count(), 1);
            EXPECT_EQ(ns[0], "xmlns:w=urn:x");
            a.ClearNamespace();
            EXPECT_EQ(a.Count(), 4);
            a.Sort();
            EXPECT_EQ(a.AsXmlText(), "b=\"1\" e=\"right\" n=\"-42\" w:val=\"a&quot;b\"");
        }
    } r;
    r.LoadFromBuffer("<w:x w:val='a&quot;b' xmlns:w=\"urn:x\" n=\"-42\" b=\"1\" e=\"right\" xmlns=\"d\"/>");
}

TEST(NyqXml, SnatchCopiesSubtree)
{
    struct TSnatch : TNyqReadXML {
        TVYXStringList Raw;
        void BeginTag() override
        {
            if (CmpTag("keep"))
                Attributes().BeginSnatch(Raw);
        }
        void EndTag() override
        {
            if (CmpTag("keep"))
                Attributes().EndSnatch();
        }
    } r;
    r.LoadFromBuffer("<r><keep><x a=\"1\">t&amp;</x><y/></keep><z/></r>");
    EXPECT_EQ(r.Raw.Text(), "<x a=\"1\">\nt&amp;\n</x>\n<y/>\n");
}

TEST(NyqXml, WriterOutputAndEscaping)
{
    TNyqWriteXML w;
    w.Declaration();
    w.AddAttribute("q", "say \"hi\" & <bye> 'x'");
    w.BeginTag("root");
    w.SimpleTag("empty");
    w.AddAttributeInt("n", 5);
    w.AddAttributeBool("b", true);
    w.SimpleTag("attrs");
    w.SetText("a<b");
    w.SimpleTag("text");
    w.SimpleTextTag("t", "x&y");
    w.EmptyTag("e");
    w.PushNS("w");
    w.BeginTag("p");
    w.SetText("end");
    w.EndTag();
    w.PopNS();
    w.EndTag();
    EXPECT_EQ(w.Bytes(), "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r"
                         "<root q=\"say &quot;hi&quot; &amp; &lt;bye&gt; &apos;x&apos;\">\r"
                         "<empty/>\r<attrs n=\"5\" b=\"true\"/>\r<text>a&lt;b</text>\r<t>x&amp;y</t>\r<e/>\r"
                         "<w:p>\rend</w:p>\r</root>\r");
    EXPECT_THROW(w.EndTag(), VYXException);
    TNyqWriteXML big;
    const std::string huge(20000, 'x');
    big.AddAttribute("a", huge);
    try {
        big.AddAttribute("b", huge);
        FAIL();
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "Write XML buffer owerflow");
    }
}

TEST(NyqXml, DomRoundTrip)
{
    const char* xml = "<?xml version=\"1.0\"?>\n<w:settings xmlns:w=\"urn:w\">\n"
                      "  <w:zoom w:percent=\"120\"/>\n  <w:defaultTabStop w:val=\"720\"/>\n"
                      "  <w:title>  A &amp; B  </w:title>\n  <w:list><w:i k=\"1\"/><w:i k=\"2\">two</w:i></w:list>\n"
                      "</w:settings>";
    TNyqSimpleDOM dom;
    dom.LoadFromString(xml);
    TNyqDOMNode* settings = dom.Root().Find("w:settings");
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->Find("w:zoom")->Attributes().FindValueInt("w:percent"), 120);
    EXPECT_EQ(settings->Find("w:title")->GetAsString(), "A & B");
    EXPECT_EQ(settings->FindChildWithAttrValue("w:i", "k", "2"), nullptr);
    TNyqDOMNode* list = settings->Find("w:list");
    EXPECT_EQ(list->FindChildWithAttrValue("w:i", "k", "2")->GetAsString(), "two");
    EXPECT_EQ(dom.Root().Find("w:i", true)->Attributes().FindValue("k"), "1");
    std::vector<TNyqDOMNode*> all;
    dom.Root().FindAll("w:i", all, true);
    EXPECT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0]->NextSibling(), all[1]);
    EXPECT_EQ(all[1]->PrevSibling(), all[0]);

    const std::string saved = dom.SaveToString();
    EXPECT_NE(saved.find("<w:zoom w:percent=\"120\"/>\r"), std::string::npos);  // no children, no text
    TNyqSimpleDOM again;
    again.LoadFromString(saved);
    EXPECT_EQ(again.SaveToString(), saved);  // writing twice gives the same bytes

    auto copy = list->Clone();
    EXPECT_EQ(copy->ChildCount(), 2);
    list->DeleteChildFirst("w:i");
    EXPECT_EQ(list->ChildCount(), 1);
    auto detached = list->Detach();
    EXPECT_EQ(settings->Find("w:list"), nullptr);
    EXPECT_EQ(detached->Parent(), nullptr);
    settings->AddOrGetChild("w:zoom").Attributes().Update("w:percent", "80");
    EXPECT_EQ(settings->Find("w:zoom")->Attributes().FindValueInt("w:percent"), 80);
}

TEST(NyqXml, DomKeepsTextAndDecodesBase64)
{
    TNyqSimpleDOM dom;
    dom.KeepTextUntrimmed = true;
    dom.LoadFromString("<a d=\"aGVs bG8=\"> x </a>");
    EXPECT_EQ(dom.Root().Child(0).GetAsString(), " x ");
    EXPECT_EQ(dom.Root().Child(0).Attributes().Find("d")->GetAsBase64(), "hello");
}

TEST(NyqXml, DeepNestingNeedsNoStack)
{
    const int depth = 200000;
    std::string xml;
    for (int i = 0; i < depth; ++i)
        xml += "<d>";
    TNyqSimpleDOM dom;  // never closed: the tree holds what was read
    dom.LoadFromString(xml);
    EXPECT_NE(dom.Root().Find("d", true), nullptr);
    auto copy = dom.Root().Child(0).Clone();
    EXPECT_GT(dom.SaveToString().size(), static_cast<std::size_t>(depth) * 4);
}

// A cut document either raises a syntax error or reads; whatever was read is a
// tree that writes, reads back and writes the same, and the whole text reads fully.
TEST(NyqXml, EveryTruncationFailsCleanly)
{
    const std::string full = "<?xml version=\"1.0\"?><a x=\"1\"><b>t&amp;</b><!--c--><c y='2'/></a>";
    int raised = 0;
    for (std::size_t n = 0; n <= full.size(); ++n) {
        SCOPED_TRACE(n);
        TNyqSimpleDOM dom;
        try {
            dom.LoadFromString(full.substr(0, n));
        } catch (const VYXException& e) {
            ++raised;
            const std::string what = e.what();
            EXPECT_TRUE(what.find("XML") != std::string::npos) << what;
        }
        const std::string saved = dom.SaveToString();
        TNyqSimpleDOM again;
        ASSERT_NO_THROW(again.LoadFromString(saved)) << saved;
        EXPECT_EQ(again.SaveToString(), saved);
        if (n == full.size()) {
            const TNyqDOMNode* c = dom.Root().Find("c", true);
            ASSERT_NE(c, nullptr);
            EXPECT_NE(saved.find("t&amp;"), std::string::npos) << saved;
        }
    }
    EXPECT_GT(raised, 0);
}

TEST(NyqXml, ValueConversions)
{
    EXPECT_DOUBLE_EQ(XmlStrToFloat(" 1.5e2 "), 150.0);
    EXPECT_THROW(XmlStrToFloat("1,5"), VYXException);
    EXPECT_TRUE(XmlStrToBool("true"));
    EXPECT_FALSE(XmlStrToBool("0"));
    EXPECT_TRUE(XmlStrToBoolDef("maybe", true));
    EXPECT_EQ(XmlStrToIntDef("+12", 0), 12);
    EXPECT_EQ(XmlStrToIntDef("99999999999", -1), -1);
    EXPECT_EQ(XmlStrHexToIntDef("FF00aa", 0), 0xFF00AA);
    EXPECT_EQ(XmlIntToHexStr(0xFF, 6), "0000FF");
    EXPECT_EQ(XmlFloatToStr(0.1), "0.1");
    EXPECT_EQ(XmlDateTimeToStr(XmlStrToDateTime("2024-02-29T13:45:10Z")), "2024-02-29T13:45:10Z");
    EXPECT_DOUBLE_EQ(XmlStrToDate("1899-12-31"), 1.0);
    EXPECT_DOUBLE_EQ(XmlStrToTime("12:00"), 0.5);
    EXPECT_FALSE(XmlTryStrToDate("2023-02-30").has_value());
    EXPECT_FALSE(XmlTryStrToDateTime("2023-01-01T25:00").has_value());
    EXPECT_EQ(NameOfQName("w:p"), "p");
    EXPECT_EQ(NameOfQName("p"), "p");
}
