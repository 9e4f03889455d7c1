// VYXClipboard.cpp: the in-process clipboard.
#include "platform/VYXClipboard.h"

#include "platform/VYXCodePage.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {
constexpr TVYXClipboardFormat cPreference[] = {acfRTF, acfHTML, acfText, acfAnsiText, acfBitmap, acfMetafile};
}

bool TVYXClipboard::HasFormat(TVYXClipboardFormat format) const
{
    return format > acfNone && format < cVYXClipboardFormatCount && FData[format].has_value();
}

TVYXClipboardFormat TVYXClipboard::FirstAvailable() const
{
    for (const TVYXClipboardFormat f : cPreference)
        if (HasFormat(f))
            return f;
    return acfNone;
}

std::string_view TVYXClipboard::Bytes(TVYXClipboardFormat format) const
{
    return HasFormat(format) ? std::string_view(*FData[format]) : std::string_view();
}

TVYXMemoryStream TVYXClipboard::CreateStream(TVYXClipboardFormat format) const
{
    return TVYXMemoryStream(std::string(Bytes(format)));
}

std::u16string TVYXClipboard::Text() const
{
    if (HasFormat(acfText))
        return Utf8ToUtf16(*FData[acfText]);
    if (HasFormat(acfAnsiText))
        return VYXDecodeCodePage(*FData[acfAnsiText], cVYXCodePageAnsi);
    return {};
}

void TVYXClipboard::Open()
{
    if (FOpenCount++ == 0)
        FFresh = true;
}

void TVYXClipboard::Close()
{
    if (FOpenCount == 0)
        return;
    if (--FOpenCount == 0 && ChangeEvent)
        ChangeEvent(*this);
}

void TVYXClipboard::BeginWrite()
{
    if (FOpenCount == 0 || FFresh)
        for (auto& data : FData)
            data.reset();
    FFresh = false;
}

void TVYXClipboard::Put(TVYXClipboardFormat format, std::string_view bytes)
{
    if (format <= acfNone || format >= cVYXClipboardFormatCount)
        throw VYXException("Invalid clipboard format");
    const bool bracketed = FOpenCount > 0;
    BeginWrite();
    FData[format] = std::string(bytes);
    if (!bracketed && ChangeEvent)
        ChangeEvent(*this);
}

void TVYXClipboard::PutText(std::u16string_view text)
{
    TVYXClipboardScope scope(*this);
    Put(acfText, Utf16ToUtf8(text));
    Put(acfAnsiText, VYXEncodeCodePage(text, cVYXCodePageAnsi));
}

void TVYXClipboard::Clear()
{
    for (auto& data : FData)
        data.reset();
    FFresh = false;
}
