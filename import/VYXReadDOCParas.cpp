// VYXReadDOCParas.cpp: the importer's paragraphs, list levels and table rows, built from their modifiers.
#include "import/VYXReadDOCImpl.h"

#include <algorithm>

#include "editing/VYXLogEditor.h"
#include "formats/VYXListNumberFormat.h"
#include "import/VYXDOCSprm.h"
#include "import/VYXDOCStream.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "platform/VYXCodePage.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace {

TVYXNumberingStyleExType ListStyleEx(int nfc)
{
    switch (nfc) {
    case 1: return anstxUpperRoman;
    case 2: return anstxLowerRoman;
    case 3: return anstxUpperLetter;
    case 4: return anstxLowerLetter;
    case 5: return anstxOrdinal;
    case 22: return anstxDecimalZero;
    case 23: return anstxBullet;
    case 255: return anstxNone;
    default: return anstxDecimal;
    }
}

}  // namespace

// ---- Building ------------------------------------------------------------------------

TVYXLogPara& TVYXReadDOC::TImpl::NewPara(TListState& state)
{
    if (++ParagraphCount > cMaxParagraphs)
        throw VYXException("Document has too many paragraphs");
    if (state.Fresh) {
        state.Fresh = false;
        if (TVYXLogPara* first = state.List->ParaAtIndex(0))
            return *first;
    }
    if (state.List == &Doc.Paras())
        return Doc.AppendPara();
    return *state.List->AppendPara();
}

TVYXReadDOC::TImpl::TListState& TVYXReadDOC::TImpl::TargetList(std::vector<TTableLevel>& tables, int depth,
                                                              TListState& body, bool openCell)
{
    auto open = [](TTableLevel& level) {
        if (!level.Row || level.NeedRow) {
            level.Row = level.Table->Add();
            level.NeedRow = false;
            level.NeedCell = true;
        }
        if (!level.Cell || level.NeedCell) {
            if (level.Row->Count() >= cMaxCellsPerRow)
                level.Row = level.Table->Add();  // a row without its end mark: wrap instead of growing
            level.Cell = level.Row->Add();
            level.NeedCell = false;
            level.CellList = {&level.Cell->Paras(), true};
        }
    };
    tables.resize(std::min<std::size_t>(tables.size(), static_cast<std::size_t>(depth)));
    while (static_cast<int>(tables.size()) < depth) {
        if (!tables.empty())
            open(tables.back());  // a nested table opens a cell that may not have one yet
        TListState& list = tables.empty() ? body : tables.back().CellList;
        // A table at the start of a cell replaces the cell's initial empty paragraph.
        if (list.Fresh && list.List->Count() == 1)
            list.List->Delete(0);
        list.Fresh = false;
        TTableLevel level;
        level.Table = list.List->AddTable();
        tables.push_back(level);
    }
    if (tables.empty())
        return body;
    if (openCell)
        open(tables.back());
    return tables.back().CellList;
}

bool TVYXReadDOC::TImpl::FormatPara(TVYXLogPara& para, const TParaFacts& facts, std::string_view page,
                                    std::string_view piece, TStoryState& state)
{
    TDocStyle* style = StyleAt(facts.Istd, 1);
    if (!style)
        style = StyleAt(0, 1);
    TVYXPAPX& papx = para.PAPX();
    papx.Clear();  // a new paragraph starts with a copy of the previous one's properties
    const TVYXPAPX* stylePapx = nullptr;
    state.StyleChpx = nullptr;
    if (style) {
        auto* model = static_cast<TVYXParaStyle*>(style->Model);
        papx.SetStyle(model);
        stylePapx = &model->PAPX();
        state.StyleChpx = &model->CHPX();
    }
    // The model has no page-break-before property: the caller puts a page break first.
    bool breakBefore = false;
    // Word 6 numbering: a level (1-9 outline, 10 and up a plain list) and its format.
    int anm = -1;
    std::string_view anld;
    auto word6Numbering = [&](const TVYXDocSprm& s) {
        if (!Fib.Word6 || (s.Code != 0x25FF && s.Code != 0xC63E))
            return false;
        if (s.Code == 0x25FF)
            anm = s.Byte();
        else
            anld = s.Operand;
        return true;
    };
    if (style)
        VYXDocForEachSprm(style->Papx, [&](const TVYXDocSprm& s) {
            if (s.Code == 0x2407)
                breakBefore = s.Byte() != 0;
            word6Numbering(s);
        });
    auto apply = [&](const TVYXDocSprm& s) {
        if (word6Numbering(s))
            return;
        if (!VYXDocApplyPara(s, papx, stylePapx) && (s.Code >> 10 & 7) == 1)  // paragraph modifiers only
            switch (s.Code) {
            case 0x4600: case 0x2416: case 0x2417: case 0x244B: case 0x244C: case 0x6649: case 0x664A:
            case 0x460B: case 0x260A: case 0x6646: break;
            case 0x2407: breakBefore = s.Byte() != 0; break;
            default: Unhandled(s.Code);
            }
    };
    VYXDocForEachSprm(page.size() >= 2 ? page.substr(2) : std::string_view{}, apply);
    VYXDocForEachSprm(piece, apply);

    // Lists: the paragraph's own reference, else its style's.
    int ilfo = facts.Ilfo, ilvl = facts.Ilvl;
    if (ilfo == 0 && style) {
        ilfo = style->Ilfo;
        ilvl = style->Ilvl;
    }
    if (ilfo == 0 && anm > 0 && anld.size() >= 20)
        ApplyWord6Numbering(papx, anm, anld);
    if (ilfo <= 0 || static_cast<std::size_t>(ilfo) > LfoLsids.size())
        return breakBefore;
    const std::uint32_t lsid = LfoLsids[static_cast<std::size_t>(ilfo - 1)];
    for (std::size_t i = 0; i < Lists.size(); ++i) {
        TDocList& list = Lists[i];
        if (list.Lsid != lsid || list.Levels.empty())
            continue;
        // A list override that restarts or reformats levels numbers on its own, as a
        // list of its own; the others share their list's numbering.
        const std::size_t lfo = static_cast<std::size_t>(ilfo - 1);
        const bool own = lfo < LfoOverrides.size() && !LfoOverrides[lfo].empty();
        const auto listId = static_cast<std::int32_t>(own ? Lists.size() + 1 + lfo : i + 1);
        if (own) {
            LfoCreated.resize(LfoOverrides.size(), false);
            if (!LfoCreated[lfo]) {
                LfoCreated[lfo] = true;
                CreateListLevels(listId, list, &LfoOverrides[lfo]);
            }
        } else if (!list.Created) {
            list.Created = true;
            CreateListLevels(listId, list, nullptr);
        }
        if (TVYXNumbering* level = Doc.Numberings().Find(listId, std::min<int>(ilvl, static_cast<int>(list.Levels.size()) - 1)))
            papx.SetNumbering(level);
        return breakBefore;
    }
    return breakBefore;
}

void TVYXReadDOC::TImpl::ApplyWord6Numbering(TVYXPAPX& papx, int anm, std::string_view anld)
{
    // The older numbering keeps its format in each paragraph: the number's format, the
    // lengths of the texts before it and up to the end of the text after it, alignment,
    // its font at 6, the start at 10, then up to 32 characters of those texts. Paragraphs
    // of outline levels share one list; the others continue the list of their format.
    constexpr std::int32_t cOutlineList = 0x10000;
    const bool outline = anm <= 9;
    const int level = outline ? anm - 1 : 0;
    std::int32_t listId = cOutlineList;
    if (!outline) {
        const auto same = std::find(Word6Anlds.begin(), Word6Anlds.end(), anld);
        if (same == Word6Anlds.end() && Word6Anlds.size() >= static_cast<std::size_t>(cMaxNotes))
            return;
        listId += 1 + static_cast<std::int32_t>(same - Word6Anlds.begin());
        if (same == Word6Anlds.end())
            Word6Anlds.emplace_back(anld);
    }
    TVYXNumbering* number = Doc.Numberings().Find(listId, level);
    if (!number) {
        number = Doc.Numberings().Add(listId, level);
        if (!number)
            return;
        const TVYXDocSprm f{0xC63E, anld};
        const int nfc = f.Byte(0);
        const std::string_view text = anld.substr(20, 32);
        const std::size_t before = std::min<std::size_t>(f.Byte(1), text.size());
        const std::size_t end = std::clamp<std::size_t>(f.Byte(2), before, text.size());
        std::u16string format = VYXDecodeCodePage(text.substr(0, before), CodePage);
        if (nfc != 23)  // 23: a bullet, its text alone
            format += static_cast<char16_t>(level);
        format += VYXDecodeCodePage(text.substr(before, end - before), CodePage);
        number->Style = VYXNumberingStyleOfNfc(nfc);
        number->StyleEx = ListStyleEx(nfc);
        number->Text = format;
        number->StartVal = f.Short(10);
        const int jc = f.Byte(3) & 3;
        number->Align = jc == 1 ? vyptaCenter : jc == 2 ? vyptaRight : vyptaLeft;
        if (const std::uint16_t ftc = f.Word(6); ftc < Fonts.size() && !Fonts[ftc].empty())
            number->CHPX().SetFontName(Fonts[ftc]);
    }
    papx.SetNumbering(number);
}

void TVYXReadDOC::TImpl::CreateListLevels(std::int32_t listId, const TDocList& list,
                                          const std::vector<TLevelOverride>* overrides)
{
    TVYXDocCharContext context;
    context.Fonts = &Fonts;
    for (std::size_t l = 0; l < list.Levels.size(); ++l) {
        const TDocLevel* source = &list.Levels[l];
        const TLevelOverride* over = nullptr;
        if (overrides)
            for (const TLevelOverride& o : *overrides)
                if (static_cast<std::size_t>(o.Level) == l)
                    over = &o;
        if (over && over->Format)
            source = over->Format.get();
        TVYXNumbering* level = Doc.Numberings().Add(listId, static_cast<std::int32_t>(l));
        if (!level)
            continue;
        level->Style = VYXNumberingStyleOfNfc(source->Nfc);
        level->StyleEx = ListStyleEx(source->Nfc);
        level->Text = source->Text;
        level->StartVal = over && over->HasStart ? over->StartAt : source->StartAt;
        level->Align = source->Jc == 1 ? vyptaCenter : source->Jc == 2 ? vyptaRight : vyptaLeft;
        level->Suffix = source->Follow;
        VYXDocForEachSprm(source->Papx, [&](const TVYXDocSprm& s) { VYXDocApplyPara(s, level->PAPX(), nullptr); });
        VYXDocForEachSprm(source->Chpx, [&](const TVYXDocSprm& s) { VYXDocApplyChar(s, level->CHPX(), context); });
    }
}

void TVYXReadDOC::TImpl::ApplyRow(TTableLevel& level, std::string_view page, std::string_view piece)
{
    TVYXTableRow* row = level.Row;
    if (!row)
        return;
    struct TCellDef {
        double Width = 0;
        std::uint16_t Flags = 0;
        std::string Borders;  // top, left, bottom, right: four-byte borders
    };
    std::vector<TCellDef> defs;
    auto apply = [&](const TVYXDocSprm& s) {
        switch (s.Code) {
        case 0xD608: {
            const int count = std::min<int>(s.Byte(), 63);
            const std::size_t tcs = 1 + 2 * static_cast<std::size_t>(count + 1);
            defs.assign(static_cast<std::size_t>(count), {});
            for (int i = 0; i < count; ++i) {
                const auto at = static_cast<std::size_t>(i);
                defs[at].Width = (s.Short(1 + 2 * (at + 1)) - s.Short(1 + 2 * at)) / 20.0;
                if (tcs + 20 * (at + 1) <= s.Operand.size())
                {
                    defs[at].Flags = s.Word(tcs + 20 * at);
                    defs[at].Borders = std::string(s.Operand.substr(tcs + 20 * at + 4, 16));
                }
            }
            if (count > 0)
                level.Table->TAPX().SetIndent(s.Short(1) / 20.0);
            break;
        }
        case 0xD62B: {  // vertical merge of one cell
            const std::size_t itc = s.Byte();
            if (itc < defs.size())
                defs[itc].Flags = static_cast<std::uint16_t>((defs[itc].Flags & ~0x60) | (s.Byte(1) == 3 ? 0x60 : s.Byte(1) == 1 ? 0x20 : 0));
            break;
        }
        case 0xD634: {  // default cell margins: sides (top 1, left 2, bottom 4, right 8) in twips
            if (s.Byte(3) != 3)
                break;
            const double margin = s.Word(4) / 20.0;
            TVYXTAPX& tapx = level.Table->TAPX();
            if (s.Byte(2) & 1)
                tapx.SetCellMargTop(margin);
            if (s.Byte(2) & 2)
                tapx.SetCellMargLeft(margin);
            if (s.Byte(2) & 4)
                tapx.SetCellMargBottom(margin);
            if (s.Byte(2) & 8)
                tapx.SetCellMargRight(margin);
            break;
        }
        case 0x5400:
        case 0x548A:
            level.Table->TAPX().SetAlignment(s.Word() == 1 ? vyptaCenter : s.Word() == 2 ? vyptaRight : vyptaLeft);
            break;
        case 0x9407: row->Height = std::abs(s.Short()) / 20.0; break;
        case 0x3403:  // the row may not break across pages
        case 0x3644: row->CantSplit = s.Byte() != 0; break;
        case 0x3404: row->RptData = s.Byte() != 0; break;  // repeated as a header row
        case 0xF614:
            if (s.Byte() == 3) {
                level.Table->TAPX().SetWidthType(atwtPoints);
                level.Table->TAPX().SetWidth(s.Word(1) / 20.0);
            } else if (s.Byte() == 2) {
                level.Table->TAPX().SetWidthType(atwtPercent);
                level.Table->TAPX().SetWidth(s.Word(1) / 50.0);
            }
            break;
        case 0xD605:
        case 0xD613: {
            const bool old = s.Code == 0xD605;
            static constexpr TVYXTapId cSides[] = {vytiBorderTop, vytiBorderLeft, vytiBorderBottom, vytiBorderRight,
                                                   vytiBorderInsideHoriz, vytiBorderInsideVert};
            for (std::size_t i = 0; i < 6; ++i)
                if ((i + 1) * (old ? 4 : 8) <= s.Operand.size())
                    VYXDocReadBorder(s, i * (old ? 4 : 8), old, *level.Table->TAPX().AddBorder(cSides[i]));
            break;
        }
        case 0xD612:
        case 0xD609: {
            const std::size_t size = s.Code == 0xD612 ? 10 : 2;
            for (int i = 0; i < row->Count() && (static_cast<std::size_t>(i) + 1) * size <= s.Operand.size(); ++i) {
                const auto at = static_cast<std::size_t>(i) * size;
                const TVYXColor back = size == 10 ? VYXDocColorRef(s.DWord(at + 4)) : VYXDocIcoColor((s.Word(at) >> 5) & 0x1F);
                if (back != cVYXAutoColor)
                    row->GetCells(i)->SetFillColor(back);
            }
            break;
        }
        default: break;
        }
    };
    VYXDocForEachSprm(page.size() >= 2 ? page.substr(2) : std::string_view{}, apply);
    VYXDocForEachSprm(piece, apply);
    for (int i = 0; i < row->Count() && static_cast<std::size_t>(i) < defs.size(); ++i) {
        TVYXTableCell* cell = row->GetCells(i);
        const TCellDef& def = defs[static_cast<std::size_t>(i)];
        if (def.Width > 0) {
            cell->SetWidth(def.Width);
            cell->Props().WidthType = atwtPoints;
        }
        // Vertical merges: 3 starts one, 1 continues it. Some writers mark every cell of
        // a merge as a start; an empty start under a merged cell continues that merge.
        const int vmerge = (def.Flags >> 5) & 3;
        const TVYXTableRow* above = row->PrevRow();
        const TVYXTableCell* up = above ? above->CellN(i) : nullptr;
        const bool upMerged = up && (up->GetMerged() || up->GetMergedRoot());
        if (vmerge == 3 && !(upMerged && !cell->Paras().HasText()))
            cell->SetMergedRoot(true);
        else if (vmerge == 1 || vmerge == 3)
            cell->SetMerged(true);
        // Cell borders that the cell sets itself (none and "nil" leave the table's).
        static constexpr TVYXTableBorderSide cSides[] = {atbsTop, atbsLeft, atbsBottom, atbsRight};
        for (std::size_t b = 0; b < 4 && def.Borders.size() >= 16; ++b) {
            const TVYXDocSprm brc{0, std::string_view(def.Borders).substr(4 * b, 4)};
            const std::uint8_t type = brc.Byte(1);
            if (type != 0 && type != 0xFF)
                VYXDocReadBorder(brc, 0, true, *cell->Props().AddBorder(cSides[b]));
        }
        const int vert = (def.Flags >> 7) & 3;
        cell->AlignVert = vert == 1 ? atcavCenter : vert == 2 ? atcavBottom : atcavTop;
    }
    // Horizontal merges: the first cell spans the merged ones, which hold no text of their own.
    for (int i = std::min(row->Count(), static_cast<int>(defs.size())) - 1; i > 0; --i) {
        if (!(defs[static_cast<std::size_t>(i)].Flags & 0x2) || (defs[static_cast<std::size_t>(i)].Flags & 0x1))
            continue;
        TVYXTableCell* merged = row->GetCells(i);
        TVYXTableCell* first = row->GetCells(i - 1);
        if (merged->Paras().HasText())
            continue;
        first->SetGridSpan(first->GridSpan + merged->GridSpan);
        first->SetWidth(first->GetWidth() + merged->GetWidth());
        row->DeleteCell(i);
    }
}
