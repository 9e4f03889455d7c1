// VYXUndoFileLoad.cpp: corpus files loaded for the undo file tests.
#include "editing/tests/VYXUndoExpect.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadRTF.h"
#include "platform/VYXException.h"

bool VYXUndoLoadFile(TVYXLogDocEditor& doc, const std::filesystem::path& file)
{
    try {
        if (file.extension() == ".rtf") {
            TVYXReadRTF reader(doc);
            reader.LoadFromFile(file.string());
        } else {
            TVYXReadDOCX reader(doc);
            reader.LoadFromFile(file.string());
        }
    } catch (const VYXException&) {
        return false;
    }
    return true;
}
