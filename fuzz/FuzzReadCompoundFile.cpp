// FuzzReadCompoundFile.cpp: libFuzzer entry for the compound-file reader, its writer
// (what reads must write back and read again) and the decryption of whole files.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "formats/VYXEncryption.h"
#include "platform/VYXCompoundFile.h"
#include "platform/VYXException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        TVYXCompoundFile cf(bytes);
        TVYXCompoundFileWriter copy(cf.MajorVersion());
        std::vector<std::pair<int, int>> todo{{0, TVYXCompoundFileWriter::cRoot}};
        while (!todo.empty()) {
            const auto [from, to] = todo.back();
            todo.pop_back();
            for (int c : cf.Entry(from).Children) {
                const TVYXCfbEntry& e = cf.Entry(c);
                try {
                    if (e.IsStorage())
                        todo.emplace_back(c, copy.AddStorage(to, e.Name));
                    else
                        copy.AddStream(to, e.Name, cf.ReadStream(c));
                } catch (const VYXException&) {
                    // A damaged stream or a name the writer refuses: leave it out.
                }
            }
        }
        TVYXCompoundFile again(copy.Save());
        (void)again.FindPath(u"EncryptionInfo");
    } catch (const VYXException&) {
    }
    TXLSEncryption enc;
    enc.SetPassword(u"pw");
    enc.SetMaxSpinCount(1000);  // keeps each run short; the parsing is the same
    (void)enc.LoadFromBytes(bytes);
    return 0;
}
