// CmdReport.cpp: `vyx report` (band reports) and `vyx merge` (form letters) from CSV, JSON or SQLite data.
//
//   vyx report TEMPLATE OUT --data FILE.csv|FILE.json|DB.sqlite [--query SQL] [--dataset NAME=SOURCE ...]
//   vyx merge TEMPLATE DATA OUT [--query SQL] [--split PATTERN]
//
// Templates and results go through the program's table of formats, so any format
// `vyx convert` reads or writes works here (DOCX, RTF, HTML, TXT, PDF out). The data
// file's kind comes from its extension (.csv, .tsv, .json, .sqlite/.sqlite3/.db). A
// data set takes the name of its file without extension; --dataset adds more, each
// SOURCE a data file or, with a database as --data, a query whose parameters
// (":Name") take the values of the main data set's current record (a detail query).
// Every template diagnostic is printed with its code, its text and the template
// paragraph it concerns; errors stop the command with exit code 1 and no output.
// With --split, OUT is a folder and each record is written to a file of its own,
// named by PATTERN with "{n}" the record's number and "{Field}" a field's value.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXPrintable.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"
#include "report/VYXCsvSource.h"
#include "report/VYXJsonSource.h"
#include "report/VYXMailMerge.h"
#include "report/VYXReport.h"
#include "report/VYXSqliteSource.h"
#include "tools/VyxCommands.h"
#include "tools/VyxDocuments.h"
#include "tools/VyxOutput.h"

namespace {
struct TReportOptions {
    std::string Template, Output, Data, Query, Split, Delimiter;
    std::vector<std::string> DataSets;
};

// The data sets of one run; the first is the main one.
struct TData {
    std::shared_ptr<TVYXSqliteDatabase> Database;
    std::vector<std::unique_ptr<TVYXRecordSource>> Sources;
    TVYXRecordSource& Main() { return *Sources.front(); }
};

bool IsDatabase(const std::string& ext) { return ext == ".SQLITE" || ext == ".SQLITE3" || ext == ".DB"; }

std::unique_ptr<TVYXRecordSource> LoadSource(TData& data, const std::string& file, const std::string& query,
                                             const std::string& delimiter, TVYXRecordSource* master)
{
    const std::string ext = VyxUpperExtension(file);
    std::unique_ptr<TVYXRecordSource> source;
    if (ext == ".CSV" || ext == ".TSV" || ext == ".TXT") {
        auto csv = std::make_unique<TVYXCsvSource>();
        TVYXCsvOptions options;
        options.DetectDelimiter = ext != ".TSV";
        if (ext == ".TSV")
            options.Delimiter = u'\t';
        if (!delimiter.empty()) {
            const std::u16string d = delimiter == "\\t" ? u"\t" : Utf8ToUtf16(delimiter);
            if (d.size() != 1)
                throw VYXException("the delimiter must be one character");
            options.Delimiter = d[0];
            options.DetectDelimiter = false;
        }
        csv->LoadFromFile(file, options);
        source = std::move(csv);
    } else if (ext == ".JSON") {
        auto json = std::make_unique<TVYXJsonSource>();
        json->LoadFromFile(file);
        source = std::move(json);
    } else if (IsDatabase(ext)) {
        if (query.empty())
            throw VYXException("a database needs a query (--query)");
        if (!data.Database)
            data.Database = TVYXSqliteSource::Open(file);
        auto sql = std::make_unique<TVYXSqliteSource>(data.Database, query, master);
        sql->Open();
        source = std::move(sql);
    } else {
        throw VYXException("Do not know how to read data of type \"" + ext + "\"");
    }
    source->Name = Utf8ToUtf16(std::filesystem::path(file).stem().string());
    return source;
}

void LoadData(TData& data, const TReportOptions& o)
{
    data.Sources.push_back(LoadSource(data, o.Data, o.Query, o.Delimiter, nullptr));
    for (const std::string& entry : o.DataSets) {
        const std::size_t eq = entry.find('=');
        if (eq == std::string::npos || eq == 0 || eq + 1 == entry.size())
            throw VYXException("--dataset takes NAME=SOURCE, not \"" + entry + "\"");
        const std::string name = entry.substr(0, eq);
        const std::string source = entry.substr(eq + 1);
        std::unique_ptr<TVYXRecordSource> ds;
        std::error_code ec;
        if (std::filesystem::is_regular_file(source, ec)) {
            ds = LoadSource(data, source, o.Query, o.Delimiter, nullptr);
        } else if (data.Database) {
            // A query on the main database, run again for every record of the main data set.
            auto sql = std::make_unique<TVYXSqliteSource>(data.Database, source, &data.Main());
            data.Main().First();
            sql->Open();
            ds = std::move(sql);
        } else {
            throw VYXException("no data file \"" + source + "\" for data set \"" + name + "\"");
        }
        ds->Name = Utf8ToUtf16(name);
        data.Sources.push_back(std::move(ds));
    }
}

void PrintDiagnostics(const char* command, const TVYXReport& report)
{
    for (const TVYXReportDiagnostic& d : report.Diagnostics())
        std::fprintf(stderr, "vyx %s: %s %d: %s (template paragraph \"%s\")\n", command,
                     d.Level == aelError ? "error" : "warning", d.Code, VYXPrintable(d.Text, 500).c_str(),
                     VYXPrintable(d.Place, 200).c_str());
}

void PrintWarnings(const char* command, const TVYXErrorManager& errors)
{
    for (int i = 0; i < errors.Text.Count(); ++i)
        std::fprintf(stderr, "vyx %s: warning %d: %s\n", command, static_cast<int>(errors.Text.Tag(i)),
                     VYXPrintable(errors.Text[i], 500).c_str());
}

int Fail(const char* command, const std::string& message)
{
    std::fprintf(stderr, "vyx %s: %s\n", command, VYXPrintable(message, 1000).c_str());
    return vyxFailed;
}

int RunReport(const TReportOptions& o)
{
    try {
        VyxCheckCanRead(o.Template);
        VyxCheckCanWrite(o.Output);
        TVyxOutputFile out(o.Output, {o.Template, o.Data});
        TData data;
        LoadData(data, o);
        TVYXReport report;
        report.SetDataSet(&data.Main());
        for (std::size_t i = 1; i < data.Sources.size(); ++i)
            report.AddDataSet(data.Sources[i]->Name, *data.Sources[i]);
        const std::string templateName = o.Template;
        report.SetTemplateLoader([templateName](TVYXLogDocEditor& doc) {
            TVyxFileOptions fo;
            VyxLoadDocument(templateName, doc, fo);
        });
        report.CreateTemplate();
        PrintDiagnostics("report", report);
        if (report.Errors().ErrorCount > 0)
            return vyxFailed;
        const std::size_t analysed = report.Diagnostics().size();
        report.CreateReport();
        for (std::size_t i = analysed; i < report.Diagnostics().size(); ++i) {
            const TVYXReportDiagnostic& d = report.Diagnostics()[i];
            std::fprintf(stderr, "vyx report: warning %d: %s (template paragraph \"%s\")\n", d.Code,
                         VYXPrintable(d.Text, 500).c_str(), VYXPrintable(d.Place, 200).c_str());
        }
        TVyxFileOptions fo;
        VYXWriteFile(out.TempName(), VyxSaveDocument(o.Output, report.Output(), fo));
        out.Commit();
        return vyxOk;
    } catch (const VYXException& e) {
        return Fail("report", e.what());
    }
}

// A file name for one record: "{n}" its number, "{Field}" a field's value; characters
// a file name cannot hold become "_".
std::string SplitName(const std::string& pattern, int number, const TVYXRecordSource& data)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t close = pattern[i] == '{' ? pattern.find('}', i) : std::string::npos;
        if (close == std::string::npos) {
            out += pattern[i];
            continue;
        }
        const std::string key = pattern.substr(i + 1, close - i - 1);
        std::string value;
        if (key == "n")
            value = std::to_string(number);
        else if (const int f = data.FindField(Utf8ToUtf16(key)); f >= 0)
            value = Utf16ToUtf8(data.AsString(f));
        for (char& c : value)
            if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' ||
                c == '|' || static_cast<unsigned char>(c) < 32)
                c = '_';
        out += value.empty() ? "_" : value;
        i = close;
    }
    return out;
}

int RunMerge(const TReportOptions& options)
{
    TReportOptions o = options;
    try {
        VyxCheckCanRead(o.Template);
        if (o.Split.empty())
            VyxCheckCanWrite(o.Output);
        else
            VyxCheckCanWrite(o.Split);
        if (o.Query.empty() && IsDatabase(VyxUpperExtension(o.Data)) && VyxUpperExtension(o.Template) == ".DOCX") {
            // The letter may carry its own query.
            const TVYXMailMergeSettings settings = VYXReadMailMergeSettings(o.Template);
            o.Query = Utf16ToUtf8(settings.Query);
        }
        TData data;
        LoadData(data, o);
        TVYXErrorManager errors;
        TVYXMailMerge merge(data.Main(), &errors);
        TVyxFileOptions fo;
        if (o.Split.empty()) {
            TVyxOutputFile out(o.Output, {o.Template, o.Data});
            TVYXLogDocEditor doc;
            VyxLoadDocument(o.Template, doc, fo);
            merge.MergeAll(doc);
            PrintWarnings("merge", errors);
            VYXWriteFile(out.TempName(), VyxSaveDocument(o.Output, doc, fo));
            out.Commit();
            return vyxOk;
        }
        std::filesystem::create_directories(o.Output);
        for (int n = 1;; ++n) {
            TVYXLogDocEditor doc;
            VyxLoadDocument(o.Template, doc, fo);
            const std::string name = SplitName(o.Split, n, data.Main());
            if (!merge.MergeNext(doc))
                break;
            const std::string target = (std::filesystem::path(o.Output) / name).string();
            TVyxOutputFile out(target, {o.Template, o.Data});
            VYXWriteFile(out.TempName(), VyxSaveDocument(target, doc, fo));
            out.Commit();
        }
        PrintWarnings("merge", errors);
        return vyxOk;
    } catch (const VYXException& e) {
        return Fail("merge", e.what());
    }
}
}  // namespace

void AddReportCommand(CLI::App& app)
{
    auto opts = std::make_shared<TReportOptions>();
    auto* cmd = app.add_subcommand("report", "Fill a band-report template from data (CSV, JSON or SQLite) into any output format");
    cmd->add_option("template", opts->Template, "Report template (.docx, .rtf, .html ...)")->required();
    cmd->add_option("output", opts->Output, "Document to write (.docx, .pdf, .rtf, .html, .txt)")->required();
    cmd->add_option("--data", opts->Data, "Main data set: FILE.csv, FILE.json or DB.sqlite")->required();
    cmd->add_option("--query", opts->Query, "The query for a database");
    cmd->add_option("--dataset", opts->DataSets, "Further data set NAME=SOURCE (a data file, or a query on the database)");
    cmd->add_option("--delimiter", opts->Delimiter, "Field delimiter of CSV data (default \",\", \"\\t\" for tab)");
    cmd->callback([opts] { gVyxExitCode = RunReport(*opts); });
}

void AddMergeCommand(CLI::App& app)
{
    auto opts = std::make_shared<TReportOptions>();
    auto* cmd = app.add_subcommand("merge", "Merge a form letter with data: one document for all records, or one per record");
    cmd->add_option("template", opts->Template, "Letter with merge fields (.docx, .rtf ...)")->required();
    cmd->add_option("data", opts->Data, "Records: FILE.csv, FILE.json or DB.sqlite")->required();
    cmd->add_option("output", opts->Output, "Document to write, or with --split the folder for the letters")->required();
    cmd->add_option("--query", opts->Query, "The query for a database (default: the letter's own merge query)");
    cmd->add_option("--split", opts->Split, "One file per record named by PATTERN: {n} the number, {Field} a value");
    cmd->add_option("--delimiter", opts->Delimiter, "Field delimiter of CSV data (default \",\", \"\\t\" for tab)");
    cmd->callback([opts] { gVyxExitCode = RunMerge(*opts); });
}
