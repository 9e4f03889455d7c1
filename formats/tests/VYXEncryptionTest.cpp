// VYXEncryptionTest.cpp: encrypted packages from other programs, our Standard encryption
// read back by us and by an independent program, and the unsupported and damaged cases.
#include <unistd.h>
#include <gtest/gtest.h>

#include <openssl/evp.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "formats/VYXEncryption.h"
#include "platform/VYXCompoundFile.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {

namespace fs = std::filesystem;

const fs::path cCorpus = fs::path(VYX_SHARED_DIR) / "corpus";

struct TCorpusFile {
    fs::path Path;
    std::string Password;
    std::string Exercises;
};

// The encrypted DOCX files of the corpus with their passwords, from its manifest.
std::vector<TCorpusFile> EncryptedCorpus()
{
    std::vector<TCorpusFile> files;
    std::ifstream manifest(cCorpus / "MANIFEST.tsv");
    std::string line;
    while (std::getline(manifest, line)) {
        std::vector<std::string> cols;
        std::stringstream ss(line);
        std::string col;
        while (std::getline(ss, col, '\t'))
            cols.push_back(col);
        if (cols.size() >= 7 && cols[1] == "docx-encrypted")
            files.push_back({cCorpus / cols[0], cols[6], cols[5]});
    }
    return files;
}

std::string Encrypt(std::string_view package, std::u16string_view password)
{
    TXLSEncryption enc;
    enc.SetPassword(password);
    enc.OutStream().WriteString(package);
    TVYXMemoryStream out;
    enc.SaveToStream(out);
    return out.TakeBytes();
}

TXLSCryptoResult Decrypt(const std::string& file, std::u16string_view password, std::string* package = nullptr)
{
    TXLSEncryption enc;
    enc.SetPassword(password);
    const TXLSCryptoResult r = enc.LoadFromBytes(file);
    if (package)
        *package = std::string(enc.OutStream().Bytes());
    return r;
}

// The same compound file with one root stream replaced.
std::string ReplaceStream(const std::string& file, std::u16string_view name, const std::string& data)
{
    TVYXCompoundFile in(file);
    TVYXCompoundFileWriter out(in.MajorVersion());
    for (int c : in.Entry(0).Children) {
        const TVYXCfbEntry& e = in.Entry(c);
        if (e.Type != vycetStream)
            continue;
        out.AddStream(out.cRoot, e.Name, VYXCfbCompareNames(e.Name, name) == 0 ? data : in.ReadStream(c));
    }
    return out.Save();
}

std::string StreamOf(const std::string& file, std::u16string_view name)
{
    std::string bytes;
    EXPECT_TRUE(TVYXCompoundFile(file).ReadStream(name, bytes));
    return bytes;
}

std::string SamplePackage(std::size_t size)
{
    std::string s(size, '\0');
    std::uint32_t x = 12345;
    for (char& c : s) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 24);
    }
    return s;
}

TEST(Encryption, CorpusFilesDecryptToTheirPlainOriginals)
{
    const std::vector<TCorpusFile> files = EncryptedCorpus();
    if (files.empty())
        GTEST_SKIP() << "shared corpus not found";
    // Plain originals published beside some of the encrypted files.
    const std::map<std::string, std::string> originals = {
        {"msoffcrypto-ecma376standard_password.docx", "msoffcrypto-ecma376standard_password_plain.docx"},
        {"msoffcrypto-example_password.docx", "msoffcrypto-example.docx"},
    };
    int compared = 0;
    for (const TCorpusFile& f : files) {
        SCOPED_TRACE(f.Path.filename().string());
        const std::string bytes = VYXReadFile(f.Path.string());
        const bool agile = f.Exercises.find("agile") != std::string::npos;
        EXPECT_EQ(TXLSEncryption::DetectScheme(bytes), agile ? xcsAgile : xcsStandard);

        TXLSEncryption enc;
        enc.SetPassword(U16(f.Password));
        ASSERT_EQ(enc.LoadFromBytes(bytes), xcrOk) << enc.Detail();
        const std::string_view package = enc.OutStream().Bytes();
        ASSERT_GT(package.size(), 4u);
        EXPECT_EQ(package.substr(0, 4), std::string_view("PK\x03\x04", 4));
        const auto it = originals.find(f.Path.filename().string());
        if (it != originals.end()) {
            EXPECT_EQ(package, VYXReadFile((f.Path.parent_path() / it->second).string()));
            ++compared;
        }
        EXPECT_EQ(Decrypt(bytes, U16(f.Password + "x")), xcrWrongPassword);
    }
    EXPECT_EQ(compared, 2);
    EXPECT_GE(files.size(), 7u);
}

TEST(Encryption, WrittenFilesFollowTheStandardLayout)
{
    const std::string package = SamplePackage(4097);
    const std::string file = Encrypt(package, u"Secret");
    const std::string info = StreamOf(file, u"EncryptionInfo");
    TXLSVector v(info.data(), info.size());
    const std::u16string provider = u"Microsoft Enhanced RSA and AES Cryptographic Provider";
    const std::size_t n = provider.size();
    ASSERT_EQ(info.size(), 84 + 2 * n + 32);
    EXPECT_EQ(v.GetU32(0), 0x00020003u);  // major 3, minor 2
    EXPECT_EQ(v.GetU32(4), 0x24u);
    EXPECT_EQ(v.GetU32(8), 32 + 2 * n);
    EXPECT_EQ(v.GetU32(12), 0x24u);
    EXPECT_EQ(v.GetU32(16), 0u);
    EXPECT_EQ(v.GetU32(20), 0x660Eu);
    EXPECT_EQ(v.GetU32(24), 0x8004u);
    EXPECT_EQ(v.GetU32(28), 128u);
    EXPECT_EQ(v.GetU32(32), 0x18u);
    EXPECT_EQ(info.substr(44, 2 * n), std::string(reinterpret_cast<const char*>(provider.data()), 2 * n));
    EXPECT_EQ(v.GetU32(44 + 2 * n), 16u);
    EXPECT_EQ(v.GetU32(80 + 2 * n), 20u);

    // A package of 4,097 bytes: size field, one whole chunk, one chunk padded to a block.
    const std::string stored = StreamOf(file, u"EncryptedPackage");
    EXPECT_EQ(stored.size(), 8u + 4096u + 16u);
    EXPECT_EQ(TXLSVector(stored.data(), 8).GetU32(0), 4097u);

    std::string back;
    EXPECT_EQ(Decrypt(file, u"Secret", &back), xcrOk);
    EXPECT_EQ(back, package);
    EXPECT_EQ(Decrypt(file, u"secret"), xcrWrongPassword);
    // Fresh salt and verifier every time.
    EXPECT_NE(StreamOf(Encrypt(package, u"Secret"), u"EncryptionInfo").substr(48 + 2 * n, 16),
              info.substr(48 + 2 * n, 16));
}

TEST(Encryption, RoundTripsOfManySizesAndUnicodePasswords)
{
    const std::u16string password = u"p\u00e4ssw\u00f6rd \u5bc6\u7801 \U0001D11E";
    for (std::size_t size : {0u, 1u, 15u, 16u, 17u, 4095u, 4096u, 4097u, 100000u}) {
        SCOPED_TRACE(size);
        const std::string package = SamplePackage(size);
        const std::string file = Encrypt(package, password);
        std::string back;
        ASSERT_EQ(Decrypt(file, password, &back), xcrOk);
        EXPECT_EQ(back, package);
        EXPECT_EQ(StreamOf(file, u"EncryptedPackage").size(), 8 + (size + 15) / 16 * 16);
    }
    // Decomposed "ä" is other UTF-16 and so another password.
    const std::string file = Encrypt("PK", u"\u00e4");
    EXPECT_EQ(Decrypt(file, u"a\u0308"), xcrWrongPassword);
    EXPECT_EQ(Decrypt(file, u"\u00e4"), xcrOk);
}

// Standard key for a 256-bit AES key as other programs derive it: both halves of the
// 0x36/0x5C expansion.
std::string StandardKey256(const std::string& salt, std::u16string_view password)
{
    auto sha1 = [](const std::string& in) {
        unsigned char out[20];
        unsigned int len = 0;
        EVP_Digest(in.data(), in.size(), out, &len, EVP_sha1(), nullptr);
        return std::string(reinterpret_cast<char*>(out), 20);
    };
    std::string h = sha1(salt + std::string(reinterpret_cast<const char*>(password.data()), 2 * password.size()));
    for (std::uint32_t i = 0; i < 50000; ++i)
        h = sha1(std::string(reinterpret_cast<const char*>(&i), 4) + h);
    h = sha1(h + std::string(4, '\0'));
    std::string x1(64, '\x36'), x2(64, '\x5C');
    for (int i = 0; i < 20; ++i) {
        x1[static_cast<std::size_t>(i)] = static_cast<char>(x1[static_cast<std::size_t>(i)] ^ h[static_cast<std::size_t>(i)]);
        x2[static_cast<std::size_t>(i)] = static_cast<char>(x2[static_cast<std::size_t>(i)] ^ h[static_cast<std::size_t>(i)]);
    }
    return (sha1(x1) + sha1(x2)).substr(0, 32);
}

std::string AesEcb256(const std::string& key, const std::string& data)
{
    std::string out(data.size(), '\0');
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    int len = 0;
    EVP_EncryptInit_ex(ctx, EVP_aes_256_ecb(), nullptr, reinterpret_cast<const unsigned char*>(key.data()), nullptr);
    EVP_CIPHER_CTX_set_padding(ctx, 0);
    EVP_EncryptUpdate(ctx, reinterpret_cast<unsigned char*>(out.data()), &len,
                      reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()));
    EVP_CIPHER_CTX_free(ctx);
    return out;
}

TEST(Encryption, StandardHeaderNamingA256BitKeyStillUses128Bits)
{
    const std::string file = Encrypt("PK plain", u"pw");
    std::string info = StreamOf(file, u"EncryptionInfo");
    const std::size_t v = 44 + 2 * 53;
    // Only the header changed: the key is still derived at 128 bits, so it reads.
    std::string relabelled = info;
    TXLSVector fields(info.data(), 44);
    fields.SetU32(20, 0x6610);  // AES-256
    fields.SetU32(28, 256);
    relabelled.replace(0, 44, fields.View());
    EXPECT_EQ(Decrypt(ReplaceStream(file, u"EncryptionInfo", relabelled), u"pw"), xcrOk);

    // A verifier really encrypted with a 256-bit key fails the 128-bit check.
    const std::string salt = info.substr(v + 4, 16);
    const std::string key = StandardKey256(salt, u"pw");
    const std::string verifier(16, '\x42');
    unsigned char hash[20];
    unsigned int len = 0;
    EVP_Digest(verifier.data(), 16, hash, &len, EVP_sha1(), nullptr);
    std::string paddedHash(reinterpret_cast<char*>(hash), 20);
    paddedHash.resize(32, '\0');
    relabelled.replace(v + 20, 16, AesEcb256(key, verifier));
    relabelled.replace(v + 40, 32, AesEcb256(key, paddedHash));
    TXLSEncryption enc;
    enc.SetPassword(u"pw");
    EXPECT_EQ(enc.LoadFromBytes(ReplaceStream(file, u"EncryptionInfo", relabelled)), xcrWrongPassword);
    ASSERT_NE(dynamic_cast<const TXLSCryptoStandard*>(enc.Crypto()), nullptr);
    EXPECT_EQ(dynamic_cast<const TXLSCryptoStandard*>(enc.Crypto())->HeaderKeyBits(), 256u);
}

TEST(Encryption, VersionsDecideTheScheme)
{
    const std::string file = Encrypt("PK", u"pw");
    const std::string info = StreamOf(file, u"EncryptionInfo");
    struct TCase {
        std::uint16_t Major, Minor;
        TXLSCryptoResult Expected;
    };
    // 4.2 is Standard as well; 4.3 and the 2.x of older programs are not read.
    const TCase cases[] = {{3, 2, xcrOk}, {4, 2, xcrOk}, {4, 3, xcrUnsupportedEncryption},
                           {2, 2, xcrUnsupportedEncryption}, {2, 0, xcrUnsupportedEncryption},
                           {4, 4, xcrUnsupportedEncryption}, {1, 1, xcrUnsupportedEncryption}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Major << "." << c.Minor);
        std::string patched = info;
        TXLSVector version;
        version.SetU32(0, c.Major | (static_cast<std::uint32_t>(c.Minor) << 16));
        patched.replace(0, 4, version.View());
        // The wrong password must not matter when the version is not readable.
        const std::string bad = ReplaceStream(file, u"EncryptionInfo", patched);
        EXPECT_EQ(Decrypt(bad, u"pw"), c.Expected);
        if (c.Expected == xcrUnsupportedEncryption) {
            EXPECT_EQ(Decrypt(bad, u"nope"), xcrUnsupportedEncryption);
        }
    }
}

// A stream that records whether anyone touched it.
class TWatchedStream : public TVYXMemoryStream {
public:
    using TVYXMemoryStream::TVYXMemoryStream;
    std::size_t Read(void* buffer, std::size_t count) override
    {
        Touched = true;
        return TVYXMemoryStream::Read(buffer, count);
    }
    std::int64_t Seek(std::int64_t offset, TVYXSeekOrigin origin) override
    {
        Touched = true;
        return TVYXMemoryStream::Seek(offset, origin);
    }
    bool Touched = false;
};

TEST(Encryption, PasswordsMissingOrAskedFor)
{
    const std::string file = Encrypt("PK data", u"pw");
    {
        TWatchedStream input(file);
        TXLSEncryption enc;
        EXPECT_EQ(enc.LoadFromStream(input), xcrMissingPassword);
        EXPECT_FALSE(input.Touched);
        EXPECT_STREQ(XLSCryptoResultMessage(enc.Result()), "Missing password");
    }
    {
        TWatchedStream input(file);
        TXLSEncryption enc;
        int asked = 0;
        enc.SetPasswEvent([&asked](std::u16string&) { ++asked; return false; });
        EXPECT_EQ(enc.LoadFromStream(input), xcrMissingPassword);
        EXPECT_EQ(asked, 1);
        EXPECT_FALSE(input.Touched);
    }
    {
        TVYXMemoryStream input(file);
        TXLSEncryption enc;
        enc.SetPasswEvent([](std::u16string& p) { p = u"pw"; return true; });
        EXPECT_EQ(enc.LoadFromStream(input), xcrOk);
        EXPECT_EQ(enc.OutStream().Bytes(), "PK data");
    }
    TXLSEncryption enc;
    EXPECT_EQ(enc.LoadFromFile("/nonexistent/never-opened.docx"), xcrMissingPassword);
    enc.OutStream().WriteString("PK");
    TVYXMemoryStream out;
    EXPECT_THROW(enc.SaveToStream(out), VYXException);
    EXPECT_EQ(out.Size(), 0);
    EXPECT_STREQ(XLSCryptoResultMessage(xcrWrongPassword), "Wrong password");
    EXPECT_STREQ(XLSCryptoResultMessage(xcrUnsupportedEncryption), "Unsupported encryption");
    EXPECT_STREQ(XLSCryptoResultMessage(xcrUnknown), "Unknown crypto error");
}

// The first Agile file of the corpus with its password, or an empty path.
TCorpusFile FirstAgile()
{
    for (const TCorpusFile& f : EncryptedCorpus())
        if (f.Exercises.find("agile") != std::string::npos && f.Path.filename().string().find("example") != std::string::npos)
            return f;
    return {};
}

TEST(Encryption, AgileDescriptorsThatCannotBeRead)
{
    const TCorpusFile agile = FirstAgile();
    if (agile.Path.empty())
        GTEST_SKIP() << "shared corpus not found";
    const std::string file = VYXReadFile(agile.Path.string());
    const std::string info = StreamOf(file, u"EncryptionInfo");
    struct TCase {
        const char* Name;
        std::string From, To;
        TXLSCryptoResult Expected;
    };
    const TCase cases[] = {
        {"another cipher", "cipherAlgorithm=\"AES\"", "cipherAlgorithm=\"DES\"", xcrUnsupportedEncryption},
        {"CFB chaining", "cipherChaining=\"ChainingModeCBC\"", "cipherChaining=\"ChainingModeCFB\"",
         xcrUnsupportedEncryption},
        {"another hash", "hashAlgorithm=\"SHA512\"", "hashAlgorithm=\"MD5\"", xcrUnsupportedEncryption},
        {"salt size mismatch", "saltSize=\"16\"", "saltSize=\"17\"", xcrUnsupportedEncryption},
        {"spin count beyond the limit", "spinCount=\"100000\"", "spinCount=\"4000000000\"", xcrUnsupportedEncryption},
        {"missing verifier", "encryptedVerifierHashInput=", "encryptedVerifierHashInpux=", xcrUnsupportedEncryption},
        {"no keyData", "<keyData ", "<keyDatx ", xcrUnsupportedEncryption},
        {"fewer spins give another key", "spinCount=\"100000\"", "spinCount=\"99999\"", xcrWrongPassword},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::string patched = info;
        const std::size_t at = patched.find(c.From);
        ASSERT_NE(at, std::string::npos);
        patched.replace(at, c.From.size(), c.To);
        TXLSEncryption enc;
        enc.SetPassword(U16(agile.Password));
        EXPECT_EQ(enc.LoadFromBytes(ReplaceStream(file, u"EncryptionInfo", patched)), c.Expected) << enc.Detail();
    }
}

TEST(Encryption, DamagedPackagesAreReportedNotDecrypted)
{
    const TCorpusFile agile = FirstAgile();
    if (agile.Path.empty())
        GTEST_SKIP() << "shared corpus not found";
    const std::string file = VYXReadFile(agile.Path.string());
    std::string package = StreamOf(file, u"EncryptedPackage");
    const std::u16string password = U16(agile.Password);

    // One flipped byte fails the keyed hash over the package.
    std::string flipped = package;
    flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 1);
    TXLSEncryption enc;
    enc.SetPassword(password);
    EXPECT_EQ(enc.LoadFromBytes(ReplaceStream(file, u"EncryptedPackage", flipped)), xcrUnknown);
    EXPECT_NE(enc.Detail().find("integrity"), std::string::npos) << enc.Detail();
    EXPECT_EQ(enc.OutStream().Size(), 0);

    // A Standard package whose size field claims more than is stored.
    const std::string standard = Encrypt(SamplePackage(5000), u"pw");
    std::string stored = StreamOf(standard, u"EncryptedPackage");
    EXPECT_EQ(Decrypt(ReplaceStream(standard, u"EncryptedPackage", stored.substr(0, 4000)), u"pw"), xcrUnknown);
    stored[5] = '\x7F';
    EXPECT_EQ(Decrypt(ReplaceStream(standard, u"EncryptedPackage", stored), u"pw"), xcrUnknown);
    EXPECT_EQ(Decrypt(ReplaceStream(standard, u"EncryptedPackage", "1234"), u"pw"), xcrUnknown);

    // Not a compound file at all, or one without the streams.
    EXPECT_EQ(Decrypt("PK\x03\x04 a zip", u"pw"), xcrUnknown);
    TVYXCompoundFileWriter empty;
    EXPECT_EQ(Decrypt(empty.Save(), u"pw"), xcrUnsupportedEncryption);
    EXPECT_EQ(TXLSEncryption::DetectScheme(empty.Save()), xcsNone);
}

TEST(Encryption, EveryTruncationOfAnEncryptedFileFailsCleanly)
{
    const std::string package = SamplePackage(3000);
    const std::string file = Encrypt(package, u"pw");
    for (std::size_t n = 0; n < file.size(); n += 13) {
        SCOPED_TRACE(n);
        std::string back;
        const TXLSCryptoResult r = Decrypt(file.substr(0, n), u"pw", &back);
        if (r == xcrOk)
            EXPECT_TRUE(back == package);  // only padding of the last sector was cut
        else
            EXPECT_TRUE(back.empty());
    }
}

TEST(Encryption, VectorLimitsAndAccess)
{
    TXLSVector v(std::size_t(0), 8);
    v.SetU32(2, 0x04030201);
    EXPECT_EQ(v.Size(), 6u);
    EXPECT_EQ(v[2], 1);
    EXPECT_EQ(v.GetU32(2), 0x04030201u);
    EXPECT_THROW((void)v.GetU32(3), VYXException);
    EXPECT_THROW(v.SetU32(6, 1), VYXException);
    try {
        v.Resize(9);
        ADD_FAILURE();
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "Vector to long");
    }
    TXLSVector w(v.Data(), v.Size());
    EXPECT_TRUE(w.Compare(v, 6));
    EXPECT_FALSE(w.Compare(v, 7));
    w.Copy(v, 2, 0, 4);
    EXPECT_EQ(w.GetU32(0), 0x04030201u);
    EXPECT_FALSE(w == v);
}

// Runs a Node script with the independent package `officecrypto-tool`, found through
// VYX_NODE_MODULES (a node_modules folder). Returns false when either is missing.
bool RunOfficeCrypto(const std::string& mode, const fs::path& in, const fs::path& out, const std::string& password)
{
    const char* modules = std::getenv("VYX_NODE_MODULES");
    if (!modules || !fs::exists(fs::path(modules) / "officecrypto-tool") || std::system("node --version >/dev/null 2>&1") != 0)
        return false;
    const std::string script =
        "const [,,m,mode,inp,out,pw]=process.argv;const oc=require(m+'/officecrypto-tool');const fs=require('fs');"
        "(async()=>{const b=fs.readFileSync(inp);"
        "const r=mode==='decrypt'?await oc.decrypt(b,{password:pw}):oc.encrypt(b,{password:pw});"
        "fs.writeFileSync(out,r);})()"
        ".catch(e=>{console.error(e);process.exit(3);});";
    const fs::path js = fs::temp_directory_path() / (std::string("vyx_officecrypto-") + std::to_string(::getpid()) + ".js");
    VYXWriteFile(js.string(), script);
    const std::string cmd = "node '" + js.string() + "' '" + modules + "' " + mode + " '" + in.string() + "' '" +
                            out.string() + "' '" + password + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
    return true;
}

TEST(Encryption, AnIndependentProgramReadsOurFilesAndWeReadItsFiles)
{
    const fs::path plain = cCorpus / "docx-encrypted/msoffcrypto-example.docx";
    if (!fs::exists(plain))
        GTEST_SKIP() << "shared corpus not found";
    const std::string package = VYXReadFile(plain.string());
    const fs::path dir = fs::temp_directory_path() / (std::string("vyx_crypto_interop-") + std::to_string(::getpid()));
    fs::create_directories(dir);
    VYXWriteFile((dir / "ours.docx").string(), Encrypt(package, u"Str0ng pass"));
    VYXWriteFile((dir / "plain.docx").string(), package);
    if (!RunOfficeCrypto("decrypt", dir / "ours.docx", dir / "ours-decrypted.docx", "Str0ng pass"))
        GTEST_SKIP() << "node or officecrypto-tool (VYX_NODE_MODULES) not available";
    EXPECT_TRUE(VYXReadFile((dir / "ours-decrypted.docx").string()) == package);

    // Theirs is Agile with SHA-512: the other scheme of the reader.
    ASSERT_TRUE(RunOfficeCrypto("encrypt", dir / "plain.docx", dir / "theirs.docx", "Str0ng pass"));
    const std::string theirs = VYXReadFile((dir / "theirs.docx").string());
    EXPECT_EQ(TXLSEncryption::DetectScheme(theirs), xcsAgile);
    std::string back;
    EXPECT_EQ(Decrypt(theirs, u"Str0ng pass", &back), xcrOk);
    EXPECT_TRUE(back == package);
    fs::remove_all(dir);
}

}  // namespace
