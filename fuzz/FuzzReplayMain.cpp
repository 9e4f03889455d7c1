// FuzzReplayMain.cpp: runs a fuzz target's entry point over files, without libFuzzer.
//
// Each argument is a file or a folder (searched recursively); every file is
// fed to LLVMFuzzerTestOneInput once. ctest runs this over the seed corpus
// and the committed crashers, so a fixed crash stays fixed in plain builds.
// Finding no input at all fails: the run would prove nothing.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {
int RunFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return 1;
}
}  // namespace

int main(int argc, char** argv)
{
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path root(argv[i]);
        if (std::filesystem::is_directory(root)) {
            std::vector<std::filesystem::path> files;
            for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const auto& f : files)
                count += RunFile(f);
        } else if (std::filesystem::exists(root)) {
            count += RunFile(root);
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
