// FuzzFields.cpp: field instructions, hyperlink lists and bookmark names from any bytes, as files carry them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/VYXFields.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = Utf8ToUtf16(bytes);

    auto field = CreateSimpleField(text);
    if (field->InstrText().size() > text.size())
        __builtin_trap();  // the instruction is only ever trimmed
    if (auto* formula = dynamic_cast<TVYXFormulaField*>(field.get()))
        if (formula->Formula().size() + formula->Mask.size() > text.size())
            __builtin_trap();
    field->AsText(45667, TVYXLocaleSettings());

    TVYXComplexField complex;
    complex.SetInstrText(text);
    complex.CanBeSimpleField();
    complex.SetType(acftFormList);
    complex.GetAsComboBox()->Result = static_cast<std::int32_t>(size) - 1;
    complex.GetAsComboBox()->GetText();

    TVYXHyperlinks links;
    links.Add({text, text + u";" + text});
    links.AddUniqueBookmark(text);

    TVYXBookmarks marks;
    marks.Add(text);
    if (!marks.Find(UnicodeUpper(text)) && !marks.Find(text))
        __builtin_trap();
    marks.Delete(text);
    return 0;
}
