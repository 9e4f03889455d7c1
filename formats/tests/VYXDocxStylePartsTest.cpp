// VYXDocxStylePartsTest.cpp: styles and numbering parts, read and written through the schema classes.
//
// The corpus test compares, file by file, a property-by-property picture of
// what the styles and numbering parts put into the model (document defaults,
// every style with its lists and table-style formats, every list level) with
// a golden table of its hashes; VYX_UPDATE_GOLDEN=1 rewrites the table and
// VYX_DOCX_STYLES_DUMP=<folder> leaves the pictures there for a diff.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "editing/VYXLogEditor.h"
#include "formats/VYXDocxParts.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/VYXWriteDOCX.h"
#include "formats/VYXZip5.h"
#include "formats/tests/VYXZipTestUtil.h"
#include "formats/schema/NyqDocx.h"
#include "formats/schema/NyqDocxWml.h"
#include "model/VYXCharProps.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXPropValues.h"
#include "model/VYXStyles.h"
#include "model/VYXTableProps.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace fs = std::filesystem;

namespace {

std::string Props(const TVYXPropList* list)
{
    if (!list || list->Count() == 0)
        return "-";
    std::string s;
    for (int i = 0; i < list->Count(); ++i) {
        const std::int32_t id = list->Items(i).Id;
        s += std::to_string(id) + "=" + list->GetAsText(id) + ";";
    }
    return s;
}

std::string ParaProps(const TVYXPAPX* papx)
{
    if (!papx)
        return "-";
    return Props(papx) + (papx->CHPX() ? " mark " + Props(papx->CHPX()) : std::string());
}

std::string Cells(const TVYXTableCellProps* cells)
{
    if (!cells)
        return "-";
    std::ostringstream s;
    s << "fill=" << cells->FillColor;
    for (int side = atbsLeft; side <= atbsTr2bl; ++side)
        if (const TVYXDocPropBorder* b = cells->GetBorder(static_cast<TVYXTableBorderSide>(side)))
            s << " b" << side << "=" << b->Style << "/" << b->Width << "/" << b->Space << "/" << b->Color;
    return s.str();
}

std::string Name(const TVYXStyle* style) { return style ? Utf16ToUtf8(style->Id) : "-"; }

// What the styles and numbering parts gave the model, one line per item.
std::string StylesAndLists(TVYXLogDocEditor& doc)
{
    std::ostringstream s;
    const TVYXCHP& chp = doc.GetMasterCHP();
    s << "chp " << Utf16ToUtf8(chp.FontName) << " " << chp.Size << " b" << chp.Bold << " i" << chp.Italic << " c"
      << chp.Color << "\n";
    const TVYXPAP& pap = doc.GetMasterPAP();
    s << "pap " << pap.SpaceBefore << " " << pap.SpaceAfter << " " << pap.LineSpacing << " " << pap.LineSpacingType
      << " " << pap.IndentLeft << " " << pap.IndentRight << " " << pap.IndentFirstLine << " " << pap.IndentHanging
      << " " << pap.Alignment << "\n";
    const TVYXStyles& styles = doc.Styles();
    for (int i = 0; i < styles.Count(); ++i) {
        const TVYXStyle& style = *styles.GetStyle(i);
        s << "style " << Name(&style) << " type=" << style.Type_() << " name=" << Utf16ToUtf8(style.Name)
          << " default=" << style.Default << " hidden=" << style.Hidden << " basedOn=" << Name(style.BasedOn);
        if (const auto* para = dynamic_cast<const TVYXParaStyle*>(&style))
            s << " next=" << Name(para->Next);
        s << "\n  p " << ParaProps(style.StylePAPX()) << "\n  c " << Props(style.StyleCHPX()) << "\n  t "
          << Props(style.StyleTAPX()) << "\n";
        if (const auto* table = dynamic_cast<const TVYXTableStyle*>(&style)) {
            s << "  cells " << Cells(table->CellProps()) << "\n";
            if (const TVYXTableStyleProps* parts = table->Props())
                for (int type = 0; type < 13; ++type)
                    if (const TVYXTableStyleProp* p = parts->Find(static_cast<TVYXTableStylePropsType>(type)))
                        s << "  part " << type << " p " << ParaProps(p->PAPX()) << " c " << Props(p->CHPX())
                          << " t " << Props(p->TAPX()) << " cells " << Cells(p->CellProps()) << "\n";
        }
    }
    const TVYXNumberings& lists = doc.Numberings();
    for (int i = 0; i < lists.Count(); ++i) {
        const TVYXNumberingsList& list = *lists.GetItems(i);
        s << "list " << list.Id << "\n";
        for (int l = 0; l < list.Count(); ++l) {
            const TVYXNumbering& level = *list.GetItems(l);
            s << "  level " << level.Level << " start=" << level.StartVal << " style=" << level.Style
              << " text=" << Utf16ToUtf8(level.Text) << " align=" << level.Align << " suffix=" << level.Suffix
              << "\n    p " << ParaProps(&level.PAPX()) << "\n    c " << Props(&level.CHPX()) << "\n";
        }
    }
    return s.str();
}

std::uint64_t Hash(const std::string& text)
{
    std::uint64_t h = 1469598103934665603ULL;
    for (const unsigned char c : text)
        h = (h ^ c) * 1099511628211ULL;
    return h;
}

std::string Hex(std::uint64_t v)
{
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

const std::string cW = R"(xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")";
const std::string cW14 = R"(xmlns:w14="http://schemas.microsoft.com/office/word/2010/wordml")";

// Document defaults, a paragraph style with properties of both kinds and a
// foreign run property, a cycle of two styles, one without an id, a character
// style and a table style with a conditional format.
const std::string cStyles =
    "<w:styles " + cW + " " + cW14 + ">"
    R"(<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Cambria" w:hAnsi="Cambria"/><w:sz w:val="22"/></w:rPr></w:rPrDefault>)"
    R"(<w:pPrDefault><w:pPr><w:spacing w:after="120"/></w:pPr></w:pPrDefault></w:docDefaults>)"
    R"(<w:latentStyles w:defQFormat="0" w:count="2"><w:lsdException w:name="Normal" w:qFormat="1"/></w:latentStyles>)"
    R"(<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="Heading1"><w:name w:val="heading 1"/><w:basedOn w:val="Normal"/>)"
    R"(<w:next w:val="Normal"/><w:uiPriority w:val="9"/><w:qFormat/>)"
    R"(<w:pPr><w:keepNext/><w:spacing w:before="240" w:after="60"/><w:ind w:left="720" w:hanging="360"/><w:jc w:val="center"/></w:pPr>)"
    R"(<w:rPr><w:b/><w:i w:val="0"/><w:color w:val="1F3864"/><w:sz w:val="32"/><w14:ligatures w14:val="standard"/></w:rPr></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="A"><w:name w:val="A"/><w:basedOn w:val="B"/></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="B"><w:name w:val="B"/><w:basedOn w:val="A"/></w:style>)"
    R"(<w:style w:type="paragraph"><w:name w:val="no id"/></w:style>)"
    R"(<w:style w:type="character" w:styleId="Strong"><w:name w:val="Strong"/><w:rPr><w:b/><w:u w:val="double"/></w:rPr></w:style>)"
    R"(<w:style w:type="table" w:styleId="Grid"><w:name w:val="Grid"/><w:tblPr><w:tblInd w:w="108" w:type="dxa"/></w:tblPr>)"
    R"(<w:tcPr><w:shd w:val="clear" w:color="auto" w:fill="EEEEEE"/></w:tcPr>)"
    R"(<w:tblStylePr w:type="lastRow"><w:rPr><w:i/></w:rPr><w:tcPr><w:tcBorders><w:top w:val="single" w:sz="8" w:color="FF0000"/></w:tcBorders></w:tcPr></w:tblStylePr>)"
    R"(</w:style></w:styles>)";

// Two lists on one definition (the second restarts at 5), a level past the
// ninth, and a list whose definition is missing.
const std::string cNumbering =
    "<w:numbering " + cW + ">"
    R"(<w:abstractNum w:abstractNumId="0"><w:multiLevelType w:val="hybridMultilevel"/>)"
    R"x(<w:lvl w:ilvl="0"><w:start w:val="3"/><w:numFmt w:val="upperRoman"/><w:suff w:val="space"/><w:lvlText w:val="%1)"/>)x"
    R"(<w:lvlJc w:val="right"/><w:pPr><w:ind w:left="720" w:hanging="360"/></w:pPr><w:rPr><w:b/></w:rPr></w:lvl>)"
    R"(<w:lvl w:ilvl="1"><w:start w:val="1"/><w:numFmt w:val="bullet"/><w:lvlText w:val="o"/><w:lvlJc w:val="left"/></w:lvl>)"
    R"(<w:lvl w:ilvl="12"><w:start w:val="7"/></w:lvl></w:abstractNum>)"
    R"(<w:num w:numId="1"><w:abstractNumId w:val="0"/></w:num>)"
    R"(<w:num w:numId="2"><w:abstractNumId w:val="0"/><w:lvlOverride w:ilvl="0"><w:startOverride w:val="5"/></w:lvlOverride></w:num>)"
    R"(<w:num w:numId="3"><w:abstractNumId w:val="9"/></w:num>)"
    "</w:numbering>";

std::string Package(const std::string& styles, const std::string& numbering)
{
    TVYXMemoryStream out;
    TOPC_DOCX pkg;
    pkg.OpenWrite(out);
    TOPCItem& doc = pkg.CreateDocument();
    pkg.WriteItem(pkg.CreateStyles(), styles);
    pkg.WriteItem(pkg.CreateNumbering(), numbering);
    pkg.WriteItem(doc, "<w:document " + cW + R"(><w:body><w:p><w:pPr><w:pStyle w:val="Heading1"/>)"
                       R"(<w:numPr><w:ilvl w:val="0"/><w:numId w:val="2"/></w:numPr></w:pPr><w:r><w:t>x</w:t></w:r></w:p>)"
                       "</w:body></w:document>");
    pkg.Close();
    return out.TakeBytes();
}

bool Flag(const TVYXPropList* list, std::int32_t id)
{
    bool on = false;
    return list && list->GetValue(id, on) && on;
}

double Number(const TVYXPropList* list, std::int32_t id)
{
    double v = -1;
    return list && list->GetValue(id, v) ? v : -1;
}

}  // namespace

// The model the styles and numbering parts give is the one recorded in the
// golden table, for every corpus package; a round trip through our writer
// settles after one save (the writer keeps what it writes).
TEST(DocxStyleParts, CorpusStylesAndListsMatchTheGoldenTable)
{
    const fs::path dir = fs::path(VYX_SHARED_DIR) / "corpus" / "docx";
    if (!fs::is_directory(dir))
        GTEST_SKIP() << "no shared corpus";
    const fs::path golden = fs::path(VYX_TEST_DATA_DIR) / "docx" / "styles-model.tsv";
    std::map<std::string, std::string> expected;
    {
        std::ifstream in(golden);
        std::string name, hash;
        while (in >> name >> hash)
            expected[name] = hash;
    }
    const char* dumpDir = std::getenv("VYX_DOCX_STYLES_DUMP");
    std::map<std::string, std::string> actual;
    int roundTrips = 0, sameAfterRoundTrip = 0, firstEqualsSecond = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string name = e.path().filename().string();
        TVYXLogDocEditor doc;
        try {
            TVYXReadDOCX(doc).LoadFromFile(e.path().string());
        } catch (const VYXException&) {
            continue;
        }
        const std::string picture = StylesAndLists(doc);
        actual[name] = Hex(Hash(picture));
        if (dumpDir)
            std::ofstream(fs::path(dumpDir) / (name + ".styles")) << picture;
        const std::string written = TVYXWriteDOCX(doc).SaveToBytes();
        // The written parts are the classes' own: read into them, nothing is unknown.
        for (const char* part : {"word/styles.xml", "word/numbering.xml"}) {
            TDocxPartDoc classes;
            TNyqPErrors errors;
            VYXDocxLoadPart(classes, ZipPartOf(written, part), errors);
            EXPECT_EQ(errors.Count(), 0) << name << " " << part << ": " << (errors.Count() ? errors.Items(0) : "");
        }
        TVYXLogDocEditor again;
        TVYXReadDOCX(again).LoadFromBytes(written);
        ++roundTrips;
        const std::string second = StylesAndLists(again);
        firstEqualsSecond += second == picture;
        // What we wrote and read back is a fixed point of the next round trip.
        TVYXLogDocEditor third;
        TVYXReadDOCX(third).LoadFromBytes(TVYXWriteDOCX(again).SaveToBytes());
        sameAfterRoundTrip += StylesAndLists(third) == second;
        if (dumpDir)
            std::ofstream(fs::path(dumpDir) / (name + ".styles2")) << second;
    }
    if (std::getenv("VYX_UPDATE_GOLDEN")) {
        std::ofstream out(golden);
        for (const auto& [name, hash] : actual)
            out << name << "\t" << hash << "\n";
        return;
    }
    ASSERT_FALSE(expected.empty()) << "missing golden " << golden;
    int same = 0;
    for (const auto& [name, hash] : actual) {
        const auto it = expected.find(name);
        EXPECT_TRUE(it != expected.end() && it->second == hash) << name;
        same += it != expected.end() && it->second == hash;
    }
    EXPECT_EQ(actual.size(), expected.size());
    std::cout << "styles and lists equal to the golden table: " << same << " of " << actual.size()
              << "; unchanged by a round trip: " << firstEqualsSecond << "\n";
    EXPECT_GT(roundTrips, 150);
    EXPECT_EQ(sameAfterRoundTrip, roundTrips);
}

TEST(DocxStyleParts, StylesMapToTheModel)
{
    TVYXLogDocEditor doc;
    TVYXReadDOCX reader(doc);
    reader.LoadFromBytes(Package(cStyles, cNumbering));
    EXPECT_EQ(doc.GetMasterCHP().FontName, u"Cambria");
    EXPECT_DOUBLE_EQ(doc.GetMasterCHP().Size, 11.0);
    EXPECT_DOUBLE_EQ(doc.GetMasterPAP().SpaceAfter, 6.0);
    const TVYXStyles& styles = doc.Styles();
    const TVYXStyle* heading = styles.Find(u"Heading1");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->Name, u"heading 1");
    EXPECT_EQ(heading->BasedOn, styles.Find(u"Normal"));
    EXPECT_EQ(static_cast<const TVYXParaStyle*>(heading)->Next, styles.Find(u"Normal"));
    EXPECT_TRUE(styles.Find(u"Normal")->Default);
    // Sizes and indents converted at the border; the foreign element changes nothing.
    EXPECT_TRUE(Flag(heading->StyleCHPX(), vyciBold));
    bool italic = true;
    EXPECT_TRUE(heading->StyleCHPX()->GetValue(vyciItalic, italic));
    EXPECT_FALSE(italic);
    EXPECT_DOUBLE_EQ(Number(heading->StyleCHPX(), vyciSize), 16.0);
    EXPECT_DOUBLE_EQ(Number(heading->StylePAPX(), vypiSpaceBefore), 12.0);
    EXPECT_DOUBLE_EQ(Number(heading->StylePAPX(), vypiIndentLeft), 36.0);
    EXPECT_DOUBLE_EQ(Number(heading->StylePAPX(), vypiIndentHanging), 18.0);
    EXPECT_TRUE(Flag(heading->StylePAPX(), vypiKeepNext));
    std::int32_t align = -1;
    EXPECT_TRUE(heading->StylePAPX()->GetValue(vypiAlignment, align));
    EXPECT_EQ(align, vyptaCenter);
    // A cycle of basedOn is cut, so lookups end; a style without an id is dropped.
    const TVYXStyle* a = styles.Find(u"A");
    const TVYXStyle* b = styles.Find(u"B");
    ASSERT_TRUE(a && b);
    EXPECT_FALSE(a->BasedOn == b && b->BasedOn == a);
    for (int i = 0; i < styles.Count(); ++i)
        EXPECT_NE(styles.GetStyle(i)->Name, u"no id");
    EXPECT_TRUE(Flag(styles.Find(u"Strong")->StyleCHPX(), vyciBold));
    const auto* grid = dynamic_cast<const TVYXTableStyle*>(styles.Find(u"Grid"));
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(grid->CellProps(), nullptr);
    EXPECT_EQ(grid->CellProps()->FillColor, 0xEEEEEEu);
    EXPECT_GT(grid->StyleTAPX()->Count(), 0);
    ASSERT_NE(grid->Props(), nullptr);
    const TVYXTableStyleProp* last = grid->Props()->Find(atsptLastRow);
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(Flag(last->CHPX(), vyciItalic));
    ASSERT_NE(last->CellProps(), nullptr);
    ASSERT_NE(last->CellProps()->GetBorder(atbsTop), nullptr);
    EXPECT_DOUBLE_EQ(last->CellProps()->GetBorder(atbsTop)->Width, 1.0);
}

TEST(DocxStyleParts, NumberingLevelsOverridesAndMissingDefinitions)
{
    TVYXLogDocEditor doc;
    TVYXReadDOCX reader(doc);
    reader.LoadFromBytes(Package(cStyles, cNumbering));
    const TVYXNumberings& lists = doc.Numberings();
    const TVYXNumbering* first = lists.Find(0, 0);
    const TVYXNumbering* second = lists.Find(1, 0);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->StartVal, 3);
    EXPECT_EQ(second->StartVal, 5);
    EXPECT_EQ(first->Style, anstUpperRoman);
    EXPECT_EQ(first->Text, u"%1)");
    EXPECT_EQ(first->Align, vyptaRight);
    EXPECT_EQ(first->Suffix, 1);
    EXPECT_DOUBLE_EQ(Number(&first->PAPX(), vypiIndentLeft), 36.0);
    EXPECT_TRUE(Flag(&first->CHPX(), vyciBold));
    const TVYXNumbering* bullet = lists.Find(0, 1);
    ASSERT_NE(bullet, nullptr);
    EXPECT_EQ(bullet->Style, anstBullet);
    EXPECT_EQ(lists.FindList(2), nullptr);
    bool reported = false;
    for (int i = 0; i < reader.Errors().Count(); ++i)
        reported = reported || reader.Errors().Items(i).find("Numbering 3 names a missing definition") != std::string::npos;
    EXPECT_TRUE(reported);
    // The paragraph finds its style and its list.
    const TVYXLogPara* para = doc.Paras().GetParas(0);
    ASSERT_NE(para, nullptr);
    EXPECT_EQ(para->PAPX().GetNumbering(), second);
}

// What we write is the classes' own text: it reads into them without a
// diagnostic, keeps the values, and reads back to the same model.
TEST(DocxStyleParts, WrittenPartsReadBackWithoutDiagnostics)
{
    TVYXLogDocEditor doc;
    TVYXReadDOCX(doc).LoadFromBytes(Package(cStyles, cNumbering));
    const std::string bytes = TVYXWriteDOCX(doc).SaveToBytes();
    for (const char* name : {"word/styles.xml", "word/numbering.xml"}) {
        SCOPED_TRACE(name);
        const std::string xml = ZipPartOf(bytes, name);
        ASSERT_FALSE(xml.empty());
        TDocxPartDoc part;
        TNyqPErrors errors;
        VYXDocxLoadPart(part, xml, errors);
        EXPECT_EQ(errors.Count(), 0) << (errors.Count() ? errors.Items(0) : "");
        EXPECT_TRUE(part.FStyles || part.FNumbering);
    }
    const std::string styles = ZipPartOf(bytes, "word/styles.xml");
    EXPECT_NE(styles.find("w:tblStylePr w:type=\"lastRow\""), std::string::npos);
    EXPECT_NE(styles.find("w:hanging=\"360\""), std::string::npos);
    const std::string numbering = ZipPartOf(bytes, "word/numbering.xml");
    EXPECT_NE(numbering.find("<w:lvlText w:val=\"%1)\"/>"), std::string::npos);
    EXPECT_NE(numbering.find("<w:numFmt w:val=\"upperRoman\"/>"), std::string::npos);
    TVYXLogDocEditor again;
    TVYXReadDOCX(again).LoadFromBytes(bytes);
    for (const char16_t* id : {u"Heading1", u"Strong", u"Grid", u"A", u"B"}) {
        const TVYXStyle* was = doc.Styles().Find(id);
        const TVYXStyle* is = again.Styles().Find(id);
        ASSERT_TRUE(was && is);
        EXPECT_EQ(Props(is->StyleCHPX()), Props(was->StyleCHPX()));
        EXPECT_EQ(ParaProps(is->StylePAPX()), ParaProps(was->StylePAPX()));
        EXPECT_EQ(Props(is->StyleTAPX()), Props(was->StyleTAPX()));
        EXPECT_EQ(Name(is->BasedOn), Name(was->BasedOn));
    }
    const std::string lists = StylesAndLists(doc), listsAgain = StylesAndLists(again);
    EXPECT_EQ(listsAgain.substr(listsAgain.find("\nlist ")), lists.substr(lists.find("\nlist ")));
}

// A property element read into its class from text and written again gives
// the same elements, foreign ones included; a second element is refused.
TEST(DocxStyleParts, ElementsCrossBetweenTextAndClasses)
{
    TCT_Style style;
    TNyqPErrors errors;
    VYXDocxLoadElement("<w:style " + cW + " " + cW14 + R"( w:type="character" w:styleId="S"><w:name w:val="S"/>)"
                       R"(<w:rPr><w:b/><w14:glow w14:rad="10"><w14:srgbClr w14:val="FF0000"/></w14:glow></w:rPr>)"
                       R"(</w:style>)", style, errors);
    ASSERT_NE(style.FRPr, nullptr);
    EXPECT_EQ(style.FStyleId.value_or(""), "S");
    const std::string text = VYXDocxElementText(*style.FRPr, "w:rPr");
    EXPECT_NE(text.find("<w:b/>"), std::string::npos) << text;
    EXPECT_NE(text.find("<w14:srgbClr w14:val=\"FF0000\"/>"), std::string::npos) << text;
    TCT_Style other;
    TNyqPErrors refused;
    VYXDocxLoadElement(R"(<w:style><w:name w:val="x"/></w:style><w:style/>)", other, refused);
    EXPECT_GT(refused.Count(), 0);
    EXPECT_THROW(VYXDocxLoadElement("<w:style><w:name", other, refused), VYXException);
}
