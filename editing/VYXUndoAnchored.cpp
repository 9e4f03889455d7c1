// VYXUndoAnchored.cpp: anchored objects going into and out of a paragraph's list.
#include "editing/VYXUndoAnchored.h"

#include "editing/VYXLogEditor.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "platform/VYXException.h"

TVYXUndoDataAnchored::TVYXUndoDataAnchored(TVYXCommand cmd, int group, TVYXLogDocEditor& editor, TKind kind,
                                           const TVYXLogPara& para, int index, std::unique_ptr<TVYXGraphicObj> object)
    : TVYXUndoData(cmd, group), Editor(&editor), Kind(kind), Para(VYXAddressOf(para, 1)), Index(index),
      Object(std::move(object))
{
}

TVYXUndoDataAnchored::~TVYXUndoDataAnchored() = default;

std::string TVYXUndoDataAnchored::AsString() const
{
    std::string at;
    for (const TVYXDocAddressStep& step : Para.Path)
        at += std::to_string(step.Item) + "." + std::to_string(step.Row) + "." + std::to_string(step.Cell) + "/";
    static constexpr const char* cNames[] = {"Anchored add ", "Anchored remove ", "Anchored change "};
    return std::string(cNames[Kind]) + at + std::to_string(Para.Item) +
           " #" + std::to_string(Index);
}

std::unique_ptr<TVYXUndoData> TVYXUndoDataAnchored::Replay(TVYXUndo&)
{
    TVYXLogPara* para = VYXParaAt(Editor->Paras(), Para);
    if (!para)
        throw VYXException("Invalid address");
    TVYXGraphicObjList* list = para->Graphics();
    const int count = list ? list->Count() : 0;
    std::unique_ptr<TVYXUndoDataAnchored> back;
    if (Kind == aakChange) {
        if (Index < 0 || Index >= count || !Object)
            throw VYXException("Invalid address");
        TVYXGraphicObj& object = list->GetItems(Index);
        back = std::make_unique<TVYXUndoDataAnchored>(Command, Group, *Editor, aakChange, *para, Index,
                                                      object.Clone());
        object.Assign(*Object);
        object.Precalc();
    } else if (Kind == aakAdded) {
        if (Index < 0 || Index >= count)
            throw VYXException("Invalid address");
        TVYXGraphicObj& object = list->GetItems(Index);
        if (Editor->Selections().Graphic == &object)
            Editor->Selections().Clear();
        back = std::make_unique<TVYXUndoDataAnchored>(Command, Group, *Editor, aakRemoved, *para, Index,
                                                      list->Snatch(object));
    } else {
        // Objects are only ever taken from the end of the list here (the one an insert
        // added), so appending puts this one back at its index.
        if (!Object || Index != count)
            throw VYXException("Invalid address");
        para->AddGraphic(std::move(Object));
        back = std::make_unique<TVYXUndoDataAnchored>(Command, Group, *Editor, aakAdded, *para, Index, nullptr);
    }
    para->MakeDirty();
    Editor->SetDirty(true);
    Editor->SetRepaint(true);
    return back;
}
