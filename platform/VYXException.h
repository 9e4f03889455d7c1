// VYXException.h: the engine's one exception class.
//
// It lives in the lowest layer so that streams and code-page helpers can raise
// it too; the error manager (VYXErrors.h, same layer) raises it as well. The message is a fixed
// English text ("Invalid char pos", "Filename is missing") that callers and
// tests compare literally.
#pragma once

#include <stdexcept>
#include <string>

class VYXException : public std::runtime_error {
public:
    explicit VYXException(const std::string& message) : std::runtime_error(message) {}
    explicit VYXException(const char* message) : std::runtime_error(message) {}
};
