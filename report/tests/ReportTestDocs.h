// ReportTestDocs.h: templates for the report and merge tests, built through the editor and read back from DOCX.
#pragma once

#include <string>
#include <string_view>

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
