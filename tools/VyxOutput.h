// VyxOutput.h: how the tool reads its input files and writes result files.
//
// Output goes to a temporary file beside the target and is renamed over the
// target only when the command succeeded, so a failure never leaves a
// half-written file. Only regular files are written: an existing FIFO,
// device, socket or directory is refused, a symbolic link is followed to the
// file it names, and a replaced file keeps its permission bits. The
// temporary file is removed when the command fails and when the program is
// interrupted (SIGINT, SIGTERM, SIGHUP). Messages name the user's path,
// never the temporary one. Writing over one of the command's inputs is refused.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TVYXStream;

class TVyxOutputFile {
public:
    // Raises VYXException for an empty path, a target that is not a regular
    // file, or one of `inputs` (same file on disk).
    TVyxOutputFile(std::string target, const std::vector<std::string>& inputs);
    ~TVyxOutputFile();  // removes the temporary file unless committed
    TVyxOutputFile(const TVyxOutputFile&) = delete;
    TVyxOutputFile& operator=(const TVyxOutputFile&) = delete;

    // The temporary path to write to.
    const std::string& TempName() const { return FTemp; }
    // Runs `write` on the temporary path; failures are reported with the target's name.
    void Write(const std::function<void(const std::string& tempName)>& write);
    // Renames the temporary file over the target (keeping an existing target's mode).
    void Commit();

private:
    std::string FTarget;    // as the user gave it, for messages
    std::string FResolved;  // the file the rename replaces (links followed)
    std::string FTemp;
    int FMode = -1;  // permission bits of the file replaced, -1 when it is new
    bool FCommitted = false;
};

// Writes bytes to `target` through a TVyxOutputFile in one go.
void VyxWriteOutput(const std::string& target, std::string_view bytes, const std::vector<std::string>& inputs);

// Opens an input file for reading. Directories, devices and terminals are
// refused with a message; pipes and FIFOs (also "/dev/stdin" and "-") are
// read into memory, up to `maxStreamBytes`, without waiting for a writer
// that never comes.
std::unique_ptr<TVYXStream> VyxOpenInput(const std::string& path, std::uint64_t maxStreamBytes);
