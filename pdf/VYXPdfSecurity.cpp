// VYXPdfSecurity.cpp: key derivation of the standard security handler, revision 3, and RC4.
#include "pdf/VYXPdfSecurity.h"

#include <openssl/evp.h>

#include "platform/VYXException.h"

namespace {
// The padding every password is completed (or replaced) with, to 32 bytes.
constexpr std::uint8_t cPadding[32] = {0x28, 0xBF, 0x4E, 0x5E, 0x4E, 0x75, 0x8A, 0x41, 0x64, 0x00, 0x4E,
                                       0x56, 0xFF, 0xFA, 0x01, 0x08, 0x2E, 0x2E, 0x00, 0xB6, 0xD0, 0x68,
                                       0x3E, 0x80, 0x2F, 0x0C, 0xA9, 0xFE, 0x64, 0x53, 0x69, 0x7A};

std::string Padded(std::string_view password)
{
    std::string out(password.substr(0, 32));
    out.append(reinterpret_cast<const char*>(cPadding), 32 - out.size());
    return out;
}

std::string Md5String(std::string_view data)
{
    const auto d = VYXMD5(data);
    return std::string(reinterpret_cast<const char*>(d.data()), d.size());
}

// RC4 with the key, then 19 more times with each key byte XOR-ed with the round number.
void Rc4Rounds(const std::string& key, std::string& data)
{
    VYXRC4(key, data);
    for (int i = 1; i <= 19; ++i) {
        std::string k = key;
        for (char& c : k)
            c = static_cast<char>(static_cast<std::uint8_t>(c) ^ i);
        VYXRC4(k, data);
    }
}
}  // namespace

void VYXRC4(std::string_view key, std::string& data)
{
    if (key.empty())
        return;
    std::uint8_t s[256];
    for (int i = 0; i < 256; ++i)
        s[i] = static_cast<std::uint8_t>(i);
    std::uint8_t j = 0;
    for (int i = 0; i < 256; ++i) {
        j = static_cast<std::uint8_t>(j + s[i] + static_cast<std::uint8_t>(key[std::size_t(i) % key.size()]));
        std::swap(s[i], s[j]);
    }
    std::uint8_t a = 0, b = 0;
    for (char& c : data) {
        a = static_cast<std::uint8_t>(a + 1);
        b = static_cast<std::uint8_t>(b + s[a]);
        std::swap(s[a], s[b]);
        c = static_cast<char>(static_cast<std::uint8_t>(c) ^ s[static_cast<std::uint8_t>(s[a] + s[b])]);
    }
}

std::array<std::uint8_t, 16> VYXMD5(std::string_view data)
{
    std::array<std::uint8_t, 16> out{};
    unsigned len = 0;
    if (EVP_Digest(data.data(), data.size(), out.data(), &len, EVP_md5(), nullptr) != 1 || len != 16)
        throw VYXException("MD5 not available");
    return out;
}

TVYXPdfSecurity::TVYXPdfSecurity(std::string_view userPassword, std::string_view ownerPassword,
                                 TPdfEncryptionPermissions permissions, std::string_view fileId)
{
    // Bits 1-2 are zero, 7-8 and 13-32 are one; the eight permissions sit at 3-6 and 9-12.
    std::uint32_t p = 0xFFFFF0C0u;
    constexpr int cBits[8] = {2, 3, 4, 5, 8, 9, 10, 11};
    for (int i = 0; i < 8; ++i)
        if (permissions & (1u << i))
            p |= 1u << cBits[i];
    FP = static_cast<std::int32_t>(p);

    // O: the owner password (the user's when empty) hashed 51 times keys RC4 over the padded user password.
    std::string ownerKey = Md5String(Padded(ownerPassword.empty() ? userPassword : ownerPassword));
    for (int i = 0; i < 50; ++i)
        ownerKey = Md5String(ownerKey);
    FO = Padded(userPassword);
    Rc4Rounds(ownerKey, FO);

    // The file key: MD5 of the padded user password, O, P and the file ID, hashed 50 times more.
    std::string seed = Padded(userPassword) + FO;
    for (int i = 0; i < 4; ++i)
        seed += static_cast<char>((p >> (8 * i)) & 0xFF);
    seed += fileId;
    FKey = Md5String(seed);
    for (int i = 0; i < 50; ++i)
        FKey = Md5String(FKey);

    // U: MD5 of the padding and the file ID, RC4 in 20 rounds, filled up to 32 bytes.
    FU = Md5String(std::string(reinterpret_cast<const char*>(cPadding), 32) + std::string(fileId));
    Rc4Rounds(FKey, FU);
    FU.append(16, '\0');
}

void TVYXPdfSecurity::Crypt(int objNum, std::string& data) const
{
    std::string k = FKey;
    k += static_cast<char>(objNum & 0xFF);
    k += static_cast<char>((objNum >> 8) & 0xFF);
    k += static_cast<char>((objNum >> 16) & 0xFF);
    k += '\0';
    k += '\0';
    VYXRC4(Md5String(k), data);  // min(16 + 5, 16) bytes of the digest: all of it
}
