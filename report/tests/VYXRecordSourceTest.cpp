// VYXRecordSourceTest.cpp: CSV, JSON and SQLite record sources on real files and hostile text.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"
#include "report/VYXCsvSource.h"
#include "report/VYXJsonSource.h"
#include "report/VYXSqliteSource.h"

namespace {
std::string DataPath(const char* name) { return std::string(VYX_TEST_DATA_DIR) + "/" + name; }

std::string Text(const TVYXRecordSource& s, const char* field) { return U8(s.AsString(s.FindField(U16(field)))); }

double Num(const TVYXRecordSource& s, const char* field) { return s.Value(s.FindField(U16(field))).Num; }
}  // namespace

TEST(RecordSources, CsvHardData)
{
    TVYXCsvSource csv;
    csv.LoadFromFile(DataPath("letters.csv"));
    ASSERT_EQ(csv.FieldCount(), 6);
    EXPECT_EQ(U8(csv.FieldName(0)), "Name");  // the byte-order mark is not part of the name
    EXPECT_EQ(csv.RecordCount(), 3);
    EXPECT_EQ(csv.FieldType(csv.FindField(u"amount")), avftFloat);
    EXPECT_EQ(csv.FieldType(csv.FindField(u"Born")), avftDate);
    EXPECT_EQ(csv.FieldType(csv.FindField(u"Member")), avftBoolean);
    EXPECT_EQ(csv.FieldType(csv.FindField(u"City")), avftString);

    csv.First();
    EXPECT_EQ(Text(csv, "Name"), "Müller, Jürgen");
    EXPECT_EQ(Text(csv, "Note"), "He said \"hi\"");
    EXPECT_DOUBLE_EQ(Num(csv, "Amount"), 1234.5);
    EXPECT_DOUBLE_EQ(Num(csv, "Born"), 21975);  // 1960-02-29, a leap day, as a serial
    csv.Next();
    EXPECT_EQ(Text(csv, "Name"), "张伟");
    EXPECT_EQ(Text(csv, "Note"), "two\r\nlines");
    EXPECT_DOUBLE_EQ(Num(csv, "Amount"), -0.75);
    EXPECT_DOUBLE_EQ(Num(csv, "Born"), 36585);  // 2000-02-29
    csv.Next();
    EXPECT_TRUE(csv.Value(csv.FindField(u"City")).Null);
    EXPECT_EQ(Text(csv, "Amount"), "12345678901234567890");  // the text stays exact beyond double precision
    EXPECT_EQ(Text(csv, "Note"), "");
    csv.Next();
    EXPECT_TRUE(csv.Eof());
    EXPECT_TRUE(csv.Value(0).Null);
}

TEST(RecordSources, CsvDelimitersDeclarationsAndErrors)
{
    TVYXCsvOptions semicolon;
    semicolon.Delimiter = u';';
    semicolon.Types[u"Zip"] = avftString;
    TVYXCsvSource csv;
    csv.LoadFromString("Zip;Total\n007;1,5\n010;2\n", semicolon);
    EXPECT_EQ(csv.FieldType(0), avftString);  // declared: leading zeros are not a number
    EXPECT_EQ(csv.FieldType(1), avftString);  // "1,5" is no number with "." decimals
    EXPECT_EQ(Text(csv, "Zip"), "007");

    TVYXCsvOptions noHeader;
    noHeader.Header = false;
    csv.LoadFromString("a,1\nb,2", noHeader);  // no newline at the end
    EXPECT_EQ(U8(csv.FieldName(1)), "Field2");
    EXPECT_EQ(csv.RecordCount(), 2);
    EXPECT_EQ(csv.FieldType(1), avftInteger);

    csv.LoadFromString("A,B\n1\n\n2,3,,\n");  // a short record leaves nulls; blank lines are no records
    EXPECT_EQ(csv.RecordCount(), 2);
    EXPECT_TRUE(csv.Value(1).Null);

    const struct {
        const char* Text;
        const char* Message;
    } bad[] = {
        {"A\n\"open", "CSV: unterminated quoted field in line 2"},
        {"A\nx\"y\n", "CSV: quote inside an unquoted field in line 2"},
        {"A\n\"x\"y\n", "CSV: text after a closing quote in line 2"},
        {"A\n1,2\n", "CSV: record 2 has 2 fields, the header 1"},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(b.Text);
        try {
            csv.LoadFromString(b.Text);
            ADD_FAILURE() << "no exception";
        } catch (const VYXException& e) {
            EXPECT_STREQ(e.what(), b.Message);
        }
    }
    // Spreadsheet exports: an 8-bit code page, UTF-16 with its mark, ";" found by itself.
    TVYXCsvOptions detect;
    detect.DetectDelimiter = true;
    csv.LoadFromString("Name;Amount\nM\xfcller, J.;1,5\n", detect);
    EXPECT_EQ(csv.FieldCount(), 2);
    EXPECT_EQ(Text(csv, "Name"), "Müller, J.");
    csv.LoadFromString(std::string("\xFF\xFE" "A\0\t\0B\0\n\0\x20\x6C\t\0" "2\0", 16), detect);
    EXPECT_EQ(csv.FieldCount(), 2);
    EXPECT_EQ(Text(csv, "A"), "氠");
    EXPECT_EQ(Text(csv, "B"), "2");

    TVYXCsvOptions unknown;
    unknown.Types[u"Nope"] = avftInteger;
    EXPECT_THROW(csv.LoadFromString("A\n1\n", unknown), VYXException);
}

TEST(RecordSources, JsonRecordsAndDetails)
{
    TVYXJsonSource json;
    json.LoadFromFile(DataPath("orders.json"));
    EXPECT_EQ(json.RecordCount(), 3);
    EXPECT_EQ(json.FieldType(json.FindField(u"Id")), avftInteger);
    EXPECT_EQ(json.FieldType(json.FindField(u"Since")), avftDate);
    json.First();
    TVYXRecordSource* orders = json.Detail(u"orders");
    ASSERT_NE(orders, nullptr);
    EXPECT_EQ(orders->RecordCount(), 2);
    EXPECT_EQ(orders->FieldType(orders->FindField(u"Price")), avftFloat);  // 0.25 and 0.1: all floats
    double total = 0;
    for (orders->First(); !orders->Eof(); orders->Next())
        total += Num(*orders, "Qty") * Num(*orders, "Price");
    EXPECT_DOUBLE_EQ(total, 3.0);
    EXPECT_TRUE(json.Value(json.FindField(u"Since")).Null);
    json.Next();
    EXPECT_EQ(json.Detail(u"Orders")->RecordCount(), 1);
    EXPECT_EQ(Text(json, "Since"), "2024-02-29");
    json.Next();
    EXPECT_EQ(json.Detail(u"Orders"), nullptr);  // an empty array has no records to show
    EXPECT_EQ(Text(json, "Orders"), "[]");

    json.LoadFromString(R"({"Name": "only", "Mixed": 1})");
    EXPECT_EQ(json.RecordCount(), 1);
    json.LoadFromString(R"({"rows": [{"Mixed": 1}, {"Mixed": "x"}, {"Mixed": null}]})");
    EXPECT_EQ(json.RecordCount(), 3);
    EXPECT_EQ(json.FieldType(0), avftString);

    for (const char* bad : {"", "[", "[1,2]", "\"text\"", "[{\"a\":1},]", "[{\"a\": \"\xff\"}]"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(json.LoadFromString(bad), VYXException);
    }
    EXPECT_THROW(json.LoadFromString(std::string(100000, '[') + std::string(100000, ']')), VYXException);
}

TEST(RecordSources, SqliteMasterDetail)
{
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("vyx-report-" + std::to_string(::getpid()) + ".sqlite");
    std::filesystem::remove(file);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.string().c_str(), &db), SQLITE_OK);
    const char* sql =
        "CREATE TABLE Customer (Id INTEGER, Name TEXT, Since DATE, Active BOOLEAN);"
        "INSERT INTO Customer VALUES (1, 'Ærø Fisk', '2020-02-29', 1), (2, 'O''Brien', NULL, 0);"
        "CREATE TABLE Orders (CustomerId INTEGER, Amount REAL);"
        "INSERT INTO Orders VALUES (1, 10.5), (1, -2.25), (2, 1e9);";
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    auto database = TVYXSqliteSource::Open(file.string());
    TVYXSqliteSource customers(database, "SELECT * FROM Customer ORDER BY Id");
    TVYXSqliteSource orders(database, "SELECT Amount FROM Orders WHERE CustomerId = :Id", &customers);
    customers.First();
    EXPECT_EQ(customers.FieldType(customers.FindField(u"Since")), avftDate);
    EXPECT_EQ(customers.FieldType(customers.FindField(u"Active")), avftBoolean);
    EXPECT_EQ(Text(customers, "Name"), "Ærø Fisk");
    EXPECT_DOUBLE_EQ(Num(customers, "Since"), 43890);  // 2020-02-29
    std::vector<double> sums;
    for (customers.First(); !customers.Eof(); customers.Next()) {
        double sum = 0;
        for (orders.First(); !orders.Eof(); orders.Next())
            sum += Num(orders, "Amount");
        sums.push_back(sum);
    }
    EXPECT_EQ(sums, (std::vector<double>{8.25, 1e9}));

    TVYXSqliteSource bad(database, "SELECT * FROM Nowhere");
    try {
        bad.First();
        ADD_FAILURE() << "no exception";
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "SQLite: no such table: Nowhere");
    }
    TVYXSqliteSource write(database, "DELETE FROM Orders");
    EXPECT_THROW(write.First(), VYXException);  // the database is opened read-only
    EXPECT_THROW(TVYXSqliteSource::Open((file.parent_path() / "missing-dir/x.sqlite").string()), VYXException);
    database.reset();
    std::filesystem::remove(file);
}
