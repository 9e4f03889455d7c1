// VYXDocAddress.h: addresses in a body made of indexes only, so that they survive edits elsewhere and can be stored.
//
// A TVYXLogPos points at a paragraph object and goes stale when that paragraph is
// freed. An address names the same place by numbers: the way down through nested
// tables (for each table on the way, its item index in its list, the row and the
// cell), then the item index of the paragraph in the innermost list and a 1-based
// character position. Undo records and watchers keep addresses; edits map them with
// VYXAdjustAddress.
#pragma once

#include <compare>
#include <cstdint>
#include <vector>

class TVYXLogParas;
class TVYXLogPara;
class TVYXLogPos;

// One table on the way down: the table's item index in its list (0-based), then the
// row and the cell index within the row (0-based).
struct TVYXDocAddressStep {
    int Item = 0;
    int Row = 0;
    int Cell = 0;
    auto operator<=>(const TVYXDocAddressStep&) const = default;
};

struct TVYXDocAddress {
    std::vector<TVYXDocAddressStep> Path;  // empty for a paragraph of the root list
    int Item = 0;                          // the paragraph's index in the innermost list
    std::int32_t CharPos = 1;              // 1-based; EndOfParaPos() is the paragraph mark

    // Reading order: earlier addresses compare less. Two addresses on different ways
    // down compare by the first step where they part.
    std::strong_ordering operator<=>(const TVYXDocAddress& other) const;
    bool operator==(const TVYXDocAddress& other) const = default;

    // The list depth: 0 for the root list.
    int Depth() const { return static_cast<int>(Path.size()); }
    // Same innermost list (same way down).
    bool SameList(const TVYXDocAddress& other) const { return Path == other.Path; }
    bool SamePara(const TVYXDocAddress& other) const { return Path == other.Path && Item == other.Item; }
};

// From `First` to `Last` in reading order (`Last` is the position after the last character).
struct TVYXDocRange {
    TVYXDocAddress First, Last;
    bool operator==(const TVYXDocRange&) const = default;
    bool Empty() const { return First == Last; }
};

// The address of a position; an empty path with Item -1 when the position has no
// paragraph or its paragraph is not under a list.
TVYXDocAddress VYXAddressOf(const TVYXLogPos& pos);
TVYXDocAddress VYXAddressOf(const TVYXLogPara& para, std::int32_t charPos);
// The paragraph an address names in `body`; nullptr when a step or the item is out of
// range or names a table. The character position is not checked.
TVYXLogPara* VYXParaAt(TVYXLogParas& body, const TVYXDocAddress& address);
// The list an address's path leads to in `body`; nullptr when a step is out of range.
TVYXLogParas* VYXListAt(TVYXLogParas& body, const std::vector<TVYXDocAddressStep>& path);

// How an edit changed the body, for moving addresses across it.
enum TVYXDocChangeKind {
    adckInsert,   // Range holds what was inserted (as it stands after the edit)
    adckRemove,   // Range held what was removed (as it stood before the edit)
    adckFormat    // Range was formatted; no address moves
};

struct TVYXDocChange {
    TVYXDocChangeKind Kind = adckFormat;
    TVYXDocRange Range;
};

// The address that names the same place after `change` as `address` did before it.
// Addresses before the change stay as they are; addresses after it move by the items
// and characters inserted or removed; addresses inside a removed range collapse to
// its first end. Insertions and removals take place within one list (Range's ends
// share their path).
TVYXDocAddress VYXAdjustAddress(const TVYXDocAddress& address, const TVYXDocChange& change);
