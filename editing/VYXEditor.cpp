// VYXEditor.cpp: the editor facade: creation, the command bracket, dispatch, updates and focus.
#include "editing/VYXEditor.h"
#include "editing/VYXEditorScope.h"
#include "editing/VYXMouseResponders.h"

#include <algorithm>
#include <cmath>

#include "editing/VYXClipboardCmd.h"
#include "editing/VYXFindReplace.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "layout/VYXGDIAbstract.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPhyNavigator.h"
#include "layout/VYXPaintDoc.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXDefaultStyles.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXNotes.h"
#include "model/VYXUtils.h"
#include "platform/VYXClipboard.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXPaperSize.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"
#include "spell/VYXSpellCheck.h"

namespace {
bool IsVerticalMove(TVYXCommand cmd)
{
    return cmd == vycMoveLineUp || cmd == vycMoveLineDown || cmd == vycMovePgUp || cmd == vycMovePgDown ||
           cmd == vycSelectLineUp || cmd == vycSelectLineDown || cmd == vycSelectPgUp || cmd == vycSelectPgDown;
}

}  // namespace

// ---- Creation ---------------------------------------------------------------------

TVYXEditor::TVYXEditor(TVYXErrorManager* errors, TVYXGDI& gdi, TVYXSysOptions& sysOptions, const TVYXArea& area,
                       TVYXLogDocEditor* mainDoc, TVYXPaperSizeHook paperSize)
    : FErrors(errors), FSysOptions(sysOptions), FGDI(&gdi), FScrArea(area)
{
    // The printer's paper, as the platform reports it, for every new main document.
    if (!paperSize)
        paperSize = [] {
            const TVYXPaperSizeMm p = VYXDefaultPaperSize();
            return TVYXPaperMm{p.WidthMm, p.HeightMm};
        };
    if (!mainDoc) {
        FOwnedMainDoc = std::make_unique<TVYXLogDocEditor>(aldtMain, errors, nullptr, paperSize);
        mainDoc = FOwnedMainDoc.get();
        FOwnsMainDoc = true;
    }
    FMainDoc = mainDoc;
    FFocusDoc = mainDoc;
    FMainDoc->SetPPI(FGDI->PixelsPerInchX(), FGDI->PixelsPerInchY());
    FMainDoc->Undo().LoadOptions(FSysOptions);
    FSpellChecker = std::make_unique<TVYXSpellChecker>(
        FSysOptions.SpellCheckerDLLPath,
        FSysOptions.SpellCheckerDictPath.empty() ? std::string(cVYXDefaultDictPath) : FSysOptions.SpellCheckerDictPath);
    FDefMouseResponder = std::make_unique<TVYXDefMouseResponder>(*this);
    FMouseResponder = FDefMouseResponder.get();
    FPaginator = std::make_unique<TVYXPaginatorDoc>(*FGDI, *FMainDoc);
    FPaintDoc = std::make_unique<TVYXPaintDoc>(*FGDI, *FMainDoc, *FPaginator);
    FPaintDoc->ShowCaret = false;  // the host draws the caret where the caret event says
    HookDoc(*FMainDoc);
    FLastCaretPos.Clear();
    BeginUpdate();
    if (FMainDoc->Paras().Count() == 0) {
        TVYXEditorUpdate update(*FMainDoc);
        FMainDoc->AppendPara();
    }
    FMainDoc->SetDirty(true);
    EndUpdate();
    SetFocusDoc(*FMainDoc);
    CaretPosChanged();
}

TVYXEditor::~TVYXEditor()
{
    // The paginator keeps rows on the document's paragraphs; it goes before the document.
    FNavigator.reset();
    FPaintDoc.reset();
    FPaginator.reset();
    if (FMainDoc)
        FMainDoc->PhyPositionEvent = nullptr;
}

void TVYXEditor::HookDoc(TVYXLogDocEditor& doc)
{
    doc.PhyPositionEvent = [this](TVYXLogDocEditor& sender, TVYXPhyPosType type, TVYXLogPos& pos) {
        return DocPhyPosition(sender, type, pos);
    };
}

void TVYXEditor::RecreatePaginator()
{
    ForgetColumn();
    FPaintDoc.reset();
    FPaginator = std::make_unique<TVYXPaginatorDoc>(*FGDI, *FMainDoc);
    FPaintDoc = std::make_unique<TVYXPaintDoc>(*FGDI, *FMainDoc, *FPaginator);
    FPaintDoc->ShowCaret = false;
    FMainDoc->SetDirty(true);
}

void TVYXEditor::Clear()
{
    FMainDoc->Undo().Clear();
    FMacro.Clear();
    FMacro.SetRecording(false);
    FLastCaretPos.Clear();
    FLastCaretRun = nullptr;
}

void TVYXEditor::EndUpdate()
{
    FIsUpdating = false;
    FMainDoc->SetDirty(true);
    UpdateUI();
}

void TVYXEditor::SetClipboard(TVYXClipboard* clipboard) { FMainDoc->SetClipboard(clipboard); }

// ---- The command bracket ---------------------------------------------------------------

void TVYXEditor::BeforeCommand(TVYXCommand cmd)
{
    ++FActiveCommandCount;
    FCurrCmdIsMouseMove = false;
    FCommandStack.push_back(cmd);
    FMainDoc->Undo().BeginUndo(cmd, *FFocusDoc);
}

void TVYXEditor::AfterCommand()
{
    FMainDoc->Undo().EndUndo();
    FCommandStack.pop_back();
    --FActiveCommandCount;
    if (FActiveCommandCount == 0 && FPendingUpdateUI)
        UpdateUI();
}

void TVYXEditor::AbortCommand() noexcept
{
    // Called while an exception unwinds: the group is closed as far as it can be; a
    // history that cannot even close it is dropped rather than left half open.
    try {
        FMainDoc->Undo().EndUndo();
    } catch (...) {
        try {
            FMainDoc->Undo().Clear();
        } catch (...) {
        }
    }
    if (!FCommandStack.empty())
        FCommandStack.pop_back();
    --FActiveCommandCount;
}

bool TVYXEditor::RunUI(TVYXCommand cmd, bool leaveGraphic, const std::function<bool()>& body)
{
    if (FIsUpdating)
        return false;
    TVYXEditorCommandScope scope(*this, cmd);
    if (leaveGraphic)
        LeaveGraphicEditing();
    const bool done = body();
    UpdateUI();
    scope.Finish();
    return done;
}

bool TVYXEditor::CommandUI(TVYXCommand cmd)
{
    if (FIsUpdating)
        return false;
    TVYXEditorCommandScope scope(*this, cmd);
    if (cmd != vycControlMacroRecord && cmd != vycControlMacroPlay)
        FMacro.AddCommand(cmd);
    bool done = false;
    if (cmd == vycDelAtCaret && FGraphicEditor) {
        // Delete while a picture is being edited removes the picture.
        LeaveGraphicEditing();
        done = FFocusDoc->Command(vycDelCharRight);
        FMainDoc->SetRepaint(true);
    } else {
        if (cmd != vycExternalEditGraphic)
            LeaveGraphicEditing();
        done = DispatchUI(cmd);
    }
    UpdateUI();
    scope.Finish();
    return done;
}

bool TVYXEditor::DispatchUI(TVYXCommand cmd)
{
    if (cmd == vycNone)
        return false;
    if (cmd == vycControlRedo)
        return DoUndo(true);
    const TVYXCommandClass cls = CommandClass(cmd);
    if (cls > vyccSetting)
        return false;
    TVYXLogDocEditor& doc = *FFocusDoc;
    switch (cls) {
    case vyccExternal: return DoExternal(cmd);
    case vyccControl: return DoControl(cmd);
    case vyccMove: {
        // Line and page moves keep the column the first of them started from; any other
        // move starts afresh (and End keeps the row it ends on for the caret).
        if (IsVerticalMove(cmd))
            FDoRestoreX = true;
        else
            ForgetColumn();
        if (doc.Selections().HasSelection())
            FMainDoc->SetRepaint(true);
        return doc.Command(cmd);
    }
    case vyccFormat: {
        const bool done = doc.Command(cmd);
        CharFmtChangedCheck();
        return done;
    }
    case vyccClipboard: {
        if (FClipboardSetupEvent)
            if (TVYXClipboardCmd* worker = doc.ClipboardCmd())
                FClipboardSetupEvent(*worker, doc);
        const bool done = doc.CmdClipboard(cmd, acfNone);
        FMainDoc->SetRepaint(true);
        return done;
    }
    case vyccSelect: {
        if (IsVerticalMove(cmd))
            FDoRestoreX = true;
        else
            ForgetColumn();
        const bool done = doc.Command(cmd);
        if (FMainDoc->Repaint() || doc.Selections().HasSelection())
            FMainDoc->SetRepaint(true);
        if (TVYXGraphicObj* g = doc.Selections().Graphic ? doc.Selections().Graphic : SelectedGraphicRun())
            StartGraphicEditing(*g);
        return done;
    }
    case vyccDelete: {
        const bool done = doc.Command(cmd);
        FMainDoc->SetRepaint(true);
        return done;
    }
    case vyccInsert:
        if (cmd == vycInsertFootnote)
            return DoInsertFootnote();
        return doc.Command(cmd);
    case vyccTable: {
        if (!CaretInCell())
            return false;
        const bool done = doc.Command(cmd);
        FMainDoc->SetRepaint(true);
        return done;
    }
    case vyccRevision: {
        const bool done = doc.Command(cmd);
        FMainDoc->SetRepaint(true);
        return done;
    }
    default: return doc.Command(cmd);
    }
}

void TVYXEditor::RaiseExt(TVYXCommand cmd, bool& handled)
{
    if (FExtCmdEvent)
        FExtCmdEvent(*this, cmd, handled);
}

bool TVYXEditor::DoExternal(TVYXCommand cmd)
{
    if (!FExtCmdEvent)
        return false;
    bool handled = false;
    switch (cmd) {
    case vycExternalFindNext: {
        TVYXFindReplaceText& find = FFocusDoc->FindReplace();
        if (find.FindText().empty()) {
            RaiseExt(vycExternalFind, handled);  // nothing to repeat: the host shows its dialog
            return true;
        }
        TVYXLogSelections found;
        if (!find.FindNextAndSelect(found) || !found.First()) {
            RaiseExt(vycExternalFindNotFound, handled);
            return false;
        }
        const TVYXLogSelection range = *found.First();
        return CommandUI(vycSelectSelection, range);
    }
    case vycExternalSpellCheckWords: DoSpellCheckWords(); return true;
    case vycExternalEditGraphic:
        if (!FFocusDoc->Selections().Graphic)
            return false;
        RaiseExt(cmd, handled);
        if (handled)
            FUpdateGr = true;
        return handled;
    default: RaiseExt(cmd, handled); return true;
    }
}

void TVYXEditor::DoSpellCheckWords()
{
    TVYXSpellChecker& checker = *FSpellChecker;
    if (!checker.Ready() && !checker.BeginCheck(FSysOptions.SpellSelectedLanguage.empty()
                                                   ? std::string_view("en_US")
                                                   : std::string_view(FSysOptions.SpellSelectedLanguage)))
        return;
    TVYXSelections& sel = FFocusDoc->Selections();
    TVYXLogSelection* last = sel.Last();
    if (!last || !last->Valid()) {
        sel.Clear();
        last = sel.Add(FFocusDoc->Caret(), FFocusDoc->Caret());
    }
    // Word by word from the selection while the host answers true.
    bool go = true;
    int guard = 0;
    while (go && ++guard < 1000000) {
        TVYXLogPos start = last->Last;
        if (!last->MoveWordNext())
            break;
        if (start.Para != last->Last.Para)
            continue;
        const std::u16string text = start.Para->GetPlainText();
        const auto from = static_cast<std::size_t>(start.CharPos - 1);
        if (from >= text.size())
            continue;
        std::size_t to = from;
        while (to < text.size() && VYXIsWordLetter(text[to]))
            ++to;
        if (to == from || checker.Check(std::u16string_view(text).substr(from, to - from)))
            continue;
        last->First = start;
        last->Last.Assign(start.Para, static_cast<std::int32_t>(to + 1));
        FFocusDoc->Caret().Assign(start);
        FMainDoc->SetRepaint(true);
        RaiseExt(vycExternalSpellCheckWords, go);
        if (!go)
            return;  // the host stopped at this word: it stays selected
        last->First = last->Last;
    }
    // The walk went through: no word stays selected.
    sel.Clear();
    sel.Status = assNone;
}

bool TVYXEditor::DoControl(TVYXCommand cmd)
{
    TVYXDOP& dop = FMainDoc->DOP();
    switch (cmd) {
    case vycControlEscape: return false;
    case vycControlUndo: return DoUndo(false);
    case vycControlNewDoc:
        // The focus leaves a header or note first: the new document frees them.
        LeaveGraphicEditing();
        SetFocusDoc(*FMainDoc);
        FPaginator->Clear();  // its pages point at rows of the paragraphs about to go
        FPageTops.clear();
        FMainDoc->Clear();
        VYXBuildDefaultStyles(FMainDoc->Styles());
        {
            TVYXEditorUpdate update(*FMainDoc);
            FMainDoc->AppendPara();
        }
        FMainDoc->Caret().Assign(FMainDoc->FirstPara(), 1);
        FMainDoc->SetDirty(true);
        FMainDoc->SetRepaint(true);
        return true;
    case vycControlLayoutPrint:
    case vycControlLayoutWeb:
        dop.WebLayout = cmd == vycControlLayoutWeb;
        FMainDoc->SetDirty(true);
        FMainDoc->SetRepaint(true);
        return true;
    case vycControlMacroRecord: FMacro.SetRecording(!FMacro.Recording()); return true;
    case vycControlMacroPlay: PlayMacro(); return true;
    case vycControlSpellSheckAll: return DoSpellCheckAll(FSysOptions.SpellSelectedLanguage);
    case vycControlSpellSheckClear:
        for (TVYXLogPara* p = FMainDoc->FirstPara(); p; p = p->Next())
            p->CharRuns().ClearMisspelled();
        FMainDoc->SetRepaint(true);
        return true;
    case vycControlEditHeader:
    case vycControlEditFooter: {
        TVYXHeadersFooters& list = cmd == vycControlEditHeader ? FMainDoc->Headers() : FMainDoc->Footers();
        const bool had = list.Find(ahftDefault) != nullptr;
        TVYXLogDocEditor& hf = list.AddDefault();
        if (!had)
            FMainDoc->SetDirty(true);
        SetFocusDoc(hf);
        FMainDoc->SetRepaint(true);
        return true;
    }
    case vycControlNewPara: {
        const bool done = FFocusDoc->Command(cmd);
        FMainDoc->SetRepaint(true);
        return done;
    }
    default: {
        const bool done = FFocusDoc->Command(cmd);
        FMainDoc->SetRepaint(true);
        return done;
    }
    }
}

bool TVYXEditor::DoSpellCheckAll(std::string_view language)
{
    TVYXSpellChecker& checker = *FSpellChecker;
    if (!checker.BeginCheck(language.empty() ? std::string_view("en_US") : language))
        throw VYXException(std::string(cVYXSpellNotReady) + " (" + checker.Message() + ")");
    checker.Check(FMainDoc->Paras());
    checker.EndCheck();
    FMainDoc->SetRepaint(true);
    return true;
}

bool TVYXEditor::DoUndo(bool redo)
{
    TVYXUndo& undo = FMainDoc->Undo();
    const bool done = redo ? undo.Redo() : undo.Undo();
    if (done && &undo.FocusDoc() != FFocusDoc) {
        FFocusDoc = &undo.FocusDoc();
    }
    // The edited object may have been replaced or removed by the replay.
    LeaveGraphicEditing();
    FMainDoc->SetRepaint(true);
    FMainDoc->SetDirty(true);
    return done;
}

bool TVYXEditor::DoInsertFootnote()
{
    if (FFocusDoc != FMainDoc)
        return false;  // notes are referenced from the body only
    TVYXFootnotesList& list = FMainDoc->FootnoteList();
    const int before = list.Count();
    if (!FMainDoc->Command(vycInsertFootnote) || list.Count() == before)
        return false;
    // The new note is the one whose reference sits at the caret: the one not seen before.
    TVYXFootnoteItem* note = nullptr;
    const TVYXLogPara* para = FMainDoc->Caret().Para;
    for (int i = 0; i < list.Count(); ++i)
        if (list.GetItems(i)->FNotePara == para)
            note = list.GetItems(i);
    if (!note || !note->StartPara)
        note = list.Last();
    FMainDoc->SetDirty(true);
    SetFocusDoc(FMainDoc->Footnotes());
    if (note && note->StartPara)
        FFocusDoc->Caret().Assign(note->StartPara, 1);
    // The caret goes behind the note's reference mark once the note is laid out.
    FPendingCommand = vycMoveEndOfLine;
    FMainDoc->SetRepaint(true);
    return true;
}

bool TVYXEditor::CaretInCell() const
{
    const TVYXLogPara* para = FFocusDoc->Caret().Para;
    return para && para->Cell() != nullptr;
}

void TVYXEditor::CharFmtChangedCheck()
{
    const TVYXCharRun* run = FFocusDoc->Caret().Para ? FFocusDoc->Caret().GetCharRun() : nullptr;
    const bool formatCommand = !FCommandStack.empty() && CommandClass(FCommandStack.back()) == vyccFormat;
    if (run != FLastCaretRun || formatCommand) {
        FLastCaretRun = run;
        if (FCharFmtChangedEvent)
            FCharFmtChangedEvent(*this);
    }
}

// ---- Overloads with an argument ------------------------------------------------------

bool TVYXEditor::CommandUI(TVYXCommand cmd, std::u16string_view text)
{
    return RunUI(cmd, true, [&] {
        TVYXLogDocEditor& doc = *FFocusDoc;
        switch (cmd) {
        case vycSelectBookmark:
        case vycMoveBookmark: {
            TVYXLogSelection range;
            if (!BookmarkRange(text, range))
                return false;
            doc.Selections().Clear();
            doc.Selections().Status = assNone;
            if (cmd == vycMoveBookmark)
                return doc.Command(vycMovePos, range.First);
            doc.Selections().Add(range);
            doc.Caret().Assign(range.Last);
            FMainDoc->SetRepaint(true);
            return true;
        }
        case vycControlSpellSheckAll: return DoSpellCheckAll(Utf16ToUtf8(text));
        case vycReplaceSelection: {
            const bool done = doc.Command(cmd, text);
            FMainDoc->SetRepaint(true);
            return done;
        }
        case vycInsertImageAtCaret:
        case vycInsertImageAtCaretPara: return DoInsertImage(cmd, text);
        case vycInsertHyperlink: {
            const auto sep = text.find(u'\x08');
            if (sep == std::u16string_view::npos)
                return false;
            const std::u16string_view shown = text.substr(0, sep), address = text.substr(sep + 1);
            if (shown.empty() || address.empty())
                return false;
            const TVYXLogPos start = doc.Caret();
            if (!doc.InsertTextUI(shown))
                return false;
            TVYXLogSelection range;
            range.First.Assign(start.Para, start.CharPos);
            range.Last.Assign(doc.Caret());
            TVYXHyperlink* link = range.MakeHyperlink(address);
            doc.Selections().Clear();
            doc.Selections().Add(range);
            TVYXCHPX chpx(nullptr);
            chpx.SetColor(0x0000FF);
            chpx.SetUnderline(vycuSingle);
            doc.ApplyChpx(chpx);
            doc.Selections().Clear();
            doc.Caret().Assign(range.Last);
            FMainDoc->SetRepaint(true);
            return link != nullptr;
        }
        default: {
            const bool done = doc.Command(cmd, text);
            if (CommandClass(cmd) == vyccFormat)
                CharFmtChangedCheck();
            FMainDoc->SetRepaint(true);
            return done;
        }
        }
    });
}

bool TVYXEditor::DoInsertImage(TVYXCommand cmd, std::u16string_view fileName)
{
    TVYXFileStream in(Utf16ToUtf8(fileName), vyfmRead);
    std::string bytes(static_cast<std::size_t>(in.Size()), '\0');
    if (!bytes.empty())
        in.Read(bytes.data(), bytes.size());
    TVYXLogDocEditor& doc = *FFocusDoc;
    if (cmd == vycInsertImageAtCaretPara && doc.Caret().CharPos > 1)
        doc.Command(vycControlNewPara);
    // Through the clipboard path, so the picture goes in through the edit door.
    TVYXClipboard scratch;
    {
        TVYXClipboardScope open(scratch);
        scratch.Clear();
        scratch.PutGraphic(acfBitmap, bytes);
    }
    TVYXClipboard* old = doc.Clipboard();
    doc.SetClipboard(&scratch);
    bool done = false;
    try {
        done = doc.CmdClipboard(vycClipboardPaste, acfBitmap);
    } catch (...) {
        doc.SetClipboard(old);
        throw;
    }
    doc.SetClipboard(old);
    FMainDoc->SetRepaint(true);
    return done;
}

bool TVYXEditor::CommandUI(TVYXCommand cmd, int value)
{
    return RunUI(cmd, true, [&] {
        TVYXLogDocEditor& doc = *FFocusDoc;
        bool done = false;
        switch (cmd) {
        case vycControlZoom:
            FGDI->SetZoom(value / 100.0);
            done = true;
            break;
        case vycGraphicInsertShapeAtPosPara:
            if (doc.Caret().Para) {
                InsertShape(*doc.Caret().Para, static_cast<unsigned>(value));
                done = true;
            }
            break;
        case vycGraphicInsertShapeAtMouse:
        case vycGraphicInsertTextBoxAtMouse:
            if (!FGraphicEditor) {
                FCurrShapeId = static_cast<unsigned>(value);
                done = true;
            }
            break;
        case vycClipboardPaste:
            if (FClipboardSetupEvent)
                if (TVYXClipboardCmd* worker = doc.ClipboardCmd())
                    FClipboardSetupEvent(*worker, doc);
            done = doc.CmdClipboard(cmd, static_cast<TVYXClipboardFormat>(value));
            break;
        case vycLayoutColumns: done = doc.Selections().SetColumns(value); break;
        default:
            if (CommandClass(cmd) == vyccGraphic && FloatingCommand(cmd, value, done))
                break;
            done = doc.Command(cmd, value);
            if (CommandClass(cmd) == vyccFormat)
                CharFmtChangedCheck();
        }
        FMainDoc->SetDirty(true);
        FMainDoc->SetRepaint(true);
        return done;
    });
}

bool TVYXEditor::CommandUI(TVYXCommand cmd, double value)
{
    return RunUI(cmd, true, [&] {
        bool done = false;
        if (cmd == vycControlZoom) {
            FGDI->SetZoom(value > 10 ? value / 100.0 : value);
            done = true;
        } else if (CommandClass(cmd) == vyccSetting)
            done = FMainDoc->Command(cmd, value);
        else if (CommandClass(cmd) == vyccGraphic && FloatingCommand(cmd, value, done)) {
        } else {
            done = FFocusDoc->Command(cmd, value);
            if (CommandClass(cmd) == vyccFormat)
                CharFmtChangedCheck();
        }
        FMainDoc->SetDirty(true);
        FMainDoc->SetRepaint(true);
        return done;
    });
}

bool TVYXEditor::CommandUI(TVYXCommand cmd, bool value)
{
    return RunUI(cmd, true, [&] {
        const TVYXCommandClass cls = CommandClass(cmd);
        bool done = false;
        if (cls == vyccSetting)
            done = FMainDoc->Command(cmd, value);
        else if (cls == vyccGraphic || cls == vyccRevision)
            done = FFocusDoc->Command(cmd, value);
        FMainDoc->SetDirty(true);
        FMainDoc->SetRepaint(true);
        return done;
    });
}

bool TVYXEditor::CommandUI(TVYXCommand cmd, int value1, int value2)
{
    return RunUI(cmd, true, [&] {
        if (cmd != vycInsertTableAtCaret && CommandClass(cmd) == vyccTable && !CaretInCell())
            return false;
        const bool done = FFocusDoc->Command(cmd, value1, value2);
        FMainDoc->SetRepaint(true);
        return done;
    });
}

bool TVYXEditor::CommandUI(TVYXCommand cmd, TVYXStream& stream)
{
    return RunUI(cmd, true, [&] {
        if (cmd != vycInsertRTFStreamAtCaret || !FClipboardSetupEvent)
            return false;
        std::string bytes(static_cast<std::size_t>(std::max<std::int64_t>(0, stream.Size() - stream.Position())), '\0');
        bytes.resize(stream.Read(bytes.data(), bytes.size()));
        // Read through a private clipboard: the readers parse into a scratch list and the
        // content goes in through the edit door only when that worked.
        TVYXLogDocEditor& doc = *FFocusDoc;
        TVYXClipboard scratch;
        {
            TVYXClipboardScope open(scratch);
            scratch.Clear();
            scratch.PutRTF(bytes);
        }
        TVYXClipboard* old = doc.Clipboard();
        doc.SetClipboard(&scratch);
        bool done = false;
        try {
            if (TVYXClipboardCmd* worker = doc.ClipboardCmd())
                FClipboardSetupEvent(*worker, doc);
            done = doc.CmdClipboard(vycClipboardPaste, acfRTF);
        } catch (...) {
            doc.SetClipboard(old);
            throw;
        }
        doc.SetClipboard(old);
        FMainDoc->SetRepaint(true);
        return done;
    });
}

bool TVYXEditor::CommandUI(TVYXCommand cmd, const TVYXLogPos& pos)
{
    return RunUI(cmd, true, [&] {
        const TVYXCommandClass cls = CommandClass(cmd);
        bool done = false;
        if (cls == vyccMove)
            done = FFocusDoc->Command(vycMovePos, pos);
        else if (cls == vyccSelect)
            done = FFocusDoc->Command(vycSelectToPos, pos);
        else
            done = FFocusDoc->Command(cmd, pos);
        ForgetColumn();
        FMainDoc->SetRepaint(true);
        return done;
    });
}

bool TVYXEditor::CommandUI(TVYXCommand cmd, const TVYXLogSelection& selection)
{
    return RunUI(cmd, true, [&] {
        TVYXLogDocEditor& doc = *FFocusDoc;
        if (!selection.Valid())
            return false;
        if (cmd == vycSelectSelection) {
            doc.Selections().Clear();
            doc.Selections().Status = assNone;
            doc.Selections().Add(selection);
            doc.Caret().Assign(selection.Last);
            FMainDoc->SetRepaint(true);
            return true;
        }
        if (cmd == vycDelSelection) {
            doc.Selections().Clear();
            doc.Selections().Add(selection);
            const bool done = doc.DeleteSelection();
            FMainDoc->SetRepaint(true);
            return done;
        }
        return false;
    });
}

bool TVYXEditor::CommandUI(TVYXCommand cmd, std::u16string_view fileName, const TVYXLogPos& pos)
{
    return RunUI(cmd, true, [&] {
        if (cmd != vycInsertImageAtPos || !pos.Valid())
            return false;
        FFocusDoc->Command(vycMovePos, pos);
        return DoInsertImage(vycInsertImageAtCaret, fileName);
    });
}

// ---- Direct commands -----------------------------------------------------------------

bool TVYXEditor::Command(TVYXCommand cmd) { return FFocusDoc->Command(cmd); }
bool TVYXEditor::Command(TVYXCommand cmd, std::u16string_view text) { return FFocusDoc->Command(cmd, text); }
bool TVYXEditor::Command(TVYXCommand cmd, const TVYXLogPos& pos) { return FFocusDoc->Command(cmd, pos); }
bool TVYXEditor::Command(TVYXCommand cmd, int value1, int value2) { return FFocusDoc->Command(cmd, value1, value2); }
bool TVYXEditor::Command(TVYXCommand cmd, int value) { return FFocusDoc->Command(cmd, value); }
bool TVYXEditor::Command(TVYXCommand cmd, double value) { return FFocusDoc->Command(cmd, value); }
bool TVYXEditor::Command(TVYXCommand cmd, bool value) { return FFocusDoc->Command(cmd, value); }

bool TVYXEditor::Command(TVYXCommand cmd, const TVYXLogSelection& selection)
{
    if (!selection.Valid())
        return false;
    TVYXSelections& sel = FFocusDoc->Selections();
    sel.Clear();
    sel.Add(selection);
    if (cmd == vycDelSelection)
        return FFocusDoc->DeleteSelection();
    FFocusDoc->Caret().Assign(selection.Last);
    return cmd == vycSelectSelection;
}

// ---- Format values ---------------------------------------------------------------------

bool TVYXEditor::CmdFormatValue(TVYXCommand cmd, double& value) const
{
    switch (CommandClass(cmd)) {
    case vyccFormat: return FFocusDoc->CmdFormatValue(cmd, value);
    case vyccSetting: value = FMainDoc->CmdSettingValFloat(cmd); return true;
    default: return false;
    }
}

bool TVYXEditor::CmdFormatValue(TVYXCommand cmd, bool& value) const
{
    if (CommandClass(cmd) == vyccSetting) {
        value = FMainDoc->CmdSettingValBool(cmd);
        return true;
    }
    double v = 0;
    if (!CmdFormatValue(cmd, v))
        return false;
    value = v != 0;
    return true;
}

bool TVYXEditor::CmdFormatValue(TVYXCommand cmd, int& value) const
{
    double v = 0;
    if (!CmdFormatValue(cmd, v))
        return false;
    value = static_cast<int>(std::lround(v));
    return true;
}

bool TVYXEditor::CmdFormatValue(TVYXCommand cmd, std::u16string& value) const
{
    if (cmd != vycFormatFontName || !FFocusDoc->Caret().Para)
        return false;
    const TVYXCHPX* chpx = FFocusDoc->Caret().Get_CHPX();
    if (!chpx)
        return false;
    value = chpx->GetFontName();
    return true;
}

// ---- Keys --------------------------------------------------------------------------------

bool TVYXEditor::KeyDown(TVYXKey key, TVYXShiftState shift)
{
    const TVYXCommand cmd = KeyToCommand(key, shift);
    if (cmd == vycNone)
        return false;
    if (FCaretVisibleEvent)
        FCaretVisibleEvent(*this, false);
    CommandUI(cmd);
    if (FCaretVisibleEvent && !FFocusDoc->Selections().HasSelection())
        FCaretVisibleEvent(*this, true);
    return true;
}

void TVYXEditor::KeyPress(char16_t ch)
{
    if (FIsUpdating)
        return;
    FMacro.AddChar(ch);
    if (ch < 32)
        return;
    char16_t text[2] = {ch, 0};
    std::u16string_view typed(text, 1);
    if (ch >= 0xD800 && ch <= 0xDBFF) {  // wait for the low half
        FHighSurrogate = ch;
        return;
    }
    if (ch >= 0xDC00 && ch <= 0xDFFF) {
        if (!FHighSurrogate)
            return;  // a lone low half is dropped
        text[0] = FHighSurrogate;
        text[1] = ch;
        typed = std::u16string_view(text, 2);
    }
    FHighSurrogate = 0;
    TVYXEditorCommandScope scope(*this, vycInsertCharAtCaret);
    LeaveGraphicEditing();
    FFocusDoc->InsertTextUI(typed);
    ForgetColumn();
    UpdateUI();
    scope.Finish();
}

void TVYXEditor::PlayMacro()
{
    if (FMacro.Recording())
        return;
    // Items are copied first: a played command must not change the list being walked.
    std::vector<std::pair<bool, int>> items;
    for (int i = 0; i < FMacro.Count(); ++i) {
        const TVYXMacroItem& item = FMacro.GetItems(i);
        if (item.ItemType() == amitChar)
            items.emplace_back(true, static_cast<const TVYXMacroCmdChar&>(item).FChar);
        else
            items.emplace_back(false, static_cast<const TVYXMacroCmd&>(item).FCmd);
    }
    for (const auto& [isChar, value] : items) {
        if (isChar)
            KeyPress(static_cast<char16_t>(value));
        else
            CommandUI(static_cast<TVYXCommand>(value));
    }
}

// ---- Updates -------------------------------------------------------------------------------

void TVYXEditor::PaginateAll()
{
    ForgetColumn();  // its rows may be gone
    FPaginator->Paginate();
    ++FPaginateCount;
    FMainDoc->SetDirty(false);
    RecalcPageTops();
}

void TVYXEditor::RecalcPageTops()
{
    const TVYXPhyPages& pages = FPaginator->Pages();
    FPageTops.resize(static_cast<std::size_t>(pages.Count()));
    double y = cPageGap;
    for (int i = 0; i < pages.Count(); ++i) {
        FPageTops[static_cast<std::size_t>(i)] = y;
        y += pages.GetItems(i).PageHeight + cPageGap;
    }
}

double TVYXEditor::PageScreenTop(int index) const
{
    if (index < 0 || index >= static_cast<int>(FPageTops.size()))
        return cPageGap - FScrollY;
    return FPageTops[static_cast<std::size_t>(index)] - FScrollY;
}

double TVYXEditor::DocScreenHeight() const
{
    const TVYXPhyPages& pages = FPaginator->Pages();
    if (pages.Count() == 0 || FPageTops.size() != static_cast<std::size_t>(pages.Count()))
        return 0;
    return FPageTops.back() + pages.Last()->PageHeight + cPageGap;
}

void TVYXEditor::SetArea(const TVYXArea& area)
{
    FScrArea.Assign(area);
    FMainDoc->SetRepaint(true);
}

void TVYXEditor::SetScroll(double x, double y)
{
    FScrollX = std::max(0.0, x);
    FScrollY = std::max(0.0, y);
    FMainDoc->SetRepaint(true);
}

void TVYXEditor::UpdateUI()
{
    // Inside a command the update waits for the outermost one to end (AfterCommand).
    if (FActiveCommandCount > 0) {
        FPendingUpdateUI = true;
        return;
    }
    FPendingUpdateUI = false;
    if (FMainDoc->Dirty() || FPaginator->Pages().Count() == 0)
        PaginateAll();
    else if (FPageTops.size() != static_cast<std::size_t>(FPaginator->Pages().Count()))
        RecalcPageTops();
    PaintPages(true);
    if (FMouseResponder == FDefMouseResponder.get() && !FCurrCmdIsMouseMove)
        CaretPosChanged();
    if (FGraphicEditor && FUpdateGr) {
        FUpdateGr = false;
        if (FCharFmtChangedEvent)
            FCharFmtChangedEvent(*this);
    }
    if (FPendingCommand != vycNone) {
        const TVYXCommand cmd = FPendingCommand;
        FPendingCommand = vycNone;
        CommandUI(cmd);
    }
    if (FCaretPosEvent)
        FCaretPosEvent(*this);
    FLastCaretPos.Assign(FFocusDoc->Caret());
    // Listeners may stop the walk by clearing the flag.
    bool go = true;
    for (std::size_t i = 0; i < FCommandListeners.size() && go; ++i)
        FCommandListeners[i](*this, vycFormat, go);
}

void TVYXEditor::Invalidate() { FMainDoc->SetRepaint(true); }

void TVYXEditor::RepaintUI()
{
    FMainDoc->SetRepaint(true);
    PaintPages(true);
}

void TVYXEditor::CaretPosChanged()
{
    TVYXLogDocEditor& doc = *FFocusDoc;
    double x = 0, y = 0, h = 0;
    if (doc.Caret().Para && GetCaretXY(x, y, h)) {
        if (FDoRestoreX) {
            FDoRestoreX = false;
            TVYXSelections& sel = doc.Selections();
            if (TVYXLogSelection* last = sel.Last(); last && sel.Status == assUpdating) {
                if (doc.Caret().GreaterEqual(last->Last))
                    last->Last.Assign(doc.Caret());
                else
                    last->First.Assign(doc.Caret());
            }
        }
        if (FCaretEvent)
            FCaretEvent(*this, x, y, h);
    }
    CharFmtChangedCheck();
}

// ---- Devices ---------------------------------------------------------------------------------

void TVYXEditor::SaveGDI(TVYXGDI& gdi)
{
    if (FTempGDI)
        throw VYXException("Temp GDI is not Nil");
    FTempGDI = FGDI;
    FGDI = &gdi;
    RecreatePaginator();
}

void TVYXEditor::RestoreGDI()
{
    if (!FTempGDI)
        throw VYXException("Temp GDI is Nil");
    FGDI = FTempGDI;
    FTempGDI = nullptr;
    RecreatePaginator();
    FMainDoc->SetRepaint(true);
}

// ---- Focus -----------------------------------------------------------------------------------

void TVYXEditor::SetFocusDoc(TVYXLogDocEditor& doc)
{
    if (&doc == FFocusDoc && FFocusDoc->Caret().Para)
        return;
    TVYXLogDocEditor* old = FFocusDoc;
    FFocusDoc = &doc;
    if (old && old != &doc) {
        old->Selections().Clear();
        old->SetRepaint(true);
    }
    FMainDoc->Undo().Watch(doc);
    FMainDoc->Undo().SetFocusDoc(doc);
    if (!doc.Caret().Para || !doc.Caret().Valid())
        doc.Caret().Assign(doc.FirstPara(), 1);
    HookDoc(doc);
    ForgetColumn();
    FHdrFtrPage = -1;
    FMainDoc->SetRepaint(true);
}

// ---- Accessors -------------------------------------------------------------------------------

TVYXSelections& TVYXEditor::GetSelections() const { return FFocusDoc->Selections(); }
TVYXBookmarks& TVYXEditor::GetBookmarks() const { return FMainDoc->Bookmarks(); }
TVYXHyperlinks& TVYXEditor::GetHyperlinks() const { return FMainDoc->Hyperlinks(); }
TVYXNumberings& TVYXEditor::GetNumberings() const { return FMainDoc->Numberings(); }
TVYXPictures& TVYXEditor::GetPictures() const { return FMainDoc->Pictures(); }
TVYXDOP& TVYXEditor::GetDOP() const { return FMainDoc->DOP(); }
const TVYXLogPos& TVYXEditor::GetCaretPos() const { return FFocusDoc->Caret(); }
TVYXUndo& TVYXEditor::Undo() const { return FMainDoc->Undo(); }
std::string TVYXEditor::GetFilename() const { return FFilename; }

bool TVYXEditor::BookmarkRange(std::u16string_view name, TVYXLogSelection& range) const
{
    const TVYXBookmark* mark = FMainDoc->Bookmarks().Find(name);
    const auto* sel = mark ? dynamic_cast<const TVYXFieldSelectionImpl*>(mark->Selection.get()) : nullptr;
    if (!sel || !sel->FirstPara)
        return false;
    range.First.Assign(sel->FirstPara, sel->FirstRun ? sel->FirstRun->GetEndPos() : 1);
    range.Last.Assign(sel->LastPara ? sel->LastPara : sel->FirstPara,
                      sel->LastRun ? sel->LastRun->StartPos() : range.First.CharPos);
    if (!range.Valid())
        range.Last.Assign(range.First);
    return range.First.Valid();
}

// ---- Graphic editing -----------------------------------------------------------------------

void TVYXEditor::LeaveGraphicEditing()
{
    if (!FGraphicEditor)
        return;
    FGraphicEditor.reset();
    FMouseResponder = FDefMouseResponder.get();
    FMainDoc->SetRepaint(true);
}

TVYXGraphicObj* TVYXEditor::SelectedGraphicRun() const
{
    const TVYXSelections& sel = FFocusDoc->Selections();
    const TVYXLogSelection* only = sel.Count() == 1 ? sel.First() : nullptr;
    if (!only || !only->SamePara() || only->Len() != 1)
        return nullptr;
    TVYXLogPos first = only->First;
    if (only->Last.CharPos < first.CharPos)
        first = only->Last;
    auto* run = dynamic_cast<TVYXCharRunGraphic*>(first.GetCharRun());
    return run && run->StartPos() == first.CharPos ? run->Graphic.get() : nullptr;
}

void TVYXEditor::StartGraphicEditing(TVYXGraphicObj& graphic)
{
    FFocusDoc->Selections().Select(&graphic);
    FGraphicEditor = std::make_unique<TVYXGraphicEditor>(*this, graphic);
    FMouseResponder = FGraphicEditor.get();
    FMainDoc->SetRepaint(true);
}
