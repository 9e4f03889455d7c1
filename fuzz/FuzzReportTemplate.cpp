// FuzzReportTemplate.cpp: whole report templates: band comments over paragraphs, table rows,
// single cells and text boxes, with fields, run over fixed CSV and JSON data and written as DOCX.
//
// The input is a small template language, one line per element, so the fuzzer
// reaches band nesting and layout instead of spending itself on a file format:
//   <comment        opens a band comment at the next paragraph ("/" starts a new comment line)
//   >               closes the innermost open comment at the last paragraph
//   #a|b|c          a table row (consecutive rows form one table); a cell written
//                   "<comment>text" is a band on that cell, "<<comment>text" opens a
//                   band at that cell that closes at the row's last cell
//   @<comment>text  a text box on the last paragraph holding a banded paragraph
//   anything else   a paragraph; "{code}" parts become complex fields
// Creating the report may refuse the template with VYXException and nothing else.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/VYXWriteDOCX.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"
#include "report/VYXCsvSource.h"
#include "report/VYXJsonSource.h"
#include "report/VYXReport.h"

namespace {
constexpr std::size_t cMaxLines = 64;
constexpr int cMaxCells = 6;

std::unique_ptr<TVYXComment> MakeComment(std::u16string_view text)
{
    auto comment = std::make_unique<TVYXComment>();
    comment->Author = u"fuzz";
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == u'/') {
            comment->Text.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    return comment;
}

// Text with "{code}" parts as complex fields.
void Fill(TVYXLogPara& para, std::u16string_view markup)
{
    TVYXCharRuns& runs = para.CharRuns();
    std::size_t i = 0;
    while (i < markup.size()) {
        const std::size_t open = markup.find(u'{', i);
        const std::size_t end = open == std::u16string_view::npos ? markup.size() : open;
        if (end > i)
            runs.Add()->SetText(markup.substr(i, end - i));
        if (open == std::u16string_view::npos)
            break;
        std::size_t close = markup.find(u'}', open);
        if (close == std::u16string_view::npos)
            close = markup.size();
        runs.AddFldChar(acrfctBegin);
        runs.AddInstrText(markup.substr(open + 1, close - open - 1));
        runs.AddFldChar(acrfctSeparate);
        runs.Add()->SetText(u"x");
        runs.AddFldChar(acrfctEnd);
        i = close + 1;
    }
    para.MakeDirty();
}

// A comment whose range starts before the paragraph's content.
TVYXComment* OpenAtStart(TVYXLogDocEditor& doc, TVYXLogPara& para, std::u16string_view text)
{
    TVYXComment* comment = para.AppendComment(doc.Comments(), MakeComment(text));
    TVYXCharRuns& runs = para.CharRuns();
    std::unique_ptr<TVYXCharRun> start = runs.Detach(runs.Count() - 1);
    runs.Insert(0, std::move(start));
    return comment;
}

// "<comment>text" split into the comment and the text; false without a leading "<".
bool SplitBand(std::u16string_view cell, std::u16string& comment, std::u16string& text)
{
    if (cell.empty() || cell[0] != u'<')
        return false;
    const std::size_t close = cell.find(u'>');
    comment = cell.substr(1, close == std::u16string_view::npos ? std::u16string_view::npos : close - 1);
    text = close == std::u16string_view::npos ? std::u16string() : std::u16string(cell.substr(close + 1));
    return true;
}

void BuildTemplate(TVYXLogDocEditor& doc, const std::u16string& input)
{
    std::vector<std::u16string> lines;
    for (std::size_t start = 0; start <= input.size() && lines.size() < cMaxLines;) {
        const std::size_t end = std::min(input.find(u'\n', start), input.size());
        lines.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    std::vector<std::u16string> pending;
    std::vector<TVYXComment*> open;
    TVYXLogPara* last = nullptr;
    TVYXTable* table = nullptr;
    const auto para = [&](std::u16string_view markup) -> TVYXLogPara& {
        TVYXLogPara& p = doc.AppendParaUI(u"");
        for (const std::u16string& text : pending)
            open.push_back(p.AppendComment(doc.Comments(), MakeComment(text)));
        pending.clear();
        Fill(p, markup);
        last = &p;
        return p;
    };
    for (const std::u16string& line : lines) {
        if (line.empty() || line[0] != u'#')
            table = nullptr;
        if (!line.empty() && line[0] == u'<') {
            pending.push_back(line.substr(1));
        } else if (line == u">") {
            if (!open.empty() && last) {
                last->EndComment(*open.back());
                open.pop_back();
            }
        } else if (!line.empty() && line[0] == u'#') {
            std::vector<std::u16string> cells;
            for (std::size_t start = 1; start <= line.size() && static_cast<int>(cells.size()) < cMaxCells;) {
                const std::size_t end = std::min(line.find(u'|', start), line.size());
                cells.push_back(line.substr(start, end - start));
                start = end + 1;
            }
            const int cols = static_cast<int>(cells.size());
            if (!table || table->GetRows(0)->Count() != cols) {
                table = &doc.AppendTableUI(cols, 1);
            } else {
                table->Add()->Assign(*table->GetRows(0));
                for (int c = 0; c < cols; ++c)
                    table->GetRows(table->Count() - 1)->GetCells(c)->ClearContent();
            }
            const int row = table->Count() - 1;
            TVYXComment* rowBand = nullptr;
            for (int c = 0; c < cols; ++c) {
                TVYXLogPara& cellPara = doc.CellPara(*table, c, row);
                std::u16string comment, text = cells[static_cast<std::size_t>(c)];
                if (SplitBand(text, comment, text)) {
                    if (!comment.empty() && comment[0] == u'<') {
                        if (!rowBand)
                            rowBand = OpenAtStart(doc, cellPara, comment.substr(1));
                        Fill(cellPara, text);
                        continue;
                    }
                    TVYXComment* cellBand = OpenAtStart(doc, cellPara, comment);
                    Fill(cellPara, text);
                    cellPara.EndComment(*cellBand);
                    continue;
                }
                Fill(cellPara, text);
            }
            if (rowBand)
                doc.CellPara(*table, cols - 1, row).EndComment(*rowBand);
            last = &doc.CellPara(*table, cols - 1, row);
        } else if (!line.empty() && line[0] == u'@') {
            if (!last || last->Cell())
                para(u"");
            TVYXLogDocEditor& box = doc.AddTextBox(120, 80);
            std::u16string comment, text = line.substr(1);
            const bool banded = SplitBand(text, comment, text);
            TVYXLogPara& inner = box.AppendParaUI(u"");
            if (banded) {
                TVYXComment* c = inner.AppendComment(doc.Comments(), MakeComment(comment));
                Fill(inner, text);
                inner.EndComment(*c);
            } else {
                Fill(inner, text);
            }
        } else {
            para(line);
        }
    }
    if (!pending.empty() || !last)
        para(u"");
    while (!open.empty()) {
        last->EndComment(*open.back());
        open.pop_back();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 4096)
        return 0;
    const std::u16string input = Utf8ToUtf16(std::string(reinterpret_cast<const char*>(data), size));
    TVYXCsvSource people;
    people.Name = u"People";
    TVYXJsonSource tree;
    tree.Name = u"Items";
    try {
        people.LoadFromString("Name,City,No,Day\nAnn,Köln,1,2024-02-29\nBob,\"Paris, TX\",-2.5,\nCy,北京,1e6,2023-12-31\n");
        tree.LoadFromString(R"([{"Name":"A","No":1,"Items":[{"Name":"A1","No":2,"Items":[{"Name":"A11","No":3}]}]},
                                {"Name":"B","No":4,"Items":[]}])");
    } catch (const VYXException&) {
        __builtin_trap();  // the fixed data must always read
    }
    TVYXReport report;
    report.SetDataSet(&people);
    report.AddDataSet(u"Items", tree);
    report.Now = 45351;  // a fixed clock: runs repeat exactly
    report.OnUserDataSet = [](const std::u16string&, TVYXMemorySource& set) {
        set.ClearRecords();
        for (int i = 0; i < 3; ++i) {
            set.AppendRecord();
            for (int f = 0; f < set.FieldCount(); ++f)
                set.SetText(f, u"7");
        }
    };
    report.SetTemplateLoader([&input](TVYXLogDocEditor& doc) { BuildTemplate(doc, input); });
    try {
        report.CreateTemplate();
        report.CreateReport();
        TVYXWriteDOCX(report.Output()).SaveToBytes();
    } catch (const VYXException&) {
    }
    return 0;
}
