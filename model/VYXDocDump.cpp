// VYXDocDump.cpp: the text dump of a body (see VYXDocDump.h for the format).
#include "model/VYXDocDump.h"

#include <cmath>
#include <cstdio>

#include "model/VYXCharRun.h"
#include "model/VYXDocData.h"
#include "model/VYXDocProps.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "platform/VYXStringList.h"
#include "platform/VYXUnicode.h"

namespace {

// Deep style chains are cut here, as the format resolution does: a cycle must not hang the dump.
constexpr int cMaxStyleDepth = 32;

// At most two decimals, no trailing zeros, never "-0".
std::string Num(double v)
{
    if (!std::isfinite(v))
        return std::isnan(v) ? "nan" : (v > 0 ? "inf" : "-inf");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    std::string s(buf);
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.')
        s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string Color(TVYXColor c)
{
    if (c == cVYXAutoColor)
        return "auto";
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(c & 0xFFFFFFu));
    return buf;
}

// UTF-8 in double quotes; quotes, backslashes and control characters escaped.
std::string Quote(std::u16string_view text)
{
    std::string out = "\"";
    for (const char c : Utf16ToUtf8(text)) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (u < 0x20 || u == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", u);
            out += buf;
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}


class TDumper {
public:
    std::string Out;

    void Paras(const TVYXLogParas& paras, int indent)
    {
        for (int i = 0; i < paras.Count(); ++i) {
            const TVYXLogParaItem* item = paras.GetItems(i);
            if (item->IsPara())
                Para(static_cast<const TVYXLogPara&>(*item), indent);
            else
                Table(static_cast<const TVYXTable&>(*item), indent);
        }
    }

private:
    void Line(int indent, const std::string& text)
    {
        Out.append(static_cast<std::size_t>(indent) * 2, ' ');
        Out += text;
        Out += '\n';
    }

    static void Revision(std::string& line, const TVYXRevisionData* rev, std::string_view key)
    {
        if (!rev)
            return;
        line += ' ';
        line += key;
        line += '=';
        line += VYXRevisionTypeName[static_cast<std::size_t>(rev->RevType)];
        if (!rev->Author.empty())
            line += " author=" + Quote(rev->Author);
        if (rev->Date != 0)
            line += " date=" + Num(rev->Date);
        if (!rev->Enabled)
            line += " disabled";
    }

    // The dense flags the drawing format does not carry, through the style chains.
    static void MergeStyle(TVYXCHP& chp, const TVYXStyle* style, int depth)
    {
        if (!style || depth > cMaxStyleDepth)
            return;
        MergeStyle(chp, style->BasedOn, depth + 1);
        if (const TVYXCHPX* chpx = style->StyleCHPX())
            chp.Merge(*chpx);
    }

    static void CharFormat(std::string& line, const TVYXLogPara& para, const TVYXCharRun& run)
    {
        TVYXFontDataDoc base;
        TVYXFontDataDoc fd;
        const TVYXCHP* master = para.Paras() && para.Paras()->RootManager() ? para.Paras()->RootManager()->MasterCHP : nullptr;
        static const TVYXCHP sDefaults;
        base.Resolve(master ? *master : sDefaults, nullptr, nullptr, false);
        run.SetupFontData(fd, &para.PAPX(), false);
        if (fd.Name != base.Name)
            line += " font=" + Quote(fd.Name);
        if (std::abs(fd.Size - base.Size) > 0.005)
            line += " size=" + Num(fd.Size);
        if (fd.Bold != base.Bold)
            line += fd.Bold ? " bold" : " -bold";
        if (fd.Italic != base.Italic)
            line += fd.Italic ? " italic" : " -italic";
        if (fd.Underline != base.Underline) {
            line += " underline=";
            line += VYXChpUnderlineName[static_cast<std::size_t>(fd.Underline)];
            if (fd.ULColor != base.ULColor)
                line += " underlineColor=" + Color(fd.ULColor);
        }
        if (fd.StrikeOut != base.StrikeOut)
            line += fd.StrikeOut ? " strike" : " -strike";
        if (fd.SubSuperscript != base.SubSuperscript)
            line += fd.SubSuperscript == vycssSuperscript ? " super" : (fd.SubSuperscript == vycssSubscript ? " sub" : " -script");
        // Every list applied makes the colour automatic first; what is drawn is the visible colour.
        if (fd.GetVisibleColor() != base.GetVisibleColor())
            line += " color=" + Color(fd.GetVisibleColor());
        if (fd.FillColor != base.FillColor)
            line += " fill=" + Color(fd.FillColor);
        if (fd.HighlightColor != base.HighlightColor)
            line += " highlight=" + Color(fd.HighlightColor);
        if (fd.Border && fd.Border->Assigned())
            line += " border=" + Num(fd.Border->Width) + ":" + Color(fd.Border->Color);

        TVYXCHP dense;
        if (master)
            dense.Assign(*master);
        MergeStyle(dense, para.PAPX().GetStyle(), 0);
        if (const TVYXCHPX* chpx = run.CHPX()) {
            MergeStyle(dense, chpx->GetStyle(), 0);
            dense.Merge(*chpx);
        }
        const struct {
            bool On, Default;
            const char* Name;
        } flags[] = {
            {dense.Hidden, master && master->Hidden, "hidden"},
            {dense.SmallCaps, master && master->SmallCaps, "smallCaps"},
            {dense.AllCaps, master && master->AllCaps, "allCaps"},
            {dense.Shadow, master && master->Shadow, "shadow"},
            {dense.Outline, master && master->Outline, "outline"},
            {dense.Emboss, master && master->Emboss, "emboss"},
            {dense.Engrave, master && master->Engrave, "engrave"},
            {dense.RTL, master && master->RTL, "rtl"},
        };
        for (const auto& f : flags)
            if (f.On != f.Default) {
                line += f.On ? " " : " -";
                line += f.Name;
            }
        if (const TVYXCHPX* chpx = run.CHPX()) {
            if (const TVYXCharStyle* style = chpx->GetStyle())
                line += " charStyle=" + Quote(style->Id);
            Revision(line, chpx->GetRevision(), "formatRev");
        }
        Revision(line, run.Revision(), "rev");
    }

    static const char* LinkedPos(TVYXCharRunLinkedPos pos)
    {
        switch (pos) {
        case acrlpSingle:
            return "single";
        case acrlpFirst:
            return "first";
        case acrlpMiddle:
            return "middle";
        case acrlpLast:
            return "last";
        }
        return "?";
    }

    void Run(const TVYXLogPara& para, const TVYXCharRun& run, int indent)
    {
        std::string line;
        switch (run.Type_()) {
        case acrtText:
            line = "text " + Quote(run.Text());
            break;
        case acrtTab:
            line = "tab";
            break;
        case acrtBreak: {
            const auto& br = static_cast<const TVYXCharRunBreak&>(run);
            line = "break ";
            line += VYXCharRunBreakTypeName[static_cast<std::size_t>(br.BreakType)];
            if (br.BreakType == acrbMarker)
                line += " id=" + std::to_string(br.Id);
            break;
        }
        case acrtGraphic:
            line = "graphic";
            break;
        case acrtPicture: {
            const auto& pic = static_cast<const TVYXCharRunPicture&>(run);
            line = "picture bytes=" + std::to_string(pic.Origdata.size());
            break;
        }
        case acrtHyperlink: {
            const auto& link = static_cast<const TVYXCharRunHyperlink&>(run);
            line = "link";
            if (link.HLinkFirst)
                line += " first";
            if (link.HLinkLast)
                line += " last";
            if (link.Hyperlink)
                line += std::string(link.Hyperlink->Type == ahtBookmark ? " bookmark=" : " url=") +
                        Quote(link.Hyperlink->Address);
            line += " " + Quote(run.Text());
            break;
        }
        case acrtSimpleField: {
            const auto& sf = static_cast<const TVYXCharRunSimpleField&>(run);
            const auto* field = dynamic_cast<const TVYXSimpleField*>(sf.SimpField());
            line = "field " + (field ? Quote(field->InstrText()) : std::string("?"));
            line += " result=" + Quote(run.Text());
            if (field && field->Locked)
                line += " locked";
            break;
        }
        case acrtLinked: {
            const auto& linked = static_cast<const TVYXCharRunLinked&>(run);
            const TVYXMarkupObject* obj = linked.Field();
            switch (linked.LinkedType) {
            case acrltBookmark: {
                const auto* bm = dynamic_cast<const TVYXBookmark*>(obj);
                line = std::string("bookmark ") + LinkedPos(linked.Position()) + " " +
                       (bm ? Quote(bm->Name) : std::string("?"));
                break;
            }
            case acrltComment: {
                const auto* c = dynamic_cast<const TVYXComment*>(obj);
                line = std::string("comment ") + LinkedPos(linked.Position());
                if (c && !c->Author.empty())
                    line += " author=" + Quote(c->Author);
                break;
            }
            case acrltPermission:
                line = std::string("permission ") + LinkedPos(linked.Position());
                break;
            case acrltComplexField: {
                const auto* f = dynamic_cast<const TVYXComplexField*>(obj);
                line = std::string("formfield ") + LinkedPos(linked.Position());
                if (f && !f->Name.empty())
                    line += " name=" + Quote(f->Name);
                if (f)
                    line += " instr=" + Quote(f->InstrText());
                break;
            }
            case acrltRevision:
                line = std::string("revision ") + LinkedPos(linked.Position());
                break;
            }
            if (!run.Text().empty())
                line += " " + Quote(run.Text());
            break;
        }
        case acrtFootnote:
        case acrtFootnoteRef: {
            const auto& fn = static_cast<const TVYXCharRunFootnote&>(run);
            line = fn.IsEndnote ? "endnote" : "footnote";
            if (fn.IsRef)
                line += "-ref";
            line += " " + Quote(run.GetText());
            break;
        }
        case acrtFldChar: {
            const auto& fc = static_cast<const TVYXCharRunFldChar&>(run);
            line = "fieldchar ";
            line += fc.FldCharType == acrfctBegin ? "begin" : (fc.FldCharType == acrfctSeparate ? "separate" : "end");
            break;
        }
        case acrtInstrText: {
            const auto& it = static_cast<const TVYXCharRunInstrText&>(run);
            line = "instr " + Quote(it.InstrText.empty() ? run.Text() : it.InstrText);
            break;
        }
        }
        CharFormat(line, para, run);
        Line(indent, line);
    }

    void Para(const TVYXLogPara& para, int indent)
    {
        std::string line = "para";
        const TVYXPAPX& papx = para.PAPX();
        if (const TVYXParaStyle* style = papx.GetStyle())
            line += " style=" + Quote(style->Id);

        const TVYXPAP* master = para.Paras() && para.Paras()->RootManager() ? para.Paras()->RootManager()->MasterPAP : nullptr;
        static const TVYXPAP sDefaults;
        TVYXParaData base;
        base.Reset(master ? *master : sDefaults);
        // Resolving a paragraph's own list turns an automatic shade white; so must the reference.
        if (base.Color == cVYXAutoColor)
            base.Color = 0xFFFFFF;
        TVYXParaData pd;
        para.SetupParaData(pd);
        if (pd.Alignment != base.Alignment) {
            line += " align=";
            line += VYXPapTextAlignName[static_cast<std::size_t>(pd.Alignment)];
        }
        const struct {
            double Value, Default;
            const char* Name;
        } sizes[] = {
            {pd.IndentLeft, base.IndentLeft, "indentLeft"},
            {pd.IndentRight, base.IndentRight, "indentRight"},
            {pd.IndentFirstLine, base.IndentFirstLine, "indentFirst"},
            {pd.IndentHanging, base.IndentHanging, "indentHanging"},
            {pd.SpaceBefore, base.SpaceBefore, "spaceBefore"},
            {pd.SpaceAfter, base.SpaceAfter, "spaceAfter"},
        };
        for (const auto& s : sizes)
            if (Num(s.Value) != Num(s.Default))
                line += std::string(" ") + s.Name + "=" + Num(s.Value);
        if (pd.LineSpacingType != base.LineSpacingType || Num(pd.LineSpacing) != Num(base.LineSpacing))
            line += " lineSpacing=" + std::to_string(static_cast<int>(pd.LineSpacingType)) + ":" + Num(pd.LineSpacing);
        if (pd.Color != base.Color)
            line += " shade=" + Color(pd.Color);
        const char* sides[] = {"Left", "Top", "Right", "Bottom"};
        for (int s = 0; s < 4; ++s)
            if (const TVYXDocPropBorder* b = pd.Borders().Side(static_cast<TVYXBorderSide>(s)); b && b->Assigned())
                line += std::string(" border") + sides[s] + "=" + Num(b->Width) + ":" + Color(b->Color);
        if (papx.Assigned(vypiKeepNext) && papx.GetKeepNext())
            line += " keepNext";
        if (papx.Assigned(vypiContextualSpacing) && papx.GetContextualSpacing())
            line += " contextualSpacing";
        if (papx.Assigned(vypiOutlineLevel))
            line += " outline=" + std::to_string(papx.GetOutlineLevel());
        if (const TVYXNumbering* level = papx.GetNumbering())
            line += " list=" + std::to_string(level->GetId()) + ":" + std::to_string(level->Level);
        if (const TVYXTabStops* tabs = papx.GetTabStops())
            line += " tabs=" + std::to_string(tabs->Count());
        Revision(line, papx.GetRevision(), "paraRev");
        if (para.SEP())
            line += " section";
        if (const TVYXGraphicObjList* graphics = para.Graphics(); graphics && graphics->Count() > 0)
            line += " anchored=" + std::to_string(graphics->Count());
        Line(indent, line);
        for (int i = 0; i < para.Count(); ++i) {
            const TVYXCharRun* run = para.GetItems(i);
            // The empty text run every paragraph keeps adds nothing to read.
            if (run->Type_() == acrtText && run->Text().empty() && para.Count() == 1)
                continue;
            Run(para, *run, indent + 1);
        }
    }

    void Table(const TVYXTable& table, int indent)
    {
        std::string line = "table rows=" + std::to_string(table.Count()) + " cols=" + std::to_string(table.MaxCells());
        if (!table.Name.empty())
            line += " name=" + Quote(table.Name);
        TVYXStringList props;
        table.TAPX().GetDebugList(props, "");
        for (int i = 0; i < props.Count(); ++i) {
            std::string item = props[i];
            if (const std::size_t colon = item.find(": "); colon != std::string::npos)
                item = item.substr(0, colon) + "=" + item.substr(colon + 2);
            for (char& c : item)
                if (c == ' ')
                    c = '_';
            line += " " + item;
        }
        Line(indent, line);
        for (int r = 0; r < table.Count(); ++r) {
            const TVYXTableRow& row = *table.GetRows(r);
            std::string rl = "row " + std::to_string(r);
            if (row.Height != 0)
                rl += " height=" + Num(row.Height);
            if (row.MHeight != 0)
                rl += " minHeight=" + Num(row.MHeight);
            if (row.RptData)
                rl += " header";
            Line(indent + 1, rl);
            for (int c = 0; c < row.Count(); ++c)
                Cell(*row.GetCells(c), c, indent + 2);
        }
    }

    void Cell(const TVYXTableCell& cell, int index, int indent)
    {
        std::string line = "cell " + std::to_string(index);
        const TVYXTableCellProps& p = cell.Props();
        if (p.Width != 0 || p.WidthType != atwtNone) {
            line += " width=" + Num(p.Width);
            if (p.WidthType == atwtPercent)
                line += "%";
            else if (p.WidthType == atwtAuto)
                line += "auto";
        }
        if (cell.GridSpan > 1)
            line += " span=" + std::to_string(cell.GridSpan);
        if (cell.GetMerged() || cell.GetMergedRoot())
            line += std::string(" merge=") + (cell.GetMergedRoot() ? "root" : "continue") + (cell.GetMergedLast() ? "+last" : "");
        if (cell.AlignVert != atcavTop) {
            line += " valign=";
            line += VYXTableCellAlignVertNames[static_cast<std::size_t>(cell.AlignVert)];
        }
        if (p.FillColor != cVYXAutoColor)
            line += " fill=" + Color(p.FillColor);
        const char* sides[] = {"Left", "Top", "Right", "Bottom"};
        for (int s = 0; s < 4; ++s)
            if (const TVYXDocPropBorder* b = p.Borders.Side(static_cast<TVYXBorderSide>(s)); b && b->Assigned())
                line += std::string(" border") + sides[s] + "=" + Num(b->Width) + ":" + Color(b->Color);
        Line(indent, line);
        Paras(cell.Paras(), indent + 1);
    }
};

}  // namespace

std::string VYXDumpParas(const TVYXLogParas& paras, int indent)
{
    TDumper dumper;
    dumper.Paras(paras, indent);
    return std::move(dumper.Out);
}
