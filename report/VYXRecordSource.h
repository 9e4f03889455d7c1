// VYXRecordSource.h: the records a report or a merge reads: named, typed fields walked with First/Next/Eof.
//
// A source answers its fields by index (FindField by name, ASCII case-insensitive)
// and the current record's values. Dates and times are serial days since
// 1899-12-30, as the formula engine counts them; booleans are 0 or 1. Every value
// also keeps the text it was read from (Text), so "007" or a 30-digit amount shows
// exactly as the data had it while masks format the number.
//
// Detail data sets belong to the current record (a JSON record's nested array, a
// detail query run with the master's values): Detail(name) answers the source for
// the current record and stays valid until the master moves.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum TVYXFieldType { avftString, avftInteger, avftFloat, avftBoolean, avftDate, avftTime, avftDateTime };

struct TVYXFieldValue {
    bool Null = true;
    double Num = 0;       // numbers, booleans (0/1), date and time serials
    std::u16string Text;  // as read
};

// The type name used in declarations and messages ("integer", "date", ...); nullptr-free.
std::u16string_view VYXFieldTypeName(TVYXFieldType type);
// The type of a name given by a user (case-insensitive); false when unknown.
bool VYXFieldTypeOf(std::u16string_view name, TVYXFieldType& type);
// Reads "yyyy-mm-dd", "yyyy-mm-ddThh:mm[:ss]" or "hh:mm[:ss]" into a serial; false when it is none of them
// or names no real day (2023-02-29).
bool VYXParseIsoDateTime(std::u16string_view text, double& serial, TVYXFieldType& type);

class TVYXRecordSource {
public:
    TVYXRecordSource() = default;
    TVYXRecordSource(const TVYXRecordSource&) = delete;
    TVYXRecordSource& operator=(const TVYXRecordSource&) = delete;
    virtual ~TVYXRecordSource() = default;

    std::u16string Name;

    virtual int FieldCount() const = 0;
    virtual const std::u16string& FieldName(int field) const = 0;
    virtual TVYXFieldType FieldType(int field) const = 0;
    // The index of the field called `name` (ASCII case-insensitive), -1 when none.
    int FindField(std::u16string_view name) const;

    virtual void First() = 0;
    virtual void Next() = 0;
    virtual bool Eof() const = 0;
    // The number of records; -1 when the source cannot tell without reading.
    virtual int RecordCount() const { return -1; }

    // The current record's value of `field`; a null value past the end.
    virtual TVYXFieldValue Value(int field) const = 0;
    // The value's text: the text it was read from, "" for null.
    std::u16string AsString(int field) const { return Value(field).Text; }

    // A detail data set of the current record; nullptr when there is none of that name.
    virtual TVYXRecordSource* Detail(std::u16string_view name);
};

// Records held in memory: CSV and JSON read into it, user data sets are made of it.
class TVYXMemorySource : public TVYXRecordSource {
public:
    int FieldCount() const override { return static_cast<int>(FFields.size()); }
    const std::u16string& FieldName(int field) const override { return FFields.at(static_cast<std::size_t>(field)).Name; }
    TVYXFieldType FieldType(int field) const override { return FFields.at(static_cast<std::size_t>(field)).Type; }
    void SetFieldType(int field, TVYXFieldType type) { FFields.at(static_cast<std::size_t>(field)).Type = type; }
    // Adds a field (every record gets a null value); answers its index.
    int AddField(std::u16string_view name, TVYXFieldType type = avftString);

    void First() override { FCurrent = 0; }
    void Next() override
    {
        if (FCurrent < RecordCount())
            ++FCurrent;
    }
    bool Eof() const override { return FCurrent >= RecordCount(); }
    int RecordCount() const override { return static_cast<int>(FRecords.size()); }
    int RecNo() const { return FCurrent; }

    TVYXFieldValue Value(int field) const override;
    TVYXRecordSource* Detail(std::u16string_view name) override;

    // Appends an empty record and makes it current.
    void AppendRecord();
    // Sets a value of the current record (a record is appended when there is none).
    void SetValue(int field, TVYXFieldValue value);
    // Sets the text of a value of the current record and reads it by the field's type.
    void SetText(int field, std::u16string_view text);
    // The detail data set `name` of the current record, created empty when missing.
    TVYXMemorySource& AddDetail(std::u16string_view name);
    void Clear();
    // Drops the records and keeps the fields (a user data set filled again for each run).
    void ClearRecords()
    {
        FRecords.clear();
        FCurrent = 0;
    }

    // Gives every field whose type is still string the narrowest type all its
    // non-empty values read as (integer, float, boolean, date, time), and reads the values.
    void InferTypes();
    // Reads the texts of one field again by the field's type (after a declaration).
    void ConvertField(int field);

private:
    struct TField {
        std::u16string Name;
        TVYXFieldType Type = avftString;
    };
    struct TRecord {
        std::vector<TVYXFieldValue> Values;
        std::map<std::u16string, std::unique_ptr<TVYXMemorySource>> Details;  // by upper-cased name
    };
    std::vector<TField> FFields;
    std::vector<TRecord> FRecords;
    int FCurrent = 0;
};

// The text's value read as `type`; false (and a null number) when it does not read so.
bool VYXReadFieldText(std::u16string_view text, TVYXFieldType type, TVYXFieldValue& value);
