// VYXWriteDOCX.cpp: the DOCX writer: paragraphs, runs, tables, styles and lists as WordprocessingML.
//
// Each part is written into a string by a small appender (names and attribute
// order are ours, so no tree is built) and handed to the package. Element order
// inside property lists follows the schema's sequences, not the model's ids.
//
// Not supported: comments' formatting (their paragraphs are plain texts),
// drawing objects other than pictures and text boxes (shapes, barcodes,
// watermarks), the table look (the reader has put conditional formats on the
// cells already).
#include "formats/VYXWriteDOCX.h"

#include "formats/VYXWriteDOCXImpl.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
#include "formats/VYXDocxValueNames.h"
#include "formats/VYXDocxParts.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/schema/NyqDocx.h"
#include "formats/schema/NyqDocxWml.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXPropValues.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace vyx_docxw {

long long Round(double v)
{
    if (!std::isfinite(v))
        return 0;
    return std::llround(std::clamp(v, -1e15, 1e15));
}

std::string Hex(TVYXColor c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(c & 0xFFFFFFu));
    return buf;
}

// Characters XML 1.0 cannot carry become U+FFFD.
// UTF-8 of `text` with the characters XML cannot carry replaced.
std::string CleanText(std::u16string_view text)
{
    std::u16string clean(text);
    for (char16_t& c : clean)
        if ((c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c == 0xFFFE || c == 0xFFFF)
            c = 0xFFFD;
    return Utf16ToUtf8(clean);
}

std::string XmlText(std::u16string_view text)
{
    std::string out;
    NyqEscapeText(CleanText(text), out);
    return out;
}

// "<name" — attributes follow, then Open() or Empty().
TXml& TXml::Tag(std::string_view name)
{
    Out += '<';
    Out.append(name);
    return *this;
}

TXml& TXml::Attr(std::string_view name, std::string_view value)
{
    Out += ' ';
    Out.append(name);
    Out.append("=\"");
    NyqEscapeText(value, Out);
    Out += '"';
    return *this;
}

TXml& TXml::Attr16(std::string_view name, std::u16string_view value)
{
    Out += ' ';
    Out.append(name);
    Out.append("=\"");
    Out.append(XmlText(value));
    Out += '"';
    return *this;
}

void TXml::End(std::string_view name)
{
    Out.append("</");
    Out.append(name);
    Out += '>';
}

void TXml::OnOff(std::string_view name, bool on)
{
    if (on)
        Tag(name).Empty();
    else
        Val(name, "0");
}

void TXml::TextElem(std::string_view name, std::u16string_view text)
{
    Tag(name).Attr("xml:space", "preserve").Open();
    Out.append(XmlText(text));
    End(name);
}

std::string DateText(double days)
{
    if (days <= 0 || !std::isfinite(days))
        return {};
    // Days since 1899-12-30 to civil date (proleptic Gregorian).
    const long long total = Round(days * 86400.0);
    long long z = total / 86400 - 25569 + 719468;  // days since 0000-03-01
    const long long secs = total % 86400;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = std::clamp(yoe + era * 400 + (m <= 2 ? 1 : 0), 0LL, 9999LL);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04lld-%02lld-%02lldT%02lld:%02lld:%02lldZ", y, m, d, secs / 3600, secs / 60 % 60,
                  secs % 60);
    return buf;
}

// The styles part is written by the schema classes. They hold its structure;
// each style's properties come from the property writers the bodies use, as
// the text of a carrier element that the style's class reads in.
std::string TWriter::Styles()
{
    TDocxPartDoc part;
    TCT_Styles& root = part.Create_Styles();
    TNyqPErrors errors;  // our own text: nothing to report
    const TVYXCHP& chp = FDoc.GetMasterCHP();
    const TVYXPAP& pap = FDoc.GetMasterPAP();
    TXml x;
    x.Tag("w:docDefaults").Open();
    x.Tag("w:rPrDefault").Open();
    // The master sets are dense: every value they hold is written, so that what
    // falls back on them reads back the same.
    x.Tag("w:rPr").Open();
    if (!chp.FontName.empty()) {
        FFontNames.push_back(chp.FontName);
        x.Tag("w:rFonts").Attr16("w:ascii", chp.FontName).Attr16("w:hAnsi", chp.FontName).Empty();
    }
    x.OnOff("w:b", chp.Bold);
    x.OnOff("w:i", chp.Italic);
    if (chp.Color != cVYXAutoColor)
        x.Val("w:color", Hex(chp.Color));
    x.Val("w:sz", std::max(1LL, Round(chp.Size * 2)));
    x.End("w:rPr");
    x.End("w:rPrDefault");
    x.Tag("w:pPrDefault").Open();
    x.Tag("w:pPr").Open();
    x.Tag("w:spacing").Attr("w:before", Twips(pap.SpaceBefore)).Attr("w:after", Twips(pap.SpaceAfter));
    if (pap.LineSpacingType == aplstExactly || pap.LineSpacingType == aplstAtLeast)
        x.Attr("w:line", Twips(pap.LineSpacing)).Attr("w:lineRule", pap.LineSpacingType == aplstExactly ? "exact" : "atLeast");
    else
        x.Attr("w:line", Round(pap.LineSpacing * 240)).Attr("w:lineRule", "auto");
    x.Empty();
    x.Tag("w:ind").Attr("w:left", Twips(pap.IndentLeft)).Attr("w:right", Twips(pap.IndentRight));
    x.Attr("w:hanging", Twips(pap.IndentHanging)).Attr("w:firstLine", Twips(pap.IndentFirstLine)).Empty();
    static constexpr std::string_view cJc[] = {"left", "center", "right", "both"};
    x.Val("w:jc", cJc[std::clamp(static_cast<int>(pap.Alignment), 0, 3)]);
    x.End("w:pPr");
    x.End("w:pPrDefault");
    x.End("w:docDefaults");
    VYXDocxLoadElement(x.Out, root.Create_DocDefaults(), errors);
    const TVYXStyles& styles = FDoc.Styles();
    for (int i = 0; i < styles.Count(); ++i) {
        const TVYXStyle& style = *styles.GetStyle(i);
        if (style.Id.empty())
            continue;
        TCT_Style& item = root.FStyleList.Add();
        root.SetHasChildren();
        if (style.Type_() != astNumbering) {
            TXml props;
            props.Tag("w:style").Open();
            if (const TVYXPAPX* papx = style.StylePAPX())
                PAPX(props, *papx, nullptr, false);
            CHPX(props, style.StyleCHPX());
            if (const TVYXTAPX* tapx = style.StyleTAPX(); tapx && tapx->Count() > 0)
                TAPX(props, *tapx);
            if (const auto* table = dynamic_cast<const TVYXTableStyle*>(&style))
                TableStyleParts(props, *table);
            props.End("w:style");
            VYXDocxLoadElement(props.Out, item, errors);
        }
        item.SetAssigned();
        static constexpr TST_StyleType cType[] = {ststParagraph, ststCharacter, ststTable, ststNumbering};
        item.FType = cType[std::clamp(static_cast<int>(style.Type_()), 0, 3)];
        if (style.Default)
            item.FDefault = "1";
        item.FStyleId = CleanText(style.Id);
        item.Create_Name().FVal = CleanText(style.Name.empty() ? style.Id : style.Name);
        if (style.BasedOn && !style.BasedOn->Id.empty())
            item.Create_BasedOn().FVal = CleanText(style.BasedOn->Id);
        if (const auto* para = dynamic_cast<const TVYXParaStyle*>(&style); para && para->Next && !para->Next->Id.empty())
            item.Create_Next().FVal = CleanText(para->Next->Id);
        if (style.Hidden)
            item.Create_Hidden();
    }
    return part.SaveToString();
}

// The numbering part, like the styles: structure in the classes, each level's
// paragraph and run properties read in from the property writers' text.
std::string TWriter::Numbering()
{
    TDocxPartDoc part;
    TCT_Numbering& root = part.Create_Numbering();
    TNyqPErrors errors;  // our own text: nothing to report
    const TVYXNumberings& lists = FDoc.Numberings();
    static constexpr TST_NumberFormat cFmt[] = {stnfNone,       stnfBullet,     stnfDecimal,
                                                stnfDecimal,    stnfLowerRoman, stnfUpperRoman,
                                                stnfLowerLetter, stnfLowerLetter, stnfUpperLetter};
    static constexpr TST_Jc cJc[] = {stjLeft, stjCenter, stjRight, stjBoth};
    for (int i = 0; i < lists.Count(); ++i) {
        const TVYXNumberingsList& list = *lists.GetItems(i);
        TCT_AbstractNum& abstract = root.FAbstractNumList.Add();
        root.SetHasChildren();
        abstract.SetHasChildren();
        abstract.FAbstractNumId = i;
        abstract.Create_MultiLevelType().FVal = list.Count() > 1 ? stmltMultilevel : stmltSingleLevel;
        for (int l = 0; l < list.Count() && l < 9; ++l) {
            const TVYXNumbering& level = *list.GetItems(l);
            TCT_Lvl& lvl = abstract.FLvlList.Add();
            TXml props;
            props.Tag("w:lvl").Open();
            PAPX(props, level.PAPX(), nullptr, false);
            CHPX(props, &level.CHPX());
            props.End("w:lvl");
            VYXDocxLoadElement(props.Out, lvl, errors);
            lvl.SetHasChildren();
            lvl.FIlvl = l;
            lvl.Create_Start().FVal = std::max(0, level.StartVal);
            lvl.Create_NumFmt().FVal = cFmt[std::clamp(static_cast<int>(level.Style), 0, 8)];
            if (level.Suffix == 1)
                lvl.Create_Suff().FVal = stlsSpace;
            else if (level.Suffix == 2)
                lvl.Create_Suff().FVal = stlsNothing;
            lvl.Create_LvlText().FVal = CleanText(level.Text);
            lvl.Create_LvlJc().FVal = cJc[std::clamp(static_cast<int>(level.Align), 0, 3)];
        }
    }
    for (int i = 0; i < lists.Count(); ++i) {
        TCT_Num& num = root.FNumList.Add();
        num.SetHasChildren();
        num.FNumId = FNumIds[lists.GetItems(i)];
        num.Create_AbstractNumId().FVal = i;
    }
    return part.SaveToString();
}

std::string TWriter::Settings() { return VYXDocxWriteSettings(FDoc); }

std::string TWriter::Notes(bool endnotes)
{
    TXml x;
    const std::string_view root = endnotes ? "w:endnotes" : "w:footnotes";
    const std::string_view item = endnotes ? "w:endnote" : "w:footnote";
    RootOpen(x, root);
    // The separator notes every such part starts with.
    x.Tag(item).Attr("w:type", "separator").Attr("w:id", -1).Open();
    x.Out.append("<w:p><w:r><w:separator/></w:r></w:p>");
    x.End(item);
    x.Tag(item).Attr("w:type", "continuationSeparator").Attr("w:id", 0).Open();
    x.Out.append("<w:p><w:r><w:continuationSeparator/></w:r></w:p>");
    x.End(item);
    TVYXFootnotesList& list = endnotes ? FDoc.EndnoteList() : FDoc.FootnoteList();
    TVYXLogDocEditor& notes = endnotes ? FDoc.Endnotes() : FDoc.Footnotes();
    for (int i = 0; i < list.Count(); ++i) {
        const TVYXFootnoteItem& note = *list.GetItems(i);
        const auto id = FNoteIds.find(&note);
        if (id == FNoteIds.end())
            continue;
        x.Tag(item).Attr("w:id", id->second).Open();
        int first = -1, last = -1;
        bool any = false;
        if (note.CalcLimits(first, last) && note.StartPara && note.StartPara->Paras() == &notes.Paras())
            for (int p = first; p <= last && p < notes.Paras().Count(); ++p) {
                const TVYXLogParaItem* it = notes.Paras().GetItems(p);
                if (it->IsTable())
                    Table(x, *static_cast<const TVYXTable*>(it));
                else
                    Para(x, *static_cast<const TVYXLogPara*>(it), false);
                any = true;
            }
        if (!any || notes.Paras().GetItems(last)->IsTable())
            x.Tag("w:p").Empty();
        x.End(item);
    }
    x.End(root);
    return std::move(x.Out);
}

std::string TWriter::Comments()
{
    TXml x;
    RootOpen(x, "w:comments");
    const TVYXComments& comments = FDoc.Comments();
    for (int i = 0; i < comments.Count(); ++i) {
        const TVYXComment& c = *comments.GetItems(i);
        x.Tag("w:comment").Attr("w:id", FCommentIds[&c]).Attr16("w:author", c.Author);
        if (const std::string date = DateText(c.DateTime); !date.empty())
            x.Attr("w:date", date);
        if (!c.Initials.empty())
            x.Attr16("w:initials", c.Initials);
        x.Open();
        for (const std::u16string& text : c.Text) {
            x.Out.append("<w:p><w:r>");
            x.TextElem("w:t", text);
            x.Out.append("</w:r></w:p>");
        }
        if (c.Text.empty())
            x.Tag("w:p").Empty();
        x.End("w:comment");
    }
    x.End("w:comments");
    return std::move(x.Out);
}

std::string TWriter::HeaderFooter(TVYXLogDocEditor& editor, bool header)
{
    TXml x;
    const std::string_view root = header ? "w:hdr" : "w:ftr";
    RootOpen(x, root);
    Paras(x, editor.Paras(), false);
    if (editor.Paras().Count() == 0 || editor.Paras().Last()->IsTable())
        x.Tag("w:p").Empty();
    x.End(root);
    return std::move(x.Out);
}

constexpr std::string_view cTheme =
    "<a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" name=\"Office Theme\">"
    "<a:themeElements><a:clrScheme name=\"Office\">"
    "<a:dk1><a:sysClr val=\"windowText\" lastClr=\"000000\"/></a:dk1><a:lt1><a:sysClr val=\"window\" lastClr=\"FFFFFF\"/></a:lt1>"
    "<a:dk2><a:srgbClr val=\"1F497D\"/></a:dk2><a:lt2><a:srgbClr val=\"EEECE1\"/></a:lt2>"
    "<a:accent1><a:srgbClr val=\"4F81BD\"/></a:accent1><a:accent2><a:srgbClr val=\"C0504D\"/></a:accent2>"
    "<a:accent3><a:srgbClr val=\"9BBB59\"/></a:accent3><a:accent4><a:srgbClr val=\"8064A2\"/></a:accent4>"
    "<a:accent5><a:srgbClr val=\"4BACC6\"/></a:accent5><a:accent6><a:srgbClr val=\"F79646\"/></a:accent6>"
    "<a:hlink><a:srgbClr val=\"0000FF\"/></a:hlink><a:folHlink><a:srgbClr val=\"800080\"/></a:folHlink></a:clrScheme>"
    "<a:fontScheme name=\"Office\"><a:majorFont><a:latin typeface=\"Cambria\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/></a:majorFont>"
    "<a:minorFont><a:latin typeface=\"Calibri\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/></a:minorFont></a:fontScheme>"
    "<a:fmtScheme name=\"Office\"><a:fillStyleLst>"
    "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>"
    "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:fillStyleLst><a:lnStyleLst>"
    "<a:ln w=\"9525\"><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:ln>"
    "<a:ln w=\"25400\"><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:ln>"
    "<a:ln w=\"38100\"><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:ln></a:lnStyleLst>"
    "<a:effectStyleLst><a:effectStyle><a:effectLst/></a:effectStyle><a:effectStyle><a:effectLst/></a:effectStyle>"
    "<a:effectStyle><a:effectLst/></a:effectStyle></a:effectStyleLst><a:bgFillStyleLst>"
    "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>"
    "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:bgFillStyleLst></a:fmtScheme></a:themeElements>"
    "<a:objectDefaults/><a:extraClrSchemeLst/></a:theme>";

constexpr std::string_view cCore =
    "<cp:coreProperties xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
    "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
    "xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\r\n"
    "\t<dc:creator></dc:creator>\r\n\t<cp:lastModifiedBy></cp:lastModifiedBy>\r\n\t<cp:revision>1</cp:revision>\r\n"
    "\t<dcterms:created xsi:type=\"dcterms:W3CDTF\">2014-11-26T14:20:00Z</dcterms:created>\r\n"
    "\t<dcterms:modified xsi:type=\"dcterms:W3CDTF\">2014-11-26T14:20:00Z</dcterms:modified>\r\n</cp:coreProperties>";

constexpr std::string_view cApp =
    "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\" "
    "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">\r\n"
    "\t<Template>Normal.dotm</Template>\r\n\t<TotalTime>0</TotalTime>\r\n\t<Application>vyx</Application>\r\n"
    "\t<DocSecurity>0</DocSecurity>\r\n\t<ScaleCrop>false</ScaleCrop>\r\n\t<LinksUpToDate>false</LinksUpToDate>\r\n"
    "\t<SharedDoc>false</SharedDoc>\r\n\t<HyperlinksChanged>false</HyperlinksChanged>\r\n\t<AppVersion>12.0000</AppVersion>\r\n"
    "</Properties>";

// The document's own core properties, in the layout of the constant part.
std::string TWriter::Core() const
{
    std::string out(cDecl);
    out.append(cCore.substr(0, cCore.find('>') + 1));
    out.append("\r\n");
    auto text = [&](std::string_view name, std::u16string_view value) {
        if (value.empty())
            return;
        out.append("\t<").append(name).append(">").append(XmlText(value)).append("</").append(name).append(">\r\n");
    };
    auto date = [&](std::string_view name, double value) {
        if (const std::string d = DateText(value); !d.empty())
            out.append("\t<").append(name).append(" xsi:type=\"dcterms:W3CDTF\">").append(d).append("</").append(name).append(">\r\n");
    };
    text("dc:title", FProps->Title);
    text("dc:subject", FProps->Subject);
    text("dc:creator", FProps->Author);
    text("cp:keywords", FProps->Tags);
    text("dc:description", FProps->Comment);
    text("cp:lastModifiedBy", FProps->LastModifiedBy);
    text("cp:revision", FProps->Revision);
    date("dcterms:created", FProps->Created);
    date("dcterms:modified", FProps->LastModified);
    text("cp:category", FProps->Categories);
    text("cp:contentStatus", FProps->Status);
    out.append("</cp:coreProperties>");
    return out;
}

void TWriter::Save()
{
    FPkg.WriteItem(FPkg.AddDocPropsCore(), FProps ? Core() : std::string(cDecl) + std::string(cCore));
    FPkg.WriteItem(FPkg.AddDocPropsApp(), std::string(cDecl) + std::string(cApp));
    TOPCItem& document = FPkg.CreateDocument();
    FOwner = &document;

    // numIds are the model's list ids plus one (0 means "no list" in the file);
    // ids that clash or are negative take fresh numbers after the largest.
    const TVYXNumberings& lists = FDoc.Numberings();
    long long nextId = 1;
    for (int i = 0; i < lists.Count(); ++i)
        nextId = std::max<long long>(nextId, lists.GetItems(i)->Id + 2LL);
    std::vector<long long> used;
    for (int i = 0; i < lists.Count(); ++i) {
        const TVYXNumberingsList* list = lists.GetItems(i);
        long long id = list->Id + 1LL;
        if (id < 1 || std::find(used.begin(), used.end(), id) != used.end())
            id = nextId++;
        used.push_back(id);
        FNumIds[list] = id;
    }
    // Note ids in list order, from 1 (-1 and 0 are the separators).
    for (int i = 0; i < FDoc.FootnoteList().Count(); ++i)
        FNoteIds[FDoc.FootnoteList().GetItems(i)] = i + 1;
    for (int i = 0; i < FDoc.EndnoteList().Count(); ++i)
        FNoteIds[FDoc.EndnoteList().GetItems(i)] = i + 1;

    for (int i = 0; i < FDoc.Comments().Count(); ++i)
        FCommentIds[FDoc.Comments().GetItems(i)] = i;

    FPkg.WriteItem(FPkg.AddSettings(), Settings());
    FPkg.WriteItem(FPkg.AddTheme(), std::string(cDecl) + std::string(cTheme));
    FPkg.WriteItem(FPkg.CreateStyles(), Styles());

    int headerCount = 0, footerCount = 0;
    for (bool header : {true, false}) {
        TVYXHeadersFooters& set = header ? FDoc.Headers() : FDoc.Footers();
        const std::pair<TVYXHeaderFooterType, std::string_view> kinds[] = {
            {ahftDefault, "default"}, {ahftFirst, "first"}, {ahftEven, "even"}};
        for (const auto& [kind, name] : kinds) {
            TVYXLogDocEditor* editor = set.Find(kind);
            if (!editor)
                continue;
            TOPCItem& item = header ? FPkg.CreateHeader(++headerCount) : FPkg.CreateFooter(++footerCount);
            FOwner = &item;
            FPkg.WriteItem(item, HeaderFooter(*editor, header));
            FHeaderRefs.emplace_back(header ? "w:headerReference" : "w:footerReference", std::string(name) + "|" + item.Id());
        }
    }
    // References in schema order: all headers, then all footers, as collected.
    FOwner = &document;
    if (FDoc.FootnoteList().Count() > 0)
        FPkg.WriteItem(FPkg.CreateFootnotes(), Notes(false));
    if (FDoc.EndnoteList().Count() > 0)
        FPkg.WriteItem(FPkg.CreateEndnotes(), Notes(true));
    if (FDoc.Comments().Count() > 0)
        FPkg.WriteItem(FPkg.CreateComments(), Comments());

    TXml x;
    RootOpen(x, "w:document");
    x.Tag("w:body").Open();
    Paras(x, FDoc.Paras(), true);
    SEP(x, FDoc.SEP(), true);
    x.End("w:body");
    x.End("w:document");
    FPkg.WriteItem(document, x.Out);
    if (lists.Count() > 0)
        FPkg.WriteItem(FPkg.CreateNumbering(), Numbering());
    // Last, when every font name has been written.
    static constexpr std::string_view cRels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    static constexpr std::string_view cTypes = "application/vnd.openxmlformats-officedocument.wordprocessingml.";
    FPkg.WriteItem(FPkg.ItemCreate(document, std::string(cRels) + "fontTable", std::string(cTypes) + "fontTable+xml",
                                   "fontTable.xml"),
                   VYXDocxWriteFontTable(FFontNames));
    FPkg.WriteItem(FPkg.ItemCreate(document, std::string(cRels) + "webSettings",
                                   std::string(cTypes) + "webSettings+xml", "webSettings.xml"),
                   VYXDocxWriteWebSettings());
}

}  // namespace vyx_docxw

using vyx_docxw::TWriter;


TVYXWriteDOCX::TVYXWriteDOCX(TVYXLogDocEditor& doc) : FDoc(doc) {}

TVYXWriteDOCX::~TVYXWriteDOCX() = default;

void TVYXWriteDOCX::SaveToStream(TVYXStream& stream)
{
    TOPC_DOCX pkg;
    pkg.OpenWrite(stream);
    TWriter writer(FDoc, pkg, Properties);
    writer.Save();
    pkg.Close();
}

std::string TVYXWriteDOCX::SaveToBytes()
{
    TVYXMemoryStream out;
    SaveToStream(out);
    return out.TakeBytes();
}

void TVYXWriteDOCX::SaveToFile(const std::string& fileName) { VYXWriteFile(fileName, SaveToBytes()); }
