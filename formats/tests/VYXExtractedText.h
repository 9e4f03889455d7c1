// VYXExtractedText.h: the independent extraction of a corpus file's text, for the
// few expected texts the repository does not keep (they quote words of their
// documents that we do not carry): made at test time by the same extraction
// script that made the kept ones, into a scratch folder of this process.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// `kept` is where the expected text would stand beside `script`; when it is not
// there, `script` runs on `input` and the path of the text it wrote is answered.
inline std::filesystem::path VYXExpectedText(const std::filesystem::path& kept, const std::filesystem::path& script,
                                             const std::filesystem::path& input)
{
    namespace fs = std::filesystem;
    if (fs::exists(kept))
        return kept;
    const fs::path dir = fs::temp_directory_path() / (std::string("vyx-extracted-") + std::to_string(::getpid()));
    const fs::path made = dir / kept.filename();
    if (!fs::exists(made)) {
        fs::create_directories(dir);
        const std::string cmd = "VYX_EXTRACT_OUT='" + dir.string() + "' python3 '" + script.string() + "' '" +
                                input.string() + "' >/dev/null 2>&1";
        if (std::system(cmd.c_str()) != 0)
            return kept;
    }
    return made;
}
