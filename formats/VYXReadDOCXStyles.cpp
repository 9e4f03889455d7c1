// VYXReadDOCXStyles.cpp: the DOCX reader's settings, theme fonts, styles and numbering.
#include "formats/VYXReadDOCXImpl.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
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
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

void TVYXReadDOCX::TImpl::ReadSettings(std::string xml)
{
    // A small part: through the schema classes (see the header).
    VYXDocxReadSettings(xml, FDoc, FErrors);
}

void TVYXReadDOCX::TImpl::ReadTheme(std::string xml)
{
    // The theme is DrawingML; only the two Latin typefaces matter to runs.
    if (xml.empty())
        return;
    struct TThemeFonts : TNyqReadXML {
        std::u16string Major, Minor;
        int Which = 0;  // 1 inside majorFont, 2 inside minorFont
        void BeginTag() override
        {
            const std::string_view name = LocalName();
            if (name == "majorFont")
                Which = 1;
            else if (name == "minorFont")
                Which = 2;
            else if (name == "latin" && Which != 0) {
                (Which == 1 ? Major : Minor) = Utf8ToUtf16(FindAttribute("typeface"));
                Which = 0;
            }
        }
    } fonts;
    fonts.LoadFromBuffer(xml);
    FMajorFont = fonts.Major;
    FMinorFont = fonts.Minor;
}

namespace {
bool OnText(const std::optional<std::string>& v) { return v && (*v == "1" || *v == "true" || *v == "on"); }
std::u16string ValOf(const std::unique_ptr<TCT_String>& v) { return v ? Utf8ToUtf16(v->FVal) : std::u16string(); }
}  // namespace

void TVYXReadDOCX::TImpl::ReadStyles(const TCT_Styles& root)
{
    TVYXStyles& styles = FDoc.Styles();
    TDxElementView view(FKnownAttributes);
    const TDxTree& t = view.Tree();
    // Defaults first: they are the fallbacks of everything else.
    if (const TCT_DocDefaults* defaults = root.FDocDefaults.get()) {
        if (defaults->FRPrDefault)
            if (const TDxNode* rPr = view.Load(defaults->FRPrDefault->FRPr.get(), "w:rPr")) {
                TVYXCHPX chpx(nullptr);
                DoCHPX(t, *rPr, chpx);
                FDoc.GetMasterCHP().Merge(chpx);
            }
        if (defaults->FPPrDefault)
            if (const TDxNode* pPr = view.Load(defaults->FPPrDefault->FPPr.get(), "w:pPr")) {
                TVYXPAPX papx(nullptr);
                DoPAPX(t, *pPr, papx);
                FDoc.GetMasterPAP().Merge(papx);
            }
    }
    // Pass one creates every style, so that pass two can link them in any order.
    std::vector<std::pair<const TCT_Style*, TVYXStyle*>> made;
    for (const auto& source : root.FStyleList.GetItems()) {
        const std::u16string id = Utf8ToUtf16(source->FStyleId.value_or(""));
        if (id.empty())
            continue;
        const TST_StyleType type = source->FType.value_or(ststParagraph);
        const TVYXStyleType kind = type == ststCharacter ? astCharRun
                                   : type == ststTable   ? astTable
                                   : type == ststNumbering ? astNumbering
                                                         : astPara;
        const std::u16string name = source->FName ? ValOf(source->FName) : id;
        TVYXStyle* style = styles.Find(id);
        if (style && style->Type_() != kind)
            continue;  // the id is taken by a style of another kind
        if (!style) {
            switch (kind) {
            case astCharRun: style = styles.AddChar(id, name); break;
            case astTable: style = styles.AddTable(id, name); break;
            case astNumbering: style = styles.AddNumbering(id, name); break;
            default: style = styles.AddPara(id, name); break;
            }
        }
        if (!style)
            continue;
        style->Name = name;
        if (OnText(source->FDefault))
            styles.SetDefault(style);
        made.emplace_back(source.get(), style);
    }
    // Pass two: formats (which may name other styles) and the links. A style the
    // file defines replaces a built-in one of the same id whole.
    for (const auto& [source, style] : made) {
        if (TVYXCHPX* chpx = style->StyleCHPX())
            chpx->Clear();
        if (TVYXPAPX* papx = style->StylePAPX())
            papx->Clear();
        if (TVYXTAPX* tapx = style->StyleTAPX())
            tapx->Clear();
        style->BasedOn = nullptr;
        if (auto* para = dynamic_cast<TVYXParaStyle*>(style))
            para->Next = nullptr;
        if (TVYXCHPX* chpx = style->StyleCHPX())
            if (const TDxNode* rPr = view.Load(source->FRPr.get(), "w:rPr"))
                DoCHPX(t, *rPr, *chpx);
        if (TVYXPAPX* papx = style->StylePAPX())
            if (const TDxNode* pPr = view.Load(source->FPPr.get(), "w:pPr"))
                DoPAPX(t, *pPr, *papx);
        if (TVYXTAPX* tapx = style->StyleTAPX())
            if (const TDxNode* tblPr = view.Load(source->FTblPr.get(), "w:tblPr"))
                DoTAPX(t, *tblPr, *tapx);
        if (auto* tableStyle = dynamic_cast<TVYXTableStyle*>(style))
            DoTableStyleParts(view, *source, *tableStyle);
        if (source->FBasedOn) {
            TVYXStyle* base = styles.Find(ValOf(source->FBasedOn));
            // A chain that comes back to the style would make every lookup loop.
            bool cycle = false;
            for (TVYXStyle* s = base; s && !cycle; s = s->BasedOn)
                cycle = s == style;
            if (base && base != style && !cycle && base->Type_() == style->Type_())
                style->BasedOn = base;
        }
        if (auto* para = dynamic_cast<TVYXParaStyle*>(style); para && source->FNext)
            para->Next = styles.Find(ValOf(source->FNext));
    }
}

void TVYXReadDOCX::TImpl::ReadNumbering(const TCT_Numbering& root, const TCT_Styles* stylesRoot)
{
    std::map<long long, const TCT_AbstractNum*> abstracts;
    std::map<long long, long long> numToAbstract;
    for (const auto& a : root.FAbstractNumList.GetItems())
        abstracts.emplace(a->FAbstractNumId, a.get());
    for (const auto& n : root.FNumList.GetItems())
        if (n->FAbstractNumId)
            numToAbstract.emplace(n->FNumId, n->FAbstractNumId->FVal);
    // An abstract definition may only point at a numbering style (w:numStyleLink),
    // whose w:numPr names the list that holds the levels.
    std::map<std::u16string, long long> styleNums;
    if (stylesRoot)
        for (const auto& st : stylesRoot->FStyleList.GetItems())
            if (st->FType == ststNumbering && st->FPPr && st->FPPr->FNumPr && st->FPPr->FNumPr->FNumId)
                styleNums.emplace(Utf8ToUtf16(st->FStyleId.value_or("")), st->FPPr->FNumPr->FNumId->FVal);
    auto levelsOf = [&](const TCT_AbstractNum* abstract) {
        for (int hop = 0; abstract && hop < 4; ++hop) {
            if (!abstract->FNumStyleLink || abstract->FLvlList.Count() > 0)
                return abstract;
            const auto num = styleNums.find(ValOf(abstract->FNumStyleLink));
            const auto abs = num == styleNums.end() ? numToAbstract.end() : numToAbstract.find(num->second);
            const auto next = abs == numToAbstract.end() ? abstracts.end() : abstracts.find(abs->second);
            if (next == abstracts.end() || next->second == abstract)
                return abstract;
            abstract = next->second;
        }
        return abstract;
    };
    TVYXNumberings& lists = FDoc.Numberings();
    TDxElementView view(FKnownAttributes);
    auto doLevel = [&](const TCT_Lvl& lvl, TVYXNumbering& level) {
        if (lvl.FStart)
            level.StartVal = static_cast<std::int32_t>(std::clamp<std::int64_t>(lvl.FStart->FVal, 0, 32767));
        if (lvl.FNumFmt) {
            const std::string_view v = TST_NumberFormatToStr(lvl.FNumFmt->FVal);
            level.Style = v == "bullet"        ? anstBullet
                          : v == "upperRoman"  ? anstUpperRoman
                          : v == "lowerRoman"  ? anstLowerRoman
                          : v == "upperLetter" ? anstUpperLetter
                          : v == "lowerLetter" ? anstLowerLetter
                          : v == "none"        ? anstNone
                                               : anstDecimal;
        }
        if (lvl.FLvlText)
            level.Text = Utf8ToUtf16(lvl.FLvlText->FVal.value_or(""));
        if (lvl.FLvlJc) {
            const TST_Jc v = lvl.FLvlJc->FVal;
            level.Align = v == stjCenter ? vyptaCenter : (v == stjRight || v == stjEnd) ? vyptaRight : vyptaLeft;
        }
        if (lvl.FSuff)
            level.Suffix = lvl.FSuff->FVal == stlsSpace ? 1 : lvl.FSuff->FVal == stlsNothing ? 2 : 0;
        if (const TDxNode* pPr = view.Load(lvl.FPPr.get(), "w:pPr"))
            DoPAPX(view.Tree(), *pPr, level.PAPX());
        if (const TDxNode* rPr = view.Load(lvl.FRPr.get(), "w:rPr"))
            DoCHPX(view.Tree(), *rPr, level.CHPX());
    };
    for (const auto& num : root.FNumList.GetItems()) {
        const long long numId = num->FNumId;
        // File numIds count from 1 (0 is "no list"); the model's list ids from 0.
        if (numId <= 0 || numId > 0x7FFFFFFF || lists.FindList(static_cast<std::int32_t>(numId - 1)))
            continue;
        const auto listId = static_cast<std::int32_t>(numId - 1);
        const auto abs = num->FAbstractNumId ? abstracts.find(num->FAbstractNumId->FVal) : abstracts.end();
        if (abs == abstracts.end()) {
            FErrors.Add("Numbering " + std::to_string(numId) + " names a missing definition");
            continue;
        }
        for (int l = 0; l <= 8; ++l)
            lists.Add(listId, l);
        for (const auto& lvl : levelsOf(abs->second)->FLvlList.GetItems()) {
            if (lvl->FIlvl < 0 || lvl->FIlvl > 8)
                continue;
            if (TVYXNumbering* level = lists.Find(listId, static_cast<std::int32_t>(lvl->FIlvl)))
                doLevel(*lvl, *level);
        }
        for (const auto& o : num->FLvlOverrideList.GetItems()) {
            TVYXNumbering* level = o->FIlvl >= 0 && o->FIlvl <= 8
                                       ? lists.Find(listId, static_cast<std::int32_t>(o->FIlvl))
                                       : nullptr;
            if (!level)
                continue;
            if (o->FStartOverride)
                level->StartVal = static_cast<std::int32_t>(std::clamp<std::int64_t>(o->FStartOverride->FVal, 0, 32767));
            if (o->FLvl)
                doLevel(*o->FLvl, *level);
        }
    }
}
