// FuzzFieldUpdate.cpp: updating fields whose instructions are any bytes, in a table cell and in the body.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editing/VYXFieldUpdate.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogParas.h"
#include "platform/VYXUnicode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 4096)
        return 0;  // instructions are short; longer input only slows the search
    const std::u16string text = Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data), size));
    TVYXLogDocument doc;
    TVYXTable* table = doc.Paras().AddTable(2, 2);
    table->GetCells(0, 0)->FirstPara()->SetPlainText(u"1.5");
    table->GetCells(1, 0)->FirstPara()->SetPlainText(text);
    table->GetCells(0, 1)->FirstPara()->AppendField(text);
    table->GetCells(1, 1)->FirstPara()->CharRuns().AddComplexField(u"r", text);
    doc.Paras().AppendPara(u"")->AppendField(text);
    TVYXFieldUpdater updater;
    updater.Now = 45667.5;
    updater.UpdateFields(doc);
    return 0;
}
