// The pool a document makes its paragraphs and runs in: blocks go back to the system
// exactly when their last object and the pool are gone, whatever the order, and objects
// carried out of a document outlive it intact.
#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <map>
#include <memory>
#include <new>
#include <thread>
#include <vector>

#include "model/VYXCharRun.h"
#include "model/VYXLogPara.h"
#include "model/VYXModelPool.h"
#include "model/tests/VYXBodyTestDoc.h"

namespace {
// True while the page holding `address` is mapped into the process.
bool Mapped(const void* address)
{
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    unsigned char resident = 0;
    void* start = reinterpret_cast<void*>(reinterpret_cast<std::uintptr_t>(address) & ~(page - 1));
    return mincore(start, page, &resident) == 0;
}

bool SameBlock(const void* a, const void* b)
{
    const auto mask = ~(std::uintptr_t{TVYXModelPool::cBlockSize} - 1);
    return (reinterpret_cast<std::uintptr_t>(a) & mask) == (reinterpret_cast<std::uintptr_t>(b) & mask);
}
}  // namespace

TEST(ModelPool, HandsOutAlignedObjectsWithoutOverlap)
{
    TVYXModelPool pool(true);
    std::vector<char*> objects;
    for (std::size_t size : {1, 8, 24, 72, 80, 232, 3})
        objects.push_back(static_cast<char*>(pool.Allocate(size)));
    for (std::size_t i = 0; i < objects.size(); ++i) {
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(objects[i]) % alignof(std::max_align_t), 0u);
        if (i > 0) {
            EXPECT_GE(objects[i] - objects[i - 1], 1);
        }
    }
    // The last byte of the 232 is writable and apart from the next object.
    objects[5][231] = 'x';
    EXPECT_GE(objects[6] - objects[5], 232);
    for (char* object : objects)
        TVYXModelPool::Free(object);
    EXPECT_THROW(pool.Allocate(TVYXModelPool::cBlockSize), std::bad_alloc);
}

TEST(ModelPool, ABlockGoesBackWhenItsLastObjectAndThePoolHaveGone)
{
    void* first = nullptr;
    void* second = nullptr;
    {
        TVYXModelPool pool(true);
        first = pool.Allocate(64);
        second = pool.Allocate(64);
        // Freed while the block is open: the pool still holds it.
        TVYXModelPool::Free(first);
        EXPECT_TRUE(Mapped(second));
    }
    // The pool has gone; one object still lives in the block.
    EXPECT_TRUE(Mapped(second));
    EXPECT_EQ(TVYXModelPool::LiveInBlock(second), 1);
    TVYXModelPool::Free(second);
    EXPECT_FALSE(Mapped(second));

    // Everything freed before the pool goes: the pool's end gives the block back.
    void* only = nullptr;
    {
        TVYXModelPool pool(true);
        only = pool.Allocate(16);
        TVYXModelPool::Free(only);
        EXPECT_TRUE(Mapped(only));
    }
    EXPECT_FALSE(Mapped(only));
}

TEST(ModelPool, AFullBlockRetiresAndGoesBackOnItsOwn)
{
    TVYXModelPool pool(true);
    std::vector<void*> firstBlock{pool.Allocate(1 << 20)};
    void* next = nullptr;
    while (!next) {
        void* object = pool.Allocate(4096);
        if (SameBlock(object, firstBlock.front()))
            firstBlock.push_back(object);
        else
            next = object;
    }
    EXPECT_GT(firstBlock.size(), 200u);
    for (void* object : firstBlock)
        TVYXModelPool::Free(object);
    // The pool moved on, so the first block went back with its last object.
    EXPECT_FALSE(Mapped(firstBlock.front()));
    EXPECT_TRUE(Mapped(next));
    TVYXModelPool::Free(next);
}

TEST(ModelPool, ObjectsFreedOnAnotherThreadWhileThePoolGoesOn)
{
    std::vector<void*> handed;
    std::vector<void*> kept;
    {
        TVYXModelPool pool(true);
        for (int i = 0; i < 20000; ++i)
            handed.push_back(pool.Allocate(96));
        // Another thread frees the first batch while this one keeps allocating, into the
        // same block first and then into new ones.
        std::thread freer([&handed] {
            for (void* object : handed)
                TVYXModelPool::Free(object);
        });
        for (int i = 0; i < 40000; ++i)
            kept.push_back(pool.Allocate(96));
        freer.join();
    }
    // Each block counts exactly the kept objects it holds.
    std::map<std::uintptr_t, std::int64_t> perBlock;
    for (void* object : kept)
        ++perBlock[reinterpret_cast<std::uintptr_t>(object) & ~(std::uintptr_t{TVYXModelPool::cBlockSize} - 1)];
    EXPECT_GE(perBlock.size(), 2u);
    for (const auto& [block, count] : perBlock)
        EXPECT_EQ(TVYXModelPool::LiveInBlock(reinterpret_cast<void*>(block + 64)), count);
    for (void* object : kept)
        TVYXModelPool::Free(object);
}

// Paragraphs and runs of a document come from its pool (outside sanitizer builds) and
// anything taken out of the document lives on after it, with its text.
TEST(ModelPool, ParagraphsAndRunsOutliveTheirDocument)
{
    std::unique_ptr<TVYXLogParaItem> para;
    std::unique_ptr<TVYXCharRun> tab;
    std::unique_ptr<TVYXCharRun> text;
    TVYXBodyTestDoc other;
    TVYXLogPara& receiver = *other.Body.AppendPara();
    {
        TVYXBodyTestDoc doc;
        for (int i = 0; i < 3000; ++i) {
            TVYXLogPara& p = *doc.Body.AppendPara();
            p.Append(u"line of text");
            p.AppendTab();
            p.Append(u"after the tab");
        }
        ASSERT_EQ(doc.Body.ParaAtIndex(5)->CharRuns().Count(), 3);
        text = doc.Body.ParaAtIndex(5)->CharRuns().Detach(0);
        tab = doc.Body.ParaAtIndex(6)->CharRuns().Detach(1);
        para = doc.Body.Extract(1);
        // A run made in this document moves into another document's paragraph.
        std::unique_ptr<TVYXCharRun> run = doc.Body.ParaAtIndex(7)->CharRuns().Detach(2);
        ASSERT_TRUE(text && tab && para && run);
        receiver.CharRuns().Add(std::move(run));
    }
    EXPECT_EQ(text->Text(), u"line of text");
    EXPECT_EQ(tab->Type_(), acrtTab);
    const auto& moved = static_cast<TVYXLogPara&>(*para);
    EXPECT_EQ(moved.CharRuns().Count(), 3);
    EXPECT_EQ(moved.CharRuns().Items(2)->Text(), u"after the tab");
    EXPECT_EQ(receiver.CharRuns().Items(receiver.Count() - 1)->Text(), u"after the tab");
    text.reset();
    tab.reset();
    para.reset();
}
