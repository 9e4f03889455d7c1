// VYXUndoMarks.cpp: tracked-change marks of field and object runs (see VYXUndoMarks.h).
#include "editing/VYXUndoMarks.h"

#include "model/VYXCharRun.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogPara.h"
#include "model/VYXRevision.h"
#include "platform/VYXException.h"

TVYXUndoDataRunMarks::TVYXUndoDataRunMarks(TVYXCommand cmd, int group, TVYXLogDocument& doc)
    : TVYXUndoData(cmd, group), Doc(&doc)
{
}

TVYXUndoDataRunMarks::~TVYXUndoDataRunMarks() = default;

std::string TVYXUndoDataRunMarks::AsString() const { return "RunMarks runs=" + std::to_string(Marks.size()); }

void TVYXUndoDataRunMarks::Unmark(TVYXLogPara& para, int run)
{
    TVYXCharRun* item = para.GetItems(run);
    if (!item || !item->Revision())
        return;
    Marks.push_back({VYXAddressOf(para, 1), run, item->Revision()->CloneData()});
    item->RemoveRevision();
    para.MakeDirty();
}

std::unique_ptr<TVYXUndoData> TVYXUndoDataRunMarks::Replay(TVYXUndo&)
{
    // Every address is checked before anything changes, so a bad record changes nothing.
    std::vector<TVYXCharRun*> runs;
    std::vector<TVYXLogPara*> paras;
    for (const TRunMark& saved : Marks) {
        TVYXLogPara* para = VYXParaAt(Doc->Paras(), saved.Para);
        if (!para || saved.Run < 0 || saved.Run >= para->Count())
            throw VYXException("Invalid address");
        paras.push_back(para);
        runs.push_back(para->GetItems(saved.Run));
    }
    auto back = std::make_unique<TVYXUndoDataRunMarks>(Command, Group, *Doc);
    for (std::size_t k = 0; k < Marks.size(); ++k) {
        TVYXCharRun& run = *runs[k];
        back->Marks.push_back({Marks[k].Para, Marks[k].Run, run.Revision() ? run.Revision()->CloneData() : nullptr});
        if (Marks[k].Mark)
            run.AddRevision(Marks[k].Mark->CloneData());
        else
            run.RemoveRevision();
        paras[k]->MakeDirty();
    }
    // The change ranges named the marks that went.
    Doc->Revision().Collect();
    Doc->SetDirty(true);
    return back;
}
