// VYXClipboardFormat.h: the kinds of content a clipboard holds, shared by the model's definitions and the clipboard.
#pragma once

enum TVYXClipboardFormat { acfNone, acfRTF, acfHTML, acfText, acfAnsiText, acfBitmap, acfMetafile };
