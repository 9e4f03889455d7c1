// VYXPdfSecurity.h: the standard security handler of PDF, revision 3 (RC4 with a 128-bit key).
//
// The owner and user entries are computed once from the passwords and the first part of
// the document ID; every string and stream is then encrypted with a key derived from its
// object number. MD5 comes from OpenSSL; RC4 is ours, because OpenSSL 3 keeps it in the
// legacy provider, which is not loaded by default.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The eight permissions a user-password reader may be granted, in the order of their bits.
enum TPdfEncryptionPermission {
    epPrinting, epGeneralEditing, epContentCopy, epAuthoringComment, epFillingForms, epContentExtraction,
    epDocumentAssembly, epPrintingHighResolution
};
// A set of permissions: bit (1 << permission).
using TPdfEncryptionPermissions = unsigned;
constexpr TPdfEncryptionPermissions VYXPdfPermission(TPdfEncryptionPermission p) { return 1u << p; }
constexpr TPdfEncryptionPermissions cVYXPdfAllPermissions = 0xFF;

// RC4 over `data` in place.
void VYXRC4(std::string_view key, std::string& data);
// The 16-byte MD5 digest.
std::array<std::uint8_t, 16> VYXMD5(std::string_view data);

class TVYXPdfSecurity {
public:
    // `fileId` is the first element of the trailer's ID (16 bytes).
    TVYXPdfSecurity(std::string_view userPassword, std::string_view ownerPassword,
                    TPdfEncryptionPermissions permissions, std::string_view fileId);

    // The P entry: the permission bits at their places, all reserved bits set.
    std::int32_t P() const { return FP; }
    const std::string& O() const { return FO; }  // 32 bytes
    const std::string& U() const { return FU; }  // 32 bytes
    const std::string& Key() const { return FKey; }
    // Encrypts (or decrypts: RC4 is symmetric) the bytes of one string or stream of object `objNum`.
    void Crypt(int objNum, std::string& data) const;

private:
    std::int32_t FP = 0;
    std::string FO, FU, FKey;
};
