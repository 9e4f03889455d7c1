// FuzzReplayMain.cpp: runs a fuzz target's entry point over files, without libFuzzer.
//
// vyx_fuzz_replay <target> <file or folder>...: the first argument names the
// fuzz target; every file of the others (folders searched recursively) is fed
// to its entry point once. ctest runs this over the seed corpus and the
// committed crashers, so a fixed crash stays fixed in plain builds.
// Finding no input at all fails: the run would prove nothing.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzReplayTable.h"

namespace {
using TEntryPoint = int (*)(const std::uint8_t* data, std::size_t size);

int RunFile(TEntryPoint run, const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return 1;
}

TEntryPoint FindEntry(std::string_view name)
{
    for (std::size_t i = 0; i < kVyxFuzzEntryCount; ++i)
        if (name == kVyxFuzzEntries[i].Name)
            return kVyxFuzzEntries[i].Run;
    return nullptr;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: vyx_fuzz_replay <target> <file or folder>...\n");
        return 2;
    }
    const TEntryPoint run = FindEntry(argv[1]);
    if (run == nullptr) {
        std::fprintf(stderr, "no fuzz target named %s\n", argv[1]);
        return 2;
    }
    int count = 0;
    for (int i = 2; i < argc; ++i) {
        const std::filesystem::path root(argv[i]);
        if (std::filesystem::is_directory(root)) {
            std::vector<std::filesystem::path> files;
            for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const auto& f : files)
                count += RunFile(run, f);
        } else if (std::filesystem::exists(root)) {
            count += RunFile(run, root);
        }
    }
    std::printf("replayed %d inputs\n", count);
    // A corpus folder that moved or emptied would otherwise pass while testing nothing.
    if (count == 0) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 1;
    }
    return 0;
}
