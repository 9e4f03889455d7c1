// VYXReadDOCXDecrypt.cpp: the DOCX reader's decryption of encrypted packages, kept apart
// from the reader so that a program constructing readers only without it (the light `vyx`)
// links neither the decryption nor the crypto library, whose start-up runs in every
// process that links it.
#include "formats/VYXEncryption.h"
#include "formats/VYXReadDOCX.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {
std::string DecryptPackage(std::string_view package, const std::string& password)
{
    TXLSEncryption enc;
    enc.SetPassword(Utf8ToUtf16(password));
    const TXLSCryptoResult result = enc.LoadFromBytes(std::string(package));
    if (result != xcrOk)
        throw VYXException(XLSCryptoResultMessage(result));
    return enc.OutStream().TakeBytes();
}
}  // namespace

TVYXReadDOCX::TVYXReadDOCX(TVYXLogDocEditor& doc) : TVYXReadDOCX(doc, TNoDecryption{})
{
    FDecrypt = DecryptPackage;
}
