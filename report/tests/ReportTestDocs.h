// ReportTestDocs.h: templates for the report and merge tests, built through the editor and read back from DOCX.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TVYXLogDocEditor;
class TVYXLogPara;

// A complex field whose instruction is split over several runs, as editors leave it.
void AddSplitField(TVYXLogPara& para, std::initializer_list<std::u16string_view> instructionParts,
                   std::u16string_view shown);
// A complex field with one nested field in its instruction: `before` {nested} `after`.
void AddNestedField(TVYXLogPara& para, std::u16string_view before, std::u16string_view nested,
                    std::u16string_view after);
// Writes `doc` as DOCX and reads it into `into`: templates go through the real reader.
void DocxRoundTrip(TVYXLogDocEditor& doc, TVYXLogDocEditor& into);
std::string DocxBytes(TVYXLogDocEditor& doc);
void ReadDocxBytes(const std::string& bytes, TVYXLogDocEditor& into);
// The body's plain text with "|" between paragraphs.
std::string BodyText(const TVYXLogDocEditor& doc);
// Compares `actual` with the golden file report/tests/data/<name>; VYX_UPDATE_GOLDEN=1 rewrites it.
void ExpectGolden(const std::string& actual, const std::string& name);

class TVYXComment;
class TVYXTable;

// Builds report templates: paragraphs whose "{code}" parts become complex fields,
// and band comments around them.
class TTemplateBuilder {
public:
    explicit TTemplateBuilder(TVYXLogDocEditor& doc) : FDoc(doc) {}
    // A paragraph; the band comments opened before it start here.
    TVYXLogPara& Para(std::u16string_view markup);
    // The same at the end of another list of the document (a text box's editor).
    TVYXLogPara& ParaIn(TVYXLogDocEditor& list, std::u16string_view markup);
    // Fills an existing paragraph (a table cell's) with markup.
    void Fill(TVYXLogPara& para, std::u16string_view markup);
    // A band comment ("-band\nname: X", lines split at "\n") that starts at the next paragraph.
    void Open(std::u16string_view comment);
    // Starts the comment in `para` (a table cell), as Open does for the next paragraph.
    void OpenAt(TVYXLogPara& para, std::u16string_view comment);
    // Closes the innermost open comment at the end of the last paragraph (or of `para`).
    void Close();
    void CloseAt(TVYXLogPara& para);
    // Closes the outermost open comment at the end of `para` (for crossing ranges).
    void CloseOuterAt(TVYXLogPara& para);
    TVYXLogDocEditor& Doc() { return FDoc; }
    // Fields as simple fields, "MERGEFIELD code" (formulas as they are), the way RTF keeps them.
    bool SimpleMergeFields = false;

private:
    TVYXLogDocEditor& FDoc;
    std::vector<std::u16string> FPending;
    std::vector<TVYXComment*> FOpen;
    TVYXLogPara* FLast = nullptr;
};
