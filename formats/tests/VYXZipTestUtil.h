// VYXZipTestUtil.h: reading one part of a package in memory, for the package tests.
#pragma once

#include <string>

#include "formats/VYXZip5.h"
#include "platform/VYXStream.h"

// The bytes of part `name` of the package `package`; empty when it has no such part.
inline std::string ZipPartOf(const std::string& package, const char* name)
{
    auto in = TVYXMemoryStream::View(package);
    TXLSZipArchive zip;
    zip.OpenRead(in);
    auto* entry = zip.Find(name);
    return entry ? zip.ReadFileBytes(*entry) : std::string();
}
