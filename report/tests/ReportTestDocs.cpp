// ReportTestDocs.cpp: template builders and golden-file comparison for the report tests.
#include "ReportTestDocs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXWriteDOCX.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "platform/VYXUnicode.h"

void AddSplitField(TVYXLogPara& para, std::initializer_list<std::u16string_view> parts, std::u16string_view shown)
{
    TVYXCharRuns& runs = para.CharRuns();
    runs.AddFldChar(acrfctBegin);
    for (std::u16string_view part : parts)
        runs.AddInstrText(part);
    runs.AddFldChar(acrfctSeparate);
    runs.Add()->SetText(shown);
    runs.AddFldChar(acrfctEnd);
    para.MakeDirty();
}

void AddNestedField(TVYXLogPara& para, std::u16string_view before, std::u16string_view nested, std::u16string_view after)
{
    TVYXCharRuns& runs = para.CharRuns();
    runs.AddFldChar(acrfctBegin);
    runs.AddInstrText(before);
    runs.AddFldChar(acrfctBegin);
    runs.AddInstrText(nested);
    runs.AddFldChar(acrfctSeparate);
    runs.Add()->SetText(u"x");
    runs.AddFldChar(acrfctEnd);
    runs.AddInstrText(after);
    runs.AddFldChar(acrfctSeparate);
    runs.Add()->SetText(u"result");
    runs.AddFldChar(acrfctEnd);
    para.MakeDirty();
}

std::string DocxBytes(TVYXLogDocEditor& doc) { return TVYXWriteDOCX(doc).SaveToBytes(); }

void ReadDocxBytes(const std::string& bytes, TVYXLogDocEditor& into)
{
    into.BeginUpdate();
    TVYXReadDOCX(into).LoadFromBytes(bytes);
    into.EndUpdate();
}

void DocxRoundTrip(TVYXLogDocEditor& doc, TVYXLogDocEditor& into) { ReadDocxBytes(DocxBytes(doc), into); }

std::string BodyText(const TVYXLogDocEditor& doc)
{
    std::string out;
    const TVYXLogParas& paras = doc.Paras();
    for (int i = 0; i < paras.Count(); ++i) {
        if (i > 0)
            out += "|";
        out += U8(paras.GetItems(i)->GetPlainText());
    }
    return out;
}

void ExpectGolden(const std::string& actual, const std::string& name)
{
    const std::string path = std::string(VYX_TEST_DATA_DIR) + "/" + name;
    if (const char* update = std::getenv("VYX_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream expected;
    expected << in.rdbuf();
    if (expected.str() != actual) {
        std::ofstream(path + ".actual", std::ios::binary) << actual;
        ADD_FAILURE() << "differs from golden " << path << " (see .actual)";
    }
}

namespace {
std::unique_ptr<TVYXComment> MakeComment(std::u16string_view text)
{
    auto comment = std::make_unique<TVYXComment>();
    comment->Author = u"vyx";
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == u'\n') {
            comment->Text.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    return comment;
}
}  // namespace

void TTemplateBuilder::Fill(TVYXLogPara& para, std::u16string_view markup)
{
    std::size_t i = 0;
    while (i < markup.size()) {
        const std::size_t open = markup.find(u'{', i);
        const std::size_t end = open == std::u16string_view::npos ? markup.size() : open;
        if (end > i)
            para.CharRuns().Add()->SetText(markup.substr(i, end - i));
        if (open == std::u16string_view::npos)
            break;
        const std::size_t close = markup.find(u'}', open);
        const std::u16string_view code = markup.substr(open + 1, close - open - 1);
        if (SimpleMergeFields)
            para.CharRuns().AddSimpleField(
                CreateSimpleField(code.starts_with(u'=') ? std::u16string(code) : u"MERGEFIELD " + std::u16string(code)),
                u"«field»");
        else
            AddSplitField(para, {code}, u"«field»");
        i = close + 1;
    }
    para.MakeDirty();
}

TVYXLogPara& TTemplateBuilder::Para(std::u16string_view markup) { return ParaIn(FDoc, markup); }

TVYXLogPara& TTemplateBuilder::ParaIn(TVYXLogDocEditor& list, std::u16string_view markup)
{
    TVYXLogPara& para = list.AppendParaUI(u"");
    for (const std::u16string& text : FPending)
        FOpen.push_back(para.AppendComment(FDoc.Comments(), MakeComment(text)));
    FPending.clear();
    Fill(para, markup);
    FLast = &para;
    return para;
}

void TTemplateBuilder::Open(std::u16string_view comment) { FPending.emplace_back(comment); }

void TTemplateBuilder::OpenAt(TVYXLogPara& para, std::u16string_view comment)
{
    auto c = MakeComment(comment);
    TVYXComment* raw = c.get();
    // The range starts before the cell's content.
    para.AppendComment(FDoc.Comments(), std::move(c));
    TVYXCharRuns& runs = para.CharRuns();
    std::unique_ptr<TVYXCharRun> start = runs.Detach(runs.Count() - 1);
    runs.Insert(0, std::move(start));
    FOpen.push_back(raw);
}

void TTemplateBuilder::Close() { CloseAt(*FLast); }

void TTemplateBuilder::CloseAt(TVYXLogPara& para)
{
    para.EndComment(*FOpen.back());
    FOpen.pop_back();
}

void TTemplateBuilder::CloseOuterAt(TVYXLogPara& para)
{
    para.EndComment(*FOpen.front());
    FOpen.erase(FOpen.begin());
}
