// VYXIndexObjectListTest.cpp: the block list against a plain vector under random inserts and removals.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <vector>

#include "model/VYXIndexObjectList.h"

namespace {
struct TItem : TVYXIndexObject {
    explicit TItem(int id) : Id(id) {}
    int Id;
};

const TItem& ItemAt(const TVYXIndexObjectList& list, int index) { return *static_cast<const TItem*>(list.Items(index)); }
}  // namespace

TEST(VYXIndexObjectList, RandomEditsMatchAVector)
{
    // The list grows past several block splits and shrinks to nothing twice; bursts at one
    // place fill single blocks, and every index is read back after every step, so both the
    // cached and the repaired index paths are checked.
    TVYXIndexObjectList list;
    std::vector<TItem*> model;
    std::mt19937 rng(20261205);
    int step = 0, nextId = 0, burstAt = -1, burstLeft = 0;
    for (int cycle = 0; cycle < 2; ++cycle)
        for (const bool growing : {true, false}) {
            while (growing ? model.size() < 1400 : !model.empty()) {
                SCOPED_TRACE(++step);
                const int n = static_cast<int>(model.size());
                const bool insert = (rng() % 4 != 0) == growing || n == 0;
                if (insert) {
                    if (burstLeft == 0 && rng() % 50 == 0)
                        burstLeft = 100, burstAt = static_cast<int>(rng() % static_cast<unsigned>(n + 1));
                    const int at = burstLeft > 0 ? std::min(burstAt, n) : static_cast<int>(rng() % static_cast<unsigned>(n + 1));
                    burstLeft -= burstLeft > 0 ? 1 : 0;
                    auto item = std::make_unique<TItem>(nextId++);
                    model.insert(model.begin() + at, item.get());
                    ASSERT_EQ(&list.Insert(at, std::move(item)), model[static_cast<std::size_t>(at)]);
                } else {
                    const int at = static_cast<int>(rng() % static_cast<unsigned>(n));
                    auto item = list.Extract(at);
                    ASSERT_EQ(item.get(), model[static_cast<std::size_t>(at)]);
                    EXPECT_EQ(list.IndexOf(*item), -1);
                    model.erase(model.begin() + at);
                }
                ASSERT_EQ(list.Count(), static_cast<int>(model.size()));
                ASSERT_EQ(list.First(), model.empty() ? nullptr : model.front());
                ASSERT_EQ(list.Last(), model.empty() ? nullptr : model.back());
                // Forwards and backwards in turn: reading walks from block to block both ways.
                const int m = static_cast<int>(model.size());
                for (int k = 0; k < m; ++k) {
                    const int i = step % 2 ? k : m - 1 - k;
                    ASSERT_EQ(&ItemAt(list, i), model[static_cast<std::size_t>(i)]);
                    ASSERT_EQ(list.IndexOf(*model[static_cast<std::size_t>(i)]), i);
                }
            }
        }
}

TEST(VYXIndexObjectList, ForeignItemsAndBadIndexes)
{
    TVYXIndexObjectList a, b;
    TVYXIndexObject& x = a.Insert(0, std::make_unique<TItem>(1));
    TItem loose(2);
    EXPECT_EQ(b.IndexOf(x), -1);
    EXPECT_EQ(a.IndexOf(loose), -1);
    EXPECT_THROW(a.Items(1), std::out_of_range);
    EXPECT_THROW(a.Items(-1), std::out_of_range);
    EXPECT_THROW(a.Insert(2, std::make_unique<TItem>(3)), std::out_of_range);
    EXPECT_THROW(a.Extract(1), std::out_of_range);
    // Moving an item between lists gives it the new list's index.
    b.Insert(0, std::make_unique<TItem>(4));
    b.Insert(1, a.Extract(0));
    EXPECT_EQ(a.Count(), 0);
    EXPECT_EQ(a.First(), nullptr);
    EXPECT_EQ(b.IndexOf(x), 1);
    b.Clear();
    EXPECT_EQ(b.Count(), 0);
    EXPECT_EQ(b.Last(), nullptr);
}
