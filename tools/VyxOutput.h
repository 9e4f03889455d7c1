// VyxOutput.h: how the tool writes result files.
//
// Output goes to a temporary file beside the target and is renamed over the
// target only when the command succeeded, so a failure never leaves a
// half-written file. Writing over one of the command's inputs is refused.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TVyxOutputFile {
public:
    // Raises VYXException when `target` names one of `inputs` (same file on disk).
    TVyxOutputFile(std::string target, const std::vector<std::string>& inputs);
    ~TVyxOutputFile();  // removes the temporary file unless committed
    TVyxOutputFile(const TVyxOutputFile&) = delete;
    TVyxOutputFile& operator=(const TVyxOutputFile&) = delete;

    // The temporary path to write to.
    const std::string& TempName() const { return FTemp; }
    // Renames the temporary file over the target.
    void Commit();

private:
    std::string FTarget;
    std::string FTemp;
    bool FCommitted = false;
};

// Writes bytes to `target` through a TVyxOutputFile in one go.
void VyxWriteOutput(const std::string& target, std::string_view bytes, const std::vector<std::string>& inputs);
