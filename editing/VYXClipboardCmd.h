// VYXClipboardCmd.h: copy, cut and paste between a document and a clipboard object.
//
// The editor owns one TVYXClipboardCmd per document (the clipboard itself belongs
// to whoever owns the editor and is only borrowed here) and forwards its clipboard
// commands:
//   vycClipboardCopy       Copy(selection range)
//   vycClipboardCut        Cut(selection range), then the caret goes to the range's start
//   vycClipboardPaste      Paste(caret or selection range, format), the caret goes to the
//                          end of the answered range
//   vycClipboardPastePlain PastePlain(caret or selection range)
// Every change goes through the document's primitive edits, so undo sees it; a
// paste parses into a scratch paragraph list first and touches the document only
// when that succeeded.
//
// Formats put by Copy: the text (UTF-8 and ANSI), RTF through RTFWriter when one is
// installed, a picture when the range is exactly one inline picture, and an internal
// copy of the content kept here. Paste takes that internal copy while the clipboard
// still holds the text this object put (so formats, tables and pictures survive a
// copy within the document), else the first format it can read in the order RTF,
// HTML, text, ANSI text, bitmap, metafile. RTF and HTML need a reader registered with
// SetReader. Text ending with a line end ends with a paragraph mark when pasted.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model/VYXDocAddress.h"
#include "platform/VYXClipboard.h"

class TVYXLogDocument;
class TVYXLogParas;
class TVYXDocFragment;

class TVYXClipboardCmd {
public:
    // Fills `paras` (empty, over the target document) from a format's bytes; false
    // or a VYXException when the bytes cannot be read.
    using TReader = std::function<bool(std::string_view bytes, TVYXLogParas& paras)>;
    // The RTF bytes of a range of the document.
    using TWriter = std::function<std::string(TVYXLogDocument& doc, const TVYXDocRange& range)>;

    TVYXClipboardCmd(TVYXLogDocument& doc, TVYXClipboard& clipboard);
    TVYXClipboardCmd(const TVYXClipboardCmd&) = delete;
    TVYXClipboardCmd& operator=(const TVYXClipboardCmd&) = delete;
    ~TVYXClipboardCmd();

    void SetReader(TVYXClipboardFormat format, TReader reader);
    TWriter RTFWriter;

    // An empty range copies nothing (false). Ranges whose ends lie in different lists
    // copy their text only.
    bool Copy(const TVYXDocRange& range);
    // Copy, then the range goes; false (nothing changed) for an empty range.
    bool Cut(const TVYXDocRange& range);
    // Replaces `at` (a caret when empty) by the clipboard's content in `format`
    // (acfNone: the best available) and answers the range now covered; nothing when
    // the clipboard holds nothing readable, with the document unchanged.
    std::optional<TVYXDocRange> Paste(const TVYXDocRange& at, TVYXClipboardFormat format = acfNone);
    // The clipboard's text only.
    std::optional<TVYXDocRange> PastePlain(const TVYXDocRange& at);

private:
    std::unique_ptr<TVYXLogParas> Read(TVYXClipboardFormat format);
    std::optional<TVYXDocRange> InsertParas(const TVYXDocRange& at, std::unique_ptr<TVYXLogParas> paras);
    std::optional<TVYXDocRange> InsertFragment(const TVYXDocRange& at, const TVYXDocFragment& fragment);

    TVYXLogDocument& FDoc;
    TVYXClipboard& FClipboard;  // borrowed: the editor's owner holds it
    std::array<TReader, cVYXClipboardFormatCount> FReaders;
    // The last copy's content and the text put with it, to recognise our own content.
    std::unique_ptr<TVYXDocFragment> FFragment;
    std::string FFragmentText;
};
