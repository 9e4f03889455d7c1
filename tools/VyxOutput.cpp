// VyxOutput.cpp: safe output files for the tool.
#include "tools/VyxOutput.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace fs = std::filesystem;

TVyxOutputFile::TVyxOutputFile(std::string target, const std::vector<std::string>& inputs)
    : FTarget(std::move(target))
{
    if (FTarget.empty())
        throw VYXException("Filename is missing");
    for (const auto& input : inputs) {
        std::error_code ec;
        if (fs::exists(FTarget, ec) && fs::equivalent(FTarget, input, ec))
            throw VYXException("Refusing to overwrite the input file \"" + input + "\"");
    }
    const fs::path targetPath(FTarget);
    FTemp = (targetPath.parent_path() / ("." + targetPath.filename().string() + ".vyx-" + std::to_string(getpid()) + ".tmp"))
                .string();
}

TVyxOutputFile::~TVyxOutputFile()
{
    if (!FCommitted)
        std::remove(FTemp.c_str());
}

void TVyxOutputFile::Commit()
{
    std::error_code ec;
    fs::rename(FTemp, FTarget, ec);
    if (ec)
        throw VYXException("Cannot write file \"" + FTarget + "\": " + ec.message());
    FCommitted = true;
}

void VyxWriteOutput(const std::string& target, std::string_view bytes, const std::vector<std::string>& inputs)
{
    TVyxOutputFile out(target, inputs);
    VYXWriteFile(out.TempName(), bytes);
    out.Commit();
}
