// VYXPdfTestTools.h: running the PDF command-line checkers from tests.
#pragma once

#include <string>

// Whether a program is on the PATH.
bool HaveTool(const std::string& name);
// Runs a shell command; returns its exit status and puts standard output (and error) into `out`.
int RunTool(const std::string& command, std::string& out);
// A fresh file name in the test's temporary folder.
std::string TempPdf(const std::string& stem);
void WriteFile(const std::string& path, const std::string& data);
