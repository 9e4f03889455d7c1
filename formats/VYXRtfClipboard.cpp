// VYXRtfClipboard.cpp: RTF on the clipboard: copy writes it, paste reads it.
#include "formats/VYXRtfClipboard.h"

#include "editing/VYXClipboardCmd.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXWriteRTF.h"
#include "platform/VYXException.h"

void VYXInstallRtfClipboard(TVYXClipboardCmd& cmd, TVYXLogDocEditor& doc)
{
    cmd.SetReader(acfRTF, [&doc](std::string_view bytes, TVYXLogParas& paras) {
        TVYXReadRTF reader(doc);
        reader.LoadFromBytes(bytes, paras);  // raises on input it cannot read: the paste takes the next format
        return true;
    });
    cmd.RTFWriter = [&doc](TVYXLogDocument& source, const TVYXDocRange& range) -> std::string {
        // Ranges across lists (from a cell into the body) have no single list to
        // copy; the text format still carries them.
        try {
            const std::unique_ptr<TVYXDocFragment> fragment = source.CopyContent(range);
            return TVYXWriteRTF(doc).SaveParasToBytes(*fragment->Paras);
        } catch (const VYXException&) {
            return {};
        }
    };
}
