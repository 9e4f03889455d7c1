// FuzzReadDocxStyles.cpp: libFuzzer entry for the styles and numbering parts:
// the input is a styles part, a NUL byte and a numbering part (without the
// byte, both parts are the input), packed with a one-paragraph document that
// uses a list and a style, read into the model, written and read back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/VYXWriteDOCX.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string_view styles = input.substr(0, nul);
    const std::string_view numbering = nul == std::string_view::npos ? input : input.substr(nul + 1);
    TVYXMemoryStream out;
    {
        TOPC_DOCX pkg;
        pkg.OpenWrite(out);
        TOPCItem& doc = pkg.CreateDocument();
        pkg.WriteItem(pkg.CreateStyles(), std::string(styles));
        pkg.WriteItem(pkg.CreateNumbering(), std::string(numbering));
        pkg.WriteItem(doc, "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>"
                           "<w:p><w:pPr><w:pStyle w:val=\"Heading1\"/><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/>"
                           "</w:numPr></w:pPr><w:r><w:t>x</w:t></w:r></w:p></w:body></w:document>");
        pkg.Close();
    }
    const std::string package = out.TakeBytes();
    TVYXLogDocEditor doc;
    try {
        TVYXReadDOCX(doc).LoadFromBytes(package);
    } catch (const VYXException&) {
        return 0;
    }
    // What we write from any model we read must read back.
    TVYXLogDocEditor again;
    TVYXReadDOCX(again).LoadFromBytes(TVYXWriteDOCX(doc).SaveToBytes());
    return 0;
}
