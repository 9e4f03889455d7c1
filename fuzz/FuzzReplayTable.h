// FuzzReplayTable.h: the fuzz entry points the replay program can run, by target name.
//
// Outside libFuzzer builds every fuzz source is compiled with its entry point
// renamed after its target, and the build generates the table below, so that one
// program replays the corpus of any target.
#ifndef FUZZ_FUZZREPLAYTABLE_H
#define FUZZ_FUZZREPLAYTABLE_H

#include <cstddef>
#include <cstdint>

struct TVyxFuzzEntry {
    const char* Name;
    int (*Run)(const std::uint8_t* data, std::size_t size);
};

extern const TVyxFuzzEntry kVyxFuzzEntries[];
extern const std::size_t kVyxFuzzEntryCount;

#endif
