// VYXLogEditor.cpp: the editor's structure (headers, footers, notes, text boxes),
// its life cycle and the append operations readers build documents with.
#include "editing/VYXLogEditor.h"

#include "editing/VYXClipboardCmd.h"
#include "editing/VYXFindReplace.h"

#include <algorithm>
#include <cstdlib>

#include "editing/VYXUndo.h"
#include "editing/VYXUndoNotes.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocProps.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXNumbering.h"
#include "model/VYXStyles.h"
#include "platform/VYXException.h"

// ---- Headers, footers, text boxes, observers ----------------------------------

TVYXHeadersFooters::~TVYXHeadersFooters() = default;

TVYXLogDocEditor& TVYXHeadersFooters::Add(std::unique_ptr<TVYXLogDocEditor>& slot)
{
    if (!slot) {
        slot.reset(new TVYXLogDocEditor(FType, FParent));
        slot->AppendPara();
        slot->CaretToValid();
    }
    return *slot;
}

TVYXLogDocEditor& TVYXHeadersFooters::Add(TVYXHeaderFooterType type)
{
    switch (type) {
    case ahftFirst: return AddFirst();
    case ahftEven: return AddEven();
    default: return AddDefault();
    }
}

TVYXLogDocEditor* TVYXHeadersFooters::Find(TVYXHeaderFooterType type) const
{
    switch (type) {
    case ahftDefault: return FDefault.get();
    case ahftFirst: return FFirst.get();
    case ahftEven: return FEven.get();
    default: return nullptr;
    }
}

void TVYXHeadersFooters::Clear()
{
    FDefault.reset();
    FFirst.reset();
    FEven.reset();
}

TVYXLogDocEditor& TVYXLogDocEditors::Add(std::unique_ptr<TVYXLogDocEditor> editor)
{
    FItems.push_back(std::move(editor));
    return *FItems.back();
}

void TVYXLogDocEditors::Delete(int index)
{
    if (index >= 0 && index < Count())
        FItems.erase(FItems.begin() + index);
}

TVYXObserver& TVYXObservers::Add()
{
    FItems.push_back(std::make_unique<TVYXObserver>());
    return *FItems.back();
}

bool TVYXObservers::RemoveRun(const TVYXCharRun& run)
{
    const auto before = FItems.size();
    std::erase_if(FItems, [&run](const auto& o) { return o->EqualFirstOrLast(run); });
    return FItems.size() != before;
}

void TVYXObservers::DropEmpty()
{
    std::erase_if(FItems, [](const auto& o) { return o->First == o->Last; });
}

TVYXObserver* TVYXObservers::FindText(std::u16string_view text) const
{
    for (const auto& o : FItems)
        if (!text.empty() && o->Text == text)
            return o.get();
    return nullptr;
}

// ---- Life cycle -------------------------------------------------------------

namespace {

// The author of tracked changes: the login's name as the environment gives it.
std::u16string AuthorFromEnvironment()
{
    const char* name = std::getenv("USERNAME");
    if (!name)
        name = std::getenv("USER");
    std::u16string out;
    for (const char* c = name; c && *c; ++c)
        out.push_back(static_cast<unsigned char>(*c));  // logins are ASCII; others pass byte-wise
    return out;
}

}  // namespace

TVYXLogDocEditor::TVYXLogDocEditor(TVYXLogDocType type, TVYXErrorManager* errors, TVYXLogDocEditor* parent,
                                   const TVYXPaperSizeHook& paperSize)
    : TVYXLogDocument(type, errors, parent, paperSize), FParentEditor(parent)
{
    FSelections = std::make_unique<TVYXSelections>(*this);
    AddWatcher(FObserverWatcher);
    FAuthor = parent ? parent->FAuthor : AuthorFromEnvironment();
    if (!parent)
        FUndo = std::make_unique<TVYXUndo>(*this);
    else if (TVYXUndo* undo = parent->MainEditor().FUndo.get())
        undo->Watch(*this);
    if (!parent) {
        FHeaders = std::make_unique<TVYXHeadersFooters>(*this, aldtHeader);
        FFooters = std::make_unique<TVYXHeadersFooters>(*this, aldtFooter);
        FTextBoxes = std::make_unique<TVYXLogDocEditors>();
        FFootnoteList = std::make_unique<TVYXFootnotesList>();
        FEndnoteList = std::make_unique<TVYXFootnotesList>();
    }
}

TVYXLogDocEditor::TVYXLogDocEditor(TVYXLogDocType type, TVYXLogDocEditor& parent)
    : TVYXLogDocEditor(type, nullptr, &parent)
{
}

TVYXLogDocEditor::~TVYXLogDocEditor()
{
    // The history goes first: its records hold content over the tables freed below.
    if (!FParentEditor)
        FUndo.reset();
    else if (TVYXUndo* undo = FParentEditor->MainEditor().FUndo.get())
        undo->Forget(*this);
    // The body's note and text-box runs point at the lists and editors below; the
    // body goes first so nothing outlives what it points at.
    RemoveWatcher(FObserverWatcher);
    FClipboardCmd.reset();
    FFindReplace.reset();
    Paras().Clear();
}

TVYXLogDocEditor& TVYXLogDocEditor::RequireMain()
{
    if (FParentEditor)
        throw VYXException("Not a main document");
    return *this;
}

TVYXHeadersFooters& TVYXLogDocEditor::Headers() { return *RequireMain().FHeaders; }
TVYXHeadersFooters& TVYXLogDocEditor::Footers() { return *RequireMain().FFooters; }
TVYXLogDocEditors& TVYXLogDocEditor::TextBoxes() { return *RequireMain().FTextBoxes; }
TVYXFootnotesList& TVYXLogDocEditor::FootnoteList() { return *RequireMain().FFootnoteList; }
TVYXFootnotesList& TVYXLogDocEditor::EndnoteList() { return *RequireMain().FEndnoteList; }

TVYXLogDocEditor& TVYXLogDocEditor::Footnotes()
{
    RequireMain();
    if (!FFootnotes)
        FFootnotes.reset(new TVYXLogDocEditor(aldtFootnotes, *this));
    return *FFootnotes;
}

TVYXLogDocEditor& TVYXLogDocEditor::Endnotes()
{
    RequireMain();
    if (!FEndnotes)
        FEndnotes.reset(new TVYXLogDocEditor(aldtEndnotes, *this));
    return *FEndnotes;
}

TVYXLogParas* TVYXLogDocEditor::DoAddTextBox()
{
    TVYXLogDocEditor& main = MainEditor();
    TVYXLogDocEditor& box = main.TextBoxes().Add(
        std::unique_ptr<TVYXLogDocEditor>(new TVYXLogDocEditor(aldtTextBox, main)));
    box.AppendPara();
    box.CaretToValid();
    return &box.Paras();
}

void TVYXLogDocEditor::SetDirty(bool value)
{
    TVYXLogDocument::SetDirty(value);
    if (!value && FTextBoxes)
        for (int i = 0; i < FTextBoxes->Count(); ++i)
            FTextBoxes->GetItems(i).TVYXLogDocument::SetDirty(false);
}

void TVYXLogDocEditor::SetRepaint(bool value)
{
    FRepaint = value;
    if (value && FParentEditor)
        FParentEditor->SetRepaint(true);
    if (!value && FTextBoxes)
        for (int i = 0; i < FTextBoxes->Count(); ++i)
            FTextBoxes->GetItems(i).FRepaint = false;
}

TVYXUndo& TVYXLogDocEditor::Undo() { return *MainEditor().FUndo; }

TVYXUndo* TVYXLogDocEditor::UndoFor() { return MainEditor().FUndo.get(); }

void TVYXLogDocEditor::ForgetUndo()
{
    if (TVYXUndo* undo = UndoFor())
        undo->Clear();
}

void TVYXLogDocEditor::Clear()
{
    ForgetUndo();
    FSelections->Clear();
    FSelections->Anchor.Clear();
    FCaret.Clear();
    FLastLocation = {};
    FObservers.Clear();
    FInsertCHPX.reset();
    // The find engine's place and the clipboard worker's own copy point into the body.
    if (FFindReplace)
        FFindReplace->EndFind();
    FClipboardCmd.reset();
    if (!FParentEditor) {
        // The body's runs point at notes and boxes: empty it before freeing them.
        Paras().Clear();
        FHeaders->Clear();
        FFooters->Clear();
        FFootnotes.reset();
        FEndnotes.reset();
        FFootnoteList = std::make_unique<TVYXFootnotesList>();
        FEndnoteList = std::make_unique<TVYXFootnotesList>();
        FTextBoxes->Clear();
    }
    TVYXLogDocument::Clear();
    SetDirty(true);
    SetRepaint(true);
}

void TVYXLogDocEditor::NewDoc()
{
    Clear();
    AppendPara();
    CaretToValid();
}

bool TVYXLogDocEditor::IsEmpty() const
{
    const TVYXLogParas& body = Paras();
    if (body.Count() == 0)
        return true;
    if (body.Count() > 1)
        return false;
    const TVYXLogParaItem* item = body.GetItems(0);
    return item->IsPara() && static_cast<const TVYXLogPara*>(item)->IsZeroLength();
}

void TVYXLogDocEditor::SetEmpty()
{
    NewDoc();
}

void TVYXLogDocEditor::BeginUpdate()
{
    ++FUpdating;
    Paras().BeginUpdate();
}

void TVYXLogDocEditor::EndUpdate()
{
    if (FUpdating > 0)
        --FUpdating;
    Paras().EndUpdate();
    CaretToValid();
    SetDirty(true);
}

void TVYXLogDocEditor::CaretToValid()
{
    if (FCaret.Para)
        FCaret.SetWithinLimits();
    if (!FCaret.Valid()) {
        FCaret.Assign(FirstPara(), 1);
        if (!FCaret.Para)
            FCaret.Clear();
    }
}

void TVYXLogDocEditor::DeleteCharRun(TVYXCharRun& run)
{
    // A boundary run leaving the body ends the observation it bounded.
    FObservers.RemoveRun(run);
    TVYXLogDocument::DeleteCharRun(run);
}

void TVYXLogDocEditor::Changed()
{
    SetDirty(true);
    SetRepaint(true);
}

// ---- Appending ---------------------------------------------------------------

TVYXLogPara& TVYXLogDocEditor::AppendPara()
{
    TVYXLogPara* para = Paras().AppendPara();
    if (!FCaret.Para)
        FCaret.Assign(para, 1);
    return *para;
}

TVYXLogPara& TVYXLogDocEditor::AppendPara(const TVYXPAPX& papx)
{
    TVYXLogPara* para = Paras().AppendPara(papx);
    if (!FCaret.Para)
        FCaret.Assign(para, 1);
    return *para;
}

TVYXLogPara& TVYXLogDocEditor::GetOrAddLastPara()
{
    TVYXLogParaItem* last = Paras().Last();
    if (last && last->IsPara())
        return *static_cast<TVYXLogPara*>(last);
    return AppendPara();
}

TVYXCharRun* TVYXLogDocEditor::AppendTextUI(std::u16string_view text, const TVYXCHPX* chpx)
{
    TVYXLogPara& para = GetOrAddLastPara();
    if (text.empty())
        return nullptr;
    return chpx ? para.AppendFormattedText(text, chpx) : para.Append(text);
}

TVYXLogPara& TVYXLogDocEditor::AppendParaUI(std::u16string_view text, const TVYXCHPX* chpx)
{
    TVYXLogPara& para = AppendPara();
    if (!text.empty())
        chpx ? para.AppendFormattedText(text, chpx) : para.Append(text);
    return para;
}

void TVYXLogDocEditor::AppendFormattedText(std::u16string_view text, const TVYXCHPX* chpx)
{
    TVYXLogPara* para = &GetOrAddLastPara();
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        const char16_t c = end ? u'\0' : text[i];
        if (!end && c != u'\t' && c != u'\n' && c != u'\r')
            continue;
        if (i > start)
            chpx ? para->AppendFormattedText(text.substr(start, i - start), chpx)
                 : para->Append(text.substr(start, i - start));
        start = i + 1;
        if (c == u'\t')
            para->AppendTab();
        else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i, ++start;
            para = &AppendPara(para->PAPX());
        }
    }
}

TVYXCharRun* TVYXLogDocEditor::AppendTabUI() { return GetOrAddLastPara().AppendTab(); }

TVYXTable& TVYXLogDocEditor::AppendTableUI(int cols, int rows)
{
    if (cols < 1 || rows < 1 || cols > 63 || rows > 32767)
        throw VYXException("Invalid table size");
    TVYXTable* table = Paras().AddTable(cols, rows);
    table->SetWidth(Width());
    // A body never ends in a table: the caret needs a paragraph after it.
    AppendPara();
    if (!FCaret.Para)
        CaretToValid();
    return *table;
}

TVYXLogPara& TVYXLogDocEditor::CellPara(TVYXTable& table, int col, int row)
{
    TVYXTableCell* cell = row >= 0 && row < table.Count() ? table.GetRows(row)->CellN(col) : nullptr;
    TVYXLogPara* para = cell ? cell->Paras()._FirstPara() : nullptr;
    if (!para)
        throw VYXException("Invalid cell");
    return *para;
}

TVYXCharRunPicture& TVYXLogDocEditor::AppendPictureUI(std::string_view bytes)
{
    TVYXLogPara& para = GetOrAddLastPara();
    TVYXCharRunPicture* run = para.AppendPicture();
    try {
        run->LoadPicture(bytes);
    } catch (...) {
        // A picture that cannot be read leaves no empty picture behind.
        para.DeleteText(para.EndOfParaPos() - 1, para.EndOfParaPos(), nullptr);
        throw;
    }
    return *run;
}

TVYXCharRunGraphic& TVYXLogDocEditor::AppendGraphicUI(std::unique_ptr<TVYXGraphicObj> graphic)
{
    return *GetOrAddLastPara().AppendGraphic(std::move(graphic));
}

TVYXLogPara& TVYXLogDocEditor::AppendListPara(std::u16string_view text, int level, bool bullet)
{
    level = std::clamp(level, 0, 8);
    // Continue the list of the nearest list paragraph before, when it is of the same kind.
    TVYXNumbering* list = nullptr;
    if (TVYXLogParaItem* item = Paras().Last(); item && item->IsPara())
        if (TVYXNumbering* n = static_cast<TVYXLogPara*>(item)->PAPX().GetNumbering())
            if ((n->Style == anstBullet) == bullet)
                list = n;
    TVYXLogPara& para = AppendPara();
    if (list) {
        TVYXPAPX papx(&GetMasterPAP());
        papx.AddObject(vypiNumbering, list);
        para.AddPAPX(papx);
    } else if (bullet)
        para.BeginBullet();
    else
        para.BeginNumbering();
    para.MakeNumbering(level);
    if (!text.empty())
        para.Append(text);
    return para;
}

TVYXLogPara& TVYXLogDocEditor::AppendBulletPara(std::u16string_view text, int level)
{
    return AppendListPara(text, level, true);
}

TVYXLogPara& TVYXLogDocEditor::AppendNumberedPara(std::u16string_view text, int level)
{
    return AppendListPara(text, level, false);
}

TVYXFootnoteItem& TVYXLogDocEditor::AddNote(bool endnote, TVYXLogPara& anchorPara, std::int32_t pos,
                                            std::u16string_view text)
{
    TVYXLogDocEditor& main = MainEditor();
    TVYXFootnotesList& list = endnote ? main.EndnoteList() : main.FootnoteList();
    TVYXLogDocEditor& notes = endnote ? main.Endnotes() : main.Footnotes();
    // Notes keep their order in the text: count the anchors before the new one in
    // reading order. The walk also refreshes each note's anchor paragraph, which
    // edits may have replaced; a note whose anchor went with deleted text keeps none.
    for (int i = 0; i < list.Count(); ++i)
        list.GetItems(i)->CharRun = nullptr, list.GetItems(i)->FNotePara = nullptr;
    int index = 0;
    bool past = false;
    TVYXLogParasIterator walk;
    walk.ParaEvent = [&](TVYXLogPara& p) {
        for (int r = 0; r < p.Count(); ++r) {
            auto* run = dynamic_cast<TVYXCharRunFootnote*>(p.GetItems(r));
            if (!run || run->IsRef || !run->Footnote)
                continue;
            for (int i = 0; i < list.Count(); ++i)
                if (list.GetItems(i) == run->Footnote) {
                    list.GetItems(i)->CharRun = run;
                    list.GetItems(i)->FNotePara = &p;
                    if (!past && !(&p == &anchorPara && run->StartPos() >= pos))
                        ++index;
                }
        }
        if (&p == &anchorPara)
            past = true;
    };
    walk.Iterate(main.Paras());
    index = std::min(index, list.Count());
    TVYXFootnoteItem* note = list.Insert(index);
    TVYXCharRunFootnote* ref = anchorPara.InsertFootnote(pos, note, endnote);
    note->CharRun = ref;
    note->FNotePara = &anchorPara;
    // The note's paragraph sits in the notes document in the same order: before the
    // paragraphs of the note after it (notes may hold several), else at the end.
    VYXRelinkNotes(main);
    int at = -1;
    if (index + 1 < list.Count())
        if (const TVYXLogPara* next = list.GetItems(index + 1)->StartPara; next && next->Paras() == &notes.Paras())
            at = next->Index();
    TVYXLogPara* notePara = at >= 0 ? notes.Paras().Insert(at) : notes.Paras().AppendPara();
    notePara->InsertFootnoteRef(1, note, endnote);
    if (!text.empty())
        notePara->Append(text);
    notePara->CombineCharRuns();  // no empty run left between the mark and the text
    note->StartPara = note->EndPara = notePara;
    // Reference marks show their note's number: numbers after the new note moved,
    // and a mark whose number grew a digit moved the runs after it.
    TVYXLogParasIterator renumber;
    renumber.ParaEvent = [](TVYXLogPara& p) {
        for (int r = 0; r < p.Count(); ++r)
            if (dynamic_cast<TVYXCharRunFootnote*>(p.GetItems(r))) {
                p.CharRuns().Reindex();
                p.MakeDirty();
                break;
            }
    };
    renumber.Iterate(main.Paras());
    renumber.Iterate(notes.Paras());
    notes.CaretToValid();
    return *note;
}

TVYXFootnoteItem& TVYXLogDocEditor::AppendFootnote(std::u16string_view text)
{
    TVYXLogPara& para = GetOrAddLastPara();
    return AddNote(false, para, para.EndOfParaPos(), text);
}

TVYXFootnoteItem& TVYXLogDocEditor::AppendEndnote(std::u16string_view text)
{
    TVYXLogPara& para = GetOrAddLastPara();
    return AddNote(true, para, para.EndOfParaPos(), text);
}

TVYXFootnoteItem& TVYXLogDocEditor::AppendNote(TVYXLogPara& para, bool endnote, std::u16string_view text)
{
    return AddNote(endnote, para, para.EndOfParaPos(), text);
}

TVYXBookmark* TVYXLogDocEditor::AppendBookmark(std::u16string_view name)
{
    return GetOrAddLastPara().AppendBookmark(name);
}

TVYXBookmark* TVYXLogDocEditor::AppendBookmark(std::u16string_view name, std::u16string_view text)
{
    TVYXLogPara& para = GetOrAddLastPara();
    TVYXBookmark* mark = para.AppendBookmark(name);
    if (!mark)
        return nullptr;
    if (!text.empty())
        para.Append(text);
    para.EndBookmark(*mark);
    return mark;
}

bool TVYXLogDocEditor::EndBookmark(TVYXBookmark& bookmark) { return GetOrAddLastPara().EndBookmark(bookmark) != nullptr; }

TVYXSEP& TVYXLogDocEditor::AppendSection(const TVYXSEP& sep)
{
    TVYXSEP* own = GetOrAddLastPara().AddSEP();
    own->Assign(sep);
    return *own;
}

TVYXLogDocEditor& TVYXLogDocEditor::AddTextBox(double width, double height)
{
    TVYXLogDocEditor& main = MainEditor();
    GetOrAddLastPara().AppendTextBox(width, height);
    if (main.TextBoxes().Count() == 0)
        throw VYXException("Text box without editor");
    return main.TextBoxes().GetItems(main.TextBoxes().Count() - 1);
}
