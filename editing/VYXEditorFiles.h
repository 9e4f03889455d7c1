// VYXEditorFiles.h: what the facade's file loading and saving offers besides its members.
//
// TVYXEditor::LoadFromFile, SaveToFile and the stream forms are defined in
// VYXEditorFiles.cpp, in the library vyx_files above the readers and writers; a
// host that loads or saves links vyx_files.
#pragma once

class TVYXEditor;
class TVYXStream;

enum TXLSKnownFiletype {
    xkftUnknown, xkftCompound, xkftZIP, xkftXLSX, xkftDOCX, xkftODT, xkftRTF, xkftXLS5, xkftXLS97,
    xkftEncryptedXLSX, xkftEncryptedDOCX
};

// The kind of file the first bytes announce: D0 CF 11 E0 A1 a compound file (here an
// encrypted package), "PK" 3 a zip package, "{\rt" RTF, anything else unknown. The
// stream's position is left where it was.
TXLSKnownFiletype FileTypeFromMagic(TVYXStream& stream);

// Gives the editor's clipboard commands the RTF reader and writer (copy puts RTF,
// paste and vycInsertRTFStreamAtCaret read it).
void VYXAttachFormats(TVYXEditor& editor);
