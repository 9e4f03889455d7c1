// VYXWriteDOCXBody.cpp: the DOCX writer's paragraphs and runs: text, fields, form fields,
// hyperlinks, pictures, drawings and text boxes.
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

std::string TWriter::LinkId(const TVYXHyperlink& link)
{
    const auto key = std::make_pair(FOwner, &link);
    if (const auto it = FLinkIds.find(key); it != FLinkIds.end())
        return it->second;
    const std::string url = Utf16ToUtf8(link.Address);
    TOPCItem& item = FOwner == FPkg.Document() ? FPkg.AddHyperlink(url)
                                                : FPkg.ItemCreateExternal(*FOwner, OPCDocxRelType(odpHyperlink), url);
    FLinkIds.emplace(key, item.Id());
    return item.Id();
}

// The relationship id of an image part holding `bytes`, written once per part
// that shows it (`key` tells equal pictures apart).
std::string TWriter::ImageId(const void* key, std::string_view bytes, TVYXPictureType type)
{
    const auto mapKey = std::make_pair(FOwner, key);
    if (const auto it = FImageIds.find(mapKey); it != FImageIds.end())
        return it->second;
    static constexpr std::string_view cExt[] = {"bmp", "jpeg", "png", "gif", "emf", "wmf", "pic", "tiff", "bin", "bin"};
    const std::string_view ext = cExt[std::clamp(static_cast<int>(type), 0, 9)];
    FPkg.SetCurrItem(FOwner == FPkg.Document() ? nullptr : FOwner);
    TOPCItem& item = FPkg.AddImage(++FImages, ext, bytes);
    FPkg.SetCurrItem(nullptr);
    FImageIds.emplace(mapKey, item.Id());
    return item.Id();
}

void TWriter::Picture(TXml& x, const TVYXCharRunPicture& run)
{
    if (run.Origdata.empty() || !FOwner)
        return;
    const std::string_view bytes(reinterpret_cast<const char*>(run.Origdata.data()), run.Origdata.size());
    // 96 pixels per inch when the picture was decoded; a one-inch square otherwise.
    double w = 72, h = 72;
    if (run.Bitmap && run.Bitmap->Width() > 0 && run.Bitmap->Height() > 0) {
        w = run.Bitmap->Width() * 0.75;
        h = run.Bitmap->Height() * 0.75;
    }
    Drawing(x, ImageId(&run, bytes, run.OrigType), w, h);
}

void TWriter::Drawing(TXml& x, const std::string& rid, double w, double h, const TVYXGraphicObj* anchor,
                      const TVYXGraphicPicture* look)
{
    const long long cx = std::max(1LL, Round(w * 12700)), cy = std::max(1LL, Round(h * 12700));
    const long long id = ++FDrawingIds;
    x.Tag("w:drawing").Open();
    if (anchor) {
        static constexpr std::string_view cRelFromH[] = {"column", "character", "leftMargin", "rightMargin",
                                                         "insideMargin", "outsideMargin", "margin", "page"};
        static constexpr std::string_view cRelFromV[] = {"paragraph", "line", "topMargin", "bottomMargin",
                                                         "insideMargin", "outsideMargin", "margin", "page"};
        static constexpr std::string_view cAlignH[] = {"left", "left", "center", "right", "inside", "outside"};
        static constexpr std::string_view cAlignV[] = {"top", "top", "center", "bottom", "inside", "outside"};
        x.Tag("wp:anchor").Attr("distT", 0).Attr("distB", 0).Attr("distL", 114300).Attr("distR", 114300);
        x.Attr("simplePos", "0").Attr("relativeHeight", 251658240LL + id).Attr("behindDoc", anchor->Wrap == agowBehind ? "1" : "0");
        x.Attr("locked", anchor->LockAnchor ? "1" : "0").Attr("layoutInCell", "1").Attr("allowOverlap", "1").Open();
        x.Tag("wp:simplePos").Attr("x", 0).Attr("y", 0).Empty();
        x.Tag("wp:positionH").Attr("relativeFrom", cRelFromH[std::clamp(static_cast<int>(anchor->HorizPosRel), 0, 7)]).Open();
        if (anchor->HorizPosType == agoptAlignment && anchor->HorizPos != agohpAbsolute) {
            x.Tag("wp:align").Open();
            x.Out.append(cAlignH[std::clamp(static_cast<int>(anchor->HorizPos), 0, 5)]);
            x.End("wp:align");
        } else {
            x.Tag("wp:posOffset").Open();
            x.Out.append(std::to_string(Round(anchor->PosLeft * 12700)));
            x.End("wp:posOffset");
        }
        x.End("wp:positionH");
        x.Tag("wp:positionV").Attr("relativeFrom", cRelFromV[std::clamp(static_cast<int>(anchor->VertPosRel), 0, 7)]).Open();
        if (anchor->VertPosType == agoptAlignment && anchor->VertPos != agovpAbsolute) {
            x.Tag("wp:align").Open();
            x.Out.append(cAlignV[std::clamp(static_cast<int>(anchor->VertPos), 0, 5)]);
            x.End("wp:align");
        } else {
            x.Tag("wp:posOffset").Open();
            x.Out.append(std::to_string(Round(anchor->PosTop * 12700)));
            x.End("wp:posOffset");
        }
        x.End("wp:positionV");
        x.Tag("wp:extent").Attr("cx", cx).Attr("cy", cy).Empty();
        if (anchor->Wrap == agowBehind || anchor->Wrap == agowInFront || anchor->Wrap == agowInLine)
            x.Tag("wp:wrapNone").Empty();
        else if (anchor->Wrap == agowTopBottom)
            x.Tag("wp:wrapTopAndBottom").Empty();
        else
            x.Tag("wp:wrapSquare").Attr("wrapText", "bothSides").Empty();
    } else {
        x.Tag("wp:inline").Attr("distT", 0).Attr("distB", 0).Attr("distL", 0).Attr("distR", 0).Open();
        x.Tag("wp:extent").Attr("cx", cx).Attr("cy", cy).Empty();
    }
    x.Tag("wp:docPr").Attr("id", id).Attr("name", "Picture " + std::to_string(id)).Empty();
    x.Tag("a:graphic").Open();
    x.Tag("a:graphicData").Attr("uri", cNsPic).Open();
    x.Tag("pic:pic").Open();
    x.Tag("pic:nvPicPr").Open();
    x.Tag("pic:cNvPr").Attr("id", id).Attr("name", "Picture " + std::to_string(id)).Empty();
    x.Tag("pic:cNvPicPr").Empty();
    x.End("pic:nvPicPr");
    x.Tag("pic:blipFill").Open();
    x.Tag("a:blip").Attr("r:embed", rid).Empty();
    if (look && look->HasCrop()) {
        // Thousandths of a percent of the image, from each edge.
        x.Tag("a:srcRect").Attr("l", Round(look->CropLeft * 100000)).Attr("t", Round(look->CropTop * 100000));
        x.Attr("r", Round(look->CropRight * 100000)).Attr("b", Round(look->CropBottom * 100000)).Empty();
    }
    x.Tag("a:stretch").Open();
    x.Tag("a:fillRect").Empty();
    x.End("a:stretch");
    x.End("pic:blipFill");
    x.Tag("pic:spPr").Open();
    x.Tag("a:xfrm");
    if (look && look->FlipX)
        x.Attr("flipH", "1");
    if (look && look->FlipY)
        x.Attr("flipV", "1");
    x.Open();
    x.Tag("a:off").Attr("x", 0).Attr("y", 0).Empty();
    x.Tag("a:ext").Attr("cx", cx).Attr("cy", cy).Empty();
    x.End("a:xfrm");
    x.Tag("a:prstGeom").Attr("prst", "rect").Open();
    x.Tag("a:avLst").Empty();
    x.End("a:prstGeom");
    x.End("pic:spPr");
    x.End("pic:pic");
    x.End("a:graphicData");
    x.End("a:graphic");
    x.End(anchor ? "wp:anchor" : "wp:inline");
    x.End("w:drawing");
}

void TWriter::Run(TXml& x, const TVYXCharRun& run)
{
    const bool deleted = run.Revision() && (run.Revision()->RevType == artDelete || run.Revision()->RevType == artMoveFrom);
    auto open = [&] {
        x.Tag("w:r").Open();
        CHPX(x, run.CHPX());
    };
    switch (run.Type_()) {
    case acrtSimpleField:
        if (const auto* field = dynamic_cast<const TVYXSimpleField*>(static_cast<const TVYXCharRunSimpleField&>(run).SimpField())) {
            // Written in the complex form (begin, instruction, separate, result, end),
            // which every reader of the format takes and which keeps an empty result.
            const auto fldChar = [&](const char* type) {
                open();
                x.Tag("w:fldChar").Attr("w:fldCharType", type).Empty();
                x.End("w:r");
            };
            fldChar("begin");
            open();
            x.TextElem(deleted ? "w:delInstrText" : "w:instrText", field->InstrText());
            x.End("w:r");
            fldChar("separate");
            if (!run.Text().empty()) {
                open();
                x.TextElem(deleted ? "w:delText" : "w:t", run.Text());
                x.End("w:r");
            }
            open();
            x.Tag("w:fldChar").Attr("w:fldCharType", "end").Empty();
            break;
        }
        [[fallthrough]];
    case acrtText:
    case acrtHyperlink:
        if (run.Text().empty())
            return;
        open();
        x.TextElem(deleted ? "w:delText" : "w:t", run.Text());
        break;
    case acrtTab:
        open();
        x.Tag("w:tab").Empty();
        break;
    case acrtBreak: {
        const auto& br = static_cast<const TVYXCharRunBreak&>(run);
        if (br.BreakType != acrbtLineBreak && br.BreakType != acrbtPageBreak && br.BreakType != acrbtColumn)
            return;
        open();
        x.Tag("w:br");
        if (br.BreakType == acrbtPageBreak)
            x.Attr("w:type", "page");
        else if (br.BreakType == acrbtColumn)
            x.Attr("w:type", "column");
        x.Empty();
        break;
    }
    case acrtFldChar: {
        const auto& fc = static_cast<const TVYXCharRunFldChar&>(run);
        open();
        x.Tag("w:fldChar").Attr("w:fldCharType", fc.FldCharType == acrfctBegin ? "begin" : fc.FldCharType == acrfctSeparate ? "separate" : "end").Empty();
        break;
    }
    case acrtInstrText: {
        const auto& it = static_cast<const TVYXCharRunInstrText&>(run);
        open();
        x.TextElem(deleted ? "w:delInstrText" : "w:instrText", it.InstrText.empty() ? run.Text() : it.InstrText);
        break;
    }
    case acrtFootnote:
    case acrtFootnoteRef: {
        const auto& fn = static_cast<const TVYXCharRunFootnote&>(run);
        open();
        if (fn.IsRef) {
            x.Tag(fn.IsEndnote ? "w:endnoteRef" : "w:footnoteRef").Empty();
        } else {
            const auto it = FNoteIds.find(fn.Footnote);
            if (it == FNoteIds.end()) {
                x.End("w:r");
                return;
            }
            x.Tag(fn.IsEndnote ? "w:endnoteReference" : "w:footnoteReference").Attr("w:id", it->second).Empty();
        }
        break;
    }
    case acrtPicture:
        open();
        Picture(x, static_cast<const TVYXCharRunPicture&>(run));
        break;
    case acrtGraphic: {
        const TVYXGraphicObj* graphic = static_cast<const TVYXCharRunGraphic&>(run).Graphic.get();
        if (const auto* picture = dynamic_cast<const TVYXGraphicPicture*>(graphic)) {
            const TVYXPicture* stored = picture->Picture();
            if (!stored || stored->OrigData().empty() || !FOwner)
                return;
            open();
            Drawing(x, ImageId(stored, stored->OrigData(), stored->OrigType), picture->Width, picture->Height, nullptr,
                    picture);
            break;
        }
        // Text boxes, as VML: the simplest markup every reader knows.
        const auto* box = dynamic_cast<const TVYXGraphicRotate*>(graphic);
        if (!box || !box->TextBox || !box->TextBox->Paras || FBoxDepth >= 32)
            return;
        open();
        TextBoxPict(x, *box, false);
        break;
    }
    default: return;
    }
    x.End("w:r");
}

// The form field whose begin mark is run `begin`: the field of the first boundary
// run after it, unless another field begins first.
const TVYXComplexField* TWriter::FormFieldAfter(const TVYXLogPara& para, int begin)
{
    const TVYXCharRuns& runs = para.CharRuns();
    for (int i = begin + 1; i < runs.Count(); ++i) {
        const TVYXCharRun* r = runs.Items(i);
        if (r->Type_() == acrtFldChar && static_cast<const TVYXCharRunFldChar*>(r)->FldCharType == acrfctBegin)
            return nullptr;
        if (r->Type_() == acrtLinked) {
            const auto* linked = static_cast<const TVYXCharRunLinked*>(r);
            if (linked->LinkedType != acrltComplexField)
                continue;
            const auto* field = dynamic_cast<const TVYXComplexField*>(linked->Field());
            if (field && (field->Type() == acftFormText || field->Type() == acftFormCheckBox || field->Type() == acftFormList))
                return field;
            return nullptr;
        }
    }
    return nullptr;
}

void TWriter::FFData(TXml& x, const TVYXComplexField& field)
{
    x.Tag("w:ffData").Open();
    x.Tag("w:name").Attr16("w:val", field.Name).Empty();
    x.OnOff("w:enabled", field.Enabled);
    x.Val("w:calcOnExit", field.CalcOnExit ? "1" : "0");
    if (!field.EntryMacro.empty())
        x.Tag("w:entryMacro").Attr16("w:val", field.EntryMacro).Empty();
    if (!field.ExitMacro.empty())
        x.Tag("w:exitMacro").Attr16("w:val", field.ExitMacro).Empty();
    if (!field.HelpText.empty())
        x.Tag("w:helpText").Attr("w:type", "text").Attr16("w:val", field.HelpText).Empty();
    if (!field.StatusText.empty())
        x.Tag("w:statusText").Attr("w:type", "text").Attr16("w:val", field.StatusText).Empty();
    if (const TVYXComplexFieldCheckBox* box = field.GetAsCheckBox()) {
        x.Tag("w:checkBox").Open();
        if (box->AutoSize || box->Size <= 0)
            x.Tag("w:sizeAuto").Empty();
        else
            x.Val("w:size", std::max(1LL, Round(box->Size * 2)));
        x.Val("w:default", box->Default ? "1" : "0");
        x.Val("w:checked", box->Checked ? "1" : "0");
        x.End("w:checkBox");
    } else if (const TVYXComplexFieldList* list = field.GetAsComboBox()) {
        x.Tag("w:ddList").Open();
        x.Val("w:result", std::max(0, list->Result));
        x.Val("w:default", std::max(0, list->Default));
        for (const std::u16string& v : list->Values)
            x.Tag("w:listEntry").Attr16("w:val", v).Empty();
        x.End("w:ddList");
    } else if (const TVYXComplexFieldText* text = field.GetAsText()) {
        x.Tag("w:textInput").Open();
        static constexpr std::string_view cTypes[] = {"regular", "number", "date", "currentTime", "currentDate", "calculated"};
        if (text->TextType != acfttRegular)
            x.Val("w:type", cTypes[std::clamp(static_cast<int>(text->TextType), 0, 5)]);
        if (!text->Default.empty())
            x.Tag("w:default").Attr16("w:val", text->Default).Empty();
        if (text->MaxLength > 0)
            x.Val("w:maxLength", text->MaxLength);
        if (!text->Format.empty())
            x.Tag("w:format").Attr16("w:val", text->Format).Empty();
        x.End("w:textInput");
    }
    x.End("w:ffData");
}

void TWriter::Para(TXml& x, const TVYXLogPara& para, bool inDocument)
{
    x.Tag("w:p").Open();
    PAPX(x, para.PAPX(), inDocument ? para.SEP() : nullptr, true);
    const TVYXHyperlink* link = nullptr;
    const TVYXRevisionData* rev = nullptr;
    auto closeLink = [&] {
        if (link)
            x.End("w:hyperlink");
        link = nullptr;
    };
    auto closeRev = [&] {
        if (rev)
            x.End(rev->RevType == artDelete ? "w:del" : rev->RevType == artMoveFrom ? "w:moveFrom" : rev->RevType == artMoveTo ? "w:moveTo" : "w:ins");
        rev = nullptr;
    };
    for (int i = 0; i < para.CharRuns().Count(); ++i) {
        const TVYXCharRun& run = *para.CharRuns().Items(i);
        // Bookmarks: boundaries between runs.
        if (run.Type_() == acrtLinked) {
            const auto& linked = static_cast<const TVYXCharRunLinked&>(run);
            if (linked.LinkedType == acrltComment) {
                const auto* comment = dynamic_cast<const TVYXComment*>(linked.Field());
                const auto id = comment ? FCommentIds.find(comment) : FCommentIds.end();
                if (id == FCommentIds.end())
                    continue;
                closeRev();
                closeLink();
                const TVYXCharRunLinkedPos pos = linked.Position();
                if (pos == acrlpFirst || pos == acrlpSingle)
                    x.Tag("w:commentRangeStart").Attr("w:id", id->second).Empty();
                if (pos == acrlpLast || pos == acrlpSingle) {
                    x.Tag("w:commentRangeEnd").Attr("w:id", id->second).Empty();
                    x.Out.append("<w:r>");
                    x.Tag("w:commentReference").Attr("w:id", id->second).Empty();
                    x.Out.append("</w:r>");
                }
                continue;
            }
            if (linked.LinkedType == acrltPermission) {
                const auto* perm = dynamic_cast<const TVYXPermission*>(linked.Field());
                if (!perm)
                    continue;
                static constexpr std::string_view cGroups[] = {"none",    "everyone", "administrators", "contributors",
                                                               "editors", "owners",   "current"};
                closeRev();
                closeLink();
                const TVYXCharRunLinkedPos pos = linked.Position();
                auto [it, added] = FPermIds.emplace(perm, static_cast<long long>(FPermIds.size()));
                if (added || pos == acrlpFirst || pos == acrlpSingle) {
                    x.Tag("w:permStart").Attr("w:id", it->second);
                    if (perm->EditGroup != apegNone)
                        x.Attr("w:edGrp", cGroups[std::clamp(static_cast<int>(perm->EditGroup), 0, 6)]);
                    if (!perm->EditBy.empty())
                        x.Attr16("w:ed", perm->EditBy);
                    if (perm->FirstCol >= 0 && perm->LastCol >= perm->FirstCol)
                        x.Attr("w:colFirst", perm->FirstCol).Attr("w:colLast", perm->LastCol);
                    x.Empty();
                }
                if (pos == acrlpLast || pos == acrlpSingle)
                    x.Tag("w:permEnd").Attr("w:id", it->second).Empty();
                continue;
            }
            if (linked.LinkedType != acrltBookmark)
                continue;
            const auto* mark = dynamic_cast<const TVYXBookmark*>(linked.Field());
            if (!mark)
                continue;
            closeRev();
            closeLink();
            const TVYXCharRunLinkedPos pos = linked.Position();
            auto [it, added] = FBookmarkIds.emplace(mark, static_cast<long long>(FBookmarkIds.size()));
            if (added || pos == acrlpFirst || pos == acrlpSingle)
                x.Tag("w:bookmarkStart").Attr("w:id", it->second).Attr16("w:name", mark->Name).Empty();
            if (pos == acrlpLast || pos == acrlpSingle)
                x.Tag("w:bookmarkEnd").Attr("w:id", it->second).Empty();
            continue;
        }
        const TVYXHyperlink* runLink = run.Type_() == acrtHyperlink ? static_cast<const TVYXCharRunHyperlink&>(run).Hyperlink : nullptr;
        const TVYXRevisionData* runRev = run.Revision();
        const bool revChanges = (runRev == nullptr) != (rev == nullptr) ||
                                (runRev && rev && !(runRev->RevType == rev->RevType && runRev->Author == rev->Author && runRev->Date == rev->Date));
        if (runLink != link || revChanges) {
            closeRev();
            if (runLink != link) {
                closeLink();
                if (runLink) {
                    x.Tag("w:hyperlink");
                    if (runLink->Type == ahtBookmark)
                        x.Attr16("w:anchor", runLink->Address);
                    else if (FOwner)
                        x.Attr("r:id", LinkId(*runLink));
                    x.Open();
                    link = runLink;
                }
            }
            if (runRev) {
                const std::string_view name = runRev->RevType == artDelete ? "w:del" : runRev->RevType == artMoveFrom ? "w:moveFrom" : runRev->RevType == artMoveTo ? "w:moveTo" : "w:ins";
                x.Tag(name).Attr("w:id", ++FRevisionIds).Attr16("w:author", runRev->Author.empty() ? u"Unknown" : runRev->Author);
                if (const std::string date = DateText(runRev->Date); !date.empty())
                    x.Attr("w:date", date);
                x.Open();
                rev = runRev;
            }
        }
        if (run.Type_() == acrtFldChar && static_cast<const TVYXCharRunFldChar&>(run).FldCharType == acrfctBegin)
            if (const TVYXComplexField* form = FormFieldAfter(para, i)) {
                x.Tag("w:r").Open();
                CHPX(x, run.CHPX());
                x.Tag("w:fldChar").Attr("w:fldCharType", "begin").Open();
                FFData(x, *form);
                x.End("w:fldChar");
                x.End("w:r");
                continue;
            }
        Run(x, run);
    }
    closeRev();
    closeLink();
    // Floating pictures and text boxes, each in a run of its own at the paragraph's end.
    if (const TVYXGraphicObjList* graphics = para.Graphics()) {
        for (int i = 0; i < graphics->Count(); ++i) {
            if (const auto* picture = dynamic_cast<const TVYXGraphicPicture*>(&graphics->GetItems(i));
                picture && picture->Picture() && !picture->Picture()->OrigData().empty() && FOwner) {
                const TVYXPicture& stored = *picture->Picture();
                x.Out.append("<w:r>");
                Drawing(x, ImageId(&stored, stored.OrigData(), stored.OrigType), picture->Width, picture->Height, picture,
                        picture);
                x.Out.append("</w:r>");
            } else if (const auto* box = dynamic_cast<const TVYXGraphicRotate*>(&graphics->GetItems(i));
                       box && box->TextBox && box->TextBox->Paras && FBoxDepth < 32) {
                x.Out.append("<w:r>");
                TextBoxPict(x, *box, true);
                x.Out.append("</w:r>");
            }
        }
    }
    x.End("w:p");
}

// A text box as a VML shape: the simplest markup every reader knows. A floating
// box is placed absolutely with margins (or alignments) relative to what the model
// names; a box behind the text gets a negative z-index.
void TWriter::TextBoxPict(TXml& x, const TVYXGraphicRotate& box, bool floating)
{
    static constexpr std::string_view cRelH[] = {"text", "char", "left-margin-area", "right-margin-area",
                                                 "inner-margin-area", "outer-margin-area", "margin", "page"};
    static constexpr std::string_view cRelV[] = {"text", "line", "top-margin-area", "bottom-margin-area",
                                                 "inner-margin-area", "outer-margin-area", "margin", "page"};
    static constexpr std::string_view cAlignH[] = {"", "left", "center", "right", "inside", "outside"};
    static constexpr std::string_view cAlignV[] = {"", "top", "center", "bottom", "inside", "outside"};
    char size[96];
    std::snprintf(size, sizeof size, "width:%.2fpt;height:%.2fpt", box.Width, box.Height);
    std::string style;
    if (floating) {
        char place[128];
        std::snprintf(place, sizeof place, "position:absolute;margin-left:%.2fpt;margin-top:%.2fpt;", box.PosLeft, box.PosTop);
        style = place;
    }
    style += size;
    if (floating) {
        style += ";z-index:";
        style += box.Wrap == agowBehind ? "-1" : "1";
        if (box.HorizPosType == agoptAlignment && box.HorizPos != agohpAbsolute)
            style.append(";mso-position-horizontal:").append(cAlignH[std::clamp(static_cast<int>(box.HorizPos), 0, 5)]);
        style.append(";mso-position-horizontal-relative:").append(cRelH[std::clamp(static_cast<int>(box.HorizPosRel), 0, 7)]);
        if (box.VertPosType == agoptAlignment && box.VertPos != agovpAbsolute)
            style.append(";mso-position-vertical:").append(cAlignV[std::clamp(static_cast<int>(box.VertPos), 0, 5)]);
        style.append(";mso-position-vertical-relative:").append(cRelV[std::clamp(static_cast<int>(box.VertPosRel), 0, 7)]);
    }
    x.Tag("w:pict").Open();
    x.Tag("v:shape").Attr("style", style).Open();
    x.Tag("v:textbox").Open();
    x.Tag("w:txbxContent").Open();
    ++FBoxDepth;
    Paras(x, *box.TextBox->Paras, false);
    --FBoxDepth;
    if (box.TextBox->Paras->Count() == 0 || box.TextBox->Paras->Last()->IsTable())
        x.Tag("w:p").Empty();
    x.End("w:txbxContent");
    x.End("v:textbox");
    if (floating && (box.Wrap == agowTopBottom || box.Wrap == agow_ParaLeft))
        x.Tag("w10:wrap").Attr("type", box.Wrap == agowTopBottom ? "topAndBottom" : "square").Empty();
    x.End("v:shape");
    x.End("w:pict");
}

}  // namespace vyx_docxw
