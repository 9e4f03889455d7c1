// VYXEncryption.cpp: Standard and Agile encryption of packages, through OpenSSL's libcrypto.
//
// EncryptionInfo: major (2), minor (2), then
//   Standard: flags (4), header size (4), header (flags, size extra, algorithm id, hash id,
//     key bits, provider type, 2 reserved, provider name: header size − 32 bytes), salt size
//     (4), salt (16), encrypted verifier (16), verifier hash size (4), encrypted verifier
//     hash (32)
//   Agile: reserved (4), then an XML descriptor: encryption/keyData (the data parameters
//     and salt), encryption/dataIntegrity (encrypted HMAC key and value),
//     encryption/keyEncryptors/keyEncryptor/encryptedKey (password parameters, salt,
//     spin count and the encrypted verifier input, verifier hash and package key)
// EncryptedPackage: the plain size (8), then the encrypted package.
#include "formats/VYXEncryption.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/rand.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "formats/NyqSimpleDOM.h"
#include "platform/VYXCompoundFile.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {

constexpr std::size_t cSegment = 4096;
constexpr std::size_t cAesBlock = 16;

// Block keys of the Agile scheme: each derives its own key or IV from the password hash
// or the data salt.
constexpr std::uint8_t cBlockVerifierInput[8] = {0xFE, 0xA7, 0xD2, 0x76, 0x3B, 0x4B, 0x9E, 0x79};
constexpr std::uint8_t cBlockVerifierValue[8] = {0xD7, 0xAA, 0x0F, 0x6D, 0x30, 0x61, 0x34, 0x4E};
constexpr std::uint8_t cBlockKeyValue[8] = {0x14, 0x6E, 0x0B, 0xE7, 0xAB, 0xAC, 0xD0, 0xD6};
constexpr std::uint8_t cBlockHmacKey[8] = {0x5F, 0xB2, 0xAD, 0x01, 0x0C, 0xB9, 0xE1, 0xF6};
constexpr std::uint8_t cBlockHmacValue[8] = {0xA0, 0x67, 0x7F, 0x02, 0xB2, 0x2C, 0x84, 0x33};

constexpr char16_t cProviderName[] = u"Microsoft Enhanced RSA and AES Cryptographic Provider";

const char* HashName(TXLSCryptoHash hash)
{
    return hash == xchSHA512 ? "SHA512" : "SHA1";
}

std::size_t HashSize(TXLSCryptoHash hash)
{
    return hash == xchSHA512 ? 64 : 20;
}

// A fetched digest, freed on scope exit (fetching once makes the spin loop cheap).
class TDigest {
public:
    explicit TDigest(TXLSCryptoHash hash)
        : FMd(EVP_MD_fetch(nullptr, HashName(hash), nullptr)), FCtx(EVP_MD_CTX_new())
    {
        if (!FMd || !FCtx)
            throw VYXException("Unknown crypto error");
    }
    ~TDigest()
    {
        EVP_MD_CTX_free(FCtx);
        EVP_MD_free(FMd);
    }
    TDigest(const TDigest&) = delete;
    TDigest& operator=(const TDigest&) = delete;

    void Begin() { Check(EVP_DigestInit_ex2(FCtx, FMd, nullptr)); }
    void Add(const void* data, std::size_t size) { Check(EVP_DigestUpdate(FCtx, data, size)); }
    void Add(const TXLSVector& v) { Add(v.Data(), v.Size()); }
    // Finishes into `out` (resized to the digest size).
    void End(TXLSVector& out)
    {
        unsigned int len = EVP_MAX_MD_SIZE;
        out.Resize(EVP_MAX_MD_SIZE);
        Check(EVP_DigestFinal_ex(FCtx, out.Data(), &len));
        out.Resize(len);
    }
    const EVP_MD* Md() const { return FMd; }

private:
    static void Check(int ok)
    {
        if (ok != 1)
            throw VYXException("Unknown crypto error");
    }
    EVP_MD* FMd;
    EVP_MD_CTX* FCtx;
};

TXLSVector Digest(TXLSCryptoHash hash, const TXLSVector& a, const void* b = nullptr, std::size_t bSize = 0)
{
    TDigest d(hash);
    TXLSVector out;
    d.Begin();
    d.Add(a);
    if (bSize)
        d.Add(b, bSize);
    d.End(out);
    return out;
}

const EVP_CIPHER* AesCipher(TXLSCryptoCiper mode, std::size_t keyBytes)
{
    const bool cbc = mode == xccAESCBC;
    switch (keyBytes) {
    case 16: return cbc ? EVP_aes_128_cbc() : EVP_aes_128_ecb();
    case 24: return cbc ? EVP_aes_192_cbc() : EVP_aes_192_ecb();
    case 32: return cbc ? EVP_aes_256_cbc() : EVP_aes_256_ecb();
    default: return nullptr;
    }
}

// AES without padding over whole blocks, one key for many calls (segments differ only in IV).
class TAes {
public:
    TAes(TXLSCryptoCiper mode, const TXLSVector& key, bool encrypt)
        : FCipher(AesCipher(mode, key.Size())), FCtx(EVP_CIPHER_CTX_new()), FEncrypt(encrypt ? 1 : 0)
    {
        if (!FCipher || !FCtx || EVP_CipherInit_ex(FCtx, FCipher, nullptr, key.Data(), nullptr, FEncrypt) != 1)
            throw VYXException("Unknown crypto error");
        EVP_CIPHER_CTX_set_padding(FCtx, 0);
    }
    ~TAes() { EVP_CIPHER_CTX_free(FCtx); }
    TAes(const TAes&) = delete;
    TAes& operator=(const TAes&) = delete;

    // `size` is a whole number of blocks; `iv` is ignored in ECB mode.
    void Run(const std::uint8_t* iv, const void* in, std::size_t size, void* out)
    {
        int len = 0;
        if (EVP_CipherInit_ex(FCtx, nullptr, nullptr, nullptr, iv, FEncrypt) != 1 ||
            EVP_CipherUpdate(FCtx, static_cast<unsigned char*>(out), &len, static_cast<const unsigned char*>(in),
                             static_cast<int>(size)) != 1 ||
            static_cast<std::size_t>(len) != size)
            throw VYXException("Unknown crypto error");
    }

private:
    const EVP_CIPHER* FCipher;
    EVP_CIPHER_CTX* FCtx;
    int FEncrypt;
};

TXLSVector AesOnce(TXLSCryptoCiper mode, bool encrypt, const TXLSVector& key, const TXLSVector& iv,
                   const TXLSVector& data)
{
    TXLSVector out(data.Size());
    if (!data.Empty())
        TAes(mode, key, encrypt).Run(iv.Empty() ? nullptr : iv.Data(), data.Data(), data.Size(), out.Data());
    return out;
}

// Cuts or pads (with 0x36) to `size`, as the Agile scheme fits hashes to key and IV sizes.
TXLSVector Fit(TXLSVector v, std::size_t size)
{
    v.Resize(size, 0x36);
    return v;
}

std::string_view LocalName(std::string_view name)
{
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

const TNyqDOMNode* ChildByLocalName(const TNyqDOMNode* node, std::string_view name)
{
    if (!node)
        return nullptr;
    for (int i = 0; i < node->ChildCount(); ++i)
        if (LocalName(node->Child(i).Name()) == name)
            return &node->Child(i);
    return nullptr;
}

// The Agile cipher parameters shared by keyData and encryptedKey.
struct TAgileParams {
    TXLSVector Salt;
    TXLSCryptoHash Hash = xchSHA1;
    int KeyBits = 0;
    int BlockSize = 0;
};

// Reads and checks the parameters of keyData or encryptedKey; false when they name
// something this reader does not do.
bool ReadAgileParams(const TNyqDOMNode& node, TAgileParams& p, std::string& why)
{
    const TNyqDOMAttributes& a = node.Attributes();
    const char* required[] = {"saltSize", "blockSize", "keyBits", "hashSize", "cipherAlgorithm",
                              "cipherChaining", "hashAlgorithm", "saltValue"};
    for (const char* name : required)
        if (!a.Find(name)) {
            why = std::string("attribute ") + name + " missing";
            return false;
        }
    if (a.FindValue("cipherAlgorithm") != "AES" || a.FindValue("cipherChaining") != "ChainingModeCBC") {
        why = "cipher " + a.FindValue("cipherAlgorithm") + " " + a.FindValue("cipherChaining");
        return false;
    }
    const std::string hash = a.FindValue("hashAlgorithm");
    if (hash != "SHA1" && hash != "SHA512") {
        why = "hash " + hash;
        return false;
    }
    p.Hash = hash == "SHA512" ? xchSHA512 : xchSHA1;
    p.KeyBits = a.FindValueInt("keyBits");
    p.BlockSize = a.FindValueInt("blockSize");
    p.Salt.Assign(a.Find("saltValue")->GetAsBase64());
    const int saltSize = a.FindValueInt("saltSize");
    if (p.KeyBits != 128 && p.KeyBits != 192 && p.KeyBits != 256) {
        why = "key size " + std::to_string(p.KeyBits);
        return false;
    }
    if (p.BlockSize != 16 || a.FindValueInt("hashSize") != static_cast<int>(HashSize(p.Hash))) {
        why = "block or hash size";
        return false;
    }
    if (saltSize <= 0 || saltSize > 65536 || p.Salt.Size() != static_cast<std::size_t>(saltSize)) {
        why = "salt size";
        return false;
    }
    return true;
}

bool DecodeBlocks(const TNyqDOMAttributes& a, const char* name, TXLSVector& out)
{
    const TNyqDOMAttribute* attr = a.Find(name);
    if (!attr)
        return false;
    out.Assign(attr->GetAsBase64());
    return !out.Empty() && out.Size() % cAesBlock == 0;
}

std::uint64_t GetU64LE(std::string_view s)
{
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(s[static_cast<std::size_t>(i)]);
    return v;
}

void PutU64LE(TVYXStream& dest, std::uint64_t v)
{
    dest.WriteU64LE(v);
}

// The package of an EncryptedPackage stream (size, then encrypted 4096-byte segments),
// each segment decrypted by `run(index, in, whole blocks, out)`. The size is checked
// against what is stored before anything is decrypted.
template <typename F>
TXLSCryptoResult DecryptSegments(std::string_view source, TVYXStream& dest, std::string& detail, F run)
{
    const std::uint64_t size = source.size() < 8 ? 0 : GetU64LE(source);
    if (source.size() < 8 || size > source.size() - 8) {
        detail = "EncryptedPackage is truncated";
        return xcrUnknown;
    }
    const std::string_view data = source.substr(8);
    TXLSVector plain(cSegment);
    std::uint64_t done = 0;
    for (std::uint32_t segment = 0; done < size; ++segment) {
        const auto offset = static_cast<std::size_t>(done);
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(cSegment, size - done));
        // A stream cut inside its last block keeps only whole blocks.
        const std::size_t whole = (data.size() - offset) / cAesBlock * cAesBlock;
        const std::size_t blocks = std::min((want + cAesBlock - 1) / cAesBlock * cAesBlock, whole);
        if (blocks < want) {
            detail = "EncryptedPackage is truncated";
            return xcrUnknown;
        }
        run(segment, data.data() + offset, blocks, plain.Data());
        dest.Write(plain.Data(), want);
        done += want;
    }
    return xcrOk;
}

}  // namespace

const char* XLSCryptoResultMessage(TXLSCryptoResult result)
{
    switch (result) {
    case xcrOk: return "";
    case xcrMissingPassword: return "Missing password";
    case xcrWrongPassword: return "Wrong password";
    case xcrUnsupportedEncryption: return "Unsupported encryption";
    case xcrUnknown: break;
    }
    return "Unknown crypto error";
}

TXLSCryptoScheme XLSSchemeOfVersion(int major, int minor)
{
    if ((major == 3 || major == 4) && minor == 2)
        return xcsStandard;
    if (major == 4 && minor == 4)
        return xcsAgile;
    return xcsNone;
}

// ---------------------------------------------------------------------------------------
// TXLSVector

TXLSVector::TXLSVector(std::size_t size, std::size_t limit) : FLimit(limit)
{
    CheckLimit(size);
    FData.resize(size);
}

TXLSVector::TXLSVector(const void* data, std::size_t size, std::size_t limit) : FLimit(limit)
{
    Assign(data, size);
}

void TXLSVector::CheckLimit(std::size_t size) const
{
    if (size > FLimit)
        throw VYXException("Vector to long");
}

void TXLSVector::Assign(const void* data, std::size_t size)
{
    CheckLimit(size);
    const auto* p = static_cast<const std::uint8_t*>(data);
    FData.assign(p, p + size);
}

void TXLSVector::Copy(const TXLSVector& source, std::size_t from, std::size_t to, std::size_t count)
{
    if (from > source.Size() || count > source.Size() - from)
        throw VYXException("Vector index out of range");
    if (to + count > FData.size())
        Resize(to + count);
    std::memmove(FData.data() + to, source.Data() + from, count);
}

bool TXLSVector::Compare(const TXLSVector& other, std::size_t count) const
{
    return Size() >= count && other.Size() >= count && std::memcmp(Data(), other.Data(), count) == 0;
}

void TXLSVector::Resize(std::size_t size, std::uint8_t fill)
{
    CheckLimit(size);
    FData.resize(size, fill);
}

std::uint32_t TXLSVector::GetU32(std::size_t index) const
{
    if (index > FData.size() || FData.size() - index < 4)
        throw VYXException("Vector index out of range");
    return static_cast<std::uint32_t>(FData[index]) | (static_cast<std::uint32_t>(FData[index + 1]) << 8) |
           (static_cast<std::uint32_t>(FData[index + 2]) << 16) | (static_cast<std::uint32_t>(FData[index + 3]) << 24);
}

void TXLSVector::SetU32(std::size_t index, std::uint32_t value)
{
    if (index + 4 > FData.size())
        Resize(index + 4);
    for (int i = 0; i < 4; ++i)
        FData[index + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// ---------------------------------------------------------------------------------------
// TXLSCrypto

TXLSCrypto::TXLSCrypto(std::u16string password) : FPassword(std::move(password)) {}

TXLSCrypto::~TXLSCrypto() = default;

void TXLSCrypto::FillRandom(void* buffer, std::size_t count)
{
    if (count > 0x7FFFFFFF || RAND_bytes(static_cast<unsigned char*>(buffer), static_cast<int>(count)) != 1)
        throw VYXException("Unknown crypto error");
}

TXLSVector TXLSCrypto::PasswordBytes() const
{
    TXLSVector out(FPassword.size() * 2);
    for (std::size_t i = 0; i < FPassword.size(); ++i) {
        out[2 * i] = static_cast<std::uint8_t>(FPassword[i] & 0xFF);
        out[2 * i + 1] = static_cast<std::uint8_t>(FPassword[i] >> 8);
    }
    return out;
}

// ---------------------------------------------------------------------------------------
// Standard

TXLSVector TXLSCryptoStandard::CalcKey(const TXLSVector& salt) const
{
    TDigest d(xchSHA1);
    TXLSVector h;
    d.Begin();
    d.Add(salt);
    d.Add(PasswordBytes());
    d.End(h);
    std::uint8_t counter[4];
    for (std::uint32_t i = 0; i < 50000; ++i) {
        for (int k = 0; k < 4; ++k)
            counter[k] = static_cast<std::uint8_t>(i >> (8 * k));
        d.Begin();
        d.Add(counter, 4);
        d.Add(h);
        d.End(h);
    }
    const std::uint8_t block0[4] = {0, 0, 0, 0};
    d.Begin();
    d.Add(h);
    d.Add(block0, 4);
    d.End(h);
    TXLSVector x(64);
    for (std::size_t i = 0; i < 64; ++i)
        x[i] = static_cast<std::uint8_t>(0x36 ^ (i < h.Size() ? h[i] : 0));
    TXLSVector key;
    d.Begin();
    d.Add(x);
    d.End(key);
    key.Resize(16);
    return key;
}

bool TXLSCryptoStandard::VerifyPassword() const
{
    const TXLSVector verifier = AesOnce(xccAESECB, false, FKey, TXLSVector(), FVerifier);
    const TXLSVector hash = AesOnce(xccAESECB, false, FKey, TXLSVector(), FVerifierHash);
    return Digest(xchSHA1, verifier).Compare(hash, 16);
}

TXLSCryptoResult TXLSCryptoStandard::InitiateRead(const std::uint8_t* buffer, std::size_t size)
{
    TXLSVector info(buffer, size);
    // flags, header size, then the header (8 × 4 bytes and the provider name).
    if (size < 8) {
        FDetail = "EncryptionInfo is truncated";
        return xcrUnsupportedEncryption;
    }
    const std::uint32_t headerSize = info.GetU32(4);
    if (headerSize < 32 || headerSize > size - 8 || size - 8 - headerSize < 4 + 16 + 16 + 4 + 32) {
        FDetail = "EncryptionInfo is truncated";
        return xcrUnsupportedEncryption;
    }
    FHeaderKeyBits = info.GetU32(8 + 16);
    const std::size_t v = 8 + headerSize;
    if (info.GetU32(v) != 16) {
        FDetail = "salt size " + std::to_string(info.GetU32(v));
        return xcrUnsupportedEncryption;
    }
    FSalt.Assign(info.Data() + v + 4, 16);
    FVerifier.Assign(info.Data() + v + 20, 16);
    FVerifierHash.Assign(info.Data() + v + 40, 32);
    FKey = CalcKey(FSalt);
    if (!VerifyPassword()) {
        FDetail.clear();
        return xcrWrongPassword;
    }
    return xcrOk;
}

bool TXLSCryptoStandard::InitiateWrite(TVYXCompoundFileWriter& storage)
{
    FSalt.Resize(16);
    FillRandom(FSalt.Data(), 16);
    TXLSVector verifier(16);
    FillRandom(verifier.Data(), 16);
    FKey = CalcKey(FSalt);
    FVerifier = AesOnce(xccAESECB, true, FKey, TXLSVector(), verifier);
    TXLSVector hash = Digest(xchSHA1, verifier);
    hash.Resize(32);
    FVerifierHash = AesOnce(xccAESECB, true, FKey, TXLSVector(), hash);
    FHeaderKeyBits = 128;

    const std::u16string_view provider(cProviderName);
    const std::size_t n = provider.size();
    TXLSVector info;
    info.SetU32(0, 0x00020003);  // major 3, minor 2
    info.SetU32(4, 0x24);        // CryptoAPI + AES
    info.SetU32(8, static_cast<std::uint32_t>(32 + 2 * n));
    info.SetU32(12, 0x24);
    info.SetU32(16, 0);
    info.SetU32(20, 0x660E);  // AES-128
    info.SetU32(24, 0x8004);  // SHA-1
    info.SetU32(28, 128);
    info.SetU32(32, 0x18);
    info.SetU32(36, 0);
    info.SetU32(40, 0);
    info.Resize(44 + 2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        info[44 + 2 * i] = static_cast<std::uint8_t>(provider[i] & 0xFF);
        info[45 + 2 * i] = static_cast<std::uint8_t>(provider[i] >> 8);
    }
    const std::size_t v = 44 + 2 * n;
    info.SetU32(v, 16);
    info.Copy(FSalt, 0, v + 4, 16);
    info.Copy(FVerifier, 0, v + 20, 16);
    info.SetU32(v + 36, 20);
    info.Copy(FVerifierHash, 0, v + 40, 32);
    storage.AddStream(TVYXCompoundFileWriter::cRoot, u"EncryptionInfo", std::string(info.View()));
    return true;
}

TXLSCryptoResult TXLSCryptoStandard::DecryptDocument(std::string_view source, TVYXStream& dest)
{
    // ECB needs no chunking; the segments only bound the scratch buffer.
    TAes aes(xccAESECB, FKey, false);
    return DecryptSegments(source, dest, FDetail, [&aes](std::uint32_t, const char* in, std::size_t size, std::uint8_t* out) {
        aes.Run(nullptr, in, size, out);
    });
}

void TXLSCryptoStandard::EncryptDocument(std::string_view source, TVYXStream& dest)
{
    PutU64LE(dest, source.size());
    TAes aes(xccAESECB, FKey, true);
    TXLSVector plain(cSegment), cipher(cSegment);
    for (std::size_t at = 0; at < source.size(); at += cSegment) {
        const std::size_t take = std::min(cSegment, source.size() - at);
        const std::size_t blocks = (take + cAesBlock - 1) / cAesBlock * cAesBlock;
        const void* in = source.data() + at;
        if (blocks != take) {  // only the last chunk needs padding, and so a copy
            std::memcpy(plain.Data(), in, take);
            std::memset(plain.Data() + take, 0, blocks - take);
            in = plain.Data();
        }
        aes.Run(nullptr, in, blocks, cipher.Data());
        dest.Write(cipher.Data(), blocks);
    }
}

// ---------------------------------------------------------------------------------------
// Agile

TXLSVector TXLSCryptoAgile::HashPassword(TXLSCryptoHash hash, const TXLSVector& salt, const TXLSVector& password,
                                         std::uint32_t spinCount)
{
    TDigest d(hash);
    TXLSVector h;
    d.Begin();
    d.Add(salt);
    d.Add(password);
    d.End(h);
    // The spins dominate the cost of opening a file; the digest and context are reused
    // and the result is written in place.
    EVP_MD_CTX* ctx = EVP_MD_CTX_new();
    if (!ctx)
        throw VYXException("Unknown crypto error");
    std::uint8_t buf[4 + EVP_MAX_MD_SIZE];
    const std::size_t hs = h.Size();
    std::memcpy(buf + 4, h.Data(), hs);
    bool ok = true;
    for (std::uint32_t i = 0; i < spinCount && ok; ++i) {
        buf[0] = static_cast<std::uint8_t>(i);
        buf[1] = static_cast<std::uint8_t>(i >> 8);
        buf[2] = static_cast<std::uint8_t>(i >> 16);
        buf[3] = static_cast<std::uint8_t>(i >> 24);
        unsigned int len = 0;
        ok = EVP_DigestInit_ex2(ctx, d.Md(), nullptr) == 1 && EVP_DigestUpdate(ctx, buf, 4 + hs) == 1 &&
             EVP_DigestFinal_ex(ctx, buf + 4, &len) == 1;
    }
    EVP_MD_CTX_free(ctx);
    if (!ok)
        throw VYXException("Unknown crypto error");
    h.Assign(buf + 4, hs);
    return h;
}

TXLSCryptoResult TXLSCryptoAgile::InitiateRead(const std::uint8_t* buffer, std::size_t size)
{
    if (size < 4) {
        FDetail = "EncryptionInfo is truncated";
        return xcrUnsupportedEncryption;
    }
    TNyqSimpleDOM dom;
    try {
        dom.LoadFromBuffer(reinterpret_cast<const char*>(buffer) + 4, size - 4);
    } catch (const VYXException& e) {
        FDetail = std::string("descriptor: ") + e.what();
        return xcrUnsupportedEncryption;
    }
    const TNyqDOMNode* encryption = ChildByLocalName(&dom.Root(), "encryption");
    const TNyqDOMNode* keyData = ChildByLocalName(encryption, "keyData");
    const TNyqDOMNode* encryptors = ChildByLocalName(encryption, "keyEncryptors");
    const TNyqDOMNode* encryptedKey = nullptr;
    // The password encryptor; certificate encryptors, when present too, are passed over.
    for (int i = 0; encryptors && i < encryptors->ChildCount() && !encryptedKey; ++i) {
        const TNyqDOMNode* candidate = ChildByLocalName(&encryptors->Child(i), "encryptedKey");
        if (candidate && candidate->Attributes().Find("encryptedVerifierHashInput"))
            encryptedKey = candidate;
    }
    if (!keyData || !encryptedKey) {
        FDetail = "descriptor without keyData or password key encryptor";
        return xcrUnsupportedEncryption;
    }
    TAgileParams data, pass;
    if (!ReadAgileParams(*keyData, data, FDetail) || !ReadAgileParams(*encryptedKey, pass, FDetail))
        return xcrUnsupportedEncryption;
    const TNyqDOMAttributes& a = encryptedKey->Attributes();
    TXLSVector verifierInput, verifierValue, keyValue;
    if (!a.Find("spinCount") || !DecodeBlocks(a, "encryptedVerifierHashInput", verifierInput) ||
        !DecodeBlocks(a, "encryptedVerifierHashValue", verifierValue) ||
        !DecodeBlocks(a, "encryptedKeyValue", keyValue)) {
        FDetail = "encrypted key values missing or not whole blocks";
        return xcrUnsupportedEncryption;
    }
    const long long spin = std::atoll(a.FindValue("spinCount").c_str());
    if (spin < 0 || spin > FMaxSpinCount) {
        FDetail = "spin count " + a.FindValue("spinCount");
        return xcrUnsupportedEncryption;
    }
    FSpinCount = static_cast<std::uint32_t>(spin);
    FDataSalt = data.Salt;
    FDataHash = data.Hash;
    FDataKeyBits = data.KeyBits;
    FDataBlockSize = data.BlockSize;
    const TNyqDOMNode* integrity = ChildByLocalName(encryption, "dataIntegrity");
    FHmacKeyEncrypted = TXLSVector();
    FHmacValueEncrypted = TXLSVector();
    if (integrity && (!DecodeBlocks(integrity->Attributes(), "encryptedHmacKey", FHmacKeyEncrypted) ||
                      !DecodeBlocks(integrity->Attributes(), "encryptedHmacValue", FHmacValueEncrypted))) {
        FDetail = "dataIntegrity values missing or not whole blocks";
        return xcrUnsupportedEncryption;
    }

    const TXLSVector h = HashPassword(pass.Hash, pass.Salt, PasswordBytes(), FSpinCount);
    const std::size_t keyBytes = static_cast<std::size_t>(pass.KeyBits) / 8;
    auto keyFor = [&](const std::uint8_t (&block)[8]) {
        return Fit(Digest(pass.Hash, h, block, sizeof(block)), keyBytes);
    };
    const TXLSVector iv = Fit(pass.Salt, static_cast<std::size_t>(pass.BlockSize));
    TXLSVector input = AesOnce(xccAESCBC, false, keyFor(cBlockVerifierInput), iv, verifierInput);
    input.Resize(std::min(input.Size(), pass.Salt.Size()));
    const TXLSVector expected = AesOnce(xccAESCBC, false, keyFor(cBlockVerifierValue), iv, verifierValue);
    const std::size_t hashSize = HashSize(pass.Hash);
    if (!Digest(pass.Hash, input).Compare(expected, hashSize)) {
        FDetail.clear();
        return xcrWrongPassword;
    }
    FKey = AesOnce(xccAESCBC, false, keyFor(cBlockKeyValue), iv, keyValue);
    if (FKey.Size() < static_cast<std::size_t>(FDataKeyBits) / 8) {
        FDetail = "package key shorter than the key size";
        return xcrUnsupportedEncryption;
    }
    FKey.Resize(static_cast<std::size_t>(FDataKeyBits) / 8);
    return xcrOk;
}

bool TXLSCryptoAgile::InitiateWrite(TVYXCompoundFileWriter&)
{
    return false;
}

TXLSCryptoResult TXLSCryptoAgile::DecryptDocument(std::string_view source, TVYXStream& dest)
{
    if (!FHmacKeyEncrypted.Empty()) {
        // The keyed hash covers the stream as stored: size field and every encrypted byte.
        auto ivFor = [this](const std::uint8_t (&block)[8]) {
            return Fit(Digest(FDataHash, FDataSalt, block, sizeof(block)), static_cast<std::size_t>(FDataBlockSize));
        };
        const std::size_t hashSize = HashSize(FDataHash);
        TXLSVector hmacKey = AesOnce(xccAESCBC, false, FKey, ivFor(cBlockHmacKey), FHmacKeyEncrypted);
        TXLSVector expected = AesOnce(xccAESCBC, false, FKey, ivFor(cBlockHmacValue), FHmacValueEncrypted);
        if (hmacKey.Size() < hashSize || expected.Size() < hashSize) {
            FDetail = "integrity values too short";
            return xcrUnknown;
        }
        TDigest md(FDataHash);
        TXLSVector actual(EVP_MAX_MD_SIZE);
        unsigned int len = 0;
        if (!HMAC(md.Md(), hmacKey.Data(), static_cast<int>(hashSize), reinterpret_cast<const unsigned char*>(source.data()),
                  source.size(), actual.Data(), &len)) {
            FDetail = "integrity check failed to run";
            return xcrUnknown;
        }
        if (!actual.Compare(expected, hashSize)) {
            FDetail = "the package fails its integrity check";
            return xcrUnknown;
        }
    }
    TAes aes(xccAESCBC, FKey, false);
    return DecryptSegments(source, dest, FDetail,
                           [this, &aes](std::uint32_t segment, const char* in, std::size_t size, std::uint8_t* out) {
                               std::uint8_t index[4];
                               for (int k = 0; k < 4; ++k)
                                   index[k] = static_cast<std::uint8_t>(segment >> (8 * k));
                               const TXLSVector iv = Fit(Digest(FDataHash, FDataSalt, index, sizeof(index)),
                                                         static_cast<std::size_t>(FDataBlockSize));
                               aes.Run(iv.Data(), in, size, out);
                           });
}

void TXLSCryptoAgile::EncryptDocument(std::string_view, TVYXStream&)
{
    throw VYXException("Agile encryption is not written");
}

// ---------------------------------------------------------------------------------------
// TXLSEncryption

TXLSEncryption::TXLSEncryption() : FOutStream(std::make_unique<TVYXMemoryStream>()) {}

TXLSEncryption::~TXLSEncryption() = default;

TXLSCryptoResult TXLSEncryption::Fail(TXLSCryptoResult result, std::string detail)
{
    FResult = result;
    FDetail = std::move(detail);
    return result;
}

bool TXLSEncryption::EnsurePassword()
{
    FOutStream->Clear();
    FCrypto.reset();
    FScheme = xcsNone;
    if (FPassword.empty() && FPasswEvent) {
        std::u16string asked;
        if (FPasswEvent(asked))
            FPassword = std::move(asked);
    }
    if (FPassword.empty()) {
        Fail(xcrMissingPassword, {});
        return false;
    }
    return true;
}

TXLSCryptoResult TXLSEncryption::LoadFromStream(TVYXStream& stream)
{
    if (!EnsurePassword())
        return FResult;
    stream.Seek(0, vysoBeginning);
    return LoadFromBytes(stream.ReadAll());
}

TXLSCryptoResult TXLSEncryption::LoadFromFile(const std::string& fileName)
{
    // Without a password the file is not even opened.
    if (!EnsurePassword())
        return FResult;
    return LoadFromBytes(VYXReadFile(fileName));
}

TXLSCryptoResult TXLSEncryption::LoadFromBytes(std::string bytes)
{
    FOutStream->Clear();
    if (FPassword.empty())
        return Fail(xcrMissingPassword, {});
    std::string info, package;
    try {
        TVYXCompoundFile storage(std::move(bytes));
        if (!storage.ReadStream(u"EncryptionInfo", info))
            return Fail(xcrUnsupportedEncryption, "no EncryptionInfo stream");
        const TXLSCryptoResult r =
            DoEncryptionInfo(reinterpret_cast<const std::uint8_t*>(info.data()), info.size());
        if (r != xcrOk)
            return r;
        if (!storage.ReadStream(u"EncryptedPackage", package))
            return Fail(xcrUnknown, "no EncryptedPackage stream");
    } catch (const VYXException& e) {
        return Fail(xcrUnknown, e.what());
    }
    TXLSCryptoResult r = xcrUnknown;
    try {
        r = FCrypto->DecryptDocument(package, *FOutStream);
    } catch (const VYXException& e) {
        FOutStream->Clear();
        return Fail(xcrUnknown, e.what());
    }
    if (r != xcrOk)
        FOutStream->Clear();
    FOutStream->Seek(0, vysoBeginning);
    return Fail(r, FCrypto->Detail());
}

TXLSCryptoResult TXLSEncryption::DoEncryptionInfo(const std::uint8_t* buffer, std::size_t size)
{
    FCrypto.reset();
    if (size < 4)
        return Fail(xcrUnsupportedEncryption, "EncryptionInfo is truncated");
    const int major = buffer[0] | (buffer[1] << 8);
    const int minor = buffer[2] | (buffer[3] << 8);
    FScheme = XLSSchemeOfVersion(major, minor);
    if (FScheme == xcsStandard)
        FCrypto = std::make_unique<TXLSCryptoStandard>(FPassword);
    else if (FScheme == xcsAgile) {
        auto agile = std::make_unique<TXLSCryptoAgile>(FPassword);
        agile->SetMaxSpinCount(FMaxSpinCount);
        FCrypto = std::move(agile);
    } else
        return Fail(xcrUnsupportedEncryption,
                    "EncryptionInfo version " + std::to_string(major) + "." + std::to_string(minor));
    const TXLSCryptoResult r = FCrypto->InitiateRead(buffer + 4, size - 4);
    return Fail(r, FCrypto->Detail());
}

void TXLSEncryption::SaveToStream(TVYXStream& stream)
{
    if (FPassword.empty())
        throw VYXException("Missing password");
    FScheme = xcsStandard;
    FCrypto = std::make_unique<TXLSCryptoStandard>(FPassword);
    TVYXCompoundFileWriter storage(3);
    if (!FCrypto->InitiateWrite(storage))
        throw VYXException("Unknown crypto error");
    TVYXMemoryStream package;
    FCrypto->EncryptDocument(FOutStream->Bytes(), package);
    storage.AddStream(TVYXCompoundFileWriter::cRoot, u"EncryptedPackage", package.TakeBytes());
    storage.SaveToStream(stream);
    FResult = xcrOk;
}

TXLSCryptoScheme TXLSEncryption::DetectScheme(std::string_view fileBytes, int* major, int* minor)
{
    if (!TVYXCompoundFile::HasSignature(fileBytes))
        return xcsNone;
    try {
        TVYXCompoundFile storage{std::string(fileBytes)};
        std::string info;
        if (!storage.ReadStream(u"EncryptionInfo", info) || info.size() < 4)
            return xcsNone;
        const int ma = static_cast<unsigned char>(info[0]) | (static_cast<unsigned char>(info[1]) << 8);
        const int mi = static_cast<unsigned char>(info[2]) | (static_cast<unsigned char>(info[3]) << 8);
        if (major)
            *major = ma;
        if (minor)
            *minor = mi;
        return XLSSchemeOfVersion(ma, mi);
    } catch (const VYXException&) {
        return xcsNone;
    }
}
