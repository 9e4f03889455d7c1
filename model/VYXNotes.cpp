// VYXNotes.cpp: footnotes and endnotes: their text, limits and laid-out height.
#include "model/VYXNotes.h"

#include <algorithm>

#include "model/VYXLogParas.h"

// ---- Notes -----------------------------------------------------------------------

std::u16string TVYXFootnoteItem::GetPlainText() const
{
    std::u16string text;
    for (TVYXLogPara* p = StartPara; p; p = p->Next()) {
        if (p != StartPara)
            text += u"\r\n";
        text += p->GetPlainText();
        if (p == EndPara || !EndPara)
            break;
    }
    return text;
}

void TVYXFootnoteItem::SetPlainText(std::u16string_view text)
{
    if (!StartPara)
        return;
    if (EndPara && EndPara != StartPara && StartPara->Paras() == EndPara->Paras())
        for (int i = EndPara->Index(); i > StartPara->Index(); --i)
            StartPara->Paras()->Delete(i);
    EndPara = StartPara;
    StartPara->SetPlainText(text);
}

TVYXFootnoteItem* TVYXFootnotesList::Add() { return Insert(Count()); }

TVYXFootnoteItem* TVYXFootnotesList::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, std::make_unique<TVYXFootnoteItem>());
    FLastAdded = FItems[static_cast<std::size_t>(index)].get();
    Reindex();
    return FLastAdded;
}

const TVYXFootnoteItem* TVYXFootnotesList::FindByFileId(std::int32_t id) const
{
    for (const auto& item : FItems)
        if (item->FileId == id)
            return item.get();
    return nullptr;
}


void TVYXFootnotesList::Reindex()
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        FItems[i]->Index = static_cast<std::int32_t>(i);
}

void TVYXFootnotesList::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    if (FLastAdded == FItems[static_cast<std::size_t>(index)].get())
        FLastAdded = nullptr;
    FItems.erase(FItems.begin() + index);
    Reindex();
}

std::unique_ptr<TVYXFootnoteItem> TVYXFootnotesList::Extract(int index)
{
    if (index < 0 || index >= Count())
        return nullptr;
    std::unique_ptr<TVYXFootnoteItem> item = std::move(FItems[static_cast<std::size_t>(index)]);
    FItems.erase(FItems.begin() + index);
    if (FLastAdded == item.get())
        FLastAdded = nullptr;
    Reindex();
    return item;
}

void TVYXFootnotesList::Restore(int index, std::unique_ptr<TVYXFootnoteItem> item)
{
    if (!item)
        return;
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, std::move(item));
    Reindex();
}

// ---- Note limits -----------------------------------------------------------------

bool TVYXFootnoteItem::CalcLimits(int& first, int& last) const
{
    first = last = -1;
    if (!StartPara || !StartPara->Paras())
        return false;
    first = StartPara->Index();
    last = EndPara && EndPara->Paras() == StartPara->Paras() ? EndPara->Index() : first;
    last = std::max(last, first);
    return first >= 0;
}

double TVYXFootnoteItem::Height() const
{
    int first = 0, last = 0;
    if (!CalcLimits(first, last))
        return 0;
    double height = 0;
    for (int i = first; i <= last; ++i)
        height += StartPara->Paras()->GetItems(i)->PixHeight();
    return height;
}
