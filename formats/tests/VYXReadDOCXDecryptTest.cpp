// VYXReadDOCXDecryptTest.cpp: the DOCX reader without decryption (what the light program
// links) refuses every encrypted corpus package with one message and leaves a usable
// document, and reads plain packages exactly as the full reader does.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "editing/VYXPlainText.h"
#include "formats/VYXReadDOCX.h"
#include "model/VYXDocDump.h"
#include "model/VYXLogParas.h"
#include "platform/VYXException.h"

namespace fs = std::filesystem;

TEST(ReadDOCXDecrypt, WithoutDecryptionEncryptedPackagesAreRefused)
{
    const fs::path corpus = fs::path(VYX_SHARED_DIR) / "corpus";
    std::ifstream manifest(corpus / "MANIFEST.tsv");
    if (!manifest)
        GTEST_SKIP() << "no shared corpus";
    int refused = 0, plain = 0;
    for (std::string line; std::getline(manifest, line);) {
        std::vector<std::string> f;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, '\t');)
            f.push_back(field);
        if (f.size() < 7 || f[0].rfind("docx-encrypted/", 0) != 0)
            continue;
        SCOPED_TRACE(f[0]);
        const std::string file = (corpus / f[0]).string();
        TVYXLogDocEditor doc;
        TVYXReadDOCX reader(doc, TVYXReadDOCX::TNoDecryption{});
        reader.Password = f[6];  // a password changes nothing without decryption
        if (f[1] == "docx-encrypted") {
            try {
                reader.LoadFromFile(file);
                ADD_FAILURE() << "an encrypted package was read";
            } catch (const VYXException& e) {
                EXPECT_STREQ(e.what(), "Can not open file. The document is encrypted");
            }
            EXPECT_EQ(doc.Paras().Count(), 1);
            doc.AppendPara();  // still a document to work on
            ++refused;
            continue;
        }
        // The plain twins: the same model as through the full reader.
        reader.LoadFromFile(file);
        TVYXLogDocEditor full;
        TVYXReadDOCX(full).LoadFromFile(file);
        EXPECT_EQ(VYXDumpParas(doc.Paras()), VYXDumpParas(full.Paras()));
        EXPECT_FALSE(TVYXExportText().Text(doc.Paras()).empty());
        ++plain;
    }
    EXPECT_EQ(refused, 8);
    EXPECT_GE(plain, 2);
}
