// FuzzEncryptionInfo.cpp: libFuzzer entry for the EncryptionInfo stream (the version
// fields, the Standard header and the Agile XML descriptor) and, when a descriptor is
// accepted, the decryption of a small package.
#include <cstddef>
#include <cstdint>
#include <string>

#include "formats/VYXEncryption.h"
#include "platform/VYXStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TXLSEncryption enc;
    enc.SetPassword(u"pw");
    enc.SetMaxSpinCount(1000);  // keeps each run short; the parsing is the same
    if (enc.DoEncryptionInfo(data, size) == xcrOk) {
        std::string package(8 + 4096 + 32, '\x5A');
        package[0] = 100;
        for (int i = 1; i < 8; ++i)
            package[static_cast<std::size_t>(i)] = 0;
        TVYXMemoryStream out;
        TXLSCrypto* crypto = const_cast<TXLSCrypto*>(enc.Crypto());
        (void)crypto->DecryptDocument(package, out);
    }
    return 0;
}
