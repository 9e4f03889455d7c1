// VYXRtfClipboard.h: RTF on the clipboard: copy writes it, paste reads it.
#pragma once

class TVYXClipboardCmd;
class TVYXLogDocEditor;

// Registers the RTF reader and writer with a document's clipboard commands: a copy
// puts the copied range as RTF beside the text, a paste of RTF reads it into a
// scratch list over `doc` that is inserted only when the read succeeded. `doc` is
// the document `cmd` works on; both must outlive the registration's use.
void VYXInstallRtfClipboard(TVYXClipboardCmd& cmd, TVYXLogDocEditor& doc);
