// VYXDocAddress.cpp: addresses made of indexes, their order, and how edits move them.
#include "model/VYXDocAddress.h"

#include <algorithm>

#include "model/VYXLogParas.h"
#include "model/VYXLogPos.h"

namespace {
// The address as one sequence of numbers: each step's item, row and cell, then the
// item and the character position. Reading order is the order of these sequences,
// because an item index names either a paragraph or a table, never both, so a
// shorter sequence never has to be compared against a longer one at the same place
// beyond their common prefix.
std::vector<std::int32_t> Flatten(const TVYXDocAddress& a)
{
    std::vector<std::int32_t> out;
    out.reserve(a.Path.size() * 3 + 2);
    for (const TVYXDocAddressStep& s : a.Path) {
        out.push_back(s.Item);
        out.push_back(s.Row);
        out.push_back(s.Cell);
    }
    out.push_back(a.Item);
    out.push_back(a.CharPos);
    return out;
}

// The index `address` has in the list of depth `depth` (its step's item there, or its
// own item when that list is its innermost); -1 when the address is not under the
// list of `path` (a different way down).
int IndexInList(const TVYXDocAddress& address, const std::vector<TVYXDocAddressStep>& path)
{
    if (address.Path.size() < path.size() || !std::equal(path.begin(), path.end(), address.Path.begin()))
        return -1;
    return address.Path.size() == path.size() ? address.Item : address.Path[path.size()].Item;
}

void SetIndexInList(TVYXDocAddress& address, std::size_t depth, int index)
{
    if (address.Path.size() == depth)
        address.Item = index;
    else
        address.Path[depth].Item = index;
}
}  // namespace

std::strong_ordering TVYXDocAddress::operator<=>(const TVYXDocAddress& other) const
{
    const std::vector<std::int32_t> a = Flatten(*this), b = Flatten(other);
    return std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end());
}

TVYXDocAddress VYXAddressOf(const TVYXLogPara& para, std::int32_t charPos)
{
    TVYXDocAddress address;
    address.CharPos = charPos;
    address.Item = para.Index();
    if (!para.Paras()) {
        address.Item = -1;
        return address;
    }
    // Climb from the paragraph's list to the root, collecting the steps innermost first.
    for (TVYXTableCell* cell = para.Paras()->Cell(); cell; ) {
        TVYXTableRow* row = cell->Row();
        TVYXTable* table = row ? row->Table() : nullptr;
        if (!table || !table->Paras()) {
            address.Path.clear();
            address.Item = -1;
            return address;
        }
        address.Path.push_back({table->Index(), row->Index(), cell->Index()});
        cell = table->Paras()->Cell();
    }
    std::reverse(address.Path.begin(), address.Path.end());
    return address;
}

TVYXDocAddress VYXAddressOf(const TVYXLogPos& pos)
{
    if (!pos.Para) {
        TVYXDocAddress none;
        none.Item = -1;
        return none;
    }
    return VYXAddressOf(*pos.Para, pos.CharPos);
}

TVYXDocAddress TVYXLogPos::Address() const { return VYXAddressOf(*this); }

bool TVYXLogPos::SetAddress(TVYXLogParas& body, const TVYXDocAddress& address)
{
    TVYXLogPara* para = VYXParaAt(body, address);
    if (!para || address.CharPos < 1 || address.CharPos > para->EndOfParaPos())
        return false;
    Assign(para, address.CharPos);
    return true;
}

TVYXLogParas* VYXListAt(TVYXLogParas& body, const std::vector<TVYXDocAddressStep>& path)
{
    TVYXLogParas* list = &body;
    for (const TVYXDocAddressStep& step : path) {
        if (step.Item < 0 || step.Item >= list->Count())
            return nullptr;
        TVYXLogParaItem* item = list->GetItems(step.Item);
        if (!item->IsTable())
            return nullptr;
        auto* table = static_cast<TVYXTable*>(item);
        if (step.Row < 0 || step.Row >= table->Count())
            return nullptr;
        TVYXTableCell* cell = table->GetRows(step.Row)->CellN(step.Cell);
        if (!cell)
            return nullptr;
        list = &cell->Paras();
    }
    return list;
}

TVYXLogPara* VYXParaAt(TVYXLogParas& body, const TVYXDocAddress& address)
{
    TVYXLogParas* list = VYXListAt(body, address.Path);
    return list ? list->ParaAtIndex(address.Item) : nullptr;
}

TVYXDocAddress VYXAdjustAddress(const TVYXDocAddress& address, const TVYXDocChange& change)
{
    const TVYXDocAddress& first = change.Range.First;
    const TVYXDocAddress& last = change.Range.Last;
    if (change.Kind == adckFormat || address < first)
        return address;
    const std::vector<TVYXDocAddressStep>& path = first.Path;
    const std::size_t depth = path.size();
    TVYXDocAddress moved = address;
    if (change.Kind == adckInsert) {
        // At or after the insertion point: the text that followed it now follows the
        // inserted content.
        if (address.SamePara(first)) {
            moved.Item = last.Item;
            moved.CharPos = last.CharPos + (address.CharPos - first.CharPos);
            return moved;
        }
        const int index = IndexInList(address, path);
        if (index > first.Item)
            SetIndexInList(moved, depth, index + (last.Item - first.Item));
        return moved;
    }
    // Removal.
    if (address < last)
        return first;  // inside the removed range
    if (address.SamePara(last)) {
        // From the range's end on, the last paragraph's text now follows the first's.
        moved.Item = first.Item;
        moved.CharPos = first.CharPos + (address.CharPos - last.CharPos);
        return moved;
    }
    const int index = IndexInList(address, path);
    if (index > last.Item)
        SetIndexInList(moved, depth, index - (last.Item - first.Item));
    return moved;
}
