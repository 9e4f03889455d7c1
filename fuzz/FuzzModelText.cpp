// FuzzModelText.cpp: field instructions, parameter pairs, integer lists and run format codes from any bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/VYXDocProps.h"
#include "model/VYXNumbering.h"
#include "model/VYXUtils.h"
#include "platform/VYXUnicode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = Utf8ToUtf16(bytes);

    TVYXParameterList params;
    params.AssignField(text);
    params.Assign(text);
    std::u16string value;
    params.Find(u"*", value);

    TVYXIntegerList ints;
    ints.SetAsString(bytes);
    TVYXIntegerList again;
    again.SetAsString(ints.AsString());
    if (again.Values() != ints.Values())
        __builtin_trap();  // AsString must read back as the same items

    TVYXCHP chp;
    TVYXCHPX chpx(&chp);
    std::u16string plain;
    chpx.AssignFmtText(text, plain);
    if (plain.size() > text.size())
        __builtin_trap();

    TVYXNumberings lists;
    TVYXNumbering* level = lists.AddNewNumbering(anstDecimal);
    level->Text = text;
    TVYXListCounter counter;
    counter.Next(level, false);
    (void)TitleCase(text);
    (void)XmlStrToFloatDef(bytes, 0);
    (void)HexStrToInt(text);
    return 0;
}
