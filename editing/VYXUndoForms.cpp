// VYXUndoForms.cpp: form check boxes toggled as an undo step (see VYXUndoForms.h).
#include "editing/VYXUndoForms.h"

#include "editing/VYXLogEditor.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXForEachPara.h"
#include "model/VYXLogPara.h"
#include "platform/VYXException.h"

int VYXFieldBeginRun(const TVYXLogPara& para, const TVYXComplexField& field)
{
    for (int r = 0; r < para.Count(); ++r)
        if (const auto* linked = dynamic_cast<const TVYXCharRunLinked*>(para.GetItems(r));
            linked && linked->LinkedType == acrltComplexField && linked->Field() == &field &&
            linked->Position() == acrlpFirst)
            return r;
    return -1;
}

TVYXUndoDataCheckBox::TVYXUndoDataCheckBox(TVYXCommand cmd, int group, TVYXLogDocument& doc,
                                           const TVYXDocAddress& para, int run, bool checked)
    : TVYXUndoData(cmd, group), Doc(&doc), Para(para), Run(run), Checked(checked)
{
}

std::string TVYXUndoDataCheckBox::AsString() const
{
    return std::string("CheckBox ") + (Checked ? "checked" : "clear") + " run " + std::to_string(Run);
}

std::unique_ptr<TVYXUndoData> TVYXUndoDataCheckBox::Replay(TVYXUndo&)
{
    TVYXLogPara* para = VYXParaAt(Doc->Paras(), Para);
    auto* linked =
        para && Run >= 0 && Run < para->Count() ? dynamic_cast<TVYXCharRunLinked*>(para->GetItems(Run)) : nullptr;
    auto* field = linked ? dynamic_cast<TVYXComplexField*>(linked->Field()) : nullptr;
    TVYXComplexFieldCheckBox* box = field ? field->GetAsCheckBox() : nullptr;
    if (!box)
        throw VYXException("Invalid address");
    auto back = std::make_unique<TVYXUndoDataCheckBox>(Command, Group, *Doc, Para, Run, box->Checked);
    box->Checked = Checked;
    para->MakeDirty();
    Doc->SetDirty(true);
    return back;
}

bool TVYXLogDocEditor::ToggleCheckBox(TVYXComplexField& field)
{
    TVYXComplexFieldCheckBox* box = field.GetAsCheckBox();
    if (!box)
        return false;
    // The begin run's address, found before anything changes; a field this body does
    // not hold is left alone.
    TVYXLogPara* holder = nullptr;
    int run = -1;
    VYXForEachPara(Paras(), [&](TVYXLogPara& para) {
        if (run < 0 && (run = VYXFieldBeginRun(para, field)) >= 0)
            holder = &para;
    });
    if (!holder)
        return false;
    const TVYXUndoGroup undoGroup(UndoFor(), vycNone, *this);
    if (TVYXUndo* undo = UndoFor())
        undo->AddRecord(
            std::make_unique<TVYXUndoDataCheckBox>(vycNone, 0, *this, VYXAddressOf(*holder, 1), run, box->Checked));
    box->Checked = !box->Checked;
    holder->MakeDirty();
    SetDirty(true);
    return true;
}
