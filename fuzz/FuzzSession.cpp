// FuzzSession.cpp: session scripts of any bytes played on a small headless editor.
//
// Files are off (no open, save or snapshot), and the number of statements is bounded,
// so an input costs a bounded amount of editing. Whatever the script does, the
// editor must stay usable: a character typed afterwards goes in.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editing/VYXEditor.h"
#include "host/VYXHeadlessHost.h"
#include "host/VYXSession.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 4096)
        return 0;
    TVYXHeadlessHost host(320, 240, 48);
    TVYXSession session(host);
    session.AllowFiles = false;
    session.MaxStatements = 64;
    session.MaxLineLength = 512;
    session.Play(std::string_view(reinterpret_cast<const char*>(data), size));
    host.Editor().KeyPress(u'x');
    return 0;
}
