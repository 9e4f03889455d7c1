// VYXClipboardCmd.cpp: copy, cut and paste through the document's primitive edits.
#include "editing/VYXClipboardCmd.h"

#include "editing/VYXFindReplace.h"
#include "editing/VYXPlainText.h"
#include "model/VYXCharRun.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogParas.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

TVYXClipboardCmd::TVYXClipboardCmd(TVYXLogDocument& doc, TVYXClipboard& clipboard) : FDoc(doc), FClipboard(clipboard)
{
}

TVYXClipboardCmd::~TVYXClipboardCmd() = default;

void TVYXClipboardCmd::SetReader(TVYXClipboardFormat format, TReader reader)
{
    if (format > acfNone && format < cVYXClipboardFormatCount)
        FReaders[static_cast<std::size_t>(format)] = std::move(reader);
}

bool TVYXClipboardCmd::Copy(const TVYXDocRange& range)
{
    if (range.Empty())
        return false;
    TVYXLogSelection selection;
    selection.First = FDoc.PosAt(range.First);
    selection.Last = FDoc.PosAt(range.Last);
    const std::u16string text = selection.GetPlainText();
    FFragment.reset();
    if (range.First.SameList(range.Last))
        FFragment = FDoc.CopyContent(range);
    std::string rtf;
    if (RTFWriter)
        rtf = RTFWriter(FDoc, range);
    TVYXClipboardScope scope(FClipboard);
    FClipboard.PutText(text);
    if (!rtf.empty())
        FClipboard.PutRTF(rtf);
    // One inline picture also goes on as a picture, for programs that take only pictures.
    if (selection.SamePara() && selection.Last.CharPos == selection.First.CharPos + 1) {
        const TVYXCharRun* run = selection.First.GetCharRun();
        if (run && run->Type_() == acrtPicture) {
            const auto& picture = static_cast<const TVYXCharRunPicture&>(*run);
            const bool metafile = picture.OrigType == aptWMF || picture.OrigType == aptEMF;
            FClipboard.PutGraphic(metafile ? acfMetafile : acfBitmap,
                                  std::string_view(reinterpret_cast<const char*>(picture.Origdata.data()),
                                                   picture.Origdata.size()));
        }
    }
    FFragmentText = std::string(FClipboard.Bytes(acfText));
    return true;
}

bool TVYXClipboardCmd::Cut(const TVYXDocRange& range)
{
    if (!Copy(range))
        return false;
    VYXReplaceRange(FDoc, range, u"");
    return true;
}

std::unique_ptr<TVYXLogParas> TVYXClipboardCmd::Read(TVYXClipboardFormat format)
{
    if (!FClipboard.HasFormat(format))
        return nullptr;
    auto paras = FDoc.CreateParas();
    const std::string_view bytes = FClipboard.Bytes(format);
    const TReader& reader = FReaders[static_cast<std::size_t>(format)];
    if (reader)
        return reader(bytes, *paras) ? std::move(paras) : nullptr;
    switch (format) {
    case acfText:
    case acfAnsiText: {
        if (bytes.empty())
            return nullptr;
        TVYXImportText import(*paras);
        import.LoadFromBytes(bytes, *paras, false);
        // The reader takes a last line end as closing the last line; pasted, it is a mark.
        if (bytes.back() == '\n' || bytes.back() == '\r')
            paras->AppendPara();
        return paras;
    }
    case acfBitmap:
    case acfMetafile: {
        TVYXLogPara* para = paras->Count() ? paras->GetParas(0) : paras->AppendPara();
        TVYXCharRunPicture* picture = para->AppendPicture();
        picture->LoadPicture(bytes);
        // Bytes of no known picture type are not a picture to paste.
        return picture->OrigType == aptUnknown ? nullptr : std::move(paras);
    }
    default: return nullptr;  // RTF and HTML without a reader
    }
}

std::optional<TVYXDocRange> TVYXClipboardCmd::InsertFragment(const TVYXDocRange& at, const TVYXDocFragment& fragment)
{
    if (!at.Empty())
        VYXReplaceRange(FDoc, at, u"");
    return FDoc.InsertContent(at.First, fragment);
}

std::optional<TVYXDocRange> TVYXClipboardCmd::InsertParas(const TVYXDocRange& at, std::unique_ptr<TVYXLogParas> paras)
{
    if (!paras || paras->Count() == 0)
        return std::nullopt;
    // Each paragraph but the last brings its mark.
    for (int i = 0; i + 1 < paras->Count(); ++i)
        if (TVYXLogParaItem* item = paras->GetItems(i); item->IsPara())
            static_cast<TVYXLogPara*>(item)->Pilcrow = true;
    TVYXDocFragment fragment;
    fragment.Paras = std::move(paras);
    return InsertFragment(at, fragment);
}

std::optional<TVYXDocRange> TVYXClipboardCmd::Paste(const TVYXDocRange& at, TVYXClipboardFormat format)
{
    if (format == acfNone && FFragment && FClipboard.HasFormat(acfText) && FClipboard.Bytes(acfText) == FFragmentText)
        return InsertFragment(at, *FFragment);
    static constexpr TVYXClipboardFormat cOrder[] = {acfRTF, acfHTML, acfText, acfAnsiText, acfBitmap, acfMetafile};
    for (TVYXClipboardFormat f : cOrder) {
        if (format != acfNone && f != format)
            continue;
        std::unique_ptr<TVYXLogParas> paras;
        try {
            paras = Read(f);
        } catch (const VYXException&) {
            paras.reset();  // unreadable content: try the next format
        }
        if (paras)
            return InsertParas(at, std::move(paras));
    }
    return std::nullopt;
}

std::optional<TVYXDocRange> TVYXClipboardCmd::PastePlain(const TVYXDocRange& at)
{
    const std::u16string text = FClipboard.Text();
    if (text.empty())
        return std::nullopt;
    std::unique_ptr<TVYXLogParas> paras = FDoc.CreateParas();
    TVYXImportText import(*paras);
    import.LoadFromBytes(Utf16ToUtf8(text), *paras, false);
    if (text.back() == u'\n' || text.back() == u'\r')
        paras->AppendPara();
    // Plain: the pasted text takes the format where it lands, not the clipboard's.
    return InsertParas(at, std::move(paras));
}
