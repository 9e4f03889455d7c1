// VYXReadRTFDestinations.cpp: the RTF reader's destinations (font, colour and style tables, lists, info, notes, pictures, shapes) and the style sheet.
#include "formats/VYXReadRTFImpl.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTFTable.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "platform/VYXUnicode.h"

namespace vyx_rtf {

// ---- Destinations ----

void TRtfParser::BeginDest(TRtfAction dest)
{
    FlushText();
    TState& s = Cur();
    // One destination per group: a second destination word in the same group is ignored.
    if (s.Class == dcIgnore || s.OwnsDest)
        return;
    auto enter = [&](TDestClass cls) {
        s.Dest = dest;
        s.Class = cls;
        s.OwnsDest = true;
    };
    auto skip = [&] {
        s.Dest = rtfdSkip;
        s.Class = dcIgnore;
    };
    // Destinations that only make sense in certain places skip their group elsewhere.
    const bool inText = s.Class == dcText;
    switch (dest) {
    case rtfdSkip:
    case rtfdNone:
        skip();
        return;
    case rtfdInPlace:
        if (s.Class == dcString && s.Dest == rtfdUpr)
            enter(dcText), s.Dest = rtfdInPlace;
        return;
    case rtfdUpr:
        // The first sub-group holds the 8-bit text, "\*\ud" the Unicode text.
        enter(dcString);
        FStrings.emplace_back();
        return;
    case rtfdFontTable:
        enter(dcFonts);
        return;
    case rtfdColorTable:
        enter(dcColors);
        FColorGiven = false;
        return;
    case rtfdStyleSheet:
        enter(dcStyles);
        FStyleEntry = {};
        return;
    case rtfdListTable:
        enter(dcString);  // keywords act, text is collected and dropped
        FStrings.emplace_back();
        return;
    case rtfdPicture:
        // A shape's picture comes as the value of its "pib" property.
        FPictureForShape = s.Dest == rtfdShapeValue && !FShapes.empty() && FShapes.back().PropName == "pib";
        if (!inText && !FPictureForShape)
            return skip();
        enter(dcPicture);
        FPicture = {};
        return;
    case rtfdShape:
        if (!inText || static_cast<int>(FShapes.size()) >= cMaxShapeDepth)
            return skip();
        enter(dcText);
        FShapes.emplace_back();
        return;
    case rtfdShapeInst:
        if (FShapes.empty() || s.Dest != rtfdShape || FShapes.back().InstDone)
            return skip();
        enter(dcString);  // keywords act, text is dropped
        FStrings.emplace_back();
        return;
    case rtfdShapeProp:
        if (FShapes.empty() || s.Dest != rtfdShapeInst)
            return skip();
        enter(dcString);
        FStrings.emplace_back();
        FShapes.back().PropName.clear();
        FShapes.back().PropValue.clear();
        return;
    case rtfdShapeName:
    case rtfdShapeValue:
        if (FShapes.empty() || s.Dest != rtfdShapeProp)
            return skip();
        enter(dcString);
        FStrings.emplace_back();
        return;
    case rtfdShapeText: {
        if (FShapes.empty() || s.Dest != rtfdShapeInst || FShapes.back().Object)
            return skip();
        TShape& shape = FShapes.back();
        // A picture frame's text is its picture's caption at best: the picture is the object.
        if (!shape.Picture.empty() || PropInt(shape, "shapeType", 202) == 75)
            return skip();
        auto* box = MakeShape(shape, true) ? dynamic_cast<TVYXGraphicRotate*>(shape.Object) : nullptr;
        if (!box)
            return skip();
        if (!box->TextBox || !box->TextBox->Paras) {
            // A list without a store for text boxes (pasted content): a frame without its
            // text would lose it, so the box goes and its text is read where it stands.
            if (TVYXLogPara* para = CurrentPara(); para && para->Graphics())
                para->Graphics()->Snatch(*box);
            shape.Object = nullptr;
            shape.TextInPlace = true;
            enter(dcText);
            s.Dest = rtfdInPlace;
            return;
        }
        TTarget t;
        t.Kind = tkTextBox;
        t.Paras = box->TextBox->Paras;
        // The box starts with one empty paragraph: its text begins there.
        t.Para = t.Paras->Count() == 1 ? t.Paras->ParaAtIndex(0) : nullptr;
        enter(dcText);
        t.FieldBase = FFields.size();
        FTargets.push_back(std::move(t));
        s.Pap = TParaState();
        return;
    }
    case rtfdShapeResult:
        // The fallback of a shape read as an object is not read again; else it stands in for it.
        if (!FShapes.empty() && FShapes.back().Understood)
            return skip();
        if (!inText)
            return skip();
        enter(dcText);
        return;
    case rtfdField:
        if (!inText)
            return skip();
        if (static_cast<int>(FFields.size()) >= cMaxFieldDepth) {
            s.Dest = rtfdInPlace;  // the result still counts as text
            return;
        }
        enter(dcText);
        BeginField();
        return;
    case rtfdFieldInstr:
        if (FFields.empty() || s.Dest != rtfdField)
            return skip();
        enter(dcString);
        return;
    case rtfdFieldResult:
        if (FFields.empty() || s.Dest != rtfdField)
            return skip();
        enter(dcText);
        FieldResult();
        return;
    case rtfdBookmarkStart:
    case rtfdBookmarkEnd:
    case rtfdAnnStart:
    case rtfdAnnEnd:
    case rtfdAnnAuthor:
    case rtfdAnnInitials:
    case rtfdAnnRef:
    case rtfdGenerator:
        enter(dcString);
        FStrings.emplace_back();
        return;
    case rtfdAnnotation:
        if (!inText)
            return skip();
        enter(dcString);
        FStrings.emplace_back();
        FAnnotationRef.clear();
        return;
    case rtfdFootnote:
        if (!inText || !FWhole || FDoc.DocType() != aldtMain || Target().Kind != tkBody)
            return skip();
        {
            TTarget note;
            note.Kind = tkNote;
            note.Anchor = CurrentPara();
            note.MarkFormat = std::move(FNoteMark);
            enter(dcText);
            note.FieldBase = FFields.size();
            FTargets.push_back(std::move(note));
        }
        s.Pap = TParaState();
        return;
    case rtfdHeader:
    case rtfdHeaderEven:
    case rtfdHeaderFirst:
    case rtfdFooter:
    case rtfdFooterEven:
    case rtfdFooterFirst: {
        const int slot = dest - rtfdHeader;
        if (!inText || !FWhole || FDoc.DocType() != aldtMain || Target().Kind != tkBody || FHeaderRead[slot])
            return skip();
        FHeaderRead[slot] = true;
        TVYXHeadersFooters& hf = slot < 3 ? FDoc.Headers() : FDoc.Footers();
        const TVYXHeaderFooterType type = (slot % 3) == 0 ? ahftDefault : ((slot % 3) == 1 ? ahftEven : ahftFirst);
        TVYXLogDocEditor& editor = hf.Add(type);
        TTarget t;
        t.Kind = tkHeader;
        t.Paras = &editor.Paras();
        // The editor starts with one empty paragraph: the header's text begins there.
        t.Para = editor.Paras().Count() == 1 ? editor.Paras().ParaAtIndex(0) : nullptr;
        enter(dcText);
        t.FieldBase = FFields.size();
        FTargets.push_back(std::move(t));
        s.Pap = TParaState();
        if (type == ahftFirst)
            FSection.TitlePg = true;
        return;
    }
    case rtfdNestTableProps:
        s.NestProps = true;
        return;
    case rtfdRevTable:
        enter(dcString);
        FStrings.emplace_back();
        return;
    case rtfdLegacyList:
        if (!inText)
            return skip();
        enter(dcString);  // keywords act, the number text is dropped
        FStrings.emplace_back();
        FLegacyNfc = -1;
        return;
    default:
        return;
    }
}

void TRtfParser::EndDest(const TState& state)
{
    switch (state.Dest) {
    case rtfdPicture:
        EndPicture();
        break;
    case rtfdField:
        EndField();
        break;
    case rtfdFieldInstr:
        break;
    case rtfdStyleSheet:
        EndStyle();
        ResolveStyles();
        break;
    case rtfdListTable:
        if (!FStrings.empty())
            FStrings.pop_back();
        break;
    case rtfdUpr:
        if (!FStrings.empty())
            FStrings.pop_back();
        break;
    case rtfdRevTable:
        if (!FStrings.empty()) {
            std::u16string text = std::move(FStrings.back());
            FStrings.pop_back();
            std::size_t start = 0;
            for (std::size_t i = 0; i < text.size(); ++i)
                if (text[i] == u';') {
                    FRevAuthors.push_back(Trim(std::u16string_view(text).substr(start, i - start)));
                    start = i + 1;
                }
        }
        break;
    case rtfdLegacyList:
        if (!FStrings.empty())
            FStrings.pop_back();
        // The group is gone: its list format goes to the paragraph state around it.
        if (FLegacyNfc >= 0)
            Cur().Pap.LegacyNfc = FLegacyNfc;
        break;
    case rtfdShape:
        if (!FShapes.empty()) {
            if (!FShapes.back().InstDone && !FShapes.back().Object)
                FShapes.back().Understood = false;
            FShapes.pop_back();
        }
        break;
    case rtfdShapeInst:
        if (!FStrings.empty())
            FStrings.pop_back();
        if (!FShapes.empty()) {
            TShape& shape = FShapes.back();
            shape.InstDone = true;
            shape.Understood = shape.Object || shape.TextInPlace || MakeShape(shape, false);
            if (shape.Object)
                ApplyShape(shape);
        }
        break;
    case rtfdShapeProp:
        if (!FStrings.empty())
            FStrings.pop_back();
        if (!FShapes.empty()) {
            TShape& shape = FShapes.back();
            if (!shape.PropName.empty() && static_cast<int>(shape.Props.size()) < cMaxShapeProps)
                shape.Props.emplace_back(std::move(shape.PropName), std::move(shape.PropValue));
            shape.PropName.clear();
            shape.PropValue.clear();
        }
        break;
    case rtfdShapeName:
    case rtfdShapeValue:
        if (!FStrings.empty()) {
            const std::string text = Utf16ToUtf8(Trim(FStrings.back()));
            FStrings.pop_back();
            if (!FShapes.empty())
                (state.Dest == rtfdShapeName ? FShapes.back().PropName : FShapes.back().PropValue) = text.substr(0, 4096);
        }
        break;
    case rtfdShapeText:
        CloseTarget();
        break;
    case rtfdFootnote:
    case rtfdHeader:
    case rtfdHeaderEven:
    case rtfdHeaderFirst:
    case rtfdFooter:
    case rtfdFooterEven:
    case rtfdFooterFirst:
        CloseTarget();
        break;
    case rtfdBookmarkStart:
    case rtfdBookmarkEnd:
    case rtfdAnnStart:
    case rtfdAnnEnd:
    case rtfdAnnAuthor:
    case rtfdAnnInitials:
    case rtfdAnnRef:
    case rtfdGenerator:
    case rtfdAnnotation: {
        if (FStrings.empty())
            break;
        std::u16string text = std::move(FStrings.back());
        FStrings.pop_back();
        const std::u16string name = Trim(text);
        switch (state.Dest) {
        case rtfdBookmarkStart:
            // Pasted content brings no bookmarks: the document's list would point into a
            // scratch list that a failed paste frees.
            if (FWhole && !name.empty() && !FOpenBookmarks.count(name))
                if (TVYXLogPara* para = CurrentPara())
                    if (TVYXBookmark* bm = para->AppendBookmark(name))
                        FOpenBookmarks[name] = bm;
            break;
        case rtfdBookmarkEnd:
            if (auto it = FOpenBookmarks.find(name); it != FOpenBookmarks.end()) {
                if (TVYXLogPara* para = CurrentPara())
                    para->EndBookmark(*it->second);
                FOpenBookmarks.erase(it);
            }
            break;
        case rtfdAnnStart:
            if (!name.empty() && !FOpenComments.count(name) && Target().Kind == tkBody && FWhole)
                if (TVYXLogPara* para = CurrentPara()) {
                    FLastComment = para->AppendComment(FDoc.Comments(), std::make_unique<TVYXComment>());
                    if (FLastComment)
                        FOpenComments[name] = FLastComment;
                }
            break;
        case rtfdAnnEnd:
            if (auto it = FOpenComments.find(name); it != FOpenComments.end()) {
                if (TVYXLogPara* para = CurrentPara())
                    para->EndComment(*it->second);
                FLastComment = it->second;
            }
            break;
        case rtfdAnnAuthor:
            if (FLastComment)
                FLastComment->Author = name;
            break;
        case rtfdAnnInitials:
            if (FLastComment)
                FLastComment->Initials = name;
            break;
        case rtfdAnnRef:
            FAnnotationRef = name;
            break;
        case rtfdGenerator:
            Generator = name;
            if (!Generator.empty() && Generator.back() == u';')
                Generator.pop_back();
            break;
        case rtfdAnnotation: {
            TVYXComment* c = nullptr;
            if (auto it = FOpenComments.find(FAnnotationRef); it != FOpenComments.end())
                c = it->second;
            else
                c = FLastComment;
            if (c) {
                std::size_t start = 0;
                for (std::size_t i = 0; i <= text.size(); ++i)
                    if (i == text.size() || text[i] == u'\r') {
                        c->Text.push_back(text.substr(start, i - start));
                        start = i + 1;
                    }
            }
            break;
        }
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
}

void TRtfParser::EndStyle()
{
    const std::u16string name = [&] {
        std::u16string n = Trim(FStyleEntry.Name);
        if (!n.empty() && n.back() == u';')
            n.pop_back();
        return n;
    }();
    if (!name.empty() && FStyleEntry.Kind == rtfpCharStyle && FWhole) {
        TVYXStyles& styles = FDoc.Styles();
        auto* style = dynamic_cast<TVYXCharStyle*>(styles.FindByName(name, astCharRun));
        if (!style)
            style = styles.AddChar(name);
        if (style)
            FCharStyles[FStyleEntry.Number] = style;
    }
    if (FStyleEntry.Kind == rtfpCharStyle && FStyleEntry.BasedOn >= 0 && FCharStyleBases.size() < 4096)
        FCharStyleBases[FStyleEntry.Number] = FStyleEntry.BasedOn;
    // The entry's paragraph words, replayed over its base's once the sheet is read
    // (bounded: the number comes from the file). An entry naming no kind is paragraph
    // style 0, the default.
    if (FStyleEntry.Kind == rtfpNone)
        FStyleEntry.Number = 0;
    if ((FStyleEntry.Kind == rtfpParaStyle || (FStyleEntry.Kind == rtfpNone && !name.empty())) &&
        (FParaStyleDefs.size() < 4096 || FParaStyleDefs.count(FStyleEntry.Number)))
        FParaStyleDefs[FStyleEntry.Number] = {FStyleEntry.BasedOn, std::move(FStyleEntry.Words)};
    FStyleEntry = {};
}

TParaState TRtfParser::ResolveParaStyle(std::int32_t number, int depth, std::unordered_map<std::int32_t, TParaState>& done)
{
    if (auto it = done.find(number); it != done.end())
        return it->second;
    const auto def = FParaStyleDefs.find(number);
    if (def == FParaStyleDefs.end())
        return TParaState();
    // Word processors write each style in full, leaving out only what equals the
    // format's defaults (a caption based on a 1.15-spaced style, itself single spaced,
    // gives no \sl). Such an entry always states its alignment; one that does not
    // is a list of differences and starts from its base's formats. A chain that loops
    // or runs too long starts from nothing where it is cut.
    const bool complete = std::any_of(def->second.Words.begin(), def->second.Words.end(),
                                      [](const TStyleWord& w) { return w.Action == rtfpAlign; });
    TParaState p = !complete && def->second.BasedOn >= 0 && def->second.BasedOn != number && depth < cMaxStyleChain
                       ? ResolveParaStyle(def->second.BasedOn, depth + 1, done)
                       : TParaState();
    const auto target = FBorderTarget;
    const int side = FBorderSide;
    FBorderTarget = btNone;
    for (const TStyleWord& w : def->second.Words) {
        if (w.Action == rtfpParaBorder || w.Action == rtfpPard)
            FBorderTarget = btNone;
        ApplyPara(p, w.Action, w.Value);
    }
    FBorderTarget = target;
    FBorderSide = side;
    done[number] = p;
    return p;
}

// After the style sheet: paragraph styles get their inherited formats, and the
// document's character styles their bases.
void TRtfParser::ResolveStyles()
{
    std::unordered_map<std::int32_t, TParaState> done;
    for (const auto& [number, def] : FParaStyleDefs)
        FParaStyles[number] = ResolveParaStyle(number, 0, done);
    for (const auto& [number, base] : FCharStyleBases) {
        const auto style = FCharStyles.find(number), parent = FCharStyles.find(base);
        if (style == FCharStyles.end() || parent == FCharStyles.end() || style->second == parent->second)
            continue;
        // No loops through the model's chain.
        bool loop = false;
        for (const TVYXStyle* s = parent->second; s && !loop; s = s->BasedOn)
            loop = s == style->second;
        if (!loop)
            style->second->BasedOn = parent->second;
    }
}

}  // namespace vyx_rtf
