// VyxDocuments.h: documents loaded and saved by the extension of their file name, as the commands call it.
//
// The table of file formats itself lives in the files library beside the editor
// facade (editing/VYXFileFormats.h), so that the program and the facade read and
// write through the same rows; a new format adds its row there. These are the
// names the commands use for it.
#pragma once

#include <string>

#include "editing/VYXFileFormats.h"

using TVyxFileOptions = TVYXFileOptions;

inline std::string VyxUpperExtension(const std::string& fileName) { return VYXUpperExtension(fileName); }
inline void VyxCheckCanRead(const std::string& fileName) { VYXCheckCanRead(fileName); }
inline void VyxCheckCanWrite(const std::string& fileName) { VYXCheckCanWrite(fileName); }

inline void VyxLoadDocument(const std::string& fileName, TVYXLogDocEditor& doc, TVyxFileOptions& options)
{
    VYXLoadDocument(fileName, doc, options);
}

// HTML pages carry their pictures inside, since the commands write one file.
inline std::string VyxSaveDocument(const std::string& fileName, TVYXLogDocEditor& doc, const TVyxFileOptions& options)
{
    return VYXSaveDocument(fileName, doc, options);
}
