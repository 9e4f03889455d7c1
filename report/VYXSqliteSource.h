// VYXSqliteSource.h: records from an SQLite database: a file and a query.
//
// The query runs on First() and its rows are read into memory, so Next and Value
// never touch the database and a report may walk the rows again. A detail source
// names its master: its query's parameters (":name", "@name", "$name") take the
// values of the master's fields of that name on every First(), which is how a
// report runs one detail query per master record. A parameter that names no
// master field is bound as null.
// Column types come from the declared column type (INTEGER, REAL/FLOAT/DOUBLE/
// NUMERIC, BOOLEAN, DATE, TIME, DATETIME/TIMESTAMP, else string), else from the
// values of the first row.
// Errors (no such file, SQL that does not prepare, a failing step) raise
// VYXException with SQLite's message. The database is opened read-only.
#pragma once

#include <memory>
#include <string>

#include "report/VYXRecordSource.h"

class TVYXSqliteDatabase;

class TVYXSqliteSource : public TVYXRecordSource {
public:
    // `database` is shared by the master and its detail sources: one connection per file.
    TVYXSqliteSource(std::shared_ptr<TVYXSqliteDatabase> database, std::string query,
                     TVYXRecordSource* master = nullptr);
    ~TVYXSqliteSource() override;

    // Opens the file read-only; raises when it cannot.
    static std::shared_ptr<TVYXSqliteDatabase> Open(const std::string& fileName);

    int FieldCount() const override;
    const std::u16string& FieldName(int field) const override;
    TVYXFieldType FieldType(int field) const override;
    void First() override;
    void Next() override { FRows->Next(); }
    bool Eof() const override { return FRows->Eof(); }
    int RecordCount() const override { return FRows->RecordCount(); }
    TVYXFieldValue Value(int field) const override { return FRows->Value(field); }

    // Runs the query once to learn the fields (a detail source with its master's current values).
    void Open();

private:
    std::shared_ptr<TVYXSqliteDatabase> FDatabase;  // shared: master and details use one connection
    std::string FQuery;
    TVYXRecordSource* FMaster;  // borrowed
    std::unique_ptr<TVYXMemorySource> FRows;
};
