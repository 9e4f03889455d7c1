// VYXGolden.h: compares a test's text output with a committed golden file.
//
// With the environment variable VYX_UPDATE_GOLDEN=1 the golden file is
// (re)written instead and the check passes; review the diff before committing.
// On a mismatch the output is written beside the golden file as
// "<golden>.actual" and the first differing line is reported.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline ::testing::AssertionResult VYXMatchesGolden(const std::string& actual, const std::string& goldenPath)
{
    namespace fs = std::filesystem;
    const char* update = std::getenv("VYX_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        fs::create_directories(fs::path(goldenPath).parent_path());
        std::ofstream(goldenPath, std::ios::binary) << actual;
        return ::testing::AssertionSuccess() << "rewrote " << goldenPath;
    }
    std::ifstream in(goldenPath, std::ios::binary);
    if (!in)
        return ::testing::AssertionFailure() << "golden file " << goldenPath
                                             << " is missing; run with VYX_UPDATE_GOLDEN=1 to write it";
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string expected = buffer.str();
    const std::string actualPath = goldenPath + ".actual";
    if (expected == actual) {
        std::error_code ignored;
        fs::remove(actualPath, ignored);
        return ::testing::AssertionSuccess();
    }
    std::ofstream(actualPath, std::ios::binary) << actual;
    std::istringstream e(expected), a(actual);
    std::string el, al;
    int line = 1;
    for (;; ++line) {
        const bool moreE = static_cast<bool>(std::getline(e, el));
        const bool moreA = static_cast<bool>(std::getline(a, al));
        if (!moreE && !moreA)
            break;  // same lines, different line ends
        if (!moreE || !moreA || el != al) {
            return ::testing::AssertionFailure()
                   << goldenPath << " differs at line " << line << "\n  expected: " << (moreE ? el : "<end>")
                   << "\n  actual:   " << (moreA ? al : "<end>") << "\n  (whole output in " << actualPath << ")";
        }
    }
    return ::testing::AssertionFailure() << goldenPath << " differs in line ends; output in " << actualPath;
}
