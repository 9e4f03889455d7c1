// VYXMailMerge.h: filling a letter's merge fields from records: one document per record, or one for all.
//
// The document to fill holds the template (loaded by the caller); its body is
// taken apart and filled again with one copy per record. Fields understood:
//   MERGEFIELD name [\* Upper|Lower|Caps|FirstCap] [\# picture] [\@ picture] [\b text] [\f text]
//       (a name with blanks in quotes; "First Name" also finds First_Name and back)
//   IF left op right "then" "else"   (op one of = <> < <= > >=; operands may be nested fields)
//   MERGEREC (the record's number in the data, from 1), MERGESEQ (the number of records merged so far)
//   NEXT (the rest of the copy takes the next record), NEXTIF left op right,
//   SKIPIF left op right (the record is not merged)
// Other fields (PAGE, DATE, REF ...) stay as they are. Headers and footers are
// filled with the first record of the document. A merge field naming no data field
// gives warning 3502 once per name and an empty result.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/VYXLocale.h"

class TVYXLogDocEditor;
class TVYXLogParas;
class TVYXRecordSource;
class TVYXErrorManager;

// What a DOCX package's settings say about its merge (w:mailMerge); empty when it has none.
struct TVYXMailMergeSettings {
    bool Present = false;
    std::u16string MainDocumentType;  // formLetters, catalog, email, ...
    std::u16string DataType;          // native, odbc, textFile, ...
    std::u16string Query;             // the data source's query, as the settings store it
    std::u16string ConnectString;
    std::u16string DataSource;        // the data file the package relation names
    std::u16string Destination;       // newDocument, printer, email, fax
    int ActiveRecord = 0;             // 1-based; 0 when not given
    bool ViewMergedData = false;
};

// Reads w:mailMerge from the settings part of a DOCX file; raises when the file is no package.
TVYXMailMergeSettings VYXReadMailMergeSettings(const std::string& fileName);

class TVYXMailMerge {
public:
    explicit TVYXMailMerge(TVYXRecordSource& data, TVYXErrorManager* errors = nullptr);
    ~TVYXMailMerge();
    TVYXMailMerge(const TVYXMailMerge&) = delete;
    TVYXMailMerge& operator=(const TVYXMailMerge&) = delete;

    TVYXLocaleSettings Locale;

    // Every record from the first into `doc`, each copy starting on a new page.
    // Answers the number of records merged.
    int MergeAll(TVYXLogDocEditor& doc);
    // The next records into `doc`, one copy of its body (NEXT fields take further
    // records); the first call starts at the first record. Answers false, leaving
    // `doc` as it was, when no record is left.
    bool MergeNext(TVYXLogDocEditor& doc);

    // The evaluator used for the fields: the result of one instruction with the current record.
    std::optional<std::u16string> Evaluate(std::u16string_view instruction);

private:
    bool MergeCopy(TVYXLogParas& hold, TVYXLogParas& body);
    void FillSecondaries(TVYXLogDocEditor& doc);
    int FindField(std::u16string_view name);

    TVYXRecordSource& FData;
    TVYXErrorManager* FErrors;  // borrowed; nullptr: no warnings
    bool FStarted = false;
    int FRecNo = 0;   // 1-based number of the current record in the data
    int FSeq = 0;     // records merged so far
    bool FSkip = false;
    std::map<std::u16string, int> FWarned;  // missing field names already reported
};
