// VYXHitAreas.h: the places on a page that answer the mouse: tables and their borders, hyperlinks, form fields.
//
// Every page keeps two lists. Areas made by layout (a table's box, its column borders,
// its selection handle and its column and row selection strips) stay until the page is
// laid out again; areas
// made by painting (hyperlinks, check boxes, drop-down lists) are known only once the
// text is drawn and are rebuilt by every paint of the page. Rectangles are pixels of
// the page, origin at its top-left corner, edges inclusive.
//
// Hit order: a table's own box holds its borders and everything written in its cells,
// so it answers last. First a layout area that is not a table box (a border, a handle),
// then the painted areas (a hyperlink inside a cell wins over the cell's table), then
// the table boxes. Within a list later areas lie on top and are asked first.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class TVYXTable;
class TVYXHyperlink;
class TVYXComplexField;
class TVYXLogPara;

enum TVYXHitAreaType {
    ahatTable, ahatTableSize, ahatTableSelect, ahatHyperlink, ahatFieldCheckBox, ahatFieldDropDown
};

class TVYXHitArea {
public:
    TVYXHitAreaType Type = ahatTable;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    // What the area belongs to (borrowed; the one that fits the type is set).
    TVYXTable* Table = nullptr;
    TVYXHyperlink* Hyperlink = nullptr;
    TVYXComplexField* Field = nullptr;
    // The object's reference position: the paragraph and 1-based character where it starts.
    TVYXLogPara* Para = nullptr;
    std::int32_t CharPos = 1;
    // ahatTableSize: the 0-based index of the column border (0 = the table's left edge);
    // ahatTableSelect: the column it selects, -1 for none.
    int Index = -1;
    // ahatTableSelect: the row it selects, -1 for none; with Index -1 too, the whole table.
    int Row = -1;

    bool Hit(double x, double y) const { return x >= X1 && x <= X2 && y >= Y1 && y <= Y2; }
};

class TVYXHitAreaList {
public:
    TVYXHitAreaList() = default;
    TVYXHitAreaList(const TVYXHitAreaList&) = delete;
    TVYXHitAreaList& operator=(const TVYXHitAreaList&) = delete;
    ~TVYXHitAreaList() { KillTimers(); }

    TVYXHitArea& Add(TVYXHitAreaType type, double x1, double y1, double x2, double y2);
    int Count() const { return static_cast<int>(FItems.size()); }
    TVYXHitArea& GetItems(int i) const { return *FItems.at(static_cast<std::size_t>(i)); }
    // The first area of the type that belongs to `object` (a table, hyperlink or field), nullptr when none.
    TVYXHitArea* Find(TVYXHitAreaType type, const void* object) const;
    // The topmost area holding the point; `skipTables` leaves table boxes out.
    TVYXHitArea* Hit(double x, double y, bool skipTables = false) const;
    // Drops every area that belongs to `object`; answers how many went.
    int Remove(const void* object);
    void Clear();
    // Hover timers belong to the control; the list only tells it that they must stop.
    void KillTimers() { FTimersRunning = false; }
    void SetTimersRunning(bool on) { FTimersRunning = on; }
    bool TimersRunning() const { return FTimersRunning; }

private:
    std::vector<std::unique_ptr<TVYXHitArea>> FItems;
    bool FTimersRunning = false;
};

class TVYXHitAreas {
public:
    // Begins the layout areas of a table: its old ones go, its box is added.
    TVYXHitArea& Start(TVYXTable& table, double x1, double y1, double x2, double y2);
    TVYXHitArea& AddByPaginate(TVYXHitAreaType type, double x1, double y1, double x2, double y2);
    TVYXHitArea& AddByPaint(TVYXHitAreaType type, double x1, double y1, double x2, double y2);
    // The layout areas of a table laid out again.
    int RemoveByPaginate(const TVYXTable& table) { return FByPaginate.Remove(&table); }
    TVYXHitArea* Find(TVYXHitAreaType type, const void* object) const;
    TVYXHitArea* Hit(double x, double y) const;
    // Painting starts the painted areas afresh.
    void ClearByPaint() { FByPaint.Clear(); }
    void Clear();

    TVYXHitAreaList& ByPaginate() { return FByPaginate; }
    TVYXHitAreaList& ByPaint() { return FByPaint; }
    const TVYXHitAreaList& ByPaginate() const { return FByPaginate; }
    const TVYXHitAreaList& ByPaint() const { return FByPaint; }

private:
    TVYXHitAreaList FByPaginate;
    TVYXHitAreaList FByPaint;
};
