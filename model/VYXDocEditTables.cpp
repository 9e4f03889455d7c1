// VYXDocEditTables.cpp: door edits for structure the text edits cannot express:
// a paragraph before a table, and reshaping a table (rows, columns, merges, sizes).
#include <memory>
#include <vector>

#include "model/VYXLogDocument.h"
#include "model/VYXCharRun.h"
#include "model/VYXMarkupRewire.h"
#include "model/VYXStyles.h"
#include "platform/VYXException.h"

namespace {

// The whole of one item of a list: from its start to the start of the item after it.
TVYXDocRange ItemRange(const TVYXDocAddress& item)
{
    TVYXDocRange range;
    range.First.Path = range.Last.Path = item.Path;
    range.First.Item = item.Item;
    range.Last.Item = item.Item + 1;
    return range;
}

}  // namespace

TVYXDocRange TVYXLogDocument::InsertParaBefore(const TVYXDocAddress& item)
{
    TVYXLogParas* list = VYXListAt(*FLogParas, item.Path);
    if (!list || item.Item < 0 || item.Item >= list->Count())
        throw VYXException("Invalid address");
    TVYXLogParaItem* next = list->GetItems(item.Item);
    TVYXLogPara* para = list->Insert(item.Item);
    // The new paragraph looks like the paragraph it stands for: the one it goes
    // before, or, before a table, the list's default.
    if (next->IsPara())
        para->PAPX().Assign(static_cast<TVYXLogPara*>(next)->PAPX(), nullptr, nullptr);
    para->MakeDirty();
    const TVYXDocRange range = ItemRange(item);
    TVYXDocEditEvent event;
    event.Change = {adckInsert, range};
    event.Items = true;
    Notify(event);
    return range;
}

TVYXDocRange TVYXLogDocument::InsertTableBefore(const TVYXDocAddress& item, int cols, int rows, double width)
{
    TVYXLogParas* list = VYXListAt(*FLogParas, item.Path);
    if (!list || item.Item < 0 || item.Item >= list->Count() || cols < 1 || cols > cVYXMaxTableCols || rows < 1 ||
        rows > cVYXMaxTableRows)
        throw VYXException("Invalid address");
    TVYXTable* table = list->InsertTable(item.Item);
    if (auto* style = dynamic_cast<TVYXTableStyle*>(Styles().Find(u"TableGrid")))
        table->TAPX().SetStyle(style);
    table->AddRows(cols, rows);
    if (width > 0)
        table->SetWidth(width);
    const TVYXDocRange range = ItemRange(item);
    TVYXDocEditEvent event;
    event.Change = {adckInsert, range};
    event.Items = true;
    Notify(event);
    return range;
}

bool TVYXLogDocument::EditTable(const TVYXDocAddress& table, const std::function<bool(TVYXTable&)>& reshape)
{
    TVYXLogParas* list = VYXListAt(*FLogParas, table.Path);
    if (!list || table.Item < 0 || table.Item >= list->Count() || !list->GetItems(table.Item)->IsTable())
        return false;
    auto* target = static_cast<TVYXTable*>(list->GetItems(table.Item));
    // The table as it was, for watchers that keep the inverse.
    TVYXDocFragment before;
    before.Paras = CreateParas();
    before.Paras->InsertItem(0, target->Clone(before.Paras.get()));
    // Bookmarks, comments and permissions with ends in the table: ends in rows,
    // columns or cells the reshape takes away must not leave their ranges naming
    // freed runs. Their ranges follow the ends that stay (a bookmark left with one end
    // is a point there, with none it keeps no place); the copy above keeps the ends
    // as they were, so taking the reshape back restores them.
    std::vector<TVYXMarkupObject*> markup;
    VYXMarkupOf(*before.Paras, markup);
    if (!reshape(*target))
        return false;
    VYXRewireMarkup(*FLogParas, markup);
    for (int r = 0; r < target->Count(); ++r)
        target->GetRows(r)->MakeDirty();
    const TVYXDocRange range = ItemRange(table);
    TVYXDocEditEvent removed;
    removed.Change = {adckRemove, range};
    removed.Removed = &before;
    removed.Items = true;
    Notify(removed);
    TVYXDocEditEvent inserted;
    inserted.Change = {adckInsert, range};
    inserted.Items = true;
    Notify(inserted);
    return true;
}
