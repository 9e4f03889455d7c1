// VYXSqliteSource.cpp: the SQLite record source.
#include "report/VYXSqliteSource.h"

#include <sqlite3.h>

#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

class TVYXSqliteDatabase {
public:
    explicit TVYXSqliteDatabase(const std::string& fileName)
    {
        if (sqlite3_open_v2(fileName.c_str(), &FDb, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            const std::string message = FDb ? sqlite3_errmsg(FDb) : "out of memory";
            sqlite3_close(FDb);
            FDb = nullptr;
            throw VYXException("SQLite: can not open \"" + fileName + "\": " + message);
        }
        // A query over a huge table must not hang a report for ever: give up after 10 s of busy waiting.
        sqlite3_busy_timeout(FDb, 10000);
    }
    TVYXSqliteDatabase(const TVYXSqliteDatabase&) = delete;
    TVYXSqliteDatabase& operator=(const TVYXSqliteDatabase&) = delete;
    ~TVYXSqliteDatabase() { sqlite3_close(FDb); }
    sqlite3* Handle() const { return FDb; }

private:
    sqlite3* FDb = nullptr;
};

namespace {
class TStatement {
public:
    TStatement(sqlite3* db, const std::string& sql)
    {
        if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &FStmt, nullptr) != SQLITE_OK)
            throw VYXException(std::string("SQLite: ") + sqlite3_errmsg(db));
        if (!FStmt)
            throw VYXException("SQLite: the query is empty");
    }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;
    ~TStatement() { sqlite3_finalize(FStmt); }
    sqlite3_stmt* Get() const { return FStmt; }

private:
    sqlite3_stmt* FStmt = nullptr;
};

bool Contains(const std::string& upper, const char* word) { return upper.find(word) != std::string::npos; }

TVYXFieldType DeclaredType(const char* declared, int firstRowType)
{
    if (declared) {
        const std::string t = AsciiUpper(declared);
        if (Contains(t, "BOOL"))
            return avftBoolean;
        if (Contains(t, "DATETIME") || Contains(t, "TIMESTAMP"))
            return avftDateTime;
        if (Contains(t, "DATE"))
            return avftDate;
        if (Contains(t, "TIME"))
            return avftTime;
        if (Contains(t, "INT"))
            return avftInteger;
        if (Contains(t, "REAL") || Contains(t, "FLOA") || Contains(t, "DOUB") || Contains(t, "NUMERIC") ||
            Contains(t, "DECIMAL"))
            return avftFloat;
        if (!t.empty())
            return avftString;
    }
    if (firstRowType == SQLITE_INTEGER)
        return avftInteger;
    if (firstRowType == SQLITE_FLOAT)
        return avftFloat;
    return avftString;
}

std::u16string ColumnText(sqlite3_stmt* stmt, int col)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, col));
    const int size = sqlite3_column_bytes(stmt, col);
    if (!text)
        return {};
    const std::string_view bytes(text, static_cast<std::size_t>(size));
    // Text stored with bad bytes shows as replacement characters rather than stopping the report.
    return Utf8ToUtf16(bytes);
}
}  // namespace

TVYXSqliteSource::TVYXSqliteSource(std::shared_ptr<TVYXSqliteDatabase> database, std::string query,
                                   TVYXRecordSource* master)
    : FDatabase(std::move(database)), FQuery(std::move(query)), FMaster(master),
      FRows(std::make_unique<TVYXMemorySource>())
{
}

TVYXSqliteSource::~TVYXSqliteSource() = default;

std::shared_ptr<TVYXSqliteDatabase> TVYXSqliteSource::Open(const std::string& fileName)
{
    return std::make_shared<TVYXSqliteDatabase>(fileName);
}

int TVYXSqliteSource::FieldCount() const { return FRows->FieldCount(); }
const std::u16string& TVYXSqliteSource::FieldName(int field) const { return FRows->FieldName(field); }
TVYXFieldType TVYXSqliteSource::FieldType(int field) const { return FRows->FieldType(field); }

void TVYXSqliteSource::Open() { First(); }

void TVYXSqliteSource::First()
{
    sqlite3* db = FDatabase->Handle();
    TStatement stmt(db, FQuery);
    sqlite3_stmt* s = stmt.Get();
    for (int p = 1; p <= sqlite3_bind_parameter_count(s); ++p) {
        const char* name = sqlite3_bind_parameter_name(s, p);
        const int field = (name && FMaster) ? FMaster->FindField(Utf8ToUtf16(name + 1)) : -1;
        if (field < 0) {
            sqlite3_bind_null(s, p);
            continue;
        }
        const TVYXFieldValue v = FMaster->Value(field);
        const TVYXFieldType type = FMaster->FieldType(field);
        if (v.Null)
            sqlite3_bind_null(s, p);
        else if (type == avftInteger || type == avftBoolean)
            sqlite3_bind_int64(s, p, static_cast<sqlite3_int64>(v.Num));
        else if (type == avftFloat)
            sqlite3_bind_double(s, p, v.Num);
        else {
            const std::string text = Utf16ToUtf8(v.Text);
            sqlite3_bind_text(s, p, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        }
    }
    auto rows = std::make_unique<TVYXMemorySource>();
    rows->Name = Name;
    const int cols = sqlite3_column_count(s);
    bool typed = false;
    for (;;) {
        const int rc = sqlite3_step(s);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            throw VYXException(std::string("SQLite: ") + sqlite3_errmsg(db));
        if (!typed) {
            for (int c = 0; c < cols; ++c) {
                const char* name = sqlite3_column_name(s, c);
                rows->AddField(Utf8ToUtf16(name ? name : ""),
                               DeclaredType(sqlite3_column_decltype(s, c), sqlite3_column_type(s, c)));
            }
            typed = true;
        }
        rows->AppendRecord();
        for (int c = 0; c < cols; ++c) {
            if (sqlite3_column_type(s, c) == SQLITE_NULL)
                continue;
            TVYXFieldValue v;
            const TVYXFieldType type = rows->FieldType(c);
            v.Text = ColumnText(s, c);
            v.Null = false;
            if (type == avftInteger || type == avftFloat || type == avftBoolean) {
                const int stored = sqlite3_column_type(s, c);
                if (stored == SQLITE_INTEGER || stored == SQLITE_FLOAT)
                    v.Num = sqlite3_column_double(s, c);
                else
                    VYXReadFieldText(v.Text, type, v);
            } else if (type != avftString) {
                VYXReadFieldText(v.Text, type, v);
            }
            rows->SetValue(c, std::move(v));
        }
    }
    if (!typed)  // no rows: the fields still come from the statement
        for (int c = 0; c < cols; ++c) {
            const char* name = sqlite3_column_name(s, c);
            rows->AddField(Utf8ToUtf16(name ? name : ""), DeclaredType(sqlite3_column_decltype(s, c), SQLITE_NULL));
        }
    rows->First();
    FRows = std::move(rows);
}
