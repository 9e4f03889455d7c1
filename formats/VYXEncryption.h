// VYXEncryption.h: password-encrypted packages: a compound file holding "EncryptionInfo"
// and "EncryptedPackage", turned into the plain zip package and back.
//
// Reading knows the two schemes of such files: Standard (AES in ECB mode, a key from
// 50,000 SHA-1 rounds) and Agile (AES-128/192/256 in CBC mode with SHA-1 or SHA-512, the
// spin count of the file, 4096-byte segments with their own IVs, and a keyed hash over the
// encrypted package that is checked when present). Writing always produces Standard
// encryption with AES-128 and SHA-1.
//
// The outcome of reading is a result value, never an exception; the messages for the
// values are those of XLSCryptoResultMessage. Passwords are UTF-16 and enter the key
// derivation as UTF-16LE bytes. Salts and verifiers come from OpenSSL's random generator.
//
// Not supported: RC4 and CryptoAPI encryption of the binary formats, certificate key
// encryptors, writing Agile encryption.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TVYXStream;
class TVYXMemoryStream;
class TVYXCompoundFileWriter;

enum TXLSCryptoResult { xcrUnknown, xcrOk, xcrMissingPassword, xcrWrongPassword, xcrUnsupportedEncryption };
enum TXLSCryptoCiper { xccAESECB, xccAESCBC };
enum TXLSCryptoHash { xchSHA1, xchSHA512 };
// Which scheme a file uses, as far as its EncryptionInfo version tells.
enum TXLSCryptoScheme { xcsNone, xcsStandard, xcsAgile };

// "Unknown crypto error", "Missing password", "Wrong password", "Unsupported encryption";
// "" for xcrOk.
const char* XLSCryptoResultMessage(TXLSCryptoResult result);
// The scheme the version fields name: 3.2 and 4.2 Standard, 4.4 Agile, else none.
TXLSCryptoScheme XLSSchemeOfVersion(int major, int minor);

// Asked for a password when none is set; returns false when the user gives up.
using TVYXPasswordEvent = std::function<bool(std::u16string& password)>;

// A growable byte vector for keys, salts and blocks, with 32-bit little-endian access.
// Growing past its limit raises "Vector to long".
class TXLSVector {
public:
    static constexpr std::size_t cDefaultLimit = std::size_t(1) << 30;

    explicit TXLSVector(std::size_t size = 0, std::size_t limit = cDefaultLimit);
    TXLSVector(const void* data, std::size_t size, std::size_t limit = cDefaultLimit);

    void Assign(const void* data, std::size_t size);
    void Assign(std::string_view bytes) { Assign(bytes.data(), bytes.size()); }
    // Copies `count` bytes of `source` from `from` to `to` in this vector, growing it as needed.
    void Copy(const TXLSVector& source, std::size_t from, std::size_t to, std::size_t count);
    // True when both hold at least `count` bytes and the first `count` are equal.
    bool Compare(const TXLSVector& other, std::size_t count) const;
    bool operator==(const TXLSVector& other) const { return FData == other.FData; }
    // Grows with `fill` bytes or cuts.
    void Resize(std::size_t size, std::uint8_t fill = 0);
    std::uint32_t GetU32(std::size_t index) const;
    // Sets the 4 bytes at `index`, growing the vector to hold them.
    void SetU32(std::size_t index, std::uint32_t value);

    std::size_t Size() const { return FData.size(); }
    bool Empty() const { return FData.empty(); }
    std::uint8_t* Data() { return FData.data(); }
    const std::uint8_t* Data() const { return FData.data(); }
    std::uint8_t& operator[](std::size_t index) { return FData.at(index); }
    std::uint8_t operator[](std::size_t index) const { return FData.at(index); }
    std::string_view View() const { return {reinterpret_cast<const char*>(FData.data()), FData.size()}; }

private:
    void CheckLimit(std::size_t size) const;

    std::vector<std::uint8_t> FData;
    std::size_t FLimit;
};

// A scheme: reads its part of EncryptionInfo, derives and checks the key, and decrypts
// or encrypts the package.
class TXLSCrypto {
public:
    explicit TXLSCrypto(std::u16string password);
    virtual ~TXLSCrypto();
    TXLSCrypto(const TXLSCrypto&) = delete;
    TXLSCrypto& operator=(const TXLSCrypto&) = delete;

    // `buffer` holds EncryptionInfo after its 4 version bytes. Returns xcrOk when the
    // password is right, xcrWrongPassword or xcrUnsupportedEncryption.
    virtual TXLSCryptoResult InitiateRead(const std::uint8_t* buffer, std::size_t size) = 0;
    // Makes a new key from the password and adds "EncryptionInfo" to `storage`; false
    // when the scheme cannot be written.
    virtual bool InitiateWrite(TVYXCompoundFileWriter& storage) = 0;
    // Decrypts the bytes of "EncryptedPackage" into `dest` (after a successful InitiateRead).
    // xcrUnknown when the stream is damaged or fails its integrity check.
    virtual TXLSCryptoResult DecryptDocument(std::string_view source, TVYXStream& dest) = 0;
    // Writes the bytes of "EncryptedPackage" for the plain package `source` (after InitiateWrite).
    virtual void EncryptDocument(std::string_view source, TVYXStream& dest) = 0;

    // Cryptographically strong random bytes; raises when the generator fails.
    static void FillRandom(void* buffer, std::size_t count);
    // Why the last operation failed, for diagnostics ("" when nothing is known).
    const std::string& Detail() const { return FDetail; }

protected:
    // The password as the key derivation takes it: UTF-16LE.
    TXLSVector PasswordBytes() const;

    std::u16string FPassword;
    std::string FDetail;
};

// Standard encryption: AES-128 in ECB mode, key from SHA-1 over salt and password.
class TXLSCryptoStandard : public TXLSCrypto {
public:
    using TXLSCrypto::TXLSCrypto;

    TXLSCryptoResult InitiateRead(const std::uint8_t* buffer, std::size_t size) override;
    bool InitiateWrite(TVYXCompoundFileWriter& storage) override;
    TXLSCryptoResult DecryptDocument(std::string_view source, TVYXStream& dest) override;
    void EncryptDocument(std::string_view source, TVYXStream& dest) override;

    // The 128-bit key for `salt` and the password.
    TXLSVector CalcKey(const TXLSVector& salt) const;
    // The key size in bits the header named (informative: the key is always 128 bits).
    std::uint32_t HeaderKeyBits() const { return FHeaderKeyBits; }

private:
    bool VerifyPassword() const;

    TXLSVector FSalt;
    TXLSVector FVerifier;      // encrypted, 16 bytes
    TXLSVector FVerifierHash;  // encrypted, 32 bytes
    TXLSVector FKey;
    std::uint32_t FHeaderKeyBits = 128;
};

// Agile encryption: parameters from the XML descriptor, CBC in 4096-byte segments.
class TXLSCryptoAgile : public TXLSCrypto {
public:
    using TXLSCrypto::TXLSCrypto;

    // Spin counts above this are refused as unsupported, so a hostile file cannot keep
    // the reader hashing for hours; the format allows no more either.
    static constexpr std::uint32_t cMaxSpinCount = 10000000;

    TXLSCryptoResult InitiateRead(const std::uint8_t* buffer, std::size_t size) override;
    bool InitiateWrite(TVYXCompoundFileWriter& storage) override;
    TXLSCryptoResult DecryptDocument(std::string_view source, TVYXStream& dest) override;
    void EncryptDocument(std::string_view source, TVYXStream& dest) override;

    // Lowers the spin-count limit (fuzzing, hosts that want to refuse slow files early).
    void SetMaxSpinCount(std::uint32_t limit) { FMaxSpinCount = std::min(limit, cMaxSpinCount); }
    TXLSCryptoHash Hash() const { return FDataHash; }
    int KeyBits() const { return FDataKeyBits; }
    std::uint32_t SpinCount() const { return FSpinCount; }

    // The hash of the password after the spins: H0 = H(salt ‖ password), then
    // H(i ‖ H) for i = 0 … spinCount − 1. Public for the benchmark and tests.
    static TXLSVector HashPassword(TXLSCryptoHash hash, const TXLSVector& salt, const TXLSVector& password,
                                   std::uint32_t spinCount);

private:
    // Data parameters (keyData).
    TXLSVector FDataSalt;
    TXLSCryptoHash FDataHash = xchSHA1;
    int FDataKeyBits = 128;
    int FDataBlockSize = 16;
    // The package key, decrypted from the key encryptor.
    TXLSVector FKey;
    std::uint32_t FSpinCount = 0;
    std::uint32_t FMaxSpinCount = cMaxSpinCount;
    // Integrity (dataIntegrity), empty when the file has none.
    TXLSVector FHmacKeyEncrypted;
    TXLSVector FHmacValueEncrypted;
};

// Turns an encrypted file into the plain package and a plain package into an encrypted file.
class TXLSEncryption {
public:
    TXLSEncryption();
    ~TXLSEncryption();
    TXLSEncryption(const TXLSEncryption&) = delete;
    TXLSEncryption& operator=(const TXLSEncryption&) = delete;

    void SetPassword(std::u16string_view password) { FPassword.assign(password); }
    const std::u16string& Password() const { return FPassword; }
    void SetPasswEvent(TVYXPasswordEvent event) { FPasswEvent = std::move(event); }

    // Decrypts the whole stream (from its start). With no password (after asking the event)
    // the result is xcrMissingPassword and the stream is not read at all.
    TXLSCryptoResult LoadFromStream(TVYXStream& stream);
    // Like LoadFromStream; raises only when the file cannot be read (with a password set).
    TXLSCryptoResult LoadFromFile(const std::string& fileName);
    TXLSCryptoResult LoadFromBytes(std::string bytes);
    // Encrypts OutStream() (the plain package, set by the caller) with the password and
    // writes the compound file. Raises "Missing password" without a password.
    void SaveToStream(TVYXStream& stream);
    // Chooses the scheme from the version fields of EncryptionInfo and lets it read the rest.
    TXLSCryptoResult DoEncryptionInfo(const std::uint8_t* buffer, std::size_t size);

    TXLSCryptoResult Result() const { return FResult; }
    TXLSCryptoScheme Scheme() const { return FScheme; }
    // Why the result is what it is, beyond its message ("" when nothing more is known).
    const std::string& Detail() const { return FDetail; }
    // The decrypted package after LoadFrom… gave xcrOk, or the package to encrypt.
    TVYXMemoryStream& OutStream() { return *FOutStream; }
    const TXLSCrypto* Crypto() const { return FCrypto.get(); }
    // Agile files asking for more spins than this are unsupported (at most the format's limit).
    void SetMaxSpinCount(std::uint32_t limit) { FMaxSpinCount = limit; }

    // The scheme of an encrypted file without decrypting it: xcsNone when the bytes are
    // not a compound file holding EncryptionInfo. `major`/`minor` get its version.
    static TXLSCryptoScheme DetectScheme(std::string_view fileBytes, int* major = nullptr, int* minor = nullptr);

private:
    TXLSCryptoResult Fail(TXLSCryptoResult result, std::string detail);
    // Asks the event when no password is set; false (result xcrMissingPassword) without one.
    bool EnsurePassword();

    std::u16string FPassword;
    TVYXPasswordEvent FPasswEvent;
    std::unique_ptr<TXLSCrypto> FCrypto;
    std::unique_ptr<TVYXMemoryStream> FOutStream;
    TXLSCryptoResult FResult = xcrUnknown;
    TXLSCryptoScheme FScheme = xcsNone;
    std::string FDetail;
    std::uint32_t FMaxSpinCount = TXLSCryptoAgile::cMaxSpinCount;
};
