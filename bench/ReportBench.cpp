// ReportBench.cpp: a 10,000-row table report to DOCX, spanning cells and labels over 10,000 records,
// 12,000 merge fields in one letter, a 1,000-page report to PDF.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "editing/VYXLogEditor.h"
#include "formats/VYXWriteDOCX.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXLogPara.h"
#include "model/VYXTable.h"
#include "pdf/VYXWritePDF.h"
#include "platform/VYXUnicode.h"
#include "report/VYXMailMerge.h"
#include "report/VYXRecordSource.h"
#include "report/VYXReport.h"

namespace {
void AddField(TVYXLogPara& para, std::u16string_view instruction)
{
    TVYXCharRuns& runs = para.CharRuns();
    runs.AddFldChar(acrfctBegin);
    runs.AddInstrText(instruction);
    runs.AddFldChar(acrfctSeparate);
    runs.Add()->SetText(u"«x»");
    runs.AddFldChar(acrfctEnd);
}

void Comment(TVYXLogDocEditor& doc, TVYXLogPara& first, TVYXLogPara& last, std::u16string_view text)
{
    auto c = std::make_unique<TVYXComment>();
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == u'\n') {
            c->Text.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    TVYXComment* raw = first.AppendComment(doc.Comments(), std::move(c));
    TVYXCharRuns& runs = first.CharRuns();
    runs.Insert(0, runs.Detach(runs.Count() - 1));
    last.EndComment(*raw);
}

std::unique_ptr<TVYXMemorySource> Orders(int rows)
{
    auto data = std::make_unique<TVYXMemorySource>();
    data->Name = u"Orders";
    data->AddField(u"Id", avftInteger);
    data->AddField(u"Customer");
    data->AddField(u"Amount", avftFloat);
    data->AddField(u"Group", avftInteger);  // runs of 25 equal values
    for (int i = 0; i < rows; ++i) {
        data->AppendRecord();
        data->SetText(0, U16(std::to_string(i + 1)));
        data->SetText(1, U16("Customer number " + std::to_string(i % 97)));
        data->SetText(2, U16(std::to_string((i * 37) % 10000) + ".25"));
        data->SetText(3, U16(std::to_string(i / 25)));
    }
    return data;
}

// Heading, then a table whose second row is a row band over every order.
void TableTemplate(TVYXLogDocEditor& doc)
{
    doc.AppendParaUI(u"Orders");
    TVYXTable& table = doc.AppendTableUI(3, 2);
    doc.CellPara(table, 0, 0).Append(u"Id");
    doc.CellPara(table, 1, 0).Append(u"Customer");
    doc.CellPara(table, 2, 0).Append(u"Amount");
    AddField(doc.CellPara(table, 0, 1), u"Id");
    AddField(doc.CellPara(table, 1, 1), u"Customer");
    AddField(doc.CellPara(table, 2, 1), u"Amount \\* mask:#,##0.00");
    Comment(doc, doc.CellPara(table, 0, 1), doc.CellPara(table, 2, 1), u"-band\nname: Rows\ncolors: (255,255,255),(230,230,230)");
    TVYXLogPara& total = doc.AppendParaUI(u"Total ");
    AddField(total, u"=Rows.Amount.SUM");
}

void BM_TableReportToDocx(benchmark::State& state)
{
    auto data = Orders(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        TVYXReport report;
        report.SetDataSet(data.get());
        report.SetTemplateLoader(TableTemplate);
        report.CreateReport();
        bytes = TVYXWriteDOCX(report.Output()).SaveToBytes().size();
    }
    state.counters["docx_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_TableReportToDocx)->Arg(10000)->Unit(benchmark::kMillisecond);

// 10,000 rows whose customer cell spans its run of equal values, then the same records
// as labels, four cells a row: the table layouts that copy and merge cells per record.
void BM_SpansAndLabelsToDocx(benchmark::State& state)
{
    auto data = Orders(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TVYXReport report;
        report.SetDataSet(data.get());
        report.SetTemplateLoader([](TVYXLogDocEditor& doc) {
            TVYXTable& rows = doc.AppendTableUI(2, 1);
            AddField(doc.CellPara(rows, 0, 0), u"Group \\* fieldtype:cell");
            AddField(doc.CellPara(rows, 1, 0), u"Amount \\* mask:#,##0.00");
            Comment(doc, doc.CellPara(rows, 0, 0), doc.CellPara(rows, 1, 0), u"-band\nname: Rows");
            TVYXTable& labels = doc.AppendTableUI(4, 1);
            AddField(doc.CellPara(labels, 0, 0), u"Customer \\* upper");
            Comment(doc, doc.CellPara(labels, 0, 0), doc.CellPara(labels, 0, 0), u"-band\nname: Labels\nfilltable: true");
        });
        report.CreateReport();
        benchmark::DoNotOptimize(TVYXWriteDOCX(report.Output()).SaveToBytes());
    }
}
BENCHMARK(BM_SpansAndLabelsToDocx)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_MergeFieldsInOneLetter(benchmark::State& state)
{
    TVYXMemorySource data;
    data.AddField(u"Name");
    data.AddField(u"Amount", avftFloat);
    data.AppendRecord();
    data.SetText(0, u"Zoë Ærø");
    data.SetText(1, u"-1234.5");
    const int fields = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        TVYXLogDocEditor doc;
        for (int p = 0; p < fields / 12; ++p) {
            TVYXLogPara& para = doc.AppendParaUI(u"Dear ");
            for (int f = 0; f < 12; ++f)
                AddField(para, f % 2 ? u" MERGEFIELD Name \\* Upper " : u" MERGEFIELD Amount \\# \"#,##0.00\" ");
        }
        state.ResumeTiming();
        TVYXMailMerge merge(data);
        merge.MergeAll(doc);
        benchmark::DoNotOptimize(TVYXWriteDOCX(doc).SaveToBytes());
    }
}
BENCHMARK(BM_MergeFieldsInOneLetter)->Arg(12000)->Unit(benchmark::kMillisecond);

void BM_PagedReportToPdf(benchmark::State& state)
{
    auto data = Orders(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        TVYXReport report;
        report.SetDataSet(data.get());
        report.SetTemplateLoader([](TVYXLogDocEditor& doc) {
            TVYXLogPara& head = doc.AppendParaUI(u"Order ");
            AddField(head, u"Id");
            TVYXLogPara& body = doc.AppendParaUI(u"Customer: ");
            AddField(body, u"Customer");
            TVYXLogPara& amount = doc.AppendParaUI(u"Amount: ");
            AddField(amount, u"Amount \\* mask:#,##0.00");
            TVYXLogPara& page = doc.AppendParaUI(u"Page ");
            AddField(page, u"=page()");
            page.Append(u" of ");
            AddField(page, u"=pages()");
            Comment(doc, head, page, u"-band\npagebreaks: true");
        });
        report.CreateReport();
        TVYXWritePDF pdf;
        pdf.FDoc = &report.Output();
        bytes = pdf.SaveToBytes().size();
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PagedReportToPdf)->Arg(1000)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
