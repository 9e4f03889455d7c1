// VYXNotes.h: footnotes and endnotes as the body keeps them: each note's reference
// paragraph and the stretch of the note list that holds its text.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/VYXCharRun.h"

class TVYXLogPara;

class TVYXFootnoteItem : public TVYXFootnoteBaseItem {
public:
    TVYXLogPara* FNotePara = nullptr;  // holds the reference run (borrowed)
    TVYXLogPara* StartPara = nullptr;  // first / last paragraph of the note's text (borrowed)
    TVYXLogPara* EndPara = nullptr;
    std::u16string GetPlainText() const;
    // The limits of the note's text in the note list: the indexes of StartPara and
    // EndPara in their list (an EndPara in another list or before the start counts as
    // StartPara). False, with both -1, without a StartPara in a list.
    bool CalcLimits(int& first, int& last) const;
    // The laid-out height in pixels of the items from StartPara to EndPara (tables
    // between count with their rows); 0 before layout.
    double Height() const;
    // Replaces the note's text with one paragraph's worth; needs StartPara.
    void SetPlainText(std::u16string_view text);
};

class TVYXFootnotesList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    const TVYXFootnoteItem* GetItems(int i) const { return FItems.at(static_cast<std::size_t>(i)).get(); }
    TVYXFootnoteItem* GetItems(int i) { return FItems.at(static_cast<std::size_t>(i)).get(); }
    TVYXFootnoteItem* Add();
    TVYXFootnoteItem* Insert(int index);
    const TVYXFootnoteItem* FindByFileId(std::int32_t id) const;
    TVYXFootnoteItem* FindByFileId(std::int32_t id)
    {
        return const_cast<TVYXFootnoteItem*>(std::as_const(*this).FindByFileId(id));
    }
    const TVYXFootnoteItem* First() const { return FItems.empty() ? nullptr : FItems.front().get(); }
    TVYXFootnoteItem* First() { return FItems.empty() ? nullptr : FItems.front().get(); }
    const TVYXFootnoteItem* Last() const { return FItems.empty() ? nullptr : FItems.back().get(); }
    TVYXFootnoteItem* Last() { return FItems.empty() ? nullptr : FItems.back().get(); }
    // The first note's first and the last note's last paragraph of text.
    const TVYXLogPara* FirstPara() const { return FItems.empty() ? nullptr : FItems.front()->StartPara; }
    TVYXLogPara* FirstPara() { return FItems.empty() ? nullptr : FItems.front()->StartPara; }
    const TVYXLogPara* LastPara() const { return FItems.empty() ? nullptr : FItems.back()->EndPara; }
    TVYXLogPara* LastPara() { return FItems.empty() ? nullptr : FItems.back()->EndPara; }
    void Reindex();
    const TVYXFootnoteItem* LastAdded() const { return FLastAdded; }
    TVYXFootnoteItem* LastAdded() { return FLastAdded; }
    void Delete(int index);
    // Hands the note at `index` out (nullptr past the ends) and puts such a note back at
    // `index` (clamped), as the same object: runs that name it stay true.
    std::unique_ptr<TVYXFootnoteItem> Extract(int index);
    void Restore(int index, std::unique_ptr<TVYXFootnoteItem> item);

private:
    std::vector<std::unique_ptr<TVYXFootnoteItem>> FItems;
    TVYXFootnoteItem* FLastAdded = nullptr;
};
